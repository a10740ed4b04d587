// The slider's keyboard and mouse, through real messages on a real window.

#include "tests/editors/EditorsFixture.h"

#include <algorithm>
#include <iterator>

namespace tandrel::test {

namespace {

class TrackBarInputTest : public TSliderTest {
protected:
    void SetUp() override
    {
        TSliderTest::SetUp();
        m_slider->SetFocus();
        m_props->OnChange = [this](TObject*) { ++m_changes; };
        Settle();
    }
    void TearDown() override
    {
        // Leave no button or key down for the next test.
        SendKey(VK_SHIFT, false);
        PointerUp(Screen(-20, -20));
        ParkPointer();
        TSliderTest::TearDown();
    }
    // Real keyboard input for the focused window.
    static void SendKey(WORD key, bool down)
    {
        INPUT input {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
        SendInput(1, &input, sizeof input);
        Settle();
    }
    // A click at a client point of the slider, with real input.
    void Click(int x, int y) { PointerClick(Screen(x, y)); }
    // The selection as the properties hold it.
    std::pair<int, int> Selection() const { return {m_props->SelectionStart(), m_props->SelectionEnd()}; }

    int m_changes = 0;
};

} // namespace

TEST_F(TrackBarInputTest, KeysStepThePosition)
{
    Press(VK_RIGHT);
    EXPECT_EQ(m_slider->Position(), 1);
    EXPECT_EQ(m_changes, 1);
    Press(VK_END);
    EXPECT_EQ(m_slider->Position(), 10);
    Press(VK_RIGHT);
    EXPECT_EQ(m_slider->Position(), 10);
    EXPECT_EQ(m_changes, 2);
    m_slider->SetPosition(9);
    Press(VK_NEXT);
    EXPECT_EQ(m_slider->Position(), 10);
    Press(VK_HOME);
    EXPECT_EQ(m_slider->Position(), 0);
    Press(VK_DOWN);  // Down raises, Up lowers, on a horizontal slider too
    Press(VK_DOWN);
    Press(VK_UP);
    EXPECT_EQ(m_slider->Position(), 1);
    Press(VK_LEFT);
    Press(VK_LEFT);
    EXPECT_EQ(m_slider->Position(), 0);
    EXPECT_EQ(ThumbLeft(), 7);
    Press(VK_RETURN);
    Press(VK_ESCAPE);
    Press(L'A');
    EXPECT_EQ(m_slider->Position(), 0);

    m_props->SetPageSize(5);
    Press(VK_NEXT);
    Press(VK_NEXT);
    Press(VK_NEXT);
    EXPECT_EQ(m_slider->Position(), 10);
    Press(VK_PRIOR);
    EXPECT_EQ(m_slider->Position(), 5);
    Click(2 + 150, 15);  // beside the thumb: one step, not a page
    EXPECT_EQ(m_slider->Position(), 6);
}

TEST_F(TrackBarInputTest, KeyEventsSeeTheMovedSlider)
{
    int seen = -1;
    m_slider->OnKeyDown = [&](TObject*, WORD& key, TShiftState) {
        if (key == VK_RIGHT)
            seen = m_slider->Position();
    };
    Press(VK_RIGHT);
    EXPECT_EQ(seen, 1);
    m_slider->SetEnabled(false);
    Key(VK_RIGHT);
    EXPECT_EQ(m_slider->Position(), 1);
    m_slider->SetEnabled(true);
}

TEST_F(TrackBarInputTest, ShiftBuildsASelectionThatOutlivesTheShift)
{
    TClassicColours classic;
    m_slider->SetPosition(3);
    Key(VK_SHIFT);
    Key(VK_SHIFT);  // auto-repeat changes nothing
    EXPECT_TRUE(m_slider->ShiftSelecting());
    EXPECT_EQ(m_slider->ShiftAnchor(), 3);
    Press(VK_RIGHT);
    Press(VK_RIGHT);
    EXPECT_EQ(m_slider->Position(), 5);
    EXPECT_EQ(Selection(), std::make_pair(3, 5));
    Settle();
    // The band is drawn from 3 to 5.
    auto shot = CaptureWindow(m_slider->Handle());
    // From the middle of position 3 into the thumb, which stands at 5.
    const int from = 2 + PositionToPixel(3, 0, 12.8, 7) + 5;
    for (int x = from; x < 2 + ThumbLeft(); ++x)
        EXPECT_EQ(PixelOf(*shot, x, 2 + 10), RGB(10, 36, 106)) << x;
    EXPECT_EQ(PixelOf(*shot, from - 1, 2 + 10), RGB(255, 255, 255));
    EXPECT_EQ(PixelOf(*shot, from, 2 + 7), RGB(255, 255, 255));

    Press(VK_LEFT);
    Press(VK_LEFT);
    Press(VK_LEFT);
    EXPECT_EQ(m_slider->Position(), 2);
    EXPECT_EQ(Selection(), std::make_pair(2, 3));
    Press(VK_RIGHT);  // back to the anchor: an empty selection
    EXPECT_EQ(Selection(), std::make_pair(3, 3));
    EXPECT_FALSE(m_slider->TrackBarViewInfo().Geometry.SelectionVisible);
    Press(VK_LEFT);
    Key(VK_SHIFT, false);
    EXPECT_FALSE(m_slider->ShiftSelecting());
    Press(VK_LEFT);
    EXPECT_EQ(Selection(), std::make_pair(2, 3));  // kept after Shift is up

    // Ctrl and a press on the thumb clear it, and the position stays.
    const int thumb = 2 + ThumbLeft() + 4;
    SendMouse(WM_LBUTTONDOWN, thumb, 12, MK_LBUTTON | MK_CONTROL);
    SendMouse(WM_LBUTTONUP, thumb, 12, MK_CONTROL);
    EXPECT_EQ(Selection(), std::make_pair(0, 0));
    EXPECT_EQ(m_slider->Position(), 1);
}

TEST_F(TrackBarInputTest, RefusedEditKeepsPositionButNotTheSelection)
{
    m_slider->OnEditing = [](TObject*, bool& canEdit) { canEdit = false; };
    Key(VK_SHIFT);
    Press(VK_RIGHT);
    EXPECT_EQ(m_slider->Position(), 0);
    EXPECT_EQ(m_changes, 0);
    EXPECT_EQ(Selection(), std::make_pair(0, 1));
    Key(VK_SHIFT, false);
}

TEST_F(TrackBarInputTest, PressesBesideTheThumbStepOnce)
{
    Click(80, 15);
    EXPECT_EQ(m_slider->Position(), 1);
    EXPECT_TRUE(m_slider->Focused());
    Click(5, 15);
    EXPECT_EQ(m_slider->Position(), 0);
    Click(5, 15);  // at Min: nothing
    EXPECT_EQ(m_changes, 2);

    // A held button does not repeat.
    PointerDown(Screen(100, 15));
    Settle();
    PointerUp(Screen(100, 15));
    EXPECT_EQ(m_slider->Position(), 1);

    // The second press of a double click is an ordinary press.
    const POINT p = Screen(120, 15);
    PointerTo(p);
    for (int i = 0; i < 2; ++i) {
        INPUT clicks[2] {};
        clicks[0].type = clicks[1].type = INPUT_MOUSE;
        clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        SendInput(2, clicks, sizeof(INPUT));
    }
    Settle();
    EXPECT_EQ(m_slider->Position(), 3);
    WNDCLASSEXW wc {};
    wc.cbSize = sizeof wc;
    ASSERT_TRUE(GetClassInfoExW(GetModuleHandleW(nullptr), L"TcxTrackBar", &wc));
    EXPECT_EQ(wc.style & CS_DBLCLKS, 0u);

    m_slider->SetPosition(10);
    m_changes = 0;
    Click(153, 15);
    EXPECT_EQ(m_slider->Position(), 10);
    EXPECT_EQ(m_changes, 0);
}

TEST_F(TrackBarInputTest, PressesOnTheThumbsEdgeOrBesideItAcrossTheTrackDoNothing)
{
    m_slider->SetPosition(5);  // thumb 71..81 in bitmap coordinates
    m_changes = 0;
    SendMouse(WM_LBUTTONDOWN, 2 + 81, 12, MK_LBUTTON);  // its Right column
    SendMouse(WM_LBUTTONUP, 2 + 81, 12);
    SendMouse(WM_LBUTTONDOWN, 2 + 75, 3, MK_LBUTTON);   // above it
    SendMouse(WM_LBUTTONUP, 2 + 75, 3);
    SendMouse(WM_LBUTTONDOWN, 2 + 75, 2 + 24, MK_LBUTTON);  // below it
    SendMouse(WM_LBUTTONUP, 2 + 75, 2 + 24);
    EXPECT_EQ(m_slider->Position(), 5);
    EXPECT_EQ(m_changes, 0);
    // Other buttons focus but do not step.
    s_form->SetFocus();
    SendMouse(WM_RBUTTONDOWN, 140, 15, MK_RBUTTON);
    SendMouse(WM_RBUTTONUP, 140, 15);
    EXPECT_TRUE(m_slider->Focused());
    EXPECT_EQ(m_slider->Position(), 5);
    // The wheel changes nothing.
    SendMessageW(m_slider->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(Screen(80, 15).x, Screen(80, 15).y));
    EXPECT_EQ(m_slider->Position(), 5);
}

TEST_F(TrackBarInputTest, JumpGoesToThePressedPosition)
{
    m_props->SetThumbStep(cxtsJump);
    Click(80, 15);
    EXPECT_EQ(m_slider->Position(), 5);
    m_slider->SetPosition(0);
    Click(153, 15);
    EXPECT_EQ(m_slider->Position(), 10);

    m_props->SetMin(5);
    m_props->SetMax(15);
    m_slider->SetPosition(5);
    Click(80, 15);
    EXPECT_EQ(m_slider->Position(), 10);
    m_slider->SetPosition(5);
    Click(153, 15);
    EXPECT_EQ(m_slider->Position(), 15);

    // A track no longer than the thumb has no position per pixel.
    NewSlider(47, 13, 26, 31);
    m_props->SetThumbStep(cxtsJump);
    ASSERT_LE(m_props->LayoutResults().Scale, 0);
    SendMouse(WM_LBUTTONDOWN, 2, 15, MK_LBUTTON);
    SendMouse(WM_LBUTTONUP, 2, 15);
    EXPECT_EQ(m_slider->Position(), 0);
}

TEST_F(TrackBarInputTest, DraggingUsesTheWholeWidthAndRoundsHalvesToEven)
{
    // Thumb at 0: Left 7, Right 17, so d = p.x − 12; the ratio is 10 / 156.
    PointerDown(Screen(2 + 12, 12));
    EXPECT_TRUE(m_slider->TrackBarViewInfo().IsThumbPressed);
    EXPECT_EQ(m_slider->TrackBarViewInfo().ThumbState, tstPressed);
    PointerTo(Screen(2 + 19, 12));
    EXPECT_EQ(m_slider->Position(), 0);
    PointerTo(Screen(2 + 20, 12));
    EXPECT_EQ(m_slider->Position(), 1);
    EXPECT_EQ(ThumbLeft(), 19);
    // Far outside the control, the capture still follows the pointer.
    PointerTo(Screen(400, 12));
    EXPECT_EQ(m_slider->Position(), 10);
    PointerTo(Screen(-150, 60));
    EXPECT_EQ(m_slider->Position(), 0);
    PointerUp(Screen(-150, 60));
    EXPECT_FALSE(m_slider->TrackBarViewInfo().IsThumbPressed);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(m_changes, 3);
}

TEST_F(TrackBarInputTest, ShiftDragExtendsTheSelection)
{
    m_slider->SetPosition(2);
    Key(VK_SHIFT);
    ASSERT_TRUE(m_slider->ShiftSelecting());
    // The drag reads the keys as they are now: hold Shift and the left
    // button in the thread's key state while the messages arrive.
    BYTE saved[256], held[256];
    GetKeyboardState(saved);
    std::copy(std::begin(saved), std::end(saved), std::begin(held));
    held[VK_SHIFT] = held[VK_LSHIFT] = held[VK_LBUTTON] = 0x80;
    SetKeyboardState(held);
    const int thumb = 2 + ThumbLeft() + 5;
    SendMouse(WM_LBUTTONDOWN, thumb, 12, MK_LBUTTON | MK_SHIFT);
    SendMouse(WM_MOUSEMOVE, thumb + 40, 12, MK_LBUTTON | MK_SHIFT);
    const int reached = m_slider->Position();
    SendMouse(WM_LBUTTONUP, thumb + 40, 12, MK_SHIFT);
    SetKeyboardState(saved);
    Key(VK_SHIFT, false);
    EXPECT_EQ(reached, 2 + 3);  // d = 40: 40 × 10 / 156 = 2.56
    EXPECT_EQ(Selection(), std::make_pair(2, 5));

    // Without Shift down the drag moves the thumb but not the selection.
    m_slider->SetPosition(0);
    m_props->WriteSelection(0, 0);
    Key(VK_SHIFT);
    held[VK_SHIFT] = held[VK_LSHIFT] = 0;
    SetKeyboardState(held);
    SendMouse(WM_LBUTTONDOWN, 2 + 12, 12, MK_LBUTTON);
    SendMouse(WM_MOUSEMOVE, 2 + 12 + 40, 12, MK_LBUTTON);
    SendMouse(WM_LBUTTONUP, 2 + 12 + 40, 12);
    SetKeyboardState(saved);
    Key(VK_SHIFT, false);
    EXPECT_EQ(m_slider->Position(), 3);
    EXPECT_EQ(Selection(), std::make_pair(0, 0));
}

TEST_F(TrackBarInputTest, HotAndPressedLooksFollowThePointer)
{
    TClassicColours classic;
    auto& info = m_slider->TrackBarViewInfo();
    PointerTo(Screen(2 + 12, 12));
    EXPECT_TRUE(info.IsThumbHot);
    EXPECT_EQ(info.ThumbState, tstHot);
    auto shot = CaptureWindow(m_slider->Handle());
    EXPECT_EQ(PixelOf(*shot, 2 + 12, 2 + 10), RGB(183, 191, 212));
    PointerTo(Screen(2 + 17, 12));  // the Right column is not the thumb
    EXPECT_FALSE(info.IsThumbHot);
    EXPECT_EQ(info.ThumbState, tstNormal);

    PointerDown(Screen(2 + 12, 12));
    shot = CaptureWindow(m_slider->Handle());
    EXPECT_EQ(PixelOf(*shot, 2 + 12, 2 + 10), RGB(136, 147, 177));
    PointerUp(Screen(2 + 12, 12));
    EXPECT_FALSE(info.IsThumbPressed);
    EXPECT_TRUE(info.IsThumbHot);
    // Leaving the slider puts the thumb's light out.
    ParkPointer();
    EXPECT_FALSE(info.IsThumbHot);
    EXPECT_EQ(info.ThumbState, tstNormal);

    // A release the slider never saw: the next entry clears the pressed look.
    info.IsThumbPressed = true;
    m_slider->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(m_slider));
    m_slider->Perform(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(m_slider));
    EXPECT_FALSE(info.IsThumbPressed);
    EXPECT_FALSE(info.IsThumbHot);
}

TEST_F(TrackBarInputTest, MovesThatChangeNothingRepaintNothing)
{
    PointerTo(Screen(100, 15));
    Settle();
    TPaintCounter paints(*m_slider);
    for (int x = 30; x < 150; ++x)
        SendMouse(WM_MOUSEMOVE, x, 15);
    Settle();
    EXPECT_EQ(paints.Count(), 0);
    SendMouse(WM_MOUSEMOVE, 2 + 12, 12);  // onto the thumb: a change of look
    Settle();
    EXPECT_GE(paints.Count(), 1);
}

// A refresh takes the pointer from the slider's own messages; where none
// came, it must still see where the pointer really is.
TEST_F(TrackBarInputTest, RefreshesSeeThePointerWhereNoMoveTellsOfIt)
{
    const auto& info = m_slider->EditViewInfo();
    auto hot = [&] { return (info.MouseState & cxmsHot) != 0; };
    PointerTo(Screen(100, 15));
    ASSERT_TRUE(hot());
    // The pointer leaves: a later change of a property is drawn, and cold.
    ParkPointer();
    m_props->SetTickColor(clRed);
    EXPECT_FALSE(hot());
    Settle();
    auto shot = CaptureWindow(m_slider->Handle());
    EXPECT_EQ(PixelOf(*shot, 2 + 12, 2 + 23), RGB(255, 0, 0));

    // The slider moves under a pointer resting beside it, and away again.
    PointerTo(Screen(156 + 20, 15));
    m_slider->SetBounds(m_slider->Left() + 60, m_slider->Top(), 156, 31);
    m_props->SetTickColor(clBlue);
    EXPECT_TRUE(hot());
    m_slider->SetBounds(m_slider->Left() - 60, m_slider->Top(), 156, 31);
    m_props->SetTickColor(clRed);
    EXPECT_FALSE(hot());

    // A press whose release the slider never hears leaves no button held.
    PointerTo(Screen(100, 15));
    SendMouse(WM_LBUTTONDOWN, 100, 15, MK_LBUTTON);
    ASSERT_EQ(GetCapture(), m_slider->Handle());
    ReleaseCapture();
    m_props->SetTickColor(clBlue);
    EXPECT_TRUE(hot());
}

TEST_F(TrackBarInputTest, ArrowsComeToTheSliderTabMovesOn)
{
    EXPECT_EQ(SendMessageW(m_slider->Handle(), WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS);
    auto* other = new TcxTrackBar(s_form);
    other->SetParent(s_form);
    other->SetBounds(47, 100, 156, 31);
    other->HandleNeeded();
    m_slider->SetFocus();
    Key(VK_TAB);
    EXPECT_TRUE(other->Focused());
    Key(VK_TAB, false);
    delete other;
}

} // namespace tandrel::test
