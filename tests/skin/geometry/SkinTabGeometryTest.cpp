// The arithmetic of the tab, tab-set and status-bar skinners: the side of
// the tabs, page and strip per side, tabs mapped into the strip composed
// lying down, tab-set fitting, and status-bar panels.

#include "skin/geometry/SkinTabGeometry.h"

#include <gtest/gtest.h>

using namespace tandrel;

TEST(SkinTabGeometry, SideFromStyle)
{
    EXPECT_EQ(TabSideOfStyle(0), tsTop);
    EXPECT_EQ(TabSideOfStyle(0x0002), tsBottom);
    EXPECT_EQ(TabSideOfStyle(0x0080), tsLeft);
    EXPECT_EQ(TabSideOfStyle(0x0082), tsRight);
    EXPECT_EQ(TabSideOfStyle(0x50000000u | 0x0200 | 0x0082), tsRight); // other bits do not count
}

TEST(SkinTabGeometry, PageAndStripPerSide)
{
    TSkinRect const rect {0, 0, 200, 150};
    // Display areas as a tab control reports them for 24-pixel tabs.
    TSkinRect const top = TabPageRect({4, 28, 196, 146}, tsTop);
    EXPECT_EQ(top, (TSkinRect {0, 25, 200, 150}));
    EXPECT_EQ(TabStripRect(rect, top, tsTop), (TSkinRect {0, 0, 200, 25}));
    EXPECT_EQ(TabStripBitmapSize(TabStripRect(rect, top, tsTop), tsTop), (TSkinSize {200, 25}));

    TSkinRect const bottom = TabPageRect({4, 4, 196, 122}, tsBottom);
    EXPECT_EQ(bottom, (TSkinRect {0, 0, 200, 125}));
    EXPECT_EQ(TabStripRect(rect, bottom, tsBottom), (TSkinRect {0, 125, 200, 150}));

    TSkinRect const left = TabPageRect({28, 4, 196, 146}, tsLeft);
    EXPECT_EQ(left, (TSkinRect {25, 0, 200, 150}));
    TSkinRect const leftStrip = TabStripRect(rect, left, tsLeft);
    EXPECT_EQ(leftStrip, (TSkinRect {0, 0, 25, 150}));
    // Lying down: as long as the strip is high.
    EXPECT_EQ(TabStripBitmapSize(leftStrip, tsLeft), (TSkinSize {150, 25}));

    TSkinRect const right = TabPageRect({4, 4, 172, 146}, tsRight);
    EXPECT_EQ(right, (TSkinRect {0, 0, 175, 150}));
    TSkinRect const rightStrip = TabStripRect(rect, right, tsRight);
    EXPECT_EQ(rightStrip, (TSkinRect {175, 0, 200, 150}));
    EXPECT_EQ(TabStripBitmapSize(rightStrip, tsRight), (TSkinSize {150, 25}));

    // A display area reported wider than the control leaves no strip.
    TSkinRect const odd = TabPageRect({-10, -10, 300, 300}, tsTop);
    EXPECT_EQ(TabStripBitmapSize(TabStripRect(rect, odd, tsTop), tsTop), (TSkinSize {200, 0}));
}

TEST(SkinTabGeometry, TabsMapIntoTheStripLyingDown)
{
    TSkinRect const rect {0, 0, 200, 150};
    TSkinRect const topPage {0, 25, 200, 150};
    EXPECT_EQ(MapTabIntoStrip({2, 2, 50, 22}, tsTop, rect, topPage), (TSkinRect {2, 3, 50, 23}));

    TSkinRect const bottomPage {0, 0, 200, 125};
    // The strip begins at the page's bottom; the tab lands one pixel higher.
    EXPECT_EQ(MapTabIntoStrip({2, 128, 50, 148}, tsBottom, rect, bottomPage), (TSkinRect {2, 2, 50, 22}));

    // Left: the strip bitmap is 150 wide and turned anticlockwise afterwards,
    // so a tab near the control's top lies at the bitmap's right end.
    TSkinRect const leftPage {25, 0, 200, 150};
    TSkinRect const leftTab {2, 2, 22, 60};
    TSkinRect const lying = MapTabIntoStrip(leftTab, tsLeft, rect, leftPage);
    EXPECT_EQ(lying, (TSkinRect {90, 2, 148, 22}));
    // Turning the bitmap anticlockwise takes lying pixel (x, y) to (y, 149 - x):
    // the lying rectangle turns back into the tab's own.
    EXPECT_EQ(lying.Top, leftTab.Left);
    EXPECT_EQ(lying.Bottom, leftTab.Right);
    EXPECT_EQ(150 - lying.Right, leftTab.Top);
    EXPECT_EQ(150 - lying.Left, leftTab.Bottom);

    // Right: turned clockwise; the tab's distance from the control's right
    // edge becomes its row in the bitmap.
    TSkinRect const rightPage {0, 0, 175, 150};
    EXPECT_EQ(MapTabIntoStrip({178, 2, 198, 60}, tsRight, rect, rightPage), (TSkinRect {1, 2, 59, 22}));
}

TEST(SkinTabGeometry, TabSetSkipsTabsThatDoNotFitAndGoesOn)
{
    // Tab 3 is too wide; tab 4 still fits after tab 2.
    std::vector<int> const lefts = FitTabSetTabs({40, 40, 200, 30}, 5, 130, false, 12);
    EXPECT_EQ(lefts, (std::vector<int> {5, 45, -1, 85}));
    // Exactly at the limit fits.
    EXPECT_EQ(FitTabSetTabs({125}, 5, 130, false, 12), (std::vector<int> {5}));
    EXPECT_EQ(FitTabSetTabs({126}, 5, 130, false, 12), (std::vector<int> {-1}));
    // The arrows showing keep room free.
    EXPECT_EQ(FitTabSetTabs({40, 40, 40}, 5, 130, true, 12), (std::vector<int> {5, 45, -1}));
    EXPECT_EQ(FitTabSetTabs({40, 40, 30}, 5, 130, true, 12), (std::vector<int> {5, 45, 85}));
    // Nothing fits a bar narrower than its margin; negative widths take no room.
    EXPECT_EQ(FitTabSetTabs({10, -5}, 50, 20, false, 0), (std::vector<int> {-1, -1}));
    EXPECT_EQ(FitTabSetTabs({-5, 10}, 0, 20, false, 0), (std::vector<int> {0, 0}));
}

TEST(SkinTabGeometry, StatusPanelsFramesAlignmentAndStretch)
{
    EXPECT_EQ(StatusBevelFrame(sbLowered), 1);
    EXPECT_EQ(StatusBevelFrame(sbRaised), 2);
    EXPECT_EQ(StatusBevelFrame(sbNone), 3);
    EXPECT_EQ(StatusBevelFrame(77), 1);

    EXPECT_EQ(StatusPanelAlignment(saLeft, sbRightToLeft), saRight);
    EXPECT_EQ(StatusPanelAlignment(saRight, sbRightToLeft), saLeft);
    EXPECT_EQ(StatusPanelAlignment(saCentre, sbRightToLeft), saCentre);
    EXPECT_EQ(StatusPanelAlignment(saLeft, sbRightToLeftNoAlign), saLeft);
    EXPECT_EQ(StatusPanelAlignment(saLeft, sbRightToLeftReading), saLeft);
    EXPECT_EQ(StatusPanelAlignment(9, sbLeftToRight), saLeft);

    TSkinRect const bar {0, 0, 300, 20};
    std::vector<TStatusPanelIn> panels(3);
    panels[0] = {true, {0, 2, 60, 20}, sbRaised, saLeft, sbRightToLeft};
    panels[1] = {false, {}, sbLowered, saLeft, sbLeftToRight}; // its place is unknown
    panels[2] = {true, {120, 2, 200, 20}, sbNone, saCentre, sbLeftToRight};
    std::vector<TStatusPanelPlace> const places = StatusPanelPlaces(panels, bar);
    ASSERT_EQ(places.size(), 2u);
    EXPECT_EQ(places[0].Index, 0);
    EXPECT_EQ(places[0].Frame, 2);
    EXPECT_EQ(places[0].Alignment, saRight);
    EXPECT_EQ(places[0].Rect, (TSkinRect {0, 2, 60, 20}));
    EXPECT_EQ(places[1].Index, 2);
    EXPECT_EQ(places[1].Frame, 3);
    EXPECT_EQ(places[1].Rect, (TSkinRect {120, 2, 300, 20})); // stretched to the bar's edge

    // An unreadable last panel stretches nothing else.
    panels[2].HasRect = false;
    EXPECT_EQ(StatusPanelPlaces(panels, bar).back().Rect.Right, 60);

    std::vector<TStatusPanelPlace> const simple = StatusPanelPlaces({}, bar);
    ASSERT_EQ(simple.size(), 1u);
    EXPECT_EQ(simple[0].Rect, bar);
    EXPECT_EQ(simple[0].Frame, 1);
    EXPECT_EQ(simple[0].Alignment, saLeft);
}

TEST(SkinTabGeometry, SizeGripInTheCorner)
{
    EXPECT_EQ(StatusGripRect({0, 0, 300, 20}, 16, 16), (TSkinRect {283, 3, 299, 19}));
    EXPECT_TRUE(StatusGripRect({0, 0, 10, 20}, 16, 16).Empty());
    EXPECT_TRUE(StatusGripRect({0, 0, 300, 20}, 0, 16).Empty());
}
