#pragma once
// Helpers of the skin engine tests: bitmaps painted pixel by pixel, and
// skin packages made on the spot.

#include "framework/graphics/Bitmap.h"
#include "tools/skinpack/LZHEncoder.h"
#include "tools/skinpack/SkinPackage.h"
#include "framework/core/Streams.h"
#include "tests/support/TestSupport.h"

#include <functional>
#include <memory>

namespace tandrel::test {

// How many pixels of `area` show exactly `colour`.
inline int CountPixels(TBitmap& bitmap, const RECT& area, COLORREF colour)
{
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            count += PixelOf(bitmap, x, y) == colour;
    return count;
}

// How many pixels differ between two pictures; all of them when their sizes do.
inline int DifferingPixels(TBitmap& a, TBitmap& b)
{
    if (a.Width() != b.Width() || a.Height() != b.Height())
        return std::max(a.Width() * a.Height(), b.Width() * b.Height());
    int count = 0;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            count += PixelOf(a, x, y) != PixelOf(b, x, y);
    return count;
}

// Clearly more blue than red (the default skin's selection and caption).
inline bool Bluish(COLORREF c) { return GetBValue(c) > GetRValue(c) + 40; }

// A 24-bit bitmap whose pixel (x, y) is colour(x, y).
inline std::unique_ptr<TBitmap> PaintedBitmap(int width, int height, const std::function<COLORREF(int, int)>& colour)
{
    auto bitmap = std::make_unique<TBitmap>(width, height, TPixelFormat::pf24bit);
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = bitmap->ScanLine(y);
        for (int x = 0; x < width; ++x) {
            COLORREF const c = colour(x, y);
            row[3 * x] = GetBValue(c);
            row[3 * x + 1] = GetGValue(c);
            row[3 * x + 2] = GetRValue(c);
        }
    }
    return bitmap;
}

inline std::unique_ptr<TBitmap> SolidBitmap(int width, int height, COLORREF colour)
{
    return PaintedBitmap(width, height, [&](int, int) { return colour; });
}

inline std::vector<std::uint8_t> BmpBytes(const TBitmap& bitmap)
{
    TMemoryStream stream;
    bitmap.SaveToStream(stream);
    return stream.Bytes();
}

inline std::vector<std::uint8_t> TextBytes(std::string_view text) { return { text.begin(), text.end() }; }

// A compressed skin stream of these entries.
inline std::vector<std::uint8_t> SkinStream(std::vector<TPackEntry> entries)
{
    return TLZHEncoder::Compress(BuildPackage(std::move(entries)));
}

// The default skin, packed by the build next to the test.
inline std::vector<std::uint8_t> DefaultSkinStream()
{
    TFileStream file(L"slate.skn", TFileStream::TMode::fmOpenRead);
    return file.ReadRest();
}

} // namespace tandrel::test
