// The skinned window's procedure: three stages in front of the window's own
// procedure, and the form-level handler in front of a framework form's
// message handler.

#include "skin/forms/WinSkinForm.h"

#include "framework/forms/Application.h"
#include "skin/draw/SkinDraw.h"
#include "framework/core/ScopeGuard.h"
#include "skin/forms/WinSkinFormPrivate.h"
#include "skin/menus/MenuTracking.h"
#include "skin/menus/WinSkinMenu.h"
#include "skin/controls/SkinControl.h"

#include <commctrl.h>
#include <windowsx.h>
#include <utility>

namespace tandrel {

LRESULT TWinSkinForm::Saved(UINT msg, WPARAM wParam, LPARAM lParam)
{
    return NextSubclassProc(m_handle, msg, wParam, lParam);
}

// Stage 1: every window.
LRESULT TWinSkinForm::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_ERASEBKGND: return OnEraseBackground(wParam, lParam);
    case WM_STYLECHANGED: return OnStyleChanged(wParam, lParam);
    case WM_NCDESTROY: return OnNcDestroy(wParam, lParam);
    case WM_CTLCOLORBTN: return OnCtlColorButton(wParam, lParam);
    case WM_CTLCOLORSTATIC: return OnCtlColorStatic(wParam, lParam);
    case WM_SKINQUERY: return 1;
    case WM_TIMER:
        if (wParam == kLeaveTimerId)
            return OnLeaveTimer();
        break;
    default: break;
    }
    if (!m_skinData->Skins(xcMainMenu))
        return Saved(msg, wParam, lParam);
    return Stage2(msg, wParam, lParam);
}

// Stage 2: top-level windows and MDI children.
LRESULT TWinSkinForm::Stage2(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if ((m_look.Style & WS_CHILD) && m_formKind != fkMdiChild)
        return Saved(msg, wParam, lParam);
    switch (msg) {
    case WM_SIZE: return OnSize(wParam, lParam);
    case WM_ACTIVATE:
        m_look.Active = LOWORD(wParam) != WA_INACTIVE;
        break;
    case WM_NCACTIVATE:
        m_look.Active = wParam != FALSE;
        break;
    case WM_GETMINMAXINFO: return OnGetMinMaxInfo(wParam, lParam);
    case WM_WINDOWPOSCHANGED: return OnWindowPosChanged(wParam, lParam);
    case WM_COMMAND: return OnCommand(wParam, lParam);
    case WM_SYSCOMMAND: return OnSysCommand(wParam, lParam);
    case WM_SETTEXT:
        // A framework form's text arrives through the form-level handler.
        if (!m_formHook.Hooked)
            return OnSetText(wParam, lParam);
        break;
    case WM_SKINSTART: return OnSkinStart();
    case WM_DPICHANGED: return OnDpiChanged(wParam, lParam);
    case CM_MENUCHANGED: return OnMenuChanged(wParam, lParam);
    case WM_MENUSELECT: return OnMenuSelect(wParam, lParam);
    default: break;
    }
    return Stage3(msg, wParam, lParam);
}

// Stage 3: the skinned frame, while it is shown.
LRESULT TWinSkinForm::Stage3(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (IsMdiChildOutsideNormal() || m_look.State == fwsMinimized || m_skinState == ssAttached)
        return Saved(msg, wParam, lParam);
    switch (msg) {
    case WM_MEASUREITEM: return OnMeasureItem(wParam, lParam);
    case WM_DRAWITEM: return OnDrawItem(wParam, lParam);
    case WM_NCCALCSIZE: return OnNcCalcSize(wParam, lParam);
    case WM_NCHITTEST: return OnNcHitTest(wParam, lParam);
    case WM_NCPAINT: return OnNcPaint(wParam, lParam);
    case WM_NCACTIVATE: return OnNcActivate(wParam, lParam);
    case WM_NCMOUSEMOVE: return OnNcMouseMove(wParam, lParam);
    case WM_NCLBUTTONDOWN: return OnNcLButtonDown(wParam, lParam);
    case WM_NCLBUTTONUP: return OnNcLButtonUp(wParam, lParam);
    case WM_NCLBUTTONDBLCLK: return OnNcLButtonDblClk(wParam, lParam);
    case WM_NCRBUTTONDOWN: return OnNcRButtonDown(wParam, lParam);
    case WM_SKINPAINTFRAME:
        PaintFrame();
        return 0;
    default: return Saved(msg, wParam, lParam);
    }
}

LRESULT TWinSkinForm::OnEraseBackground(WPARAM wParam, LPARAM lParam)
{
    LRESULT const result = Saved(WM_ERASEBKGND, wParam, lParam);
    if (m_form || !m_skinData->ButtonFaceBrush)
        return result;
    RECT client {};
    GetClientRect(m_handle, &client);
    FillRect(reinterpret_cast<HDC>(wParam), &client, m_skinData->ButtonFaceBrush.Get());
    return 1;
}

LRESULT TWinSkinForm::OnStyleChanged(WPARAM wParam, LPARAM lParam)
{
    if (static_cast<int>(wParam) == GWL_STYLE && lParam)
        m_look.Style = static_cast<LONG_PTR>(reinterpret_cast<const STYLESTRUCT*>(lParam)->styleNew);
    return Saved(WM_STYLECHANGED, wParam, lParam);
}

LRESULT TWinSkinForm::OnNcDestroy(WPARAM wParam, LPARAM lParam)
{
    m_skinState = ssDetaching;
    Detach();
    LRESULT const result = NextSubclassProc(m_handle, WM_NCDESTROY, wParam, lParam);
    m_skinState = ssDetached;
    if (TSkinHost* host = SkinHost())
        host->RequestAction(saFreeClosed, m_skinData);
    return result;
}

LRESULT TWinSkinForm::OnCtlColorButton(WPARAM wParam, LPARAM lParam)
{
    LRESULT const result = Saved(WM_CTLCOLORBTN, wParam, lParam);
    if (!m_form)
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
    return result;
}

// Static text, check boxes, radio buttons and group boxes of a dialog ask
// here for their colours: those the dialog left to the system become the
// skin's face and text.
LRESULT TWinSkinForm::OnCtlColorStatic(WPARAM wParam, LPARAM lParam)
{
    LRESULT const result = Saved(WM_CTLCOLORSTATIC, wParam, lParam);
    if (m_form || !m_skinData->ButtonFaceBrush)
        return result;
    auto* const dc = reinterpret_cast<HDC>(wParam);
    auto* const brush = reinterpret_cast<HBRUSH>(result);
    bool const systemBrush = !brush || brush == GetSysColorBrush(COLOR_BTNFACE) || brush == GetSysColorBrush(COLOR_WINDOW);
    COLORREF const text = GetTextColor(dc);
    if (!systemBrush || (text != GetSysColor(COLOR_WINDOWTEXT) && text != GetSysColor(COLOR_BTNTEXT)))
        return result;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(m_skinData->ButtonTextColour));
    return reinterpret_cast<LRESULT>(m_skinData->ButtonFaceBrush.Get());
}

LRESULT TWinSkinForm::OnSetText(WPARAM wParam, LPARAM lParam)
{
    LRESULT const result = Saved(WM_SETTEXT, wParam, lParam);
    ReadText();
    RefreshFrame();
    return result;
}

LRESULT TWinSkinForm::OnSize(WPARAM wParam, LPARAM lParam)
{
    LRESULT const result = Saved(WM_SIZE, wParam, lParam);
    switch (wParam) {
    case SIZE_RESTORED: m_look.State = fwsNormal; break;
    case SIZE_MINIMIZED: m_look.State = fwsMinimized; break;
    case SIZE_MAXIMIZED: m_look.State = fwsMaximized; break;
    default: break;
    }
    if (m_look.State == fwsMinimized)
        return result;
    // A window that sizes itself before its skin starts (the system's file
    // dialog lays itself out so) keeps that client area once skinned. Only
    // a new window size counts: taking the menu bar off changes the client
    // area alone.
    if (m_skinState == ssAttached && m_look.State == fwsNormal) {
        RECT window {};
        GetWindowRect(m_handle, &window);
        SIZE const size {window.right - window.left, window.bottom - window.top};
        if (size.cx != m_record.WindowSize.cx || size.cy != m_record.WindowSize.cy) {
            m_record.WindowSize = size;
            GetClientRect(m_handle, &m_record.Client);
        }
    }
    if (m_formKind == fkMdiChild && (MdiMaxFlag() || m_look.State != fwsNormal))
        return result;
    if (m_skinState == ssSkinned || m_skinState == ssApplying)
        UpdateRegion();
    return result;
}

LRESULT TWinSkinForm::OnGetMinMaxInfo(WPARAM wParam, LPARAM lParam)
{
    LRESULT const result = Saved(WM_GETMINMAXINFO, wParam, lParam);
    ReadWindowState();
    if (m_look.State == fwsMinimized) {
        // The system shows a minimised window's caption buttons itself.
        SetCaptionButtonStyles(TCaptionStyles::csRestore);
    } else if (m_formKind != fkMdiChild) {
        SetCaptionButtonStyles(TCaptionStyles::csStrip);
    } else if (m_look.State == fwsNormal) {
        if (MdiMaxFlag())
            SkinHost()->SetMdiMax(false);
        SetCaptionButtonStyles(TCaptionStyles::csStrip);
    } else {
        SetCaptionButtonStyles(TCaptionStyles::csRestore);
    }
    if (auto* info = reinterpret_cast<MINMAXINFO*>(lParam))
        info->ptMaxTrackSize = {GetSystemMetrics(SM_CXMAXIMIZED), GetSystemMetrics(SM_CYMAXIMIZED)};
    return result;
}

LRESULT TWinSkinForm::OnWindowPosChanged(WPARAM wParam, LPARAM lParam)
{
    ReadWindowState();
    return Saved(WM_WINDOWPOSCHANGED, wParam, lParam);
}

// Commands chosen in the window's own system menu, shown by ShowSystemMenu,
// come back as WM_COMMAND; the system acts on them as WM_SYSCOMMAND.
LRESULT TWinSkinForm::OnCommand(WPARAM wParam, LPARAM lParam)
{
    switch (LOWORD(wParam)) {
    case SC_SIZE:
    case SC_MOVE:
    case SC_MINIMIZE:
    case SC_MAXIMIZE:
    case SC_NEXTWINDOW:
    case SC_PREVWINDOW:
    case SC_CLOSE:
    case SC_RESTORE:
        PostMessageW(m_handle, WM_SYSCOMMAND, LOWORD(wParam), 0);
        return 0;
    default:
        return Saved(WM_COMMAND, wParam, lParam);
    }
}

LRESULT TWinSkinForm::OnSysCommand(WPARAM wParam, LPARAM lParam)
{
    UINT const command = static_cast<UINT>(wParam & 0xFFF0);
    if (!m_menuTracking && command == SC_KEYMENU && lParam != 32 && lParam != 45 && !GetCapture()) {
        // The system's keyboard menu mode would track a menu bar the window
        // no longer has.
        if (lParam == 0 || (m_menuBar && m_menuBar->FindAccelerator(static_cast<wchar_t>(lParam))))
            return 1;
    }
    switch (command) {
    case SC_MINIMIZE:
        m_look.State = fwsMinimized;
        if (m_formKind == fkMdiChild)
            SetCaptionButtonStyles(TCaptionStyles::csRestore);
        break;
    case SC_MAXIMIZE:
        m_look.State = fwsMaximized;
        break;
    case SC_RESTORE:
        m_look.State = fwsNormal;
        if (m_formKind == fkMdiChild)
            SetCaptionButtonStyles(TCaptionStyles::csStrip);
        break;
    default:
        break;
    }
    return Saved(WM_SYSCOMMAND, wParam, lParam);
}

LRESULT TWinSkinForm::OnSkinStart()
{
    if (m_skinState != ssAttached)
        return 0;
    if (m_formKind == fkMdiChild && MdiMaxFlag()) {
        SetCaptionButtonStyles(TCaptionStyles::csRestore);
        RefreshFrame();
    } else if (m_look.State != fwsMinimized && m_look.Border != bcBorderless) {
        m_skinState = ssFitting;
        FitWindowToSkin(false);
        m_skinState = ssSkinned;
        UpdateRegion();
    }
    m_skinState = ssSkinned;
    StartLeaveTimer();
    return 0;
}

LRESULT TWinSkinForm::OnMenuChanged(WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    {
        std::uint8_t const paint = std::exchange(m_skinData->PaintFrames, 0);
        auto const restore = OnScopeExit([&] { m_skinData->PaintFrames = paint; });
        result = Saved(CM_MENUCHANGED, wParam, lParam);
    }
    if (m_menuBar && m_skinData->MenuUpdate() && GetMenu(m_handle))
        m_menuBar->BuildFromMenuHandle();
    return result;
}

LRESULT TWinSkinForm::OnNcCalcSize(WPARAM wParam, LPARAM lParam)
{
    Saved(WM_NCCALCSIZE, wParam, lParam);
    if (!wParam || !lParam)
        return 0;
    auto* p = reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam);
    if (IsMdiChildOutsideNormal() || m_look.Border == bcBorderless) {
        p->rgrc[1] = p->rgrc[0];
        return WVR_VALIDRECTS;
    }
    RECT client = p->rgrc[0];
    if (p->lppos) {
        TSkinRect const r = SkinnedClientRect(p->lppos->x, p->lppos->y, p->lppos->cx, p->lppos->cy, m_sizes);
        client = {r.Left, r.Top, r.Right, r.Bottom};
    }
    p->rgrc[0] = client;
    p->rgrc[1] = client;
    return WVR_VALIDRECTS;
}

LRESULT TWinSkinForm::OnNcHitTest(WPARAM wParam, LPARAM lParam)
{
    LRESULT const answer = Saved(WM_NCHITTEST, wParam, lParam);
    POINT const p = WindowPointOf({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    return SkinnedHitTest(static_cast<int>(answer), p.y, m_sizes.Caption);
}

LRESULT TWinSkinForm::OnNcPaint(WPARAM wParam, LPARAM lParam)
{
    if (!m_skinData->PaintFrames)
        return 0;
    if (IsMdiChildOutsideNormal() || m_look.Border == bcBorderless)
        return Saved(WM_NCPAINT, wParam, lParam);
    // The update region belongs to the system; the device context takes a
    // copy, and deletes it when released.
    HDC dc = nullptr;
    if (wParam > 1) {
        TOwnedRegion copy(CreateRectRgn(0, 0, 0, 0));
        if (copy && CombineRgn(copy.Get(), reinterpret_cast<HRGN>(wParam), nullptr, RGN_COPY) != ERROR) {
            dc = GetDCEx(m_handle, copy.Get(), DCX_WINDOW | DCX_INTERSECTRGN | DCX_CACHE);
            if (dc)
                copy.Release();
        }
    }
    if (dc) {
        PaintFrame(dc);
        ReleaseDC(m_handle, dc);
    } else {
        PaintFrame(nullptr);
    }
    return 0;
}

LRESULT TWinSkinForm::OnNcActivate(WPARAM wParam, LPARAM)
{
    m_look.Active = wParam != FALSE;
    if (m_look.Active) {
        StartLeaveTimer();
    } else {
        // Switching windows back and forth then sets no timer each way; the
        // tick owed does nothing.
        m_leaveTimer.StopAtNextTick();
        m_skinners.LeaveHot();
    }
    if (!IsMdiChildOutsideNormal())
        PaintFrame();
    return TRUE;
}

TNCObject* TWinSkinForm::HitElement(POINT p) const
{
    if (TWinSysButton* button = m_captionButtons.HitTest(p))
        return button;
    return m_menuBar ? m_menuBar->HitTest(p) : nullptr;
}

LRESULT TWinSkinForm::OnNcMouseMove(WPARAM wParam, LPARAM lParam)
{
    if (!m_look.Active)
        return 0;
    if (TNCObject* element = HitElement(WindowPointOf({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}))) {
        element->Hover();
        return 0;
    }
    if (m_hotObject)
        m_hotObject->Leave();
    return Saved(WM_NCMOUSEMOVE, wParam, lParam);
}

LRESULT TWinSkinForm::OnNcLButtonDown(WPARAM wParam, LPARAM lParam)
{
    // Only one menu loop runs at a time: a click that would open a strip
    // item while one is open (the switch to another item) waits for its end.
    if (tandrel::MenuTracking().Host) {
        EndMenu();
        PostMessageW(m_handle, WM_NCLBUTTONDOWN, wParam, lParam);
        return 0;
    }
    if (TNCObject* element = HitElement(WindowPointOf({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}))) {
        if (!m_look.Active)
            SetForegroundWindow(m_handle);
        element->Press();
        m_captionButtons.SetPressed(m_captionButtons.Find(element));
        if (m_menuBar)
            if (auto* item = m_menuBar->AsItem(element))
                m_menuBar->OpenItem(*item);
        return 0;
    }
    m_captionButtons.SetPressed(nullptr);
    // A maximised window is not dragged by its caption.
    if (m_look.State == fwsMaximized && m_look.Active && wParam == HTCAPTION)
        wParam = HTMENU;
    return Saved(WM_NCLBUTTONDOWN, wParam, lParam);
}

LRESULT TWinSkinForm::OnNcLButtonUp(WPARAM wParam, LPARAM lParam)
{
    POINT const screen {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    TNCObject* element = HitElement(WindowPointOf(screen));
    TWinSysButton* const pressed = m_captionButtons.Pressed();
    m_captionButtons.SetPressed(nullptr);
    if (!element)
        return Saved(WM_NCLBUTTONUP, wParam, lParam);
    // A release over another button than the pressed one does nothing.
    if (pressed && element == pressed && element == m_hotObject) {
        element->Release();
        CaptionButtonAction(screen.x, screen.y);
    }
    return 0;
}

LRESULT TWinSkinForm::OnNcLButtonDblClk(WPARAM, LPARAM)
{
    if (m_look.State != fwsNormal)
        RestoreWindow();
    else if (m_look.Availability & caMaximizeBox)
        ToggleMaximize();
    return 0;
}

LRESULT TWinSkinForm::OnNcRButtonDown(WPARAM wParam, LPARAM lParam)
{
    if (wParam == HTCAPTION && m_formKind != fkMdiChild) {
        ShowSystemMenu(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return 0;
    }
    return Saved(WM_NCRBUTTONDOWN, wParam, lParam);
}

LRESULT TWinSkinForm::OnLeaveTimer()
{
    if (!m_leaveTimer.Tick() || m_menuTracking)
        return 0;
    POINT cursor {};
    GetCursorPos(&cursor);
    if (m_hotObject) {
        POINT const p = WindowPointOf(cursor);
        if (!PtInRect(&m_hotObject->Rect, p))
            m_hotObject->Leave();
    }
    if (TSkinControl* hot = m_skinners.Hot(); !m_form && hot && !PtInRect(&hot->PaintRect(), cursor))
        m_skinners.LeaveHot();
    return 0;
}

void TWinSkinForm::FormWndProc(TMessage& m)
{
    switch (m.Msg) {
    case WM_SETTEXT:
        m_formHook.Saved(m);
        ReadText();
        RefreshFrame();
        return;
    case CM_DIALOGCHAR:
        if (CurrentShiftState() == ssAlt && m_menuBar)
            if (TMenuBtn* item = m_menuBar->FindAccelerator(static_cast<wchar_t>(m.WParam))) {
                m_menuBar->OpenItem(*item);
                m.Result = 1;
                return;
            }
        m_formHook.Saved(m);
        return;
    default:
        m_formHook.Saved(m);
        return;
    }
}

// The window moved to a screen of another density: the frame is measured,
// composed and cut again at it before the window takes the size the system
// suggests (a framework form takes it itself, and lays itself out again).
LRESULT TWinSkinForm::OnDpiChanged(WPARAM wParam, LPARAM lParam)
{
    int const dpi = SaneDpi(HIWORD(wParam));
    if (dpi != m_dpi) {
        m_dpi = dpi;
        MakeCaptionFont();
        if (m_sizes.MenuBar)
            m_sizes.MenuBar = MenuBarHeight();
        ComputeFrameGeometry();
        m_caption.DropBuffers();
        m_region.Width = m_region.Height = -1;
    }
    LRESULT const result = Saved(WM_DPICHANGED, wParam, lParam);
    // After the window's own handling, which may give it a small icon of
    // the new size.
    LoadFormIcon(m_caption.Icon);
    const auto* suggested = reinterpret_cast<const RECT*>(lParam);
    if (!m_form && suggested)
        SetWindowPos(m_handle, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                     suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
    RefreshFrame();
    // A later skin change fits the window to the client it has now, not to
    // the one it had at the old density.
    RECT window {};
    GetWindowRect(m_handle, &window);
    m_record.WindowSize = {window.right - window.left, window.bottom - window.top};
    GetClientRect(m_handle, &m_record.Client);
    UpdateRegion();
    return result;
}

} // namespace tandrel
