#pragma once
// The system's metrics and non-client fonts at a density: the system's own
// answer for that density where it has one, else its answer at the screen's
// density scaled.

#include <windows.h>

namespace tandrel {

// GetSystemMetrics(index) at dpi.
int SystemMetricForDpi(int index, int dpi);

// SPI_GETNONCLIENTMETRICS at dpi: caption, small caption, menu, status and
// message fonts and the sizes beside them. False when the system has none.
bool NonClientMetricsForDpi(NONCLIENTMETRICSW& metrics, int dpi);

// The system's menu font at dpi in any character set (captions may be
// Chinese); the stock GUI font, scaled, where the system has no metrics.
LOGFONTW MenuLogFontForDpi(int dpi);

} // namespace tandrel
