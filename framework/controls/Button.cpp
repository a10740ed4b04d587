#include "framework/controls/Button.h"

#include "framework/core/Publisher.h"

namespace tandrel {

const TClassInfo& TButton::StaticClassInfo()
{
    static const TClassInfo info = [] {
        TClassInfo i("TButton", &TWinControl::StaticClassInfo());
        TPublisher<TButton>(i)
            .Boolean("Default", &TButton::Default, &TButton::SetDefault)
            .Boolean("Cancel", &TButton::Cancel, &TButton::SetCancel)
            .Integer("ModalResult", &TButton::ModalResult, &TButton::SetModalResult);
        return i;
    }();
    return info;
}

TButton::TButton(TComponent* owner) : TWinControl(owner)
{
    // The system control produces the click; the framework must not add one.
    m_controlStyle = csSetCaption | csDoubleClicks;
    SetTabStop(true);
    SetBounds(0, 0, 75, 25);
}

void TButton::CreateParams(TCreateParams& p)
{
    TWinControl::CreateParams(p);
    p.BaseClassName = L"BUTTON";
    p.Style |= (m_default ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | BS_MULTILINE;
}

void TButton::SetDefault(bool value)
{
    if (value == m_default)
        return;
    m_default = value;
    if (HandleAllocated())
        SendMessageW(Handle(), BM_SETSTYLE, value ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void TButton::Click()
{
    if (m_modalResult != mrNone)
        if (TModalHost* form = ParentModalHost(this))
            form->SetModalResult(m_modalResult);
    TWinControl::Click();
}

void TButton::WndProc(TMessage& m)
{
    if (m.Msg == CN_COMMAND && HIWORD(m.WParam) == BN_CLICKED) {
        Click();
        return;
    }
    TWinControl::WndProc(m);
}

} // namespace tandrel
