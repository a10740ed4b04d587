// Menus from the request to the popup fully painted (its loop idle for the
// first time): a form's skinned popup menu and the first popup of a skinned
// window's menu bar, against the same menus of a plain window on a thread
// the skin engine never hooked (its hooks are per thread, so not even the
// popup window's frame is skinned there); taken in turn, medians with their
// spread and the ratios. With TANDREL_SCREENSHOTS set, the first popup of
// each kind is saved there.

#include "bench/support/AppBench.h"
#include "bench/support/ControlBench.h"
#include "framework/core/KernelHandle.h"
#include "framework/forms/Menus.h"
#include "framework/graphics/ScreenCapture.h"
#include "skin/menus/WinSkinMenu.h"

#include <commctrl.h>
#include <windowsx.h>

#include <cstdio>
#include <limits>
#include <memory>
#include <string>
#include <thread>

using namespace tandrel;
using namespace tandrel::bench;

namespace {

LARGE_INTEGER g_idleAt {};
// The name the next popup is saved under, when one is wanted.
std::wstring g_shotName;

void SaveShot(HWND menuWindow)
{
    wchar_t folder[MAX_PATH] {};
    DWORD const n = GetEnvironmentVariableW(L"TANDREL_SCREENSHOTS", folder, MAX_PATH);
    if (g_shotName.empty() || !n || n >= MAX_PATH || !menuWindow)
        return;
    if (auto shot = CaptureWindow(menuWindow))
        shot->SaveToFile(std::wstring(folder) + L"\\" + g_shotName + L".bmp");
    g_shotName.clear();
}

// The menu's loop tells the popup's owner when it first has nothing to do:
// the popup is shown and painted by then.
void OnMenuIdle(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_ENTERIDLE && wParam == MSGF_MENU && !g_idleAt.QuadPart) {
        GdiFlush();
        QueryPerformanceCounter(&g_idleAt);
        SaveShot(reinterpret_cast<HWND>(lParam));
        EndMenu();
    }
}

LRESULT CALLBACK OwnerProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    OnMenuIdle(msg, wParam, lParam);
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

// Milliseconds from `start` to the menu's first idle moment; NaN when no
// menu loop went idle.
double SinceStart(const LARGE_INTEGER& start)
{
    if (!g_idleAt.QuadPart)
        return std::numeric_limits<double>::quiet_NaN();
    return 1e3 * Seconds(start, g_idleAt);
}

double RequestToPainted(const std::function<void()>& request)
{
    g_idleAt = {};
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    request();
    PumpIdle();
    return SinceStart(start);
}

constexpr const wchar_t* kSevenItems[] = {L"&Open...", L"&Save\tCtrl+S", L"Save &as...", L"-",
                                          L"&Print",   L"-",              L"E&xit"};

// The system's own menus: the same seven items, in a popup and under the
// first item of a menu bar, on a plain window of a thread of their own. Its
// requests are sent to that thread and timed there.
class TSystemMenus {
public:
    TSystemMenus() : m_thread([this] { Run(); })
    {
        WaitForSingleObject(m_ready.Get(), INFINITE);
    }
    ~TSystemMenus()
    {
        if (m_window)
            PostMessageW(m_window, WM_CLOSE, 0, 0);
        m_thread.join();
    }
    TSystemMenus(const TSystemMenus&) = delete;
    TSystemMenus& operator=(const TSystemMenus&) = delete;

    bool Started() const { return m_window != nullptr; }
    double Popup(int x, int y) { return Timed(kPopup, MAKELPARAM(x, y)); }
    double ClickFirstBarItem()
    {
        SendMessageW(m_window, kActivate, 0, 0);
        PumpIdle();
        return Timed(kClickBar, 0);
    }

private:
    static constexpr UINT kPopup = WM_APP + 1;
    static constexpr UINT kClickBar = WM_APP + 2;
    static constexpr UINT kActivate = WM_APP + 3;

    double Timed(UINT request, LPARAM lParam)
    {
        g_idleAt = {};
        SendMessageW(m_window, request, 0, lParam);
        return SinceStart(m_start);
    }

    // Handles this thread's queue until it is empty, paints included, so
    // that none of it runs while the other side is timed.
    static void Settle(HWND window)
    {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        GdiFlush();
    }

    static LRESULT CALLBACK Proc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
    {
        auto* self = reinterpret_cast<TSystemMenus*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        OnMenuIdle(msg, wParam, lParam);
        switch (msg) {
        case kPopup:
            QueryPerformanceCounter(&self->m_start);
            TrackPopupMenuEx(self->m_popup, TPM_RIGHTBUTTON | TPM_LEFTALIGN, GET_X_LPARAM(lParam),
                             GET_Y_LPARAM(lParam), window, nullptr);
            Settle(window);
            return 0;
        case kClickBar: {
            RECT item {};
            GetMenuItemRect(window, GetMenu(window), 0, &item);
            LPARAM const point = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
            QueryPerformanceCounter(&self->m_start);
            LRESULT const hit = SendMessageW(window, WM_NCHITTEST, 0, point);
            SendMessageW(window, WM_NCLBUTTONDOWN, static_cast<WPARAM>(hit), point);
            Settle(window);
            return 0;
        }
        case kActivate:
            SetForegroundWindow(window);
            Settle(window);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window, msg, wParam, lParam);
        }
    }

    static HMENU SevenItems()
    {
        HMENU const menu = CreatePopupMenu();
        for (const wchar_t* caption : kSevenItems)
            AppendMenuW(menu, caption[0] == L'-' ? MF_SEPARATOR : MF_STRING, 1, caption[0] == L'-' ? nullptr : caption);
        return menu;
    }

    void Run()
    {
        WNDCLASSEXW wc {};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = L"TSystemMenusWindow";
        RegisterClassExW(&wc);
        HMENU const bar = CreateMenu();
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(SevenItems()), L"&File");
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(CreatePopupMenu()), L"&Edit");
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(CreatePopupMenu()), L"&Help");
        m_popup = SevenItems();
        HWND const window = CreateWindowExW(0, wc.lpszClassName, L"System's menus", WS_OVERLAPPEDWINDOW, 460, 40, 400,
                                            300, nullptr, bar, wc.hInstance, nullptr);
        if (window) {
            SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
            ShowWindow(window, SW_SHOWNOACTIVATE);
            Settle(window);
            m_window = window;
        }
        SetEvent(m_ready.Get());
        MSG msg;
        while (window && GetMessageW(&msg, nullptr, 0, 0) > 0) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        // The bar's popups go with the window; the separate popup is ours.
        DestroyMenu(m_popup);
        UnregisterClassW(wc.lpszClassName, wc.hInstance);
    }

    TKernelHandle m_ready {CreateEventW(nullptr, TRUE, FALSE, nullptr)};
    HWND m_window = nullptr;
    HMENU m_popup = nullptr;
    LARGE_INTEGER m_start {};
    std::thread m_thread;
};

void AddSevenItems(TCustomForm& form, TMenuItem& parent)
{
    for (const wchar_t* caption : kSevenItems) {
        auto* item = new TMenuItem(&form);
        std::wstring text = caption;
        item->SetCaption(text.substr(0, text.find(L'\t')));
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

bool Measured(const TPairSpread& pair)
{
    return pair.A.Median == pair.A.Median && pair.B.Median == pair.B.Median && pair.A.Median > 0 && pair.B.Median > 0;
}

int Run()
{
    auto skinned = MakeBenchWindow(L"Skinned menus", 400, 300);
    TPopupMenu* const skinnedPopup = SevenItemPopup(*skinned);
    GiveMenuBar(*skinned);
    skinned->Show();
    if (!PumpUntil([&] { return Skinned(*skinned) && SkinManager->FindSkinnedWindow(skinned->Handle())->MenuBar(); })) {
        std::printf("the window's skin did not start\n");
        return 1;
    }
    PumpIdle();
    TSystemMenus system;
    if (!skinnedPopup->OwnerDraw() || !system.Started()) {
        std::printf("the menus are not skinned as meant\n");
        return 1;
    }

    HWND const window = skinned->Handle();
    std::function<void()> const click = ClickAt(window, SkinnedStripItem(window));
    TIdleWatch const watch({PopupListWindow(), window});
    auto const shot = [](int which, const wchar_t* kind) {
        g_shotName = std::wstring(which == 0 ? L"skinned-" : L"system-") + kind;
    };
    shot(0, L"popup");
    RequestToPainted([&] { skinnedPopup->Popup(200, 150); });
    shot(1, L"popup");
    system.Popup(200, 150);
    TPairSpread const popups = Interleaved([&](int which) {
        return which == 0 ? RequestToPainted([&] { skinnedPopup->Popup(200, 150); }) : system.Popup(200, 150);
    });
    auto const bar = [&](int which) {
        if (which == 1)
            return system.ClickFirstBarItem();
        // A click on an inactive window activates it first; that is not the menu's time.
        SetForegroundWindow(window);
        PumpIdle();
        return RequestToPainted(click);
    };
    shot(0, L"menu-bar");
    bar(0);
    shot(1, L"menu-bar");
    bar(1);
    TPairSpread const bars = Interleaved(bar);
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
