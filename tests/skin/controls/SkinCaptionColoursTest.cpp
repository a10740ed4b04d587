// Controls that write their own captions over the skin's face take the
// skin's text colour, and pages its face; colours the program chose stay,
// a skin change gives the new colours, and everything goes back with the
// skin. Dialogs get the same colours through their colour messages.

#include "framework/controls/CheckBox.h"
#include "framework/controls/GroupBox.h"
#include "framework/controls/Label.h"
#include "framework/controls/ListBox.h"
#include "framework/controls/PageControl.h"
#include "framework/controls/SpeedButton.h"
#include "framework/core/Colors.h"
#include "framework/core/ScopeGuard.h"
#include "framework/graphics/GdiObjects.h"
#include "tests/skin/forms/SkinFormFixture.h"
#include "tests/support/DialogTemplate.h"

namespace tandrel::test {

class SkinCaptionColoursTest : public TSkinFormTest {};

TEST_F(SkinCaptionColoursTest, DefaultColoursTakeTheSkinsAndChosenOnesStay)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable, 420, 260);
    auto* check = Add<TCheckBox>(*form, 10, 10, 120, 20);
    auto* navy = Add<TCheckBox>(*form, 10, 35, 120, 20);
    navy->Font().SetColor(clNavy);
    auto* label = Add<TLabel>(*form, 10, 60, 120, 15);
    auto* yellow = Add<TLabel>(*form, 10, 80, 120, 15);
    yellow->SetColor(clYellow); // its own background: its text stays as it is
    auto* box = Add<TGroupBox>(*form, 140, 10, 150, 120);
    auto* list = new TListBox(form);
    list->SetParent(box);
    list->SetBounds(10, 20, 120, 60);
    auto* speed = Add<TSpeedButton>(*form, 10, 100, 60, 25);
    auto* pages = Add<TPageControl>(*form, 10, 140, 280, 100);
    auto* sheet = new TTabSheet(form);
    sheet->SetPageControl(pages);
    sheet->SetCaption(L"Sheet");

    ASSERT_NE(ShowSkinned(*form), nullptr);
    auto const text = static_cast<TColor>(Skin().ButtonTextColour);
    auto const face = static_cast<TColor>(Skin().ButtonFaceColour);
    EXPECT_EQ(check->Font().Color(), text);
    EXPECT_EQ(navy->Font().Color(), clNavy);
    EXPECT_EQ(label->Font().Color(), text);
    EXPECT_EQ(yellow->Font().Color(), clWindowText);
    EXPECT_EQ(box->Font().Color(), text);
    EXPECT_EQ(speed->Font().Color(), text);
    // A list on the box keeps the font it had, and its colour with it.
    EXPECT_EQ(list->Font().Color(), clWindowText);
    EXPECT_EQ(sheet->Color(), face);
    EXPECT_EQ(pages->Color(), face);

    // A changed skin gives its own colours.
    TSkinColour const skinText = Skin().ButtonTextColour;
    Skin().ButtonTextColour = 0x123456;
    Skin().ApplySkin();
    ASSERT_TRUE(PumpUntil([] { return !SkinManager->ActionTimerRunning(); }));
    EXPECT_EQ(check->Font().Color(), static_cast<TColor>(0x123456));
    EXPECT_EQ(label->Font().Color(), static_cast<TColor>(0x123456));
    EXPECT_EQ(navy->Font().Color(), clNavy);
    Skin().ButtonTextColour = skinText;

    // A control freed while skinned is not touched when the skin goes.
    delete label;
    Skin().SetActive(false);
    ASSERT_TRUE(PumpUntil([&] { return SkinOf(form->Handle()) == nullptr; }));
    EXPECT_EQ(check->Font().Color(), clWindowText);
    EXPECT_TRUE(check->ParentFont());
    EXPECT_EQ(navy->Font().Color(), clNavy);
    EXPECT_FALSE(navy->ParentFont());
    EXPECT_EQ(box->Font().Color(), clWindowText);
    EXPECT_TRUE(box->ParentFont());
    EXPECT_TRUE(list->ParentFont());
    EXPECT_EQ(speed->Font().Color(), clWindowText);
    EXPECT_TRUE(sheet->ParentColor());
    EXPECT_EQ(pages->Color(), clBtnFace);
    Skin().SetActive(true);
    ASSERT_TRUE(PumpUntil([&] { return SkinOf(form->Handle()) != nullptr; }));
}

namespace {

constexpr int kPlainText = 201;
constexpr int kOwnColours = 202;

INT_PTR CALLBACK ColouringDialog(HWND, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_CTLCOLORSTATIC && GetDlgCtrlID(reinterpret_cast<HWND>(lParam)) == kOwnColours) {
        SetTextColor(reinterpret_cast<HDC>(wParam), RGB(200, 0, 0));
        return reinterpret_cast<INT_PTR>(GetStockObject(WHITE_BRUSH));
    }
    return msg == WM_INITDIALOG;
}

} // namespace

TEST_F(SkinCaptionColoursTest, ADialogsTextTakesTheSkinsColoursUnlessTheDialogChoseItsOwn)
{
    std::vector<WORD> const dialog = DialogTemplate(L"Colour dialog", 160, 60, {
        {SS_LEFT, kPlainText, L"\x82", L"Plain text", 10, 10, 80, 10},
        {SS_LEFT, kOwnColours, L"\x82", L"Own colours", 10, 30, 80, 10},
    });
    HWND const box = CreateDialogIndirectParamW(GetModuleHandleW(nullptr),
                                                reinterpret_cast<const DLGTEMPLATE*>(dialog.data()), nullptr,
                                                ColouringDialog, 0);
    ASSERT_NE(box, nullptr);
    auto const destroy = OnScopeExit([&] { DestroyWindow(box); });
    SetActiveWindow(box);
    ASSERT_TRUE(PumpUntil([&] { return SkinOf(box) && SkinOf(box)->SkinState() == ssSkinned; }));

    TOwnedDC const dc(CreateCompatibleDC(nullptr));
    auto const ask = [&](int id) {
        SetTextColor(dc.Get(), RGB(1, 1, 1));
        return reinterpret_cast<HBRUSH>(
            SendMessageW(box, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.Get()),
                         reinterpret_cast<LPARAM>(GetDlgItem(box, id))));
    };
    EXPECT_EQ(ask(kPlainText), Skin().ButtonFaceBrush.Get());
    EXPECT_EQ(GetTextColor(dc.Get()), ColorToRGB(Skin().ButtonTextColour));
    EXPECT_EQ(ask(kOwnColours), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(GetTextColor(dc.Get()), RGB(200, 0, 0));
}

} // namespace tandrel::test
