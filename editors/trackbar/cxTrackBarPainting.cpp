// Painting the slider from its view info: track, selection, ticks or
// numbers and thumb, classic or themed, through an off-screen bitmap.

#include "editors/trackbar/cxTrackBar.h"

#include "framework/graphics/GdiObjects.h"
#include "editors/lookandfeel/dxThemeManager.h"

#include <string>
#include <vector>

namespace tandrel {

namespace {

// One-pixel lines: the first colour down the left and along the top, the
// second down the right and along the bottom; Right and Bottom are drawn
// on. Answers the rectangle inside the frame.
RECT DrawTwoToneFrame(TcxCanvas& canvas, const RECT& r, TColor first, TColor second)
{
    canvas.FillRect({r.left, r.top, r.left + 1, r.bottom + 1}, first);
    canvas.FillRect({r.left, r.top, r.right + 1, r.top + 1}, first);
    canvas.FillRect({r.right, r.top + 1, r.right + 1, r.bottom}, second);
    canvas.FillRect({r.left + 1, r.bottom, r.right + 1, r.bottom + 1}, second);
    return {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
}

// A polyline that also sets its last point, which a plain one leaves out.
void PolylineWithEnd(TcxCanvas& canvas, const std::vector<POINT>& points, TColor colour)
{
    if (points.empty())
        return;
    canvas.Polyline(points, colour);
    canvas.SetPixel(points.back().x, points.back().y, colour);
}

// The point lists of a pointed thumb: edges A, B and C and the fill polygon P.
struct TThumbOutline {
    std::vector<POINT> A, B, C, P;
};

TThumbOutline PointedThumbOutline(const RECT& t, int h, bool bottomRight, bool horizontal)
{
    const int L = t.left, T = t.top, R = t.right, B = t.bottom;
    if (bottomRight && horizontal)
        return {{{R, T}, {L, T}, {L, B - h}, {L + h, B}},
                {{L + h, B - 1}, {R - 1, B - h}, {R - 1, T + 1}},
                {{L + h, B}, {R, B - h}, {R, T}},
                {{R - 1, T + 1}, {L + 1, T + 1}, {L + 1, B - h}, {L + h - 1, B - 1}, {L + h, B - 1}, {R - 1, B - h}}};
    if (bottomRight)
        return {{{L, B}, {L, T}, {R - h, T}, {R, T + h}},
                {{L + 1, B}, {R - h, B}, {R - 1, B - h + 1}},
                {{L, B + 1}, {R - h, B + 1}, {R, B - h + 1}},
                {{L + 1, B}, {L + 1, T + 1}, {R - h, T + 1}, {R - 1, T + h}, {R - 1, T + h + 1}, {R - h, B}}};
    if (horizontal)
        return {{{L, B}, {L, T + h}, {L + h, T}},
                {{L + h, T + 1}, {R - 1, T + h}, {R - 1, B - 1}, {L, B - 1}},
                {{L + h, T}, {R, T + h}, {R, B}, {L, B}},
                {{R - 1, B - 2}, {L + 1, B - 2}, {L + 1, T + h}, {L + h - 1, T + 2}, {L + h, T + 2}, {R - 1, T + h}}};
    return {{{R, T}, {L + h, T}, {L, T + h}},
            {{R - 1, T + 1}, {R - 1, B}, {L + h, B}, {L + 1, B - h + 1}},
            {{R, T}, {R, B + 1}, {L + h, B + 1}, {L, B - h + 1}},
            {{R - 2, B}, {R - 2, T + 1}, {L + h, T + 1}, {L + 1, T + h}, {L + 1, T + h + 1}, {L + h, B}}};
}

// The "TrackBar" theme's parts.
constexpr int kTrackPartHorizontal = 1;
constexpr int kTrackPartVertical = 2;
int ThemedThumbPart(TcxTrackBarTickMarks marks, bool horizontal)
{
    switch (marks) {
    case cxtmBoth: return horizontal ? 3 : 6;
    case cxtmTopLeft: return horizontal ? 5 : 7;
    case cxtmBottomRight: break;
    }
    return horizontal ? 4 : 8;
}

// A font for the numbers: the view info's, turned to run bottom to top when asked.
TOwnedFont NumberFont(TFont& font, bool vertical)
{
    LOGFONTW lf {};
    GetObjectW(font.Handle(), sizeof lf, &lf);
    if (!vertical)
        return TOwnedFont(CreateFontIndirectW(&lf));
    TOwnedDC dc(CreateCompatibleDC(nullptr));
    if (dc) {
        TSelectObject select(dc.Get(), font.Handle());
        TEXTMETRICW metrics {};
        // Only outline fonts turn; a bitmap font gives way to Arial.
        if (GetTextMetricsW(dc.Get(), &metrics) && !(metrics.tmPitchAndFamily & TMPF_TRUETYPE))
            lstrcpynW(lf.lfFaceName, L"Arial", LF_FACESIZE);
    }
    lf.lfEscapement = 900;
    lf.lfOrientation = 900;
    return TOwnedFont(CreateFontIndirectW(&lf));
}

} // namespace

TcxCustomTrackBarViewInfo::TcxCustomTrackBarViewInfo() { Bitmap.SetPixelFormat(TPixelFormat::pf32bit); }

void TcxCustomTrackBarViewInfo::Assign(const TcxContainerViewInfo& source)
{
    TcxCustomTextEditViewInfo::Assign(source);
    auto* s = dynamic_cast<const TcxCustomTrackBarViewInfo*>(&source);
    if (!s)
        return;
    static_cast<TcxTrackBarViewValues&>(*this) = *s;
    LookAndFeel.Assign(s->LookAndFeel);
}

void TcxCustomTrackBarViewInfo::Offset(int dx, int dy)
{
    TcxCustomTextEditViewInfo::Offset(dx, dy);
    Geometry.ContentRect = OffsetRectBy(Geometry.ContentRect, dx, dy);
    Geometry.BitmapRect = OffsetRectBy(Geometry.BitmapRect, dx, dy);
}

bool TcxCustomTrackBarViewInfo::Themed() const
{
    return NativeThemeFor(LookAndFeel.EffectiveNativeStyle(), totTrackBar);
}

void TcxCustomTrackBarViewInfo::PaintSlider(TcxCanvas& canvas)
{
    DrawBorder(canvas);
    const RECT& b = Geometry.BitmapRect;
    const int width = RectWidth(b);
    const int height = RectHeight(b);
    if (width == 0 || height == 0)
        return;
    Bitmap.SetSize(width, height);
    TcxCanvas bitmapCanvas(Bitmap.Canvas());
    bitmapCanvas.FillRect({0, 0, width, height}, BackgroundColor);
    PaintSliderContent(bitmapCanvas);
    canvas.CopyFrom(Geometry.ContentRect.left, Geometry.ContentRect.top, bitmapCanvas.Handle(), {0, 0, width, height});
    if (ShowsFocus) {
        RECT focus = Geometry.ContentRect;
        DrawFocusRect(canvas.Handle(), &focus);
    }
}

void TcxCustomTrackBarViewInfo::PaintSliderContent(TcxCanvas& canvas)
{
    if (Geometry.ShowTrack) {
        PaintTrack(canvas);
        if (Geometry.SelectionVisible)
            PaintSelection(canvas);
    }
    if (Geometry.ShowTicks)
        PaintTicks(canvas);
    switch (Geometry.ThumbType) {
    case cxttRegular:
        PaintThumb(canvas);
        break;
    case cxttCustom:
        if (ThumbDrawer && ThumbDrawer->OnDrawThumb)
            ThumbDrawer->OnDrawThumb(ThumbDrawer, &canvas, Geometry.ThumbRect);
        break;
    case cxttNone:
        break;
    }
}

void TcxCustomTrackBarViewInfo::PaintTrack(TcxCanvas& canvas)
{
    const RECT& track = Geometry.TrackRect;
    if (Themed()) {
        DrawThemeBackground(OpenThemeByIndex(totTrackBar), canvas.Handle(),
                            Geometry.Horizontal() ? kTrackPartHorizontal : kTrackPartVertical, ThumbState, track);
        return;
    }
    canvas.FillRect(track, Colours.Track);
    const RECT frame {track.left, track.top, track.right - 1, track.bottom};
    switch (LookAndFeel.EffectiveKind()) {
    case lfFlat:
        DrawTwoToneFrame(canvas, DrawTwoToneFrame(canvas, frame, clBtnShadow, clBtnHighlight), clBtnFace, clBtnFace);
        break;
    case lfStandard:
        DrawTwoToneFrame(canvas, DrawTwoToneFrame(canvas, frame, clBtnShadow, clBtnHighlight), cl3DDkShadow,
                         cl3DLight);
        break;
    case lfUltraFlat:
        DrawTwoToneFrame(canvas, frame, clWindowFrame, clWindowFrame);
        break;
    }
}

void TcxCustomTrackBarViewInfo::PaintSelection(TcxCanvas& canvas)
{
    canvas.FillRect(Geometry.SelectionRect, Colours.Selection);
}

void TcxCustomTrackBarViewInfo::PaintTicks(TcxCanvas& canvas)
{
    const TcxTrackBarGeometry& g = Geometry;
    HDC dc = canvas.Handle();
    canvas.Pen().SetColor(Colours.Tick);
    canvas.Brush().SetColor(clBtnFace);
    // The numbers' font lives for this call only; the canvas font is untouched.
    TOwnedFont font;
    const bool horizontal = g.Horizontal();
    const bool verticalText = g.TextOrientation == tbtoVertical;
    const bool bottomRight = g.TickMarks == cxtmBottomRight || g.TickMarks == cxtmBoth;
    const bool topLeft = g.TickMarks == cxtmTopLeft || g.TickMarks == cxtmBoth;
    const RECT& t = g.ThumbRect;
    const int origin = (horizontal ? g.TrackRect.left : g.TrackRect.top) + g.ThumbLength / 2;

    for (int value : ShownTickValues(g)) {
        const bool isEnd = value == g.Min || value == g.Max;
        const int pos = TickOffset(value, g.Min, g.Scale) + origin;
        const bool number =
            g.TickType == tbttNumbers || (g.TickType == tbttValueNumber && (isEnd || value == g.Position));
        if (!number) {
            const int length = g.TickSize + (isEnd ? g.TickSize / 2 : 0);
            if (horizontal) {
                if (bottomRight)
                    canvas.Line(pos, t.bottom + 2, pos, t.bottom + 2 + length, Colours.Tick);
                if (topLeft)
                    canvas.Line(pos, t.top - length - 1, pos, t.top - 1, Colours.Tick);
            } else {
                if (bottomRight)
                    canvas.Line(t.right + 2, pos, t.right + 2 + length, pos, Colours.Tick);
                if (topLeft)
                    canvas.Line(t.left - length - 1, pos, t.left - 1, pos, Colours.Tick);
            }
            continue;
        }
        const std::wstring text = std::to_wstring(value);
        if (!font)
            font = NumberFont(Font, verticalText);
        TSelectObject select(dc, font.Get());
        TTextColorGuard colour(dc, ColorToRGB(TextColor));
        TBkModeGuard mode(dc, TRANSPARENT);
        SIZE extent {};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
        const int w = extent.cx;
        const int h = extent.cy;
        std::vector<POINT> origins;
        if (horizontal) {
            const int shift = verticalText ? h / 2 - 1 : w / 2;
            const int below = verticalText ? w : 0;
            const int above = verticalText ? 0 : h;
            if (bottomRight)
                origins.push_back({pos - shift, t.bottom + 1 + below});
            if (topLeft)
                origins.push_back({pos - shift, t.top - above - 1});
        } else {
            const int offset = verticalText ? w / 2 : -(h / 2);
            const int across = verticalText ? h : w;
            if (bottomRight)
                origins.push_back({t.right + 2, pos + offset});
            if (topLeft)
                origins.push_back({t.left - 1 - across, pos + offset});
        }
        // Left- and top-aligned at the rectangle's corner, never clipped.
        for (POINT o : origins)
            ExtTextOutW(dc, o.x, o.y, 0, nullptr, text.c_str(), static_cast<UINT>(text.size()), nullptr);
    }
}

void TcxCustomTrackBarViewInfo::PaintThumb(TcxCanvas& canvas)
{
    const TcxTrackBarGeometry& g = Geometry;
    const RECT& t = g.ThumbRect;
    if (Themed()) {
        DrawThemeBackground(OpenThemeByIndex(totTrackBar), canvas.Handle(), ThemedThumbPart(g.TickMarks, g.Horizontal()),
                            ThumbState, t);
        return;
    }
    const TcxLookAndFeelKind kind = LookAndFeel.EffectiveKind();
    TColor fill = Colours.Thumb;
    if (ThumbState == tstHot || ThumbState == tstPressed) {
        fill = kind == lfUltraFlat ? PainterClass<TcxUltraFlatLookAndFeelPainter>()->FaceColorForState(
                                         ThumbState == tstHot ? cxbsHot : cxbsPressed)
                                   : Colours.ThumbHighlight;
    } else if (ThumbState == tstDisabled) {
        fill = clBtnShadow;
    }

    if (g.TickMarks == cxtmBoth) {
        RECT inner;
        switch (kind) {
        case lfFlat:
            inner = DrawTwoToneFrame(canvas, t, clWindow, clBtnShadow);
            break;
        case lfStandard:
            inner = DrawTwoToneFrame(canvas, DrawTwoToneFrame(canvas, t, clWindow, clWindowFrame), clBtnFace,
                                     clBtnShadow);
            break;
        case lfUltraFlat:
        default:
            inner = DrawTwoToneFrame(canvas, t, clWindowFrame, clWindowFrame);
            break;
        }
        canvas.FillRect({inner.left, inner.top, inner.right + 1, inner.bottom + 1}, fill);
        return;
    }

    const bool bottomRight = g.TickMarks == cxtmBottomRight;
    const TThumbOutline o = PointedThumbOutline(t, g.ThumbLength / 2, bottomRight, g.Horizontal());
    if (bottomRight) {
        PolylineWithEnd(canvas, o.A, clWindow);
        PolylineWithEnd(canvas, o.B, clBtnShadow);
        PolylineWithEnd(canvas, o.C, clWindowText);
    }
    canvas.Polygon(o.P, fill, fill);
    switch (kind) {
    case lfFlat:
        PolylineWithEnd(canvas, o.A, clBtnHighlight);
        PolylineWithEnd(canvas, o.C, clBtnShadow);
        break;
    case lfStandard:
        PolylineWithEnd(canvas, o.A, clBtnHighlight);
        PolylineWithEnd(canvas, o.B, clBtnShadow);
        PolylineWithEnd(canvas, o.C, cl3DDkShadow);
        break;
    case lfUltraFlat:
        PolylineWithEnd(canvas, o.A, clWindowText);
        PolylineWithEnd(canvas, o.C, clWindowText);
        break;
    }
}

} // namespace tandrel
