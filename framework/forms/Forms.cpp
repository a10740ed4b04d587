#include "framework/forms/Forms.h"

#include "framework/core/ScopeGuard.h"

#include "framework/controls/ScrollBox.h"
#include "framework/forms/FormHost.h"
#include "framework/core/FormReader.h"
#include "framework/core/Publisher.h"
#include "framework/forms/Screen.h"
#include "framework/core/SysUtils.h"
#include "framework/graphics/SystemMetrics.h"

namespace tandrel {

namespace {

// A window that takes no activation is shown and raised without it: the
// system would otherwise activate it, WS_EX_NOACTIVATE stops only clicks.
bool TakesNoActivation(HWND window) { return (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_NOACTIVATE) != 0; }

int ShowCommand(TWindowState state, bool activate)
{
    switch (state) {
    case TWindowState::wsMaximized: return SW_SHOWMAXIMIZED;
    case TWindowState::wsMinimized: return activate ? SW_SHOWMINIMIZED : SW_SHOWMINNOACTIVE;
    default: return activate ? SW_SHOWNORMAL : SW_SHOWNOACTIVATE;
    }
}

const TEnumInfo kBorderStyles {{"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"}};
const TEnumInfo kBorderIcons {{"biSystemMenu", "biMinimize", "biMaximize", "biHelp"}};
const TEnumInfo kFormStyles {{"fsNormal", "fsMDIChild", "fsMDIForm", "fsStayOnTop"}};
const TEnumInfo kPositions {{"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly", "poScreenCenter",
                             "poDesktopCenter", "poMainFormCenter", "poOwnerFormCenter"}};
const TEnumInfo kWindowStates {{"wsNormal", "wsMinimized", "wsMaximized"}};

struct TDisableContext {
    HWND Modal;
    std::vector<HWND> Disabled;
};

BOOL CALLBACK DisableTaskWindow(HWND window, LPARAM lParam)
{
    auto* c = reinterpret_cast<TDisableContext*>(lParam);
    if (window != c->Modal && IsWindowVisible(window) && IsWindowEnabled(window)) {
        EnableWindow(window, FALSE);
        c->Disabled.push_back(window);
    }
    return TRUE;
}

// The windows a modal form disables, to enable them again afterwards.
std::vector<HWND> DisableTaskWindows(HWND modal)
{
    TDisableContext context {modal, {}};
    EnumThreadWindows(GetCurrentThreadId(), DisableTaskWindow, reinterpret_cast<LPARAM>(&context));
    return context.Disabled;
}

void EnableTaskWindows(const std::vector<HWND>& windows)
{
    for (HWND window : windows)
        if (IsWindow(window))
            EnableWindow(window, TRUE);
}

} // namespace

TCustomForm* GetParentForm(TControl* control)
{
    while (control && control->Parent())
        control = control->Parent();
    return dynamic_cast<TCustomForm*>(control);
}

const TClassInfo& TCustomForm::StaticClassInfo()
{
    static const TClassInfo info = [] {
        TClassInfo i("TCustomForm", &TWinControl::StaticClassInfo());
        TPublisher<TCustomForm>(i)
            .Enumeration("BorderStyle", kBorderStyles, &TCustomForm::BorderStyle, &TCustomForm::SetBorderStyle)
            .Set("BorderIcons", kBorderIcons, &TCustomForm::BorderIcons, &TCustomForm::SetBorderIcons)
            .Enumeration("FormStyle", kFormStyles, &TCustomForm::FormStyle, &TCustomForm::SetFormStyle)
            .Enumeration("Position", kPositions, &TCustomForm::Position, &TCustomForm::SetPosition)
            .Enumeration("WindowState", kWindowStates, &TCustomForm::WindowState, &TCustomForm::SetWindowState)
            .Integer("ClientWidth", &TCustomForm::ClientWidthValue, &TCustomForm::SetClientWidth)
            .Integer("ClientHeight", &TCustomForm::ClientHeightValue, &TCustomForm::SetClientHeight)
            .Object("Icon", &TCustomForm::IconObject)
            .Event("OnCreate", &TCustomForm::OnCreate)
            .Event("OnDestroy", &TCustomForm::OnDestroy)
            .Event("OnShow", &TCustomForm::OnShow)
            .Event("OnHide", &TCustomForm::OnHide)
            .Event("OnActivate", &TCustomForm::OnActivate)
            .Event("OnDeactivate", &TCustomForm::OnDeactivate)
            .Event("OnPaint", &TCustomForm::OnPaint)
            .Event("OnClose", &TCustomForm::OnClose)
            .Event("OnCloseQuery", &TCustomForm::OnCloseQuery);
        return i;
    }();
    return info;
}

TCustomForm::TCustomForm(TComponent* owner) : TCustomControl(owner)
{
    m_controlStyle |= csAcceptsControls;
    SetVisible(false);
    SetColor(clBtnFace);
    if (Screen)
        Screen->AddForm(this);
    m_icon.OnChange = [this] { ApplyIcon(); };
}

TCustomForm::~TCustomForm()
{
    Destroying();
    if (TFormHost* const host = FormHost())
        host->CancelRelease(this);
    if (OnDestroy) {
        try {
            OnDestroy(this);
        } catch (...) {
            HandleCallbackException(this);
        }
    }
    if (Screen)
        Screen->RemoveForm(this);
    DestroyHandle();
}

void TCustomForm::AfterConstruction()
{
    std::string_view const definition = StoredDefinition();
    int const dpi = WindowDpi(HandleAllocated() ? Handle() : nullptr);
    if (!definition.empty()) {
        ReadComponentDefinition(*this, definition);
        ScaleForDpi(dpi);
    } else {
        // A form made in code is laid out in the pixels it is given.
        m_pixelsPerInch = dpi;
    }
    if (OnCreate)
        OnCreate(this);
}

std::string_view TCustomForm::StoredDefinition() const { return FindComponentDefinition(ClassName()); }

void TCustomForm::CreateParams(TCreateParams& p)
{
    TWinControl::CreateParams(p);
    p.Style &= ~(WS_CHILD | WS_GROUP | WS_TABSTOP | WS_VISIBLE);
    p.Style |= WS_CLIPCHILDREN;
    p.WndParent = FormHost() ? FormHost()->Handle() : nullptr;
    switch (m_borderStyle) {
    case TFormBorderStyle::bsNone:
        p.Style |= WS_POPUP;
        break;
    case TFormBorderStyle::bsSingle:
    case TFormBorderStyle::bsToolWindow:
        p.Style |= WS_CAPTION | WS_BORDER;
        break;
    case TFormBorderStyle::bsSizeable:
    case TFormBorderStyle::bsSizeToolWin:
        p.Style |= WS_CAPTION | WS_THICKFRAME;
        break;
    case TFormBorderStyle::bsDialog:
        p.Style |= WS_POPUP | WS_CAPTION;
        p.ExStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
        break;
    }
    if (m_borderStyle == TFormBorderStyle::bsToolWindow || m_borderStyle == TFormBorderStyle::bsSizeToolWin)
        p.ExStyle |= WS_EX_TOOLWINDOW;
    if (m_borderStyle != TFormBorderStyle::bsNone && (m_borderIcons & biSystemMenu)) {
        p.Style |= WS_SYSMENU;
        const bool tool = m_borderStyle == TFormBorderStyle::bsToolWindow ||
                          m_borderStyle == TFormBorderStyle::bsSizeToolWin;
        if (m_borderStyle != TFormBorderStyle::bsDialog && !tool) {
            if (m_borderIcons & biMinimize)
                p.Style |= WS_MINIMIZEBOX;
            if (m_borderIcons & biMaximize)
                p.Style |= WS_MAXIMIZEBOX;
        }
    }
    if (m_formStyle == TFormStyle::fsStayOnTop)
        p.ExStyle |= WS_EX_TOPMOST;
    if (m_formStyle == TFormStyle::fsMDIChild) {
        p.MdiClient = MdiParentClient();
        p.WndParent = p.MdiClient;
        p.Style |= WS_CHILD | WS_CLIPSIBLINGS;
        p.ExStyle |= WS_EX_MDICHILD;
    }
    switch (m_position) {
    case TPosition::poDefault:
    case TPosition::poDefaultPosOnly:
        p.X = p.Y = CW_USEDEFAULT;
        break;
    case TPosition::poScreenCenter:
    case TPosition::poDesktopCenter:
        p.X = (GetSystemMetrics(SM_CXSCREEN) - p.Width) / 2;
        p.Y = (GetSystemMetrics(SM_CYSCREEN) - p.Height) / 2;
        break;
    default:
        break;
    }
}

void TCustomForm::CreateWnd()
{
    TCustomControl::CreateWnd();
    if (m_menu)
        ::SetMenu(Handle(), m_menu->Handle());
    if (m_formStyle == TFormStyle::fsMDIForm)
        CreateMdiClient();
    // The frame's window menu lists its children.
    if (m_formStyle == TFormStyle::fsMDIChild)
        SendMessageW(GetParent(Handle()), WM_MDIREFRESHMENU, 0, 0);
    ApplyClientSize();
    ApplyIcon();
}

void TCustomForm::DestroyHandle()
{
    if (!HandleAllocated())
        return;
    HWND window = Handle();
    // The window would destroy its menu with it; the menu object owns it.
    if (m_menu && GetMenu(window))
        ::SetMenu(window, nullptr);
    if (m_formStyle == TFormStyle::fsMDIChild && (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_MDICHILD)) {
        SetTextSilently(GetText());
        SendMessageW(GetParent(window), WM_MDIDESTROY, reinterpret_cast<WPARAM>(window), 0);
    }
    TCustomControl::DestroyHandle();
    m_clientHandle = nullptr;
}

void TCustomForm::CreateMdiClient()
{
    CLIENTCREATESTRUCT create {nullptr, 0xFF00};
    RECT client = ClientRect();
    m_clientHandle = CreateWindowExW(WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr,
                                     WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_VSCROLL | WS_HSCROLL,
                                     0, 0, client.right, client.bottom, Handle(), nullptr, GetModuleHandleW(nullptr),
                                     &create);
    if (!m_clientHandle)
        RaiseLastOSError("Creating the MDI client");
}

HWND TCustomForm::MdiParentClient() const
{
    auto frameOf = [](TComponent* c) -> TCustomForm* {
        auto* form = dynamic_cast<TCustomForm*>(c);
        return form && form->FormStyle() == TFormStyle::fsMDIForm ? form : nullptr;
    };
    TCustomForm* frame = frameOf(Owner());
    if (!frame && FormHost())
        frame = frameOf(FormHost()->MainForm());
    for (int i = 0; !frame && Screen && i < Screen->FormCount(); ++i)
        frame = frameOf(Screen->Forms(i));
    if (!frame)
        throw EInvalidOperation("Cannot create form " + Name() + ": no MDI form is active");
    frame->HandleNeeded();
    return frame->ClientHandle();
}

void TCustomForm::DefaultHandler(TMessage& m)
{
    HWND window = m_handle;
    const bool notification = m.Msg >= CM_BASE && m.Msg < CM_BASE + 0x1000;
    if (window && !notification) {
        if (m_formStyle == TFormStyle::fsMDIForm && m_clientHandle) {
            m.Result = DefFrameProcW(window, m_clientHandle, m.Msg, m.WParam, m.LParam);
            return;
        }
        if (m_formStyle == TFormStyle::fsMDIChild && (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_MDICHILD)) {
            m.Result = DefMDIChildProcW(window, m.Msg, m.WParam, m.LParam);
            return;
        }
    }
    TCustomControl::DefaultHandler(m);
}

void TCustomForm::SetMenu(TMainMenu* menu)
{
    if (menu == m_menu)
        return;
    if (m_menu) {
        m_menu->OnChange = nullptr;
        RemoveFreeNotification(m_menu);
    }
    m_menu = menu;
    if (menu) {
        FreeNotification(menu);
        menu->OnChange = [this] { MenuChanged(); };
    }
    if (HandleAllocated()) {
        ::SetMenu(Handle(), menu ? menu->Handle() : nullptr);
        SendMessageW(Handle(), CM_MENUCHANGED, 0, 0);
    }
}

// The menu object rebuilt its handle: the window takes the new one, and
// whoever draws the window's menu hears of it.
void TCustomForm::MenuChanged()
{
    if (!HandleAllocated() || !m_menu)
        return;
    ::SetMenu(Handle(), m_menu->Handle());
    SendMessageW(Handle(), CM_MENUCHANGED, 0, 0);
}

void TCustomForm::InitializeWindow() { TCustomControl::InitializeWindow(); }

void TCustomForm::ApplyClientSize()
{
    if (!HandleAllocated() || (m_wantedClientWidth < 0 && m_wantedClientHeight < 0))
        return;
    RECT client = ClientRect();
    int width = Width() + (m_wantedClientWidth >= 0 ? m_wantedClientWidth - client.right : 0);
    int height = Height() + (m_wantedClientHeight >= 0 ? m_wantedClientHeight - client.bottom : 0);
    m_wantedClientWidth = m_wantedClientHeight = -1;
    SetBounds(Left(), Top(), width, height);
}

void TCustomForm::ScaleForDpi(int dpi)
{
    dpi = SaneDpi(dpi);
    if (dpi == m_pixelsPerInch)
        return;
    ChangeScale(dpi, m_pixelsPerInch);
    m_pixelsPerInch = dpi;
    ApplyIcon();
}

void TCustomForm::ChangeScale(int to, int from)
{
    if (m_wantedClientWidth >= 0)
        m_wantedClientWidth = ScaleDpi(m_wantedClientWidth, to, from);
    if (m_wantedClientHeight >= 0)
        m_wantedClientHeight = ScaleDpi(m_wantedClientHeight, to, from);
    TCustomControl::ChangeScale(to, from);
    ApplyClientSize();
}

void TCustomForm::SetClientWidth(int width)
{
    m_wantedClientWidth = width;
    if (m_width == 0)
        m_width = width;  // a first guess until the frame is known
    ApplyClientSize();
}

void TCustomForm::SetClientHeight(int height)
{
    m_wantedClientHeight = height;
    if (m_height == 0)
        m_height = height;
    ApplyClientSize();
}

void TCustomForm::ApplyIcon()
{
    if (!HandleAllocated())
        return;
    HICON big = m_icon.Handle();
    // The caption's icon at the window's density, drawn from the file's
    // nearest image rather than stretched from the 96-DPI one.
    int const small = SystemMetricForDpi(SM_CXSMICON, m_pixelsPerInch);
    m_smallIcon.Reset(m_icon.Empty() ? nullptr : m_icon.CreateHandleOfSize(small));
    SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_smallIcon.Get()));
}

void TCustomForm::SetBorderStyle(TFormBorderStyle style)
{
    if (style != m_borderStyle) {
        m_borderStyle = style;
        RecreateWnd();
    }
}

void TCustomForm::SetBorderIcons(TBorderIcons icons)
{
    if (icons != m_borderIcons) {
        m_borderIcons = icons;
        RecreateWnd();
    }
}

void TCustomForm::SetFormStyle(TFormStyle style)
{
    if (style == m_formStyle)
        return;
    m_formStyle = style;
    if (HandleAllocated())
        SetWindowPos(Handle(), style == TFormStyle::fsStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

TWindowState TCustomForm::WindowState() const
{
    if (HandleAllocated()) {
        if (IsIconic(Handle()))
            return TWindowState::wsMinimized;
        if (IsZoomed(Handle()))
            return TWindowState::wsMaximized;
        return TWindowState::wsNormal;
    }
    return m_windowState;
}

void TCustomForm::SetWindowState(TWindowState state)
{
    m_windowState = state;
    if (HandleAllocated() && Visible())
        ShowWindow(Handle(), state == TWindowState::wsMaximized   ? SW_SHOWMAXIMIZED
                             : state == TWindowState::wsMinimized ? SW_MINIMIZE
                                                                  : SW_RESTORE);
}

void TCustomForm::VisibleChanged()
{
    // A form shows only once its whole definition is in.
    if (IsLoading() || IsDestroying())
        return;
    if (!Visible()) {
        if (HandleAllocated()) {
            DoHide();
            ShowWindow(Handle(), SW_HIDE);
        }
        return;
    }
    HandleNeeded();
    if (!m_shownOnce) {
        m_shownOnce = true;
        if (!m_activeControl)
            SetActiveControl(FindNextControl(nullptr, true, true));
    }
    // A failing show handler is reported; the form is shown all the same.
    try {
        DoShow();
    } catch (...) {
        FormHost()->HandleException(this);
    }
    ShowWindow(Handle(), ShowCommand(m_windowState, !TakesNoActivation(Handle())));
}

void TCustomForm::Show()
{
    SetVisible(true);
    if (HandleAllocated() && (GetWindowLongPtrW(Handle(), GWL_EXSTYLE) & WS_EX_MDICHILD)) {
        SendMessageW(GetParent(Handle()), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(Handle()), 0);
        return;
    }
    if (HandleAllocated() && TakesNoActivation(Handle())) {
        SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    } else if (HandleAllocated()) {
        SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        SetForegroundWindow(Handle());
    }
}

bool TCustomForm::Active() const { return HandleAllocated() && GetActiveWindow() == Handle(); }

void TCustomForm::DoShow()
{
    if (OnShow)
        OnShow(this);
}

void TCustomForm::DoHide()
{
    if (OnHide)
        OnHide(this);
}

bool TCustomForm::CloseQuery()
{
    bool canClose = true;
    if (OnCloseQuery)
        OnCloseQuery(this, canClose);
    return canClose;
}

void TCustomForm::DoClose(TCloseAction& action)
{
    if (OnClose)
        OnClose(this, action);
}

void TCustomForm::Close()
{
    if (m_modal) {
        m_modalResult = mrCancel;
        return;
    }
    if (!CloseQuery())
        return;
    TCloseAction action = m_formStyle == TFormStyle::fsMDIChild ? TCloseAction::caMinimize : TCloseAction::caHide;
    DoClose(action);
    if (action == TCloseAction::caNone)
        return;
    if (TFormHost* const host = FormHost(); host && host->MainForm() == this)
        host->Terminate();
    else if (action == TCloseAction::caHide)
        Hide();
    else if (action == TCloseAction::caMinimize)
        SetWindowState(TWindowState::wsMinimized);
    else
        Release();
}

void TCustomForm::CloseModal()
{
    TCloseAction action = TCloseAction::caNone;
    if (CloseQuery()) {
        action = TCloseAction::caHide;
        DoClose(action);
    }
    if (action == TCloseAction::caNone)
        m_modalResult = mrNone;
}

TModalResult TCustomForm::ShowModal()
{
    if (Visible() || !Enabled() || m_modal)
        throw EInvalidOperation("Cannot make a visible window modal");
    if (HWND captured = GetCapture())
        SendMessageW(captured, WM_CANCELMODE, 0, 0);
    ReleaseCapture();
    m_modal = true;
    HWND previousActive = GetActiveWindow();
    std::vector<HWND> disabled = DisableTaskWindows(Handle());
    {
        auto const abandon = OnScopeFail([&] {
            Hide();
            EnableTaskWindows(disabled);
            m_modal = false;
        });
        Show();
        m_modalResult = mrNone;
        do {
            FormHost()->HandleMessage();
            if (FormHost()->Terminated())
                m_modalResult = mrCancel;
            else if (m_modalResult != mrNone)
                CloseModal();
        } while (m_modalResult == mrNone);
    }
    Hide();
    EnableTaskWindows(disabled);
    if (previousActive && IsWindow(previousActive))
        SetActiveWindow(previousActive);
    m_modal = false;
    return m_modalResult;
}

void TCustomForm::Release()
{
    if (TFormHost* const host = FormHost())
        host->ReleaseForm(this);
}

void TCustomForm::SetActiveControl(TWinControl* control)
{
    if (control == m_activeControl)
        return;
    if (m_activeControl)
        RemoveFreeNotification(m_activeControl);
    m_activeControl = control;
    if (control) {
        FreeNotification(control);
        if (Active() && control->CanFocus())
            ::SetFocus(control->Handle());
    }
}

void TCustomForm::SelectNext(TWinControl* current, bool forward, bool checkTabStop)
{
    TWinControl* next = FindNextControl(current, forward, checkTabStop);
    if (next && next != current)
        next->SetFocus();
}

void TCustomForm::Notification(TComponent* component, TOperation operation)
{
    TCustomControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == m_activeControl)
        m_activeControl = nullptr;
    if (operation == TOperation::opRemove && component == m_menu) {
        m_menu = nullptr;
        if (HandleAllocated())
            ::SetMenu(Handle(), nullptr);
    }
}

void TCustomForm::Paint()
{
    if (OnPaint)
        OnPaint(this);
}

void TCustomForm::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case WM_ACTIVATE: return OnActivateMessage(m);
    case WM_CLOSE: return OnCloseMessage(m);
    case WM_COMMAND: return OnCommandMessage(m);
    case CM_FOCUSCHANGED: return OnFocusChanged(m);
    case WM_DPICHANGED: return OnDpiChanged(m);
    default: return TCustomControl::WndProc(m);
    }
}

void TCustomForm::OnActivateMessage(TMessage& m)
{
    if (LOWORD(m.WParam) == WA_INACTIVE) {
        if (OnDeactivate)
            OnDeactivate(this);
        DefaultHandler(m);
        return;
    }
    if (Screen)
        Screen->FormActivated(this);
    if (OnActivate)
        OnActivate(this);
    if (!HIWORD(m.WParam) && m_activeControl && m_activeControl->CanFocus() && m_activeControl->HandleAllocated()) {
        ::SetFocus(m_activeControl->Handle());
        return;  // focus given: the default would move it to the form itself
    }
    DefaultHandler(m);
}

void TCustomForm::OnCloseMessage(TMessage&) { Close(); }

void TCustomForm::OnCommandMessage(TMessage& m)
{
    // Commands of the form's menu bar come with no control and code 0.
    if (m.LParam == 0 && HIWORD(m.WParam) == 0)
        if (TMenuItem* item = TMenuItem::FindByCommand(LOWORD(m.WParam))) {
            item->Click();
            return;
        }
    TCustomControl::WndProc(m);
}

void TCustomForm::OnFocusChanged(TMessage& m)
{
    auto* control = reinterpret_cast<TWinControl*>(m.LParam);
    if (control && control != this) {
        if (m_activeControl)
            RemoveFreeNotification(m_activeControl);
        m_activeControl = control;
        FreeNotification(control);
        // Keyboard focus must be seen: every scrolling parent brings the control in.
        for (TWinControl* parent = control->Parent(); parent && parent != this; parent = parent->Parent())
            if (auto* scrolling = dynamic_cast<TScrollingWinControl*>(parent))
                scrolling->ScrollInView(*control);
    }
}

// The system suggests where the window goes at its new density; the
// contents are laid out again to match.
void TCustomForm::OnDpiChanged(TMessage& m)
{
    int const dpi = SaneDpi(HIWORD(m.WParam));
    if (dpi != m_pixelsPerInch) {
        ScaleChildren(dpi, m_pixelsPerInch);
        ScaleFont(dpi, m_pixelsPerInch);
        m_pixelsPerInch = dpi;
        ApplyIcon();
    }
    if (const auto* suggested = reinterpret_cast<const RECT*>(m.LParam))
        SetBounds(suggested->left, suggested->top, suggested->right - suggested->left,
                  suggested->bottom - suggested->top);
    m.Result = 0;
}

} // namespace tandrel
