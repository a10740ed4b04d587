// Scroll-bar skinners on real windows and the dispatch of the grouping and
// list kinds: where the thumb sits and what it shows, a real drag of the
// skinned thumb, the stand-alone bar, and which skinner each kind gets.

#include "framework/controls/Button.h"
#include "framework/controls/CheckBox.h"
#include "framework/controls/Edit.h"
#include "framework/controls/GroupBox.h"
#include "framework/controls/ListBox.h"
#include "framework/controls/ListView.h"
#include "framework/controls/Panel.h"
#include "framework/controls/RadioButton.h"
#include "framework/controls/RadioGroup.h"
#include "framework/controls/RichEdit.h"
#include "framework/controls/ScrollBar.h"
#include "framework/controls/ScrollBox.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinControlList.h"
#include "skin/controls/SkinHeader.h"
#include "skin/controls/SkinScrollBar.h"
#include "tools/skinview/pages/ControlsPage.h"
#include "tests/skin/forms/SkinFormFixture.h"
#include "tests/support/TestSupport.h"

#include <set>
#include <string>

namespace tandrel::test {

namespace {

// The centre pixel of frame `frame` of a strip of `count`.
COLORREF FrameCentre(TBitmap& strip, int count, int frame)
{
    int const w = strip.Width() / count;
    return PixelOf(strip, w * (frame - 1) + w / 2, strip.Height() / 2);
}

// Whether every pixel of `area` in `shot` is a colour frame `frame` of the
// strip has, or the bar's background where the frame is see-through: a
// copy stretched colour on colour makes no new colours.
bool ShowsOnlyColoursOf(TBitmap& shot, const RECT& area, TBitmap& strip, int count, int frame, COLORREF background)
{
    int const w = strip.Width() / count;
    std::set<COLORREF> palette {background};
    for (int y = 0; y < strip.Height(); ++y)
        for (int x = w * (frame - 1); x < w * frame; ++x)
            palette.insert(PixelOf(strip, x, y));
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (!palette.count(PixelOf(shot, x, y)))
                return false;
    return true;
}

TMemo* LongMemo(TCustomForm& form, TScrollStyle bars)
{
    auto* memo = Put<TMemo>(form, form, 10, 10, 200, 150);
    memo->SetScrollBars(bars);
    for (int i = 0; i < 200; ++i)
        memo->Lines().Add(L"Line " + std::to_wstring(i) + L" of a memo long enough to scroll both ways, and then some");
    return memo;
}

} // namespace

class SkinScrollBarTest : public TSkinFormTest {};

// The bars are the skin's: the arrows' frames, the thumb where the geometry
// puts it, the corner in the face colour.
TEST_F(SkinScrollBarTest, MemoBarsAreDrawnFromTheSkinWithTheThumbInPlace)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable, 260, 200);
    TMemo* memo = LongMemo(*form, TScrollStyle::ssBoth);
    TWinSkinForm* skin = ShowSkinned(*form);
    auto* bars = dynamic_cast<TSkinScrollBar*>(skin->FindSkinner(memo->Handle()));
    ASSERT_NE(bars, nullptr);
    EXPECT_TRUE(bars->OwnThumbDrag());
    SendMessageW(memo->Handle(), EM_LINESCROLL, 0, 50);
    RedrawWindow(memo->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    PumpIdle();
    auto shot = CaptureWindow(memo->Handle());
    SaveScreenshot(*shot, "skinned-memo-bars");

    RECT const v = bars->VerticalBar();
    RECT const h = bars->HorizontalBar();
    RECT const corner = bars->Corner();
    ASSERT_FALSE(IsRectEmpty(&v));
    ASSERT_FALSE(IsRectEmpty(&h));
    EXPECT_EQ(PixelOf(*shot, corner.left + 2, corner.top + 2), ColorToRGB(Skin().ButtonFaceColour));

    // The geometry follows what the platform says of the bar: 200 lines,
    // 9 to a page, the top one 50; a 129-pixel bar with 17-pixel arrows
    // leaves a 95-pixel track.
    SCROLLINFO info {sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(memo->Handle(), SB_VERT, &info);
    ASSERT_EQ(v.bottom - v.top, 129);
    ASSERT_EQ(GetSystemMetrics(SM_CXHSCROLL), 17);
    ASSERT_EQ(info.nMax - info.nMin, 199);
    ASSERT_EQ(info.nPage, 9u);
    ASSERT_EQ(info.nPos, 50);
    TBarGeometry const& g = bars->Geometry(true);
    // 9 * 95 / 199 rounds to 4, below the 8-pixel least thumb; the thumb
    // then moves over 95 - 8 pixels for 199 - 9 lines: 50 * 87 / 190 = 22.9.
    EXPECT_EQ(g.ThumbSize, 8);
    EXPECT_EQ(g.ThumbOffset, 23);

    // Up arrow, down arrow and the thumb's middle come from their images.
    TBitmap& arrows = Skin().Scrollbar->Bitmap;
    int const x = (v.left + v.right) / 2;
    int const a = g.Arrow;
    EXPECT_TRUE(ShowsOnlyColoursOf(*shot, {v.left, v.top, v.right, v.top + a}, arrows, 23, 9, ColorToRGB(Skin().ScrollbarColour)));
    EXPECT_TRUE(ShowsOnlyColoursOf(*shot, {v.left, v.bottom - a, v.right, v.bottom}, arrows, 23, 13, ColorToRGB(Skin().ScrollbarColour)));
    TDataSkinObject& thumb = *Skin().VertScrollThumb;
    EXPECT_EQ(PixelOf(*shot, x, v.top + a + g.ThumbOffset + g.ThumbSize / 2),
              FrameCentre(thumb.Bitmap, thumb.FrameCount > 0 ? thumb.FrameCount : 3, 1));
    EXPECT_TRUE(ShowsOnlyColoursOf(*shot, {h.left, h.top, h.left + a, h.bottom}, arrows, 23, 1, ColorToRGB(Skin().ScrollbarColour)));
}

// A real drag of the skinned thumb scrolls the memo; the drag holds the
// mouse, so a release outside the window ends it.
TEST_F(SkinScrollBarTest, MemoScrollsByARealDragOfTheSkinnedThumb)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable, 260, 200);
    TMemo* memo = LongMemo(*form, TScrollStyle::ssVertical);
    TWinSkinForm* skin = ShowSkinned(*form);
    auto* bars = dynamic_cast<TSkinScrollBar*>(skin->FindSkinner(memo->Handle()));
    ASSERT_NE(bars, nullptr);
    RedrawWindow(memo->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    PumpIdle();
    RECT window {};
    GetWindowRect(memo->Handle(), &window);
    RECT const v = bars->VerticalBar();
    TBarGeometry const g = bars->Geometry(true);
    POINT const onThumb {window.left + (v.left + v.right) / 2, window.top + v.top + g.Arrow + g.ThumbOffset + g.ThumbSize / 2};
    POINT const moved {onThumb.x, onThumb.y + 40};
    POINT const outside {window.right + 60, onThumb.y + 40};

    int lineDuringDrag = -1;
    int offsetDuringDrag = -1;
    bool trackedDuringDrag = false;
    // The drag runs its own loop: the steps run from inside it.
    RunSoon([&] {
        trackedDuringDrag = bars->Tracking();
        SendMouseInput(0, moved);
        RunSoon([&] {
            lineDuringDrag = static_cast<int>(SendMessageW(memo->Handle(), EM_GETFIRSTVISIBLELINE, 0, 0));
            offsetDuringDrag = bars->Geometry(true).ThumbOffset;
            SendMouseInput(0, outside);
            RunSoon([&] { SendMouseInput(MOUSEEVENTF_LEFTUP, outside); }, 50);
        }, 100);
    }, 100);
    MoveMouseTo(onThumb);
    SendMouseInput(MOUSEEVENTF_LEFTDOWN, onThumb);
    ASSERT_TRUE(PumpUntil([&] { return lineDuringDrag >= 0 && !bars->Tracking(); }));
    PumpIdle();
    EXPECT_TRUE(trackedDuringDrag);
    EXPECT_GT(lineDuringDrag, 0);
    EXPECT_GE(offsetDuringDrag, g.ThumbOffset + 39);
    EXPECT_LE(offsetDuringDrag, g.ThumbOffset + 41);
    EXPECT_EQ(bars->PressedPart(), spNone); // the end of the drag resets it
    EXPECT_NE(GetCapture(), memo->Handle());
    EXPECT_GT(SendMessageW(memo->Handle(), EM_GETFIRSTVISIBLELINE, 0, 0), 0);

    // A click on an arrow goes to the platform, which scrolls a line.
    int const before = static_cast<int>(SendMessageW(memo->Handle(), EM_GETFIRSTVISIBLELINE, 0, 0));
    ClickAt({onThumb.x, window.top + v.bottom - g.Arrow / 2});
    EXPECT_TRUE(PumpUntil([&] { return SendMessageW(memo->Handle(), EM_GETFIRSTVISIBLELINE, 0, 0) == before + 1; }));
    PumpIdle();
    // The bar is the skin's again once the platform's own press is over.
    auto shot = CaptureWindow(memo->Handle());
    EXPECT_TRUE(ShowsOnlyColoursOf(*shot, {v.left, v.bottom - g.Arrow, v.right, v.bottom}, Skin().Scrollbar->Bitmap, 23,
                                   13, ColorToRGB(Skin().ScrollbarColour)));
}

// Away from the screen's density a bar has the thickness the system's has
// at the window's: the memo makes room for it, the whole of it answers as
// the bar, and a press on its arrow, tracked by the skinner, steps a line.
TEST_F(SkinScrollBarTest, BarsAtAnotherDensityTakeTheirRoomAndTheirPresses)
{
    TPinnedDpi const pinned(144);
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable, 260, 200);
    TMemo* memo = LongMemo(*form, TScrollStyle::ssVertical);
    ShowSkinned(*form);
    HWND const h = memo->Handle();
    RECT window {};
    GetWindowRect(h, &window);
    POINT origin {0, 0};
    ClientToScreen(h, &origin);
    RECT client {};
    GetClientRect(h, &client);
    int const edge = origin.x - window.left;
    int const bar = window.right - (origin.x + client.right) - edge;
    EXPECT_EQ(bar, ScaleDpi(GetSystemMetrics(SM_CXVSCROLL), 144, ScreenDpi()));

    // Past the width the system would give its own bar.
    LONG const outer = window.right - edge - 2;
    EXPECT_EQ(SendMessageW(h, WM_NCHITTEST, 0, MAKELPARAM(outer, (window.top + window.bottom) / 2)), HTVSCROLL);

    auto const first = SendMessageW(h, EM_GETFIRSTVISIBLELINE, 0, 0);
    PostMessageW(h, WM_LBUTTONUP, 0, 0);
    SendMessageW(h, WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(outer, window.bottom - edge - bar / 2));
    EXPECT_EQ(SendMessageW(h, EM_GETFIRSTVISIBLELINE, 0, 0), first + 1);
    EXPECT_NE(GetCapture(), h);
}

TEST_F(SkinScrollBarTest, EveryKindOfTheControlsPageGetsItsSkinner)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable, 640, 420, L"Skinned controls");
    TControlsPage const p = BuildControlsPage(*form);
    p.Check->SetColor(clYellow);
    TWinSkinForm* skin = ShowSkinned(*form);
    MouseAway();

    EXPECT_EQ(SkinnerOf(*skin, *p.Check), "TSkinCheckBox");
    EXPECT_EQ(SkinnerOf(*skin, *p.Grayed), "TSkinCheckBox");
    EXPECT_EQ(SkinnerOf(*skin, *p.Radio), "TSkinRadioButton");
    EXPECT_EQ(SkinnerOf(*skin, *p.Group), "TSkinBox");
    ASSERT_EQ(p.Group->ButtonCount(), 2);
    EXPECT_EQ(SkinnerOf(*skin, *p.Group->Buttons(1)), "TSkinRadioButton");
    EXPECT_EQ(SkinnerOf(*skin, *p.Box), "TSkinBox");
    EXPECT_EQ(SkinnerOf(*skin, *p.InBox), "TSkinCheckBox");
    EXPECT_FALSE(p.InBox->ParentColor());
    EXPECT_EQ(SkinnerOf(*skin, *p.Panel), "TSkinBox");
    EXPECT_EQ(SkinnerOf(*skin, *p.PanelOwned), "TSkinButton");
    EXPECT_EQ(SkinnerOf(*skin, *p.FormOwned), "TSkinButton");
    EXPECT_EQ(SkinnerOf(*skin, *p.Bar), "TSkinScControl");
    EXPECT_EQ(SkinnerOf(*skin, *p.List), "TSkinScrollBar");
    EXPECT_EQ(SkinnerOf(*skin, *p.View), "TSkinListView");
    EXPECT_FALSE(dynamic_cast<TSkinListView*>(skin->FindSkinner(p.View->Handle()))->OwnThumbDrag());
    EXPECT_EQ(SkinnerOf(*skin, *p.Memo), "TSkinScrollBar");
    EXPECT_EQ(SkinnerOf(*skin, *p.Rich), "TSkinScrollBar");
    EXPECT_EQ(SkinnerOf(*skin, *p.ScrollBox), "TSkinScrollBar");

    // Boxes and checks take the face colour and give their own back.
    TColor const face = Skin().ButtonFaceColour;
    EXPECT_EQ(p.Check->Color(), face);
    EXPECT_EQ(p.Panel->Color(), face);
    RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpIdle();
    auto shot = Shot(form->Handle());
    SaveScreenshot(*shot, "bench-controls");
    Skin().SetActive(false);
    SkinManager->ActionTimer();
    EXPECT_EQ(p.Check->Color(), clYellow);
    Skin().SetActive(true);
    SkinManager->ActionTimer();
    ASSERT_TRUE(PumpUntil([&] { return SkinOf(form->Handle()) && SkinOf(form->Handle())->SkinState() == ssSkinned; }));
}

// A list view's column header is drawn from the skin's Headerbar: each
// heading and the area after the last one, with the headings' texts.
TEST_F(SkinScrollBarTest, ListViewHeaderIsDrawnFromTheSkin)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable, 400, 200);
    auto* view = Put<TListView>(*form, *form, 10, 10, 360, 150);
    view->SetViewStyle(TViewStyle::vsReport);
    view->AddColumn(L"名称", 120);
    view->AddColumn(L"Value", 100);
    view->AddItem(L"Row").SubItems().Add(L"1");
    TWinSkinForm* skin = ShowSkinned(*form);
    auto* bars = dynamic_cast<TSkinListView*>(skin->FindSkinner(view->Handle()));
    ASSERT_NE(bars, nullptr);
    HWND const header = reinterpret_cast<HWND>(SendMessageW(view->Handle(), LVM_GETHEADER, 0, 0));
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(skin->FindSkinner(header), static_cast<TSkinControl*>(bars->Header()));
    EXPECT_STREQ(skin->FindSkinner(header)->ClassName(), "TSkinHeader");
    EXPECT_EQ(SendMessageW(header, WM_ERASEBKGND, 0, 0), 1);

    RedrawWindow(header, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    PumpIdle();
    auto shot = CaptureWindow(header);
    SaveScreenshot(*shot, "skinned-list-header");
    // The skin's frame: its top-left pixel at each heading's start and after
    // the last one; the text in the window-text colour.
    TBitmap& strip = Skin().Headerbar->Bitmap;
    COLORREF const corner = PixelOf(strip, 0, 0);
    EXPECT_EQ(PixelOf(*shot, 0, 0), corner);
    EXPECT_EQ(PixelOf(*shot, 120, 0), corner);
    EXPECT_EQ(PixelOf(*shot, 230, 0), corner);
    bool text = false;
    for (int y = 0; y < shot->Height() && !text; ++y)
        for (int x = 2; x < 60 && !text; ++x)
            text = PixelOf(*shot, x, y) == ColorToRGB(clWindowText);
    EXPECT_TRUE(text);
}

// The stand-alone bar reads its range from the control; the platform drags
// its thumb and the skinner draws after every step.
TEST_F(SkinScrollBarTest, StandAloneScrollBarFollowsTheControl)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable, 300, 120);
    auto* bar = Put<TScrollBar>(*form, *form, 10, 10, 217, 17);
    bar->SetParams(0, 0, 99);
    bar->SetPageSize(10);
    TWinSkinForm* skin = ShowSkinned(*form);
    auto* skinner = dynamic_cast<TSkinScControl*>(skin->FindSkinner(bar->Handle()));
    ASSERT_NE(skinner, nullptr);
    EXPECT_FALSE(skinner->Vertical());
    bar->SetPosition(90);
    PumpIdle();
    // 217 less two 17-pixel arrows; the range counts both ends: 100.
    TBarGeometry const& g = skinner->Geometry();
    EXPECT_EQ(g.Track, 217 - 2 * g.Arrow);
    EXPECT_EQ(g.ThumbSize, std::max<int>(MulDiv(10, g.Track, 100), 8));
    EXPECT_EQ(g.ThumbOffset, g.Track - g.ThumbSize);

    // A real click on the left arrow: the platform steps a line, the skinner
    // shows the pressed arrow while it does and draws the bar after.
    RECT window {};
    GetWindowRect(bar->Handle(), &window);
    int pressedDuringStep = -1;
    bar->OnChange = [&](TObject*) { pressedDuringStep = skinner->PressedPart(); };
    ClickAt({window.left + g.Arrow / 2, (window.top + window.bottom) / 2});
    ASSERT_TRUE(PumpUntil([&] { return bar->Position() == 89; }));
    PumpIdle();
    bar->OnChange = nullptr;
    EXPECT_EQ(pressedDuringStep, spLeftArrow);
    EXPECT_EQ(skinner->PressedPart(), spNone);
    auto shot = CaptureWindow(bar->Handle());
    SaveScreenshot(*shot, "skinned-scroll-bar");
    EXPECT_TRUE(ShowsOnlyColoursOf(*shot, {0, 0, g.Arrow, window.bottom - window.top}, Skin().Scrollbar->Bitmap, 23, 1,
                                   ColorToRGB(Skin().ScrollbarColour)));
}


// Away from the screen's density the stand-alone bar's arrows are longer
// than the system's: a real press on the outer part of one steps a line,
// on the track a page, and a real drag of the thumb moves it.
TEST_F(SkinScrollBarTest, StandAloneBarAtAnotherDensityIsPressedWhereItIsDrawn)
{
    TPinnedDpi const pinned(144);
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable, 420, 140);
    int const thickness = ScaleDpi(GetSystemMetrics(SM_CYHSCROLL), 144, ScreenDpi());
    auto* bar = Put<TScrollBar>(*form, *form, 10, 10, 330, thickness);
    bar->SetParams(50, 0, 99);
    bar->SetPageSize(10);
    bar->SetLargeChange(10);
    TWinSkinForm* skin = ShowSkinned(*form);
    auto* skinner = dynamic_cast<TSkinScControl*>(skin->FindSkinner(bar->Handle()));
    ASSERT_NE(skinner, nullptr);
    PumpIdle();
    TBarGeometry const g = skinner->Geometry();
    ASSERT_EQ(g.Arrow, thickness);
    ASSERT_GT(g.Arrow, GetSystemMetrics(SM_CXHSCROLL) + 2);
    RECT window {};
    GetWindowRect(bar->Handle(), &window);
    LONG const middle = (window.top + window.bottom) / 2;

    // Past the arrow the system would have: still the arrow.
    ClickAt({window.left + g.Arrow - 2, middle});
    ASSERT_TRUE(PumpUntil([&] { return bar->Position() == 49 && GetCapture() != bar->Handle(); }));
    ClickAt({window.right - g.Arrow + 2, middle});
    ASSERT_TRUE(PumpUntil([&] { return bar->Position() == 50 && GetCapture() != bar->Handle(); }));
    EXPECT_EQ(skinner->PressedPart(), spNone);

    // The track beyond the thumb pages.
    PumpIdle();
    TBarGeometry const paged = skinner->Geometry();
    ClickAt({window.left + g.Arrow + (paged.ThumbOffset + paged.ThumbSize + paged.Track) / 2, middle});
    ASSERT_TRUE(PumpUntil([&] { return bar->Position() == 60 && GetCapture() != bar->Handle(); }));

    // The thumb follows a real drag; the drag holds the mouse.
    PumpIdle();
    TBarGeometry const before = skinner->Geometry();
    POINT const onThumb {window.left + before.Arrow + before.ThumbOffset + before.ThumbSize / 2, middle};
    POINT const moved {onThumb.x - 60, middle};
    int positionDuringDrag = -1;
    bool trackedDuringDrag = false;
    RunSoon([&] {
        trackedDuringDrag = skinner->Tracking();
        SendMouseInput(0, moved);
        RunSoon([&] {
            positionDuringDrag = bar->Position();
            SendMouseInput(MOUSEEVENTF_LEFTUP, moved);
        }, 100);
    }, 100);
    MoveMouseTo(onThumb);
    SendMouseInput(MOUSEEVENTF_LEFTDOWN, onThumb);
    ASSERT_TRUE(PumpUntil([&] { return positionDuringDrag >= 0 && !skinner->Tracking(); }));
    PumpIdle();
    EXPECT_TRUE(trackedDuringDrag);
    EXPECT_LT(positionDuringDrag, 60);
    EXPECT_LT(bar->Position(), 60);
    EXPECT_NEAR(skinner->Geometry().ThumbOffset, before.ThumbOffset - 60, 2);
    EXPECT_NE(GetCapture(), bar->Handle());
}

} // namespace tandrel::test
