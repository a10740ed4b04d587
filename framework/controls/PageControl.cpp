#include "framework/controls/PageControl.h"

#include <algorithm>

namespace tandrel {

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner)
{
    m_controlStyle = csAcceptsControls | csSetCaption;
    SetVisible(false);
}

TTabSheet::~TTabSheet()
{
    if (m_pageControl)
        m_pageControl->RemovePage(*this);
}

void TTabSheet::SetPageControl(TPageControl* pageControl)
{
    if (pageControl == m_pageControl)
        return;
    if (m_pageControl)
        m_pageControl->RemovePage(*this);
    SetParent(pageControl);
    if (pageControl)
        pageControl->InsertPage(*this);
}

int TTabSheet::PageIndex() const
{
    if (!m_pageControl)
        return -1;
    const auto& pages = m_pageControl->m_pages;
    return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::TextChanged()
{
    TWinControl::TextChanged();
    if (m_pageControl)
        m_pageControl->PageCaptionChanged(*this);
}

// The pages outlive it only as controls without a page control.
TPageControl::~TPageControl()
{
    for (TTabSheet* page : m_pages)
        page->m_pageControl = nullptr;
}

void TPageControl::InsertPage(TTabSheet& page)
{
    m_pages.push_back(&page);
    page.m_pageControl = this;
    TabTexts().Add(page.GetText());
    if (!m_activePage)
        SetActivePage(&page);
    else
        ShowActivePage();
}

void TPageControl::RemovePage(TTabSheet& page)
{
    auto const at = std::find(m_pages.begin(), m_pages.end(), &page);
    if (at == m_pages.end())
        return;
    int const index = static_cast<int>(at - m_pages.begin());
    m_pages.erase(at);
    page.m_pageControl = nullptr;
    if (IsDestroying())
        return;
    TabTexts().Delete(index);
    if (m_activePage == &page) {
        m_activePage = nullptr;
        SetActivePage(m_pages.empty() ? nullptr : m_pages[static_cast<size_t>(std::min(index, PageCount() - 1))]);
    } else {
        ShowActivePage();
    }
}

void TPageControl::PageCaptionChanged(TTabSheet& page)
{
    int const index = page.PageIndex();
    if (index >= 0 && index < TabTexts().Count())
        TabTexts().SetStrings(index, page.GetText());
    ShowActivePage();
}

void TPageControl::SetActivePage(TTabSheet* page)
{
    if (page && page->m_pageControl != this)
        return;
    m_activePage = page;
    SetTabIndex(page ? page->PageIndex() : -1);
    ShowActivePage();
}

void TPageControl::ShowActivePage()
{
    if (m_activePage && m_activePage->PageIndex() != TabIndex())
        SetTabIndex(m_activePage->PageIndex());
    RECT const area = DisplayRect();
    for (TTabSheet* page : m_pages) {
        if (page == m_activePage)
            page->SetBounds(area.left, area.top, area.right - area.left, area.bottom - area.top);
        page->SetVisible(page == m_activePage);
    }
}

void TPageControl::ChangeScale(int to, int from)
{
    TCustomTabControl::ChangeScale(to, from);
    if (HandleAllocated())
        ShowActivePage();
}

void TPageControl::InitializeWindow()
{
    TCustomTabControl::InitializeWindow();
    ShowActivePage();
}

void TPageControl::Change()
{
    int const index = TabIndex();
    m_activePage = index >= 0 && index < PageCount() ? m_pages[static_cast<size_t>(index)] : nullptr;
    ShowActivePage();
    TCustomTabControl::Change();
}

void TPageControl::WndProc(TMessage& m)
{
    TCustomTabControl::WndProc(m);
    // A new font changes the height of the tabs, and so the page's room.
    if (m.Msg == WM_SIZE || m.Msg == WM_SETFONT)
        ShowActivePage();
}

} // namespace tandrel
