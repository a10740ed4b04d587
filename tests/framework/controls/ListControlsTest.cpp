// The list box and the list view: items reach the window, selection follows
// real clicks, the list view's header is there.

#include "framework/controls/ListBox.h"
#include "framework/controls/ListView.h"
#include "tests/framework/controls/FormFixture.h"

#include <commctrl.h>

namespace tandrel::test {

namespace {

class ListControlsTest : public TFormTest {};

std::wstring ListBoxText(HWND window, int index)
{
    wchar_t text[64] {};
    SendMessageW(window, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
    return text;
}

std::wstring ListViewText(HWND window, int item, int subItem)
{
    LVITEMW i {};
    i.iSubItem = subItem;
    return ItemRecordText(window, LVM_GETITEMTEXTW, item, i);
}

POINT ItemCentre(HWND listBox, int index) { return ItemCentreOnScreen(listBox, LB_GETITEMRECT, index); }

} // namespace

TEST_F(ListControlsTest, ListBoxKeepsItsItemsInTheWindowAndSelectsByClick)
{
    auto* list = Add<TListBox>(10, 10, 150, 120);
    list->Items().SetLines({L"pear", L"Apple", L"fig"});
    list->SetItemIndex(1);
    int clicks = 0;
    list->OnClick = [&](TObject*) { ++clicks; };
    ShowForm();
    EXPECT_EQ(SendMessageW(list->Handle(), LB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(ListBoxText(list->Handle(), 1), L"Apple");
    EXPECT_EQ(list->ItemIndex(), 1);
    EXPECT_FALSE(GetWindowLongPtrW(list->Handle(), GWL_STYLE) & WS_VSCROLL);  // all fit

    list->SetSorted(true);  // a new window, sorted by the system; the items follow it
    EXPECT_EQ(list->Items().Lines(), (std::vector<std::wstring> {L"Apple", L"fig", L"pear"}));
    list->Items().Add(L"banana");
    EXPECT_EQ(list->Items().Strings(1), L"banana");

    ClickAt(ItemCentre(list->Handle(), 2));
    EXPECT_EQ(list->ItemIndex(), 2);
    EXPECT_EQ(clicks, 1);

    for (int i = 0; i < 30; ++i)
        list->Items().Add(L"item " + std::to_wstring(i));
    EXPECT_TRUE(GetWindowLongPtrW(list->Handle(), GWL_STYLE) & WS_VSCROLL);  // they overflow

    list->SetMultiSelect(true);  // a new window: the selection goes with it
    EXPECT_EQ(list->ItemIndex(), 2);
    list->SetSelected(0, true);
    list->SetSelected(3, true);
    EXPECT_EQ(list->SelCount(), 3);
    EXPECT_TRUE(list->Selected(3));
    EXPECT_FALSE(list->Selected(1));
}

TEST_F(ListControlsTest, ReportListViewHasAHeaderWithItsColumnsAndItsItemsInThem)
{
    auto* view = Add<TListView>(10, 10, 290, 150);
    view->SetViewStyle(TViewStyle::vsReport);
    view->SetRowSelect(true);
    view->AddColumn(L"Name", 120);
    view->AddColumn(L"Size", 80);
    TListItem& first = view->AddItem(L"first");  // before the window exists
    first.SubItems().Add(L"1 KB");
    int changes = 0;
    view->OnChange = [&](TObject*) { ++changes; };
    ShowForm();
    view->AddItem(L"second").SubItems().Add(L"2 KB");

    const HWND header = view->HeaderHandle();
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header, reinterpret_cast<HWND>(SendMessageW(view->Handle(), 0x101F, 0, 0)));
    EXPECT_EQ(GetParent(header), view->Handle());
    EXPECT_EQ(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), 2);
    wchar_t caption[32] {};
    HDITEMW item {};
    item.mask = HDI_TEXT;
    item.pszText = caption;
    item.cchTextMax = 32;
    SendMessageW(header, HDM_GETITEMW, 1, reinterpret_cast<LPARAM>(&item));
    EXPECT_STREQ(caption, L"Size");
    EXPECT_EQ(view->Column(0).Width(), 120);

    EXPECT_EQ(SendMessageW(view->Handle(), LVM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_EQ(ListViewText(view->Handle(), 0, 1), L"1 KB");
    EXPECT_EQ(ListViewText(view->Handle(), 1, 1), L"2 KB");
    first.SubItems().SetStrings(0, L"3 KB");
    EXPECT_EQ(ListViewText(view->Handle(), 0, 1), L"3 KB");

    RECT row {LVIR_BOUNDS, 0, 0, 0};
    SendMessageW(view->Handle(), LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&row));
    ClickAt(ScreenPointOf(view->Handle(), {row.left + 150, (row.top + row.bottom) / 2}));  // in the sub-item
    EXPECT_EQ(view->ItemIndex(), 1);
    EXPECT_EQ(view->Selected(), &view->Item(1));
    EXPECT_GE(changes, 1);

    view->DeleteItem(0);
    EXPECT_EQ(view->Item(0).Index(), 0);
    EXPECT_EQ(ListViewText(view->Handle(), 0, 0), L"second");
    view->SetViewStyle(TViewStyle::vsList);
    EXPECT_EQ(GetWindowLongPtrW(view->Handle(), GWL_STYLE) & LVS_TYPEMASK, LVS_LIST);
}

} // namespace tandrel::test
