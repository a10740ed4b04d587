#pragma once
// Pixels per inch: what a window is drawn at, and the one helper that turns
// a length laid out at 96 pixels per inch into one at another density.

#include <windows.h>

#include <functional>

namespace tandrel {

// Forms, fonts and skins are laid out at this density.
constexpr int kDesignDpi = 96;

// The density of a window: GetDpiForWindow where the system has it, else
// the screen's. No window (null) answers the system's density.
int WindowDpi(HWND window);

// The screen's density, which the system gives its metrics and fonts at.
// Not replaced by a source: it says what the system's numbers mean.
int ScreenDpi();

// Replaces how WindowDpi finds a density (tests pin one); an empty source
// puts the system's back. Answers the source it replaced.
using TDpiSource = std::function<int(HWND)>;
TDpiSource SetDpiSource(TDpiSource source);

// A density from the system or a window message, kept to what a screen can
// have: anything below 1 or absurdly high counts as the design density.
int SaneDpi(int dpi);

// `value` laid out at `from` pixels per inch, at `to`; rounds half away from
// zero as MulDiv does. A result that would not fit comes back unscaled.
int ScaleDpi(int value, int to, int from = kDesignDpi);

} // namespace tandrel
