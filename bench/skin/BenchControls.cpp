// Skinned controls on a real window, each against the same control
// unskinned: the paint of a 136 x 25 push button (WM_PAINT) and of a memo's
// two scroll bars (WM_NCPAINT), medians, with the ratios.

#include "bench/support/AppBench.h"
#include "bench/support/ControlBench.h"
#include "framework/controls/Button.h"
#include "framework/controls/Edit.h"

#include <string>
#include <vector>

using namespace tandrel;
using namespace tandrel::bench;

namespace {

int Run()
{
    auto window = MakeBenchWindow(L"Skinned controls", 400, 300);
    auto* button = Put<TButton>(*window, 20, 20, 136, 25);
    button->SetCaption(L"A push button");
    auto* memo = Put<TMemo>(*window, 20, 60, 240, 160);
    memo->SetScrollBars(TScrollStyle::ssBoth);
    for (int i = 0; i < 300; ++i)
        memo->Lines().Add(L"Line " + std::to_wstring(i) + L" of a memo wide and long enough to scroll both ways");
    HWND const bars = memo->Handle();
    std::vector<TPaintSubject> const subjects {
        {"push button 136x25 paint (WM_PAINT)", RepaintOf(button->Handle(), RDW_INVALIDATE | RDW_UPDATENOW)},
        {"memo's two scroll bars (WM_NCPAINT)",
         [bars] {
             SendMessageW(bars, WM_NCPAINT, 1, 0);
             GdiFlush();
         }},
    };
    return CompareSkinnedAndOwn(*window, subjects, [&] { SendMessageW(bars, EM_LINESCROLL, 0, 100); });
}

} // namespace

int main() { return tandrel::bench::RunWithApplication(Run); }
