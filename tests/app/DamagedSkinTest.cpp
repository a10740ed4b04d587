// Tandrel whose stored skin is damaged (cut short): it starts, tells the
// user once why its windows look plain, and everything works unskinned.

#include "tests/app/ShellFixture.h"

#include "app/forms/Unit4.h"

namespace tandrel::test {

TEST(DamagedStoredSkin, TandrelStartsUnskinnedAndSaysWhyOnce)
{
    InitializeFramework();
    TShellRecorder recorder;
    recorder.Attach(); // before the panel reads its definition
    ASSERT_NO_THROW(StartApplication());
    ASSERT_NE(Form1, nullptr);
    ASSERT_EQ(recorder.Errors.size(), 1u);
    const std::string& error = recorder.Errors[0];
    EXPECT_EQ(error.rfind("The skin cannot be loaded: ", 0), 0u) << error;
    EXPECT_NE(error.find("truncated"), std::string::npos) << error;
    EXPECT_TRUE(Form1->SkinData1->SkinNotLoaded);
    EXPECT_FALSE(Form1->SkinData1->Active());

    // The overlay shows and the tray icon comes.
    StartUpTest::StartRunning();
    EXPECT_TRUE(IsWindowVisible(Form4->Handle()));
    ASSERT_FALSE(recorder.TrayCalls.empty());
    EXPECT_EQ(recorder.TrayCalls.front().Message, static_cast<DWORD>(NIM_ADD));

    // The tray shows the panel, in the system's own frame.
    SendMessageW(Form4->Handle(), WM_TRAYNOTIFY, 0, WM_LBUTTONDOWN);
    ASSERT_TRUE(PumpUntil([] { return IsWindowVisible(Form1->Handle()) && GetActiveWindow() == Form1->Handle(); }));
    PumpIdle();
    EXPECT_EQ(SkinManager->FindSkinnedWindow(Form1->Handle()), nullptr);
    EXPECT_NE(SendMessageW(Form1->Handle(), WM_SKINQUERY, 0, 0), 1);
    EXPECT_TRUE(GetWindowLongPtrW(Form1->Handle(), GWL_STYLE) & WS_SYSMENU);
    SaveScreenshot(*CaptureWindow(Form1->Handle()), "main-panel-damaged-skin");

    // The nudges move the overlay.
    int const left = Form4->Left();
    POINT const right = Form1->SpeedButton8->ClientToScreen({10, 10});
    ClickAt(right);
    EXPECT_EQ(Form4->Left(), left + 3);

    // About opens modally, unskinned, and closes.
    bool shown = false;
    RunSoon([&] {
        ASSERT_NE(Form2, nullptr);
        shown = IsWindowVisible(Form2->Handle()) && SendMessageW(Form2->Handle(), WM_SKINQUERY, 0, 0) != 1;
        PostMessageW(Form2->Handle(), WM_CLOSE, 0, 0);
    });
    RunSoon([] {
        if (Form2)
            PostMessageW(Form2->Handle(), WM_CLOSE, 0, 0);
    }, 5000);
    ClickAt(Form1->SpeedButton4->ClientToScreen({20, 20}));
    EXPECT_TRUE(shown);
    EXPECT_EQ(Form2, nullptr);
    EXPECT_EQ(recorder.Errors.size(), 1u); // said once, and nothing failed since
    CancelSoon();

    StopShell();
    recorder.Detach();
}

} // namespace tandrel::test
