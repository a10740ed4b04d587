#pragma once
// The common controls' tab control: a row of tabs over a display area.
// TTabControl shows one set of tabs over one area; TPageControl
// (PageControl.h) shows a page per tab.

#include "framework/controls/ImageListLink.h"
#include "framework/controls/ChangingControl.h"
#include "framework/core/Strings.h"

namespace tandrel {

class TImageList;

enum class TTabPosition { tpTop, tpBottom, tpLeft, tpRight };

class TCustomTabControl : public TChangingControl {
public:
    explicit TCustomTabControl(TComponent* owner);
    ~TCustomTabControl() override;
    const char* ClassName() const override { return "TCustomTabControl"; }
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();

    // The selected tab, or -1.
    int TabIndex() const;
    void SetTabIndex(int index);
    TTabPosition TabPosition() const { return m_tabPosition; }
    void SetTabPosition(TTabPosition position);
    // Rows of tabs instead of one row with scroll arrows when they overflow.
    bool MultiLine() const { return m_multiLine; }
    void SetMultiLine(bool multiLine);
    TImageList* Images() const { return m_images.Get(); }
    void SetImages(TImageList* images);
    // Which image each tab shows (-1 for none); tabs without an entry show none.
    void SetTabImage(int tab, int imageIndex);

    // The client area the tabs leave free.
    RECT DisplayRect() const;
    // The narrowest tab grows with the form's density; the system keeps it
    // at the screen's.
    void ChangeScale(int to, int from) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWindow() override;
    void SaveWindowState() override;
    LRESULT ReflectedNotify(NMHDR& header) override;
    void Notification(TComponent* component, TOperation operation) override;

    // The tab texts shown; each change rebuilds the tabs.
    TStrings& TabTexts() { return m_tabs; }
    void PutTabs();
    // The selection moved by the user's hand.

private:

    TStringList m_tabs;
    std::vector<int> m_imageIndexes;
    TImageListLink m_images;
    TTabPosition m_tabPosition = TTabPosition::tpTop;
    bool m_multiLine = false;
    int m_savedIndex = -1;
    int m_minTabWidth = 0; // 0: the system's own
};

class TTabControl : public TCustomTabControl {
public:
    explicit TTabControl(TComponent* owner) : TCustomTabControl(owner) {}
    const char* ClassName() const override { return "TTabControl"; }
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();

    TStrings& Tabs() { return TabTexts(); }
    TStrings* TabsObject() { return &TabTexts(); }
};

} // namespace tandrel
