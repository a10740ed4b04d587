#include "tools/skinview/pages/ControlsPage.h"
#include "tools/skinview/pages/TabsPage.h"

#include "framework/controls/Button.h"

#include <string>

namespace tandrel {

namespace {

TTabControl* ThreeTabs(TWinControl& parent, TComponent& owner, TTabPosition position, int left, int top)
{
    auto* tabs = Put<TTabControl>(parent, owner, left, top, 200, 110);
    tabs->SetTabPosition(position);
    tabs->Tabs().SetLines({L"One", L"Two", L"Three"});
    tabs->SetTabIndex(1);
    return tabs;
}

} // namespace

TTabsPage BuildTabsPage(TWinControl& parent, TComponent& owner)
{
    TTabsPage p;
    p.Tools = Put<TToolBar>(parent, owner, 0, 0, 640, 28);
    p.Tools->SetShowCaptions(true);
    for (const wchar_t* caption : {L"New", L"Open", L"Save"})
        p.Tools->AddButton(caption, -1);

    p.Top = ThreeTabs(parent, owner, TTabPosition::tpTop, 10, 36);
    p.Bottom = ThreeTabs(parent, owner, TTabPosition::tpBottom, 220, 36);
    p.Left = ThreeTabs(parent, owner, TTabPosition::tpLeft, 430, 36);
    p.Right = ThreeTabs(parent, owner, TTabPosition::tpRight, 10, 156);

    p.Pages = Put<TPageControl>(parent, owner, 220, 156, 200, 110);
    for (int i = 0; i < 3; ++i) {
        p.Sheets[i] = new TTabSheet(&owner);
        p.Sheets[i]->SetCaption(L"Page " + std::to_wstring(i + 1));
        p.Sheets[i]->SetPageControl(p.Pages);
    }
    Put<TButton>(*p.Sheets[0], owner, 10, 10, 100, 25)->SetCaption(L"On page 1");
    p.Pages->SetActivePage(p.Sheets[0]);

    p.Overflowing = Put<TTabControl>(parent, owner, 430, 156, 200, 110);
    for (int i = 1; i <= 10; ++i)
        p.Overflowing->Tabs().Add(L"Tab " + std::to_wstring(i));
    p.Overflowing->SetTabIndex(0);

    p.TabSet = Put<TTabSet>(parent, owner, 10, 276, 400, 21);
    p.TabSet->Tabs().SetLines({L"Sheet 1", L"Sheet 2", L"Sheet 3", L"Sheet 4"});
    p.TabSet->SetTabIndex(0);

    p.Header = Put<THeaderControl>(parent, owner, 10, 310, 400, 20);
    p.Header->AddSection(L"Name", 150);
    p.Header->AddSection(L"Size", 80).SetAlignment(TAlignment::taRightJustify);
    p.Header->AddSection(L"Kind", 100).SetAlignment(TAlignment::taCenter);

    p.Status = new TStatusBar(&owner);
    p.Status->SetParent(&parent);
    p.Status->AddPanel(L"Lowered", 120);
    p.Status->AddPanel(L"Raised", 120).SetBevel(TStatusPanelBevel::pbRaised);
    p.Status->AddPanel(L"No bevel", 120).SetBevel(TStatusPanelBevel::pbNone);
    p.Status->AddPanel(L"Last, stretched", 100);
    return p;
}

} // namespace tandrel
