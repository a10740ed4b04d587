// What the skinned frame does: caption-button actions, the system menu,
// maximising, minimising and restoring, MDI children, and letting go of
// the window again.

#include "skin/forms/WinSkinForm.h"

#include "framework/forms/Application.h"
#include "framework/forms/Menus.h"
#include "skin/forms/WinSkinFormPrivate.h"
#include "skin/menus/WinSkinMenu.h"
#include "skin/controls/WinSubClass.h"

#include <commctrl.h>

#include <utility>

namespace tandrel {

void TWinSkinForm::CaptionButtonAction(int x, int y)
{
    auto* button = AsCaptionButton(m_hotObject);
    if (!button)
        return;
    switch (button->Object.Action) {
    case 0:
        StopLeaveTimer();
        PostMessageW(m_handle, WM_CLOSE, 0, 0);
        break;
    case 1:
    case 22: ToggleMaximize(); break;
    case 2:
    case 23: ToggleMinimize(); break;
    case 3:
    case 11:
    case 12: ShowSystemMenu(x + 1, y + 1); break;
    case 7:
    case 60: MdiChildCommand(SC_MINIMIZE); break;
    case 8:
    case 61: MdiChildCommand(SC_RESTORE); break;
    case 9:
    case 62: MdiChildCommand(SC_CLOSE); break;
    default:
        PostMessageW(m_handle, WM_SKINQUERY, static_cast<WPARAM>(button->Object.Action), 0);
        break;
    }
}

// The state is set before the posted command arrives, so a second click
// that comes first already sees the new state.
void TWinSkinForm::ToggleMaximize()
{
    if (m_windowState == fwsMaximized) {
        RestoreWindow();
        return;
    }
    m_windowState = fwsMaximized;
    PostMessageW(m_handle, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    if (m_hotObject)
        m_hotObject->State = ncsNormal;
    m_hotObject = nullptr;
}

void TWinSkinForm::ToggleMinimize()
{
    if (m_windowState == fwsMinimized) {
        RestoreWindow();
        return;
    }
    m_windowState = fwsMinimized;
    PostMessageW(m_handle, WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

void TWinSkinForm::RestoreWindow()
{
    m_windowState = fwsNormal;
    PostMessageW(m_handle, WM_SYSCOMMAND, SC_RESTORE, 0);
}

void TWinSkinForm::MdiChildCommand(UINT command)
{
    if (m_formKind != fkMdiFrame || !m_mdiClient)
        return;
    HWND active = reinterpret_cast<HWND>(SendMessageW(m_mdiClient, WM_MDIGETACTIVE, 0, 0));
    if (active)
        SendMessageW(active, WM_SYSCOMMAND, command, 0);
    if (MdiMaxFlag() && !ActiveMdiChildMaximized())
        SkinHost()->SetMdiMax(false);
}

void TWinSkinForm::ShowSystemMenu(int x, int y)
{
    if (m_systemMenuObject) {
        TMenuItem& items = m_systemMenuObject->Items();
        for (int i = 0; i < items.Count(); ++i) {
            TMenuItem& item = *items.Items(i);
            switch (item.Tag()) {
            case 0: item.SetEnabled(m_windowState != fwsNormal); break;
            case 1: item.SetEnabled(m_windowState != fwsMaximized); break;
            case 2: item.SetEnabled(m_windowState != fwsMinimized); break;
            default: break;
            }
        }
    }
    // A second right-click within the double-click time closes the window.
    DWORD const now = GetTickCount();
    if (now - m_lastRightClick <= m_doubleClickTime) {
        StopLeaveTimer();
        PostMessageW(m_handle, WM_CLOSE, 0, 0);
        return;
    }
    m_lastRightClick = now;
    // The menu's loop may end this object's hold on the window; the object
    // itself stays until the loop is over.
    TBusyScope const busy(*this);
    if (m_skinData->Skins(xcSystemMenu) && m_formKind != fkMdiChild && m_systemMenuObject)
        m_systemMenuObject->Popup(x, y);
    else if (HMENU menu = GetSystemMenu(m_handle, FALSE))
        TrackPopupMenu(menu, TPM_RIGHTBUTTON, x, y, 0, m_handle, nullptr);
}

void TWinSkinForm::SystemMenuClick(int tag)
{
    switch (tag) {
    case 0: RestoreWindow(); break;
    case 1: ToggleMaximize(); break;
    case 2: ToggleMinimize(); break;
    case 3:
        StopLeaveTimer();
        PostMessageW(m_handle, WM_CLOSE, 0, 0);
        break;
    default: break;
    }
}

// While an MDI child is maximised the system shows it its own way, and the
// frame's menu strip carries the MDI buttons.
void TWinSkinForm::MdiMaximizedChanged(bool maximized)
{
    if (maximized) {
        RemoveRegion();
        SetCaptionButtonStyles(TCaptionStyles::csRestore);
        // The region came off without a redraw and the system frame is back:
        // what the old shape hid must be painted now.
        RefreshFrame();
        RedrawWindow(m_handle, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        return;
    }
    if (m_windowState == fwsMinimized) {
        SetCaptionButtonStyles(TCaptionStyles::csRestore);
        return;
    }
    m_windowState = fwsNormal;
    UpdateRegion();
    SetCaptionButtonStyles(TCaptionStyles::csStrip);
    if (!m_hasRegion)
        RefreshFrame();
}

LRESULT CALLBACK TWinSkinForm::MdiClientProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                             DWORD_PTR data)
{
    auto* self = reinterpret_cast<TWinSkinForm*>(data);
    TBusyScope const busy(*self);
    try {
        return self->MdiClientWindowProc(window, msg, wParam, lParam);
    } catch (...) {
        HandleCallbackException(self);
    }
    return DefSubclassProc(window, msg, wParam, lParam);
}

LRESULT TWinSkinForm::MdiClientWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    bool const menus = m_skinData->Skins(xcMainMenu);
    switch (msg) {
    case WM_NCCALCSIZE:
        if (menus) {
            LONG_PTR const style = GetWindowLongPtrW(window, GWL_STYLE);
            SetWindowLongPtrW(window, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_HSCROLL | WS_VSCROLL));
        }
        return DefSubclassProc(window, msg, wParam, lParam);
    case WM_MDICREATE: {
        m_skinData->SetMenuUpdate(false);
        LRESULT const child = DefSubclassProc(window, msg, wParam, lParam);
        m_createdMdiChild = reinterpret_cast<HWND>(child);
        return child;
    }
    case WM_MDIDESTROY: {
        LRESULT const result = DefSubclassProc(window, msg, wParam, lParam);
        if (TSkinHost* host = SkinHost(); menus && host) {
            host->SetMdiMax(ActiveMdiChildMaximized());
            if (m_menuBar && host->CountMdiChildren() == 0) {
                m_skinData->SetMenuUpdate(m_menuUpdateCopy);
                m_menuBar->BuildFromMenuObject();
            }
        }
        return result;
    }
    case WM_MDITILE:
    case WM_MDICASCADE:
        if (menus && MdiMaxFlag())
            SkinHost()->SetMdiMax(false);
        return DefSubclassProc(window, msg, wParam, lParam);
    case WM_MDISETMENU: {
        LRESULT const result = DefSubclassProc(window, msg, wParam, lParam);
        if (menus && wParam && m_menuBar &&
            (reinterpret_cast<HMENU>(wParam) != m_menuBar->MenuHandle() || m_createdMdiChild))
            m_menuBar->BuildFromGivenMenu(GetMenu(m_handle));
        if (menus && GetMenu(m_handle))
            ::SetMenu(m_handle, nullptr);
        return result;
    }
    case WM_MDIREFRESHMENU: {
        LRESULT const result = DefSubclassProc(window, msg, wParam, lParam);
        if (m_createdMdiChild) {
            HWND const child = std::exchange(m_createdMdiChild, nullptr);
            if (TSkinHost* host = SkinHost())
                host->SkinWindow(child);
            PostMessageW(m_handle, WM_SKINPAINTFRAME, 0, 0);
        }
        return result;
    }
    case WM_NCDESTROY: {
        LRESULT const result = DefSubclassProc(window, msg, wParam, lParam);
        RemoveMdiClientSubclass();
        return result;
    }
    default:
        return DefSubclassProc(window, msg, wParam, lParam);
    }
}

// What unskinning and detaching share: the system menu and the timer go;
// an initialised object also puts back the handlers it replaced and frees
// its control skinners. False when there was nothing to put back.
bool TWinSkinForm::ReleaseHandlers()
{
    FreeSystemMenu();
    StopLeaveTimer();
    if (!m_subclassed && !m_formHooked)
        return false;
    UnhookForm();
    RemoveSubclass();
    FreeSkinners();
    return true;
}

// A menu bar whose popup is open (its loop runs further up the stack) is
// kept until the object goes; others go at once.
void TWinSkinForm::RetireMenuBar()
{
    if (Busy())
        m_retiredMenuBar = std::move(m_menuBar);
    else
        m_menuBar.reset();
}

void TWinSkinForm::Unskin()
{
    if (!m_skinData->Skins(xcMainMenu)) {
        UnskinLight();
        return;
    }
    if (!ReleaseHandlers())
        return;
    if (m_form)
        RestoreFormColour();
    bool const alive = IsWindow(m_handle) != FALSE;
    if (alive)
        SetCaptionButtonStyles(TCaptionStyles::csRestore);
    if (m_menuBar) {
        if (alive)
            m_menuBar->GiveMenuBack();
        RetireMenuBar();
    }
    RemoveMdiClientSubclass();
    m_captionBuffer.SetSize(0, 0);
    if (alive && m_skinState != ssDetaching && (!(m_style & WS_CHILD) || m_formKind == fkMdiChild)) {
        RECT window {};
        GetWindowRect(m_handle, &window);
        TSkinSize const size = UnskinnedWindowSize(window.right - window.left, window.bottom - window.top, m_sizes,
                                                   m_ncExtent.cx, m_ncExtent.cy);
        // The window keeps its place, in its parent's coordinates for an MDI child.
        SetWindowPos(m_handle, nullptr, 0, 0, size.Width, size.Height,
                     SWP_NOMOVE | SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER);
    }
    if (alive && m_hasRegion)
        SetWindowRgn(m_handle, nullptr, TRUE);
    m_hasRegion = false;
    m_regionWidth = m_regionHeight = -1;
    m_hotObject = nullptr;
    m_buttons.clear();
}

void TWinSkinForm::UnskinLight()
{
    StopLeaveTimer();
    FreeSkinners();
    if (m_form)
        RestoreFormColour();
    UnhookForm();
    RemoveSubclass();
    RemoveMdiClientSubclass();
    if (m_form)
        for (int i = 0; i < m_form->ComponentCount(); ++i)
            if (auto* control = dynamic_cast<TControl*>(m_form->Components(i)))
                control->Invalidate();
    // Minimising and restoring makes the system rebuild the whole window; a
    // hidden window is left hidden.
    if (m_skinState != ssDetaching && IsWindow(m_handle) && IsWindowVisible(m_handle)) {
        ShowWindow(m_handle, SW_MINIMIZE);
        ShowWindow(m_handle, SW_RESTORE);
    }
}

void TWinSkinForm::Detach()
{
    if (!m_skinData || !m_skinData->Skins(xcMainMenu)) {
        UnskinLight();
        return;
    }
    if (!ReleaseHandlers())
        return;
    if (m_menuBar) {
        // A framework form's menu object owns its menu; a plain window's
        // menu goes back, so that the window destroys it with itself.
        if (!m_form && IsWindow(m_handle))
            m_menuBar->GiveMenuBack();
        RetireMenuBar();
    }
    RemoveMdiClientSubclass();
    m_captionBuffer.SetSize(0, 0);
}

} // namespace tandrel
