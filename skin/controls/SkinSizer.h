#pragma once
// "scrollbar" child windows of windows without a framework form, such as
// the size grip of a system dialog box: a one-pixel frame in the skin's
// shadow colour in place of the control's own drawing.

#include "skin/controls/SkinControl.h"

namespace tandrel {

class TSkinSizer : public TSkinControl {
public:
    explicit TSkinSizer(TComponent* owner) : TSkinControl(owner) {}
    const char* ClassName() const override { return "TSkinSizer"; }

    bool BeforeMessage(TMessage& message) override;
    void DrawControl(HDC dc, const RECT& rect) override;
};

} // namespace tandrel
