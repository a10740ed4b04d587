// Popup menu windows wearing the skin's MenuBackground: their border ring,
// the background under owner-drawn items, stepping aside while the manager
// is inactive, and nothing outliving the window.

#include "tests/skin/PopupCycles.h"
#include "tests/skin/forms/SkinFormFixture.h"

#include "framework/graphics/GdiObjects.h"
#include "skin/menus/WinSkinPopMenu.h"

namespace tandrel::test {

namespace {

class WinSkinPopMenuTest : public TSkinFormTest {
protected:
    TPopupMenu* MakeMenu(TBenchForm& form)
    {
        auto* menu = new TPopupMenu(&form);
        for (const wchar_t* caption : {L"&Open", L"-", L"Save &as...", L"E&xit"}) {
            auto* item = new TMenuItem(&form);
            item->SetCaption(caption);
            menu->Items().Add(item);
        }
        return menu;
    }
};

} // namespace

TEST_F(WinSkinPopMenuTest, APopupWindowWearsTheMenuBackgroundAsBorderAndUnderItsItems)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable);
    TPopupMenu* menu = MakeMenu(*form);
    ASSERT_NE(ShowSkinned(*form), nullptr);
    TBitmap& art = Skin().MenuBackground->Bitmap;
    std::unique_ptr<TBitmap> shot;
    RECT window {};
    HMENU learned = nullptr;
    WhenPainted([&](TWinSkinPopMenu* popup) {
        if (popup) {
            GetWindowRect(popup->Handle(), &window);
            shot = CaptureScreen(window);
            learned = popup->Menu();
        }
        EndMenu();
    });
    menu->Popup(300, 250);
    ASSERT_NE(shot, nullptr) << "no skinned popup was painted";
    EXPECT_EQ(learned, menu->Handle());
    SaveScreenshot(*shot, "menu-popup");
    int const w = window.right - window.left;
    int const h = window.bottom - window.top;
    // Corners of the ring come straight from the image's corners.
    EXPECT_EQ(PixelOf(*shot, 0, 0), PixelOf(art, 0, 0));
    EXPECT_EQ(PixelOf(*shot, w - 1, h - 1), PixelOf(art, art.Width() - 1, art.Height() - 1));
    EXPECT_EQ(PixelOf(*shot, 1, h / 2), PixelOf(art, 1, art.Height() / 2));
    // The gutter at the left of the image shows under the items (frame 1 of
    // the items is the key colour), and the right part has the menu's face.
    EXPECT_EQ(PixelOf(*shot, 10, h / 2), PixelOf(art, 10, art.Height() / 2));
    EXPECT_EQ(PixelOf(*shot, w - 10, 12), PixelOf(art, art.Width() - 10, art.Height() / 2));
}

TEST_F(WinSkinPopMenuTest, APopupFromKeptPicturesAndFontsShowsAsAFreshOne)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable);
    TPopupMenu* menu = MakeMenu(*form);
    ASSERT_NE(ShowSkinned(*form), nullptr);
    // With `dropKept`, the skin set lets its pictures go while the popup
    // shows, and the popup paints again from the background it holds.
    auto const shown = [&](bool dropKept) {
        std::unique_ptr<TBitmap> shot;
        WhenPainted([&](TWinSkinPopMenu* popup) {
            if (popup) {
                if (dropKept) {
                    Skin().KeptPictures.Clear();
                    RedrawWindow(popup->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
                    MsgWaitForMultipleObjects(0, nullptr, FALSE, 0, QS_ALLINPUT);
                }
                RECT window {};
                GetWindowRect(popup->Handle(), &window);
                shot = CaptureScreen(window);
            }
            EndMenu();
        });
        menu->Popup(300, 250);
        return shot;
    };
    auto const differing = [](TBitmap& a, TBitmap& b) {
        int count = 0;
        for (int y = 0; y < a.Height(); ++y)
            for (int x = 0; x < a.Width(); ++x)
                count += PixelOf(a, x, y) != PixelOf(b, x, y);
        return count;
    };
    Skin().KeptPictures.Clear();
    Skin().MenuFonts.Clear();
    auto const fresh = shown(false);
    auto const kept = shown(false);
    auto const repainted = shown(true);
    ASSERT_TRUE(fresh && kept && repainted);
    for (TBitmap* other : {kept.get(), repainted.get()}) {
        ASSERT_EQ(other->Width(), fresh->Width());
        ASSERT_EQ(other->Height(), fresh->Height());
        EXPECT_EQ(differing(*other, *fresh), 0);
    }
}

TEST_F(WinSkinPopMenuTest, WhileTheManagerIsInactiveThePopupKeepsTheSystemsLook)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable);
    TPopupMenu* menu = MakeMenu(*form);
    ASSERT_NE(ShowSkinned(*form), nullptr);
    TBitmap& art = Skin().MenuBackground->Bitmap;
    COLORREF skinned = CLR_INVALID;
    COLORREF plain = CLR_INVALID;
    WhenPainted([&](TWinSkinPopMenu* popup) {
        if (popup) {
            RECT r;
            GetWindowRect(popup->Handle(), &r);
            skinned = PixelOf(*CaptureScreen(r), 0, 0);
            SkinManager->SetSkinning(false);
            RedrawWindow(popup->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 0, QS_ALLINPUT);
            plain = PixelOf(*CaptureScreen(r), 0, 0);
            SkinManager->SetSkinning(true);
        }
        EndMenu();
    });
    menu->Popup(300, 250);
    SkinManager->SetSkinning(true);
    EXPECT_EQ(skinned, PixelOf(art, 0, 0));
    EXPECT_NE(plain, CLR_INVALID);
    EXPECT_NE(plain, skinned);
}

TEST_F(WinSkinPopMenuTest, NothingOfAPopupOutlivesItsWindow)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable);
    TPopupMenu* menu = MakeMenu(*form);
    ASSERT_NE(ShowSkinned(*form), nullptr);
    auto cycle = [&] {
        bool painted = false;
        WhenPainted([&](TWinSkinPopMenu* popup) {
            painted = popup != nullptr;
            EndMenu();
        });
        menu->Popup(300, 250);
        PumpUntil([] { return SkinManager->SkinnedPopups().empty(); }, 2000);
        return painted;
    };
    ExpectPopupCyclesLeaveNothing(cycle);
    EXPECT_EQ(TWinSkinPopMenu::Waiting(), nullptr);
}

} // namespace tandrel::test
