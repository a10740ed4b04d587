// Arbitrary bytes as a compressed skin stream: the reader must either load a
// consistent package or fail with its own exceptions, and the fast decoder
// must agree byte for byte with the classic-structured one.

#include "tests/skin/package/ClassicLzhuf.h"
#include "skin/package/LZH.h"
#include "tools/skinpack/SkinPackage.h"
#include "skin/package/SkinReader.h"

#include <cstdlib>
#include <cstring>

// Keeps the reads of entry bytes from being optimised away.
volatile unsigned Sink;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::span<const std::uint8_t> const stream(data, size);

    if (size >= 4) {
        std::int32_t declared;
        std::memcpy(&declared, data, 4);
        std::vector<std::uint8_t> fast;
        try {
            fast = TLZH().Decode(declared, stream.subspan(4));
        } catch (const ElzhException&) {
            fast.clear();
            declared = 0;
        }
        if (fast != ClassicLzhufDecode(declared, stream.subspan(4)))
            std::abort();
    }

    TSkinReader reader;
    try {
        if (!reader.LoadPackage(stream))
            return 0;
    } catch (const ElzhException&) {
        return 0;
    } catch (const ESkinPackageException&) {
        return 0;
    }

    // Touch every byte of every entry, then the lookups.
    unsigned sum = 0;
    for (std::size_t i = 0; i < reader.Count(); ++i) {
        for (char c : reader.Name(i))
            sum += static_cast<unsigned char>(c);
        for (std::uint8_t b : reader.Entry(i))
            sum += b;
    }
    std::vector<std::uint8_t> entry;
    if (reader.Count() > 0) {
        std::string const first(reader.Name(0));
        if (!reader.ExtractEntry(first, entry) || entry.size() != reader.Entry(0).size())
            std::abort();
    }
    reader.ExtractEntry("Status.bmp", entry);
    std::string name;
    reader.ExtractEntryContaining(".ini", entry, name);

    // Unpacking must give distinct, plain names for whatever the entries say.
    for (const auto& file : UnpackFileNames(reader))
        if (file.empty() || file.find_first_of("/\\:") != std::string::npos || file == "." || file == "..")
            std::abort();
    Sink = sum;
    return 0;
}
