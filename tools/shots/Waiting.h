#pragma once
// Waiting on another program from outside: polls with a deadline, and the
// one-line failure that ends the run.

#include <windows.h>

#include <functional>
#include <stdexcept>
#include <string>

namespace tandrel::shots {

// Says in one line what failed; the program prints it and exits 1.
class TShotFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class TWaitResult { Held, TimedOut, Stopped };

// Polls the condition until it holds or the time is up. Between polls it
// waits on `stop` (a process handle, say) for a few milliseconds; when
// `stop` is signalled the wait ends at once.
TWaitResult PollUntil(const std::function<bool()>& condition, DWORD timeoutMs, HANDLE stop = nullptr);

} // namespace tandrel::shots
