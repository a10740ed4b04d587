// The slider's keyboard and mouse: keys step the position, a press on the
// thumb starts a drag, a press beside it steps or jumps, Shift builds a
// selection, and the pointer gives the thumb its hot and pressed looks.

#include "editors/trackbar/cxTrackBar.h"

namespace tandrel {

namespace {
bool LeftButtonDown() { return GetKeyState(VK_LBUTTON) < 0; }
} // namespace

POINT TcxCustomTrackBar::ToBitmap(int x, int y)
{
    const RECT& content = TrackBarViewInfo().Geometry.ContentRect;
    return {x - content.left, y - content.top};
}

void TcxCustomTrackBar::UpdateShiftSelection(int value)
{
    if (value < m_shiftAnchor)
        ActiveProperties().WriteSelection(value, m_shiftAnchor);
    else
        ActiveProperties().WriteSelection(m_shiftAnchor, value);
}

// Moves to value, extending the selection first while Shift selects.
void TcxCustomTrackBar::ChangePosition(int value)
{
    if (value == Position())
        return;
    if (m_shiftSelecting)
        UpdateShiftSelection(value);
    SetPosition(value);
}

void TcxCustomTrackBar::KeyDown(WORD& key, TShiftState shift)
{
    if (Enabled()) {
        const auto& p = ActiveProperties();
        const int position = Position();
        bool hasValue = true;
        int value = position;
        switch (key) {
        case VK_SHIFT:
            hasValue = false;
            if (!m_shiftSelecting) {
                m_shiftSelecting = true;
                m_shiftAnchor = position;
            }
            break;
        case VK_PRIOR: value = p.ClampToRange(static_cast<long long>(position) - p.PageSize()); break;
        case VK_NEXT: value = p.ClampToRange(static_cast<long long>(position) + p.PageSize()); break;
        case VK_END: value = p.Max(); break;
        case VK_HOME: value = p.Min(); break;
        case VK_LEFT:
        case VK_UP: value = p.ClampToRange(static_cast<long long>(position) - 1); break;
        case VK_RIGHT:
        case VK_DOWN: value = p.ClampToRange(static_cast<long long>(position) + 1); break;
        default: hasValue = false; break;
        }
        if (hasValue)
            ChangePosition(value);
    }
    TcxCustomEdit::KeyDown(key, shift);
}

void TcxCustomTrackBar::KeyUp(WORD& key, TShiftState shift)
{
    if (Enabled() && key == VK_SHIFT)
        m_shiftSelecting = false;
    TcxCustomEdit::KeyUp(key, shift);
}

void TcxCustomTrackBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TcxCustomEdit::MouseDown(button, shift, x, y);
    if (button != TMouseButton::mbLeft || !Enabled())
        return;
    SetMouseCapture(true);
    auto& props = ActiveProperties();
    const TcxTrackBarLayoutResults& layout = props.LayoutResults();
    const POINT p = ToBitmap(x, y);
    if (PointInRect(layout.ThumbRect, p)) {
        TrackBarViewInfo().IsThumbPressed = true;
        if (shift & ssCtrl) {
            m_shiftSelecting = false;
            props.WriteSelection(0, 0);
        }
        RefreshContainer(false);
        return;
    }
    if (!PointInRect({0, 0, Width(), Height()}, {x, y}))
        return;
    const bool horizontal = props.Orientation() == tboHorizontal;
    const int along = horizontal ? p.x : p.y;
    const int thumbStart = horizontal ? layout.ThumbRect.left : layout.ThumbRect.top;
    const int thumbEnd = horizontal ? layout.ThumbRect.right : layout.ThumbRect.bottom;
    if (along > thumbEnd)
        StepBeside(p, true);
    else if (along < thumbStart)
        StepBeside(p, false);
}

// One step (or a jump to the pressed spot) for a press beside the thumb.
void TcxCustomTrackBar::StepBeside(POINT p, bool forward)
{
    auto& props = ActiveProperties();
    int value;
    if (props.ThumbStep() == cxtsNormal) {
        value = props.ClampToRange(static_cast<long long>(Position()) + (forward ? 1 : -1));
    } else {
        const TcxTrackBarLayoutResults& layout = props.LayoutResults();
        const bool horizontal = props.Orientation() == tboHorizontal;
        int jump;
        // A track no longer than the thumb has no position per pixel: the press is ignored.
        if (!PixelToPosition(horizontal ? p.x : p.y, horizontal ? layout.TrackRect.left : layout.TrackRect.top,
                             props.Min(), layout.Scale, jump))
            return;
        value = props.ClampToRange(jump);
    }
    if (value != Position())
        SetPosition(value);
}

void TcxCustomTrackBar::MouseMove(TShiftState shift, int x, int y)
{
    TcxCustomEdit::MouseMove(shift, x, y);
    auto& info = TrackBarViewInfo();
    auto& props = ActiveProperties();
    const TcxTrackBarLayoutResults& layout = props.LayoutResults();
    const POINT p = ToBitmap(x, y);
    if (info.IsThumbPressed && LeftButtonDown()) {
        const RECT& t = layout.ThumbRect;
        double ratio;
        int d;
        if (props.Orientation() == tboHorizontal) {
            ratio = static_cast<double>(static_cast<long long>(props.Max()) - props.Min()) / Width();
            d = p.x - t.left - (t.right - t.left) / 2;
        } else {
            ratio = static_cast<double>(static_cast<long long>(props.Max()) - props.Min()) / Height();
            d = p.y - t.top - (t.bottom - t.top) / 2;
        }
        const int position = Position();
        const int value = props.ClampToRange(static_cast<long long>(position) + DragDelta(d, ratio));
        if (value != position && GetKeyState(VK_SHIFT) < 0 && m_shiftSelecting)
            UpdateShiftSelection(value);
        SetPosition(value);
        return;
    }
    const bool hot = PointInRect(layout.ThumbRect, p);
    if (hot != info.IsThumbHot) {
        info.IsThumbHot = hot;
        RefreshContainer(false);
    }
}

void TcxCustomTrackBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TcxCustomEdit::MouseUp(button, shift, x, y);
    auto& info = TrackBarViewInfo();
    const bool hot = PointInRect(ActiveProperties().LayoutResults().ThumbRect, ToBitmap(x, y));
    const bool changed = info.IsThumbPressed || hot != info.IsThumbHot;
    info.IsThumbPressed = false;
    info.IsThumbHot = hot;
    if (changed)
        RefreshContainer(false);
    SetMouseCapture(false);
}

void TcxCustomTrackBar::MouseEnter(TControl* sender)
{
    TcxCustomEdit::MouseEnter(sender);
    // A release this slider never received leaves the pressed look behind.
    auto& info = TrackBarViewInfo();
    if (info.IsThumbPressed && !LeftButtonDown()) {
        info.IsThumbPressed = false;
        info.IsThumbHot = false;
    }
}

// A thumb left behind by the pointer should not stay lit until it comes back.
void TcxCustomTrackBar::MouseLeave(TControl* sender)
{
    TcxCustomEdit::MouseLeave(sender);
    auto& info = TrackBarViewInfo();
    if (info.IsThumbHot) {
        info.IsThumbHot = false;
        RefreshContainer(false);
    }
}

} // namespace tandrel
