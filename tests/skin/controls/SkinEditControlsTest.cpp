// The progress-bar, track-bar and size-grip skinners, which control of the
// edit family gets which skinner (framework forms, Skin3rd and the child
// windows of a system dialog), real input through skinned controls, the
// bench page's look and that skinning it over and over leaves nothing behind.

#include "framework/controls/ComboBox.h"
#include "framework/controls/DateTimePicker.h"
#include "framework/controls/Edit.h"
#include "framework/controls/Panel.h"
#include "framework/controls/ProgressBar.h"
#include "framework/controls/TrackBar.h"
#include "framework/controls/UpDown.h"
#include "framework/core/ScopeGuard.h"
#include "framework/graphics/GdiObjects.h"
#include "skin/controls/SkinControlList.h"
#include "skin/controls/SkinEdit.h"
#include "skin/controls/SkinUpDown.h"
#include "tools/skinview/pages/ControlsPage.h"
#include "tools/skinview/pages/EditsPage.h"
#include "tests/skin/controls/SkinElements.h"
#include "tests/skin/forms/SkinFormFixture.h"
#include "tests/support/DialogTemplate.h"
#include "tests/support/TestSupport.h"

#include <commctrl.h>
#include <commdlg.h>

#include <cstdio>
#include <cwctype>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace tandrel::test {

namespace {

// A bar element: background frame 1 and bar frame 2, or in chunk style a
// background and a chunk of 6 x 10 whose last column is the key colour.
std::unique_ptr<TDataSkinBorder> ProgressElement(bool chunks)
{
    auto element = SolidElement<TDataSkinBorder>("Progress", chunks ? 1 : 2, 10, 10);
    if (chunks) {
        element->Style = 1;
        element->LeftWidth = 3;
        element->RightWidth = 3;
        PaintStrip(element->Bitmap2, 1, 6, 10, 1);
        TOwnedBrush const key(CreateSolidBrush(RGB(255, 0, 255)));
        RECT const gap {5, 0, 6, 10};
        FillRect(element->Bitmap2.Canvas().Handle(), &gap, key.Get());
    }
    return element;
}

bool RowShows(HWND window, int y, const std::vector<std::pair<int, COLORREF>>& expected)
{
    return PumpUntil([&] {
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        auto shot = CaptureWindow(window);
        for (auto const& [x, colour] : expected)
            if (PixelOf(*shot, x, y) != colour)
                return false;
        return true;
    }, 3000);
}

} // namespace

class SkinEditControlsTest : public TSkinFormTest {};

// The bar covers (position - min) of (max - min) of the control, within it.
TEST_F(SkinEditControlsTest, ProgressBarFillsItsShareOfTheRange)
{
    TElementGuard const element(Skin().Progress, ProgressElement(false));
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable);
    auto* bar = Add<TProgressBar>(*form, 10, 10, 200, 18);
    bar->SetSmooth(true);
    bar->SetPosition(50);
    auto* column = Add<TProgressBar>(*form, 230, 10, 18, 120);
    column->SetOrientation(TProgressBarOrientation::pbVertical);
    column->SetPosition(25);
    TWinSkinForm* skin = ShowSkinned(*form);
    ASSERT_EQ(SkinnerOf(*skin, bar->Handle()), "TSkinProgress");
    COLORREF const back = FrameColour(1);
    COLORREF const full = FrameColour(2);
    HWND const h = bar->Handle();

    EXPECT_TRUE(RowShows(h, 9, {{0, full}, {99, full}, {100, back}, {199, back}}));
    // A lower limit counts: 75 of 50..100 is half the bar.
    bar->SetMin(50);
    bar->SetPosition(75);
    EXPECT_TRUE(RowShows(h, 9, {{99, full}, {100, back}}));
    bar->SetMin(0);
    for (int const position : {0, -20}) {
        bar->SetPosition(position);
        EXPECT_TRUE(RowShows(h, 9, {{0, back}, {100, back}}));
    }
    bar->SetPosition(40);
    bar->SetMax(0);
    EXPECT_TRUE(RowShows(h, 9, {{0, back}, {199, back}}));
    // A position above the range shows a full bar, never more.
    bar->SetMax(100);
    SendMessageW(h, PBM_SETRANGE32, 0, 100);
    SendMessageW(h, PBM_SETPOS, 100, 0);
    EXPECT_TRUE(RowShows(h, 9, {{0, full}, {199, full}}));

    // Vertical: from the bottom up.
    EXPECT_TRUE(RowShows(column->Handle(), 95, {{9, full}}));
    EXPECT_TRUE(RowShows(column->Handle(), 85, {{9, back}}));
    // A repaint copies the kept bar: the pixels of a fresh paint.
    for (HWND const window : {h, column->Handle()})
        EXPECT_EQ(KeptPaintDifference(*skin, window), 0);
}

// Chunks start after the left margin and stop at the right one; the key
// colour between them shows the background.
TEST_F(SkinEditControlsTest, ProgressChunksStayWithinTheMargins)
{
    TElementGuard const element(Skin().Progress, ProgressElement(true));
    (void)element;
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable);
    auto* bar = Add<TProgressBar>(*form, 10, 10, 200, 18);
    bar->SetPosition(50);
    TWinSkinForm* skin = ShowSkinned(*form);
    COLORREF const back = FrameColour(1);
    COLORREF const chunk = FrameColour(1, 1);
    EXPECT_TRUE(RowShows(bar->Handle(), 9, {{1, back}, {3, chunk}, {8, back}, {9, chunk}, {101, back}}));
    EXPECT_TRUE(RowShows(bar->Handle(), 2, {{3, back}})); // the row is centred, 10 high
    bar->SetPosition(100);
    EXPECT_TRUE(RowShows(bar->Handle(), 9, {{195, chunk}, {197, back}, {199, back}}));
    EXPECT_EQ(KeptPaintDifference(*skin, bar->Handle()), 0);
}

// Without a Progress element the control paints itself.
TEST_F(SkinEditControlsTest, ProgressBarWithoutTheElementIsItsOwn)
{
    TElementGuard const element(Skin().Progress, std::unique_ptr<TDataSkinBorder>());
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable);
    auto* bar = Add<TProgressBar>(*form, 10, 10, 200, 18);
    bar->SetSmooth(true);
    bar->SetPosition(50);
    TWinSkinForm* skin = ShowSkinned(*form);
    ASSERT_EQ(SkinnerOf(*skin, bar->Handle()), "TSkinProgress");
    RedrawWindow(bar->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    auto shot = CaptureWindow(bar->Handle());
    // The system's bar in the highlight colour, its background in the face.
    EXPECT_EQ(PixelOf(*shot, 50, 9), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_NE(PixelOf(*shot, 150, 9), GetSysColor(COLOR_HIGHLIGHT));
}

// The control draws channel and ticks; the thumb is frame 2 of the skin's
// five, the horizontal image serving a vertical bar that has none of its own,
// and a plain rectangle without either.
TEST_F(SkinEditControlsTest, TrackBarThumbComesFromTheSkin)
{
    TElementGuard const horz(Skin().TrackbarThumbHorz, SolidElement<TDataSkinObject>("ThumbHorz", 5, 11, 21));
    TElementGuard const vert(Skin().TrackbarThumbVert, std::unique_ptr<TDataSkinObject>());
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable);
    auto* track = Add<TTrackBar>(*form, 10, 10, 180, 40);
    track->SetPosition(4);
    auto* column = Add<TTrackBar>(*form, 200, 10, 40, 150);
    column->SetOrientation(TTrackBarOrientation::trVertical);
    TWinSkinForm* skin = ShowSkinned(*form);
    ASSERT_EQ(SkinnerOf(*skin, track->Handle()), "TSkinTrackBar");
    auto const thumbShows = [&](TTrackBar& bar, COLORREF colour) {
        return PumpUntil([&] {
            RedrawWindow(bar.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
            RECT thumb {};
            SendMessageW(bar.Handle(), TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
            auto shot = CaptureWindow(bar.Handle());
            return PixelOf(*shot, (thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2) == colour;
        }, 3000);
    };
    EXPECT_TRUE(thumbShows(*track, FrameColour(2)));
    EXPECT_TRUE(thumbShows(*column, FrameColour(2)));
    // The thumb follows the position; its look does not change when disabled.
    track->SetPosition(8);
    track->SetEnabled(false);
    EXPECT_TRUE(thumbShows(*track, FrameColour(2)));

    Skin().TrackbarThumbHorz.reset();
    COLORREF const face = skin->FindSkinner(track->Handle())->FaceColour();
    EXPECT_TRUE(thumbShows(*track, face));
    RECT thumb {};
    SendMessageW(track->Handle(), TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    auto shot = CaptureWindow(track->Handle());
    EXPECT_EQ(PixelOf(*shot, thumb.left, (thumb.top + thumb.bottom) / 2), ColorToRGB(Skin().ButtonShadowColour));
}

// Which skinner each framework kind of the family gets, and the guards.
TEST_F(SkinEditControlsTest, EditFamilyKindsGetTheirSkinners)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable, 560, 300);
    TEditsPage const p = BuildEditsPage(*form);
    auto* panel95 = Add<TPanel>(*form, 480, 10, 60, 30, 95);
    TWinSkinForm* skin = ShowSkinned(*form);
    EXPECT_EQ(SkinnerOf(*skin, p.DropDown->Handle()), "TSkinComBox");
    EXPECT_EQ(SkinnerOf(*skin, p.DropDownList->Handle()), "TSkinComBox");
    EXPECT_EQ(SkinnerOf(*skin, p.Simple->Handle()), "TSkinComBox");
    EXPECT_EQ(SkinnerOf(*skin, p.Vert->Handle()), "TSkinUpDown");
    EXPECT_EQ(SkinnerOf(*skin, p.Horz->Handle()), "TSkinUpDown");
    EXPECT_EQ(SkinnerOf(*skin, p.Bar->Handle()), "TSkinProgress");
    EXPECT_EQ(SkinnerOf(*skin, p.Column->Handle()), "TSkinProgress");
    EXPECT_EQ(SkinnerOf(*skin, p.Track->Handle()), "TSkinTrackBar");
    EXPECT_EQ(SkinnerOf(*skin, p.Calendar->Handle()), "TSkinComBox");
    EXPECT_EQ(SkinnerOf(*skin, p.Spinner->Handle()), "TSkinEdit");
    EXPECT_EQ(SkinnerOf(*skin, p.SpinEdit->Handle()), "TSkinEdit");
    EXPECT_EQ(SkinnerOf(*skin, panel95->Handle()), "TSkinComBox"); // Tag 95 wins over the panel
    EXPECT_EQ(skin->FindSkinner(p.InnerSpin), nullptr);             // owned apart, by the edit's skinner
    FreeForm(form);

    // Without their guard members they keep their own look.
    TSkinControlTypes const saved = Skin().SkinControls();
    auto const restore = OnScopeExit([&] { Skin().SetSkinControls(saved); });
    Skin().SetSkinControls(saved & ~(SkinControlBit(xcButton) | SkinControlBit(xcCombo) |
                                     SkinControlBit(xcProgress) | SkinControlBit(xcEdit)));
    form = MakeForm(TFormBorderStyle::bsSizeable, 560, 300);
    TEditsPage const q = BuildEditsPage(*form);
    auto* panel = Add<TPanel>(*form, 480, 10, 60, 30, 95);
    skin = ShowSkinned(*form);
    for (TWinControl* c : std::initializer_list<TWinControl*> {q.DropDown, q.Vert, q.Bar, q.Track, q.Calendar,
                                                               q.Spinner})
        EXPECT_EQ(SkinnerOf(*skin, c->Handle()), "none") << c->ClassName();
    EXPECT_EQ(SkinnerOf(*skin, panel->Handle()), "TSkinBox");
}

// Classes of other libraries named in Skin3rd as combo box, track bar or
// progress bar.
TEST_F(SkinEditControlsTest, Skin3rdKindsOfTheEditFamily)
{
    struct TOtherCombo : TEdit {
        using TEdit::TEdit;
        const char* ClassName() const override { return "TOtherCombo"; }
    };
    struct TOtherTrack : TTrackBar {
        using TTrackBar::TTrackBar;
        const char* ClassName() const override { return "TOtherTrack"; }
    };
    struct TOtherGauge : TPanel {
        using TPanel::TPanel;
        const char* ClassName() const override { return "TOtherGauge"; }
    };
    TStringList saved;
    saved.Assign(Skin().Skin3rd());
    auto const restore = OnScopeExit([&] { Skin().SetSkin3rd(saved); });
    TStringList rows;
    rows.SetLines({L"TOtherCombo=combobox", L"TOtherTrack=trackbar", L"TOtherGauge=progress"});
    Skin().SetSkin3rd(rows);
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable);
    auto* combo = Add<TOtherCombo>(*form, 10, 10, 120, 24);
    auto* track = Add<TOtherTrack>(*form, 10, 40, 150, 40);
    auto* gauge = Add<TOtherGauge>(*form, 10, 90, 150, 20);
    TWinSkinForm* skin = ShowSkinned(*form);
    EXPECT_EQ(SkinnerOf(*skin, combo->Handle()), "TSkinComBox");
    EXPECT_EQ(SkinnerOf(*skin, track->Handle()), "TSkinTrackBar"); // no Transparent to set: harmless
    EXPECT_EQ(SkinnerOf(*skin, gauge->Handle()), "TSkinProgress");
}

// A real click on a skinned spin button steps it and its buddy shows the
// new value; a real click opens a skinned combo box.
TEST_F(SkinEditControlsTest, SkinnedEditControlsTakeRealInput)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable, 560, 300);
    TEditsPage const p = BuildEditsPage(*form);
    TWinSkinForm* skin = ShowSkinned(*form);
    ASSERT_EQ(SkinnerOf(*skin, p.Vert->Handle()), "TSkinUpDown");
    int clicks = 0;
    p.Vert->OnClick = [&](TObject*, TUDBtnType) { ++clicks; };
    RECT r {};
    GetWindowRect(p.Vert->Handle(), &r);
    ClickAt({(r.left + r.right) / 2, r.top + 3});
    EXPECT_TRUE(PumpUntil([&] { return clicks == 1; }));
    EXPECT_EQ(p.Vert->Position(), 13);
    EXPECT_TRUE(PumpUntil([&] { return p.VertBuddy->Text() == L"13"; }));

    GetWindowRect(p.DropDownList->Handle(), &r);
    ClickAt({r.right - 6, (r.top + r.bottom) / 2});
    EXPECT_TRUE(PumpUntil([&] { return p.DropDownList->DroppedDown(); }));
    p.DropDownList->SetDroppedDown(false);
    MouseAway();
    PumpIdle();
}

// A system dialog under a skinned window: its edit, drop-down combo box and
// size grip get their skinners by window class; a simple combo box none.
TEST_F(SkinEditControlsTest, ADialogsEditFamilyIsSkinnedByClass)
{
    INITCOMMONCONTROLSEX classes {sizeof classes, ICC_USEREX_CLASSES};
    InitCommonControlsEx(&classes);
    std::vector<WORD> const dialog = DialogTemplate(L"Edits dialog", 180, 130, {
        {WS_BORDER | ES_AUTOHSCROLL, 201, L"\x81", L"", 10, 10, 80, 14},
        {CBS_DROPDOWNLIST | WS_VSCROLL, 202, L"\x85", L"", 10, 30, 80, 60},
        {CBS_SIMPLE, 203, L"\x85", L"", 100, 10, 70, 40},
        {SBS_SIZEGRIP | SBS_SIZEBOXBOTTOMRIGHTALIGN, 204, L"\x84", L"", 160, 110, 10, 10},
        {CBS_DROPDOWNLIST, 205, L"ComboBoxEx32", L"", 100, 60, 70, 60},
    });
    CheckSkinnedDialog(dialog, L"Edits dialog", [&](HWND box, TWinSkinForm& skin) {
        auto const of = [&](int id) { return SkinnerOf(skin, GetDlgItem(box, id)); };
        EXPECT_EQ(of(201), "TSkinEdit");
        EXPECT_EQ(of(202), "TSkinComBox");
        EXPECT_EQ(of(203), "none");
        EXPECT_EQ(of(204), "TSkinSizer");
        HWND const extended = GetDlgItem(box, 205);
        EXPECT_EQ(of(205), "none");
        EXPECT_EQ(SkinnerOf(skin, GetWindow(extended, GW_CHILD)), "TSkinComBox");

        // The grip: a one-pixel shadow frame, the face inside.
        HWND const grip = GetDlgItem(box, 204);
        InvalidateRect(grip, nullptr, TRUE);
        COLORREF const shadow = ColorToRGB(Skin().ButtonShadowColour);
        EXPECT_TRUE(PumpUntil([&] {
            auto shot = CaptureWindow(grip);
            return PixelOf(*shot, 0, 0) == shadow && PixelOf(*shot, shot->Width() - 1, shot->Height() - 1) == shadow &&
                   PixelOf(*shot, 2, 2) == skin.FindSkinner(grip)->FaceColour();
        }, 3000));
        auto shot = Shot(box);
        SaveScreenshot(*shot, "bench-dialog-edits");
    });
}

// Where the spin button inside an edit stands, in the edit's client area,
// and the client area.
struct TSpinInside {
    RECT Spin {};
    RECT Client {};
};

TSpinInside SpinInside(const TEditsPage& p)
{
    TSpinInside place;
    GetWindowRect(p.InnerSpin, &place.Spin);
    MapWindowPoints(nullptr, p.SpinEdit->Handle(), reinterpret_cast<POINT*>(&place.Spin), 2);
    GetClientRect(p.SpinEdit->Handle(), &place.Client);
    return place;
}

// A skinned window that moves to a screen of another density takes its
// edits' borders and the spin button inside an edit along: the spin grows
// by the client's right edge, and is its own size again back at 96.
TEST_F(SkinEditControlsTest, SpinInsideAnEditGrowsWithTheDensity)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable, 560, 300);
    TEditsPage const p = BuildEditsPage(*form);
    // Hidden, as on a page not shown: its first paint comes at the new
    // density.
    p.SpinEdit->SetVisible(false);
    TWinSkinForm* skin = ShowSkinned(*form);
    auto* edit = dynamic_cast<TSkinEdit*>(skin->FindSkinner(p.SpinEdit->Handle()));
    ASSERT_NE(edit, nullptr);
    TSpinInside const at96 = SpinInside(p);
    ASSERT_EQ(at96.Spin.right, at96.Client.right);
    int const width96 = at96.Spin.right - at96.Spin.left;

    auto const moveTo = [&](int dpi) {
        RECT r {};
        GetWindowRect(form->Handle(), &r);
        r.right = r.left + ScaleDpi(r.right - r.left, dpi, WindowDpi(form->Handle()));
        r.bottom = r.top + ScaleDpi(r.bottom - r.top, dpi, WindowDpi(form->Handle()));
        SendMessageW(form->Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&r));
    };
    auto const fits = [&](int width) {
        TSpinInside const now = SpinInside(p);
        return now.Spin.right - now.Spin.left == width && now.Spin.right == now.Client.right &&
               now.Spin.top == 0 && now.Spin.bottom == now.Client.bottom;
    };
    {
        TPinnedDpi const pinned(144);
        moveTo(144);
        p.SpinEdit->SetVisible(true);
        EXPECT_TRUE(PumpUntil([&] { return fits(ScaleDpi(width96, 144)); }));
        EXPECT_GT(SpinInside(p).Client.bottom, at96.Client.bottom);
    }
    // The pin is gone: the window is at the screen's density again.
    RECT r {};
    GetWindowRect(form->Handle(), &r);
    r.right = r.left + ScaleDpi(r.right - r.left, 96, 144);
    r.bottom = r.top + ScaleDpi(r.bottom - r.top, 96, 144);
    SendMessageW(form->Handle(), WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&r));
    EXPECT_TRUE(PumpUntil([&] { return fits(width96); }));
}

// An edit skinned in a window already at another density has its grown
// border from the start.
TEST_F(SkinEditControlsTest, EditSkinnedAtAnotherDensityHasItsBorderAtOnce)
{
    TPinnedDpi const pinned(144);
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable, 300, 160);
    auto* box = Put<TEdit>(*form, *form, 10, 10, 150, 36);
    TWinSkinForm* skin = ShowSkinned(*form);
    ASSERT_NE(dynamic_cast<TSkinEdit*>(skin->FindSkinner(box->Handle())), nullptr);
    POINT origin {0, 0};
    ClientToScreen(box->Handle(), &origin);
    RECT window {};
    GetWindowRect(box->Handle(), &window);
    EXPECT_EQ(origin.x - window.left, ScaleDpi(GetSystemMetrics(SM_CXEDGE), 144, ScreenDpi()));
    EXPECT_EQ(origin.y - window.top, ScaleDpi(GetSystemMetrics(SM_CYEDGE), 144, ScreenDpi()));
}

// The bench page skinned, for a look.
TEST_F(SkinEditControlsTest, EditControlsBenchPage)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable, 560, 300, L"Skinned edit controls");
    TEditsPage const p = BuildEditsPage(*form);
    TWinSkinForm* skin = ShowSkinned(*form);
    MouseAway();
    p.Spinner->SetFocus();
    RedrawWindow(form->Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    auto* edit = dynamic_cast<TSkinEdit*>(skin->FindSkinner(p.SpinEdit->Handle()));
    ASSERT_NE(edit, nullptr);
    ASSERT_TRUE(PumpUntil([&] { return edit->SpinSkinner() != nullptr; }));
    PumpIdle();
    auto shot = Shot(form->Handle());
    SaveScreenshot(*shot, "bench-edit-controls");
}

} // namespace tandrel::test

namespace tandrel::test {

// The system's own file dialog, opened from a skinned window, is skinned
// with it: its drop-down combo boxes (the extended one through the combo
// box inside it) and its buttons, by window class. It lays itself out
// before its skin starts, and keeps that layout inside the skinned frame.
TEST_F(SkinEditControlsTest, TheSystemsFileDialogGetsItsCombosSkinned)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable, 300, 200);
    ShowSkinned(*form);
    std::map<std::string, std::multiset<std::string>> seen; // window class -> skinners
    bool checked = false;
    RunSoon([&] {
        HWND box = nullptr;
        ASSERT_TRUE(PumpUntil([&] {
            box = FindWindowW(L"#32770", nullptr);
            return box && SkinOf(box) && SkinOf(box)->SkinState() == ssSkinned;
        }));
        PumpIdle();
        TWinSkinForm& skin = *SkinOf(box);
        auto const note = [&](HWND window) {
            wchar_t name[64] {};
            GetClassNameW(window, name, 64);
            std::string cls;
            for (wchar_t const* c = name; *c; ++c)
                cls += static_cast<char>(*c < 0x80 ? std::towlower(*c) : '?');
            TSkinControl* s = skin.FindSkinner(window);
            seen[cls].insert(s ? s->ClassName() : "none");
        };
        for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            note(child);
            if (HWND inner = GetWindow(child, GW_CHILD); inner && IsWindowVisible(child))
                note(inner);
        }
        SaveScreenshot(*Shot(box), "file-dialog");
        // The skinned frame leaves the dialog its whole layout: Cancel shows.
        RECT client {}, cancel {};
        GetClientRect(box, &client);
        MapWindowPoints(box, nullptr, reinterpret_cast<POINT*>(&client), 2);
        GetWindowRect(GetDlgItem(box, IDCANCEL), &cancel);
        EXPECT_LE(cancel.bottom, client.bottom);
        EXPECT_LE(cancel.right, client.right);
        checked = true;
        PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
    }, 0);
    wchar_t file[MAX_PATH] {};
    OPENFILENAMEW ofn {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = form->Handle();
    ofn.lpstrFilter = L"Skins\0*.skn\0All files\0*.*\0";
    ofn.lpstrFile = file;
    ofn.nMaxFile = MAX_PATH;
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY;
    GetOpenFileNameW(&ofn);
    ASSERT_TRUE(checked);
    // The name and type fields, and the folder list's own combo box.
    ASSERT_GE(seen["combobox"].size(), 2u);
    for (const std::string& s : seen["combobox"])
        EXPECT_EQ(s, "TSkinComBox");
    EXPECT_EQ(seen["comboboxex32"].count("none"), seen["comboboxex32"].size()); // skinned through its inner box
    EXPECT_GE(seen["button"].count("TSkinButton"), 2u); // Open and Cancel
}

} // namespace tandrel::test
