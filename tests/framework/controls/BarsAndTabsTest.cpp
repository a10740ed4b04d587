// Status bars, tab controls, page controls, tab sets, headers and tool bars:
// their properties reach the window and come back, their notifications
// arrive, and the tab set lays out and scrolls its tabs.

#include "framework/controls/HeaderControl.h"
#include "framework/controls/PageControl.h"
#include "framework/controls/StatusBar.h"
#include "framework/controls/TabSet.h"
#include "framework/controls/ToolBar.h"
#include "framework/graphics/GdiObjects.h"
#include "framework/graphics/ImageList.h"
#include "tests/framework/controls/FormFixture.h"

#include <commctrl.h>

namespace tandrel::test {

namespace {

class BarsAndTabsTest : public TFormTest {};

std::wstring PartText(HWND bar, int part, LRESULT* type = nullptr)
{
    wchar_t text[128] {};
    LRESULT const r = SendMessageW(bar, SB_GETTEXTW, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(text));
    if (type)
        *type = HIWORD(r);
    return text;
}

std::wstring TabText(HWND tabs, int index)
{
    TCITEMW item {};
    item.mask = TCIF_TEXT;
    return ItemRecordText(tabs, TCM_GETITEMW, index, item);
}

POINT TabCentre(HWND tabs, int index) { return ItemCentreOnScreen(tabs, TCM_GETITEMRECT, index); }

HWND ChildOfClass(HWND parent, const wchar_t* cls)
{
    return FindWindowExW(parent, nullptr, cls, nullptr);
}

} // namespace

TEST_F(BarsAndTabsTest, StatusBarPanelsReachTheWindowAndTheBarKeepsToTheBottom)
{
    auto* bar = new TStatusBar(m_form.get());
    bar->SetParent(m_form.get());
    bar->AddPanel(L"left", 60);
    auto& raised = bar->AddPanel(L"centred", 80);
    raised.SetBevel(TStatusPanelBevel::pbRaised);
    raised.SetAlignment(TAlignment::taCenter);
    auto& plain = bar->AddPanel(L"last", 40);
    plain.SetBevel(TStatusPanelBevel::pbNone);
    plain.SetAlignment(TAlignment::taRightJustify);
    plain.SetBiDiMode(TBiDiMode::bdRightToLeft);
    ShowForm();
    HWND const h = bar->Handle();

    int edges[8] {};
    ASSERT_EQ(SendMessageW(h, SB_GETPARTS, 8, reinterpret_cast<LPARAM>(edges)), 3);
    EXPECT_EQ(edges[0], 60);
    EXPECT_EQ(edges[1], 140);
    EXPECT_EQ(edges[2], -1); // the last part reaches the right edge
    LRESULT type = 0;
    EXPECT_EQ(PartText(h, 0, &type), L"left");
    EXPECT_EQ(type & (SBT_POPOUT | SBT_NOBORDERS), 0);
    EXPECT_EQ(PartText(h, 1, &type), L"\tcentred");
    EXPECT_EQ(type & SBT_POPOUT, SBT_POPOUT);
    EXPECT_EQ(PartText(h, 2, &type), L"\t\tlast");
    EXPECT_EQ(type & (SBT_NOBORDERS | SBT_RTLREADING), SBT_NOBORDERS | SBT_RTLREADING);
    EXPECT_TRUE(GetWindowLongW(h, GWL_STYLE) & SBARS_SIZEGRIP);

    RECT client = m_form->ClientRect();
    EXPECT_EQ(bar->Left(), 0);
    EXPECT_EQ(bar->Width(), client.right);
    EXPECT_EQ(bar->Top() + bar->Height(), client.bottom);
    m_form->SetBounds(m_form->Left(), m_form->Top(), m_form->Width() + 60, m_form->Height() + 30);
    client = m_form->ClientRect();
    EXPECT_EQ(bar->Width(), client.right);
    EXPECT_EQ(bar->Top() + bar->Height(), client.bottom);
    RECT window {};
    GetWindowRect(h, &window);
    EXPECT_EQ(window.right - window.left, client.right);

    bar->SetSimpleText(L"simple");
    bar->SetSimplePanel(true);
    EXPECT_TRUE(SendMessageW(h, SB_ISSIMPLE, 0, 0));
    // Systems differ in which index reads the simple text back.
    EXPECT_TRUE(PartText(h, SB_SIMPLEID) == L"simple" || PartText(h, 0) == L"simple");
    bar->SetSizeGrip(false); // a new window, which keeps the panels and the text
    EXPECT_FALSE(GetWindowLongW(bar->Handle(), GWL_STYLE) & SBARS_SIZEGRIP);
    EXPECT_EQ(SendMessageW(bar->Handle(), SB_GETPARTS, 0, 0), 3);
    EXPECT_TRUE(SendMessageW(bar->Handle(), SB_ISSIMPLE, 0, 0));
}

TEST_F(BarsAndTabsTest, TabControlTabsSidesAndSelectionByClick)
{
    auto* tabs = Add<TTabControl>(10, 10, 290, 150);
    tabs->Tabs().SetLines({L"One", L"Two", L"Three"});
    tabs->SetTabIndex(1);
    int changes = 0;
    tabs->OnChange = [&](TObject*) { ++changes; };
    ShowForm();
    HWND h = tabs->Handle();
    EXPECT_EQ(SendMessageW(h, TCM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_EQ(TabText(h, 2), L"Three");
    EXPECT_EQ(tabs->TabIndex(), 1);

    ClickAt(TabCentre(h, 2));
    EXPECT_TRUE(PumpUntil([&] { return changes == 1; }));
    EXPECT_EQ(tabs->TabIndex(), 2);
    tabs->SetTabIndex(0); // by the program: no notification
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(SendMessageW(h, TCM_GETCURSEL, 0, 0), 0);
    tabs->SetTabIndex(7); // out of range: nothing selected
    EXPECT_EQ(tabs->TabIndex(), -1);
    tabs->SetTabIndex(0);

    struct Side {
        TTabPosition position;
        DWORD bits;
    };
    for (Side side : {Side {TTabPosition::tpBottom, TCS_BOTTOM}, Side {TTabPosition::tpLeft, TCS_VERTICAL},
                      Side {TTabPosition::tpRight, TCS_VERTICAL | TCS_RIGHT}, Side {TTabPosition::tpTop, 0}}) {
        tabs->SetTabPosition(side.position);
        h = tabs->Handle();
        EXPECT_EQ(GetWindowLongW(h, GWL_STYLE) & (TCS_BOTTOM | TCS_VERTICAL), side.bits);
        EXPECT_EQ(SendMessageW(h, TCM_GETITEMCOUNT, 0, 0), 3); // a new window keeps the tabs
        EXPECT_EQ(tabs->TabIndex(), 0);
        RECT const area = tabs->DisplayRect();
        RECT const client = tabs->ClientRect();
        EXPECT_TRUE(area.left > 0 && area.top > 0 && area.right < client.right && area.bottom < client.bottom);
    }
    tabs->Tabs().Delete(0);
    EXPECT_EQ(TabText(h, 0), L"Two");
}

TEST_F(BarsAndTabsTest, TabControlShowsScrollArrowsOnlyWhenOneRowOverflows)
{
    auto* tabs = Add<TTabControl>(10, 10, 200, 100);
    for (int i = 1; i <= 12; ++i)
        tabs->Tabs().Add(L"Tab number " + std::to_wstring(i));
    ShowForm();
    HWND arrows = ChildOfClass(tabs->Handle(), UPDOWN_CLASSW);
    ASSERT_TRUE(arrows);
    EXPECT_TRUE(IsWindowVisible(arrows));

    tabs->SetMultiLine(true);
    arrows = ChildOfClass(tabs->Handle(), UPDOWN_CLASSW);
    EXPECT_TRUE(!arrows || !IsWindowVisible(arrows));
    EXPECT_GT(SendMessageW(tabs->Handle(), TCM_GETROWCOUNT, 0, 0), 1);
}

TEST_F(BarsAndTabsTest, PageControlShowsTheActivePageInItsDisplayArea)
{
    auto* pages = Add<TPageControl>(10, 10, 290, 180);
    TTabSheet* sheets[3] {};
    for (int i = 0; i < 3; ++i) {
        sheets[i] = new TTabSheet(m_form.get());
        sheets[i]->SetCaption(L"Page " + std::to_wstring(i + 1));
        sheets[i]->SetPageControl(pages);
    }
    int changes = 0;
    pages->OnChange = [&](TObject*) { ++changes; };
    ShowForm();
    EXPECT_EQ(pages->PageCount(), 3);
    EXPECT_EQ(pages->ActivePage(), sheets[0]);
    EXPECT_TRUE(IsWindowVisible(sheets[0]->Handle()));
    EXPECT_FALSE(IsWindowVisible(sheets[1]->Handle()));
    RECT const area = pages->DisplayRect();
    EXPECT_EQ(sheets[0]->Left(), area.left);
    EXPECT_EQ(sheets[0]->Top(), area.top);
    EXPECT_EQ(sheets[0]->Width(), area.right - area.left);

    ClickAt(TabCentre(pages->Handle(), 2));
    EXPECT_TRUE(PumpUntil([&] { return changes == 1; }));
    EXPECT_EQ(pages->ActivePage(), sheets[2]);
    EXPECT_TRUE(IsWindowVisible(sheets[2]->Handle()));
    EXPECT_FALSE(IsWindowVisible(sheets[0]->Handle()));

    sheets[1]->SetCaption(L"Renamed");
    EXPECT_EQ(TabText(pages->Handle(), 1), L"Renamed");
    delete sheets[2]; // the active page goes: its neighbour takes its place
    EXPECT_EQ(pages->PageCount(), 2);
    EXPECT_EQ(SendMessageW(pages->Handle(), TCM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_EQ(pages->ActivePage(), sheets[1]);
    EXPECT_TRUE(IsWindowVisible(sheets[1]->Handle()));
    pages->SetActivePage(sheets[0]);
    EXPECT_EQ(pages->TabIndex(), 0);
    EXPECT_EQ(changes, 1);
}

TEST_F(BarsAndTabsTest, TabSetLaysOutItsTabsAndScrollsThemWithItsArrows)
{
    auto* set = Add<TTabSet>(10, 10, 300, 21);
    ASSERT_GT(set->ComponentCount(), 0);
    EXPECT_EQ(set->Components(0), &set->Scroller());
    set->Tabs().SetLines({L"Alpha", L"Beta", L"Gamma"});
    set->SetTabIndex(0);
    int changes = 0;
    set->OnChange = [&](TObject*) { ++changes; };
    ShowForm();
    EXPECT_FALSE(set->Overflows());
    EXPECT_FALSE(IsWindowVisible(set->Scroller().Handle()));
    RECT const first = set->TabRect(0);
    RECT const second = set->TabRect(1);
    EXPECT_EQ(first.left, set->StartMargin());
    EXPECT_EQ(first.right, second.left); // side by side
    EXPECT_EQ(first.right - first.left, set->TabWidth(0));

    ClickAt(set->ClientToScreen({(second.left + second.right) / 2, 8}));
    EXPECT_TRUE(PumpUntil([&] { return changes == 1; }));
    EXPECT_EQ(set->TabIndex(), 1);

    for (int i = 0; i < 10; ++i)
        set->Tabs().Add(L"More tabs " + std::to_wstring(i));
    EXPECT_TRUE(set->Overflows());
    HWND const arrows = set->Scroller().Handle();
    ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(arrows) != FALSE; }));
    EXPECT_EQ(GetParent(arrows), set->Handle());
    EXPECT_TRUE(GetWindowLongW(arrows, GWL_STYLE) & UDS_HORZ);
    // A tab that would reach under the arrows is not shown.
    RECT arrowRect {};
    GetWindowRect(arrows, &arrowRect);
    MapWindowPoints(nullptr, set->Handle(), reinterpret_cast<POINT*>(&arrowRect), 2);
    for (int i = 0; i < set->Tabs().Count(); ++i)
        EXPECT_LE(set->TabRect(i).right, arrowRect.left - set->EndMargin());

    // The right arrow moves the first tab shown on by one.
    ClickAt(ScreenPointOf(arrows, {arrowRect.right - arrowRect.left - 4, 6}));
    ASSERT_TRUE(PumpUntil([&] { return set->FirstIndex() == 1; }));
    RECT const hidden = set->TabRect(0);
    EXPECT_TRUE(IsRectEmpty(&hidden));
    RECT const shown = set->TabRect(1);
    EXPECT_EQ(shown.left, set->StartMargin());
    ClickAt(ScreenPointOf(arrows, {4, 6}));
    ASSERT_TRUE(PumpUntil([&] { return set->FirstIndex() == 0; }));
    set->SetFirstIndex(99); // clamped to the last tab
    EXPECT_EQ(set->FirstIndex(), set->Tabs().Count() - 1);
}

TEST_F(BarsAndTabsTest, HeaderControlSectionsReachTheWindow)
{
    auto* header = Add<THeaderControl>(10, 10, 290, 20);
    TImageList images(nullptr, 16, 16);
    header->SetImages(&images);
    header->AddSection(L"Name", 100);
    auto& size = header->AddSection(L"Size", 60);
    size.SetAlignment(TAlignment::taRightJustify);
    size.SetImageIndex(0);
    int clicked = -1;
    header->OnSectionClick = [&](TObject*, int index) { clicked = index; };
    ShowForm();
    HWND const h = header->Handle();
    EXPECT_EQ(SendMessageW(h, HDM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_EQ(reinterpret_cast<HIMAGELIST>(SendMessageW(h, HDM_GETIMAGELIST, 0, 0)), images.Handle());
    wchar_t text[32] {};
    HDITEMW item {};
    item.mask = HDI_TEXT | HDI_FORMAT | HDI_IMAGE | HDI_WIDTH;
    item.pszText = text;
    item.cchTextMax = 32;
    SendMessageW(h, HDM_GETITEMW, 1, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(std::wstring(text), L"Size");
    EXPECT_EQ(item.fmt & HDF_JUSTIFYMASK, HDF_RIGHT);
    EXPECT_TRUE(item.fmt & HDF_IMAGE);
    EXPECT_EQ(item.iImage, 0);
    EXPECT_EQ(item.cxy, 60);
    EXPECT_EQ(size.Width(), 60);
    size.SetWidth(75);
    EXPECT_EQ(size.Width(), 75);

    ClickAt(ScreenPointOf(h, {130, 10}));
    EXPECT_TRUE(PumpUntil([&] { return clicked == 1; }));
    header->SetImages(nullptr);
}

TEST_F(BarsAndTabsTest, ToolBarFlatRecreatesTheWindowAndButtonsClick)
{
    auto* bar = Add<TToolBar>(0, 0, 300, 30);
    bar->SetShowCaptions(true);
    int clicks = 0;
    bar->AddButton(L"Open", -1);
    bar->AddButton(L"Save", -1).OnClick = [&](TObject*) { ++clicks; };
    bar->SetColor(RGB(0, 128, 0));
    ShowForm();
    HWND const before = bar->Handle();
    EXPECT_EQ(SendMessageW(before, TB_BUTTONCOUNT, 0, 0), 2);
    EXPECT_FALSE(GetWindowLongW(before, GWL_STYLE) & TBSTYLE_FLAT);
    bar->SetFlat(true);
    EXPECT_TRUE(bar->Flat());
    EXPECT_NE(bar->Handle(), before);
    EXPECT_TRUE(GetWindowLongW(bar->Handle(), GWL_STYLE) & TBSTYLE_FLAT);
    EXPECT_EQ(SendMessageW(bar->Handle(), TB_BUTTONCOUNT, 0, 0), 2);
    wchar_t text[32] {};
    SendMessageW(bar->Handle(), TB_GETBUTTONTEXTW, 101, reinterpret_cast<LPARAM>(text));
    EXPECT_EQ(std::wstring(text), L"Save");

    RECT r {};
    SendMessageW(bar->Handle(), TB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&r));
    ClickAt(ScreenPointOf(bar->Handle(), Middle(r)));
    EXPECT_TRUE(PumpUntil([&] { return clicks == 1; }));

    // Its face is its own colour, beyond the last button.
    PumpIdle();
    auto shot = CaptureWindow(bar->Handle());
    EXPECT_EQ(PixelOf(*shot, shot->Width() - 5, 3), RGB(0, 128, 0));
}

} // namespace tandrel::test
