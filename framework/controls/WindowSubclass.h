#pragma once
// A window procedure put in front of a window's own, bound to one object.
//
// The chain of procedures lives in this process, looked up by window: the
// common controls' subclassing keeps its chain in a window property, and
// reading one costs a round trip to the window server under some systems
// (about 30 us each, three per message), which made every message to a
// skinned window dear.

#include "framework/core/SysUtils.h"

#include <windows.h>

namespace tandrel {

using TSubclassProc = LRESULT (*)(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR data);

// Puts proc, known by (proc, id), in front of the window's procedure; the
// same pair again only changes its data. False when the window's procedure
// cannot be replaced (a window of another process).
bool InstallSubclass(HWND window, TSubclassProc proc, UINT_PTR id, DWORD_PTR data);
// Takes (proc, id) out of the chain, also while it runs. The window gets its
// own procedure back once the chain is empty, unless someone replaced the
// procedure after us: then the chain stays, passing messages through.
void RemoveSubclass(HWND window, TSubclassProc proc, UINT_PTR id);
// Hands the message to the next procedure down the chain: the one put in
// before the procedure now running, or the window's own.
LRESULT NextSubclassProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

// Nothing is held while a handler runs.
struct TNoHandlerScope {
    template <class TOwner>
    explicit TNoHandlerScope(TOwner&)
    {
    }
};

// Routes the messages of one window to (owner.*Handler)(msg, wParam, lParam)
// from Attach to Remove; the owner hands what it leaves alone to
// NextSubclassProc. A TScope made from the owner is held around each call (an
// owner that must not be freed while its handler runs holds itself there).
// An exception from the handler stops here: it goes to the application's
// handler (with the owner's ExceptionSender() as sender, when it has one),
// and the message goes on to the window's own procedure. Remove, which the
// owner also runs on WM_NCDESTROY, leaves the window as it found it, later
// subclassers included.
template <class TOwner, LRESULT (TOwner::*Handler)(UINT, WPARAM, LPARAM), class TScope = TNoHandlerScope>
class TWindowSubclass {
public:
    explicit TWindowSubclass(UINT_PTR id) : m_id(id) {}
    ~TWindowSubclass() { Remove(); }
    TWindowSubclass(const TWindowSubclass&) = delete;
    TWindowSubclass& operator=(const TWindowSubclass&) = delete;

    // False when the system refused; a window already attached stays as it is.
    bool Attach(HWND window, TOwner& owner)
    {
        if (m_window)
            return true;
        if (!window || !InstallSubclass(window, &Proc, m_id, reinterpret_cast<DWORD_PTR>(&owner)))
            return false;
        m_window = window;
        return true;
    }

    void Remove()
    {
        if (m_window && IsWindow(m_window))
            RemoveSubclass(m_window, &Proc, m_id);
        m_window = nullptr;
    }

    bool Attached() const { return m_window != nullptr; }

private:
    static LRESULT Proc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data)
    {
        auto* owner = reinterpret_cast<TOwner*>(data);
        TScope const scope(*owner);
        try {
            return (owner->*Handler)(msg, wParam, lParam);
        } catch (...) {
            if constexpr (requires { owner->ExceptionSender(); })
                HandleCallbackException(owner->ExceptionSender());
            else
                HandleCallbackException(owner);
        }
        return NextSubclassProc(window, msg, wParam, lParam);
    }

    UINT_PTR m_id;
    HWND m_window = nullptr;
};

} // namespace tandrel
