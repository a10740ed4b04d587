#include "skin/geometry/SkinEditGeometry.h"

#include <algorithm>

namespace tandrel {

TSpinLayout SpinButtons(int clientWidth, int clientHeight, bool inset, bool horizontal)
{
    TSkinRect c {0, 0, std::max(0, clientWidth), std::max(0, clientHeight)};
    if (inset) {
        c = {c.Left + 1, c.Top + 1, c.Right - 1, c.Bottom - 1};
        c.Right = std::max(c.Left, c.Right);
        c.Bottom = std::max(c.Top, c.Bottom);
    }
    if (horizontal) {
        int const half = c.Width() / 2;
        return {{c.Left, c.Top, c.Left + half, c.Bottom}, {c.Left + half, c.Top, c.Right, c.Bottom}};
    }
    int const half = c.Height() / 2;
    return {{c.Left, c.Top, c.Right, c.Top + half}, {c.Left, c.Top + half, c.Right, c.Bottom}};
}

int SpinButtonAt(const TSpinLayout& layout, int x, int y, bool horizontal)
{
    // The split as drawn: with the inset margin it lies one pixel further
    // than the half size, where the control itself splits its client area.
    return horizontal ? (x < layout.Second.Left ? 0 : 1) : (y < layout.Second.Top ? 0 : 1);
}

TSpinState SpinButtonState(bool pressed, bool underCursor, bool enabled)
{
    if (!enabled)
        return ssDisabled;
    return pressed && underCursor ? ssPressed : ssNormal;
}

int SpinFrame(int button, int state, int frameCount)
{
    int const frame = 4 * button + state;
    return frame <= frameCount ? frame : state;
}

TComboLayout ComboLayout(int width, int height, int arrowWidth, TComboButtonSide side)
{
    int const w = std::max(0, width);
    int const h = std::max(0, height);
    int const b = std::max(0, arrowWidth);
    if (side == TComboButtonSide::cbLeft)
        return {{b + 4, 2, w - 2, h - 2}, {0, 0, b + 2, h}, {2, 0, b + 2, h}};
    return {{2, 2, w - b - 4, h - 2}, {w - b - 2, 0, w, h}, {w - b - 2, 0, w - 2, h}};
}

TComboState ComboState(bool enabled, bool focused, bool pressed, bool hot)
{
    if (!enabled)
        return csDisabled;
    if (pressed)
        return csPressed;
    return hot || focused ? csHot : csNormal;
}

TSkinRect CentredIn(const TSkinRect& box, int w, int h)
{
    int const left = box.Left + (box.Width() - w) / 2;
    int const top = box.Top + (box.Height() - h) / 2;
    return {left, top, left + w, top + h};
}

int ProgressFill(int length, std::int64_t position, std::int64_t min, std::int64_t max)
{
    if (length <= 0 || max <= min)
        return 0;
    std::int64_t const done = std::clamp(position, min, max) - min;
    // Both factors fit 32 bits, so the product fits 64.
    return static_cast<int>(static_cast<std::int64_t>(length) * done / (max - min));
}

TSkinRect ProgressBarRect(const TSkinRect& rect, std::int64_t position, std::int64_t min, std::int64_t max,
                          TProgressAxis axis)
{
    if (axis == TProgressAxis::paVertical) {
        int const fill = ProgressFill(rect.Height(), position, min, max);
        return {rect.Left, rect.Bottom - fill, rect.Right, rect.Bottom};
    }
    int const fill = ProgressFill(rect.Width(), position, min, max);
    return {rect.Left, rect.Top, rect.Left + fill, rect.Bottom};
}

TSkinRect ProgressChunkRect(const TSkinRect& rect, const TSkinMargins& margins, int chunkThickness,
                            std::int64_t position, std::int64_t min, std::int64_t max, TProgressAxis axis)
{
    // A chunk thicker than the bar is cut to it.
    int const across = axis == TProgressAxis::paVertical ? rect.Width() : rect.Height();
    int const thickness = std::clamp(chunkThickness, 0, std::max(0, across));
    if (axis == TProgressAxis::paVertical) {
        TSkinRect const inner {rect.Left, rect.Top + std::max(0, margins.Top), rect.Right,
                               rect.Bottom - std::max(0, margins.Bottom)};
        int const fill = ProgressFill(inner.Height(), position, min, max);
        int const left = rect.Left + (rect.Width() - thickness) / 2;
        return {left, inner.Bottom - fill, left + thickness, inner.Bottom};
    }
    TSkinRect const inner {rect.Left + std::max(0, margins.Left), rect.Top, rect.Right - std::max(0, margins.Right),
                           rect.Bottom};
    int const fill = ProgressFill(inner.Width(), position, min, max);
    int const top = rect.Top + (rect.Height() - thickness) / 2;
    return {inner.Left, top, inner.Left + fill, top + thickness};
}

} // namespace tandrel
