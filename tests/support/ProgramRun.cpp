#include "tests/support/ProgramRun.h"

#include "framework/core/SysUtils.h"
#include "framework/forms/MessagePump.h"

namespace tandrel::test {

namespace {

struct TWindowSearch {
    DWORD Process;
    const wchar_t* ClassName;
    const wchar_t* Title;
    HWND Found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM data)
{
    auto& search = *reinterpret_cast<TWindowSearch*>(data);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != search.Process)
        return TRUE;
    wchar_t text[128] {};
    GetClassNameW(window, text, 128);
    if (lstrcmpiW(text, search.ClassName) != 0)
        return TRUE;
    if (search.Title) {
        GetWindowTextW(window, text, 128);
        if (lstrcmpW(text, search.Title) != 0)
            return TRUE;
    }
    search.Found = window;
    return FALSE;
}

BOOL CALLBACK CollectStaticText(HWND child, LPARAM data)
{
    wchar_t name[32] {};
    GetClassNameW(child, name, 32);
    if (lstrcmpiW(name, L"Static") != 0)
        return TRUE;
    const int length = GetWindowTextLengthW(child);
    if (length <= 0)
        return TRUE;
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(child, text.data(), length + 1)));
    auto& all = *reinterpret_cast<std::wstring*>(data);
    all += (all.empty() ? L"" : L"\n") + text;
    return TRUE;
}

} // namespace

TProgramRun::TProgramRun(const std::wstring& commandLine, const std::wstring& workingFolder)
{
    std::wstring command = commandLine;
    STARTUPINFOW startup {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info {};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workingFolder.empty() ? nullptr : workingFolder.c_str(), &startup, &info)) {
        m_error = GetLastError();
        return;
    }
    CloseHandle(info.hThread);
    m_process = TKernelHandle(info.hProcess);
    m_id = info.dwProcessId;
}

TProgramRun::~TProgramRun()
{
    if (Running()) {
        TerminateProcess(m_process.Get(), 99);
        WaitForSingleObject(m_process.Get(), 10000);
    }
}

bool TProgramRun::Running() const { return m_process && WaitForSingleObject(m_process.Get(), 0) == WAIT_TIMEOUT; }

DWORD TProgramRun::ExitCode() const
{
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(m_process.Get(), &code);
    return code;
}

bool TProgramRun::WaitForExit(int timeoutMs) const
{
    return PumpUntil([this] { return !Running(); }, timeoutMs);
}

HWND FindProcessWindow(DWORD process, const wchar_t* className, const wchar_t* title)
{
    TWindowSearch search {process, className, title, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

std::wstring MessageBoxText(DWORD process)
{
    HWND box = FindProcessWindow(process, L"#32770");
    if (!box || !IsWindowVisible(box))
        return L"";
    std::wstring text;
    EnumChildWindows(box, CollectStaticText, reinterpret_cast<LPARAM>(&text));
    return text;
}

bool ShowsOverlayAndTrayIcon(DWORD process)
{
    HWND overlay = FindProcessWindow(process, L"TForm4", L"Form4");
    HWND application = FindProcessWindow(process, L"TApplication");
    return overlay && IsWindowVisible(overlay) && application && !IsWindowVisible(application) &&
           (GetWindowLongPtrW(application, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
}

bool PostExitRequest(DWORD process)
{
    HWND overlay = FindProcessWindow(process, L"TForm4", L"Form4");
    return overlay && PostMessageW(overlay, RegisterWindowMessageW(L"Tandrel.Exit"), 0, 0);
}

std::wstring WindowsPathOf(const std::string& unixPath)
{
    std::wstring path = L"Z:" + Utf8ToWide(unixPath);
    for (wchar_t& c : path)
        if (c == L'/')
            c = L'\\';
    return path;
}

std::wstring EnvironmentValue(const wchar_t* name)
{
    const DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
    if (size == 0)
        return L"";
    std::wstring value(size, L'\0');
    value.resize(GetEnvironmentVariableW(name, value.data(), size));
    return value;
}

} // namespace tandrel::test
