// Skinned controls on a real window, each against the same control on a
// window that keeps its own look: the paint of a 136 x 25 push button
// (WM_PAINT), of a memo's two scroll bars (WM_NCPAINT), of a check box, a
// radio button and a list view's column header; medians, with the ratios
// and what the skin adds to the controls it draws over. Then the skinned
// push button at 144 pixels per inch against the same at 96.

#include "bench/support/AppBench.h"
#include "bench/support/ControlBench.h"
#include "framework/controls/Button.h"
#include "framework/controls/CheckBox.h"
#include "framework/controls/Edit.h"
#include "framework/controls/ListView.h"
#include "framework/controls/RadioButton.h"

#include <string>
#include <vector>

using namespace tandrel;
using namespace tandrel::bench;

namespace {

std::vector<TPaintCase> Build(TBenchWindow& window)
{
    auto* button = Put<TButton>(window, 20, 20, 136, 25);
    button->SetCaption(L"A push button");
    auto* memo = Put<TMemo>(window, 20, 60, 240, 160);
    memo->SetScrollBars(TScrollStyle::ssBoth);
    for (int i = 0; i < 300; ++i)
        memo->Lines().Add(L"Line " + std::to_wstring(i) + L" of a memo wide and long enough to scroll both ways");
    auto* check = Put<TCheckBox>(window, 280, 20, 100, 20);
    check->SetCaption(L"A check box");
    check->SetChecked(true);
    auto* radio = Put<TRadioButton>(window, 280, 50, 100, 20);
    radio->SetCaption(L"A radio button");
    radio->SetChecked(true);
    auto* list = Put<TListView>(window, 20, 230, 360, 60);
    list->SetViewStyle(TViewStyle::vsReport);
    for (const wchar_t* column : {L"Name", L"Size", L"Kind"})
        list->AddColumn(column, 110);
    HWND const header = FindWindowExW(list->Handle(), nullptr, L"SysHeader32", nullptr);
    HWND const bars = memo->Handle();
    return {
        {"push button 136x25 paint (WM_PAINT)", TPairKind::Replaced,
         RepaintOf(button->Handle(), RDW_INVALIDATE | RDW_UPDATENOW)},
        {"memo's two scroll bars (WM_NCPAINT)", TPairKind::Replaced,
         [bars] {
             SendMessageW(bars, WM_NCPAINT, 1, 0);
             GdiFlush();
         },
         [bars] { SendMessageW(bars, EM_LINESCROLL, 0, 100); }},
        {"check box 100x20, checked, paint", TPairKind::DrawnOver, RepaintOf(check->Handle())},
        {"radio button 100x20, checked, paint", TPairKind::DrawnOver, RepaintOf(radio->Handle())},
        {"list view's column header 360 wide paint", TPairKind::DrawnOver, RepaintOf(header)},
    };
}

// The push button on skinned windows at 144 pixels per inch and at 96.
std::vector<TPaintCase> BuildButton(TBenchWindow& window)
{
    auto* button = Put<TButton>(window, 20, 20, 136, 25);
    button->SetCaption(L"A push button");
    return {{"push button 136x25 (at 96) paint (WM_PAINT)", TPairKind::Replaced,
             RepaintOf(button->Handle(), RDW_INVALIDATE | RDW_UPDATENOW)}};
}

int Run()
{
    int const own = CompareSkinnedAndOwn(L"Skinned controls", 400, 300, Build);
    return own != 0 ? own : CompareDensities(L"Skinned controls at two densities", 200, 100, 144, BuildButton);
}

} // namespace

int main() { return tandrel::bench::RunWithApplication(Run); }
