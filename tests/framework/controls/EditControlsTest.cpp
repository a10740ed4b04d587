// The combo box, up-down, progress bar and date-time picker wrappers: their
// properties reach the system controls and come back, they notify, and
// form definitions can name them.

#include "framework/controls/ComboBox.h"
#include "framework/controls/DateTimePicker.h"
#include "framework/controls/Edit.h"
#include "framework/controls/ProgressBar.h"
#include "framework/controls/UpDown.h"
#include "framework/core/FormReader.h"
#include "framework/graphics/GdiObjects.h"
#include "tests/framework/controls/FormFixture.h"

#include <commctrl.h>

namespace tandrel::test {

namespace {

class EditControlsTest : public TFormTest {};

LONG StyleOf(TWinControl& c) { return GetWindowLongW(c.Handle(), GWL_STYLE); }

} // namespace

TEST_F(EditControlsTest, ComboBoxStylesItemsAndSelection)
{
    auto* combo = Add<TComboBox>(10, 10, 150, 24);
    combo->Items().SetLines({L"Alpha", L"Beta", L"Gamma"});
    combo->SetItemIndex(1);
    EXPECT_EQ(StyleOf(*combo) & 3, CBS_DROPDOWN);
    EXPECT_EQ(SendMessageW(combo->Handle(), CB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(SendMessageW(combo->Handle(), CB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(combo->Text(), L"Beta");
    combo->Items().Add(L"Delta");
    EXPECT_EQ(SendMessageW(combo->Handle(), CB_GETCOUNT, 0, 0), 4);
    EXPECT_EQ(combo->ItemIndex(), 1);

    // A new style is a new window with the same items and selection.
    for (auto const& [style, bits] : {std::pair {TComboBoxStyle::csDropDownList, CBS_DROPDOWNLIST},
                                     std::pair {TComboBoxStyle::csSimple, CBS_SIMPLE}}) {
        combo->SetStyle(style);
        EXPECT_EQ(StyleOf(*combo) & 3, bits);
        EXPECT_EQ(SendMessageW(combo->Handle(), CB_GETCOUNT, 0, 0), 4);
        EXPECT_EQ(combo->ItemIndex(), 1);
    }
    // Typed text in an editable box stays the text.
    combo->SetStyle(TComboBoxStyle::csDropDown);
    combo->SetItemIndex(-1);
    combo->SetTextValue(L"Typed");
    EXPECT_EQ(combo->Text(), L"Typed");
    EXPECT_EQ(combo->ItemIndex(), -1);
}

TEST_F(EditControlsTest, ComboBoxDropsDownOnARealClickAndNotifiesChanges)
{
    auto* combo = Add<TComboBox>(10, 10, 150, 24);
    combo->SetStyle(TComboBoxStyle::csDropDownList);
    combo->Items().SetLines({L"One", L"Two", L"Three"});
    combo->SetItemIndex(0);
    int changes = 0;
    combo->OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, combo);
        ++changes;
    };
    ShowForm();
    RECT r {};
    GetWindowRect(combo->Handle(), &r);
    ClickAt({r.right - 6, (r.top + r.bottom) / 2});
    EXPECT_TRUE(PumpUntil([&] { return combo->DroppedDown(); }));
    combo->SetDroppedDown(false);
    EXPECT_TRUE(PumpUntil([&] { return !combo->DroppedDown(); }));

    // A key steps the selection; the control says so and the text follows.
    combo->SetFocus();
    SendMessageW(combo->Handle(), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_TRUE(PumpUntil([&] { return changes == 1; }));
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(combo->Text(), L"Two");
}

TEST_F(EditControlsTest, UpDownRangeStylesAndItsBuddy)
{
    auto* edit = Add<TEdit>(10, 10, 80, 24);
    auto* up = Add<TUpDown>(90, 10, 17, 24);
    up->SetMin(-5);
    up->SetMax(40);
    up->SetPosition(7);
    up->SetIncrement(3);
    int low = 0, high = 0;
    SendMessageW(up->Handle(), UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low), reinterpret_cast<LPARAM>(&high));
    EXPECT_EQ(low, -5);
    EXPECT_EQ(high, 40);
    EXPECT_EQ(SendMessageW(up->Handle(), UDM_GETPOS32, 0, 0), 7);
    up->SetPosition(100); // kept within the range
    EXPECT_EQ(up->Position(), 40);
    up->SetPosition(7);

    up->SetOrientation(TUDOrientation::udHorizontal);
    up->SetWrap(true);
    EXPECT_NE(StyleOf(*up) & UDS_HORZ, 0);
    EXPECT_NE(StyleOf(*up) & UDS_WRAP, 0);
    EXPECT_EQ(up->Position(), 7); // through the new window
    up->SetOrientation(TUDOrientation::udVertical);
    up->SetWrap(false);

    up->SetAssociate(edit);
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageW(up->Handle(), UDM_GETBUDDY, 0, 0)), edit->Handle());
    EXPECT_EQ(edit->Text(), L"7");
    // A freed buddy is let go of.
    delete edit;
    EXPECT_EQ(up->Associate(), nullptr);
    EXPECT_EQ(SendMessageW(up->Handle(), UDM_GETBUDDY, 0, 0), 0);
}

TEST_F(EditControlsTest, UpDownStepsItsBuddyOnARealClick)
{
    auto* edit = Add<TEdit>(10, 10, 80, 24);
    auto* up = Add<TUpDown>(90, 10, 17, 24);
    up->SetMax(50);
    up->SetPosition(10);
    up->SetIncrement(5);
    up->SetAssociate(edit);
    std::vector<TUDBtnType> clicks;
    up->OnClick = [&](TObject*, TUDBtnType button) { clicks.push_back(button); };
    ShowForm();
    RECT r {};
    GetWindowRect(up->Handle(), &r);
    ClickAt({(r.left + r.right) / 2, r.top + 3});
    EXPECT_TRUE(PumpUntil([&] { return clicks.size() == 1; }));
    EXPECT_EQ(clicks.front(), TUDBtnType::btNext);
    EXPECT_EQ(up->Position(), 15);
    EXPECT_TRUE(PumpUntil([&] { return edit->Text() == L"15"; }));
    ClickAt({(r.left + r.right) / 2, r.bottom - 3});
    EXPECT_TRUE(PumpUntil([&] { return clicks.size() == 2; }));
    EXPECT_EQ(clicks.back(), TUDBtnType::btPrev);
    EXPECT_EQ(up->Position(), 10);
}

TEST_F(EditControlsTest, ProgressBarRangePositionAndLooks)
{
    auto* bar = Add<TProgressBar>(10, 10, 200, 18);
    bar->SetMin(50);
    bar->SetMax(150);
    bar->SetPosition(75);
    PBRANGE range {};
    SendMessageW(bar->Handle(), PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&range));
    EXPECT_EQ(range.iLow, 50);
    EXPECT_EQ(range.iHigh, 150);
    EXPECT_EQ(SendMessageW(bar->Handle(), PBM_GETPOS, 0, 0), 75);
    bar->SetStep(20);
    bar->StepIt();
    EXPECT_EQ(bar->Position(), 95);

    bar->SetSmooth(true);
    bar->SetOrientation(TProgressBarOrientation::pbVertical);
    EXPECT_NE(StyleOf(*bar) & PBS_SMOOTH, 0);
    EXPECT_NE(StyleOf(*bar) & PBS_VERTICAL, 0);
    EXPECT_EQ(bar->Position(), 95); // through the new window
    bar->StepIt();
    EXPECT_EQ(SendMessageW(bar->Handle(), PBM_GETPOS, 0, 0), 115);
}

TEST_F(EditControlsTest, DateTimePickerKindModeValueAndChange)
{
    auto* picker = Add<TDateTimePicker>(10, 10, 160, 24);
    EXPECT_EQ(sizeof(TDTDateMode), 1u);
    picker->SetDateTimeText(L"2024-02-29T13:45:10");
    SYSTEMTIME shown {};
    ASSERT_EQ(SendMessageW(picker->Handle(), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&shown)), GDT_VALID);
    EXPECT_EQ(shown.wYear, 2024);
    EXPECT_EQ(shown.wMonth, 2);
    EXPECT_EQ(shown.wDay, 29);
    EXPECT_EQ(picker->DateTimeText(), L"2024-02-29T13:45:10");
    // Text that is no date leaves the value alone.
    picker->SetDateTimeText(L"2023-02-29T00:00:00");
    picker->SetDateTimeText(L"yesterday");
    EXPECT_EQ(picker->DateTimeText(), L"2024-02-29T13:45:10");

    EXPECT_EQ(StyleOf(*picker) & (DTS_UPDOWN | DTS_TIMEFORMAT), 0);
    picker->SetDateMode(TDTDateMode::dmUpDown);
    EXPECT_NE(StyleOf(*picker) & DTS_UPDOWN, 0);
    picker->SetKind(TDateTimeKind::dtkTime);
    EXPECT_EQ(StyleOf(*picker) & DTS_TIMEFORMAT, DTS_TIMEFORMAT);
    EXPECT_EQ(picker->DateTimeText(), L"2024-02-29T13:45:10"); // through two new windows

    int changes = 0;
    picker->OnChange = [&](TObject*) { ++changes; };
    ShowForm();
    picker->SetFocus();
    // A field is chosen with the arrow keys across, then stepped.
    SendMessageW(picker->Handle(), WM_KEYDOWN, VK_RIGHT, 0);
    SendMessageW(picker->Handle(), WM_KEYDOWN, VK_UP, 0);
    EXPECT_TRUE(PumpUntil([&] { return changes >= 1; }));
    EXPECT_NE(picker->DateTimeText(), L"2024-02-29T13:45:10");
}

TEST_F(EditControlsTest, FormDefinitionsNameTheNewKinds)
{
    ReadComponentDefinition(*m_form, R"({
      "class": "TPlainForm", "name": "Bench",
      "components": [
        { "class": "TComboBox", "name": "Combo", "Style": "csDropDownList", "Items": ["a", "b"], "ItemIndex": 1 },
        { "class": "TUpDown", "name": "Spin", "Min": 2, "Max": 9, "Position": 4, "Orientation": "udHorizontal",
          "Wrap": true, "Increment": 2 },
        { "class": "TProgressBar", "name": "Bar", "Max": 10, "Position": 6, "Smooth": true,
          "Orientation": "pbVertical", "Step": 3 },
        { "class": "TDateTimePicker", "name": "Picker", "Kind": "dtkDate", "DateMode": "dmUpDown",
          "DateTime": "2020-06-01T08:00:00" }
      ] })");
    auto* combo = dynamic_cast<TComboBox*>(m_form->FindComponent("Combo"));
    auto* spin = dynamic_cast<TUpDown*>(m_form->FindComponent("Spin"));
    auto* bar = dynamic_cast<TProgressBar*>(m_form->FindComponent("Bar"));
    auto* picker = dynamic_cast<TDateTimePicker*>(m_form->FindComponent("Picker"));
    ASSERT_TRUE(combo && spin && bar && picker);
    EXPECT_EQ(combo->Style(), TComboBoxStyle::csDropDownList);
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(spin->Orientation(), TUDOrientation::udHorizontal);
    EXPECT_EQ(spin->Position(), 4);
    EXPECT_TRUE(spin->Wrap());
    EXPECT_EQ(spin->Increment(), 2);
    EXPECT_TRUE(bar->Smooth());
    EXPECT_EQ(bar->Step(), 3);
    EXPECT_EQ(picker->DateMode(), TDTDateMode::dmUpDown);
    ShowForm();
    EXPECT_EQ(combo->Text(), L"b");
    EXPECT_EQ(SendMessageW(spin->Handle(), UDM_GETPOS32, 0, 0), 4);
    EXPECT_EQ(SendMessageW(bar->Handle(), PBM_GETPOS, 0, 0), 6);
    EXPECT_NE(StyleOf(*picker) & DTS_UPDOWN, 0);
    EXPECT_EQ(picker->DateTimeText(), L"2020-06-01T08:00:00");
}

// Making, showing and freeing every kind leaves no GDI object behind.
TEST_F(EditControlsTest, NoGdiObjectOutlivesTheControls)
{
    PumpIdle();
    std::size_t const before = LiveGdiObjects();
    for (int i = 0; i < 3; ++i) {
        std::unique_ptr<TPlainForm> form(TCustomForm::Create<TPlainForm>(nullptr));
        form->SetBounds(50, 50, 400, 200);
        auto* combo = new TComboBox(form.get());
        combo->SetParent(form.get());
        combo->Items().SetLines({L"x", L"y"});
        auto* up = new TUpDown(form.get());
        up->SetParent(form.get());
        up->SetLeft(200);
        auto* bar = new TProgressBar(form.get());
        bar->SetParent(form.get());
        bar->SetTop(60);
        bar->SetPosition(40);
        auto* picker = new TDateTimePicker(form.get());
        picker->SetParent(form.get());
        picker->SetTop(100);
        ShowWindow(form->Handle(), SW_SHOWNOACTIVATE);
        RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
    PumpIdle();
    EXPECT_EQ(LiveGdiObjects(), before);
}

} // namespace tandrel::test
