#pragma once

// Building skin packages byte by byte, for tests that need broken ones.

#include "tools/skinpack/LZHEncoder.h"

#include <cstdint>
#include <optional>
#include <random>
#include <string_view>
#include <vector>

inline std::vector<std::uint8_t> Bytes(std::string_view text)
{
    return { text.begin(), text.end() };
}

inline void AppendInt32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

// A decoded package laid out from its parts; `nameListLength` overrides NL.
struct TRawPackage {
    std::int32_t Version = 20000;
    std::string_view Names;
    std::vector<std::uint32_t> Sizes;
    std::vector<std::uint8_t> Data;
    std::optional<std::int32_t> NameListLength;

    std::vector<std::uint8_t> Bytes() const
    {
        std::vector<std::uint8_t> out;
        AppendInt32(out, static_cast<std::uint32_t>(Version));
        AppendInt32(out, static_cast<std::uint32_t>(NameListLength.value_or(static_cast<std::int32_t>(Names.size()))));
        AppendInt32(out, 4811273);
        AppendInt32(out, 4811281);
        out.insert(out.end(), Names.begin(), Names.end());
        for (std::uint32_t size : Sizes)
            AppendInt32(out, size);
        out.insert(out.end(), Data.begin(), Data.end());
        return out;
    }

    std::vector<std::uint8_t> Stream() const { return TLZHEncoder::Compress(Bytes()); }
};

inline std::vector<std::uint8_t> RandomBytes(std::size_t count, unsigned seed, unsigned range = 256)
{
    std::mt19937 random(seed);
    std::vector<std::uint8_t> bytes(count);
    for (auto& b : bytes)
        b = static_cast<std::uint8_t>(random() % range);
    return bytes;
}
