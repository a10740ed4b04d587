// The DC shared by the items measured while a menu opens: it carries the font
// asked for, the innermost one is the current, and a caller's font is only
// borrowed.

#include "framework/forms/Menus.h"

#include <gtest/gtest.h>

#include <cwchar>

namespace tandrel::test {

namespace {

LOGFONTW SelectedFont(HDC dc)
{
    LOGFONTW font {};
    GetObjectW(GetCurrentObject(dc, OBJ_FONT), sizeof font, &font);
    return font;
}

} // namespace

TEST(MenuMeasuringTest, TheSharedDcCarriesTheAskedFontAndTheInnermostIsCurrent)
{
    ASSERT_EQ(TMenuMeasuring::Current(), nullptr);
    TOwnedFont const big(CreateFontW(-40, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"Arial"));
    ASSERT_TRUE(big);
    {
        TMenuMeasuring outer;
        EXPECT_EQ(TMenuMeasuring::Current(), &outer);
        HDC const dc = outer.Dc();
        ASSERT_NE(dc, nullptr);
        LOGFONTW const menu = MenuLogFont();
        LOGFONTW const selected = SelectedFont(dc);
        EXPECT_EQ(selected.lfHeight, menu.lfHeight);
        EXPECT_STREQ(selected.lfFaceName, menu.lfFaceName);
        {
            TMenuMeasuring inner(big.Get());
            EXPECT_EQ(TMenuMeasuring::Current(), &inner);
            EXPECT_EQ(inner.Font(), big.Get());
            ASSERT_NE(inner.Dc(), nullptr);
            EXPECT_EQ(GetCurrentObject(inner.Dc(), OBJ_FONT), big.Get());
        }
        EXPECT_EQ(TMenuMeasuring::Current(), &outer);
        EXPECT_EQ(outer.Dc(), dc);
    }
    EXPECT_EQ(TMenuMeasuring::Current(), nullptr);
    // Borrowed, not freed.
    LOGFONTW after {};
    EXPECT_EQ(GetObjectW(big.Get(), sizeof after, &after), static_cast<int>(sizeof after));
    EXPECT_EQ(after.lfHeight, -40);
}

} // namespace tandrel::test
