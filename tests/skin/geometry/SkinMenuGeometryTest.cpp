// The arithmetic of owner-drawn menu items, skinned separators, popup
// border rings and switching between menu-bar items.

#include "skin/geometry/SkinMenuGeometry.h"

#include <gtest/gtest.h>

using namespace tandrel;

TEST(SkinMenuGeometry, MeasuredWidthsMakeRoomForTheIndentAndTheBox)
{
    // The default skin's MenuItem indent is 4.
    EXPECT_EQ(MeasuredPopupItemWidth(60, 4, false), 60 + 4 + 12 + 23);
    EXPECT_EQ(MeasuredPopupItemWidth(60, 4, true), 60 + 4 + 12);
    EXPECT_EQ(MeasuredBarItemWidth(60, 4, false), 60 + 4 + 10 + 25);
    EXPECT_EQ(MeasuredBarItemWidth(60, 0, true), 70);
    EXPECT_EQ(MenuItemIndent(false, 4), 0);
    EXPECT_EQ(MenuItemIndent(true, 4), 4);
    // A stranger's margins: never negative, never a width that overflows.
    EXPECT_EQ(MenuItemIndent(true, -7), 0);
    EXPECT_EQ(MenuItemIndent(true, 0x7FFFFFFF), 1000);
    EXPECT_EQ(MeasuredPopupItemWidth(10, 0x7FFFFFFF, true), 10 + 1000 + 12);
}

TEST(SkinMenuGeometry, ItemsOfOtherWindowsAreMeasuredByTheirCaption)
{
    TMeasuredItem const open = MeasuredHandleItem(40, 15, false, 4, false);
    EXPECT_EQ(open.Width, 40 + 26 + 4);
    EXPECT_EQ(open.Height, 19);
    // A separator (no caption) is 8 high whatever the system said.
    EXPECT_EQ(MeasuredHandleItem(0, 15, true, 0, false).Height, 8);
    EXPECT_EQ(MeasuredHandleItem(0, 15, true, 0, true).Height, 12);
    EXPECT_EQ(MeasuredHandleItem(40, 15, false, 0, true).Height, 23);
}

TEST(SkinMenuGeometry, ImageBoxesAre16OrTheImageListsWidthAndFitACheckMark)
{
    EXPECT_EQ(MenuImageSize(0, false), 16);
    EXPECT_EQ(MenuImageSize(24, false), 24);
    EXPECT_EQ(MenuImageSize(12, false), 12);
    EXPECT_EQ(MenuImageSize(12, true), 16);
    EXPECT_EQ(MenuImageSize(24, true), 24);
}

TEST(SkinMenuGeometry, LeftToRightItemsHaveTheBoxAfterTheIndentAndTheTextAfterIt)
{
    TSkinRect const item {0, 20, 150, 40};
    TMenuItemLayout const l = MenuItemLayout(item, 16, 4, false, false);
    EXPECT_EQ(l.Box, (TSkinRect {5, 21, 21, 37}));
    EXPECT_EQ(l.Text, (TSkinRect {24, 20, 149, 40}));
    // A separator's box is empty at x = 0: its line runs from x = 3.
    TMenuItemLayout const line = MenuItemLayout(item, 16, 4, true, false);
    EXPECT_TRUE(line.Box.Empty());
    EXPECT_EQ(line.Text, (TSkinRect {3, 20, 149, 40}));
}

TEST(SkinMenuGeometry, RightToLeftItemsAreMirrored)
{
    TSkinRect const item {0, 20, 150, 40};
    TMenuItemLayout const l = MenuItemLayout(item, 16, 4, false, true);
    EXPECT_EQ(l.Box, (TSkinRect {129, 21, 145, 37}));
    EXPECT_EQ(l.Text, (TSkinRect {1, 20, 126, 40}));
    TMenuItemLayout const line = MenuItemLayout(item, 16, 4, true, true);
    EXPECT_EQ(line.Box.Left, 150);
    EXPECT_EQ(line.Text, (TSkinRect {1, 20, 147, 40}));
    // The shortcut goes to the left, 10 in.
    TSkinRect const caption {90, 23, 126, 37};
    EXPECT_EQ(ShortcutRect(l, caption, item, true), (TSkinRect {11, 23, 126, 37}));
}

TEST(SkinMenuGeometry, CaptionsSitInTheMiddleRowsAndShortcutsAfterThem)
{
    TSkinRect const item {0, 20, 150, 40};
    TMenuItemLayout const l = MenuItemLayout(item, 16, 4, false, false);
    TSkinRect const caption = CentredCaption({24, 20, 70, 34}, item.Height());
    EXPECT_EQ(caption, (TSkinRect {24, 23, 70, 37}));
    EXPECT_EQ(ShortcutRect(l, caption, item, false), (TSkinRect {70, 23, 139, 37}));
    // The check mark (13 x 13 here) in the middle of the box, one further.
    EXPECT_EQ(CheckMarkRect(l.Box, 13, 13), (TSkinRect {7, 23, 20, 36}));
}

TEST(SkinMenuGeometry, SeparatorsComeFromTheBottomRowsOfFrameTwo)
{
    // The default skin's strip: 5 frames of 92 x 36, margins 4 and 4.
    auto const pieces = SeparatorPieces(460, 36, 200, 9, 4, 4);
    ASSERT_EQ(pieces.size(), 3u);
    EXPECT_EQ(pieces[0].Dest, (TSkinRect {0, 0, 4, 9}));
    EXPECT_EQ(pieces[0].Source, (TSkinRect {92, 27, 96, 36}));
    EXPECT_EQ(pieces[1].Dest, (TSkinRect {4, 0, 196, 9}));
    EXPECT_EQ(pieces[1].Source, (TSkinRect {96, 27, 180, 36}));
    EXPECT_EQ(pieces[2].Dest, (TSkinRect {196, 0, 200, 9}));
    EXPECT_EQ(pieces[2].Source, (TSkinRect {180, 27, 184, 36}));
    // A separator taller than the image takes all its rows.
    EXPECT_EQ(SeparatorPieces(460, 36, 200, 50, 4, 4)[0].Source.Top, 0);
}

TEST(SkinMenuGeometry, SeparatorsSurviveHostileStrips)
{
    EXPECT_TRUE(SeparatorPieces(4, 36, 200, 9, 0, 0).empty()); // frames of no width
    EXPECT_TRUE(SeparatorPieces(460, 0, 200, 9, 4, 4).empty());
    EXPECT_TRUE(SeparatorPieces(460, 36, 0, 9, 4, 4).empty());
    // Margins wider than the frame are dropped: the frame is stretched whole.
    auto const wide = SeparatorPieces(460, 36, 200, 9, 80, 80);
    ASSERT_EQ(wide.size(), 1u);
    EXPECT_EQ(wide[0].Source, (TSkinRect {92, 27, 184, 36}));
    EXPECT_EQ(wide[0].Dest, (TSkinRect {0, 0, 200, 9}));
    auto const negative = SeparatorPieces(460, 36, 200, 9, -5, 0x7FFFFFFF);
    ASSERT_EQ(negative.size(), 1u);
    for (const TSkinPiece& p : SeparatorPieces(460, 36, 6, 9, 4, 4)) {
        EXPECT_GE(p.Source.Left, 92);
        EXPECT_LE(p.Source.Right, 184);
    }
}

TEST(SkinMenuGeometry, ThePopupBorderRingIsThreePixelsWide)
{
    auto const bands = PopupBorderBands(120, 80);
    ASSERT_EQ(bands.size(), 4u);
    EXPECT_EQ(bands[0], (TSkinRect {0, 0, 120, 3}));
    EXPECT_EQ(bands[1], (TSkinRect {0, 77, 120, 80}));
    EXPECT_EQ(bands[2], (TSkinRect {0, 3, 3, 77}));
    EXPECT_EQ(bands[3], (TSkinRect {117, 3, 120, 77}));
    // A tiny window: no band reaches past the middle, none is empty.
    for (const TSkinRect& band : PopupBorderBands(4, 5)) {
        EXPECT_FALSE(band.Empty());
        EXPECT_LE(band.Right, 4);
        EXPECT_LE(band.Bottom, 5);
    }
    EXPECT_TRUE(PopupBorderBands(0, 10).empty());
}

TEST(SkinMenuGeometry, SwitchingBetweenBarItemsWrapsAround)
{
    EXPECT_EQ(SwitchedBarItem(0, 3, +1), 1);
    EXPECT_EQ(SwitchedBarItem(2, 3, +1), 0);
    EXPECT_EQ(SwitchedBarItem(0, 3, -1), 2);
    EXPECT_EQ(SwitchedBarItem(1, 3, -1), 0);
    EXPECT_EQ(SwitchedBarItem(0, 1, +1), 0);
    EXPECT_EQ(SwitchedBarItem(0, 0, +1), -1);
    EXPECT_EQ(SwitchedBarItem(7, 3, +1), 0); // an index past the end counts as the last
}
