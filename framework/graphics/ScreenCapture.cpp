#include "framework/graphics/ScreenCapture.h"

#include "framework/core/SysUtils.h"
#include "framework/graphics/GdiObjects.h"

namespace tandrel {

std::unique_ptr<TBitmap> CaptureScreen(const RECT& area)
{
    auto bitmap = std::make_unique<TBitmap>(area.right - area.left, area.bottom - area.top);
    {
        TWindowDC const screen(nullptr);
        BitBlt(bitmap->Canvas().Handle(), 0, 0, bitmap->Width(), bitmap->Height(), screen.Get(), area.left, area.top,
               SRCCOPY);
    }
    GdiFlush();
    return bitmap;
}

std::unique_ptr<TBitmap> CaptureWindow(HWND window)
{
    // A window that has just gone has no rectangle: say so rather than
    // capture whatever an unset one would name.
    RECT r {};
    if (!GetWindowRect(window, &r))
        RaiseLastOSError("GetWindowRect");
    return CaptureScreen(r);
}

} // namespace tandrel
