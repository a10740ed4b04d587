#include "skin/draw/ScaledSkinImages.h"

#include "framework/graphics/Dpi.h"
#include "skin/draw/SkinDraw.h"
#include "skin/geometry/SkinImageScale.h"

#include <cstring>

namespace tandrel {

namespace {

std::uint32_t KeyPixel()
{
    COLORREF const key = ColorToRGB(SkinKeyColour);
    return static_cast<std::uint32_t>(GetRValue(key)) << 16 | GetGValue(key) << 8 | GetBValue(key);
}

// The source's pixels, whatever its format, read through a 32-bit copy.
TSkinPixels PixelsOf(TBitmap& source)
{
    TSkinPixels pixels {source.Width(), source.Height(), {}};
    TBitmap copy(source.Width(), source.Height(), TPixelFormat::pf32bit);
    BitBlt(copy.Canvas().Handle(), 0, 0, source.Width(), source.Height(), source.Canvas().Handle(), 0, 0, SRCCOPY);
    pixels.Pixels.resize(static_cast<size_t>(source.Width()) * source.Height());
    for (int y = 0; y < source.Height(); ++y) {
        const std::uint8_t* row = copy.ScanLine(y);
        for (int x = 0; x < source.Width(); ++x) {
            std::uint32_t bgra;
            std::memcpy(&bgra, row + 4 * x, 4);
            pixels.Pixels[static_cast<size_t>(y) * source.Width() + x] = bgra & 0xFFFFFFu;
        }
    }
    return pixels;
}

} // namespace

std::unique_ptr<TBitmap> ScaleSkinBitmap(TBitmap& source, int frameCount, TFrameLayout layout, int dpi)
{
    if (source.Empty() || ScaledStripSize(source.Width(), source.Height(), frameCount, layout, dpi).Width == 0)
        return nullptr;
    TSkinPixels const scaled = ScaleSkinStrip(PixelsOf(source), frameCount, layout, dpi, KeyPixel());
    if (scaled.Pixels.empty())
        return nullptr;
    auto bitmap = std::make_unique<TBitmap>(scaled.Width, scaled.Height, TPixelFormat::pf24bit);
    for (int y = 0; y < scaled.Height; ++y) {
        std::uint8_t* row = bitmap->ScanLine(y);
        for (int x = 0; x < scaled.Width; ++x) {
            std::uint32_t const c = scaled.At(x, y);
            row[3 * x] = static_cast<std::uint8_t>(c);
            row[3 * x + 1] = static_cast<std::uint8_t>(c >> 8);
            row[3 * x + 2] = static_cast<std::uint8_t>(c >> 16);
        }
    }
    return bitmap;
}

TBitmap& TScaledSkinImages::Scaled(TBitmap& source, int frameCount, TFrameLayout layout, int dpi)
{
    if (dpi == kDesignDpi || source.Empty())
        return source;
    TKey const key {&source, source.Width(), source.Height(), frameCount, layout, dpi};
    for (TKept& kept : m_kept)
        if (kept.Key == key)
            return kept.Image ? *kept.Image : source;
    // An image loaded anew into the same object drops what was made of the old one.
    std::erase_if(m_kept, [&](const TKept& kept) {
        return kept.Key.Source == &source && (kept.Key.Width != key.Width || kept.Key.Height != key.Height);
    });
    m_kept.push_back({key, ScaleSkinBitmap(source, frameCount, layout, dpi)});
    return m_kept.back().Image ? *m_kept.back().Image : source;
}

int TSkinScale::Length(int designLength) const { return ScaleDpi(designLength, m_dpi); }

TSkinMargins TSkinScale::Margins(const TSkinMargins& m) const
{
    return {Length(m.Left), Length(m.Top), Length(m.Right), Length(m.Bottom)};
}

TBitmap& TSkinScale::Image(TBitmap& source, int frameCount, TFrameLayout layout) const
{
    return m_images ? m_images->Scaled(source, frameCount, layout, m_dpi) : source;
}

std::unique_ptr<TBitmap> ComposeSkinObject(const RECT& dest, TDataSkinObject& object, int frameIndex, int frameCount,
                                           const TSkinScale& scale)
{
    return ComposeSkinImage(dest, scale.Image(object.Bitmap, frameCount, TFrameLayout::flHorizontal),
                            scale.Margins(MarginsOf(object)), frameIndex, frameCount, MiddleFillOf(object.Tile),
                            TFrameLayout::flHorizontal);
}

void DrawSkinObject(HDC dc, const RECT& dest, int frameCount, int frameIndex, TDataSkinObject& object,
                    const TSkinScale& scale)
{
    DrawSkinImage(dc, dest, scale.Image(object.Bitmap, frameCount, TFrameLayout::flHorizontal),
                  scale.Margins(MarginsOf(object)), TFrameLayout::flHorizontal, MiddleFillOf(object.Tile),
                  TransparencyOf(object), frameCount, frameIndex);
}

} // namespace tandrel
