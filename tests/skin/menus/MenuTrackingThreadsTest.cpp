// Tracking a skinned menu strip's popup while another thread has a menu
// window of its own on the desktop.

#include "tests/skin/forms/SkinFormFixture.h"

#include "framework/graphics/GdiObjects.h"
#include "skin/menus/MenuTracking.h"
#include "tests/support/LoopScript.h"

namespace tandrel::test {

namespace {

// A menu window of another thread: made hidden, raised above every other
// window on request.
class TOtherThreadsMenu {
public:
    TOtherThreadsMenu()
    {
        m_ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        m_thread = CreateThread(nullptr, 0, &TOtherThreadsMenu::Run, this, 0, &m_threadId);
        WaitForSingleObject(m_ready, INFINITE);
    }
    ~TOtherThreadsMenu()
    {
        PostThreadMessageW(m_threadId, WM_QUIT, 0, 0);
        WaitForSingleObject(m_thread, INFINITE);
        CloseHandle(m_thread);
        CloseHandle(m_ready);
    }
    HWND Window() const { return m_window; }
    void Raise() const
    {
        SetWindowPos(m_window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }

private:
    static DWORD WINAPI Run(void* data)
    {
        auto* self = static_cast<TOtherThreadsMenu*>(data);
        self->m_window = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, MAKEINTATOM(32768), L"", WS_POPUP, 0, 0,
                                         40, 40, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        MSG msg;
        PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE); // the thread's queue exists before the test posts
        SetEvent(self->m_ready);
        while (GetMessageW(&msg, nullptr, 0, 0) > 0)
            DispatchMessageW(&msg);
        if (self->m_window)
            DestroyWindow(self->m_window);
        return 0;
    }
    HANDLE m_ready = nullptr;
    HANDLE m_thread = nullptr;
    DWORD m_threadId = 0;
    HWND m_window = nullptr;
};

const TOtherThreadsMenu* g_raised = nullptr;

// Runs after the skin's own filter has handed the message on, before it
// acts: the other thread's menu is put on top just then.
LRESULT CALLBACK RaiseOtherMenu(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == MSGF_MENU && g_raised) {
        g_raised->Raise();
        g_raised = nullptr;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

class MenuTrackingThreadsTest : public TSkinFormTest {};

} // namespace

TEST_F(MenuTrackingThreadsTest, ThePopupsFirstItemIsSelectedWhenAnotherThreadsMenuIsOnTop)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable, 360, 200, L"Menu bench");
    TMenuItem* open = AddFileMenu(*form, L"&Open");
    TWinSkinForm* skin = ShowSkinned(*form);
    ASSERT_NE(skin, nullptr);
    ASSERT_NE(skin->MenuBar(), nullptr);
    ASSERT_FALSE(skin->MenuBar()->Items().empty());
    HMENU const file = open->Parent()->Handle();

    TOtherThreadsMenu other;
    ASSERT_NE(other.Window(), nullptr);
    g_raised = &other;
    THookHandle hook;
    hook.Reset(SetWindowsHookExW(WH_MSGFILTER, RaiseOtherMenu, nullptr, GetCurrentThreadId()));
    ASSERT_TRUE(hook.Get());

    bool firstSelected = false;
    TLoopScript script;
    script.Then([&] { return MenuTracking().Selected && MenuTracking().SelectedIn == file; }, [&] {
        firstSelected = (GetMenuState(file, 0, MF_BYPOSITION) & MF_HILITE) != 0;
        PressKey(VK_ESCAPE);
    });
    script.Start();
    RunSoon([] { EndMenu(); }, 15000); // whatever happens, the menu ends
    const RECT& r = skin->MenuBar()->Items()[0]->Rect;
    POINT const at = ScreenOf(form->Handle(), Middle(r));
    SendMouseInput(0, at);
    SendMouseInput(MOUSEEVENTF_LEFTDOWN, at);
    SendMouseInput(MOUSEEVENTF_LEFTUP, at);
    EXPECT_TRUE(PumpUntil([&] { return (script.Done() || script.GaveUp()) && !MenuTracking().Host; }, 20000));
    EXPECT_EQ(g_raised, nullptr) << "the menu loop never ran";
    g_raised = nullptr;
    EXPECT_FALSE(script.GaveUp());
    EXPECT_TRUE(firstSelected);
}

} // namespace tandrel::test
