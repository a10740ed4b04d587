// Control skinners on real windows: which control gets which skinner, what
// a button skinner lets through to its control, the frames the skins'
// strips give each state, the child windows of a system dialog, and that
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

namespace {

// A class of another library, known to the dispatch only through Skin3rd.
class TOtherButton : public TButton {
public:
    using TButton::TButton;
    const char* ClassName() const override { return "TOtherButton"; }
};

template <class T>
T* Add(TCustomForm& form, int left, int top, int width = 90, int height = 25, int tag = 0)
{
    auto* control = new T(&form);
    control->SetParent(&form);
    control->SetBounds(left, top, width, height);
    control->SetTag(tag);
    return control;
}

TSkinControl* GraphicSkinner(TWinSkinForm& skin, TControl& control)
{
    for (const auto& s : skin.Skinners().Items())
        if (s->GraphicControl() == &control)
            return s.get();
    return nullptr;
}

} // namespace

TEST_F(TSkinFormTest, EachControlGetsItsSkinnerByKindAndTag)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable, 420, 300);
    auto* button = Add<TButton>(*form, 10, 10);
    auto* bitmap = Add<TBitBtn>(*form, 110, 10);
    auto* speed = Add<TSpeedButton>(*form, 210, 10);
    auto* memo = Add<TMemo>(*form, 10, 50, 150, 60);
    auto* edit = Add<TEdit>(*form, 170, 50);
    // DisableTag 99 counts the tag's remainder by 100, sign included.
    auto* off99 = Add<TButton>(*form, 10, 120, 90, 25, 99);
    auto* off199 = Add<TButton>(*form, 110, 120, 90, 25, 199);
    auto* off1099 = Add<TButton>(*form, 210, 120, 90, 25, 1099);
    auto* minus99 = Add<TButton>(*form, 310, 120, 90, 25, -99);
    // 96 asks for the scroll bars whatever the kind; 55 exactly too, 155 not.
    auto* tag96 = Add<TEdit>(*form, 10, 160, 90, 25, 96);
    auto* tag55 = Add<TEdit>(*form, 110, 160, 90, 25, 55);
    auto* tag155 = Add<TEdit>(*form, 210, 160, 90, 25, 155);
    TWinSkinForm* skin = ShowSkinned(*form);
    ASSERT_NE(skin, nullptr);

    EXPECT_EQ(SkinnerOf(*skin, button->Handle()), "TSkinButton");
    EXPECT_EQ(SkinnerOf(*skin, bitmap->Handle()), "TSkinBitButton");
    ASSERT_NE(GraphicSkinner(*skin, *speed), nullptr);
    EXPECT_STREQ(GraphicSkinner(*skin, *speed)->ClassName(), "TSkinSpeedButton");
    EXPECT_EQ(SkinnerOf(*skin, memo->Handle()), "TSkinScrollBar");
    EXPECT_EQ(SkinnerOf(*skin, edit->Handle()), "TSkinEdit");
    EXPECT_EQ(SkinnerOf(*skin, off99->Handle()), "none");
    EXPECT_EQ(SkinnerOf(*skin, off199->Handle()), "none");
    EXPECT_EQ(SkinnerOf(*skin, off1099->Handle()), "none");
    EXPECT_EQ(SkinnerOf(*skin, minus99->Handle()), "TSkinButton");
    EXPECT_EQ(SkinnerOf(*skin, tag96->Handle()), "TSkinScrollBar");
    EXPECT_EQ(SkinnerOf(*skin, tag55->Handle()), "TSkinScrollBar");
    EXPECT_EQ(SkinnerOf(*skin, tag155->Handle()), "TSkinEdit");

    // An edit's border becomes a shadow ring with a white ring inside.
    RedrawWindow(edit->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    PumpIdle();
    auto frame = CaptureWindow(edit->Handle());
    EXPECT_EQ(PixelOf(*frame, 0, 0), ColorToRGB(Skin().ButtonShadowColour));
    EXPECT_EQ(PixelOf(*frame, 45, frame->Height() - 1), ColorToRGB(Skin().ButtonShadowColour));
    EXPECT_EQ(PixelOf(*frame, 1, 1), RGB(255, 255, 255));
    EXPECT_EQ(PixelOf(*frame, frame->Width() - 2, 12), RGB(255, 255, 255));

    // Every control has one skinner, registered once.
    EXPECT_TRUE(skin->Dispatch().IsAlreadySkinned(button));
    EXPECT_TRUE(skin->Dispatch().IsAlreadySkinned(speed));
    EXPECT_TRUE(skin->Dispatch().IsAlreadySkinned(edit));
    std::size_t const count = skin->Skinners().Items().size();
    skin->Dispatch().SkinComponents(form);
    EXPECT_EQ(skin->Skinners().Items().size(), count);
    EXPECT_TRUE(skin->Dispatch().RegisterSkinner(skin->FindSkinner(button->Handle())));

    // Controls made after the form was skinned keep their own look.
    auto* late = Add<TButton>(*form, 10, 200);
    late->HandleNeeded();
    PumpIdle();
    EXPECT_EQ(SkinnerOf(*skin, late->Handle()), "none");
}

TEST_F(TSkinFormTest, ClassesOfOtherLibrariesFollowSkin3rd)
{
    TStringList saved;
    saved.Assign(Skin().Skin3rd());
    auto const restore = OnScopeExit([&] { Skin().SetSkin3rd(saved); });
    TStringList rows;
    // The first row for a class wins; a row for a longer name does not apply.
    rows.Add(L"TOtherButtonX=checkbox");
    rows.Add(L"TOtherButton=radiobutton");
    rows.Add(L"TOtherButton=checkbox");
    Skin().SetSkin3rd(rows);
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable);
    auto* other = Add<TOtherButton>(*form, 10, 10);
    TWinSkinForm* skin = ShowSkinned(*form);
    EXPECT_EQ(SkinnerOf(*skin, other->Handle()), "TSkinRadioButton");
    FreeForm(form);

    // A kind the table does not know ends the work on the class unskinned;
    // an empty kind is no row at all.
    for (auto const& [row, expected] : {std::pair {L"TOtherButton=spinner", "none"},
                                        std::pair {L"TOtherButton=", "TSkinButton"}}) {
        rows.Clear();
        rows.Add(row);
        Skin().SetSkin3rd(rows);
        TBenchForm* next = MakeForm(TFormBorderStyle::bsSizeable);
        auto* control = Add<TOtherButton>(*next, 10, 10);
        TWinSkinForm* const nextSkin = ShowSkinned(*next);
        EXPECT_EQ(SkinnerOf(*nextSkin, control->Handle()), expected) << WideToUtf8(row);
        FreeForm(next);
    }
}

TEST_F(TSkinFormTest, OnSkinControlMaySkinAControlItself)
{
    std::vector<std::string> seen;
    Skin().OnSkinControl = [&](TComponent* sender, TSkinData*, TControl* form, TControl* control,
                               const std::string& controlClass, TComponent*& skinned) {
        EXPECT_NE(dynamic_cast<TWinSkinForm*>(sender), nullptr);
        EXPECT_NE(form, nullptr);
        seen.push_back(controlClass);
        if (control->Tag() == 1)
            skinned = new TSkinCheckBox(sender);
        else if (control->Tag() == 2)
            skinned = new TComponent(sender); // not a skinner: the rules decide
    };
    auto const clear = OnScopeExit([] { Skin().OnSkinControl = nullptr; });
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable);
    auto* mine = Add<TButton>(*form, 10, 10, 90, 25, 1);
    auto* ruled = Add<TButton>(*form, 10, 50, 90, 25, 2);
    TWinSkinForm* skin = ShowSkinned(*form);
    EXPECT_EQ(SkinnerOf(*skin, mine->Handle()), "TSkinCheckBox");
    EXPECT_EQ(SkinnerOf(*skin, ruled->Handle()), "TSkinButton");
    EXPECT_EQ(seen, (std::vector<std::string> {"TBUTTON", "TBUTTON"}));
}

// What reaches a push button under its skinner: the left button never
// does; the click comes from the release over the pressed button.
TEST_F(TSkinFormTest, PushButtonSkinnerTakesOverTheLeftButton)
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
TEST_F(TSkinFormTest, ButtonFramesFollowTheState)
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

// A system dialog's child windows are skinned by window class: buttons,
// check boxes of every kind and radio buttons; group boxes and
// owner-drawn buttons keep their own look. Its boxes show the skin's
// frames and a real click on its skinned button works.
TEST_F(TSkinFormTest, ADialogsChildWindowsAreSkinnedByClass)
{
    std::vector<WORD> const dialog = DialogTemplate(L"Bench dialog", 180, 130, {
        {BS_DEFPUSHBUTTON, IDOK, L"\x80", L"OK", 10, 10, 80, 14},
        {BS_AUTOCHECKBOX, 101, L"\x80", L"Check", 10, 35, 80, 14},
        {BS_AUTO3STATE, 102, L"\x80", L"Three", 10, 55, 80, 14},
        {BS_AUTOCHECKBOX | BS_LEFTTEXT, 103, L"\x80", L"Left text", 10, 75, 80, 14},
        {BS_AUTORADIOBUTTON, 104, L"\x80", L"Radio", 10, 95, 80, 14},
        {BS_GROUPBOX, 105, L"\x80", L"Group", 100, 30, 70, 50},
        {BS_OWNERDRAW, 106, L"\x80", L"Owner", 100, 90, 80, 14},
        {WS_BORDER | ES_AUTOHSCROLL, 107, L"\x81", L"Edit", 100, 105, 80, 14},
    });

    bool checked = false;
    RunSoon([&] {
        HWND const box = FindWindowW(L"#32770", L"Bench dialog");
        ASSERT_NE(box, nullptr);
        ASSERT_TRUE(PumpUntil([&] { return SkinOf(box) && SkinOf(box)->SkinState() == ssSkinned; }));
        TWinSkinForm& skin = *SkinOf(box);
        auto const of = [&](int id) { return SkinnerOf(skin, GetDlgItem(box, id)); };
        EXPECT_EQ(of(IDOK), "TSkinButton");
        EXPECT_EQ(of(101), "TSkinCheckBox");
        EXPECT_EQ(of(102), "TSkinCheckBox");
        EXPECT_EQ(of(103), "TSkinCheckBox");
        EXPECT_EQ(of(104), "TSkinRadioButton");
        EXPECT_EQ(of(105), "none");
        EXPECT_EQ(of(106), "none");
        EXPECT_EQ(of(107), "TSkinEdit");

        // The boxes: frame by state, placed as the geometry says.
        TDataSkinButton& b = *Skin().Buttons;
        int const w = b.CheckBitmap.Width() / b.CheckFrameCount;
        int const h = b.CheckBitmap.Height();
        auto const boxShows = [&](int id, TBitmap& strip, int count, int frame) {
            HWND const child = GetDlgItem(box, id);
            RECT r {};
            GetWindowRect(child, &r);
            bool const right = (GetWindowLongW(child, GWL_STYLE) & BS_LEFTTEXT) != 0;
            TSkinRect const place = CheckBoxRect({0, 0, r.right - r.left, r.bottom - r.top}, w, h, right);
            return PumpUntil([&] {
                auto shot = CaptureWindow(child);
                return ShowsFrameCorner(*shot, {place.Left, place.Top}, strip, count, frame, std::min(w, h));
            });
        };
        EXPECT_TRUE(boxShows(101, b.CheckBitmap, b.CheckFrameCount, 1));
        SendDlgItemMessageW(box, 101, BM_SETCHECK, BST_CHECKED, 0);
        EXPECT_TRUE(boxShows(101, b.CheckBitmap, b.CheckFrameCount, 2));
        SendDlgItemMessageW(box, 102, BM_SETCHECK, BST_INDETERMINATE, 0);
        EXPECT_TRUE(boxShows(102, b.CheckBitmap, b.CheckFrameCount, 4));
        EnableWindow(GetDlgItem(box, 101), FALSE);
        EXPECT_TRUE(boxShows(101, b.CheckBitmap, b.CheckFrameCount, 4));
        SendDlgItemMessageW(box, 101, BM_SETCHECK, BST_UNCHECKED, 0);
        EXPECT_TRUE(boxShows(101, b.CheckBitmap, b.CheckFrameCount, 3));
        EXPECT_TRUE(boxShows(103, b.CheckBitmap, b.CheckFrameCount, 1));
        SendDlgItemMessageW(box, 104, BM_SETCHECK, BST_CHECKED, 0);
        EXPECT_TRUE(boxShows(104, b.RadioBitmap, b.RadioFrameCount, 2));
        auto shot = Shot(box);
        SaveScreenshot(*shot, "bench-dialog-controls");
        checked = true;

        // A real click on the skinned button: the posted command ends the dialog.
        RECT r {};
        GetWindowRect(GetDlgItem(box, IDOK), &r);
        ClickAt({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    }, 200);
    INT_PTR const answer =
        RunTemplateDialog(dialog, L"Bench dialog", [](HWND window, UINT msg, WPARAM wParam, LPARAM) -> INT_PTR {
            if (msg == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
                EndDialog(window, LOWORD(wParam));
                return TRUE;
            }
            return msg == WM_INITDIALOG;
        });
    EXPECT_TRUE(checked);
    EXPECT_EQ(answer, IDOK);
}

// Detaching gives the control its own handling back, once; a windowless
// control that goes takes its skinner with it; a control freed under its
// skinner leaves nothing pointing at it.
TEST_F(TSkinFormTest, SkinnersLetGoOfTheirControlsSafely)
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

// Skinning and unskinning a form full of controls a hundred times leaves no
// GDI object and no skinner behind, and gives each control its colour back.
TEST_F(TSkinFormTest, SkinningAndUnskinningControlsLeavesNothingBehind)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable, 640, 420);
    TControlsPage const page = BuildControlsPage(*form);
    page.Memo->SetColor(clYellow);
    ShowSkinned(*form);
    TWinSkinForm* skin = ExpectSkinCyclesLeaveNothing(*form);
    ASSERT_NE(skin, nullptr);
    EXPECT_EQ(page.Memo->Color(), clYellow); // scroll bars leave the colour alone
}

// A skin without a button strip: the push button keeps its own painting
// and its own mouse handling.
TEST_F(TSkinFormTest, WithoutAButtonStripTheButtonIsItsOwn)
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
