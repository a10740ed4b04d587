#pragma once

// Reader of compressed skin packages: an archive of named entries (the
// skin's bitmaps and its ini description). Plain C++: no Win32.

#include <cstdint>
#include <functional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// A decoded skin package whose layout is inconsistent.
class ESkinPackageException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The 16 bytes at the start of a decoded package.
struct TSkinPackageHeader {
    std::int32_t Version = 0;
    std::int32_t NameListLength = 0;
    std::int32_t Reserved1 = 0; // written by packers, never read
    std::int32_t Reserved2 = 0;
};

// Decompresses one skin package and hands out its entries by name.
class TSkinReader final {
public:
    static constexpr std::int32_t PackageVersion = 20000;
    static constexpr std::string_view OlderSkinMessage = "This is Older Skin File\rPlease update to new version !";

    // Tells the user something; the Win32 side shows it in a message box.
    std::function<void(const std::string&)> OnShowMessage;

    // Reads a compressed skin stream (4-byte decoded size, then the coded
    // bits). Returns false, after showing OlderSkinMessage, when the package
    // is not version 20000 (an empty one included). Throws ElzhException or
    // ESkinPackageException for a stream that cannot be a skin package.
    bool LoadPackage(std::span<const std::uint8_t> stream);

    // Replaces `destination` with the first entry named `name`, compared
    // without regard to ASCII case. Leaves it empty when nothing matches.
    bool ExtractEntry(std::string_view name, std::vector<std::uint8_t>& destination) const;

    // Replaces `destination` with the first entry whose name contains
    // `pattern` (taken as given: names are lower case) and sets `name` to the
    // entry's name. When nothing matches, `destination` is left empty and
    // `name` unchanged.
    bool ExtractEntryContaining(std::string_view pattern, std::vector<std::uint8_t>& destination,
                                std::string& name) const;

    const TSkinPackageHeader& Header() const { return m_header; }
    std::size_t Count() const { return m_entries.size(); }
    std::string_view Name(std::size_t index) const;
    std::span<const std::uint8_t> Entry(std::size_t index) const;

private:
    // Offsets into m_package: the names are the lower-cased name list text.
    struct TEntry {
        std::uint32_t NameOffset;
        std::uint32_t NameLength;
        std::uint32_t DataOffset;
        std::uint32_t Size;
    };

    void ShowMessage(std::string_view text) const;
    static std::vector<TEntry> ReadEntries(std::vector<std::uint8_t>& package, std::int32_t nameListLength);

    TSkinPackageHeader m_header;
    std::vector<std::uint8_t> m_package;
    std::vector<TEntry> m_entries;
};
