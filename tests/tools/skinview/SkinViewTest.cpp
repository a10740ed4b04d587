// The skin previewer's window driven in-process: opening skins from files
// and folders, switching them live, refusing broken ones with the skin in
// use kept on, the sample windows, drops, the page screenshots, and how
// well every caption reads on them.

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
#include "framework/controls/WindowText.h"
#include "framework/core/SysUtils.h"
#include "skin/description/SkinContrast.h"
#include "skin/menus/WinSkinMenu.h"
#include "framework/forms/Application.h"
#include "framework/forms/MessagePump.h"
#include "framework/graphics/GdiObjects.h"
#include "framework/graphics/ScreenCapture.h"
#include "skin/engine/SkinManage.h"
#include "skin/forms/WinSkinForm.h"
#include "tests/support/DpiFigures.h"
#include "tests/support/LoopScript.h"
#include "tests/support/MalformedPackages.h"
#include "tests/support/TestSupport.h"
#include "tests/tools/skinview/ViewerTestSupport.h"
#include "tools/skinview/Shots.h"
#include "tools/skinview/ViewerForm.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace tandrel::test {

namespace {

const fs::path SlateFile = SLATE_SKIN;
const fs::path DuskFile = DUSK_SKIN;
const fs::path SlateFolder = SLATE_FOLDER;

// A folder of its own under the temporary folder, removed afterwards.
class TScratchFolder {
public:
    explicit TScratchFolder(const char* name)
        : m_path(fs::temp_directory_path() / ("skinview-test-" + std::string(name)))
    {
        fs::remove_all(m_path);
        fs::create_directories(m_path);
    }
    ~TScratchFolder()
    {
        std::error_code error;
        fs::remove_all(m_path, error);
    }
    const fs::path& Path() const { return m_path; }
    fs::path Write(const std::string& name, const std::vector<std::uint8_t>& bytes) const
    {
        fs::path const file = m_path / name;
        std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                    static_cast<std::streamsize>(bytes.size()));
        return file;
    }

private:
    fs::path m_path;
};

// How many of the pixels of two same-sized pictures differ.
double ChangedShare(TBitmap& before, TBitmap& after)
{
    int changed = 0;
    int const total = before.Width() * before.Height();
    for (int y = 0; y < before.Height(); ++y)
        for (int x = 0; x < before.Width(); ++x)
            changed += PixelOf(before, x, y) != PixelOf(after, x, y);
    return total ? static_cast<double>(changed) / total : 0.0;
}

BOOL CALLBACK CancelDialog(HWND window, LPARAM)
{
    wchar_t name[16] {};
    GetClassNameW(window, name, 16);
    if (std::wstring(name) == L"#32770")
        PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
    return TRUE;
}

// Cancels every dialog box this thread shows, message boxes included.
void CloseDialogsOfThisThread() { EnumThreadWindows(GetCurrentThreadId(), CancelDialog, 0); }

// The caption band of a window, as the screen shows it.
std::unique_ptr<TBitmap> CaptionOf(HWND window)
{
    RECT r;
    GetWindowRect(window, &r);
    r.bottom = r.top + 30;
    return CaptureScreen(r);
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


// The captions of the page now showing (and of the frame around it).
std::vector<TCaption> CaptionsOf(TViewerForm& v, int page)
{
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

// Where Tab, Shift+Tab and the arrows take the focus on a page, from the
// page control's tabs and from the first control that is a button.
struct TFocusWalk {
    std::vector<HWND> Tab;
    std::vector<HWND> ShiftTab;
    std::vector<HWND> Arrows;
    bool operator==(const TFocusWalk&) const = default;
};

TFocusWalk WalkFocus(TViewerForm& v)
{
    TFocusWalk walk;
    HWND const tabs = v.Pages().Handle();
    walk.Tab = FocusCycle(tabs, VK_TAB);
    walk.ShiftTab = FocusCycle(tabs, VK_TAB, VK_SHIFT);
    for (HWND w : walk.Tab) {
        wchar_t name[32] {};
        GetClassNameW(w, name, 32);
        if (std::wstring(name) == L"Button") {
            for (WORD key : {VK_RIGHT, VK_DOWN, VK_LEFT, VK_UP}) {
                std::vector<HWND> const went = FocusCycle(w, key, 0, 3);
                walk.Arrows.insert(walk.Arrows.end(), went.begin(), went.end());
            }
            break;
        }
    }
    return walk;
}

std::string NameOf(HWND window)
{
    wchar_t name[64] {};
    GetClassNameW(window, name, 64);
    return WideToUtf8(name) + " \"" + WideToUtf8(WindowText(window).substr(0, 24)) + "\"";
}

} // namespace

class SkinViewTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { InitializeSkinEngine(); }

    void SetUp() override
    {
        m_viewer = TCustomForm::Create<TViewerForm>(Application);
        m_viewer->Show();
        ASSERT_TRUE(PumpUntil([&] { return Skinned(m_viewer->Handle()) && Settled(); }));
    }

    void TearDown() override
    {
        CancelSoon();
        delete m_viewer;
        PumpIdle();
    }

    // Opens a skin and waits until every window wears it.
    bool Open(const fs::path& path)
    {
        bool const opened = m_viewer->OpenSkin(path);
        EXPECT_TRUE(PumpUntil(Settled));
        PumpIdle();
        return opened;
    }

    TViewerForm* m_viewer = nullptr;
};

TEST_F(SkinViewTest, OpensEachPackedSkinAndAFolder)
{
    EXPECT_EQ(m_viewer->SkinTitle(), L"Slate (built in)");
    EXPECT_EQ(m_viewer->ProblemLines().at(0).rfind(L"No problems", 0), 0u);

    ASSERT_TRUE(Open(DuskFile));
    EXPECT_EQ(m_viewer->SkinTitle(), L"Dusk (dusk.skn)");
    EXPECT_EQ(m_viewer->Caption(), L"Skin viewer - Dusk (dusk.skn)");
    EXPECT_EQ(m_viewer->Status().Panel(1).Text(), L"No problems");

    ASSERT_TRUE(Open(SlateFolder));
    EXPECT_EQ(m_viewer->SkinTitle(), L"Slate (slate)");
    EXPECT_EQ(m_viewer->ProblemLines().at(0).rfind(L"No problems", 0), 0u);

    // The folder packed on the fly is the package the build packs.
    std::vector<std::uint8_t> const packed = m_viewer->Skin().StoredStream();
    ASSERT_TRUE(Open(SlateFile));
    EXPECT_EQ(m_viewer->Skin().StoredStream(), packed);
    EXPECT_TRUE(Skinned(m_viewer->Handle()));
}

TEST_F(SkinViewTest, SwitchingSkinsReskinsEveryOpenWindowInPlace)
{
    TCustomForm& frame = m_viewer->Samples().ShowMdiFrame();
    TCustomForm& dialog = m_viewer->Samples().ShowDialog();
    HWND const windows[] = {m_viewer->Handle(), frame.Handle(), m_viewer->Samples().MdiChild(0)->Handle(),
                            m_viewer->Samples().MdiChild(1)->Handle(), dialog.Handle()};
    ASSERT_TRUE(PumpUntil([&] {
        for (HWND window : windows)
            if (!Skinned(window))
                return false;
        return Settled();
    }));
    HWND const pages = m_viewer->Pages().Handle();
    TWinSkinForm* const viewerSkin = SkinManager->FindSkinnedWindow(m_viewer->Handle());
    // The windows overlap: each is brought to the front to be looked at.
    auto front = [](HWND window) {
        SetForegroundWindow(window);
        PumpUntil([window] { return GetForegroundWindow() == window; }, 3000);
        PumpIdle();
    };
    front(dialog.Handle());
    auto const slateDialog = CaptionOf(dialog.Handle());
    front(m_viewer->Handle());
    auto const slateCaption = CaptionOf(m_viewer->Handle());

    ASSERT_TRUE(Open(DuskFile));
    for (HWND window : windows) {
        EXPECT_TRUE(IsWindow(window));
        EXPECT_TRUE(Skinned(window));
    }
    EXPECT_EQ(m_viewer->Pages().Handle(), pages);
    EXPECT_EQ(SkinManager->FindSkinnedWindow(m_viewer->Handle()), viewerSkin); // the same object, re-applied
    front(m_viewer->Handle());
    EXPECT_GT(ChangedShare(*slateCaption, *CaptionOf(m_viewer->Handle())), 0.3);
    SaveScreenshot(*CaptureWindow(m_viewer->Handle()), "skinview-dusk");
    front(dialog.Handle());
    EXPECT_GT(ChangedShare(*slateDialog, *CaptionOf(dialog.Handle())), 0.3);
    SaveScreenshot(*CaptureWindow(dialog.Handle()), "skinview-dusk-dialog");
    front(frame.Handle());
    SaveScreenshot(*CaptureWindow(frame.Handle()), "skinview-dusk-mdi-frame");
    front(m_viewer->Handle());

    // Back again, and back and forth: nothing piles up.
    ASSERT_TRUE(Open(SlateFile));
    // Only the title's text differs now.
    EXPECT_LT(ChangedShare(*slateCaption, *CaptionOf(m_viewer->Handle())), 0.1);
    int const gdi = LiveGdiObjects();
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(Open(DuskFile));
        ASSERT_TRUE(Open(SlateFile));
    }
    EXPECT_EQ(LiveGdiObjects(), gdi);
}

TEST_F(SkinViewTest, ABrokenSkinLeavesTheSkinInUseOnAndSaysWhy)
{
    ASSERT_TRUE(Open(DuskFile));
    std::vector<std::uint8_t> const inUse = m_viewer->Skin().StoredStream();
    auto const before = CaptionOf(m_viewer->Handle());
    TScratchFolder scratch("broken");

    std::vector<TMalformedPackage> cases = OlderPackages();
    for (auto& c : InconsistentPackages())
        cases.push_back(std::move(c));
    // Packages that read but cannot be loaded: a description naming a
    // bitmap that is no BMP, and no description at all.
    auto packed = [](std::vector<TPackEntry> entries) { return TLZHEncoder::Compress(BuildPackage(std::move(entries))); };
    cases.push_back({"an image that is no BMP",
                     packed({{"skin.ini", Bytes("[Buttons]\r\nBitmap=bad.bmp\r\n")}, {"bad.bmp", Bytes("GIF89a")}}),
                     nullptr});
    cases.push_back({"no description", packed({{"readme.txt", Bytes("no skin here")}}), nullptr});

    int index = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        fs::path const file = scratch.Write("case" + std::to_string(index++) + ".skn", c.Stream);
        EXPECT_FALSE(Open(file));
        std::vector<std::wstring> const lines = m_viewer->ProblemLines();
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines[0].rfind(L"Cannot load " + file.filename().wstring() + L": ", 0), 0u) << lines[0].c_str();
        EXPECT_EQ(m_viewer->SkinTitle(), L"Dusk (dusk.skn)");
        EXPECT_EQ(m_viewer->Skin().StoredStream(), inUse);
        EXPECT_TRUE(Skinned(m_viewer->Handle()));
    }
    // Neither a missing file nor a folder without a skin in it changes anything.
    EXPECT_FALSE(Open(scratch.Path() / "missing.skn"));
    fs::create_directories(scratch.Path() / "empty");
    EXPECT_FALSE(Open(scratch.Path() / "empty"));
    EXPECT_EQ(m_viewer->Skin().StoredStream(), inUse);
    EXPECT_LT(ChangedShare(*before, *CaptionOf(m_viewer->Handle())), 0.02);

    // The skin in use still re-applies: the failures left it whole.
    ASSERT_TRUE(m_viewer->Reload());
    EXPECT_TRUE(PumpUntil(Settled));
    EXPECT_EQ(m_viewer->SkinTitle(), L"Dusk (dusk.skn)");
}

TEST_F(SkinViewTest, TheProblemsPanelListsWhatTheCheckerFinds)
{
    // The default skin's folder with its frame's top image taken out: the
    // package reads, and the problems panel says what is missing.
    TScratchFolder scratch("problems");
    for (const auto& entry : fs::directory_iterator(SlateFolder))
        if (entry.path().filename() != "f-top.bmp")
            fs::copy_file(entry.path(), scratch.Path() / entry.path().filename());
    m_viewer->OpenSkin(scratch.Path());
    PumpUntil(Settled);
    bool named = false;
    for (const auto& line : m_viewer->ProblemLines())
        named = named || line.find(L"f-top.bmp") != std::wstring::npos;
    EXPECT_TRUE(named);
    EXPECT_NE(m_viewer->Status().Panel(1).Text(), L"No problems");
}

TEST_F(SkinViewTest, ADroppedFileIsOpened)
{
    // The drop as the shell delivers it: a DROPFILES block the receiver frees.
    std::wstring const name = DuskFile.wstring();
    std::size_t const bytes = sizeof(DROPFILES) + (name.size() + 2) * sizeof(wchar_t);
    HGLOBAL const memory = GlobalAlloc(GHND, bytes);
    ASSERT_NE(memory, nullptr);
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), name.c_str(), name.size() * sizeof(wchar_t));
    GlobalUnlock(memory);
    ASSERT_TRUE(PostMessageW(m_viewer->Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0));
    ASSERT_TRUE(PumpUntil([&] { return m_viewer->SkinTitle() == L"Dusk (dusk.skn)" && Settled(); }));
}

TEST_F(SkinViewTest, TheMessageBoxWearsTheSkin)
{
    HWND box = nullptr;
    bool skinned = false;
    TLoopScript script;
    script.Then([&] { return (box = FindWindowW(L"#32770", TSampleWindows::MessageBoxCaption)) && Skinned(box); },
                [&] {
                    skinned = true;
                    SaveScreenshot(*CaptureWindow(box), "skinview-message-box");
                    PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
                });
    script.Start();
    RunSoon([] { CloseDialogsOfThisThread(); }, 15000);
    m_viewer->Samples().ShowMessageBox();
    EXPECT_TRUE(skinned);
    EXPECT_FALSE(script.GaveUp());
}

TEST_F(SkinViewTest, FileOpenTakesASkinThroughTheSystemsOpenDialog)
{
    // The dialog is the system's own, wearing the skin; a description chosen
    // in it stands for its folder.
    // A path the dialog takes: with a drive and backslashes.
    wchar_t full[MAX_PATH];
    ASSERT_NE(GetFullPathNameW((SlateFolder / "slate.ini").wstring().c_str(), MAX_PATH, full, nullptr), 0u);
    std::wstring const description = full;
    HWND dialog = nullptr;
    bool skinned = false;
    TLoopScript script(10000);
    script.Then([&] { return (dialog = FindWindowW(L"#32770", L"Open a skin")) && Skinned(dialog); },
                [&] {
                    skinned = true;
                    // The file name field: an edit, or the edit inside a combo box.
                    HWND name = GetDlgItem(dialog, 0x47C); // cmb13
                    if (HWND inner = name ? FindWindowExW(name, nullptr, L"Edit", nullptr) : nullptr)
                        name = inner;
                    if (!name)
                        name = GetDlgItem(dialog, 0x480); // edt1
                    SetWindowTextW(name, description.c_str());
                    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
                });
    script.Start();
    // Whatever happens, the dialog and any box it shows end.
    for (UINT at : {20000u, 21000u, 22000u})
        RunSoon([] { CloseDialogsOfThisThread(); }, at);
    TMenuItem* file = m_viewer->MainMenu().Items().Items(0);
    file->Items(0)->Click(); // "Open skin...": runs the dialog's own loop
    EXPECT_FALSE(script.GaveUp());
    EXPECT_TRUE(skinned);
    ASSERT_TRUE(PumpUntil(Settled));
    EXPECT_EQ(m_viewer->SkinTitle(), L"Slate (slate)");
}

TEST_F(SkinViewTest, ShotsHoldOneImagePerPage)
{
    TScratchFolder scratch("shots");
    std::vector<fs::path> const files = SaveTabShots(*m_viewer, scratch.Path());
    ASSERT_EQ(static_cast<int>(files.size()), m_viewer->Pages().PageCount());
    EXPECT_EQ(files[0].filename(), "1-buttons-and-lists.bmp");
    RECT r;
    GetWindowRect(m_viewer->Handle(), &r);
    TBitmap previous;
    for (const auto& file : files) {
        SCOPED_TRACE(file.string());
        TBitmap shot;
        shot.LoadFromFile(file.wstring());
        EXPECT_EQ(shot.Width(), r.right - r.left);
        EXPECT_EQ(shot.Height(), r.bottom - r.top);
        // Each page shows something of its own.
        if (!previous.Empty()) {
            EXPECT_GT(ChangedShare(previous, shot), 0.05);
        }
        previous.Assign(shot);
    }
}

// Every caption the engine draws, or leaves to its control over the skin's
// face, reads at 4.5:1 or better against what is behind it, in the skins we
// ship, measured on the screen's pixels of each page.
TEST_F(SkinViewTest, EveryCaptionReadsInTheSkinsWeShip)
{
    for (const fs::path& skin : {SlateFile, DuskFile}) {
        ASSERT_TRUE(Open(skin));
        for (int page : {0, 2, 3}) {
            m_viewer->Pages().SetActivePage(m_viewer->Pages().Pages(page));
            RedrawWindow(m_viewer->Handle(), nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
            PumpIdle();
            RECT window {};
            GetWindowRect(m_viewer->Handle(), &window);
            std::unique_ptr<TBitmap> const screen = CaptureScreen(window);
            SaveScreenshot(*screen, "contrast-" + skin.stem().string() + "-" + std::to_string(page));
            for (const TCaption& caption : CaptionsOf(*m_viewer, page)) {
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

// Keyboard users: every control of each page that takes the focus shows it
// when skinned, and Tab, Shift+Tab and the arrows go where they go without
// the skin.
TEST_F(SkinViewTest, FocusShowsOnEveryControlAndMovesAsUnskinned)
{
    std::vector<TFocusWalk> skinned;
    for (int page = 0; page < m_viewer->Pages().PageCount(); ++page) {
        m_viewer->Pages().SetActivePage(m_viewer->Pages().Pages(page));
        PumpIdle();
        skinned.push_back(WalkFocus(*m_viewer));
        const std::vector<HWND>& cycle = skinned.back().Tab;
        ASSERT_FALSE(cycle.empty());
        std::printf("page %d: %zu stops round\n", page, cycle.size());
        EXPECT_EQ(cycle.back(), m_viewer->Pages().Handle()) << "Tab comes round on page " << page;
        EXPECT_EQ(std::vector<HWND>(skinned.back().ShiftTab.rbegin() + 1, skinned.back().ShiftTab.rend()),
                  std::vector<HWND>(cycle.begin(), cycle.end() - 1))
            << "Shift+Tab goes back the same way on page " << page;
        HWND const away = cycle.size() > 1 ? cycle.front() : nullptr;
        for (HWND w : cycle)
            EXPECT_TRUE(ShowsFocus(w, w == away ? m_viewer->Pages().Handle() : away))
                << NameOf(w) << " on page " << page;
        // The page with the focus on its scroll bar, or on the control in
        // the middle of the round, for looking at.
        auto const bar = std::find_if(cycle.begin(), cycle.end(),
                                      [](HWND w) { return WindowClassName(w) == "TScrollBar"; });
        SetFocus(bar != cycle.end() ? *bar : cycle[cycle.size() / 2]);
        PumpIdle();
        RECT window {};
        GetWindowRect(m_viewer->Handle(), &window);
        SaveScreenshot(*CaptureScreen(window), "focus-page-" + std::to_string(page));
    }
    m_viewer->Skin().SetActive(false);
    ASSERT_TRUE(PumpUntil([&] { return !Skinned(m_viewer->Handle()) && Settled(); }));
    for (int page = 0; page < m_viewer->Pages().PageCount(); ++page) {
        m_viewer->Pages().SetActivePage(m_viewer->Pages().Pages(page));
        PumpIdle();
        EXPECT_TRUE(WalkFocus(*m_viewer) == skinned[static_cast<size_t>(page)]) << "page " << page;
    }
}

// The previewer, laid out in pixels at 96, is made at the screen's density:
// its window grows with it (counted as a system that scales its own frame
// would draw it), and its pages and problems panel with it.
TEST_F(SkinViewTest, TheWindowGrowsWithTheDensity)
{
    auto const measure = [](int dpi) {
        TPinnedDpi pinned(dpi);
        auto* viewer = TCustomForm::Create<TViewerForm>(Application);
        viewer->Show();
        EXPECT_TRUE(PumpUntil([&] { return Skinned(viewer->Handle()) && Settled(); }));
        RECT r {};
        GetWindowRect(viewer->Handle(), &r);
        const SIZE own = SkinManager->FindSkinnedWindow(viewer->Handle())->NonClientExtent();
        const SIZE size = WithTheSystemsFrameAt({r.right - r.left, r.bottom - r.top}, own, dpi);
        delete viewer;
        PumpIdle();
        return size;
    };
    const SIZE at96 = measure(96);
    // At 96 the previewer is the one the suite always made.
    RECT shown {};
    GetWindowRect(m_viewer->Handle(), &shown);
    EXPECT_EQ(at96.cx, shown.right - shown.left);
    EXPECT_EQ(at96.cy, shown.bottom - shown.top);
    for (int dpi : {120, 144, 192}) {
        const SIZE size = measure(dpi);
        // A window never grows past the screen (1280 x 1024 here): the
        // system, not the previewer, sizes one that would.
        if (ScaleDpi(at96.cx, dpi) > GetSystemMetrics(SM_CXMAXTRACK) ||
            ScaleDpi(at96.cy, dpi) > GetSystemMetrics(SM_CYMAXTRACK)) {
            std::printf("previewer at %d: past the screen, not measured\n", dpi);
            continue;
        }
        std::printf("previewer at %d: %ld x %ld (at 96: %ld x %ld)\n", dpi, size.cx, size.cy, at96.cx, at96.cy);
        ExpectScaled(size.cx, at96.cx, dpi, "previewer width");
        ExpectScaled(size.cy, at96.cy, dpi, "previewer height");
    }
}

} // namespace tandrel::test
