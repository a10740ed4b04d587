#include "skin/forms/FramePictures.h"

#include "skin/geometry/SkinFrameGeometry.h"

namespace tandrel {

namespace {

// Left and Right hold their frames side by side, Top and Bottom stacked.
TFrameLayout LayoutOf(TFrameSide side)
{
    return side == TFrameSide::fsLeft || side == TFrameSide::fsRight ? TFrameLayout::flHorizontal
                                                                       : TFrameLayout::flVertical;
}

} // namespace

std::unique_ptr<TBitmap> ComposeBorder(TDataSkinBorder& border, int width, int height, bool active, TFrameSide side,
                                       const TSkinScale& scale)
{
    int const frame = active || border.FrameCount == 1 ? 1 : 2;
    TFrameLayout const layout = LayoutOf(side);
    return ComposeSkinImage({0, 0, width, height}, scale.Image(border.Bitmap, border.FrameCount, layout),
                            scale.Margins(MarginsOf(border)), frame, border.FrameCount,
                            border.Tile != 1 ? TMiddleFill::mfTile : TMiddleFill::mfStretch, layout);
}

int BorderExtent(TDataSkinBorder& border, TFrameSide side, const TSkinScale& scale)
{
    TBitmap& image = scale.Image(border.Bitmap, border.FrameCount, LayoutOf(side));
    return side == TFrameSide::fsLeft || side == TFrameSide::fsRight ? BorderFrameExtent(image.Width(), border.FrameCount)
                                                                       : BorderFrameExtent(image.Height(), border.FrameCount);
}

TBitmap& TFramePictures::Border(TFrameSide side, TDataSkinBorder& border, int width, int height, bool active,
                                const TSkinScale& scale)
{
    // A border of one frame looks the same either way.
    bool const inactiveFrame = !active && border.FrameCount != 1;
    TKept& kept = m_kept[static_cast<size_t>(side)][inactiveFrame ? 1 : 0];
    if (!kept.Picture || kept.Border != &border || kept.Width != width || kept.Height != height ||
        kept.Dpi != scale.Dpi()) {
        kept.Picture = ComposeBorder(border, width, height, active, side, scale);
        kept.Border = &border;
        kept.Width = width;
        kept.Height = height;
        kept.Dpi = scale.Dpi();
    }
    return *kept.Picture;
}

void TFramePictures::Clear() { m_kept = {}; }

} // namespace tandrel
