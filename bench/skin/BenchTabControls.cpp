// Skinned tab and bar controls on a real window, each against the same
// control on a window that keeps its own look: the paint (WM_PAINT) of tab
// controls with tabs on top and at the left, a page control, a tab control
// whose tabs overflow, a tab set and a status bar of four panels; medians,
// with the ratios and what the skin adds to the tabs it draws over.

#include "bench/support/AppBench.h"
#include "bench/support/ControlBench.h"
#include "framework/controls/PageControl.h"
#include "framework/controls/StatusBar.h"
#include "framework/controls/TabSet.h"

#include <string>
#include <vector>

using namespace tandrel;
using namespace tandrel::bench;

namespace {

TTabControl* Tabs(TCustomForm& form, TTabPosition position, int left, int top, int count)
{
    auto* tabs = Put<TTabControl>(form, left, top, 240, 130);
    tabs->SetTabPosition(position);
    for (int i = 1; i <= count; ++i)
        tabs->Tabs().Add(L"Tab " + std::to_wstring(i));
    tabs->SetTabIndex(1);
    return tabs;
}

std::vector<TPaintCase> Build(TBenchWindow& form)
{
    auto* top = Tabs(form, TTabPosition::tpTop, 10, 10, 4);
    auto* left = Tabs(form, TTabPosition::tpLeft, 260, 10, 4);
    auto* pages = Put<TPageControl>(form, 10, 150, 240, 130);
    for (int i = 1; i <= 4; ++i) {
        auto* sheet = new TTabSheet(&form);
        sheet->SetCaption(L"Page " + std::to_wstring(i));
        sheet->SetPageControl(pages);
    }
    auto* overflowing = Tabs(form, TTabPosition::tpTop, 260, 150, 14);
    auto* tabSet = Put<TTabSet>(form, 10, 290, 400, 21);
    tabSet->Tabs().SetLines({L"Sheet 1", L"Sheet 2", L"Sheet 3", L"Sheet 4"});
    tabSet->SetTabIndex(0);
    auto* status = new TStatusBar(&form);
    status->SetParent(&form);
    status->AddPanel(L"Lowered", 120);
    status->AddPanel(L"Raised", 120).SetBevel(TStatusPanelBevel::pbRaised);
    status->AddPanel(L"No bevel", 120).SetBevel(TStatusPanelBevel::pbNone);
    status->AddPanel(L"Last", 100);
    auto const drawnOver = TPairKind::DrawnOver;
    return {
        {"tab control 240x130, tabs on top, paint", drawnOver, RepaintOf(top->Handle())},
        {"tab control 240x130, tabs at the left, paint", drawnOver, RepaintOf(left->Handle())},
        {"page control 240x130 paint", drawnOver, RepaintOf(pages->Handle())},
        {"tab control 240x130, 14 tabs overflowing", drawnOver, RepaintOf(overflowing->Handle())},
        {"tab set 400x21 paint", TPairKind::Replaced, RepaintOf(tabSet->Handle())},
        {"status bar of four panels paint", TPairKind::Replaced, RepaintOf(status->Handle())},
    };
}

int Run() { return CompareSkinnedAndOwn(L"Skinned tabs and bars", 540, 420, Build); }

} // namespace

int main() { return tandrel::bench::RunWithApplication(Run); }
