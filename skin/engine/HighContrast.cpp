#include "skin/engine/HighContrast.h"

#include <windows.h>

#include <utility>

namespace tandrel {

namespace {

bool SystemHighContrast()
{
    HIGHCONTRASTW contrast {};
    contrast.cbSize = sizeof contrast;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON);
}

THighContrastQuery g_query = SystemHighContrast;

} // namespace

bool HighContrastOn() { return g_query(); }

THighContrastQuery SetHighContrastQuery(THighContrastQuery query)
{
    return std::exchange(g_query, query ? query : SystemHighContrast);
}

} // namespace tandrel
