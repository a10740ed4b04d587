#pragma once
// A container whose window scroll bars follow its children: the range of
// each bar is the children's extent, and scrolling moves the children.

#include "framework/controls/ControlTypes.h"
#include "framework/controls/ScrollBar.h"

namespace tandrel {

class TScrollingWinControl;

// One of the two window scroll bars of a scrolling container.
class TControlScrollBar : public TPersistent {
public:
    TControlScrollBar(TScrollingWinControl& control, TScrollBarKind kind) : m_control(control), m_kind(kind) {}
    const char* ClassName() const override { return "TControlScrollBar"; }
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();

    TScrollBarKind Kind() const { return m_kind; }
    // The children's extent along the bar, measured from the unscrolled origin.
    int Range() const { return m_range; }
    int Position() const { return m_position; }
    void SetPosition(int position);
    // Scrolling by one line moves this many pixels.
    int Increment() const { return m_increment; }
    void SetIncrement(int increment) { m_increment = increment > 0 ? increment : 1; }
    // Whether the bar may appear at all.
    bool Visible() const { return m_visible; }
    void SetVisible(bool visible);
    // Whether the bar shows now: the range exceeds the client extent.
    bool IsScrollBarVisible() const;

private:
    friend class TScrollingWinControl;
    int Bar() const { return m_kind == TScrollBarKind::sbHorizontal ? SB_HORZ : SB_VERT; }
    int ClientExtent() const;
    int MaxPosition() const;
    void ShowSpan(int first, int last);
    void Apply();
    void OnScroll(WPARAM request);

    TScrollingWinControl& m_control;
    TScrollBarKind m_kind;
    int m_range = 0;
    int m_position = 0;
    int m_increment = 8;
    bool m_visible = true;
};

class TScrollingWinControl : public TWinControl {
public:
    explicit TScrollingWinControl(TComponent* owner);
    const char* ClassName() const override { return "TScrollingWinControl"; }
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();

    TControlScrollBar& HorzScrollBar() { return m_horz; }
    TControlScrollBar& VertScrollBar() { return m_vert; }
    TControlScrollBar* HorzScrollBarObject() { return &m_horz; }
    TControlScrollBar* VertScrollBarObject() { return &m_vert; }

    // Scrolls as little as it takes to show the control, a child at any depth,
    // whole (or its top-left part when it is larger than the client area).
    void ScrollInView(const TWinControl& control);

protected:
    void InitializeWindow() override;
    void WndProc(TMessage& message) override;
    void ControlsChanged() override;

private:
    friend class TControlScrollBar;
    void UpdateScrollBars();
    void ScrollContent(int dx, int dy);
    void OnMouseWheel(TMessage& m);

    TControlScrollBar m_horz {*this, TScrollBarKind::sbHorizontal};
    TControlScrollBar m_vert {*this, TScrollBarKind::sbVertical};
    bool m_updating = false;
};

class TScrollBox : public TScrollingWinControl {
public:
    explicit TScrollBox(TComponent* owner);
    const char* ClassName() const override { return "TScrollBox"; }
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();

    TBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TBorderStyle style);

protected:
    void CreateParams(TCreateParams& params) override;

private:
    TBorderStyle m_borderStyle = TBorderStyle::bsSingle;
};

} // namespace tandrel
