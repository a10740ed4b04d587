// Skinned edit-like controls on a real window, each against the same
// control unskinned: the paint (WM_PAINT) of a drop-down combo box, a spin
// button, a progress bar and a track bar, medians, with the ratios.

#include "bench/support/AppBench.h"
#include "bench/support/ControlBench.h"
#include "framework/controls/ComboBox.h"
#include "framework/controls/Edit.h"
#include "framework/controls/ProgressBar.h"
#include "framework/controls/TrackBar.h"
#include "framework/controls/UpDown.h"

#include <vector>

using namespace tandrel;
using namespace tandrel::bench;

namespace {

int Run()
{
    auto window = MakeBenchWindow(L"Skinned edit controls", 420, 260);
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
    std::vector<TPaintSubject> const subjects {
        {"drop-down combo box 160x24 paint", RepaintOf(combo->Handle())},
        {"spin button beside its buddy paint", RepaintOf(spin->Handle())},
        {"progress bar 200x18 at 60 % paint", RepaintOf(bar->Handle())},
        {"track bar 200x40 paint", RepaintOf(track->Handle())},
    };
    return CompareSkinnedAndOwn(*window, subjects);
}

} // namespace

int main() { return tandrel::bench::RunWithApplication(Run); }
