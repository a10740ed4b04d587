// The previewer's pages of skinned controls at other densities: every
// skin element measured on the screen grows by the density's factor on
// each side, no key colour shows anywhere, and the pages are saved at 144
// pixels per inch in both skins we ship.

#include "framework/controls/CheckBox.h"
#include "framework/controls/ComboBox.h"
#include "framework/controls/HeaderControl.h"
#include "framework/controls/ListBox.h"
#include "framework/controls/ListView.h"
#include "framework/controls/PageControl.h"
#include "framework/controls/RadioButton.h"
#include "framework/controls/StatusBar.h"
#include "framework/controls/TabControl.h"
#include "framework/controls/TrackBar.h"
#include "framework/controls/Edit.h"
#include "framework/forms/Application.h"
#include "framework/forms/MessagePump.h"
#include "framework/graphics/ScreenCapture.h"
#include "tests/support/TestSupport.h"
#include "tests/tools/skinview/ViewerTestSupport.h"
#include "tools/skinview/ViewerForm.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tandrel::test {

namespace {

constexpr COLORREF KeyColour = RGB(255, 0, 255);

// The screen as it shows the previewer's window, and where that window is.
struct TShot {
    std::unique_ptr<TBitmap> Pixels;
    RECT Window {};
};

// The smallest rectangle (screen) within `area` of the pixels that count.
RECT InkOf(TShot& shot, const RECT& area, const std::function<bool(COLORREF)>& counts)
{
    RECT ink {LONG_MAX, LONG_MAX, LONG_MIN, LONG_MIN};
    for (LONG y = area.top; y < area.bottom; ++y)
        for (LONG x = area.left; x < area.right; ++x)
            if (counts(PixelOf(*shot.Pixels, x - shot.Window.left, y - shot.Window.top))) {
                ink = {std::min(ink.left, x), std::min(ink.top, y), std::max(ink.right, x + 1),
                       std::max(ink.bottom, y + 1)};
            }
    return ink.left > ink.right ? RECT {} : ink;
}

RECT ScreenRect(HWND window)
{
    RECT r {};
    GetWindowRect(window, &r);
    return r;
}

RECT ClientOnScreen(HWND window)
{
    RECT r {};
    GetClientRect(window, &r);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

SIZE SizeOf(const RECT& r) { return {r.right - r.left, r.bottom - r.top}; }

// The box of a check box or radio button: the ink left of where its caption
// begins (the caption starts past the box plus a gap at every density).
SIZE ChoiceBox(TShot& shot, TControl* control, int dpi)
{
    auto* windowed = dynamic_cast<TWinControl*>(control);
    if (!windowed)
        return {};
    RECT area = ScreenRect(windowed->Handle());
    area.right = area.left + ScaleDpi(15, dpi);
    COLORREF const face = PixelOf(*shot.Pixels, area.right - 1 - shot.Window.left, area.top - shot.Window.top);
    // Only its width: at 96 the system's own box shows a pixel under the skin's.
    return {SizeOf(InkOf(shot, area, [&](COLORREF c) { return c != face; })).cx, 0};
}

// The room a scrolling control's bars take: the vertical bar's breadth, the
// horizontal one's height (the frame's edges left out).
SIZE BarRoom(TWinControl* control)
{
    if (!control)
        return {};
    RECT const window = ScreenRect(control->Handle());
    RECT const client = ClientOnScreen(control->Handle());
    int const edge = client.left - window.left;
    return {window.right - client.right - edge, window.bottom - client.bottom - edge};
}

// The arrow on a combo box's button: the dark ink inside the button, clear
// of the edge round the control.
SIZE ComboArrow(TShot& shot, TComboBox* combo, int dpi)
{
    if (!combo)
        return {};
    RECT const r = ScreenRect(combo->Handle());
    int const edge = ScaleDpi(3, dpi);
    RECT const button {r.right - ScaleDpi(17, dpi), r.top + edge, r.right - edge, r.bottom - edge};
    return SizeOf(InkOf(shot, button, [](COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 128; }));
}

SIZE ItemRect(HWND window, UINT message, int index)
{
    RECT r {};
    if (window)
        SendMessageW(window, message, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    return SizeOf(r);
}

// One skin element of a control on a page, measured on the screen.
struct TFigure {
    const char* Name;
    int Page;
    std::function<SIZE(TViewerForm&, TShot&, int dpi)> Measure;
};

const std::vector<TFigure>& Figures()
{
    static const std::vector<TFigure> figures {
        {"check box", 0,
         [](TViewerForm& v, TShot& s, int dpi) { return ChoiceBox(s, Captioned<TCheckBox>(v, L"Checked"), dpi); }},
        {"radio button", 0,
         [](TViewerForm& v, TShot& s, int dpi) { return ChoiceBox(s, Captioned<TRadioButton>(v, L"Radio"), dpi); }},
        {"list box bar", 0,
         [](TViewerForm& v, TShot&, int) {
             return SIZE {BarRoom(FindControl<TListBox>(v, [&](TListBox& l) { return &l != &v.ProblemList(); })).cx,
                          0};
         }},
        {"memo bars", 0,
         [](TViewerForm& v, TShot&, int) {
             return BarRoom(FindControl<TMemo>(v, [](TMemo& m) { return m.Lines().Count() > 20; }));
         }},
        {"list view column", 0,
         [](TViewerForm& v, TShot&, int) {
             auto* view = FindControl<TListView>(v, [](TListView&) { return true; });
             // Only the width: the height follows the font and the system's padding.
             return SIZE {ItemRect(view ? view->HeaderHandle() : nullptr, HDM_GETITEMRECT, 0).cx, 0};
         }},
        {"combo arrow", 1,
         [](TViewerForm& v, TShot& s, int dpi) {
             return ComboArrow(s, FindControl<TComboBox>(v, [](TComboBox& c) { return c.Text() == L"Drop-down"; }),
                               dpi);
         }},
        {"edit border", 1,
         [](TViewerForm& v, TShot&, int) {
             auto* edit = FindControl<TEdit>(v, [](TEdit& e) { return e.Text() == L"12"; });
             if (!edit)
                 return SIZE {};
             RECT const client = ClientOnScreen(edit->Handle());
             RECT const window = ScreenRect(edit->Handle());
             return SIZE {client.left - window.left, client.top - window.top};
         }},
        {"track bar thumb", 1,
         [](TViewerForm& v, TShot&, int) {
             auto* track = FindControl<TTrackBar>(v, [](TTrackBar& t) {
                 return t.Orientation() == TTrackBarOrientation::trHorizontal;
             });
             return ItemRect(track ? track->Handle() : nullptr, TBM_GETTHUMBRECT, 0);
         }},
        {"header section", 2,
         [](TViewerForm& v, TShot&, int) {
             auto* header = FindControl<THeaderControl>(v, [](THeaderControl&) { return true; });
             return SIZE {ItemRect(header ? header->Handle() : nullptr, HDM_GETITEMRECT, 0).cx, 0};
         }},
        {"status panel", 2,
         [](TViewerForm& v, TShot&, int) {
             auto* status = FindControl<TStatusBar>(v, [&](TStatusBar& s) { return &s != &v.Status(); });
             return SIZE {ItemRect(status ? status->Handle() : nullptr, SB_GETRECT, 0).cx, 0};
         }},
        {"tab", 2,
         [](TViewerForm& v, TShot&, int) {
             auto* tabs = FindControl<TTabControl>(
                 v, [](TTabControl& t) { return t.TabPosition() == TTabPosition::tpTop; });
             return SIZE {ItemRect(tabs ? tabs->Handle() : nullptr, TCM_GETITEMRECT, 0).cx, 0};
         }},
    };
    return figures;
}

// Within 2 pixels per 100 of 96's times the factor, and the pixel the
// rounding of each edge costs.
void ExpectScaled(int scaled, int at96, int dpi, const std::string& what)
{
    double const wanted = at96 * dpi / 96.0;
    EXPECT_NEAR(scaled, wanted, 1 + 0.02 * wanted) << what << " at " << dpi;
}

int KeyPixels(TShot& shot)
{
    int count = 0;
    for (int y = 0; y < shot.Pixels->Height(); ++y)
        for (int x = 0; x < shot.Pixels->Width(); ++x)
            count += PixelOf(*shot.Pixels, x, y) == KeyColour;
    return count;
}

} // namespace

class SkinViewDpiTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { InitializeSkinEngine(); }

    void TearDown() override { Close(); }

    // A previewer laid out at 96 with a client area of `size` and moved to
    // a screen of `dpi`, as the system tells a window that moves. It must
    // fit on the screen there: what lies beyond reads black.
    void OpenAt(int dpi, SIZE size)
    {
        Close();
        m_viewer = TCustomForm::Create<TViewerForm>(Application);
        m_viewer->SetClientWidth(size.cx);
        m_viewer->SetClientHeight(size.cy);
        m_viewer->Show();
        ASSERT_TRUE(PumpUntil([&] { return Skinned(m_viewer->Handle()) && Settled(); }));
        if (dpi == 96)
            return;
        m_pinned = std::make_unique<TPinnedDpi>(dpi);
        RECT const was = ScreenRect(m_viewer->Handle());
        RECT r {0, 0, ScaleDpi(was.right - was.left, dpi), ScaleDpi(was.bottom - was.top, dpi)};
        SendMessageW(m_viewer->Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&r));
        PumpUntil(Settled);
    }

    void Close()
    {
        if (m_viewer) {
            delete m_viewer;
            m_viewer = nullptr;
            PumpIdle();
        }
        m_pinned.reset();
    }

    TShot ShowPage(int page)
    {
        m_viewer->Pages().SetActivePage(m_viewer->Pages().Pages(page));
        RedrawWindow(m_viewer->Handle(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        PumpIdle();
        TShot shot;
        shot.Window = ScreenRect(m_viewer->Handle());
        shot.Pixels = CaptureWindow(m_viewer->Handle());
        return shot;
    }

    // Each figure of the pages, and the key-colour pixels of each page.
    std::vector<SIZE> Measure(int dpi, std::vector<int>& keyPixels)
    {
        std::vector<SIZE> sizes;
        keyPixels.clear();
        for (int page = 0; page < 3; ++page) {
            TShot shot = ShowPage(page);
            keyPixels.push_back(KeyPixels(shot));
            for (const TFigure& figure : Figures())
                if (figure.Page == page)
                    sizes.push_back(figure.Measure(*m_viewer, shot, dpi));
        }
        return sizes;
    }

    // The client area is the same size after a change of skin, whatever
    // the skin's frame.
    ::testing::AssertionResult ChangeSkinKeepsClientSize(const char* skin)
    {
        RECT before {};
        GetClientRect(m_viewer->Handle(), &before);
        if (!m_viewer->OpenSkin(skin) || !PumpUntil(Settled))
            return ::testing::AssertionFailure() << "no skin " << skin;
        RECT after {};
        GetClientRect(m_viewer->Handle(), &after);
        if (after.right == before.right && after.bottom == before.bottom)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "client " << before.right << "x" << before.bottom << " became "
                                             << after.right << "x" << after.bottom;
    }

    TViewerForm* m_viewer = nullptr;
    std::unique_ptr<TPinnedDpi> m_pinned;
};

// Skin elements grow with the window's density, glyphs, margins and bars
// as much as the controls they are drawn on, and no key colour shows.
TEST_F(SkinViewDpiTest, EverySkinElementGrowsWithTheDensityAndNoKeyColourShows)
{
    // Small enough to fit the screen at 192.
    SIZE const size {600, 420};
    std::vector<int> keys;
    OpenAt(96, size);
    // In the order Measure gives them: page by page.
    std::vector<const TFigure*> order;
    for (int page = 0; page < 3; ++page)
        for (const TFigure& figure : Figures())
            if (figure.Page == page)
                order.push_back(&figure);
    std::vector<SIZE> const at96 = Measure(96, keys);
    for (int k : keys)
        EXPECT_EQ(k, 0) << "key colour at 96";
    for (size_t i = 0; i < order.size(); ++i) {
        RecordProperty(std::string(order[i]->Name) + " at 96",
                       std::to_string(at96[i].cx) + "x" + std::to_string(at96[i].cy));
        EXPECT_TRUE(at96[i].cx > 0 || at96[i].cy > 0) << order[i]->Name << " not found";
    }
    for (int const dpi : {120, 144, 192}) {
        OpenAt(dpi, size);
        std::vector<SIZE> const sizes = Measure(dpi, keys);
        for (size_t page = 0; page < keys.size(); ++page)
            EXPECT_EQ(keys[page], 0) << "key colour on page " << page << " at " << dpi;
        for (size_t i = 0; i < order.size(); ++i) {
            std::string const name = order[i]->Name;
            RecordProperty(name + " at " + std::to_string(dpi),
                           std::to_string(sizes[i].cx) + "x" + std::to_string(sizes[i].cy));
            ExpectScaled(sizes[i].cx, at96[i].cx, dpi, name + " width");
            ExpectScaled(sizes[i].cy, at96[i].cy, dpi, name + " height");
        }
    }
}

namespace {

// The room around the page where its edges are drawn: from the control's
// sides, and from the tabs above.
std::vector<int> PageRoom(TPageControl& pages)
{
    RECT const control = ScreenRect(pages.Handle());
    RECT const sheet = ScreenRect(pages.ActivePage()->Handle());
    RECT tab {};
    SendMessageW(pages.Handle(), TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&tab));
    POINT below {0, tab.bottom};
    ClientToScreen(pages.Handle(), &below);
    return {sheet.left - control.left, sheet.top - below.y, control.right - sheet.right,
            control.bottom - sheet.bottom};
}

} // namespace

// A page leaves its edges as much room at 144 as at 96, scaled: none of
// them hides under it, on the previewer's own page control and on the one
// of its pages, whose tabs grow with their font.
TEST_F(SkinViewDpiTest, PageLeavesItsEdgesTheirRoom)
{
    auto const rooms = [&] {
        TPageControl& outer = m_viewer->Pages();
        TPageControl* inner = FindControl<TPageControl>(*m_viewer, [&](TPageControl& c) { return &c != &outer; });
        EXPECT_NE(inner, nullptr);
        return std::vector<std::vector<int>> {PageRoom(outer), inner ? PageRoom(*inner) : std::vector<int>(4)};
    };
    OpenAt(96, {700, 500});
    auto const at96 = rooms();
    OpenAt(144, {700, 500});
    auto const at144 = rooms();
    for (size_t control = 0; control < at96.size(); ++control)
        for (size_t side = 0; side < at96[control].size(); ++side)
            ExpectScaled(at144[control][side], at96[control][side], 144,
                         "control " + std::to_string(control) + " side " + std::to_string(side));
}

// A window keeps its size across a change of skin at any density, also
// after it moved to a screen of another.
TEST_F(SkinViewDpiTest, SkinChangeKeepsTheWindowsSize)
{
    for (int const dpi : {96, 144}) {
        OpenAt(dpi, {700, 500});
        EXPECT_TRUE(ChangeSkinKeepsClientSize(DUSK_SKIN)) << "at " << dpi;
    }
}

// The pages at 144 pixels per inch in both skins we ship (Slate is built
// in), to look at.
TEST_F(SkinViewDpiTest, PagesAt144AreSaved)
{
    OpenAt(144, {800, 600});
    for (const char* skin : {"slate", "dusk"}) {
        if (skin == std::string("dusk")) {
            ASSERT_TRUE(ChangeSkinKeepsClientSize(DUSK_SKIN));
        }
        for (int page = 0; page < 3; ++page) {
            TShot shot = ShowPage(page);
            EXPECT_EQ(KeyPixels(shot), 0) << skin << " page " << page;
            SaveScreenshot(*shot.Pixels, std::string("skinview-144dpi-") + skin + "-" + std::to_string(page + 1));
        }
    }
}

} // namespace tandrel::test
