// The form's popup menus owner-drawn from the skin, and the program's own
// item handlers living beside them.

#include "tests/skin/forms/SkinFormFixture.h"

namespace tandrel::test {

namespace {

class WinSkinFormMenuHandlersTest : public TSkinFormTest {};

// Runs an item's drawing and measuring handlers, as the menu would.
void RunItemHandlers(TMenuItem& item)
{
    RECT const r {0, 0, 10, 10};
    int width = 0;
    int height = 0;
    HDC const dc = GetDC(nullptr);
    if (item.OnAdvancedDrawItem)
        item.OnAdvancedDrawItem(&item, dc, r, 0);
    if (item.OnMeasureItem)
        item.OnMeasureItem(&item, dc, width, height);
    ReleaseDC(nullptr, dc);
}

} // namespace

TEST_F(WinSkinFormMenuHandlersTest, HandlersTheProgramSetAfterTheSkinSurviveASkinChangeAndTheSkinGoing)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable);
    auto* menu = new TPopupMenu(form);
    TMenuItem* items[2] {};
    for (TMenuItem*& item : items) {
        item = new TMenuItem(form);
        item->SetCaption(L"Item");
        menu->Items().Add(item);
    }
    TWinSkinForm* skin = ShowSkinned(*form);
    ASSERT_NE(skin, nullptr);
    ASSERT_TRUE(menu->OwnerDraw());
    ASSERT_TRUE(items[0]->OnAdvancedDrawItem && items[0]->OnMeasureItem && menu->OnChange);

    int draws = 0;
    int measures = 0;
    int changes = 0;
    items[0]->OnAdvancedDrawItem = [&](TObject*, HDC, const RECT&, UINT) { ++draws; };
    items[0]->OnMeasureItem = [&](TObject*, HDC, int&, int&) { ++measures; };
    menu->OnChange = [&] { ++changes; };

    // A skin change: the request is carried out at once instead of at the tick.
    Skin().ApplySkin();
    SkinManager->ActionTimer();
    ASSERT_TRUE(SkinManager->PendingRequests().empty());
    ASSERT_EQ(skin->SkinState(), ssSkinned);

    RunItemHandlers(*items[0]);
    EXPECT_EQ(draws, 1);
    EXPECT_EQ(measures, 1);
    int const before = changes;
    menu->OnChange();
    EXPECT_EQ(changes, before + 1);
    // The other item is still drawn by the skin.
    EXPECT_TRUE(menu->OwnerDraw());
    EXPECT_TRUE(items[1]->OnAdvancedDrawItem && items[1]->OnMeasureItem);

    // Taking the skin off removes its own handlers only.
    skin->SetPopupOwnerDraw(false);
    EXPECT_FALSE(menu->OwnerDraw());
    EXPECT_FALSE(items[1]->OnAdvancedDrawItem || items[1]->OnMeasureItem);
    RunItemHandlers(*items[0]);
    EXPECT_EQ(draws, 2);
    EXPECT_EQ(measures, 2);
    ASSERT_TRUE(menu->OnChange);
    int const later = changes;
    menu->OnChange();
    EXPECT_EQ(changes, later + 1);
    menu->OnChange = nullptr;
}

} // namespace tandrel::test
