// The combo-box skinner on real combo boxes: the frame of edge, button and
// arrow for each state, the button at either side, the control's own text
// left alone, and a real click that drops the list down.

#include "framework/controls/ComboBox.h"
#include "skin/controls/SkinComBox.h"
#include "skin/controls/SkinControlList.h"
#include "skin/geometry/SkinEditGeometry.h"
#include "tests/skin/controls/SkinElements.h"
#include "tests/skin/forms/SkinFormFixture.h"
#include "tests/support/TestSupport.h"

namespace tandrel::test {

namespace {

// Button (strip 0), mirrored button (1), edge (2) and arrow (3), each with
// four solid frames.
struct TComboSkin {
    explicit TComboSkin(TSkinData& skin)
        : Button(skin.ComboButton, SolidElement<TDataSkinBorder>("ComboButton", 4, 8, 8, {4, 8, 8})),
          Edge(skin.SunkEdge, SolidElement<TDataSkinObject>("SunkEdge", 4, 8, 8, {}, 2)),
          Arrow(skin.ExtraImages, SolidElement<TDataSkinObject>("ExtraImages", 4, 7, 4, {}, 3))
    {
    }
    TElementGuard<TDataSkinBorder> Button;
    TElementGuard<TDataSkinObject> Edge;
    TElementGuard<TDataSkinObject> Arrow;
};

TComboBox* AddCombo(TCustomForm& form, int left, int top, TComboBoxStyle style)
{
    auto* combo = new TComboBox(&form);
    combo->SetParent(&form);
    combo->SetBounds(left, top, 150, 24);
    combo->SetStyle(style);
    combo->Items().SetLines({L"First", L"Second", L"Third"});
    combo->SetItemIndex(0);
    return combo;
}

// Whether edge, button face and arrow of a combo box show frame `state`.
bool ShowsState(HWND combo, int state, TComboButtonSide side = TComboButtonSide::cbRight)
{
    // Every combo box here is 150 x 21 with 17-pixel arrows: the button is
    // the 19 pixels at one end, and the arrow's 7 x 4 glyph is centred in
    // the 17 pixels inside its edge (its middle at 139 or 10 across, 10 down).
    RECT r {};
    GetWindowRect(combo, &r);
    EXPECT_EQ(r.right - r.left, 150);
    EXPECT_EQ(r.bottom - r.top, 21);
    EXPECT_EQ(GetSystemMetrics(SM_CXHSCROLL), 17);
    bool const left = side == TComboButtonSide::cbLeft;
    int const edgeX = left ? 149 : 0;
    int const faceX = left ? 1 : 149;
    POINT const glyph = left ? POINT {10, 10} : POINT {139, 10};
    return PumpUntil([&] {
        auto shot = CaptureWindow(combo);
        return PixelOf(*shot, edgeX, 10) == FrameColour(state, 2) &&
               PixelOf(*shot, faceX, 1) == FrameColour(state, left ? 1 : 0) &&
               PixelOf(*shot, glyph.x, glyph.y) == FrameColour(state, 3);
    }, 3000);
}

} // namespace

class SkinComBoxTest : public TSkinFormTest {};

TEST_F(SkinComBoxTest, ComboBoxFramesFollowItsState)
{
    TComboSkin const elements(Skin());
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable);
    auto* plain = AddCombo(*form, 10, 10, TComboBoxStyle::csDropDownList);
    auto* other = AddCombo(*form, 10, 50, TComboBoxStyle::csDropDownList);
    auto* disabled = AddCombo(*form, 10, 90, TComboBoxStyle::csDropDown);
    disabled->SetEnabled(false);
    auto* simple = AddCombo(*form, 170, 10, TComboBoxStyle::csSimple);
    simple->SetHeight(80);
    TWinSkinForm* skin = ShowSkinned(*form);
    other->SetFocus();
    ASSERT_NE(dynamic_cast<TSkinComBox*>(skin->FindSkinner(plain->Handle())), nullptr);

    EXPECT_TRUE(ShowsState(plain->Handle(), 1));
    EXPECT_TRUE(ShowsState(disabled->Handle(), 3));
    // Focus shows the hot frame with the mouse elsewhere.
    plain->SetFocus();
    EXPECT_TRUE(ShowsState(plain->Handle(), 4));
    other->SetFocus();
    EXPECT_TRUE(ShowsState(plain->Handle(), 1));
    // The mouse over it: hot.
    RECT r {};
    GetWindowRect(plain->Handle(), &r);
    MoveMouseTo({r.left + 20, (r.top + r.bottom) / 2});
    EXPECT_TRUE(ShowsState(plain->Handle(), 4));
    MouseAway();
    EXPECT_TRUE(ShowsState(plain->Handle(), 1));

    // The control's own text is not painted over; a simple combo box, which
    // has no button, keeps its own look.
    auto shot = CaptureWindow(plain->Handle());
    auto lone = CaptureWindow(simple->Handle());
    for (int frame = 1; frame <= 4; ++frame) {
        EXPECT_NE(PixelOf(*shot, 6, shot->Height() / 2), FrameColour(frame, 2));
        EXPECT_NE(PixelOf(*lone, 0, 10), FrameColour(frame, 2));
        EXPECT_NE(PixelOf(*lone, lone->Width() - 3, 3), FrameColour(frame, 0));
    }
}

// A real press on the button shows the pressed frame and drops the list down.
TEST_F(SkinComBoxTest, ComboBoxOpensOnARealClick)
{
    TComboSkin const elements(Skin());
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable);
    auto* combo = AddCombo(*form, 10, 10, TComboBoxStyle::csDropDownList);
    TWinSkinForm* skin = ShowSkinned(*form);
    auto* skinner = skin->FindSkinner(combo->Handle());
    ASSERT_NE(skinner, nullptr);
    RECT r {};
    GetWindowRect(combo->Handle(), &r);
    POINT const button {r.right - 6, (r.top + r.bottom) / 2};
    MouseDownAt(button);
    EXPECT_TRUE(PumpUntil([&] { return skinner->Pressed(); }));
    EXPECT_TRUE(ShowsState(combo->Handle(), 2));
    MouseUpAt(button);
    EXPECT_TRUE(PumpUntil([&] { return !skinner->Pressed(); }));
    EXPECT_TRUE(PumpUntil([&] { return combo->DroppedDown(); }));
    combo->SetDroppedDown(false);
    EXPECT_TRUE(PumpUntil([&] { return !combo->DroppedDown(); }));
    MouseAway();
}

// With the scroll bar at the left, the skin's button goes over the
// control's own one: the mirrored image, B + 2 pixels wide, at the left
// edge where the system puts the button there; the plain image at the
// right where the system keeps it at the right. The text field stays the
// control's own either way.
TEST_F(SkinComBoxTest, ComboBoxButtonWithTheScrollBarAtTheLeft)
{
    TComboSkin const elements(Skin());
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable);
    auto* combo = AddCombo(*form, 10, 10, TComboBoxStyle::csDropDownList);
    auto* other = AddCombo(*form, 10, 50, TComboBoxStyle::csDropDownList);
    combo->HandleNeeded();
    SetWindowLongW(combo->Handle(), GWL_EXSTYLE, GetWindowLongW(combo->Handle(), GWL_EXSTYLE) | WS_EX_LEFTSCROLLBAR);
    TWinSkinForm* skin = ShowSkinned(*form);
    ASSERT_NE(skin->FindSkinner(combo->Handle()), nullptr);
    other->SetFocus();
    RedrawWindow(combo->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    COMBOBOXINFO info {};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetComboBoxInfo(combo->Handle(), &info));
    RECT window {};
    GetWindowRect(combo->Handle(), &window);
    int const width = window.right - window.left;
    bool const systemLeft = info.rcButton.left < width / 2;
    EXPECT_TRUE(ShowsState(combo->Handle(), 1, systemLeft ? TComboButtonSide::cbLeft : TComboButtonSide::cbRight));
    auto shot = CaptureWindow(combo->Handle());
    int const b = GetSystemMetrics(SM_CXHSCROLL);
    if (systemLeft) {
        EXPECT_EQ(PixelOf(*shot, b + 1, 1), FrameColour(1, 1));
        EXPECT_NE(PixelOf(*shot, b + 2, 3), FrameColour(1, 1));
    } else {
        // No skin button over the text field's start.
        for (int x = 2; x < b + 4; ++x)
            EXPECT_NE(PixelOf(*shot, x, 3), FrameColour(1, 1)) << x;
        EXPECT_EQ(PixelOf(*shot, width - b - 2, 1), FrameColour(1, 0));
    }
}

// Drawing puts the device context's clipping back as it found it, and a
// skin without the button keeps the control's own look.
TEST_F(SkinComBoxTest, ComboBoxDrawingLeavesTheClippingAlone)
{
    TComboSkin elements(Skin());
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable);
    auto* combo = AddCombo(*form, 10, 10, TComboBoxStyle::csDropDownList);
    TWinSkinForm* skin = ShowSkinned(*form);
    TSkinControl* skinner = skin->FindSkinner(combo->Handle());
    ASSERT_NE(skinner, nullptr);
    TBitmap target(150, 24);
    HDC const dc = target.Canvas().Handle();
    TOwnedRegion const none(CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(GetClipRgn(dc, none.Get()), 0);
    skinner->DrawControl(dc, {0, 0, 150, 24});
    EXPECT_EQ(GetClipRgn(dc, none.Get()), 0); // still no clip region
    EXPECT_EQ(PixelOf(target, 0, 12), FrameColour(GetFocus() == combo->Handle() ? 4 : 1, 2));

    elements.Button->Bitmap.SetSize(0, 0);
    TBitmap untouched(150, 24);
    PatBlt(untouched.Canvas().Handle(), 0, 0, 150, 24, WHITENESS);
    skinner->DrawControl(untouched.Canvas().Handle(), {0, 0, 150, 24});
    EXPECT_EQ(PixelOf(untouched, 0, 12), RGB(255, 255, 255));
}

} // namespace tandrel::test
