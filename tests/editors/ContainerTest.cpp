// The container layer: style values and their inheritance, update
// batching, view info borders, refresh comparison and mouse-leave tracking.

#include "tests/editors/EditorsFixture.h"

#include "editors/controls/cxContainer.h"

namespace tandrel::test {

namespace {

class TTestContainer : public TcxContainer {
public:
    explicit TTestContainer(TComponent* owner)
        : TcxContainer(owner, {[](TcxContainer* c) { return std::make_unique<TcxContainerStyle>(c, c); },
                               [] { return std::make_unique<TcxContainerViewInfo>(); }})
    {
    }
    const char* ClassName() const override { return "TTestContainer"; }
    int StyleModifiedCount = 0;

protected:
    void StyleModified() override
    {
        ++StyleModifiedCount;
        TcxContainer::StyleModified();
    }
};

struct ContainerStyleTest : ::testing::Test {
    TcxContainerStyle Style {nullptr, nullptr};
    int Changes = 0;
    void SetUp() override { Style.OnChanged = [this] { ++Changes; }; }
};

} // namespace

TEST_F(ContainerStyleTest, NothingAssignedGivesTheTableDefaults)
{
    EXPECT_EQ(Style.BorderColor(), clWindowFrame);
    EXPECT_EQ(Style.BorderStyle(), cbsUltraFlat);  // from the look-and-feel kind
    EXPECT_EQ(Style.Color(), clWindow);
    EXPECT_EQ(Style.Edges(), cxBordersAll);
    EXPECT_TRUE(Style.HotTrack());
    EXPECT_FALSE(Style.Shadow());
    EXPECT_TRUE(Style.TransparentBorder());
    EXPECT_EQ(Style.AssignedValues(), 0u);
    Style.LookAndFeel().SetKind(lfStandard);
    EXPECT_EQ(Style.BorderStyle(), cbs3D);
    Style.LookAndFeel().SetKind(lfFlat);
    EXPECT_EQ(Style.BorderStyle(), cbsFlat);
    EXPECT_EQ(Changes, 2);  // look-and-feel changes are style changes
}

TEST_F(ContainerStyleTest, ControllerSuppliesWhatTheStyleDoesNotAssign)
{
    TcxStyleController controller(nullptr);
    controller.Style().SetBorderStyle(cbs3D);
    controller.Style().SetShadow(true);
    Style.SetStyleController(&controller);
    EXPECT_EQ(Changes, 1);
    EXPECT_EQ(Style.BorderStyle(), cbs3D);
    EXPECT_TRUE(Style.Shadow());
    EXPECT_EQ(Style.Color(), clWindow);  // unassigned there too: our default
    Style.SetShadow(false);
    EXPECT_FALSE(Style.Shadow());
    // A change of the controller's style is a change of ours.
    controller.Style().SetBorderStyle(cbsThick);
    EXPECT_EQ(Style.BorderStyle(), cbsThick);
    EXPECT_EQ(Changes, 3);
}

TEST_F(ContainerStyleTest, ControllerThatIsFreedIsForgotten)
{
    {
        TcxStyleController controller(nullptr);
        controller.Style().SetHotTrack(false);
        Style.SetStyleController(&controller);
        EXPECT_FALSE(Style.HotTrack());
    }
    EXPECT_EQ(Style.StyleController(), nullptr);
    EXPECT_TRUE(Style.HotTrack());
}

TEST_F(ContainerStyleTest, ControllerChainThatLeadsBackIsRefused)
{
    TcxStyleController a(nullptr), b(nullptr);
    a.Style().SetStyleController(&b);
    b.Style().SetStyleController(&a);
    EXPECT_EQ(b.Style().StyleController(), nullptr);
    b.Style().SetStyleController(&b);
    EXPECT_EQ(b.Style().StyleController(), nullptr);
}

TEST_F(ContainerStyleTest, WritingTheInheritedValueStillAssignsIt)
{
    Style.SetHotTrack(true);
    EXPECT_EQ(Style.AssignedValues(), StyleValueBit(csvHotTrack));
    EXPECT_EQ(Changes, 1);
    Style.SetHotTrack(true);  // assigned and equal: nothing
    EXPECT_EQ(Changes, 1);
    Style.SetAssignedValues(0);
    EXPECT_EQ(Changes, 2);
}

TEST_F(ContainerStyleTest, UpdateBatchesChangesIntoOne)
{
    Style.BeginStyleUpdate();
    Style.BeginStyleUpdate();
    for (int i = 0; i < 10; ++i)
        Style.SetBorderColor(RGB(i, 0, 0));
    Style.EndStyleUpdate();
    EXPECT_EQ(Changes, 0);
    Style.EndStyleUpdate();
    EXPECT_EQ(Changes, 1);
    Style.BeginStyleUpdate();
    Style.EndStyleUpdate();
    EXPECT_EQ(Changes, 1);  // nothing pending, nothing told

    TcxContainerStyle copy(nullptr, nullptr);
    int copyChanges = 0;
    copy.OnChanged = [&] { ++copyChanges; };
    copy.Assign(Style);
    EXPECT_EQ(copyChanges, 1);
    EXPECT_EQ(copy.BorderColor(), TColor(RGB(9, 0, 0)));
    EXPECT_EQ(copy.AssignedValues(), Style.AssignedValues());
}

TEST(BorderTest, DrawnStyleAndWidthFollowTheHotTrackState)
{
    EXPECT_EQ(DrawnBorderStyle(cbsNone, 0), cbsNone);
    EXPECT_EQ(DrawnBorderStyle(cbsNone, 1), cbsNone);
    EXPECT_EQ(DrawnBorderStyle(cbsNone, 2), cbsFlat);
    EXPECT_EQ(DrawnBorderStyle(cbsSingle, 2), cbsThick);
    EXPECT_EQ(DrawnBorderStyle(cbsFlat, 2), cbs3D);
    EXPECT_EQ(DrawnBorderStyle(cbs3D, 2), cbs3D);
    for (int state : {0, 1, 2})
        EXPECT_EQ(DrawnBorderStyle(cbsUltraFlat, state), cbsSingle);
    const int widths[] = {0, 1, 2, 2, 2, 1};
    for (int s = cbsNone; s <= cbsUltraFlat; ++s)
        EXPECT_EQ(BorderWidthOf(static_cast<TcxContainerBorderStyle>(s)), widths[s]);
}

TEST(BorderTest, EveryBorderStyleDrawsItsRings)
{
    TClassicColours classic;
    TBitmap bitmap(12, 12, TPixelFormat::pf32bit);
    TcxCanvas canvas(bitmap.Canvas());
    TcxContainerViewInfo info;
    info.BorderColor = clRed;
    const RECT r {1, 1, 11, 11};
    auto at = [&](int x, int y) { return PixelOf(bitmap, x, y); };
    auto clear = [&] { canvas.FillRect({0, 0, 12, 12}, clWhite); };

    clear();
    info.DrawContainerBorder(canvas, r, cbsThick);
    EXPECT_EQ(at(1, 1), RGB(255, 0, 0));
    EXPECT_EQ(at(2, 5), RGB(255, 0, 0));
    EXPECT_EQ(at(3, 5), RGB(255, 255, 255));
    EXPECT_EQ(at(9, 9), RGB(255, 0, 0));

    clear();
    info.DrawContainerBorder(canvas, r, cbsFlat);
    EXPECT_EQ(at(1, 5), RGB(128, 128, 128));   // sunken: shadow at left
    EXPECT_EQ(at(10, 5), RGB(255, 255, 255));  // highlight at right
    EXPECT_EQ(at(2, 5), RGB(212, 208, 200));   // then a face ring
    EXPECT_EQ(at(3, 5), RGB(255, 255, 255));

    clear();
    info.DrawContainerBorder(canvas, r, cbs3D);
    EXPECT_EQ(at(5, 1), RGB(128, 128, 128));
    EXPECT_EQ(at(5, 2), RGB(64, 64, 64));      // dark shadow inside at the top
    EXPECT_EQ(at(5, 9), RGB(212, 208, 200));   // 3D light inside at the bottom
    EXPECT_EQ(at(5, 10), RGB(255, 255, 255));

    clear();
    info.Edges = 1u << bTop;
    info.DrawContainerBorder(canvas, r, cbsSingle);
    EXPECT_EQ(at(5, 1), RGB(255, 0, 0));
    EXPECT_EQ(at(1, 5), RGB(255, 255, 255));  // only the edges asked for

    clear();
    info.DrawContainerBorder(canvas, r, cbsUltraFlat);
    info.DrawContainerBorder(canvas, r, cbsNone);
    EXPECT_EQ(at(1, 1), RGB(255, 255, 255));
}

class ContainerTest : public THostFormTest {
protected:
    void SetUp() override
    {
        ParkPointer();
        m_container = new TTestContainer(s_form);
        m_container->SetParent(s_form);
        m_container->SetBounds(20, 20, 120, 40);
        m_container->HandleNeeded();
        Settle();
    }
    void TearDown() override
    {
        delete m_container;
        Settle();
    }
    void Hover() { PointerTo(m_container->ClientToScreen({60, 20})); }

    TTestContainer* m_container = nullptr;
};

TEST_F(ContainerTest, HotTrackingDrawsAFlatBorderOverNone)
{
    TClassicColours classic;
    TcxContainerStyle& style = m_container->Style();
    style.SetBorderStyle(cbsNone);
    style.SetHotTrack(false);
    Hover();
    EXPECT_EQ(m_container->ViewInfo().BorderStyle, cbsNone);
    EXPECT_EQ(m_container->ViewInfo().BorderWidth, 0);
    EXPECT_TRUE(SameRect(m_container->ViewInfo().ClientRect, {0, 0, 120, 40}));

    ParkPointer();
    style.SetHotTrack(true);
    EXPECT_EQ(m_container->ViewInfo().HotTrackState, 1);
    Hover();
    EXPECT_EQ(m_container->ViewInfo().HotTrackState, 2);
    EXPECT_EQ(m_container->ViewInfo().BorderStyle, cbsFlat);
    EXPECT_EQ(m_container->ViewInfo().BorderWidth, 2);
    EXPECT_TRUE(SameRect(m_container->ViewInfo().ClientRect, {2, 2, 118, 38}));
    Settle();
    auto shot = CaptureWindow(m_container->Handle());
    EXPECT_EQ(PixelOf(*shot, 0, 10), RGB(128, 128, 128));
    EXPECT_EQ(PixelOf(*shot, 119, 10), RGB(255, 255, 255));
    EXPECT_EQ(PixelOf(*shot, 1, 10), RGB(212, 208, 200));
}

TEST_F(ContainerTest, MovesThatChangeNothingRepaintNothing)
{
    m_container->Style().SetHotTrack(false);
    Hover();
    Settle();
    TPaintCounter paints(*m_container);
    for (int x = 5; x < 115; ++x)
        SendMessageW(m_container->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(x, 20));
    Settle();
    EXPECT_EQ(paints.Count(), 0);

    // A change of look does repaint.
    m_container->Style().SetColor(clRed);
    Settle();
    EXPECT_GE(paints.Count(), 1);
    EXPECT_EQ(m_container->Color(), clRed);  // the control follows its style
}

TEST_F(ContainerTest, LeavingIsNoticedOnceAndEndsTracking)
{
    int enters = 0, leaves = 0;
    m_container->OnMouseEnter = [&](TObject* s) { enters += s == m_container; };
    m_container->OnMouseLeave = [&](TObject* s) { leaves += s == m_container; };
    Hover();
    EXPECT_EQ(enters, 1);
    EXPECT_TRUE(m_container->MouseTracked());
    // The tracking timer and the host both notice; the leave is reported once.
    SetCursorPos(2, 2);
    ASSERT_TRUE(PumpUntil([&] { return !m_container->MouseTracked(); }, 3000));
    Settle();
    EXPECT_EQ(leaves, 1);
    EXPECT_EQ(enters, 1);
}

TEST_F(ContainerTest, BackgroundIsNeverErased)
{
    TBitmap target(8, 8, TPixelFormat::pf32bit);
    TcxCanvas(target.Canvas()).FillRect({0, 0, 8, 8}, clLime);
    HDC dc = target.Canvas().Handle();
    EXPECT_EQ(m_container->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc)), 1);
    EXPECT_EQ(PixelOf(target, 3, 3), RGB(0, 255, 0));
    WNDCLASSEXW wc {};
    wc.cbSize = sizeof wc;
    GetClassInfoExW(GetModuleHandleW(nullptr), L"TTestContainer", &wc);
    EXPECT_EQ(wc.style & (CS_HREDRAW | CS_VREDRAW), 0u);
}

TEST_F(ContainerTest, FocusChangesAreReportedAndTabMovesOn)
{
    auto* second = new TTestContainer(s_form);
    second->SetParent(s_form);
    second->SetBounds(20, 80, 120, 40);
    int focusChanges = 0;
    m_container->OnFocusChanged = [&](TObject*) { ++focusChanges; };
    m_container->SetFocus();
    EXPECT_TRUE(m_container->Focused());
    EXPECT_EQ(focusChanges, 1);
    EXPECT_TRUE(m_container->ViewInfo().ContainerState & cxcsFocused);
    SendMessageW(m_container->Handle(), WM_KEYDOWN, VK_TAB, 0);
    EXPECT_TRUE(second->Focused());
    EXPECT_EQ(focusChanges, 2);
    delete second;
}

// The view info takes the focus from the window's focus messages: it must
// agree with the system's focus however the window gains or loses it.
TEST_F(ContainerTest, ViewInfoFocusAgreesWithTheSystem)
{
    auto focused = [&] { return (m_container->ViewInfo().ContainerState & cxcsFocused) != 0; };
    m_container->SetFocus();
    ASSERT_TRUE(focused());
    s_form->SetFocus();
    EXPECT_FALSE(focused());
    // A new window for the control starts without the focus.
    m_container->SetFocus();
    m_container->RecreateWnd();
    Settle();
    m_container->RefreshContainer(false);
    EXPECT_EQ(focused(), m_container->Focused());
    // Given the focus while hidden, the control ignores the message but
    // has the focus all the same.
    s_form->SetFocus();
    m_container->SetVisible(false);
    ::SetFocus(m_container->Handle());
    m_container->RefreshContainer(false);
    EXPECT_EQ(focused(), m_container->Focused());
    m_container->SetVisible(true);
    s_form->SetFocus();
    EXPECT_FALSE(focused());
}

} // namespace tandrel::test
