// Forms on real windows: modality, closing, exceptions from handlers, the
// screen's cursor and moving the focus in tab order.

#include "framework/controls/BitBtn.h"
#include "framework/controls/Edit.h"
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
        INPUT in[4] {};
        int n = 0;
        auto add = [&](WORD k, DWORD flags) {
            in[n].type = INPUT_KEYBOARD;
            in[n].ki.wVk = k;
            in[n++].ki.dwFlags = flags;
        };
        if (shift) add(VK_SHIFT, 0);
        add(key, 0);
        add(key, KEYEVENTF_KEYUP);
        if (shift) add(VK_SHIFT, KEYEVENTF_KEYUP);
        SendInput(static_cast<UINT>(n), in, sizeof(INPUT));
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
