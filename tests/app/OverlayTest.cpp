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
    HWND w = Form4->Handle();
    RECT outer;
    GetWindowRect(w, &outer);
    RECT around = outer;
    InflateRect(&around, 20, 20);
    const COLORREF green = RGB(0, 200, 0);
    // A plain backdrop first, so the overlay appears over it.
    TBackdrop backdrop(around, green);
    PumpIdle();
    StartRunning();

    auto shot = CaptureScreen(around);
    SaveScreenshot(*shot, "overlay");
    int visible = 0, black = 0, white = 0, other = 0;
    RECT box {LONG_MAX, LONG_MAX, LONG_MIN, LONG_MIN};
    for (int y = 0; y < shot->Height(); ++y)
        for (int x = 0; x < shot->Width(); ++x) {
            COLORREF c = PixelOf(*shot, x, y);
            if (c == green)
                continue;
            ++visible;
            black += c == RGB(0, 0, 0);
            white += c == RGB(255, 255, 255);
            other += c != RGB(0, 0, 0) && c != RGB(255, 255, 255);
            box = {std::min<LONG>(box.left, x), std::min<LONG>(box.top, y), std::max<LONG>(box.right, x + 1),
                   std::max<LONG>(box.bottom, y + 1)};
        }
    EXPECT_EQ(visible, 126);
    EXPECT_EQ(black, 53);
    EXPECT_EQ(white, 73);
    EXPECT_EQ(other, 0);
    // The tip sits where the picture puts it, inside the client area.
    POINT client = Form4->ClientOrigin();
    EXPECT_EQ(box.left + around.left, client.x + 56);
    EXPECT_EQ(box.top + around.top, client.y + 48);
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
    // Runs may reach past the window; only what lies inside it shows.
    TOwnedRegion window(CreateRectRgn(0, 0, outer.right - outer.left, outer.bottom - outer.top));
    TOwnedRegion shown(CreateRectRgn(0, 0, 0, 0));
    CombineRgn(shown.Get(), region.Get(), window.Get(), RGN_AND);
    RECT box;
    GetRgnBox(shown.Get(), &box);
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
