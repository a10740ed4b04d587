#pragma once
// A tab control that shows one page (TTabSheet) per tab in its display area.

#include "framework/controls/TabControl.h"

#include <vector>

namespace tandrel {

class TPageControl;

// One page of a page control; its caption is its tab's text.
class TTabSheet : public TWinControl {
public:
    explicit TTabSheet(TComponent* owner);
    ~TTabSheet() override;
    const char* ClassName() const override { return "TTabSheet"; }

    TPageControl* PageControl() const { return m_pageControl; }
    // Puts the sheet on a page control (as its last page), or takes it off.
    void SetPageControl(TPageControl* pageControl);
    int PageIndex() const;

protected:
    void TextChanged() override;

private:
    friend class TPageControl;
    TPageControl* m_pageControl = nullptr;
};

class TPageControl : public TCustomTabControl {
public:
    explicit TPageControl(TComponent* owner) : TCustomTabControl(owner) {}
    ~TPageControl() override;
    const char* ClassName() const override { return "TPageControl"; }

    int PageCount() const { return static_cast<int>(m_pages.size()); }
    TTabSheet* Pages(int index) const { return m_pages.at(static_cast<size_t>(index)); }
    TTabSheet* ActivePage() const { return m_activePage; }
    // Selects the page's tab and shows the page alone.
    void SetActivePage(TTabSheet* page);
    // The page goes where the tabs leave room at the new density, not
    // where its old place scales to.
    void ChangeScale(int to, int from) override;

protected:
    void InitializeWindow() override;
    void WndProc(TMessage& message) override;
    void Change() override;

private:
    friend class TTabSheet;
    void InsertPage(TTabSheet& page);
    void RemovePage(TTabSheet& page);
    void PageCaptionChanged(TTabSheet& page);
    void ShowActivePage();

    std::vector<TTabSheet*> m_pages;
    TTabSheet* m_activePage = nullptr;
};

} // namespace tandrel
