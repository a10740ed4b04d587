#pragma once

// Skin images at another density. The key colour marks what is cut away,
// so its edge is scaled by nearest neighbour: a pixel is key exactly where
// its nearest source pixel is, and no key colour is ever blended into a
// neighbour (no fuchsia fringe, no half-transparent seam). "Key" is the band
// the window region cuts: each channel at the key's value or one above. The other pixels
// are scaled smoothly from the non-key pixels around them when the factor
// is fractional, and copied by nearest neighbour when it is whole. The
// frames of a strip are scaled one by one, so none bleeds into the next.
// Plain C++: no Win32.

#include "skin/description/SkinShapes.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tandrel {

// Pixels as 0x00RRGGBB, rows from the top.
struct TSkinPixels {
    int Width = 0;
    int Height = 0;
    std::vector<std::uint32_t> Pixels;
    std::uint32_t At(int x, int y) const { return Pixels[static_cast<std::size_t>(y) * Width + x]; }
};

// A scaled image grows no side beyond this, and no larger than this many
// pixels in all: a stranger's skin cannot make us allocate without bound.
constexpr int kMaxScaledSide = 16384;
constexpr long long kMaxScaledPixels = 32LL * 1024 * 1024;

// The size a strip of `count` frames has at `dpi` (laid out at 96): each
// frame's extent and the strip's breadth scaled, the remainder of an uneven
// division dropped. Width and height 0 when the result would pass the
// limits above, or the image is empty.
struct TScaledStripSize {
    int Width = 0;
    int Height = 0;
    int FrameExtent = 0;
};
TScaledStripSize ScaledStripSize(int width, int height, int count, TFrameLayout layout, int dpi);

// `source` scaled to `width` x `height` as above. Empty for an empty source
// or size, or one past the limits.
TSkinPixels ScaleSkinPixels(const TSkinPixels& source, int width, int height, std::uint32_t key);

// A strip of `count` frames at `dpi`, frame by frame. Empty where
// ScaledStripSize says so.
TSkinPixels ScaleSkinStrip(const TSkinPixels& source, int count, TFrameLayout layout, int dpi, std::uint32_t key);

} // namespace tandrel
