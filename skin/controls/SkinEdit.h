#pragma once
// Edit boxes: the control paints itself; its border is replaced by a
// two-pixel frame in skin colours, and a spin button inside the edit is
// skinned as well.

#include "skin/controls/SkinControl.h"
#include "skin/controls/SkinUpDown.h"

namespace tandrel {

class TSkinEdit : public TSkinControl {
public:
    explicit TSkinEdit(TComponent* owner) : TSkinControl(owner) {}
    const char* ClassName() const override { return "TSkinEdit"; }

    bool BeforeMessage(TMessage& message) override;
    void AfterMessage(TMessage& message) override;
    void DrawControl(HDC dc, const RECT& rect) override;
    // The frame when the control is printed into dc (WM_PRINT): the inner
    // ring in the brush the control left selected.
    void PrintFrame(HDC dc);

    // The skinner of the spin button found inside the edit; none until one
    // is found. The form skinning object owns it.
    TSkinUpDown* SpinSkinner() const { return m_spin; }

private:
    void FindSpinButton();
    // The system's border is at the screen's density; away from it the
    // border grows to the window's, and the frame fills it.
    void GrowBorder(const RECT& window, RECT& client) const;
    void DrawScaledFrame(HDC dc, const RECT& rect, int border);

    TSkinUpDown* m_spin = nullptr;
};

} // namespace tandrel
