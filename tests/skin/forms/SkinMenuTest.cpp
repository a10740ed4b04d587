// Owner-drawn menu items: the item painter on memory bitmaps, owner-drawing
// of a form's popup menus, and a skinned window's measuring and drawing of
// its menu-bar popups' items.

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

// How many pixels of `area` show exactly `colour`.
int CountPixels(TBitmap& bitmap, const RECT& area, COLORREF colour)
{
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            count += PixelOf(bitmap, x, y) == colour;
    return count;
}

// The columns of `area` holding pixels of `colour`: first and last, or -1.
std::pair<int, int> ColumnsOf(TBitmap& bitmap, const RECT& area, COLORREF colour)
{
    int first = -1;
    int last = -1;
    for (int x = area.left; x < area.right; ++x)
        for (int y = area.top; y < area.bottom; ++y)
            if (PixelOf(bitmap, x, y) == colour) {
                if (first < 0)
                    first = x;
                last = x;
                break;
            }
    return {first, last};
}

bool Bluish(COLORREF c) { return GetBValue(c) > GetRValue(c) + 40; }

// A popup menu made in code, with the items the painter cares about.
struct TTestMenu {
    TTestMenu()
    {
        Item = Add(L"&Open file");
        Line = Add(L"-");
    }
    TMenuItem* Add(const wchar_t* caption)
    {
        auto* item = new TMenuItem(&Menu);
        item->SetCaption(caption);
        Menu.Items().Add(item);
        return item;
    }
    TPopupMenu Menu {nullptr};
    TMenuItem* Item;
    TMenuItem* Line;
};

class TMenuPaintTest : public TSkinFormTest {
protected:
    // Paints the item into a fresh bitmap of one item's size.
    std::unique_ptr<TBitmap> Paint(TMenuItem& item, bool selected)
    {
        auto bitmap = std::make_unique<TBitmap>(kItemWidth, kItemHeight, TPixelFormat::pf24bit);
        TMenuItemPainter(Skin()).PaintMenuItem(item, bitmap->Canvas().Handle(), selected, kItem);
        return bitmap;
    }
    COLORREF Colour(TSkinColour c) { return ColorToRGB(c); }
    TTestMenu m_menu;
};

} // namespace

TEST_F(TMenuPaintTest, ANormalItemShowsTheMenuColourAndItsCaptionInMenuText)
{
    auto shot = Paint(*m_menu.Item, false);
    // Frame 1 of the default skin is all key colour: the menu shows through.
    EXPECT_EQ(PixelOf(*shot, kItemWidth - 20, kItemHeight / 2), Colour(Skin().MenuColour));
    EXPECT_EQ(PixelOf(*shot, 2, 2), Colour(Skin().MenuColour));
    EXPECT_GT(CountPixels(*shot, kItem, Colour(Skin().MenuTextColour)), 10);
    // The caption starts after the indent (4) and the image box (16).
    auto const [first, last] = ColumnsOf(*shot, kItem, Colour(Skin().MenuTextColour));
    EXPECT_GE(first, 4 + 1 + 16 + 3);
    EXPECT_LT(last, kItemWidth / 2);
}

TEST_F(TMenuPaintTest, ASelectedItemShowsFrameFourAndItsCaptionInHilightText)
{
    auto shot = Paint(*m_menu.Item, true);
    EXPECT_TRUE(Bluish(PixelOf(*shot, kItemWidth - 20, kItemHeight / 2)));
    EXPECT_GT(CountPixels(*shot, kItem, Colour(Skin().HilightTextColour)), 10);
    EXPECT_EQ(CountPixels(*shot, kItem, Colour(Skin().MenuTextColour)), 0);
}

TEST_F(TMenuPaintTest, ADisabledItemIsWrittenInButtonShadowOrTheSystemsWhenThatLooksEnabled)
{
    m_menu.Item->SetEnabled(false);
    auto shot = Paint(*m_menu.Item, false);
    EXPECT_GT(CountPixels(*shot, kItem, Colour(Skin().ButtonShadowColour)), 10);
    EXPECT_EQ(CountPixels(*shot, kItem, Colour(Skin().MenuTextColour)), 0);

    TSkinColour const shadow = Skin().ButtonShadowColour;
    Skin().ButtonShadowColour = Skin().MenuTextColour;
    auto same = Paint(*m_menu.Item, false);
    Skin().ButtonShadowColour = shadow;
    EXPECT_GT(CountPixels(*same, kItem, GetSysColor(COLOR_BTNSHADOW)), 10);
}

TEST_F(TMenuPaintTest, TheMenuItemStripIsDrawnWithItsKeyColourOnlyWhenTransIsSet)
{
    ASSERT_EQ(Skin().MenuItem->Trans, 1);
    Skin().MenuItem->Trans = 0;
    auto opaque = Paint(*m_menu.Item, false);
    Skin().MenuItem->Trans = 1;
    EXPECT_EQ(PixelOf(*opaque, kItemWidth - 20, kItemHeight / 2), RGB(255, 0, 255));
    auto keyed = Paint(*m_menu.Item, false);
    EXPECT_EQ(CountPixels(*keyed, kItem, RGB(255, 0, 255)), 0);
}

TEST_F(TMenuPaintTest, ACheckedItemWithoutAnImageShowsTheCheckMarkInTheBox)
{
    RECT const box {5, 1, 21, 17};
    COLORREF const ink = Colour(Skin().ButtonTextColour);
    auto plain = Paint(*m_menu.Item, false);
    EXPECT_EQ(CountPixels(*plain, box, ink), 0);
    m_menu.Item->SetChecked(true);
    auto checked = Paint(*m_menu.Item, false);
    EXPECT_GT(CountPixels(*checked, box, ink), 5);
    // The mark lies inside the box.
    auto const [first, last] = ColumnsOf(*checked, {0, 0, 24, kItemHeight}, ink);
    EXPECT_GE(first, box.left);
    EXPECT_LT(last, box.right);
}

TEST_F(TMenuPaintTest, AnImageIsDrawnInItsBoxAndACheckedOneSitsInASunkenPatternedBox)
{
    TImageList images(nullptr);
    TBitmap red(16, 16, TPixelFormat::pf24bit);
    RECT const all {0, 0, 16, 16};
    {
        TOwnedBrush brush(CreateSolidBrush(RGB(200, 0, 0)));
        FillRect(red.Canvas().Handle(), &all, brush.Get());
    }
    images.AddMasked(red, clFuchsia);
    m_menu.Menu.SetImages(&images);
    m_menu.Item->SetImageIndex(0);

    auto shot = Paint(*m_menu.Item, false);
    // Box at (5, 1), 16 x 16: the image fills it.
    EXPECT_EQ(PixelOf(*shot, 5, 1), RGB(200, 0, 0));
    EXPECT_EQ(PixelOf(*shot, 20, 16), RGB(200, 0, 0));
    EXPECT_EQ(PixelOf(*shot, 21, 17), Colour(Skin().MenuColour));

    // An image that does not fill the box shows the pattern around it, and
    // the box's outer edge is sunken.
    TImageList wide(nullptr, 20, 20);
    TBitmap part(20, 20, TPixelFormat::pf24bit);
    {
        TOwnedBrush fuchsia(CreateSolidBrush(RGB(255, 0, 255)));
        RECT const whole {0, 0, 20, 20};
        FillRect(part.Canvas().Handle(), &whole, fuchsia.Get());
        TOwnedBrush brush(CreateSolidBrush(RGB(200, 0, 0)));
        RECT const middle {6, 6, 14, 14};
        FillRect(part.Canvas().Handle(), &middle, brush.Get());
    }
    wide.AddMasked(part, clFuchsia);
    m_menu.Menu.SetImages(&wide);
    m_menu.Item->SetChecked(true);
    auto checked = Paint(*m_menu.Item, false);
    EXPECT_EQ(PixelOf(*checked, 5, 1), GetSysColor(COLOR_BTNSHADOW)); // the edge's top-left
    EXPECT_EQ(PixelOf(*checked, 24, 20), GetSysColor(COLOR_BTNHIGHLIGHT));
    COLORREF const a = PixelOf(*checked, 8, 4);
    COLORREF const b = PixelOf(*checked, 9, 4);
    EXPECT_NE(a, b); // alternating pattern
    EXPECT_TRUE(a == GetSysColor(COLOR_BTNFACE) || a == GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(PixelOf(*checked, 15, 11), RGB(200, 0, 0));
    // An index past the list shows no image (and no crash).
    m_menu.Item->SetImageIndex(7);
    m_menu.Item->SetChecked(false);
    auto none = Paint(*m_menu.Item, false);
    EXPECT_EQ(CountPixels(*none, {0, 0, 30, kItemHeight}, RGB(200, 0, 0)), 0);
    m_menu.Menu.SetImages(nullptr);
}

TEST_F(TMenuPaintTest, ASeparatorComesFromTheBottomRowsOfFrameTwo)
{
    constexpr int h = 9;
    TBitmap shot(kItemWidth, h, TPixelFormat::pf24bit);
    TMenuItemPainter(Skin()).PaintMenuItem(*m_menu.Line, shot.Canvas().Handle(), false, {0, 0, kItemWidth, h});
    TBitmap& strip = Skin().MenuItem->Bitmap;
    int const fw = strip.Width() / 5;
    int const sy = strip.Height() - h;
    // Each row in the separator's middle shows the middle column of frame 2's
    // row, or the menu where the strip has its key colour.
    int lines = 0;
    for (int y = 0; y < h; ++y) {
        COLORREF const source = PixelOf(strip, fw + fw / 2, sy + y);
        COLORREF const seen = PixelOf(shot, kItemWidth / 2, y);
        if (source == RGB(255, 0, 255)) {
            EXPECT_EQ(seen, ColorToRGB(Skin().MenuColour)) << "row " << y;
        } else {
            EXPECT_EQ(seen, source) << "row " << y;
            ++lines;
        }
    }
    EXPECT_GT(lines, 0);
}

TEST_F(TMenuPaintTest, ADefaultItemIsBoldAndAShortcutSitsAtTheRight)
{
    COLORREF const ink = Colour(Skin().MenuTextColour);
    auto normal = Paint(*m_menu.Item, false);
    m_menu.Item->SetDefault(true);
    auto bold = Paint(*m_menu.Item, false);
    EXPECT_GT(ColumnsOf(*bold, kItem, ink).second, ColumnsOf(*normal, kItem, ink).second);
    EXPECT_GT(CountPixels(*bold, kItem, ink), CountPixels(*normal, kItem, ink));

    m_menu.Item->SetDefault(false);
    m_menu.Item->SetShortCut(scCtrl | 'O');
    auto keys = Paint(*m_menu.Item, false);
    // Right-aligned to 11 pixels from the item's right.
    int const last = ColumnsOf(*keys, {kItemWidth / 2, 0, kItemWidth, kItemHeight}, ink).second;
    EXPECT_GE(last, kItemWidth - 11 - 6); // the glyph's own right bearing
    EXPECT_LT(last, kItemWidth - 11);
}

TEST_F(TMenuPaintTest, RightToLeftItemsHaveTheBoxAtTheRightAndTheCaptionRightAligned)
{
    COLORREF const ink = Colour(Skin().MenuTextColour);
    m_menu.Menu.SetRightToLeft(true);
    m_menu.Item->SetChecked(true);
    m_menu.Item->SetShortCut(scCtrl | 'O');
    auto shot = Paint(*m_menu.Item, false);
    // The box: right edge at 180 - 1 - 4; the text ends 3 before it.
    RECT const box {kItemWidth - 5 - 16, 1, kItemWidth - 5, 17};
    EXPECT_GT(CountPixels(*shot, box, Colour(Skin().ButtonTextColour)), 5);
    auto const [first, last] = ColumnsOf(*shot, {0, 0, box.left, kItemHeight}, ink);
    EXPECT_GE(last, box.left - 3 - 6);
    EXPECT_LT(last, box.left - 3);
    // The shortcut from 10 in at the left.
    EXPECT_GE(first, 10);
    EXPECT_LT(first, 14);
}

TEST_F(TMenuPaintTest, WithoutAMenuItemImageItemsArePlainHilightOrMenu)
{
    std::unique_ptr<TDataSkinObject> object = std::move(Skin().MenuItem);
    auto selected = Paint(*m_menu.Item, true);
    auto normal = Paint(*m_menu.Item, false);
    Skin().MenuItem = std::move(object);
    EXPECT_EQ(PixelOf(*selected, kItemWidth - 5, kItemHeight / 2), Colour(Skin().HilightColour));
    EXPECT_EQ(PixelOf(*normal, kItemWidth - 5, kItemHeight / 2), Colour(Skin().MenuColour));
    // Without the strip's indent the caption starts 4 further left.
    auto const withIndent = ColumnsOf(*Paint(*m_menu.Item, false), kItem, Colour(Skin().MenuTextColour));
    EXPECT_EQ(ColumnsOf(*normal, kItem, Colour(Skin().MenuTextColour)).first, withIndent.first - 4);
}

TEST_F(TMenuPaintTest, ItemsOfOtherMenusDrawSeparatorsAsAnEtchedLine)
{
    TMenuItem stand(nullptr);
    stand.SetCaption(L"-");
    TBitmap shot(kItemWidth, kItemHeight, TPixelFormat::pf24bit);
    TMenuItemPainter(Skin()).PaintHandleMenuItem(nullptr, stand, false, kItem, shot.Canvas().Handle());
    EXPECT_EQ(PixelOf(shot, kItemWidth / 2, 4), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(PixelOf(shot, kItemWidth / 2, 5), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(PixelOf(shot, kItemWidth / 2, 12), Colour(Skin().MenuColour));
}

TEST_F(TMenuPaintTest, PaintingLeavesNoGdiObjectBehind)
{
    m_menu.Item->SetChecked(true);
    m_menu.Item->SetDefault(true);
    Paint(*m_menu.Item, true);
    long const before = LiveGdiObjects();
    for (int i = 0; i < 50; ++i) {
        Paint(*m_menu.Item, (i & 1) != 0);
        Paint(*m_menu.Line, false);
    }
    EXPECT_EQ(LiveGdiObjects(), before);
}

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

TEST_F(TSkinFormTest, PopupMenusOfASkinnedFormAreOwnerDrawnUnlessTheirTagSaysNo)
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

TEST_F(TSkinFormTest, WithoutPopupMenuSkinningPopupMenusKeepTheSystemsLook)
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

TEST_F(TSkinFormTest, AFrameworkPopupItemMeasuresItselfThenMakesRoomForTheSkin)
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

TEST_F(TSkinFormTest, ASkinnedWindowMeasuresItsMenuItemsWithRoomForTheSkin)
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
    // An item the form's menu does not have, while no popup is open: no
    // caption, so a separator's height.
    width = 0;
    height = 15;
    EXPECT_EQ(Measure(w, 0xFFF0, width, height), TRUE);
    EXPECT_EQ(width, 26 + 4);
    EXPECT_EQ(height, 8);
}

TEST_F(TSkinFormTest, ASkinnedWindowDrawsFrameworkAndOtherMenuItemsFromTheSkin)
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

TEST_F(TSkinFormTest, TheSkinnedSystemMenuShowsItsFourGlyphsAndAShortcutNothingActsOn)
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
