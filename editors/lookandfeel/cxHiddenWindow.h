#pragma once
// Hidden top-level windows that exist only to hear broadcasts (visual-style
// and system-colour changes reach top-level windows, not message-only ones).

#include <windows.h>

namespace tandrel {

// Registers the class on first use and makes an invisible popup window of it.
HWND CreateHiddenWindow(const wchar_t* className, WNDPROC procedure);

} // namespace tandrel
