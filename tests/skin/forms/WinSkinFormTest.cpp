// A skinned form's frame and caption on real windows: its size, paint,
// region, caption buttons and icon, and giving the window back.

#include "tests/skin/forms/SkinFormFixture.h"

#include "skin/draw/SkinDraw.h"
#include "skin/menus/WinSkinMenu.h"

#include <windowsx.h>

namespace tandrel::test {

namespace {

// Frame `frame` of a caption button's strip at the button's own size.
COLORREF FramePixel(TDataSkinSysButton& button, int frame, int x, int y)
{
    int const w = button.Bitmap.Width() / button.FrameCount;
    return GetPixel(button.Bitmap.Canvas().Handle(), (frame - 1) * w + x, y);
}

TWinSysButton* ButtonWithAction(TWinSkinForm& skin, int action, bool shown = true)
{
    for (const auto& b : skin.CaptionButtons())
        if (b->Object.Action == action && (!shown || b->Enabled))
            return b.get();
    return nullptr;
}


// A point of a caption button whose pixel is not the key colour in any frame.
POINT SolidPoint(TWinSysButton& button)
{
    TDataSkinSysButton& o = button.Object;
    int const w = o.Bitmap.Width() / o.FrameCount;
    for (int y = o.Bitmap.Height() / 2; y < o.Bitmap.Height(); ++y)
        for (int x = w / 2; x < w; ++x) {
            bool solid = true;
            for (int f = 1; f <= std::min(o.FrameCount, 3); ++f)
                solid = solid && FramePixel(o, f, x, y) != RGB(255, 0, 255);
            bool differs = FramePixel(o, 1, x, y) != FramePixel(o, 3, x, y) &&
                           FramePixel(o, 2, x, y) != FramePixel(o, 3, x, y);
            if (solid && differs)
                return {x, y};
        }
    return {w / 2, o.Bitmap.Height() / 2};
}

} // namespace

class WinSkinFormTest : public TSkinFormTest {};

TEST_F(WinSkinFormTest, AClientAreaOf300By200GetsTheSkinnedFrameRoundIt)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable);
    TWinSkinForm* skin = ShowSkinned(*form);
    ASSERT_NE(skin, nullptr);
    HWND w = form->Handle();
    RECT outer, client;
    GetWindowRect(w, &outer);
    GetClientRect(w, &client);
    EXPECT_EQ(outer.right - outer.left, 323);
    EXPECT_EQ(outer.bottom - outer.top, 255);
    EXPECT_EQ(client.right, 300);
    EXPECT_EQ(client.bottom, 200);
    POINT origin {0, 0};
    ClientToScreen(w, &origin);
    EXPECT_EQ(origin.x - outer.left, kLeft);
    EXPECT_EQ(origin.y - outer.top, kCaption);
    EXPECT_EQ(skin->FrameSizes(), (TFrameSizes {kLeft, kCaption, kRight, kBottom, 0}));
    EXPECT_EQ(skin->BorderClass(), bcEdged);
    EXPECT_EQ(skin->FormKind(), fkOrdinary);
    EXPECT_EQ(skin->Form(), form);
    EXPECT_EQ(skin->Owner(), nullptr); // the manager's, not the form's
    EXPECT_TRUE(skin->Active());
    EXPECT_TRUE(skin->LeaveTimerRunning());
    EXPECT_EQ(SendMessageW(w, WM_SKINQUERY, 0, 0), 1);
    // The system's caption buttons are gone from the style; the skin's show.
    LONG_PTR const style = GetWindowLongPtrW(w, GWL_STYLE);
    EXPECT_FALSE(style & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    EXPECT_EQ(skin->Availability(), unsigned(caSystemMenuBit | caMinimizeBox | caMaximizeBox));
    EXPECT_EQ(form->Color(), Skin().ButtonFaceColour);
}

TEST_F(WinSkinFormTest, TheFramePaintsTheBorderImagesAndTheCaptionStrip)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable, 400, 260);
    TWinSkinForm* skin = ShowSkinned(*form);
    ASSERT_NE(skin, nullptr);
    auto shot = Shot(form->Handle());
    SaveScreenshot(*shot, "skin-frame-active");
    int const h = shot->Height();
    int const w = shot->Width();
    TBitmap& left = Skin().LeftBorder->Bitmap;
    TBitmap& right = Skin().RightBorder->Bitmap;
    TBitmap& bottom = Skin().BottomBorder->Bitmap;
    // The bottom rows of the side borders are their images' bottom margins.
    for (int y = 1; y <= 5; ++y) {
        EXPECT_EQ(PixelOf(*shot, 7, h - y), GetPixel(left.Canvas().Handle(), 7, left.Height() - y)) << y;
        EXPECT_EQ(PixelOf(*shot, w - 4, h - y), GetPixel(right.Canvas().Handle(), 4, right.Height() - y)) << y;
    }
    // The bottom border runs between them.
    EXPECT_EQ(PixelOf(*shot, w / 2, h - 3), GetPixel(bottom.Canvas().Handle(), bottom.Width() / 2, bottom.Height() - 3));
    // The caption carries the text backing behind the text.
    TDataSkinTitle& title = *Skin().Title;
    ASSERT_FALSE(title.Bitmap.Empty());
    const RECT& text = skin->CaptionTextRect();
    EXPECT_GT(text.right, text.left);
    EXPECT_GE(text.left, kLeft);
    EXPECT_EQ(PixelOf(*shot, text.left + 2, kCaption / 2), GetPixel(title.Bitmap.Canvas().Handle(), 2, title.Bitmap.Height() / 4));
    // The close button at its place, in its first frame.
    TWinSysButton* close = ButtonWithAction(*skin, caClose);
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->Rect.left, w - close->Object.Xcoord);
    POINT const p = SolidPoint(*close);
    EXPECT_EQ(PixelOf(*shot, close->Rect.left + p.x, close->Rect.top + p.y), FramePixel(close->Object, 1, p.x, p.y));
}

TEST_F(WinSkinFormTest, InactiveWindowsShowTheirInactiveCaption)
{
    TBenchForm* back = MakeForm(TFormBorderStyle::bsSizeable, 300, 200, L"Back");
    TBenchForm* front = MakeForm(TFormBorderStyle::bsSizeable, 200, 120, L"Front");
    front->SetLeft(600);
    TWinSkinForm* skin = ShowSkinned(*back);
    auto active = Shot(back->Handle());
    ShowSkinned(*front);
    ASSERT_TRUE(PumpUntil([&] { return !skin->Active(); }));
    PumpIdle();
    auto inactive = Shot(back->Handle());
    SaveScreenshot(*inactive, "skin-frame-inactive");
    EXPECT_FALSE(skin->LeaveTimerRunning());
    // The text backing switches to its second frame, the caption buttons
    // with four frames or more to their fourth.
    TDataSkinTitle& title = *Skin().Title;
    const RECT& text = skin->CaptionTextRect();
    HDC const image = title.Bitmap.Canvas().Handle();
    int const half = title.Bitmap.Height() / 2;
    EXPECT_EQ(PixelOf(*active, text.left + 2, kCaption / 2), GetPixel(image, 2, half / 2));
    EXPECT_EQ(PixelOf(*inactive, text.left + 2, kCaption / 2), GetPixel(image, 2, half + half / 2));
    TWinSysButton* close = ButtonWithAction(*skin, caClose);
    ASSERT_NE(close, nullptr);
    ASSERT_GE(close->Object.FrameCount, 4);
    POINT const p = SolidPoint(*close);
    EXPECT_EQ(PixelOf(*inactive, close->Rect.left + p.x, close->Rect.top + p.y), FramePixel(close->Object, 4, p.x, p.y));
    // Borders of one frame look the same either way.
    EXPECT_EQ(PixelOf(*active, 7, 150), PixelOf(*inactive, 7, 150));
}

TEST_F(WinSkinFormTest, AChangeOfLookShowsWhatAFreshPaintShows)
{
    TBenchForm* back = MakeForm(TFormBorderStyle::bsSizeable, 300, 200, L"Back");
    TBenchForm* front = MakeForm(TFormBorderStyle::bsSizeable, 200, 120, L"Front");
    front->SetLeft(600);
    TWinSkinForm* skin = ShowSkinned(*back);
    HWND const w = back->Handle();
    auto const lookAt = [&](HWND foreground, bool active) {
        SetForegroundWindow(foreground);
        EXPECT_TRUE(PumpUntil([&] { return skin->Active() == active; }));
        PumpIdle();
        return Shot(w);
    };
    auto const active = Shot(w);
    ShowSkinned(*front);
    auto const inactive = lookAt(front->Handle(), false);
    auto const activeAgain = lookAt(w, true);
    EXPECT_EQ(DifferingPixels(*active, *activeAgain), 0);
    EXPECT_EQ(DifferingPixels(*inactive, *lookAt(front->Handle(), false)), 0);

    // A caption changed in one look shows in the other when it comes back,
    // as a paint composed afresh (after a size change there and back) has it.
    back->SetCaption(L"Changed while inactive");
    auto const changed = lookAt(w, true);
    EXPECT_GT(DifferingPixels(*changed, *activeAgain), 0);
    RECT r {};
    GetWindowRect(w, &r);
    SetWindowPos(w, nullptr, 0, 0, r.right - r.left + 1, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER);
    SetWindowPos(w, nullptr, 0, 0, r.right - r.left, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER);
    PumpIdle();
    EXPECT_EQ(DifferingPixels(*changed, *Shot(w)), 0);
}

TEST_F(WinSkinFormTest, TheRegionCutsTheTransparentCornersAndFollowsTheSize)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable);
    TWinSkinForm* skin = ShowSkinned(*form);
    ASSERT_TRUE(skin->HasRegion());
    HWND w = form->Handle();
    TOwnedRegion region(CreateRectRgn(0, 0, 0, 0));
    ASSERT_EQ(GetWindowRgn(w, region.Get()), COMPLEXREGION);
    // The left border image's fuchsia corner is cut away, its inside stays.
    TBitmap& left = Skin().LeftBorder->Bitmap;
    ASSERT_EQ(GetPixel(left.Canvas().Handle(), 0, 0), RGB(255, 0, 255));
    EXPECT_FALSE(PtInRegion(region.Get(), 0, 0));
    EXPECT_TRUE(PtInRegion(region.Get(), 7, 100));
    EXPECT_TRUE(PtInRegion(region.Get(), 160, 100));
    RECT box;
    GetRgnBox(region.Get(), &box);
    EXPECT_EQ(box.right, 323);
    EXPECT_EQ(box.bottom, 255);

    // Moving keeps the region; it is not even rebuilt.
    int const builds = skin->RegionBuilds();
    SetWindowPos(w, nullptr, 200, 150, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    PumpIdle();
    EXPECT_EQ(skin->RegionBuilds(), builds);

    // Resizing builds one of the new size, once.
    SetWindowPos(w, nullptr, 0, 0, 420, 300, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    PumpIdle();
    EXPECT_EQ(skin->RegionBuilds(), builds + 1);
    TOwnedRegion resized(CreateRectRgn(0, 0, 0, 0));
    GetWindowRgn(w, resized.Get());
    GetRgnBox(resized.Get(), &box);
    EXPECT_EQ(box.right, 420);
    EXPECT_EQ(box.bottom, 300);
    EXPECT_FALSE(PtInRegion(resized.Get(), 0, 0));
    // One size message per size change reaches the form.
    int const before2 = form->SizeMessages;
    SetWindowPos(w, nullptr, 0, 0, 430, 300, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    PumpIdle();
    EXPECT_EQ(form->SizeMessages, before2 + 1);
    // Right-aligned caption buttons moved with the right edge, left-aligned ones stayed.
    PumpUntil([&] { return ButtonWithAction(*skin, caClose) != nullptr; });
    EXPECT_EQ(ButtonWithAction(*skin, caClose)->Rect.left, 430 - 42);
    TWinSysButton* icon = ButtonWithAction(*skin, caSystemMenu);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->Rect.left, icon->Object.Xcoord);
}

// The default skin's frame as a user sees it: two windows, active and
// inactive, on a desktop-coloured backdrop, their corners cut away.
TEST_F(WinSkinFormTest, TheDefaultSkinFramesWindowsOnTheDesktop)
{
    COLORREF const desktop = RGB(58, 110, 165);
    TBackdrop const backdrop({0, 0, 880, 360}, desktop);
    TBenchForm* back = MakeForm(TFormBorderStyle::bsSizeable, 377, 245, L"Tandrel \u2014 inactive");
    TBenchForm* front = MakeForm(TFormBorderStyle::bsSizeable, 377, 245, L"Tandrel \u2014 active");
    ShowSkinned(*back);
    ShowSkinned(*front);
    SetWindowPos(back->Handle(), nullptr, 20, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(front->Handle(), nullptr, 440, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    PumpIdle();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 0, QS_ALLINPUT);
    auto shot = CaptureScreen({0, 0, 880, 360});
    SaveScreenshot(*shot, "skin_default_frames");
    for (int left : {20, 440}) {
        RECT r;
        GetWindowRect(left == 20 ? back->Handle() : front->Handle(), &r);
        ASSERT_EQ(r.right - r.left, 400);
        ASSERT_EQ(r.bottom - r.top, 300);
        EXPECT_EQ(PixelOf(*shot, left, 30), desktop) << "top-left corner cut";
        EXPECT_EQ(PixelOf(*shot, left + 399, 30), desktop) << "top-right corner cut";
        EXPECT_NE(PixelOf(*shot, left + 200, 30 + kCaption / 2), desktop) << "caption";
        EXPECT_NE(PixelOf(*shot, left + 3, 30 + 150), desktop) << "left border";
        EXPECT_EQ(PixelOf(*shot, left + 200, 30 + 150), ColorToRGB(Skin().ButtonFaceColour)) << "client";
    }
}

TEST_F(WinSkinFormTest, CaptionButtonsShowByWindowState)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable);
    TWinSkinForm* skin = ShowSkinned(*form);
    auto shown = [&](const char* image) {
        for (const auto& b : skin->CaptionButtons())
            if (b->Enabled && b->Object.Name == image)
                return true;
        return false;
    };
    EXPECT_TRUE(shown("BUTTON0"));  // close
    EXPECT_TRUE(shown("BUTTON1"));  // maximise
    EXPECT_FALSE(shown("BUTTON2")); // restore
    EXPECT_TRUE(shown("BUTTON3"));  // minimise
    EXPECT_TRUE(shown("BUTTON4"));  // system menu, the window's icon
    EXPECT_FALSE(shown("BUTTON6")); // help: Visibility 10, never
    EXPECT_FALSE(shown("BUTTON8")); // greyed maximise: only without a maximise box

    SendMessageW(form->Handle(), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    ASSERT_TRUE(PumpUntil([&] { return IsZoomed(form->Handle()) && skin->WindowState() == fwsMaximized; }));
    PumpIdle();
    EXPECT_FALSE(shown("BUTTON1"));
    EXPECT_TRUE(shown("BUTTON2"));
    // A maximised window reaches past the screen's edges, where nothing can
    // be read back: the shot is of the screen.
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 0, QS_ALLINPUT);
    SaveScreenshot(*CaptureScreen({0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}),
                   "skin-frame-maximised");

    SendMessageW(form->Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
    ASSERT_TRUE(PumpUntil([&] { return !IsZoomed(form->Handle()) && skin->WindowState() == fwsNormal; }));
    PumpIdle();
    EXPECT_TRUE(shown("BUTTON1"));
    EXPECT_FALSE(shown("BUTTON2"));
}

TEST_F(WinSkinFormTest, AFixedDialogShowsTheGreyedBoxesAndNoMaximiseButton)
{
    TBenchForm* dialog = MakeForm(TFormBorderStyle::bsDialog, 260, 120, L"Dialog");
    TWinSkinForm* skin = ShowSkinned(*dialog);
    ASSERT_NE(skin, nullptr);
    EXPECT_EQ(skin->Availability(), unsigned(caSystemMenuBit));
    EXPECT_EQ(ButtonWithAction(*skin, caMaximize), nullptr);
    EXPECT_EQ(ButtonWithAction(*skin, caMinimize), nullptr);
    EXPECT_NE(ButtonWithAction(*skin, caClose), nullptr);
    // Double-clicks on a window without a maximise box do nothing.
    SendMessageW(dialog->Handle(), WM_NCLBUTTONDBLCLK, HTCAPTION, 0);
    PumpIdle();
    EXPECT_FALSE(IsZoomed(dialog->Handle()));
}

TEST_F(WinSkinFormTest, HotAndPressedLooksActOnlyOnReleaseOverTheSameButton)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable);
    TWinSkinForm* skin = ShowSkinned(*form);
    HWND w = form->Handle();
    TWinSysButton* close = ButtonWithAction(*skin, caClose);
    TWinSysButton* minimise = ButtonWithAction(*skin, caMinimize);
    ASSERT_TRUE(close && minimise);
    POINT const solid = SolidPoint(*close);
    auto shownFrame = [&](int frame) {
        auto shot = Shot(w);
        return PixelOf(*shot, close->Rect.left + solid.x, close->Rect.top + solid.y) ==
               FramePixel(close->Object, frame, solid.x, solid.y);
    };

    MoveMouseTo(ScreenOf(w, Middle(close->Rect)));
    ASSERT_TRUE(PumpUntil([&] { return skin->HotObject() == close && close->State == ncsHot; }));
    EXPECT_TRUE(shownFrame(3));
    MouseDownAt(ScreenOf(w, Middle(close->Rect)));
    ASSERT_TRUE(PumpUntil([&] { return close->State == ncsPressed; }));
    EXPECT_TRUE(shownFrame(2));

    // Off the button and released over another one: nothing happens.
    MoveMouseTo(ScreenOf(w, Middle(minimise->Rect)));
    EXPECT_EQ(skin->HotObject(), minimise);
    EXPECT_EQ(close->State, ncsNormal);
    MouseUpAt(ScreenOf(w, Middle(minimise->Rect)));
    PumpIdle();
    EXPECT_EQ(form->Closes, 0);
    EXPECT_FALSE(IsIconic(w));

    // Back over the button: the hot look, not the pressed one.
    MoveMouseTo(ScreenOf(w, Middle(close->Rect)));
    ASSERT_TRUE(PumpUntil([&] { return skin->HotObject() == close; }));
    EXPECT_EQ(close->State, ncsHot);

    // Off the frame: the mouse-leave timer puts the normal look back.
    MouseAway();
    ASSERT_TRUE(PumpUntil([&] { return skin->HotObject() == nullptr; }));
    EXPECT_EQ(close->State, ncsNormal);
    EXPECT_TRUE(shownFrame(1));

    // Pressed and released over it: the window closes (hides).
    ClickAt(ScreenOf(w, Middle(close->Rect)));
    ASSERT_TRUE(PumpUntil([&] { return form->Closes == 1; }));
    ASSERT_TRUE(PumpUntil([&] { return !IsWindowVisible(w); }));
}

TEST_F(WinSkinFormTest, CaptionButtonsMaximiseRestoreAndMinimise)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable);
    TWinSkinForm* skin = ShowSkinned(*form);
    HWND w = form->Handle();
    ClickAt(ScreenOf(w, Middle(ButtonWithAction(*skin, caMaximize)->Rect)));
    ASSERT_TRUE(PumpUntil([&] { return IsZoomed(w) != FALSE; }));
    PumpIdle();
    TWinSysButton* restore = ButtonWithAction(*skin, caMaximize);
    ASSERT_NE(restore, nullptr);
    EXPECT_EQ(restore->Object.Name, "BUTTON2");
    ClickAt(ScreenOf(w, Middle(restore->Rect)));
    ASSERT_TRUE(PumpUntil([&] { return !IsZoomed(w); }));
    PumpIdle();
    ClickAt(ScreenOf(w, Middle(ButtonWithAction(*skin, caMinimize)->Rect)));
    ASSERT_TRUE(PumpUntil([&] { return IsIconic(w) != FALSE; }));
    EXPECT_EQ(skin->WindowState(), fwsMinimized);
    // A minimised window has its caption-button styles back for the system.
    EXPECT_TRUE(GetWindowLongPtrW(w, GWL_STYLE) & WS_SYSMENU);
    ShowWindow(w, SW_RESTORE);
    ASSERT_TRUE(PumpUntil([&] { return !IsIconic(w) && skin->WindowState() == fwsNormal; }));
    PumpIdle();
    EXPECT_FALSE(GetWindowLongPtrW(w, GWL_STYLE) & WS_SYSMENU);
}

TEST_F(WinSkinFormTest, DoubleClicksOnTheFrameMaximiseAndRestore)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable);
    TWinSkinForm* skin = ShowSkinned(*form);
    HWND w = form->Handle();
    // Anywhere in the non-client area: here the bottom border.
    RECT r;
    GetWindowRect(w, &r);
    LPARAM const at = MAKELPARAM(r.left + 160, r.bottom - 4);
    PostMessageW(w, WM_NCLBUTTONDBLCLK, HTBORDER, at);
    ASSERT_TRUE(PumpUntil([&] { return IsZoomed(w) != FALSE; }));
    PumpIdle();
    PostMessageW(w, WM_NCLBUTTONDBLCLK, HTCAPTION, at);
    ASSERT_TRUE(PumpUntil([&] { return !IsZoomed(w) && skin->WindowState() == fwsNormal; }));
}

TEST_F(WinSkinFormTest, AMaximisedWindowIsNotDraggedByItsCaption)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable);
    TWinSkinForm* skin = ShowSkinned(*form);
    HWND w = form->Handle();
    auto drag = [&](int dx) {
        RECT before;
        GetWindowRect(w, &before);
        POINT const from = ScreenOf(w, {160, 25});
        POINT const to {from.x + dx, from.y + 10};
        MoveMouseTo(from);
        // The whole drag is queued before the system's move loop reads it.
        SendMouseInput(MOUSEEVENTF_LEFTDOWN, from);
        SendMouseInput(0, {from.x + dx / 2, from.y + 5});
        SendMouseInput(0, to);
        SendMouseInput(MOUSEEVENTF_LEFTUP, to);
        RunSoon([&] { SendMouseInput(MOUSEEVENTF_LEFTUP, to); }, 3000); // never stay in the loop
        PumpIdle();
        CancelSoon();
        RECT after;
        GetWindowRect(w, &after);
        return POINT {after.left - before.left, after.top - before.top};
    };
    // A normal window drags over the whole skinned caption height.
    EXPECT_EQ(SendMessageW(w, WM_NCHITTEST, 0, MAKELPARAM(ScreenOf(w, {160, 40}).x, ScreenOf(w, {160, 40}).y)), HTCAPTION);
    POINT moved = drag(40);
    EXPECT_EQ(moved.x, 40);
    EXPECT_EQ(moved.y, 10);

    SendMessageW(w, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    ASSERT_TRUE(PumpUntil([&] { return skin->WindowState() == fwsMaximized; }));
    PumpIdle();
    moved = drag(40);
    EXPECT_EQ(moved.x, 0);
    EXPECT_EQ(moved.y, 0);
    EXPECT_TRUE(IsZoomed(w));
}

TEST_F(WinSkinFormTest, ADoubleRightClickOnTheCaptionCloses)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable);
    ShowSkinned(*form);
    HWND w = form->Handle();
    POINT const caption = ScreenOf(w, {160, 25});
    LPARAM const at = MAKELPARAM(caption.x, caption.y);
    // The first right-click opens the skinned system menu; a second one
    // within the double-click time closes the window instead.
    bool menuShown = false;
    RunSoon([&] {
        HWND menu = FindWindowW(L"#32768", nullptr);
        menuShown = menu && IsWindowVisible(menu) && SkinManager->IsSkinnedPopup(menu);
        EndMenu();
        PostMessageW(w, WM_NCRBUTTONDOWN, HTCAPTION, at);
    }, 100);
    PostMessageW(w, WM_NCRBUTTONDOWN, HTCAPTION, at);
    ASSERT_TRUE(PumpUntil([&] { return form->Closes == 1; }));
    EXPECT_TRUE(menuShown);
}

TEST_F(WinSkinFormTest, TheSkinnedSystemMenuActsOnTheWindow)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable);
    TWinSkinForm* skin = ShowSkinned(*form);
    TPopupMenu* menu = skin->SkinnedSystemMenu();
    ASSERT_NE(menu, nullptr);
    TMenuItem& items = menu->Items();
    ASSERT_EQ(items.Count(), 5);
    const wchar_t* captions[] = {L" Restore ", L" Maximize ", L" Minimize ", L"-", L" Close "};
    int const tags[] = {0, 1, 2, 100, 3};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(items.Items(i)->Caption(), captions[i]);
        EXPECT_EQ(items.Items(i)->Tag(), tags[i]);
    }
    EXPECT_EQ(items.Items(4)->ShortCut(), scShift | VK_F4);
    EXPECT_EQ(ShortCutToText(items.Items(4)->ShortCut()), L"Shift+F4");

    // Shown at the caption: items enabled by the window state; choosing
    // Maximize maximises.
    HWND w = form->Handle();
    bool restoreEnabled = true, maximiseEnabled = false;
    RunSoon([&] {
        restoreEnabled = items.Items(0)->Enabled();
        maximiseEnabled = items.Items(1)->Enabled();
        EndMenu();
    }, 100);
    skin->ShowSystemMenu(ScreenOf(w, {160, 25}).x, ScreenOf(w, {160, 25}).y);
    EXPECT_FALSE(restoreEnabled);
    EXPECT_TRUE(maximiseEnabled);
    items.Items(1)->Click();
    ASSERT_TRUE(PumpUntil([&] { return IsZoomed(w) != FALSE; }));
    // Restore stays disabled until the menu is shown again for the
    // maximised window; its click does what the item would.
    EXPECT_FALSE(items.Items(0)->Enabled());
    skin->SystemMenuClick(items.Items(0)->Tag());
    ASSERT_TRUE(PumpUntil([&] { return !IsZoomed(w); }));
    items.Items(4)->Click();
    ASSERT_TRUE(PumpUntil([&] { return form->Closes == 1; }));
}

TEST_F(WinSkinFormTest, CommandsOfTheSystemsOwnMenuComeBackAsSystemCommands)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable);
    ShowSkinned(*form);
    HWND w = form->Handle();
    // Without xcSystemMenu the window's own system menu is shown, and its
    // commands arrive as WM_COMMAND.
    SendMessageW(w, WM_COMMAND, SC_MAXIMIZE, 0);
    ASSERT_TRUE(PumpUntil([&] { return IsZoomed(w) != FALSE; }));
    SendMessageW(w, WM_COMMAND, SC_RESTORE, 0);
    ASSERT_TRUE(PumpUntil([&] { return !IsZoomed(w); }));

    Skin().SetSkinControls(Skin().SkinControls() & ~SkinControlBit(xcSystemMenu));
    HMENU shown = nullptr;
    RunSoon([&] {
        HWND menu = FindWindowW(L"#32768", nullptr);
        shown = menu ? reinterpret_cast<HMENU>(SendMessageW(menu, MN_GETHMENU, 0, 0)) : nullptr;
        EndMenu();
    }, 100);
    SkinOf(w)->ShowSystemMenu(ScreenOf(w, {160, 25}).x, ScreenOf(w, {160, 25}).y);
    Skin().SetSkinControls(DefaultSkinControls);
    EXPECT_EQ(shown, GetSystemMenu(w, FALSE));
}

TEST_F(WinSkinFormTest, ACaptionChangeShowsAtOnce)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable, 300, 200, L"Before");
    TWinSkinForm* skin = ShowSkinned(*form);
    EXPECT_EQ(skin->Text(), L"Before");
    RECT const before = skin->CaptionTextRect();
    form->SetCaption(L"A much longer caption than before");
    EXPECT_EQ(skin->Text(), L"A much longer caption than before");
    PumpIdle();
    EXPECT_GT(skin->CaptionTextRect().right, before.right);
}

TEST_F(WinSkinFormTest, TheIconShowsWithoutAPinkFringeAndWindowsWithoutOneBorrowIt)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable);
    form->Icon().LoadFromFile(L"app.ico");
    TWinSkinForm* skin = ShowSkinned(*form);
    TBitmap& icon = skin->IconBitmap();
    ASSERT_EQ(icon.Width(), GetSystemMetrics(SM_CXSMICON));
    int key = 0, other = 0;
    for (int y = 0; y < icon.Height(); ++y)
        for (int x = 0; x < icon.Width(); ++x) {
            COLORREF const c = GetPixel(icon.Canvas().Handle(), x, y);
            if (c == RGB(255, 0, 255)) {
                ++key;
                continue;
            }
            ++other;
            // Nothing half-way to fuchsia: no pink fringe.
            EXPECT_FALSE(GetRValue(c) > 160 && GetBValue(c) > 160 && GetGValue(c) < 100) << x << "," << y;
        }
    EXPECT_GT(key, 0);
    EXPECT_GT(other, 0);
    EXPECT_FALSE(Skin().StoredIcon.Empty());

    // A window without an icon shows the stored one.
    TBenchForm* plain = MakeForm(TFormBorderStyle::bsSizeable, 200, 100, L"No icon");
    plain->SetLeft(600);
    TWinSkinForm* plainSkin = ShowSkinned(*plain);
    ASSERT_FALSE(SendMessageW(plain->Handle(), WM_GETICON, ICON_SMALL, 0));
    for (int y = 0; y < icon.Height(); ++y)
        for (int x = 0; x < icon.Width(); ++x)
            ASSERT_EQ(GetPixel(plainSkin->IconBitmap().Canvas().Handle(), x, y),
                      GetPixel(Skin().StoredIcon.Canvas().Handle(), x, y));
}

TEST_F(WinSkinFormTest, UnskinningGivesTheWindowBackAsItWas)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable);
    AddFileMenu(*form, L"E&xit");
    form->HandleNeeded();
    HWND w = form->Handle();
    HMENU const ownMenu = GetMenu(w);
    ASSERT_NE(ownMenu, nullptr);
    RECT ownClient;
    GetClientRect(w, &ownClient);
    LONG_PTR const ownStyle = GetWindowLongPtrW(w, GWL_STYLE);
    LONG_PTR const ownProc = GetWindowLongPtrW(w, GWLP_WNDPROC);

    TWinSkinForm* skin = ShowSkinned(*form);
    ASSERT_NE(skin, nullptr);
    // The menu is drawn in the skinned frame's menu strip.
    EXPECT_EQ(GetMenu(w), nullptr);
    ASSERT_NE(skin->MenuBar(), nullptr);
    EXPECT_EQ(skin->FrameSizes().MenuBar, GetSystemMetrics(SM_CYMENU));
    RECT client;
    GetClientRect(w, &client);
    EXPECT_EQ(client.right, ownClient.right);
    EXPECT_EQ(client.bottom, ownClient.bottom);
    POINT origin {0, 0};
    ClientToScreen(w, &origin);
    RECT outer;
    GetWindowRect(w, &outer);
    EXPECT_EQ(origin.y - outer.top, kCaption + GetSystemMetrics(SM_CYMENU));
    auto shot = Shot(w);
    SaveScreenshot(*shot, "skin-frame-menu");

    // Stopping takes the skin off every window.
    Skin().SetActive(false);
    ASSERT_TRUE(PumpUntil([&] { return SkinOf(w) == nullptr; }));
    EXPECT_FALSE(SkinManager->Skinning());
    EXPECT_EQ(GetMenu(w), ownMenu);
    EXPECT_EQ(GetWindowLongPtrW(w, GWL_STYLE) & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX),
              ownStyle & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    EXPECT_EQ(GetWindowLongPtrW(w, GWLP_WNDPROC), ownProc);
    EXPECT_NE(SendMessageW(w, WM_SKINQUERY, 0, 0), 1);
    GetClientRect(w, &client);
    EXPECT_EQ(client.right, ownClient.right);
    EXPECT_EQ(client.bottom, ownClient.bottom);
    TOwnedRegion region(CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(GetWindowRgn(w, region.Get()), ERROR);
    EXPECT_EQ(form->Color(), clBtnFace);
    // The form's own handling is back: its caption changes without the skin.
    form->SetCaption(L"Unskinned");
    EXPECT_EQ(form->Caption(), L"Unskinned");

    // And starting again skins it anew.
    Skin().SetActive(true);
    ASSERT_TRUE(PumpUntil([&] { return SkinOf(w) && SkinOf(w)->SkinState() == ssSkinned; }));
    EXPECT_EQ(GetMenu(w), nullptr);
}

TEST_F(WinSkinFormTest, TheMenuStripOpensItsItemsAndTheirCommandsReachTheForm)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable);
    TMenuItem* open = AddFileMenu(*form, L"&Open");
    int opened = 0;
    open->OnClick = [&](TObject*) { ++opened; };
    TWinSkinForm* skin = ShowSkinned(*form);
    TWinSkinMenu* bar = skin->MenuBar();
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->Items().size(), 1u);
    EXPECT_EQ(bar->Items()[0]->Caption, L"&File");
    EXPECT_EQ(bar->FindAccelerator(L'f'), bar->Items()[0].get());
    // Clicking the item opens its popup below it; choosing an item runs it.
    HWND w = form->Handle();
    RunSoon([&] {
        HWND popup = FindWindowW(L"#32768", nullptr);
        ASSERT_NE(popup, nullptr);
        PostMessageW(popup, WM_KEYDOWN, VK_DOWN, 0);
        PostMessageW(popup, WM_KEYDOWN, VK_RETURN, 0);
    }, 150);
    RunSoon([] { EndMenu(); }, 3000);
    ClickAt(ScreenOf(w, Middle(bar->Items()[0]->Rect)));
    ASSERT_TRUE(PumpUntil([&] { return opened == 1; }));
    // The menu key alone does not enter the system's keyboard menu mode.
    EXPECT_EQ(SendMessageW(w, WM_SYSCOMMAND, SC_KEYMENU, 0), 1);
}

// While a menu-strip popup is open its window is destroyed, or the skin is
// taken off it, and the action timer ticks inside the popup's loop: the
// strip and its form skinning object outlive the loop, then go.
TEST_F(WinSkinFormTest, AMenuStripPopupOutlivesItsWindowAndItsSkin)
{
    for (bool const destroy : {true, false}) {
        SCOPED_TRACE(destroy ? "window destroyed" : "skin taken off");
        TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable);
        AddFileMenu(*form, L"&Open");
        TWinSkinForm* skin = ShowSkinned(*form);
        ASSERT_TRUE(skin && skin->MenuBar());
        HWND const w = form->Handle();
        bool acted = false, ended = false, heldInLoop = false;
        RunSoon([&] {
            ASSERT_NE(FindWindowW(L"#32768", nullptr), nullptr);
            if (destroy) {
                m_forms.erase(std::find(m_forms.begin(), m_forms.end(), form));
                delete form; // no pumping here: the popup's loop runs
            } else
                Skin().SetActive(false);
            acted = true;
        }, 150);
        // Long enough for the clean-up or the stop to come due inside the loop.
        RunSoon([&] {
            // Let go of its window, but kept while its handler's loop runs.
            heldInLoop = Held(skin) && skin->SkinState() == ssDetached;
            ended = true;
            EndMenu();
        }, 900);
        ClickAt(ScreenOf(w, Middle(skin->MenuBar()->Items()[0]->Rect)));
        ASSERT_TRUE(PumpUntil([&] { return acted && ended; }));
        // (A destroyed owner ends the popup's loop before the clean-up is due.)
        if (!destroy) {
            EXPECT_TRUE(heldInLoop);
        }
        ASSERT_TRUE(PumpUntil([&] { return !Held(skin); }));
        EXPECT_FALSE(SkinManager->MenuActive());
        if (!destroy) {
            EXPECT_NE(GetMenu(w), nullptr); // the menu bar went back to the window
            Skin().SetActive(true);
            ASSERT_TRUE(PumpUntil([&] { return !SkinManager->ActionTimerRunning(); }));
            FreeForm(form);
        }
    }
}

} // namespace tandrel::test
