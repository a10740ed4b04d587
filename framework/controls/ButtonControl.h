#pragma once
// Base of the controls built on the system "BUTTON" class: the system makes
// the click, which the parent reflects back as CN_COMMAND.

#include "framework/controls/WinControl.h"

namespace tandrel {

class TButtonControl : public TWinControl {
public:
    explicit TButtonControl(TComponent* owner);
    const char* ClassName() const override { return "TButtonControl"; }

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWindow() override;
    void SaveWindowState() override;
    void ReflectedCommand(WORD code, WORD id) override;
    // The system reported a click (mouse or space key).
    virtual void Clicked() { Click(); }

    // The check mark (BST_UNCHECKED, BST_CHECKED, BST_INDETERMINATE), kept
    // while there is no window. A change made here by program is announced
    // with CM_CHECKSTATECHANGED.
    int CheckMark() const;
    void SetCheckMark(int mark);

private:
    int m_checkMark = BST_UNCHECKED;
};

} // namespace tandrel
