#pragma once

// Where the pieces of a skin image go: frames of a strip, the nine pieces of
// a picture with fixed margins, the caps and repeats of a bar. Pure
// arithmetic on numbers, so the drawing primitives only copy what these
// functions say. Plain C++: no Win32.

#include "skin/description/SkinShapes.h"

#include <vector>

namespace tandrel {

// Frame `index` (1-based) of `count` equal frames. A count below 1 counts
// as 1 and the index is kept within 1..count, so a frame never reaches
// outside the image; the remainder of an uneven division is dropped.
TSkinRect SkinFrameRect(int imageWidth, int imageHeight, int count, int index, TFrameLayout layout);

// One copy: `Source` in image coordinates, `Dest` in the picture's.
struct TSkinPiece {
    TSkinRect Source;
    TSkinRect Dest;
    bool Middle = false; // the piece that may be tiled instead of stretched
};

enum class TNineSliceMiddle { nsWith, nsWithout };

// The pieces of a `width` x `height` picture made from `frame`: corners at
// their own size, edges stretched along their length, the middle filling
// the rest. Side margins that do not fit `width` are both dropped, and so
// are top and bottom margins that do not fit `height`; negative margins
// count as 0 and margins are cut to what the frame holds. The order is the
// drawing order: top-left, bottom-left, top-right corners, left and top
// edges, the middle, then bottom-right, right and bottom, so that tiles
// overhanging the middle are covered. Pieces with nothing to copy are left
// out.
std::vector<TSkinPiece> NineSlicePieces(const TSkinRect& frame, int width, int height, TSkinMargins margins,
                                        TNineSliceMiddle middle = TNineSliceMiddle::nsWith);

// The pieces of a one-row bar: the left cap, repeats of the middle from
// x = left while x < width - right (the last may overhang), and the right
// cap last, covering any overhang; every piece spans the full height. A
// frame whose caps leave no middle is stretched whole over the bar instead,
// so nothing steps by a width of zero.
std::vector<TSkinPiece> SkinBarPieces(const TSkinRect& frame, int width, int height, int left, int right);

// Tiling `dest` with a tile: whole tiles from its top-left corner, the last
// column and row overhanging. Rather than one copy per tile, the tile is
// first repeated into a pattern of about 256 x 256 pixels, and `Blits` are
// the rectangles (in `dest`'s coordinates) that each receive the pattern's
// top-left part; together they cover exactly what the tiles would.
struct TTilePlan {
    int PatternWidth = 0;
    int PatternHeight = 0;
    std::vector<TSkinRect> Blits;
};
TTilePlan PlanTiles(const TSkinRect& dest, int tileWidth, int tileHeight);

} // namespace tandrel
