// The primitives that work on pixels: regions cut from bitmaps, and
// mirroring, flipping and rotating in place.

#include "skin/draw/SkinDraw.h"

#include "framework/core/SysUtils.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace tandrel {

namespace {

// Rectangles gathered for ExtCreateRegion: room grows 500 at a time.
class TRegionBatch {
public:
    TRegionBatch() { m_rects.reserve(Growth); }

    std::size_t Size() const { return m_rects.size(); }

    void Add(const RECT& rect)
    {
        if (m_rects.size() == m_rects.capacity())
            m_rects.reserve(m_rects.capacity() + Growth);
        m_rects.push_back(rect);
    }

    // Unites the gathered rectangles into `result` (the first batch becomes
    // it) and starts again empty.
    void FlushInto(TOwnedRegion& result)
    {
        TOwnedRegion batch(MakeRegion());
        if (!batch)
            RaiseLastOSError("ExtCreateRegion");
        if (!result)
            result = std::move(batch);
        else
            CombineRgn(result.Get(), result.Get(), batch.Get(), RGN_OR);
        m_rects.clear();
    }

private:
    static constexpr std::size_t Growth = 500;

    HRGN MakeRegion() const
    {
        if (m_rects.empty())
            return CreateRectRgn(0, 0, 0, 0);
        std::vector<std::uint8_t> data(sizeof(RGNDATAHEADER) + m_rects.size() * sizeof(RECT));
        RGNDATAHEADER header {};
        header.dwSize = sizeof header;
        header.iType = RDH_RECTANGLES;
        header.nCount = static_cast<DWORD>(m_rects.size());
        header.rcBound = m_rects.front();
        for (const RECT& rect : m_rects) {
            header.rcBound.left = std::min(header.rcBound.left, rect.left);
            header.rcBound.top = std::min(header.rcBound.top, rect.top);
            header.rcBound.right = std::max(header.rcBound.right, rect.right);
            header.rcBound.bottom = std::max(header.rcBound.bottom, rect.bottom);
        }
        std::memcpy(data.data(), &header, sizeof header);
        std::memcpy(data.data() + sizeof header, m_rects.data(), m_rects.size() * sizeof(RECT));
        return ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()), reinterpret_cast<const RGNDATA*>(data.data()));
    }

    std::vector<RECT> m_rects;
};

struct TChannelRange {
    int Low;
    int High;
    bool Holds(int value) const { return value >= Low && value <= High; }
};

TChannelRange RangeOf(int key, int tolerance)
{
    return { key, static_cast<int>(std::min<long long>(255, static_cast<long long>(key) + tolerance)) };
}

// The bitmap's pixels as 24-bit rows, for the operations that rewrite it.
void To24Bits(TBitmap& bitmap)
{
    if (bitmap.PixelFormat() != TPixelFormat::pf24bit)
        bitmap.SetPixelFormat(TPixelFormat::pf24bit);
}

enum class TTurn { Left, Right };

void Rotate(TBitmap& bitmap, TTurn turn)
{
    if (bitmap.Empty())
        return;
    int const w = bitmap.Width();
    int const h = bitmap.Height();
    TBitmap old;
    old.Assign(bitmap);
    old.SetPixelFormat(TPixelFormat::pf32bit);

    std::vector<const std::uint8_t*> rows(static_cast<std::size_t>(h));
    for (int y = 0; y < h; ++y)
        rows[static_cast<std::size_t>(y)] = old.ScanLine(y);

    bitmap.SetSize(0, 0);
    bitmap.SetPixelFormat(TPixelFormat::pf24bit);
    bitmap.SetSize(h, w);
    for (int y = 0; y < w; ++y) {
        std::uint8_t* row = bitmap.ScanLine(y);
        for (int x = 0; x < h; ++x) {
            // Left: new (x, y) is old (w - 1 - y, x); right: old (y, h - 1 - x).
            int const ox = turn == TTurn::Left ? w - 1 - y : y;
            int const oy = turn == TTurn::Left ? x : h - 1 - x;
            const std::uint8_t* pixel = rows[static_cast<std::size_t>(oy)] + 4 * ox;
            std::memcpy(row + 3 * x, pixel, 3);
        }
    }
}

} // namespace

TOwnedRegion RegionFromBitmap(TBitmap& bitmap, int xOffset, int yOffset, TColor keyColour, int redTolerance,
                              int greenTolerance, int blueTolerance)
{
    return RegionFromBitmapInBatches(bitmap, xOffset, yOffset, keyColour, redTolerance, greenTolerance,
                                     blueTolerance, 2000);
}

TOwnedRegion RegionFromBitmapInBatches(TBitmap& bitmap, int xOffset, int yOffset, TColor keyColour,
                                       int redTolerance, int greenTolerance, int blueTolerance, int batch)
{
    COLORREF const key = ColorToRGB(keyColour);
    TChannelRange const red = RangeOf(GetRValue(key), redTolerance);
    TChannelRange const green = RangeOf(GetGValue(key), greenTolerance);
    TChannelRange const blue = RangeOf(GetBValue(key), blueTolerance);
    auto const isKey = [&](const std::uint8_t* pixel) {
        return blue.Holds(pixel[0]) && green.Holds(pixel[1]) && red.Holds(pixel[2]);
    };

    bitmap.SetPixelFormat(TPixelFormat::pf32bit);
    TOwnedRegion result;
    TRegionBatch rects;
    std::size_t const flushAt = static_cast<std::size_t>(std::max(1, batch));
    int const width = bitmap.Empty() ? 0 : bitmap.Width();
    int const height = bitmap.Empty() ? 0 : bitmap.Height();
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* row = bitmap.ScanLine(y);
        int x = 0;
        while (x < width) {
            while (x < width && isKey(row + 4 * x))
                ++x;
            int const start = x;
            while (x < width && !isKey(row + 4 * x))
                ++x;
            if (x > start) {
                rects.Add({ start + xOffset, y + yOffset, x + xOffset, y + 1 + yOffset });
                if (rects.Size() == flushAt)
                    rects.FlushInto(result);
            }
        }
    }
    rects.FlushInto(result);
    return result;
}

void MirrorBitmap(TBitmap& bitmap)
{
    if (bitmap.Empty())
        return;
    To24Bits(bitmap);
    int const w = bitmap.Width();
    for (int y = 0; y < bitmap.Height(); ++y) {
        std::uint8_t* row = bitmap.ScanLine(y);
        for (int x = 0; x < w / 2; ++x)
            std::swap_ranges(row + 3 * x, row + 3 * x + 3, row + 3 * (w - 1 - x));
    }
}

void FlipBitmap(TBitmap& bitmap)
{
    if (bitmap.Empty())
        return;
    To24Bits(bitmap);
    TBitmap flipped(bitmap.Width(), bitmap.Height(), TPixelFormat::pf24bit);
    std::size_t const rowBytes = 3 * static_cast<std::size_t>(bitmap.Width());
    for (int y = 0; y < bitmap.Height(); ++y)
        std::memcpy(flipped.ScanLine(bitmap.Height() - 1 - y), bitmap.ScanLine(y), rowBytes);
    bitmap.Assign(flipped);
}

void RotateBitmapLeft(TBitmap& bitmap) { Rotate(bitmap, TTurn::Left); }

void RotateBitmapRight(TBitmap& bitmap) { Rotate(bitmap, TTurn::Right); }

} // namespace tandrel
