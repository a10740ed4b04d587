// Skinned edit-like controls on a real window, each against the same
// control on a window that keeps its own look: the paint of a drop-down
// combo box, an edit (its frame included), a spin button, a progress bar
// and a track bar, medians, with the ratios and what the skin adds to
// controls it draws over.

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

std::vector<TPaintCase> Build(TBenchWindow& window)
{
    auto* combo = Put<TComboBox>(window, 20, 20, 160, 24);
    combo->SetStyle(TComboBoxStyle::csDropDownList);
    combo->Items().SetLines({L"A drop-down list", L"Second", L"Third"});
    combo->SetItemIndex(0);
    auto* buddy = Put<TEdit>(window, 200, 20, 60, 24);
    buddy->SetText(L"42");
    auto* spin = Put<TUpDown>(window, 260, 20, 17, 24);
    spin->SetAssociate(buddy);
    auto* bar = Put<TProgressBar>(window, 20, 60, 200, 18);
    bar->SetSmooth(true);
    bar->SetPosition(60);
    auto* track = Put<TTrackBar>(window, 20, 100, 200, 40);
    track->SetPosition(3);
    return {
        {"drop-down combo box 160x24 paint", TPairKind::DrawnOver, RepaintOf(combo->Handle())},
        {"edit 60x24 paint", TPairKind::DrawnOver, RepaintOf(buddy->Handle(), RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW)},
        {"spin button beside its buddy paint", TPairKind::Replaced, RepaintOf(spin->Handle())},
        {"progress bar 200x18 at 60 % paint", TPairKind::Replaced, RepaintOf(bar->Handle())},
        {"track bar 200x40 paint (thumb drawn over)", TPairKind::DrawnOver, RepaintOf(track->Handle())},
    };
}

int Run() { return CompareSkinnedAndOwn(L"Skinned edit controls", 420, 260, Build); }

} // namespace

int main() { return tandrel::bench::RunWithApplication(Run); }
