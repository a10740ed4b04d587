// The panel's painting, and one of each standard control on one form: how it
// looks, and that making and freeing them leaks no GDI object.

#include "framework/controls/Button.h"
#include "framework/controls/CheckBox.h"
#include "framework/controls/ListBox.h"
#include "framework/controls/ListView.h"
#include "framework/controls/Panel.h"
#include "framework/controls/RadioGroup.h"
#include "framework/controls/RichEdit.h"
#include "framework/controls/ScrollBox.h"
#include "framework/core/FormReader.h"
#include "tests/framework/controls/FormFixture.h"

#include <richedit.h>

namespace tandrel::test {

namespace {

class StandardControlsTest : public TFormTest {};

// One of each kind on form, the containers with children of their own.
void PlaceEveryKind(TCustomForm& form)
{
    auto add = [&form]<class T>(T* c, TWinControl* parent, int left, int top, int width, int height) {
        c->SetParent(parent ? parent : &form);
        c->SetBounds(left, top, width, height);
        return c;
    };
    auto* check = add(new TCheckBox(&form), nullptr, 10, 10, 110, 20);
    check->SetCaption(L"Check box");
    check->SetChecked(true);
    auto* grayed = add(new TCheckBox(&form), nullptr, 10, 32, 110, 20);
    grayed->SetCaption(L"Grayed");
    grayed->SetAllowGrayed(true);
    grayed->SetState(TCheckBoxState::cbGrayed);
    auto* radio = add(new TRadioButton(&form), nullptr, 10, 54, 110, 20);
    radio->SetCaption(L"Radio button");
    radio->SetChecked(true);
    auto* group = add(new TGroupBox(&form), nullptr, 130, 4, 130, 72);
    group->SetCaption(L"Group box");
    add(new TButton(&form), group, 10, 22, 100, 25)->SetCaption(L"Button");
    auto* radios = add(new TRadioGroup(&form), nullptr, 270, 4, 180, 72);
    radios->SetCaption(L"Radio group");
    radios->SetColumns(2);
    radios->Items().SetLines({L"One", L"Two", L"Three", L"Four"});
    radios->SetItemIndex(2);
    auto* panel = add(new TPanel(&form), nullptr, 10, 84, 250, 40);
    panel->SetCaption(L"Panel");
    panel->SetBevelInner(TPanelBevel::bvLowered);
    auto* list = add(new TListBox(&form), nullptr, 270, 84, 180, 80);
    for (int i = 1; i <= 8; ++i)
        list->Items().Add(L"List item " + std::to_wstring(i));
    list->SetItemIndex(1);
    auto* bar = add(new TScrollBar(&form), nullptr, 10, 132, 250, 17);
    bar->SetParams(30, 0, 100);
    bar->SetPageSize(20);
    auto* box = add(new TScrollBox(&form), nullptr, 10, 156, 250, 70);
    add(new TButton(&form), box, 10, 10, 80, 25)->SetCaption(L"In a box");
    add(new TButton(&form), box, 180, 90, 80, 25)->SetCaption(L"Far below");
    auto* view = add(new TListView(&form), nullptr, 270, 172, 180, 90);
    view->SetViewStyle(TViewStyle::vsReport);
    view->AddColumn(L"Name", 90);
    view->AddColumn(L"Size", 60);
    view->AddItem(L"alpha").SubItems().Add(L"1 KB");
    view->AddItem(L"beta").SubItems().Add(L"2 KB");
    view->SetItemIndex(0);
    auto* rich = add(new TRichEdit(&form), nullptr, 10, 232, 250, 60);
    rich->SetScrollBars(TScrollStyle::ssVertical);
    rich->Lines().SetLines({L"Rich edit", L"第二行", L"three", L"four", L"five"});
}

} // namespace

TEST_F(StandardControlsTest, PanelPaintsItsBevelsInTheSystemsEdgeColours)
{
    TClassicColours classic;
    SystemColoursChanged();
    auto* panel = Add<TPanel>(10, 10, 100, 50);
    panel->SetBevelOuter(TPanelBevel::bvRaised);
    panel->SetBevelInner(TPanelBevel::bvLowered);
    panel->SetBevelWidth(2);
    panel->SetColor(clYellow);
    panel->SetCaption(L"");
    ShowForm();
    panel->Repaint();
    PumpIdle();
    auto shot = CaptureWindow(panel->Handle());
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT), dark = GetSysColor(COLOR_BTNSHADOW);
    // Raised outer bevel, two pixels wide: light at the top left, dark at the bottom right.
    EXPECT_EQ(PixelOf(*shot, 0, 0), light);
    EXPECT_EQ(PixelOf(*shot, 1, 20), light);
    EXPECT_EQ(PixelOf(*shot, 99, 49), dark);
    EXPECT_EQ(PixelOf(*shot, 98, 20), dark);
    // Lowered inner bevel inside it: the other way round.
    EXPECT_EQ(PixelOf(*shot, 2, 20), dark);
    EXPECT_EQ(PixelOf(*shot, 3, 3), dark);
    EXPECT_EQ(PixelOf(*shot, 97, 20), light);
    EXPECT_EQ(PixelOf(*shot, 96, 46), light);
    EXPECT_EQ(PixelOf(*shot, 4, 20), RGB(255, 255, 0));
    EXPECT_EQ(PixelOf(*shot, 50, 25), RGB(255, 255, 0));

    panel->SetBevelOuter(TPanelBevel::bvNone);
    panel->SetBevelInner(TPanelBevel::bvNone);
    panel->Repaint();
    PumpIdle();
    shot = CaptureWindow(panel->Handle());
    EXPECT_EQ(PixelOf(*shot, 0, 0), RGB(255, 255, 0));
}

TEST_F(StandardControlsTest, EveryKindOnOneFormLooksStandard)
{
    TClassicColours classic;
    SystemColoursChanged();
    m_form->SetColor(clBtnFace);
    m_form->SetBounds(60, 60, 470, 340);
    PlaceEveryKind(*m_form);
    ShowForm();
    RedrawWindow(m_form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpIdle();
    SaveScreenshot(*CaptureWindow(m_form->Handle()), "framework-standard-controls");
    // Painted at all: the panel's face and the list box's white field.
    for (int i = 0; i < m_form->ControlCount(); ++i) {
        auto* c = dynamic_cast<TWinControl*>(m_form->Controls(i));
        if (dynamic_cast<TPanel*>(c)) {
            EXPECT_EQ(PixelOf(*CaptureWindow(c->Handle()), c->Width() - 20, c->Height() / 2), RGB(212, 208, 200));
        } else if (auto* list = dynamic_cast<TListBox*>(c)) {
            EXPECT_EQ(PixelOf(*CaptureWindow(c->Handle()), list->ClientWidth() - 4, 6), RGB(255, 255, 255));
        }
    }
}

TEST_F(StandardControlsTest, EveryKindFreesEveryGdiObjectItMakes)
{
    ShowForm();
    PumpIdle();
    const int before = LiveGdiObjects();
    for (int round = 0; round < 5; ++round) {
        std::unique_ptr<TPlainForm> form(TCustomForm::Create<TPlainForm>(nullptr));
        form->SetBounds(50, 50, 470, 340);
        PlaceEveryKind(*form);
        ShowWindow(form->Handle(), SW_SHOWNOACTIVATE);
        RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
    PumpIdle();
    EXPECT_EQ(LiveGdiObjects(), before);
}

TEST_F(StandardControlsTest, AFormDefinitionSetsWhatEachKindPublishes)
{
    ReadComponentDefinition(*m_form, R"({
      "class": "TPlainForm", "name": "Bench",
      "components": [
        { "class": "TPanel", "name": "Panel1", "BevelOuter": "bvLowered", "BevelWidth": 2, "Alignment": "taLeftJustify",
          "components": [
            { "class": "TCheckBox", "name": "Check1", "AllowGrayed": true, "State": "cbGrayed",
              "Alignment": "taLeftJustify" } ] },
        { "class": "TGroupBox", "name": "Group1", "Caption": "组",
          "components": [ { "class": "TRadioButton", "name": "Radio1", "Checked": true } ] },
        { "class": "TRadioGroup", "name": "Radios", "ItemIndex": 2, "Columns": 2, "Items": ["a", "b", "c"] },
        { "class": "TScrollBar", "name": "Bar", "Kind": "sbVertical", "Max": 100000, "Min": 10, "PageSize": 50,
          "Position": 70000, "LargeChange": 50 },
        { "class": "TListBox", "name": "List", "Sorted": true, "Items": ["b", "a"], "ItemIndex": 0 },
        { "class": "TScrollBox", "name": "Box", "VertScrollBar": { "Increment": 20 } },
        { "class": "TListView", "name": "View", "ViewStyle": "vsReport", "RowSelect": true },
        { "class": "TRichEdit", "name": "Rich", "Lines": ["x", "y"], "ReadOnly": true, "PlainText": true }
      ] })");
    auto find = [this]<class T>(T*, const char* name) { return dynamic_cast<T*>(m_form->FindComponent(name)); };
    auto* check = find((TCheckBox*)nullptr, "Check1");
    ASSERT_TRUE(check);
    EXPECT_EQ(check->Parent(), m_form->FindComponent("Panel1"));
    EXPECT_EQ(check->State(), TCheckBoxState::cbGrayed);
    EXPECT_EQ(check->Alignment(), TLeftRight::taLeftJustify);
    auto* panel = find((TPanel*)nullptr, "Panel1");
    EXPECT_EQ(panel->BevelOuter(), TPanelBevel::bvLowered);
    EXPECT_EQ(panel->BevelWidth(), 2);
    EXPECT_TRUE(find((TRadioButton*)nullptr, "Radio1")->Checked());
    auto* radios = find((TRadioGroup*)nullptr, "Radios");
    EXPECT_EQ(radios->ItemIndex(), 2);  // given before its items
    EXPECT_TRUE(radios->Buttons(2)->Checked());
    auto* bar = find((TScrollBar*)nullptr, "Bar");
    EXPECT_EQ(bar->Kind(), TScrollBarKind::sbVertical);
    EXPECT_EQ(bar->Min(), 10);
    EXPECT_EQ(bar->Position(), 70000);
    EXPECT_EQ(find((TListBox*)nullptr, "List")->ItemIndex(), 0);
    EXPECT_EQ(find((TScrollBox*)nullptr, "Box")->VertScrollBar().Increment(), 20);
    EXPECT_EQ(find((TListView*)nullptr, "View")->ViewStyle(), TViewStyle::vsReport);
    auto* rich = find((TRichEdit*)nullptr, "Rich");
    EXPECT_TRUE(rich->ReadOnly());
    ShowForm();
    EXPECT_EQ(rich->Text(), L"x\r\ny");
    EXPECT_EQ(SendMessageW(rich->Handle(), EM_GETTEXTMODE, 0, 0) & TM_PLAINTEXT, TM_PLAINTEXT);
    EXPECT_EQ(SendMessageW(check->Handle(), BM_GETCHECK, 0, 0), BST_INDETERMINATE);
    EXPECT_EQ(GetScrollPos(bar->Handle(), SB_CTL), 70000);
}

} // namespace tandrel::test
