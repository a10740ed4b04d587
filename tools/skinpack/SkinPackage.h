#pragma once

// Writing skin packages, and the pieces of the packer that need no files.

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

class TSkinReader;

// Something the packer cannot turn into a valid package.
class ESkinPackError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TPackEntry {
    std::string Name;
    std::vector<std::uint8_t> Data;
};

// The decoded package: version 20000, names lower-cased and sorted, each
// followed by CR LF, then the sizes and the data in name order. Rejects
// names with CR or LF, names equal after lower-casing, and packages larger
// than the reader accepts.
std::vector<std::uint8_t> BuildPackage(std::vector<TPackEntry> entries);

// The form-definition property layout: a 4-byte length, then the stream.
std::vector<std::uint8_t> WrapProperty(std::span<const std::uint8_t> stream);

// The stream inside a property; empty when the property stores no skin
// (length <= 0). Throws ESkinPackError when the length does not match.
std::span<const std::uint8_t> UnwrapProperty(std::span<const std::uint8_t> property);

// A file name for an entry that stays inside the target folder on Linux and
// Windows alike: separators, device names, control characters and the like
// are replaced. Returns the name unchanged when it is already safe.
std::string SafeFileName(std::string_view entryName);

// The file names `skinpack unpack` writes the reader's entries to: safe,
// and distinct even where entry names repeat or differ only in case.
std::vector<std::string> UnpackFileNames(const TSkinReader& reader);

// An entry name for display, with control characters escaped as \xHH.
std::string PrintableName(std::string_view name);
