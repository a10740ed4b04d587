// The arithmetic of the control skinners: frames per state, where a
// button's glyph and caption go, where a check box sits, and scroll bars
// with their thumb, hit-testing and dragging.

#include "skin/geometry/SkinControlGeometry.h"

#include <gtest/gtest.h>

using namespace tandrel;

TEST(SkinControlGeometry, ButtonFramesPerState)
{
    EXPECT_EQ(PushButtonFrame(false, false, false, true), bfNormal);
    // Focus alone looks hot; pressing wins; disabled wins over everything.
    EXPECT_EQ(PushButtonFrame(true, false, false, true), bfHot);
    EXPECT_EQ(PushButtonFrame(true, true, true, true), bfPressed);
    EXPECT_EQ(PushButtonFrame(false, false, true, true), bfHot);
    EXPECT_EQ(PushButtonFrame(true, true, false, false), bfDisabled);

    EXPECT_EQ(SpeedButtonFrame(false, true, true, false), bfHot);
    EXPECT_EQ(SpeedButtonFrame(true, true, true, false), bfPressed);
    EXPECT_EQ(SpeedButtonFrame(false, true, false, false), bfDisabled);
    // Down wins even over disabled.
    EXPECT_EQ(SpeedButtonFrame(false, false, false, true), bfPressed);

    EXPECT_EQ(SpeedGlyphFrame(bfPressed, 4), 3);
    EXPECT_EQ(SpeedGlyphFrame(bfDisabled, 4), 2);
    EXPECT_EQ(SpeedGlyphFrame(bfHot, 4), 1);
    EXPECT_EQ(SpeedGlyphFrame(bfPressed, 2), 1); // fewer frames than asked
    EXPECT_EQ(SpeedGlyphFrame(bfPressed, 1), 1);

    EXPECT_EQ(CheckFrame(false, true, false), 1);
    EXPECT_EQ(CheckFrame(true, true, false), 2);
    EXPECT_EQ(CheckFrame(false, false, false), 3);
    EXPECT_EQ(CheckFrame(true, false, false), 4);
    EXPECT_EQ(CheckFrame(false, true, true), 4);
    EXPECT_EQ(CheckFrame(false, false, true), 4);
}

TEST(SkinControlGeometry, GlyphAndCaptionPlacement)
{
    TSkinButtonMetrics m {.ClientWidth = 136, .ClientHeight = 25, .GlyphWidth = 16, .GlyphHeight = 16,
                          .TextWidth = 60, .TextHeight = 13, .PaintWidth = 136};

    TSkinButtonPlacement const bitmap = PlaceButtonContent(m, TButtonKind::bkBitmap);
    EXPECT_EQ(bitmap.GlyphX, 28);
    EXPECT_EQ(bitmap.Text.Left, 48);
    EXPECT_EQ(bitmap.GlyphY, 5);
    EXPECT_EQ(bitmap.Text, (TSkinRect {48, 6, 108, 19}));
    TSkinButtonPlacement const speed = PlaceButtonContent(m, TButtonKind::bkSpeed);
    EXPECT_EQ(speed.GlyphX, 29);
    EXPECT_EQ(speed.Text.Left, 49);

    m.Layout = sblGlyphRight;
    TSkinButtonPlacement const right = PlaceButtonContent(m, TButtonKind::bkBitmap);
    EXPECT_EQ(right.GlyphX, 136 - 28 - 16);
    EXPECT_EQ(right.Text.Left, right.GlyphX - 4 - 60);

    m.Layout = sblGlyphTop;
    m.ClientHeight = 60;
    TSkinButtonPlacement const top = PlaceButtonContent(m, TButtonKind::bkBitmap);
    EXPECT_EQ(top.GlyphX, (136 - 16 + 1) / 2);
    EXPECT_EQ(top.GlyphY, (60 - 33) / 2);
    EXPECT_EQ(top.Text.Top, top.GlyphY + 16 + 4);

    // Spacing -1 spreads glyph, caption and the margins evenly.
    m.Layout = sblGlyphLeft;
    m.Spacing = -1;
    TSkinButtonPlacement const even = PlaceButtonContent(m, TButtonKind::bkBitmap);
    EXPECT_EQ(even.GlyphX, (136 - 76) / 3);
    EXPECT_EQ(even.Text.Left, even.GlyphX + 16 + (136 - 76) / 3);

    // A fixed margin with even spacing; no spacing without a caption.
    m.Margin = 2;
    EXPECT_EQ(PlaceButtonContent(m, TButtonKind::bkBitmap).Text.Left, 2 + 16 + (136 - 18 - 60) / 2);
    m.TextWidth = 0;
    m.Spacing = 4;
    EXPECT_EQ(PlaceButtonContent(m, TButtonKind::bkBitmap).Text.Left, 2 + 16);
}

TEST(SkinControlGeometry, CheckBoxPlacement)
{
    TSkinRect const rect {0, 0, 100, 20};
    // A 13-pixel box is centred on the system's 14 pixels.
    EXPECT_EQ(CheckBoxRect(rect, 13, 13, false), (TSkinRect {0, 3, 13, 16}));
    EXPECT_EQ(CheckBoxRect(rect, 10, 10, false), (TSkinRect {2, 5, 12, 15}));
    // Wider boxes sit at the edge; on the right one pixel in.
    EXPECT_EQ(CheckBoxRect(rect, 16, 16, false), (TSkinRect {0, 2, 16, 18}));
    EXPECT_EQ(CheckBoxRect(rect, 16, 16, true), (TSkinRect {83, 2, 99, 18}));
    EXPECT_EQ(CheckBoxRect(rect, 10, 10, true), (TSkinRect {88, 5, 98, 15}));
}

TEST(SkinControlGeometry, ScrollBarsOfAWindow)
{
    TScrollFrame f {.Width = 200, .Height = 100, .ClientWidth = 200 - 4 - 17, .ClientHeight = 100 - 4 - 17,
                    .BarSize = 17, .Edge = 2, .HasHorizontal = true, .HasVertical = true};
    TScrollBarsLayout const both = ScrollBarsLayout(f);
    EXPECT_EQ(both.Horizontal, (TSkinRect {2, 81, 181, 98}));
    EXPECT_EQ(both.Vertical, (TSkinRect {181, 2, 198, 81}));
    EXPECT_EQ(both.Corner, (TSkinRect {181, 81, 198, 98}));

    f.LeftScrollBar = true;
    TScrollBarsLayout const left = ScrollBarsLayout(f);
    EXPECT_EQ(left.Vertical, (TSkinRect {2, 2, 19, 81}));
    EXPECT_EQ(left.Horizontal, (TSkinRect {19, 81, 198, 98}));
    EXPECT_EQ(left.Corner, (TSkinRect {2, 81, 19, 98}));

    f.LeftScrollBar = false;
    f.HasHorizontal = false;
    f.ClientHeight = 96;
    TScrollBarsLayout const vertical = ScrollBarsLayout(f);
    EXPECT_EQ(vertical.Vertical, (TSkinRect {181, 2, 198, 98}));
    EXPECT_TRUE(vertical.Horizontal.Empty());
    EXPECT_TRUE(vertical.Corner.Empty());

    // Without a border the edge the client leaves is 0.
    f.Width = 100;
    f.ClientWidth = 83;
    EXPECT_EQ(ScrollBarsLayout(f).Vertical.Left, 83);
}

TEST(SkinControlGeometry, ThumbSizeAndOffset)
{
    TBarGeometry bar;
    // 117-pixel bar, 17-pixel arrows: an 83-pixel track.
    ASSERT_TRUE(ComputeThumb(bar, 117, 17, 8, 17, {0, 99, 10, 0}));
    EXPECT_EQ(bar.Track, 83);
    EXPECT_EQ(bar.ThumbSize, 8);  // 10 * 83 / 99 rounds to 8
    EXPECT_EQ(bar.ThumbOffset, 0);
    ComputeThumb(bar, 117, 17, 8, 17, {0, 99, 10, 89});
    EXPECT_EQ(bar.ThumbOffset, 75); // at the end of the track

    // A page as large as the range: the whole track less a pixel, at 0.
    ComputeThumb(bar, 117, 17, 8, 17, {0, 50, 50, 0});
    EXPECT_EQ(bar.ThumbSize, 82);
    EXPECT_EQ(bar.ThumbOffset, 0);
    // No page: the system's thumb size.
    ComputeThumb(bar, 117, 17, 8, 17, {0, 100, 0, 50});
    EXPECT_EQ(bar.ThumbSize, 17);
    EXPECT_EQ(bar.ThumbOffset, 33);
    // A tiny page still gets the minimum thumb.
    ComputeThumb(bar, 117, 17, 8, 17, {0, 10000, 1, 0});
    EXPECT_EQ(bar.ThumbSize, 8);

    // An empty range keeps the previous geometry.
    TBarGeometry const before = bar;
    EXPECT_FALSE(ComputeThumb(bar, 117, 17, 8, 17, {5, 5, 0, 5}));
    EXPECT_EQ(bar.ThumbSize, before.ThumbSize);

    // Ranges past 16 bits and a page larger than the range.
    ComputeThumb(bar, 117, 17, 8, 17, {0, 1000000, 1000, 999001});
    EXPECT_EQ(bar.ThumbOffset, bar.Track - bar.ThumbSize);
    ComputeThumb(bar, 117, 17, 8, 17, {0, 10, 40, 5});
    EXPECT_EQ(bar.ThumbOffset, 0);
    EXPECT_GE(bar.ThumbSize, 0);

    // The stand-alone control counts both ends of its range.
    ComputeThumb(bar, 117, 17, 8, 17, {0, 9, 10, 0}, 1);
    EXPECT_EQ(bar.ThumbSize, 82);
}

TEST(SkinControlGeometry, HitTestingAlongABar)
{
    TBarGeometry const bar {17, 83, 10, 20};
    EXPECT_EQ(HitPart(0, bar), 0);
    EXPECT_EQ(HitPart(16, bar), 0);
    EXPECT_EQ(HitPart(17, bar), 2);
    EXPECT_EQ(HitPart(37, bar), 5);
    EXPECT_EQ(HitPart(46, bar), 5);
    EXPECT_EQ(HitPart(47, bar), 3);
    EXPECT_EQ(HitPart(100, bar), 1);
    EXPECT_EQ(HitPart(116, bar), 1);
    EXPECT_EQ(HitPart(117, bar), -1);
}

TEST(SkinControlGeometry, DraggingTheThumb)
{
    TBarGeometry const bar {17, 83, 10, 0};
    // No page: the thumb travels the track less itself.
    TScrollRange const plain {0, 73, 0, 0};
    EXPECT_EQ(DragThumb(-5, bar, plain).Pos, 0);
    EXPECT_EQ(DragThumb(36, bar, plain).Pos, 36);
    TThumbDrag const end = DragThumb(500, bar, plain);
    EXPECT_EQ(end.Offset, 73);
    EXPECT_EQ(end.Pos, 73);

    // With a page the end of the track is the last position the platform
    // takes, max - page + 1; the thumb stops at the far arrow.
    TScrollRange const paged {0, 99, 10, 0};
    TThumbDrag const last = DragThumb(83, bar, paged);
    EXPECT_EQ(last.Pos, 90);
    EXPECT_EQ(last.Offset, 73);
    EXPECT_EQ(DragThumb(0, bar, paged).Pos, 0);

    // A minimum above 0 and positions past 16 bits.
    EXPECT_EQ(DragThumb(0, bar, {100, 200000, 0, 0}).Pos, 100);
    EXPECT_EQ(DragThumb(73, bar, {100, 200000, 0, 0}).Pos, 200000);
    // A track with no room never divides by zero.
    EXPECT_EQ(DragThumb(10, {17, 10, 10, 0}, plain).Pos, 0);
    EXPECT_EQ(DragThumb(10, {17, 0, 0, 0}, paged).Pos, 0);
}

TEST(SkinControlGeometry, MultiplyThenDivideRounds)
{
    EXPECT_EQ(MulDiv64(10, 83, 99), 8);
    EXPECT_EQ(MulDiv64(1, 1, 2), 1);   // half rounds away from zero
    EXPECT_EQ(MulDiv64(-1, 1, 2), -1);
    EXPECT_EQ(MulDiv64(5, 5, 0), -1);
    EXPECT_EQ(MulDiv64(3000000000LL, 3000000000LL, 1000000000LL), 9000000000LL);
}
