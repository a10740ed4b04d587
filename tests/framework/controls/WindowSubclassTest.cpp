// The in-process subclass chain: order, removal in any order and while
// running, procedures of others above and below, and the end of the window.

#include "framework/controls/WindowSubclass.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <string>

namespace tandrel::test {

namespace {

std::string g_trace;
constexpr UINT kProbe = WM_APP + 7;

LRESULT CALLBACK OwnProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == kProbe)
        g_trace += "own ";
    return DefWindowProcW(window, msg, wParam, lParam);
}

// Each link writes its letter (the data) and passes the message on; 'r'
// removes itself first, 's' sends the probe again from inside.
LRESULT Link(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR data)
{
    if (msg == kProbe) {
        g_trace += static_cast<char>(data);
        g_trace += ' ';
        if (data == 'r')
            RemoveSubclass(window, &Link, id);
        if (data == 's' && wParam == 0)
            SendMessageW(window, kProbe, 1, 0);
    }
    return NextSubclassProc(window, msg, wParam, lParam);
}

LRESULT CALLBACK CommonLink(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    if (msg == kProbe)
        g_trace += "cc ";
    return DefSubclassProc(window, msg, wParam, lParam);
}

WNDPROC g_beforeForeign = nullptr;
LRESULT CALLBACK ForeignProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == kProbe)
        g_trace += "foreign ";
    return CallWindowProcW(g_beforeForeign, window, msg, wParam, lParam);
}

class WindowSubclassTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        WNDCLASSW cls {};
        cls.lpfnWndProc = OwnProc;
        cls.hInstance = GetModuleHandleW(nullptr);
        cls.lpszClassName = L"TandrelSubclassProbe";
        RegisterClassW(&cls);
        m_window = CreateWindowW(cls.lpszClassName, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, cls.hInstance,
                                 nullptr);
        ASSERT_NE(m_window, nullptr);
    }
    void TearDown() override
    {
        if (IsWindow(m_window))
            DestroyWindow(m_window);
    }
    std::string Probe(WPARAM wParam = 0)
    {
        g_trace.clear();
        SendMessageW(m_window, kProbe, wParam, 0);
        return g_trace;
    }
    WNDPROC Proc() const { return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(m_window, GWLP_WNDPROC)); }

    HWND m_window = nullptr;
};

} // namespace

TEST_F(WindowSubclassTest, NewestRunsFirstAndAnyRemovalOrderGivesTheWindowBack)
{
    ASSERT_TRUE(InstallSubclass(m_window, &Link, 1, 'a'));
    ASSERT_TRUE(InstallSubclass(m_window, &Link, 2, 'b'));
    EXPECT_EQ(Probe(), "b a own ");
    ASSERT_TRUE(InstallSubclass(m_window, &Link, 1, 'A')); // the same link again: new data, same place
    EXPECT_EQ(Probe(), "b A own ");
    RemoveSubclass(m_window, &Link, 1);
    EXPECT_EQ(Probe(), "b own ");
    RemoveSubclass(m_window, &Link, 2);
    EXPECT_EQ(Probe(), "own ");
    EXPECT_EQ(Proc(), &OwnProc);
}

TEST_F(WindowSubclassTest, RemovalWhileRunningAndMessagesSentFromInside)
{
    InstallSubclass(m_window, &Link, 1, 'a');
    InstallSubclass(m_window, &Link, 2, 's');
    InstallSubclass(m_window, &Link, 3, 'r');
    // 'r' goes at once; the inner probe starts at the top again, the outer
    // one goes on below the link that sent it.
    EXPECT_EQ(Probe(), "r s s a own a own ");
    EXPECT_EQ(Probe(), "s s a own a own ");
    RemoveSubclass(m_window, &Link, 2);
    RemoveSubclass(m_window, &Link, 1);
    EXPECT_EQ(Proc(), &OwnProc);
}

TEST_F(WindowSubclassTest, OthersProceduresAboveAndBelowAreKept)
{
    ASSERT_TRUE(SetWindowSubclass(m_window, CommonLink, 9, 0));
    InstallSubclass(m_window, &Link, 1, 'a');
    g_beforeForeign =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrW(m_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ForeignProc)));
    EXPECT_EQ(Probe(), "foreign a cc own ");
    // Ours goes while a procedure put on later stays: the chain passes through.
    RemoveSubclass(m_window, &Link, 1);
    EXPECT_EQ(Probe(), "foreign cc own ");
    InstallSubclass(m_window, &Link, 1, 'b');
    EXPECT_EQ(Probe(), "foreign b cc own ");
    RemoveSubclass(m_window, &Link, 1);
    EXPECT_EQ(Probe(), "foreign cc own ");
}

TEST_F(WindowSubclassTest, AWindowThatEndsTakesItsChainWithIt)
{
    InstallSubclass(m_window, &Link, 1, 'a');
    // Handed on from outside any message, the close reaches the window's
    // own procedure, which ends it.
    NextSubclassProc(m_window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(m_window));
    RemoveSubclass(m_window, &Link, 1); // a gone window: nothing to do
    // Whatever handle the next window gets, it starts with its own procedure.
    SetUp();
    EXPECT_EQ(Probe(), "own ");
    EXPECT_EQ(Proc(), &OwnProc);
    EXPECT_FALSE(InstallSubclass(nullptr, &Link, 1, 'a'));
}

} // namespace tandrel::test
