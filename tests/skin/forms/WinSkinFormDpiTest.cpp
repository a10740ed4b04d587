// A skinned frame at the window's density: borders, caption strip, caption
// buttons, caption text and the window's shape grow with it, and a window
// moved to a screen of another density is skinned again at that density.

#include "tests/skin/forms/SkinFormFixture.h"

#include "framework/graphics/GdiObjects.h"

#include <string>
#include <vector>

namespace tandrel::test {

namespace {

// What the frame measures on the screen.
struct TFrameMeasure {
    TFrameSizes Sizes;
    long long ButtonArea = 0; // of the shown caption buttons
    std::vector<RECT> Buttons;
    long long CutArea = 0;    // of the window, left out of its region
    int TextHeight = 0;       // of the caption text rectangle
    SIZE Client {};
};

long long RegionArea(HWND window)
{
    TOwnedRegion region(CreateRectRgn(0, 0, 0, 0));
    if (GetWindowRgn(window, region.Get()) == ERROR)
        return -1;
    DWORD const size = GetRegionData(region.Get(), 0, nullptr);
    std::vector<std::uint8_t> data(size);
    GetRegionData(region.Get(), size, reinterpret_cast<RGNDATA*>(data.data()));
    const auto* header = reinterpret_cast<const RGNDATAHEADER*>(data.data());
    const auto* rects = reinterpret_cast<const RECT*>(data.data() + header->dwSize);
    long long area = 0;
    for (DWORD i = 0; i < header->nCount; ++i)
        area += static_cast<long long>(rects[i].right - rects[i].left) * (rects[i].bottom - rects[i].top);
    return area;
}

TFrameMeasure Measure(TWinSkinForm& skin)
{
    TFrameMeasure m;
    m.Sizes = skin.FrameSizes();
    for (const auto& button : skin.CaptionButtons())
        if (button->Enabled && !button->Object.Bitmap.Empty()) {
            RECT const& r = button->Rect;
            m.Buttons.push_back(r);
            m.ButtonArea += static_cast<long long>(r.right - r.left) * (r.bottom - r.top);
        }
    RECT window {};
    GetWindowRect(skin.Handle(), &window);
    m.CutArea = static_cast<long long>(window.right - window.left) * (window.bottom - window.top) -
                RegionArea(skin.Handle());
    m.TextHeight = skin.CaptionTextRect().bottom - skin.CaptionTextRect().top;
    RECT client {};
    GetClientRect(skin.Handle(), &client);
    m.Client = {client.right, client.bottom};
    return m;
}

// Lengths within a pixel of dpi / 96 times theirs; areas within a tenth of
// its square times theirs (rounding at each edge counts for more in small
// areas).
void ExpectScaledFrame(const TFrameMeasure& scaled, const TFrameMeasure& at96, int dpi)
{
    double const f = dpi / 96.0;
    EXPECT_NEAR(scaled.Sizes.Left, at96.Sizes.Left * f, 1) << dpi;
    EXPECT_NEAR(scaled.Sizes.Caption, at96.Sizes.Caption * f, 1) << dpi;
    EXPECT_NEAR(scaled.Sizes.Right, at96.Sizes.Right * f, 1) << dpi;
    EXPECT_NEAR(scaled.Sizes.Bottom, at96.Sizes.Bottom * f, 1) << dpi;
    ASSERT_EQ(scaled.Buttons.size(), at96.Buttons.size());
    ASSERT_GT(at96.ButtonArea, 0);
    EXPECT_NEAR(static_cast<double>(scaled.ButtonArea) / at96.ButtonArea, f * f, 0.1 * f * f) << dpi;
    ASSERT_GT(at96.CutArea, 0) << "the skin cuts nothing away";
    EXPECT_NEAR(static_cast<double>(scaled.CutArea) / at96.CutArea, f * f, 0.1 * f * f) << dpi;
    EXPECT_NEAR(static_cast<double>(scaled.TextHeight) / at96.TextHeight, f, 0.2 * f) << dpi;
}

// The figures, for the test's record.
std::string Figures(const TFrameMeasure& m)
{
    return "frame " + std::to_string(m.Sizes.Left) + "/" + std::to_string(m.Sizes.Caption) + "/" +
           std::to_string(m.Sizes.Right) + "/" + std::to_string(m.Sizes.Bottom) + " buttons " +
           std::to_string(m.ButtonArea) + " cut " + std::to_string(m.CutArea) + " text " +
           std::to_string(m.TextHeight);
}

bool SameRect(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }

} // namespace

class WinSkinFormDpiTest : public TSkinFormTest {};

TEST_F(WinSkinFormDpiTest, AtEachDensityTheFrameCoversTheSquareOfItsScale)
{
    TFrameMeasure at96;
    {
        TPinnedDpi const pinned(96);
        TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable);
        TWinSkinForm* skin = ShowSkinned(*form);
        ASSERT_NE(skin, nullptr);
        EXPECT_EQ(skin->Dpi(), 96);
        at96 = Measure(*skin);
        EXPECT_EQ(at96.Sizes, (TFrameSizes {kLeft, kCaption, kRight, kBottom, 0}));
        RecordProperty("at96", Figures(at96));
        FreeForm(form);
    }
    for (int const dpi : {120, 192}) {
        TPinnedDpi const pinned(dpi);
        TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable);
        TWinSkinForm* skin = ShowSkinned(*form);
        ASSERT_NE(skin, nullptr);
        TFrameMeasure const scaled = Measure(*skin);
        ExpectScaledFrame(scaled, at96, dpi);
        RecordProperty("at" + std::to_string(dpi), Figures(scaled));
        FreeForm(form);
    }
    TPinnedDpi const pinned(144);
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable);
    TWinSkinForm* skin = ShowSkinned(*form);
    ASSERT_NE(skin, nullptr);
    EXPECT_EQ(skin->Dpi(), 144);
    TFrameMeasure const at144 = Measure(*skin);
    ExpectScaledFrame(at144, at96, 144);
    RecordProperty("at144", Figures(at144));
    // The client area the form asked for is kept inside the larger frame.
    EXPECT_EQ(at144.Client.cx, 300);
    EXPECT_EQ(at144.Client.cy, 200);

    RECT window {};
    GetWindowRect(form->Handle(), &window);
    TBackdrop const backdrop({window.left - 20, window.top - 20, window.right + 20, window.bottom + 20},
                             RGB(0, 160, 0));
    SetWindowPos(form->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    RedrawWindow(form->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpIdle();
    auto const shot = Shot(form->Handle());
    SaveScreenshot(*shot, "skinned-form-144dpi");
    // The key colour is cut away or drawn over: none of it reaches the screen.
    EXPECT_EQ(CountPixels(*shot, {0, 0, shot->Width(), shot->Height()}, RGB(255, 0, 255)), 0);
}

TEST_F(WinSkinFormDpiTest, AWindowMovedToAnotherDensityIsSkinnedAgainThereAndBackToThePixel)
{
    TPinnedDpi pinned(96);
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable);
    TWinSkinForm* skin = ShowSkinned(*form);
    ASSERT_NE(skin, nullptr);
    HWND const w = form->Handle();
    TFrameMeasure const at96 = Measure(*skin);
    RECT before {};
    GetWindowRect(w, &before);
    int const builds = skin->RegionBuilds();

    RECT suggested {before.left, before.top, before.left + (before.right - before.left) * 3 / 2,
                    before.top + (before.bottom - before.top) * 3 / 2};
    {
        TPinnedDpi const moved(144);
        SendMessageW(w, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
        PumpIdle();
        EXPECT_EQ(skin->Dpi(), 144);
        EXPECT_EQ(form->PixelsPerInch(), 144);
        RECT now {};
        GetWindowRect(w, &now);
        EXPECT_TRUE(SameRect(now, suggested));
        EXPECT_GT(skin->RegionBuilds(), builds);
        ExpectScaledFrame(Measure(*skin), at96, 144);
        // The caption's icon is made again at the window's small-icon size.
        EXPECT_EQ(skin->IconBitmap().Width(), 24);

        RECT back = before;
        SendMessageW(w, WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&back));
        PumpIdle();
    }
    EXPECT_EQ(skin->Dpi(), 96);
    TFrameMeasure const again = Measure(*skin);
    EXPECT_EQ(again.Sizes, at96.Sizes);
    EXPECT_EQ(again.CutArea, at96.CutArea);
    EXPECT_EQ(again.TextHeight, at96.TextHeight);
    EXPECT_EQ(skin->IconBitmap().Width(), GetSystemMetrics(SM_CXSMICON));
    ASSERT_EQ(again.Buttons.size(), at96.Buttons.size());
    for (size_t i = 0; i < again.Buttons.size(); ++i)
        EXPECT_TRUE(SameRect(again.Buttons[i], at96.Buttons[i])) << i;
    RECT now {};
    GetWindowRect(w, &now);
    EXPECT_TRUE(SameRect(now, before));
}

} // namespace tandrel::test
