#include "skin/forms/FramePictures.h"

namespace tandrel {

std::unique_ptr<TBitmap> ComposeBorder(TDataSkinBorder& border, int width, int height, bool active, TFrameSide side)
{
    int const frame = active || border.FrameCount == 1 ? 1 : 2;
    TSkinMargins const margins {border.LeftWidth, border.TopHeight, border.RightWidth, border.BottomHeight};
    TFrameLayout const layout = side == TFrameSide::fsLeft || side == TFrameSide::fsRight ? TFrameLayout::flHorizontal
                                                                                            : TFrameLayout::flVertical;
    return ComposeSkinImage({0, 0, width, height}, border.Bitmap, margins, frame, border.FrameCount,
                            border.Tile != 1 ? TMiddleFill::mfTile : TMiddleFill::mfStretch, layout);
}

TBitmap& TFramePictures::Border(TFrameSide side, TDataSkinBorder& border, int width, int height, bool active)
{
    // A border of one frame looks the same either way.
    bool const inactiveFrame = !active && border.FrameCount != 1;
    TKept& kept = m_kept[static_cast<size_t>(side)][inactiveFrame ? 1 : 0];
    if (!kept.Picture || kept.Border != &border || kept.Width != width || kept.Height != height) {
        kept.Picture = ComposeBorder(border, width, height, active, side);
        kept.Border = &border;
        kept.Width = width;
        kept.Height = height;
    }
    return *kept.Picture;
}

void TFramePictures::Clear() { m_kept = {}; }

} // namespace tandrel
