// The slider at other densities: its layout grows with the window's density
// in every dimension, and the mouse finds the thumb where it is drawn.

#include "tests/editors/EditorsFixture.h"
#include "tests/support/DpiFigures.h"

namespace tandrel::test {

namespace {

constexpr COLORREF kFace = RGB(212, 208, 200);
constexpr COLORREF kBlack = RGB(0, 0, 0);

class TrackBarDpiTest : public TSliderTest {
protected:
    // The main panel's slider, made at a density, showing position 5.
    TcxTrackBarGeometry SliderAt(int dpi, const std::function<void(TcxCustomTrackBarProperties&)>& set = {})
    {
        TPinnedDpi pinned(dpi);
        NewSlider(ScaleDpi(47, dpi), ScaleDpi(13, dpi), ScaleDpi(156, dpi), ScaleDpi(31, dpi));
        if (set)
            set(*m_props);
        m_slider->SetPosition(5);
        m_slider->RefreshContainer(false);
        return m_slider->TrackBarViewInfo().Geometry;
    }
    // The slider's picture on a fuchsia bitmap, read in bitmap coordinates.
    COLORREF At(TBitmap& picture, int x, int y)
    {
        const RECT& c = m_slider->TrackBarViewInfo().Geometry.ContentRect;
        return PixelOf(picture, x + c.left, y + c.top);
    }
    std::unique_ptr<TBitmap> Paint()
    {
        auto picture = std::make_unique<TBitmap>(m_slider->Width(), m_slider->Height(), TPixelFormat::pf32bit);
        TcxCanvas canvas(picture->Canvas());
        canvas.FillRect({0, 0, m_slider->Width(), m_slider->Height()}, clFuchsia);
        m_slider->TrackBarViewInfo().PaintSlider(canvas);
        return picture;
    }
    // A press at a bitmap point; answers whether it took the thumb.
    bool PressTakesThumb(POINT p)
    {
        const RECT& c = m_slider->TrackBarViewInfo().Geometry.ContentRect;
        SendMouse(WM_LBUTTONDOWN, p.x + c.left, p.y + c.top, MK_LBUTTON);
        const bool pressed = m_slider->TrackBarViewInfo().IsThumbPressed;
        SendMouse(WM_LBUTTONUP, p.x + c.left, p.y + c.top);
        return pressed;
    }
};

} // namespace

TEST_F(TrackBarDpiTest, EveryPartGrowsWithTheDensity)
{
    const TcxTrackBarGeometry at96 = SliderAt(96);
    EXPECT_EQ(at96.ThumbLength, 10);  // the stored layout, untouched at 96
    EXPECT_EQ(at96.ThumbBreadth, 19);
    for (int dpi : {120, 144, 192}) {
        const TcxTrackBarGeometry g = SliderAt(dpi);
        ExpectScaledRect(g.ContentRect, at96.ContentRect, dpi, "content");
        ExpectScaledRect(g.ThumbBand, at96.ThumbBand, dpi, "thumb band");
        ExpectScaledRect(g.TrackRect, at96.TrackRect, dpi, "track");
        // Centring the thumb on the track rounds twice.
        ExpectScaledRect(g.ThumbRect, at96.ThumbRect, dpi, "thumb", TScaledPart::Everything, 2);
        ExpectScaled(g.ThumbBreadth, at96.ThumbBreadth, dpi, "thumb breadth");
        ExpectScaled(g.EndMargin, at96.EndMargin, dpi, "end margin");
    }
}

TEST_F(TrackBarDpiTest, SettingsInPixelsAreDesignPixels)
{
    const TcxTrackBarGeometry g = SliderAt(192, [](TcxCustomTrackBarProperties& p) {
        p.SetAutoSize(false);
        p.SetTrackSize(6);
        p.SetThumbWidth(8);
        p.SetThumbHeight(15);
        p.SetSelectionStart(2);
        p.SetSelectionEnd(6);
    });
    EXPECT_EQ(RectHeight(g.TrackRect), 12);
    EXPECT_EQ(g.ThumbLength, 16);
    EXPECT_EQ(g.ThumbBreadth, 28);
    EXPECT_EQ(g.SelectionRect.top, g.TrackRect.top + 4);
    EXPECT_EQ(g.SelectionRect.bottom, g.TrackRect.bottom - 2);
}

TEST_F(TrackBarDpiTest, TicksAndThumbAreDrawnWhereTheMouseFindsThem)
{
    TClassicColours classic;
    SliderAt(144);
    TPinnedDpi pinned(144);
    auto picture = Paint();
    const RECT t = m_props->LayoutResults().ThumbRect;
    const auto& g = m_slider->TrackBarViewInfo().Geometry;
    const int middle = (t.top + t.bottom) / 2;
    // Above the track the thumb's outline lies on its edges, the face beside them.
    const int above = g.TrackRect.top - 1;
    ASSERT_LT(t.top, above);
    EXPECT_EQ(At(*picture, t.left, above), kBlack);
    EXPECT_EQ(At(*picture, t.right, above), kBlack);
    EXPECT_EQ(At(*picture, t.left - 1, above), kFace);
    EXPECT_EQ(At(*picture, t.right + 1, above), kFace);
    EXPECT_EQ(At(*picture, (t.left + t.right) / 2, t.top - 1), kFace);
    // A tick is two pixels wide at 144 and 1.5 times as long (3 -> 5, 4 -> 6).
    const int first = g.TrackRect.left + g.ThumbLength / 2;
    const int y = t.bottom + 3;
    int run = 0;
    while (At(*picture, first, y + run) == kBlack)
        ++run;
    EXPECT_EQ(run, 6);
    EXPECT_EQ(At(*picture, first + 1, y), kBlack);
    EXPECT_EQ(At(*picture, first + 2, y), kFace);
    EXPECT_EQ(At(*picture, first, y - 1), kFace);

    // The mouse takes the thumb on its drawn edges and steps beside them.
    EXPECT_TRUE(PressTakesThumb({t.left, middle}));
    EXPECT_TRUE(PressTakesThumb({t.right - 1, middle}));
    EXPECT_FALSE(PressTakesThumb({t.right + 2, middle}));
    EXPECT_EQ(m_slider->Position(), 6);
    EXPECT_FALSE(PressTakesThumb({g.TrackRect.left + 1, middle}));
    EXPECT_EQ(m_slider->Position(), 5);
}

} // namespace tandrel::test
