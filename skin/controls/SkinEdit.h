#pragma once
// Edit boxes: the control paints itself; its border is replaced by a
// two-pixel frame in skin colours.

#include "skin/controls/SkinControl.h"

namespace tandrel {

class TSkinEdit : public TSkinControl {
public:
    explicit TSkinEdit(TComponent* owner) : TSkinControl(owner) {}
    const char* ClassName() const override { return "TSkinEdit"; }

    void AfterMessage(TMessage& message) override;
    void DrawControl(HDC dc, const RECT& rect) override;
    // The frame when the control is printed into dc (WM_PRINT): the inner
    // ring in the brush the control left selected.
    void PrintFrame(HDC dc);
};

} // namespace tandrel
