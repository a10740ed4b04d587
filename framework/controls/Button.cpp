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

TButton::TButton(TComponent* owner) : TButtonControl(owner)
{
    SetBounds(0, 0, 75, 25);
}

void TButton::CreateParams(TCreateParams& p)
{
    TButtonControl::CreateParams(p);
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
    TButtonControl::Click();
}

} // namespace tandrel
