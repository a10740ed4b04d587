#include "skin/controls/SkinProgress.h"

#include "skin/data/WinSkinData.h"
#include "skin/draw/SkinDraw.h"
#include "skin/geometry/SkinEditGeometry.h"

#include <commctrl.h>

#include <memory>

namespace tandrel {

namespace {

// Frame `index` of `count` of the element at dest's size, drawn with the
// key colour transparent at dest's top-left corner.
void DrawFrame(TCanvas& target, const RECT& dest, TDataSkinObject& element, int index, int count,
               const TSkinScale& scale)
{
    if (dest.right <= dest.left || dest.bottom <= dest.top)
        return;
    std::unique_ptr<TBitmap> const picture = ComposeSkinObject(dest, element, index, count, scale);
    picture->SetTransparentColor(SkinKeyColour);
    picture->SetTransparent(true);
    target.Draw(dest.left, dest.top, *picture);
}

// Copies of the chunk image side by side over row (or stacked from its
// bottom up, for a vertical bar), the last one cut off, key colour transparent.
void DrawChunks(TCanvas& target, const TSkinRect& row, TBitmap& chunk, TProgressAxis axis)
{
    if (row.Empty())
        return;
    int const cw = chunk.Width();
    int const ch = chunk.Height();
    TBitmap strip(row.Width(), row.Height());
    HDC const to = strip.Canvas().Handle();
    HDC const from = chunk.Canvas().Handle();
    if (axis == TProgressAxis::paVertical) {
        for (int y = row.Height() - ch; y + ch > 0; y -= ch)
            BitBlt(to, 0, y, cw, ch, from, 0, 0, SRCCOPY);
    } else {
        for (int x = 0; x < row.Width(); x += cw)
            BitBlt(to, x, 0, cw, ch, from, 0, 0, SRCCOPY);
    }
    strip.SetTransparentColor(SkinKeyColour);
    strip.SetTransparent(true);
    target.Draw(row.Left, row.Top, strip);
}

} // namespace

bool TSkinProgress::CanDraw() const
{
    return m_skinData && m_skinData->Progress && !m_skinData->Progress->Bitmap.Empty();
}

bool TSkinProgress::BeforeMessage(TMessage& m)
{
    // Without a usable element the control keeps its own painting.
    if (!CanDraw())
        return true;
    // Anything else goes to the control's own handler.
    return !TakePaintOver(m);
}

void TSkinProgress::Refresh()
{
    m_face.Forget();
    TSkinControl::Refresh();
}

void TSkinProgress::DrawControl(HDC dc, const RECT& rect)
{
    if (!CanDraw())
        return;
    TDataSkinBorder& element = *m_skinData->Progress;
    bool const chunks = element.Style == 1;
    if (chunks && element.Bitmap2.Empty())
        return;
    PBRANGE range {};
    SendMessageW(m_handle, PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&range));
    auto const position = static_cast<int>(SendMessageW(m_handle, PBM_GETPOS, 0, 0));
    TProgressAxis const axis = (GetWindowLongW(m_handle, GWL_STYLE) & PBS_VERTICAL) != 0
                                   ? TProgressAxis::paVertical
                                   : TProgressAxis::paHorizontal;

    TSkinRect const whole {rect.left, rect.top, rect.right, rect.bottom};
    TSkinScale const scale = Scale();
    TBitmap* chunk = chunks ? &scale.Image(element.Bitmap2, 1, TFrameLayout::flHorizontal) : nullptr;
    TSkinRect filled {};
    if (chunk) {
        int const thickness = axis == TProgressAxis::paVertical ? chunk->Width() : chunk->Height();
        filled = ProgressChunkRect(whole, scale.Margins(MarginsOf(element)), thickness, position, range.iLow,
                                   range.iHigh, axis);
    } else {
        filled = ProgressBarRect(whole, position, range.iLow, range.iHigh, axis);
    }
    // The bar is composed once per size, filled part and skin; a repaint copies it.
    TFaceKey const key {PictureGround(rect.right, rect.bottom), chunks, axis == TProgressAxis::paVertical, filled};
    TBitmap& face = m_face.For(key, rect.right, rect.bottom, [&](TBitmap& picture) {
        TCanvas& canvas = picture.Canvas();
        FillFace(canvas.Handle(), rect);
        if (chunk) {
            DrawFrame(canvas, rect, element, 1, 1, scale);
            DrawChunks(canvas, filled, *chunk, axis);
        } else {
            DrawFrame(canvas, rect, element, 1, 2, scale);
            DrawFrame(canvas, {filled.Left, filled.Top, filled.Right, filled.Bottom}, element, 2, 2, scale);
        }
    });
    BitBlt(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, face.Canvas().Handle(), rect.left,
           rect.top, SRCCOPY);
}

} // namespace tandrel
