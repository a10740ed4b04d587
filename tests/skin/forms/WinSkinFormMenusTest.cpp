// Owner-drawing of a skinned form's menus: its popup menus, and the items
// of its menu-bar popups and of its system menu, measured and drawn from
// the skin.

#include "tests/skin/forms/SkinFormFixture.h"

#include "framework/graphics/GdiObjects.h"
#include "skin/menus/SkinMenuItem.h"
#include "skin/menus/WinSkinPopMenu.h"
#include "tests/support/LoopScript.h"

namespace tandrel::test {

namespace {

constexpr int kItemWidth = 180;
constexpr int kItemHeight = 22;
constexpr RECT kItem {0, 0, kItemWidth, kItemHeight};

} // namespace

class WinSkinFormMenusTest : public TSkinFormTest {};

// Owner-drawing of a form's popup menus.

namespace {

struct TFormPopups {
    explicit TFormPopups(TBenchForm& form)
    {
        Plain = Popup(form, 0);
        Disabled = Popup(form, 99);
        Hundreds = Popup(form, 199);
        Negative = Popup(form, -99);
        Deep = new TMenuItem(&form);
        Deep->SetCaption(L"Deep");
        Plain->Items().Items(0)->Add(Deep);
        Own = Plain->Items().Items(1);
        Own->OnAdvancedDrawItem = [this](TObject*, HDC, const RECT&, UINT) { ++OwnDraws; };
    }
    TPopupMenu* Popup(TBenchForm& form, int tag)
    {
        auto* menu = new TPopupMenu(&form);
        menu->SetTag(tag);
        for (const wchar_t* caption : {L"One", L"Two", L"-"}) {
            auto* item = new TMenuItem(&form);
            item->SetCaption(caption);
            menu->Items().Add(item);
        }
        return menu;
    }
    static bool Installed(TMenuItem& item) { return item.OnAdvancedDrawItem && item.OnMeasureItem; }
    TPopupMenu* Plain;
    TPopupMenu* Disabled;
    TPopupMenu* Hundreds;
    TPopupMenu* Negative;
    TMenuItem* Deep;
    TMenuItem* Own;
    int OwnDraws = 0;
};

} // namespace

TEST_F(WinSkinFormMenusTest, PopupMenusOfASkinnedFormAreOwnerDrawnUnlessTheirTagSaysNo)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable);
    TFormPopups popups(*form);
    popups.Disabled->SetOwnerDraw(true); // its own choice, kept either way
    TWinSkinForm* skin = ShowSkinned(*form);
    ASSERT_NE(skin, nullptr);

    EXPECT_TRUE(popups.Plain->OwnerDraw());
    EXPECT_TRUE(TFormPopups::Installed(*popups.Plain->Items().Items(0)));
    EXPECT_TRUE(TFormPopups::Installed(*popups.Plain->Items().Items(2)));
    EXPECT_TRUE(TFormPopups::Installed(*popups.Deep));
    // -99 keeps its sign: its remainder is not 99.
    EXPECT_TRUE(popups.Negative->OwnerDraw());
    EXPECT_TRUE(TFormPopups::Installed(*popups.Negative->Items().Items(0)));
    EXPECT_FALSE(popups.Hundreds->OwnerDraw());
    EXPECT_FALSE(popups.Hundreds->Items().Items(0)->OnAdvancedDrawItem);
    EXPECT_FALSE(popups.Disabled->Items().Items(0)->OnAdvancedDrawItem);
    // An item's own handler stays, and gets no measure handler either.
    EXPECT_FALSE(popups.Own->OnMeasureItem);
    popups.Own->OnAdvancedDrawItem(popups.Own, nullptr, kItem, 0);
    EXPECT_EQ(popups.OwnDraws, 1);

    // An item added while skinned is drawn from the skin as well.
    auto* later = new TMenuItem(form);
    later->SetCaption(L"Later");
    popups.Negative->Items().Add(later);
    EXPECT_TRUE(TFormPopups::Installed(*later));

    // An item freed while skinned is forgotten; switching off takes away
    // only what was installed.
    delete popups.Plain->Items().Items(0)->Items(0);
    skin->SetPopupOwnerDraw(false);
    EXPECT_FALSE(popups.Plain->OwnerDraw());
    EXPECT_FALSE(popups.Plain->Items().Items(0)->OnAdvancedDrawItem);
    EXPECT_FALSE(popups.Plain->Items().Items(0)->OnMeasureItem);
    EXPECT_TRUE(popups.Disabled->OwnerDraw());
    EXPECT_FALSE(later->OnAdvancedDrawItem);
    EXPECT_FALSE(popups.Negative->OnChange);
    ASSERT_TRUE(popups.Own->OnAdvancedDrawItem);
    popups.Own->OnAdvancedDrawItem(popups.Own, nullptr, kItem, 0);
    EXPECT_EQ(popups.OwnDraws, 2);

    // On again, then unskinning takes it off.
    skin->SetPopupOwnerDraw(true);
    EXPECT_TRUE(TFormPopups::Installed(*popups.Plain->Items().Items(1)) == false); // "Two" has its own
    EXPECT_TRUE(TFormPopups::Installed(*popups.Plain->Items().Items(0)));
    Skin().SetActive(false);
    ASSERT_TRUE(PumpUntil([&] { return SkinOf(form->Handle()) == nullptr; }));
    EXPECT_FALSE(popups.Plain->OwnerDraw());
    EXPECT_FALSE(popups.Negative->Items().Items(0)->OnAdvancedDrawItem);
    Skin().SetActive(true);
    ASSERT_TRUE(PumpUntil([&] { return !SkinManager->ActionTimerRunning(); }));
}

TEST_F(WinSkinFormMenusTest, WithoutPopupMenuSkinningPopupMenusKeepTheSystemsLook)
{
    TSkinControlTypes const controls = Skin().SkinControls();
    Skin().SetSkinControls(controls & ~SkinControlBit(xcPopupMenu));
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable);
    TFormPopups popups(*form);
    ShowSkinned(*form);
    Skin().SetSkinControls(controls);
    EXPECT_FALSE(popups.Plain->OwnerDraw());
    EXPECT_FALSE(popups.Plain->Items().Items(0)->OnAdvancedDrawItem);
}

TEST_F(WinSkinFormMenusTest, AFrameworkPopupItemMeasuresItselfThenMakesRoomForTheSkin)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable);
    TFormPopups popups(*form);
    ShowSkinned(*form);
    TMenuItem& item = *popups.Plain->Items().Items(0);
    TWindowDC const dc(form->Handle());
    int plainWidth = 0;
    int plainHeight = 0;
    item.MeasureItemDefault(dc.Get(), plainWidth, plainHeight);
    int width = 0;
    int height = 0;
    item.MeasureItem(dc.Get(), width, height);
    EXPECT_EQ(width, plainWidth + 4 + 12 + 23);
    EXPECT_EQ(height, plainHeight);
    EXPECT_GE(height, 16 + 4);
}

// The owner-drawn items of a skinned window's menu-bar popups.

namespace {

LRESULT Measure(HWND window, UINT id, int& width, int& height)
{
    MEASUREITEMSTRUCT m {};
    m.CtlType = ODT_MENU;
    m.itemID = id;
    m.itemHeight = static_cast<UINT>(height);
    LRESULT const result = SendMessageW(window, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&m));
    width = static_cast<int>(m.itemWidth);
    height = static_cast<int>(m.itemHeight);
    return result;
}

LRESULT Draw(HWND window, HMENU menu, UINT id, bool selected, TBitmap& target)
{
    DRAWITEMSTRUCT d {};
    d.CtlType = ODT_MENU;
    d.itemID = id;
    d.itemState = selected ? ODS_SELECTED : 0;
    d.hwndItem = reinterpret_cast<HWND>(menu);
    d.hDC = target.Canvas().Handle();
    d.rcItem = {0, 0, target.Width(), target.Height()};
    return SendMessageW(window, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&d));
}

} // namespace

TEST_F(WinSkinFormMenusTest, ASkinnedWindowMeasuresItsMenuItemsWithRoomForTheSkin)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable);
    TMenuItem* exit = AddFileMenu(*form, L"E&xit");
    ASSERT_NE(ShowSkinned(*form), nullptr);
    HWND const w = form->Handle();
    int plainWidth = 0;
    int plainHeight = 0;
    {
        TWindowDC const dc(w);
        exit->MeasureItemDefault(dc.Get(), plainWidth, plainHeight);
    }
    int width = 0;
    int height = 15;
    EXPECT_EQ(Measure(w, exit->Command(), width, height), TRUE);
    EXPECT_EQ(width, plainWidth + 4 + 10 + 25);
    EXPECT_EQ(height, plainHeight);
    {
        // While a popup opens, one memory DC and font serve every item: same sizes.
        TMenuMeasuring const measuring;
        int sharedWidth = 0;
        int sharedHeight = 15;
        Measure(w, exit->Command(), sharedWidth, sharedHeight);
        EXPECT_EQ(sharedWidth, width);
        EXPECT_EQ(sharedHeight, height);
    }
    // An item the form's menu does not have, while no popup is open: no
    // caption, so a separator's height.
    width = 0;
    height = 15;
    EXPECT_EQ(Measure(w, 0xFFF0, width, height), TRUE);
    EXPECT_EQ(width, 26 + 4);
    EXPECT_EQ(height, 8);
}

TEST_F(WinSkinFormMenusTest, ASkinnedWindowDrawsFrameworkAndOtherMenuItemsFromTheSkin)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable);
    TMenuItem* exit = AddFileMenu(*form, L"E&xit");
    ASSERT_NE(ShowSkinned(*form), nullptr);
    HWND const w = form->Handle();
    COLORREF const menu = ColorToRGB(Skin().MenuColour);

    TBitmap selected(kItemWidth, kItemHeight, TPixelFormat::pf24bit);
    EXPECT_EQ(Draw(w, exit->ParentHandle(), exit->Command(), true, selected), TRUE);
    EXPECT_TRUE(Bluish(PixelOf(selected, kItemWidth - 20, kItemHeight / 2)));
    EXPECT_GT(CountPixels(selected, kItem, ColorToRGB(Skin().HilightTextColour)), 10);
    TBitmap normal(kItemWidth, kItemHeight, TPixelFormat::pf24bit);
    Draw(w, exit->ParentHandle(), exit->Command(), false, normal);
    EXPECT_EQ(PixelOf(normal, kItemWidth - 20, kItemHeight / 2), menu);
    EXPECT_GT(CountPixels(normal, kItem, ColorToRGB(Skin().MenuTextColour)), 10);

    // Another window's menu: the caption, state and check mark come from
    // the handle.
    TOwnedMenu other(CreatePopupMenu());
    AppendMenuW(other.Get(), MF_STRING | MF_GRAYED | MF_CHECKED, 5000, L"Other");
    AppendMenuW(other.Get(), MF_SEPARATOR, 5001, nullptr);
    TBitmap grey(kItemWidth, kItemHeight, TPixelFormat::pf24bit);
    Draw(w, other.Get(), 5000, false, grey);
    EXPECT_GT(CountPixels(grey, kItem, ColorToRGB(Skin().ButtonShadowColour)), 10);
    EXPECT_GT(CountPixels(grey, {5, 1, 21, 17}, ColorToRGB(Skin().ButtonTextColour)), 5);
    TBitmap line(kItemWidth, kItemHeight, TPixelFormat::pf24bit);
    Draw(w, other.Get(), 5001, false, line);
    EXPECT_EQ(PixelOf(line, kItemWidth / 2, 4), GetSysColor(COLOR_BTNSHADOW));

    // A window without a menu leaves the message to its own procedure.
    TBenchForm* bare = MakeForm(TFormBorderStyle::bsSizeable);
    ASSERT_NE(ShowSkinned(*bare), nullptr);
    TBitmap untouched(kItemWidth, kItemHeight, TPixelFormat::pf24bit);
    EXPECT_EQ(Draw(bare->Handle(), exit->ParentHandle(), exit->Command(), true, untouched), 0);
    EXPECT_NE(PixelOf(untouched, kItemWidth - 20, kItemHeight / 2), menu);
}

} // namespace tandrel::test

// The skinned system menu, opened from the window's icon.

namespace tandrel::test {

TEST_F(WinSkinFormMenusTest, TheSkinnedSystemMenuShowsItsFourGlyphsAndAShortcutNothingActsOn)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable);
    TWinSkinForm* skin = ShowSkinned(*form);
    ASSERT_NE(skin, nullptr);
    HWND const w = form->Handle();
    TWinSysButton* icon = nullptr;
    for (const auto& b : skin->CaptionButtons())
        if (b->Object.Action == caSystemMenu && b->Enabled)
            icon = b.get();
    ASSERT_NE(icon, nullptr);
    // Showing the menu sets its items' states, which builds its handle anew.
    auto menu = [&] { return skin->SkinnedSystemMenu()->Handle(); };
    TImageList& glyphs = Skin().MenuImages();
    ASSERT_EQ(glyphs.Count(), 4);

    // Each glyph as the list draws it, on the key colour.
    auto glyph = [&](int index) {
        auto picture = std::make_unique<TBitmap>(16, 16, TPixelFormat::pf24bit);
        TOwnedBrush fuchsia(CreateSolidBrush(RGB(255, 0, 255)));
        RECT const all {0, 0, 16, 16};
        FillRect(picture->Canvas().Handle(), &all, fuchsia.Get());
        glyphs.Draw(picture->Canvas().Handle(), 0, 0, index);
        return picture;
    };
    // Positions of the glyph items by image index; the separator is at 3.
    int const positions[4] = {0, 1, 2, 4};
    int matching[4] = {-1, -1, -1, -1};
    int shortcutInk = 0;
    TLoopScript script;
    script.Then(
        [&] {
            for (const auto& popup : SkinManager->SkinnedPopups())
                if (IsWindowVisible(popup->Handle()) && popup->Menu() == menu())
                    return true;
            return false;
        },
        [&] {
            RECT window;
            GetWindowRect(FindWindowW(L"#32768", nullptr), &window);
            SaveScreenshot(*CaptureScreen(window), "system-menu");
            for (int index = 0; index < 4; ++index) {
                RECT item {};
                GetMenuItemRect(nullptr, menu(), static_cast<UINT>(positions[index]), &item);
                auto shot = CaptureScreen(item);
                auto wanted = glyph(index);
                // Restore is disabled in a normal window: its glyph is greyed.
                if (!skin->SkinnedSystemMenu()->Items().Items(positions[index])->Enabled())
                    continue;
                matching[index] = 0;
                for (int y = 0; y < 16; ++y)
                    for (int x = 0; x < 16; ++x) {
                        COLORREF const p = PixelOf(*wanted, x, y);
                        if (p != RGB(255, 0, 255))
                            matching[index] += PixelOf(*shot, 5 + x, 1 + y) == p ? 1 : -1000;
                    }
                if (index == smClose)
                    for (int y = 0; y < shot->Height(); ++y)
                        for (int x = shot->Width() / 2; x < shot->Width() - 11; ++x)
                            shortcutInk += PixelOf(*shot, x, y) == ColorToRGB(Skin().MenuTextColour);
            }
            PressKey(VK_ESCAPE);
        });
    script.Start();
    RunSoon([] { EndMenu(); }, 10000);
    POINT const at = ScreenOf(w, {(icon->Rect.left + icon->Rect.right) / 2, (icon->Rect.top + icon->Rect.bottom) / 2});
    SendMouseInput(0, at);
    SendMouseInput(MOUSEEVENTF_LEFTDOWN, at);
    SendMouseInput(MOUSEEVENTF_LEFTUP, at);
    ASSERT_TRUE(PumpUntil([&] { return script.Done() || script.GaveUp(); }, 15000));
    EXPECT_FALSE(script.GaveUp());
    EXPECT_EQ(matching[smRestore], -1); // greyed, not compared
    EXPECT_GT(matching[smMaximize], 10);
    EXPECT_GT(matching[smMinimize], 10);
    EXPECT_GT(matching[smClose], 10);
    EXPECT_GT(shortcutInk, 10);

    // Shift+F4 is shown only.
    PumpUntil([] { return FindWindowW(L"#32768", nullptr) == nullptr; });
    SetForegroundWindow(w);
    INPUT keys[4] {};
    for (auto& k : keys)
        k.type = INPUT_KEYBOARD;
    keys[0].ki.wVk = VK_SHIFT;
    keys[1].ki.wVk = keys[2].ki.wVk = VK_F4;
    keys[2].ki.dwFlags = KEYEVENTF_KEYUP;
    keys[3].ki.wVk = VK_SHIFT;
    keys[3].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(4, keys, sizeof(INPUT));
    PumpIdle();
    EXPECT_EQ(form->Closes, 0);
    EXPECT_TRUE(IsWindowVisible(w));
}

} // namespace tandrel::test
