#pragma once
// Reading back what the screen shows: screenshots for the tests, the skin
// previewer and the README's pictures.

#include "framework/graphics/Bitmap.h"

#include <windows.h>

#include <memory>

namespace tandrel {

// Copies what the screen shows of a rectangle into a 24-bit bitmap.
std::unique_ptr<TBitmap> CaptureScreen(const RECT& area);
// What the screen shows of a window's whole rectangle (frame included).
std::unique_ptr<TBitmap> CaptureWindow(HWND window);

} // namespace tandrel
