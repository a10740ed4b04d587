#pragma once
// A windowed control of our own class that paints itself on its canvas.

#include "framework/controls/WinControl.h"

namespace tandrel {

class TCustomControl : public TWinControl {
public:
    explicit TCustomControl(TComponent* owner) : TWinControl(owner) {}
    const char* ClassName() const override { return "TCustomControl"; }

    TCanvas& Canvas() { return m_canvas; }

protected:
    virtual void Paint() {}
    void PaintWindow(HDC dc) override
    {
        m_canvas.SetHandle(dc);
        try {
            m_canvas.Font().Assign(Font());
            m_canvas.Brush().SetColor(Color());
            Paint();
        } catch (...) {
            m_canvas.SetHandle(nullptr);
            throw;
        }
        m_canvas.SetHandle(nullptr);
    }

private:
    TCanvas m_canvas;
};

} // namespace tandrel
