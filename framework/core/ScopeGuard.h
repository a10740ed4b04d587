#pragma once
// Undoing a temporary change on the way out of a scope: a flag raised for
// the length of a call (OnScopeExit, however the scope is left), or a change
// that an exception must not leave behind (OnScopeFail, only when the scope
// is left by one; the normal way out does its own ending, which may throw).

#include <exception>
#include <utility>

namespace tandrel {

template <class TAction>
class TScopeExit {
public:
    explicit TScopeExit(TAction action) : m_action(std::move(action)) {}
    ~TScopeExit() { m_action(); }
    TScopeExit(const TScopeExit&) = delete;
    TScopeExit& operator=(const TScopeExit&) = delete;

private:
    TAction m_action;
};

template <class TAction>
class TScopeFail {
public:
    explicit TScopeFail(TAction action) : m_action(std::move(action)), m_exceptions(std::uncaught_exceptions()) {}
    ~TScopeFail()
    {
        if (std::uncaught_exceptions() > m_exceptions)
            m_action();
    }
    TScopeFail(const TScopeFail&) = delete;
    TScopeFail& operator=(const TScopeFail&) = delete;

private:
    TAction m_action;
    int m_exceptions;
};

// auto const restore = OnScopeExit([&] { flag = old; });
template <class TAction>
[[nodiscard]] TScopeExit<TAction> OnScopeExit(TAction action)
{
    return TScopeExit<TAction>(std::move(action));
}

// BeginUpdate(); { auto const abandon = OnScopeFail([&] { EndUpdate(); }); ... } EndUpdate();
template <class TAction>
[[nodiscard]] TScopeFail<TAction> OnScopeFail(TAction action)
{
    return TScopeFail<TAction>(std::move(action));
}

} // namespace tandrel
