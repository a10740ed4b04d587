// The scroll bar control and the scroll box, scrolled by reflected
// notifications and by real mouse input.

#include "framework/controls/Button.h"
#include "framework/controls/Label.h"
#include "framework/controls/ScrollBox.h"
#include "tests/framework/controls/FormFixture.h"
#include "tests/support/LoopScript.h"

#include <vector>

namespace tandrel::test {

namespace {

class ScrollTest : public TFormTest {};

RECT ThumbOf(HWND bar)
{
    SCROLLBARINFO info {};
    info.cbSize = sizeof info;
    GetScrollBarInfo(bar, OBJID_CLIENT, &info);
    RECT r = info.rcScrollBar;  // screen coordinates
    r.left += info.xyThumbTop;
    r.right = info.rcScrollBar.left + info.xyThumbBottom;
    return r;
}

bool BarShown(HWND window, LONG bar)
{
    SCROLLBARINFO info {};
    info.cbSize = sizeof info;
    return GetScrollBarInfo(window, bar, &info) && !(info.rgstate[0] & STATE_SYSTEM_INVISIBLE);
}

} // namespace

TEST_F(ScrollTest, ReflectedNotificationsMoveTheScrollBarWithPositionsPast16Bits)
{
    auto* bar = Add<TScrollBar>(10, 10, 280, 17);
    bar->SetParams(0, 0, 200000);
    bar->SetPageSize(1000);
    bar->SetSmallChange(10);
    bar->SetLargeChange(1000);
    int changes = 0;
    std::vector<TScrollCode> codes;
    std::vector<int> tracked;
    bar->OnChange = [&](TObject*) { ++changes; };
    bar->OnScroll = [&](TObject*, TScrollCode code, int& pos) {
        codes.push_back(code);
        if (code == TScrollCode::scTrack)
            tracked.push_back(pos);
    };
    int reflected = 0;
    TWndMethod saved = bar->WindowProc;
    bar->WindowProc = [&](TMessage& m) {
        reflected += m.Msg == CN_HSCROLL;
        saved(m);
    };
    ShowForm();

    SendMessageW(m_form->Handle(), WM_HSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(bar->Handle()));
    EXPECT_EQ(reflected, 1);
    EXPECT_EQ(bar->Position(), 10);
    EXPECT_EQ(changes, 1);
    ASSERT_EQ(codes.size(), 1u);
    EXPECT_EQ(codes[0], TScrollCode::scLineDown);

    // Drag the thumb to the middle, then to the end, with the real mouse.
    const RECT thumb = ThumbOf(bar->Handle());
    const POINT grip {(thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2};
    RECT whole;
    GetWindowRect(bar->Handle(), &whole);
    const POINT middle {(whole.left + whole.right) / 2, grip.y};
    // The press starts the system's own tracking loop: the rest of the drag
    // runs from inside it.
    const POINT beyond {whole.right - 1, grip.y};  // further off, the system puts the thumb back
    int midway = -1;
    MoveMouseTo(grip);
    SendMouseInput(MOUSEEVENTF_LEFTDOWN, grip);
    SendMouseInput(0, middle);
    RunSoon([&] {
        midway = bar->Position();
        SendMouseInput(0, beyond);
        SendMouseInput(MOUSEEVENTF_LEFTUP, beyond);
    }, 300);
    RunSoon([&] { SendMouseInput(MOUSEEVENTF_LEFTUP, beyond); }, 5000);  // should the first miss
    ASSERT_TRUE(PumpUntil([&] { return !codes.empty() && codes.back() == TScrollCode::scEndScroll; }));
    EXPECT_EQ(bar->Position(), 200000 - 1000 + 1);  // the page's last unit at Max
    EXPECT_EQ(GetScrollPos(bar->Handle(), SB_CTL), bar->Position());
    EXPECT_GT(midway, 65535);
    EXPECT_LT(midway, 135000);
    ASSERT_FALSE(tracked.empty());
    EXPECT_EQ(tracked.back(), bar->MaxPosition());
    bar->WindowProc = saved;

    bar->SetKind(TScrollBarKind::sbVertical);
    EXPECT_EQ(bar->Width(), 17);
    EXPECT_EQ(bar->Height(), 280);
    EXPECT_TRUE(GetWindowLongPtrW(bar->Handle(), GWL_STYLE) & SBS_VERT);
    bar->SetPosition(0);
    SendMessageW(m_form->Handle(), WM_VSCROLL, SB_PAGEDOWN, reinterpret_cast<LPARAM>(bar->Handle()));
    EXPECT_EQ(bar->Position(), 1000);
    EXPECT_THROW(bar->SetMax(-5), EInvalidOperation);
}

TEST_F(ScrollTest, ScrollBoxRangeFollowsItsChildrenAndScrollingMovesThem)
{
    auto* box = Add<TScrollBox>(10, 10, 200, 150);
    auto* button = Add<TButton>(10, 300, 80, 25, box);
    auto* label = Add<TLabel>(250, 10, 40, 15, box);
    label->SetAutoSize(false);
    label->SetBounds(250, 10, 40, 15);
    ShowForm();
    EXPECT_EQ(box->VertScrollBar().Range(), 325);
    EXPECT_EQ(box->HorzScrollBar().Range(), 290);
    EXPECT_TRUE(box->VertScrollBar().IsScrollBarVisible());
    EXPECT_TRUE(BarShown(box->Handle(), OBJID_VSCROLL));
    EXPECT_TRUE(BarShown(box->Handle(), OBJID_HSCROLL));

    box->VertScrollBar().SetPosition(100);
    EXPECT_EQ(button->Top(), 200);
    EXPECT_EQ(label->Top(), -90);
    RECT placed;  // the window moved too
    GetWindowRect(button->Handle(), &placed);
    EXPECT_EQ(placed.top, ScreenPointOf(box->Handle(), {0, 200}).y);
    EXPECT_EQ(GetScrollPos(box->Handle(), SB_VERT), 100);

    button->SetTop(400);  // in scrolled coordinates: 500 from the origin
    EXPECT_EQ(box->VertScrollBar().Range(), 525);

    // The system's own bar scrolls the box: one click on its down arrow.
    const RECT client = box->ClientRect();
    const POINT corner = ScreenPointOf(box->Handle(), {client.right, client.bottom});
    ClickAt({corner.x + GetSystemMetrics(SM_CXVSCROLL) / 2, corner.y - GetSystemMetrics(SM_CYVSCROLL) / 2});
    EXPECT_EQ(box->VertScrollBar().Position(), 100 + box->VertScrollBar().Increment());
    EXPECT_EQ(button->Top(), 400 - box->VertScrollBar().Increment());

    delete button;  // only the label is left: it fits, the position goes back to 0
    EXPECT_EQ(box->VertScrollBar().Range(), 25);
    EXPECT_EQ(box->VertScrollBar().Position(), 0);
    EXPECT_EQ(label->Top(), 10);
    EXPECT_FALSE(BarShown(box->Handle(), OBJID_VSCROLL));
}

// The keyboard focus inside a scroll box is always in sight: Tab into a
// button below the client area scrolls just far enough to show it whole,
// focus given back to one above scrolls back, and a box inside a box
// scrolls both.
TEST_F(ScrollTest, TheFocusedControlIsScrolledIntoView)
{
    auto* box = Add<TScrollBox>(10, 10, 200, 150);
    auto* top = Add<TButton>(10, 10, 80, 25, box);
    auto* low = Add<TButton>(10, 300, 80, 25, box);
    auto* inner = Add<TScrollBox>(10, 400, 150, 100, box);
    auto* deep = Add<TButton>(10, 250, 80, 25, inner);
    ShowForm();
    auto const inSight = [](const TWinControl& control, const TWinControl& within) {
        RECT r {};
        GetWindowRect(control.Handle(), &r);
        MapWindowPoints(HWND_DESKTOP, within.Handle(), reinterpret_cast<POINT*>(&r), 2);
        const RECT client = within.ClientRect();
        return r.top >= 0 && r.left >= 0 && r.bottom <= client.bottom && r.right <= client.right;
    };
    const int clientHeight = box->ClientRect().bottom;
    top->SetFocus();
    PumpIdle();
    ASSERT_FALSE(inSight(*low, *box));

    PressKey(VK_TAB);
    ASSERT_TRUE(PumpUntil([&] { return GetFocus() == low->Handle(); }));
    EXPECT_TRUE(inSight(*low, *box));
    EXPECT_EQ(box->VertScrollBar().Position(), 325 - clientHeight);

    top->SetFocus();
    PumpIdle();
    EXPECT_TRUE(inSight(*top, *box));
    EXPECT_EQ(box->VertScrollBar().Position(), 10);  // its top edge at the client's

    deep->SetFocus();
    PumpIdle();
    EXPECT_TRUE(inSight(*deep, *inner));
    EXPECT_TRUE(inSight(*deep, *box));
}

} // namespace tandrel::test
