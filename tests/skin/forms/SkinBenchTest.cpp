// A bench of forms beside Tandrel's own, each skinned or left alone as the
// engine's rules say, saved as screenshots active and inactive: a sizable
// form with minimise and maximise boxes, a fixed dialog, a borderless
// pop-up, a form tagged 99, an MDI frame with children, and a system
// message box.

#include "tests/skin/forms/SkinFormFixture.h"

#include "skin/menus/WinSkinMenu.h"
#include "tools/skinview/pages/ControlsPage.h"
#include "tools/skinview/pages/EditsPage.h"
#include "tools/skinview/pages/TabsPage.h"

namespace tandrel::test {

namespace {

// A window to activate so that the others show their inactive look.
class TActivator {
public:
    TActivator()
    {
        m_window = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 1100, 900, 40, 40, nullptr,
                                   nullptr, GetModuleHandleW(nullptr), nullptr);
    }
    ~TActivator() { DestroyWindow(m_window); }
    void Activate() const
    {
        SetForegroundWindow(m_window);
        SetActiveWindow(m_window);
        PumpUntil([&] { return GetActiveWindow() == m_window; });
        PumpIdle();
    }

private:
    HWND m_window = nullptr;
};

TMainMenu* BenchMenu(TBenchForm& form)
{
    auto* menu = new TMainMenu(&form);
    for (const wchar_t* caption : {L"&File", L"&Edit", L"&Window", L"&Help"}) {
        auto* item = new TMenuItem(&form);
        item->SetCaption(caption);
        auto* sub = new TMenuItem(&form);
        sub->SetCaption(L"&Item");
        item->Add(sub);
        menu->Items().Add(item);
    }
    return menu;
}

} // namespace

class SkinBenchTest : public TSkinFormTest {};

// Skinning and unskinning each page of controls a hundred times leaves no
// GDI object and no skinner behind, and gives each control its colour back.
TEST_F(SkinBenchTest, SkinCyclesOnEveryPageLeaveNothingBehind)
{
    auto const cycled = [&](const std::function<void(TBenchForm&)>& build,
                            const std::function<void(TWinSkinForm&)>& check) {
        TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable, 640, 420);
        build(*form);
        ShowSkinned(*form);
        if (TWinSkinForm* skin = ExpectSkinCyclesLeaveNothing(*form))
            check(*skin);
        FreeForm(form);
    };
    TMemo* memo = nullptr;
    cycled([&](TBenchForm& form) { (memo = BuildControlsPage(form).Memo)->SetColor(clYellow); },
           [&](TWinSkinForm&) { EXPECT_EQ(memo->Color(), clYellow); });  // scroll bars leave the colour alone
    // The spin buttons inside the edit and inside the spinning date picker are adopted.
    cycled([](TBenchForm& form) { BuildEditsPage(form); },
           [](TWinSkinForm& skin) { EXPECT_EQ(skin.Skinners().AdoptedCount(), 2u); });
    cycled([](TBenchForm& form) { BuildTabsPage(form); }, [](TWinSkinForm&) {});
}

TEST_F(SkinBenchTest, BenchFormsActiveAndInactive)
{
    TActivator activator;
    TBenchForm* sizable = MakeForm(TFormBorderStyle::bsSizeable, 300, 200, L"Sizable with boxes");
    sizable->Icon().LoadFromFile(L"app.ico");
    sizable->SetLeft(40);
    TBenchForm* dialog = MakeForm(TFormBorderStyle::bsDialog, 260, 120, L"Fixed dialog");
    dialog->SetLeft(420);
    TBenchForm* popup = MakeForm(TFormBorderStyle::bsNone, 160, 90, L"Borderless popup");
    popup->SetBounds(760, 100, 160, 90);
    TBenchForm* tagged = MakeForm(TFormBorderStyle::bsSizeable, 200, 100, L"Tag 99");
    tagged->SetTag(99);
    tagged->SetBounds(760, 300, tagged->Width(), tagged->Height());

    struct TBench {
        TBenchForm* Form;
        const char* Name;
        bool Skinned;
    } const bench[] = {
        {sizable, "bench-sizable", true},
        {dialog, "bench-dialog", true},
        {popup, "bench-popup", true},
        {tagged, "bench-tag99", false},
    };
    for (const auto& b : bench) {
        if (b.Skinned) {
            ASSERT_NE(ShowSkinned(*b.Form), nullptr) << b.Name;
        } else {
            b.Form->Show();
            ASSERT_TRUE(PumpUntil([&] { return GetActiveWindow() == b.Form->Handle(); }));
            PumpIdle();
            EXPECT_EQ(SkinOf(b.Form->Handle()), nullptr) << b.Name;
        }
        auto shot = Shot(b.Form->Handle());
        SaveScreenshot(*shot, std::string(b.Name) + "-active");
    }
    activator.Activate();
    for (const auto& b : bench) {
        if (b.Skinned) {
            EXPECT_FALSE(SkinOf(b.Form->Handle())->Active()) << b.Name;
        }
        auto shot = Shot(b.Form->Handle());
        SaveScreenshot(*shot, std::string(b.Name) + "-inactive");
    }
    EXPECT_EQ(SkinOf(popup->Handle())->BorderClass(), bcBorderless);
    EXPECT_EQ(SkinOf(dialog->Handle())->BorderClass(), bcEdged);
}

TEST_F(SkinBenchTest, AnMdiFrameAndItsChildren)
{
    TBenchForm* frame = MakeForm(TFormBorderStyle::bsSizeable, 520, 320, L"MDI frame");
    frame->SetFormStyle(TFormStyle::fsMDIForm);
    frame->SetLeft(60);
    frame->SetMenu(BenchMenu(*frame));
    TWinSkinForm* skin = ShowSkinned(*frame);
    ASSERT_NE(skin, nullptr);
    EXPECT_EQ(skin->FormKind(), fkMdiFrame);
    EXPECT_EQ(skin->MdiClient(), frame->ClientHandle());
    ASSERT_NE(skin->MenuBar(), nullptr);
    EXPECT_EQ(skin->MenuBar()->Items().size(), 4u);
    EXPECT_EQ(GetMenu(frame->Handle()), nullptr);

    auto child = [&](const wchar_t* caption, int left) {
        auto* form = TCustomForm::Create<TBenchForm>(frame); // owned, and freed, by the frame
        form->SetFormStyle(TFormStyle::fsMDIChild);
        form->SetCaption(caption);
        form->SetBounds(left, 10, 220, 150);
        form->Show();
        return form;
    };
    TBenchForm* first = child(L"First child", 10);
    TBenchForm* second = child(L"Second child", 240);
    // Made by the MDI client, each child is skinned when the client refreshes its menu.
    ASSERT_TRUE(PumpUntil([&] {
        return SkinOf(first->Handle()) && SkinOf(second->Handle()) &&
               SkinOf(first->Handle())->SkinState() == ssSkinned && SkinOf(second->Handle())->SkinState() == ssSkinned;
    }));
    EXPECT_EQ(SkinOf(first->Handle())->FormKind(), fkMdiChild);
    EXPECT_EQ(SkinManager->CountMdiChildren(), 2);
    EXPECT_FALSE(Skin().MenuUpdate()); // off while the frame has children
    PumpIdle();
    auto shot = Shot(frame->Handle());
    SaveScreenshot(*shot, "bench-mdi");

    // Maximising a child: the system shows it its own way and the frame's
    // menu strip carries the MDI buttons.
    SendMessageW(frame->ClientHandle(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(second->Handle()), 0);
    ASSERT_TRUE(PumpUntil([&] { return IsZoomed(second->Handle()) && SkinManager->MdiMax(); }));
    PumpIdle();
    EXPECT_TRUE(skin->ActiveMdiChildMaximized());
    EXPECT_FALSE(SkinOf(second->Handle())->HasRegion());
    std::vector<TWinSysButton*> mdiButtons;
    for (const auto& b : skin->CaptionButtons())
        if (b->Object.Visibility == cvMdiButton && b->Enabled)
            mdiButtons.push_back(b.get());
    ASSERT_EQ(mdiButtons.size(), 3u);
    RECT outer;
    GetWindowRect(frame->Handle(), &outer);
    for (TWinSysButton* b : mdiButtons) {
        EXPECT_GE(b->Rect.top, kCaption);
        EXPECT_LE(b->Rect.bottom, kCaption + skin->FrameSizes().MenuBar);
        EXPECT_GT(b->Rect.left, outer.right - outer.left - 90);
    }
    shot = Shot(frame->Handle());
    SaveScreenshot(*shot, "bench-mdi-maximised");
    // The maximised child is painted over the whole client area, beyond the
    // shape it had before.
    RECT client;
    GetWindowRect(frame->ClientHandle(), &client);
    EXPECT_EQ(PixelOf(*shot, client.right - outer.left - 20, client.bottom - outer.top - 20),
              ColorToRGB(second->Color()));
    // The buttons show in the strip: the pixels there are no longer the strip's own.
    TWinSysButton* close = mdiButtons[2];
    EXPECT_EQ(close->Object.Action, 9);

    // The restore button (action 8) gives the child its normal size and look back.
    ClickAt(ScreenOf(frame->Handle(), {(mdiButtons[1]->Rect.left + mdiButtons[1]->Rect.right) / 2,
                                       (mdiButtons[1]->Rect.top + mdiButtons[1]->Rect.bottom) / 2}));
    ASSERT_TRUE(PumpUntil([&] { return !IsZoomed(second->Handle()) && !SkinManager->MdiMax(); }));
    PumpIdle();
    EXPECT_TRUE(SkinOf(second->Handle())->HasRegion());
    EXPECT_FALSE(GetWindowLongPtrW(second->Handle(), GWL_STYLE) & WS_SYSMENU);

    // Closing the last child gives the frame its menu updates back.
    FreeForm(second);
    FreeForm(first);
    EXPECT_TRUE(Skin().MenuUpdate());
    EXPECT_EQ(skin->MenuBar()->Items().size(), 4u);
}

TEST_F(SkinBenchTest, ASystemMessageBoxIsSkinnedWhenActivated)
{
    bool skinned = false;
    bool checked = false;
    RunSoon([&] {
        HWND box = FindWindowW(L"#32770", L"Bench message");
        ASSERT_NE(box, nullptr);
        skinned = PumpUntil([&] { return SkinOf(box) && SkinOf(box)->SkinState() == ssSkinned; });
        if (skinned) {
            TWinSkinForm* skin = SkinOf(box);
            EXPECT_EQ(skin->Form(), nullptr);
            EXPECT_EQ(skin->Owner(), nullptr);
            auto shot = Shot(box);
            SaveScreenshot(*shot, "bench-messagebox-active");
            RECT outer;
            GetWindowRect(box, &outer);
            POINT origin {0, 0};
            ClientToScreen(box, &origin);
            EXPECT_EQ(origin.x - outer.left, kLeft);
            EXPECT_EQ(origin.y - outer.top, kCaption);
        }
        checked = true;
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    }, 200);
    RunSoon([] {
        if (HWND box = FindWindowW(L"#32770", L"Bench message"))
            PostMessageW(box, WM_CLOSE, 0, 0);
    }, 8000);
    int const answer = MessageBoxW(nullptr, L"A system message box wears the skin too.", L"Bench message", MB_OK);
    EXPECT_EQ(answer, IDOK);
    EXPECT_TRUE(checked);
    EXPECT_TRUE(skinned);
}

} // namespace tandrel::test
