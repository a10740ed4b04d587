// Every caption the engine draws, or leaves to its control over the skin's
// face, reads at 4.5:1 or better against what is behind it, in the skins we
// ship. Measured on the screen's pixels of the previewer's pages.

#include "framework/controls/Button.h"
#include "framework/controls/CheckBox.h"
#include "framework/controls/GroupBox.h"
#include "framework/controls/Label.h"
#include "framework/controls/RadioButton.h"
#include "framework/controls/SpeedButton.h"
#include "framework/controls/StatusBar.h"
#include "framework/controls/TabControl.h"
#include "framework/controls/TabSet.h"
#include "framework/controls/ToolBar.h"
#include "framework/forms/Application.h"
#include "framework/forms/MessagePump.h"
#include "framework/graphics/ScreenCapture.h"
#include "skin/description/SkinContrast.h"
#include "skin/engine/SkinManage.h"
#include "skin/forms/WinSkinForm.h"
#include "skin/menus/WinSkinMenu.h"
#include "tests/support/TestSupport.h"
#include "tools/skinview/ViewerForm.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace tandrel::test {

namespace {

// The first control of class T, at any depth of ownership, that passes.
template <class T>
T* FindControl(TComponent& owner, const std::function<bool(T&)>& wanted)
{
    for (int i = 0; i < owner.ComponentCount(); ++i) {
        if (auto* c = dynamic_cast<T*>(owner.Components(i)); c && wanted(*c))
            return c;
        if (T* inner = FindControl<T>(*owner.Components(i), wanted))
            return inner;
    }
    return nullptr;
}

template <class T>
T* Captioned(TComponent& owner, const wchar_t* caption)
{
    return FindControl<T>(owner, [&](T& c) { return c.Caption() == caption; });
}

// A rectangle of a control's client area on the screen.
RECT OnScreen(const TControl& control, RECT r)
{
    POINT const origin = control.ClientToScreen({0, 0});
    OffsetRect(&r, origin.x, origin.y);
    return r;
}

// Inside a tab, clear of its edges and of the bar that marks the current one.
RECT InsideTab(RECT tab) { return {tab.left + 6, tab.top + 5, tab.right - 6, tab.bottom - 2}; }

// The caption's look in that rectangle of the screen: the background is
// the commonest colour, the text the colour that stands off it the most
// (a stroke's core; a lone stray pixel does not count). Where the background is
// a gradient, the text is measured against its commonest shade.
struct TCaptionLook {
    COLORREF Text = 0;
    COLORREF Back = 0;
    double Ratio = 1.0;
};

TCaptionLook LookOf(TBitmap& screen, const RECT& window, const RECT& caption)
{
    std::map<COLORREF, int> counts;
    for (int y = caption.top; y < caption.bottom; ++y)
        for (int x = caption.left; x < caption.right; ++x)
            ++counts[PixelOf(screen, x - window.left, y - window.top)];
    TCaptionLook look;
    int best = 0;
    for (const auto& [colour, count] : counts)
        if (count > best)
            best = count, look.Back = colour;
    look.Text = look.Back;
    for (const auto& [colour, count] : counts)
        if (count >= 2 && SkinContrastRatio(colour, look.Back) > look.Ratio) {
            look.Text = colour;
            look.Ratio = SkinContrastRatio(colour, look.Back);
        }
    return look;
}

struct TCaption {
    std::string Kind;
    RECT Screen;
};

bool Settled() { return !SkinManager->ActionTimerRunning() && SkinManager->PendingRequests().empty(); }

} // namespace

class CaptionContrastTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { InitializeSkinEngine(); }
    void SetUp() override
    {
        m_viewer = TCustomForm::Create<TViewerForm>(Application);
        m_viewer->Show();
        ASSERT_TRUE(PumpUntil([&] {
            TWinSkinForm* skin = SkinManager->FindSkinnedWindow(m_viewer->Handle());
            return skin && skin->SkinState() == ssSkinned && Settled();
        }));
    }
    void TearDown() override
    {
        delete m_viewer;
        PumpIdle();
    }

    // The captions of the page now showing (and of the frame around it).
    std::vector<TCaption> Captions(int page);

    TViewerForm* m_viewer = nullptr;
};

std::vector<TCaption> CaptionContrastTest::Captions(int page)
{
    TViewerForm& v = *m_viewer;
    std::vector<TCaption> found;
    auto const add = [&](const char* kind, const TControl* control, RECT r) {
        if (control)
            found.push_back({kind, OnScreen(*control, r)});
        else
            ADD_FAILURE() << "no control for " << kind;
    };
    // Past the box or the circle of a check box or radio button.
    auto const caption = [](const TControl* c) { return c ? RECT {18, 0, c->Width(), c->Height()} : RECT {}; };
    if (page == 0) {
        RECT window {};
        GetWindowRect(v.Handle(), &window);
        found.push_back({"title", {window.left + 30, window.top + 8, window.left + 220, window.top + 30}});
        // The engine lays its menu bar out itself.
        TWinSkinForm* skin = SkinManager->FindSkinnedWindow(v.Handle());
        if (skin && skin->MenuBar() && !skin->MenuBar()->Items().empty()) {
            RECT item = skin->MenuBar()->Items().front()->Rect;
            OffsetRect(&item, window.left, window.top);
            found.push_back({"menu bar", item});
        } else {
            ADD_FAILURE() << "no skinned menu bar";
        }
        RECT tab {};
        SendMessageW(v.Pages().Handle(), TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&tab));
        add("page control tab", &v.Pages(), InsideTab(tab));
        auto* check = Captioned<TCheckBox>(v, L"Checked");
        add("check box", check, caption(check));
        auto* radio = Captioned<TRadioButton>(v, L"Radio");
        add("radio button", radio, caption(radio));
        auto* one = Captioned<TRadioButton>(v, L"One");
        add("radio group item", one, caption(one));
        add("group box", Captioned<TCustomGroupBox>(v, L"Group box"), {8, 0, 58, 13});
        add("radio group", Captioned<TCustomGroupBox>(v, L"Radio group"), {8, 0, 68, 13});
        auto* push = Captioned<TButton>(v, L"Push");
        add("push button", push, push ? RECT {20, 4, push->Width() - 20, push->Height() - 4} : RECT {});
        auto* speed = Captioned<TSpeedButton>(v, L"Speed");
        add("speed button", speed, speed ? RECT {8, 4, speed->Width() - 8, speed->Height() - 4} : RECT {});
    } else if (page == 2) {
        auto* tools = FindControl<TToolBar>(v, [](TToolBar&) { return true; });
        RECT button {};
        if (tools)
            SendMessageW(tools->Handle(), TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&button));
        add("tool bar", tools, button);
        auto* tabs = FindControl<TTabControl>(v, [](TTabControl& t) {
            return t.Tabs().Count() == 3 && t.TabPosition() == TTabPosition::tpTop;
        });
        RECT normal {};
        RECT current {};
        if (tabs) {
            SendMessageW(tabs->Handle(), TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&normal));
            SendMessageW(tabs->Handle(), TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&current));
        }
        add("tab", tabs, InsideTab(normal));
        add("current tab", tabs, InsideTab(current));
        auto* set = FindControl<TTabSet>(v, [](TTabSet&) { return true; });
        add("tab set", set, {8, 2, 44, set ? set->Height() - 3 : 0});
        TStatusBar* status = FindControl<TStatusBar>(v, [&](TStatusBar& s) { return &s != &v.Status(); });
        RECT panel {};
        if (status)
            SendMessageW(status->Handle(), SB_GETRECT, 0, reinterpret_cast<LPARAM>(&panel));
        add("status bar", status, panel);
    } else if (page == 3) {
        auto* label = FindControl<TLabel>(v, [](TLabel& l) { return l.Caption().starts_with(L"The menu bar"); });
        add("label", label, label ? RECT {0, 0, 300, 13} : RECT {});
    }
    return found;
}

TEST_F(CaptionContrastTest, EveryCaptionReadsInTheSkinsWeShip)
{
    for (const fs::path& skin : {fs::path(SLATE_SKIN), fs::path(DUSK_SKIN)}) {
        ASSERT_TRUE(m_viewer->OpenSkin(skin));
        ASSERT_TRUE(PumpUntil(Settled));
        for (int page : {0, 2, 3}) {
            m_viewer->Pages().SetActivePage(m_viewer->Pages().Pages(page));
            RedrawWindow(m_viewer->Handle(), nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
            PumpIdle();
            RECT window {};
            GetWindowRect(m_viewer->Handle(), &window);
            std::unique_ptr<TBitmap> const screen = CaptureScreen(window);
            SaveScreenshot(*screen, "contrast-" + skin.stem().string() + "-" + std::to_string(page));
            for (const TCaption& caption : Captions(page)) {
                TCaptionLook const look = LookOf(*screen, window, caption.Screen);
                std::printf("%-6s %-18s %5.2f:1  text %06lX on %06lX  at %ld,%ld-%ld,%ld\n", skin.stem().string().c_str(),
                            caption.Kind.c_str(), look.Ratio, static_cast<unsigned long>(look.Text),
                            static_cast<unsigned long>(look.Back), caption.Screen.left - window.left,
                            caption.Screen.top - window.top, caption.Screen.right - window.left,
                            caption.Screen.bottom - window.top);
                EXPECT_GE(look.Ratio, MinTextContrast) << skin.stem().string() << ": " << caption.Kind;
            }
        }
    }
}

} // namespace tandrel::test
