#include "framework/graphics/SystemMetrics.h"

#include "framework/graphics/Dpi.h"

namespace tandrel {

namespace {

// Windows 10 1607 and later: looked up, not linked, as Windows 7 lacks them.
template <class TFunction>
TFunction User32Function(const char* name)
{
    static HMODULE const user = GetModuleHandleW(L"user32.dll");
    return user ? reinterpret_cast<TFunction>(reinterpret_cast<void*>(GetProcAddress(user, name))) : nullptr;
}

using TMetricsForDpi = int(WINAPI*)(int, UINT);
using TParametersForDpi = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);

} // namespace

int SystemMetricForDpi(int index, int dpi)
{
    static auto const forDpi = User32Function<TMetricsForDpi>("GetSystemMetricsForDpi");
    if (forDpi)
        return forDpi(index, static_cast<UINT>(SaneDpi(dpi)));
    return ScaleDpi(GetSystemMetrics(index), SaneDpi(dpi), ScreenDpi());
}

bool NonClientMetricsForDpi(NONCLIENTMETRICSW& metrics, int dpi)
{
    static auto const forDpi = User32Function<TParametersForDpi>("SystemParametersInfoForDpi");
    dpi = SaneDpi(dpi);
    metrics = {};
    metrics.cbSize = sizeof metrics;
    if (forDpi && forDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, static_cast<UINT>(dpi)))
        return true;
    metrics = {};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        return false;
    int const from = ScreenDpi();
    for (LOGFONTW* font : {&metrics.lfCaptionFont, &metrics.lfSmCaptionFont, &metrics.lfMenuFont,
                           &metrics.lfStatusFont, &metrics.lfMessageFont})
        font->lfHeight = ScaleDpi(font->lfHeight, dpi, from);
    for (int* length : {&metrics.iBorderWidth, &metrics.iScrollWidth, &metrics.iScrollHeight, &metrics.iCaptionWidth,
                        &metrics.iCaptionHeight, &metrics.iSmCaptionWidth, &metrics.iSmCaptionHeight,
                        &metrics.iMenuWidth, &metrics.iMenuHeight})
        *length = ScaleDpi(*length, dpi, from);
    return true;
}

LOGFONTW MenuLogFontForDpi(int dpi)
{
    NONCLIENTMETRICSW metrics {};
    if (!NonClientMetricsForDpi(metrics, dpi)) {
        GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof metrics.lfMenuFont, &metrics.lfMenuFont);
        metrics.lfMenuFont.lfHeight = ScaleDpi(metrics.lfMenuFont.lfHeight, SaneDpi(dpi), ScreenDpi());
    }
    metrics.lfMenuFont.lfCharSet = DEFAULT_CHARSET;
    return metrics.lfMenuFont;
}

} // namespace tandrel
