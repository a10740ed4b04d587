#pragma once
// The border pictures a skinned frame is painted from: each side composed
// off-screen at the size it has on the window, in each look, and kept until
// that size or the skin changes. A repaint then only copies.

#include "skin/draw/ScaledSkinImages.h"
#include "skin/draw/SkinDraw.h"

#include <array>
#include <memory>

namespace tandrel {

enum class TFrameSide { fsLeft, fsTop, fsRight, fsBottom };

class TFramePictures {
public:
    // The side's picture at this size in this look: frame 1 while the window
    // is active or the border has one frame, else frame 2; the middle tiled
    // unless the border stretches. Left and Right hold their frames side by
    // side, Top and Bottom stacked. Drawn from the border at the scale's
    // density.
    TBitmap& Border(TFrameSide side, TDataSkinBorder& border, int width, int height, bool active,
                    const TSkinScale& scale);
    // Forgets every picture (the skin set they came from is going).
    void Clear();

private:
    struct TKept {
        std::unique_ptr<TBitmap> Picture;
        const TDataSkinBorder* Border = nullptr;
        int Width = -1;
        int Height = -1;
        int Dpi = 0;
    };
    // By side, then by frame: both looks are kept, so that a change of
    // look composes nothing once each has been shown.
    std::array<std::array<TKept, 2>, 4> m_kept;
};

// One border composed at a size, not kept.
std::unique_ptr<TBitmap> ComposeBorder(TDataSkinBorder& border, int width, int height, bool active, TFrameSide side,
                                       const TSkinScale& scale);

// How far a border reaches into the window at the scale's density: the
// width of a Left or Right frame, the height of a Top or Bottom one.
int BorderExtent(TDataSkinBorder& border, TFrameSide side, const TSkinScale& scale);

} // namespace tandrel
