// Skinned menus at the density of the window they belong to: the menu strip,
// the items of a popup the window opens and the popup's background grow
// with it, and at 96 pixels per inch nothing moves.

#include "tests/skin/PopupCycles.h"
#include "tests/skin/SkinTestSupport.h"
#include "tests/skin/forms/SkinFormFixture.h"

#include "framework/graphics/ScreenCapture.h"
#include "skin/menus/WinSkinMenu.h"

#include <string>

namespace tandrel::test {

namespace {

// What the menus of one skinned form measure on the screen.
struct TMenuMeasure {
    int BarHeight = 0;
    RECT BarItem {};    // "&File" in the strip
    RECT Item {};       // "&Open" in the popup, as the system placed it
    int ItemWidth = 0; // as the item measures itself (the system adds its own)
    RECT Checked {};    // a checked item
    RECT Separator {};
    SIZE PopupClient {};
    int PopupDpi = 0;
    int KeyPixels = -1; // of the form and the open popup on the screen
};

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

// Within 2 pixels per 100 (and the pixel rounding costs) of 96's times the
// scale; more for text, whose hinted glyphs do not grow evenly.
void ExpectScaled(int scaled, int at96, int dpi, const char* what, int slack = 1)
{
    double const wanted = at96 * dpi / 96.0;
    EXPECT_NEAR(scaled, wanted, slack + 0.02 * wanted) << what << " at " << dpi;
}
constexpr int kTextSlack = 3;

std::string Figures(const TMenuMeasure& m)
{
    return "bar " + std::to_string(m.BarHeight) + " barItem " + std::to_string(Width(m.BarItem)) + "x" +
           std::to_string(Height(m.BarItem)) + " item " + std::to_string(m.ItemWidth) + "x" +
           std::to_string(Height(m.Item)) + " separator " + std::to_string(Height(m.Separator)) + " popup " +
           std::to_string(m.PopupClient.cx) + "x" + std::to_string(m.PopupClient.cy);
}

class SkinMenuDpiTest : public TSkinFormTest {
protected:
    // A skinned form with a menu strip and a popup menu, made at `dpi`; its
    // popup opened, measured and (with a name) its screen saved.
    TMenuMeasure MeasureAt(int dpi, const std::string& screenshot = {})
    {
        TPinnedDpi const pinned(dpi);
        TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable);
        AddFileMenu(*form, L"&New");
        auto* menu = new TPopupMenu(form);
        for (const wchar_t* caption : {L"&Open", L"-", L"&Wrap lines", L"Save &as..."}) {
            auto* item = new TMenuItem(form);
            item->SetCaption(caption);
            menu->Items().Add(item);
        }
        menu->Items().Items(2)->SetChecked(true);
        TWinSkinForm* skin = ShowSkinned(*form);
        TMenuMeasure m;
        EXPECT_NE(skin, nullptr);
        if (!skin)
            return m;
        m.BarHeight = skin->FrameSizes().MenuBar;
        if (skin->MenuBar() && !skin->MenuBar()->Items().empty())
            m.BarItem = skin->MenuBar()->Items()[0]->Rect;
        RECT window {};
        GetWindowRect(form->Handle(), &window);
        POINT const at {window.left + 60, window.top + 80};
        {
            int height = 0;
            TWindowDC const dc(form->Handle());
            menu->Items().Items(0)->MeasureItem(dc.Get(), m.ItemWidth, height);
        }
        WhenPainted([&](TWinSkinPopMenu* popup) {
            if (popup) {
                HMENU const h = menu->Handle();
                GetMenuItemRect(nullptr, h, 0, &m.Item);
                GetMenuItemRect(nullptr, h, 1, &m.Separator);
                GetMenuItemRect(nullptr, h, 2, &m.Checked);
                RECT client {};
                GetClientRect(popup->Handle(), &client);
                m.PopupClient = {client.right, client.bottom};
                m.PopupDpi = popup->Dpi();
                RECT shown {};
                GetWindowRect(popup->Handle(), &shown);
                UnionRect(&shown, &shown, &window);
                auto const shot = CaptureScreen(shown);
                m.KeyPixels = CountPixels(*shot, {0, 0, shot->Width(), shot->Height()}, RGB(255, 0, 255));
                if (!screenshot.empty())
                    SaveScreenshot(*shot, screenshot);
            }
            EndMenu();
        });
        menu->Popup(at.x, at.y);
        FreeForm(form);
        return m;
    }
};

} // namespace

TEST_F(SkinMenuDpiTest, MenusGrowWithTheirWindowsDensityAndShowNoKeyColour)
{
    TMenuMeasure const at96 = MeasureAt(96);
    RecordProperty("at96", Figures(at96));
    ASSERT_GT(at96.BarHeight, 0);
    ASSERT_GT(Height(at96.Item), 0) << "no skinned popup was painted";
    EXPECT_EQ(at96.PopupDpi, 96);
    EXPECT_EQ(at96.KeyPixels, 0);
    for (int const dpi : {120, 144, 192}) {
        TMenuMeasure const m = MeasureAt(dpi, dpi == 144 ? "menu-popup-144dpi" : "");
        RecordProperty("at" + std::to_string(dpi), Figures(m));
        EXPECT_EQ(m.PopupDpi, dpi);
        ExpectScaled(m.BarHeight, at96.BarHeight, dpi, "strip height");
        ExpectScaled(Width(m.BarItem), Width(at96.BarItem), dpi, "strip item width", kTextSlack);
        ExpectScaled(Height(m.Item), Height(at96.Item), dpi, "item height");
        ExpectScaled(m.ItemWidth, at96.ItemWidth, dpi, "item width", kTextSlack);
        ExpectScaled(Height(m.Checked), Height(at96.Checked), dpi, "checked item height");
        ExpectScaled(Height(m.Separator), Height(at96.Separator), dpi, "separator height");
        double const f = dpi / 96.0;
        double const area = static_cast<double>(m.ItemWidth) * Height(m.Item) /
                            (static_cast<double>(at96.ItemWidth) * Height(at96.Item));
        EXPECT_NEAR(area, f * f, 0.05 * f * f) << dpi;
        EXPECT_EQ(m.KeyPixels, 0) << dpi;
    }
    // Back at 96 everything is where it was, to the pixel.
    TMenuMeasure const again = MeasureAt(96);
    EXPECT_EQ(again.BarHeight, at96.BarHeight);
    EXPECT_TRUE(EqualRect(&again.BarItem, &at96.BarItem));
    EXPECT_EQ(Figures(again), Figures(at96));
}

TEST_F(SkinMenuDpiTest, AWindowMovedToAnotherDensityMeasuresItsMenuStripAgainThereAndBack)
{
    TPinnedDpi pinned(96);
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable);
    AddFileMenu(*form, L"&New");
    TWinSkinForm* skin = ShowSkinned(*form);
    ASSERT_NE(skin, nullptr);
    ASSERT_NE(skin->MenuBar(), nullptr);
    HWND const w = form->Handle();
    int const at96 = skin->FrameSizes().MenuBar;
    RECT const item96 = skin->MenuBar()->Items()[0]->Rect;
    RECT before {};
    GetWindowRect(w, &before);
    {
        TPinnedDpi const moved(192);
        RECT suggested {before.left, before.top, before.left + (before.right - before.left) * 2,
                        before.top + (before.bottom - before.top) * 2};
        SendMessageW(w, WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
        PumpIdle();
        EXPECT_EQ(skin->FrameSizes().MenuBar, ScaleDpi(at96, 192));
        ExpectScaled(Height(skin->MenuBar()->Items()[0]->Rect), Height(item96), 192, "strip item height");
        RECT back = before;
        SendMessageW(w, WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&back));
        PumpIdle();
    }
    EXPECT_EQ(skin->FrameSizes().MenuBar, at96);
    EXPECT_TRUE(EqualRect(&skin->MenuBar()->Items()[0]->Rect, &item96));
}

} // namespace tandrel::test
