#pragma once

#include "tools/skinpack/SkinPackage.h"

#include <cstdint>
#include <vector>

// A made-up skin of the size and make of a real one: 41 BMP files of 4, 8,
// 16, 24 and 32 bits per pixel (gradients, key-colour runs, frame strips,
// some noisy texture) and an ini description; about 700 KB in all, with
// mixed-case names. `scale` shrinks or grows every bitmap's width.
std::vector<TPackEntry> MakeSampleSkin(double scale = 1.0);
