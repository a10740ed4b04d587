// Control skinners on real windows: what a button skinner lets through to
// its control, the frames the skins' strips give each state, and that
// skinning and unskinning leave nothing behind.

#include "framework/controls/BitBtn.h"
#include "framework/controls/Button.h"
#include "framework/controls/Edit.h"
#include "framework/controls/SpeedButton.h"
#include "framework/core/ScopeGuard.h"
#include "framework/graphics/GdiObjects.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinControlList.h"
#include "skin/controls/SkinScrollBar.h"
#include "skin/geometry/SkinControlGeometry.h"
#include "tests/support/DialogTemplate.h"
#include "tools/skinview/pages/ControlsPage.h"
#include "tests/skin/forms/SkinFormFixture.h"
#include "tests/support/TestSupport.h"

#include <string>
#include <vector>

namespace tandrel::test {

class SkinButtonTest : public TSkinFormTest {};

// What reaches a push button under its skinner: the left button never
// does; the click comes from the release over the pressed button.
TEST_F(SkinButtonTest, PushButtonSkinnerTakesOverTheLeftButton)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable);
    auto* button = Add<TButton>(*form, 10, 10, 136, 25);
    int clicks = 0;
    button->OnClick = [&](TObject*) { ++clicks; };
    TWinSkinForm* skin = ShowSkinned(*form);
    TSkinControl* skinner = skin->FindSkinner(button->Handle());
    ASSERT_NE(skinner, nullptr);
    HWND const h = button->Handle();

    EXPECT_EQ(SendMessageW(h, WM_ERASEBKGND, reinterpret_cast<WPARAM>(GetDC(nullptr)), 0), 1);
    SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_TRUE(skinner->Pressed());
    EXPECT_EQ(GetFocus(), h);
    EXPECT_NE(GetCapture(), h); // the control never saw the press
    EXPECT_EQ(SendMessageW(h, BM_GETSTATE, 0, 0) & BST_PUSHED, 0);
    SendMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_FALSE(skinner->Pressed());
    EXPECT_EQ(clicks, 1);
    // A release without a press clicks nothing.
    SendMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(clicks, 1);

    // The space key shows the press; the control's own handler clicks.
    SendMessageW(h, WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_TRUE(skinner->Pressed());
    SendMessageW(h, WM_KEYUP, VK_SPACE, 0);
    EXPECT_FALSE(skinner->Pressed());
    PumpUntil([&] { return clicks == 2; });
    EXPECT_EQ(clicks, 2);

    // Mouse enter and leave light it up and put it out; a pressed button
    // that loses the mouse is no longer pressed.
    SendMessageW(h, CM_MOUSEENTER, 0, 0);
    EXPECT_TRUE(skinner->Hot());
    EXPECT_EQ(skin->Skinners().Hot(), skinner);
    SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    SendMessageW(h, CM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(skinner->Hot());
    EXPECT_FALSE(skinner->Pressed());
    EXPECT_EQ(skin->Skinners().Hot(), nullptr);
    EXPECT_EQ(clicks, 2);
}

// The corners of a skinned button are the corners of the frame its state
// chooses: normal 1, focused 4, disabled 3 even when focused.
TEST_F(SkinButtonTest, ButtonFramesFollowTheState)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable);
    auto* button = Add<TButton>(*form, 10, 10, 136, 25);
    auto* other = Add<TButton>(*form, 10, 50, 136, 25);
    button->SetCaption(L"Skinned");
    ShowSkinned(*form);
    MouseAway();
    TBitmap& strip = Skin().Buttons->Bitmap;
    auto const shows = [&](int frame) {
        return PumpUntil([&] {
            RedrawWindow(button->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
            auto shot = CaptureWindow(button->Handle());
            return ShowsFrameCorner(*shot, {0, 0}, strip, 5, frame);
        });
    };
    other->SetFocus();
    EXPECT_TRUE(shows(bfNormal));
    button->SetFocus();
    EXPECT_TRUE(shows(bfHot));
    auto shot = CaptureWindow(button->Handle());
    SaveScreenshot(*shot, "button-focused");
    button->SetEnabled(false);
    EXPECT_TRUE(shows(bfDisabled));
}

// A repaint showing the same copies the captioned face kept from the last
// one; a new caption or font composes it again, and what is kept looks
// exactly like a fresh paint.
TEST_F(SkinButtonTest, APushButtonRepaintFromItsKeptFaceLooksLikeAFreshPaint)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable);
    auto* button = Add<TButton>(*form, 10, 10, 136, 25);
    auto* other = Add<TButton>(*form, 10, 50, 136, 25);
    button->SetCaption(L"Skinned");
    TWinSkinForm* skin = ShowSkinned(*form);
    MouseAway();
    other->SetFocus();
    TSkinControl* skinner = skin->FindSkinner(button->Handle());
    ASSERT_NE(skinner, nullptr);
    auto const painted = [&] {
        RedrawWindow(button->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        PumpIdle();
        return CaptureWindow(button->Handle());
    };
    auto const same = [](TBitmap& a, TBitmap& b) {
        for (int y = 0; y < a.Height(); ++y)
            for (int x = 0; x < a.Width(); ++x)
                if (PixelOf(a, x, y) != PixelOf(b, x, y))
                    return false;
        return true;
    };
    auto const first = painted();
    EXPECT_TRUE(same(*painted(), *first));
    button->SetCaption(L"Other");
    EXPECT_FALSE(same(*painted(), *first));
    button->SetCaption(L"Skinned");
    EXPECT_TRUE(same(*painted(), *first));
    button->Font().SetSize(button->Font().Size() + 4);
    EXPECT_FALSE(same(*painted(), *first));
    button->Font().SetSize(button->Font().Size() - 4);
    auto const kept = painted();
    skinner->Refresh();
    EXPECT_TRUE(same(*painted(), *kept));
}

// Detaching gives the control its own handling back, once; a windowless
// control that goes takes its skinner with it; a control freed under its
// skinner leaves nothing pointing at it.
TEST_F(SkinButtonTest, SkinnersLetGoOfTheirControlsSafely)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable);
    auto* button = Add<TButton>(*form, 10, 10);
    auto* speed = Add<TSpeedButton>(*form, 110, 10);
    auto* doomed = Add<TButton>(*form, 10, 50);
    int clicks = 0;
    button->OnClick = [&](TObject*) { ++clicks; };
    TWinSkinForm* skin = ShowSkinned(*form);
    TSkinControl* skinner = skin->FindSkinner(button->Handle());
    ASSERT_NE(skinner, nullptr);

    skinner->Detach();
    skinner->Detach();
    // The control's own handler again: the press reaches it and it clicks.
    SendMessageW(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_FALSE(skinner->Pressed());
    SendMessageW(button->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(PumpUntil([&] { return clicks == 1; }));

    std::size_t const count = skin->Skinners().Items().size();
    delete speed;
    EXPECT_EQ(skin->Skinners().Items().size(), count - 1);
    TSkinControl* left = skin->FindSkinner(doomed->Handle());
    ASSERT_NE(left, nullptr);
    delete doomed;
    PumpIdle();
    EXPECT_EQ(left->Control(), nullptr);
    EXPECT_EQ(left->Handle(), nullptr);
    EXPECT_TRUE(skin->Skinners().Contains(*left));
    RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpIdle();
}

// A skin without a button strip: the push button keeps its own painting
// and its own mouse handling.
TEST_F(SkinButtonTest, WithoutAButtonStripTheButtonIsItsOwn)
{
    TBitmap saved;
    saved.Assign(Skin().Buttons->Bitmap);
    Skin().Buttons->Bitmap.SetSize(0, 0);
    auto const restore = OnScopeExit([&] { Skin().Buttons->Bitmap.Assign(saved); });
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable);
    auto* button = Add<TButton>(*form, 10, 10, 136, 25);
    button->SetCaption(L"Its own look");
    TWinSkinForm* skin = ShowSkinned(*form);
    ASSERT_EQ(SkinnerOf(*skin, button->Handle()), "TSkinButton");
    HWND const h = button->Handle();
    SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(GetCapture(), h); // the control saw the press
    SendMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    // The system painted it: no frame of the skin's strip shows.
    RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    auto shot = CaptureWindow(h);
    for (int frame = 1; frame <= 5; ++frame)
        EXPECT_FALSE(ShowsFrameCorner(*shot, {0, 0}, saved, 5, frame)) << frame;
}

} // namespace tandrel::test
