#include "skin/draw/KeptMenuFonts.h"

#include "framework/graphics/SystemMetrics.h"

namespace tandrel {

HFONT TKeptMenuFonts::Get(int dpi, TMenuFontWeight weight)
{
    for (const TKept& kept : m_fonts)
        if (kept.Dpi == dpi && kept.Weight == weight)
            return kept.Font.Get();
    LOGFONTW font = MenuLogFontForDpi(dpi);
    if (weight == TMenuFontWeight::mwBold)
        font.lfWeight = FW_BOLD;
    m_fonts.push_back({dpi, weight, TOwnedFont(CreateFontIndirectW(&font))});
    return m_fonts.back().Font.Get();
}

} // namespace tandrel
