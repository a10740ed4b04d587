#pragma once

// The skin drawing primitives: pictures of any size made from one frame of
// a skin image, bars, border rings, single frames, mask blits, regions cut
// from bitmaps, and bitmaps turned in place. Stateless free functions; the
// one exception is the process-wide scratch bitmap at the end.
//
// Every size here may come from a stranger's skin: empty images, frame
// counts below 1, margins wider than the frame or negative, inverted or
// empty rectangles all draw what the geometry allows, or nothing.

#include "framework/controls/ControlTypes.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/GdiObjects.h"
#include "skin/geometry/SkinGeometry.h"
#include "skin/draw/DataSkinObjects.h"

#include <windows.h>

#include <memory>
#include <string>

namespace tandrel {

// Skin images mark transparent pixels with fuchsia.
constexpr TColor SkinKeyColour = clFuchsia;

enum class TMiddleFill { mfStretch, mfTile };
enum class TSkinTransparency { stOpaque, stKeyColour };

// How a skin object is drawn: a Trans value of 1 keys out the key colour,
// any other value draws the image as it is.
TSkinTransparency TransparencyOf(const TDataSkinObject& object);
enum class TTextLook { tlEnabled, tlDisabled };

// A skin object's Tile value: anything but 0 tiles the middle.
constexpr TMiddleFill MiddleFillOf(int tile) { return tile != 0 ? TMiddleFill::mfTile : TMiddleFill::mfStretch; }

// A skin object's four margins.
inline TSkinMargins MarginsOf(const TDataSkinObject& object)
{
    return {object.LeftWidth, object.TopHeight, object.RightWidth, object.BottomHeight};
}

// A new bitmap of `dest`'s size (24 bits per pixel): frame `frameIndex` of
// `source` with its margins copied at their own size, its edges stretched
// along their length and its middle stretched or tiled. An empty source
// leaves the bitmap white.
std::unique_ptr<TBitmap> ComposeSkinImage(const RECT& dest, TBitmap& source, const TSkinMargins& margins,
                                          int frameIndex, int frameCount, TMiddleFill fill, TFrameLayout layout);

// Covers `dest` with whole copies of `sourceRect` from its top-left corner;
// the last column and row may overhang. Nothing for a source rectangle of
// negative size or no area.
void TileBitmap(TCanvas& target, const RECT& dest, TBitmap& source, const RECT& sourceRect);

// ComposeSkinImage at `dest`, drawn opaque or with the key colour
// transparent. Nothing for an inverted destination or an empty source.
void DrawSkinImage(HDC dc, const RECT& dest, TBitmap& source, const TSkinMargins& margins, TFrameLayout layout,
                   TMiddleFill fill, TSkinTransparency transparency, int frameCount, int frameIndex);

// DrawSkinImage of a skin object: its image, margins and Tile, horizontal
// frames, transparent when its Trans is 1.
void DrawSkinObject(HDC dc, const RECT& dest, int frameCount, int frameIndex, TDataSkinObject& object);

// One row: the left cap, the middle repeated at its own width, the right
// cap; everything stretched to the full height. Only the left and right
// margins count. A frame whose caps leave no middle is stretched whole.
void DrawSkinBar(TCanvas& canvas, const RECT& dest, TBitmap& source, const TSkinMargins& margins,
                 TFrameLayout layout, TSkinTransparency transparency, int frameCount, int frameIndex);

// The eight border pieces of the nine-slice straight onto `dc`, opaque;
// what lies inside is left as it was.
void DrawSkinEdges(HDC dc, const RECT& dest, TBitmap& source, const TSkinMargins& margins, TFrameLayout layout,
                   int frameCount, int frameIndex);

// One frame of a horizontal strip stretched whole over `dest`, in the
// variants the painters need. Nothing for an inverted destination or an
// empty source.
void DrawSkinFrame(HDC dc, const RECT& dest, TBitmap& source, TSkinTransparency transparency, int frameCount,
                   int frameIndex);
// Through a temporary canvas on `dc`, key colour transparent.
void DrawSkinFrameTransparent(HDC dc, const RECT& dest, TBitmap& source, int frameCount, int frameIndex);
// On a canvas, key colour transparent.
void DrawSkinFrame(TCanvas& canvas, const RECT& dest, TBitmap& source, int frameCount, int frameIndex);
// On a control's canvas bound to `dc` for the drawing only (its own binding
// is put back), key colour transparent.
void DrawSkinFrame(TCanvas& controlCanvas, HDC dc, const RECT& dest, TBitmap& source, int frameCount,
                   int frameIndex);
// At the frame's own size at `dest`'s top-left, transparent where it shows
// the colour of its top-left pixel.
void DrawSkinGlyph(TCanvas& canvas, const RECT& dest, TBitmap& source, int frameCount, int frameIndex);

// Copies `source` from its top-left corner to `dest` except where it shows
// `transparentColour` (one MaskBlt). The copy is no larger than the source.
void DrawTransparent(HDC dc, const RECT& dest, TBitmap& source, TColor transparentColour);

// One frame of a horizontal strip stretched to a size, with the mask of its
// key-colour pixels: made once, then drawn as often as needed with one
// MaskBlt, exactly as DrawSkinFrame draws it with the key colour
// transparent. Empty (drawing nothing) for an empty source or size.
class TKeyedPicture {
public:
    TKeyedPicture(TBitmap& source, int frameCount, int frameIndex, int width, int height);
    void Draw(HDC dc, int x, int y) const;
    bool Fits(int width, int height) const { return width == m_width && height == m_height; }

private:
    std::unique_ptr<TBitmap> m_picture;
    TOwnedBitmap m_mask;
    int m_width = 0;
    int m_height = 0;
};

// DrawSkinImage's picture made once and drawn as often as needed at its
// size: one frame composed with its margins, opaque or with its key-colour
// pixels left out. Empty (drawing nothing) for an empty source or size.
class TComposedPicture {
public:
    TComposedPicture(TBitmap& source, const TSkinMargins& margins, TMiddleFill fill, TSkinTransparency transparency,
                     int frameCount, int frameIndex, int width, int height);
    void Draw(HDC dc, int x, int y) const;
    bool Fits(int width, int height, int frameIndex) const
    {
        return width == m_width && height == m_height && frameIndex == m_frameIndex;
    }

private:
    std::unique_ptr<TBitmap> m_picture;
    TOwnedBitmap m_mask; // none when drawn opaque
    int m_width = 0;
    int m_height = 0;
    int m_frameIndex = 0;
};

// A region of the pixels that are not the key colour, each channel matching
// from the key's value up to key + tolerance (at most 255). One rectangle
// per run of such pixels in each row, offset by (xOffset, yOffset).
// Converts the bitmap to 32 bits per pixel. Always returns a region.
TOwnedRegion RegionFromBitmap(TBitmap& bitmap, int xOffset, int yOffset, TColor keyColour, int redTolerance,
                              int greenTolerance, int blueTolerance);
// The same, uniting the rectangles into the region whenever `batch` of them
// are gathered (RegionFromBitmap uses 2000).
TOwnedRegion RegionFromBitmapInBatches(TBitmap& bitmap, int xOffset, int yOffset, TColor keyColour,
                                       int redTolerance, int greenTolerance, int blueTolerance, int batch);

// Turn bitmaps in place; the result has 24 bits per pixel.
void MirrorBitmap(TBitmap& bitmap);      // each row reversed
void FlipBitmap(TBitmap& bitmap);        // upside down
void RotateBitmapLeft(TBitmap& bitmap);  // anticlockwise
void RotateBitmapRight(TBitmap& bitmap); // clockwise

// Centres one line of text in `rect` both ways, on a transparent
// background in a plain style; the alignment picks the line's own
// alignment flag. Disabled text takes the button-shadow
// colour. "&" marks an accelerator.
void DrawCentredText(TCanvas& canvas, const RECT& rect, const std::wstring& text, TAlignment alignment,
                     TTextLook look);

// The one off-screen bitmap the painters compose into before one copy to
// the screen. The skin engine creates it when it starts and releases it
// when it shuts down; painters size it before each use (its content is
// not kept) and it stretches colour-on-colour.
void CreateSkinScratchBitmap();
void ReleaseSkinScratchBitmap();
TBitmap* SkinScratchBitmap(); // null while it does not exist
TBitmap& SizeSkinScratchBitmap(int width, int height);

} // namespace tandrel
