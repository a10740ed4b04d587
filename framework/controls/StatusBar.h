#pragma once
// The common controls' status bar: a row of panels, or one simple text,
// kept at the bottom of its parent.

#include "framework/controls/ControlTypes.h"
#include "framework/controls/WinControl.h"

#include <memory>
#include <vector>

namespace tandrel {

class TStatusBar;

enum class TStatusPanelBevel { pbNone, pbLowered, pbRaised };
enum class TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };

class TStatusPanel {
public:
    TStatusPanel(TStatusBar& owner, int index) : m_owner(owner), m_index(index) {}
    int Index() const { return m_index; }
    const std::wstring& Text() const { return m_text; }
    void SetText(const std::wstring& text);
    int Width() const { return m_width; }
    void SetWidth(int width);
    TStatusPanelBevel Bevel() const { return m_bevel; }
    void SetBevel(TStatusPanelBevel bevel);
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment);
    TBiDiMode BiDiMode() const { return m_biDiMode; }
    void SetBiDiMode(TBiDiMode mode);

private:
    friend class TStatusBar;
    TStatusBar& m_owner;
    int m_index;
    std::wstring m_text;
    int m_width = 50;
    TStatusPanelBevel m_bevel = TStatusPanelBevel::pbLowered;
    TAlignment m_alignment = TAlignment::taLeftJustify;
    TBiDiMode m_biDiMode = TBiDiMode::bdLeftToRight;
};

class TStatusBar : public TWinControl {
public:
    explicit TStatusBar(TComponent* owner);
    ~TStatusBar() override;
    const char* ClassName() const override { return "TStatusBar"; }
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();

    int PanelCount() const { return static_cast<int>(m_panels.size()); }
    TStatusPanel& Panel(int index) const { return *m_panels.at(static_cast<size_t>(index)); }
    TStatusPanel& AddPanel(const std::wstring& text, int width);
    void ClearPanels();

    // One text over the whole bar in place of the panels.
    bool SimplePanel() const { return m_simplePanel; }
    void SetSimplePanel(bool simple);
    const std::wstring& SimpleText() const { return m_simpleText; }
    void SetSimpleText(const std::wstring& text);
    bool SizeGrip() const { return m_sizeGrip; }
    void SetSizeGrip(bool sizeGrip);

    // The bar keeps to the bottom of its parent, over its whole width.
    void SetBounds(int left, int top, int width, int height) override;
    void SetParent(TWinControl* parent) override;
    // The panels' widths are laid out at the form's density as well.
    void ChangeScale(int to, int from) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWindow() override;
    void WndProc(TMessage& message) override;

private:
    friend class TStatusPanel;
    void UpdateParts();
    void UpdatePanel(const TStatusPanel& panel);

    std::vector<std::unique_ptr<TStatusPanel>> m_panels;
    bool m_simplePanel = false;
    std::wstring m_simpleText;
    bool m_sizeGrip = true;
};

} // namespace tandrel
