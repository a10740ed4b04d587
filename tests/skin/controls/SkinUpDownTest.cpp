// The spin-button skinner on real up-down windows: the frame each button
// shows for its state, both layouts, the plain look without a skin element,
// and the spin button inside an edit, inset and owned apart from the list.

#include "framework/controls/Edit.h"
#include "framework/controls/UpDown.h"
#include "skin/controls/SkinControlList.h"
#include "skin/controls/SkinEdit.h"
#include "skin/controls/SkinUpDown.h"
#include "tests/skin/controls/SkinElements.h"
#include "tests/skin/forms/SkinFormFixture.h"
#include "tests/support/TestSupport.h"

#include <commctrl.h>

namespace tandrel::test {

namespace {

HWND MakeUpDown(HWND parent, DWORD style, int x, int y, int w, int h)
{
    return CreateWindowExW(0, UPDOWN_CLASSW, nullptr, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

TSkinUpDown& SkinSpin(TWinSkinForm& skin, HWND window)
{
    auto& spin = skin.Skinners().Add(std::make_unique<TSkinUpDown>(&skin));
    spin.AttachHandle(window, skin.SkinData(), &skin.Skinners().Canvas());
    InvalidateRect(window, nullptr, TRUE);
    return spin;
}

// Waits until the window shows colour at a point of its own.
::testing::AssertionResult Shows(HWND window, POINT p, COLORREF colour)
{
    COLORREF seen = 0;
    std::unique_ptr<TBitmap> shot;
    if (PumpUntil([&] {
            shot = CaptureWindow(window);
            seen = PixelOf(*shot, p.x, p.y);
            return seen == colour;
        }, 3000))
        return ::testing::AssertionSuccess();
    static int failures = 0;
    SaveScreenshot(*shot, "spin-failure-" + std::to_string(++failures));
    return ::testing::AssertionFailure() << shot->Width() << "x" << shot->Height() << " at (" << std::dec << p.x << ", " << p.y << ") "
                                         << std::hex << seen << " instead of " << colour;
}

} // namespace

class SkinUpDownTest : public TSkinFormTest {};

// Vertical: up 1..3, down 5..7 by state, the glyph on the same frame; the
// pressed look goes to the half under the cursor, for a real press.
TEST_F(SkinUpDownTest, SpinButtonsShowTheFrameOfTheirState)
{
    TElementGuard const vert(Skin().UpDownVert, SolidElement<TDataSkinBorder>("UpDown.Vert", 8, 6, 6, {8, 4, 3}));
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable);
    TWinSkinForm* skin = ShowSkinned(*form);
    HWND const up = MakeUpDown(form->Handle(), 0, 10, 10, 20, 40);
    SendMessageW(up, UDM_SETRANGE32, 0, 100);
    SendMessageW(up, UDM_SETPOS32, 0, 50);
    TSkinUpDown& spin = SkinSpin(*skin, up);

    EXPECT_TRUE(Shows(up, {2, 2}, FrameColour(1)));
    EXPECT_TRUE(Shows(up, {2, 37}, FrameColour(5)));
    // Vertical up-downs are as wide as a scroll bar's arrow, whatever asked.
    RECT client {};
    GetClientRect(up, &client);
    int const middle = client.right / 2;
    EXPECT_TRUE(Shows(up, {middle, 9}, FrameColour(1, 1))); // the glyph, centred
    EXPECT_TRUE(Shows(up, {middle, 29}, FrameColour(5, 1)));

    MouseDownAt(ScreenPointOf(up, {10, 30}));
    EXPECT_TRUE(PumpUntil([&] { return spin.Pressed(); }));
    EXPECT_TRUE(Shows(up, {2, 37}, FrameColour(6)));
    EXPECT_TRUE(Shows(up, {2, 2}, FrameColour(1)));
    MouseUpAt(ScreenPointOf(up, {10, 30}));
    EXPECT_TRUE(PumpUntil([&] { return !spin.Pressed(); }));
    EXPECT_TRUE(Shows(up, {2, 37}, FrameColour(5)));
    // The press went through to the control.
    EXPECT_LT(SendMessageW(up, UDM_GETPOS32, 0, 0), 50);

    EnableWindow(up, FALSE);
    EXPECT_TRUE(Shows(up, {2, 2}, FrameColour(3)));
    EXPECT_TRUE(Shows(up, {2, 37}, FrameColour(7)));
    MouseAway();
    DestroyWindow(up);
}

// Horizontal by style or by the field another skinner sets: left 1..3,
// right 5..7 of the horizontal element; frames 4 and 8 are never shown.
TEST_F(SkinUpDownTest, SpinButtonsSideBySide)
{
    TElementGuard const vert(Skin().UpDownVert, SolidElement<TDataSkinBorder>("UpDown.Vert", 8, 6, 6, {8, 4, 3}));
    TElementGuard const horz(Skin().UpDownHorz,
                             SolidElement<TDataSkinBorder>("UpDown.Horz", 8, 6, 6, {8, 3, 4}, 2));
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable);
    TWinSkinForm* skin = ShowSkinned(*form);
    HWND const side = MakeUpDown(form->Handle(), UDS_HORZ, 10, 10, 40, 20);
    SkinSpin(*skin, side);
    EXPECT_TRUE(Shows(side, {2, 2}, FrameColour(1, 2)));
    EXPECT_TRUE(Shows(side, {37, 17}, FrameColour(5, 2)));
    EnableWindow(side, FALSE);
    EXPECT_TRUE(Shows(side, {2, 2}, FrameColour(3, 2)));
    EXPECT_TRUE(Shows(side, {37, 17}, FrameColour(7, 2)));

    HWND const forced = MakeUpDown(form->Handle(), 0, 60, 10, 16, 20);
    TSkinUpDown& spin = SkinSpin(*skin, forced);
    EXPECT_TRUE(Shows(forced, {1, 2}, FrameColour(1)));
    EXPECT_TRUE(Shows(forced, {14, 17}, FrameColour(5)));
    spin.Horizontal = 1;
    InvalidateRect(forced, nullptr, FALSE);
    EXPECT_TRUE(Shows(forced, {1, 17}, FrameColour(1, 2)));
    EXPECT_TRUE(Shows(forced, {14, 2}, FrameColour(5, 2)));
    DestroyWindow(side);
    DestroyWindow(forced);
}

// Without a spin element: framed buttons in the face colour with arrows in
// the dark shadow colour; the pressed one in the shadow colour.
TEST_F(SkinUpDownTest, SpinButtonsWithoutASkinElementLookPlain)
{
    TElementGuard const vert(Skin().UpDownVert, std::unique_ptr<TDataSkinBorder>());
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable);
    TWinSkinForm* skin = ShowSkinned(*form);
    HWND const up = MakeUpDown(form->Handle(), 0, 10, 10, 20, 40);
    TSkinUpDown& spin = SkinSpin(*skin, up);
    COLORREF const dark = ColorToRGB(Skin().ButtonDkShadowColour);
    EXPECT_TRUE(Shows(up, {0, 0}, dark));
    EXPECT_TRUE(Shows(up, {3, 3}, spin.FaceColour()));
    RECT client {};
    GetClientRect(up, &client);
    int const middle = client.right / 2;
    EXPECT_TRUE(Shows(up, {middle, 8}, dark));  // the up arrow's tip
    EXPECT_TRUE(Shows(up, {middle, 31}, dark)); // the down arrow's tip
    MouseDownAt(ScreenPointOf(up, {10, 35}));
    EXPECT_TRUE(Shows(up, {3, 23}, ColorToRGB(Skin().ButtonShadowColour)));
    EXPECT_TRUE(Shows(up, {3, 3}, spin.FaceColour()));
    MouseUpAt(ScreenPointOf(up, {10, 35}));
    EXPECT_TRUE(PumpUntil([&] { return !spin.Pressed(); }));
    MouseAway();
    DestroyWindow(up);
}

// A spin button inside an edit gets a skinner the edit skinner makes: inset
// by a pixel of face colour, owned by the form skinning object apart from
// its skinner list, and gone with the skin.
TEST_F(SkinUpDownTest, SpinButtonInsideAnEditIsInset)
{
    TElementGuard const vert(Skin().UpDownVert, SolidElement<TDataSkinBorder>("UpDown.Vert", 8, 6, 6, {8, 4, 3}));
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable);
    auto* edit = new TEdit(form);
    edit->SetParent(form);
    edit->SetBounds(10, 10, 120, 26);
    RECT client {};
    GetClientRect(edit->Handle(), &client);
    HWND const inner = MakeUpDown(edit->Handle(), 0, client.right - 16, 0, 16, client.bottom);
    TWinSkinForm* skin = ShowSkinned(*form);
    auto* editSkinner = dynamic_cast<TSkinEdit*>(skin->FindSkinner(edit->Handle()));
    ASSERT_NE(editSkinner, nullptr);
    RedrawWindow(edit->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    ASSERT_TRUE(PumpUntil([&] { return editSkinner->SpinSkinner() != nullptr; }));
    TSkinUpDown* spin = editSkinner->SpinSkinner();
    EXPECT_TRUE(spin->Inset);
    EXPECT_EQ(spin->Handle(), inner);
    EXPECT_EQ(skin->FindSkinner(inner), nullptr);
    EXPECT_EQ(skin->Skinners().AdoptedCount(), 1u);

    EXPECT_TRUE(Shows(inner, {0, 0}, spin->FaceColour()));
    EXPECT_TRUE(Shows(inner, {15, client.bottom - 1}, spin->FaceColour()));
    EXPECT_TRUE(Shows(inner, {1, 1}, FrameColour(1)));
    EXPECT_TRUE(Shows(inner, {14, client.bottom - 2}, FrameColour(5)));
    // Painting again finds the same skinner: one per spin button.
    RedrawWindow(edit->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    PumpIdle();
    EXPECT_EQ(skin->Skinners().AdoptedCount(), 1u);

    // Unskinned, the spin button paints itself again.
    Skin().SetActive(false);
    SkinManager->ActionTimer();
    InvalidateRect(inner, nullptr, TRUE);
    EXPECT_TRUE(PumpUntil([&] {
        auto shot = CaptureWindow(inner);
        return PixelOf(*shot, 1, 1) != FrameColour(1);
    }, 3000));
    Skin().SetActive(true);
    SkinManager->ActionTimer();
    ASSERT_TRUE(PumpUntil([&] { return SkinOf(form->Handle()) && SkinOf(form->Handle())->SkinState() == ssSkinned; }));
}

// A framework spin button placed inside an edit has its own skinner from
// the dispatch; the edit's skinner leaves it to that one.
TEST_F(SkinUpDownTest, ASpinButtonWithASkinnerIsNotSkinnedTwice)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable);
    auto* edit = new TEdit(form);
    edit->SetParent(form);
    edit->SetBounds(10, 10, 120, 26);
    auto* up = new TUpDown(form);
    up->SetParent(edit);
    up->SetBounds(100, 0, 16, 20);
    TWinSkinForm* skin = ShowSkinned(*form);
    auto* editSkinner = dynamic_cast<TSkinEdit*>(skin->FindSkinner(edit->Handle()));
    ASSERT_NE(editSkinner, nullptr);
    EXPECT_STREQ(skin->FindSkinner(up->Handle())->ClassName(), "TSkinUpDown");
    RedrawWindow(edit->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    PumpIdle();
    EXPECT_EQ(editSkinner->SpinSkinner(), nullptr);
    EXPECT_EQ(skin->Skinners().AdoptedCount(), 0u);
}

} // namespace tandrel::test
