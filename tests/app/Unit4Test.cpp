// The pointer overlay at start-up: never activated, and the icon it shows in
// the tray freed with it.

#include "tests/app/ShellFixture.h"

#include "framework/graphics/GdiObjects.h"
#include "tests/support/DpiFigures.h"

namespace tandrel::test {

namespace {

HWND g_overlay = nullptr;
int g_overlayActivations = 0;

LRESULT CALLBACK CountActivations(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE && reinterpret_cast<HWND>(wParam) == g_overlay)
        ++g_overlayActivations;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

TEST_F(StartUpTest, TheOverlayIsNeverActivatedAtStartUp)
{
    g_overlay = Form4->Handle();
    g_overlayActivations = 0;
    THookHandle hook;
    hook.Reset(SetWindowsHookExW(WH_CBT, CountActivations, nullptr, GetCurrentThreadId()));
    ASSERT_TRUE(hook.Get());
    StartRunning();
    EXPECT_TRUE(IsWindowVisible(Form4->Handle()));
    EXPECT_EQ(g_overlayActivations, 0);
    EXPECT_NE(GetActiveWindow(), Form4->Handle());
    EXPECT_NE(GetForegroundWindow(), Form4->Handle());
    // Showing it again does not activate it either.
    Form4->Show();
    PumpIdle();
    EXPECT_EQ(g_overlayActivations, 0);
    g_overlay = nullptr;
}

TEST_F(StartUpTest, TheTrayIconsPictureIsFreedWithTheOverlay)
{
    StartRunning();
    ASSERT_EQ(m_trayCalls.size(), 1u);
    HICON const shown = m_trayCalls[0].Record.hIcon;
    ICONINFO info {};
    ASSERT_TRUE(GetIconInfo(shown, &info));
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    StopShell();
    EXPECT_FALSE(GetIconInfo(shown, &info));
}

// The tray shows an icon made at the system's small-icon size, at 96 and
// at other densities, rather than one the shell has to shrink or stretch.
TEST_F(StartUpTest, TheTrayIconIsMadeAtTheSmallIconSize)
{
    for (int dpi : {96, 144}) {
        StopShell();
        TPinnedDpi pinned(dpi);
        m_trayCalls.clear();
        StartApplication();
        StartRunning();
        ASSERT_FALSE(m_trayCalls.empty());
        const SIZE size = IconSizeOf(m_trayCalls.back().Record.hIcon);
        EXPECT_EQ(size.cx, dpi == 96 ? GetSystemMetrics(SM_CXSMICON) : 24) << dpi;
        EXPECT_EQ(size.cy, size.cx) << dpi;
    }
}

} // namespace tandrel::test
