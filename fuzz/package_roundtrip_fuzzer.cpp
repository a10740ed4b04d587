// Arbitrary bytes as a decoded package: the packer's encoder must produce a
// stream that decodes back to exactly those bytes, and the reader must take
// the result apart without reading outside it.

#include "skin/package/LZH.h"
#include "tools/skinpack/LZHEncoder.h"
#include "skin/package/SkinReader.h"

#include <algorithm>
#include <cstdlib>

// Keeps the reads of entry bytes from being optimised away.
volatile unsigned Sink;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::span<const std::uint8_t> const package(data, size);
    std::vector<std::uint8_t> const stream = TLZHEncoder::Compress(package);
    auto const coded = std::span<const std::uint8_t>(stream).subspan(4);
    std::vector<std::uint8_t> const decoded = TLZH().Decode(static_cast<std::int32_t>(size), coded);
    if (decoded.size() != size || !std::equal(decoded.begin(), decoded.end(), data))
        std::abort();

    TSkinReader reader;
    try {
        if (!reader.LoadPackage(stream))
            return 0;
    } catch (const ESkinPackageException&) {
        return 0;
    }
    // Every entry lies inside the package: touch all of it.
    std::size_t total = 0;
    unsigned sum = 0;
    for (std::size_t i = 0; i < reader.Count(); ++i) {
        for (std::uint8_t b : reader.Entry(i))
            sum += b;
        total += reader.Entry(i).size();
    }
    if (total > size)
        std::abort();
    Sink = sum;
    return 0;
}
