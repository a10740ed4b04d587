#pragma once

// Where the skinners of edit-like controls put things: the two halves of a
// spin button and the frame each shows, the drop-down button and text field
// of a combo box, and the filled part of a progress bar. Pure arithmetic;
// plain C++, no Win32.

#include "skin/description/SkinShapes.h"

#include <cstdint>

namespace tandrel {

// The two buttons of a spin button (up and down, or left and right) in its
// client area, and which of them the cursor is over.
struct TSpinLayout {
    TSkinRect First;  // up, or left
    TSkinRect Second; // down, or right
};

// The client area split in two halves along the layout's axis; with inset
// the buttons keep one pixel of margin on every side.
TSpinLayout SpinButtons(int clientWidth, int clientHeight, bool inset, bool horizontal);
// 0 for the first button, 1 for the second: the cursor's side of the split
// between the two buttons as drawn.
int SpinButtonAt(const TSpinLayout& layout, int x, int y, bool horizontal);
// The part state of one button: pressed when it is the button under the
// cursor, disabled whatever else holds. Spin buttons never look hot.
enum TSpinState : int { ssNormal = 1, ssPressed = 2, ssDisabled = 3 };
TSpinState SpinButtonState(bool pressed, bool underCursor, bool enabled);
// Frame 4 x button + state of the element's strip, button 0 or 1; a strip
// too short for the second button's frames shows the first's.
int SpinFrame(int button, int state, int frameCount);

// A drop-down combo box of width x height whose button is arrowWidth wide
// plus two pixels of edge, at the right or (left-side scroll bar) at the left.
struct TComboLayout {
    TSkinRect TextField; // left to the control's own painting
    TSkinRect Button;    // the skin's button face
    TSkinRect GlyphBox;  // the arrow is centred in here
};
enum class TComboButtonSide { cbRight, cbLeft };
TComboLayout ComboLayout(int width, int height, int arrowWidth, TComboButtonSide side);
// The part state of a combo box: hot also when focused; disabled wins, then
// pressed.
enum TComboState : int { csNormal = 1, csPressed = 2, csDisabled = 3, csHot = 4 };
TComboState ComboState(bool enabled, bool focused, bool pressed, bool hot);
// A w x h rectangle centred in box; offsets truncate toward zero.
TSkinRect CentredIn(const TSkinRect& box, int w, int h);

// How far along `length` pixels a progress bar stands: (position - min) of
// (max - min), truncated, and never outside 0..length. An empty or inverted
// range shows nothing.
int ProgressFill(int length, std::int64_t position, std::int64_t min, std::int64_t max);
// The bar of a progress bar in rect: it grows from the left, or from the
// bottom when the bar is vertical.
enum class TProgressAxis { paHorizontal, paVertical };
TSkinRect ProgressBarRect(const TSkinRect& rect, std::int64_t position, std::int64_t min, std::int64_t max,
                          TProgressAxis axis);
// The row of chunks of a chunk-style bar: inside the element's margins
// along the bar, chunkThickness across it (at most the bar's) and centred;
// it grows as ProgressBarRect does.
TSkinRect ProgressChunkRect(const TSkinRect& rect, const TSkinMargins& margins, int chunkThickness,
                            std::int64_t position, std::int64_t min, std::int64_t max, TProgressAxis axis);

} // namespace tandrel
