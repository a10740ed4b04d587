#include "framework/controls/CheckBox.h"

#include "framework/core/Publisher.h"

namespace tandrel {

namespace {
const TEnumInfo kCheckBoxStates {{"cbUnchecked", "cbChecked", "cbGrayed"}};
}

DWORD CaptionSideStyle(TLeftRight alignment)
{
    return alignment == TLeftRight::taLeftJustify ? BS_LEFTTEXT : 0;
}

void ApplyCaptionSide(HWND button, TLeftRight alignment)
{
    const LONG_PTR style = GetWindowLongPtrW(button, GWL_STYLE);
    SetWindowLongPtrW(button, GWL_STYLE, (style & ~LONG_PTR(BS_LEFTTEXT)) | CaptionSideStyle(alignment));
    InvalidateRect(button, nullptr, TRUE);
}

const TClassInfo& TCustomCheckBox::StaticClassInfo()
{
    static const TClassInfo info = [] {
        TClassInfo i("TCustomCheckBox", &TWinControl::StaticClassInfo());
        TPublisher<TCustomCheckBox>(i)
            .Boolean("AllowGrayed", &TCustomCheckBox::AllowGrayed, &TCustomCheckBox::SetAllowGrayed)
            .Enumeration("State", kCheckBoxStates, &TCustomCheckBox::State, &TCustomCheckBox::SetState)
            .Boolean("Checked", &TCustomCheckBox::Checked, &TCustomCheckBox::SetChecked)
            .Enumeration("Alignment", LeftRightNames(), &TCustomCheckBox::Alignment, &TCustomCheckBox::SetAlignment);
        return i;
    }();
    return info;
}

TCustomCheckBox::TCustomCheckBox(TComponent* owner) : TButtonControl(owner)
{
    SetBounds(0, 0, 97, 17);
}

void TCustomCheckBox::CreateParams(TCreateParams& p)
{
    TButtonControl::CreateParams(p);
    p.Style |= (m_allowGrayed ? BS_AUTO3STATE : BS_AUTOCHECKBOX) | CaptionSideStyle(m_alignment);
}

TCheckBoxState TCustomCheckBox::State() const
{
    const int mark = CheckMark();
    return mark & BST_INDETERMINATE ? TCheckBoxState::cbGrayed
           : mark & BST_CHECKED     ? TCheckBoxState::cbChecked
                                    : TCheckBoxState::cbUnchecked;
}

void TCustomCheckBox::SetState(TCheckBoxState state)
{
    if (state == TCheckBoxState::cbGrayed && !m_allowGrayed)
        state = TCheckBoxState::cbUnchecked;
    SetCheckMark(state == TCheckBoxState::cbGrayed   ? BST_INDETERMINATE
                 : state == TCheckBoxState::cbChecked ? BST_CHECKED
                                                      : BST_UNCHECKED);
}

void TCustomCheckBox::SetAllowGrayed(bool allow)
{
    if (allow == m_allowGrayed)
        return;
    if (!allow && State() == TCheckBoxState::cbGrayed)
        SetState(TCheckBoxState::cbUnchecked);
    m_allowGrayed = allow;
    if (HandleAllocated())
        SendMessageW(Handle(), BM_SETSTYLE, allow ? BS_AUTO3STATE : BS_AUTOCHECKBOX, TRUE);
}

void TCustomCheckBox::SetAlignment(TLeftRight alignment)
{
    if (alignment == m_alignment)
        return;
    m_alignment = alignment;
    if (HandleAllocated())
        ApplyCaptionSide(Handle(), alignment);
}

} // namespace tandrel
