// The default skin's look: a 400 x 300 window frame, active and inactive,
// composed from its border, caption and caption-button images with the
// drawing primitives, the way the form frame lays them out, cut by the
// region of its transparent borders, and saved as a screenshot.

#include "skin/description/SkinDescription.h"
#include "skin/draw/SkinDraw.h"
#include "skin/package/SkinReader.h"
#include "tests/skin/SkinTestSupport.h"
#include "skin/data/WinSkinData.h"

#include <gtest/gtest.h>

namespace tandrel::test {

namespace {

constexpr int W = 400;
constexpr int H = 300;

struct TFrameSizes {
    int Left, Caption, Right, Bottom;
};

TFrameSizes SizesOf(TSkinSet& skin)
{
    auto frames = [](int count) { return std::max(1, count); };
    return { skin.LeftBorder->Bitmap.Width() / frames(skin.LeftBorder->FrameCount),
             skin.TopBorder->Bitmap.Height() / frames(skin.TopBorder->FrameCount),
             skin.RightBorder->Bitmap.Width() / frames(skin.RightBorder->FrameCount),
             skin.BottomBorder->Bitmap.Height() / frames(skin.BottomBorder->FrameCount) };
}

std::unique_ptr<TBitmap> Border(TDataSkinBorder& border, const RECT& rect, bool active, TFrameLayout layout)
{
    int const frame = active || border.FrameCount == 1 ? 1 : 2;
    TSkinMargins const margins { border.LeftWidth, border.TopHeight, border.RightWidth, border.BottomHeight };
    return ComposeSkinImage(rect, border.Bitmap, margins, frame, border.FrameCount,
                            border.Tile != 1 ? TMiddleFill::mfTile : TMiddleFill::mfStretch, layout);
}

void PaintBorder(HDC dc, TDataSkinBorder& border, const RECT& rect, bool active, TFrameLayout layout)
{
    auto const image = Border(border, rect, active, layout);
    BitBlt(dc, rect.left, rect.top, image->Width(), image->Height(), image->Canvas().Handle(), 0, 0, SRCCOPY);
}

// Whether a caption button's Visibility or Visibility1 value lets it show on
// a normal, sizable window with a system menu and minimise and maximise
// boxes (for such a window both values read the same).
bool Shows(int visibility, bool active)
{
    switch (visibility) {
    case 0: case 2: case 6: case 8: return true;
    case 3: return active;
    case 4: return !active;
    default: return visibility >= 200 && visibility <= 2000;
    }
}

void PaintCaption(TCanvas& canvas, TSkinSet& skin, const TFrameSizes& sizes, bool active, const std::wstring& text)
{
    RECT const area { sizes.Left, 0, W - sizes.Right, sizes.Caption };
    PaintBorder(canvas.Handle(), *skin.TopBorder, area, active, TFrameLayout::flVertical);

    NONCLIENTMETRICSW metrics {};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    canvas.Font().SetName(metrics.lfCaptionFont.lfFaceName);
    canvas.Font().SetHeight(metrics.lfCaptionFont.lfHeight);
    canvas.Font().SetStyle(metrics.lfCaptionFont.lfWeight >= FW_BOLD ? TFontStyles { fsBold } : TFontStyles { 0 });
    canvas.Brush().SetStyle(TBrushStyle::bsClear);

    auto& title = *skin.Title;
    RECT m { area.left, area.top, area.left, area.top };
    canvas.DrawText(L"   " + text, m, DT_CALCRECT | DT_NOCLIP);
    m.right += title.TXTBackleft + title.TXTBackRight;
    int const dy = (sizes.Caption - (m.bottom - m.top)) / 2 + title.TopHeight / 2;
    OffsetRect(&m, title.LeftWidth, dy);
    m.right = std::min<LONG>(m.right, area.right - title.RightWidth);
    DrawSkinBar(canvas, { m.left, area.top, m.right, area.bottom }, title.Bitmap,
                { title.TXTBackleft, 0, title.TXTBackRight, 0 }, TFrameLayout::flVertical,
                TSkinTransparency::stKeyColour, 2, active ? 1 : 2);
    m.left += title.TXTBackleft;
    m.right -= title.TXTBackRight;
    canvas.Font().SetColor(active ? skin.TitleTextActiveColour : skin.TitleTextNoActiveColour);
    canvas.DrawText(L"  " + text, m, DT_SINGLELINE | DT_END_ELLIPSIS);

    for (auto& button : skin.SysButtons) {
        if (!Shows(button->Visibility, active) || !Shows(button->Visibility1, active))
            continue;
        TBitmap* image = &button->Bitmap;
        int frames = button->FrameCount;
        TBitmap icon(GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON));
        if (IsIconAction(button->Action)) {
            // The window's small icon on the key colour.
            icon.Canvas().Brush().SetColor(clFuchsia);
            icon.Canvas().FillRect({ 0, 0, icon.Width(), icon.Height() });
            DrawIconEx(icon.Canvas().Handle(), 0, 0, LoadIconW(nullptr, IDI_APPLICATION), icon.Width(), icon.Height(), 0,
                       nullptr, DI_NORMAL);
            image = &icon;
            frames = 1;
        }
        if (image->Empty())
            continue;
        int const w = image->Width() / std::max(1, frames);
        int const x = button->Align == 1 ? W - button->Xcoord : button->Xcoord;
        int const frame = active || frames < 4 ? 1 : 4;
        DrawSkinFrame(canvas.Handle(), { x, button->Ycoord, x + w, button->Ycoord + image->Height() }, *image,
                      TSkinTransparency::stKeyColour, frames, frame);
    }
}

// The client area: a button, a check box and a radio button of the skin.
void PaintClient(TCanvas& canvas, TSkinSet& skin, const TFrameSizes& sizes)
{
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(skin.ButtonFaceColour);
    canvas.FillRect({ sizes.Left, sizes.Caption, W - sizes.Right, H - sizes.Bottom });
    int const x = sizes.Left + 24;
    int const y = sizes.Caption + 24;
    DrawSkinObject(canvas.Handle(), { x, y, x + 110, y + 28 }, skin.Buttons->FrameCount, 1, *skin.Buttons);
    canvas.Font().SetName(L"Tahoma");
    canvas.Font().SetHeight(-12);
    canvas.Font().SetColor(skin.ButtonTextColour);
    DrawCentredText(canvas, { x, y, x + 110, y + 28 }, L"&Apply", 2, TTextLook::tlEnabled);
    DrawSkinObject(canvas.Handle(), { x + 130, y, x + 240, y + 28 }, skin.Buttons->FrameCount, 4, *skin.Buttons);
    DrawCentredText(canvas, { x + 130, y, x + 240, y + 28 }, L"Pressed", 2, TTextLook::tlEnabled);

    auto glyph = [&](TBitmap& strip, int count, int frame, int top, const wchar_t* label) {
        int const side = strip.Height();
        DrawSkinFrame(canvas.Handle(), { x, top, x + side, top + side }, strip, TSkinTransparency::stKeyColour, count,
                      frame);
        RECT r { x + side + 6, top - 2, x + 200, top + side + 2 };
        canvas.DrawText(label, r, DT_SINGLELINE | DT_VCENTER);
    };
    glyph(skin.Buttons->CheckBitmap, skin.Buttons->CheckFrameCount, 2, y + 52, L"Check box, checked");
    glyph(skin.Buttons->CheckBitmap, skin.Buttons->CheckFrameCount, 1, y + 74, L"Check box");
    glyph(skin.Buttons->RadioBitmap, skin.Buttons->RadioFrameCount, 2, y + 96, L"Radio button, chosen");
}

// The window's region, as the form frame builds it: borders marked
// transparent are cut along their key-colour pixels.
TOwnedRegion FrameRegion(TSkinSet& skin, const TFrameSizes& sizes, bool active)
{
    TOwnedRegion region(CreateRectRgn(sizes.Left, sizes.Caption, W - sizes.Right, H - sizes.Bottom));
    auto add = [&](TDataSkinBorder& border, const RECT& rect, TFrameLayout layout) {
        TOwnedRegion part;
        if (border.Trans == 1) {
            auto image = Border(border, rect, active, layout);
            part = RegionFromBitmap(*image, rect.left, rect.top, clFuchsia, 1, 1, 1);
        } else {
            part.Reset(CreateRectRgn(rect.left, rect.top, rect.right, rect.bottom));
        }
        CombineRgn(region.Get(), region.Get(), part.Get(), RGN_OR);
    };
    add(*skin.LeftBorder, { 0, 0, sizes.Left, H }, TFrameLayout::flHorizontal);
    add(*skin.RightBorder, { W - sizes.Right, 0, W, H }, TFrameLayout::flHorizontal);
    add(*skin.BottomBorder, { sizes.Left, H - sizes.Bottom, W - sizes.Right, H }, TFrameLayout::flVertical);
    add(*skin.TopBorder, { sizes.Left, 0, W - sizes.Right, sizes.Caption }, TFrameLayout::flVertical);
    return region;
}

std::unique_ptr<TBitmap> ComposeWindow(TSkinSet& skin, bool active, const std::wstring& caption)
{
    TFrameSizes const sizes = SizesOf(skin);
    auto window = std::make_unique<TBitmap>(W, H, TPixelFormat::pf24bit);
    TCanvas& canvas = window->Canvas();
    PaintBorder(canvas.Handle(), *skin.LeftBorder, { 0, 0, sizes.Left, H }, active, TFrameLayout::flHorizontal);
    PaintBorder(canvas.Handle(), *skin.RightBorder, { W - sizes.Right, 0, W, H }, active, TFrameLayout::flHorizontal);
    PaintBorder(canvas.Handle(), *skin.BottomBorder, { sizes.Left, H - sizes.Bottom, W - sizes.Right, H }, active,
                TFrameLayout::flVertical);
    PaintCaption(canvas, skin, sizes, active, caption);
    PaintClient(canvas, skin, sizes);
    return window;
}

} // namespace

TEST(SkinLook, TheDefaultSkinFramesAWindow)
{
    TSkinSet skin;
    {
        auto const stream = DefaultSkinStream();
        TSkinReader reader;
        ASSERT_TRUE(reader.LoadPackage(stream));
        skin.LoadSkinDescription(reader);
    }
    TFrameSizes const sizes = SizesOf(skin);
    EXPECT_EQ(sizes.Left, 15);
    EXPECT_EQ(sizes.Caption, 46);
    EXPECT_EQ(sizes.Right, 8);
    EXPECT_EQ(sizes.Bottom, 9);

    // Both windows on a desktop-like backdrop, each cut by its region.
    COLORREF const desktop = RGB(58, 110, 165);
    auto shot = SolidBitmap(2 * W + 60, H + 40, desktop);
    std::unique_ptr<TBitmap> windows[2];
    for (int i = 0; i < 2; ++i) {
        bool const active = i == 0;
        windows[i] = ComposeWindow(skin, active, active ? L"Tandrel \u2014 active" : L"Tandrel \u2014 inactive");
        TOwnedRegion const region = FrameRegion(skin, sizes, active);
        int const left = 20 + i * (W + 20);
        OffsetRgn(region.Get(), left, 20);
        HDC const dc = shot->Canvas().Handle();
        TSaveDC const saved(dc);
        SelectClipRgn(dc, region.Get());
        BitBlt(dc, left, 20, W, H, windows[i]->Canvas().Handle(), 0, 0, SRCCOPY);
    }
    SaveScreenshot(*shot, "skin_default_frames");

    // The outer corners are cut away; the frame and client are there.
    EXPECT_EQ(PixelOf(*shot, 20, 20), desktop);
    EXPECT_EQ(PixelOf(*shot, 20 + W - 1, 20), desktop);
    EXPECT_NE(PixelOf(*shot, 20 + W / 2, 20 + 20), desktop);
    EXPECT_NE(PixelOf(*shot, 20, 20 + H / 2), desktop);
    EXPECT_EQ(PixelOf(*shot, 20 + W / 2, 20 + H - 40), ColorToRGB(skin.ButtonFaceColour));
    // The close button shows its first frame when active and its fourth when not.
    auto const& close = *skin.SysButtons[0];
    int const cx = W - close.Xcoord + close.Bitmap.Width() / close.FrameCount / 2;
    int const cy = close.Ycoord + close.Bitmap.Height() / 2;
    EXPECT_NE(PixelOf(*windows[0], cx, cy), PixelOf(*windows[1], cx, cy));
}

} // namespace tandrel::test
