// The arithmetic of a skinned frame: border classes and sizes, the client
// area, fitting and unfitting a window, which caption buttons show, where
// they and the caption text go, and what a point on the frame means.

#include "skin/geometry/SkinFrameGeometry.h"

#include <gtest/gtest.h>

using namespace tandrel;

namespace {

// The default skin's frame: Left 15, Top 46, Right 8, Bottom 9.
constexpr TFrameSizes kSlate {15, 46, 8, 9, 0};

TCaptionButtonContext NormalWindow()
{
    TCaptionButtonContext c;
    c.BorderClass = bcEdged;
    c.Active = true;
    c.MaximizeBox = true;
    c.MinimizeBox = true;
    c.SystemMenu = true;
    return c;
}

} // namespace

TEST(SkinFrameGeometry, BorderClasses)
{
    // A pop-up without both caption bits wears no frame, whatever its edges.
    EXPECT_EQ(BorderClassOf(true, false, true), bcBorderless);
    EXPECT_EQ(BorderClassOf(true, false, false), bcBorderless);
    // A pop-up with a full caption (a dialog) is framed like any window.
    EXPECT_EQ(BorderClassOf(true, true, true), bcEdged);
    EXPECT_EQ(BorderClassOf(false, true, false), bcThin);
    EXPECT_EQ(BorderClassOf(false, false, true), bcEdged);
}

TEST(SkinFrameGeometry, BorderExtentsSurviveHostileFrameCounts)
{
    EXPECT_EQ(BorderFrameExtent(46, 1), 46);
    EXPECT_EQ(BorderFrameExtent(92, 2), 46);
    EXPECT_EQ(BorderFrameExtent(15, 2), 7);  // the odd pixel is dropped
    EXPECT_EQ(BorderFrameExtent(15, 0), 15); // a count below 1 counts as 1
    EXPECT_EQ(BorderFrameExtent(15, -4), 15);
    EXPECT_EQ(BorderFrameExtent(-3, 1), 0);
}

TEST(SkinFrameGeometry, AClientAreaOf300By200GetsAWindowOf323By255)
{
    EXPECT_EQ(FittedWindowSize(300, 200, kSlate), (TSkinSize {323, 255}));
    EXPECT_EQ(SkinnedClientRect(100, 50, 323, 255, kSlate), (TSkinRect {115, 96, 415, 296}));
    // A menu strip lies between the caption and the client area.
    TFrameSizes withMenu = kSlate;
    withMenu.MenuBar = 19;
    EXPECT_EQ(FittedWindowSize(300, 200, withMenu), (TSkinSize {323, 274}));
    EXPECT_EQ(SkinnedClientRect(0, 0, 323, 274, withMenu), (TSkinRect {15, 65, 315, 265}));
}

TEST(SkinFrameGeometry, AWindowSmallerThanItsFrameHasAnEmptyClientArea)
{
    TSkinRect const client = SkinnedClientRect(10, 10, 20, 30, kSlate);
    EXPECT_TRUE(client.Empty());
    EXPECT_EQ(client.Left, 25);
    EXPECT_EQ(client.Top, 56);
    EXPECT_GE(client.Right, client.Left);
    EXPECT_GE(client.Bottom, client.Top);
}

TEST(SkinFrameGeometry, UnskinningKeepsTheClientArea)
{
    // A window of 323 x 255 with the slate frame had a system frame of 8 by
    // 27 before: the client area of 300 x 200 keeps its size.
    EXPECT_EQ(UnskinnedWindowSize(323, 255, kSlate, 8, 27), (TSkinSize {308, 227}));
    TFrameSizes withMenu = kSlate;
    withMenu.MenuBar = 19;
    EXPECT_EQ(UnskinnedWindowSize(323, 274, withMenu, 8, 46), (TSkinSize {308, 246}));
}

TEST(SkinFrameGeometry, VisibilityByWindowState)
{
    TCaptionButtonContext c = NormalWindow();
    // A maximise button (6 / 2) shows with a maximise box and a system menu
    // while the window is not maximised; the restore button (6 / 1) only
    // while it is.
    EXPECT_TRUE(CaptionButtonVisible(caMaximize, 6, 2, c));
    EXPECT_FALSE(CaptionButtonVisible(caMaximize, 6, 1, c));
    c.Maximized = true;
    EXPECT_FALSE(CaptionButtonVisible(caMaximize, 6, 2, c));
    EXPECT_TRUE(CaptionButtonVisible(caMaximize, 6, 1, c));
    c.SystemMenu = false;
    EXPECT_FALSE(CaptionButtonVisible(caMaximize, 6, 1, c));

    c = NormalWindow();
    EXPECT_TRUE(CaptionButtonVisible(10, 3, 0, c));  // active
    EXPECT_FALSE(CaptionButtonVisible(10, 4, 0, c));
    c.Active = false;
    EXPECT_FALSE(CaptionButtonVisible(10, 3, 3, c));
    EXPECT_TRUE(CaptionButtonVisible(10, 4, 4, c));
}

TEST(SkinFrameGeometry, VisibilityValuesAtTheirEdges)
{
    TCaptionButtonContext const c = NormalWindow();
    EXPECT_FALSE(CaptionButtonVisible(4, 10, 10, c)); // never
    EXPECT_FALSE(CaptionButtonVisible(4, 11, 0, c));
    EXPECT_FALSE(CaptionButtonVisible(4, 5, 0, c));
    EXPECT_TRUE(CaptionButtonVisible(4, 500, 500, c)); // always
    EXPECT_TRUE(CaptionButtonVisible(4, 200, 2000, c));
    EXPECT_FALSE(CaptionButtonVisible(4, 199, 0, c));
    EXPECT_FALSE(CaptionButtonVisible(4, 2001, 0, c));
    EXPECT_FALSE(CaptionButtonVisible(4, -1, 0, c));
    EXPECT_FALSE(CaptionButtonVisible(4, 0, -7, c));
}

TEST(SkinFrameGeometry, VisibilityZeroDependsOnTheBorderAndTheSystemMenu)
{
    TCaptionButtonContext c = NormalWindow();
    EXPECT_TRUE(CaptionButtonVisible(caClose, 0, 0, c));
    c.SystemMenu = false;
    EXPECT_FALSE(CaptionButtonVisible(caClose, 0, 0, c)); // a close button needs the system menu
    EXPECT_TRUE(CaptionButtonVisible(caSystemMenu, 0, 0, c));
    c.BorderClass = bcThin;
    EXPECT_FALSE(CaptionButtonVisible(caSystemMenu, 0, 0, c));
    c.BorderClass = bcBorderless;
    EXPECT_TRUE(CaptionButtonVisible(caSystemMenu, 0, 0, c));
}

TEST(SkinFrameGeometry, BoxesAndTheirDisabledStandIns)
{
    TCaptionButtonContext c = NormalWindow();
    c.MaximizeBox = false;
    // A maximise or minimise action hides without its box, whatever the values say.
    EXPECT_FALSE(CaptionButtonVisible(caMaximize, 500, 500, c));
    EXPECT_TRUE(CaptionButtonVisible(caMinimize, 8, 0, c));
    // The greyed maximise button (7 / 8): no maximise box but a minimise box.
    EXPECT_TRUE(CaptionButtonVisible(-1, 7, 8, c));
    c.MinimizeBox = false;
    EXPECT_FALSE(CaptionButtonVisible(caMinimize, 500, 500, c));
    EXPECT_FALSE(CaptionButtonVisible(-1, 7, 8, c));
    EXPECT_TRUE(CaptionButtonVisible(-1, 9, 7, c));
}

TEST(SkinFrameGeometry, MdiButtonsShowOnlyForAMaximisedChildWithAMenuStrip)
{
    TCaptionButtonContext c = NormalWindow();
    EXPECT_FALSE(CaptionButtonVisible(caMdiMinimize, cvMdiButton, cvMdiButton, c));
    c.MdiChildMaximized = true;
    EXPECT_FALSE(CaptionButtonVisible(caMdiMinimize, cvMdiButton, cvMdiButton, c)); // no menu strip
    c.MenuBarHeight = 19;
    EXPECT_TRUE(CaptionButtonVisible(caMdiMinimize, cvMdiButton, cvMdiButton, c));
}

TEST(SkinFrameGeometry, CaptionButtonsByAlignment)
{
    TSkinRect const text {15, 10, 120, 34};
    TCaptionButtonPlacement b {1, 42, 8, 30, 30};
    // Right-aligned buttons follow the right edge.
    EXPECT_EQ(PlaceCaptionButton(b, 323, text, kSlate, 0, TReadingOrder::roLeftToRight), (TSkinRect {281, 8, 311, 38}));
    EXPECT_EQ(PlaceCaptionButton(b, 500, text, kSlate, 0, TReadingOrder::roLeftToRight), (TSkinRect {458, 8, 488, 38}));
    // Left-aligned ones stay.
    b.Align = 0;
    b.Xcoord = 26;
    b.Ycoord = 15;
    EXPECT_EQ(PlaceCaptionButton(b, 323, text, kSlate, 0, TReadingOrder::roLeftToRight), (TSkinRect {26, 15, 56, 45}));
    EXPECT_EQ(PlaceCaptionButton(b, 900, text, kSlate, 0, TReadingOrder::roLeftToRight), (TSkinRect {26, 15, 56, 45}));
    // Before and after the caption text.
    b = {2, 4, 6, 16, 16};
    EXPECT_EQ(PlaceCaptionButton(b, 323, text, kSlate, 0, TReadingOrder::roLeftToRight), (TSkinRect {-5, 6, 11, 22}));
    b.Align = 9;
    EXPECT_EQ(PlaceCaptionButton(b, 323, text, kSlate, 0, TReadingOrder::roLeftToRight), (TSkinRect {124, 6, 140, 22}));
    // Anything else sits at the corner.
    b.Align = 5;
    EXPECT_EQ(PlaceCaptionButton(b, 323, text, kSlate, 0, TReadingOrder::roLeftToRight), (TSkinRect {0, 0, 16, 16}));
}

TEST(SkinFrameGeometry, MdiButtonsSitInTheMenuStrip)
{
    TFrameSizes sizes = kSlate;
    sizes.MenuBar = 19;
    TCaptionButtonPlacement const b {calMenuBar, 57, 0, 15, 15};
    // Vertically centred in the strip, from the right less the border and the menu margin.
    EXPECT_EQ(PlaceCaptionButton(b, 400, {}, sizes, 4, TReadingOrder::roLeftToRight), (TSkinRect {331, 48, 346, 63}));
    EXPECT_EQ(PlaceCaptionButton(b, 400, {}, sizes, 4, TReadingOrder::roRightToLeft), (TSkinRect {76, 48, 91, 63}));
}

TEST(SkinFrameGeometry, CaptionTextPlacement)
{
    TSkinRect const area {15, 0, 315, 46};
    TSkinRect const measured {15, 0, 75, 13}; // 60 wide, 13 high
    TCaptionTextStyle style {ctaLeft, 5, 0, 100, 20, 10};
    // Shifted right, centred vertically, widened by the backing's margins.
    EXPECT_EQ(PlaceCaptionText(measured, area, style, TReadingOrder::roLeftToRight, false, 0), (TSkinRect {20, 16, 110, 29}));
    // Centred.
    style.Alignment = ctaCentre;
    EXPECT_EQ(PlaceCaptionText(measured, area, style, TReadingOrder::roLeftToRight, false, 0), (TSkinRect {120, 16, 210, 29}));
    // Right-aligned, before the clip: cut at the clip.
    style.Alignment = ctaRight;
    TSkinRect const right = PlaceCaptionText(measured, area, style, TReadingOrder::roLeftToRight, false, 0);
    EXPECT_EQ(right.Left, 125);
    EXPECT_EQ(right.Right, 215);
    // Right-to-left windows always align right.
    style.Alignment = ctaLeft;
    EXPECT_EQ(PlaceCaptionText(measured, area, style, TReadingOrder::roRightToLeft, false, 0), right);
    // Each half of the vertical shift rounds toward zero.
    style.ShiftVert = -3;
    EXPECT_EQ(PlaceCaptionText(measured, area, style, TReadingOrder::roLeftToRight, false, 0).Top, 15);
}

TEST(SkinFrameGeometry, LongCaptionsStopAtTheClipOrTheButtons)
{
    TSkinRect const area {15, 0, 315, 46};
    TSkinRect const measured {15, 0, 415, 13}; // wider than the caption
    TCaptionTextStyle const style {ctaLeft, 5, 0, 100, 20, 10};
    EXPECT_EQ(PlaceCaptionText(measured, area, style, TReadingOrder::roLeftToRight, false, 0).Right, 215);
    // A pop-up keeps its width, but a short text reaches to the buttons.
    EXPECT_EQ(PlaceCaptionText(measured, area, style, TReadingOrder::roLeftToRight, true, 250).Right, 450);
    TSkinRect const shortText {15, 0, 45, 13};
    EXPECT_EQ(PlaceCaptionText(shortText, area, style, TReadingOrder::roLeftToRight, true, 250).Right, 245);
}

TEST(SkinFrameGeometry, HitTesting)
{
    // The system's answers stand.
    EXPECT_EQ(SkinnedHitTest(1, 20, 46), 1);   // client
    EXPECT_EQ(SkinnedHitTest(12, 2, 46), 12);  // top sizing border
    // Where it found nothing: the skinned caption below its top 3 pixels,
    // then the menu strip.
    EXPECT_EQ(SkinnedHitTest(htNowhere, 3, 46), htNowhere);
    EXPECT_EQ(SkinnedHitTest(htNowhere, 4, 46), htCaption);
    EXPECT_EQ(SkinnedHitTest(htNowhere, 46, 46), htCaption);
    EXPECT_EQ(SkinnedHitTest(htNowhere, 47, 46), htMenu);
}

TEST(SkinFrameGeometry, WindowStatesOfShowCommands)
{
    EXPECT_EQ(WindowStateOfShowCommand(1), fwsNormal);
    EXPECT_EQ(WindowStateOfShowCommand(2), fwsMinimized);
    EXPECT_EQ(WindowStateOfShowCommand(6), fwsMinimized);
    EXPECT_EQ(WindowStateOfShowCommand(7), fwsMinimized);
    EXPECT_EQ(WindowStateOfShowCommand(3), fwsMaximized);
    EXPECT_EQ(WindowStateOfShowCommand(9), fwsNormal);
}
