// Tab skinners on real windows: which tab, bar and header kind gets which
// skinner; the strip and page edge on each of the four sides, with the
// current tab's frame where the tab is; real clicks on each side; the
// overflowing strip around its arrows; the tab set that skips a tab too
// wide; and skinning a page of them a hundred times leaks nothing.

#include "framework/core/ScopeGuard.h"
#include "framework/graphics/GdiObjects.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinControlList.h"
#include "skin/controls/SkinTab.h"
#include "skin/controls/SkinUpDown.h"
#include "skin/draw/SkinDraw.h"
#include "tools/skinview/pages/ControlsPage.h"
#include "tests/support/DialogTemplate.h"
#include "tools/skinview/pages/TabsPage.h"
#include "tests/skin/forms/SkinFormFixture.h"
#include "tests/support/TestSupport.h"

#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

namespace tandrel::test {

namespace {

// A tab control of the framework's kind by its name only.
class TTabbedNotebook : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    const char* ClassName() const override { return "TTabbedNotebook"; }
};

// Built straight on the system's tab control, outside the framework's tab controls.
class TBareTabs : public TWinControl {
public:
    explicit TBareTabs(TComponent* owner) : TWinControl(owner) {}
    const char* ClassName() const override { return "TBareTabs"; }

protected:
    void CreateParams(TCreateParams& p) override
    {
        TWinControl::CreateParams(p);
        p.BaseClassName = WC_TABCONTROLW;
    }
};

// Known to the dispatch only through a Skin3rd row.
class TOtherTabs : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    const char* ClassName() const override { return "TOtherTabs"; }
};

class TOtherToolBar : public TToolBar {
public:
    using TToolBar::TToolBar;
    const char* ClassName() const override { return "TOtherToolBar"; }
};

int TabFrames(const TDataSkinBorder& tabs) { return std::max(1, tabs.FrameCount); }

// Whether the w x h top-left corner of frame `frame` of a horizontal strip
// of `count` shows in the shot, strip pixel (i, j) at at(i, j); the key
// colour's pixels show what lies under them and are not compared.
bool ShowsCornerAt(TBitmap& shot, TBitmap& strip, int count, int frame, int w, int h,
                   const std::function<POINT(int, int)>& at)
{
    int const left = strip.Width() / count * (frame - 1);
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            COLORREF const c = PixelOf(strip, left + i, j);
            if (c == RGB(255, 0, 255))
                continue;
            POINT const p = at(i, j);
            if (p.x < 0 || p.y < 0 || p.x >= shot.Width() || p.y >= shot.Height() || PixelOf(shot, p.x, p.y) != c)
                return false;
        }
    return true;
}

// Where strip pixel (i, j) of a tab's lying frame lands for a tab at t on a
// side. Bottom tabs are upside down: the frame's top rows are at the tab's
// bottom (its other end joins the page edge, which is drawn over it).
POINT TabCornerPixel(TTabSide side, const RECT& t, int i, int j)
{
    switch (side) {
    case tsBottom: return {t.left + i, t.bottom - 2 - j};
    case tsLeft: return {t.left + j, t.bottom - 1 - i};
    case tsRight: return {t.right - 1 - j, t.top - 1 + i};
    default: return {t.left + i, t.top + 1 + j};
    }
}

RECT TabRect(HWND tabs, int index)
{
    RECT r {};
    SendMessageW(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    return r;
}

std::unique_ptr<TBitmap> TabImage(TDataSkinBorder& tabs)
{
    auto image = std::make_unique<TBitmap>();
    image->Assign(tabs.Bitmap);
    image->SetPixelFormat(TPixelFormat::pf24bit);
    return image;
}

// The page edge image as a side draws it.
std::unique_ptr<TBitmap> BorderImageFor(TDataSkinBorder& tabs, TTabSide side)
{
    auto image = std::make_unique<TBitmap>();
    image->Assign(tabs.Bitmap2);
    image->SetPixelFormat(TPixelFormat::pf24bit);
    if (side == tsBottom)
        FlipBitmap(*image);
    else if (side == tsLeft)
        RotateBitmapLeft(*image);
    else if (side == tsRight)
        RotateBitmapRight(*image);
    return image;
}

bool ShowsTabFrame(TDataSkinBorder& skin, TBitmap& shot, HWND tabs, TTabSide side, int index, int frame)
{
    auto const image = TabImage(skin);
    RECT const t = TabRect(tabs, index);
    return ShowsCornerAt(shot, *image, TabFrames(skin), frame, 4, 4,
                         [&](int i, int j) { return TabCornerPixel(side, t, i, j); });
}

void Repaint(HWND window)
{
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
    PumpIdle();
}

} // namespace

class SkinTabTest : public TSkinFormTest {};

TEST_F(SkinTabTest, EveryTabAndBarKindGetsItsSkinner)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable, 640, 470, L"Tabs and bars");
    TTabsPage const p = BuildTabsPage(*form);
    auto* notebook = Put<TTabbedNotebook>(*form, *form, 420, 276, 60, 30);
    auto* bare = Put<TBareTabs>(*form, *form, 490, 276, 60, 30);
    auto* other = Put<TOtherTabs>(*form, *form, 560, 276, 60, 30);
    auto* otherBar = Put<TOtherToolBar>(*form, *form, 420, 340, 200, 28);
    Skin().Skin3rd().Add(L"TOtherTabs=tab");
    auto const restore = OnScopeExit([&] { Skin().Skin3rd().Delete(Skin().Skin3rd().Count() - 1); });
    p.Tools->SetColor(clYellow);
    TWinSkinForm* skin = ShowSkinned(*form);

    for (TWinControl* tabs : {static_cast<TWinControl*>(p.Top), static_cast<TWinControl*>(p.Bottom),
                              static_cast<TWinControl*>(p.Left), static_cast<TWinControl*>(p.Right),
                              static_cast<TWinControl*>(p.Pages), static_cast<TWinControl*>(p.Overflowing),
                              static_cast<TWinControl*>(notebook), static_cast<TWinControl*>(bare),
                              static_cast<TWinControl*>(other)})
        EXPECT_EQ(SkinnerOf(*skin, *tabs), "TSkinTab") << tabs->ClassName();
    auto const side = [&](TWinControl* c) { return dynamic_cast<TSkinTab*>(skin->FindSkinner(c->Handle()))->Position(); };
    EXPECT_EQ(side(p.Top), tsTop);
    EXPECT_EQ(side(p.Bottom), tsBottom);
    EXPECT_EQ(side(p.Left), tsLeft);
    EXPECT_EQ(side(p.Right), tsRight);
    EXPECT_EQ(SkinnerOf(*skin, *p.TabSet), "TSkinTab31");
    EXPECT_EQ(SkinnerOf(*skin, *p.Status), "TSkinStatusBar");
    EXPECT_FALSE(p.Status->SizeGrip());
    EXPECT_FALSE(GetWindowLongW(p.Status->Handle(), GWL_STYLE) & SBARS_SIZEGRIP);
    // The tool bar itself only turns flat and takes the face colour.
    EXPECT_EQ(SkinnerOf(*skin, *p.Tools), "none");
    EXPECT_TRUE(p.Tools->Flat());
    EXPECT_EQ(p.Tools->Color(), Skin().ButtonFaceColour);
    EXPECT_EQ(SkinnerOf(*skin, *otherBar), "TSkinBox");
    EXPECT_TRUE(otherBar->Flat());
    // Headers are skinned only under list views; this one still works.
    EXPECT_EQ(SkinnerOf(*skin, *p.Header), "none");
    int clicked = -1;
    p.Header->OnSectionClick = [&](TObject*, int index) { clicked = index; };
    ClickAt(ScreenPointOf(p.Header->Handle(), {200, 10}));
    EXPECT_TRUE(PumpUntil([&] { return clicked == 1; }));
    // The tab set's arrows get a skinner that the list does not hold, with
    // its buttons left and right.
    EXPECT_EQ(SkinnerOf(*skin, p.TabSet->Scroller()), "none");
    auto* tabSet = dynamic_cast<TSkinTab31*>(skin->FindSkinner(p.TabSet->Handle()));
    ASSERT_NE(tabSet->ScrollerSkinner(), nullptr);
    EXPECT_EQ(tabSet->ScrollerSkinner()->Handle(), p.TabSet->Scroller().Handle());
    EXPECT_EQ(tabSet->ScrollerSkinner()->Horizontal, 1);
    EXPECT_FALSE(skin->Skinners().Contains(*tabSet->ScrollerSkinner()));
}

TEST_F(SkinTabTest, WithoutTabsInTheSkinOrInSkinControlsTabsKeepTheirOwnLook)
{
    std::unique_ptr<TDataSkinBorder> saved = std::move(Skin().Tabs);
    auto const restore = OnScopeExit([&] { Skin().Tabs = std::move(saved); });
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable, 300, 200);
    auto* tabs = Put<TTabControl>(*form, *form, 10, 10, 200, 100);
    tabs->Tabs().SetLines({L"One", L"Two"});
    auto* set = Put<TTabSet>(*form, *form, 10, 120, 200, 21);
    set->Tabs().SetLines({L"One", L"Two"});
    TWinSkinForm* skin = ShowSkinned(*form);
    EXPECT_EQ(SkinnerOf(*skin, *tabs), "none");
    EXPECT_EQ(SkinnerOf(*skin, *set), "none");
}

// Each side: the current tab shows frame 2 where the tab is, another tab
// frame 1, and the page edge's corner is the border image's, turned for
// the side.
TEST_F(SkinTabTest, TabsOnEachSideAreDrawnFromTheSkin)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable, 640, 420);
    TTabsPage const p = BuildTabsPage(*form);
    TWinSkinForm* skin = ShowSkinned(*form);
    MouseAway();
    // Whether the first two frames' corners tell them apart.
    auto const image = TabImage(*Skin().Tabs);
    int const frameWidth = image->Width() / TabFrames(*Skin().Tabs);
    bool differ = false;
    for (int j = 0; j < 4; ++j)
        for (int i = 0; i < 4; ++i)
            differ = differ || PixelOf(*image, i, j) != PixelOf(*image, frameWidth + i, j);
    struct Case {
        TTabControl* Tabs;
        TTabSide Side;
    };
    for (Case c : {Case {p.Top, tsTop}, Case {p.Bottom, tsBottom}, Case {p.Left, tsLeft}, Case {p.Right, tsRight}}) {
        HWND const h = c.Tabs->Handle();
        Repaint(h);
        auto shot = CaptureWindow(h);
        SaveScreenshot(*shot, "skinned-tabs-side-" + std::to_string(c.Side));
        EXPECT_TRUE(ShowsTabFrame(*Skin().Tabs, *shot, h, c.Side, 1, 2)) << c.Side;
        EXPECT_TRUE(ShowsTabFrame(*Skin().Tabs, *shot, h, c.Side, 0, 1)) << c.Side;
        if (differ) {
            EXPECT_FALSE(ShowsTabFrame(*Skin().Tabs, *shot, h, c.Side, 0, 2)) << c.Side;
        }

        // The page's edge on a 200 x 110 control: the system's display
        // area grown by 4, by 3 only on the tabs' side (its corner at 0, 19
        // with the tabs on top, at 55, 0 with them on the left).
        ASSERT_EQ(c.Tabs->Width(), 200);
        ASSERT_EQ(c.Tabs->Height(), 110);
        POINT const corners[] = {{0, 19}, {0, 0}, {55, 0}, {0, 0}};
        POINT const corner = corners[c.Side];
        auto const border = BorderImageFor(*Skin().Tabs, c.Side);
        EXPECT_TRUE(ShowsCornerAt(*shot, *border, 1, 1, 4, 4, [&](int i, int j) {
            return POINT {corner.x + i, corner.y + j};
        })) << c.Side;
        // A repaint copies the kept strip: the pixels of a fresh paint.
        EXPECT_EQ(KeptPaintDifference(*skin, h), 0) << c.Side;
    }
}

// A real click on a tab of each side selects it; the skin then shows the
// current tab's frame there.
TEST_F(SkinTabTest, RealClicksSwitchTabsOnEachSide)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable, 640, 420);
    TTabsPage const p = BuildTabsPage(*form);
    ShowSkinned(*form);
    struct Case {
        TTabControl* Tabs;
        TTabSide Side;
    };
    for (Case c : {Case {p.Top, tsTop}, Case {p.Bottom, tsBottom}, Case {p.Left, tsLeft}, Case {p.Right, tsRight}}) {
        int changes = 0;
        c.Tabs->OnChange = [&](TObject*) { ++changes; };
        HWND const h = c.Tabs->Handle();
        RECT const t = TabRect(h, 2);
        ClickAt(ScreenPointOf(h, {(t.left + t.right) / 2, (t.top + t.bottom) / 2}));
        ASSERT_TRUE(PumpUntil([&] { return changes == 1; })) << c.Side;
        EXPECT_EQ(c.Tabs->TabIndex(), 2);
        EXPECT_TRUE(PumpUntil([&] {
            auto shot = CaptureWindow(h);
            return ShowsTabFrame(*Skin().Tabs, *shot, h, c.Side, 2, 2) && ShowsTabFrame(*Skin().Tabs, *shot, h, c.Side, 1, 1);
        })) << c.Side;
        c.Tabs->OnChange = nullptr;
    }
    // A page control's click shows the other page.
    HWND const pages = p.Pages->Handle();
    RECT const t = TabRect(pages, 1);
    ClickAt(ScreenPointOf(pages, {(t.left + t.right) / 2, (t.top + t.bottom) / 2}));
    ASSERT_TRUE(PumpUntil([&] { return p.Pages->ActivePage() == p.Sheets[1]; }));
    EXPECT_TRUE(IsWindowVisible(p.Sheets[1]->Handle()));
    EXPECT_TRUE(PumpUntil([&] { return ShowsTabFrame(*Skin().Tabs, *CaptureWindow(pages), pages, tsTop, 1, 2); }));
}

// More tabs than fit: the strip is drawn around the arrows, which keep
// their own window and scroll the tabs when clicked.
TEST_F(SkinTabTest, OverflowingTabsKeepTheirArrowsVisibleAndWorking)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable, 640, 420);
    TTabsPage const p = BuildTabsPage(*form);
    TWinSkinForm* skin = ShowSkinned(*form);
    HWND const h = p.Overflowing->Handle();
    HWND const arrows = FindWindowExW(h, nullptr, UPDOWN_CLASSW, nullptr);
    ASSERT_NE(arrows, nullptr);
    ASSERT_TRUE(IsWindowVisible(arrows));
    auto* tab = dynamic_cast<TSkinTab*>(skin->FindSkinner(h));
    ASSERT_NE(tab, nullptr);
    Repaint(h);
    // The arrows have their spin-button skinner, outside the list.
    TSkinUpDown* arrowSkinner = tab->ScrollerSkinner();
    ASSERT_NE(arrowSkinner, nullptr);
    EXPECT_EQ(arrowSkinner->Handle(), arrows);
    EXPECT_EQ(arrowSkinner->Horizontal, 0);
    EXPECT_EQ(skin->FindSkinner(arrows), nullptr);
    auto shot = CaptureWindow(h);
    SaveScreenshot(*shot, "skinned-tabs-overflowing");
    EXPECT_TRUE(ShowsTabFrame(*Skin().Tabs, *shot, h, tsTop, 0, 2));
    // The arrows are not painted over: their pixels are what their own window shows.
    RECT a {};
    GetWindowRect(arrows, &a);
    RECT w {};
    GetWindowRect(h, &w);
    auto own = CaptureWindow(arrows);
    int const ax = a.left - w.left;
    int const ay = a.top - w.top;
    for (int y = 1; y < own->Height() - 1; y += 3)
        for (int x = 1; x < own->Width() - 1; x += 3)
            ASSERT_EQ(PixelOf(*shot, ax + x, ay + y), PixelOf(*own, x, y)) << x << "," << y;

    int const before = TabRect(h, 1).left;
    ClickAt(ScreenPointOf(arrows, {(a.right - a.left) * 3 / 4, (a.bottom - a.top) / 2}));
    EXPECT_TRUE(PumpUntil([&] { return TabRect(h, 1).left < before; }));
    // The first tab shown is drawn from the skin again, where it now is.
    EXPECT_TRUE(PumpUntil([&] {
        auto again = CaptureWindow(h);
        return ShowsTabFrame(*Skin().Tabs, *again, h, tsTop, 1, 1);
    }));
}

// Tab 3 is too wide for the tab set, tab 4 is not: tabs 1, 2 and 4 stand
// side by side; the selected one shows frame 2.
TEST_F(SkinTabTest, TabSetSkipsATabTooWideAndDrawsTheNextThatFits)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable, 320, 120);
    auto* set = Put<TTabSet>(*form, *form, 10, 10, 240, 21);
    set->Tabs().SetLines({L"Alpha", L"Beta", L"A third tab far too wide for this set of tabs", L"D"});
    set->SetTabIndex(3);
    TWinSkinForm* skin = ShowSkinned(*form);
    ASSERT_EQ(SkinnerOf(*skin, *set), "TSkinTab31");
    EXPECT_EQ(SendMessageW(set->Handle(), WM_ERASEBKGND, 0, 0), 1);
    Repaint(set->Handle());
    auto shot = CaptureWindow(set->Handle());
    SaveScreenshot(*shot, "skinned-tab-set");

    auto image = std::make_unique<TBitmap>();
    image->Assign(Skin().Tabs->Bitmap);
    FlipBitmap(*image);
    int const h = std::min(4, Skin().Tabs->BottomHeight);
    int const x1 = set->StartMargin();
    int const x2 = x1 + set->TabWidth(0);
    int const x4 = x2 + set->TabWidth(1);
    auto const at = [&](int x) { return [x](int i, int j) { return POINT {x + i, j}; }; };
    EXPECT_TRUE(ShowsCornerAt(*shot, *image, TabFrames(*Skin().Tabs), 1, 4, h, at(x1)));
    EXPECT_TRUE(ShowsCornerAt(*shot, *image, TabFrames(*Skin().Tabs), 1, 4, h, at(x2)));
    EXPECT_TRUE(ShowsCornerAt(*shot, *image, TabFrames(*Skin().Tabs), 2, 4, h, at(x4)));
    // Nothing after the fourth tab but the face colour, up to the arrows
    // (all the tabs do not fit, so they show).
    COLORREF const face = ColorToRGB(Skin().ButtonFaceColour);
    ASSERT_TRUE(IsWindowVisible(set->Scroller().Handle()));
    for (int x = x4 + set->TabWidth(3) + 2; x < set->Scroller().Left(); x += 5)
        EXPECT_EQ(PixelOf(*shot, x, 10), face) << x;
    EXPECT_EQ(KeptPaintDifference(*skin, set->Handle()), 0);
}

// A real click on a skinned tab set's tab selects it.
TEST_F(SkinTabTest, TabSetSelectsByRealClickWhileSkinned)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable, 320, 120);
    auto* set = Put<TTabSet>(*form, *form, 10, 10, 240, 21);
    set->Tabs().SetLines({L"Alpha", L"Beta", L"Gamma"});
    set->SetTabIndex(0);
    int changes = 0;
    set->OnChange = [&](TObject*) { ++changes; };
    ShowSkinned(*form);
    RECT const t = set->TabRect(2);
    ClickAt(set->ClientToScreen({(t.left + t.right) / 2, 8}));
    ASSERT_TRUE(PumpUntil([&] { return changes == 1; }));
    EXPECT_EQ(set->TabIndex(), 2);
}

// A dialog's tab controls are skinned by window class, owner-drawn ones not.
TEST_F(SkinTabTest, ADialogsTabControlsAreSkinnedByClass)
{
    INITCOMMONCONTROLSEX classes {sizeof classes, ICC_TAB_CLASSES};
    InitCommonControlsEx(&classes);
    std::vector<WORD> const dialog = DialogTemplate(L"Tab dialog", 200, 140, {
        {0, 201, WC_TABCONTROLW, L"", 5, 5, 180, 60},
        {TCS_OWNERDRAWFIXED, 202, WC_TABCONTROLW, L"", 5, 70, 180, 60},
    });
    CheckSkinnedDialog(dialog, L"Tab dialog", [](HWND box, TWinSkinForm& skin) {
        EXPECT_EQ(SkinnerOf(skin, GetDlgItem(box, 201)), "TSkinTab");
        EXPECT_EQ(skin.FindSkinner(GetDlgItem(box, 202)), nullptr);
    });
}

// The bench page skinned, and then as the controls draw themselves, for a look.
TEST_F(SkinTabTest, TabsPageSkinnedAndUnskinned)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable, 640, 420, L"Skinned tabs and bars");
    TTabsPage const p = BuildTabsPage(*form);
    ShowSkinned(*form);
    MouseAway();
    Repaint(form->Handle());
    auto shot = Shot(form->Handle());
    SaveScreenshot(*shot, "bench-tab-controls");

    Skin().SetActive(false);
    SkinManager->ActionTimer();
    ASSERT_EQ(SkinOf(form->Handle()), nullptr);
    Repaint(form->Handle());
    auto plain = Shot(form->Handle());
    SaveScreenshot(*plain, "bench-tab-controls-unskinned");
    // The tool bar keeps the flat look and colour it was given; the status
    // bar has no grip.
    EXPECT_TRUE(p.Tools->Flat());
    EXPECT_FALSE(p.Status->SizeGrip());
    Skin().SetActive(true);
    SkinManager->ActionTimer();
    ASSERT_TRUE(PumpUntil([&] { return SkinOf(form->Handle()) && SkinOf(form->Handle())->SkinState() == ssSkinned; }));
}

} // namespace tandrel::test
