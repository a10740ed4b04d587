// The application shell started as the program starts it, and what it hands
// to the notification area, the shell and the error box.

#include "tests/app/ShellFixture.h"

#include "app/mouse/MouseBinding.h"
#include "framework/core/Registry.h"
#include "skin/engine/SkinManage.h"
#include "skin/forms/WinSkinForm.h"
#include "skin/menus/WinSkinPopMenu.h"

namespace tandrel::test {

void TShellRecorder::Attach()
{
    SetTrayObserver([this](DWORD message, const NOTIFYICONDATAA& record) { TrayCalls.push_back({message, record}); });
    SetShellOpenObserver([this](HWND, const std::wstring& address) { Opened.push_back(address); });
    if (Application)
        Application->OnException = [this](TObject*, const std::string& message) { Errors.push_back(message); };
}

void TShellRecorder::Detach()
{
    SetTrayObserver(nullptr);
    SetShellOpenObserver(nullptr);
    if (Application)
        Application->OnException = nullptr;
}

void ForgetStoredMouse()
{
    TRegistryKey key(HKEY_CURRENT_USER, kTandrelKey, TRegistryOpen::roRead);
    key.DeleteValue(kSecondMouseValue);
}

void StopShell()
{
    if (Form4 && TrayRecord().hWnd == Form4->Handle())
        DeleteTrayIcon();
    StopApplication();
    PumpIdle();
    Application->ResetTerminated();
    Screen->SetCursor(crDefault);
}

void StartUpTest::SetUp()
{
    ForgetStoredMouse();
    StartApplication();
    m_recorder.Attach();
    // The application window outlives each start: give it the state a start finds.
    HWND app = Application->Handle();
    ShowWindow(app, SW_HIDE);
    SetWindowLongPtrW(app, GWL_EXSTYLE, GetWindowLongPtrW(app, GWL_EXSTYLE) & ~WS_EX_TOOLWINDOW);
}

void StartUpTest::TearDown()
{
    StopShell();
    m_recorder.Detach();
}

void StartUpTest::StartRunning()
{
    Application->ShowMainFormAtStart();
    ASSERT_TRUE(PumpUntil([] { return IsWindowVisible(Form4->Handle()) != FALSE; }));
    PumpIdle();
}

TWinSkinPopMenu* ShownTrayPopup()
{
    for (const auto& popup : SkinManager->SkinnedPopups())
        if (IsWindowVisible(popup->Handle()) && popup->Menu() == Form4->PopupMenu1->Handle() &&
            popup->Background())
            return popup.get();
    return nullptr;
}

void ExpectSkinnedWindowOfDesignedSize(HWND window, int designedWidth, int designedHeight)
{
    ASSERT_NE(SkinManager, nullptr);
    TWinSkinForm* skin = SkinManager->FindSkinnedWindow(window);
    ASSERT_NE(skin, nullptr);
    ASSERT_TRUE(PumpUntil([&] { return skin->SkinState() == ssSkinned; }));
    RECT client, outer;
    GetClientRect(window, &client);
    GetWindowRect(window, &outer);
    const SIZE own = skin->NonClientExtent();
    EXPECT_EQ(client.right + own.cx, designedWidth);
    EXPECT_EQ(client.bottom + own.cy, designedHeight);
    EXPECT_EQ(outer.right - outer.left, client.right + 15 + 8);
    EXPECT_EQ(outer.bottom - outer.top, client.bottom + 46 + 9);
}

TShellRecorder ShellTest::s_recorder;

void ShellTest::SetUpTestSuite()
{
    ForgetStoredMouse();
    StartApplication();
    s_recorder.Attach();
    StartUpTest::StartRunning();
}

void ShellTest::TearDownTestSuite()
{
    StopShell();
    s_recorder.Detach();
}

void ShellTest::SetUp()
{
    s_recorder = {};
    s_recorder.Attach();
    Form4->SetBounds(255, 224, Form4->Width(), Form4->Height());
    Form1->speed->SetPosition(0);
}

void ShellTest::TearDown()
{
    CancelSoon();
    DrainQuit();
    Screen->SetCursor(crDefault);
}

void ShellTest::DrainQuit()
{
    PumpIdle();
    Application->ResetTerminated();
}

void ShellTest::HidePanel()
{
    if (Form1->Visible()) {
        Form1->Hide();
        ASSERT_TRUE(PumpUntil([] { return !IsWindowVisible(Form1->Handle()); }));
        PumpIdle();
    }
}

void ShellTest::ShowPanel()
{
    SendMessageW(Form4->Handle(), WM_TRAYNOTIFY, 0, WM_LBUTTONDOWN);
    // Shown, active and, with a usable skin, skinned: the skin's frame moves
    // the buttons, and a click meant for one must come after.
    ASSERT_TRUE(PumpUntil([] {
        TWinSkinForm* const skin = SkinManager ? SkinManager->FindSkinnedWindow(Form1->Handle()) : nullptr;
        return IsWindowVisible(Form1->Handle()) && GetActiveWindow() == Form1->Handle() &&
               (!Form1->SkinData1->Active() || (skin && skin->SkinState() == ssSkinned));
    }));
    PumpIdle();
}

void ShellTest::RunInModalLoop(std::function<void()> action)
{
    // The About window shown, or a popup menu open.
    RunWhen([] {
        HWND const menu = FindWindowW(L"#32768", nullptr);
        return (Form2 && IsWindowVisible(Form2->Handle())) || (menu && IsWindowVisible(menu));
    }, [action = std::move(action)] {
        action();
        // Whatever the action did or failed to do, the modal loop must end.
        RunSoon([] {
            if (Form2)
                PostMessageW(Form2->Handle(), WM_CLOSE, 0, 0);
            EndMenu();
        }, 5000);
    });
}

void ShellTest::ClickControl(TControl& control)
{
    POINT middle = control.ClientToScreen({control.Width() / 2, control.Height() / 2});
    ClickAt(middle);
}

} // namespace tandrel::test
