// Starting the program when its second-mouse binding cannot be made.

#include "tests/app/ShellFixture.h"

#include "framework/graphics/GdiObjects.h"

#include "app/mouse/MouseBinding.h"

namespace tandrel::test {

namespace {

// Refuses the binding's message window, as a system out of resources would.
LRESULT CALLBACK RefuseBindingWindow(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND) {
        wchar_t name[32] {};
        GetClassNameW(reinterpret_cast<HWND>(wParam), name, 32);
        if (wcscmp(name, L"TMouseBinding") == 0)
            return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

class TandrelStartTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        StopShell();
        m_recorder.Detach();
    }
    TShellRecorder m_recorder;
};

} // namespace

TEST_F(TandrelStartTest, WithoutItsSecondMouseTheProgramRunsAndSaysWhyOnce)
{
    ForgetStoredMouse();
    InitializeFramework();
    m_recorder.Attach();
    {
        THookHandle hook;
        hook.Reset(SetWindowsHookExW(WH_CBT, RefuseBindingWindow, nullptr, GetCurrentThreadId()));
        ASSERT_TRUE(hook.Get());
        EXPECT_NO_THROW(StartApplication());
    }
    EXPECT_EQ(MouseBinding, nullptr);
    ASSERT_EQ(m_recorder.Errors.size(), 1u);
    ASSERT_NE(Form4, nullptr);
    ASSERT_NE(Form1, nullptr);
    StartUpTest::StartRunning();
    EXPECT_TRUE(IsWindowVisible(Form4->Handle()));
    EXPECT_EQ(m_recorder.TrayCalls.size(), 1u);

    // The panel's mouse buttons do nothing and say nothing more.
    Form1->Show();
    PumpIdle();
    Form1->SpeedButton1->Click();
    Form1->SpeedButton2->Click();
    PumpIdle();
    EXPECT_EQ(m_recorder.Errors.size(), 1u);
    EXPECT_EQ(Screen->FormCount(), 2); // no prompt was opened
}

} // namespace tandrel::test
