// Check boxes, radio buttons, group boxes and radio groups on a real form,
// driven with real mouse input.

#include "framework/controls/CheckBox.h"
#include "framework/controls/Edit.h"
#include "framework/controls/GroupBox.h"
#include "framework/controls/RadioGroup.h"
#include "tests/framework/controls/FormFixture.h"

#include <algorithm>
#include <vector>

namespace tandrel::test {

namespace {

// Records the messages that reach a control through its replaceable handler.
class TMessageLog {
public:
    explicit TMessageLog(TControl& control) : m_control(control), m_saved(control.WindowProc)
    {
        control.WindowProc = [this](TMessage& m) {
            Seen.push_back(m.Msg);
            m_saved(m);
        };
    }
    ~TMessageLog() { m_control.WindowProc = m_saved; }
    int Count(UINT msg) const { return static_cast<int>(std::count(Seen.begin(), Seen.end(), msg)); }

    std::vector<UINT> Seen;

private:
    TControl& m_control;
    TWndMethod m_saved;
};

class ButtonControlsTest : public TFormTest {};

} // namespace

TEST_F(ButtonControlsTest, CheckBoxClicksCycleItsStatesAsTheSystemDoes)
{
    auto* box = Add<TCheckBox>(10, 10, 120, 20);
    box->SetCaption(L"Three states");
    box->SetAllowGrayed(true);
    int clicks = 0;
    box->OnClick = [&](TObject*) { ++clicks; };
    ShowForm();
    std::vector<TCheckBoxState> seen;
    for (int i = 0; i < 3; ++i) {
        ClickAt(At(*box, 6, 10));
        seen.push_back(box->State());
    }
    EXPECT_EQ(seen, (std::vector<TCheckBoxState> {TCheckBoxState::cbChecked, TCheckBoxState::cbGrayed,
                                                  TCheckBoxState::cbUnchecked}));
    EXPECT_EQ(clicks, 3);

    box->SetState(TCheckBoxState::cbGrayed);
    EXPECT_EQ(SendMessageW(box->Handle(), BM_GETCHECK, 0, 0), BST_INDETERMINATE);
    box->SetAllowGrayed(false);  // no third state left: it becomes unchecked
    EXPECT_EQ(box->State(), TCheckBoxState::cbUnchecked);
    ClickAt(At(*box, 6, 10));
    ClickAt(At(*box, 6, 10));
    ClickAt(At(*box, 6, 10));
    EXPECT_TRUE(box->Checked());  // two states only: checked after an odd number
}

TEST_F(ButtonControlsTest, CheckStateSurvivesTheWindowAndItsCaptionSideIsAStyle)
{
    auto* box = Add<TCheckBox>(10, 10, 120, 20);
    box->SetChecked(true);  // before there is a window
    box->SetAlignment(TLeftRight::taLeftJustify);
    ShowForm();
    EXPECT_EQ(SendMessageW(box->Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_TRUE(GetWindowLongPtrW(box->Handle(), GWL_STYLE) & BS_LEFTTEXT);
    box->SetAlignment(TLeftRight::taRightJustify);
    EXPECT_FALSE(GetWindowLongPtrW(box->Handle(), GWL_STYLE) & BS_LEFTTEXT);

    // A new parent means a new window; the check goes with it.
    auto* group = Add<TGroupBox>(150, 10, 150, 100);
    box->SetParent(group);
    box->SetBounds(10, 20, 120, 20);
    EXPECT_EQ(GetParent(box->Handle()), group->Handle());
    EXPECT_EQ(SendMessageW(box->Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(ButtonControlsTest, ChecksByProgramAreAnnouncedToTheControlsOwnWindow)
{
    auto* box = Add<TCheckBox>(10, 10, 120, 20);
    auto* radio = Add<TRadioButton>(10, 40, 120, 20);
    ShowForm();
    TMessageLog boxLog(*box), radioLog(*radio);
    box->SetChecked(true);
    box->SetChecked(true);  // no change, no notice
    radio->SetChecked(true);
    EXPECT_EQ(boxLog.Count(CM_CHECKSTATECHANGED), 1);
    EXPECT_EQ(boxLog.Count(BM_SETCHECK), 1);
    EXPECT_EQ(radioLog.Count(CM_CHECKSTATECHANGED), 1);
    // The notice comes after the window holds the new state.
    const auto setCheck = std::find(boxLog.Seen.begin(), boxLog.Seen.end(), UINT(BM_SETCHECK));
    const auto notice = std::find(boxLog.Seen.begin(), boxLog.Seen.end(), CM_CHECKSTATECHANGED);
    EXPECT_LT(setCheck, notice);

    boxLog.Seen.clear();
    ClickAt(At(*box, 6, 10));  // the user's change is the system's own
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(boxLog.Count(CM_CHECKSTATECHANGED), 0);
}

TEST_F(ButtonControlsTest, CheckingARadioButtonUnchecksItsSiblingsOnly)
{
    auto* a = Add<TRadioButton>(10, 10, 100, 20);
    auto* b = Add<TRadioButton>(10, 40, 100, 20);
    auto* c = Add<TRadioButton>(10, 70, 100, 20);
    auto* group = Add<TGroupBox>(150, 10, 150, 100);
    auto* elsewhere = Add<TRadioButton>(10, 30, 100, 20, group);
    a->SetCaption(L"A");
    b->SetCaption(L"B");
    elsewhere->SetChecked(true);
    int clicks = 0;
    b->OnClick = [&](TObject*) { ++clicks; };
    a->SetChecked(true);
    ShowForm();
    ClickAt(At(*b, 6, 10));
    EXPECT_TRUE(b->Checked());
    EXPECT_FALSE(a->Checked());
    EXPECT_EQ(clicks, 1);
    c->SetChecked(true);
    EXPECT_FALSE(b->Checked());
    EXPECT_EQ(SendMessageW(b->Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_TRUE(elsewhere->Checked());  // another parent, another group

    ClickAt(At(*elsewhere, 6, 10));  // a click through the group box's window
    EXPECT_TRUE(elsewhere->Checked());
    EXPECT_TRUE(c->Checked());
}

TEST_F(ButtonControlsTest, RadioGroupOwnsItsButtonsAndItsIndexFollowsARealClick)
{
    auto* group = Add<TRadioGroup>(10, 10, 280, 100);
    group->SetCaption(L"Speed");
    group->SetColumns(2);
    group->Items().SetLines({L"Slow", L"Normal", L"Fast", L"Fastest"});
    group->SetItemIndex(1);
    int clicks = 0;
    group->OnClick = [&](TObject*) { ++clicks; };
    ShowForm();
    ASSERT_EQ(group->ButtonCount(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(group->Buttons(i)->Owner(), group);
        EXPECT_EQ(group->Buttons(i)->Parent(), group);
        EXPECT_EQ(GetParent(group->Buttons(i)->Handle()), group->Handle());
    }
    EXPECT_EQ(group->ControlCount(), 4);
    // Two columns of two: the third item heads the second column.
    EXPECT_GT(group->Buttons(2)->Left(), group->Buttons(1)->Left());
    EXPECT_EQ(group->Buttons(2)->Top(), group->Buttons(0)->Top());
    EXPECT_GT(group->Buttons(1)->Top(), group->Buttons(0)->Top());
    EXPECT_TRUE(group->Buttons(1)->Checked());

    ClickAt(At(*group->Buttons(3), 6, group->Buttons(3)->Height() / 2));
    EXPECT_EQ(group->ItemIndex(), 3);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(group->Buttons(3)->Checked());
    EXPECT_FALSE(group->Buttons(1)->Checked());

    group->SetItemIndex(0);
    EXPECT_TRUE(group->Buttons(0)->Checked());
    EXPECT_FALSE(group->Buttons(3)->Checked());
    group->Items().Delete(3);
    EXPECT_EQ(group->ButtonCount(), 3);
    EXPECT_EQ(group->ComponentCount(), 3);
    group->SetItemIndex(-1);
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(group->Buttons(i)->Checked());
}

TEST_F(ButtonControlsTest, LeavingTheFocusSendsExitAfterTheSystemTookIt)
{
    auto* box = Add<TCheckBox>(10, 10, 120, 20);
    auto* edit = Add<TEdit>(10, 40, 120, 20);
    ShowForm();
    box->SetFocus();
    bool focusGoneAtExit = false;
    int exits = 0;
    box->OnExit = [&](TObject*) { ++exits; };
    TWndMethod saved = box->WindowProc;
    box->WindowProc = [&](TMessage& m) {
        if (m.Msg == CM_EXIT)
            focusGoneAtExit = GetFocus() != box->Handle() &&
                              !(SendMessageW(box->Handle(), BM_GETSTATE, 0, 0) & BST_FOCUS);
        saved(m);
    };
    edit->SetFocus();
    box->WindowProc = saved;
    EXPECT_TRUE(focusGoneAtExit);
    EXPECT_EQ(exits, 1);
}

TEST_F(ButtonControlsTest, GroupBoxPaintsItsInsideInItsColour)
{
    TClassicColours classic;
    SystemColoursChanged();
    m_form->SetColor(clBtnFace);
    auto* group = Add<TGroupBox>(10, 10, 200, 120);
    group->SetCaption(L"Group");
    group->SetColor(clYellow);
    ShowForm();
    RedrawWindow(m_form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpIdle();
    auto shot = CaptureWindow(group->Handle());
    EXPECT_EQ(PixelOf(*shot, 100, 60), RGB(255, 255, 0));
}

} // namespace tandrel::test
