// tandrelshots EXE OUTDIR: starts the real program, opens its main panel and
// its tray menu as a user does, saves a picture of each (main-panel.bmp,
// tray-menu.bmp) and ends the program through its menu's exit item.

#include "tools/shots/Settled.h"
#include "tools/shots/TandrelProcess.h"
#include "tools/shots/Waiting.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace tandrel::shots {

namespace {

// The program's own window classes and the message its tray icon sends to
// the overlay: what a user's click on the icon turns into.
constexpr wchar_t kOverlayClass[] = L"TForm4";
constexpr wchar_t kPanelClass[] = L"TForm1";
constexpr wchar_t kMenuClass[] = L"#32768";
constexpr UINT WM_TRAYNOTIFY = WM_USER + 100;

// A first start in a fresh Wine prefix takes a while; later ones are quick.
constexpr DWORD kStartMs = 60000;
constexpr DWORD kShowMs = 15000;
constexpr DWORD kPaintMs = 15000;
// Hiding and destroying windows can stall Wine for seconds each.
constexpr DWORD kExitMs = 20000;
// What is shown round the menu in its picture.
constexpr int kMenuMargin = 12;

RECT WindowRect(HWND window)
{
    RECT r {};
    GetWindowRect(window, &r);
    return r;
}

void Save(TBitmap& picture, const std::wstring& folder, const wchar_t* name)
{
    const std::wstring file = folder + L"\\" + name;
    try {
        picture.SaveToFile(file);
    } catch (const std::exception& e) {
        throw TShotFailure("could not write " + Narrow(file) + ": " + e.what());
    }
}

void MakeFolder(const std::wstring& folder)
{
    if (!CreateDirectoryW(folder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
        throw TShotFailure("could not make the folder " + Narrow(folder));
}

void RefuseSecondInstance()
{
    HWND running = FindForeignWindow(kOverlayClass, GetCurrentProcessId());
    if (!running)
        return;
    DWORD process = 0;
    GetWindowThreadProcessId(running, &process);
    throw TShotFailure("Tandrel is already running (process " + std::to_string(process) +
                       "); a second start would only show its panel: end it first");
}

// Moves the pointer overlay (always on top) where it hides neither the
// panel nor the menu: the screen's bottom-right corner.
void MoveOverlayAside(const TTandrelProcess& tandrel, HWND overlay)
{
    const RECT was = WindowRect(overlay);
    const int x = GetSystemMetrics(SM_CXSCREEN) - (was.right - was.left) - 8;
    const int y = GetSystemMetrics(SM_CYSCREEN) - (was.bottom - was.top) - 8;
    SetWindowPos(overlay, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    tandrel.WaitFor("the pointer overlay to move aside", [&] {
        const RECT now = WindowRect(overlay);
        return now.left == x && now.top == y;
    }, kShowMs);
}

HWND ShowPanel(const TTandrelProcess& tandrel, HWND overlay)
{
    // The panel may come to the front, as it does for a user's click.
    AllowSetForegroundWindow(tandrel.Id());
    PostMessageW(overlay, WM_TRAYNOTIFY, 0, WM_LBUTTONDOWN);
    // Its window is made when it is first shown.
    HWND panel = nullptr;
    tandrel.WaitFor("the main panel (window class TForm1) to show", [&] {
        panel = tandrel.FindShownWindow(kPanelClass);
        return panel != nullptr;
    }, kShowMs);
    return panel;
}

HWND OpenTrayMenu(const TTandrelProcess& tandrel, HWND overlay, POINT at)
{
    // The menu opens where the cursor is, as after a right click on the icon.
    SetCursorPos(at.x, at.y);
    AllowSetForegroundWindow(tandrel.Id());
    // Posted: the menu runs a modal loop in the program's thread.
    PostMessageW(overlay, WM_TRAYNOTIFY, 0, WM_RBUTTONDOWN);
    HWND menu = nullptr;
    tandrel.WaitFor("the tray menu to open", [&] {
        menu = tandrel.FindShownWindow(kMenuClass);
        return menu != nullptr;
    }, kShowMs);
    return menu;
}

// Chooses the menu's last item, its exit, by key as a user may.
void ChooseExit(HWND menu)
{
    PostMessageW(menu, WM_KEYDOWN, VK_END, 1);
    PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 1);
}

void EndTandrel(TTandrelProcess& tandrel, HWND overlay, HWND menu)
{
    ChooseExit(menu);
    if (tandrel.WaitForExit(kExitMs))
        return;
    // The exit item did not end it: close its main window, then give up.
    PostMessageW(overlay, WM_CLOSE, 0, 0);
    if (tandrel.WaitForExit(kExitMs))
        throw TShotFailure("Tandrel did not end through its tray menu's exit item (it did on WM_CLOSE)");
    tandrel.Terminate();
    throw TShotFailure("Tandrel did not end through its tray menu's exit item nor on WM_CLOSE; terminated it");
}

void TakeShots(const std::wstring& exe, const std::wstring& folder)
{
    MakeFolder(folder);
    RefuseSecondInstance();
    TTandrelProcess tandrel(exe);
    HWND overlay = nullptr;
    tandrel.WaitFor("Tandrel's pointer overlay (window class TForm4) to show", [&] {
        overlay = tandrel.FindShownWindow(kOverlayClass);
        return overlay != nullptr;
    }, kStartMs);
    MoveOverlayAside(tandrel, overlay);

    HWND panel = ShowPanel(tandrel, overlay);
    auto panelShot = CaptureWhenSettled(tandrel, "the main panel", panel, [&] { return WindowRect(panel); },
                                        kPaintMs);
    Save(*panelShot, folder, L"main-panel.bmp");

    // The menu opens over a quiet part of the panel (the face below its
    // right-hand buttons), which frames it better than bare desktop.
    const RECT panelRect = WindowRect(panel);
    const POINT at {panelRect.left + (panelRect.right - panelRect.left) / 2,
                    panelRect.top + (panelRect.bottom - panelRect.top) * 58 / 100};
    HWND menu = OpenTrayMenu(tandrel, overlay, at);
    auto menuShot = CaptureWhenSettled(tandrel, "the tray menu", menu, [&] {
        RECT r = WindowRect(menu);
        InflateRect(&r, kMenuMargin, kMenuMargin);
        return r;
    }, kPaintMs);
    Save(*menuShot, folder, L"tray-menu.bmp");

    EndTandrel(tandrel, overlay, menu);
    if (tandrel.ExitCode() != 0)
        throw TShotFailure("Tandrel ended with exit code " + std::to_string(tandrel.ExitCode()));
}

} // namespace

} // namespace tandrel::shots

int wmain(int argc, wchar_t** argv)
{
    if (argc != 3) {
        std::fputs("tandrelshots: usage: tandrelshots EXE OUTDIR\n", stderr);
        return 1;
    }
    try {
        tandrel::shots::TakeShots(argv[1], argv[2]);
    } catch (const tandrel::shots::TShotFailure& failure) {
        std::fprintf(stderr, "tandrelshots: %s\n", failure.what());
        return 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tandrelshots: %s\n", e.what());
        return 1;
    }
    return 0;
}
