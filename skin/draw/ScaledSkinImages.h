#pragma once
// Skin images at the densities windows are drawn at: each made once per
// image, density and frame layout, and kept until the images they came from
// go (their owner clears them). At 96 pixels per inch the image itself.

#include "framework/graphics/Bitmap.h"
#include "skin/draw/DataSkinObjects.h"
#include "skin/description/SkinShapes.h"

#include <windows.h>

#include <memory>
#include <vector>

namespace tandrel {

// A strip of frames scaled frame by frame (SkinImageScale.h), as a 24-bit
// bitmap. Null for an empty source or a size past the limits.
std::unique_ptr<TBitmap> ScaleSkinBitmap(TBitmap& source, int frameCount, TFrameLayout layout, int dpi);

class TScaledSkinImages {
public:
    // `source` at `dpi`. The source itself at 96, and where no scaled image
    // can be made (an empty image, one that would grow past the limits).
    TBitmap& Scaled(TBitmap& source, int frameCount, TFrameLayout layout, int dpi);
    // Forgets every scaled image (the images they came from are going).
    void Clear()
    {
        m_kept.clear();
        ++m_generation;
    }
    // Counts the clears: pictures made from older images are out of date.
    unsigned Generation() const { return m_generation; }
    int Count() const { return static_cast<int>(m_kept.size()); }

private:
    struct TKey {
        const TBitmap* Source = nullptr;
        // The source's size: an image loaded anew into the same object is
        // another image.
        int Width = 0;
        int Height = 0;
        int FrameCount = 0;
        TFrameLayout Layout = TFrameLayout::flHorizontal;
        int Dpi = 0;
        bool operator==(const TKey&) const = default;
    };
    struct TKept {
        TKey Key;
        std::unique_ptr<TBitmap> Image; // null: the source is used as it is
    };
    // A skin has a few dozen images and a screen one or two densities.
    std::vector<TKept> m_kept;
    unsigned m_generation = 0;
};

// What a painter needs to draw a skin at a window's density: lengths laid
// out at 96 and the images, both at that density. The default draws
// everything as it is.
class TSkinScale {
public:
    TSkinScale() = default;
    TSkinScale(TScaledSkinImages& images, int dpi) : m_images(&images), m_dpi(dpi) {}
    int Dpi() const { return m_dpi; }
    // The images' generation (TScaledSkinImages::Generation), for keys of kept pictures.
    unsigned Generation() const { return m_images ? m_images->Generation() : 0; }
    int Length(int designLength) const;
    TSkinMargins Margins(const TSkinMargins& margins) const;
    TBitmap& Image(TBitmap& source, int frameCount, TFrameLayout layout) const;

private:
    TScaledSkinImages* m_images = nullptr;
    int m_dpi = 96;
};

// A skin object's frames (horizontal, its margins and Tile) at the scale's
// density: ComposeSkinImage's picture of dest's size, and DrawSkinObject.
std::unique_ptr<TBitmap> ComposeSkinObject(const RECT& dest, TDataSkinObject& object, int frameIndex, int frameCount,
                                           const TSkinScale& scale);
void DrawSkinObject(HDC dc, const RECT& dest, int frameCount, int frameIndex, TDataSkinObject& object,
                    const TSkinScale& scale);

} // namespace tandrel
