#pragma once
// Windows that are never shown and exist only to receive messages.

#include <windows.h>

namespace tandrel {

// A message-only window hears what is sent or posted to it; a hidden
// top-level window also hears broadcasts (visual-style and system-colour
// changes reach top-level windows only).
enum class THelperWindowKind { hwMessageOnly, hwHiddenTopLevel };

// Registers the class on first use (a class of that name already there is
// kept) and makes an invisible window of it, owned by the caller. Raises,
// naming `purpose`, when either fails.
HWND CreateHelperWindow(const wchar_t* className, WNDPROC procedure, THelperWindowKind kind, const char* purpose);

// An object that answers the messages of a window it is bound to.
class TWindowMessageTarget {
public:
    // True when the message is answered, with its result; false leaves it to
    // the default handling.
    virtual bool WindowMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) = 0;

protected:
    ~TWindowMessageTarget() = default;
};

// Binds the window to the target, or unbinds it (nullptr): messages from then
// on reach the target through TargetWindowProc.
void BindWindowTarget(HWND window, TWindowMessageTarget* target);

// The window procedure of bound windows. An exception from the target is
// reported and stops at the window's edge; the message then counts as answered.
LRESULT CALLBACK TargetWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

} // namespace tandrel
