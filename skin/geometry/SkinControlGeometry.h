#pragma once

// Where the control skinners put things: which frame of a button strip a
// state shows, where a glyph and a caption go on a button, where a check
// box sits, and the pieces of a scroll bar with its thumb. Pure arithmetic;
// plain C++, no Win32.

#include "skin/description/SkinShapes.h"

#include <cstdint>

namespace tandrel {

// Frames of the skin's button strip, counted from 1.
enum TButtonFrame : int { bfNormal = 1, bfPressed = 2, bfDisabled = 3, bfHot = 4 };

// A push or bitmap button: focus shows the hot frame, pressing wins over
// hovering, and a disabled button is disabled whatever else holds.
TButtonFrame PushButtonFrame(bool focused, bool pressed, bool hot, bool enabled);
// A speed button: no focus, and a button held down shows pressed even
// when disabled.
TButtonFrame SpeedButtonFrame(bool pressed, bool hot, bool enabled, bool down);
// The frame of a speed button's glyph strip for a button frame; 1 when
// the strip has fewer frames.
int SpeedGlyphFrame(int buttonFrame, int glyphCount);

// Frames of the check-box and radio strips, counted from 1; a check box's
// third state shows the disabled checked frame.
enum TCheckFrame : int { cfUnchecked = 1, cfChecked = 2, cfUncheckedDisabled = 3, cfCheckedDisabled = 4 };
TCheckFrame CheckFrame(bool checked, bool enabled, bool thirdState);

// Glyph left, right, top or bottom of the caption.
enum TSkinButtonLayout : int { sblGlyphLeft = 0, sblGlyphRight = 1, sblGlyphTop = 2, sblGlyphBottom = 3 };
enum class TButtonKind { bkBitmap, bkSpeed };

struct TSkinButtonPlacement {
    int GlyphX = 0;
    int GlyphY = 0;
    TSkinRect Text;
};

struct TSkinButtonMetrics {
    int ClientWidth = 0;
    int ClientHeight = 0;
    int GlyphWidth = 0; // one frame; 0 without a glyph
    int GlyphHeight = 0;
    int TextWidth = 0; // 0 without a caption
    int TextHeight = 0;
    int Layout = sblGlyphLeft;
    int Margin = -1; // -1 centres glyph and caption together
    int Spacing = 4; // -1 spreads them evenly
    int PaintWidth = 0; // the width being painted (speed buttons)
};

// Where a button's glyph and caption go.
TSkinButtonPlacement PlaceButtonContent(const TSkinButtonMetrics& m, TButtonKind kind);

// The box of a check box or radio button of w x h in rect: centred on its
// height, at the left, or at the right edge with the box right of the
// text; a box narrower than the system's 14 pixels is centred on those.
TSkinRect CheckBoxRect(const TSkinRect& rect, int w, int h, bool boxRight);

// Scroll bars. Parts of a bar, as the pressed part names them.
enum TScrollPart : int {
    spNone = 0,
    spLeftArrow = 1,
    spRightArrow = 2,
    spUpArrow = 3,
    spDownArrow = 4,
    spHorzThumb = 5,
    spVertThumb = 6,
};

// What the platform says of one bar.
struct TScrollRange {
    std::int64_t Min = 0;
    std::int64_t Max = 0;
    std::int64_t Page = 0;
    std::int64_t Pos = 0;
};

// The geometry along one bar: arrow size, track length, thumb size and
// thumb offset within the track.
struct TBarGeometry {
    int Arrow = 0;
    int Track = 0;
    int ThumbSize = 0;
    int ThumbOffset = 0;
};

// The two bars of a scrolling window, in window coordinates.
struct TScrollBarsLayout {
    TSkinRect Horizontal;
    TSkinRect Vertical;
    TSkinRect Corner;
};

struct TScrollFrame {
    int Width = 0; // the window
    int Height = 0;
    int ClientWidth = 0;
    int ClientHeight = 0;
    int BarSize = 0; // thickness and arrow size
    int Edge = 0;    // the system's edge, used when no bar tells it
    bool HasHorizontal = false;
    bool HasVertical = false;
    bool LeftScrollBar = false;
};

TScrollBarsLayout ScrollBarsLayout(const TScrollFrame& f);

// The platform's multiply-then-divide: a 64-bit product rounded to the
// nearest; -1 on division by 0.
std::int64_t MulDiv64(std::int64_t value, std::int64_t numerator, std::int64_t denominator);

// Thumb size and offset on a bar `length` long. rangeExtra is 1 for the
// stand-alone scroll-bar control, whose range counts both ends. Returns
// false (the previous geometry stays) when the range is empty.
bool ComputeThumb(TBarGeometry& bar, int length, int arrow, int minThumb, int systemThumb, const TScrollRange& r,
                  int rangeExtra = 0);

// The part under coordinate c along a bar (SB_* codes: 0 first arrow,
// 2 page up, 5 thumb, 3 page down, 1 second arrow), -1 beyond the bar.
int HitPart(int c, const TBarGeometry& bar);

// The position a thumb dragged to offset `offset` stands for, and the
// offset clamped to the track.
struct TThumbDrag {
    int Offset = 0;
    std::int64_t Pos = 0;
};
TThumbDrag DragThumb(int offset, const TBarGeometry& bar, const TScrollRange& r);

} // namespace tandrel
