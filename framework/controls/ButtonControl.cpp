#include "framework/controls/ButtonControl.h"

namespace tandrel {

TButtonControl::TButtonControl(TComponent* owner) : TWinControl(owner)
{
    // The system control produces the click; the framework must not add one.
    m_controlStyle = csSetCaption | csDoubleClicks;
    SetTabStop(true);
}

void TButtonControl::CreateParams(TCreateParams& p)
{
    TWinControl::CreateParams(p);
    p.BaseClassName = L"BUTTON";
}

void TButtonControl::InitializeWindow()
{
    TWinControl::InitializeWindow();
    if (m_checkMark != BST_UNCHECKED)
        SendMessageW(m_handle, BM_SETCHECK, static_cast<WPARAM>(m_checkMark), 0);
}

// A window re-created (new parent, new style) starts with the mark it had.
void TButtonControl::SaveWindowState()
{
    TWinControl::SaveWindowState();
    m_checkMark = CheckMark();
}

int TButtonControl::CheckMark() const
{
    if (!HandleAllocated())
        return m_checkMark;
    return static_cast<int>(SendMessageW(Handle(), BM_GETCHECK, 0, 0)) & (BST_CHECKED | BST_INDETERMINATE);
}

void TButtonControl::SetCheckMark(int mark)
{
    if (mark == CheckMark())
        return;
    m_checkMark = mark;
    if (!HandleAllocated()) {
        Perform(CM_CHECKSTATECHANGED);
        return;
    }
    SendMessageW(Handle(), BM_SETCHECK, static_cast<WPARAM>(mark), 0);
    SendMessageW(Handle(), CM_CHECKSTATECHANGED, 0, 0);
}

void TButtonControl::ReflectedCommand(WORD code, WORD)
{
    if (code == BN_CLICKED)
        Clicked();
}

} // namespace tandrel
