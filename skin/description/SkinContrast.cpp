#include "skin/description/SkinContrast.h"

#include <algorithm>
#include <cmath>

namespace tandrel {

namespace {

double Linear(unsigned channel)
{
    double const c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

} // namespace

double SkinLuminance(TSkinColour colour)
{
    return 0.2126 * Linear(colour & 0xFF) + 0.7152 * Linear((colour >> 8) & 0xFF) +
           0.0722 * Linear((colour >> 16) & 0xFF);
}

double SkinContrastRatio(TSkinColour a, TSkinColour b)
{
    double const la = SkinLuminance(a);
    double const lb = SkinLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace tandrel
