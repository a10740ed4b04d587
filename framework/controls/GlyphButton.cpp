#include "framework/controls/GlyphButton.h"

#include <algorithm>

namespace tandrel {

const TEnumInfo kButtonLayouts {{"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"}};

TGlyphButton::TGlyphButton()
{
    // Whatever colour a glyph has at its bottom-left pixel shows through.
    m_glyph.OnChange = [this] {
        if (!m_glyph.Empty())
            m_glyph.SetTransparent(true);
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

TButtonContent TGlyphButton::Content(TBitmap& glyph, int numGlyphs, const std::wstring& caption) const
{
    return {&glyph, numGlyphs, caption, m_layout, m_margin, m_spacing};
}

} // namespace tandrel
