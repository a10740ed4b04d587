#include "framework/controls/WinControl.h"

#include "framework/core/ScopeGuard.h"

#include "framework/core/Publisher.h"
#include "framework/core/SysUtils.h"

#include <windowsx.h>

#include <algorithm>
#include <map>
#include <unordered_map>

namespace tandrel {

namespace {

// Windows of the GUI thread and the objects behind them.
std::unordered_map<HWND, TWinControl*> g_windows;
// The control whose window CreateWindowEx is making right now: its first
// messages arrive before CreateWindowEx returns the handle.
TWinControl* g_creating = nullptr;
UINT_PTR g_nextChildId = 100;

// Registers the window class once and answers the procedure that messages
// nobody handles go to.
WNDPROC RegisterFrameworkClass(const TCreateParams& params)
{
    static std::map<std::wstring, WNDPROC> registered;
    auto it = registered.find(params.WinClassName);
    if (it != registered.end())
        return it->second;

    WNDCLASSEXW wc {};
    wc.cbSize = sizeof wc;
    WNDPROC defProc = DefWindowProcW;
    if (!params.BaseClassName.empty()) {
        if (!GetClassInfoExW(nullptr, params.BaseClassName.c_str(), &wc))
            RaiseLastOSError("GetClassInfoEx");
        defProc = wc.lpfnWndProc;
        wc.style &= ~CS_GLOBALCLASS;
    } else {
        wc.style = params.WindowClassStyle;
        wc.hCursor = params.ClassCursor ? params.ClassCursor : LoadCursorW(nullptr, IDC_ARROW);
    }
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = FrameworkWndProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = params.WinClassName.c_str();
    if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        RaiseLastOSError("RegisterClassEx");
    registered.emplace(params.WinClassName, defProc);
    return defProc;
}

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

LRESULT CALLBACK FrameworkWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    TWinControl* control = TWinControl::FindControl(window);
    if (!control) {
        if (!g_creating)
            return DefWindowProcW(window, msg, wParam, lParam);
        control = std::exchange(g_creating, nullptr);
        control->m_handle = window;
        g_windows[window] = control;
    }
    TMessage m {msg, wParam, lParam, 0};
    try {
        control->WindowProc(m);
    } catch (...) {
        HandleCallbackException(control);
    }
    if (msg == WM_NCDESTROY) {
        g_windows.erase(window);
        if (control->m_handle == window)
            control->m_handle = nullptr;
    }
    return m.Result;
}

const TClassInfo& TWinControl::StaticClassInfo()
{
    static const TClassInfo info = [] {
        TClassInfo i("TWinControl", &TControl::StaticClassInfo());
        TPublisher<TWinControl>(i)
            .Integer("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder)
            .Boolean("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop)
            .Boolean("DoubleBuffered", &TWinControl::DoubleBuffered, &TWinControl::SetDoubleBuffered)
            .Event("OnEnter", &TWinControl::OnEnter)
            .Event("OnExit", &TWinControl::OnExit)
            .Event("OnKeyDown", &TWinControl::OnKeyDown)
            .Event("OnKeyUp", &TWinControl::OnKeyUp)
            .Event("OnKeyPress", &TWinControl::OnKeyPress);
        return i;
    }();
    return info;
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner)
{
    m_brush.SetColor(Color());
}

TWinControl::~TWinControl()
{
    Destroying();
    // Leave the parent's lists while this is still a TWinControl: from
    // ~TControl on, the parent could no longer tell it from a windowless
    // control and would keep it in its tab order.
    if (Parent())
        Parent()->RemoveControl(this);
    DestroyHandle();
    while (!m_controls.empty())
        delete m_controls.back();
    DestroyComponents();
}

TWinControl* TWinControl::FindControl(HWND window)
{
    auto it = g_windows.find(window);
    return it == g_windows.end() ? nullptr : it->second;
}

HWND TWinControl::Handle()
{
    if (!m_handle)
        CreateHandle();
    return m_handle;
}

void TWinControl::CreateParams(TCreateParams& p)
{
    p.Caption = GetText();
    p.Style = WS_CHILD | WS_CLIPSIBLINGS;
    if (m_controlStyle & csAcceptsControls)
        p.Style |= WS_CLIPCHILDREN;
    if (Visible())
        p.Style |= WS_VISIBLE;
    if (!Enabled())
        p.Style |= WS_DISABLED;
    if (m_tabStop)
        p.Style |= WS_TABSTOP;
    p.X = m_left;
    p.Y = m_top;
    p.Width = m_width;
    p.Height = m_height;
    if (Parent())
        p.WndParent = Parent()->Handle();
    p.WinClassName = Utf8ToWide(ClassName());
}

void TWinControl::CreateWnd()
{
    TCreateParams p;
    CreateParams(p);
    if ((p.Style & WS_CHILD) && !p.WndParent)
        throw EInvalidOperation("Control '" + Name() + "' has no parent window");
    m_defWndProc = RegisterFrameworkClass(p);
    HMENU id = (p.Style & WS_CHILD) ? reinterpret_cast<HMENU>(g_nextChildId++) : nullptr;
    g_creating = this;
    HWND window = nullptr;
    if (p.MdiClient) {
        // MDI children are made by their MDI client, which keeps its list of them.
        MDICREATESTRUCTW create {p.WinClassName.c_str(), p.Caption.c_str(), GetModuleHandleW(nullptr), p.X, p.Y,
                                 p.Width, p.Height, p.Style, 0};
        window = reinterpret_cast<HWND>(SendMessageW(p.MdiClient, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create)));
    } else {
        window = CreateWindowExW(p.ExStyle, p.WinClassName.c_str(), p.Caption.c_str(), p.Style, p.X, p.Y, p.Width,
                                 p.Height, p.WndParent, id, GetModuleHandleW(nullptr), nullptr);
    }
    g_creating = nullptr;
    if (!window)
        RaiseLastOSError(("Creating the window of " + Name()).c_str());
    m_handle = window;
    g_windows[window] = this;
    UpdateBoundsFromWindow();
    InitializeWindow();
}

void TWinControl::InitializeWindow()
{
    if (!IsOwnClass())
        SendMessageW(m_handle, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), FALSE);
}

void TWinControl::CreateHandle()
{
    if (m_handle)
        return;
    // The parent's window first: making it makes its children's windows, this
    // one's among them. Asked for later, from CreateParams, it would leave
    // this control with two windows.
    if (Parent()) {
        Parent()->HandleNeeded();
        if (m_handle)
            return;
    }
    {
        m_controlState |= csCreating;
        auto const created = OnScopeExit([this] { m_controlState &= ~csCreating; });
        CreateWnd();
    }
    for (TWinControl* child : m_tabOrder)
        if (!child->HandleAllocated())
            child->CreateHandle();
}

void TWinControl::DestroyHandle()
{
    if (!m_handle)
        return;
    SetTextSilently(GetText());
    HWND window = m_handle;
    DestroyWindow(window);
    // A window that refused to go away is forgotten all the same.
    if (m_handle == window) {
        g_windows.erase(window);
        m_handle = nullptr;
    }
}

bool TWinControl::BuiltOn(const wchar_t* systemClass) const
{
    WNDCLASSEXW info {sizeof info};
    return systemClass && GetClassInfoExW(nullptr, systemClass, &info) && info.lpfnWndProc == m_defWndProc;
}

void TWinControl::RecreateWnd()
{
    if (!m_handle)
        return;
    DestroyHandle();
    CreateHandle();
}

void TWinControl::InsertControl(TControl* control)
{
    m_controls.push_back(control);
    control->m_parent = this;
    if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
        m_tabOrder.push_back(windowed);
        if (m_handle && !IsLoading())
            windowed->HandleNeeded();
    }
    control->Invalidate();
    ControlsChanged();
}

void TWinControl::RemoveControl(TControl* control)
{
    control->Invalidate();
    m_controls.erase(std::remove(m_controls.begin(), m_controls.end(), control), m_controls.end());
    if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
        m_tabOrder.erase(std::remove(m_tabOrder.begin(), m_tabOrder.end(), windowed), m_tabOrder.end());
        if (!windowed->IsDestroying())
            windowed->DestroyHandle();
    }
    control->m_parent = nullptr;
    ControlsChanged();
}

void TWinControl::MoveControlToFront(TControl* control)
{
    auto it = std::find(m_controls.begin(), m_controls.end(), control);
    if (it == m_controls.end())
        return;
    m_controls.erase(it);
    m_controls.push_back(control);
    if (auto* windowed = dynamic_cast<TWinControl*>(control); windowed && windowed->HandleAllocated())
        SetWindowPos(windowed->m_handle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    control->Invalidate();
}

void TWinControl::NotifyControls(UINT msg)
{
    for (TControl* c : std::vector<TControl*>(m_controls))
        c->Perform(msg);
}

TControl* TWinControl::ControlAtPos(POINT p, bool allowDisabled, bool allowWindowed) const
{
    for (auto it = m_controls.rbegin(); it != m_controls.rend(); ++it) {
        TControl* c = *it;
        if (!allowWindowed && dynamic_cast<TWinControl*>(c))
            continue;
        if (!c->Visible() || (!allowDisabled && !c->Enabled()))
            continue;
        RECT r = c->BoundsRect();
        if (PtInRect(&r, p))
            return c;
    }
    return nullptr;
}

void TWinControl::SetBounds(int left, int top, int width, int height)
{
    if (!m_handle) {
        TControl::SetBounds(left, top, width, height);
        return;
    }
    if (left == m_left && top == m_top && width == m_width && height == m_height)
        return;
    SetWindowPos(m_handle, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    UpdateBoundsFromWindow();
}

void TWinControl::UpdateBoundsFromWindow()
{
    RECT r;
    if (!m_handle || !GetWindowRect(m_handle, &r))
        return;
    if (GetWindowLongPtrW(m_handle, GWL_STYLE) & WS_CHILD) {
        HWND parent = GetParent(m_handle);
        if (parent)
            MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    }
    const RECT old = BoundsRect();
    m_left = r.left;
    m_top = r.top;
    m_width = r.right - r.left;
    m_height = r.bottom - r.top;
    const RECT now = BoundsRect();
    if (!EqualRect(&old, &now) && Parent())
        Parent()->ControlsChanged();
    if (old.right - old.left != m_width || old.bottom - old.top != m_height)
        NotifyControls(CM_PARENTSIZED);
}

RECT TWinControl::ClientRect() const
{
    RECT r {0, 0, m_width, m_height};
    if (m_handle)
        GetClientRect(m_handle, &r);
    return r;
}

POINT TWinControl::ClientOrigin() const
{
    if (!m_handle)
        return TControl::ClientOrigin();
    POINT p {0, 0};
    ::ClientToScreen(m_handle, &p);
    return p;
}

bool TWinControl::Showing() const
{
    if (!Parent())
        return Visible() && m_handle && IsWindowVisible(m_handle);
    return Visible() && Parent()->Showing();
}

std::wstring TWinControl::GetText() const
{
    if (!m_handle)
        return TControl::GetText();
    int n = GetWindowTextLengthW(m_handle);
    std::wstring text(static_cast<size_t>(n) + 1, L'\0');
    n = GetWindowTextW(m_handle, text.data(), n + 1);
    text.resize(static_cast<size_t>(std::max(n, 0)));
    return text;
}

void TWinControl::TextChanged()
{
    if (m_handle)
        SetWindowTextW(m_handle, TControl::GetText().c_str());
    Invalidate();
}

void TWinControl::Invalidate()
{
    if (m_handle)
        InvalidateRect(m_handle, nullptr, !(m_controlStyle & csOpaque));
}

void TWinControl::Update()
{
    if (m_handle)
        UpdateWindow(m_handle);
}

void TWinControl::VisibleChanged()
{
    if (m_handle)
        SetWindowPos(m_handle, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE |
                         (Visible() ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

void TWinControl::EnabledChanged()
{
    if (m_handle)
        EnableWindow(m_handle, Enabled());
    Invalidate();
}

void TWinControl::FontChanged()
{
    TControl::FontChanged();
    if (m_handle && !IsOwnClass())
        SendMessageW(m_handle, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), TRUE);
    NotifyControls(CM_PARENTFONTCHANGED);
}

void TWinControl::ColorChanged()
{
    m_brush.SetColor(Color());
    TControl::ColorChanged();
    NotifyControls(CM_PARENTCOLORCHANGED);
}

int TWinControl::TabOrder() const
{
    if (!Parent())
        return -1;
    const auto& list = Parent()->m_tabOrder;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int order)
{
    if (!Parent())
        return;
    auto& list = Parent()->m_tabOrder;
    auto it = std::find(list.begin(), list.end(), this);
    if (it == list.end())
        return;
    list.erase(it);
    order = std::clamp(order, 0, static_cast<int>(list.size()));
    list.insert(list.begin() + order, this);
}

void TWinControl::SetTabStop(bool tabStop)
{
    if (tabStop == m_tabStop)
        return;
    m_tabStop = tabStop;
    if (m_handle) {
        LONG_PTR style = GetWindowLongPtrW(m_handle, GWL_STYLE);
        SetWindowLongPtrW(m_handle, GWL_STYLE, tabStop ? style | WS_TABSTOP : style & ~WS_TABSTOP);
    }
}

std::vector<TWinControl*> TWinControl::TabList() const { return m_tabOrder; }

bool TWinControl::Focused() const { return m_handle && GetFocus() == m_handle; }

bool TWinControl::CanFocus() const
{
    for (const TControl* c = this; c; c = c->Parent())
        if (!c->Visible() || !c->Enabled())
            return false;
    return true;
}

void TWinControl::SetFocus()
{
    if (!CanFocus())
        throw EInvalidOperation("Cannot focus a disabled or invisible window");
    ::SetFocus(Handle());
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool forward, bool checkTabStop) const
{
    std::vector<TWinControl*> all;
    std::function<void(const TWinControl*)> collect = [&](const TWinControl* parent) {
        for (TWinControl* c : parent->m_tabOrder) {
            all.push_back(c);
            collect(c);
        }
    };
    collect(this);
    if (all.empty())
        return nullptr;
    auto it = std::find(all.begin(), all.end(), current);
    size_t start = it == all.end() ? (forward ? all.size() - 1 : 0) : static_cast<size_t>(it - all.begin());
    for (size_t step = 1; step <= all.size(); ++step) {
        size_t i = forward ? (start + step) % all.size() : (start + all.size() - step % all.size()) % all.size();
        TWinControl* c = all[i];
        if (c->CanFocus() && (!checkTabStop || c->TabStop()))
            return c;
    }
    return nullptr;
}

void TWinControl::PaintWindow(HDC) {}

void TWinControl::PaintControls(HDC dc)
{
    for (TControl* c : std::vector<TControl*>(m_controls)) {
        if (dynamic_cast<TWinControl*>(c) || !c->Visible())
            continue;
        RECT r = c->BoundsRect();
        if (!RectVisible(dc, &r))
            continue;
        TSaveDC saved(dc);
        OffsetViewportOrgEx(dc, c->Left(), c->Top(), nullptr);
        IntersectClipRect(dc, 0, 0, c->Width(), c->Height());
        c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    }
}

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
