// Skin engine timings: loading the default skin (package, description, its
// bitmaps), cutting a region out of a full-width transparent border strip,
// and composing a full-width caption; the load with the images a window at
// 144 pixels per inch asks for, against 96. Medians of in-process timings.

#include "bench/support/Bench.h"
#include "skin/draw/SkinDraw.h"
#include "skin/package/SkinReader.h"
#include "skin/description/SkinSetReader.h"
#include "framework/core/Streams.h"
#include "framework/core/SysUtils.h"
#include "skin/data/WinSkinData.h"

#include <cstdio>

using namespace tandrel;
using namespace tandrel::bench;

namespace {

std::vector<std::uint8_t> DefaultSkin()
{
    TFileStream file(L"slate.skn", TFileStream::TMode::fmOpenRead);
    return file.ReadRest();
}

// A border strip like the frame's at 1920 pixels: its top `corner` rows
// cut diagonally and a key-colour dot every 7 pixels of its bottom row.
std::unique_ptr<TBitmap> BorderStrip(int width, int height)
{
    auto strip = std::make_unique<TBitmap>(width, height, TPixelFormat::pf32bit);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(strip->ScanLine(y));
        for (int x = 0; x < width; ++x) {
            bool const key = x + y < 6 || width - 1 - x + y < 6 || (y == height - 1 && x % 7 == 0);
            row[x] = key ? 0xFF00FF : 0x405060 + static_cast<std::uint32_t>((x + y) % 16);
        }
    }
    return strip;
}

// The reading steps without images: what the private-profile reads cost.
double ReadValuesMicroseconds(const TSkinReader& reader)
{
    std::vector<std::uint8_t> bytes;
    std::string name;
    reader.ExtractEntryContaining(".ini", bytes, name);
    TTempDescriptionFile const file(name, bytes);
    TNoImages images;
    return MedianMicroseconds([&] {
        // A new source each time: it keeps the sections it has read.
        TPrivateProfileSource const source(file.Path());
        TSkinIni const ini(source);
        TSkinSetOf<TNoImage> set;
        TSkinSetReader<TNoImage, TNoImages>(set, ini, images).Read();
    }, 101);
}

// What a window drawn at `dpi` asks of a loaded skin: every image at that
// density, made the first time and kept after.
void ImagesAt(TSkinSet& set, int dpi)
{
    auto const scale = [&](TBitmap& image, int frames, TFrameLayout layout) {
        set.ScaledImages.Scaled(image, std::max(1, frames), layout, dpi);
    };
    for (auto* border : {set.LeftBorder.get(), set.RightBorder.get(), set.TopBorder.get(), set.BottomBorder.get()}) {
        scale(border->Bitmap, border->FrameCount, TFrameLayout::flVertical);
        scale(border->Bitmap2, border->FrameCount, TFrameLayout::flVertical);
    }
    scale(set.Title->Bitmap, set.Title->FrameCount, TFrameLayout::flHorizontal);
    scale(set.Buttons->Bitmap, set.Buttons->FrameCount, TFrameLayout::flHorizontal);
    scale(set.Buttons->CheckBitmap, set.Buttons->CheckFrameCount, TFrameLayout::flHorizontal);
    scale(set.Buttons->RadioBitmap, set.Buttons->RadioFrameCount, TFrameLayout::flHorizontal);
    for (const auto& button : set.SysButtons)
        scale(button->Bitmap, button->FrameCount, TFrameLayout::flHorizontal);
    for (auto* object : {set.MenuBar.get(), set.MenuItem.get(), set.MenuBackground.get(), set.Scrollbar.get(),
                         set.HorzScrollThumb.get(), set.VertScrollThumb.get(), set.TrackbarThumbHorz.get()})
        if (object)
            scale(object->Bitmap, object->FrameCount, TFrameLayout::flHorizontal);
}

// The skin loaded and its images asked for at 144 pixels per inch and at 96,
// in turn: first on a fresh load (the scaled images made), then again on
// the loaded skin (kept).
void ReportDensities(const std::vector<std::uint8_t>& stream)
{
    auto const loadAt = [&](int dpi) {
        return [&stream, dpi] {
            TSkinReader reader;
            reader.LoadPackage(stream);
            TSkinSet set;
            set.LoadSkinDescription(reader);
            ImagesAt(set, dpi);
        };
    };
    ReportPairHeader("at 144", "at 96", "ms");
    auto first = InterleavedMicroseconds(loadAt(144), loadAt(96), 101, 2);
    for (TSpread* s : {&first.A, &first.B})
        *s = {s->Median / 1000, s->Low / 1000, s->High / 1000};
    ReportPair("skin load and its images, first (scaled made)", first, TPairKind::Replaced, 2);

    TSkinReader reader;
    reader.LoadPackage(stream);
    TSkinSet set;
    set.LoadSkinDescription(reader);
    ImagesAt(set, 144);
    ReportPairHeader("at 144", "at 96", "us");
    ReportPair("the loaded skin's images, later (kept)",
               InterleavedMicroseconds([&] { ImagesAt(set, 144); }, [&] { ImagesAt(set, 96); }), TPairKind::Replaced,
               2);
}

double TempFileMicroseconds(const TSkinReader& reader)
{
    std::vector<std::uint8_t> bytes;
    std::string name;
    reader.ExtractEntryContaining(".ini", bytes, name);
    return MedianMicroseconds([&] { TTempDescriptionFile const file(name, bytes); }, 101);
}

} // namespace

int main()
{
    std::vector<std::uint8_t> stream;
    try {
        stream = DefaultSkin();
    } catch (const std::exception& error) {
        std::printf("no default skin next to the benchmark: %s\n", error.what());
        return 1;
    }

    TSkinSet set;
    Report("skin load: package, description, bitmaps", MedianMicroseconds([&] {
               TSkinReader reader;
               reader.LoadPackage(stream);
               set.LoadSkinDescription(reader);
           }, 101) / 1000.0, "ms");
    TSkinReader reader;
    Report("  of which decoding the package", MedianMicroseconds([&] { reader.LoadPackage(stream); }, 101) / 1000.0,
           "ms");
    Report("  of which the description and bitmaps", MedianMicroseconds([&] { set.LoadSkinDescription(reader); }, 101)
               / 1000.0, "ms");
    Report("    of which reading the values (private profile)", ReadValuesMicroseconds(reader) / 1000.0, "ms");
    Report("    of which writing and deleting the temporary file", TempFileMicroseconds(reader) / 1000.0, "ms");

    ReportDensities(stream);

    // The caption: the Top border image at 1920 x 46, stretched and tiled.
    RECT const caption { 0, 0, 1920, 46 };
    TBitmap& top = set.TopBorder->Bitmap;
    Report("ComposeSkinImage 1920x46 caption, stretched", MedianMicroseconds([&] {
               ComposeSkinImage(caption, top, { 40, 0, 40, 0 }, 1, 1, TMiddleFill::mfStretch,
                                TFrameLayout::flVertical);
           }), "us");
    Report("ComposeSkinImage 1920x46 caption, tiled", MedianMicroseconds([&] {
               ComposeSkinImage(caption, top, { 40, 0, 40, 0 }, 1, 1, TMiddleFill::mfTile, TFrameLayout::flVertical);
           }), "us");

    // Regions: the caption strip composed from the skin, and a border strip
    // with many key-colour runs.
    auto composed = ComposeSkinImage(caption, top, { 40, 0, 40, 0 }, 1, 1, TMiddleFill::mfStretch,
                                     TFrameLayout::flVertical);
    Report("RegionFromBitmap 1920x46 caption strip", MedianMicroseconds([&] {
               RegionFromBitmap(*composed, 15, 0, clFuchsia, 1, 1, 1);
           }), "us");
    auto bottom = BorderStrip(1920, 9);
    Report("RegionFromBitmap 1920x9 border, 282 key dots", MedianMicroseconds([&] {
               RegionFromBitmap(*bottom, 15, 291, clFuchsia, 1, 1, 1);
           }), "us");
    auto tall = BorderStrip(1920, 46);
    Report("RegionFromBitmap 1920x46 border, cut corners", MedianMicroseconds([&] {
               RegionFromBitmap(*tall, 0, 0, clFuchsia, 1, 1, 1);
           }), "us");
    return 0;
}
