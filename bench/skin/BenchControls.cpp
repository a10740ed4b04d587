// Skinned controls on a real window, each against the same control
// unskinned: the paint of a 136 x 25 push button (WM_PAINT) and of a memo's
// two scroll bars (WM_NCPAINT), medians, with the ratios.

#include "app/Tandrel.h"
#include "app/Unit1.h"
#include "bench/support/AppBench.h"
#include "bench/support/Bench.h"
#include "editors/cxEditRegistration.h"
#include "framework/controls/Button.h"
#include "framework/controls/Edit.h"
#include "framework/forms/Application.h"
#include "framework/forms/Forms.h"
#include "skin/engine/SkinManage.h"
#include "skin/forms/WinSkinForm.h"
#include "tests/support/MessagePump.h"

#include <cstdio>
#include <memory>
#include <string>

using namespace tandrel;
using tandrel::bench::MedianMicroseconds;
using tandrel::bench::Report;

namespace {

class TControlsWindow : public TForm {
public:
    const char* ClassName() const override { return "TControlsWindow"; }

protected:
    friend class TCustomForm;
    explicit TControlsWindow(TComponent* owner) : TForm(owner) {}
};

bool Skinned(const TCustomForm& form)
{
    TWinSkinForm* skin = SkinManager ? SkinManager->FindSkinnedWindow(form.Handle()) : nullptr;
    return skin && skin->SkinState() == ssSkinned;
}

struct TTimings {
    double Button = 0;
    double Bars = 0;
};

TTimings Measure(HWND button, HWND memo)
{
    TTimings t;
    t.Button = MedianMicroseconds([&] {
        RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        GdiFlush();
    }, 201);
    t.Bars = MedianMicroseconds([&] {
        SendMessageW(memo, WM_NCPAINT, 1, 0);
        GdiFlush();
    }, 201);
    return t;
}

int Run()
{
    std::unique_ptr<TControlsWindow> window(TCustomForm::Create<TControlsWindow>(Application));
    window->SetBounds(40, 40, 400, 300);
    window->SetCaption(L"Skinned controls");
    auto* button = new TButton(window.get());
    button->SetParent(window.get());
    button->SetBounds(20, 20, 136, 25);
    button->SetCaption(L"A push button");
    auto* memo = new TMemo(window.get());
    memo->SetParent(window.get());
    memo->SetBounds(20, 60, 240, 160);
    memo->SetScrollBars(TScrollStyle::ssBoth);
    for (int i = 0; i < 300; ++i)
        memo->Lines().Add(L"Line " + std::to_wstring(i) + L" of a memo wide and long enough to scroll both ways");
    window->Show();
    if (!PumpUntil([&] { return Skinned(*window); })) {
        std::printf("the window's skin did not start\n");
        return 1;
    }
    SendMessageW(memo->Handle(), EM_LINESCROLL, 0, 100);
    PumpIdle();
    TTimings const skinned = Measure(button->Handle(), memo->Handle());

    TSkinData& data = *Form1->SkinData1;
    data.SetActive(false);
    SkinManager->ActionTimer();
    PumpIdle();
    if (Skinned(*window)) {
        std::printf("the skin did not come off\n");
        return 1;
    }
    TTimings const plain = Measure(button->Handle(), memo->Handle());
    data.SetActive(true);
    SkinManager->ActionTimer();
    PumpIdle();

    Report("push button 136x25 paint, skinned (WM_PAINT)", skinned.Button, "us");
    Report("push button 136x25 paint, the system's own", plain.Button, "us");
    Report("  ratio skinned / system", skinned.Button / plain.Button, "", 2);
    Report("memo's two scroll bars, skinned (WM_NCPAINT)", skinned.Bars, "us");
    Report("memo's two scroll bars, the system's own", plain.Bars, "us");
    Report("  ratio skinned / system", skinned.Bars / plain.Bars, "", 2);
    return 0;
}

} // namespace

int main() { return tandrel::bench::RunWithApplication(Run); }
