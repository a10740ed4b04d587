// High contrast wins over the skin: the system's answer comes through the
// engine's query, which the tests answer, and the news comes as the real
// broadcasts the system sends every top-level window.

#include "tests/skin/forms/SkinFormFixture.h"

#include "framework/controls/CheckBox.h"
#include "skin/engine/HighContrast.h"

namespace tandrel::test {

namespace {

bool g_highContrast = false;
bool AnswerHighContrast() { return g_highContrast; }

// Answers for the system's high contrast while it lives.
class THighContrastAnswer {
public:
    THighContrastAnswer() : m_previous(SetHighContrastQuery(AnswerHighContrast)) { g_highContrast = false; }
    ~THighContrastAnswer()
    {
        g_highContrast = false;
        SetHighContrastQuery(m_previous);
        Broadcast(WM_SETTINGCHANGE);
    }
    THighContrastAnswer(const THighContrastAnswer&) = delete;
    THighContrastAnswer& operator=(const THighContrastAnswer&) = delete;

    // The user switches high contrast; the system tells every window.
    void Switch(bool on, UINT message) const
    {
        g_highContrast = on;
        Broadcast(message);
    }

private:
    static void Broadcast(UINT message)
    {
        WPARAM const what = message == WM_SETTINGCHANGE ? SPI_SETHIGHCONTRAST : 0;
        SendMessageTimeoutW(HWND_BROADCAST, message, what, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
    }

    THighContrastQuery m_previous;
};

int OuterWidth(HWND window)
{
    RECT r {};
    GetWindowRect(window, &r);
    return r.right - r.left;
}

} // namespace

class HighContrastTest : public TSkinFormTest {};

TEST_F(HighContrastTest, TheSkinStepsAsideWhileItIsOnAndComesBackWhenItGoes)
{
    THighContrastAnswer contrast;
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable);
    auto* check = Add<TCheckBox>(*form, 10, 10, 120, 20);
    check->SetCaption(L"Check");
    auto* chosen = Add<TCheckBox>(*form, 10, 40, 120, 20);
    chosen->SetCaption(L"Chosen");
    chosen->Font().SetColor(clNavy);
    HWND const window = form->Handle();
    int const plainWidth = OuterWidth(window);
    ASSERT_NE(ShowSkinned(*form), nullptr);
    ASSERT_NE(OuterWidth(window), plainWidth);
    ASSERT_EQ(check->Font().Color(), static_cast<TColor>(Skin().ButtonTextColour));

    // A borderless window with a shape of its own, as the pointer overlay.
    TBenchForm* overlay = MakeForm(TFormBorderStyle::bsNone, 60, 60, L"Overlay");
    overlay->SetLeft(600);
    overlay->HandleNeeded();
    SetWindowRgn(overlay->Handle(), CreateEllipticRgn(0, 0, 60, 60), FALSE);
    ASSERT_NE(ShowSkinned(*overlay), nullptr);

    contrast.Switch(true, WM_SETTINGCHANGE);
    ASSERT_TRUE(PumpUntil([&] { return SkinOf(window) == nullptr; }));
    EXPECT_TRUE(SkinManager->HighContrast());
    EXPECT_TRUE(SkinManager->Skinning()); // the skin waits; it was not switched off
    EXPECT_EQ(OuterWidth(window), plainWidth);
    EXPECT_EQ(form->Color(), clBtnFace);
    EXPECT_EQ(check->Font().Color(), clWindowText);
    EXPECT_TRUE(check->ParentFont());
    EXPECT_EQ(chosen->Font().Color(), clNavy);
    EXPECT_EQ(SkinOf(overlay->Handle()), nullptr);
    TOwnedRegion shape(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(GetWindowRgn(overlay->Handle(), shape.Get()), ERROR);
    EXPECT_FALSE(PtInRegion(shape.Get(), 1, 1));
    EXPECT_TRUE(PtInRegion(shape.Get(), 30, 30));

    // Windows activated meanwhile keep the system's look, and so do menus.
    TBenchForm* later = MakeForm(TFormBorderStyle::bsSingle, 120, 80, L"Later");
    later->SetLeft(400);
    later->Show();
    ASSERT_TRUE(PumpUntil([&] { return GetActiveWindow() == later->Handle(); }));
    PumpIdle();
    EXPECT_EQ(SkinOf(later->Handle()), nullptr);
    HMENU const menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, 1, L"Item");
    HWND popup = CreateWindowExW(0, L"#32768", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    EXPECT_FALSE(SkinManager->IsSkinnedPopup(popup));
    DestroyWindow(popup);
    DestroyMenu(menu);

    // Other news of the system changes nothing.
    contrast.Switch(true, WM_SYSCOLORCHANGE);
    PumpIdle();
    EXPECT_EQ(SkinOf(window), nullptr);

    // Switched off: every form wears the skin again, without a restart.
    contrast.Switch(false, WM_SYSCOLORCHANGE);
    ASSERT_TRUE(PumpUntil([&] { return SkinOf(window) && SkinOf(later->Handle()); }));
    ASSERT_TRUE(PumpUntil([&] { return OuterWidth(window) != plainWidth; }));
    EXPECT_FALSE(SkinManager->HighContrast());
    EXPECT_EQ(form->Color(), static_cast<TColor>(Skin().ButtonFaceColour));
    EXPECT_EQ(check->Font().Color(), static_cast<TColor>(Skin().ButtonTextColour));
    EXPECT_EQ(chosen->Font().Color(), clNavy);
    ASSERT_NE(GetWindowRgn(overlay->Handle(), shape.Get()), ERROR);
    EXPECT_FALSE(PtInRegion(shape.Get(), 1, 1));
}

// A skin switched off while high contrast is on stays off when it goes.
TEST_F(HighContrastTest, ASkinSwitchedOffMeanwhileStaysOff)
{
    THighContrastAnswer contrast;
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable);
    ASSERT_NE(ShowSkinned(*form), nullptr);
    contrast.Switch(true, WM_SETTINGCHANGE);
    ASSERT_TRUE(PumpUntil([&] { return SkinOf(form->Handle()) == nullptr; }));
    Skin().SetActive(false);
    ASSERT_TRUE(PumpUntil([] { return !SkinManager->ActionTimerRunning(); }));
    contrast.Switch(false, WM_SETTINGCHANGE);
    PumpIdle();
    EXPECT_EQ(SkinOf(form->Handle()), nullptr);
    Skin().SetActive(true);
    ASSERT_TRUE(PumpUntil([&] { return SkinOf(form->Handle()) != nullptr; }));
}

} // namespace tandrel::test
