#include "framework/controls/GlyphButton.h"

#include "framework/graphics/Dpi.h"

#include <algorithm>

namespace tandrel {

const TEnumInfo kButtonLayouts {{"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"}};

TGlyphButton::TGlyphButton()
{
    // Whatever colour a glyph has at its bottom-left pixel shows through.
    m_glyph.OnChange = [this] {
        if (!m_glyph.Empty())
            m_glyph.SetTransparent(true);
        m_scaledFrom = {};
        GlyphChanged();
    };
}

void TGlyphButton::SetNumGlyphs(int count) { Store(m_numGlyphs, std::clamp(count, 1, 4)); }

void TGlyphButton::SetLayout(TButtonLayout layout) { Store(m_layout, layout); }

void TGlyphButton::SetMargin(int margin)
{
    if (margin >= -1)
        Store(m_margin, margin);
}

void TGlyphButton::SetSpacing(int spacing) { Store(m_spacing, spacing); }

TBitmap& TGlyphButton::GlyphAtDpi(TBitmap& glyph, int numGlyphs, int dpi)
{
    numGlyphs = std::clamp(numGlyphs, 1, 4);
    int const frameWidth = glyph.Width() / numGlyphs;
    if (dpi == kDesignDpi || glyph.Empty() || frameWidth <= 0)
        return glyph;
    TScaledFrom const from {&glyph, glyph.Width(), glyph.Height(), numGlyphs, dpi};
    if (from == m_scaledFrom)
        return m_scaled;
    int const width = ScaleDpi(frameWidth, dpi);
    int const height = ScaleDpi(glyph.Height(), dpi);
    // A glyph past any sensible size stays as it is.
    if (width <= 0 || height <= 0 || width > 1024 || height > 1024)
        return glyph;
    m_scaled.SetPixelFormat(TPixelFormat::pf24bit);
    m_scaled.SetSize(width * numGlyphs, height);
    HDC const target = m_scaled.Canvas().Handle();
    SetStretchBltMode(target, COLORONCOLOR);
    for (int i = 0; i < numGlyphs; ++i)
        StretchBlt(target, i * width, 0, width, height, glyph.Canvas().Handle(), i * frameWidth, 0, frameWidth,
                   glyph.Height(), SRCCOPY);
    m_scaled.SetTransparentColor(glyph.TransparentColor());
    m_scaled.SetTransparent(glyph.Transparent());
    m_scaledFrom = from;
    return m_scaled;
}

TButtonContent TGlyphButton::Content(TBitmap& glyph, int numGlyphs, const std::wstring& caption, int dpi) const
{
    return {&glyph, numGlyphs, caption, m_layout, m_margin < 0 ? m_margin : ScaleDpi(m_margin, dpi),
            ScaleDpi(m_spacing, dpi)};
}

} // namespace tandrel
