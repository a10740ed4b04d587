// Menus from the request to the popup fully painted (its loop idle for the
// first time): a form's popup menu, skinned and with its own look, and the
// first popup of a menu bar, on a skinned window and on one that keeps its
// own look; taken in turn, medians with their spread and the ratios.

#include "bench/support/AppBench.h"
#include "bench/support/ControlBench.h"
#include "framework/forms/Menus.h"
#include "skin/menus/WinSkinMenu.h"

#include <commctrl.h>

#include <cstdio>
#include <limits>
#include <memory>

using namespace tandrel;
using namespace tandrel::bench;

namespace {

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

// Watches the owners of the menus for their first idle moment while it lives.
class TIdleWatch {
public:
    explicit TIdleWatch(std::vector<HWND> owners) : m_owners(std::move(owners))
    {
        for (HWND owner : m_owners)
            SetWindowSubclass(owner, OwnerProc, 1, 0);
    }
    ~TIdleWatch()
    {
        for (HWND owner : m_owners)
            RemoveWindowSubclass(owner, OwnerProc, 1);
    }
    TIdleWatch(const TIdleWatch&) = delete;
    TIdleWatch& operator=(const TIdleWatch&) = delete;

private:
    std::vector<HWND> m_owners;
};

// Milliseconds from `request` to the menu's first idle moment; NaN when
// no menu loop went idle.
double RequestToPainted(const std::function<void()>& request)
{
    g_idleAt = {};
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    request();
    PumpIdle();
    if (!g_idleAt.QuadPart)
        return std::numeric_limits<double>::quiet_NaN();
    return 1e3 * Seconds(start, g_idleAt);
}

void AddSevenItems(TCustomForm& form, TMenuItem& parent)
{
    for (const wchar_t* caption : {L"&Open...", L"&Save", L"Save &as...", L"-", L"&Print", L"-", L"E&xit"}) {
        auto* item = new TMenuItem(&form);
        item->SetCaption(caption);
        parent.Add(item);
    }
    parent.Items(1)->SetShortCut(scCtrl | 'S');
}

TPopupMenu* SevenItemPopup(TCustomForm& form)
{
    auto* menu = new TPopupMenu(&form);
    AddSevenItems(form, menu->Items());
    return menu;
}

// A menu bar whose first item holds the same seven items.
void GiveMenuBar(TCustomForm& form)
{
    auto* bar = new TMainMenu(&form);
    for (const wchar_t* caption : {L"&File", L"&Edit", L"&Help"}) {
        auto* item = new TMenuItem(&form);
        item->SetCaption(caption);
        bar->Items().Add(item);
    }
    AddSevenItems(form, *bar->Items().Items(0));
    form.SetMenu(bar);
}

// A click on the first menu-bar item, as the window sees it, at a screen point.
std::function<void()> ClickAt(HWND window, POINT at)
{
    return [window, at] {
        LPARAM const point = MAKELPARAM(at.x, at.y);
        LRESULT const hit = SendMessageW(window, WM_NCHITTEST, 0, point);
        SendMessageW(window, WM_NCLBUTTONDOWN, static_cast<WPARAM>(hit), point);
    };
}

POINT SkinnedStripItem(HWND window)
{
    TWinSkinForm* skin = SkinManager->FindSkinnedWindow(window);
    RECT outer {};
    GetWindowRect(window, &outer);
    RECT const item = skin->MenuBar()->Items().at(0)->Rect;
    return {outer.left + (item.left + item.right) / 2, outer.top + (item.top + item.bottom) / 2};
}

POINT SystemMenuBarItem(HWND window)
{
    RECT item {};
    GetMenuItemRect(window, GetMenu(window), 0, &item);
    return {(item.left + item.right) / 2, (item.top + item.bottom) / 2};
}

bool Measured(const TPairSpread& pair)
{
    return pair.A.Median == pair.A.Median && pair.B.Median == pair.B.Median && pair.A.Median > 0 && pair.B.Median > 0;
}

int Run()
{
    auto skinned = MakeBenchWindow(L"Skinned menus", 400, 300);
    auto own = MakeBenchWindow(L"Skinned menus", 400, 300);
    own->SetTag(kOwnLookTag);
    own->SetBounds(460, 40, 400, 300);
    TPopupMenu* const skinnedPopup = SevenItemPopup(*skinned);
    TPopupMenu* const ownPopup = SevenItemPopup(*skinned);
    ownPopup->SetTag(kOwnLookTag);
    GiveMenuBar(*skinned);
    GiveMenuBar(*own);
    skinned->Show();
    own->Show();
    if (!PumpUntil([&] { return Skinned(*skinned) && SkinManager->FindSkinnedWindow(skinned->Handle())->MenuBar(); })) {
        std::printf("the window's skin did not start\n");
        return 1;
    }
    PumpIdle();
    if (!skinnedPopup->OwnerDraw() || ownPopup->OwnerDraw() || Skinned(*own)) {
        std::printf("the menus are not skinned as meant\n");
        return 1;
    }

    HWND const windows[] = {skinned->Handle(), own->Handle()};
    std::function<void()> const clicks[] = {ClickAt(windows[0], SkinnedStripItem(windows[0])),
                                            ClickAt(windows[1], SystemMenuBarItem(windows[1]))};
    TIdleWatch const watch({PopupListWindow(), windows[0], windows[1]});
    TPairSpread const popups = Interleaved([&](int which) {
        return RequestToPainted([&] { (which == 0 ? skinnedPopup : ownPopup)->Popup(200, 150); });
    });
    TPairSpread const bars = Interleaved([&](int which) {
        // A click on an inactive window activates it first; that is not the menu's time.
        SetForegroundWindow(windows[which]);
        PumpIdle();
        return RequestToPainted(clicks[which]);
    });
    if (!Measured(popups) || !Measured(bars)) {
        std::printf("a popup was not measured\n");
        return 1;
    }
    ReportPairHeader("skinned", "system's", "ms");
    ReportPair("popup menu of 7 items, request to painted", popups, TPairKind::Replaced, 2);
    ReportPair("menu-bar popup of 7 items, click to painted", bars, TPairKind::Replaced, 2);
    return 0;
}

} // namespace

int main() { return tandrel::bench::RunWithApplication(Run); }
