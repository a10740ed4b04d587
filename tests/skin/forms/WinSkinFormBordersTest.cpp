// A skinned form's borders from skins made on the spot: borders with an
// active and an inactive frame, and borders whose key colour is kept.

#include "tests/skin/forms/SkinFormFixture.h"

#include "framework/graphics/GdiObjects.h"

namespace tandrel::test {

namespace {

constexpr COLORREF kKey = RGB(255, 0, 255);

// Each side's colour in its first (active) and second (inactive) frame.
struct TSideColours {
    COLORREF Active;
    COLORREF Inactive;
};
constexpr TSideColours kLeftColours {RGB(200, 40, 40), RGB(90, 20, 20)};
constexpr TSideColours kTopColours {RGB(40, 200, 40), RGB(20, 90, 20)};
constexpr TSideColours kRightColours {RGB(40, 40, 200), RGB(20, 20, 90)};
constexpr TSideColours kBottomColours {RGB(200, 200, 40), RGB(90, 90, 20)};

// Frame sizes of the skins below: image width or height over frame count.
constexpr int kSideLeft = 6;
constexpr int kSideTop = 30;
constexpr int kSideRight = 5;
constexpr int kSideBottom = 7;
constexpr int kLength = 80; // the long side of every border image

// Left and right keep their frames side by side, top and bottom stacked.
std::vector<std::uint8_t> Upright(int frameWidth, const TSideColours& c)
{
    return BmpBytes(*PaintedBitmap(2 * frameWidth, kLength, [&](int x, int) {
        return x < frameWidth ? c.Active : c.Inactive;
    }));
}

std::vector<std::uint8_t> Lying(int frameHeight, const TSideColours& c)
{
    return BmpBytes(*PaintedBitmap(kLength, 2 * frameHeight, [&](int, int y) {
        return y < frameHeight ? c.Active : c.Inactive;
    }));
}

std::vector<std::uint8_t> TwoFrameSkin()
{
    std::string const description = "[Personality]\r\nLeft=left.bmp\r\nLeftFrame=2\r\nRight=right.bmp\r\nRightFrame=2\r\n"
                                    "Top=top.bmp\r\nTopFrame=2\r\nBottom=bottom.bmp\r\nBottomFrame=2\r\n";
    return SkinStream({{"two.ini", TextBytes(description)},
                       {"left.bmp", Upright(kSideLeft, kLeftColours)},
                       {"right.bmp", Upright(kSideRight, kRightColours)},
                       {"top.bmp", Lying(kSideTop, kTopColours)},
                       {"bottom.bmp", Lying(kSideBottom, kBottomColours)}});
}

// One frame a side. The outer two columns of the left and right images and
// the outer two rows of the top and bottom images are the key colour; only
// the top border keys it out.
std::vector<std::uint8_t> KeptKeySkin()
{
    auto upright = [](int width, COLORREF colour, bool keyOnLeft) {
        return BmpBytes(*PaintedBitmap(width, kLength, [=](int x, int) {
            bool const outer = keyOnLeft ? x < 2 : x >= width - 2;
            return outer ? kKey : colour;
        }));
    };
    auto lying = [](int height, COLORREF colour, bool keyOnTop) {
        return BmpBytes(*PaintedBitmap(kLength, height, [=](int, int y) {
            bool const outer = keyOnTop ? y < 2 : y >= height - 2;
            return outer ? kKey : colour;
        }));
    };
    std::string const description = "[Personality]\r\nLeft=left.bmp\r\nLeftTrans=0\r\nRight=right.bmp\r\nRightTrans=0\r\n"
                                    "Top=top.bmp\r\nTopTrans=1\r\nBottom=bottom.bmp\r\nBottomTrans=0\r\n";
    return SkinStream({{"kept.ini", TextBytes(description)},
                       {"left.bmp", upright(kSideLeft, kLeftColours.Active, true)},
                       {"right.bmp", upright(kSideRight, kRightColours.Active, false)},
                       {"top.bmp", lying(kSideTop, kTopColours.Active, true)},
                       {"bottom.bmp", lying(kSideBottom, kBottomColours.Active, false)}});
}

// Whether the window shows at (x, y) of its own coordinates: everywhere
// when it has no region.
bool Shows(HWND window, int x, int y)
{
    TOwnedRegion region(CreateRectRgn(0, 0, 0, 0));
    if (GetWindowRgn(window, region.Get()) == ERROR)
        return true;
    return PtInRegion(region.Get(), x, y);
}

} // namespace

class WinSkinFormBordersTest : public TSkinFormTest {
protected:
    // A form wearing its own skin from `stream`, shown and skinned.
    TWinSkinForm* ShowInOwnSkin(TBenchForm& form, const std::vector<std::uint8_t>& stream)
    {
        LoadedSkinData(&form, sfOnlyThisForm, stream);
        return ShowSkinned(form);
    }
};

TEST_F(WinSkinFormBordersTest, BordersOfTwoFramesShowTheSecondWhileTheWindowIsInactive)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable, 300, 200, L"");
    TWinSkinForm* skin = ShowInOwnSkin(*form, TwoFrameSkin());
    ASSERT_NE(skin, nullptr);
    // A frame's size is its image's over the frame count, not the whole strip.
    EXPECT_EQ(skin->FrameSizes(), (TFrameSizes {kSideLeft, kSideTop, kSideRight, kSideBottom, 0}));
    HWND const w = form->Handle();
    RECT r;
    GetWindowRect(w, &r);
    ASSERT_EQ(r.right - r.left, kSideLeft + 300 + kSideRight);
    ASSERT_EQ(r.bottom - r.top, kSideTop + 200 + kSideBottom);
    int const width = r.right - r.left;
    int const height = r.bottom - r.top;
    struct TProbe {
        const char* Side;
        POINT At;
        TSideColours Colours;
    };
    // Middles of the sides, away from corners and from the caption text.
    TProbe const probes[] = {
        {"left", {kSideLeft / 2, height / 2}, kLeftColours},
        {"top", {width / 2, kSideTop / 2}, kTopColours},
        {"right", {width - 1 - kSideRight / 2, height / 2}, kRightColours},
        {"bottom", {width / 2, height - 1 - kSideBottom / 2}, kBottomColours},
    };
    auto active = Shot(w);
    for (const auto& p : probes)
        EXPECT_EQ(PixelOf(*active, p.At.x, p.At.y), p.Colours.Active) << p.Side;

    TBenchForm* other = MakeForm(TFormBorderStyle::bsSizeable, 200, 120, L"Other");
    other->SetLeft(600);
    ShowSkinned(*other);
    ASSERT_TRUE(PumpUntil([&] { return !skin->Active(); }));
    PumpIdle();
    auto inactive = Shot(w);
    for (const auto& p : probes)
        EXPECT_EQ(PixelOf(*inactive, p.At.x, p.At.y), p.Colours.Inactive) << p.Side;

    // Active again, the first frames come back.
    SetForegroundWindow(w);
    ASSERT_TRUE(PumpUntil([&] { return skin->Active(); }));
    PumpIdle();
    auto again = Shot(w);
    for (const auto& p : probes)
        EXPECT_EQ(PixelOf(*again, p.At.x, p.At.y), p.Colours.Active) << p.Side;
    // Both looks are kept from here on; they show what was composed first.
    EXPECT_EQ(DifferingPixels(*active, *again), 0);
    SetForegroundWindow(other->Handle());
    ASSERT_TRUE(PumpUntil([&] { return !skin->Active(); }));
    PumpIdle();
    EXPECT_EQ(DifferingPixels(*inactive, *Shot(w)), 0);
}

TEST_F(WinSkinFormBordersTest, BordersWithTransZeroDrawTheKeyColourAndKeepItInTheWindow)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable, 300, 200, L"");
    TWinSkinForm* skin = ShowInOwnSkin(*form, KeptKeySkin());
    ASSERT_NE(skin, nullptr);
    HWND const w = form->Handle();
    RECT r;
    GetWindowRect(w, &r);
    int const width = r.right - r.left;
    int const height = r.bottom - r.top;
    ASSERT_EQ(width, kSideLeft + 300 + kSideRight);
    ASSERT_EQ(height, kSideTop + 200 + kSideBottom);
    auto shot = Shot(w);
    // Left, right and bottom keep their fuchsia edges, drawn as they are.
    POINT const kept[] = {{0, height / 2}, {1, height / 2}, {width - 1, height / 2}, {width - 2, height / 2},
                          {width / 2, height - 1}, {width / 2, height - 2}};
    for (POINT p : kept) {
        EXPECT_TRUE(Shows(w, p.x, p.y)) << p.x << "," << p.y;
        EXPECT_EQ(PixelOf(*shot, p.x, p.y), kKey) << p.x << "," << p.y;
    }
    // Their insides are their colour.
    EXPECT_EQ(PixelOf(*shot, kSideLeft - 1, height / 2), kLeftColours.Active);
    EXPECT_EQ(PixelOf(*shot, width - kSideRight, height / 2), kRightColours.Active);
    EXPECT_EQ(PixelOf(*shot, width / 2, height - kSideBottom), kBottomColours.Active);
    // The top border still keys its fuchsia rows out of the window.
    EXPECT_FALSE(Shows(w, width / 2, 0));
    EXPECT_FALSE(Shows(w, width / 2, 1));
    EXPECT_TRUE(Shows(w, width / 2, 2));
    EXPECT_EQ(PixelOf(*shot, width / 2, 2), kTopColours.Active);
}

} // namespace tandrel::test
