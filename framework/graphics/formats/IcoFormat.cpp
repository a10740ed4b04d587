#include "framework/graphics/formats/IcoFormat.h"
#include "framework/graphics/formats/LittleEndian.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace tandrel::formats {

namespace {

[[noreturn]] void Fail(const std::string& what) { throw EIcoFormat("Icon image is not valid: " + what); }

void CheckDibImage(const std::uint8_t* image, std::size_t size, TIcoImage& entry)
{
    if (size < 40 || ReadU32(image) != 40)
        Fail("an image has no bitmap header");
    const std::int32_t width = static_cast<std::int32_t>(ReadU32(image + 4));
    const std::int32_t height2 = static_cast<std::int32_t>(ReadU32(image + 8));  // colour plus mask
    const std::uint16_t bits = ReadU16(image + 14);
    const std::uint32_t compression = ReadU32(image + 16);
    if (width <= 0 || width > 256 || height2 <= 0 || height2 > 512 || height2 % 2)
        Fail("an image has a bad size");
    if (compression != 0)
        Fail("an image is compressed");
    std::size_t colours = 0;
    switch (bits) {
    case 1: case 4: case 8: {
        std::uint32_t used = ReadU32(image + 32);
        colours = used ? used : (1u << bits);
        if (colours > (1u << bits))
            Fail("an image has too many palette entries");
        break;
    }
    case 16: case 24: case 32: break;
    default: Fail("an image has an unsupported bit depth");
    }
    const std::size_t height = std::size_t(height2) / 2;
    const std::size_t xorStride = ((std::size_t(width) * bits + 31) / 32) * 4;
    const std::size_t andStride = ((std::size_t(width) + 31) / 32) * 4;
    const std::size_t need = 40 + colours * 4 + xorStride * height + andStride * height;
    if (need > size)
        Fail("an image's pixels run past its data");
    entry.Width = width;
    entry.Height = static_cast<int>(height);
    entry.BitCount = bits;
}

} // namespace

std::vector<TIcoImage> ParseIco(const std::uint8_t* data, std::size_t size)
{
    if (!data || size < 6)
        Fail("the data is too short");
    if (ReadU16(data) != 0 || ReadU16(data + 2) != 1)
        Fail("not an icon file");
    const std::size_t count = ReadU16(data + 4);
    if (count == 0)
        Fail("the file holds no image");
    if (6 + count * 16 > size)
        Fail("the directory runs past the end of the data");

    std::vector<TIcoImage> images;
    images.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t* e = data + 6 + i * 16;
        TIcoImage image;
        image.Size = ReadU32(e + 8);
        image.Offset = ReadU32(e + 12);
        if (image.Offset > size || image.Size > size - image.Offset || image.Size < 8)
            Fail("image " + std::to_string(i + 1) + " lies outside the file");
        const std::uint8_t* bytes = data + image.Offset;
        static const std::uint8_t png[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
        if (std::equal(png, png + 8, bytes)) {
            image.Png = true;
            image.Width = e[0] ? e[0] : 256;
            image.Height = e[1] ? e[1] : 256;
            image.BitCount = 32;
        } else {
            CheckDibImage(bytes, image.Size, image);
        }
        images.push_back(image);
    }
    return images;
}

const TIcoImage& ChooseIcoImage(const std::vector<TIcoImage>& images, int wanted)
{
    const TIcoImage* best = &images.front();
    auto score = [wanted](const TIcoImage& im) {
        // Exact size first, then the nearest larger, then the largest smaller; colours break ties.
        long long distance = im.Width >= wanted ? im.Width - wanted : 100000LL + (wanted - im.Width);
        return distance * 64 - im.BitCount;
    };
    for (const TIcoImage& im : images)
        if (score(im) < score(*best))
            best = &im;
    return *best;
}

} // namespace tandrel::formats
