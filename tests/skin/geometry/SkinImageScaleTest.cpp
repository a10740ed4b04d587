// Skin images scaled to other densities: the key colour's edge by nearest
// neighbour, colours smoothly where the factor is fractional, frames one by
// one, and sizes from a stranger's skin kept within bounds.

#include "skin/geometry/SkinImageScale.h"

#include <gtest/gtest.h>

#include <functional>

namespace tandrel {
namespace {

constexpr std::uint32_t kKey = 0xFF00FF;
constexpr std::uint32_t kBlue = 0x0000FF;
constexpr std::uint32_t kRed = 0xFF0000;
constexpr std::uint32_t kGreen = 0x00FF00;

TSkinPixels Painted(int width, int height, const std::function<std::uint32_t(int, int)>& colour)
{
    TSkinPixels p {width, height, {}};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            p.Pixels.push_back(colour(x, y));
    return p;
}

// Whether the channels lie within one of the key's: what the window region
// would cut away.
bool NearKey(std::uint32_t c)
{
    int const r = (c >> 16) & 0xFF, g = (c >> 8) & 0xFF, b = c & 0xFF;
    return r == 255 && g <= 1 && b == 255;
}

TEST(SkinImageScaleTest, DoubleIsEveryPixelRepeatedTwoByTwoKeyColourIncluded)
{
    // A checker of key colour and four colours, so any blend would show.
    TSkinPixels const source = Painted(5, 3, [](int x, int y) {
        std::uint32_t const colours[] {kKey, kRed, kGreen, kBlue, 0x123456};
        return colours[(x + 2 * y) % 5];
    });
    TSkinPixels const scaled = ScaleSkinPixels(source, 10, 6, kKey);
    ASSERT_EQ(scaled.Width, 10);
    ASSERT_EQ(scaled.Height, 6);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 10; ++x)
            ASSERT_EQ(scaled.At(x, y), source.At(x / 2, y / 2)) << x << "," << y;
}

TEST(SkinImageScaleTest, AtFractionalFactorsTheKeyEdgeIsNearestAndNothingBlendsWithIt)
{
    // Key colour on the left half, blue on the right: every scaled pixel is
    // one or the other exactly, at 1.25, 1.5 and 0.75.
    TSkinPixels const source = Painted(4, 4, [](int x, int) { return x < 2 ? kKey : kBlue; });
    for (int const side : {5, 6, 3}) {
        TSkinPixels const scaled = ScaleSkinPixels(source, side, side, kKey);
        for (std::uint32_t const c : scaled.Pixels)
            EXPECT_TRUE(c == kKey || c == kBlue) << std::hex << c << " at side " << std::dec << side;
    }
    // At 1.5 the key columns are the ones whose nearest source column is:
    // 0, 1 and 2 (whose centre, 2.5 / 1.5 = 1.67, lies in column 1).
    TSkinPixels const wide = ScaleSkinPixels(source, 6, 6, kKey);
    for (int x = 0; x < 6; ++x)
        EXPECT_EQ(wide.At(x, 3), x <= 2 ? kKey : kBlue) << x;
}

TEST(SkinImageScaleTest, FractionalFactorsBlendColoursButNeverLandOnTheKey)
{
    // Black then white: one and a half times wider has a grey between.
    TSkinPixels const ramp = Painted(2, 1, [](int x, int) { return x == 0 ? 0x000000u : 0xFFFFFFu; });
    TSkinPixels const scaled = ScaleSkinPixels(ramp, 3, 1, kKey);
    EXPECT_EQ(scaled.At(0, 0), 0x000000u);
    EXPECT_EQ(scaled.At(2, 0), 0xFFFFFFu);
    std::uint32_t const middle = scaled.At(1, 0);
    EXPECT_GT(middle & 0xFF, 0x40u);
    EXPECT_LT(middle & 0xFF, 0xC0u);

    // Two colours just outside the band the region cuts, whose even blend
    // (254.5, 0.5, 254.5) would round into it, are kept out of it.
    TSkinPixels const close = Painted(2, 1, [](int x, int) { return x == 0 ? 0xFF00FEu : 0xFE01FFu; });
    TSkinPixels const blended = ScaleSkinPixels(close, 3, 1, kKey);
    for (std::uint32_t const c : blended.Pixels)
        EXPECT_FALSE(NearKey(c)) << std::hex << c;
    // A colour inside the band is key: it is copied, not blended, and stays
    // cut as it is at 96.
    TSkinPixels const band = Painted(2, 1, [](int x, int) { return x == 0 ? 0xFF01FFu : kBlue; });
    TSkinPixels const kept = ScaleSkinPixels(band, 3, 1, kKey);
    EXPECT_EQ(kept.At(0, 0), 0xFF01FFu);
    EXPECT_EQ(kept.At(2, 0), kBlue);
}

TEST(SkinImageScaleTest, FramesOfAStripAreScaledOneByOne)
{
    // Three frames of 3 pixels, red, green, blue, the key colour in each
    // frame's first column. At 144 each frame is 5 wide (4.5 rounds up)
    // and none takes colour from its neighbour.
    TSkinPixels const strip = Painted(9, 2, [](int x, int) {
        std::uint32_t const colours[] {kRed, kGreen, kBlue};
        return x % 3 == 0 ? kKey : colours[x / 3];
    });
    TSkinPixels const scaled = ScaleSkinStrip(strip, 3, TFrameLayout::flHorizontal, 144, kKey);
    ASSERT_EQ(scaled.Width, 15);
    ASSERT_EQ(scaled.Height, 3);
    std::uint32_t const colours[] {kRed, kGreen, kBlue};
    for (int x = 0; x < 15; ++x) {
        int const frame = x / 5;
        for (int y = 0; y < 3; ++y) {
            std::uint32_t const c = scaled.At(x, y);
            EXPECT_TRUE(c == kKey || c == colours[frame]) << x << "," << y << " " << std::hex << c;
        }
        // The key column (x 0 of 3) covers x 0 and 1 of 5 in each frame.
        EXPECT_EQ(scaled.At(x, 1) == kKey, x % 5 <= 1) << x;
    }
    // Stacked frames: the same along the height.
    TSkinPixels const stacked = ScaleSkinStrip(Painted(2, 8, [](int, int y) { return y < 4 ? kRed : kGreen; }), 2,
                                               TFrameLayout::flVertical, 120, kKey);
    ASSERT_EQ(stacked.Width, 3);  // 2.5 rounds up
    ASSERT_EQ(stacked.Height, 10); // 5 a frame
    for (int y = 0; y < 10; ++y)
        EXPECT_EQ(stacked.At(1, y), y < 5 ? kRed : kGreen) << y;
}

TEST(SkinImageScaleTest, HostileSizesScaleToNothing)
{
    // Sizes past the limits, a frame count larger than the image, empty
    // or short sources.
    EXPECT_EQ(ScaledStripSize(20000, 10, 1, TFrameLayout::flHorizontal, 96).Width, 0);
    EXPECT_EQ(ScaledStripSize(10000, 10000, 1, TFrameLayout::flHorizontal, 192).Width, 0);
    EXPECT_EQ(ScaledStripSize(4, 10, 8, TFrameLayout::flHorizontal, 144).Width, 0);
    EXPECT_EQ(ScaledStripSize(40, 10, 4, TFrameLayout::flHorizontal, -144).Width, 0);
    TScaledStripSize const uneven = ScaledStripSize(10, 6, 3, TFrameLayout::flHorizontal, 192);
    EXPECT_EQ(uneven.FrameExtent, 6); // 10 / 3 = 3 a frame, the tenth column dropped
    EXPECT_EQ(uneven.Width, 18);
    EXPECT_EQ(uneven.Height, 12);

    TSkinPixels const pixel = Painted(1, 1, [](int, int) { return kRed; });
    EXPECT_TRUE(ScaleSkinPixels(pixel, kMaxScaledSide + 1, 1, kKey).Pixels.empty());
    EXPECT_TRUE(ScaleSkinPixels(pixel, 0, 5, kKey).Pixels.empty());
    EXPECT_TRUE(ScaleSkinPixels(TSkinPixels {}, 5, 5, kKey).Pixels.empty());
    TSkinPixels const short_ {4, 4, {kRed}};
    EXPECT_TRUE(ScaleSkinPixels(short_, 8, 8, kKey).Pixels.empty());
    EXPECT_TRUE(ScaleSkinStrip(short_, 1, TFrameLayout::flHorizontal, 192, kKey).Pixels.empty());
}

} // namespace
} // namespace tandrel
