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

    void Attach(TWinControl* control, TSkinData* skinData, TCanvas* canvas, bool setColour) override;
    void AttachHandle(HWND handle, TSkinData* skinData, TCanvas* canvas) override;
    void Detach() override;
    bool BeforeMessage(TMessage& message) override;
    void AfterMessage(TMessage& message) override;
    void DrawControl(HDC dc, const RECT& rect) override;
    void Refresh() override;
    // The frame when the control is printed into dc (WM_PRINT): the inner
    // ring in the brush the control left selected.
    void PrintFrame(HDC dc);

    // The skinner of the spin button found inside the edit; none until one
    // is found. The form skinning object owns it.
    TSkinUpDown* SpinSkinner() const { return m_spin; }

private:
    // Away from the screen's density the border changes with the skinner:
    // the frame is measured again at once.
    void RemeasureFrame(HWND window) const;
    void FindSpinButton();
    // The spin button keeps its place by the client's right edge and grows
    // with the density, from the one the edit had when it was found.
    void FitSpin();
    // The system's border is at the screen's density; away from it the
    // border grows to the window's, and the frame fills it.
    void GrowBorder(const RECT& window, RECT& client) const;
    void DrawScaledFrame(HDC dc, const RECT& rect, int border);

    TSkinUpDown* m_spin = nullptr;
    bool m_frameFresh = false; // painted since the last non-client paint
    struct TSpinPlace {
        int Dpi = 0; // 0: not measured yet
        int RightGap = 0;
        int Top = 0;
        SIZE Size {};
        bool FillsHeight = false;
        bool Moved = false;
    };
    TSpinPlace m_spinPlace;
};

} // namespace tandrel
