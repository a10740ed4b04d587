#pragma once
// Draws a button's glyph and caption the way the framework's buttons share.

#include "framework/graphics/Bitmap.h"
#include "framework/controls/ButtonLayout.h"

#include <string>

namespace tandrel {

enum class TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };

struct TButtonContent {
    TBitmap* Glyph = nullptr;  // frames side by side: up, disabled, down, exclusive
    int NumGlyphs = 1;
    std::wstring Caption;
    TButtonLayout Layout = TButtonLayout::blGlyphLeft;
    int Margin = -1;
    int Spacing = 4;
};

// The size of one glyph frame, or zero without a glyph.
SIZE GlyphFrameSize(const TButtonContent& content);

// Draws glyph and caption inside client on canvas (whose font is set).
// offset shifts both, as a pressed button does.
void DrawButtonContent(TCanvas& canvas, const RECT& client, const TButtonContent& content, TButtonState state,
                       POINT offset);

} // namespace tandrel
