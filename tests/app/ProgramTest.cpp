// The real program, copied into a folder of its own and started from
// another one, as a Start-menu shortcut, a sign-in entry or a search result
// starts it; and ended by the request the installer sends.

#include "framework/core/SysUtils.h"
#include "framework/graphics/ScreenCapture.h"
#include "skin/data/SkinMessages.h"
#include "tests/support/ProgramRun.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace tandrel::test {

namespace fs = std::filesystem;

namespace {

bool HasPixel(TBitmap& shot, const std::function<bool(COLORREF)>& wanted)
{
    for (int y = 0; y < shot.Height(); ++y)
        for (int x = 0; x < shot.Width(); ++x)
            if (wanted(PixelOf(shot, x, y)))
                return true;
    return false;
}
bool HasWhitePixel(TBitmap& shot)
{
    return HasPixel(shot, [](COLORREF c) { return c == RGB(255, 255, 255); });
}
bool HasDarkPixel(TBitmap& shot)
{
    return HasPixel(shot, [](COLORREF c) { return GetRValue(c) < 80 && GetGValue(c) < 80 && GetBValue(c) < 80; });
}

RECT ClientRectOnScreen(HWND window)
{
    RECT client {};
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return client;
}

// Where the overlay comes up: its designed place, and a margin round it.
constexpr RECT kAroundOverlay {215, 184, 255 + 127 + 40, 224 + 116 + 40};

class ProgramElsewhereTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_root = fs::current_path() / "program-elsewhere";
        fs::remove_all(m_root);
        fs::create_directories(m_program = m_root / "program");
        fs::create_directories(m_elsewhere = m_root / "elsewhere");
        fs::copy_file(WindowsPathOf(TANDREL_EXE), m_program / "Tandrel.exe");
    }

    void PutIconBesideProgram()
    {
        fs::copy_file(fs::path(WindowsPathOf(TANDREL_APP_PICTURES)) / "mouse.ico", m_program / "mouse.ico");
    }
    std::wstring CommandLine() const { return L"\"" + (m_program / "Tandrel.exe").wstring() + L"\""; }

    // Ends it as the installer does, and sees it go cleanly.
    static void ExpectEndsOnExitRequest(TProgramRun& tandrel)
    {
        ASSERT_TRUE(PostExitRequest(tandrel.Id()));
        ASSERT_TRUE(tandrel.WaitForExit()) << "the exit request did not end Tandrel";
        EXPECT_EQ(tandrel.ExitCode(), 0u);
    }

    fs::path m_root, m_program, m_elsewhere;
};

} // namespace

TEST_F(ProgramElsewhereTest, StartedFromAnotherFolderItReadsItsIconBesideItself)
{
    PutIconBesideProgram();
    // A plain backdrop first, so the arrow comes up over it as a user sees it.
    TBackdrop backdrop(kAroundOverlay, RGB(0, 200, 0));
    PumpIdle();
    TProgramRun tandrel(CommandLine(), m_elsewhere.wstring());
    ASSERT_TRUE(tandrel.Started()) << "error " << tandrel.Error();
    const DWORD id = tandrel.Id();
    ASSERT_TRUE(PumpUntil([&] { return ShowsOverlayAndTrayIcon(id) || !MessageBoxText(id).empty(); }, 60000));
    EXPECT_EQ(MessageBoxText(id), L"");
    EXPECT_TRUE(ShowsOverlayAndTrayIcon(id));

    PumpUntil([&] { return HasWhitePixel(*CaptureScreen(kAroundOverlay)); });
    SaveScreenshot(*CaptureScreen(kAroundOverlay), "tandrel-started-elsewhere");

    ExpectEndsOnExitRequest(tandrel);
}

TEST_F(ProgramElsewhereTest, WithTheIconNowhereTheErrorNamesBothPlacesAndItRunsOn)
{
    TProgramRun tandrel(CommandLine(), m_elsewhere.wstring());
    ASSERT_TRUE(tandrel.Started()) << "error " << tandrel.Error();
    const DWORD id = tandrel.Id();
    ASSERT_TRUE(PumpUntil([&] { return !MessageBoxText(id).empty(); }, 60000));
    const std::string text = WideToUtf8(MessageBoxText(id));
    EXPECT_NE(text.find(WideToUtf8((m_elsewhere / "mouse.ico").wstring())), std::string::npos) << text;
    EXPECT_NE(text.find(WideToUtf8((m_program / "mouse.ico").wstring())), std::string::npos) << text;
    HWND box = FindProcessWindow(id, L"#32770");
    // Skinned, and then its text drawn in the skinned place.
    PumpUntil([&] {
        DWORD_PTR skinned = 0;
        SendMessageTimeoutW(box, WM_SKINQUERY, 0, 0, SMTO_ABORTIFHUNG, 1000, &skinned);
        return skinned == 1 && HasDarkPixel(*CaptureScreen(ClientRectOnScreen(box)));
    });
    SaveScreenshot(*CaptureWindow(box), "tandrel-icon-nowhere");

    PostMessageW(FindProcessWindow(id, L"#32770"), WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(PumpUntil([&] { return MessageBoxText(id).empty(); }));
    // The show the error interrupted goes on: the overlay comes up without its tray icon.
    EXPECT_TRUE(PumpUntil([&] {
        HWND overlay = FindProcessWindow(id, L"TForm4", L"Form4");
        return overlay && IsWindowVisible(overlay);
    }));
    EXPECT_TRUE(tandrel.Running());
    EXPECT_FALSE(ShowsOverlayAndTrayIcon(id));  // no tray icon, so it keeps its taskbar button

    ExpectEndsOnExitRequest(tandrel);
}

} // namespace tandrel::test
