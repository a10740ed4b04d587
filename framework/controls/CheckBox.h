#pragma once
// The system check box, two- or three-state; a click cycles its states the
// way the system's automatic check boxes do.

#include "framework/controls/ControlTypes.h"
#include "framework/controls/ButtonControl.h"

namespace tandrel {

enum class TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

class TCustomCheckBox : public TButtonControl {
public:
    explicit TCustomCheckBox(TComponent* owner);
    const char* ClassName() const override { return "TCustomCheckBox"; }
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();

    TCheckBoxState State() const;
    void SetState(TCheckBoxState state);
    bool Checked() const { return State() == TCheckBoxState::cbChecked; }
    void SetChecked(bool checked) { SetState(checked ? TCheckBoxState::cbChecked : TCheckBoxState::cbUnchecked); }
    // A click passes through the grayed state too.
    bool AllowGrayed() const { return m_allowGrayed; }
    void SetAllowGrayed(bool allow);
    // taLeftJustify puts the caption left of the box.
    TLeftRight Alignment() const { return m_alignment; }
    void SetAlignment(TLeftRight alignment);

protected:
    void CreateParams(TCreateParams& params) override;

private:
    bool m_allowGrayed = false;
    TLeftRight m_alignment = TLeftRight::taRightJustify;
};

class TCheckBox : public TCustomCheckBox {
public:
    explicit TCheckBox(TComponent* owner) : TCustomCheckBox(owner) {}
    const char* ClassName() const override { return "TCheckBox"; }
};

// The caption side as a button style.
DWORD CaptionSideStyle(TLeftRight alignment);
// Moves a live button's caption to the other side without re-creating it.
void ApplyCaptionSide(HWND button, TLeftRight alignment);

} // namespace tandrel
