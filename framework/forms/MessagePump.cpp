#include "framework/forms/MessagePump.h"

#include "framework/forms/Application.h"

#include <windows.h>

namespace tandrel {

bool PumpUntil(const std::function<bool()>& cond, int timeoutMs)
{
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(timeoutMs);
    for (;;) {
        Application->ProcessMessages();
        Application->UpdateMouseControl();
        if (cond())
            return true;
        if (GetTickCount64() >= deadline)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}

void PumpIdle()
{
    // Quiet means: several rounds in a row found nothing to do.
    int quiet = 0;
    const ULONGLONG deadline = GetTickCount64() + 5000;
    while (quiet < 5 && GetTickCount64() < deadline) {
        MSG msg;
        if (PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            quiet = 0;
            Application->ProcessMessages();
        } else {
            ++quiet;
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        }
    }
    Application->UpdateMouseControl();
}

} // namespace tandrel
