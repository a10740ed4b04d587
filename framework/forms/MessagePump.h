#pragma once
// Driving the message loop until something has happened, for tools, tests
// and benchmarks that wait on windows: never a fixed sleep, always until a
// condition holds or the queue has gone quiet.

#include <functional>

namespace tandrel {

// Handles messages until cond holds; false when it did not within timeoutMs.
bool PumpUntil(const std::function<bool()>& cond, int timeoutMs = 10000);
// Handles whatever is queued, waiting until the queue has been quiet for a moment.
void PumpIdle();

} // namespace tandrel
