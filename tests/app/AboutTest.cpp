// The About window: modal, its labels and links, its memo.

#include "tests/app/ShellFixture.h"

#include "skin/controls/SkinScrollBar.h"
#include "skin/engine/SkinManage.h"
#include "skin/forms/WinSkinForm.h"

namespace tandrel::test {

class AboutTest : public ShellTest {};

namespace {
const std::vector<std::wstring> kMemoLines = {
    L"",
    std::wstring(21, L' ') + L"全球第一个实现此功能的软件 ",
    L"",
    std::wstring(6, L' ') + L"功 能 说 明 : ",
    std::wstring(9, L' ') + L"使用此软件要求使用两个鼠标，其中一个必须是usb鼠标",
    L" ",
    std::wstring(6, L' ') + L"使 用 T a n d r e l 给 你 带 来 的 全 新 体 验 : ",
    L"\u3000" + std::wstring(6, L' ') + L"\u3000当你用左鼠标打开我的电脑的时候，右鼠标可以马上关闭我的电脑，",
    std::wstring(6, L' ') + L"一般左鼠标可以定位在屏幕的左半部分，右鼠标可以定位在屏幕的右半部分，",
    std::wstring(6, L' ') + L"这样可以全面提高你的操作效率",
};

void CloseAbout()
{
    if (Form2)
        PostMessageW(Form2->Handle(), WM_CLOSE, 0, 0);
}
} // namespace

TEST_F(AboutTest, AboutFromThePanelIsModalOverThePanel)
{
    ShowPanel();
    bool checked = false;
    RunInModalLoop([&] {
        ASSERT_NE(Form2, nullptr);
        checked = true;
        EXPECT_TRUE(IsWindowVisible(Form2->Handle()));
        EXPECT_EQ(Form2->Owner(), Form1);
        EXPECT_FALSE(IsWindowEnabled(Form1->Handle()));  // the panel takes no clicks
        wchar_t text[64];
        GetClassNameW(Form2->Handle(), text, 64);
        EXPECT_STREQ(text, L"TForm2");
        EXPECT_EQ(Form2->Caption(), L"关于本软件");
        // Skinned when it was activated: its designed place and client area.
        EXPECT_EQ(SendMessageW(Form2->Handle(), WM_SKINQUERY, 0, 0), 1);
        RECT r;
        GetWindowRect(Form2->Handle(), &r);
        EXPECT_EQ(r.left, 140);
        EXPECT_EQ(r.top, 54);
        ExpectSkinnedWindowOfDesignedSize(Form2->Handle(), 558, 451);
        EXPECT_TRUE(SendMessageW(Form2->Handle(), WM_GETICON, ICON_BIG, 0));
        auto shot = CaptureWindow(Form2->Handle());
        SaveScreenshot(*shot, "about");
        // Behind the modal window the panel wears its inactive frame.
        TWinSkinForm* panel = SkinManager->FindSkinnedWindow(Form1->Handle());
        ASSERT_NE(panel, nullptr);
        EXPECT_FALSE(panel->Active());
        // Shots come from the screen: the About window steps aside meanwhile.
        SetWindowPos(Form2->Handle(), nullptr, 720, 54, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        PumpIdle();
        SaveScreenshot(*CaptureWindow(Form1->Handle()), "main-panel-inactive");
        SetWindowPos(Form2->Handle(), nullptr, 140, 54, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        // The inactive look of the About window, as the system asks for it.
        SendMessageW(Form2->Handle(), WM_NCACTIVATE, FALSE, 0);
        PumpIdle();
        SaveScreenshot(*CaptureWindow(Form2->Handle()), "about-inactive");
        SendMessageW(Form2->Handle(), WM_NCACTIVATE, TRUE, 0);
        CloseAbout();
    });
    ClickControl(*Form1->SpeedButton4);
    EXPECT_TRUE(checked);
    EXPECT_EQ(Form2, nullptr);  // destroyed and the reference cleared
    EXPECT_TRUE(IsWindowEnabled(Form1->Handle()));
    EXPECT_EQ(Screen->FormCount(), 2);
}

TEST_F(AboutTest, AboutFromTheTrayLeavesTheHiddenPanelHidden)
{
    HidePanel();
    RunInModalLoop([] {
        ASSERT_NE(Form2, nullptr);
        EXPECT_EQ(Form2->Owner(), Form4);
        EXPECT_FALSE(IsWindowVisible(Form1->Handle()) && Form1->HandleAllocated());
        CloseAbout();
    });
    Form4->About1->Click();
    EXPECT_EQ(Form2, nullptr);
    EXPECT_FALSE(Form1->Visible());
}

TEST_F(AboutTest, AboutShowsItsLabelsAndTheTenMemoLines)
{
    RunInModalLoop([] {
        ASSERT_NE(Form2, nullptr);
        struct { TLabel* Label; RECT Bounds; int Height; } labels[] = {
            {Form2->Label4, {26, 44, 86, 19}, -13}, {Form2->Label7, {124, 40, 237, 23}, -16},
            {Form2->Label5, {25, 72, 86, 19}, -13}, {Form2->Label1, {125, 69, 315, 23}, -16},
            {Form2->Label2, {125, 99, 233, 24}, -16}, {Form2->Label3, {171, 129, 174, 22}, -16},
        };
        for (auto& l : labels) {
            EXPECT_EQ(l.Label->Left(), l.Bounds.left) << l.Label->Name();
            EXPECT_EQ(l.Label->Top(), l.Bounds.top) << l.Label->Name();
            EXPECT_EQ(l.Label->Width(), l.Bounds.right) << l.Label->Name();
            EXPECT_EQ(l.Label->Height(), l.Bounds.bottom) << l.Label->Name();
            EXPECT_EQ(l.Label->Font().Height(), l.Height) << l.Label->Name();
            EXPECT_TRUE(l.Label->Font().Style() & fsBold);
            EXPECT_EQ(l.Label->Font().Color(), clNavy);
            EXPECT_FALSE(l.Label->AutoSize());
        }
        EXPECT_EQ(Form2->Label4->Caption(), L"英文主页：");
        EXPECT_EQ(Form2->Label5->Caption(), L"中文主页：");
        EXPECT_EQ(Form2->Label1->Caption(), Form2->Label7->Caption() + L"/china/");
        EXPECT_EQ(Form2->Label2->Caption().rfind(L"Email: ", 0), 0u);

        TMemo& memo = *Form2->Memo1;
        EXPECT_EQ(memo.Lines().Lines(), kMemoLines);
        EXPECT_EQ(memo.TabOrder(), 0);
        const LONG_PTR style = GetWindowLongPtrW(memo.Handle(), GWL_STYLE);
        EXPECT_TRUE(style & WS_VSCROLL);
        EXPECT_TRUE(style & WS_HSCROLL);
        EXPECT_TRUE(style & ES_MULTILINE);
        EXPECT_FALSE(style & ES_READONLY);
        EXPECT_EQ(memo.Font().Height(), -13);
        EXPECT_FALSE(memo.Font().Style() & fsBold);
        EXPECT_EQ(memo.Font().Color(), clBlack);
        EXPECT_EQ(GetFocus(), memo.Handle());
        CloseAbout();
    });
    Form4->About1->Click();
}

// The memo's skinned bars scroll it by a real drag of the thumb, by a page
// and by an arrow.
TEST_F(AboutTest, AboutMemoScrollsByItsSkinnedBars)
{
    bool done = false;
    RunInModalLoop([&] {
        ASSERT_NE(Form2, nullptr);
        TMemo& memo = *Form2->Memo1;
        for (int i = 0; i < 60; ++i)
            memo.Lines().Add(L"更多的一行 " + std::to_wstring(i));
        auto* bars = dynamic_cast<TSkinScrollBar*>(SkinManager->FindSkinnedWindow(Form2->Handle())->FindSkinner(memo.Handle()));
        ASSERT_NE(bars, nullptr);
        RedrawWindow(memo.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
        PumpIdle();
        auto const firstLine = [&] { return static_cast<int>(SendMessageW(memo.Handle(), EM_GETFIRSTVISIBLELINE, 0, 0)); };
        RECT window {};
        GetWindowRect(memo.Handle(), &window);
        RECT const v = bars->VerticalBar();
        TBarGeometry const g = bars->Geometry(true);
        int const x = window.left + (v.left + v.right) / 2;
        POINT const onThumb {x, window.top + v.top + g.Arrow + g.ThumbOffset + g.ThumbSize / 2};

        // Drag: the steps run from inside the drag's own loop.
        RunSoon([&] {
            SendMouseInput(0, {x, onThumb.y + 30});
            RunSoon([&] { SendMouseInput(MOUSEEVENTF_LEFTUP, {x, onThumb.y + 30}); }, 100);
        }, 100);
        MoveMouseTo(onThumb);
        SendMouseInput(MOUSEEVENTF_LEFTDOWN, onThumb);
        ASSERT_TRUE(PumpUntil([&] { return firstLine() > 0 && !bars->Tracking(); }));
        PumpIdle();
        int const dragged = firstLine();

        // A page back up, in the track above the thumb.
        TBarGeometry const after = bars->Geometry(true);
        ClickAt({x, window.top + v.top + after.Arrow + after.ThumbOffset / 2});
        EXPECT_TRUE(PumpUntil([&] { return firstLine() < dragged; }));
        // And a line down by the arrow.
        int const paged = firstLine();
        ClickAt({x, window.top + v.bottom - g.Arrow / 2});
        EXPECT_TRUE(PumpUntil([&] { return firstLine() == paged + 1; }));
        done = true;
        CloseAbout();
    });
    Form4->About1->Click();
    EXPECT_TRUE(done);
}

TEST_F(AboutTest, LinksTurnRedUnderTheMouseWithTheHandCursor)
{
    RunInModalLoop([] {
        ASSERT_NE(Form2, nullptr);
        TLabel& english = *Form2->Label7;
        TLabel& chinese = *Form2->Label1;
        MoveMouseTo(english.ClientToScreen({10, 10}));
        EXPECT_EQ(english.Font().Color(), clRed);
        EXPECT_EQ(Screen->Cursor(), crHandPoint);
        EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_HAND));

        // Straight from one link onto the other: leave, then enter.
        MoveMouseTo(chinese.ClientToScreen({10, 10}));
        EXPECT_EQ(english.Font().Color(), clNavy);
        EXPECT_EQ(chinese.Font().Color(), clRed);
        EXPECT_EQ(Screen->Cursor(), crHandPoint);

        MoveMouseTo(Form2->Memo1->ClientToScreen({20, 20}));
        EXPECT_EQ(chinese.Font().Color(), clNavy);
        EXPECT_EQ(Screen->Cursor(), crDefault);
        CloseAbout();
    });
    Form4->About1->Click();
}

TEST_F(AboutTest, LinksAskTheShellToOpenTheirAddresses)
{
    std::wstring english, chinese;
    HWND about = nullptr;
    RunInModalLoop([&] {
        ASSERT_NE(Form2, nullptr);
        about = Form2->Handle();
        english = Form2->Label7->Caption();
        chinese = Form2->Label1->Caption();
        ClickControl(*Form2->Label7);
        ClickControl(*Form2->Label1);
        // Clicking changes neither colour nor cursor by itself.
        EXPECT_EQ(Form2->Label1->Font().Color(), clRed);
        CloseAbout();
    });
    Form4->About1->Click();
    ASSERT_EQ(m_opened.size(), 2u);
    EXPECT_EQ(m_opened[0], english + L"/");
    EXPECT_EQ(m_opened[1], chinese);
    EXPECT_EQ(chinese.substr(chinese.size() - 7), L"/china/");
    EXPECT_TRUE(m_errors.empty());
}

TEST_F(AboutTest, ClosingOverALinkLeavesTheHandCursor)
{
    RunInModalLoop([] {
        ASSERT_NE(Form2, nullptr);
        MoveMouseTo(Form2->Label7->ClientToScreen({10, 10}));
        CloseAbout();
    });
    Form4->About1->Click();
    EXPECT_EQ(Screen->Cursor(), crHandPoint);
}

} // namespace tandrel::test
