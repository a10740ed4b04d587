#pragma once
// Where a button's glyph and caption go. Pure arithmetic, no drawing.

#include <windows.h>

namespace tandrel {

enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

struct TButtonLayoutResult {
    POINT GlyphPos;
    RECT TextBounds;
};

// client: the button's inner area; margin -1 centres the whole; spacing -1
// spreads glyph and text evenly. A button without glyph or text uses no spacing.
TButtonLayoutResult CalcButtonLayout(const RECT& client, SIZE glyph, SIZE text, TButtonLayout layout, int margin,
                                     int spacing);

} // namespace tandrel
