// Start-up, the tray icon and the ways out.

#include "tests/app/ShellFixture.h"

#include "app/forms/TrayIcon.h"
#include "app/startup/SingleInstance.h"
#include "framework/core/KernelHandle.h"
#include "framework/core/ScopeGuard.h"
#include "framework/core/Streams.h"

#include <commctrl.h>

#include <cstring>
#include <filesystem>

namespace tandrel::test {

TEST_F(StartUpTest, StartUpCreatesTheOverlayFirstAndTheHiddenPanel)
{
    EXPECT_EQ(Application->Title(), L"Tandrel");
    wchar_t text[64];
    GetWindowTextW(Application->Handle(), text, 64);
    EXPECT_STREQ(text, L"Tandrel");
    GetClassNameW(Application->Handle(), text, 64);
    EXPECT_STREQ(text, L"TApplication");

    ASSERT_EQ(Application->MainForm(), Form4);
    ASSERT_TRUE(Form4->HandleAllocated());  // the main form's window exists from the start
    GetClassNameW(Form4->Handle(), text, 64);
    EXPECT_STREQ(text, L"TForm4");
    GetWindowTextW(Form4->Handle(), text, 64);
    EXPECT_STREQ(text, L"Form4");
    EXPECT_FALSE(Form1->Visible());
    EXPECT_FALSE(Form1->HandleAllocated() && IsWindowVisible(Form1->Handle()));
    EXPECT_EQ(Form1->Caption(), L"Tandrel");
    EXPECT_EQ(Screen->FormCount(), 2);
}

TEST_F(StartUpTest, FirstShowAddsTheTrayIconAndHidesTheTaskbarButton)
{
    StartRunning();
    ASSERT_EQ(m_trayCalls.size(), 1u);
    const TTrayCall& add = m_trayCalls[0];
    EXPECT_EQ(add.Message, static_cast<DWORD>(NIM_ADD));
    EXPECT_EQ(add.Record.cbSize, NOTIFYICONDATAA_V1_SIZE);
    if (sizeof(void*) == 4) {
        EXPECT_EQ(add.Record.cbSize, 88u);
    }
    EXPECT_EQ(add.Record.hWnd, Form4->Handle());
    EXPECT_EQ(add.Record.uID, 0u);
    EXPECT_EQ(add.Record.uFlags, 7u);
    EXPECT_EQ(add.Record.uCallbackMessage, 1124u);
    EXPECT_NE(add.Record.hIcon, nullptr);
    char expected[64] = "Welcome use Tandrel";
    EXPECT_EQ(std::memcmp(add.Record.szTip, expected, 64), 0);  // zero bytes up to 64

    HWND app = Application->Handle();
    EXPECT_FALSE(IsWindowVisible(app));
    EXPECT_TRUE(GetWindowLongPtrW(app, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(Form4->Visible());
    EXPECT_TRUE(m_errors.empty());
}

// The test program's folder has no icon of its own (its working directory has).
TEST_F(StartUpTest, MissingIconIsReportedAndNoTrayIconIsAdded)
{
    auto saved = std::filesystem::current_path();
    auto empty = std::filesystem::temp_directory_path() / "tandrel-no-icon";
    std::filesystem::create_directories(empty);
    std::filesystem::remove(empty / "mouse.ico");
    std::filesystem::current_path(empty);
    StartRunning();
    std::filesystem::current_path(saved);

    ASSERT_EQ(m_errors.size(), 1u);
    const std::string fullPath = WideToUtf8((empty / "mouse.ico").wstring());
    EXPECT_NE(m_errors[0].find(fullPath), std::string::npos) << m_errors[0];
    const std::string besideProgram = WideToUtf8(ProgramFolder() + L"\\mouse.ico");
    EXPECT_NE(m_errors[0].find(besideProgram), std::string::npos) << m_errors[0];
    EXPECT_NE(m_errors[0].find(SysErrorMessage(ERROR_FILE_NOT_FOUND)), std::string::npos) << m_errors[0];
    EXPECT_TRUE(m_trayCalls.empty());
    EXPECT_TRUE(IsWindowVisible(Form4->Handle()));  // the overlay is shown all the same
    HWND app = Application->Handle();
    EXPECT_TRUE(IsWindowVisible(app));              // the taskbar button stays
    EXPECT_FALSE(GetWindowLongPtrW(app, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
}

TEST_F(StartUpTest, UnreadableIconIsReportedLikeAMissingOne)
{
    auto saved = std::filesystem::current_path();
    auto dir = std::filesystem::temp_directory_path() / "tandrel-bad-icon";
    std::filesystem::create_directories(dir);
    {
        TFileStream f((dir / "mouse.ico").wstring(), TFileStream::TMode::fmCreate);
        f.WriteBuffer("not an icon at all", 18);
    }
    std::filesystem::current_path(dir);
    StartRunning();
    std::filesystem::current_path(saved);

    ASSERT_EQ(m_errors.size(), 1u);
    EXPECT_NE(m_errors[0].find("Icon image is not valid"), std::string::npos) << m_errors[0];
    EXPECT_TRUE(m_trayCalls.empty());
    EXPECT_TRUE(IsWindowVisible(Application->Handle()));
}

namespace {

// Frame and client paints that get past the skin to the panel's own
// procedure, and how many of them came before its skin was on and cut.
struct TPaintRecord {
    int Paints = 0;
    int Unskinned = 0;
};

LRESULT CALLBACK RecordPaints(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data)
{
    if (msg == WM_PAINT || msg == WM_NCPAINT) {
        auto& record = *reinterpret_cast<TPaintRecord*>(data);
        TWinSkinForm const* skin = SkinManager->FindSkinnedWindow(window);
        ++record.Paints;
        if (!skin || skin->SkinState() != ssSkinned || !skin->HasRegion())
            ++record.Unskinned;
    }
    return DefSubclassProc(window, msg, wParam, lParam);
}

} // namespace

// The panel is skinned, fitted and cut before it first shows: it is never
// painted in the system's frame, and it keeps its designed client area.
TEST_F(StartUpTest, TrayClickPaintsThePanelOnlyInItsSkin)
{
    StartRunning();
    MoveMouseTo({2, GetSystemMetrics(SM_CYSCREEN) - 2}); // nothing lights up
    HWND const panel = Form1->Handle();
    TPaintRecord record;
    ASSERT_TRUE(SetWindowSubclass(panel, RecordPaints, 1, reinterpret_cast<DWORD_PTR>(&record)));
    auto const unhook = OnScopeExit([&] { RemoveWindowSubclass(panel, RecordPaints, 1); });
    SendMessageW(Form4->Handle(), WM_TRAYNOTIFY, 0, WM_LBUTTONDOWN);
    ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(panel) && !GetUpdateRect(panel, nullptr, FALSE); }));
    PumpIdle();
    EXPECT_GT(record.Paints, 0);
    EXPECT_EQ(record.Unskinned, 0);
    ExpectSkinnedWindowOfDesignedSize(panel, 505, 410);

    // The frame composed while hidden shows what one composed afresh does.
    auto const shown = [panel] {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 0, QS_ALLINPUT); // Wine copies to the screen
        return CaptureWindow(panel);
    };
    auto const first = shown();
    SaveScreenshot(*first, "main-panel-first-shown");
    SkinManager->FindSkinnedWindow(panel)->ComputeFrameGeometry(); // drops the kept pictures
    RedrawWindow(panel, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpIdle();
    EXPECT_EQ(DifferingPixels(*first, *shown()), 0);
}

TEST_F(ShellTest, TrayLeftButtonShowsThePanelAndOtherMessagesDoNothing)
{
    HidePanel();
    for (LPARAM other : {WM_LBUTTONDBLCLK, WM_LBUTTONUP, WM_RBUTTONUP, WM_MOUSEMOVE}) {
        SendMessageW(Form4->Handle(), WM_TRAYNOTIFY, 0, other);
        PumpIdle();
        EXPECT_FALSE(Form1->Visible()) << "tray message " << other;
    }
    ShowPanel();
    EXPECT_TRUE(Form1->Visible());
    EXPECT_EQ(GetActiveWindow(), Form1->Handle());
}

TEST_F(ShellTest, TrayRightButtonPopsTheMenuUpAtTheCursor)
{
    HidePanel();
    const POINT cursor {600, 400};
    MoveMouseTo(cursor);
    RECT menuRect {};
    int items = 0;
    RunInModalLoop([&] {
        HWND menu = FindWindowW(L"#32768", nullptr);
        if (menu && IsWindowVisible(menu)) {
            GetWindowRect(menu, &menuRect);
            items = GetMenuItemCount(Form4->PopupMenu1->Handle());
        }
        EndMenu();
    });
    SendMessageW(Form4->Handle(), WM_TRAYNOTIFY, 0, WM_RBUTTONDOWN);
    EXPECT_EQ(menuRect.left, cursor.x);
    EXPECT_EQ(menuRect.top, cursor.y);
    EXPECT_EQ(items, 3);
    PumpIdle();
    EXPECT_FALSE(Form1->Visible());
}

TEST_F(ShellTest, TrayMenuBelongsToTheForegroundAndClosesOnAClickOutside)
{
    HidePanel();
    bool shown = false, inFront = false, forced = false;
    RunSoon([&] {
        HWND menu = FindWindowW(L"#32768", nullptr);
        shown = menu && IsWindowVisible(menu);
        inFront = GetForegroundWindow() == PopupListWindow();
        // On the bare desktop, far from the menu; the menu's own loop takes it.
        SendMouseInput(MOUSEEVENTF_LEFTDOWN, {1200, 1000});
        SendMouseInput(MOUSEEVENTF_LEFTUP, {1200, 1000});
    }, 100);
    RunSoon([&] {
        forced = true;
        EndMenu();
    }, 5000);
    SendMessageW(Form4->Handle(), WM_TRAYNOTIFY, 0, WM_RBUTTONDOWN);
    CancelSoon();
    EXPECT_TRUE(shown);
    EXPECT_TRUE(inFront);
    EXPECT_FALSE(forced) << "the menu stayed open after a click outside it";
    EXPECT_FALSE(Form1->Visible());
}

TEST_F(ShellTest, TaskbarCreatedAddsTheIconAgain)
{
    PostMessageW(Form4->Handle(), TaskbarCreatedMessage(), 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return !m_trayCalls.empty(); }));
    ASSERT_EQ(m_trayCalls.size(), 1u);
    EXPECT_EQ(m_trayCalls[0].Message, static_cast<DWORD>(NIM_ADD));
    EXPECT_EQ(m_trayCalls[0].Record.hWnd, Form4->Handle());
    EXPECT_EQ(m_trayCalls[0].Record.uCallbackMessage, 1124u);
    EXPECT_EQ(m_trayCalls[0].Record.hIcon, TrayRecord().hIcon);
}

TEST_F(ShellTest, ASecondStartShowsTheRunningPanelAndEndsWithZero)
{
    HidePanel();
    TSingleInstance first;  // this process plays the running Tandrel
    ASSERT_TRUE(first.First());
    EXPECT_FALSE(TSingleInstance().First());

    std::wstring command = L"\"Z:" + Utf8ToWide(TANDREL_EXE) + L"\"";
    for (wchar_t& c : command)
        if (c == L'/')
            c = L'\\';
    STARTUPINFOW startup {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info {};
    ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        << WideToUtf8(command);
    TKernelHandle process(info.hProcess);
    TKernelHandle thread(info.hThread);
    const bool ended = PumpUntil([&] { return WaitForSingleObject(process.Get(), 0) == WAIT_OBJECT_0; }, 30000);
    if (!ended)
        TerminateProcess(process.Get(), 99);
    ASSERT_TRUE(ended) << "the second start kept running";
    DWORD code = 1;
    GetExitCodeProcess(process.Get(), &code);
    EXPECT_EQ(code, 0u);
    EXPECT_TRUE(PumpUntil([] { return IsWindowVisible(Form1->Handle()) != FALSE; }));
    EXPECT_TRUE(m_trayCalls.empty());  // no second icon
}

TEST_F(ShellTest, TrayMenuHasItsThreeItemsInOrder)
{
    HidePanel();
    TPopupMenu& menu = *Form4->PopupMenu1;
    ASSERT_EQ(menu.Items().Count(), 3);
    EXPECT_EQ(menu.Items().Items(0), Form4->y1);
    EXPECT_EQ(Form4->y1->Caption(), L"Tandrel主窗口...");
    EXPECT_EQ(Form4->About1->Caption(), L"关于本软件...");
    EXPECT_EQ(Form4->N1->Caption(), L"退出");

    Form4->y1->Click();
    EXPECT_TRUE(PumpUntil([] { return IsWindowVisible(Form1->Handle()) != FALSE; }));
}

TEST_F(ShellTest, ExitFromTheTrayMenuDeletesTheIconThenEnds)
{
    // Choose the last item with the keyboard, in the system's own menu loop.
    RunInModalLoop([] {
        INPUT keys[4] {};
        for (auto& k : keys)
            k.type = INPUT_KEYBOARD;
        keys[0].ki.wVk = keys[1].ki.wVk = VK_UP;
        keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
        keys[2].ki.wVk = keys[3].ki.wVk = VK_RETURN;
        keys[3].ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(4, keys, sizeof(INPUT));
    });
    SendMessageW(Form4->Handle(), WM_TRAYNOTIFY, 0, WM_RBUTTONDOWN);
    ASSERT_TRUE(PumpUntil([] { return Application->Terminated(); }));
    ASSERT_EQ(m_trayCalls.size(), 1u);
    EXPECT_EQ(m_trayCalls[0].Message, static_cast<DWORD>(NIM_DELETE));
    EXPECT_EQ(m_trayCalls[0].Record.hWnd, Form4->Handle());
    EXPECT_EQ(m_trayCalls[0].Record.uID, 0u);
}

TEST_F(ShellTest, CloseApplicationButtonDeletesTheIconThenEnds)
{
    ShowPanel();
    ClickControl(*Form1->SpeedButton3);
    ASSERT_TRUE(PumpUntil([] { return Application->Terminated(); }));
    ASSERT_EQ(m_trayCalls.size(), 1u);
    EXPECT_EQ(m_trayCalls[0].Message, static_cast<DWORD>(NIM_DELETE));
}

// The installer and uninstaller post it before they touch the program's files.
TEST_F(ShellTest, ExitRequestEndsItAsTheTrayMenuExitDoes)
{
    HidePanel();
    EXPECT_EQ(ExitRequestMessage(), RegisterWindowMessageW(L"Tandrel.Exit"));
    PostMessageW(Form4->Handle(), ExitRequestMessage(), 0, 0);
    ASSERT_TRUE(PumpUntil([] { return Application->Terminated(); }));
    ASSERT_EQ(m_trayCalls.size(), 1u);
    EXPECT_EQ(m_trayCalls[0].Message, static_cast<DWORD>(NIM_DELETE));
    EXPECT_EQ(m_trayCalls[0].Record.hWnd, Form4->Handle());
}

TEST_F(ShellTest, ExitRequestEndsTheAboutWindowsModalLoopToo)
{
    bool posted = false;
    RunInModalLoop([&] {
        ASSERT_NE(Form2, nullptr);
        posted = PostMessageW(Form4->Handle(), ExitRequestMessage(), 0, 0) != FALSE;
    });
    Form4->About1->Click();  // returns only when its modal loop has ended
    EXPECT_TRUE(posted);
    EXPECT_EQ(Form2, nullptr);
    EXPECT_TRUE(Application->Terminated());
    ASSERT_EQ(m_trayCalls.size(), 1u);
    EXPECT_EQ(m_trayCalls[0].Message, static_cast<DWORD>(NIM_DELETE));
}

TEST_F(ShellTest, AnExceptionInAHandlerReachesTheErrorBoxAndTheLoopGoesOn)
{
    ShowPanel();
    Form1->SpeedButton1->OnClick = [](TObject*) { throw EInvalidOperation("Something went wrong"); };
    ClickControl(*Form1->SpeedButton1);
    ASSERT_EQ(m_errors.size(), 1u);
    EXPECT_EQ(m_errors[0], "Something went wrong");
    const int left = Form4->Left();
    ClickControl(*Form1->SpeedButton8);
    EXPECT_EQ(Form4->Left(), left + 3);
}

} // namespace tandrel::test
