#pragma once
// Undoing a temporary change on the way out of a scope, however it is left:
// a flag raised for the length of a call, a state that an exception must
// not leave behind.

#include <utility>

namespace tandrel {

template <class TAction>
class TScopeExit {
public:
    explicit TScopeExit(TAction action) : m_action(std::move(action)) {}
    ~TScopeExit()
    {
        if (m_armed)
            m_action();
    }
    TScopeExit(const TScopeExit&) = delete;
    TScopeExit& operator=(const TScopeExit&) = delete;
    // The change stays: the scope succeeded.
    void Dismiss() { m_armed = false; }

private:
    TAction m_action;
    bool m_armed = true;
};

// auto restore = OnScopeExit([&] { flag = old; });
template <class TAction>
[[nodiscard]] TScopeExit<TAction> OnScopeExit(TAction action)
{
    return TScopeExit<TAction>(std::move(action));
}

} // namespace tandrel
