#pragma once
// Drop-down combo boxes: the control paints itself, then the skin's sunken
// edge goes round it and the skin's button with its arrow over its own.

#include "skin/controls/SkinControl.h"
#include "skin/draw/SkinDraw.h"

#include <memory>

namespace tandrel {

class TSkinComBox : public TSkinControl {
public:
    explicit TSkinComBox(TComponent* owner) : TSkinControl(owner) {}
    const char* ClassName() const override { return "TSkinComBox"; }

    void AfterMessage(TMessage& message) override;
    void DrawControl(HDC dc, const RECT& rect) override;
    void Refresh() override;

    // The window's style and extended style as of the last paint.
    LONG Style() const { return m_style; }
    LONG ExStyle() const { return m_exStyle; }

private:
    bool ButtonAtTheLeft(int width) const;

    LONG m_style = 0;
    LONG m_exStyle = 0;
    // The sunken edge composed for the last size and state: most paints
    // only copy it.
    std::unique_ptr<TComposedPicture> m_edge;
};

} // namespace tandrel
