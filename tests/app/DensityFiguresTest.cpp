// Every window of the program at 120, 144 and 192 pixels per inch is its
// 96-DPI size grown by the density, and at 144 it is saved for looking at.

#include "tests/app/ShellFixture.h"
#include "tests/support/DpiFigures.h"
#include "tests/support/LoopScript.h"

#include "skin/menus/WinSkinPopMenu.h"

#include <map>

namespace tandrel::test {

namespace {

SIZE SizeOf(HWND window)
{
    RECT r {};
    GetWindowRect(window, &r);
    return {r.right - r.left, r.bottom - r.top};
}

SIZE SkinnedSizeOf(HWND window, int dpi)
{
    TWinSkinForm* skin = SkinManager->FindSkinnedWindow(window);
    return skin ? WithTheSystemsFrameAt(SizeOf(window), skin->NonClientExtent(), dpi) : SIZE {};
}

SIZE ClientSizeOf(HWND window)
{
    RECT r {};
    GetClientRect(window, &r);
    return {r.right, r.bottom};
}

// The part of a window's region inside the window.
SIZE RegionSizeOf(HWND window)
{
    TOwnedRegion region(CreateRectRgn(0, 0, 0, 0));
    if (GetWindowRgn(window, region.Get()) == ERROR)
        return {};
    const SIZE size = SizeOf(window);
    TOwnedRegion inside(CreateRectRgn(0, 0, size.cx, size.cy));
    CombineRgn(region.Get(), region.Get(), inside.Get(), RGN_AND);
    RECT box {};
    GetRgnBox(region.Get(), &box);
    return {box.right - box.left, box.bottom - box.top};
}

// The tray menu's items as the skin measures them: the widest, and all of
// them one above the other. The menu window's frame and the room the system
// adds round owner-drawn items are the system's, at Wine's own 96 DPI, which
// a pinned density does not reach.
SIZE TrayItemsSize()
{
    TWindowDC const dc(Form4->Handle());
    SIZE size {};
    TMenuItem& items = Form4->PopupMenu1->Items();
    for (int i = 0; i < items.Count(); ++i) {
        int width = 0, height = 0;
        items.Items(i)->MeasureItem(dc.Get(), width, height);
        size.cx = std::max<LONG>(size.cx, width);
        size.cy += height;
    }
    return size;
}

// The window sizes of one start at one density.
using TFigures = std::map<std::string, SIZE>;

std::string Shown(const TFigures& figures)
{
    std::string text;
    for (const auto& [name, size] : figures)
        text += name + " " + std::to_string(size.cx) + "x" + std::to_string(size.cy) + "  ";
    return text;
}

class DensityFiguresTest : public ShellTest {
protected:
    // The shell started afresh at a density, measured, and left running.
    TFigures MeasureAt(int dpi)
    {
        StopShell();
        TPinnedDpi pinned(dpi);
        StartApplication();
        s_recorder.Attach();
        StartUpTest::StartRunning();
        TFigures figures;
        // The overlay shows its client area, cut to the arrow: the system's
        // dialog frame round it never shows.
        figures["overlay"] = ClientSizeOf(Form4->Handle());
        figures["overlay's arrow"] = RegionSizeOf(Form4->Handle());
        ShowPanel();
        figures["main panel"] = SkinnedSizeOf(Form1->Handle(), dpi);
        figures["main panel's small icon"] =
            IconSizeOf(reinterpret_cast<HICON>(SendMessageW(Form1->Handle(), WM_GETICON, ICON_SMALL, 0)));
        TBitmap& captionIcon = SkinManager->FindSkinnedWindow(Form1->Handle())->IconBitmap();
        figures["main panel's caption icon"] = {captionIcon.Width(), captionIcon.Height()};
        Shoot(dpi, Form1->Handle(), "main-panel");

        RunInModalLoop([&] {
            ASSERT_NE(Form2, nullptr);
            ASSERT_TRUE(PumpUntil([] {
                TWinSkinForm* skin = SkinManager->FindSkinnedWindow(Form2->Handle());
                return skin && skin->SkinState() == ssSkinned;
            }));
            figures["about"] = SkinnedSizeOf(Form2->Handle(), dpi);
            Shoot(dpi, Form2->Handle(), "about");
            PostMessageW(Form2->Handle(), WM_CLOSE, 0, 0);
        });
        ClickControl(*Form1->SpeedButton4);

        HidePanel();
        TLoopScript script;
        script.Then([] { return ShownTrayPopup() != nullptr; }, [&] {
            HWND popup = ShownTrayPopup()->Handle();
            figures["tray menu"] = TrayItemsSize();
            Shoot(dpi, popup, "tray-menu");
            EndMenu();
        });
        MoveMouseTo({600, 400});
        script.Start();
        RunSoon([] { EndMenu(); }, 8000);
        SendMessageW(Form4->Handle(), WM_TRAYNOTIFY, 0, WM_RBUTTONDOWN);
        CancelSoon();
        DrainQuit();
        return figures;
    }

    static void Shoot(int dpi, HWND window, const std::string& name)
    {
        if (dpi != 144)
            return;
        PumpIdle();
        RECT r {};
        GetWindowRect(window, &r);
        // From the screen: a popup menu and a skinned frame are what it shows.
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 0, QS_ALLINPUT);
        SaveScreenshot(*CaptureScreen(r), name + "-144dpi");
    }
};

} // namespace

TEST_F(DensityFiguresTest, EveryWindowGrowsWithTheDensity)
{
    const TFigures at96 = MeasureAt(96);
    ASSERT_EQ(at96.size(), 7u) << Shown(at96);
    RecordProperty("figures_96", Shown(at96));
    for (int dpi : {120, 144, 192}) {
        const TFigures scaled = MeasureAt(dpi);
        RecordProperty("figures_" + std::to_string(dpi), Shown(scaled));
        SCOPED_TRACE(Shown(at96) + "\n" + Shown(scaled));
        ASSERT_EQ(scaled.size(), at96.size()) << dpi << ": " << Shown(scaled);
        for (const auto& [name, size] : at96) {
            ExpectScaled(scaled.at(name).cx, size.cx, dpi, name + " width");
            ExpectScaled(scaled.at(name).cy, size.cy, dpi, name + " height");
        }
    }
    // The suite's shell goes on at 96.
    MeasureAt(96);
}

} // namespace tandrel::test
