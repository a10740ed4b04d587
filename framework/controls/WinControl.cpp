#include "framework/controls/WinControl.h"

#include "framework/core/ScopeGuard.h"

#include "framework/core/Publisher.h"
#include "framework/core/SysUtils.h"

#include <commctrl.h>
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
        // The common controls register their classes only on request.
        if (params.CommonControlClasses) {
            INITCOMMONCONTROLSEX classes {sizeof classes, params.CommonControlClasses};
            InitCommonControlsEx(&classes);
        }
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
    SaveWindowState();
    HWND window = m_handle;
    DestroyWindow(window);
    // A window that refused to go away is forgotten all the same.
    if (m_handle == window) {
        g_windows.erase(window);
        m_handle = nullptr;
    }
}

void TWinControl::SaveWindowState() { SetTextSilently(GetText()); }

bool TWinControl::BuiltOn(const wchar_t* systemClass) const
{
    WNDCLASSEXW info {};
    info.cbSize = sizeof info;
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

void TWinControl::ChangeScale(int to, int from)
{
    ScaleBounds(to, from);
    ScaleChildren(to, from);
    ScaleFont(to, from);
}

void TWinControl::ScaleChildren(int to, int from)
{
    std::vector<TControl*> const children = m_controls;
    for (TControl* child : children)
        child->ChangeScale(to, from);
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

} // namespace tandrel
