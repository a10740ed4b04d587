// A skinned window's menu strip with real input: its popups drawn from the
// skin, the keys and the mouse moving from one strip item to the next, and
// the process left as it was on every way out of a popup.

#include "tests/skin/PopupCycles.h"
#include "tests/skin/forms/SkinFormFixture.h"

#include "framework/graphics/GdiObjects.h"
#include "skin/forms/CaptionButtons.h"
#include "skin/menus/MenuTracking.h"
#include "skin/menus/WinSkinPopMenu.h"
#include "tests/support/LoopScript.h"

namespace tandrel::test {

namespace {

MENUITEMINFOW TypeQuery()
{
    MENUITEMINFOW info {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE;
    return info;
}


// A main menu of four items: File with an image, a shortcut, a submenu and a
// separator; Edit with a disabled, a checked and a hidden item; a disabled
// View; Help.
struct TBenchMenu {
    explicit TBenchMenu(TBenchForm& form) : Form(form)
    {
        Images = new TImageList(&form);
        TBitmap glyph(16, 16, TPixelFormat::pf24bit);
        RECT const all {0, 0, 16, 16};
        TOwnedBrush green(CreateSolidBrush(RGB(0, 160, 60)));
        FillRect(glyph.Canvas().Handle(), &all, green.Get());
        Images->AddMasked(glyph, clFuchsia);

        Menu = new TMainMenu(&form);
        Menu->SetImages(Images);
        File = Top(L"&File");
        Open = Add(File, L"&Open...");
        Open->SetImageIndex(0);
        Open->SetShortCut(scCtrl | 'O');
        Recent = Add(File, L"&Recent");
        Add(Recent, L"first.txt");
        Add(Recent, L"second.txt");
        Add(File, L"-");
        Exit = Add(File, L"E&xit");
        Edit = Top(L"&Edit");
        Add(Edit, L"&Undo")->SetEnabled(false);
        Add(Edit, L"&Word wrap")->SetChecked(true);
        Add(Edit, L"Hidden")->SetVisible(false);
        Add(Edit, L"&Select all")->SetShortCut(scCtrl | 'A');
        View = Top(L"&View");
        Add(View, L"&Toolbar");
        View->SetEnabled(false);
        Help = Top(L"&Help");
        Add(Help, L"&About");
        form.SetMenu(Menu);
    }
    TMenuItem* Top(const wchar_t* caption)
    {
        auto* item = new TMenuItem(&Form);
        item->SetCaption(caption);
        Menu->Items().Add(item);
        return item;
    }
    TMenuItem* Add(TMenuItem* parent, const wchar_t* caption)
    {
        auto* item = new TMenuItem(&Form);
        item->SetCaption(caption);
        parent->Add(item);
        return item;
    }
    TBenchForm& Form;
    TImageList* Images;
    TMainMenu* Menu;
    TMenuItem *File, *Open, *Recent, *Exit, *Edit, *View, *Help;
};

// The strip popup shown now, once its items are drawn: which item is open.
int OpenItemShown()
{
    const TMenuTrackingState& t = MenuTracking();
    if (!t.Host)
        return -1;
    for (const auto& popup : SkinManager->SkinnedPopups())
        if (IsWindowVisible(popup->Handle()) && popup->Menu() == t.Popup)
            return t.OpenIndex;
    return -1;
}

BOOL CALLBACK CountMenuWindow(HWND window, LPARAM data)
{
    wchar_t name[16] {};
    if (IsWindowVisible(window) && GetClassNameW(window, name, 16) && wcscmp(name, L"#32768") == 0)
        ++*reinterpret_cast<int*>(data);
    return TRUE;
}

int OpenMenuWindows()
{
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountMenuWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

bool TrackingOver()
{
    return !MenuTracking().Host && !MenuTracking().Hook && MenuTracking().OpenIndex == -1 &&
           FindWindowW(L"#32768", nullptr) == nullptr;
}

class MenuTrackingTest : public TSkinFormTest {
protected:
    TWinSkinForm* ShowBench(bool rightToLeft = false)
    {
        m_form = MakeForm(TFormBorderStyle::bsSizeable, 360, 200, L"Menu bench");
        m_menu = std::make_unique<TBenchMenu>(*m_form);
        m_menu->Menu->SetRightToLeft(rightToLeft);
        m_skin = ShowSkinned(*m_form);
        return m_skin;
    }
    POINT ItemPoint(int index) const
    {
        return ScreenOf(m_form->Handle(), Middle(m_skin->MenuBar()->Items()[static_cast<size_t>(index)]->Rect));
    }
    // Clicks a strip item and pumps until the script is done or gave up.
    void RunFrom(int index, TLoopScript& script)
    {
        script.Start();
        // Whatever happens, the menu ends.
        RunSoon([] { EndMenu(); }, 15000);
        // No pumping here: the menu's loop runs from the test's own pump.
        POINT const at = ItemPoint(index);
        SendMouseInput(0, at);
        SendMouseInput(MOUSEEVENTF_LEFTDOWN, at);
        SendMouseInput(MOUSEEVENTF_LEFTUP, at);
        EXPECT_TRUE(PumpUntil([&] { return (script.Done() || script.GaveUp()) && TrackingOver(); }, 20000));
        EXPECT_FALSE(script.GaveUp()) << "stopped at step " << script.Next();
        EXPECT_TRUE(TrackingOver());
        EXPECT_FALSE(m_skin->MenuTracking());
        EXPECT_FALSE(SkinManager->MenuActive());
    }
    static std::function<bool()> Shown(int index)
    {
        return [index] { return OpenItemShown() == index; };
    }
    TBenchForm* m_form = nullptr;
    std::unique_ptr<TBenchMenu> m_menu;
    TWinSkinForm* m_skin = nullptr;
};

} // namespace

TEST_F(MenuTrackingTest, AStripPopupIsSkinnedWithItsFirstItemSelectedAndLeavesNoTraceOnEscape)
{
    ASSERT_NE(ShowBench(), nullptr);
    ASSERT_EQ(m_skin->MenuBar()->Items().size(), 4u);
    HMENU const file = m_menu->File->Handle();
    bool firstSelected = false;
    bool ownerDrawnWhileOpen = false;
    TLoopScript script;
    script.Then(Shown(0), [&] {
        MENUITEMINFOW info = TypeQuery();
        GetMenuItemInfoW(file, 0, TRUE, &info);
        ownerDrawnWhileOpen = (info.fType & MFT_OWNERDRAW) != 0;
    });
    script.Then([&] { return MenuTracking().Selected && MenuTracking().SelectedIn == file; }, [&] {
        firstSelected = GetMenuState(file, 0, MF_BYPOSITION) & MF_HILITE;
    });
    script.Then([] { return true; }, [&] {
        RECT form, popup;
        GetWindowRect(m_form->Handle(), &form);
        GetWindowRect(FindWindowW(L"#32768", nullptr), &popup);
        RECT both;
        UnionRect(&both, &form, &popup);
        SaveScreenshot(*CaptureScreen(both), "menu-bar-popup");
        PressKey(VK_ESCAPE);
    });
    RunFrom(0, script);
    EXPECT_TRUE(ownerDrawnWhileOpen);
    EXPECT_TRUE(firstSelected);
    // The items are the system's again once the popup is gone.
    MENUITEMINFOW info = TypeQuery();
    GetMenuItemInfoW(file, 0, TRUE, &info);
    EXPECT_FALSE(info.fType & MFT_OWNERDRAW);
    GetMenuItemInfoW(m_menu->Recent->Handle(), 1, TRUE, &info);
    EXPECT_FALSE(info.fType & MFT_OWNERDRAW);
}

TEST_F(MenuTrackingTest, RightAndLeftMoveAcrossTheStripAndWrapAround)
{
    ASSERT_NE(ShowBench(), nullptr);
    TLoopScript script;
    script.Then(Shown(0), [] { PressKey(VK_RIGHT); });
    script.Then(Shown(1), [] { PressKey(VK_RIGHT); });
    // A disabled item takes the turn but opens nothing: its click ends there.
    script.Then([] { return MenuTracking().OpenIndex == 2 || OpenItemShown() == 2 || TrackingOver(); }, [] {});
    RunFrom(0, script);

    TLoopScript wrap;
    wrap.Then(Shown(3), [] { PressKey(VK_RIGHT); });
    wrap.Then(Shown(0), [] { PressKey(VK_LEFT); });
    wrap.Then(Shown(3), [] { PressKey(VK_LEFT); });
    wrap.Then([] { return TrackingOver(); }, [] {}); // Help to View: disabled, the menu ends
    RunFrom(3, wrap);
}

TEST_F(MenuTrackingTest, AnItemWithASubmenuOpensItOnRightAndLeftClosesItFirst)
{
    ASSERT_NE(ShowBench(), nullptr);
    HMENU const recent = m_menu->Recent->Handle();
    bool submenuOpened = false;
    TLoopScript script;
    script.Then(Shown(0), [] { PressKey(VK_DOWN); }); // Open -> Recent
    script.Then([] { return MenuTracking().SelectedHasPopup; }, [] { PressKey(VK_RIGHT); });
    script.Then([&] { return MenuTracking().SelectedIn == recent; }, [&] {
        submenuOpened = OpenItemShown() == 0;
        PressKey(VK_LEFT);
    });
    script.Then([] { return OpenMenuWindows() == 1; }, [] { PressKey(VK_LEFT); });
    script.Then(Shown(3), [] { PressKey(VK_ESCAPE); });
    RunFrom(0, script);
    EXPECT_TRUE(submenuOpened);
}

TEST_F(MenuTrackingTest, MovingTheMouseOverAnotherStripItemOpensItsPopup)
{
    ASSERT_NE(ShowBench(), nullptr);
    TLoopScript script;
    script.Then(Shown(0), [&] { SendMouseInput(0, ItemPoint(1)); });
    script.Then(Shown(1), [&] { SendMouseInput(0, ItemPoint(3)); });
    script.Then(Shown(3), [] {
        // A click on the bare desktop ends it all.
        SendMouseInput(MOUSEEVENTF_LEFTDOWN, {GetSystemMetrics(SM_CXSCREEN) - 5, GetSystemMetrics(SM_CYSCREEN) - 5});
        SendMouseInput(MOUSEEVENTF_LEFTUP, {GetSystemMetrics(SM_CXSCREEN) - 5, GetSystemMetrics(SM_CYSCREEN) - 5});
    });
    RunFrom(0, script);
}

TEST_F(MenuTrackingTest, ADisabledStripItemPostsItsCommandButOpensNothing)
{
    ASSERT_NE(ShowBench(), nullptr);
    ASSERT_FALSE(m_skin->MenuBar()->Items()[2]->ItemEnabled);
    ClickAt(ItemPoint(2));
    PumpIdle();
    // Nothing opened: the click's command went to the window all the same.
    EXPECT_TRUE(TrackingOver());
    EXPECT_FALSE(m_skin->MenuTracking());
}

TEST_F(MenuTrackingTest, AltAndAnAcceleratorOpenThatItem)
{
    ASSERT_NE(ShowBench(), nullptr);
    TLoopScript script;
    script.Then(Shown(1), [] { PressKey(VK_ESCAPE); });
    script.Start();
    INPUT keys[4] {};
    for (auto& k : keys)
        k.type = INPUT_KEYBOARD;
    keys[0].ki.wVk = VK_MENU;
    keys[1].ki.wVk = 'E';
    keys[2].ki.wVk = 'E';
    keys[2].ki.dwFlags = KEYEVENTF_KEYUP;
    keys[3].ki.wVk = VK_MENU;
    keys[3].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(4, keys, sizeof(INPUT));
    EXPECT_TRUE(PumpUntil([&] { return (script.Done() || script.GaveUp()) && TrackingOver(); }, 20000));
    EXPECT_FALSE(script.GaveUp());
}

TEST_F(MenuTrackingTest, ARightToLeftStripRunsTheOtherWay)
{
    ASSERT_NE(ShowBench(true), nullptr);
    const auto& items = m_skin->MenuBar()->Items();
    EXPECT_GT(items[0]->Rect.left, items[1]->Rect.left);
    TLoopScript script;
    // Left goes on to the next item, which lies to the left.
    script.Then(Shown(0), [] { PressKey(VK_LEFT); });
    script.Then(Shown(1), [&] {
        RECT form, popup;
        GetWindowRect(m_form->Handle(), &form);
        GetWindowRect(FindWindowW(L"#32768", nullptr), &popup);
        RECT both;
        UnionRect(&both, &form, &popup);
        SaveScreenshot(*CaptureScreen(both), "menu-right-to-left");
        PressKey(VK_RIGHT);
    });
    script.Then(Shown(0), [] { PressKey(VK_ESCAPE); });
    RunFrom(0, script);
}

TEST_F(MenuTrackingTest, UnskinningTheWindowDuringThePopupLeavesNoHook)
{
    ASSERT_NE(ShowBench(), nullptr);
    TLoopScript script;
    script.Then(Shown(0), [] { Skin().SetActive(false); });
    // The popup stays the system's, and is closed as usual.
    script.Then([&] { return SkinOf(m_form->Handle()) == nullptr; }, [] { PressKey(VK_ESCAPE); });
    RunFrom(0, script);
    Skin().SetActive(true);
    ASSERT_TRUE(PumpUntil([&] { return !SkinManager->ActionTimerRunning(); }));
}

TEST_F(MenuTrackingTest, DestroyingTheWindowDuringThePopupLeavesNoHook)
{
    ASSERT_NE(ShowBench(), nullptr);
    TLoopScript destroy;
    destroy.Then(Shown(0), [&] {
        m_forms.erase(std::find(m_forms.begin(), m_forms.end(), m_form));
        delete m_form;
    });
    destroy.Start();
    RunSoon([] { EndMenu(); }, 15000);
    POINT const at = ItemPoint(0);
    SendMouseInput(0, at);
    SendMouseInput(MOUSEEVENTF_LEFTDOWN, at);
    SendMouseInput(MOUSEEVENTF_LEFTUP, at);
    EXPECT_TRUE(PumpUntil([&] { return (destroy.Done() || destroy.GaveUp()) && TrackingOver(); }, 20000));
    EXPECT_FALSE(destroy.GaveUp());
    EXPECT_FALSE(SkinManager->MenuActive());
}

// Opening and closing a strip popup a thousand times leaves no GDI object,
// no popup object and no tracking state behind.
TEST_F(MenuTrackingTest, AThousandStripPopupsLeaveNothingBehind)
{
    ASSERT_NE(ShowBench(), nullptr);
    TWinSkinMenu& bar = *m_skin->MenuBar();
    auto const cycle = [&] {
        bool shown = false;
        TLoopScript script;
        script.Then(Shown(0), [&] {
            shown = true;
            EndMenu();
        });
        script.Start();
        bar.OpenItem(*bar.Items()[0]);
        PumpUntil([] { return SkinManager->SkinnedPopups().empty() && TrackingOver(); }, 2000);
        return shown;
    };
    ExpectPopupCyclesLeaveNothing(cycle);
    EXPECT_TRUE(TrackingOver());
}

// The strip of an MDI frame whose child is maximised: the MDI buttons stay
// in the strip, and its items open and switch with real input as on any
// window.
TEST_F(MenuTrackingTest, AnMdiFramesStripWithAMaximisedChild)
{
    m_form = MakeForm(TFormBorderStyle::bsSizeable, 420, 260, L"MDI menu bench");
    m_form->SetFormStyle(TFormStyle::fsMDIForm);
    m_menu = std::make_unique<TBenchMenu>(*m_form);
    m_skin = ShowSkinned(*m_form);
    ASSERT_NE(m_skin, nullptr);
    auto* child = TCustomForm::Create<TBenchForm>(m_form); // owned, and freed, by the frame
    child->SetFormStyle(TFormStyle::fsMDIChild);
    child->SetCaption(L"Child");
    child->SetBounds(10, 10, 200, 120);
    child->Show();
    ASSERT_TRUE(PumpUntil([&] { return SkinOf(child->Handle()) && SkinOf(child->Handle())->SkinState() == ssSkinned; }));
    SendMessageW(m_form->ClientHandle(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(child->Handle()), 0);
    ASSERT_TRUE(PumpUntil([&] { return IsZoomed(child->Handle()) && SkinManager->MdiMax(); }));
    PumpIdle();
    ASSERT_TRUE(m_skin->ActiveMdiChildMaximized());
    ASSERT_NE(m_skin->MenuBar(), nullptr);
    ASSERT_GE(m_skin->MenuBar()->Items().size(), 2u);

    TLoopScript script;
    script.Then(Shown(0), [] { PressKey(VK_RIGHT); });
    script.Then(Shown(1), [&] {
        RECT frame, popup;
        GetWindowRect(m_form->Handle(), &frame);
        GetWindowRect(FindWindowW(L"#32768", nullptr), &popup);
        RECT both;
        UnionRect(&both, &frame, &popup);
        SaveScreenshot(*CaptureScreen(both), "menu-mdi-maximised");
        PressKey(VK_ESCAPE);
    });
    RunFrom(0, script);
    EXPECT_TRUE(IsZoomed(child->Handle()));
    // The MDI buttons are still in the strip, at its right end.
    int mdiButtons = 0;
    for (const auto& b : m_skin->CaptionButtons())
        mdiButtons += b->Object.Visibility == cvMdiButton && b->Enabled;
    EXPECT_EQ(mdiButtons, 3);
    // The child closes before its frame, so the frame gives the skin its
    // menu updates back (a frame that goes with children open leaves them off).
    FreeForm(child);
    EXPECT_TRUE(Skin().MenuUpdate());
}

} // namespace tandrel::test
