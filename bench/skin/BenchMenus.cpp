// A popup menu of a skinned form, from the request (TPopupMenu::Popup) to
// the popup fully painted (its loop idle for the first time), skinned and
// unskinned: medians, with the ratio.

#include "app/forms/Unit1.h"
#include "bench/support/AppBench.h"
#include "bench/support/Bench.h"
#include "framework/forms/Application.h"
#include "framework/forms/Forms.h"
#include "framework/forms/Menus.h"
#include "skin/engine/SkinManage.h"
#include "skin/forms/WinSkinForm.h"
#include "framework/forms/MessagePump.h"

#include <commctrl.h>

#include <cstdio>
#include <memory>
#include <vector>

using namespace tandrel;
using tandrel::bench::Median;
using tandrel::bench::Report;

namespace {

class TMenuWindow : public TForm {
public:
    const char* ClassName() const override { return "TMenuWindow"; }

protected:
    friend class TCustomForm;
    explicit TMenuWindow(TComponent* owner) : TForm(owner) {}
};

bool Skinned(const TCustomForm& form)
{
    TWinSkinForm* skin = SkinManager ? SkinManager->FindSkinnedWindow(form.Handle()) : nullptr;
    return skin && skin->SkinState() == ssSkinned;
}

LARGE_INTEGER g_idleAt {};

// The menu's loop tells the popup's owner when it first has nothing to do:
// the popup is shown and painted by then.
LRESULT CALLBACK OwnerProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    if (msg == WM_ENTERIDLE && wParam == MSGF_MENU && !g_idleAt.QuadPart) {
        GdiFlush();
        QueryPerformanceCounter(&g_idleAt);
        EndMenu();
    }
    return DefSubclassProc(window, msg, wParam, lParam);
}

// Median milliseconds from the request to the painted popup.
double Measure(TPopupMenu& menu, int runs)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    std::vector<double> times;
    for (int i = 0; i < runs + 3; ++i) {
        g_idleAt = {};
        LARGE_INTEGER start;
        QueryPerformanceCounter(&start);
        menu.Popup(200, 150);
        PumpIdle();
        if (i >= 3 && g_idleAt.QuadPart)
            times.push_back(1e3 * double(g_idleAt.QuadPart - start.QuadPart) / double(frequency.QuadPart));
    }
    return Median(std::move(times));
}

int Run()
{
    std::unique_ptr<TMenuWindow> window(TCustomForm::Create<TMenuWindow>(Application));
    window->SetBounds(40, 40, 400, 300);
    window->SetCaption(L"Skinned menus");
    auto* menu = new TPopupMenu(window.get());
    for (const wchar_t* caption : {L"&Open...", L"&Save", L"Save &as...", L"-", L"&Print", L"-", L"E&xit"}) {
        auto* item = new TMenuItem(window.get());
        item->SetCaption(caption);
        menu->Items().Add(item);
    }
    menu->Items().Items(1)->SetShortCut(scCtrl | 'S');
    window->Show();
    if (!PumpUntil([&] { return Skinned(*window); })) {
        std::printf("the window's skin did not start\n");
        return 1;
    }
    SetWindowSubclass(PopupListWindow(), OwnerProc, 1, 0);
    int const runs = 51;
    double const skinned = Measure(*menu, runs);
    bool const wasOwnerDrawn = menu->OwnerDraw();

    TSkinData& data = *Form1->SkinData1;
    data.SetActive(false);
    SkinManager->ActionTimer();
    PumpIdle();
    if (Skinned(*window) || menu->OwnerDraw()) {
        std::printf("the skin did not come off\n");
        return 1;
    }
    double const plain = Measure(*menu, runs);
    RemoveWindowSubclass(PopupListWindow(), OwnerProc, 1);
    data.SetActive(true);
    SkinManager->ActionTimer();
    PumpIdle();
    if (!wasOwnerDrawn || skinned <= 0 || plain <= 0) {
        std::printf("the popup was not measured\n");
        return 1;
    }

    Report("popup menu of 7 items, request to painted, skinned", skinned, "ms", 2);
    Report("popup menu of 7 items, request to painted, the system's", plain, "ms", 2);
    Report("  ratio skinned / system", skinned / plain, "", 2);
    return 0;
}

} // namespace

int main() { return tandrel::bench::RunWithApplication(Run); }
