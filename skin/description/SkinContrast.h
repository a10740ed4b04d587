#pragma once
// How well text of one colour reads on another: the contrast ratio of the
// usual accessibility guidelines, from 1:1 (the same colour) to 21:1 (black
// on white). Text wants at least 4.5:1. Plain C++: no Win32.

#include "skin/description/SkinIni.h"

namespace tandrel {

// The minimum ratio for ordinary text.
constexpr double MinTextContrast = 4.5;

// The relative luminance of an sRGB colour (0x00BBGGRR), 0 to 1.
double SkinLuminance(TSkinColour colour);
// The contrast ratio of two colours, 1 to 21, whichever is lighter.
double SkinContrastRatio(TSkinColour a, TSkinColour b);

} // namespace tandrel
