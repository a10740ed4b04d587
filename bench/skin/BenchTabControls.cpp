// Skinned tab and bar controls on a real window, each against the same
// control unskinned: the paint (WM_PAINT) of tab controls with tabs on top
// and at the left, a page control, a tab control whose tabs overflow, a
// tab set and a status bar of four panels; medians, with the ratios.

#include "app/Tandrel.h"
#include "app/Unit1.h"
#include "bench/support/AppBench.h"
#include "bench/support/Bench.h"
#include "framework/controls/PageControl.h"
#include "framework/controls/StatusBar.h"
#include "framework/controls/TabSet.h"
#include "framework/forms/Application.h"
#include "framework/forms/Forms.h"
#include "skin/engine/SkinManage.h"
#include "skin/forms/WinSkinForm.h"
#include "tests/support/MessagePump.h"

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

using namespace tandrel;
using tandrel::bench::MedianMicroseconds;
using tandrel::bench::Report;

namespace {

class TTabsWindow : public TForm {
public:
    const char* ClassName() const override { return "TTabsWindow"; }

protected:
    friend class TCustomForm;
    explicit TTabsWindow(TComponent* owner) : TForm(owner) {}
};

bool Skinned(const TCustomForm& form)
{
    TWinSkinForm* skin = SkinManager ? SkinManager->FindSkinnedWindow(form.Handle()) : nullptr;
    return skin && skin->SkinState() == ssSkinned;
}

template <class T>
T* Put(TCustomForm& form, int left, int top, int width, int height)
{
    auto* control = new T(&form);
    control->SetParent(&form);
    control->SetBounds(left, top, width, height);
    return control;
}

TTabControl* Tabs(TCustomForm& form, TTabPosition position, int left, int top, int count)
{
    auto* tabs = Put<TTabControl>(form, left, top, 240, 130);
    tabs->SetTabPosition(position);
    for (int i = 1; i <= count; ++i)
        tabs->Tabs().Add(L"Tab " + std::to_wstring(i));
    tabs->SetTabIndex(1);
    return tabs;
}

struct TSubject {
    const char* Name;
    TWinControl* Control;
};

std::vector<double> Measure(const std::vector<TSubject>& subjects)
{
    std::vector<double> times;
    for (const TSubject& s : subjects) {
        HWND const h = s.Control->Handle();
        times.push_back(MedianMicroseconds([&] {
            RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
            GdiFlush();
        }, 201));
    }
    return times;
}

int Run()
{
    std::unique_ptr<TTabsWindow> window(TCustomForm::Create<TTabsWindow>(Application));
    window->SetBounds(40, 40, 540, 420);
    window->SetCaption(L"Skinned tabs and bars");
    TTabsWindow& form = *window;
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
    std::vector<TSubject> const subjects {
        {"tab control 240x130, tabs on top", top},   {"tab control 240x130, tabs at the left", left},
        {"page control 240x130", pages},             {"tab control 240x130, 14 tabs overflowing", overflowing},
        {"tab set 400x21", tabSet},                  {"status bar of four panels", status},
    };

    window->Show();
    if (!PumpUntil([&] { return Skinned(*window); })) {
        std::printf("the window's skin did not start\n");
        return 1;
    }
    PumpIdle();
    std::vector<double> const skinned = Measure(subjects);

    TSkinData& data = *Form1->SkinData1;
    data.SetActive(false);
    SkinManager->ActionTimer();
    PumpIdle();
    if (Skinned(*window)) {
        std::printf("the skin did not come off\n");
        return 1;
    }
    std::vector<double> const plain = Measure(subjects);
    data.SetActive(true);
    SkinManager->ActionTimer();
    PumpIdle();

    for (std::size_t i = 0; i < subjects.size(); ++i) {
        std::string const name = subjects[i].Name;
        Report((name + " paint, skinned").c_str(), skinned[i], "us");
        Report((name + " paint, its own").c_str(), plain[i], "us");
        Report("  ratio skinned / own", skinned[i] / plain[i], "", 2);
    }
    return 0;
}

} // namespace

int main() { return tandrel::bench::RunWithApplication(Run); }
