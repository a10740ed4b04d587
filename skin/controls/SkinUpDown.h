#pragma once
// Spin buttons (up-down controls): the whole control is painted from the
// skin's spin-button element, or in a plain look when the skin has none.

#include "skin/controls/SkinControl.h"

namespace tandrel {

class TSkinUpDown : public TSkinControl {
public:
    explicit TSkinUpDown(TComponent* owner) : TSkinControl(owner) {}
    const char* ClassName() const override { return "TSkinUpDown"; }

    bool BeforeMessage(TMessage& message) override;
    void DrawControl(HDC dc, const RECT& rect) override;

    // Set by a skinner that made this one for a spin button inside its own
    // control: the buttons then keep a one-pixel margin of face colour.
    bool Inset = false;
    // 1 lays the buttons out left and right whatever the window style says.
    int Horizontal = 0;

private:
    void DrawButton(HDC dc, const RECT& button, int index, int state, bool horizontal);
    void DrawPlainButton(HDC dc, const RECT& button, int index, int state, bool horizontal);
};

// A spin-button skinner for a spin button inside parent's control (an
// edit's, or a tab control's arrows): owned by the form's skinner list
// beside its members, with the flags set before it first paints. None when
// parent has no form, or the form skinned that window already.
TSkinUpDown* AdoptSpinSkinner(TSkinControl& parent, HWND spin, bool inset, int horizontal);

} // namespace tandrel
