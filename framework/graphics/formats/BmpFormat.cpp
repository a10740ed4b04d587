#include "framework/graphics/formats/BmpFormat.h"
#include "framework/graphics/formats/LittleEndian.h"

namespace tandrel::formats {

namespace {

[[noreturn]] void Fail(const std::string& what) { throw EBmpFormat("Bitmap image is not valid: " + what); }

constexpr std::size_t kFileHeader = 14;

} // namespace

TBmpLayout ParseBmp(const std::uint8_t* data, std::size_t size)
{
    if (!data || size < kFileHeader + 4)
        Fail("the data is too short");
    if (data[0] != 'B' || data[1] != 'M')
        Fail("no BM signature");
    const std::uint32_t offBits = ReadU32(data + 10);
    const std::uint8_t* info = data + kFileHeader;
    const std::uint32_t infoSize = ReadU32(info);
    if (infoSize < 40 || infoSize > 1024)
        Fail("unsupported header size " + std::to_string(infoSize));
    if (kFileHeader + std::size_t(infoSize) > size)
        Fail("the header runs past the end of the data");

    TBmpLayout layout;
    const std::int32_t width = ReadS32(info + 4);
    const std::int32_t height = ReadS32(info + 8);
    const std::uint16_t planes = ReadU16(info + 12);
    layout.BitCount = ReadU16(info + 14);
    const std::uint32_t compression = ReadU32(info + 16);
    std::uint32_t clrUsed = ReadU32(info + 32);

    if (planes != 1)
        Fail("plane count is not 1");
    if (width <= 0 || width > kMaxBmpSide)
        Fail("width " + std::to_string(width) + " out of range");
    if (height == 0 || height == INT32_MIN || (height < 0 ? -height : height) > kMaxBmpSide)
        Fail("height " + std::to_string(height) + " out of range");
    layout.Width = width;
    layout.Height = height < 0 ? -height : height;
    layout.TopDown = height < 0;

    switch (layout.BitCount) {
    case 1: case 4: case 8: case 16: case 24: case 32: break;
    default: Fail("unsupported bit depth " + std::to_string(layout.BitCount));
    }

    std::size_t tableStart = kFileHeader + infoSize;
    if (compression == 0) {
        layout.Compression = TBmpCompression::Rgb;
    } else if (compression == 3 && (layout.BitCount == 16 || layout.BitCount == 32)) {
        layout.Compression = TBmpCompression::BitFields;
        // Version 4 and 5 headers carry the masks; a plain 40-byte header is followed by them.
        const std::uint8_t* masks = info + 40;
        if (infoSize == 40) {
            if (tableStart + 12 > size)
                Fail("the colour masks run past the end of the data");
            tableStart += 12;
        } else if (infoSize < 52) {
            Fail("header too short for colour masks");
        }
        for (int i = 0; i < 3; ++i)
            layout.Masks[i] = ReadU32(masks + 4 * i);
        if (!layout.Masks[0] && !layout.Masks[1] && !layout.Masks[2])
            Fail("empty colour masks");
    } else {
        Fail("unsupported compression " + std::to_string(compression));
    }

    if (layout.BitCount <= 8) {
        const std::uint32_t maxColours = 1u << layout.BitCount;
        if (clrUsed == 0)
            clrUsed = maxColours;
        if (clrUsed > maxColours)
            Fail("palette larger than the bit depth allows");
        if (tableStart + std::size_t(clrUsed) * 4 > size)
            Fail("the palette runs past the end of the data");
        layout.Palette.resize(maxColours, 0);
        for (std::uint32_t i = 0; i < clrUsed; ++i)
            layout.Palette[i] = ReadU32(data + tableStart + 4 * i) & 0x00FFFFFFu;
    }

    layout.Stride = ((std::size_t(layout.Width) * layout.BitCount + 31) / 32) * 4;
    layout.PixelBytes = layout.Stride * std::size_t(layout.Height);
    if (layout.PixelBytes > kMaxBmpPixelBytes)
        Fail("the image is too large");
    layout.PixelOffset = offBits;
    if (offBits < kFileHeader + 40 || offBits > size || size - offBits < layout.PixelBytes)
        Fail("the pixel data runs past the end of the data");
    return layout;
}

} // namespace tandrel::formats
