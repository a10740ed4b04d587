#include "framework/graphics/Dpi.h"

#include "framework/graphics/GdiObjects.h"

#include <climits>
#include <utility>

namespace tandrel {

namespace {

constexpr int kHighestDpi = 960;

TDpiSource& Source()
{
    static TDpiSource source;
    return source;
}

// Windows 7 has neither function: they are looked up, not linked.
int SystemWindowDpi(HWND window)
{
    using TForWindow = UINT(WINAPI*)(HWND);
    using TForSystem = UINT(WINAPI*)();
    static HMODULE const user = GetModuleHandleW(L"user32.dll");
    static auto const forWindow =
        user ? reinterpret_cast<TForWindow>(reinterpret_cast<void*>(GetProcAddress(user, "GetDpiForWindow"))) : nullptr;
    static auto const forSystem =
        user ? reinterpret_cast<TForSystem>(reinterpret_cast<void*>(GetProcAddress(user, "GetDpiForSystem"))) : nullptr;
    UINT dpi = 0;
    if (window && forWindow)
        dpi = forWindow(window);
    else if (!window && forSystem)
        dpi = forSystem();
    return dpi != 0 ? static_cast<int>(dpi) : ScreenDpi();
}

} // namespace

// The system's density is fixed for the life of a process; asking a
// screen DC for it each time costs more than the drawing it serves.
int ScreenDpi()
{
    static int const dpi = [] {
        TWindowDC const screen(nullptr);
        return SaneDpi(screen.Get() ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : 0);
    }();
    return dpi;
}

int SaneDpi(int dpi) { return dpi >= 1 && dpi <= kHighestDpi ? dpi : kDesignDpi; }

int WindowDpi(HWND window) { return SaneDpi(Source() ? Source()(window) : SystemWindowDpi(window)); }

TDpiSource SetDpiSource(TDpiSource source) { return std::exchange(Source(), std::move(source)); }

int ScaleDpi(int value, int to, int from)
{
    if (to == from || from <= 0 || to <= 0)
        return value;
    // MulDiv answers -1 for what does not fit, INT_MIN included; a result
    // that only rounding would push out is refused with them.
    long long const scaled = static_cast<long long>(value) * to / from;
    if (scaled >= INT_MAX - 1 || scaled <= -(INT_MAX - 1))
        return value;
    return MulDiv(value, to, from);
}

} // namespace tandrel
