#include "framework/forms/Application.h"

#include "framework/forms/Forms.h"
#include "framework/core/FormReader.h"
#include "framework/forms/Screen.h"
#include "framework/core/SysUtils.h"
#include "framework/controls/Button.h"
#include "framework/controls/RichEdit.h"
#include "framework/controls/WinControl.h"

#include <commctrl.h>

#include <algorithm>

namespace tandrel {

TApplication* Application = nullptr;

TFormHost* FormHost() { return Application; }

void RegisterFrameworkClasses();

namespace {
// Exceptions stopped at a callback boundary end in the application's box.
void ReportToApplication(TObject* sender)
{
    if (Application)
        Application->HandleException(sender);
}
} // namespace

void InitializeFramework()
{
    if (Application)
        return;
    INITCOMMONCONTROLSEX icc {sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
    RegisterFrameworkClasses();
    Screen = new TScreen();
    Application = new TApplication();
    SetCallbackExceptionReporter(ReportToApplication);
}

void FinalizeFramework()
{
    delete Application;
    Application = nullptr;
    delete Screen;
    Screen = nullptr;
    FinalizeRichEdit();  // after the forms, whose rich edits use it
}

TApplication::TApplication() : TComponent(nullptr) {}

TApplication::~TApplication()
{
    Destroying();
    DestroyComponents();  // the forms, last created first
    if (m_handle) {
        BindWindowTarget(m_handle, nullptr);
        DestroyWindow(m_handle);
    }
}

void TApplication::Initialize()
{
    if (m_handle)
        return;
    WNDCLASSEXW wc {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = TargetWindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = L"TApplication";
    if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        RaiseLastOSError("RegisterClassEx");
    // Zero-sized: it exists to own the forms and to carry the taskbar button.
    m_handle = CreateWindowExW(0, L"TApplication", m_title.c_str(),
                               WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                               GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0, nullptr,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!m_handle)
        RaiseLastOSError("Creating the application window");
    BindWindowTarget(m_handle, this);
}

void TApplication::SetTitle(const std::wstring& title)
{
    m_title = title;
    if (m_handle)
        SetWindowTextW(m_handle, title.c_str());
}

void TApplication::FormCreated(TCustomForm* form)
{
    if (!m_mainForm) {
        form->HandleNeeded();
        m_mainForm = form;
    }
}

void TApplication::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove)
        return;
    if (component == m_mainForm)
        m_mainForm = nullptr;
    m_released.erase(std::remove(m_released.begin(), m_released.end(), component), m_released.end());
}

void TApplication::ShowMainFormAtStart()
{
    if (!m_mainForm || !ShowMainForm)
        return;
    if (m_handle)
        ShowWindow(m_handle, SW_SHOWNOACTIVATE);
    m_mainForm->Show();
}

void TApplication::Run()
{
    ShowMainFormAtStart();
    while (!m_terminated) {
        try {
            HandleMessage();
        } catch (...) {
            HandleException(this);
        }
    }
}

void TApplication::Terminate()
{
    for (auto& proc : m_terminateProcs)
        proc();
    PostQuitMessage(0);
}

bool TApplication::ProcessMessage()
{
    MSG msg;
    if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        return false;
    if (msg.message == WM_QUIT) {
        m_terminated = true;
        return true;
    }
    if (!IsDialogKey(msg) && !IsDialogChar(msg)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return true;
}

void TApplication::ProcessMessages()
{
    while (ProcessMessage()) {
    }
    FreeReleasedForms();
}

void TApplication::HandleMessage()
{
    if (!ProcessMessage())
        Idle();
}

void TApplication::Idle()
{
    UpdateMouseControl();
    FreeReleasedForms();
    if (!m_terminated)
        WaitMessage();
}

namespace {

bool IsArrow(WPARAM key) { return key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN; }

// Where an arrow key goes: the next (or previous) focusable control beside
// the focused one, tab stop or not, wrapping around; controls that hold
// controls of their own are passed over. So the arrows step through a radio
// group, or along a row of buttons.
TWinControl* NextSibling(const TWinControl& parent, TWinControl* current, bool forward)
{
    std::vector<TWinControl*> const all = parent.TabList();
    auto const it = std::find(all.begin(), all.end(), current);
    if (it == all.end())
        return nullptr;
    size_t const start = static_cast<size_t>(it - all.begin());
    for (size_t step = 1; step < all.size(); ++step) {
        size_t const i = forward ? (start + step) % all.size() : (start + all.size() - step) % all.size();
        if (all[i]->CanFocus() && all[i]->TabList().empty())
            return all[i];
    }
    return nullptr;
}

// The visible, enabled button of the form marked as its default (or cancel)
// button.
TButton* MarkedButton(const TWinControl& parent, bool cancel)
{
    for (TWinControl* c : parent.TabList()) {
        if (auto* button = dynamic_cast<TButton*>(c);
            button && button->CanFocus() && (cancel ? button->Cancel() : button->Default()))
            return button;
        if (TButton* inner = MarkedButton(*c, cancel))
            return inner;
    }
    return nullptr;
}

// Moving the focus by keyboard shows where it is from then on: the system
// hides focus rectangles until a key is used, and only its own dialog
// manager would tell the windows otherwise.
void ShowFocusCues(HWND window)
{
    HWND const top = GetAncestor(window, GA_ROOT);
    if (top && (SendMessageW(top, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS))
        SendMessageW(top, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
}

} // namespace

// Tab and Shift+Tab move the focus through a form's controls in tab order,
// the arrow keys to the control beside, and Enter and Escape click a
// button, unless the focused control wants the key itself.
bool TApplication::IsDialogKey(const MSG& msg)
{
    if (msg.message != WM_KEYDOWN || GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0)
        return false;
    bool const tab = msg.wParam == VK_TAB;
    bool const enter = msg.wParam == VK_RETURN;
    bool const escape = msg.wParam == VK_ESCAPE;
    if (!tab && !enter && !escape && !IsArrow(msg.wParam))
        return false;
    TWinControl* control = nullptr;
    for (HWND w = msg.hwnd; w && !control; w = GetParent(w))
        control = TWinControl::FindControl(w);
    TCustomForm* form = GetParentForm(control);
    if (!form)
        return false;
    MSG copy = msg;
    LRESULT const code = SendMessageW(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&copy));
    LRESULT const wanted = tab ? DLGC_WANTTAB : enter || escape ? DLGC_WANTALLKEYS : DLGC_WANTARROWS | DLGC_WANTALLKEYS;
    if (code & wanted)
        return false;
    if (enter || escape) {
        // Enter clicks the focused push button, else the form's default one;
        // Escape its cancel button.
        TButton* button = nullptr;
        if (enter && (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)))
            button = dynamic_cast<TButton*>(control);
        if (!button)
            button = MarkedButton(*form, escape);
        if (!button)
            return false;
        button->Click();
        return true;
    }
    if (tab) {
        form->SelectNext(control == form ? nullptr : control, GetKeyState(VK_SHIFT) >= 0, true);
    } else {
        // Only a control of the form's own moves on; a window it does not
        // know keeps its arrows.
        if (control == form || control->Handle() != msg.hwnd || !control->Parent())
            return false;
        bool const forward = msg.wParam == VK_RIGHT || msg.wParam == VK_DOWN;
        if (TWinControl* next = NextSibling(*control->Parent(), control, forward))
            next->SetFocus();
    }
    ShowFocusCues(form->Handle());
    return true;
}

// Alt and a character: the form is asked first (CM_DIALOGCHAR), so that it
// can act on it (open a menu) before the system's keyboard menu mode does.
bool TApplication::IsDialogChar(const MSG& msg)
{
    if (msg.message != WM_SYSCHAR)
        return false;
    TWinControl* control = nullptr;
    for (HWND w = msg.hwnd; w && !control; w = GetParent(w))
        control = TWinControl::FindControl(w);
    TCustomForm* form = GetParentForm(control);
    return form && form->Perform(CM_DIALOGCHAR, msg.wParam, msg.lParam) != 0;
}

void TApplication::HandleException(TObject* sender)
{
    std::string message;
    try {
        throw;
    } catch (const std::exception& e) {
        message = e.what();
    } catch (...) {
        message = "Unknown exception";
    }
    HandleError(sender, message);
}

void TApplication::HandleError(TObject* sender, const std::string& message)
{
    if (OnException)
        OnException(sender, message);
    else
        ShowException(message);
}

void TApplication::ShowException(const std::string& message)
{
    std::wstring text = Utf8ToWide(message);
    if (!text.empty() && text.back() != L'.')
        text += L'.';
    MessageBoxW(GetActiveWindow(), text.c_str(), m_title.c_str(), MB_OK | MB_ICONERROR);
}

void TApplication::UpdateMouseControl() { tandrel::UpdateMouseControl(); }

void TApplication::ReleaseForm(TCustomForm* form)
{
    if (std::find(m_released.begin(), m_released.end(), form) == m_released.end()) {
        m_released.push_back(form);
        FreeNotification(form);
    }
    if (m_handle)
        PostMessageW(m_handle, CM_RELEASE, 0, 0);
}

void TApplication::CancelRelease(TCustomForm* form)
{
    m_released.erase(std::remove(m_released.begin(), m_released.end(), form), m_released.end());
}

void TApplication::FreeReleasedForms()
{
    while (!m_released.empty()) {
        TCustomForm* form = m_released.back();
        m_released.pop_back();
        delete form;
    }
}

bool TApplication::WindowMessage(UINT msg, WPARAM, LPARAM, LRESULT& result)
{
    switch (msg) {
    case CM_RELEASE:
        FreeReleasedForms();
        result = 0;
        return true;
    case WM_SYSCOLORCHANGE:
        SystemColoursChanged();
        return false;
    case WM_CLOSE:
        if (m_mainForm)
            m_mainForm->Close();
        result = 0;
        return true;
    default:
        return false;
    }
}

} // namespace tandrel
