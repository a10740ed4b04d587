// Arbitrary skin descriptions with arbitrary images, packed into a skin
// package and checked the way the engine loads them: the package reader,
// the description reader and the reading steps with the image checker must
// never crash, hang or read out of bounds, whatever they are given.
//
// Input: the description text up to the first NUL byte; after it, images as
// chunks of a 2-byte little-endian length and that many bytes, stored as
// "0.bmp", "1.bmp" and so on.

#include "tools/skinpack/LZHEncoder.h"
#include "skin/geometry/SkinGeometry.h"
#include "skin/description/SkinIni.h"
#include "tools/skinpack/SkinPackage.h"
#include "skin/package/SkinReader.h"
#include "tools/skinpack/SkinVerify.h"

#include <cstdlib>
#include <string>
#include <string_view>

using namespace tandrel;

namespace {

void CheckIniText(std::string_view text)
{
    TSkinIniText const ini(text);
    std::size_t listed = 1;
    for (const auto& name : ini.SectionNames()) {
        listed += name.size() + 1;
        if (name.empty())
            std::abort(); // nameless sections are never listed
        for (std::string_view key : { "Image", "ButtonImage", "frame", "", "=" }) {
            auto const value = ini.Value(name, key);
            if (value && value->size() > MaxSkinIniValue)
                std::abort();
        }
    }
    if (listed > SkinIniSectionListSize)
        std::abort();
    TSkinIni const typed(ini);
    (void)typed.ReadInteger("Personality", "LeftFrame", 1);
    (void)typed.ReadColour("Colours", "ButtonFace", 0);
    (void)ParseColourTriple(text.substr(0, 64));
    (void)ParseSkinInteger(text.substr(0, 16));
}

void CheckGeometry(std::string_view text)
{
    // A few numbers from the text drive the piece arithmetic.
    int n[8] = {};
    for (std::size_t i = 0; i < 8 && i < text.size(); ++i)
        n[i] = static_cast<signed char>(text[i]) * 37;
    TSkinRect const frame = SkinFrameRect(n[0], n[1], n[2], n[3], n[4] & 1 ? TFrameLayout::flVertical
                                                                        : TFrameLayout::flHorizontal);
    for (const auto& piece : NineSlicePieces(frame, n[5], n[6], { n[7], n[2], n[3], n[4] }))
        if (piece.Source.Left < frame.Left || piece.Source.Right > frame.Right || piece.Source.Top < frame.Top
            || piece.Source.Bottom > frame.Bottom)
            std::abort();
    if (SkinBarPieces(frame, n[5], n[6], n[7], n[2]).size() > static_cast<std::size_t>(std::max(0, n[5])) + 2)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view const input(reinterpret_cast<const char*>(data), size);
    std::size_t const end = input.find('\0');
    std::string_view const description = input.substr(0, end);
    CheckIniText(description);
    CheckGeometry(description);

    std::vector<TPackEntry> entries;
    entries.push_back({ "skin.ini", { description.begin(), description.end() } });
    std::size_t at = end == std::string_view::npos ? size : end + 1;
    while (at + 2 <= size && entries.size() < 9) {
        std::size_t const length = std::min<std::size_t>(data[at] | data[at + 1] << 8, size - at - 2);
        entries.push_back({ std::to_string(entries.size() - 1) + ".bmp",
                            std::vector<std::uint8_t>(data + at + 2, data + at + 2 + length) });
        at += 2 + length;
    }

    TSkinReader reader;
    if (!reader.LoadPackage(TLZHEncoder::Compress(BuildPackage(std::move(entries)))))
        std::abort();
    TSkinReport const report = VerifySkin(reader);
    if (report.Description != "skin.ini")
        std::abort();
    return 0;
}
