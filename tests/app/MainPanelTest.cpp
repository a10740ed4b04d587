// The main panel: its controls and what they do.

#include "tests/app/ShellFixture.h"

#include "framework/controls/WindowText.h"

namespace tandrel::test {

class MainPanelTest : public ShellTest {};

namespace {

struct TExpectedButton {
    const char* Name;
    RECT Bounds;  // left, top, width, height
    const wchar_t* Caption;
    int FontHeight;
    bool Navy;
    SIZE Glyph;
    TPixelFormat GlyphFormat;
};

// What a window shows, read from its own surface (the screen may lag
// behind it under Wine until the thread next waits).
std::unique_ptr<TBitmap> Shown(TWinControl& control)
{
    UpdateWindow(control.Handle());
    auto bitmap = std::make_unique<TBitmap>(control.Width(), control.Height());
    TWindowDC dc(control.Handle());
    BitBlt(bitmap->Canvas().Handle(), 0, 0, control.Width(), control.Height(), dc.Get(), 0, 0, SRCCOPY);
    GdiFlush();
    return bitmap;
}

// The slider with its label as the screen shows them, saved for looking at.
// Wine copies a window's surface to the screen when its thread waits: wait
// once, without blocking, first.
void SaveSliderShot(const std::string& name)
{
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 0, QS_ALLINPUT);
    const POINT from = Form1->ClientToScreen({0, 205});
    const POINT to = Form1->ClientToScreen({215, 252});
    auto shot = CaptureScreen({from.x, from.y, to.x, to.y});
    SaveScreenshot(*shot, name);
}

void ExpectBounds(TControl& c, int left, int top, int width, int height)
{
    EXPECT_EQ(c.Left(), left) << c.Name();
    EXPECT_EQ(c.Top(), top) << c.Name();
    EXPECT_EQ(c.Width(), width) << c.Name();
    EXPECT_EQ(c.Height(), height) << c.Name();
}

} // namespace

TEST_F(MainPanelTest, PanelHoldsEveryControlOfItsDefinition)
{
    ShowPanel();
    HWND panel = Form1->Handle();
    RECT r;
    GetWindowRect(panel, &r);
    EXPECT_EQ(r.left, 195);
    EXPECT_EQ(r.top, 116);
    ExpectSkinnedWindowOfDesignedSize(panel, 505, 410);
    // Designed as the button face; the skin gives it the skin's.
    EXPECT_EQ(Form1->Color(), Form1->SkinData1->ButtonFaceColour);
    EXPECT_EQ(Form1->Font().Name(), L"MS Sans Serif");
    EXPECT_EQ(Form1->Font().Height(), -11);
    EXPECT_EQ(Form1->Icon().Width(), 32);
    EXPECT_TRUE(SendMessageW(panel, WM_GETICON, ICON_BIG, 0));

    const TExpectedButton buttons[] = {
        {"SpeedButton1", {222, 27, 186, 40}, L"安装USB鼠标", -13, true, {16, 16}, TPixelFormat::pf8bit},
        {"SpeedButton2", {223, 90, 186, 40}, L"卸载USB鼠标", -13, true, {16, 16}, TPixelFormat::pf8bit},
        {"SpeedButton3", {36, 296, 149, 51}, L"关闭应用程序", -13, true, {20, 20}, TPixelFormat::pf4bit},
        {"SpeedButton4", {213, 152, 207, 40}, L"关于Tandrel软件", -13, true, {16, 15}, TPixelFormat::pf8bit},
        {"SpeedButton6", {19, 124, 60, 35}, L"左", -11, false, {0, 0}, TPixelFormat::pf24bit},
        {"SpeedButton7", {79, 89, 60, 35}, L"上", -11, false, {0, 0}, TPixelFormat::pf24bit},
        {"SpeedButton8", {139, 125, 60, 35}, L"右", -11, false, {0, 0}, TPixelFormat::pf24bit},
        {"SpeedButton9", {79, 160, 60, 35}, L"下", -11, false, {0, 0}, TPixelFormat::pf24bit},
    };
    for (const auto& e : buttons) {
        auto* b = dynamic_cast<TSpeedButton*>(Form1->FindComponent(e.Name));
        ASSERT_NE(b, nullptr) << e.Name;
        EXPECT_EQ(b->Parent(), Form1);
        ExpectBounds(*b, e.Bounds.left, e.Bounds.top, e.Bounds.right, e.Bounds.bottom);
        EXPECT_EQ(b->Caption(), e.Caption) << e.Name;
        EXPECT_EQ(b->Font().Name(), L"MS Sans Serif");
        EXPECT_EQ(b->Font().Height(), e.FontHeight) << e.Name;
        EXPECT_TRUE(b->Font().Style() & fsBold) << e.Name;
        EXPECT_EQ(b->Font().Color() == clNavy, e.Navy) << e.Name;
        EXPECT_EQ(b->Glyph().Width(), e.Glyph.cx) << e.Name;
        EXPECT_EQ(b->Glyph().Height(), e.Glyph.cy) << e.Name;
        if (e.Glyph.cx) {
            EXPECT_EQ(b->Glyph().PixelFormat(), e.GlyphFormat) << e.Name;
        }
    }

    ExpectBounds(*Form1->Label1, 49, 36, 133, 33);
    EXPECT_EQ(Form1->Label1->Caption(), L"测试看看");
    EXPECT_FALSE(Form1->Label1->AutoSize());
    EXPECT_EQ(Form1->Label1->Font().Name(), L"楷体_GB2312");
    EXPECT_EQ(Form1->Label1->Font().Height(), -29);
    EXPECT_EQ(Form1->Label1->Font().Charset(), GB2312_CHARSET);
    EXPECT_EQ(Form1->Label1->Font().Color(), clNavy);

    ExpectBounds(*Form1->Label2, 9, 220, 36, 18);
    EXPECT_EQ(Form1->Label2->Caption(), L"速度：");
    // Designed with the panel's font; the skin gives it its text colour.
    EXPECT_EQ(Form1->Label2->Font().Name(), Form1->Font().Name());
    EXPECT_EQ(Form1->Label2->Font().Height(), Form1->Font().Height());
    EXPECT_EQ(Form1->Label2->Font().Color(), static_cast<TColor>(Form1->SkinData1->ButtonTextColour));

    ExpectBounds(*Form1->speed, 47, 213, 156, 31);
    EXPECT_STREQ(Form1->speed->ClassName(), "TcxTrackBar");
    EXPECT_EQ(Form1->speed->Properties().Min(), 0);
    EXPECT_EQ(Form1->speed->Properties().Max(), 10);
    EXPECT_EQ(Form1->speed->Position(), 0);
    EXPECT_EQ(Form1->speed->TabOrder(), 1);

    ExpectBounds(*Form1->BitBtn1, 306, 295, 136, 51);
    EXPECT_EQ(Form1->BitBtn1->Caption(), L"关闭本窗口");
    EXPECT_EQ(Form1->BitBtn1->Kind(), TBitBtnKind::bkClose);
    EXPECT_EQ(Form1->BitBtn1->TabOrder(), 0);
    EXPECT_EQ(Form1->BitBtn1->Font().Height(), -13);
}

TEST_F(MainPanelTest, NudgesMoveTheOverlayBySliderPlusThree)
{
    ShowPanel();
    const int left = Form4->Left();
    const int top = Form4->Top();

    ClickControl(*Form1->SpeedButton6);
    EXPECT_EQ(Form4->Left(), left - 3);
    ClickControl(*Form1->SpeedButton8);
    EXPECT_EQ(Form4->Left(), left);  // right then left at one position: back home

    Form1->speed->SetPosition(10);
    ClickControl(*Form1->SpeedButton6);
    EXPECT_EQ(Form4->Left(), left - 13);
    EXPECT_EQ(Form4->Top(), top);

    Form1->speed->SetPosition(4);
    ClickControl(*Form1->SpeedButton7);
    EXPECT_EQ(Form4->Top(), top - 7);
    ClickControl(*Form1->SpeedButton9);
    ClickControl(*Form1->SpeedButton9);
    EXPECT_EQ(Form4->Top(), top + 7);
    EXPECT_EQ(Form4->Left(), left - 13);

    RECT r;
    GetWindowRect(Form4->Handle(), &r);
    EXPECT_EQ(r.left, Form4->Left());  // the window itself moved
    EXPECT_EQ(r.top, Form4->Top());
}

TEST_F(MainPanelTest, NudgesHaveNoLimits)
{
    ShowPanel();
    Form4->SetBounds(2, 1, Form4->Width(), Form4->Height());
    ClickControl(*Form1->SpeedButton6);
    ClickControl(*Form1->SpeedButton7);
    EXPECT_EQ(Form4->Left(), -1);
    EXPECT_EQ(Form4->Top(), -2);
}

TEST_F(MainPanelTest, CloseButtonHidesThePanelAndTheTrayShowsItAgainAsItWas)
{
    ShowPanel();
    Form1->speed->SetPosition(7);
    Form1->SetLeft(230);
    ClickControl(*Form1->BitBtn1);
    ASSERT_TRUE(PumpUntil([] { return !IsWindowVisible(Form1->Handle()); }));
    EXPECT_FALSE(Form1->Visible());
    EXPECT_FALSE(Application->Terminated());

    ShowPanel();
    EXPECT_EQ(Form1->speed->Position(), 7);
    EXPECT_EQ(Form1->Left(), 230);
}

TEST_F(MainPanelTest, PanelCloseCommandHidesIt)
{
    ShowPanel();
    SendMessageW(Form1->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(PumpUntil([] { return !IsWindowVisible(Form1->Handle()); }));
    EXPECT_NE(Form1, nullptr);
    EXPECT_FALSE(Application->Terminated());
}

TEST_F(MainPanelTest, PanelCarriesTheSkinDataWithItsStoredValues)
{
    TSkinData& data = *Form1->SkinData1;
    EXPECT_EQ(data.Owner(), Form1);
    EXPECT_TRUE(data.Active());
    EXPECT_EQ(data.DisableTag(), 99);
    EXPECT_EQ(data.SkinControls(), DefaultSkinControls);
    EXPECT_FALSE(data.Skins(xcFastReport));
    EXPECT_EQ(data.Skin3rd().Lines(), DefaultSkin3rdRows());
    EXPECT_EQ(data.Skin3rd().Count(), 95);
    EXPECT_EQ(data.SkinStore(), L"(none)");  // stored as "(Good)", read as none at run time
    EXPECT_EQ(data.SkinFormtype(), sfMainform);
    EXPECT_TRUE(data.MenuUpdate());
    EXPECT_TRUE(data.SkinFile().empty());
    EXPECT_FALSE(data.SkinNotLoaded);
    EXPECT_EQ(data.SkinName, "Slate");
    EXPECT_EQ(data.MenuImages().Count(), 4);
    // The stored stream is the packed default skin the build spliced in.
    ASSERT_GE(data.StoredStream().size(), 4u);
    EXPECT_EQ(SkinManager->SkinDataList().size(), 1u);
    EXPECT_TRUE(SkinManager->HookInstalled());
    EXPECT_TRUE(SkinManager->Skinning());
}

TEST_F(MainPanelTest, PanelWearsTheSkinnedFrameAndButtons)
{
    TClassicColours classic;
    ShowPanel();
    Form1->speed->SetFocus(); // not the close button: it would look hot
    MoveMouseTo(Form1->ClientToScreen({5, Form1->ClientHeight() - 5}));
    RedrawWindow(Form1->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
    PumpIdle();
    auto shot = CaptureWindow(Form1->Handle());
    SaveScreenshot(*shot, "main-panel");
    RECT outer;
    GetWindowRect(Form1->Handle(), &outer);
    auto const inShot = [&](TControl& c) {
        POINT p = c.ClientToScreen({0, 0});
        return POINT {p.x - outer.left, p.y - outer.top};
    };
    // Every button wears frame 1 of the skin's button strip; the form wears
    // the skin's face inside the skinned frame.
    TBitmap& strip = Form1->SkinData1->Buttons->Bitmap;
    for (TControl* button : {static_cast<TControl*>(Form1->SpeedButton6), static_cast<TControl*>(Form1->SpeedButton9),
                             static_cast<TControl*>(Form1->BitBtn1)})
        EXPECT_TRUE(ShowsFrameCorner(*shot, inShot(*button), strip, 5, 1)) << button->Name();
    POINT origin = Form1->ClientOrigin();
    EXPECT_EQ(PixelOf(*shot, origin.x - outer.left + 5, origin.y - outer.top + 5),
              ColorToRGB(Form1->SkinData1->ButtonFaceColour));
    EXPECT_EQ(origin.x - outer.left, 15);
    EXPECT_EQ(origin.y - outer.top, 46);
}

// Hovering, pressing and releasing a nudge button and the close button with
// the real mouse: frames 4, 2, 4 while over it, 1 once the mouse is gone;
// the nudge is exact and the close button still closes.
TEST_F(MainPanelTest, ButtonsLightUpPressAndActWithTheRealMouse)
{
    TClassicColours classic;
    ShowPanel();
    Form1->speed->SetFocus();
    Form1->speed->SetPosition(4);
    TBitmap& strip = Form1->SkinData1->Buttons->Bitmap;
    ASSERT_FALSE(ShowsFrameCorner(strip, {0, 0}, strip, 5, 4)) << "frames 1 and 4 must differ to be told apart";
    ASSERT_FALSE(ShowsFrameCorner(strip, {strip.Width() / 5, 0}, strip, 5, 4));
    auto const looks = [&](TControl& c, int frame) {
        return PumpUntil([&] {
            POINT const p = c.ClientToScreen({0, 0});
            auto shot = CaptureScreen({p.x, p.y, p.x + 4, p.y + 4});
            return ShowsFrameCorner(*shot, {0, 0}, strip, 5, frame);
        });
    };
    const POINT away = Form1->ClientToScreen({5, Form1->ClientHeight() - 5});
    for (TControl* c : {static_cast<TControl*>(Form1->SpeedButton8), static_cast<TControl*>(Form1->BitBtn1)}) {
        const POINT middle = c->ClientToScreen({c->Width() / 2, c->Height() / 2});
        MoveMouseTo(away);
        EXPECT_TRUE(looks(*c, 1)) << c->Name();
        const int left = Form4->Left();
        MoveMouseTo(middle);
        EXPECT_TRUE(looks(*c, 4)) << c->Name() << " hot";
        if (c == Form1->SpeedButton8)
            SaveScreenshot(*CaptureWindow(Form1->Handle()), "main-panel-hot");
        MouseDownAt(middle);
        EXPECT_TRUE(looks(*c, 2)) << c->Name() << " pressed";
        if (c == Form1->SpeedButton8)
            SaveScreenshot(*CaptureWindow(Form1->Handle()), "main-panel-pressed");
        if (c == Form1->BitBtn1) {
            MouseUpAt(middle);
            ASSERT_TRUE(PumpUntil([] { return !IsWindowVisible(Form1->Handle()); }));
            break;
        }
        MouseUpAt(middle);
        EXPECT_TRUE(looks(*c, 4)) << c->Name() << " released";
        EXPECT_EQ(Form4->Left(), left + 7);
        MoveMouseTo(away);
        EXPECT_TRUE(looks(*c, 1)) << c->Name() << " left";
    }
}

TEST_F(MainPanelTest, SpeedSliderSetsTheStepFromTheKeyboard)
{
    ShowPanel();
    const int left = Form4->Left();
    Form1->speed->SetFocus();
    PostMessageW(Form1->speed->Handle(), WM_KEYDOWN, VK_END, 1);
    ASSERT_TRUE(PumpUntil([] { return Form1->speed->Position() == 10; }));
    ClickControl(*Form1->SpeedButton8);
    EXPECT_EQ(Form4->Left(), left + 13);
    PostMessageW(Form1->speed->Handle(), WM_KEYDOWN, VK_HOME, 1);
    ASSERT_TRUE(PumpUntil([] { return Form1->speed->Position() == 0; }));
    // Tab leaves the slider for the next control, as between any controls.
    Form1->speed->SetFocus();
    PostMessageW(Form1->speed->Handle(), WM_KEYDOWN, VK_TAB, 1);
    ASSERT_TRUE(PumpUntil([] { return !Form1->speed->Focused(); }));
    EXPECT_TRUE(Form1->BitBtn1->Focused());
}

// Keyboard users: Tab, Shift+Tab and the arrows go where they go without the
// skin, and every stop shows the focus.
TEST_F(MainPanelTest, FocusShowsOnEveryStopAndMovesAsUnskinned)
{
    ShowPanel();
    HWND const slider = Form1->speed->Handle();
    HWND const close = Form1->BitBtn1->Handle();
    auto const walk = [&] {
        std::vector<std::vector<HWND>> went {FocusCycle(slider, VK_TAB), FocusCycle(slider, VK_TAB, VK_SHIFT)};
        for (WORD key : {VK_RIGHT, VK_DOWN, VK_LEFT, VK_UP})
            went.push_back(FocusCycle(close, key, 0, 3));
        return went;
    };
    auto const skinned = walk();
    EXPECT_EQ(skinned[0].back(), slider);
    EXPECT_GE(skinned[0].size(), 2u);
    for (HWND w : skinned[0])
        EXPECT_TRUE(ShowsFocus(w, w == slider ? close : slider)) << WindowClassName(w);

    auto const wearsSkin = [] {
        TWinSkinForm const* form = SkinManager->FindSkinnedWindow(Form1->Handle());
        return form && form->SkinState() == ssSkinned;
    };
    Form1->SkinData1->SetActive(false);
    ASSERT_TRUE(PumpUntil([&] { return !wearsSkin(); }));
    EXPECT_EQ(walk(), skinned);
    Form1->SkinData1->SetActive(true);
    ASSERT_TRUE(PumpUntil(wearsSkin));
}

TEST_F(MainPanelTest, SpeedSliderScreenshots)
{
    TClassicColours classic;
    ShowPanel();
    TcxTrackBar& speed = *Form1->speed;
    auto& info = speed.TrackBarViewInfo();
    const int lefts[] = {7, 71, 135};
    const int positions[] = {0, 5, 10};
    for (int i = 0; i < 3; ++i) {
        speed.SetPosition(positions[i]);
        auto shot = Shown(speed);
        SaveSliderShot("speed-" + std::to_string(positions[i]));
        // The thumb's outline stands at its place; the ring shows the panel.
        const int x = 2 + lefts[i];
        EXPECT_EQ(PixelOf(*shot, x, 2 + 10), RGB(0, 0, 0)) << positions[i];
        EXPECT_EQ(PixelOf(*shot, x + 5, 2 + 10), RGB(212, 208, 200)) << positions[i];
        EXPECT_EQ(PixelOf(*shot, x + 5, 2 + 21), RGB(0, 0, 0)) << positions[i];
    }
    // The ring round the content is the panel's, outside the slider's region.
    PumpIdle();
    auto screen = CaptureWindow(speed.Handle());
    EXPECT_EQ(PixelOf(*screen, 0, 0), ColorToRGB(Form1->Color()));
    EXPECT_EQ(PixelOf(*screen, 2 + 135, 2 + 10), RGB(0, 0, 0));

    speed.SetPosition(5);
    const POINT onThumb = speed.ClientToScreen({2 + 71 + 5, 2 + 10});
    SendMouseInput(0, onThumb);
    ASSERT_TRUE(PumpUntil([&] { return info.IsThumbHot; }));
    auto hot = Shown(speed);
    SaveSliderShot("speed-hot");
    EXPECT_EQ(PixelOf(*hot, 2 + 76, 2 + 10), RGB(183, 191, 212));

    SendMouseInput(MOUSEEVENTF_LEFTDOWN, onThumb);
    ASSERT_TRUE(PumpUntil([&] { return info.IsThumbPressed; }));
    auto pressed = Shown(speed);
    SaveSliderShot("speed-pressed");
    EXPECT_EQ(PixelOf(*pressed, 2 + 76, 2 + 10), RGB(136, 147, 177));
    SendMouseInput(MOUSEEVENTF_LEFTUP, onThumb);
    ASSERT_TRUE(PumpUntil([&] { return !info.IsThumbPressed; }));
    EXPECT_EQ(speed.Position(), 5);

    SendMouseInput(0, {2, GetSystemMetrics(SM_CYSCREEN) - 2});
    ASSERT_TRUE(PumpUntil([&] { return !speed.MouseTracked(); }));
    PumpIdle();
}

} // namespace tandrel::test
