#pragma once
// The menu font at each density menus are drawn at, regular and bold: made
// once and kept, as every item measured or drawn needs it. Cleared with the
// skin's images and when the system's settings change.

#include "framework/graphics/GdiObjects.h"

#include <vector>

namespace tandrel {

enum class TMenuFontWeight { mwRegular, mwBold };

class TKeptMenuFonts {
public:
    // The font for `dpi`, owned here until Clear.
    HFONT Get(int dpi, TMenuFontWeight weight);
    void Clear() { m_fonts.clear(); }
    int Count() const { return static_cast<int>(m_fonts.size()); }

private:
    struct TKept {
        int Dpi;
        TMenuFontWeight Weight;
        TOwnedFont Font;
    };
    std::vector<TKept> m_fonts;
};

} // namespace tandrel
