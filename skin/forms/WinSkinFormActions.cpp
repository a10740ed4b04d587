// What the skinned frame does: caption-button actions, the system menu,
// maximising, minimising and restoring, MDI children, and letting go of
// the window again.

#include "skin/forms/WinSkinForm.h"

#include "framework/forms/Application.h"
#include "framework/forms/Menus.h"
#include "skin/forms/MdiClientHook.h"
#include "skin/forms/WinSkinFormPrivate.h"
#include "skin/menus/WinSkinMenu.h"
#include "skin/controls/SkinControl.h"

#include <commctrl.h>

#include <utility>

namespace tandrel {

void TWinSkinForm::CaptionButtonAction(int x, int y)
{
    TWinSysButton* button = m_captionButtons.Find(m_hotObject);
    if (!button)
        return;
    switch (button->Object.Action) {
    case caClose:
        StopLeaveTimer();
        PostMessageW(m_handle, WM_CLOSE, 0, 0);
        break;
    case caMaximize:
    case caMaximizeAlt: ToggleMaximize(); break;
    case caMinimize:
    case caMinimizeAlt: ToggleMinimize(); break;
    case caSystemMenu:
    case caSystemMenuIcon:
    case caSystemMenuPlain: ShowSystemMenu(x + 1, y + 1); break;
    case caMdiMinimize:
    case caMdiMinimizeAlt: MdiChildCommand(SC_MINIMIZE); break;
    case caMdiRestore:
    case caMdiRestoreAlt: MdiChildCommand(SC_RESTORE); break;
    case caMdiClose:
    case caMdiCloseAlt: MdiChildCommand(SC_CLOSE); break;
    default:
        PostMessageW(m_handle, WM_SKINQUERY, static_cast<WPARAM>(button->Object.Action), 0);
        break;
    }
}

// The state is set before the posted command arrives, so a second click
// that comes first already sees the new state.
void TWinSkinForm::ToggleMaximize()
{
    if (m_look.State == fwsMaximized) {
        RestoreWindow();
        return;
    }
    m_look.State = fwsMaximized;
    PostMessageW(m_handle, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    if (m_hotObject)
        m_hotObject->State = ncsNormal;
    m_hotObject = nullptr;
}

void TWinSkinForm::ToggleMinimize()
{
    if (m_look.State == fwsMinimized) {
        RestoreWindow();
        return;
    }
    m_look.State = fwsMinimized;
    PostMessageW(m_handle, WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

void TWinSkinForm::RestoreWindow()
{
    m_look.State = fwsNormal;
    PostMessageW(m_handle, WM_SYSCOMMAND, SC_RESTORE, 0);
}

void TWinSkinForm::MdiChildCommand(UINT command)
{
    if (m_formKind != fkMdiFrame || !MdiClient())
        return;
    HWND active = reinterpret_cast<HWND>(SendMessageW(MdiClient(), WM_MDIGETACTIVE, 0, 0));
    if (active)
        SendMessageW(active, WM_SYSCOMMAND, command, 0);
    if (MdiMaxFlag() && !ActiveMdiChildMaximized())
        SkinHost()->SetMdiMax(false);
}

void TWinSkinForm::ShowSystemMenu(int x, int y)
{
    if (m_systemMenu) {
        TMenuItem& items = m_systemMenu->Items();
        for (int i = 0; i < items.Count(); ++i) {
            TMenuItem& item = *items.Items(i);
            switch (item.Tag()) {
            case smRestore: item.SetEnabled(m_look.State != fwsNormal); break;
            case smMaximize: item.SetEnabled(m_look.State != fwsMaximized); break;
            case smMinimize: item.SetEnabled(m_look.State != fwsMinimized); break;
            default: break;
            }
        }
    }
    // A second right-click within the double-click time closes the window.
    DWORD const now = GetTickCount();
    if (now - m_rightClick.Last <= m_rightClick.DoubleClickTime) {
        StopLeaveTimer();
        PostMessageW(m_handle, WM_CLOSE, 0, 0);
        return;
    }
    m_rightClick.Last = now;
    // The menu's loop may end this object's hold on the window; the object
    // itself stays until the loop is over.
    TBusyScope const busy(*this);
    if (m_skinData->Skins(xcSystemMenu) && m_formKind != fkMdiChild && m_systemMenu)
        m_systemMenu->Popup(x, y);
    else if (HMENU menu = GetSystemMenu(m_handle, FALSE))
        TrackPopupMenu(menu, TPM_RIGHTBUTTON, x, y, 0, m_handle, nullptr);
}

void TWinSkinForm::SystemMenuClick(int tag)
{
    switch (tag) {
    case smRestore: RestoreWindow(); break;
    case smMaximize: ToggleMaximize(); break;
    case smMinimize: ToggleMinimize(); break;
    case smClose:
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
    if (m_look.State == fwsMinimized) {
        SetCaptionButtonStyles(TCaptionStyles::csRestore);
        return;
    }
    m_look.State = fwsNormal;
    UpdateRegion();
    SetCaptionButtonStyles(TCaptionStyles::csStrip);
    if (!m_region.Set)
        RefreshFrame();
}

// What unskinning and detaching share: the system menu and the timer go;
// an initialised object also puts back the handlers it replaced and frees
// its control skinners. False when there was nothing to put back.
bool TWinSkinForm::ReleaseHandlers()
{
    SetPopupOwnerDraw(false);
    m_systemMenu.reset();
    StopLeaveTimer();
    if (!m_subclass.Attached() && !m_formHook.Hooked)
        return false;
    UnhookForm();
    RemoveSubclass();
    m_skinners.Clear();
    return true;
}

// A menu strip whose popup is open, or the MDI client's hook whose
// procedure runs, belongs to a loop further up the stack: it is kept until
// the object goes. Others go at once.
void TWinSkinForm::RetireMenuBar()
{
    if (Busy())
        m_deferred.RetiredMenuBar = std::move(m_menuBar);
    else
        m_menuBar.reset();
}

void TWinSkinForm::RetireMdiClientHook()
{
    if (!m_mdiClient)
        return;
    m_mdiClient->Remove();
    if (Busy())
        m_deferred.RetiredMdiClient = std::move(m_mdiClient);
    else
        m_mdiClient.reset();
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
    RetireMdiClientHook();
    m_caption.DropBuffers();
    if (alive && m_skinState != ssDetaching && (!(m_look.Style & WS_CHILD) || m_formKind == fkMdiChild)) {
        RECT window {};
        GetWindowRect(m_handle, &window);
        TSkinSize const size = UnskinnedWindowSize(window.right - window.left, window.bottom - window.top, m_sizes,
                                                   m_record.NcExtent.cx, m_record.NcExtent.cy);
        // The window keeps its place, in its parent's coordinates for an MDI child.
        SetWindowPos(m_handle, nullptr, 0, 0, size.Width, size.Height,
                     SWP_NOMOVE | SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER);
    }
    if (alive && m_region.Set)
        SetWindowRgn(m_handle, nullptr, TRUE);
    m_region.Set = false;
    m_region.Width = m_region.Height = -1;
    m_captionButtons.Clear();
    m_hotObject = nullptr;
}

void TWinSkinForm::UnskinLight()
{
    SetPopupOwnerDraw(false);
    StopLeaveTimer();
    m_skinners.Clear();
    if (m_form)
        RestoreFormColour();
    UnhookForm();
    RemoveSubclass();
    RetireMdiClientHook();
    // A form that is being destroyed needs no repainting.
    if (m_form && !m_form->IsDestroying())
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
    RetireMdiClientHook();
    m_caption.DropBuffers();
}

} // namespace tandrel
