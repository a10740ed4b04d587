#include "framework/controls/ButtonGlyph.h"

#include <algorithm>

namespace tandrel {

namespace {

// Paints the non-transparent pixels of a glyph frame in one colour: the
// classic way to show a glyph that has no disabled picture of its own.
void DrawGlyphShape(HDC dc, int x, int y, TBitmap& glyph, int sourceX, SIZE size, COLORREF transparent,
                    TColor colour)
{
    TOwnedBitmap mask(CreateBitmap(size.cx, size.cy, 1, 1, nullptr));
    TOwnedDC maskDC(CreateCompatibleDC(nullptr));
    if (!mask || !maskDC)
        return;
    TSelectObject selectMask(maskDC.Get(), mask.Get());
    HDC glyphDC = glyph.Canvas().Handle();
    COLORREF oldBk = SetBkColor(glyphDC, transparent);
    BitBlt(maskDC.Get(), 0, 0, size.cx, size.cy, glyphDC, sourceX, 0, SRCCOPY);
    SetBkColor(glyphDC, oldBk);

    TOwnedBrush brush(CreateSolidBrush(ColorToRGB(colour)));
    TTextColorGuard text(dc, RGB(0, 0, 0));
    COLORREF bk = SetBkColor(dc, RGB(255, 255, 255));
    {
        TSelectObject selectBrush(dc, brush.Get());
        constexpr DWORD kPatternWhereSourceBlack = 0x00B8074A;
        BitBlt(dc, x, y, size.cx, size.cy, maskDC.Get(), 0, 0, kPatternWhereSourceBlack);
    }
    SetBkColor(dc, bk);
}

} // namespace

SIZE GlyphFrameSize(const TButtonContent& content)
{
    if (!content.Glyph || content.Glyph->Empty())
        return {0, 0};
    const int frames = std::clamp(content.NumGlyphs, 1, 4);
    return {content.Glyph->Width() / frames, content.Glyph->Height()};
}

void DrawButtonContent(TCanvas& canvas, const RECT& client, const TButtonContent& content, TButtonState state,
                       POINT offset)
{
    SIZE glyph = GlyphFrameSize(content);
    SIZE text {0, 0};
    if (!content.Caption.empty()) {
        RECT measure {0, 0, client.right - client.left, 0};
        canvas.DrawText(content.Caption, measure, DT_CALCRECT | DT_SINGLELINE);
        text = {measure.right - measure.left, measure.bottom - measure.top};
    }
    TButtonLayoutResult layout = CalcButtonLayout(client, glyph, text, content.Layout, content.Margin,
                                                  content.Spacing);
    OffsetRect(&layout.TextBounds, offset.x, offset.y);
    const int gx = layout.GlyphPos.x + offset.x;
    const int gy = layout.GlyphPos.y + offset.y;

    if (glyph.cx > 0) {
        TBitmap& bitmap = *content.Glyph;
        const int frames = std::clamp(content.NumGlyphs, 1, 4);
        int frame = 0;
        switch (state) {
        case TButtonState::bsDisabled: frame = frames > 1 ? 1 : -1; break;
        case TButtonState::bsDown: frame = frames > 2 ? 2 : 0; break;
        case TButtonState::bsExclusive: frame = frames > 3 ? 3 : 0; break;
        default: frame = 0; break;
        }
        const COLORREF transparent = ColorToRGB(bitmap.TransparentColor());
        if (frame >= 0) {
            TransparentBlt(canvas.Handle(), gx, gy, glyph.cx, glyph.cy, bitmap.Canvas().Handle(), frame * glyph.cx, 0,
                           glyph.cx, glyph.cy, transparent);
        } else {
            DrawGlyphShape(canvas.Handle(), gx + 1, gy + 1, bitmap, 0, glyph, transparent, clBtnHighlight);
            DrawGlyphShape(canvas.Handle(), gx, gy, bitmap, 0, glyph, transparent, clBtnShadow);
        }
    }

    if (!content.Caption.empty()) {
        canvas.Brush().SetStyle(TBrushStyle::bsClear);
        const UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
        RECT r = layout.TextBounds;
        if (state == TButtonState::bsDisabled) {
            TColor colour = canvas.Font().Color();
            OffsetRect(&r, 1, 1);
            canvas.Font().SetColor(clBtnHighlight);
            canvas.DrawText(content.Caption, r, format);
            OffsetRect(&r, -1, -1);
            canvas.Font().SetColor(clBtnShadow);
            canvas.DrawText(content.Caption, r, format);
            canvas.Font().SetColor(colour);
        } else {
            canvas.DrawText(content.Caption, r, format);
        }
    }
}

} // namespace tandrel
