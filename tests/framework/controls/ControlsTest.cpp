// Controls on a real form: message routing, mouse, painting, windows, leaks.

#include "framework/forms/Application.h"
#include "framework/controls/BitBtn.h"
#include "framework/controls/ButtonLayout.h"
#include "framework/controls/CustomControl.h"
#include "framework/controls/Edit.h"
#include "framework/forms/Forms.h"
#include "framework/controls/Label.h"
#include "framework/forms/Screen.h"
#include "framework/controls/SpeedButton.h"
#include "tests/framework/controls/FormFixture.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace tandrel::test {

namespace {

// A windowed container of our own class.
class TBox : public TCustomControl {
public:
    explicit TBox(TComponent* owner) : TCustomControl(owner) { m_controlStyle |= csAcceptsControls; }
    const char* ClassName() const override { return "TBox"; }
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM list)
{
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

// Every window under parent, at any depth.
std::vector<HWND> ChildWindows(HWND parent)
{
    std::vector<HWND> found;
    EnumChildWindows(parent, CollectWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

// The form's windows are exactly those of the given controls. Fatal: with
// an orphaned window the message loop would never return.
void ExpectOneWindowEach(TCustomForm& form, std::vector<TWinControl*> controls)
{
    ASSERT_TRUE(form.HandleAllocated());
    std::vector<HWND> expected;
    for (TWinControl* c : controls)
        expected.push_back(c->Handle());
    std::vector<HWND> windows = ChildWindows(form.Handle());
    std::sort(expected.begin(), expected.end());
    std::sort(windows.begin(), windows.end());
    ASSERT_EQ(windows, expected);
}

} // namespace

class ControlsTest : public TFormTest {};

TEST_F(ControlsTest, EveryMessageOfAWindowlessControlGoesThroughItsReplaceableHandler)
{
    auto* button = Add<TSpeedButton>(10, 10, 80, 30);
    int clicks = 0;
    button->OnClick = [&](TObject*) { ++clicks; };
    std::vector<UINT> seen;
    TWndMethod saved = button->WindowProc;
    bool swallowMouse = false;
    button->WindowProc = [&](TMessage& m) {
        seen.push_back(m.Msg);
        if (swallowMouse && (m.Msg == WM_LBUTTONDOWN || m.Msg == WM_LBUTTONUP))
            return;  // a replacement may stop a message
        saved(m);
    };
    ShowForm();
    seen.clear();
    ClickAt(At(*button, 40, 15));
    auto has = [&](UINT msg) { return std::find(seen.begin(), seen.end(), msg) != seen.end(); };
    EXPECT_TRUE(has(CM_MOUSEENTER));
    EXPECT_TRUE(has(WM_MOUSEMOVE));
    EXPECT_TRUE(has(WM_LBUTTONDOWN));
    EXPECT_TRUE(has(WM_LBUTTONUP));
    EXPECT_TRUE(has(WM_PAINT));  // the parent's paint request, with its DC
    EXPECT_EQ(clicks, 1);

    swallowMouse = true;
    ClickAt(At(*button, 40, 15));
    EXPECT_EQ(clicks, 1);

    seen.clear();
    MoveMouseTo(At(*m_form, 300, 200));
    EXPECT_TRUE(has(CM_MOUSELEAVE));

    button->WindowProc = saved;
    ClickAt(At(*button, 40, 15));
    EXPECT_EQ(clicks, 2);
}

TEST_F(ControlsTest, MouseEnterAndLeaveFollowTheControlUnderTheMouse)
{
    auto* a = Add<TLabel>(10, 10, 60, 20);
    auto* b = Add<TLabel>(70, 10, 60, 20);
    auto* memo = Add<TMemo>(10, 60, 120, 60);
    std::vector<std::string> events;
    for (TControl* c : std::initializer_list<TControl*> {a, b, memo}) {
        c->OnMouseEnter = [&events, c](TObject*) { events.push_back("enter " + std::to_string(c->Left())); };
        c->OnMouseLeave = [&events, c](TObject*) { events.push_back("leave " + std::to_string(c->Left())); };
    }
    memo->SetLeft(11);
    MoveMouseTo({5, 5});
    ShowForm();
    events.clear();
    MoveMouseTo(At(*a, 5, 5));
    MoveMouseTo(At(*b, 5, 5));
    MoveMouseTo(At(*memo, 5, 5));
    MoveMouseTo({5, 5});  // off the form altogether
    EXPECT_EQ(events, (std::vector<std::string> {"enter 10", "leave 10", "enter 70", "leave 70", "enter 11",
                                                 "leave 11"}));
}

// A move that comes with a button held may come under a capture while the
// pointer is over another window: what lies under the pointer is asked for
// then, at the move itself, not at the next idle moment.
TEST_F(ControlsTest, ADragOntoAWindowOverTheControlLeavesItAtOnce)
{
    auto* memo = Add<TMemo>(10, 60, 120, 60);
    int leaves = 0;
    memo->OnMouseLeave = [&](TObject*) { ++leaves; };
    MoveMouseTo({5, 5});
    ShowForm();
    const POINT inside = At(*memo, 10, 10), covered = At(*memo, 100, 40);
    TBackdrop cover({covered.x - 10, covered.y - 10, covered.x + 10, covered.y + 10}, RGB(0, 0, 255));
    SetWindowPos(cover.Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    MoveMouseTo(inside);
    SendMouseInput(MOUSEEVENTF_LEFTDOWN, inside);
    ASSERT_TRUE(PumpUntil([&] { return GetCapture() == memo->Handle(); }));  // the edit selects
    SendMouseInput(0, covered);
    // Only the messages: no idle-time look at the pointer.
    const ULONGLONG deadline = GetTickCount64() + 3000;
    while (leaves == 0 && GetTickCount64() < deadline) {
        Application->ProcessMessages();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
    EXPECT_EQ(leaves, 1);
    SendMouseInput(MOUSEEVENTF_LEFTUP, covered);
    PumpIdle();
}

TEST_F(ControlsTest, SpeedButtonClicksOnlyWhenReleasedOverItAndGroupsStayDown)
{
    auto* one = Add<TSpeedButton>(10, 10, 60, 30);
    auto* two = Add<TSpeedButton>(80, 10, 60, 30);
    int clicks = 0;
    one->OnClick = [&](TObject*) { ++clicks; };
    ShowForm();

    MouseDownAt(At(*one, 20, 15));
    EXPECT_EQ(one->State(), TButtonState::bsDown);
    MouseUpAt(At(*m_form, 300, 200));  // released elsewhere
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(one->State(), TButtonState::bsUp);

    one->SetGroupIndex(1);
    two->SetGroupIndex(1);
    ClickAt(At(*one, 20, 15));
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(one->Down());
    ClickAt(At(*two, 20, 15));
    EXPECT_TRUE(two->Down());
    EXPECT_FALSE(one->Down());
    ClickAt(At(*two, 20, 15));
    EXPECT_TRUE(two->Down());  // the group does not allow all up
}

TEST_F(ControlsTest, ControlsPaintLikeTheirClassicKin)
{
    TClassicColours classic;
    SystemColoursChanged();
    m_form->SetColor(clBtnFace);
    auto* label = Add<TLabel>(10, 10, 100, 20);
    label->SetAutoSize(false);
    label->SetCaption(L"");
    label->SetColor(clYellow);
    auto* button = Add<TSpeedButton>(10, 40, 60, 30);
    button->SetCaption(L"Go");
    ShowForm();
    RedrawWindow(m_form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpIdle();
    auto shot = CaptureWindow(m_form->Handle());
    SaveScreenshot(*shot, "framework-controls");
    POINT o = m_form->ClientOrigin();
    RECT w;
    GetWindowRect(m_form->Handle(), &w);
    auto px = [&](int x, int y) { return PixelOf(*shot, o.x - w.left + x, o.y - w.top + y); };
    EXPECT_EQ(px(50, 20), RGB(255, 255, 0));     // label fills its colour
    EXPECT_EQ(px(200, 150), RGB(212, 208, 200)); // form face
    EXPECT_EQ(px(10, 40), RGB(255, 255, 255));   // raised button: light top-left edge
    EXPECT_EQ(px(69, 69), RGB(64, 64, 64));      // dark bottom-right edge
    EXPECT_EQ(px(40, 50), RGB(212, 208, 200));   // button face
}

// A child's window asked for before its form's makes the form's first; each
// control must still end with one window, or an orphaned second one takes
// paint requests nobody answers and the message loop never goes quiet.
TEST_F(ControlsTest, ChildWindowMadeBeforeTheFormsIsItsControlsOnlyOne)
{
    auto* edit = Add<TEdit>(10, 10, 90, 25);
    auto* button = Add<TButton>(10, 40, 90, 25);
    edit->Handle();
    ASSERT_NO_FATAL_FAILURE(ExpectOneWindowEach(*m_form, {edit, button}));

    m_form->Show();
    ASSERT_TRUE(PumpUntil([this] { return GetActiveWindow() == m_form->Handle(); }));
    EXPECT_TRUE(PumpUntil([] { return !(HIWORD(GetQueueStatus(QS_PAINT)) & QS_PAINT); }));
    EXPECT_TRUE(IsWindowVisible(edit->Handle()));
}

TEST_F(ControlsTest, GrandchildWindowMadeFirstMakesEachAncestorsOnce)
{
    auto* box = Add<TBox>(10, 10, 150, 60);
    auto* button = new TButton(m_form.get());
    button->SetParent(box);
    button->SetBounds(5, 5, 80, 25);
    button->Handle();
    ASSERT_NO_FATAL_FAILURE(ExpectOneWindowEach(*m_form, {box, button}));
    EXPECT_EQ(GetParent(button->Handle()), box->Handle());
}

// Glyphs grow with the density of the button's window, pixel for pixel: a
// red square covers (dpi/96)^2 its area at 96, and the see-through colour
// shows nowhere.
TEST_F(ControlsTest, GlyphsGrowWithTheDensity)
{
    ShowForm();
    auto const redAndFuchsia = [&](int dpi, bool speed) {
        TPinnedDpi const pinned(dpi);
        TControl* button = nullptr;
        TBitmap* glyph = nullptr;
        if (speed) {
            auto* b = Add<TSpeedButton>(10, 10, 120, 60);
            glyph = &b->Glyph();
            button = b;
        } else {
            auto* b = Add<TBitBtn>(10, 10, 120, 60);
            glyph = &b->Glyph();
            button = b;
        }
        TBitmap art(16, 16, TPixelFormat::pf24bit);
        art.Canvas().Brush().SetColor(clFuchsia);
        art.Canvas().FillRect({0, 0, 16, 16});
        art.Canvas().Brush().SetColor(clRed);
        art.Canvas().FillRect({4, 4, 12, 12});
        glyph->Assign(art);
        RedrawWindow(m_form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        PumpIdle();
        POINT const at = button->ClientToScreen({0, 0});
        std::unique_ptr<TBitmap> const shot = CaptureScreen({at.x, at.y, at.x + 120, at.y + 60});
        std::pair<int, int> counts;
        for (int y = 0; y < shot->Height(); ++y)
            for (int x = 0; x < shot->Width(); ++x) {
                COLORREF const c = PixelOf(*shot, x, y);
                counts.first += c == RGB(255, 0, 0);
                counts.second += c == RGB(255, 0, 255);
            }
        delete button;
        return counts;
    };
    for (bool speed : {false, true}) {
        auto const at96 = redAndFuchsia(96, speed);
        EXPECT_EQ(at96, std::make_pair(64, 0)) << (speed ? "speed button" : "bitmap button");
        for (int dpi : {120, 144, 192}) {
            auto const scaled = redAndFuchsia(dpi, speed);
            int const side = ScaleDpi(8, dpi);
            EXPECT_NEAR(scaled.first, side * side, 2 * side) << dpi << (speed ? " speed button" : " bitmap button");
            EXPECT_EQ(scaled.second, 0) << dpi;
        }
    }
}

TEST_F(ControlsTest, FormsAndControlsFreeEveryGdiObjectTheyMake)
{
    ShowForm();
    PumpIdle();
    const int before = LiveGdiObjects();
    for (int round = 0; round < 20; ++round) {
        std::unique_ptr<TPlainForm> form(TCustomForm::Create<TPlainForm>(nullptr));
        form->SetBounds(50, 50, 200, 150);
        for (int i = 0; i < 4; ++i) {
            auto* b = new TSpeedButton(form.get());
            b->SetParent(form.get());
            b->SetBounds(5, 5 + i * 30, 80, 25);
            b->SetCaption(L"Button");
            b->Glyph().SetSize(16, 16);
            auto* l = new TLabel(form.get());
            l->SetParent(form.get());
            l->SetBounds(100, 5 + i * 30, 80, 25);
            l->SetCaption(L"Label");
            l->Font().SetHeight(-12 - i);
        }
        auto* memo = new TMemo(form.get());
        memo->SetParent(form.get());
        memo->SetBounds(5, 130, 150, 40);
        form->SetDoubleBuffered(round % 2 == 0);
        // Shown without activation: activating and hiding windows is slow under Wine.
        ShowWindow(form->Handle(), SW_SHOWNOACTIVATE);
        RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
    PumpIdle();
    EXPECT_EQ(LiveGdiObjects(), before);
}

TEST(ButtonLayout, CentresGlyphAndTextWithTheSpacing)
{
    RECT client {0, 0, 100, 40};
    auto r = CalcButtonLayout(client, {16, 16}, {40, 13}, TButtonLayout::blGlyphLeft, -1, 4);
    EXPECT_EQ(r.GlyphPos.x, 20);  // (100 - (16 + 4 + 40) + 1) / 2
    EXPECT_EQ(r.GlyphPos.y, 12);
    EXPECT_EQ(r.TextBounds.left, 40);
    EXPECT_EQ(r.TextBounds.top, 14);
    auto noGlyph = CalcButtonLayout(client, {0, 0}, {40, 13}, TButtonLayout::blGlyphLeft, -1, 4);
    EXPECT_EQ(noGlyph.TextBounds.left, 30);  // no spacing without a glyph
    auto top = CalcButtonLayout(client, {16, 16}, {40, 13}, TButtonLayout::blGlyphTop, 2, 1);
    EXPECT_EQ(top.GlyphPos.y, 2);
    EXPECT_EQ(top.TextBounds.top, 19);
    EXPECT_EQ(top.GlyphPos.x, 42);
    auto right = CalcButtonLayout({10, 10, 110, 50}, {16, 16}, {40, 13}, TButtonLayout::blGlyphRight, 5, 4);
    EXPECT_EQ(right.GlyphPos.x, 10 + 100 - 5 - 16);
    EXPECT_EQ(right.TextBounds.right, right.GlyphPos.x - 4);
}

} // namespace tandrel::test
