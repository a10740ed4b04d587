// Forms on real windows: modality, closing, exceptions from handlers, the
// screen's cursor and moving the focus in tab order.

#include "framework/controls/BitBtn.h"
#include "framework/controls/Button.h"
#include "framework/controls/Edit.h"
#include "framework/controls/Panel.h"
#include "framework/controls/WindowText.h"
#include "framework/forms/Application.h"
#include "framework/forms/Forms.h"
#include "framework/forms/Screen.h"
#include "tests/framework/controls/FormFixture.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

namespace tandrel::test {

class FormsTest : public TFormTest {};

TEST_F(FormsTest, ScreenCursorShowsOverEveryWindowOfTheApplication)
{
    auto* memo = Add<TMemo>(10, 60, 120, 60);
    ShowForm();
    MoveMouseTo(At(*memo, 10, 10));
    Screen->SetCursor(crHandPoint);
    MoveMouseTo(At(*memo, 12, 12));
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_HAND));
    Screen->SetCursor(crDefault);
    MoveMouseTo(At(*memo, 14, 14));
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_IBEAM));
}

TEST_F(FormsTest, ShowModalDisablesTheOtherWindowsUntilAResultIsSet)
{
    ShowForm();
    std::unique_ptr<TPlainForm> dialog(TCustomForm::Create<TPlainForm>(m_form.get()));
    dialog->SetBounds(150, 150, 200, 120);
    auto* ok = new TButton(dialog.get());
    ok->SetParent(dialog.get());
    ok->SetBounds(10, 10, 80, 25);
    ok->SetModalResult(mrOk);
    bool othersDisabled = false;
    RunSoon([&] {
        othersDisabled = !IsWindowEnabled(m_form->Handle());
        ClickAt(ok->ClientToScreen({40, 12}));
    });
    RunSoon([&] { dialog->SetModalResult(mrAbort); }, 5000);  // should the click miss
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    EXPECT_TRUE(othersDisabled);
    EXPECT_TRUE(IsWindowEnabled(m_form->Handle()));
    EXPECT_FALSE(dialog->Visible());
    EXPECT_THROW({ dialog->Show(); dialog->ShowModal(); }, EInvalidOperation);
}

TEST_F(FormsTest, CloseKindButtonClosesItsForm)
{
    auto* close = Add<TBitBtn>(10, 10, 100, 30);
    close->SetKind(TBitBtnKind::bkClose);
    close->SetCaption(L"Close");
    ShowForm();
    ClickAt(At(*close, 50, 15));
    EXPECT_TRUE(PumpUntil([this] { return !IsWindowVisible(m_form->Handle()); }));
    EXPECT_FALSE(m_form->Visible());
}

TEST_F(FormsTest, ExceptionsInHandlersReachTheApplicationAndStopThere)
{
    std::vector<std::string> errors;
    Application->OnException = [&](TObject*, const std::string& m) { errors.push_back(m); };
    auto* button = Add<TButton>(10, 10, 80, 25);
    button->OnClick = [](TObject*) { throw EInvalidOperation("from a click"); };
    ShowForm();
    ClickAt(button->ClientToScreen({40, 12}));
    Application->OnException = nullptr;
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "from a click");
}

TEST_F(FormsTest, TabMovesTheFocusInTabOrder)
{
    auto* first = Add<TEdit>(10, 10, 80, 20);
    auto* second = Add<TEdit>(10, 40, 80, 20);
    auto* third = Add<TMemo>(10, 70, 80, 40);
    second->SetTabOrder(0);
    ShowForm();
    EXPECT_EQ(GetFocus(), second->Handle());  // the first in tab order has the focus at the start
    auto press = [](WORD key, bool shift) {
        PressKey(key, shift ? VK_SHIFT : 0);
        PumpIdle();
    };
    press(VK_TAB, false);
    EXPECT_EQ(GetFocus(), first->Handle());
    press(VK_TAB, false);
    EXPECT_EQ(GetFocus(), third->Handle());
    press(VK_TAB, false);  // a memo gives tab up unless it wants tabs
    EXPECT_EQ(GetFocus(), second->Handle());
    press(VK_TAB, true);
    EXPECT_EQ(GetFocus(), third->Handle());
}

// The arrows step to the control beside, tab stop or not, within its parent
// and round; a control that wants them keeps them; and the first key that
// moves the focus makes the form show focus rectangles from then on.
TEST_F(FormsTest, ArrowsStepBesideAndKeysShowTheFocus)
{
    auto* row = Add<TPanel>(10, 10, 300, 40);
    auto* a = Add<TButton>(5, 5, 60, 25, row);
    auto* b = Add<TButton>(70, 5, 60, 25, row);
    auto* c = Add<TButton>(135, 5, 60, 25, row);
    b->SetTabStop(false);
    auto* edit = Add<TEdit>(10, 60, 80, 20);
    ShowForm();
    SendMessageW(m_form->Handle(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS), 0);
    PumpIdle();
    bool const hidden = (SendMessageW(a->Handle(), WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) != 0;

    EXPECT_EQ(FocusCycle(a->Handle(), VK_RIGHT), (std::vector<HWND>{b->Handle(), c->Handle(), a->Handle()}));
    if (hidden) {
        EXPECT_EQ(SendMessageW(a->Handle(), WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS, 0);
    }
    EXPECT_EQ(FocusCycle(a->Handle(), VK_UP), (std::vector<HWND>{c->Handle(), b->Handle(), a->Handle()}));
    // The edit moves its caret with them; Tab passes over the button that
    // is no tab stop.
    EXPECT_EQ(FocusCycle(edit->Handle(), VK_DOWN, 0, 2), (std::vector<HWND>{edit->Handle()}));
    EXPECT_EQ(FocusCycle(a->Handle(), VK_TAB), (std::vector<HWND>{c->Handle(), edit->Handle(), a->Handle()}));
}

// Enter clicks the focused push button, else the default one; Escape the
// cancel button; a memo keeps Enter for its lines.
TEST_F(FormsTest, EnterAndEscapeClickTheirButtons)
{
    auto* ok = Add<TButton>(10, 10, 60, 25);
    auto* cancel = Add<TButton>(80, 10, 60, 25);
    auto* other = Add<TButton>(150, 10, 60, 25);
    auto* edit = Add<TEdit>(10, 45, 80, 20);
    auto* memo = Add<TMemo>(10, 75, 80, 40);
    ok->SetDefault(true);
    cancel->SetCancel(true);
    std::vector<std::string> clicks;
    ok->OnClick = [&](TObject*) { clicks.push_back("ok"); };
    cancel->OnClick = [&](TObject*) { clicks.push_back("cancel"); };
    other->OnClick = [&](TObject*) { clicks.push_back("other"); };
    ShowForm();
    auto const press = [](TWinControl* at, WORD key) {
        at->SetFocus();
        PressKey(key);
        PumpIdle();
    };
    press(other, VK_RETURN);
    press(edit, VK_RETURN);
    press(edit, VK_ESCAPE);
    press(memo, VK_RETURN);
    EXPECT_EQ(clicks, (std::vector<std::string>{"other", "ok", "cancel"}));
    EXPECT_EQ(WindowText(memo->Handle()), L"\r\n");
}

TEST_F(FormsTest, FreedControlLeavesTheTabOrderAndKeysReachTheFocusedOne)
{
    auto* first = Add<TEdit>(10, 10, 80, 20);
    auto* doomed = Add<TEdit>(10, 40, 80, 20);
    auto* last = Add<TEdit>(10, 70, 80, 20);
    ShowForm();
    delete doomed;
    EXPECT_EQ(m_form->TabList(), (std::vector<TWinControl*>{first, last}));
    EXPECT_EQ(m_form->FindNextControl(first, true, true), last);

    std::vector<WORD> downs;
    int enters = 0, exits = 0;
    last->OnKeyDown = [&](TObject*, WORD& key, TShiftState) {
        downs.push_back(key);
        key = 0;  // swallowed: the edit never sees it
    };
    last->OnEnter = [&](TObject*) { ++enters; };
    last->OnExit = [&](TObject*) { ++exits; };
    last->SetFocus();
    SendMessageW(last->Handle(), WM_KEYDOWN, 'X', 1);
    SendMessageW(last->Handle(), WM_CHAR, 'X', 1);
    first->SetFocus();
    EXPECT_EQ(downs, std::vector<WORD>{'X'});
    EXPECT_EQ(last->Text(), L"X");  // WM_CHAR was not swallowed
    EXPECT_EQ(enters, 1);
    EXPECT_EQ(exits, 1);
}

} // namespace tandrel::test
