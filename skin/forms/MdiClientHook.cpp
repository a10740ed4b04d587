#include "skin/forms/MdiClientHook.h"

#include "framework/core/SysUtils.h"
#include "skin/data/SkinHost.h"
#include "skin/data/SkinMessages.h"
#include "skin/data/WinSkinData.h"
#include "skin/menus/WinSkinMenu.h"

#include <commctrl.h>

#include <utility>

namespace tandrel {

TMdiClientHook::TMdiClientHook(TMdiFrameHost& frame, HWND client)
    : m_frame(frame)
    , m_client(client)
    , m_menuUpdateCopy(frame.SkinData()->MenuUpdate())
{
    m_subclass.Attach(client, *this);
}

TMdiClientHook::TFrameBusy::TFrameBusy(TMdiClientHook& hook) : m_frame(hook.m_frame) { m_frame.EnterHandler(); }

TMdiClientHook::TFrameBusy::~TFrameBusy() { m_frame.LeaveHandler(); }

TObject* TMdiClientHook::ExceptionSender() const { return dynamic_cast<TObject*>(&m_frame); }

LRESULT TMdiClientHook::Saved(UINT msg, WPARAM wParam, LPARAM lParam)
{
    return NextSubclassProc(m_client, msg, wParam, lParam);
}

bool TMdiClientHook::SkinsMenus() const { return m_frame.SkinData()->Skins(xcMainMenu); }

LRESULT TMdiClientHook::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_NCCALCSIZE: return OnNcCalcSize(wParam, lParam);
    case WM_MDICREATE: return OnMdiCreate(wParam, lParam);
    case WM_MDIDESTROY: return OnMdiDestroy(wParam, lParam);
    case WM_MDITILE:
    case WM_MDICASCADE: return OnMdiTileOrCascade(msg, wParam, lParam);
    case WM_MDISETMENU: return OnMdiSetMenu(wParam, lParam);
    case WM_MDIREFRESHMENU: return OnMdiRefreshMenu(wParam, lParam);
    case WM_NCDESTROY: return OnNcDestroy(wParam, lParam);
    default: return Saved(msg, wParam, lParam);
    }
}

// The skinned frame draws no scroll bars of the client's.
LRESULT TMdiClientHook::OnNcCalcSize(WPARAM wParam, LPARAM lParam)
{
    if (SkinsMenus()) {
        LONG_PTR const style = GetWindowLongPtrW(m_client, GWL_STYLE);
        SetWindowLongPtrW(m_client, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_HSCROLL | WS_VSCROLL));
    }
    return Saved(WM_NCCALCSIZE, wParam, lParam);
}

LRESULT TMdiClientHook::OnMdiCreate(WPARAM wParam, LPARAM lParam)
{
    m_frame.SkinData()->SetMenuUpdate(false);
    LRESULT const child = Saved(WM_MDICREATE, wParam, lParam);
    m_createdChild = reinterpret_cast<HWND>(child);
    return child;
}

LRESULT TMdiClientHook::OnMdiDestroy(WPARAM wParam, LPARAM lParam)
{
    LRESULT const result = Saved(WM_MDIDESTROY, wParam, lParam);
    TSkinHost* host = SkinHost();
    if (SkinsMenus() && host) {
        host->SetMdiMax(m_frame.ActiveMdiChildMaximized());
        if (TWinSkinMenu* bar = m_frame.MenuBar(); bar && host->CountMdiChildren() == 0) {
            m_frame.SkinData()->SetMenuUpdate(m_menuUpdateCopy);
            bar->BuildFromMenuObject();
        }
    }
    return result;
}

LRESULT TMdiClientHook::OnMdiTileOrCascade(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (TSkinHost* host = SkinHost(); host && SkinsMenus() && host->MdiMax())
        host->SetMdiMax(false);
    return Saved(msg, wParam, lParam);
}

LRESULT TMdiClientHook::OnMdiSetMenu(WPARAM wParam, LPARAM lParam)
{
    LRESULT const result = Saved(WM_MDISETMENU, wParam, lParam);
    if (!SkinsMenus())
        return result;
    HWND const frame = m_frame.Handle();
    TWinSkinMenu* bar = m_frame.MenuBar();
    if (wParam && bar && (reinterpret_cast<HMENU>(wParam) != bar->MenuHandle() || m_createdChild))
        bar->BuildFromGivenMenu(GetMenu(frame));
    if (GetMenu(frame))
        SetMenu(frame, nullptr);
    return result;
}

LRESULT TMdiClientHook::OnMdiRefreshMenu(WPARAM wParam, LPARAM lParam)
{
    LRESULT const result = Saved(WM_MDIREFRESHMENU, wParam, lParam);
    if (m_createdChild) {
        HWND const child = std::exchange(m_createdChild, nullptr);
        if (TSkinHost* host = SkinHost())
            host->SkinWindow(child);
        PostMessageW(m_frame.Handle(), WM_SKINPAINTFRAME, 0, 0);
    }
    return result;
}

LRESULT TMdiClientHook::OnNcDestroy(WPARAM wParam, LPARAM lParam)
{
    LRESULT const result = Saved(WM_NCDESTROY, wParam, lParam);
    Remove();
    return result;
}

} // namespace tandrel
