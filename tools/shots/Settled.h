#pragma once
// A picture of part of the screen taken once another program has finished
// painting it: the same pixels for a while, and not a blank area.

#include "framework/graphics/Bitmap.h"
#include "tools/shots/TandrelProcess.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

namespace tandrel::shots {

// Whether two pictures have the same size and pixels.
bool SamePicture(TBitmap& a, TBitmap& b);
// Whether every pixel has the colour of the first: nothing painted yet.
bool IsBlank(TBitmap& picture);

// Captures `area()` until it has shown the same non-blank pixels for a
// while; `window` is the painter, whose queue is passed through first so
// that a paint it has pending is done. Throws naming `what` on time-out.
std::unique_ptr<TBitmap> CaptureWhenSettled(const TTandrelProcess& tandrel, const std::string& what, HWND window,
                                            const std::function<RECT()>& area, DWORD timeoutMs);

} // namespace tandrel::shots
