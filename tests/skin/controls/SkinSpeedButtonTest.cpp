// Skinned speed buttons under the mouse: the hot frame of the skin's strip,
// painted once per hover.

#include "framework/controls/SpeedButton.h"
#include "framework/graphics/GdiObjects.h"
#include "framework/graphics/ScreenCapture.h"
#include "skin/geometry/SkinControlGeometry.h"
#include "tests/skin/forms/SkinFormFixture.h"
#include "tests/support/TestSupport.h"

namespace tandrel::test {

namespace {

class SkinSpeedButtonTest : public TSkinFormTest {
protected:
    struct TFlatAndRaised {
        TBenchForm* Form;
        TSpeedButton* Flat;
        TSpeedButton* Raised;
    };
    // A skinned form with a flat and a raised speed button, the mouse away;
    // no form when the skin did not start.
    TFlatAndRaised ShowFlatAndRaised()
    {
        TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable);
        TSpeedButton* flat = AddSpeedButton(*form, 10, true);
        TSpeedButton* raised = AddSpeedButton(*form, 110, false);
        MouseAway();
        return {ShowSkinned(*form) ? form : nullptr, flat, raised};
    }
    TSpeedButton* AddSpeedButton(TCustomForm& form, int left, bool flat)
    {
        auto* button = new TSpeedButton(&form);
        button->SetParent(&form);
        button->SetBounds(left, 10, 80, 25);
        button->SetCaption(flat ? L"Flat" : L"Raised");
        button->SetFlat(flat);
        return button;
    }
    // The button's top-left corner in the form's window coordinates.
    static POINT CornerOf(TCustomForm& form, TControl& button)
    {
        POINT at {button.Left(), button.Top()};
        ClientToScreen(form.Handle(), &at);
        RECT window;
        GetWindowRect(form.Handle(), &window);
        return {at.x - window.left, at.y - window.top};
    }
    bool Shows(TCustomForm& form, TControl& button, int frame)
    {
        auto shot = CaptureWindow(form.Handle());
        return ShowsFrameCorner(*shot, CornerOf(form, button), Skin().Buttons->Bitmap, 5, frame);
    }
    // Wine puts what was drawn on the screen when the thread waits; this
    // wait dispatches nothing, so a queued repaint stays queued.
    static void ShowDrawn() { MsgWaitForMultipleObjects(0, nullptr, FALSE, 0, QS_ALLINPUT); }
    // Whether the parent has the button's area still to paint.
    static bool RepaintQueued(TCustomForm& form, TControl& button)
    {
        RECT const bounds = button.BoundsRect();
        TOwnedRegion const pending(CreateRectRgn(0, 0, 0, 0));
        return GetUpdateRgn(form.Handle(), pending.Get(), FALSE) > NULLREGION &&
               RectInRegion(pending.Get(), &bounds);
    }
};

} // namespace

TEST_F(SkinSpeedButtonTest, HoveringShowsTheHotFrameAndLeavingTheNormalOne)
{
    auto [form, flat, raised] = ShowFlatAndRaised();
    ASSERT_NE(form, nullptr);
    for (TSpeedButton* button : {flat, raised}) {
        EXPECT_TRUE(PumpUntil([&] { return Shows(*form, *button, bfNormal); })) << button->Caption();
        POINT middle {button->Left() + 40, button->Top() + 12};
        ClientToScreen(form->Handle(), &middle);
        SendMouseInput(0, middle);
        EXPECT_TRUE(PumpUntil([&] { return Shows(*form, *button, bfHot); })) << button->Caption();
        if (button == flat)
            SaveScreenshot(*CaptureWindow(form->Handle()), "speed-button-hot");
        MouseAway();
        EXPECT_TRUE(PumpUntil([&] { return Shows(*form, *button, bfNormal); })) << button->Caption();
    }
}

// A flat button asks its parent to repaint it when the mouse comes and
// goes; the skinner then leaves the painting to that repaint. A raised one
// asks for nothing, and the skinner paints it at once.
TEST_F(SkinSpeedButtonTest, EachHoverPaintsTheButtonOnce)
{
    auto [form, flat, raised] = ShowFlatAndRaised();
    ASSERT_NE(form, nullptr);
    for (TSpeedButton* button : {flat, raised}) {
        ASSERT_TRUE(PumpUntil([&] { return Shows(*form, *button, bfNormal) && !RepaintQueued(*form, *button); }));
        // What the framework sends when the mouse comes over the button.
        button->Perform(CM_MOUSEENTER, 0, 0);
        ShowDrawn();
        bool const queued = RepaintQueued(*form, *button);
        bool const paintedNow = Shows(*form, *button, bfHot);
        EXPECT_EQ(queued, button == flat) << button->Caption();
        EXPECT_NE(queued, paintedNow) << button->Caption() << ": painted now and again later";
        EXPECT_TRUE(PumpUntil([&] { return Shows(*form, *button, bfHot); })) << button->Caption();
        button->Perform(CM_MOUSELEAVE, 0, 0);
        ShowDrawn();
        EXPECT_NE(RepaintQueued(*form, *button), Shows(*form, *button, bfNormal)) << button->Caption();
        EXPECT_TRUE(PumpUntil([&] { return Shows(*form, *button, bfNormal); })) << button->Caption();
    }
}

} // namespace tandrel::test
