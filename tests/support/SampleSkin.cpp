#include "tests/support/SampleSkin.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

constexpr std::uint32_t KeyColour = 0xFF00FF;

void Put16(std::vector<std::uint8_t>& out, unsigned value)
{
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

std::uint32_t Mix(std::uint32_t a, std::uint32_t b, double t)
{
    std::uint32_t result = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        double const from = (a >> shift) & 0xFF;
        double const to = (b >> shift) & 0xFF;
        result |= static_cast<std::uint32_t>(std::lround(from + (to - from) * t)) << shift;
    }
    return result;
}

// Small deterministic noise, the same on every platform.
std::uint32_t Noise(int x, int y, std::uint32_t seed)
{
    std::uint32_t h = static_cast<std::uint32_t>(x) * 0x9E3779B1u ^ static_cast<std::uint32_t>(y) * 0x85EBCA77u ^ seed;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    return h;
}

std::uint32_t Grain(std::uint32_t colour, int x, int y, std::uint32_t seed)
{
    int const delta = static_cast<int>(Noise(x, y, seed) % 7) - 3;
    std::uint32_t result = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        int const c = std::clamp(static_cast<int>((colour >> shift) & 0xFF) + delta, 0, 255);
        result |= static_cast<std::uint32_t>(c) << shift;
    }
    return result;
}

enum class TStyle { Gradient, Frames, Texture, Glyphs, Border };

struct TImage {
    const char* Name;
    int Width;
    int Height;
    int Bits;
    TStyle Style;
    int Frames;
    std::uint32_t From;
    std::uint32_t To;
};

std::uint32_t Pixel(const TImage& image, int width, int x, int y)
{
    int const frameWidth = std::max(1, width / image.Frames);
    int const fx = x % frameWidth;
    int const frame = x / frameWidth;
    bool const corner = (fx + y < 2) || (frameWidth - 1 - fx + y < 2);
    switch (image.Style) {
    case TStyle::Gradient:
        if (corner)
            return KeyColour;
        return Mix(image.From, image.To, double(y) / std::max(1, image.Height - 1));
    case TStyle::Frames: {
        if (corner)
            return KeyColour;
        if (fx == 0 || y == 0)
            return 0xFFFFFF;
        if (fx == frameWidth - 1 || y == image.Height - 1)
            return 0x404040;
        double const shade = 0.15 * frame + double(y) / (2.0 * image.Height);
        return Mix(image.From, image.To, std::min(1.0, shade));
    }
    case TStyle::Texture:
        return Grain(Mix(image.From, image.To, double(x + y) / (width + image.Height)), x / 2, y / 2, image.From);
    case TStyle::Border:
        return (x + y) % 16 < 2 ? image.To : Mix(image.From, image.To, double(x) / std::max(1, width - 1));
    case TStyle::Glyphs:
        break;
    }
    // Glyph sheets: a few shapes on a key-colour background.
    int const cx = fx - frameWidth / 2;
    int const cy = y - image.Height / 2;
    int const r = std::min(frameWidth, image.Height) / 3;
    bool const ink = (frame % 3 == 0) ? cx * cx + cy * cy <= r * r
                   : (frame % 3 == 1) ? std::abs(cx) == std::abs(cy) && std::abs(cx) <= r
                                      : std::abs(cx) <= r && std::abs(cy) <= 1;
    return ink ? image.To : KeyColour;
}

// Palette of the low-depth images: a ramp between two colours, with the
// key colour at index 0.
std::vector<std::uint32_t> Palette(const TImage& image)
{
    int const count = 1 << image.Bits;
    std::vector<std::uint32_t> palette(count);
    palette[0] = KeyColour;
    for (int i = 1; i < count; ++i)
        palette[i] = Mix(image.From, image.To, double(i - 1) / std::max(1, count - 2));
    return palette;
}

std::uint32_t Nearest(const std::vector<std::uint32_t>& palette, std::uint32_t colour)
{
    if (colour == KeyColour)
        return 0;
    std::uint32_t best = 1;
    int bestDistance = 1 << 30;
    for (std::size_t i = 1; i < palette.size(); ++i) {
        int distance = 0;
        for (int shift = 0; shift < 24; shift += 8)
            distance += std::abs(static_cast<int>((palette[i] >> shift) & 0xFF) - static_cast<int>((colour >> shift) & 0xFF));
        if (distance < bestDistance) {
            bestDistance = distance;
            best = static_cast<std::uint32_t>(i);
        }
    }
    return best;
}

// clang-format off
const TImage Images[] = {
    { "ActiveCaption_Left.bmp",    30,  30, 24, TStyle::Gradient, 1, 0x1040A0, 0x80B0F0 },
    { "ActiveCaption_Center.bmp", 200,  30, 24, TStyle::Gradient, 1, 0x1040A0, 0x80B0F0 },
    { "ActiveCaption_Right.bmp",   30,  30, 24, TStyle::Gradient, 1, 0x1040A0, 0x80B0F0 },
    { "InactiveCaption.bmp",      260,  30, 24, TStyle::Gradient, 3, 0x707070, 0xC0C0C0 },
    { "LeftBorder.bmp",             8, 300, 24, TStyle::Border,   1, 0x303060, 0xA0A0D0 },
    { "RightBorder.bmp",            8, 300, 24, TStyle::Border,   1, 0x303060, 0xA0A0D0 },
    { "BottomBorder.bmp",         300,   8, 24, TStyle::Border,   1, 0x303060, 0xA0A0D0 },
    { "Background.bmp",           320, 240, 24, TStyle::Texture,  1, 0xD8D0C0, 0xF0E8E0 },
    { "Panel.bmp",                180, 120, 24, TStyle::Texture,  1, 0xC0C8D0, 0xE0E8F0 },
    { "Button.bmp",               375,  23, 24, TStyle::Frames,   5, 0xE0E0E0, 0xA0A0B0 },
    { "Button_Default.bmp",       375,  23, 16, TStyle::Frames,   5, 0xE0E8F0, 0x90A0C0 },
    { "CheckBox.bmp",             104,  13,  4, TStyle::Glyphs,   8, 0xFFFFFF, 0x000080 },
    { "Radio.bmp",                104,  13,  4, TStyle::Glyphs,   8, 0xFFFFFF, 0x000080 },
    { "Close.bmp",                 63,  21, 32, TStyle::Frames,   3, 0xE04040, 0x800000 },
    { "Maximize.bmp",              63,  21, 32, TStyle::Frames,   3, 0x4060E0, 0x102080 },
    { "Minimize.bmp",              63,  21, 32, TStyle::Frames,   3, 0x4060E0, 0x102080 },
    { "Restore.bmp",               63,  21, 32, TStyle::Frames,   3, 0x4060E0, 0x102080 },
    { "Help.bmp",                  63,  21, 32, TStyle::Frames,   3, 0x40A040, 0x106010 },
    { "SysMenu.bmp",               48,  16,  8, TStyle::Glyphs,   3, 0xFFFFFF, 0x202020 },
    { "ScrollBar_Up.bmp",          68,  17, 16, TStyle::Frames,   4, 0xD0D8E0, 0x8090A0 },
    { "ScrollBar_Down.bmp",        68,  17, 16, TStyle::Frames,   4, 0xD0D8E0, 0x8090A0 },
    { "ScrollBar_Left.bmp",        68,  17, 16, TStyle::Frames,   4, 0xD0D8E0, 0x8090A0 },
    { "ScrollBar_Right.bmp",       68,  17, 16, TStyle::Frames,   4, 0xD0D8E0, 0x8090A0 },
    { "ScrollBar_HThumb.bmp",     120,  17, 24, TStyle::Frames,   3, 0xB0C0D0, 0x607080 },
    { "ScrollBar_VThumb.bmp",      51,  60, 24, TStyle::Frames,   3, 0xB0C0D0, 0x607080 },
    { "ScrollBar_HTrack.bmp",     100,  17,  8, TStyle::Gradient, 1, 0xE8E8E8, 0xC8C8C8 },
    { "ScrollBar_VTrack.bmp",      17, 100,  8, TStyle::Border,   1, 0xE8E8E8, 0xC8C8C8 },
    { "Edit.bmp",                 120,  21, 24, TStyle::Frames,   2, 0xFFFFFF, 0xB0B0B0 },
    { "ComboBox.bmp",             160,  21, 24, TStyle::Frames,   4, 0xFFFFFF, 0x9090A0 },
    { "ComboButton.bmp",           68,  21, 16, TStyle::Frames,   4, 0xD0D8E0, 0x8090A0 },
    { "Tab.bmp",                  240,  24, 24, TStyle::Frames,   3, 0xF0F0F0, 0xA0A8B0 },
    { "TabBackground.bmp",        200,  80, 24, TStyle::Texture,  1, 0xE0E0E0, 0xF8F8F8 },
    { "Header.bmp",               180,  20, 24, TStyle::Frames,   3, 0xF0F0F0, 0xB0B0C0 },
    { "StatusBar.bmp",            300,  22, 24, TStyle::Gradient, 1, 0xD0D0D0, 0xF0F0F0 },
    { "SizeGrip.bmp",              16,  16,  4, TStyle::Glyphs,   1, 0xFFFFFF, 0x606060 },
    { "Progress.bmp",             200,  16, 24, TStyle::Gradient, 2, 0x20A020, 0x90F090 },
    { "ProgressBar.bmp",          200,  16, 16, TStyle::Frames,   1, 0xF0F0F0, 0xA0A0A0 },
    { "MenuBar.bmp",              300,  20, 24, TStyle::Gradient, 1, 0xE8ECF0, 0xC8D0D8 },
    { "MenuItem.bmp",             150,  20, 32, TStyle::Frames,   2, 0xFFFFFF, 0x3060C0 },
    { "MenuBackground.bmp",       120, 150, 24, TStyle::Texture,  1, 0xF4F4F4, 0xFFFFFF },
    { "GroupBox.bmp",              60,  60,  8, TStyle::Border,   1, 0xA0A0A0, 0xFFFFFF },
};
// clang-format on

std::string Description()
{
    std::string text = "[Skin]\r\nName=Sample\r\nAuthor=Tandrel tests\r\nVersion=1.0\r\n\r\n";
    for (const auto& image : Images) {
        std::string section = image.Name;
        section = section.substr(0, section.find('.'));
        text += "[" + section + "]\r\nImage=" + std::string(image.Name) + "\r\nFrames="
                + std::to_string(image.Frames) + "\r\nTrans=1\r\nLeft=3\r\nTop=3\r\nRight=3\r\nBottom=3\r\n"
                + "Colour=" + std::to_string(image.From) + "\r\n\r\n";
    }
    return text;
}

} // namespace

template<class TPixel>
std::vector<std::uint8_t> MakeBmp(int width, int height, int bitsPerPixel, TPixel pixel)
{
    int const paletteSize = bitsPerPixel <= 8 ? 1 << bitsPerPixel : 0;
    int const stride = ((width * bitsPerPixel + 31) / 32) * 4;
    std::uint32_t const offset = 14 + 40 + 4 * paletteSize;
    std::vector<std::uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    Put32(out, offset + static_cast<std::uint32_t>(stride * height));
    Put32(out, 0);
    Put32(out, offset);
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(width));
    Put32(out, static_cast<std::uint32_t>(height));
    Put16(out, 1);
    Put16(out, static_cast<unsigned>(bitsPerPixel));
    Put32(out, 0);
    Put32(out, static_cast<std::uint32_t>(stride * height));
    Put32(out, 2835);
    Put32(out, 2835);
    Put32(out, 0);
    Put32(out, 0);
    for (int i = 0; i < paletteSize; ++i)
        Put32(out, pixel(-1, i)); // the palette, asked for with x = -1
    for (int y = height - 1; y >= 0; --y) {
        std::size_t const rowStart = out.size();
        std::uint32_t packed = 0;
        int packedBits = 0;
        for (int x = 0; x < width; ++x) {
            std::uint32_t const value = pixel(x, y);
            switch (bitsPerPixel) {
            case 4:
            case 8:
                packed = packed << bitsPerPixel | value;
                packedBits += bitsPerPixel;
                if (packedBits == 8) {
                    out.push_back(static_cast<std::uint8_t>(packed));
                    packed = 0;
                    packedBits = 0;
                }
                break;
            case 16:
                Put16(out, ((value >> 19) & 0x1F) << 10 | ((value >> 11) & 0x1F) << 5 | ((value >> 3) & 0x1F));
                break;
            case 24:
                out.push_back(static_cast<std::uint8_t>(value));
                out.push_back(static_cast<std::uint8_t>(value >> 8));
                out.push_back(static_cast<std::uint8_t>(value >> 16));
                break;
            default:
                Put32(out, value | 0xFF000000u);
                break;
            }
        }
        if (packedBits > 0)
            out.push_back(static_cast<std::uint8_t>(packed << (8 - packedBits)));
        out.resize(rowStart + static_cast<std::size_t>(stride), 0);
    }
    return out;
}

std::vector<TPackEntry> MakeSampleSkin(double scale)
{
    std::vector<TPackEntry> entries;
    for (const auto& image : Images) {
        int const width = std::max(image.Frames, static_cast<int>(image.Width * scale));
        std::vector<std::uint32_t> const palette = image.Bits <= 8 ? Palette(image) : std::vector<std::uint32_t> {};
        auto const pixel = [&](int x, int y) -> std::uint32_t {
            if (x < 0)
                return palette[static_cast<std::size_t>(y)];
            std::uint32_t const colour = Pixel(image, width, x, y);
            return palette.empty() ? colour : Nearest(palette, colour);
        };
        entries.push_back({ image.Name, MakeBmp(width, image.Height, image.Bits, pixel) });
    }
    std::string const ini = Description();
    entries.push_back({ "Sample.ini", std::vector<std::uint8_t>(ini.begin(), ini.end()) });
    return entries;
}
