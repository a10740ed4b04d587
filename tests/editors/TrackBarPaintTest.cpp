// Painting the slider: the classic picture pixel by pixel, the thumb's
// states, ticks and numbers, the three kinds and the themed path.

#include "tests/editors/EditorsFixture.h"

namespace tandrel::test {

namespace {

constexpr COLORREF kFace = RGB(212, 208, 200);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kShadow = RGB(128, 128, 128);
constexpr COLORREF kUntouched = RGB(255, 0, 255);

class TrackBarPaintTest : public TSliderTest {
protected:
    // The slider's picture, painted by its view info onto a fuchsia bitmap
    // of the control's size; read in bitmap coordinates (control − 2).
    void Paint()
    {
        m_picture = std::make_unique<TBitmap>(m_slider->Width(), m_slider->Height(), TPixelFormat::pf32bit);
        TcxCanvas canvas(m_picture->Canvas());
        canvas.FillRect({0, 0, m_slider->Width(), m_slider->Height()}, clFuchsia);
        m_slider->TrackBarViewInfo().PaintSlider(canvas);
    }
    COLORREF At(int x, int y)
    {
        const RECT& c = m_slider->TrackBarViewInfo().Geometry.ContentRect;
        return PixelOf(*m_picture, x + c.left, y + c.top);
    }
    // How many pixels of a colour a rectangle (bitmap coordinates) holds.
    int CountOf(COLORREF colour, const RECT& r)
    {
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                n += At(x, y) == colour;
        return n;
    }
    // How many dark pixels (text is smoothed, so not all black) a rectangle holds.
    int CountDark(const RECT& r)
    {
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) {
                const COLORREF c = At(x, y);
                n += GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 128;
            }
        return n;
    }
    // The length of the tick run of colour starting at (x, y) going down.
    int RunDown(int x, int y, COLORREF colour)
    {
        const int height = RectHeight(m_slider->TrackBarViewInfo().Geometry.BitmapRect);
        int n = 0;
        while (y + n < height && At(x, y + n) == colour)
            ++n;
        return n;
    }
    RECT Thumb() const { return m_props->LayoutResults().ThumbRect; }

    std::unique_ptr<TBitmap> m_picture;
};

} // namespace

TEST_F(TrackBarPaintTest, MainPanelPictureAtPositionZero)
{
    TClassicColours classic;
    Paint();
    // The ring round the content is never painted.
    EXPECT_EQ(PixelOf(*m_picture, 0, 0), kUntouched);
    EXPECT_EQ(PixelOf(*m_picture, 155, 30), kUntouched);
    EXPECT_EQ(PixelOf(*m_picture, 1, 15), kUntouched);
    // The bitmap is the panel's colour.
    EXPECT_EQ(At(0, 0), kFace);
    EXPECT_EQ(At(151, 26), kFace);
    EXPECT_EQ(At(80, 3), kFace);
    // A white track in a black frame: columns 7 and 144, rows 6 and 16.
    for (int y = 6; y <= 16; ++y) {
        EXPECT_EQ(At(144, y), kBlack) << y;
        EXPECT_EQ(At(145, y), kFace) << y;
    }
    for (int x = 18; x <= 144; ++x) {
        EXPECT_EQ(At(x, 6), kBlack) << x;
        EXPECT_EQ(At(x, 16), kBlack) << x;
        EXPECT_EQ(At(x, 5), kFace) << x;
        EXPECT_EQ(At(x, 17), kFace) << x;
    }
    EXPECT_EQ(At(18, 7), kWhite);
    EXPECT_EQ(At(143, 15), kWhite);
    EXPECT_EQ(CountOf(kWhite, {18, 7, 144, 16}), 126 * 9);
    // The thumb (7, 2, 17, 21): a face-coloured pentagon with a black
    // outline pointing down to (12, 21).
    for (int x = 7; x <= 17; ++x)
        EXPECT_EQ(At(x, 2), kBlack) << x;
    for (int y = 2; y <= 16; ++y) {
        EXPECT_EQ(At(7, y), kBlack) << y;
        EXPECT_EQ(At(17, y), kBlack) << y;
    }
    for (int i = 0; i <= 5; ++i) {
        EXPECT_EQ(At(7 + i, 16 + i), kBlack) << i;
        EXPECT_EQ(At(17 - i, 16 + i), kBlack) << i;
    }
    EXPECT_EQ(At(12, 22), kFace);
    EXPECT_EQ(At(6, 10), kFace);
    EXPECT_EQ(At(18, 3), kFace);
    EXPECT_EQ(CountOf(kWhite, {8, 3, 17, 21}), 0);  // the track does not show through
    EXPECT_EQ(At(12, 10), kFace);
    EXPECT_EQ(At(12, 19), kFace);
    // Ticks of 3 pixels, 4 at 0 and 10, from y = 23.
    const int ticks[] = {12, 24, 37, 50, 63, 76, 88, 101, 114, 127, 140};
    for (int i = 0; i <= 10; ++i) {
        EXPECT_EQ(RunDown(ticks[i], 23, kBlack), i == 0 || i == 10 ? 4 : 3) << ticks[i];
        EXPECT_EQ(At(ticks[i], 22), kFace) << ticks[i];
        EXPECT_EQ(At(ticks[i] + 1, 24), kFace) << ticks[i];
    }
    EXPECT_EQ(CountOf(kBlack, {0, 22, 152, 27}), 9 * 3 + 2 * 4);

    // The window shows the same pixels.
    m_slider->Invalidate();
    Settle();
    auto shot = CaptureWindow(m_slider->Handle());
    int differences = 0;
    for (int y = 2; y < 29; ++y)
        for (int x = 2; x < 154; ++x)
            differences += PixelOf(*shot, x, y) != PixelOf(*m_picture, x, y);
    EXPECT_EQ(differences, 0);
}

TEST_F(TrackBarPaintTest, HotPressedAndDisabledThumbs)
{
    TClassicColours classic;
    auto& info = m_slider->TrackBarViewInfo();
    info.IsThumbHot = true;
    m_slider->RefreshContainer(false);
    EXPECT_EQ(info.ThumbState, tstHot);
    Paint();
    EXPECT_EQ(At(12, 10), RGB(183, 191, 212));
    EXPECT_EQ(At(7, 10), kBlack);

    info.IsThumbPressed = true;
    m_slider->RefreshContainer(false);
    EXPECT_EQ(info.ThumbState, tstPressed);
    Paint();
    EXPECT_EQ(At(12, 10), RGB(136, 147, 177));

    // Other kinds use the highlight colour for both.
    m_slider->Style().LookAndFeel().SetKind(lfStandard);
    Paint();
    EXPECT_EQ(At(12, 10), RGB(192, 192, 192));

    m_slider->SetEnabled(false);
    EXPECT_EQ(info.ThumbState, tstDisabled);
    Paint();
    EXPECT_EQ(At(12, 10), kShadow);
    EXPECT_EQ(At(12, 23), kShadow);  // ticks too
    EXPECT_EQ(At(80, 3), kFace);
    m_slider->SetEnabled(true);
}

TEST_F(TrackBarPaintTest, ClassicKindsFrameTheTrackDifferently)
{
    TClassicColours classic;
    m_slider->Style().LookAndFeel().SetKind(lfFlat);
    Paint();
    EXPECT_EQ(At(80, 6), kShadow);
    EXPECT_EQ(At(80, 16), kWhite);
    EXPECT_EQ(At(144, 10), kWhite);
    EXPECT_EQ(At(80, 7), kFace);
    EXPECT_EQ(At(80, 15), kFace);
    EXPECT_EQ(At(80, 10), kWhite);
    EXPECT_EQ(At(7, 10), kWhite);     // the flat thumb's light edge
    EXPECT_EQ(At(17, 10), kShadow);

    m_slider->Style().LookAndFeel().SetKind(lfStandard);
    Paint();
    EXPECT_EQ(At(80, 6), kShadow);
    EXPECT_EQ(At(80, 7), RGB(64, 64, 64));
    EXPECT_EQ(At(80, 15), kFace);  // 3D light is the face colour in the classic scheme
    EXPECT_EQ(At(17, 10), RGB(64, 64, 64));
}

TEST_F(TrackBarPaintTest, RectangularThumbForTicksOnBothSides)
{
    TClassicColours classic;
    m_props->SetTickMarks(cxtmBoth);
    Paint();
    const RECT t = Thumb();
    EXPECT_EQ(At(t.left, t.top), kBlack);
    EXPECT_EQ(At(t.right, t.bottom), kBlack);
    EXPECT_EQ(At(t.left + 1, t.top + 1), kFace);
    EXPECT_EQ(At(t.right - 1, t.bottom - 1), kFace);
    EXPECT_EQ(At(t.right + 1, t.top + 1), kFace);
    // Ticks above and below, clear of the thumb.
    const int x = 24;
    EXPECT_EQ(RunDown(x, t.bottom + 2, kBlack), 3);
    EXPECT_EQ(RunDown(x, t.top - 4, kBlack), 3);
}

TEST_F(TrackBarPaintTest, TicksFollowFrequencyAndTheirEnds)
{
    TClassicColours classic;
    m_props->SetMax(20);
    m_props->SetMin(3);
    m_props->SetFrequency(5);
    Paint();
    const auto& layout = m_props->LayoutResults();
    auto column = [&](int n) { return TickOffset(n, 3, layout.Scale) + layout.TrackRect.left + layout.ThumbLength / 2; };
    const int top = layout.ThumbRect.bottom + 2;
    for (int n : {3, 5, 10, 15, 20})
        EXPECT_GE(RunDown(column(n), top, kBlack), 3) << n;
    for (int n : {4, 6, 19})
        EXPECT_EQ(RunDown(column(n), top, kBlack), 0) << n;

    m_props->SetFrequency(0);
    Paint();
    EXPECT_EQ(RunDown(column(3), top, kBlack), 4);
    EXPECT_EQ(RunDown(column(20), top, kBlack), 4);
    EXPECT_EQ(RunDown(column(10), top, kBlack), 0);

    m_props->SetShowTicks(false);
    Paint();
    EXPECT_EQ(CountOf(kBlack, {0, top, 152, 27}), 0);
}

TEST_F(TrackBarPaintTest, ValueNumbersAtTheEndsAndThePosition)
{
    TClassicColours classic;
    NewSlider(20, 40, 280, 40);
    m_props->SetMax(1000);
    m_props->SetFrequency(100);
    m_props->SetTickType(tbttValueNumber);
    m_slider->SetPosition(300);
    Paint();
    const auto& layout = m_props->LayoutResults();
    auto column = [&](int n) { return TickOffset(n, 0, layout.Scale) + layout.TrackRect.left + layout.ThumbLength / 2; };
    const int top = layout.ThumbRect.bottom + 2;
    for (int n : {100, 200, 400, 900})
        EXPECT_EQ(RunDown(column(n), top, kBlack), 3) << n;
    // Text where the numbers are: dark pixels spread over a text-sized box.
    for (int n : {0, 300, 1000}) {
        const int x = column(n);
        EXPECT_GE(CountDark({x - 12, top - 1, x + 12, top + 12}), 8) << n;
        EXPECT_NE(RunDown(x, top, kBlack), 3) << n;
    }
}

TEST_F(TrackBarPaintTest, SelectionBandNeedsTheTrack)
{
    TClassicColours classic;
    m_props->SetSelectionStart(2);
    m_props->SetSelectionEnd(6);
    Paint();
    const RECT band = m_slider->TrackBarViewInfo().Geometry.SelectionRect;
    EXPECT_EQ(At(band.left, band.top), RGB(10, 36, 106));
    EXPECT_EQ(At(band.right - 1, band.bottom - 1), RGB(10, 36, 106));
    EXPECT_EQ(At(band.left, band.top - 1), kWhite);
    EXPECT_EQ(At(band.left - 1, band.top), kWhite);
    m_props->SetShowTrack(false);
    Paint();
    EXPECT_EQ(CountOf(RGB(10, 36, 106), band), 0);
    EXPECT_EQ(CountOf(kWhite, {0, 0, 152, 27}), 0);
}

TEST_F(TrackBarPaintTest, CustomThumbIsDrawnByTheEventOnly)
{
    TClassicColours classic;
    m_props->SetThumbType(cxttCustom);
    m_slider->SetPosition(5);
    Paint();
    const RECT t = Thumb();
    EXPECT_EQ(t.left, 71);  // room is still kept for a thumb
    EXPECT_EQ(CountOf(kFace, {t.left + 1, 7, t.right, 16}), 0);  // the track shows through
    int draws = 0;
    m_props->OnDrawThumb = [&](TObject* sender, TcxCanvas* canvas, const RECT& r) {
        EXPECT_EQ(sender, m_props);
        ++draws;
        canvas->FillRect(r, clRed);
    };
    Paint();
    EXPECT_EQ(draws, 1);
    EXPECT_EQ(At(t.left + 2, t.top + 2), RGB(255, 0, 0));
}

TEST_F(TrackBarPaintTest, ThemedPathDrawsThemeParts)
{
    TdxThemeApiOverride themes(TFakeThemes::Api());
    m_slider->Style().LookAndFeel().SetNativeStyle(true);
    auto& info = m_slider->TrackBarViewInfo();
    EXPECT_TRUE(info.NativeEditStyle);
    EXPECT_EQ(Thumb().left, 8);  // one pixel along
    TOwnedRegion rgn(CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(GetWindowRgn(m_slider->Handle(), rgn.Get()), ERROR);  // no region with native style

    TFakeThemes::Draws.clear();
    Paint();
    ASSERT_EQ(TFakeThemes::Draws.size(), 3u);
    EXPECT_EQ(TFakeThemes::Draws[0].Class, L"Edit");
    EXPECT_EQ(TFakeThemes::Draws[0].Part, 1);
    EXPECT_EQ(TFakeThemes::Draws[1].Class, L"TrackBar");
    EXPECT_EQ(TFakeThemes::Draws[1].Part, 1);
    EXPECT_EQ(TFakeThemes::Draws[1].State, 1);
    EXPECT_TRUE(SameRect(TFakeThemes::Draws[1].Rect, m_props->LayoutResults().TrackRect));
    EXPECT_EQ(TFakeThemes::Draws[2].Part, 4);
    EXPECT_TRUE(SameRect(TFakeThemes::Draws[2].Rect, Thumb()));

    info.IsThumbHot = true;
    m_props->SetTickMarks(cxtmBoth);
    TFakeThemes::Draws.clear();
    Paint();
    ASSERT_EQ(TFakeThemes::Draws.size(), 3u);
    EXPECT_EQ(TFakeThemes::Draws[2].Part, 3);
    EXPECT_EQ(TFakeThemes::Draws[2].State, 2);

    m_props->SetOrientation(tboVertical);
    m_props->SetTickMarks(cxtmTopLeft);
    TFakeThemes::Draws.clear();
    Paint();
    ASSERT_EQ(TFakeThemes::Draws.size(), 3u);
    EXPECT_EQ(TFakeThemes::Draws[1].Part, 2);
    EXPECT_EQ(TFakeThemes::Draws[2].Part, 7);

    // Without the trackbar class the slider draws classic.
    m_slider->Style().LookAndFeel().SetNativeStyle(false);
    TFakeThemes::Draws.clear();
    Paint();
    EXPECT_TRUE(TFakeThemes::Draws.empty());
}

TEST_F(TrackBarPaintTest, StyleAndColourChangesRepaint)
{
    TPaintCounter paints(*m_slider);
    SendMessageW(SystemPaletteChangedListenerWindow(), WM_SYSCOLORCHANGE, 0, 0);
    Settle();
    EXPECT_GE(paints.Count(), 1);
    HWND receiver = ThemeChangedReceiverWindow();
    if (!receiver)
        GTEST_SKIP() << "no visual-styles library on this system";
    const int before = paints.Count();
    SendMessageW(receiver, WM_THEMECHANGED, 0, 0);
    Settle();
    EXPECT_GT(paints.Count(), before);
}

TEST_F(TrackBarPaintTest, PaintingLeaksNoGdiObjects)
{
    m_props->SetTickType(tbttNumbers);
    m_props->SetTextOrientation(tbtoVertical);
    Paint();
    const int before = LiveGdiObjects();
    for (int i = 0; i < 30; ++i) {
        m_slider->SetPosition(i % 11);
        m_slider->TrackBarViewInfo().IsThumbHot = i % 2;
        m_slider->RefreshContainer(i % 3 == 0);
        Paint();
        m_picture.reset();
        m_slider->Update();
    }
    m_picture.reset();
    Paint();
    EXPECT_EQ(LiveGdiObjects(), before);
}

TEST_F(TrackBarPaintTest, VerticalSliderWithNumbersScreenshot)
{
    TClassicColours classic;
    NewSlider(200, 10, 90, 190);
    m_props->SetOrientation(tboVertical);
    m_props->SetTickMarks(cxtmBoth);
    m_props->SetTickType(tbttNumbers);
    m_props->SetMax(8);
    m_props->SetFrequency(2);
    m_props->SetSelectionStart(2);
    m_props->SetSelectionEnd(5);
    m_slider->SetPosition(3);
    Settle();
    auto shot = CaptureWindow(m_slider->Handle());
    SaveScreenshot(*shot, "slider-vertical-numbers");
    Paint();
    const RECT t = Thumb();
    EXPECT_GT(t.bottom - t.top, 0);
    // Numbers on both sides of the thumb.
    EXPECT_GT(CountDark({t.right + 2, 0, 86, 186}), 20);
    EXPECT_GT(CountDark({0, 0, t.left - 1, 186}), 20);
}

} // namespace tandrel::test
