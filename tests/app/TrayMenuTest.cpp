// The tray menu of the running program, drawn from the skin: its window's
// background and border and its three items, chosen by key or by mouse.

#include "tests/skin/PopupCycles.h"
#include "tests/app/ShellFixture.h"

#include "framework/graphics/GdiObjects.h"
#include "skin/menus/WinSkinPopMenu.h"
#include "tests/support/LoopScript.h"

namespace tandrel::test {

class TrayMenuTest : public ShellTest {};

namespace {

RECT ItemRect(int index)
{
    RECT r {};
    GetMenuItemRect(nullptr, Form4->PopupMenu1->Handle(), static_cast<UINT>(index), &r);
    return r;
}

bool Bluish(COLORREF c) { return GetBValue(c) > GetRValue(c) + 40; }

// Whether the item shows the selected frame of the skin's MenuItem strip.
bool LooksSelected(int index)
{
    RECT const r = ItemRect(index);
    auto shot = CaptureScreen(r);
    return Bluish(PixelOf(*shot, shot->Width() - 12, shot->Height() / 2));
}

// Opens the menu as a right click on the tray icon does and runs the
// script inside its loop; the menu is ended after a while whatever happens.
void OpenTrayMenu(TLoopScript& script)
{
    MoveMouseTo({600, 400});
    script.Start();
    RunSoon([] { EndMenu(); }, 8000);
    SendMessageW(Form4->Handle(), WM_TRAYNOTIFY, 0, WM_RBUTTONDOWN);
}

} // namespace

TEST_F(TrayMenuTest, TheTrayMenuIsDrawnFromTheSkinAndClosesOnEscape)
{
    HidePanel();
    ASSERT_NE(SkinManager->FindSkinnedWindow(Form4->Handle()), nullptr);
    TPopupMenu& menu = *Form4->PopupMenu1;
    EXPECT_TRUE(menu.OwnerDraw());
    TSkinData& skin = *SkinManager->FindSkinData(Form4->Handle());
    TBitmap& art = skin.MenuBackground->Bitmap;

    TLoopScript script;
    COLORREF corner = CLR_INVALID;
    COLORREF unselected = CLR_INVALID;
    bool selectedSeen = false;
    int captionInk = 0;
    script.Then([] { return ShownTrayPopup() != nullptr; }, [&] {
        RECT window;
        GetWindowRect(ShownTrayPopup()->Handle(), &window);
        corner = PixelOf(*CaptureScreen(window), 0, 0);
        RECT const first = ItemRect(0);
        unselected = PixelOf(*CaptureScreen(first), first.right - first.left - 12, (first.bottom - first.top) / 2);
        PressKey(VK_DOWN);
    });
    script.Then([] { return LooksSelected(0); }, [&] {
        selectedSeen = true;
        RECT window;
        GetWindowRect(ShownTrayPopup()->Handle(), &window);
        auto shot = CaptureScreen(window);
        SaveScreenshot(*shot, "tray-menu");
        // The selected caption is written in the skin's HilightText.
        RECT const first = ItemRect(0);
        auto item = CaptureScreen(first);
        for (int y = 0; y < item->Height(); ++y)
            for (int x = 0; x < item->Width(); ++x)
                captionInk += PixelOf(*item, x, y) == ColorToRGB(skin.HilightTextColour);
        PressKey(VK_ESCAPE);
    });
    OpenTrayMenu(script);
    EXPECT_FALSE(script.GaveUp()) << "stopped at step " << script.Next();
    EXPECT_EQ(corner, PixelOf(art, 0, 0));
    // An item not selected shows the background under it (the image's face).
    EXPECT_EQ(unselected, PixelOf(art, art.Width() - 12, art.Height() / 2));
    EXPECT_TRUE(selectedSeen);
    EXPECT_GT(captionInk, 10);
    EXPECT_TRUE(script.Done());
    PumpIdle();
    EXPECT_FALSE(Form1->Visible()); // Escape chose nothing
    EXPECT_TRUE(SkinManager->SkinnedPopups().empty());
}

TEST_F(TrayMenuTest, TheSkinnedTrayMenuIsChosenFromByKeyAndByMouse)
{
    HidePanel();
    TLoopScript byKey;
    byKey.Then([] { return ShownTrayPopup() != nullptr; }, [] { PressKey(VK_DOWN); });
    byKey.Then([] { return LooksSelected(0); }, [] { PressKey(VK_RETURN); });
    OpenTrayMenu(byKey);
    EXPECT_FALSE(byKey.GaveUp()) << "stopped at step " << byKey.Next();
    EXPECT_TRUE(PumpUntil([] { return IsWindowVisible(Form1->Handle()) != FALSE; }));
    CancelSoon();
    HidePanel();

    TLoopScript byMouse;
    byMouse.Then([] { return ShownTrayPopup() != nullptr; }, [] {
        // Real input only: pumping here would take the menu loop's messages.
        RECT const first = ItemRect(0);
        SendMouseInput(0, {(first.left + first.right) / 2, (first.top + first.bottom) / 2});
    });
    // The item under the mouse lights up before it is clicked.
    byMouse.Then([] { return LooksSelected(0); }, [] {
        RECT const first = ItemRect(0);
        POINT const middle {(first.left + first.right) / 2, (first.top + first.bottom) / 2};
        SendMouseInput(MOUSEEVENTF_LEFTDOWN, middle);
        SendMouseInput(MOUSEEVENTF_LEFTUP, middle);
    });
    OpenTrayMenu(byMouse);
    EXPECT_FALSE(byMouse.GaveUp()) << "stopped at step " << byMouse.Next();
    EXPECT_TRUE(PumpUntil([] { return IsWindowVisible(Form1->Handle()) != FALSE; }));
    CancelSoon();
    HidePanel();
}

TEST_F(TrayMenuTest, ATrayMenuTaggedWithTheDisableTagKeepsTheSystemsLook)
{
    HidePanel();
    TWinSkinForm* skin = SkinManager->FindSkinnedWindow(Form4->Handle());
    ASSERT_NE(skin, nullptr);
    TPopupMenu& menu = *Form4->PopupMenu1;
    menu.SetTag(199);
    skin->SetPopupOwnerDraw(false);
    skin->SetPopupOwnerDraw(true);
    EXPECT_FALSE(menu.OwnerDraw());
    EXPECT_FALSE(Form4->y1->OnAdvancedDrawItem);
    bool plainShown = false;
    RunSoon([&] {
        HWND window = FindWindowW(L"#32768", nullptr);
        // The window is still skinned (its background), but no item is drawn
        // by the skin, so it never learns its menu.
        plainShown = window && IsWindowVisible(window) && !ShownTrayPopup();
        EndMenu();
    }, 300);
    MoveMouseTo({600, 400});
    SendMessageW(Form4->Handle(), WM_TRAYNOTIFY, 0, WM_RBUTTONDOWN);
    menu.SetTag(0);
    skin->SetPopupOwnerDraw(true);
    EXPECT_TRUE(plainShown);
    EXPECT_TRUE(menu.OwnerDraw());
    EXPECT_TRUE(Form4->y1->OnAdvancedDrawItem);
}

// Opening and closing the real tray menu a thousand times leaves no GDI
// object and no popup object behind.
TEST_F(TrayMenuTest, AThousandTrayMenusLeaveNothingBehind)
{
    HidePanel();
    auto const cycle = [] {
        bool shown = false;
        TLoopScript script;
        script.Then([] { return ShownTrayPopup() != nullptr; }, [&] {
            shown = true;
            EndMenu();
        });
        OpenTrayMenu(script);
        PumpUntil([] { return SkinManager->SkinnedPopups().empty(); }, 2000);
        return shown;
    };
    ExpectPopupCyclesLeaveNothing(cycle);
    EXPECT_FALSE(Form1->Visible()); // nothing was chosen
}

} // namespace tandrel::test
