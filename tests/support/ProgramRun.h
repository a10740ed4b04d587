#pragma once
// A real program started from a test, in a working directory of the test's
// choosing, and what it shows: its windows, its error box, its tray door.

#include "framework/core/KernelHandle.h"

#include <windows.h>

#include <string>

namespace tandrel::test {

class TProgramRun {
public:
    // Starts commandLine (the program's quoted path first) in workingFolder;
    // fails the calling test's assertion through Started() when it cannot.
    TProgramRun(const std::wstring& commandLine, const std::wstring& workingFolder);
    // A run the test did not end is terminated: a program left behind would
    // stand in for the next start of a program that runs once per session.
    ~TProgramRun();
    TProgramRun(const TProgramRun&) = delete;
    TProgramRun& operator=(const TProgramRun&) = delete;

    bool Started() const { return static_cast<bool>(m_process); }
    DWORD Error() const { return m_error; }
    DWORD Id() const { return m_id; }
    HANDLE Process() const { return m_process.Get(); }
    bool Running() const;
    DWORD ExitCode() const;
    // Pumps this thread's messages while it waits.
    bool WaitForExit(int timeoutMs = 60000) const;

private:
    TKernelHandle m_process;
    DWORD m_id = 0;
    DWORD m_error = 0;
};

// A top-level window of the process with the class (and, when given, title).
HWND FindProcessWindow(DWORD process, const wchar_t* className, const wchar_t* title = nullptr);
// The text of the message box the process shows, or empty when it shows none.
std::wstring MessageBoxText(DWORD process);
// Tandrel as a user sees it when it started well: its overlay shown, and its
// application window turned into a tool window, which the overlay's first
// show does only once the tray icon was added.
bool ShowsOverlayAndTrayIcon(DWORD process);
// Asks the Tandrel of that process to end, by the message the installer posts.
bool PostExitRequest(DWORD process);

// A Unix path as a Windows program sees it under Wine (drive Z: is /).
std::wstring WindowsPathOf(const std::string& unixPath);
// The value of an environment variable, empty when it is not set.
std::wstring EnvironmentValue(const wchar_t* name);

} // namespace tandrel::test
