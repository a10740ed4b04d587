#include "framework/forms/Application.h"

#include "framework/forms/Forms.h"
#include "framework/core/FormReader.h"
#include "framework/forms/Screen.h"
#include "framework/core/SysUtils.h"
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

// Tab and Shift+Tab move the focus through a form's controls in tab order,
// unless the focused control wants the key itself.
bool TApplication::IsDialogKey(const MSG& msg)
{
    if (msg.message != WM_KEYDOWN || msg.wParam != VK_TAB || GetKeyState(VK_CONTROL) < 0)
        return false;
    TWinControl* control = nullptr;
    for (HWND w = msg.hwnd; w && !control; w = GetParent(w))
        control = TWinControl::FindControl(w);
    TCustomForm* form = GetParentForm(control);
    if (!form)
        return false;
    MSG copy = msg;
    LRESULT code = SendMessageW(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&copy));
    if (code & DLGC_WANTTAB)
        return false;
    form->SelectNext(control == form ? nullptr : control, GetKeyState(VK_SHIFT) >= 0, true);
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
