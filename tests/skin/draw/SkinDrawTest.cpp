// Pixel tests of the drawing primitives on memory bitmaps: nine-slice
// composition, tiling, bars, rings, single frames, transparency, text, and
// sizes from hostile skins.

#include "skin/draw/SkinDraw.h"
#include "skin/draw/KeptPictures.h"
#include "framework/core/SysUtils.h"
#include "tests/skin/SkinTestSupport.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>

namespace tandrel::test {

namespace {

// A 30 x 20 image in nine colour regions for margins 5, 4, 6, 3.
constexpr TSkinMargins NineMargins { 5, 4, 6, 3 };

COLORREF NineColour(int column, int row) { return RGB(40 + 80 * column, 40 + 80 * row, 7); }

std::unique_ptr<TBitmap> NineRegions()
{
    return PaintedBitmap(30, 20, [](int x, int y) {
        int const column = x < 5 ? 0 : x < 24 ? 1 : 2;
        int const row = y < 4 ? 0 : y < 17 ? 1 : 2;
        return NineColour(column, row);
    });
}

RECT Rect(int w, int h) { return { 0, 0, w, h }; }

} // namespace

TEST(SkinDraw, ComposeKeepsCornersAndStretchesEdgesAndMiddle)
{
    auto source = NineRegions();
    auto image = ComposeSkinImage(Rect(80, 50), *source, NineMargins, 1, 1, TMiddleFill::mfStretch,
                                  TFrameLayout::flHorizontal);
    ASSERT_EQ(image->Width(), 80);
    ASSERT_EQ(image->Height(), 50);
    struct {
        int X, Y, Column, Row;
    } const probes[] = {
        { 0, 0, 0, 0 },   { 4, 3, 0, 0 },   { 79, 0, 2, 0 },  { 74, 3, 2, 0 },  { 0, 49, 0, 2 },  { 79, 49, 2, 2 },
        { 4, 47, 0, 2 },  { 2, 25, 0, 1 },  { 40, 2, 1, 0 },  { 40, 25, 1, 1 }, { 5, 4, 1, 1 },   { 73, 46, 1, 1 },
        { 74, 25, 2, 1 }, { 40, 47, 1, 2 }, { 40, 49, 1, 2 },
    };
    for (const auto& p : probes)
        EXPECT_EQ(PixelOf(*image, p.X, p.Y), NineColour(p.Column, p.Row)) << p.X << "," << p.Y;
}

TEST(SkinDraw, MarginsThatDoNotFitCollapse)
{
    auto source = NineRegions();
    // 10 < 5 + 6: no side margins; the middle and the top and bottom edges
    // take the whole frame's width, squeezed.
    auto narrow = ComposeSkinImage(Rect(10, 30), *source, NineMargins, 1, 1, TMiddleFill::mfStretch,
                                   TFrameLayout::flHorizontal);
    for (auto [x, column] : { std::pair { 0, 0 }, std::pair { 5, 1 }, std::pair { 9, 2 } }) {
        EXPECT_EQ(PixelOf(*narrow, x, 1), NineColour(column, 0)) << x;
        EXPECT_EQ(PixelOf(*narrow, x, 15), NineColour(column, 1)) << x;
        EXPECT_EQ(PixelOf(*narrow, x, 28), NineColour(column, 2)) << x;
    }
    // Exactly 5 + 6: both sides stay and no middle is left.
    auto exact = ComposeSkinImage(Rect(11, 30), *source, NineMargins, 1, 1, TMiddleFill::mfStretch,
                                  TFrameLayout::flHorizontal);
    EXPECT_EQ(PixelOf(*exact, 4, 15), NineColour(0, 1));
    EXPECT_EQ(PixelOf(*exact, 5, 15), NineColour(2, 1));
    EXPECT_EQ(PixelOf(*exact, 5, 0), NineColour(2, 0));
}

TEST(SkinDraw, FramesOfHorizontalAndVerticalStrips)
{
    COLORREF const colours[] = { RGB(200, 0, 0), RGB(0, 200, 0), RGB(0, 0, 200) };
    auto across = PaintedBitmap(30, 8, [&](int x, int) { return colours[x / 10]; });
    auto stacked = PaintedBitmap(8, 40, [&](int, int y) { return colours[y / 20]; });
    for (int index = 1; index <= 3; ++index) {
        auto image = ComposeSkinImage(Rect(12, 12), *across, {}, index, 3, TMiddleFill::mfStretch,
                                      TFrameLayout::flHorizontal);
        EXPECT_EQ(PixelOf(*image, 0, 0), colours[index - 1]);
        EXPECT_EQ(PixelOf(*image, 11, 11), colours[index - 1]);
    }
    // Frame 2 of a 2-frame vertical strip is its lower half.
    auto lower = ComposeSkinImage(Rect(5, 5), *stacked, {}, 2, 2, TMiddleFill::mfStretch, TFrameLayout::flVertical);
    EXPECT_EQ(PixelOf(*lower, 0, 0), colours[1]);
    EXPECT_EQ(PixelOf(*lower, 4, 4), colours[1]);
}

TEST(SkinDraw, ATiledMiddleRepeatsFromItsLeftEdgeAndIsCutByTheRightEdge)
{
    // Frame 20 x 6: left 2 (red), middle 15 columns of their own colour, right 3 (blue).
    auto column = [](int c) { return RGB(10 + 15 * c, 90, 160); };
    auto source = PaintedBitmap(20, 6, [&](int x, int) {
        return x < 2 ? RGB(255, 0, 0) : x < 17 ? column(x - 2) : RGB(0, 0, 255);
    });
    TSkinMargins const margins { 2, 0, 3, 0 };
    auto tiled = ComposeSkinImage(Rect(60, 6), *source, margins, 1, 1, TMiddleFill::mfTile, TFrameLayout::flHorizontal);
    for (int x = 2; x < 57; ++x)
        ASSERT_EQ(PixelOf(*tiled, x, 3), column((x - 2) % 15)) << x; // whole repeats, never squeezed
    for (int x = 57; x < 60; ++x)
        EXPECT_EQ(PixelOf(*tiled, x, 3), RGB(0, 0, 255)) << x;
    EXPECT_EQ(PixelOf(*tiled, 1, 3), RGB(255, 0, 0));

    auto stretched = ComposeSkinImage(Rect(60, 6), *source, margins, 1, 1, TMiddleFill::mfStretch,
                                      TFrameLayout::flHorizontal);
    EXPECT_NE(PixelOf(*stretched, 17, 3), column(0));

    // TileBitmap alone covers its rectangle with whole tiles from its corner.
    auto target = SolidBitmap(40, 20, RGB(0, 0, 0));
    TileBitmap(target->Canvas(), { 3, 2, 30, 11 }, *source, { 2, 0, 17, 6 });
    EXPECT_EQ(PixelOf(*target, 3, 2), column(0));
    EXPECT_EQ(PixelOf(*target, 19, 9), column(1));
    EXPECT_EQ(PixelOf(*target, 32, 13), column(14)); // the overhang of the last tile
    EXPECT_EQ(PixelOf(*target, 33, 13), RGB(0, 0, 0));
    EXPECT_EQ(PixelOf(*target, 2, 2), RGB(0, 0, 0));
}

TEST(SkinDraw, TransparencyShowsTheDestinationThroughEveryFuchsiaPixel)
{
    auto source = PaintedBitmap(16, 16, [](int x, int y) {
        if (x == 5 && y == 5)
            return RGB(255, 1, 255); // close to the key, but not the key
        return (x + y) % 2 ? RGB(255, 0, 255) : RGB(200, 30, 30);
    });
    auto target = SolidBitmap(20, 20, RGB(0, 160, 0));
    DrawSkinImage(target->Canvas().Handle(), { 2, 2, 18, 18 }, *source, {}, TFrameLayout::flHorizontal,
                  TMiddleFill::mfStretch, TSkinTransparency::stKeyColour, 1, 1);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) {
            bool const inside = x >= 2 && x < 18 && y >= 2 && y < 18;
            COLORREF expected = RGB(0, 160, 0);
            if (inside && x == 7 && y == 7)
                expected = RGB(255, 1, 255);
            else if (inside && (x + y) % 2 == 0)
                expected = RGB(200, 30, 30);
            ASSERT_EQ(PixelOf(*target, x, y), expected) << x << "," << y;
        }

    auto opaque = SolidBitmap(20, 20, RGB(0, 160, 0));
    DrawSkinImage(opaque->Canvas().Handle(), { 2, 2, 18, 18 }, *source, {}, TFrameLayout::flHorizontal,
                  TMiddleFill::mfStretch, TSkinTransparency::stOpaque, 1, 1);
    EXPECT_EQ(PixelOf(*opaque, 3, 2), RGB(255, 0, 255));

    // An inverted destination draws nothing.
    DrawSkinImage(opaque->Canvas().Handle(), { 10, 10, 4, 18 }, *source, {}, TFrameLayout::flHorizontal,
                  TMiddleFill::mfStretch, TSkinTransparency::stOpaque, 1, 1);
    EXPECT_EQ(PixelOf(*opaque, 0, 0), RGB(0, 160, 0));
}

TEST(SkinDraw, SkinObjectsDrawWithTheirOwnSettings)
{
    TDataSkinObject object("Test");
    object.Bitmap.Assign(*PaintedBitmap(20, 10, [](int x, int) { return x < 10 ? RGB(255, 0, 255) : RGB(9, 9, 9); }));
    object.Trans = 1;
    auto target = SolidBitmap(10, 10, RGB(0, 160, 0));
    DrawSkinObject(target->Canvas().Handle(), Rect(10, 10), 2, 1, object);
    EXPECT_EQ(PixelOf(*target, 5, 5), RGB(0, 160, 0));
    DrawSkinObject(target->Canvas().Handle(), Rect(10, 10), 2, 2, object);
    EXPECT_EQ(PixelOf(*target, 5, 5), RGB(9, 9, 9));
    object.Trans = 2; // only 1 means transparent
    DrawSkinObject(target->Canvas().Handle(), Rect(10, 10), 2, 1, object);
    EXPECT_EQ(PixelOf(*target, 5, 5), RGB(255, 0, 255));
}

TEST(SkinDraw, BarsRepeatTheirMiddleBetweenTheCaps)
{
    // A 2-frame stacked strip; frame 2: caps of 3 (red) and 2 (blue), a 4-column middle.
    auto middle = [](int c) { return RGB(50 * c, 200, 100); };
    auto source = PaintedBitmap(9, 8, [&](int x, int y) {
        if (y < 4)
            return RGB(0, 0, 0);
        if (x == 4 && y == 6)
            return RGB(255, 0, 255);
        return x < 3 ? RGB(255, 0, 0) : x < 7 ? middle(x - 3) : RGB(0, 0, 255);
    });
    auto target = SolidBitmap(40, 10, RGB(0, 160, 0));
    DrawSkinBar(target->Canvas(), { 5, 0, 35, 10 }, *source, { 3, 0, 2, 0 }, TFrameLayout::flVertical,
                TSkinTransparency::stOpaque, 2, 2);
    EXPECT_EQ(PixelOf(*target, 4, 5), RGB(0, 160, 0));
    EXPECT_EQ(PixelOf(*target, 5, 5), RGB(255, 0, 0));
    EXPECT_EQ(PixelOf(*target, 7, 9), RGB(255, 0, 0));
    for (int x = 8; x < 33; ++x)
        EXPECT_EQ(PixelOf(*target, x, 1), middle((x - 8) % 4)) << x;
    EXPECT_EQ(PixelOf(*target, 33, 5), RGB(0, 0, 255));
    EXPECT_EQ(PixelOf(*target, 34, 5), RGB(0, 0, 255));
    EXPECT_EQ(PixelOf(*target, 35, 5), RGB(0, 160, 0));

    // Transparent: the key pixel of each repeat lets the target through.
    auto keyed = SolidBitmap(40, 10, RGB(0, 160, 0));
    DrawSkinBar(keyed->Canvas(), { 5, 0, 35, 10 }, *source, { 3, 0, 2, 0 }, TFrameLayout::flVertical,
                TSkinTransparency::stKeyColour, 2, 2);
    EXPECT_EQ(PixelOf(*keyed, 9, 6), RGB(0, 160, 0));
    EXPECT_EQ(PixelOf(*keyed, 13, 6), RGB(0, 160, 0));
    EXPECT_EQ(PixelOf(*keyed, 10, 6), middle(2));

    // Caps that fill the frame: the frame is stretched whole, nothing loops.
    auto whole = SolidBitmap(40, 10, RGB(0, 160, 0));
    DrawSkinBar(whole->Canvas(), Rect(40, 10), *source, { 5, 0, 4, 0 }, TFrameLayout::flVertical,
                TSkinTransparency::stOpaque, 2, 2);
    EXPECT_EQ(PixelOf(*whole, 0, 0), RGB(255, 0, 0));
    EXPECT_EQ(PixelOf(*whole, 39, 0), RGB(0, 0, 255));
    EXPECT_EQ(PixelOf(*whole, 20, 0), middle(1));
}

TEST(SkinDraw, EdgesLeaveTheInsideAsItWas)
{
    auto source = NineRegions();
    auto target = SolidBitmap(50, 40, RGB(0, 160, 0));
    DrawSkinEdges(target->Canvas().Handle(), { 5, 5, 45, 35 }, *source, NineMargins, TFrameLayout::flHorizontal, 1, 1);
    EXPECT_EQ(PixelOf(*target, 5, 5), NineColour(0, 0));
    EXPECT_EQ(PixelOf(*target, 44, 34), NineColour(2, 2));
    EXPECT_EQ(PixelOf(*target, 25, 6), NineColour(1, 0));
    EXPECT_EQ(PixelOf(*target, 6, 20), NineColour(0, 1));
    EXPECT_EQ(PixelOf(*target, 25, 20), RGB(0, 160, 0));
    EXPECT_EQ(PixelOf(*target, 4, 4), RGB(0, 160, 0));
    EXPECT_EQ(GetStretchBltMode(target->Canvas().Handle()), BLACKONWHITE); // put back
}

TEST(SkinDraw, SingleFramesInEveryVariant)
{
    COLORREF const colours[] = { RGB(200, 0, 0), RGB(0, 200, 0), RGB(0, 0, 200) };
    auto strip = PaintedBitmap(30, 10, [&](int x, int y) {
        return x % 10 == 5 && y == 5 ? RGB(255, 0, 255) : colours[x / 10];
    });
    COLORREF const back = RGB(90, 90, 90);
    auto target = SolidBitmap(40, 40, back);
    HDC const dc = target->Canvas().Handle();

    DrawSkinFrame(dc, { 0, 0, 20, 20 }, *strip, TSkinTransparency::stOpaque, 3, 2);
    EXPECT_EQ(PixelOf(*target, 0, 0), colours[1]);
    EXPECT_EQ(PixelOf(*target, 10, 10), RGB(255, 0, 255)); // stretched twice over
    DrawSkinFrame(dc, { 20, 0, 30, 10 }, *strip, TSkinTransparency::stKeyColour, 3, 3);
    EXPECT_EQ(PixelOf(*target, 25, 5), back);
    EXPECT_EQ(PixelOf(*target, 24, 5), colours[2]);
    DrawSkinFrameTransparent(dc, { 30, 0, 40, 10 }, *strip, 3, 1);
    EXPECT_EQ(PixelOf(*target, 35, 5), back);
    EXPECT_EQ(PixelOf(*target, 34, 5), colours[0]);
    DrawSkinFrame(target->Canvas(), { 0, 20, 10, 30 }, *strip, 3, 1);
    EXPECT_EQ(PixelOf(*target, 5, 25), back);
    EXPECT_EQ(PixelOf(*target, 4, 25), colours[0]);
    // A control's canvas is bound for the drawing only: the device context
    // may go right after.
    TCanvas control;
    DrawSkinFrame(control, dc, { 10, 20, 20, 30 }, *strip, 3, 2);
    EXPECT_EQ(PixelOf(*target, 14, 25), colours[1]);
    EXPECT_EQ(control.Handle(), nullptr);

    // A glyph keeps its own size; its top-left pixel's colour is transparent.
    auto glyphs = PaintedBitmap(12, 6, [](int x, int y) {
        return x % 6 == 0 && y == 0 ? RGB(1, 2, 3) : x % 6 < 3 ? RGB(1, 2, 3) : RGB(250, 250, 0);
    });
    DrawSkinGlyph(target->Canvas(), { 20, 20, 40, 40 }, *glyphs, 2, 2);
    EXPECT_EQ(PixelOf(*target, 21, 21), back);
    EXPECT_EQ(PixelOf(*target, 24, 21), RGB(250, 250, 0));
    EXPECT_EQ(PixelOf(*target, 27, 21), back); // past the frame's own width
    EXPECT_EQ(PixelOf(*target, 24, 27), back);
}

namespace {

// Draws a picture twice at (x, y) on actual (keyed drawing must not build
// up) and checks every pixel against expected.
template <class TPicture>
void ExpectDrawnTwiceAsOnce(const TPicture& picture, int x, int y, TBitmap& expected, TBitmap& actual)
{
    picture.Draw(actual.Canvas().Handle(), x, y);
    picture.Draw(actual.Canvas().Handle(), x, y);
    for (int py = 0; py < actual.Height(); ++py)
        for (int px = 0; px < actual.Width(); ++px)
            ASSERT_EQ(PixelOf(actual, px, py), PixelOf(expected, px, py)) << px << "," << py;
}

// What draw draws on a small bitmap changes no pixel and leaves no GDI object.
void ExpectDrawsNothing(const std::function<void(HDC)>& draw)
{
    auto target = SolidBitmap(4, 4, RGB(1, 2, 3));
    HDC const dc = target->Canvas().Handle();
    int const live = LiveGdiObjects();
    draw(dc);
    EXPECT_EQ(PixelOf(*target, 1, 1), RGB(1, 2, 3));
    EXPECT_EQ(LiveGdiObjects(), live);
}

} // namespace

// A keyed picture made once draws what DrawSkinFrame draws with the key
// colour transparent, however often it is drawn; an empty one draws nothing.
TEST(SkinDraw, AKeyedPictureDrawsWhatAKeyedFrameDraws)
{
    auto strip = PaintedBitmap(36, 9, [](int x, int y) {
        return (x + y) % 4 == 0 ? RGB(255, 0, 255) : RGB(20 * (x / 12) + 3, 7 * y, 200 - 5 * (x % 12));
    });
    for (SIZE const size : {SIZE {12, 9}, SIZE {19, 5}, SIZE {7, 14}}) {
        for (int frame = 1; frame <= 3; ++frame) {
            SCOPED_TRACE(std::to_string(size.cx) + "x" + std::to_string(size.cy) + " frame " + std::to_string(frame));
            auto expected = SolidBitmap(30, 30, RGB(9, 99, 199));
            auto actual = SolidBitmap(30, 30, RGB(9, 99, 199));
            DrawSkinFrame(expected->Canvas().Handle(), {4, 5, 4 + size.cx, 5 + size.cy}, *strip,
                          TSkinTransparency::stKeyColour, 3, frame);
            TKeyedPicture const picture(*strip, 3, frame, size.cx, size.cy);
            EXPECT_TRUE(picture.Fits(size.cx, size.cy));
            ExpectDrawnTwiceAsOnce(picture, 4, 5, *expected, *actual);
        }
    }
    TBitmap empty;
    ExpectDrawsNothing([&](HDC dc) {
        TKeyedPicture(empty, 1, 1, 4, 4).Draw(dc, 0, 0);
        TKeyedPicture(*strip, 3, 1, 0, 4).Draw(dc, 0, 0);
    });
}

// A composed picture made once draws what DrawSkinImage draws, margins,
// tiling and key colour included, opaque or keyed; an empty one nothing.
// Composed and kept pictures alike draw what DrawSkinImage draws, pixel for pixel.
TEST(SkinDraw, AComposedPictureDrawsWhatDrawSkinImageDraws)
{
    auto strip = PaintedBitmap(36, 9, [](int x, int y) {
        return (x + y) % 5 == 0 ? RGB(255, 0, 255) : RGB(20 * (x / 12) + 3, 7 * y, 200 - 5 * (x % 12));
    });
    TSkinMargins const margins {3, 2, 4, 3};
    for (TSkinTransparency const look : {TSkinTransparency::stOpaque, TSkinTransparency::stKeyColour})
        for (TMiddleFill const fill : {TMiddleFill::mfStretch, TMiddleFill::mfTile})
            for (SIZE const size : {SIZE {12, 9}, SIZE {25, 7}, SIZE {6, 20}})
                for (int frame = 1; frame <= 3; ++frame) {
                    SCOPED_TRACE(std::to_string(size.cx) + "x" + std::to_string(size.cy) + " frame " +
                                 std::to_string(frame));
                    auto expected = SolidBitmap(30, 30, RGB(9, 99, 199));
                    auto actual = SolidBitmap(30, 30, RGB(9, 99, 199));
                    DrawSkinImage(expected->Canvas().Handle(), {2, 3, 2 + size.cx, 3 + size.cy}, *strip, margins,
                                  TFrameLayout::flHorizontal, fill, look, 3, frame);
                    TComposedPicture const picture(*strip, margins, fill, look, 3, frame, size.cx, size.cy);
                    EXPECT_TRUE(picture.Fits(size.cx, size.cy, frame));
                    EXPECT_FALSE(picture.Fits(size.cx, size.cy, frame % 3 + 1));
                    ExpectDrawnTwiceAsOnce(picture, 2, 3, *expected, *actual);
                    auto kept = SolidBitmap(30, 30, RGB(9, 99, 199));
                    TMaskedPicture const keptPicture(
                        ComposeSkinImage(Rect(size.cx, size.cy), *strip, margins, frame, 3, fill,
                                         TFrameLayout::flHorizontal),
                        look);
                    ExpectDrawnTwiceAsOnce(keptPicture, 2, 3, *expected, *kept);
                }
    TBitmap empty;
    ExpectDrawsNothing([&](HDC dc) {
        TComposedPicture(empty, margins, TMiddleFill::mfStretch, TSkinTransparency::stOpaque, 1, 1, 4, 4)
            .Draw(dc, 0, 0);
        TComposedPicture(*strip, margins, TMiddleFill::mfStretch, TSkinTransparency::stKeyColour, 3, 1, 0, 4)
            .Draw(dc, 0, 0);
    });
}

// One picture per key, the least recently used going past a few popups'
// worth (a shared one lives on with its holder); the composing buffer only
// grows.
TEST(SkinDraw, KeptPicturesAreMadeOncePerKey)
{
    TKeptPictures kept;
    TBitmap source(4, 4, TPixelFormat::pf24bit);
    int made = 0;
    auto const make = [&] {
        ++made;
        return TMaskedPicture(SolidBitmap(2, 2, RGB(1, 2, 3)), TSkinTransparency::stOpaque);
    };
    TKeptPictures::TKey const key {&source, 4, 4, 1, 30, 20, 1, 96};
    const TMaskedPicture* const first = &kept.Get(key, make);
    EXPECT_EQ(&kept.Get(key, make), first);
    for (auto changed : {&TKeptPictures::TKey::Width, &TKeptPictures::TKey::Height, &TKeptPictures::TKey::Frame,
                         &TKeptPictures::TKey::Dpi, &TKeptPictures::TKey::Kind, &TKeptPictures::TKey::SourceWidth}) {
        TKeptPictures::TKey other = key;
        other.*changed += 1;
        kept.Get(other, make);
    }
    EXPECT_EQ(made, 7);
    std::shared_ptr<const TMaskedPicture> const held = kept.Share(key, make);
    for (int i = 0; i < 100; ++i) {
        kept.Get({&source, 4, 4, 1, 30, 100 + i, 1, 96}, make);
        if (i < 60)
            kept.Get(key, make); // used all along: stays
    }
    EXPECT_EQ(kept.Count(), 64);
    EXPECT_EQ(made, 107);
    EXPECT_EQ(&kept.Get(key, make), first);
    kept.Clear();
    EXPECT_EQ(kept.Count(), 0);
    EXPECT_EQ(held.get(), first);
    EXPECT_NE(held->Opaque(), nullptr);

    TBitmap& buffer = kept.Buffer(50, 10);
    EXPECT_EQ(&kept.Buffer(20, 10), &buffer);
    TBitmap& grown = kept.Buffer(20, 30);
    EXPECT_EQ(grown.Width(), 50);
    EXPECT_EQ(grown.Height(), 30);
}

TEST(SkinDraw, DrawTransparentCopiesNoMoreThanTheSource)
{
    auto source = PaintedBitmap(6, 4, [](int x, int) { return x == 0 ? RGB(255, 0, 255) : RGB(1, 100, 200); });
    auto target = SolidBitmap(20, 20, RGB(0, 0, 0));
    DrawTransparent(target->Canvas().Handle(), { 2, 2, 20, 20 }, *source, clFuchsia);
    EXPECT_EQ(PixelOf(*target, 2, 2), RGB(0, 0, 0));
    EXPECT_EQ(PixelOf(*target, 3, 2), RGB(1, 100, 200));
    EXPECT_EQ(PixelOf(*target, 7, 5), RGB(1, 100, 200));
    EXPECT_EQ(PixelOf(*target, 8, 5), RGB(0, 0, 0));
    EXPECT_EQ(PixelOf(*target, 7, 6), RGB(0, 0, 0));
}

TEST(SkinDraw, SizesFromHostileSkinsNeverCrashOrLeak)
{
    TBitmap empty;
    auto tiny = SolidBitmap(1, 1, RGB(1, 2, 3));
    auto odd = NineRegions();
    auto target = SolidBitmap(16, 16, RGB(0, 0, 0));
    HDC const dc = target->Canvas().Handle();
    tiny->Canvas(); // a source keeps the device context it is drawn from
    odd->Canvas();
    int const before = LiveGdiObjects();

    TBitmap* const sources[] = { &empty, tiny.get(), odd.get() };
    RECT const rects[] = { { 0, 0, 10, 10 }, { 10, 10, 0, 0 }, { 3, 3, 3, 9 }, { -5, -5, 4, 3 }, { 0, 0, 0, 0 } };
    TSkinMargins const margins[] = { { -3, -3, -3, -3 }, { 100, 100, 100, 100 }, { INT_MAX, 0, INT_MAX, 0 },
                                     { 2, INT_MIN, 3, INT_MAX } };
    for (TBitmap* source : sources)
        for (int count : { -5, 0, 3, 1000 })
            for (int index : { 0, 2, 99 })
                for (const auto& margin : margins)
                    for (const RECT& rect : rects) {
                        for (auto layout : { TFrameLayout::flHorizontal, TFrameLayout::flVertical }) {
                            RECT const valid { 0, 0, std::max(0L, rect.right - rect.left), std::max(0L, rect.bottom - rect.top) };
                            ComposeSkinImage(valid, *source, margin, index, count, TMiddleFill::mfTile, layout);
                            DrawSkinImage(dc, rect, *source, margin, layout, TMiddleFill::mfStretch,
                                          TSkinTransparency::stKeyColour, count, index);
                            DrawSkinBar(target->Canvas(), rect, *source, margin, layout, TSkinTransparency::stOpaque,
                                        count, index);
                            DrawSkinEdges(dc, rect, *source, margin, layout, count, index);
                        }
                        DrawSkinFrame(dc, rect, *source, TSkinTransparency::stKeyColour, count, index);
                        DrawSkinFrame(target->Canvas(), rect, *source, count, index);
                        DrawSkinGlyph(target->Canvas(), rect, *source, count, index);
                        DrawTransparent(dc, rect, *source, clFuchsia);
                        TileBitmap(target->Canvas(), { 0, 0, 16, 16 }, *source, rect);
                    }
    EXPECT_EQ(LiveGdiObjects(), before);
}

TEST(SkinDraw, CentredTextSitsInTheMiddle)
{
    auto bitmap = SolidBitmap(160, 40, RGB(255, 255, 255));
    TCanvas& canvas = bitmap->Canvas();
    canvas.Font().SetColor(clBlack);
    canvas.Font().SetStyle(fsBold);
    DrawCentredText(canvas, Rect(160, 40), L"Skin\ttext", TAlignment::taLeftJustify, TTextLook::tlEnabled);
    EXPECT_EQ(canvas.Font().Style(), 0u);

    int left = 160, right = -1, top = 40, bottom = -1;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 160; ++x)
            if (PixelOf(*bitmap, x, y) != RGB(255, 255, 255)) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    ASSERT_GE(right, left) << "nothing drawn";
    EXPECT_NEAR(left, 159 - right, 3);
    EXPECT_NEAR(top, 39 - bottom, 4);

    auto disabled = SolidBitmap(160, 40, RGB(255, 255, 255));
    DrawCentredText(disabled->Canvas(), Rect(160, 40), L"Skin", TAlignment::taCenter, TTextLook::tlDisabled);
    bool shadow = false;
    for (int y = 0; y < 40 && !shadow; ++y)
        for (int x = 0; x < 160 && !shadow; ++x)
            shadow = PixelOf(*disabled, x, y) == GetSysColor(COLOR_BTNSHADOW);
    EXPECT_TRUE(shadow);
}

TEST(SkinDraw, TheScratchBitmapLivesBetweenCreateAndRelease)
{
    EXPECT_EQ(SkinScratchBitmap(), nullptr);
    EXPECT_THROW(SizeSkinScratchBitmap(10, 10), EInvalidOperation);
    CreateSkinScratchBitmap();
    ASSERT_NE(SkinScratchBitmap(), nullptr);
    TBitmap& scratch = SizeSkinScratchBitmap(120, 30);
    EXPECT_EQ(&scratch, SkinScratchBitmap());
    EXPECT_EQ(scratch.Width(), 120);
    EXPECT_EQ(GetStretchBltMode(scratch.Canvas().Handle()), COLORONCOLOR);
    SizeSkinScratchBitmap(300, 40);
    EXPECT_EQ(GetStretchBltMode(scratch.Canvas().Handle()), COLORONCOLOR);
    ReleaseSkinScratchBitmap();
    EXPECT_EQ(SkinScratchBitmap(), nullptr);
}

} // namespace tandrel::test
