#pragma once

// The shapes skin images are cut into: rectangles, fixed margins and the
// layout of frame strips. Plain values shared by the description's reading
// steps (which say how painters cut each image) and the geometry.

namespace tandrel {

struct TSkinRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    // True for a rectangle with no pixels, inverted ones included.
    bool Empty() const { return Right <= Left || Bottom <= Top; }
    bool operator==(const TSkinRect&) const = default;
};

// Widths of the left and right columns and heights of the top and bottom
// rows that are copied at their own size.
struct TSkinMargins {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
};

// How the frames of a strip are laid out: side by side or stacked.
enum class TFrameLayout { flHorizontal, flVertical };

} // namespace tandrel
