// Skinned edit-like controls on a real window, each against the same
// control unskinned: the paint (WM_PAINT) of a drop-down combo box, a spin
// button, a progress bar and a track bar, medians, with the ratios.

#include "app/Tandrel.h"
#include "app/Unit1.h"
#include "bench/support/AppBench.h"
#include "bench/support/Bench.h"
#include "framework/controls/ComboBox.h"
#include "framework/controls/Edit.h"
#include "framework/controls/ProgressBar.h"
#include "framework/controls/TrackBar.h"
#include "framework/controls/UpDown.h"
#include "framework/forms/Application.h"
#include "framework/forms/Forms.h"
#include "skin/engine/SkinManage.h"
#include "skin/forms/WinSkinForm.h"
#include "tests/support/MessagePump.h"

#include <array>
#include <cstdio>
#include <memory>
#include <string>

using namespace tandrel;
using tandrel::bench::MedianMicroseconds;
using tandrel::bench::Report;

namespace {

class TEditControlsWindow : public TForm {
public:
    const char* ClassName() const override { return "TEditControlsWindow"; }

protected:
    friend class TCustomForm;
    explicit TEditControlsWindow(TComponent* owner) : TForm(owner) {}
};

bool Skinned(const TCustomForm& form)
{
    TWinSkinForm* skin = SkinManager ? SkinManager->FindSkinnedWindow(form.Handle()) : nullptr;
    return skin && skin->SkinState() == ssSkinned;
}

struct TSubject {
    const char* Name;
    HWND Window;
};

template <std::size_t N>
std::array<double, N> Measure(const std::array<TSubject, N>& subjects)
{
    std::array<double, N> times {};
    for (std::size_t i = 0; i < N; ++i)
        times[i] = MedianMicroseconds([&] {
            RedrawWindow(subjects[i].Window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
            GdiFlush();
        }, 201);
    return times;
}

template <class T>
T* Put(TCustomForm& form, int left, int top, int width, int height)
{
    auto* control = new T(&form);
    control->SetParent(&form);
    control->SetBounds(left, top, width, height);
    return control;
}

int Run()
{
    std::unique_ptr<TEditControlsWindow> window(TCustomForm::Create<TEditControlsWindow>(Application));
    window->SetBounds(40, 40, 420, 260);
    window->SetCaption(L"Skinned edit controls");
    auto* combo = Put<TComboBox>(*window, 20, 20, 160, 24);
    combo->SetStyle(TComboBoxStyle::csDropDownList);
    combo->Items().SetLines({L"A drop-down list", L"Second", L"Third"});
    combo->SetItemIndex(0);
    auto* buddy = Put<TEdit>(*window, 200, 20, 60, 24);
    auto* spin = Put<TUpDown>(*window, 260, 20, 17, 24);
    spin->SetAssociate(buddy);
    auto* bar = Put<TProgressBar>(*window, 20, 60, 200, 18);
    bar->SetSmooth(true);
    bar->SetPosition(60);
    auto* track = Put<TTrackBar>(*window, 20, 100, 200, 40);
    track->SetPosition(3);
    window->Show();
    if (!PumpUntil([&] { return Skinned(*window); })) {
        std::printf("the window's skin did not start\n");
        return 1;
    }
    PumpIdle();
    std::array<TSubject, 4> const subjects {{{"drop-down combo box 160x24", combo->Handle()},
                                             {"spin button beside its buddy", spin->Handle()},
                                             {"progress bar 200x18 at 60 %", bar->Handle()},
                                             {"track bar 200x40", track->Handle()}}};
    auto const skinned = Measure(subjects);

    TSkinData& data = *Form1->SkinData1;
    data.SetActive(false);
    SkinManager->ActionTimer();
    PumpIdle();
    if (Skinned(*window)) {
        std::printf("the skin did not come off\n");
        return 1;
    }
    auto const plain = Measure(subjects);
    data.SetActive(true);
    SkinManager->ActionTimer();
    PumpIdle();

    for (std::size_t i = 0; i < subjects.size(); ++i) {
        Report((std::string(subjects[i].Name) + " paint, skinned").c_str(), skinned[i], "us");
        Report((std::string(subjects[i].Name) + " paint, the system's own").c_str(), plain[i], "us");
        Report("  ratio skinned / system", skinned[i] / plain[i], "", 2);
    }
    return 0;
}

} // namespace

int main() { return tandrel::bench::RunWithApplication(Run); }
