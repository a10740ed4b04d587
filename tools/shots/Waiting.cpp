#include "tools/shots/Waiting.h"

namespace tandrel::shots {

namespace {
// Short enough to notice a change quickly, long enough not to spin.
constexpr DWORD kPollMs = 25;
} // namespace

TWaitResult PollUntil(const std::function<bool()>& condition, DWORD timeoutMs, HANDLE stop)
{
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (condition())
            return TWaitResult::Held;
        if (GetTickCount64() >= deadline)
            return TWaitResult::TimedOut;
        if (stop) {
            if (WaitForSingleObject(stop, kPollMs) == WAIT_OBJECT_0)
                return condition() ? TWaitResult::Held : TWaitResult::Stopped;
        } else {
            Sleep(kPollMs);
        }
    }
}

} // namespace tandrel::shots
