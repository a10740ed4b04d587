// The slider at the ends of int: a range wider than int can hold, keys and
// drags that would step past Min or Max, and a thousand ticks on the track.

#include "tests/editors/EditorsFixture.h"

#include "editors/trackbar/cxTrackBarLayout.h"

#include <climits>

namespace tandrel::test {

namespace {

// Text of a fixed 6 × 13 cell per character.
TcxTrackBarMeasures FixedText()
{
    TcxTrackBarMeasures m;
    m.TextExtent = [](const std::wstring& s) { return SIZE {6 * static_cast<LONG>(s.size()), 13}; };
    return m;
}

// The main panel's slider: its track runs from 7 to 145 and the thumb,
// 10 long, travels 128 pixels.
const RECT kPanelClient {2, 2, 154, 29};

class TrackBarRangeTest : public TSliderTest {
protected:
    void SetUp() override
    {
        TSliderTest::SetUp();
        m_slider->SetFocus();
        Settle();
    }
    void TearDown() override
    {
        PointerUp(Screen(-20, -20));
        ParkPointer();
        TSliderTest::TearDown();
    }
    void SetRange(int min, int max)
    {
        m_props->SetMin(min);
        m_props->SetMax(max);
        Settle();
    }
    void MoveTo(int position)
    {
        m_slider->SetPosition(position);
        Settle();
    }
};

} // namespace

TEST(TrackBarRangeLayoutTest, ARangeOfFourBillionPlacesTheThumbAlongTheWholeTrack)
{
    TcxTrackBarGeometry g;
    g.Min = -2000000000;
    g.Max = 2000000000;
    LayoutSlider(g, kPanelClient, FixedText());
    EXPECT_DOUBLE_EQ(g.Scale, 128.0 / 4e9);
    // 128 pixels for 4e9 values: a quarter of the range is 32 pixels.
    const std::pair<int, int> placed[] = {
        {-2000000000, 7}, {-1000000000, 39}, {0, 71}, {1000000000, 103}, {2000000000, 135}};
    for (auto [position, left] : placed) {
        g.Position = position;
        PlaceThumb(g);
        EXPECT_EQ(g.ThumbRect.left, left) << "position " << position;
        EXPECT_EQ(g.ThumbRect.right, left + 10) << "position " << position;
    }
}

TEST(TrackBarRangeLayoutTest, AThousandTicksAreThinnedToAboutOnePerPixel)
{
    TcxTrackBarGeometry g;
    g.Max = 1000;
    LayoutSlider(g, kPanelClient, FixedText());
    // 999 inner ticks on a 138-pixel track: every eighth is shown.
    const std::vector<int> ticks = ShownTickValues(g);
    ASSERT_EQ(ticks.size(), 127u);
    EXPECT_EQ((std::vector<int>(ticks.begin(), ticks.begin() + 4)), (std::vector<int> {0, 1, 9, 17}));
    EXPECT_EQ(ticks[125], 993);
    EXPECT_EQ(ticks[126], 1000);
    // 0.128 pixel per value: the thinned ticks never share a pixel (Min's
    // and the first one's do: both sit at 0).
    EXPECT_EQ(TickOffset(1, g.Min, g.Scale), 0);
    EXPECT_EQ(TickOffset(9, g.Min, g.Scale), 1);
    EXPECT_EQ(TickOffset(17, g.Min, g.Scale), 2);
    EXPECT_EQ(TickOffset(993, g.Min, g.Scale), 127);
    EXPECT_EQ(TickOffset(1000, g.Min, g.Scale), 128);
    for (size_t i = 2; i < ticks.size(); ++i)
        EXPECT_LT(TickOffset(ticks[i - 1], g.Min, g.Scale), TickOffset(ticks[i], g.Min, g.Scale)) << ticks[i];
}

TEST_F(TrackBarRangeTest, KeysStopAtTheEndsOfARangeAsWideAsInt)
{
    SetRange(-2000000000, 2000000000);
    m_props->SetPageSize(2000000000);
    MoveTo(-2000000000);
    EXPECT_EQ(ThumbLeft(), 7);
    Press(VK_PRIOR);
    EXPECT_EQ(m_slider->Position(), -2000000000);
    Press(VK_NEXT);
    EXPECT_EQ(m_slider->Position(), 0);
    EXPECT_EQ(ThumbLeft(), 71);
    Press(VK_NEXT);
    Press(VK_NEXT);
    EXPECT_EQ(m_slider->Position(), 2000000000);
    EXPECT_EQ(ThumbLeft(), 135);

    SetRange(INT_MIN, INT_MAX);
    MoveTo(INT_MAX);
    Press(VK_RIGHT);
    EXPECT_EQ(m_slider->Position(), INT_MAX);
    MoveTo(INT_MIN);
    Press(VK_LEFT);
    EXPECT_EQ(m_slider->Position(), INT_MIN);
    Press(VK_PRIOR);
    EXPECT_EQ(m_slider->Position(), INT_MIN);
}

TEST_F(TrackBarRangeTest, DraggingAcrossARangeAsWideAsIntMovesTheRightWayAndStopsAtTheEnds)
{
    SetRange(-2000000000, 2000000000);
    MoveTo(0);
    ASSERT_EQ(ThumbLeft(), 71);
    // The thumb's middle is at 76 in the bitmap, 78 in the client area.
    PointerDown(Screen(78, 12));
    ASSERT_TRUE(m_slider->TrackBarViewInfo().IsThumbPressed);
    // One pixel is 4e9 / 156 values, rounded.
    PointerTo(Screen(79, 12));
    EXPECT_EQ(m_slider->Position(), 25641026);
    PointerTo(Screen(400, 12));
    EXPECT_EQ(m_slider->Position(), 2000000000);
    PointerTo(Screen(-400, 12));
    EXPECT_EQ(m_slider->Position(), -2000000000);
    PointerUp(Screen(-400, 12));
}

} // namespace tandrel::test
