// A windowed control's messages: the handler every message goes through,
// the mouse messages it hands to windowless children, painting, focus and
// keys, and the notifications it reflects back to the child that sent them.

#include "framework/controls/WinControl.h"

#include "framework/core/ScopeGuard.h"
#include "framework/core/SysUtils.h"

#include <windowsx.h>

#include <algorithm>

namespace tandrel {

namespace {

bool IsClientMouseMessage(UINT msg) { return msg >= WM_MOUSEMOVE && msg <= WM_MBUTTONDBLCLK; }

// Private notifications never reach a window procedure of the system.
bool IsFrameworkNotification(UINT msg) { return msg >= CM_BASE && msg < CM_BASE + 0x1000; }

HWND ReflectionTarget(HWND self, const TMessage& m)
{
    switch (m.Msg) {
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
        return reinterpret_cast<HWND>(m.LParam);
    case WM_NOTIFY:
        return m.LParam ? reinterpret_cast<NMHDR*>(m.LParam)->hwndFrom : nullptr;
    case WM_DRAWITEM: {
        auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam);
        return item && item->CtlType != ODT_MENU ? item->hwndItem : nullptr;
    }
    case WM_MEASUREITEM: {
        auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam);
        return item && item->CtlType != ODT_MENU ? GetDlgItem(self, static_cast<int>(item->CtlID)) : nullptr;
    }
    default:
        if (m.Msg >= WM_CTLCOLORMSGBOX && m.Msg <= WM_CTLCOLORSTATIC)
            return reinterpret_cast<HWND>(m.LParam);
        return nullptr;
    }
}

} // namespace

void TWinControl::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case WM_PAINT: return OnPaint(m);
    case WM_ERASEBKGND: return OnEraseBackground(m);
    case WM_SETCURSOR: return OnSetCursor(m);
    case WM_WINDOWPOSCHANGED: return OnWindowPosChanged(m);
    case WM_NCDESTROY: return OnNcDestroy(m);
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: return OnReflectedMessage(m);
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORSTATIC:
    case CN_CTLCOLORBTN:
    case CN_CTLCOLORLISTBOX:
    case CN_CTLCOLORSCROLLBAR: return OnCtlColor(m);
    case WM_SETFOCUS: return OnSetFocusMessage(m);
    case WM_KILLFOCUS: return OnKillFocusMessage(m);
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: return OnKeyDownMessage(m);
    case WM_KEYUP:
    case WM_SYSKEYUP: return OnKeyUpMessage(m);
    case WM_CHAR: return OnCharMessage(m);
    case CM_EXIT: return DoExit();
    case CN_COMMAND:
        ReflectedCommand(HIWORD(m.WParam), LOWORD(m.WParam));
        m.Result = 0;
        return;
    case CN_NOTIFY: m.Result = m.LParam ? ReflectedNotify(*reinterpret_cast<NMHDR*>(m.LParam)) : 0; return;
    case WM_SYSCOLORCHANGE:
        SystemColoursChanged();
        Invalidate();
        return DefaultHandler(m);
    case WM_MOUSELEAVE:
        m_trackingLeave = false;
        DefaultHandler(m);
        UpdateMouseControl();
        return;
    default:
        if (IsClientMouseMessage(m.Msg))
            return OnMouseMessage(m);
        return TControl::WndProc(m);
    }
}

void TWinControl::ReflectedCommand(WORD, WORD) {}

LRESULT TWinControl::ReflectedNotify(NMHDR&) { return 0; }

void TWinControl::DefaultHandler(TMessage& m)
{
    if (!m_handle || IsFrameworkNotification(m.Msg))
        return;
    m.Result = CallWindowProcW(m_defWndProc, m_handle, m.Msg, m.WParam, m.LParam);
}

void TWinControl::OnMouseMessage(TMessage& m)
{
    if (m.Msg == WM_MOUSEMOVE && !m_trackingLeave && m_handle) {
        TRACKMOUSEEVENT track {sizeof track, TME_LEAVE, m_handle, 0};
        m_trackingLeave = TrackMouseEvent(&track) != FALSE;
    }
    if (!IsControlMouseMsg(m))
        TControl::WndProc(m);
    if (m.Msg == WM_MOUSEMOVE)
        MouseMovedOver(m);
}

// A move that reaches this window with no button held comes from the pointer
// over it, so the control under the pointer is known without asking the
// system (the pointer position and the window under it are a round trip to
// the server each, and the position one to the X server under Wine). Only a
// change, or a held button, which may mean a capture and the pointer
// elsewhere, is left to UpdateMouseControl.
void TWinControl::MouseMovedOver(const TMessage& m)
{
    const POINT p {GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
    const RECT client = ClientRect();
    if (!(m.WParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) && PtInRect(&client, p)) {
        TControl* under = ControlAtPos(p, false);
        if ((under ? under : this) == MouseControl())
            return;
    }
    UpdateMouseControl();
}

bool TWinControl::HasWindowlessChildren() const
{
    return std::any_of(m_controls.begin(), m_controls.end(),
                       [](TControl* c) { return !dynamic_cast<TWinControl*>(c); });
}

bool TWinControl::IsControlMouseMsg(TMessage& m)
{
    // Only windowless children take their mouse messages through this window
    // (and only they are ever the framework's capture control).
    if (!HasWindowlessChildren())
        return false;
    TControl* target = nullptr;
    TControl* captured = CaptureControl();
    if (m_handle && GetCapture() == m_handle) {
        if (captured && captured->Parent() == this)
            target = captured;
    } else {
        target = ControlAtPos({GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)}, false);
    }
    if (!target)
        return false;
    const int x = GET_X_LPARAM(m.LParam) - target->Left();
    const int y = GET_Y_LPARAM(m.LParam) - target->Top();
    m.Result = target->Perform(m.Msg, m.WParam, MAKELPARAM(x, y));
    return true;
}

void TWinControl::OnPaint(TMessage& m)
{
    if (!IsOwnClass())
        return DefaultHandler(m);
    HDC given = reinterpret_cast<HDC>(m.WParam);
    if (given) {
        PaintWindow(given);
        PaintControls(given);
        return;
    }
    TPaintDC paint(m_handle);
    if (!m_doubleBuffered) {
        PaintWindow(paint.Get());
        PaintControls(paint.Get());
        return;
    }
    // Compose off-screen and copy once, so nothing flickers.
    RECT client = ClientRect();
    TOwnedDC memory(CreateCompatibleDC(paint.Get()));
    TOwnedBitmap buffer(CreateCompatibleBitmap(paint.Get(), std::max<LONG>(client.right, 1), std::max<LONG>(client.bottom, 1)));
    if (!memory || !buffer) {
        PaintWindow(paint.Get());
        PaintControls(paint.Get());
        return;
    }
    TSelectObject select(memory.Get(), buffer.Get());
    Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory.Get()), reinterpret_cast<LPARAM>(memory.Get()));
    Perform(WM_PAINT, reinterpret_cast<WPARAM>(memory.Get()), 0);
    const RECT& r = paint.PaintRect();
    BitBlt(paint.Get(), r.left, r.top, r.right - r.left, r.bottom - r.top, memory.Get(), r.left, r.top, SRCCOPY);
}

void TWinControl::OnEraseBackground(TMessage& m)
{
    if (!IsOwnClass())
        return DefaultHandler(m);
    // Double-buffered windows erase only into their buffer (WParam == LParam).
    if (m_doubleBuffered && m.WParam != static_cast<WPARAM>(m.LParam)) {
        m.Result = 1;
        return;
    }
    RECT client = ClientRect();
    ::FillRect(reinterpret_cast<HDC>(m.WParam), &client, m_brush.Handle());
    m.Result = 1;
}

void TWinControl::OnCtlColor(TMessage& m)
{
    HDC dc = reinterpret_cast<HDC>(m.WParam);
    SetTextColor(dc, ColorToRGB(Font().Color()));
    SetBkColor(dc, ColorToRGB(Color()));
    m.Result = reinterpret_cast<LRESULT>(m_brush.Handle());
}

void TWinControl::OnReflectedMessage(TMessage& m)
{
    HWND target = ReflectionTarget(m_handle, m);
    TWinControl* child = target && target != m_handle ? FindControl(target) : nullptr;
    if (!child)
        return DefaultHandler(m);
    m.Result = child->Perform(CN_BASE + m.Msg, m.WParam, m.LParam);
}

void TWinControl::OnSetCursor(TMessage& m)
{
    if (ApplicationCursor() != crDefault) {
        ::SetCursor(CursorHandle(ApplicationCursor()));
        m.Result = 1;
        return;
    }
    if (LOWORD(m.LParam) == HTCLIENT && reinterpret_cast<HWND>(m.WParam) == m_handle) {
        POINT p;
        GetCursorPos(&p);
        TControl* under = ControlAtPos(ScreenToClient(p), false);
        TCursor cursor = under && under->Cursor() != crDefault ? under->Cursor() : Cursor();
        if (cursor != crDefault) {
            ::SetCursor(CursorHandle(cursor));
            m.Result = 1;
            return;
        }
    }
    DefaultHandler(m);
}

void TWinControl::OnWindowPosChanged(TMessage& m)
{
    UpdateBoundsFromWindow();
    DefaultHandler(m);
}

void TWinControl::OnSetFocusMessage(TMessage& m)
{
    TWinControl* top = this;
    while (top->Parent())
        top = top->Parent();
    if (top != this)
        top->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(this));
    DefaultHandler(m);
    DoEnter();
}

// CM_EXIT goes through WindowProc once the system has taken the focus away,
// so that a replaced handler sees the control without its focus look.
void TWinControl::OnKillFocusMessage(TMessage& m)
{
    DefaultHandler(m);
    Perform(CM_EXIT);
}

void TWinControl::OnKeyDownMessage(TMessage& m)
{
    WORD key = static_cast<WORD>(m.WParam);
    KeyDown(key, CurrentShiftState());
    if (key)
        DefaultHandler(m);
}

void TWinControl::OnKeyUpMessage(TMessage& m)
{
    WORD key = static_cast<WORD>(m.WParam);
    KeyUp(key, CurrentShiftState());
    if (key)
        DefaultHandler(m);
}

void TWinControl::OnCharMessage(TMessage& m)
{
    wchar_t key = static_cast<wchar_t>(m.WParam);
    KeyPress(key);
    if (key) {
        m.WParam = key;
        DefaultHandler(m);
    }
}

void TWinControl::KeyDown(WORD& key, TShiftState shift)
{
    if (OnKeyDown)
        OnKeyDown(this, key, shift);
}

void TWinControl::KeyUp(WORD& key, TShiftState shift)
{
    if (OnKeyUp)
        OnKeyUp(this, key, shift);
}

void TWinControl::KeyPress(wchar_t& key)
{
    if (OnKeyPress)
        OnKeyPress(this, key);
}

void TWinControl::DoEnter()
{
    if (OnEnter && !IsDestroying())
        OnEnter(this);
}

// A window that loses the focus because it is going away tells nobody.
void TWinControl::DoExit()
{
    if (OnExit && !IsDestroying())
        OnExit(this);
}

void TWinControl::OnNcDestroy(TMessage& m)
{
    if (CaptureControl() && CaptureControl()->Parent() == this)
        SetCaptureControl(nullptr);
    DefaultHandler(m);
}

} // namespace tandrel
