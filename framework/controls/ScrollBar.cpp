#include "framework/controls/ScrollBar.h"

#include "framework/core/Publisher.h"

#include <algorithm>

namespace tandrel {

namespace {
const TEnumInfo kKinds {{"sbHorizontal", "sbVertical"}};
}

TScrollStep ScrollStepFor(WPARAM request, int position, int min, int maxPosition, int smallChange,
                          int largeChange, int track)
{
    TScrollStep step {TScrollCode::scEndScroll, position};
    switch (LOWORD(request)) {
    case SB_LINEUP: step = {TScrollCode::scLineUp, position - smallChange}; break;
    case SB_LINEDOWN: step = {TScrollCode::scLineDown, position + smallChange}; break;
    case SB_PAGEUP: step = {TScrollCode::scPageUp, position - largeChange}; break;
    case SB_PAGEDOWN: step = {TScrollCode::scPageDown, position + largeChange}; break;
    case SB_THUMBPOSITION: step = {TScrollCode::scPosition, track}; break;
    case SB_THUMBTRACK: step = {TScrollCode::scTrack, track}; break;
    case SB_TOP: step = {TScrollCode::scTop, min}; break;
    case SB_BOTTOM: step = {TScrollCode::scBottom, maxPosition}; break;
    default: break;
    }
    step.Position = std::clamp(step.Position, min, std::max(maxPosition, min));
    return step;
}

// The notification carries only the low 16 bits of the thumb's position.
int ScrollTrackPosition(HWND window, int bar, int fallback)
{
    SCROLLINFO info {sizeof info, SIF_TRACKPOS, 0, 0, 0, 0, 0};
    if (!window || !GetScrollInfo(window, bar, &info))
        return fallback;
    return info.nTrackPos;
}

const TClassInfo& TScrollBar::StaticClassInfo()
{
    static const TClassInfo info = [] {
        TClassInfo i("TScrollBar", &TWinControl::StaticClassInfo());
        TPublisher<TScrollBar>(i)
            .Enumeration("Kind", kKinds, &TScrollBar::Kind, &TScrollBar::SetKind)
            .Integer("Min", &TScrollBar::Min, &TScrollBar::SetMin)
            .Integer("Max", &TScrollBar::Max, &TScrollBar::SetMax)
            .Integer("PageSize", &TScrollBar::PageSize, &TScrollBar::SetPageSize)
            .Integer("Position", &TScrollBar::Position, &TScrollBar::SetPosition)
            .Integer("SmallChange", &TScrollBar::SmallChange, &TScrollBar::SetSmallChange)
            .Integer("LargeChange", &TScrollBar::LargeChange, &TScrollBar::SetLargeChange)
            .Event("OnChange", &TScrollBar::OnChange)
            .Event("OnScroll", &TScrollBar::OnScroll);
        return i;
    }();
    return info;
}

TScrollBar::TScrollBar(TComponent* owner) : TChangingControl(owner)
{
    m_controlStyle = csSetCaption | csDoubleClicks;
    SetTabStop(true);
    SetBounds(0, 0, 121, GetSystemMetrics(SM_CYHSCROLL));
}

void TScrollBar::CreateParams(TCreateParams& p)
{
    TWinControl::CreateParams(p);
    p.BaseClassName = L"SCROLLBAR";
    p.Caption.clear();
    p.Style |= m_kind == TScrollBarKind::sbVertical ? SBS_VERT : SBS_HORZ;
}

void TScrollBar::InitializeWindow()
{
    TWinControl::InitializeWindow();
    UpdateWindow();
}

void TScrollBar::UpdateWindow()
{
    if (!HandleAllocated())
        return;
    SCROLLINFO info {sizeof info, SIF_ALL, m_min, m_max, static_cast<UINT>(m_pageSize), m_position, 0};
    SetScrollInfo(Handle(), SB_CTL, &info, TRUE);
}

void TScrollBar::SetKind(TScrollBarKind kind)
{
    if (kind == m_kind)
        return;
    m_kind = kind;
    if (!IsLoading())
        SetBounds(Left(), Top(), Height(), Width());
    RecreateWnd();
}

int TScrollBar::MaxPosition() const
{
    return m_pageSize > 0 ? std::max(m_max - m_pageSize + 1, m_min) : m_max;
}

void TScrollBar::SetPageSize(int value)
{
    value = std::max(value, 0);
    if (value == m_pageSize)
        return;
    m_pageSize = value;
    SetParams(m_position, m_min, m_max);
}

void TScrollBar::SetParams(int position, int min, int max)
{
    if (max < min) {
        if (IsLoading())  // Min and Max may arrive in either order
            max = min;
        else
            throw EInvalidOperation("Scroll bar Max is below its Min");
    }
    m_min = min;
    m_max = max;
    const int clamped = std::clamp(position, m_min, MaxPosition());
    const bool moved = clamped != m_position;
    m_position = clamped;
    UpdateWindow();
    if (moved)
        Change();
}

void TScrollBar::Scroll(TScrollCode code, int& scrollPos)
{
    if (OnScroll)
        OnScroll(this, code, scrollPos);
}

void TScrollBar::OnReflectedScroll(TMessage& m)
{
    const int track = ScrollTrackPosition(m_handle, SB_CTL, m_position);
    TScrollStep step =
        ScrollStepFor(m.WParam, m_position, m_min, MaxPosition(), m_smallChange, m_largeChange, track);
    Scroll(step.Code, step.Position);
    SetPosition(step.Position);
    m.Result = 0;
}

void TScrollBar::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case CN_HSCROLL:
    case CN_VSCROLL: return OnReflectedScroll(m);
    default: return TWinControl::WndProc(m);
    }
}

} // namespace tandrel
