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
    TKept& kept = m_kept[static_cast<size_t>(side)];
    bool const sameLook = active == kept.Active || border.FrameCount == 1;
    if (!kept.Picture || kept.Border != &border || kept.Width != width || kept.Height != height || !sameLook) {
        kept.Picture = ComposeBorder(border, width, height, active, side);
        kept.Border = &border;
        kept.Width = width;
        kept.Height = height;
        kept.Active = active;
    }
    return *kept.Picture;
}

void TFramePictures::Clear() { m_kept = {}; }

} // namespace tandrel
