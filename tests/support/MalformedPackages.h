#pragma once

// The broken skin streams the package reader is tested with, for every
// test that must survive them as well.

#include "tests/support/SampleSkin.h"
#include "tests/support/TestPackages.h"
#include "tools/skinpack/SkinPackage.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

struct TMalformedPackage {
    const char* What;
    std::vector<std::uint8_t> Stream;
    const char* Message; // part of the reader's error; none for an older package
};

// Streams the reader refuses as older packages, with its older-skin message.
inline std::vector<TMalformedPackage> OlderPackages()
{
    TRawPackage older;
    older.Version = 19999;
    older.Names = "a\r\n";
    older.Sizes = { 0 };
    return {
        { "version 19999", older.Stream(), nullptr },
        { "size 0", { 0, 0, 0, 0 }, nullptr },
        { "size -1", { 0xFF, 0xFF, 0xFF, 0xFF, 0x12, 0x34 }, nullptr },
        { "no bytes at all", {}, nullptr },
    };
}

// Streams whose layout contradicts itself: the reader raises an error
// holding Message.
inline std::vector<TMalformedPackage> InconsistentPackages()
{
    auto make = [](std::string_view names, std::vector<std::uint32_t> sizes, std::string_view data,
                   std::optional<std::int32_t> nameListLength = std::nullopt) {
        TRawPackage raw;
        raw.Names = names;
        raw.Sizes = std::move(sizes);
        raw.Data = Bytes(data);
        raw.NameListLength = nameListLength;
        return raw.Stream();
    };
    std::vector<std::uint8_t> headerOnly = { 0x20, 0x4E, 0, 0, 0, 0, 0, 0 }; // version 20000, 8 bytes
    std::vector<std::uint8_t> tooLarge = make("a\r\n", { 1 }, "x");
    tooLarge[0] = 0xFF, tooLarge[1] = 0xFF, tooLarge[2] = 0xFF, tooLarge[3] = 0x7F;
    std::vector<std::uint8_t> truncated = TLZHEncoder::Compress(BuildPackage(MakeSampleSkin(0.2)));
    truncated.resize(200);
    return {
        { "negative name list length", make("a\r\n", { 1 }, "x", -1), "name list of -1 bytes does not fit" },
        { "name list past the end", make("a\r\n", { 1 }, "x", 1000), "name list of 1000 bytes does not fit" },
        { "size table past the end", make("a\r\nb\r\nc\r\nd\r\n", {}, "xyz"), "size table of 4 entries runs past" },
        { "entry past the data", make("a\r\nb\r\n", { 2, 3 }, "abcd"),
          "entry \"b\" of 3 bytes at offset 2 runs past the end of the 4 bytes of entry data" },
        { "sizes that wrap 32 bits", make("a\r\nb\r\n", { 0xFFFFFFFF, 2 }, "abcd"), "entry \"a\" of 4294967295 bytes" },
        { "header cut short", TLZHEncoder::Compress(headerOnly), "8 bytes cannot hold the 16-byte header" },
        { "absurd size", tooLarge, "LZH : Decompressed size 2147483647 is larger than" },
        { "size the input cannot code", truncated, "cannot come from 196 bytes" },
    };
}
