#pragma once
// The system radio button. Checking one, by click or by program, unchecks the
// radio buttons beside it on the same parent, as the system does for one
// group of automatic radio buttons.

#include "framework/controls/ControlTypes.h"
#include "framework/controls/ButtonControl.h"

namespace tandrel {

class TRadioButton : public TButtonControl {
public:
    explicit TRadioButton(TComponent* owner);
    const char* ClassName() const override { return "TRadioButton"; }
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();

    bool Checked() const { return CheckMark() == BST_CHECKED; }
    void SetChecked(bool checked);
    TLeftRight Alignment() const { return m_alignment; }
    void SetAlignment(TLeftRight alignment);

protected:
    void CreateParams(TCreateParams& params) override;
    void Clicked() override;

private:
    TLeftRight m_alignment = TLeftRight::taRightJustify;
};

} // namespace tandrel
