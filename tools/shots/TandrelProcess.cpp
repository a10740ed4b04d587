#include "tools/shots/TandrelProcess.h"

#include "tools/shots/Waiting.h"

#include <utility>

#include <vector>

namespace tandrel::shots {

namespace {

struct TWindowSearch {
    const wchar_t* ClassName;
    DWORD Process;
    bool SameProcess;
    bool ShownOnly;
    HWND Found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM data)
{
    auto& search = *reinterpret_cast<TWindowSearch*>(data);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if ((process == search.Process) != search.SameProcess)
        return TRUE;
    wchar_t name[64] {};
    GetClassNameW(window, name, 64);
    if (lstrcmpiW(name, search.ClassName) != 0)
        return TRUE;
    if (search.ShownOnly && !IsWindowVisible(window))
        return TRUE;
    search.Found = window;
    return FALSE;
}

BOOL CALLBACK DescribeWindow(HWND window, LPARAM data)
{
    auto& [process, text] = *reinterpret_cast<std::pair<DWORD, std::wstring>*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != process || !IsWindowVisible(window))
        return TRUE;
    wchar_t name[64] {};
    wchar_t title[128] {};
    GetClassNameW(window, name, 64);
    GetWindowTextW(window, title, 128);
    text += (text.empty() ? L"" : L", ") + std::wstring(name) + L" \"" + title + L"\"";
    return TRUE;
}

HWND Search(TWindowSearch search)
{
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

std::wstring FolderOf(const std::wstring& path)
{
    const auto slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring(L".") : path.substr(0, slash);
}

std::wstring FullPath(const std::wstring& path)
{
    const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (size == 0)
        return path;
    std::wstring full(size, L'\0');
    const DWORD written = GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
    full.resize(written);
    return full;
}

} // namespace

std::string Narrow(const std::wstring& text)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), narrow.data(), size, nullptr,
                        nullptr);
    return narrow;
}

TTandrelProcess::TTandrelProcess(const std::wstring& exe)
{
    const std::wstring path = FullPath(exe);
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
        throw TShotFailure("the program " + Narrow(path) + " does not exist");
    const std::wstring folder = FolderOf(path);
    std::wstring commandLine = L"\"" + path + L"\"";
    STARTUPINFOW startup {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info {};
    if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &info))
        throw TShotFailure("could not start " + Narrow(path) + " (error " + std::to_string(GetLastError()) + ")");
    CloseHandle(info.hThread);
    m_process = TKernelHandle(info.hProcess);
    m_id = info.dwProcessId;
}

TTandrelProcess::~TTandrelProcess()
{
    if (Running())
        Terminate();
}

bool TTandrelProcess::Running() const { return WaitForSingleObject(m_process.Get(), 0) == WAIT_TIMEOUT; }

DWORD TTandrelProcess::ExitCode() const
{
    DWORD code = 0;
    GetExitCodeProcess(m_process.Get(), &code);
    return code;
}

HWND TTandrelProcess::FindShownWindow(const wchar_t* className) const
{
    return Search({className, m_id, true, true, nullptr});
}

void TTandrelProcess::WaitFor(const std::string& what, const std::function<bool()>& condition,
                              DWORD timeoutMs) const
{
    switch (PollUntil(condition, timeoutMs, m_process.Get())) {
    case TWaitResult::Held:
        return;
    case TWaitResult::Stopped:
        throw TShotFailure("Tandrel ended (exit code " + std::to_string(ExitCode()) + ") while waiting for " + what);
    case TWaitResult::TimedOut:
        throw TShotFailure("timed out after " + std::to_string(timeoutMs / 1000) + " s waiting for " + what +
                           " (windows shown: " + ShownWindows() + ")");
    }
}

std::string TTandrelProcess::ShownWindows() const
{
    std::pair<DWORD, std::wstring> found {m_id, L""};
    EnumWindows(DescribeWindow, reinterpret_cast<LPARAM>(&found));
    return found.second.empty() ? std::string("none") : Narrow(found.second);
}

bool TTandrelProcess::WaitForExit(DWORD timeoutMs) const
{
    return WaitForSingleObject(m_process.Get(), timeoutMs) == WAIT_OBJECT_0;
}

void TTandrelProcess::Terminate()
{
    TerminateProcess(m_process.Get(), 1);
    WaitForSingleObject(m_process.Get(), 10000);
}

HWND FindForeignWindow(const wchar_t* className, DWORD exceptProcess)
{
    return Search({className, exceptProcess, false, false, nullptr});
}

} // namespace tandrel::shots
