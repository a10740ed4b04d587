// Where the pieces of skin images go: frames, nine-slice pieces, bars and
// tiles, including the sizes a hostile skin can ask for.

#include "skin/geometry/SkinGeometry.h"

#include <gtest/gtest.h>

#include <set>

using namespace tandrel;

namespace {

std::vector<TSkinRect> Dests(const std::vector<TSkinPiece>& pieces)
{
    std::vector<TSkinRect> rects;
    for (const auto& piece : pieces)
        rects.push_back(piece.Dest);
    return rects;
}

// Every pixel of a w x h picture covered by the pieces, counted once.
std::size_t Covered(const std::vector<TSkinRect>& rects, int w, int h)
{
    std::set<std::pair<int, int>> pixels;
    for (const auto& r : rects)
        for (int x = std::max(0, r.Left); x < std::min(w, r.Right); ++x)
            for (int y = std::max(0, r.Top); y < std::min(h, r.Bottom); ++y)
                pixels.insert({ x, y });
    return pixels.size();
}

} // namespace

TEST(SkinGeometry, FramesOfStrips)
{
    EXPECT_EQ(SkinFrameRect(180, 30, 6, 2, TFrameLayout::flHorizontal), (TSkinRect { 30, 0, 60, 30 }));
    EXPECT_EQ(SkinFrameRect(10, 40, 2, 2, TFrameLayout::flVertical), (TSkinRect { 0, 20, 10, 40 })); // the lower half
    EXPECT_EQ(SkinFrameRect(157, 26, 6, 6, TFrameLayout::flHorizontal), (TSkinRect { 130, 0, 156, 26 }));
    // Counts below 1 and indexes out of range never reach outside the image.
    EXPECT_EQ(SkinFrameRect(20, 10, 0, 1, TFrameLayout::flHorizontal), (TSkinRect { 0, 0, 20, 10 }));
    EXPECT_EQ(SkinFrameRect(20, 10, -3, 5, TFrameLayout::flHorizontal), (TSkinRect { 0, 0, 20, 10 }));
    EXPECT_EQ(SkinFrameRect(20, 10, 4, 9, TFrameLayout::flHorizontal), (TSkinRect { 15, 0, 20, 10 }));
    EXPECT_EQ(SkinFrameRect(20, 10, 4, -1, TFrameLayout::flHorizontal), (TSkinRect { 0, 0, 5, 10 }));
    EXPECT_TRUE(SkinFrameRect(3, 10, 4, 1, TFrameLayout::flHorizontal).Empty());
    EXPECT_TRUE(SkinFrameRect(0, 0, 1, 1, TFrameLayout::flVertical).Empty());
}

TEST(SkinGeometry, NineSlicePiecesInDrawingOrder)
{
    TSkinRect const frame { 40, 0, 60, 30 }; // frame 3 of a 20-wide strip
    auto const pieces = NineSlicePieces(frame, 100, 50, { 4, 5, 6, 7 });
    ASSERT_EQ(pieces.size(), 9u);
    EXPECT_EQ(Dests(pieces), (std::vector<TSkinRect> {
                                 { 0, 0, 4, 5 }, { 0, 43, 4, 50 }, { 94, 0, 100, 5 },     // corners
                                 { 0, 5, 4, 43 }, { 4, 0, 94, 5 },                        // left, top
                                 { 4, 5, 94, 43 },                                         // middle
                                 { 94, 43, 100, 50 }, { 94, 5, 100, 43 }, { 4, 43, 94, 50 } })); // last
    EXPECT_EQ(pieces[0].Source, (TSkinRect { 40, 0, 44, 5 }));
    EXPECT_EQ(pieces[5].Source, (TSkinRect { 44, 5, 54, 23 }));
    EXPECT_EQ(pieces[6].Source, (TSkinRect { 54, 23, 60, 30 }));
    EXPECT_TRUE(pieces[5].Middle);
    EXPECT_EQ(Covered(Dests(pieces), 100, 50), 5000u);

    auto const ring = NineSlicePieces(frame, 100, 50, { 4, 5, 6, 7 }, TNineSliceMiddle::nsWithout);
    EXPECT_EQ(ring.size(), 8u);
    EXPECT_EQ(Covered(Dests(ring), 100, 50), 5000u - 90u * 38u);
}

TEST(SkinGeometry, MarginsThatDoNotFitCollapse)
{
    TSkinRect const frame { 0, 0, 20, 20 };
    // Narrower than left + right: both side margins go, the middle takes the
    // whole width, top and bottom edges stretch across.
    auto narrow = NineSlicePieces(frame, 9, 30, { 5, 3, 5, 3 });
    EXPECT_EQ(Dests(narrow), (std::vector<TSkinRect> { { 0, 0, 9, 3 }, { 0, 3, 9, 27 }, { 0, 27, 9, 30 } }));
    EXPECT_EQ(narrow[1].Source, (TSkinRect { 0, 3, 20, 17 }));
    // Exactly left + right keeps both and leaves no middle.
    auto exact = NineSlicePieces(frame, 10, 30, { 5, 3, 5, 3 });
    for (const auto& piece : exact)
        EXPECT_FALSE(piece.Middle);
    EXPECT_EQ(Covered(Dests(exact), 10, 30), 300u);
    // Both ways at once: one stretched piece.
    auto tiny = NineSlicePieces(frame, 4, 4, { 5, 3, 5, 3 });
    EXPECT_EQ(Dests(tiny), (std::vector<TSkinRect> { { 0, 0, 4, 4 } }));
    EXPECT_EQ(tiny[0].Source, frame);
}

TEST(SkinGeometry, HostileMarginsStayWithinTheFrame)
{
    TSkinRect const frame { 10, 0, 20, 8 };
    for (TSkinMargins margins : { TSkinMargins { 30, 30, 30, 30 }, TSkinMargins { -5, -5, 40, 2 },
                                  TSkinMargins { 2147483647, 0, 2147483647, 0 }, TSkinMargins { 8, 6, 8, 6 } }) {
        for (auto [w, h] : { std::pair { 200, 200 }, std::pair { 0, 0 }, std::pair { -5, 7 }, std::pair { 1, 1 } }) {
            for (const auto& piece : NineSlicePieces(frame, w, h, margins)) {
                EXPECT_GE(piece.Source.Left, frame.Left);
                EXPECT_LE(piece.Source.Right, frame.Right);
                EXPECT_GE(piece.Source.Top, frame.Top);
                EXPECT_LE(piece.Source.Bottom, frame.Bottom);
                EXPECT_FALSE(piece.Source.Empty());
                EXPECT_FALSE(piece.Dest.Empty());
            }
        }
    }
    EXPECT_TRUE(NineSlicePieces({}, 100, 100, { 1, 1, 1, 1 }).empty()); // an empty image copies nothing
}

TEST(SkinGeometry, BarsRepeatTheirMiddleAndEndWithTheRightCap)
{
    TSkinRect const frame { 0, 23, 30, 46 }; // frame 2 of a stacked pair
    auto const pieces = SkinBarPieces(frame, 50, 20, 10, 6);
    // m = 14: repeats at 10, 24, 38 (the last overhangs 44), then the cap.
    EXPECT_EQ(Dests(pieces), (std::vector<TSkinRect> {
                                 { 0, 0, 10, 20 }, { 10, 0, 24, 20 }, { 24, 0, 38, 20 }, { 38, 0, 52, 20 },
                                 { 44, 0, 50, 20 } }));
    EXPECT_EQ(pieces[1].Source, (TSkinRect { 10, 23, 24, 46 }));
    EXPECT_EQ(pieces.back().Source, (TSkinRect { 24, 23, 30, 46 }));

    // No collapse: caps wider than the bar still go to their ends.
    EXPECT_EQ(Dests(SkinBarPieces(frame, 12, 20, 10, 6)),
              (std::vector<TSkinRect> { { 0, 0, 10, 20 }, { 6, 0, 12, 20 } }));
}

TEST(SkinGeometry, BarsWithoutAMiddleAreStretchedWhole)
{
    TSkinRect const frame { 0, 0, 16, 10 };
    for (auto [left, right] : { std::pair { 8, 8 }, std::pair { 16, 0 }, std::pair { 20, 30 } }) {
        auto const pieces = SkinBarPieces(frame, 1920, 46, left, right);
        ASSERT_EQ(pieces.size(), 1u) << left << "," << right;
        EXPECT_EQ(pieces[0].Source, frame);
        EXPECT_EQ(pieces[0].Dest, (TSkinRect { 0, 0, 1920, 46 }));
    }
    // A one-pixel middle is stepped over, once per pixel.
    EXPECT_EQ(SkinBarPieces(frame, 1920, 46, 8, 7).size(), 1920u - 15u + 2u);
    EXPECT_TRUE(SkinBarPieces({}, 100, 10, 1, 1).empty());
}

TEST(SkinGeometry, TilePlansCoverWhatTheTilesWould)
{
    // 7 x 5 tiles over 100 x 40 from (3, 2): 15 columns, 8 rows, overhanging.
    TTilePlan const plan = PlanTiles({ 3, 2, 103, 42 }, 7, 5);
    EXPECT_EQ(plan.PatternWidth % 7, 0);
    EXPECT_EQ(plan.PatternHeight % 5, 0);
    std::size_t area = 0;
    for (const auto& blit : plan.Blits) {
        EXPECT_EQ((blit.Left - 3) % 7, 0);
        EXPECT_EQ((blit.Top - 2) % 5, 0);
        EXPECT_LE(blit.Width(), plan.PatternWidth);
        EXPECT_LE(blit.Height(), plan.PatternHeight);
        area += static_cast<std::size_t>(blit.Width()) * static_cast<std::size_t>(blit.Height());
    }
    EXPECT_EQ(area, 105u * 40u); // exactly 15 x 8 tiles, no more

    // A one-pixel tile over a caption: a handful of blits, not 90000.
    EXPECT_LT(PlanTiles({ 0, 0, 1920, 46 }, 1, 1).Blits.size(), 16u);
    EXPECT_TRUE(PlanTiles({ 0, 0, 10, 10 }, 0, 5).Blits.empty());
    EXPECT_TRUE(PlanTiles({ 10, 0, 0, 10 }, 3, 3).Blits.empty());
}
