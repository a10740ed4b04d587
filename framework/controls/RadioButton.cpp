#include "framework/controls/RadioButton.h"

#include "framework/controls/CheckBox.h"
#include "framework/core/Publisher.h"

namespace tandrel {

const TClassInfo& TRadioButton::StaticClassInfo()
{
    static const TClassInfo info = [] {
        TClassInfo i("TRadioButton", &TWinControl::StaticClassInfo());
        TPublisher<TRadioButton>(i)
            .Boolean("Checked", &TRadioButton::Checked, &TRadioButton::SetChecked)
            .Enumeration("Alignment", LeftRightNames(), &TRadioButton::Alignment, &TRadioButton::SetAlignment);
        return i;
    }();
    return info;
}

TRadioButton::TRadioButton(TComponent* owner) : TButtonControl(owner)
{
    SetBounds(0, 0, 113, 17);
}

// Not an automatic radio button: the system would group by WS_GROUP and
// leave checks by program to the caller; the framework does both itself.
void TRadioButton::CreateParams(TCreateParams& p)
{
    TButtonControl::CreateParams(p);
    p.Style |= BS_RADIOBUTTON | CaptionSideStyle(m_alignment);
}

void TRadioButton::SetChecked(bool checked)
{
    SetCheckMark(checked ? BST_CHECKED : BST_UNCHECKED);
    if (!checked || !Parent())
        return;
    for (int i = 0; i < Parent()->ControlCount(); ++i)
        if (auto* sibling = dynamic_cast<TRadioButton*>(Parent()->Controls(i)); sibling && sibling != this)
            sibling->SetChecked(false);
}

void TRadioButton::SetAlignment(TLeftRight alignment)
{
    if (alignment == m_alignment)
        return;
    m_alignment = alignment;
    if (HandleAllocated())
        ApplyCaptionSide(Handle(), alignment);
}

void TRadioButton::Clicked()
{
    SetChecked(true);
    Click();
}

} // namespace tandrel
