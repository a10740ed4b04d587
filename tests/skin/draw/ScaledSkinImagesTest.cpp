// Skin bitmaps at other densities on real GDI bitmaps: the scaled strip's
// pixels, and the cache that makes each once and keeps it.

#include "skin/draw/ScaledSkinImages.h"
#include "framework/graphics/GdiObjects.h"
#include "tests/skin/SkinTestSupport.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

namespace tandrel::test {

namespace {

constexpr COLORREF kKey = RGB(255, 0, 255);
constexpr COLORREF kFace = RGB(30, 90, 200);
constexpr COLORREF kOther = RGB(200, 60, 20);

// Two frames of 6 x 10, side by side: a key-colour corner triangle over
// the face in the first, the other colour in the second.
std::unique_ptr<TBitmap> TwoFrames()
{
    return PaintedBitmap(12, 10, [](int x, int y) {
        int const fx = x % 6;
        if (fx + y < 4)
            return kKey;
        return x < 6 ? kFace : kOther;
    });
}

} // namespace

TEST(ScaledSkinImagesTest, AScaledStripKeepsItsFramesApartAndItsKeyEdgeCrisp)
{
    auto const source = TwoFrames();
    auto const scaled = ScaleSkinBitmap(*source, 2, TFrameLayout::flHorizontal, 144);
    ASSERT_NE(scaled, nullptr);
    EXPECT_EQ(scaled->Width(), 18); // two frames of 9
    EXPECT_EQ(scaled->Height(), 15);
    int keyed = 0;
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 18; ++x) {
            COLORREF const c = PixelOf(*scaled, x, y);
            COLORREF const face = x < 9 ? kFace : kOther;
            ASSERT_TRUE(c == kKey || c == face) << x << "," << y << " shows " << std::hex << c;
            keyed += c == kKey;
        }
    // The triangle of 10 key pixels a frame grows by about 1.5 squared.
    EXPECT_NEAR(keyed, 2 * 10 * 2.25, 8);
}

TEST(ScaledSkinImagesTest, EachImageIsScaledOncePerDensityAndKept)
{
    auto source = TwoFrames();
    TScaledSkinImages images;
    EXPECT_EQ(&images.Scaled(*source, 2, TFrameLayout::flHorizontal, 96), source.get());
    EXPECT_EQ(images.Count(), 0);

    TBitmap& at144 = images.Scaled(*source, 2, TFrameLayout::flHorizontal, 144);
    EXPECT_NE(&at144, source.get());
    EXPECT_EQ(&images.Scaled(*source, 2, TFrameLayout::flHorizontal, 144), &at144);
    TBitmap& at192 = images.Scaled(*source, 2, TFrameLayout::flHorizontal, 192);
    EXPECT_NE(&at192, &at144);
    EXPECT_EQ(at192.Width(), 24);
    EXPECT_EQ(&images.Scaled(*source, 2, TFrameLayout::flHorizontal, 144), &at144);
    EXPECT_EQ(images.Count(), 2);

    // An image loaded anew into the same object is scaled anew.
    source->SetSize(6, 10);
    TBitmap& reloaded = images.Scaled(*source, 1, TFrameLayout::flHorizontal, 144);
    EXPECT_EQ(reloaded.Width(), 9);
    EXPECT_EQ(images.Count(), 1);

    // An image too large to scale is used as it is.
    TBitmap huge(12000, 2);
    EXPECT_EQ(&images.Scaled(huge, 1, TFrameLayout::flHorizontal, 192), &huge);
}

TEST(ScaledSkinImagesTest, ForgettingTheImagesFreesTheirBitmaps)
{
    auto const source = TwoFrames();
    // The source's own drawing context, made when it is first read, stays with it.
    source->Canvas().Handle();
    int const before = LiveGdiObjects();
    {
        TScaledSkinImages images;
        for (int dpi : {120, 144, 192})
            images.Scaled(*source, 2, TFrameLayout::flHorizontal, dpi);
        images.Clear();
        EXPECT_EQ(LiveGdiObjects(), before);
        images.Scaled(*source, 2, TFrameLayout::flHorizontal, 120);
    }
    EXPECT_EQ(LiveGdiObjects(), before);
}

} // namespace tandrel::test
