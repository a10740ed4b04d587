// The owner-drawn menu item painter on memory bitmaps.

#include "tests/skin/forms/SkinFormFixture.h"

#include "framework/graphics/GdiObjects.h"
#include "skin/menus/SkinMenuItem.h"
#include "skin/menus/WinSkinPopMenu.h"
#include "tests/support/LoopScript.h"

#include <functional>

namespace tandrel::test {

namespace {

constexpr int kItemWidth = 180;
constexpr int kItemHeight = 22;
constexpr RECT kItem {0, 0, kItemWidth, kItemHeight};

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

class SkinMenuItemTest : public TSkinFormTest {
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

TEST_F(SkinMenuItemTest, ANormalItemShowsTheMenuColourAndItsCaptionInMenuText)
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

TEST_F(SkinMenuItemTest, ASelectedItemShowsFrameFourAndItsCaptionInHilightText)
{
    auto shot = Paint(*m_menu.Item, true);
    EXPECT_TRUE(Bluish(PixelOf(*shot, kItemWidth - 20, kItemHeight / 2)));
    EXPECT_GT(CountPixels(*shot, kItem, Colour(Skin().HilightTextColour)), 10);
    EXPECT_EQ(CountPixels(*shot, kItem, Colour(Skin().MenuTextColour)), 0);
}

TEST_F(SkinMenuItemTest, ADisabledItemIsWrittenInButtonShadowOrTheSystemsWhenThatLooksEnabled)
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

// Only a Trans of 1 keys the colour out, as everywhere else in the skin.
TEST_F(SkinMenuItemTest, TheMenuItemStripIsDrawnWithItsKeyColourOnlyWhenTransIsSet)
{
    ASSERT_EQ(Skin().MenuItem->Trans, 1);
    for (int const trans : {0, 2}) {
        Skin().MenuItem->Trans = trans;
        auto opaque = Paint(*m_menu.Item, false);
        Skin().MenuItem->Trans = 1;
        EXPECT_EQ(PixelOf(*opaque, kItemWidth - 20, kItemHeight / 2), RGB(255, 0, 255)) << "Trans " << trans;
    }
    auto keyed = Paint(*m_menu.Item, false);
    EXPECT_EQ(CountPixels(*keyed, kItem, RGB(255, 0, 255)), 0);
}

TEST_F(SkinMenuItemTest, ACheckedItemWithoutAnImageShowsTheCheckMarkInTheBox)
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

TEST_F(SkinMenuItemTest, AnImageIsDrawnInItsBoxAndACheckedOneSitsInASunkenPatternedBox)
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

TEST_F(SkinMenuItemTest, ASeparatorComesFromTheBottomRowsOfFrameTwo)
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

TEST_F(SkinMenuItemTest, ADefaultItemIsBoldAndAShortcutSitsAtTheRight)
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

TEST_F(SkinMenuItemTest, RightToLeftItemsHaveTheBoxAtTheRightAndTheCaptionRightAligned)
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

TEST_F(SkinMenuItemTest, WithoutAMenuItemImageItemsArePlainHilightOrMenu)
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

TEST_F(SkinMenuItemTest, ItemsOfOtherMenusDrawSeparatorsAsAnEtchedLine)
{
    TMenuItem stand(nullptr);
    stand.SetCaption(L"-");
    TBitmap shot(kItemWidth, kItemHeight, TPixelFormat::pf24bit);
    TMenuItemPainter(Skin()).PaintHandleMenuItem(nullptr, stand, false, kItem, shot.Canvas().Handle());
    EXPECT_EQ(PixelOf(shot, kItemWidth / 2, 4), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(PixelOf(shot, kItemWidth / 2, 5), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(PixelOf(shot, kItemWidth / 2, 12), Colour(Skin().MenuColour));
}

// Items drawn again from what the first drawing kept look as a fresh
// drawing does, at 96 and at another density, for each size and state;
// a new skin lets go of what the old one kept.
TEST_F(SkinMenuItemTest, KeptItemPicturesAndFontsDrawAsAFreshPaint)
{
    m_menu.Item->SetChecked(true);
    m_menu.Item->SetDefault(true);
    m_menu.Item->SetShortCut(scCtrl | 'O');
    auto const paint = [&](TMenuItem& item, bool selected, int width, int dpi) {
        TBitmap shot(width, kItemHeight, TPixelFormat::pf24bit);
        TSkinScale const scale(Skin().ScaledImages, dpi);
        TMenuItemPainter(Skin(), nullptr, scale)
            .PaintMenuItem(item, shot.Canvas().Handle(), selected, {0, 0, width, kItemHeight});
        std::vector<COLORREF> pixels;
        for (int y = 0; y < kItemHeight; ++y)
            for (int x = 0; x < width; ++x)
                pixels.push_back(PixelOf(shot, x, y));
        return pixels;
    };
    for (int dpi : {96, 144})
        for (int width : {kItemWidth, kItemWidth - 37})
            for (TMenuItem* item : {m_menu.Item, m_menu.Line})
                for (bool selected : {false, true}) {
                    SCOPED_TRACE(std::to_string(dpi) + " " + std::to_string(width) + (selected ? " selected" : ""));
                    Skin().KeptPictures.Clear();
                    Skin().MenuFonts.Clear();
                    auto const fresh = paint(*item, selected, width, dpi);
                    paint(*item, !selected, width, dpi);
                    paint(*item, selected, width + 11, dpi);
                    EXPECT_EQ(paint(*item, selected, width, dpi), fresh);
                }
    // A kept face goes with what the item shows: after each change the item
    // paints as a fresh paint of the changed item does.
    std::function<void()> const changes[] = {
        [&] { m_menu.Item->SetCaption(L"&Other file"); }, [&] { m_menu.Item->SetShortCut(scCtrl | 'P'); },
        [&] { m_menu.Item->SetEnabled(false); },          [&] { m_menu.Item->SetChecked(false); },
        [&] { m_menu.Item->SetDefault(false); }};
    for (const auto& change : changes) {
        auto const kept = paint(*m_menu.Item, true, kItemWidth, 96);
        change();
        auto const changed = paint(*m_menu.Item, true, kItemWidth, 96);
        EXPECT_NE(changed, kept);
        Skin().KeptPictures.Clear();
        EXPECT_EQ(changed, paint(*m_menu.Item, true, kItemWidth, 96));
    }
    paint(*m_menu.Item, false, kItemWidth, 96);
    EXPECT_GT(Skin().KeptPictures.Count(), 0);
    EXPECT_GT(Skin().MenuFonts.Count(), 0);
    Skin().ChangeSkin(Skin().StoredStream());
    EXPECT_EQ(Skin().KeptPictures.Count(), 0);
    EXPECT_EQ(Skin().MenuFonts.Count(), 0);
    paint(*m_menu.Item, false, kItemWidth, 96);
    // The menu font may have changed with the system's settings.
    paint(*m_menu.Item, false, kItemWidth, 96);
    SendMessageW(SkinManager->Window(), WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, 0);
    EXPECT_EQ(Skin().MenuFonts.Count(), 0);
    EXPECT_EQ(Skin().KeptPictures.Count(), 0);
}

TEST_F(SkinMenuItemTest, PaintingLeavesNoGdiObjectBehind)
{
    m_menu.Item->SetChecked(true);
    m_menu.Item->SetDefault(true);
    Paint(*m_menu.Item, true);
    Paint(*m_menu.Item, false);
    Paint(*m_menu.Line, false);
    long const before = LiveGdiObjects();
    for (int i = 0; i < 50; ++i) {
        Paint(*m_menu.Item, (i & 1) != 0);
        Paint(*m_menu.Line, false);
    }
    EXPECT_EQ(LiveGdiObjects(), before);
}

} // namespace tandrel::test
