#pragma once

// Where the parts of an owner-drawn menu item go and how large items are
// measured; the pieces of a skinned separator and of a popup window's
// border ring; which menu-bar item a key switches to. Plain C++: no Win32.
//
// Margins come from the skin: negative ones count as 0 and absurd ones are
// capped, so no sum here overflows.

#include "skin/description/SkinShapes.h"
#include "skin/geometry/SkinGeometry.h"

#include <vector>

namespace tandrel {

// The MenuItem object's left margin as the item painters use it: 0 without
// the object, never negative, at most 1000.
int MenuItemIndent(bool hasMenuItem, int leftWidth);

// Width of a framework popup item after its own measuring: the indent,
// 12 more, and 23 more room for the box when its menu has no image list.
int MeasuredPopupItemWidth(int width, int indent, bool hasImageList);
// The same for an item of a menu-bar popup, measured through the window.
int MeasuredBarItemWidth(int width, int indent, bool hasImageList);

// An item of another window's menu, known only by its caption.
struct TMeasuredItem {
    int Width = 0;
    int Height = 0;
};
TMeasuredItem MeasuredHandleItem(int textWidth, int height, bool captionEmpty, int indent, bool oldPlatformFamily);

// The side of an image or check box: 16, or the image list's width; a
// checked item needs at least 16 for the check mark.
int MenuImageSize(int imageListWidth, bool checked);

// The image box and the text area of an item drawn in `item`. A separator
// has an empty box at the item's starting edge. Right-to-left items have
// the box at the right.
struct TMenuItemLayout {
    TSkinRect Box;
    TSkinRect Text;
};
TMenuItemLayout MenuItemLayout(const TSkinRect& item, int imageSize, int indent, bool separator, bool rightToLeft);

// A caption measured at the text area's top, moved down to sit in the
// middle of the item's rows.
TSkinRect CentredCaption(const TSkinRect& measured, int itemHeight);
// Where the shortcut text goes, from the caption's measured rectangle.
TSkinRect ShortcutRect(const TMenuItemLayout& layout, const TSkinRect& caption, const TSkinRect& item,
                       bool rightToLeft);
// Top-left of a `width` x `height` mark centred in the box, moved by (1, 1).
TSkinRect CheckMarkRect(const TSkinRect& box, int width, int height);

// A skinned separator `width` x `height` from frame 2 of the MenuItem strip
// (5 frames side by side): its bottom rows, the margins at their own width
// and the middle stretched. Margins that do not fit the frame or the
// separator are dropped.
std::vector<TSkinPiece> SeparatorPieces(int imageWidth, int imageHeight, int width, int height, int left, int right);

// The width of a popup menu window's border, drawn from the skin.
constexpr int kPopupBorder = 3;
// The four bands of a `width` x `height` window's border ring: top rows,
// bottom rows, then left and right columns between them. Bands that would
// overlap in a tiny window are cut.
std::vector<TSkinRect> PopupBorderBands(int width, int height);

// The menu-bar item one step from `open` (left: −1, right: +1), wrapping
// around; −1 when the bar has no items.
int SwitchedBarItem(int open, int count, int step);

} // namespace tandrel
