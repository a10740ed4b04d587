#include "skin/menus/WinSkinPopMenu.h"

#include "framework/forms/Application.h"
#include "skin/data/SkinMessages.h"

#include <commctrl.h>

namespace tandrel {

namespace {
TWinSkinPopMenu* g_waiting = nullptr;
}

TWinSkinPopMenu* TWinSkinPopMenu::Waiting() { return g_waiting; }

void TWinSkinPopMenu::LearnMenu(HMENU menu)
{
    if (g_waiting && menu) {
        g_waiting->m_menu = menu;
        g_waiting = nullptr;
    }
}

void TWinSkinPopMenu::Attach(HWND window, TSkinData* skinData)
{
    m_window = window;
    m_skinData = skinData;
    m_subclassed = SetWindowSubclass(window, SubclassProc, kPopupSubclassId, reinterpret_cast<DWORD_PTR>(this)) != FALSE;
}

void TWinSkinPopMenu::Detach()
{
    if (m_subclassed && m_window)
        RemoveWindowSubclass(m_window, SubclassProc, kPopupSubclassId);
    m_subclassed = false;
    m_background.SetSize(0, 0);
    if (g_waiting == this)
        g_waiting = nullptr;
}

LRESULT CALLBACK TWinSkinPopMenu::SubclassProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                               DWORD_PTR data)
{
    auto* self = reinterpret_cast<TWinSkinPopMenu*>(data);
    try {
        switch (msg) {
        case WM_SKINQUERY:
            return 1;
        case WM_DESTROY:
            self->Detach();
            break;
        default:
            break;
        }
    } catch (...) {
        HandleCallbackException(self);
    }
    return DefSubclassProc(window, msg, wParam, lParam);
}

} // namespace tandrel
