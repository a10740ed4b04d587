// The messages a control and its parent see for a click or a key, with and
// without its skinner: the skinned sequence may differ only where the
// skinner has to step in. One control of each skinner family.

#include "framework/controls/Button.h"
#include "framework/controls/Edit.h"
#include "framework/controls/ScrollBar.h"
#include "framework/controls/TabControl.h"
#include "tests/skin/forms/SkinFormFixture.h"
#include "tests/support/LoopScript.h"
#include "tests/support/TestSupport.h"

#include <commctrl.h>

#include <utility>
#include <set>
#include <string>
#include <vector>

namespace tandrel::test {

namespace {

using TLog = std::vector<std::string>;

std::string NameOf(UINT msg)
{
    switch (msg) {
    case WM_LBUTTONDOWN: return "WM_LBUTTONDOWN";
    case WM_LBUTTONUP: return "WM_LBUTTONUP";
    case WM_CAPTURECHANGED: return "WM_CAPTURECHANGED";
    case WM_KEYDOWN: return "WM_KEYDOWN";
    case WM_KEYUP: return "WM_KEYUP";
    case WM_CHAR: return "WM_CHAR";
    case BM_SETSTATE: return "BM_SETSTATE";
    case BM_CLICK: return "BM_CLICK";
    case CN_COMMAND: return "CN_COMMAND";
    case CN_NOTIFY: return "CN_NOTIFY";
    case CN_VSCROLL: return "CN_VSCROLL";
    case CN_HSCROLL: return "CN_HSCROLL";
    case WM_COMMAND: return "WM_COMMAND";
    case WM_NOTIFY: return "WM_NOTIFY";
    case WM_VSCROLL: return "WM_VSCROLL";
    case WM_HSCROLL: return "WM_HSCROLL";
    default: return std::to_string(msg);
    }
}

// What is worth comparing: input, the control's own state changes and
// what it tells its parent. Painting, hit-testing and cursor messages
// differ by design.
const std::set<UINT> kWatched {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_CAPTURECHANGED, WM_KEYDOWN, WM_KEYUP, WM_CHAR,
                               BM_SETSTATE,    BM_CLICK,     CN_COMMAND,        CN_NOTIFY,  CN_VSCROLL, CN_HSCROLL};

// The code a notification carries, so that a sequence says what was told.
// The parent hears of a child's notification first and reflects it back.
std::string Detail(UINT msg, WPARAM wParam, LPARAM lParam)
{
    long long code = 0;
    switch (msg) {
    case WM_COMMAND:
    case CN_COMMAND: code = HIWORD(wParam); break;
    case WM_NOTIFY:
    case CN_NOTIFY:
        if (!lParam)
            return {};
        code = static_cast<int>(reinterpret_cast<NMHDR*>(lParam)->code);
        break;
    case WM_VSCROLL:
    case WM_HSCROLL:
    case CN_VSCROLL:
    case CN_HSCROLL: code = LOWORD(wParam); break;
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR: code = static_cast<long long>(wParam); break;
    default: return {};
    }
    std::string text(1, ' ');
    text += std::to_string(code);
    return text;
}

// Put on the control before it is skinned: it sees what the control's own
// handling sees, after any skinner.
struct TControlRecorder {
    TWndMethod Previous;
    TLog* Log;
    void operator()(TMessage& m) const
    {
        if (kWatched.count(m.Msg))
            Log->push_back("control " + NameOf(m.Msg) + Detail(m.Msg, m.WParam, m.LParam));
        Previous(m);
    }
};

struct TParentWatch {
    HWND Child;
    TLog* Log;
};

// What the parent window is told about the child.
LRESULT CALLBACK RecordParent(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data)
{
    auto* watch = reinterpret_cast<TParentWatch*>(data);
    bool const fromChild =
        ((msg == WM_COMMAND || msg == WM_VSCROLL || msg == WM_HSCROLL) && reinterpret_cast<HWND>(lParam) == watch->Child) ||
        (msg == WM_NOTIFY && lParam && reinterpret_cast<NMHDR*>(lParam)->hwndFrom == watch->Child);
    if (fromChild)
        watch->Log->push_back("parent " + NameOf(msg) + Detail(msg, wParam, lParam));
    return DefSubclassProc(window, msg, wParam, lParam);
}

class SkinMessageSequenceTest : public TSkinFormTest {
protected:
    // Records, in one sequence, what `act` makes the control (its recorder
    // writes to `seen`) and its parent see.
    static TLog Record(TWinControl& control, TLog& seen, const std::function<void()>& act)
    {
        seen.clear();
        TParentWatch watch {control.Handle(), &seen};
        HWND const parent = control.Parent()->Handle();
        SetWindowSubclass(parent, RecordParent, 7, reinterpret_cast<DWORD_PTR>(&watch));
        act();
        PumpIdle();
        RemoveWindowSubclass(parent, RecordParent, 7);
        return std::exchange(seen, {});
    }
    template <class T>
    static T* Add(TCustomForm& form, int left, int top, int width, int height, TLog& sink, int tag = 0)
    {
        auto* control = new T(&form);
        control->SetParent(&form);
        control->SetBounds(left, top, width, height);
        control->SetTag(tag);
        control->WindowProc = TControlRecorder {std::move(control->WindowProc), &sink};
        return control;
    }
    // Two controls of a kind side by side at the top of the form, each with
    // its recorder: the plain one tagged 99, which the skin leaves alone.
    template <class T>
    struct TTwins {
        TTwins(TCustomForm& form, int width, int height)
            : Plain(Add<T>(form, 10, 10, width, height, PlainSeen, 99)),
              Skinned(Add<T>(form, width + 40, 10, width, height, SkinnedSeen))
        {
        }
        // What `act` makes each twin and its parent see: unskinned, then skinned.
        std::pair<TLog, TLog> Record(const std::function<void(T&)>& act)
        {
            TLog unskinned = SkinMessageSequenceTest::Record(*Plain, PlainSeen, [&] { act(*Plain); });
            TLog skinned = SkinMessageSequenceTest::Record(*Skinned, SkinnedSeen, [&] { act(*Skinned); });
            MouseAway();
            return {std::move(unskinned), std::move(skinned)};
        }
        TLog PlainSeen, SkinnedSeen;
        T* Plain;
        T* Skinned;
    };
    // Skins the form; answers the skinner of the skinned twin.
    template <class T>
    std::string ShowTwins(TCustomForm& form, const TTwins<T>& twins)
    {
        TWinSkinForm* skin = ShowSkinned(form);
        return skin ? SkinnerOf(*skin, *twins.Skinned) : "no skin";
    }
    static POINT ScreenPoint(TWinControl& control, int x, int y)
    {
        POINT p {x, y};
        ClientToScreen(control.Handle(), &p);
        return p;
    }
    static void Click(TWinControl& control, int x, int y)
    {
        POINT const at = ScreenPoint(control, x, y);
        SendMouseInput(0, at);
        SendMouseInput(MOUSEEVENTF_LEFTDOWN, at);
        SendMouseInput(MOUSEEVENTF_LEFTUP, at);
        PumpIdle();
    }
};

// The sequence without the entries a skinner takes over.
TLog Without(const TLog& log, const std::set<std::string>& taken)
{
    TLog kept;
    for (const auto& entry : log)
        if (!taken.count(entry))
            kept.push_back(entry);
    return kept;
}

} // namespace

// Buttons: the skinner takes the left button over (it shows the press
// itself) and, on release, clicks the framework button directly; the
// control never captures the mouse and is never told of a command.
TEST_F(SkinMessageSequenceTest, APushButtonsClick)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable, 300, 120);
    TTwins<TButton> buttons(*form, 100, 30);
    int plainClicks = 0;
    int skinnedClicks = 0;
    buttons.Plain->OnClick = [&](TObject*) { ++plainClicks; };
    buttons.Skinned->OnClick = [&](TObject*) { ++skinnedClicks; };
    ASSERT_EQ(ShowTwins(*form, buttons), "TSkinButton");
    auto const [unskinnedLog, skinnedLog] = buttons.Record([](TButton& button) { Click(button, 50, 15); });

    TLog const expected {"control WM_LBUTTONDOWN", "control BM_SETSTATE", "control BM_SETSTATE",
                         "control WM_LBUTTONUP",   "control BM_SETSTATE", "control WM_CAPTURECHANGED",
                         "parent WM_COMMAND 0",    "control CN_COMMAND 0"};
    EXPECT_EQ(unskinnedLog, expected);
    EXPECT_EQ(skinnedLog, Without(unskinnedLog, {"control WM_LBUTTONDOWN", "control BM_SETSTATE",
                                                 "control WM_CAPTURECHANGED", "control CN_COMMAND 0",
                                                 "parent WM_COMMAND 0"}));
    EXPECT_EQ(plainClicks, 1);
    EXPECT_EQ(skinnedClicks, 1);
}

// Scroll bars: the skinner only paints the stand-alone bar; the arrows
// scroll as the control's own, and the parent hears the same.
TEST_F(SkinMessageSequenceTest, AScrollBarsArrowClick)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable, 300, 200);
    TTwins<TScrollBar> bars(*form, 20, 150);
    // A change of kind turns the bar round: its bounds come after.
    for (TScrollBar* bar : {bars.Plain, bars.Skinned}) {
        bar->SetKind(TScrollBarKind::sbVertical);
        bar->SetBounds(bar->Left(), 10, 20, 150);
    }
    ASSERT_EQ(ShowTwins(*form, bars), "TSkinScControl");
    auto const [unskinnedLog, skinnedLog] = bars.Record([](TScrollBar& bar) { Click(bar, 10, 140); });
    EXPECT_FALSE(unskinnedLog.empty());
    EXPECT_EQ(skinnedLog, unskinnedLog);
    EXPECT_EQ(bars.Plain->Position(), 1);
    EXPECT_EQ(bars.Skinned->Position(), 1);
}

// Edits: the skinner draws the frame; keys and the change notices are the
// control's own.
TEST_F(SkinMessageSequenceTest, AnEditsKey)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable, 300, 120);
    TTwins<TEdit> edits(*form, 100, 24);
    ASSERT_EQ(ShowTwins(*form, edits), "TSkinEdit");
    // Focus first: its notices are not what is compared.
    edits.Plain->SetFocus();
    PumpIdle();
    TLog const unskinnedLog = Record(*edits.Plain, edits.PlainSeen, [] { PressKey('A'); });
    edits.Skinned->SetFocus();
    PumpIdle();
    TLog const skinnedLog = Record(*edits.Skinned, edits.SkinnedSeen, [] { PressKey('A'); });

    // EN_UPDATE, then EN_CHANGE, each reflected back to the edit.
    TLog const expected {"control WM_KEYDOWN 65",  "control WM_CHAR 97",     "parent WM_COMMAND 1024",
                         "control CN_COMMAND 1024", "parent WM_COMMAND 768", "control CN_COMMAND 768",
                         "control WM_KEYUP 65"};
    EXPECT_EQ(unskinnedLog, expected);
    EXPECT_EQ(skinnedLog, unskinnedLog);
    EXPECT_EQ(edits.Skinned->Text(), edits.Plain->Text());
}

// Tabs: the skinner draws the strip; choosing a tab is the control's own.
TEST_F(SkinMessageSequenceTest, ATabControlsClickOnItsSecondTab)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable, 420, 160);
    TTwins<TTabControl> twins(*form, 180, 120);
    for (TTabControl* tabs : {twins.Plain, twins.Skinned}) {
        tabs->Tabs().Add(L"One");
        tabs->Tabs().Add(L"Two");
    }
    ASSERT_EQ(ShowTwins(*form, twins), "TSkinTab");
    auto const [unskinnedLog, skinnedLog] = twins.Record([](TTabControl& tabs) {
        RECT second {};
        TabCtrl_GetItemRect(tabs.Handle(), 1, &second);
        Click(tabs, (second.left + second.right) / 2, (second.top + second.bottom) / 2);
    });

    // TCN_SELCHANGING, TCN_SELCHANGE, then NM_CLICK.
    TLog const expected {"control WM_LBUTTONDOWN", "parent WM_NOTIFY -552", "control CN_NOTIFY -552",
                         "parent WM_NOTIFY -551",  "control CN_NOTIFY -551", "control WM_LBUTTONUP",
                         "parent WM_NOTIFY -2",    "control CN_NOTIFY -2"};
    EXPECT_EQ(unskinnedLog, expected);
    EXPECT_EQ(skinnedLog, unskinnedLog);
    EXPECT_EQ(TabCtrl_GetCurSel(twins.Skinned->Handle()), 1);
}

} // namespace tandrel::test
