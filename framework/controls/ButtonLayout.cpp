#include "framework/controls/ButtonLayout.h"

namespace tandrel {

TButtonLayoutResult CalcButtonLayout(const RECT& client, SIZE glyph, SIZE text, TButtonLayout layout, int margin,
                                     int spacing)
{
    const POINT size {client.right - client.left, client.bottom - client.top};
    const bool horizontal = layout == TButtonLayout::blGlyphLeft || layout == TButtonLayout::blGlyphRight;
    if (glyph.cx == 0 || text.cx == 0)
        spacing = 0;

    POINT glyphPos {0, 0};
    POINT textPos {0, 0};
    if (horizontal) {
        glyphPos.y = (size.y - glyph.cy + 1) / 2;
        textPos.y = (size.y - text.cy + 1) / 2;
    } else {
        glyphPos.x = (size.x - glyph.cx + 1) / 2;
        textPos.x = (size.x - text.cx + 1) / 2;
    }

    const int extent = horizontal ? size.x : size.y;
    const int glyphExtent = horizontal ? glyph.cx : glyph.cy;
    const int textExtent = horizontal ? text.cx : text.cy;
    if (margin == -1) {
        if (spacing == -1) {
            const int total = glyphExtent + textExtent;
            margin = (extent - total) / 3;
            spacing = margin;
        } else {
            margin = (extent - (glyphExtent + spacing + textExtent) + 1) / 2;
        }
    } else if (spacing == -1) {
        const int total = extent - (margin + glyphExtent);
        spacing = (total - textExtent) / 2;
    }

    int glyphAt = 0;
    int textAt = 0;
    switch (layout) {
    case TButtonLayout::blGlyphLeft:
    case TButtonLayout::blGlyphTop:
        glyphAt = margin;
        textAt = glyphAt + glyphExtent + spacing;
        break;
    case TButtonLayout::blGlyphRight:
    case TButtonLayout::blGlyphBottom:
        glyphAt = extent - margin - glyphExtent;
        textAt = glyphAt - spacing - textExtent;
        break;
    }
    if (horizontal) {
        glyphPos.x = glyphAt;
        textPos.x = textAt;
    } else {
        glyphPos.y = glyphAt;
        textPos.y = textAt;
    }

    TButtonLayoutResult result;
    result.GlyphPos = {glyphPos.x + client.left, glyphPos.y + client.top};
    result.TextBounds = {textPos.x + client.left, textPos.y + client.top, textPos.x + client.left + text.cx,
                         textPos.y + client.top + text.cy};
    return result;
}

} // namespace tandrel
