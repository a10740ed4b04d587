// The status-bar skinner on real windows: each bevel's frame of the panel
// edges, the last panel stretched, right-to-left alignment, simple text,
// the plain look without panel edges, panels the bar cannot place, and the
// bar following its form's size.

#include "framework/controls/StatusBar.h"
#include "framework/core/ScopeGuard.h"
#include "skin/controls/SkinStatusBar.h"
#include "tests/skin/forms/SkinFormFixture.h"
#include "tests/support/TestSupport.h"

#include <commctrl.h>

#include <algorithm>
#include <functional>

namespace tandrel::test {

namespace {

RECT PartRect(HWND bar, int index)
{
    RECT r {};
    SendMessageW(bar, SB_GETRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    return r;
}

void Repaint(HWND window)
{
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    PumpIdle();
}

// Whether the w x h corner of frame `frame` of a strip of `count`, its
// top-left corner or its top-right one, shows at `at` in the shot.
bool ShowsCorner(TBitmap& shot, TBitmap& strip, int count, int frame, POINT at, bool right, int w = 2, int h = 2)
{
    int const fw = strip.Width() / count;
    int const left = fw * (frame - 1) + (right ? fw - w : 0);
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i)
            if (PixelOf(shot, at.x + i, at.y + j) != PixelOf(strip, left + i, j))
                return false;
    return true;
}

// The columns of `area` where the two pictures differ: where a text is.
std::pair<int, int> DifferingColumns(TBitmap& a, TBitmap& b, const RECT& area)
{
    int first = -1;
    int last = -1;
    for (int x = area.left; x < area.right; ++x)
        for (int y = area.top; y < area.bottom; ++y)
            if (PixelOf(a, x, y) != PixelOf(b, x, y)) {
                if (first < 0)
                    first = x;
                last = x;
                break;
            }
    return {first, last};
}

class SkinStatusBarTest : public TSkinFormTest {
protected:
    TStatusBar* MakeBar(TCustomForm& form)
    {
        auto* bar = new TStatusBar(&form);
        bar->SetParent(&form);
        bar->AddPanel(L"Lowered", 100);
        bar->AddPanel(L"Raised", 100).SetBevel(TStatusPanelBevel::pbRaised);
        auto& rtl = bar->AddPanel(L"RTL", 100);
        rtl.SetBevel(TStatusPanelBevel::pbNone);
        rtl.SetBiDiMode(TBiDiMode::bdRightToLeft);
        bar->AddPanel(L"Last", 40);
        return bar;
    }
};

} // namespace

TEST_F(SkinStatusBarTest, PanelsShowTheirBevelsFramesAndTheLastOneStretches)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable, 420, 120);
    TStatusBar* bar = MakeBar(*form);
    TWinSkinForm* skin = ShowSkinned(*form);
    ASSERT_NE(dynamic_cast<TSkinStatusBar*>(skin->FindSkinner(bar->Handle())), nullptr);
    HWND const h = bar->Handle();
    EXPECT_EQ(SendMessageW(h, WM_ERASEBKGND, 0, 0), 1);
    Repaint(h);
    auto shot = CaptureWindow(h);
    SaveScreenshot(*shot, "skinned-status-bar");
    TBitmap& edges = Skin().StatusBarEdges->Bitmap;
    for (int i = 0; i < 3; ++i) {
        RECT const p = PartRect(h, i);
        EXPECT_TRUE(ShowsCorner(*shot, edges, 3, i + 1, {p.left, p.top}, false)) << i;
        EXPECT_TRUE(ShowsCorner(*shot, edges, 3, i + 1, {p.right - 2, p.top}, true)) << i;
    }
    // The bar's own layout ends the last part short; the skin takes it to the edge.
    int edgesOfParts[] = {100, 200, 300, 340};
    SendMessageW(h, SB_SETPARTS, 4, reinterpret_cast<LPARAM>(edgesOfParts));
    ASSERT_LT(PartRect(h, 3).right, shot->Width() - 10);
    Repaint(h);
    shot = CaptureWindow(h);
    RECT const last = PartRect(h, 3);
    EXPECT_TRUE(ShowsCorner(*shot, edges, 3, 1, {shot->Width() - 2, last.top}, true));
    EXPECT_TRUE(ShowsCorner(*shot, edges, 3, 1, {last.left, last.top}, false));
}

TEST_F(SkinStatusBarTest, RightToLeftPanelsTakeTheTextToTheOtherSide)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable, 420, 120);
    TStatusBar* bar = MakeBar(*form);
    ShowSkinned(*form);
    HWND const h = bar->Handle();
    Repaint(h);
    auto const with = CaptureWindow(h);
    bar->Panel(0).SetText(L"");
    bar->Panel(2).SetText(L"");
    Repaint(h);
    auto const without = CaptureWindow(h);

    RECT const ltr = PartRect(h, 0);
    auto const [ltrFirst, ltrLast] = DifferingColumns(*with, *without, ltr);
    ASSERT_GE(ltrFirst, 0);
    EXPECT_LT(ltrLast, (ltr.left + ltr.right) / 2);
    RECT const rtl = PartRect(h, 2);
    auto const [rtlFirst, rtlLast] = DifferingColumns(*with, *without, rtl);
    ASSERT_GE(rtlFirst, 0);
    EXPECT_GT(rtlFirst, (rtl.left + rtl.right) / 2); // aligned left, shown right
    EXPECT_GE(rtlLast, rtl.right - 6);
}

TEST_F(SkinStatusBarTest, SimpleTextCoversTheBarAsOneLoweredPanel)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable, 420, 120);
    TStatusBar* bar = MakeBar(*form);
    bar->SetSimpleText(L"Simple text");
    bar->SetSimplePanel(true);
    ShowSkinned(*form);
    HWND const h = bar->Handle();
    Repaint(h);
    auto const with = CaptureWindow(h);
    TBitmap& edges = Skin().StatusBarEdges->Bitmap;
    EXPECT_TRUE(ShowsCorner(*with, edges, 3, 1, {0, 0}, false));
    EXPECT_TRUE(ShowsCorner(*with, edges, 3, 1, {with->Width() - 2, 0}, true));
    bar->SetSimpleText(L"");
    Repaint(h);
    auto const without = CaptureWindow(h);
    auto const [first, last] = DifferingColumns(*with, *without, {0, 0, with->Width(), with->Height()});
    ASSERT_GE(first, 0);
    EXPECT_LE(first, 8); // at the left
    EXPECT_LT(last, with->Width() / 2);
}

// Without the panel edges in the skin the panels get one-pixel 3-D frames
// in the system colours; the text is still drawn.
TEST_F(SkinStatusBarTest, WithoutPanelEdgesPanelsHaveThePlainLook)
{
    std::unique_ptr<TDataSkinObject> saved = std::move(Skin().StatusBarEdges);
    auto const restore = OnScopeExit([&] { Skin().StatusBarEdges = std::move(saved); });
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable, 420, 120);
    TStatusBar* bar = MakeBar(*form);
    TWinSkinForm* skin = ShowSkinned(*form);
    ASSERT_NE(dynamic_cast<TSkinStatusBar*>(skin->FindSkinner(bar->Handle())), nullptr);
    HWND const h = bar->Handle();
    Repaint(h);
    auto shot = CaptureWindow(h);
    COLORREF const shadow = GetSysColor(COLOR_BTNSHADOW);
    COLORREF const light = GetSysColor(COLOR_BTNHIGHLIGHT);
    COLORREF const face = ColorToRGB(Skin().ButtonFaceColour);
    RECT const lowered = PartRect(h, 0);
    EXPECT_EQ(PixelOf(*shot, lowered.left, lowered.top + 3), shadow);
    EXPECT_EQ(PixelOf(*shot, lowered.left + 3, lowered.top), shadow);
    EXPECT_EQ(PixelOf(*shot, lowered.right - 1, lowered.bottom - 3), light);
    RECT const raised = PartRect(h, 1);
    EXPECT_EQ(PixelOf(*shot, raised.left, raised.top + 3), light);
    EXPECT_EQ(PixelOf(*shot, raised.right - 1, raised.bottom - 3), shadow);
    RECT const none = PartRect(h, 2);
    EXPECT_EQ(PixelOf(*shot, none.left, none.top + 1), face);
    // The text shows in the font's colour.
    bar->Panel(0).SetText(L"");
    Repaint(h);
    auto const without = CaptureWindow(h);
    EXPECT_GE(DifferingColumns(*shot, *without, lowered).first, 0);
}

// Parts the bar cannot place are left out; nothing is drawn for them.
TEST_F(SkinStatusBarTest, PanelsWithoutAPlaceAreLeftOut)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable, 420, 120);
    TStatusBar* bar = MakeBar(*form);
    ShowSkinned(*form);
    HWND const h = bar->Handle();
    int two[] = {100, 200}; // the framework still has four panels
    SendMessageW(h, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(two));
    Repaint(h);
    auto shot = CaptureWindow(h);
    TBitmap& edges = Skin().StatusBarEdges->Bitmap;
    EXPECT_TRUE(ShowsCorner(*shot, edges, 3, 2, {PartRect(h, 1).left, PartRect(h, 1).top}, false));
    COLORREF const face = ColorToRGB(Skin().ButtonFaceColour);
    for (int x = 210; x < shot->Width(); x += 7)
        EXPECT_EQ(PixelOf(*shot, x, shot->Height() / 2), face) << x;
}

// The bar keeps to the bottom of its form as the form is resized, and the
// last panel reaches the new right edge.
TEST_F(SkinStatusBarTest, BarFollowsItsFormsSize)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable, 420, 120);
    TStatusBar* bar = MakeBar(*form);
    ShowSkinned(*form);
    HWND const h = bar->Handle();
    form->SetBounds(form->Left(), form->Top(), form->Width() + 80, form->Height() + 40);
    RECT client {};
    GetClientRect(form->Handle(), &client);
    ASSERT_TRUE(PumpUntil([&] { return bar->Width() == client.right; }));
    EXPECT_EQ(bar->Top() + bar->Height(), client.bottom);
    TBitmap& edges = Skin().StatusBarEdges->Bitmap;
    EXPECT_TRUE(PumpUntil([&] {
        auto shot = CaptureWindow(h);
        return shot->Width() == client.right &&
               ShowsCorner(*shot, edges, 3, 1, {shot->Width() - 2, PartRect(h, 3).top}, true);
    }));
}

} // namespace tandrel::test
