#pragma once
// A windowless push button with a glyph and a caption; it can stay down.

#include "framework/graphics/Bitmap.h"
#include "framework/controls/GlyphButton.h"
#include "framework/controls/GraphicControl.h"

namespace tandrel {

class TSpeedButton : public TGraphicControl, public TGlyphButton {
public:
    explicit TSpeedButton(TComponent* owner);
    const char* ClassName() const override { return "TSpeedButton"; }
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();

    bool Down() const { return m_down; }
    void SetDown(bool down);
    bool Flat() const { return m_flat; }
    void SetFlat(bool flat);
    int GroupIndex() const { return m_groupIndex; }
    void SetGroupIndex(int index) { m_groupIndex = index; }
    bool AllowAllUp() const { return m_allowAllUp; }
    void SetAllowAllUp(bool allow) { m_allowAllUp = allow; }

    TButtonState State() const { return m_state; }
    bool MouseInControl() const { return m_mouseInControl; }
    void Click() override;

protected:
    void Paint() override;
    void GlyphChanged() override { Invalidate(); }
    void WndProc(TMessage& message) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    void OnButtonPressed(TMessage& m);
    void UpdateExclusive();

    bool m_down = false;
    bool m_flat = false;
    int m_groupIndex = 0;
    bool m_allowAllUp = false;
    TButtonState m_state = TButtonState::bsUp;
    bool m_dragging = false;
    bool m_mouseInControl = false;
};

} // namespace tandrel
