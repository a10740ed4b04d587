#pragma once
// What a window says of itself: its class name and its text.

#include <windows.h>

#include <string>

namespace tandrel {

// The window's class name (at most 100 characters) in UTF-8; empty for no window.
std::string WindowClassName(HWND window);
// The window's text as WM_GETTEXT gives it (at most 1000 characters).
std::wstring WindowText(HWND window);

} // namespace tandrel
