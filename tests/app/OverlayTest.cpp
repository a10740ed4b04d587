// The pointer overlay: its window and the region cut from its picture.

#include "tests/app/ShellFixture.h"

namespace tandrel::test {

class OverlayTest : public ShellTest {};

namespace {

// A 24-bit picture of the given rows: 'B' black, 'W' white, '.' background,
// 'n' near-white (254, 254, 254).
std::unique_ptr<TBitmap> Picture(const std::vector<std::string>& rows)
{
    auto bitmap = std::make_unique<TBitmap>(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
    for (size_t y = 0; y < rows.size(); ++y)
        for (size_t x = 0; x < rows[y].size(); ++x) {
            TColor c = rows[y][x] == 'B' ? clBlack : rows[y][x] == 'W' ? clWhite
                     : rows[y][x] == 'n' ? TColor(0xFEFEFE) : TColor(0x848600);
            bitmap->Canvas().SetPixel(static_cast<int>(x), static_cast<int>(y), c);
        }
    return bitmap;
}

std::vector<std::string> RegionRows(HRGN region, int width, int height)
{
    std::vector<std::string> rows(static_cast<size_t>(height), std::string(static_cast<size_t>(width), '.'));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (PtInRegion(region, x, y))
                rows[static_cast<size_t>(y)][static_cast<size_t>(x)] = '#';
    return rows;
}

// The part of the overlay's region inside its window, in window coordinates.
RECT ShownRegionBox()
{
    HWND w = Form4->Handle();
    TOwnedRegion region(CreateRectRgn(0, 0, 0, 0));
    if (GetWindowRgn(w, region.Get()) == ERROR)
        return {};
    RECT outer;
    GetWindowRect(w, &outer);
    // Runs may reach past the window; only what lies inside it shows.
    TOwnedRegion window(CreateRectRgn(0, 0, outer.right - outer.left, outer.bottom - outer.top));
    CombineRgn(region.Get(), region.Get(), window.Get(), RGN_AND);
    RECT box;
    GetRgnBox(region.Get(), &box);
    return box;
}

// What the screen shows of the overlay over a backdrop: the box of the
// pixels that are not the backdrop, and how many are black, white or other.
struct TOverlayShot {
    RECT Box {LONG_MAX, LONG_MAX, LONG_MIN, LONG_MIN};  // screen coordinates
    int Black = 0, White = 0, Other = 0;
};

// Starts the shell's loop with a green backdrop round the overlay, so the
// overlay appears over it, and looks at the screen there.
TOverlayShot StartAndShootOverlay(const std::string& name)
{
    const COLORREF green = RGB(0, 200, 0);
    RECT around;
    GetWindowRect(Form4->Handle(), &around);
    InflateRect(&around, 20, 20);
    TBackdrop backdrop(around, green);
    PumpIdle();
    StartUpTest::StartRunning();

    auto shot = CaptureScreen(around);
    SaveScreenshot(*shot, name);
    TOverlayShot s;
    for (int y = 0; y < shot->Height(); ++y)
        for (int x = 0; x < shot->Width(); ++x) {
            COLORREF c = PixelOf(*shot, x, y);
            if (c == green)
                continue;
            s.Black += c == RGB(0, 0, 0);
            s.White += c == RGB(255, 255, 255);
            s.Other += c != RGB(0, 0, 0) && c != RGB(255, 255, 255);
            s.Box = {std::min<LONG>(s.Box.left, around.left + x), std::min<LONG>(s.Box.top, around.top + y),
                     std::max<LONG>(s.Box.right, around.left + x + 1),
                     std::max<LONG>(s.Box.bottom, around.top + y + 1)};
        }
    return s;
}

} // namespace

TEST(OverlayRegion, CutsEveryRunOfBackgroundAndKeepsPureBlackAndWhite)
{
    auto picture = Picture({
        "......",   // no black or white: the whole row goes
        "B..W..",   // starts with black: no run until the first background pixel; run to the edge
        ".BW.n.",   // near-white counts as background
        "BWWBWB",
    });
    TOwnedRegion region = BuildOverlayRegion(6, 4, *picture);
    EXPECT_EQ(RegionRows(region.Get(), 6, 4), (std::vector<std::string> {
                                                  "......",
                                                  "#..#..",
                                                  ".##...",
                                                  "######",
                                              }));
}

TEST(OverlayRegion, LeavesTheWindowOutsideThePictureAndIgnoresRunsOutsideTheWindow)
{
    auto picture = Picture({"..B...", "..W..."});
    // Window wider than the picture but shorter: the third row keeps its pixels,
    // and the cut beyond the window's right edge changes nothing inside it.
    TOwnedRegion region = BuildOverlayRegion(8, 3, *picture);
    EXPECT_EQ(RegionRows(region.Get(), 8, 3), (std::vector<std::string> {
                                                  "..#...##",
                                                  "..#...##",
                                                  "########",
                                              }));
    TOwnedRegion narrow = BuildOverlayRegion(4, 2, *picture);
    EXPECT_EQ(RegionRows(narrow.Get(), 4, 2), (std::vector<std::string> {"..#.", "..#."}));
}

TEST_F(OverlayTest, OverlayWindowHasItsCreationParameters)
{
    HWND w = Form4->Handle();
    const LONG_PTR style = GetWindowLongPtrW(w, GWL_STYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_TRUE(style & WS_DLGFRAME);           // toggled on by the overlay itself
    EXPECT_FALSE(style & WS_BORDER);            // so it has no caption
    EXPECT_TRUE(GetWindowLongPtrW(w, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(GetWindow(w, GW_OWNER), nullptr);  // not owned by the application window
    EXPECT_EQ(Form4->ClientWidth(), 121);
    EXPECT_EQ(Form4->ClientHeight(), 110);
    EXPECT_EQ(Form4->Left(), 255);
    EXPECT_EQ(Form4->Top(), 224);
    EXPECT_EQ(Form4->Image1->Width(), 127);   // sized to its picture
    EXPECT_EQ(Form4->Image1->Height(), 115);
    EXPECT_EQ(Form4->Image1->Left(), 0);
    EXPECT_EQ(Form4->Image1->Top(), 0);
    TBitmap& picture = Form4->Image1->Picture().Bitmap();
    EXPECT_EQ(picture.PixelFormat(), TPixelFormat::pf24bit);
}

TEST_F(StartUpTest, OverlayShowsExactlyTheArrow)
{
    const TOverlayShot s = StartAndShootOverlay("overlay");
    EXPECT_EQ(s.Black, 53);
    EXPECT_EQ(s.White, 73);
    EXPECT_EQ(s.Other, 0);
    // The tip sits where the picture puts it, inside the client area.
    POINT client = Form4->ClientOrigin();
    EXPECT_EQ(s.Box.left, client.x + 56);
    EXPECT_EQ(s.Box.top, client.y + 48);
    EXPECT_EQ(s.Box.right - s.Box.left, 12);
    EXPECT_EQ(s.Box.bottom - s.Box.top, 21);
}

// Made on a screen of 144 pixels per inch, the arrow is 1.5 times as big,
// still only black and white, its region exactly its pixels; moved to a
// screen of 96 it is the stored arrow again, its tip where it was.
TEST_F(StartUpTest, OverlayArrowAndRegionFollowTheScreensDensity)
{
    StopShell();
    m_recorder.Detach();
    {
        TPinnedDpi pinned(144);
        StartApplication();
        m_recorder.Attach();
        const TOverlayShot s = StartAndShootOverlay("overlay-144dpi");
        EXPECT_EQ(s.Other, 0);
        EXPECT_NEAR(s.Black + s.White, 126 * 9 / 4, 126 * 9 / 40);
        EXPECT_NEAR(s.Box.right - s.Box.left, 18, 1);
        EXPECT_NEAR(s.Box.bottom - s.Box.top, 32, 1);
        const POINT client = Form4->ClientOrigin();
        EXPECT_EQ(s.Box.left, client.x + 84);
        EXPECT_EQ(s.Box.top, client.y + 72);
        EXPECT_EQ(Form4->Tip().x, s.Box.left);
        EXPECT_EQ(Form4->Tip().y, s.Box.top);
        // The region is the pixels seen, no more.
        RECT outer;
        GetWindowRect(Form4->Handle(), &outer);
        RECT region = ShownRegionBox();
        OffsetRect(&region, outer.left, outer.top);
        EXPECT_TRUE(EqualRect(&region, &s.Box));
    }
    const POINT tip = Form4->Tip();
    RECT outer;
    GetWindowRect(Form4->Handle(), &outer);
    // The system suggests the window's size at the new density.
    RECT suggested {outer.left, outer.top, outer.left + ScaleDpi(outer.right - outer.left, 96, 144),
                    outer.top + ScaleDpi(outer.bottom - outer.top, 96, 144)};
    SendMessageW(Form4->Handle(), WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&suggested));
    PumpIdle();
    EXPECT_EQ(Form4->Tip().x, tip.x);
    EXPECT_EQ(Form4->Tip().y, tip.y);
    const RECT box = ShownRegionBox();
    EXPECT_EQ(box.right - box.left, 12);
    EXPECT_EQ(box.bottom - box.top, 21);
}

TEST_F(OverlayTest, OverlayRegionIsTheArrowOnlyAndKeepsItAfterAMove)
{
    HWND w = Form4->Handle();
    TOwnedRegion region(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(GetWindowRgn(w, region.Get()), ERROR);
    RECT outer;
    GetWindowRect(w, &outer);
    const RECT box = ShownRegionBox();
    POINT client = Form4->ClientOrigin();
    EXPECT_EQ(box.left, client.x - outer.left + 56);
    EXPECT_EQ(box.top, client.y - outer.top + 48);
    EXPECT_EQ(box.right - box.left, 12);
    EXPECT_EQ(box.bottom - box.top, 21);

    Form4->SetLeft(Form4->Left() + 40);
    TOwnedRegion after(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(GetWindowRgn(w, after.Get()), ERROR);
    EXPECT_TRUE(EqualRgn(region.Get(), after.Get()));
}

} // namespace tandrel::test
