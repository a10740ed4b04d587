#pragma once
// A container of our own class that the framework paints: face colour,
// outer and inner bevels, an optional sunken border and a caption.

#include "framework/controls/ControlTypes.h"
#include "framework/controls/CustomControl.h"

namespace tandrel {

enum class TPanelBevel { bvNone, bvLowered, bvRaised };

class TCustomPanel : public TCustomControl {
public:
    explicit TCustomPanel(TComponent* owner);
    const char* ClassName() const override { return "TCustomPanel"; }
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();

    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment);
    TPanelBevel BevelOuter() const { return m_bevelOuter; }
    void SetBevelOuter(TPanelBevel bevel);
    TPanelBevel BevelInner() const { return m_bevelInner; }
    void SetBevelInner(TPanelBevel bevel);
    int BevelWidth() const { return m_bevelWidth; }
    void SetBevelWidth(int width);
    TBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TBorderStyle style);

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;

private:
    void DrawBevel(RECT& rect, TPanelBevel bevel);

    TAlignment m_alignment = TAlignment::taCenter;
    TPanelBevel m_bevelOuter = TPanelBevel::bvRaised;
    TPanelBevel m_bevelInner = TPanelBevel::bvNone;
    int m_bevelWidth = 1;
    TBorderStyle m_borderStyle = TBorderStyle::bsNone;
};

class TPanel : public TCustomPanel {
public:
    explicit TPanel(TComponent* owner) : TCustomPanel(owner) {}
    const char* ClassName() const override { return "TPanel"; }
};

} // namespace tandrel
