#include "skin/geometry/SkinControlGeometry.h"

#include <algorithm>
#include <cmath>

namespace tandrel {

TButtonFrame PushButtonFrame(bool focused, bool pressed, bool hot, bool enabled)
{
    TButtonFrame frame = focused ? bfHot : bfNormal;
    if (pressed)
        frame = bfPressed;
    else if (hot)
        frame = bfHot;
    return enabled ? frame : bfDisabled;
}

TButtonFrame SpeedButtonFrame(bool pressed, bool hot, bool enabled, bool down)
{
    if (down)
        return bfPressed;
    TButtonFrame const frame = pressed ? bfPressed : hot ? bfHot : bfNormal;
    return enabled ? frame : bfDisabled;
}

int SpeedGlyphFrame(int buttonFrame, int glyphCount)
{
    int const frame = buttonFrame == bfPressed ? 3 : buttonFrame == bfDisabled ? 2 : 1;
    return glyphCount < frame ? 1 : frame;
}

TCheckFrame CheckFrame(bool checked, bool enabled, bool thirdState)
{
    if (thirdState)
        return cfCheckedDisabled;
    if (enabled)
        return checked ? cfChecked : cfUnchecked;
    return checked ? cfCheckedDisabled : cfUncheckedDisabled;
}

TSkinButtonPlacement PlaceButtonContent(const TSkinButtonMetrics& m, TButtonKind kind)
{
    TSkinButtonPlacement p;
    bool const across = m.Layout == sblGlyphLeft || m.Layout == sblGlyphRight;
    int textX = 0;
    int textY = 0;
    if (across) {
        p.GlyphY = (m.ClientHeight - m.GlyphHeight + 1) / 2;
        textY = (m.ClientHeight - m.TextHeight + 1) / 2;
    } else {
        p.GlyphX = (m.ClientWidth - m.GlyphWidth + 1) / 2;
        textX = (m.ClientWidth - m.TextWidth + 1) / 2;
    }
    int spacing = m.TextWidth == 0 || m.GlyphWidth == 0 ? 0 : m.Spacing;
    int margin = m.Margin;
    if (margin == -1) {
        if (spacing == -1) {
            int const totalWidth = m.GlyphWidth + m.TextWidth;
            int const totalHeight = m.GlyphHeight + m.TextHeight;
            margin = across ? (m.ClientWidth - totalWidth) / 3 : (m.ClientHeight - totalHeight) / 3;
            spacing = margin;
        } else {
            int const totalWidth = m.GlyphWidth + spacing + m.TextWidth;
            int const totalHeight = m.GlyphHeight + spacing + m.TextHeight;
            if (kind == TButtonKind::bkBitmap)
                margin = across ? (m.ClientWidth - totalWidth) / 2 : (m.ClientHeight - totalHeight) / 2;
            else
                margin = across ? (m.PaintWidth - totalWidth) / 2 + 1 : (m.ClientHeight - totalHeight) / 2 + 1;
        }
    } else if (spacing == -1) {
        int const restWidth = m.ClientWidth - (margin + m.GlyphWidth);
        int const restHeight = m.ClientHeight - (margin + m.GlyphHeight);
        spacing = across ? (restWidth - m.TextWidth) / 2 : (restHeight - m.TextHeight) / 2;
    }
    switch (m.Layout) {
    case sblGlyphRight:
        p.GlyphX = m.ClientWidth - margin - m.GlyphWidth;
        textX = p.GlyphX - spacing - m.TextWidth;
        break;
    case sblGlyphTop:
        p.GlyphY = margin;
        textY = p.GlyphY + m.GlyphHeight + spacing;
        break;
    case sblGlyphBottom:
        p.GlyphY = m.ClientHeight - margin - m.GlyphHeight;
        textY = p.GlyphY - spacing - m.TextHeight;
        break;
    default:
        p.GlyphX = margin;
        textX = p.GlyphX + m.GlyphWidth + spacing;
        break;
    }
    p.Text = {textX, textY, textX + m.TextWidth, textY + m.TextHeight};
    return p;
}

TSkinRect CheckBoxRect(const TSkinRect& rect, int w, int h, bool boxRight)
{
    TSkinRect box;
    box.Top = rect.Top + (rect.Height() - h) / 2;
    box.Bottom = box.Top + h;
    if (boxRight) {
        box.Right = w > 14 ? rect.Right - 1 : rect.Right - (14 - w) / 2;
        box.Left = box.Right - w;
    } else {
        box.Left = w > 14 ? rect.Left : rect.Left + (14 - w) / 2;
        box.Right = box.Left + w;
    }
    return box;
}

TScrollBarsLayout ScrollBarsLayout(const TScrollFrame& f)
{
    int const b = f.BarSize;
    int const w = f.Width;
    int const h = f.Height;
    int e = f.Edge;
    if (f.HasVertical)
        e = (w - f.ClientWidth - b) / 2;
    else if (f.HasHorizontal)
        e = (h - f.ClientHeight - b) / 2;

    TScrollBarsLayout l;
    bool const both = f.HasHorizontal && f.HasVertical;
    if (f.LeftScrollBar) {
        if (both) {
            l.Horizontal = {e + b, h - e - b, w - e, h - e};
            l.Vertical = {e, e, e + b, h - e - b};
        } else if (f.HasVertical) {
            l.Vertical = {e, e, e + b, h - e};
        } else if (f.HasHorizontal) {
            l.Horizontal = {e, h - e - b, w - e, h - e};
        }
    } else {
        if (both) {
            l.Horizontal = {e, h - e - b, w - e - b, h - e};
            l.Vertical = {w - e - b, e, w - e, h - e - b};
        } else if (f.HasVertical) {
            l.Vertical = {w - e - b, e, w - e, h - e};
        } else if (f.HasHorizontal) {
            l.Horizontal = {e, h - e - b, w - e, h - e};
        }
    }
    if (both)
        l.Corner = {l.Vertical.Left, l.Horizontal.Top, l.Vertical.Right, l.Horizontal.Bottom};
    return l;
}

std::int64_t MulDiv64(std::int64_t value, std::int64_t numerator, std::int64_t denominator)
{
    if (denominator == 0)
        return -1;
    std::int64_t product = 0;
    if (__builtin_mul_overflow(value, numerator, &product))
        return std::llround(static_cast<long double>(value) * numerator / denominator);
    // Round half away from zero, as the platform does.
    bool const negative = (product < 0) != (denominator < 0);
    std::uint64_t const a = product < 0 ? 0 - static_cast<std::uint64_t>(product) : static_cast<std::uint64_t>(product);
    std::uint64_t const d =
        denominator < 0 ? 0 - static_cast<std::uint64_t>(denominator) : static_cast<std::uint64_t>(denominator);
    auto const q = static_cast<std::int64_t>((a + d / 2) / d);
    return negative ? -q : q;
}

bool ComputeThumb(TBarGeometry& bar, int length, int arrow, int minThumb, int systemThumb, const TScrollRange& r,
                  int rangeExtra)
{
    int const track = length - 2 * arrow;
    std::int64_t const range = r.Max - r.Min + rangeExtra;
    if (range <= 0)
        return false;
    std::int64_t thumb = r.Page == 0 ? systemThumb : std::max<std::int64_t>(MulDiv64(r.Page, track, range), minThumb);
    if (thumb >= track)
        thumb = track;
    std::int64_t offset = 0;
    if (r.Page == range)
        --thumb;
    else if (range - r.Page > 0)
        offset = MulDiv64(r.Pos - r.Min, track - thumb, range - r.Page);
    // A page beyond the range, or a position before the minimum, keeps the
    // thumb at the start of the track.
    offset = std::max<std::int64_t>(0, std::min<std::int64_t>(offset, track - thumb));
    bar.Arrow = arrow;
    bar.Track = track;
    bar.ThumbSize = static_cast<int>(thumb);
    bar.ThumbOffset = static_cast<int>(offset);
    return true;
}

int HitPart(int c, const TBarGeometry& bar)
{
    int const a = bar.Arrow;
    if (c < a)
        return 0;
    if (c < a + bar.ThumbOffset)
        return 2;
    if (c < a + bar.ThumbOffset + bar.ThumbSize)
        return 5;
    if (c < a + bar.Track)
        return 3;
    if (c < 2 * a + bar.Track)
        return 1;
    return -1;
}

TThumbDrag DragThumb(int offset, const TBarGeometry& bar, const TScrollRange& r)
{
    TThumbDrag d;
    d.Offset = std::max(offset, 0);
    std::int64_t pos = r.Min;
    if (r.Page == 0) {
        int const room = bar.Track - bar.ThumbSize;
        d.Offset = std::max(0, std::min(d.Offset, room));
        if (room > 0)
            pos = MulDiv64(d.Offset, r.Max - r.Min, room) + r.Min;
        pos = std::min(pos, r.Max);
    } else {
        // The position follows the whole track; the thumb itself stops where
        // it meets the far arrow.
        int const along = std::min(d.Offset, std::max(bar.Track, 0));
        d.Offset = std::max(0, std::min(along, bar.Track - bar.ThumbSize));
        if (bar.Track > 0)
            pos = MulDiv64(along, r.Max - r.Min, bar.Track) + r.Min;
        pos = std::min(pos, r.Max - r.Page + 1);
    }
    d.Pos = std::max(pos, r.Min);
    return d;
}

} // namespace tandrel
