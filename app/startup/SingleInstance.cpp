#include "app/startup/SingleInstance.h"

#include "app/forms/Unit4.h"

namespace tandrel {

namespace {
constexpr wchar_t kMutexName[] = L"Local\\Tandrel.Instance";
}

TSingleInstance::TSingleInstance() : m_mutex(CreateMutexW(nullptr, FALSE, kMutexName))
{
    // Without a mutex at all there is nothing to be second to: run.
    m_first = !m_mutex || GetLastError() != ERROR_ALREADY_EXISTS;
}

bool ShowRunningInstance()
{
    HWND overlay = FindWindowW(L"TForm4", L"Form4");
    if (!overlay)
        return false;
    DWORD process = 0;
    GetWindowThreadProcessId(overlay, &process);
    // We were started by the user and may pass the right to come to the front on.
    AllowSetForegroundWindow(process);
    // Posted: a busy first instance must not hold this one up.
    return PostMessageW(overlay, ShowPanelMessage(), 0, 0) != FALSE;
}

} // namespace tandrel
