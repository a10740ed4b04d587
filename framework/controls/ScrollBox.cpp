#include "framework/controls/ScrollBox.h"

#include "framework/core/Publisher.h"
#include "framework/core/ScopeGuard.h"

#include <algorithm>

namespace tandrel {

const TClassInfo& TControlScrollBar::StaticClassInfo()
{
    static const TClassInfo info = [] {
        TClassInfo i("TControlScrollBar", &TPersistent::StaticClassInfo());
        TPublisher<TControlScrollBar>(i)
            .Integer("Increment", &TControlScrollBar::Increment, &TControlScrollBar::SetIncrement)
            .Boolean("Visible", &TControlScrollBar::Visible, &TControlScrollBar::SetVisible);
        return i;
    }();
    return info;
}

int TControlScrollBar::ClientExtent() const
{
    const RECT client = m_control.ClientRect();
    return m_kind == TScrollBarKind::sbHorizontal ? client.right : client.bottom;
}

int TControlScrollBar::MaxPosition() const
{
    return m_visible ? std::max(m_range - ClientExtent(), 0) : 0;
}

bool TControlScrollBar::IsScrollBarVisible() const
{
    return m_visible && m_range > ClientExtent();
}

void TControlScrollBar::SetPosition(int position)
{
    position = std::clamp(position, 0, MaxPosition());
    const int delta = m_position - position;
    if (delta == 0)
        return;
    m_position = position;
    if (m_kind == TScrollBarKind::sbHorizontal)
        m_control.ScrollContent(delta, 0);
    else
        m_control.ScrollContent(0, delta);
    Apply();
}

void TControlScrollBar::SetVisible(bool visible)
{
    if (visible != m_visible) {
        m_visible = visible;
        m_control.UpdateScrollBars();
    }
}

// A page as large as the range or larger makes the system hide the bar.
void TControlScrollBar::Apply()
{
    if (!m_control.HandleAllocated())
        return;
    const int range = m_visible ? m_range : 0;
    SCROLLINFO info {sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, 0, std::max(range - 1, 0),
                     static_cast<UINT>(std::max(ClientExtent(), 0)), m_position, 0};
    SetScrollInfo(m_control.Handle(), Bar(), &info, TRUE);
}

// first and last are client coordinates along the bar.
void TControlScrollBar::ShowSpan(int first, int last)
{
    const int extent = ClientExtent();
    if (first < 0)
        SetPosition(m_position + first);
    else if (last > extent)
        SetPosition(m_position + std::min(last - extent, first));
}

void TControlScrollBar::OnScroll(WPARAM request)
{
    const int track = ScrollTrackPosition(m_control.Handle(), Bar(), m_position);
    SetPosition(ScrollStepFor(request, m_position, 0, MaxPosition(), m_increment, ClientExtent(), track).Position);
}

const TClassInfo& TScrollingWinControl::StaticClassInfo()
{
    static const TClassInfo info = [] {
        TClassInfo i("TScrollingWinControl", &TWinControl::StaticClassInfo());
        TPublisher<TScrollingWinControl>(i)
            .Object("HorzScrollBar", &TScrollingWinControl::HorzScrollBarObject)
            .Object("VertScrollBar", &TScrollingWinControl::VertScrollBarObject);
        return i;
    }();
    return info;
}

TScrollingWinControl::TScrollingWinControl(TComponent* owner) : TWinControl(owner)
{
    m_controlStyle = csAcceptsControls | csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks;
}

void TScrollingWinControl::InitializeWindow()
{
    TWinControl::InitializeWindow();
    UpdateScrollBars();
}

void TScrollingWinControl::ControlsChanged()
{
    TWinControl::ControlsChanged();
    UpdateScrollBars();
}

// Ranges in unscrolled coordinates; showing one bar narrows the other's
// client extent, so the second pass settles both.
void TScrollingWinControl::UpdateScrollBars()
{
    if (m_updating || !HandleAllocated() || IsDestroying())
        return;
    m_updating = true;
    auto const done = OnScopeExit([this] { m_updating = false; });
    for (int pass = 0; pass < 2; ++pass) {
        int right = 0, bottom = 0;
        for (int i = 0; i < ControlCount(); ++i) {
            const TControl* c = Controls(i);
            if (!c->Visible())
                continue;
            right = std::max(right, c->Left() + c->Width() + m_horz.m_position);
            bottom = std::max(bottom, c->Top() + c->Height() + m_vert.m_position);
        }
        m_horz.m_range = right;
        m_vert.m_range = bottom;
        for (TControlScrollBar* bar : {&m_horz, &m_vert}) {
            bar->Apply();
            bar->SetPosition(bar->m_position);
        }
    }
}

// The system moves the child windows and the pixels; windowless children
// are moved here, and every child learns where it now is.
void TScrollingWinControl::ScrollContent(int dx, int dy)
{
    const bool wasUpdating = std::exchange(m_updating, true);
    auto const done = OnScopeExit([this, wasUpdating] { m_updating = wasUpdating; });
    ScrollWindowEx(Handle(), dx, dy, nullptr, nullptr, nullptr, nullptr, SW_SCROLLCHILDREN | SW_INVALIDATE | SW_ERASE);
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if (auto* windowed = dynamic_cast<TWinControl*>(c); windowed && windowed->HandleAllocated())
            continue;  // moved with its window
        c->SetBounds(c->Left() + dx, c->Top() + dy, c->Width(), c->Height());
    }
}

void TScrollingWinControl::ScrollInView(const TWinControl& control)
{
    if (!HandleAllocated() || !control.HandleAllocated() || !IsChild(Handle(), control.Handle()))
        return;
    RECT r {};
    GetWindowRect(control.Handle(), &r);
    MapWindowPoints(HWND_DESKTOP, Handle(), reinterpret_cast<POINT*>(&r), 2);
    m_horz.ShowSpan(r.left, r.right);
    m_vert.ShowSpan(r.top, r.bottom);
}

void TScrollingWinControl::OnMouseWheel(TMessage& m)
{
    const int notches = GET_WHEEL_DELTA_WPARAM(m.WParam) / WHEEL_DELTA;
    m_vert.SetPosition(m_vert.m_position - notches * 3 * m_vert.m_increment);
    m.Result = 0;
}

void TScrollingWinControl::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case WM_HSCROLL:
        if (m.LParam)
            break;
        return m_horz.OnScroll(m.WParam);
    case WM_VSCROLL:
        if (m.LParam)
            break;
        return m_vert.OnScroll(m.WParam);
    case WM_MOUSEWHEEL: return OnMouseWheel(m);
    case WM_SIZE:
        TWinControl::WndProc(m);
        return UpdateScrollBars();
    default: break;
    }
    TWinControl::WndProc(m);
}

const TClassInfo& TScrollBox::StaticClassInfo()
{
    static const TClassInfo info = [] {
        TClassInfo i("TScrollBox", &TScrollingWinControl::StaticClassInfo());
        TPublisher<TScrollBox>(i).Enumeration("BorderStyle", BorderStyleNames(), &TScrollBox::BorderStyle,
                                              &TScrollBox::SetBorderStyle);
        return i;
    }();
    return info;
}

TScrollBox::TScrollBox(TComponent* owner) : TScrollingWinControl(owner)
{
    SetBounds(0, 0, 185, 41);
}

void TScrollBox::CreateParams(TCreateParams& p)
{
    TScrollingWinControl::CreateParams(p);
    p.ExStyle |= BorderExStyle(m_borderStyle);
}

void TScrollBox::SetBorderStyle(TBorderStyle style)
{
    SetWindowProperty(m_borderStyle, style);
}

} // namespace tandrel
