// The slider's layout arithmetic, on its own and on a real slider.

#include "tests/editors/EditorsFixture.h"

#include "editors/trackbar/cxTrackBarLayout.h"

namespace tandrel::test {

namespace {

::testing::AssertionResult RectIs(const RECT& r, int left, int top, int right, int bottom)
{
    if (r.left == left && r.top == top && r.right == right && r.bottom == bottom)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom
                                         << ") instead of (" << left << ", " << top << ", " << right << ", "
                                         << bottom << ")";
}

// Text of a fixed 6 × 13 cell per character.
TcxTrackBarMeasures FixedText()
{
    TcxTrackBarMeasures m;
    m.TextExtent = [](const std::wstring& s) { return SIZE {6 * static_cast<LONG>(s.size()), 13}; };
    return m;
}

// The main panel's slider: 156 × 31 with a 2-pixel ring reserved all round.
const RECT kPanelClient {2, 2, 154, 29};

} // namespace

TEST(TrackBarLayoutTest, MainPanelSliderHasItsNumbers)
{
    TcxTrackBarGeometry g;
    const auto m = FixedText();
    PlaceContent(g, kPanelClient);
    EXPECT_TRUE(RectIs(g.BitmapRect, 0, 0, 152, 27));
    EXPECT_EQ(MeasureTickArea(g, TTickSide::TopLeft, m), 1);
    EXPECT_EQ(MeasureTickArea(g, TTickSide::BottomRight, m), 5);
    LayoutSlider(g, kPanelClient, m);
    EXPECT_EQ(g.TrackSize, 10);
    EXPECT_TRUE(RectIs(g.ThumbBand, 7, 1, 145, 22));
    EXPECT_TRUE(RectIs(g.TrackRect, 7, 6, 145, 16));
    EXPECT_EQ(g.ThumbLength, 10);
    EXPECT_EQ(g.ThumbBreadth, 19);
    EXPECT_DOUBLE_EQ(g.Scale, 12.8);
    EXPECT_TRUE(g.PointedThumb);
    const int lefts[] = {7, 19, 32, 45, 58, 71, 83, 96, 109, 122, 135};
    for (int position = 0; position <= 10; ++position) {
        g.Position = position;
        PlaceThumb(g);
        EXPECT_TRUE(RectIs(g.ThumbRect, lefts[position], 2, lefts[position] + 10, 21)) << "position " << position;
    }
}

TEST(TrackBarLayoutTest, ThicknessIsClampedAndTheBandCentred)
{
    TcxTrackBarGeometry g;
    LayoutSlider(g, {2, 2, 154, 33}, FixedText());  // 156 × 35
    EXPECT_TRUE(RectIs(g.BitmapRect, 0, 0, 152, 31));
    EXPECT_EQ(g.ThumbBand.top, 3);
    EXPECT_EQ(g.ThumbBand.bottom - g.ThumbBand.top, 21);

    // Too little room still gets 10 pixels; the band then leaves the bitmap.
    TcxTrackBarGeometry small;
    LayoutSlider(small, {0, 0, 100, 8}, FixedText());
    EXPECT_EQ(small.ThumbBand.bottom - small.ThumbBand.top, 10);
    EXPECT_EQ(small.ThumbBand.top, -3);
    EXPECT_EQ(small.TrackSize, 5);
}

TEST(TrackBarLayoutTest, TickRoomDependsOnMarksTypeAndBorder)
{
    TcxTrackBarGeometry g;
    const auto m = FixedText();
    g.ShowTicks = false;  // room is kept all the same
    EXPECT_EQ(MeasureTickArea(g, TTickSide::BottomRight, m), 5);
    g.TickMarks = cxtmBoth;
    EXPECT_EQ(MeasureTickArea(g, TTickSide::TopLeft, m), 5);
    EXPECT_EQ(MeasureTickArea(g, TTickSide::BottomRight, m), 5);
    g.BorderWidth = 1;
    EXPECT_EQ(MeasureTickArea(g, TTickSide::TopLeft, m), 4);
    g.TickMarks = cxtmTopLeft;
    EXPECT_EQ(MeasureTickArea(g, TTickSide::BottomRight, m), 0);
    g.BorderWidth = 0;
    EXPECT_EQ(MeasureTickArea(g, TTickSide::BottomRight, m), 1);  // no marks, but the border pixel

    g.BorderWidth = 1;
    g.TickType = tbttNumbers;
    g.Min = -5;
    g.Max = 100;
    EXPECT_EQ(MeasureTickArea(g, TTickSide::TopLeft, m), 13);      // the text's height
    g.TextOrientation = tbtoVertical;
    EXPECT_EQ(MeasureTickArea(g, TTickSide::TopLeft, m), 18);      // the width of "100"
    g.Min = -50;
    EXPECT_EQ(MeasureTickArea(g, TTickSide::TopLeft, m), 18);      // equal lengths: Max's
    g.Min = -500;
    EXPECT_EQ(MeasureTickArea(g, TTickSide::TopLeft, m), 24);
}

TEST(TrackBarLayoutTest, BorderWidthIsLimitedByTheBitmap)
{
    TcxTrackBarGeometry g;
    g.BorderWidth = 100;
    PlaceContent(g, kPanelClient);
    EXPECT_EQ(g.BorderWidth, 13);
}

TEST(TrackBarLayoutTest, EqualMinAndMaxPutEveryPositionAtTheStart)
{
    TcxTrackBarGeometry g;
    g.Min = g.Max = 4;
    g.Position = 4;
    LayoutSlider(g, kPanelClient, FixedText());
    EXPECT_DOUBLE_EQ(g.Scale, 128.0);
    EXPECT_EQ(g.ThumbRect.left, g.TrackRect.left);
}

TEST(TrackBarLayoutTest, AutoSizedThumbFollowsTheThickness)
{
    TcxTrackBarGeometry v;
    v.Orientation = tboVertical;
    LayoutSlider(v, {0, 0, 27, 152}, FixedText());
    EXPECT_EQ(v.TrackSize, 10);
    EXPECT_EQ(v.ThumbLength, 10);
    EXPECT_EQ(v.ThumbBreadth, 19);
    EXPECT_EQ(v.ThumbRect.bottom - v.ThumbRect.top, 10);

    TcxTrackBarGeometry h;
    LayoutSlider(h, {0, 0, 152, 21}, FixedText());  // available 15
    EXPECT_EQ(h.TrackSize, 7);
    EXPECT_EQ(h.ThumbLength, 8);
    EXPECT_EQ(h.ThumbBreadth, 15);
    v = {};
    v.Orientation = tboVertical;
    LayoutSlider(v, {0, 0, 21, 152}, FixedText());
    EXPECT_EQ(v.TrackSize, 7);
    EXPECT_EQ(v.ThumbLength, 6);
    EXPECT_EQ(v.ThumbBreadth, 11);

    // Without AutoSize the sizes are taken as set.
    h = {};
    h.AutoSize = false;
    LayoutSlider(h, kPanelClient, FixedText());
    EXPECT_EQ(h.TrackSize, 5);
    EXPECT_EQ(h.ThumbLength, 7);
    EXPECT_EQ(h.ThumbBreadth, 11);
    EXPECT_EQ(h.ThumbRect.right - h.ThumbRect.left, 6);  // 2 × (7 div 2)
}

TEST(TrackBarLayoutTest, VerticalTopLeftThumbIsShiftedAndNarrower)
{
    TcxTrackBarGeometry right, left;
    right.Orientation = left.Orientation = tboVertical;
    left.TickMarks = cxtmTopLeft;
    LayoutSlider(right, {0, 0, 27, 152}, FixedText());
    LayoutSlider(left, {0, 0, 27, 152}, FixedText());
    // The bands differ by where the tick room is; compare the thumb against its track.
    EXPECT_EQ(left.ThumbRect.left - left.TrackRect.left, right.ThumbRect.left - right.TrackRect.left - 1);
    EXPECT_EQ(left.ThumbRect.right - left.ThumbRect.left, right.ThumbRect.right - right.ThumbRect.left - 1);
}

TEST(TrackBarLayoutTest, CustomThumbSetsTheThumbSize)
{
    TcxTrackBarGeometry g;
    g.ThumbType = cxttCustom;
    auto m = FixedText();
    int calls = 0;
    m.GetThumbRect = [&] {
        ++calls;
        return RECT {0, 0, 14, 25};
    };
    LayoutSlider(g, kPanelClient, m);
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(g.ThumbBand.bottom - g.ThumbBand.top, 25);  // wider than 21
    EXPECT_EQ(g.ThumbLength, 14);
    EXPECT_EQ(g.ThumbWidth, 14);
    EXPECT_EQ(g.ThumbHeight, 25);
}

TEST(TrackBarLayoutTest, NativeThumbSitsOnePixelAlong)
{
    TcxTrackBarGeometry g;
    g.NativeEditStyle = true;
    LayoutSlider(g, kPanelClient, FixedText());
    EXPECT_TRUE(RectIs(g.ThumbRect, 8, 2, 18, 21));
}

TEST(TrackBarLayoutTest, SelectionIsClampedAndSitsInsideTheTrackFrame)
{
    TcxTrackBarGeometry g;
    g.SelectionStart = g.SelectionEnd = 3;
    LayoutSlider(g, kPanelClient, FixedText());
    EXPECT_FALSE(g.SelectionVisible);

    g.SelectionStart = -5;
    g.SelectionEnd = 4;
    LayoutSlider(g, kPanelClient, FixedText());
    EXPECT_EQ(g.SelectionStart, 0);
    ASSERT_TRUE(g.SelectionVisible);
    EXPECT_TRUE(RectIs(g.SelectionRect, 12, 8, 7 + 51 + 5 + 1, 15));

    g.SelectionStart = 8;
    g.SelectionEnd = 40;
    LayoutSlider(g, kPanelClient, FixedText());
    EXPECT_EQ(g.SelectionEnd, 10);
    EXPECT_EQ(g.SelectionRect.right, 135 + 5 + 1);
}

TEST(TrackBarLayoutTest, NegativeScaleIsKept)
{
    TcxTrackBarGeometry g;
    LayoutSlider(g, {0, 0, 22, 27}, FixedText());  // a track shorter than the thumb
    EXPECT_LT(g.Scale, 0);
    int position = 0;
    EXPECT_FALSE(PixelToPosition(10, g.TrackRect.left, 0, g.Scale, position));
    EXPECT_FALSE(PixelToPosition(10, 0, 0, 0.0, position));
}

TEST(TrackBarLayoutTest, PixelsAndPositionsConvertBothWays)
{
    int position = 0;
    ASSERT_TRUE(PixelToPosition(78, 7, 0, 12.8, position));
    EXPECT_EQ(position, 5);
    ASSERT_TRUE(PixelToPosition(151, 7, 5, 12.8, position));
    EXPECT_EQ(position, 16);
    ASSERT_TRUE(PixelToPosition(135, 7, 0, 12.8, position));
    EXPECT_EQ(position, 10);  // 128 / 12.8 is 10, not 9.999…
    ASSERT_TRUE(PixelToPosition(2, 7, 0, 12.8, position));
    EXPECT_EQ(position, 0);  // toward zero
    EXPECT_EQ(PositionToPixel(3, 0, 12.8, 7), 45);
    EXPECT_EQ(TickOffset(10, 0, 12.8), 128);
}

TEST(TrackBarLayoutTest, DragRoundsHalvesToEven)
{
    const double ratio = 10.0 / 156;
    EXPECT_EQ(DragDelta(7, ratio), 0);   // 0.449
    EXPECT_EQ(DragDelta(8, ratio), 1);   // 0.513
    EXPECT_EQ(DragDelta(-8, ratio), -1);
    EXPECT_EQ(RoundHalfToEven(0.5), 0);
    EXPECT_EQ(RoundHalfToEven(1.5), 2);
    EXPECT_EQ(RoundHalfToEven(2.5), 2);
    EXPECT_EQ(RoundHalfToEven(-0.5), 0);
    EXPECT_EQ(RoundHalfToEven(-1.5), -2);
    EXPECT_EQ(RoundHalfToEven(-2.6), -3);
}

TEST(TrackBarLayoutTest, ShownTicksAreTheEndsAndTheMultiplesOfFrequency)
{
    TcxTrackBarGeometry g;
    LayoutSlider(g, kPanelClient, FixedText());
    EXPECT_EQ(ShownTickValues(g), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    g.Min = 3;
    g.Max = 20;
    g.Frequency = 5;
    EXPECT_EQ(ShownTickValues(g), (std::vector<int>{3, 5, 10, 15, 20}));
    g.Frequency = 0;
    EXPECT_EQ(ShownTickValues(g), (std::vector<int>{3, 20}));
    g.Min = -7;
    g.Max = 7;
    g.Frequency = 5;
    EXPECT_EQ(ShownTickValues(g), (std::vector<int>{-7, -5, 0, 5, 7}));
    g.Min = g.Max = 4;
    EXPECT_EQ(ShownTickValues(g), (std::vector<int>{4}));

    // A range far longer than the track in pixels is thinned, not walked.
    g.Min = -2147483647 - 1;
    g.Max = 2147483647;
    g.Frequency = 1;
    g.TickType = tbttValueNumber;
    g.Position = 12345;
    const std::vector<int> shown = ShownTickValues(g);
    EXPECT_LE(shown.size(), 200u);
    EXPECT_EQ(shown.front(), g.Min);
    EXPECT_EQ(shown.back(), g.Max);
    EXPECT_NE(std::find(shown.begin(), shown.end(), 12345), shown.end());
    EXPECT_TRUE(std::is_sorted(shown.begin(), shown.end()));
}

using TrackBarGeometryTest = TSliderTest;

TEST_F(TrackBarGeometryTest, RealSliderOfTheMainPanelSizeLaysOutTheSame)
{
    const auto& info = m_slider->TrackBarViewInfo();
    EXPECT_TRUE(RectIs(info.Bounds, 0, 0, 156, 31));
    EXPECT_TRUE(RectIs(info.ClientRect, 2, 2, 154, 29));
    EXPECT_EQ(info.BorderWidth, 0);  // border style none, no hot-tracking
    EXPECT_EQ(info.BorderStyle, cbsNone);
    const auto& layout = m_props->LayoutResults();
    EXPECT_DOUBLE_EQ(layout.Scale, 12.8);
    EXPECT_EQ(layout.ThumbLength, 10);
    EXPECT_TRUE(RectIs(layout.TrackRect, 7, 6, 145, 16));
    const int lefts[] = {7, 19, 32, 45, 58, 71, 83, 96, 109, 122, 135};
    for (int position = 0; position <= 10; ++position) {
        m_slider->SetPosition(position);
        EXPECT_EQ(ThumbLeft(), lefts[position]) << "position " << position;
    }
    // The window shows only the content area; the ring belongs to the parent.
    TOwnedRegion rgn(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(GetWindowRgn(m_slider->Handle(), rgn.Get()), ERROR);
    RECT box;
    GetRgnBox(rgn.Get(), &box);
    EXPECT_TRUE(RectIs(box, 2, 2, 154, 29));
}

} // namespace tandrel::test
