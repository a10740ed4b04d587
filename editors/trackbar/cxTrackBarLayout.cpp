#include "editors/trackbar/cxTrackBarLayout.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace tandrel {

namespace {

int Width(const RECT& r) { return r.right > r.left ? r.right - r.left : 0; }
int Height(const RECT& r) { return r.bottom > r.top ? r.bottom - r.top : 0; }

bool HasMarks(const TcxTrackBarGeometry& g, TTickSide side)
{
    return g.TickMarks == cxtmBoth || (side == TTickSide::TopLeft && g.TickMarks == cxtmTopLeft) ||
           (side == TTickSide::BottomRight && g.TickMarks == cxtmBottomRight);
}

// The custom thumb's rectangle, when it has one.
bool CustomThumb(const TcxTrackBarGeometry& g, const TcxTrackBarMeasures& m, RECT& r)
{
    if (g.ThumbType != cxttCustom || !m.GetThumbRect)
        return false;
    r = m.GetThumbRect();
    return true;
}

// The pointed thumb's halves need an even length along the track.
int EvenThumbLength(const TcxTrackBarGeometry& g, int length)
{
    if (length % 2 != 0)
        length += g.Horizontal() ? 1 : -1;
    return length;
}

int Truncate(long double value)
{
    value = std::trunc(value);
    if (value > 2147483647.0L)
        return 2147483647;
    if (value < -2147483648.0L)
        return -2147483647 - 1;
    return static_cast<int>(value);
}

} // namespace

int PositionToPixel(int value, int min, double scale, int origin)
{
    // The product and the sum keep a 64-bit significand before truncation.
    const long double product = static_cast<long double>(static_cast<long long>(value) - min) * scale;
    return Truncate(product + origin);
}

int TickOffset(int value, int min, double scale)
{
    return Truncate(static_cast<long double>(static_cast<long long>(value) - min) * scale);
}

bool PixelToPosition(int pixel, int trackStart, int min, double scale, int& position)
{
    if (!(scale > 0))
        return false;
    // Plain double division, as the scale itself is stored: an extended
    // quotient of 128 / 12.8 falls just short of 10.
    const double steps = std::trunc(static_cast<double>(pixel - trackStart) / scale);
    position = Truncate(static_cast<long double>(min) + steps);
    return true;
}

std::vector<int> ShownTickValues(const TcxTrackBarGeometry& g)
{
    std::vector<int> values;
    if (g.Max < g.Min)
        return values;
    values.push_back(g.Min);
    if (g.Frequency > 0) {
        const long long f = g.Frequency;
        const long long min = g.Min;
        const long long max = g.Max;
        const long long first = min - ((min % f) + f) % f + f;
        if (first < max) {
            const long long count = (max - 1 - first) / f + 1;
            const long long span = std::max(1, g.Horizontal() ? Width(g.TrackRect) : Height(g.TrackRect));
            const long long stride = f * std::max(1LL, (count + span) / (span + 1));
            for (long long n = first; n < max; n += stride)
                values.push_back(static_cast<int>(n));
            const long long p = g.Position;
            if (stride != f && g.TickType == tbttValueNumber && p > min && p < max && p % f == 0 &&
                (p - first) % stride != 0)
                values.insert(std::upper_bound(values.begin(), values.end(), g.Position), g.Position);
        }
    }
    if (g.Max != g.Min)
        values.push_back(g.Max);
    return values;
}

namespace {

double RoundedHalfToEven(double value)
{
    double whole = std::floor(value);
    const double fraction = value - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0))
        whole += 1;
    return whole;
}

} // namespace

int RoundHalfToEven(double value) { return Truncate(RoundedHalfToEven(value)); }

long long DragDelta(int d, double ratio)
{
    // A pixel can be worth more than int holds; the caller clamps to the range.
    const double delta = std::clamp(RoundedHalfToEven(d * ratio), -1e18, 1e18);
    return static_cast<long long>(delta);
}

void PlaceContent(TcxTrackBarGeometry& g, const RECT& clientRect)
{
    g.ContentRect = clientRect;
    g.BitmapRect = {0, 0, Width(clientRect), Height(clientRect)};
    g.BorderWidth = std::min(g.Px(g.BorderWidth), Width(g.BitmapRect) / 2);
    g.BorderWidth = std::min(g.BorderWidth, Height(g.BitmapRect) / 2);
}

int MeasureTickArea(const TcxTrackBarGeometry& g, TTickSide side, const TcxTrackBarMeasures& m)
{
    // Without a border the band keeps one more pixel (at 96) from each edge.
    const int edge = g.BorderWidth == 0 ? 1 : 0;
    int size;
    if (!HasMarks(g, side)) {
        size = 0;
    } else if (g.TickType == tbttTicks) {
        return g.Px(g.TickSize + 1 + edge);
    } else {
        const bool sameDirection = (g.Orientation == tboHorizontal) == (g.TextOrientation == tbtoHorizontal);
        const std::wstring min = std::to_wstring(g.Min);
        const std::wstring max = std::to_wstring(g.Max);
        if (sameDirection)
            size = m.TextExtent ? m.TextExtent(min).cy : 0;
        else
            size = m.TextExtent ? m.TextExtent(min.size() > max.size() ? min : max).cx : 0;
    }
    return size + g.Px(edge);
}

void PlaceThumbBand(TcxTrackBarGeometry& g, const TcxTrackBarMeasures& m)
{
    const int before = MeasureTickArea(g, TTickSide::TopLeft, m);
    const int after = MeasureTickArea(g, TTickSide::BottomRight, m);
    const RECT& b = g.BitmapRect;
    const int available = (g.Horizontal() ? Height(b) : Width(b)) - before - after;
    int thickness = std::clamp(available, g.Px(10), g.Px(21));
    RECT custom;
    if (CustomThumb(g, m, custom))
        thickness = std::max(thickness, g.Horizontal() ? Height(custom) : Width(custom));
    g.EndMargin = g.Px(kTrackEndMargin);
    g.TrackSize = g.AutoSize ? thickness / 2 : g.Px(g.TrackSize);
    const int across = (available - thickness) / 2 + before;
    if (g.Horizontal()) {
        g.ThumbBand.top = across + b.top;
        g.ThumbBand.bottom = g.ThumbBand.top + thickness;
        g.ThumbBand.left = b.left + g.BorderWidth + g.EndMargin;
        g.ThumbBand.right = b.right - g.BorderWidth - g.EndMargin;
    } else {
        g.ThumbBand.left = across + b.left;
        g.ThumbBand.right = g.ThumbBand.left + thickness;
        g.ThumbBand.top = b.top + g.BorderWidth + g.EndMargin;
        g.ThumbBand.bottom = b.bottom - g.BorderWidth - g.EndMargin;
    }
}

void PlaceTrack(TcxTrackBarGeometry& g)
{
    const RECT& band = g.ThumbBand;
    if (g.Horizontal()) {
        g.TrackRect.left = band.left;
        g.TrackRect.right = band.right;
        g.TrackRect.top = (Height(band) - g.TrackSize) / 2 + band.top;
        g.TrackRect.bottom = g.TrackRect.top + g.TrackSize;
    } else {
        g.TrackRect.top = band.top;
        g.TrackRect.bottom = band.bottom;
        g.TrackRect.left = (Width(band) - g.TrackSize) / 2 + band.left;
        g.TrackRect.right = g.TrackRect.left + g.TrackSize;
    }
}

void SizeThumb(TcxTrackBarGeometry& g, const TcxTrackBarMeasures& m)
{
    // Max - Min needs 33 bits when the range spans most of int.
    long long range = static_cast<long long>(g.Max) - g.Min;
    if (range == 0)
        range = 1;
    g.PointedThumb = g.TickMarks != cxtmBoth;
    RECT custom;
    if (CustomThumb(g, m, custom)) {
        g.ThumbLength = g.Horizontal() ? Width(custom) : Height(custom);
        g.ThumbBreadth = g.Horizontal() ? Height(custom) : Width(custom);
        g.ThumbWidth = g.ThumbLength;
        g.ThumbHeight = g.ThumbBreadth;
    } else if (g.AutoSize) {
        // The thumb the track would have at 96, scaled: evening the scaled
        // track's length instead would make it up to a pixel per side too big.
        const int design = EvenThumbLength(g, g.TrackSize * kDesignDpi / g.Dpi);
        g.ThumbLength = 2 * g.Px(design / 2);
        g.ThumbBreadth = g.Px(2 * design - 1);
    } else {
        g.ThumbLength = g.Px(g.ThumbWidth);
        g.ThumbBreadth = g.Px(g.ThumbHeight - 1);
    }
    const int span = g.Horizontal() ? Width(g.TrackRect) : Height(g.TrackRect);
    g.Scale = static_cast<double>(span - g.ThumbLength) / static_cast<double>(range);
}

void PlaceThumb(TcxTrackBarGeometry& g)
{
    const int along = 2 * (g.ThumbLength / 2);
    if (g.Horizontal()) {
        const int p = PositionToPixel(g.Position, g.Min, g.Scale, g.TrackRect.left);
        g.ThumbRect.left = p;
        g.ThumbRect.right = p + along;
        g.ThumbRect.top = g.TrackSize / 2 + g.TrackRect.top - g.ThumbBreadth / 2;
        g.ThumbRect.bottom = g.ThumbRect.top + g.ThumbBreadth;
    } else {
        const int p = PositionToPixel(g.Position, g.Min, g.Scale, g.TrackRect.top);
        g.ThumbRect.top = p;
        g.ThumbRect.bottom = p + along;
        const int e = g.TickMarks == cxtmTopLeft ? -1 : 0;
        g.ThumbRect.left = g.TrackSize / 2 + g.TrackRect.left - g.ThumbBreadth / 2 + e;
        g.ThumbRect.right = g.ThumbRect.left + g.ThumbBreadth + e;
    }
    if (g.NativeEditStyle) {
        // The themed thumb sits one pixel further along the track.
        if (g.Horizontal()) {
            ++g.ThumbRect.left;
            ++g.ThumbRect.right;
        } else {
            ++g.ThumbRect.top;
            ++g.ThumbRect.bottom;
        }
    }
}

void PlaceSelection(TcxTrackBarGeometry& g)
{
    g.SelectionStart = std::min(std::max(g.SelectionStart, g.Min), g.Max);
    g.SelectionEnd = std::min(std::max(g.SelectionEnd, g.Min), g.Max);
    g.SelectionVisible = g.SelectionStart < g.SelectionEnd;
    if (!g.SelectionVisible)
        return;
    const int half = g.ThumbLength / 2;
    if (g.Horizontal()) {
        g.SelectionRect.left = PositionToPixel(g.SelectionStart, g.Min, g.Scale, g.TrackRect.left) + half;
        g.SelectionRect.right = PositionToPixel(g.SelectionEnd, g.Min, g.Scale, g.TrackRect.left) + half + 1;
        g.SelectionRect.top = g.TrackRect.top + g.Px(2);
        g.SelectionRect.bottom = g.TrackRect.bottom - g.Px(1);
    } else {
        g.SelectionRect.top = PositionToPixel(g.SelectionStart, g.Min, g.Scale, g.TrackRect.top) + half;
        g.SelectionRect.bottom = PositionToPixel(g.SelectionEnd, g.Min, g.Scale, g.TrackRect.top) + half + 1;
        g.SelectionRect.left = g.TrackRect.left + g.Px(2);
        g.SelectionRect.right = g.TrackRect.right - g.Px(2);
    }
}

void LayoutSlider(TcxTrackBarGeometry& g, const RECT& clientRect, const TcxTrackBarMeasures& m)
{
    PlaceContent(g, clientRect);
    PlaceThumbBand(g, m);
    PlaceTrack(g);
    SizeThumb(g, m);
    PlaceThumb(g);
    PlaceSelection(g);
}

} // namespace tandrel
