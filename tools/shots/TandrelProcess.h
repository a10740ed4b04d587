#pragma once
// One run of the real program, started and ended from outside, and its
// top-level windows found by class and process.

#include "framework/core/KernelHandle.h"

#include <windows.h>

#include <functional>
#include <string>

namespace tandrel::shots {

class TTandrelProcess {
public:
    // Starts the program in its own folder (it reads its tray icon from the
    // current directory). Throws TShotFailure when it cannot.
    explicit TTandrelProcess(const std::wstring& exe);
    // A run that was not ended cleanly is terminated: a left-over instance
    // would stand in for the next start.
    ~TTandrelProcess();
    TTandrelProcess(const TTandrelProcess&) = delete;
    TTandrelProcess& operator=(const TTandrelProcess&) = delete;

    DWORD Id() const { return m_id; }
    bool Running() const;
    DWORD ExitCode() const;

    // A shown top-level window of this process with the class, or null.
    HWND FindShownWindow(const wchar_t* className) const;

    // Waits until the condition holds; throws a failure naming `what` when
    // the time is up or the program ends first.
    void WaitFor(const std::string& what, const std::function<bool()>& condition, DWORD timeoutMs) const;
    // Class and title of each shown top-level window, for a failure's line.
    std::string ShownWindows() const;
    // Waits for the process to end; whether it did in time.
    bool WaitForExit(DWORD timeoutMs) const;
    void Terminate();

private:
    TKernelHandle m_process;
    DWORD m_id = 0;
};

// A window of another program of the same class already running: the
// program runs once per session, so a second start would only wake it.
HWND FindForeignWindow(const wchar_t* className, DWORD exceptProcess);

std::string Narrow(const std::wstring& text);

} // namespace tandrel::shots
