// The DC shared by the items measured while a menu opens: it carries the font
// asked for, and the innermost one is the current.

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
    LOGFONTW big {};
    big.lfHeight = -40;
    big.lfWeight = FW_BOLD;
    wcscpy(big.lfFaceName, L"Arial");
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
            TMenuMeasuring inner(big);
            EXPECT_EQ(TMenuMeasuring::Current(), &inner);
            ASSERT_NE(inner.Dc(), nullptr);
            EXPECT_EQ(GetCurrentObject(inner.Dc(), OBJ_FONT), inner.Font());
            LOGFONTW const asked = SelectedFont(inner.Dc());
            EXPECT_EQ(asked.lfHeight, -40);
            EXPECT_EQ(asked.lfWeight, FW_BOLD);
            EXPECT_STREQ(asked.lfFaceName, L"Arial");
        }
        EXPECT_EQ(TMenuMeasuring::Current(), &outer);
        EXPECT_EQ(outer.Dc(), dc);
    }
    EXPECT_EQ(TMenuMeasuring::Current(), nullptr);
}

} // namespace tandrel::test
