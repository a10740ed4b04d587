#pragma once
// A window procedure put in front of a window's own through the common
// controls' subclassing, bound to one object.

#include "framework/core/SysUtils.h"

#include <windows.h>

#include <commctrl.h>

namespace tandrel {

// Nothing is held while a handler runs.
struct TNoHandlerScope {
    template <class TOwner>
    explicit TNoHandlerScope(TOwner&)
    {
    }
};

// Routes the messages of one window to (owner.*Handler)(msg, wParam, lParam)
// from Attach to Remove; the owner hands what it leaves alone to
// DefSubclassProc. A TScope made from the owner is held around each call (an
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
        if (!window || !SetWindowSubclass(window, &Proc, m_id, reinterpret_cast<DWORD_PTR>(&owner)))
            return false;
        m_window = window;
        return true;
    }

    void Remove()
    {
        if (m_window && IsWindow(m_window))
            RemoveWindowSubclass(m_window, &Proc, m_id);
        m_window = nullptr;
    }

    bool Attached() const { return m_window != nullptr; }

private:
    static LRESULT CALLBACK Proc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data)
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
        return DefSubclassProc(window, msg, wParam, lParam);
    }

    UINT_PTR m_id;
    HWND m_window = nullptr;
};

} // namespace tandrel
