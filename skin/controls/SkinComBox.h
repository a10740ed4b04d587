#pragma once
// Drop-down combo boxes: the control paints itself, then the skin's sunken
// edge goes round it and the skin's button with its arrow over its own.

#include "skin/controls/SkinControl.h"

namespace tandrel {

class TSkinComBox : public TSkinControl {
public:
    explicit TSkinComBox(TComponent* owner) : TSkinControl(owner) {}
    const char* ClassName() const override { return "TSkinComBox"; }

    void AfterMessage(TMessage& message) override;
    void DrawControl(HDC dc, const RECT& rect) override;

    // The window's style and extended style as of the last paint.
    LONG Style() const { return m_style; }
    LONG ExStyle() const { return m_exStyle; }

private:
    LONG m_style = 0;
    LONG m_exStyle = 0;
};

} // namespace tandrel
