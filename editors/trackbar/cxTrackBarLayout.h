#pragma once
// The slider's geometry: pure arithmetic from its settings and client rect
// to the rectangles that painting and the mouse use. No window is needed.

#include "framework/graphics/Dpi.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace tandrel {

enum TcxTrackBarOrientation { tboHorizontal, tboVertical };
enum TcxTrackBarTextOrientation { tbtoHorizontal, tbtoVertical };
enum TcxTrackBarTickMarks { cxtmBoth, cxtmTopLeft, cxtmBottomRight };
enum TcxTrackBarTickType { tbttTicks, tbttNumbers, tbttValueNumber };
enum TcxTrackBarThumbType { cxttNone, cxttRegular, cxttCustom };
enum TcxTrackBarThumbStep { cxtsNormal, cxtsJump };

// Room between the track's ends and the bitmap's sides, beside BorderWidth.
constexpr int kTrackEndMargin = 7;

// The slider's settings that its layout reads.
struct TcxTrackBarSettings {
    bool AutoSize = true;
    int BorderWidth = 0;
    int Frequency = 1;
    int Min = 0;
    int Max = 10;
    TcxTrackBarOrientation Orientation = tboHorizontal;
    TcxTrackBarTextOrientation TextOrientation = tbtoHorizontal;
    int PageSize = 1;
    int SelectionStart = 0;
    int SelectionEnd = 0;
    bool ShowTicks = true;
    bool ShowTrack = true;
    TcxTrackBarThumbType ThumbType = cxttRegular;
    TcxTrackBarTickType TickType = tbttTicks;
    TcxTrackBarTickMarks TickMarks = cxtmBottomRight;
    int TickSize = 3;
    int TrackSize = 5;
    int ThumbHeight = 12;
    int ThumbWidth = 7;
};

// The settings, which the layout adjusts where the slider's rules say so
// (BorderWidth, TrackSize, the thumb size, the selection), and what it
// computes. Every rectangle but ContentRect is in bitmap coordinates.
struct TcxTrackBarGeometry : TcxTrackBarSettings {
    int Position = 0;           // the display position, within Min..Max
    bool NativeEditStyle = false;

    RECT ContentRect {};        // the editor's client rect
    RECT BitmapRect {};         // ContentRect moved to (0, 0)
    RECT ThumbBand {};
    RECT TrackRect {};
    RECT ThumbRect {};
    RECT SelectionRect {};
    bool SelectionVisible = false;
    int EndMargin = kTrackEndMargin;
    int ThumbLength = 0;        // along the track
    int ThumbBreadth = 0;       // across it
    double Scale = 0;           // pixels per position unit
    bool PointedThumb = true;
    // The density the slider is drawn at: the settings' lengths are at 96.
    int Dpi = kDesignDpi;

    bool Horizontal() const { return Orientation == tboHorizontal; }
    // A length laid out at 96 pixels per inch, at the slider's density.
    int Px(int designLength) const { return ScaleDpi(designLength, Dpi); }
};

// What the layout asks of the outside world.
struct TcxTrackBarMeasures {
    // The size of a text in the slider's font (numbers on the tick side).
    std::function<SIZE(const std::wstring&)> TextExtent;
    // The custom thumb's rectangle; empty unless OnGetThumbRect is set.
    std::function<RECT()> GetThumbRect;
};

enum class TTickSide { TopLeft, BottomRight };

void LayoutSlider(TcxTrackBarGeometry& g, const RECT& clientRect, const TcxTrackBarMeasures& m);
// The steps of LayoutSlider, in its order.
void PlaceContent(TcxTrackBarGeometry& g, const RECT& clientRect);
int MeasureTickArea(const TcxTrackBarGeometry& g, TTickSide side, const TcxTrackBarMeasures& m);
void PlaceThumbBand(TcxTrackBarGeometry& g, const TcxTrackBarMeasures& m);
void PlaceTrack(TcxTrackBarGeometry& g);
void SizeThumb(TcxTrackBarGeometry& g, const TcxTrackBarMeasures& m);
void PlaceThumb(TcxTrackBarGeometry& g);
void PlaceSelection(TcxTrackBarGeometry& g);

// The pixel at which a position's thumb starts: (value − Min) × scale +
// origin, in extended precision, truncated toward zero.
int PositionToPixel(int value, int min, double scale, int origin);
// The tick pixel offset of a position from the track's start.
int TickOffset(int value, int min, double scale);
// The position a press at a pixel jumps to (before clamping); false when
// the scale gives no answer (a track no longer than the thumb).
bool PixelToPosition(int pixel, int trackStart, int min, double scale, int& position);
// The values that get a tick or a number, ascending: Min, the multiples of
// Frequency between, Max. On a range with more values than the track has
// pixels, only about one multiple per pixel is kept (the others would land
// on the same columns), and the position itself stays among them.
std::vector<int> ShownTickValues(const TcxTrackBarGeometry& g);
// Rounds to the nearest integer, halves to even.
int RoundHalfToEven(double value);
// The position change a drag of d pixels makes when ratio positions go to a pixel.
long long DragDelta(int d, double ratio);

} // namespace tandrel
