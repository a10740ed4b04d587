// The control dispatch on real windows: which control gets which skinner by
// kind and Tag, classes of other libraries through Skin3rd, a handler of
// OnSkinControl, and the child windows of a system dialog by window class.

#include "framework/controls/BitBtn.h"
#include "framework/controls/Button.h"
#include "framework/controls/Edit.h"
#include "framework/controls/SpeedButton.h"
#include "framework/core/ScopeGuard.h"
#include "framework/graphics/GdiObjects.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinControlList.h"
#include "skin/controls/SkinScrollBar.h"
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

TSkinControl* GraphicSkinner(TWinSkinForm& skin, TControl& control)
{
    for (const auto& s : skin.Skinners().Items())
        if (s->GraphicControl() == &control)
            return s.get();
    return nullptr;
}

} // namespace

class SkinDispatchTest : public TSkinFormTest {};

TEST_F(SkinDispatchTest, EachControlGetsItsSkinnerByKindAndTag)
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
    // A client paint keeps the ring, and shows it in the colours of a new skin.
    TSkinColour const shadow = Skin().ButtonShadowColour;
    auto const restoreShadow = OnScopeExit([&] { Skin().ButtonShadowColour = shadow; });
    RedrawWindow(edit->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    PumpIdle();
    EXPECT_EQ(PixelOf(*CaptureWindow(edit->Handle()), 0, 0), ColorToRGB(shadow));
    SendMessageW(edit->Handle(), WM_NCPAINT, 1, 0);
    Skin().ButtonShadowColour = TSkinColour(RGB(10, 120, 30));
    skin->FindSkinner(edit->Handle())->Refresh();
    PumpIdle();
    EXPECT_EQ(PixelOf(*CaptureWindow(edit->Handle()), 0, 0), RGB(10, 120, 30));

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

TEST_F(SkinDispatchTest, ClassesOfOtherLibrariesFollowSkin3rd)
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

TEST_F(SkinDispatchTest, OnSkinControlMaySkinAControlItself)
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

// A system dialog's child windows are skinned by window class: buttons,
// check boxes of every kind and radio buttons; group boxes and
// owner-drawn buttons keep their own look. Its boxes show the skin's
// frames and a real click on its skinned button works.
TEST_F(SkinDispatchTest, ADialogsChildWindowsAreSkinnedByClass)
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

        // The boxes: frame by state. Each control is 140 x 28 and the skin's
        // box 13 x 13: centred in the 14-pixel column at the text's side
        // (0 or 127 across, the half pixel dropped) and on the height (7).
        TDataSkinButton& b = *Skin().Buttons;
        ASSERT_EQ(b.CheckBitmap.Width() / b.CheckFrameCount, 13);
        ASSERT_EQ(b.CheckBitmap.Height(), 13);
        auto const boxShows = [&](int id, TBitmap& strip, int count, int frame) {
            HWND const child = GetDlgItem(box, id);
            RECT r {};
            GetWindowRect(child, &r);
            EXPECT_EQ(r.right - r.left, 140);
            EXPECT_EQ(r.bottom - r.top, 28);
            bool const right = (GetWindowLongW(child, GWL_STYLE) & BS_LEFTTEXT) != 0;
            POINT const place {right ? 127 : 0, 7};
            return PumpUntil([&] {
                auto shot = CaptureWindow(child);
                return ShowsFrameCorner(*shot, place, strip, count, frame, 13);
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
        // The kept boxes show what a fresh paint shows.
        for (int const id : {101, 102, 103, 104})
            EXPECT_EQ(KeptPaintDifference(skin, GetDlgItem(box, id)), 0) << id;
        auto shot = Shot(box);
        SaveScreenshot(*shot, "bench-dialog-controls");
        checked = true;

        // A real click on the skinned button: the posted command ends the dialog.
        RECT r {};
        GetWindowRect(GetDlgItem(box, IDOK), &r);
        ClickAt(Middle(r));
    }, 200);
    INT_PTR const answer = RunTemplateDialog(dialog, L"Bench dialog", EndOnOkOrCancelDialogProc);
    EXPECT_TRUE(checked);
    EXPECT_EQ(answer, IDOK);
}

} // namespace tandrel::test
