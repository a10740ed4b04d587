#include "skin/menus/MenuTracking.h"

#include "framework/forms/Application.h"
#include "skin/geometry/SkinMenuGeometry.h"

#include <cwchar>
#include <vector>

namespace tandrel {

namespace {

TMenuTrackingState g_tracking;

bool IsKeyMessage(UINT message)
{
    return message == WM_KEYDOWN || message == WM_KEYUP || message == WM_SYSKEYDOWN || message == WM_SYSKEYUP;
}

BOOL CALLBACK CollectMenuWindow(HWND window, LPARAM data)
{
    wchar_t name[16] {};
    if (IsWindowVisible(window) && GetClassNameW(window, name, 16) && wcscmp(name, L"#32768") == 0)
        reinterpret_cast<std::vector<HWND>*>(data)->push_back(window);
    return TRUE;
}

// The popup windows of the thread that show now, the innermost first.
std::vector<HWND> OpenMenuWindows()
{
    std::vector<HWND> windows;
    EnumThreadWindows(GetCurrentThreadId(), CollectMenuWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

// Whether the item selected in the innermost open menu opens a submenu.
bool SelectedItemOpensSubmenu(HWND innermost)
{
    auto* menu = reinterpret_cast<HMENU>(SendMessageW(innermost, MN_GETHMENU, 0, 0));
    int const count = menu ? GetMenuItemCount(menu) : 0;
    for (int i = 0; i < count; ++i)
        if (GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_HILITE)
            return GetSubMenu(menu, i) != nullptr;
    return false;
}

// The strip item a key or the mouse asks for, or -1. The open submenus are
// read from the screen: closing one with Left selects nothing new, so the
// last WM_MENUSELECT may still name an item inside it.
int TargetOf(const MSG& msg)
{
    TMenuTrackingState& t = g_tracking;
    int const count = t.Host ? t.Host->TrackedItemCount() : 0;
    if (count == 0)
        return -1;
    switch (msg.message) {
    case WM_KEYDOWN:
        switch (msg.wParam) {
        case VK_RETURN:
        case VK_ESCAPE:
            t.Switching = false;
            return -1;
        case VK_LEFT: {
            // From a submenu Left only closes it.
            if (OpenMenuWindows().size() <= 1)
                return SwitchedBarItem(t.OpenIndex, count, -1);
            return -1;
        }
        case VK_RIGHT: {
            // On an item with a submenu Right opens it.
            std::vector<HWND> const open = OpenMenuWindows();
            if (open.empty() || !SelectedItemOpensSubmenu(open.front()))
                return SwitchedBarItem(t.OpenIndex, count, +1);
            return -1;
        }
        default:
            return -1;
        }
    case WM_SYSKEYDOWN:
        if (msg.wParam == VK_MENU)
            t.Host->ClearMenuTracking();
        return -1;
    case WM_MOUSEMOVE: {
        POINT const cursor = msg.pt;
        if (cursor.x == t.Cursor.x && cursor.y == t.Cursor.y)
            return -1;
        t.Cursor = cursor;
        return t.Host->TrackedItemAt(cursor);
    }
    default:
        return -1;
    }
}

LRESULT CALLBACK MenuFilterProc(int code, WPARAM wParam, LPARAM lParam)
{
    TMenuTrackingState& t = g_tracking;
    auto* msg = reinterpret_cast<MSG*>(lParam);
    try {
        // A right-to-left strip runs the other way; only keys are turned,
        // a mouse message's flags could read as an arrow key's code.
        if (msg && t.Host && IsKeyMessage(msg->message) && t.Host->TrackedRightToLeft()) {
            if (msg->wParam == VK_LEFT)
                msg->wParam = VK_RIGHT;
            else if (msg->wParam == VK_RIGHT)
                msg->wParam = VK_LEFT;
        }
        LRESULT const next = CallNextHookEx(nullptr, code, wParam, lParam);
        if (next || code != MSGF_MENU || !msg || !t.Host)
            return next;
        if (!t.FirstMessageSeen) {
            t.FirstMessageSeen = true;
            // Selects the popup's first item, as opening from the keyboard
            // does; another thread's menu may be above this one.
            std::vector<HWND> const open = OpenMenuWindows();
            PostMessageW(open.empty() ? msg->hwnd : open.front(), WM_KEYDOWN, VK_DOWN, 0);
        }
        int const target = TargetOf(*msg);
        if (target >= 0 && target != t.OpenIndex && target < t.Host->TrackedItemCount()) {
            t.Switching = true;
            t.Host->OpenTrackedItem(target);
            // The loop ends here; the posted click opens the other item.
            EndMenu();
            return 1;
        }
        return 0;
    } catch (...) {
        HandleCallbackException(nullptr);
    }
    return 0;
}

} // namespace

const TMenuTrackingState& MenuTracking() { return g_tracking; }

TMenuTrackingScope::TMenuTrackingScope(TTrackedStrip& host, int index, HMENU popup)
{
    TMenuTrackingState& t = g_tracking;
    t.Host = &host;
    t.OpenIndex = index;
    t.Popup = popup;
    t.Selected = false;
    t.SelectedIn = nullptr;
    t.SelectedHasPopup = false;
    if (!t.Hook)
        t.Hook.Reset(SetWindowsHookExW(WH_MSGFILTER, MenuFilterProc, nullptr, GetCurrentThreadId()));
    t.Switching = false;
    t.FirstMessageSeen = false;
    GetCursorPos(&t.Cursor);
}

TMenuTrackingScope::~TMenuTrackingScope()
{
    TMenuTrackingState& t = g_tracking;
    t.Hook.Reset();
    t.Host = nullptr;
    t.OpenIndex = -1;
    t.Popup = nullptr;
    t.Selected = false;
    t.SelectedIn = nullptr;
    t.FirstMessageSeen = false;
}

void TrackingMenuSelect(TTrackedStrip& host, WPARAM wParam, LPARAM lParam)
{
    TMenuTrackingState& t = g_tracking;
    if (t.Host != &host)
        return;
    UINT const flags = HIWORD(wParam);
    auto* const menu = reinterpret_cast<HMENU>(lParam);
    if (flags == 0xFFFF && !menu) {
        if (!t.Switching)
            host.ClearMenuTracking();
        return;
    }
    t.Switching = false;
    t.Selected = true;
    t.SelectedIn = menu;
    t.SelectedHasPopup = (flags & MF_POPUP) != 0;
}

} // namespace tandrel
