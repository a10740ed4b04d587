#pragma once
// A line (or block) of text drawn on its parent.

#include "framework/controls/ControlTypes.h"
#include "framework/controls/GraphicControl.h"

namespace tandrel {

enum class TTextLayout { tlTop, tlCenter, tlBottom };

class TLabel : public TGraphicControl {
public:
    explicit TLabel(TComponent* owner);
    const char* ClassName() const override { return "TLabel"; }
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();

    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool autoSize);
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment);
    TTextLayout Layout() const { return m_layout; }
    void SetLayout(TTextLayout layout);
    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool wordWrap);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool transparent);
    bool ShowAccelChar() const { return m_showAccelChar; }
    void SetShowAccelChar(bool show);

protected:
    void Paint() override;
    void TextChanged() override;
    void FontChanged() override;

private:
    UINT TextFormat() const;
    void AdjustBounds();

    bool m_autoSize = true;
    TAlignment m_alignment = TAlignment::taLeftJustify;
    TTextLayout m_layout = TTextLayout::tlTop;
    bool m_wordWrap = false;
    bool m_transparent = false;
    bool m_showAccelChar = true;
};

} // namespace tandrel
