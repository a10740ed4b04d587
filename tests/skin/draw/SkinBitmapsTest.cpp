// Regions cut from bitmaps, and bitmaps mirrored, flipped and rotated.

#include "skin/draw/SkinDraw.h"
#include "tests/skin/SkinTestSupport.h"

#include <gtest/gtest.h>

namespace tandrel::test {

namespace {

bool Inside(const TOwnedRegion& region, int x, int y) { return PtInRegion(region.Get(), x, y) != 0; }

TOwnedRegion Rectangle(int left, int top, int right, int bottom)
{
    return TOwnedRegion(CreateRectRgn(left, top, right, bottom));
}

// Every pixel its own colour, so any misplaced pixel shows.
std::unique_ptr<TBitmap> Numbered(int w, int h)
{
    return PaintedBitmap(w, h, [](int x, int y) { return RGB(20 + 30 * x, 10 + 25 * y, 128); });
}

} // namespace

TEST(SkinRegion, KeyPixelsWithinTheToleranceAreCutAway)
{
    COLORREF const row[] = { RGB(255, 0, 255), RGB(255, 1, 255), RGB(255, 2, 255), RGB(254, 0, 255),
                             RGB(255, 0, 254), RGB(0, 0, 0),     RGB(255, 0, 255) };
    auto bitmap = PaintedBitmap(7, 2, [&](int x, int) { return row[x]; });
    auto const region = RegionFromBitmap(*bitmap, 0, 0, clFuchsia, 1, 1, 1);
    EXPECT_EQ(bitmap->PixelFormat(), TPixelFormat::pf32bit);
    bool const expected[] = { false, false, true, true, true, true, false };
    for (int x = 0; x < 7; ++x) {
        EXPECT_EQ(Inside(region, x, 0), expected[x]) << x;
        EXPECT_EQ(Inside(region, x, 1), expected[x]) << x;
    }
    EXPECT_FALSE(Inside(region, 3, 2));

    // Without tolerance only the key itself goes.
    auto const exact = RegionFromBitmap(*bitmap, 0, 0, clFuchsia, 0, 0, 0);
    EXPECT_TRUE(Inside(exact, 1, 0));
    EXPECT_FALSE(Inside(exact, 0, 0));
}

TEST(SkinRegion, AllKeyGivesAnEmptyRegionAndNoKeyTheWholeRectangle)
{
    RECT box;
    auto key = SolidBitmap(30, 20, RGB(255, 0, 255));
    auto const none = RegionFromBitmap(*key, 5, 5, clFuchsia, 1, 1, 1);
    ASSERT_TRUE(none);
    EXPECT_EQ(GetRgnBox(none.Get(), &box), NULLREGION);

    auto opaque = SolidBitmap(30, 20, RGB(10, 20, 30));
    auto const whole = RegionFromBitmap(*opaque, 100, 200, clFuchsia, 1, 1, 1);
    EXPECT_TRUE(EqualRgn(whole.Get(), Rectangle(100, 200, 130, 220).Get()));

    TBitmap empty;
    auto const nothing = RegionFromBitmap(empty, 0, 0, clFuchsia, 1, 1, 1);
    ASSERT_TRUE(nothing);
    EXPECT_EQ(GetRgnBox(nothing.Get(), &box), NULLREGION);
}

TEST(SkinRegion, OffsetsPlaceAPieceInWindowCoordinates)
{
    // A right border 8 wide: its top corner cut diagonally.
    auto border = PaintedBitmap(8, 30, [](int x, int y) { return x + y > 8 ? RGB(40, 40, 40) : RGB(255, 0, 255); });
    auto const region = RegionFromBitmap(*border, 392, 0, clFuchsia, 1, 1, 1);
    EXPECT_FALSE(Inside(region, 392, 0));
    EXPECT_FALSE(Inside(region, 399, 1));
    EXPECT_TRUE(Inside(region, 399, 2));
    EXPECT_TRUE(Inside(region, 392, 9));
    EXPECT_FALSE(Inside(region, 400, 20));
    EXPECT_FALSE(Inside(region, 5, 20));
}

TEST(SkinRegion, BatchesGiveTheSameRegion)
{
    // 100 runs in each of 40 rows: 4000 rectangles.
    auto bitmap = PaintedBitmap(200, 40, [](int x, int y) {
        return (x + y) % 2 ? RGB(255, 0, 255) : RGB(0, 90, 0);
    });
    auto const batched = RegionFromBitmap(*bitmap, 3, 4, clFuchsia, 1, 1, 1);
    auto const oneBatch = RegionFromBitmapInBatches(*bitmap, 3, 4, clFuchsia, 1, 1, 1, 1 << 30);
    auto const tiny = RegionFromBitmapInBatches(*bitmap, 3, 4, clFuchsia, 1, 1, 1, 7);
    EXPECT_TRUE(EqualRgn(batched.Get(), oneBatch.Get()));
    EXPECT_TRUE(EqualRgn(batched.Get(), tiny.Get()));
    EXPECT_TRUE(Inside(batched, 3, 4));
    EXPECT_FALSE(Inside(batched, 4, 4));
    EXPECT_TRUE(Inside(batched, 4, 5));
    EXPECT_TRUE(Inside(batched, 3 + 198, 4 + 38));
    EXPECT_FALSE(Inside(batched, 3 + 199, 4 + 38));
}

// Each turn puts every pixel of a 7 x 5 picture where it belongs, and its
// opposite brings the picture back.
TEST(SkinBitmapTurns, EachTurnMovesEveryPixelAndItsOppositeUndoesIt)
{
    struct TTurnCase {
        const char* Name;
        void (*Turn)(TBitmap&);
        void (*Opposite)(TBitmap&);
        SIZE Size;
        POINT (*Source)(int x, int y);  // where the turned pixel comes from
    };
    TTurnCase const cases[] = {
        {"mirror", MirrorBitmap, MirrorBitmap, {7, 5}, [](int x, int y) { return POINT {6 - x, y}; }},
        {"flip", FlipBitmap, FlipBitmap, {7, 5}, [](int x, int y) { return POINT {x, 4 - y}; }},
        {"left", RotateBitmapLeft, RotateBitmapRight, {5, 7}, [](int x, int y) { return POINT {6 - y, x}; }},
        {"right", RotateBitmapRight, RotateBitmapLeft, {5, 7}, [](int x, int y) { return POINT {y, 4 - x}; }},
    };
    auto const original = Numbered(7, 5);
    for (const TTurnCase& c : cases) {
        SCOPED_TRACE(c.Name);
        auto turned = Numbered(7, 5);
        c.Turn(*turned);
        ASSERT_EQ(turned->Width(), c.Size.cx);
        ASSERT_EQ(turned->Height(), c.Size.cy);
        EXPECT_EQ(turned->PixelFormat(), TPixelFormat::pf24bit);
        for (int y = 0; y < c.Size.cy; ++y)
            for (int x = 0; x < c.Size.cx; ++x) {
                POINT const from = c.Source(x, y);
                ASSERT_EQ(PixelOf(*turned, x, y), PixelOf(*original, from.x, from.y)) << x << "," << y;
            }
        c.Opposite(*turned);
        ASSERT_EQ(turned->Width(), 7);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 7; ++x)
                ASSERT_EQ(PixelOf(*turned, x, y), PixelOf(*original, x, y)) << x << "," << y;
    }
}

TEST(SkinBitmapTurns, OtherPixelFormatsAreTurnedAt24Bits)
{
    for (TPixelFormat format : { TPixelFormat::pf8bit, TPixelFormat::pf32bit, TPixelFormat::pf1bit }) {
        auto original = PaintedBitmap(9, 3, [](int x, int) { return x < 3 ? RGB(0, 0, 0) : RGB(255, 255, 255); });
        original->SetPixelFormat(format);
        TBitmap turned;
        turned.Assign(*original);
        MirrorBitmap(turned);
        EXPECT_EQ(turned.PixelFormat(), TPixelFormat::pf24bit);
        EXPECT_EQ(PixelOf(turned, 8, 1), PixelOf(*original, 0, 1));
        EXPECT_EQ(PixelOf(turned, 0, 1), PixelOf(*original, 8, 1));
        EXPECT_NE(PixelOf(turned, 8, 1), PixelOf(turned, 0, 1));
        FlipBitmap(turned);
        RotateBitmapLeft(turned);
        EXPECT_EQ(turned.Width(), 3);
        EXPECT_EQ(turned.Height(), 9);
    }
    TBitmap empty;
    MirrorBitmap(empty);
    FlipBitmap(empty);
    RotateBitmapLeft(empty);
    RotateBitmapRight(empty);
    EXPECT_TRUE(empty.Empty());
}

} // namespace tandrel::test
