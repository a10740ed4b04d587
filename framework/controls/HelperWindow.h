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

} // namespace tandrel
