#pragma once
// A row of tabs hanging down from the control's top edge, drawn by the
// control itself, the way the tabs under a notebook look. When the tabs
// overflow, a pair of arrows (its first owned component) scrolls them.

#include "framework/controls/CustomControl.h"
#include "framework/core/Strings.h"

namespace tandrel {

class TTabSet;

// The tab set's arrows: a horizontal up-down that moves the first tab shown.
class TTabSetScroller : public TWinControl {
public:
    explicit TTabSetScroller(TTabSet& tabSet);
    const char* ClassName() const override { return "TTabSetScroller"; }
    // The first tab shown may be any of count tabs.
    void SetRange(int count, int position);

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWindow() override;
    void WndProc(TMessage& message) override;

private:
    TTabSet& m_tabSet;
    int m_count = 0;
    int m_position = 0;
};

class TTabSet : public TCustomControl {
public:
    static constexpr int kScrollerWidth = 32;

    explicit TTabSet(TComponent* owner);
    ~TTabSet() override;
    const char* ClassName() const override { return "TTabSet"; }
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();

    TStrings& Tabs() { return m_tabs; }
    TStrings* TabsObject() { return &m_tabs; }
    // The selected tab, or -1.
    int TabIndex() const { return m_tabIndex; }
    void SetTabIndex(int index);
    // Room left free before the first tab and after the last.
    int StartMargin() const { return m_startMargin; }
    void SetStartMargin(int margin);
    int EndMargin() const { return m_endMargin; }
    void SetEndMargin(int margin);
    // The first tab shown.
    int FirstIndex() const { return m_firstIndex; }
    void SetFirstIndex(int index);

    TTabSetScroller& Scroller() const { return *m_scroller; }
    // The width a tab takes: its text and room for its slanted sides.
    int TabWidth(int index);
    // Where the tabs shown lie (client coordinates); hidden tabs are empty.
    RECT TabRect(int index);
    // The tab under a client point, or -1.
    int TabAt(POINT p);
    // Whether all tabs fit from the first without the arrows.
    bool Overflows();

    TNotifyEvent OnChange; // the user selected another tab

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void FontChanged() override;
    void WndProc(TMessage& message) override;

private:
    void Changed();
    void UpdateScroller();
    int TabLimit();

    TTabSetScroller* m_scroller = nullptr; // owned as a component
    TStringList m_tabs;
    int m_tabIndex = -1;
    int m_startMargin = 5;
    int m_endMargin = 5;
    int m_firstIndex = 0;
};

} // namespace tandrel
