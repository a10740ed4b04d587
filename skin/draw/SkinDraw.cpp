#include "skin/draw/SkinDraw.h"

#include "framework/graphics/DcGuards.h"
#include "framework/core/ScopeGuard.h"

#include "framework/core/SysUtils.h"
#include "framework/graphics/formats/BmpFormat.h"

#include <algorithm>

namespace tandrel {

namespace {

bool Inverted(const RECT& rect) { return rect.right < rect.left || rect.bottom < rect.top; }

int WidthOf(const RECT& rect) { return std::max(0L, rect.right - rect.left); }
int HeightOf(const RECT& rect) { return std::max(0L, rect.bottom - rect.top); }

TSkinRect FrameOf(const TBitmap& source, int frameCount, int frameIndex, TFrameLayout layout)
{
    return SkinFrameRect(source.Width(), source.Height(), frameCount, frameIndex, layout);
}

void StretchPiece(HDC target, int x, int y, const TSkinPiece& piece, HDC source)
{
    StretchBlt(target, x + piece.Dest.Left, y + piece.Dest.Top, piece.Dest.Width(), piece.Dest.Height(), source,
               piece.Source.Left, piece.Source.Top, piece.Source.Width(), piece.Source.Height(), SRCCOPY);
}

// A bitmap of `width` x `height` that stretches colour-on-colour.
std::unique_ptr<TBitmap> MakeComposition(int width, int height)
{
    auto bitmap = std::make_unique<TBitmap>(width, height, TPixelFormat::pf24bit);
    if (!bitmap->Empty())
        SetStretchBltMode(bitmap->Canvas().Handle(), COLORONCOLOR);
    return bitmap;
}

// Frame `frameIndex` of a horizontal strip at `dest`'s size, or null when
// there is nothing to draw.
std::unique_ptr<TBitmap> StretchedFrame(const RECT& dest, TBitmap& source, int frameCount, int frameIndex)
{
    if (Inverted(dest) || source.Empty() || WidthOf(dest) == 0 || HeightOf(dest) == 0)
        return nullptr;
    TSkinRect const frame = FrameOf(source, frameCount, frameIndex, TFrameLayout::flHorizontal);
    if (frame.Empty())
        return nullptr;
    auto bitmap = MakeComposition(WidthOf(dest), HeightOf(dest));
    StretchPiece(bitmap->Canvas().Handle(), 0, 0, { frame, { 0, 0, bitmap->Width(), bitmap->Height() } },
                 source.Canvas().Handle());
    return bitmap;
}

void DrawKeyed(TCanvas& canvas, int x, int y, TBitmap& bitmap, TColor transparentColour)
{
    bitmap.SetTransparentColor(transparentColour);
    bitmap.SetTransparent(true);
    canvas.Draw(x, y, bitmap);
}

std::unique_ptr<TBitmap> g_scratch;

} // namespace

std::unique_ptr<TBitmap> ComposeSkinImage(const RECT& dest, TBitmap& source, const TSkinMargins& margins,
                                          int frameIndex, int frameCount, TMiddleFill fill, TFrameLayout layout)
{
    auto result = MakeComposition(WidthOf(dest), HeightOf(dest));
    if (result->Empty() || source.Empty())
        return result;
    TSkinRect const frame = FrameOf(source, frameCount, frameIndex, layout);
    HDC const target = result->Canvas().Handle();
    HDC const from = source.Canvas().Handle();
    for (const TSkinPiece& piece : NineSlicePieces(frame, result->Width(), result->Height(), margins)) {
        if (piece.Middle && fill == TMiddleFill::mfTile) {
            RECT const to { piece.Dest.Left, piece.Dest.Top, piece.Dest.Right, piece.Dest.Bottom };
            RECT const tile { piece.Source.Left, piece.Source.Top, piece.Source.Right, piece.Source.Bottom };
            TileBitmap(result->Canvas(), to, source, tile);
        } else {
            StretchPiece(target, 0, 0, piece, from);
        }
    }
    return result;
}

void TileBitmap(TCanvas& target, const RECT& dest, TBitmap& source, const RECT& sourceRect)
{
    long long const tileWidth = static_cast<long long>(sourceRect.right) - sourceRect.left;
    long long const tileHeight = static_cast<long long>(sourceRect.bottom) - sourceRect.top;
    if (tileWidth <= 0 || tileHeight <= 0 || tileWidth > formats::kMaxBmpSide || tileHeight > formats::kMaxBmpSide
        || source.Empty())
        return;
    TTilePlan const plan = PlanTiles({ dest.left, dest.top, dest.right, dest.bottom }, static_cast<int>(tileWidth),
                                     static_cast<int>(tileHeight));
    if (plan.Blits.empty())
        return;

    // The tile repeated into a pattern, doubling what is there each time.
    TBitmap pattern(plan.PatternWidth, plan.PatternHeight, TPixelFormat::pf24bit);
    HDC const p = pattern.Canvas().Handle();
    int const w = static_cast<int>(tileWidth);
    int const h = static_cast<int>(tileHeight);
    BitBlt(p, 0, 0, w, h, source.Canvas().Handle(), sourceRect.left, sourceRect.top, SRCCOPY);
    for (int x = w; x < plan.PatternWidth; x *= 2)
        BitBlt(p, x, 0, std::min(x, plan.PatternWidth - x), h, p, 0, 0, SRCCOPY);
    for (int y = h; y < plan.PatternHeight; y *= 2)
        BitBlt(p, 0, y, plan.PatternWidth, std::min(y, plan.PatternHeight - y), p, 0, 0, SRCCOPY);

    HDC const dc = target.Handle();
    for (const TSkinRect& blit : plan.Blits)
        BitBlt(dc, blit.Left, blit.Top, blit.Width(), blit.Height(), p, 0, 0, SRCCOPY);
}

void DrawSkinImage(HDC dc, const RECT& dest, TBitmap& source, const TSkinMargins& margins, TFrameLayout layout,
                   TMiddleFill fill, TSkinTransparency transparency, int frameCount, int frameIndex)
{
    if (Inverted(dest) || source.Empty())
        return;
    auto const image = ComposeSkinImage(dest, source, margins, frameIndex, frameCount, fill, layout);
    if (image->Empty())
        return;
    if (transparency == TSkinTransparency::stKeyColour)
        DrawTransparent(dc, dest, *image, SkinKeyColour);
    else
        BitBlt(dc, dest.left, dest.top, image->Width(), image->Height(), image->Canvas().Handle(), 0, 0, SRCCOPY);
}

TSkinTransparency TransparencyOf(const TDataSkinObject& object)
{
    return object.Trans == 1 ? TSkinTransparency::stKeyColour : TSkinTransparency::stOpaque;
}

void DrawSkinObject(HDC dc, const RECT& dest, int frameCount, int frameIndex, TDataSkinObject& object)
{
    DrawSkinImage(dc, dest, object.Bitmap, MarginsOf(object), TFrameLayout::flHorizontal, MiddleFillOf(object.Tile),
                  TransparencyOf(object), frameCount,
                  frameIndex);
}

void DrawSkinBar(TCanvas& canvas, const RECT& dest, TBitmap& source, const TSkinMargins& margins,
                 TFrameLayout layout, TSkinTransparency transparency, int frameCount, int frameIndex)
{
    if (Inverted(dest) || source.Empty())
        return;
    auto const bar = MakeComposition(WidthOf(dest), HeightOf(dest));
    if (bar->Empty())
        return;
    TSkinRect const frame = FrameOf(source, frameCount, frameIndex, layout);
    HDC const target = bar->Canvas().Handle();
    HDC const from = source.Canvas().Handle();
    for (const TSkinPiece& piece : SkinBarPieces(frame, bar->Width(), bar->Height(), margins.Left, margins.Right))
        StretchPiece(target, 0, 0, piece, from);
    if (transparency == TSkinTransparency::stKeyColour)
        DrawKeyed(canvas, dest.left, dest.top, *bar, SkinKeyColour);
    else
        canvas.Draw(dest.left, dest.top, *bar);
}

void DrawSkinEdges(HDC dc, const RECT& dest, TBitmap& source, const TSkinMargins& margins, TFrameLayout layout,
                   int frameCount, int frameIndex)
{
    if (Inverted(dest) || source.Empty())
        return;
    TSkinRect const frame = FrameOf(source, frameCount, frameIndex, layout);
    HDC const from = source.Canvas().Handle();
    TStretchModeGuard const mode(dc, COLORONCOLOR);
    for (const TSkinPiece& piece :
         NineSlicePieces(frame, WidthOf(dest), HeightOf(dest), margins, TNineSliceMiddle::nsWithout))
        StretchPiece(dc, dest.left, dest.top, piece, from);
}

void DrawSkinFrame(HDC dc, const RECT& dest, TBitmap& source, TSkinTransparency transparency, int frameCount,
                   int frameIndex)
{
    auto const frame = StretchedFrame(dest, source, frameCount, frameIndex);
    if (!frame)
        return;
    if (transparency == TSkinTransparency::stKeyColour)
        DrawTransparent(dc, dest, *frame, SkinKeyColour);
    else
        BitBlt(dc, dest.left, dest.top, frame->Width(), frame->Height(), frame->Canvas().Handle(), 0, 0, SRCCOPY);
}

void DrawSkinFrameTransparent(HDC dc, const RECT& dest, TBitmap& source, int frameCount, int frameIndex)
{
    auto const frame = StretchedFrame(dest, source, frameCount, frameIndex);
    if (!frame)
        return;
    TCanvas canvas;
    canvas.SetHandle(dc);
    DrawKeyed(canvas, dest.left, dest.top, *frame, SkinKeyColour);
}

void DrawSkinFrame(TCanvas& canvas, const RECT& dest, TBitmap& source, int frameCount, int frameIndex)
{
    auto const frame = StretchedFrame(dest, source, frameCount, frameIndex);
    if (frame)
        DrawKeyed(canvas, dest.left, dest.top, *frame, SkinKeyColour);
}

void DrawSkinFrame(TCanvas& controlCanvas, HDC dc, const RECT& dest, TBitmap& source, int frameCount, int frameIndex)
{
    // Bound for this drawing only: the device context may be released as
    // soon as the caller is done with it.
    TCanvasBinding const binding(controlCanvas, dc);
    DrawSkinFrame(controlCanvas, dest, source, frameCount, frameIndex);
}

void DrawSkinGlyph(TCanvas& canvas, const RECT& dest, TBitmap& source, int frameCount, int frameIndex)
{
    if (Inverted(dest) || source.Empty())
        return;
    TSkinRect const frame = FrameOf(source, frameCount, frameIndex, TFrameLayout::flHorizontal);
    if (frame.Empty())
        return;
    TBitmap glyph(frame.Width(), frame.Height(), TPixelFormat::pf24bit);
    HDC const g = glyph.Canvas().Handle();
    BitBlt(g, 0, 0, frame.Width(), frame.Height(), source.Canvas().Handle(), frame.Left, frame.Top, SRCCOPY);
    GdiFlush();
    DrawKeyed(canvas, dest.left, dest.top, glyph, GetPixel(g, 0, 0));
}

namespace {

// 1 (white) where `source` shows the transparent colour.
TOwnedBitmap KeyMask(TBitmap& source, TColor transparentColour)
{
    TOwnedBitmap mask(CreateBitmap(source.Width(), source.Height(), 1, 1, nullptr));
    TOwnedDC maskDC(CreateCompatibleDC(nullptr));
    if (!mask || !maskDC)
        RaiseLastOSError("CreateBitmap");
    HDC const from = source.Canvas().Handle();
    TSelectObject const select(maskDC.Get(), mask.Get());
    TBkColorGuard const key(from, ColorToRGB(transparentColour));
    BitBlt(maskDC.Get(), 0, 0, source.Width(), source.Height(), from, 0, 0, SRCCOPY);
    return mask;
}

// The mask must not be selected anywhere: MaskBlt selects it itself. Where
// it is 1 the destination stays, where it is 0 the source is copied.
void MaskCopy(HDC dc, int x, int y, int width, int height, TBitmap& source, HBITMAP mask)
{
    MaskBlt(dc, x, y, width, height, source.Canvas().Handle(), 0, 0, mask, 0, 0, MAKEROP4(0x00AA0029, SRCCOPY));
}

} // namespace

void DrawTransparent(HDC dc, const RECT& dest, TBitmap& source, TColor transparentColour)
{
    if (Inverted(dest) || source.Empty())
        return;
    int const width = std::min(WidthOf(dest), source.Width());
    int const height = std::min(HeightOf(dest), source.Height());
    if (width == 0 || height == 0)
        return;
    TOwnedBitmap const mask = KeyMask(source, transparentColour);
    MaskCopy(dc, dest.left, dest.top, width, height, source, mask.Get());
}

TKeyedPicture::TKeyedPicture(TBitmap& source, int frameCount, int frameIndex, int width, int height)
    : m_picture(StretchedFrame({0, 0, width, height}, source, frameCount, frameIndex))
    , m_width(width)
    , m_height(height)
{
    if (m_picture)
        m_mask = KeyMask(*m_picture, SkinKeyColour);
}

void TKeyedPicture::Draw(HDC dc, int x, int y) const
{
    if (m_picture)
        MaskCopy(dc, x, y, m_picture->Width(), m_picture->Height(), *m_picture, m_mask.Get());
}

TComposedPicture::TComposedPicture(TBitmap& source, const TSkinMargins& margins, TMiddleFill fill,
                                   TSkinTransparency transparency, int frameCount, int frameIndex, int width,
                                   int height)
    : m_width(width), m_height(height), m_frameIndex(frameIndex)
{
    if (source.Empty() || width <= 0 || height <= 0)
        return;
    m_picture = ComposeSkinImage({0, 0, width, height}, source, margins, frameIndex, frameCount, fill,
                                 TFrameLayout::flHorizontal);
    if (m_picture->Empty())
        m_picture.reset();
    else if (transparency == TSkinTransparency::stKeyColour)
        m_mask = KeyMask(*m_picture, SkinKeyColour);
}

void TComposedPicture::Draw(HDC dc, int x, int y) const
{
    if (!m_picture)
        return;
    if (m_mask)
        MaskCopy(dc, x, y, m_picture->Width(), m_picture->Height(), *m_picture, m_mask.Get());
    else
        BitBlt(dc, x, y, m_picture->Width(), m_picture->Height(), m_picture->Canvas().Handle(), 0, 0, SRCCOPY);
}

void DrawCentredText(TCanvas& canvas, const RECT& rect, const std::wstring& text, TAlignment alignment,
                     TTextLook look)
{
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    canvas.Font().SetStyle(0);
    UINT const align = alignment == TAlignment::taRightJustify ? DT_RIGHT
                     : alignment == TAlignment::taCenter     ? DT_CENTER
                                                             : DT_LEFT;
    RECT measured = rect;
    canvas.DrawText(text, measured, DT_CALCRECT | DT_NOCLIP | DT_SINGLELINE | DT_EXPANDTABS | align);
    int const dx = ((rect.right - rect.left) - (measured.right - measured.left)) / 2;
    int const dy = ((rect.bottom - rect.top) - (measured.bottom - measured.top)) / 2;
    OffsetRect(&measured, dx, dy);
    if (look == TTextLook::tlDisabled)
        canvas.Font().SetColor(clBtnShadow);
    canvas.DrawText(text, measured, DT_SINGLELINE | DT_EXPANDTABS | align);
}

void CreateSkinScratchBitmap()
{
    if (!g_scratch)
        g_scratch = std::make_unique<TBitmap>();
}

void ReleaseSkinScratchBitmap() { g_scratch.reset(); }

TBitmap* SkinScratchBitmap() { return g_scratch.get(); }

TBitmap& SizeSkinScratchBitmap(int width, int height)
{
    if (!g_scratch)
        throw EInvalidOperation("The skin scratch bitmap does not exist");
    g_scratch->SetSize(std::max(0, width), std::max(0, height));
    // Resizing makes a new device context: set the stretch mode again.
    if (!g_scratch->Empty())
        SetStretchBltMode(g_scratch->Canvas().Handle(), COLORONCOLOR);
    return *g_scratch;
}

} // namespace tandrel
