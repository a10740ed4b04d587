// Bitmaps, icons, canvases and colours: loading untrusted files and drawing.

#include "framework/controls/HelperWindow.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/GdiObjects.h"
#include "framework/graphics/Icon.h"
#include "framework/graphics/Picture.h"
#include "framework/core/Streams.h"
#include "framework/core/SysUtils.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

namespace tandrel::test {

namespace {

std::vector<std::uint8_t> Save(TBitmap& bitmap)
{
    TMemoryStream stream;
    bitmap.SaveToStream(stream);
    return stream.Bytes();
}

void Put32(std::vector<std::uint8_t>& b, size_t at, std::uint32_t v) { std::memcpy(b.data() + at, &v, 4); }
void Put16(std::vector<std::uint8_t>& b, size_t at, std::uint16_t v) { std::memcpy(b.data() + at, &v, 2); }

// Loading must fail with a clear error and leave the bitmap as it was.
void ExpectRejected(const std::vector<std::uint8_t>& bytes, const std::string& why)
{
    TBitmap bitmap(3, 2);
    try {
        bitmap.LoadFromBytes(bytes.data(), bytes.size());
        ADD_FAILURE() << "accepted: " << why;
    } catch (const EInvalidGraphic& e) {
        EXPECT_NE(std::string(e.what()).find("Bitmap image is not valid"), std::string::npos) << e.what();
    }
    EXPECT_EQ(bitmap.Width(), 3) << why;
}

std::vector<std::uint8_t> ReadFile(const std::wstring& name)
{
    TFileStream f(name, TFileStream::TMode::fmOpenRead);
    return f.ReadRest();
}

} // namespace

TEST(Bitmap, EveryPixelFormatSurvivesASaveAndLoad)
{
    for (TPixelFormat format : {TPixelFormat::pf1bit, TPixelFormat::pf4bit, TPixelFormat::pf8bit, TPixelFormat::pf15bit,
                                TPixelFormat::pf16bit, TPixelFormat::pf24bit, TPixelFormat::pf32bit}) {
        TBitmap source(13, 7, format);
        source.Canvas().Brush().SetColor(clBlack);
        source.Canvas().FillRect({2, 1, 9, 5});
        auto bytes = Save(source);
        TBitmap loaded;
        loaded.LoadFromBytes(bytes.data(), bytes.size());
        EXPECT_EQ(loaded.PixelFormat(), format) << BitsPerPixel(format);
        ASSERT_EQ(loaded.Width(), 13);
        ASSERT_EQ(loaded.Height(), 7);
        EXPECT_EQ(PixelOf(loaded, 0, 0), RGB(255, 255, 255)) << BitsPerPixel(format);
        EXPECT_EQ(PixelOf(loaded, 2, 1), RGB(0, 0, 0)) << BitsPerPixel(format);
        EXPECT_EQ(PixelOf(loaded, 8, 4), RGB(0, 0, 0)) << BitsPerPixel(format);
        EXPECT_EQ(PixelOf(loaded, 9, 5), RGB(255, 255, 255)) << BitsPerPixel(format);
    }
}

TEST(Bitmap, TopDownRowsAreReadTopFirst)
{
    TBitmap source(4, 3);
    source.Canvas().SetPixel(1, 0, clRed);
    auto bytes = Save(source);
    // Turn the file top-down: negative height, rows reversed.
    const size_t offset = bytes[10] | bytes[11] << 8;
    const size_t stride = 12;
    Put32(bytes, 22, static_cast<std::uint32_t>(-3));
    std::vector<std::uint8_t> rows(bytes.begin() + static_cast<long>(offset), bytes.end());
    for (size_t y = 0; y < 3; ++y)
        std::memcpy(bytes.data() + offset + y * stride, rows.data() + (2 - y) * stride, stride);
    TBitmap loaded;
    loaded.LoadFromBytes(bytes.data(), bytes.size());
    EXPECT_EQ(PixelOf(loaded, 1, 0), RGB(255, 0, 0));
    EXPECT_EQ(PixelOf(loaded, 1, 2), RGB(255, 255, 255));
}

TEST(Bitmap, MalformedFilesAreRejectedWithoutReadingPastTheData)
{
    TBitmap good(5, 4, TPixelFormat::pf8bit);
    const auto valid = Save(good);

    ExpectRejected({}, "empty");
    ExpectRejected(std::vector<std::uint8_t>(valid.begin(), valid.begin() + 20), "header cut short");
    auto b = valid;
    b[0] = 'X';
    ExpectRejected(b, "no signature");
    // One 32-bit field of the headers set to a value no sound file has.
    struct TBadField {
        std::size_t Offset;
        std::uint32_t Value;
        const char* What;
    };
    for (const TBadField& bad : {TBadField {18, 0, "zero width"}, TBadField {18, 0x7FFFFFFF, "absurd width"},
                                 TBadField {22, 0x80000000u, "most negative height"},
                                 TBadField {30, 1, "run-length compression"},
                                 TBadField {46, 300, "palette larger than 8 bits allow"},
                                 TBadField {10, static_cast<std::uint32_t>(valid.size()), "pixel offset at the end"},
                                 TBadField {14, 2000, "header larger than the file"}}) {
        b = valid;
        Put32(b, bad.Offset, bad.Value);
        ExpectRejected(b, bad.What);
    }
    b = valid;
    Put16(b, 28, 7);
    ExpectRejected(b, "bit depth 7");
    ExpectRejected(std::vector<std::uint8_t>(valid.begin(), valid.end() - 1), "pixels cut short");
    TBitmap wide(2, 2, TPixelFormat::pf32bit);
    auto w = Save(wide);
    Put32(w, 30, 3);  // bit fields, but the 40-byte header has no room for masks before the pixels
    w.resize(14 + 40 + 4);
    ExpectRejected(w, "masks cut short");
}

TEST(Bitmap, TransparentColourIsTheBottomLeftPixelUnlessGiven)
{
    TBitmap b(4, 4);
    b.Canvas().SetPixel(0, 3, clFuchsia);
    EXPECT_EQ(ColorToRGB(b.TransparentColor()), RGB(255, 0, 255));
    b.SetTransparentColor(clLime);
    EXPECT_EQ(b.TransparentColor(), clLime);
}

TEST(Icon, LoadsTheBestImageForTheIconSize)
{
    TIcon icon;
    icon.LoadFromFile(L"mouse.ico");
    EXPECT_FALSE(icon.Empty());
    EXPECT_EQ(icon.Width(), GetSystemMetrics(SM_CXICON));
    HICON small = icon.CreateHandleOfSize(16);
    ASSERT_NE(small, nullptr);
    DestroyIcon(small);
}

TEST(Icon, MissingFileNamesTheFullPathAndTheReason)
{
    TIcon icon;
    try {
        icon.LoadFromFile(L"no-such-icon.ico");
        ADD_FAILURE() << "loaded a missing file";
    } catch (const EFOpenError& e) {
        std::string text = e.what();
        EXPECT_NE(text.find(WideToUtf8(ExpandFileName(L"no-such-icon.ico"))), std::string::npos) << text;
        EXPECT_NE(text.find(SysErrorMessage(ERROR_FILE_NOT_FOUND)), std::string::npos) << text;
    }
}

TEST(Icon, MalformedFilesAreRejected)
{
    const auto valid = ReadFile(L"mouse.ico");
    auto reject = [](std::vector<std::uint8_t> bytes, const char* why) {
        TIcon icon;
        EXPECT_THROW(icon.LoadFromBytes(std::move(bytes)), EInvalidGraphic) << why;
        EXPECT_TRUE(icon.Empty()) << why;
    };
    reject({}, "empty");
    reject({0, 0, 1, 0, 0, 0}, "no images");
    reject({0, 0, 2, 0, 1, 0}, "cursor, not icon");
    reject(std::vector<std::uint8_t>(valid.begin(), valid.begin() + 30), "directory cut short");
    auto b = valid;
    Put32(b, 6 + 12, 0x7FFFFFF0u);
    reject(b, "image offset past the end");
    b = valid;
    Put32(b, 6 + 8, 0xFFFFFFF0u);
    reject(b, "image size past the end");
    b = valid;
    const std::uint32_t first = b[18] | b[19] << 8 | b[20] << 16 | static_cast<std::uint32_t>(b[21]) << 24;
    Put32(b, first + 8, 4000);
    reject(b, "image taller than its data");
    reject(std::vector<std::uint8_t>(valid.begin(), valid.end() - 100), "last image cut short");
}

TEST(Picture, HoldsABitmapOrAnIconFromStoredData)
{
    TPicture picture;
    TBitmap b(6, 5);
    picture.ReadBinaryData("TBitmap", Save(b));
    EXPECT_EQ(picture.Width(), 6);
    EXPECT_NE(dynamic_cast<TBitmap*>(picture.Graphic()), nullptr);
    picture.ReadBinaryData("TIcon", ReadFile(L"mouse.ico"));
    EXPECT_NE(dynamic_cast<TIcon*>(picture.Graphic()), nullptr);
    EXPECT_THROW(picture.ReadBinaryData("TMetafile", {1, 2}), EInvalidGraphic);
}

TEST(Canvas, UnbindingPutsTheDeviceContextBackAsItWas)
{
    TBitmap target(10, 10);
    HDC dc = target.Canvas().Handle();
    TCanvas canvas;
    HGDIOBJ font = GetCurrentObject(dc, OBJ_FONT);
    HGDIOBJ brush = GetCurrentObject(dc, OBJ_BRUSH);
    COLORREF text = GetTextColor(dc);
    canvas.SetHandle(dc);
    canvas.Font().SetColor(clRed);
    canvas.Brush().SetColor(clBlue);
    canvas.TextOut(0, 0, L"x");
    canvas.FillRect({0, 0, 2, 2});
    canvas.SetHandle(nullptr);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), brush);
    EXPECT_EQ(GetTextColor(dc), text);
    EXPECT_EQ(PixelOf(target, 1, 1), RGB(0, 0, 255));
}

TEST(Canvas, ChangingAFontWhileSelectedFreesTheOldOne)
{
    const int before = LiveGdiObjects(TGdiKind::Font);
    {
        TBitmap target(10, 10);
        TCanvas& canvas = target.Canvas();
        for (int size = 8; size < 40; ++size) {
            canvas.Font().SetHeight(-size);
            canvas.TextOut(0, 0, L"A");
        }
    }
    EXPECT_EQ(LiveGdiObjects(TGdiKind::Font), before);
}

TEST(Colours, NamesNumbersAndSystemColours)
{
    EXPECT_EQ(StringToColor("clNavy"), std::optional<TColor>(0x800000));
    EXPECT_EQ(StringToColor("clbtnface"), std::optional<TColor>(0xFF00000F));
    EXPECT_EQ(StringToColor("$0000FF"), std::optional<TColor>(255));
    EXPECT_EQ(StringToColor("8388608"), std::optional<TColor>(clNavy));
    EXPECT_FALSE(StringToColor("clPlaid"));
    EXPECT_FALSE(StringToColor("12x"));
    EXPECT_EQ(ColorToRGB(clBtnFace), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(ColorToRGB(0x00123456), 0x00123456u);
}

TEST(Colours, BrushesFollowAChangeOfTheSystemColours)
{
    TBrush brush;
    brush.SetColor(clBtnFace);
    TBitmap target(2, 2);
    brush.Handle();  // resolved with the current colours
    {
        TClassicColours classic;
        SystemColoursChanged();
        RECT all {0, 0, 2, 2};
        FillRect(target.Canvas().Handle(), &all, brush.Handle());
        GdiFlush();
        EXPECT_EQ(PixelOf(target, 0, 0), RGB(212, 208, 200));
    }
    SystemColoursChanged();
}

namespace {

// Counts the ticks a timer's window hears, each first given to the timer's
// Tick, as an owner does.
struct TTicking : TWindowMessageTarget {
    TWindowTimer Timer;
    int Ticks = 0;
    int Owed = 0;
    bool WindowMessage(UINT msg, WPARAM, LPARAM, LRESULT& result) override
    {
        if (msg != WM_TIMER)
            return false;
        (Timer.Tick() ? Ticks : Owed)++;
        result = 0;
        return true;
    }
};

} // namespace

TEST(WindowTimer, StoppedAtTheNextTickItGoesThenOrRunsOnWhenStartedFirst)
{
    TTicking ticking;
    TOwnedWindow window(
        CreateHelperWindow(L"TWindowTimerTest", TargetWindowProc, THelperWindowKind::hwMessageOnly, "the timer's window"));
    BindWindowTarget(window.Get(), &ticking);
    TWindowTimer& timer = ticking.Timer;

    // Stopped and started again before a tick: it runs on and ticks as before.
    timer.Start(window.Get(), 7, 10);
    timer.StopAtNextTick();
    EXPECT_FALSE(timer.Running());
    timer.Start(window.Get(), 7, 10);
    EXPECT_TRUE(timer.Running());
    ASSERT_TRUE(PumpUntil([&] { return ticking.Ticks >= 2; }));
    EXPECT_EQ(ticking.Owed, 0);

    // Left stopped: the one tick owed does nothing and ends the system's timer.
    timer.StopAtNextTick();
    ASSERT_TRUE(PumpUntil([&] { return ticking.Owed == 1; }));
    int const ticks = ticking.Ticks;
    EXPECT_FALSE(timer.Running());
    EXPECT_FALSE(KillTimer(window.Get(), 7));
    // Started after that, it sets a timer anew.
    timer.Start(window.Get(), 7, 10);
    ASSERT_TRUE(PumpUntil([&] { return ticking.Ticks > ticks; }));
    timer.Stop();
    EXPECT_FALSE(KillTimer(window.Get(), 7));
    EXPECT_EQ(ticking.Owed, 1);
    BindWindowTarget(window.Get(), nullptr);
}

} // namespace tandrel::test
