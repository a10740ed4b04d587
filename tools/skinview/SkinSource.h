#pragma once
// What the previewer opens: a skin package file, or a skin folder (the
// description and its bitmaps) packed on the fly the way `skinpack pack`
// packs it, checked the way `skinpack verify` checks it.

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace tandrel {

// A skin that cannot be read at all; the message names the file or folder.
class ESkinSourceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TSkinSource {
    std::wstring Name;                 // the file or folder name, for titles
    std::string SkinName;              // the description's SkinName, when it has one
    std::vector<std::uint8_t> Stream;  // the compressed skin stream
    std::vector<std::string> Problems; // what a skin author should fix
    std::vector<std::string> Notes;    // worth knowing, not wrong
    std::size_t ImagesChecked = 0;
};

// Reads and checks the skin at path: a folder is packed, anything else is
// read as a skin file. Throws ESkinSourceError when there is no skin
// package to show; problems of a package that reads are in the result.
TSkinSource ReadSkinSource(const std::filesystem::path& path);

// The same checks for a stream the program already holds.
TSkinSource CheckSkinStream(std::wstring name, std::vector<std::uint8_t> stream);

} // namespace tandrel
