#include "framework/controls/UpDown.h"

#include "framework/core/Publisher.h"

#include <commctrl.h>

#include <algorithm>

namespace tandrel {

namespace {
const TEnumInfo kOrientations {{"udVertical", "udHorizontal"}};
}

const TClassInfo& TCustomUpDown::StaticClassInfo()
{
    static const TClassInfo info = [] {
        TClassInfo i("TCustomUpDown", &TWinControl::StaticClassInfo());
        TPublisher<TCustomUpDown>(i)
            .Integer("Min", &TCustomUpDown::Min, &TCustomUpDown::SetMin)
            .Integer("Max", &TCustomUpDown::Max, &TCustomUpDown::SetMax)
            .Integer("Position", &TCustomUpDown::Position, &TCustomUpDown::SetPosition)
            .Integer("Increment", &TCustomUpDown::Increment, &TCustomUpDown::SetIncrement)
            .Boolean("Wrap", &TCustomUpDown::Wrap, &TCustomUpDown::SetWrap)
            .Enumeration("Orientation", kOrientations, &TCustomUpDown::Orientation, &TCustomUpDown::SetOrientation)
            .Event("OnClick", &TCustomUpDown::OnClick);
        return i;
    }();
    return info;
}

TCustomUpDown::TCustomUpDown(TComponent* owner) : TRangeControl(owner, 100)
{
    m_controlStyle = csCaptureMouse | csDoubleClicks;
    SetBounds(0, 0, 17, 25);
}

TCustomUpDown::~TCustomUpDown()
{
    if (m_associate)
        m_associate->RemoveFreeNotification(this);
}

void TCustomUpDown::CreateParams(TCreateParams& p)
{
    TWinControl::CreateParams(p);
    p.BaseClassName = UPDOWN_CLASSW;
    p.Caption.clear();
    p.Style |= UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS;
    if (m_associate)
        p.Style |= UDS_ALIGNRIGHT;
    if (m_wrap)
        p.Style |= UDS_WRAP;
    if (m_orientation == TUDOrientation::udHorizontal)
        p.Style |= UDS_HORZ;
}

void TCustomUpDown::InitializeWindow()
{
    TRangeControl::InitializeWindow();
    UDACCEL accel {0, static_cast<UINT>(std::max(1, m_increment))};
    SendMessageW(Handle(), UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&accel));
    SendBuddy();
}

void TCustomUpDown::PutRange() { SendMessageW(Handle(), UDM_SETRANGE32, static_cast<WPARAM>(m_min), m_max); }

void TCustomUpDown::PutPosition(int value) { SendMessageW(Handle(), UDM_SETPOS32, 0, value); }

bool TCustomUpDown::ReadPosition(int& value) const
{
    BOOL failed = FALSE;
    value = static_cast<int>(SendMessageW(Handle(), UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&failed)));
    return !failed;
}

void TCustomUpDown::SendBuddy()
{
    if (!HandleAllocated())
        return;
    // Once there is a buddy the position is read from its text: take it first.
    int const position = Position();
    HWND const buddy = m_associate ? m_associate->Handle() : nullptr;
    SendMessageW(Handle(), UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy), 0);
    // The buddy shows the position from the start, not only after a click.
    if (buddy)
        SendMessageW(Handle(), UDM_SETPOS32, 0, position);
}

void TCustomUpDown::SetPosition(int value)
{
    TRangeControl::SetPosition(std::clamp(value, std::min(m_min, m_max), std::max(m_min, m_max)));
}

void TCustomUpDown::SetIncrement(int value)
{
    m_increment = value;
    if (!HandleAllocated())
        return;
    UDACCEL accel {0, static_cast<UINT>(std::max(1, value))};
    SendMessageW(Handle(), UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&accel));
}

void TCustomUpDown::SetWrap(bool wrap) { SetWindowProperty(m_wrap, wrap); }

void TCustomUpDown::SetOrientation(TUDOrientation orientation) { SetWindowProperty(m_orientation, orientation); }

void TCustomUpDown::SetAssociate(TWinControl* buddy)
{
    if (buddy == m_associate)
        return;
    if (m_associate)
        m_associate->RemoveFreeNotification(this);
    m_associate = buddy;
    if (buddy)
        buddy->FreeNotification(this);
    // The alignment beside the buddy is a window style.
    if (HandleAllocated())
        RecreateWnd();
}

void TCustomUpDown::Notification(TComponent* component, TOperation operation)
{
    TWinControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == m_associate) {
        m_associate = nullptr;
        if (HandleAllocated())
            SendMessageW(Handle(), UDM_SETBUDDY, 0, 0);
    }
}

void TCustomUpDown::Click(TUDBtnType button)
{
    if (OnClick)
        OnClick(this, button);
}

// The control tells its parent of each step with a scroll message; the
// parent passes it back here.
void TCustomUpDown::OnReflectedScroll(TMessage& m)
{
    if (LOWORD(m.WParam) != SB_THUMBPOSITION)
        return;
    m_position = Position();
    // The step's sign, not the positions: a wrap goes the other way round.
    Click(m_lastDelta >= 0 ? TUDBtnType::btNext : TUDBtnType::btPrev);
}

LRESULT TCustomUpDown::ReflectedNotify(NMHDR& header)
{
    if (header.code == UDN_DELTAPOS)
        m_lastDelta = reinterpret_cast<const NMUPDOWN&>(header).iDelta;
    return 0;
}

void TCustomUpDown::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case CN_HSCROLL:
    case CN_VSCROLL:
        OnReflectedScroll(m);
        m.Result = 0;
        return;
    default: TWinControl::WndProc(m);
    }
}

} // namespace tandrel
