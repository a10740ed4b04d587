#pragma once
// A control without a window: its parent paints it and feeds it the mouse.

#include "framework/controls/Control.h"

namespace tandrel {

class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* owner) : TControl(owner) {}
    const char* ClassName() const override { return "TGraphicControl"; }

    TCanvas& Canvas() { return m_canvas; }

protected:
    // Draws the control at (0, 0) on Canvas, which holds the parent's DC.
    virtual void Paint() {}
    void WndProc(TMessage& message) override;

private:
    TCanvas m_canvas;
};

} // namespace tandrel
