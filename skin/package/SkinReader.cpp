#include "skin/package/SkinReader.h"

#include "skin/package/LZH.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::size_t HeaderSize = 16;

// Only A..Z: names are byte strings, not text in some code page.
char LowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::int32_t ReadInt32(const std::uint8_t* p)
{
    return static_cast<std::int32_t>(std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16
                                     | std::uint32_t(p[3]) << 24);
}

std::string Quoted(std::string_view name)
{
    std::string text = "\"";
    for (char c : name) {
        auto const byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            static constexpr char hex[] = "0123456789abcdef";
            text += "\\x";
            text += hex[byte >> 4];
            text += hex[byte & 15];
        } else {
            text += c;
        }
    }
    return text + "\"";
}

[[noreturn]] void Fail(const std::string& what)
{
    throw ESkinPackageException("Skin package : " + what);
}

// Calls `line(begin, end)` for each line of the name list. Lines end at CR,
// LF or CR LF; a break after the last line adds no empty line.
template<class TLine>
void SplitLines(const std::uint8_t* text, std::size_t length, TLine line)
{
    std::size_t i = 0;
    while (i < length) {
        std::size_t const begin = i;
        while (i < length && text[i] != '\r' && text[i] != '\n')
            ++i;
        line(begin, i);
        if (i < length && text[i] == '\r')
            ++i;
        if (i < length && text[i] == '\n')
            ++i;
    }
}

} // namespace

bool TSkinReader::LoadPackage(std::span<const std::uint8_t> stream)
{
    m_header = {};
    m_package.clear();
    m_entries.clear();

    // A stream shorter than its size field reads the missing bytes as 0.
    std::uint8_t sizeField[4] = {};
    if (!stream.empty())
        std::memcpy(sizeField, stream.data(), std::min<std::size_t>(stream.size(), 4));
    std::int32_t const size = ReadInt32(sizeField);
    std::vector<std::uint8_t> package = TLZH().Decode(size, stream.subspan(std::min<std::size_t>(stream.size(), 4)));

    // A package too short for its header leaves the rest of it at zero.
    std::uint8_t headerBytes[HeaderSize] = {};
    if (!package.empty())
        std::memcpy(headerBytes, package.data(), std::min(package.size(), HeaderSize));
    TSkinPackageHeader header;
    header.Version = ReadInt32(headerBytes);
    header.NameListLength = ReadInt32(headerBytes + 4);
    header.Reserved1 = ReadInt32(headerBytes + 8);
    header.Reserved2 = ReadInt32(headerBytes + 12);
    if (header.Version != PackageVersion) {
        m_header = header;
        ShowMessage(OlderSkinMessage);
        return false;
    }
    if (package.size() < HeaderSize)
        Fail(std::to_string(package.size()) + " bytes cannot hold the 16-byte header");

    m_entries = ReadEntries(package, header.NameListLength);
    m_package = std::move(package);
    m_header = header;
    return true;
}

std::vector<TSkinReader::TEntry> TSkinReader::ReadEntries(std::vector<std::uint8_t>& package,
                                                           std::int32_t nameListLength)
{
    // The decoded size is at most TLZH::MaxDecodedSize, so every offset below
    // fits 32 bits; sums of entry sizes are kept in 64.
    std::size_t const total = package.size();
    if (nameListLength < 0 || static_cast<std::size_t>(nameListLength) > total - HeaderSize)
        Fail("the name list of " + std::to_string(nameListLength) + " bytes does not fit the "
             + std::to_string(total) + "-byte package");
    std::size_t const namesEnd = HeaderSize + static_cast<std::size_t>(nameListLength);
    std::uint8_t* const names = package.data() + HeaderSize;
    for (std::size_t i = 0; i < static_cast<std::size_t>(nameListLength); ++i)
        names[i] = static_cast<std::uint8_t>(LowerAscii(static_cast<char>(names[i])));

    // Count first: the size table must be there before anything is allocated.
    std::size_t count = 0;
    SplitLines(names, static_cast<std::size_t>(nameListLength), [&](std::size_t, std::size_t) { ++count; });
    if (count > (total - namesEnd) / 4)
        Fail("the size table of " + std::to_string(count) + " entries runs past the end of the "
             + std::to_string(total) + "-byte package");
    std::size_t const dataStart = namesEnd + 4 * count;
    std::size_t const dataLength = total - dataStart;

    std::vector<TEntry> entries;
    entries.reserve(count);
    std::uint64_t offset = 0;
    SplitLines(names, static_cast<std::size_t>(nameListLength), [&](std::size_t begin, std::size_t end) {
        std::uint32_t const size =
            static_cast<std::uint32_t>(ReadInt32(package.data() + namesEnd + 4 * entries.size()));
        if (offset + size > dataLength) {
            std::string_view const name(reinterpret_cast<const char*>(names) + begin, end - begin);
            Fail("entry " + Quoted(name) + " of " + std::to_string(size) + " bytes at offset "
                 + std::to_string(offset) + " runs past the end of the " + std::to_string(dataLength)
                 + " bytes of entry data");
        }
        entries.push_back({ static_cast<std::uint32_t>(HeaderSize + begin), static_cast<std::uint32_t>(end - begin),
                            static_cast<std::uint32_t>(dataStart + offset), size });
        offset += size;
    });
    return entries;
}

bool TSkinReader::ExtractEntry(std::string_view name, std::vector<std::uint8_t>& destination) const
{
    destination.clear();
    std::string key(name);
    std::transform(key.begin(), key.end(), key.begin(), LowerAscii);
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        if (Name(i) == key) {
            auto const bytes = Entry(i);
            destination.assign(bytes.begin(), bytes.end());
            return true;
        }
    }
    return false;
}

bool TSkinReader::ExtractEntryContaining(std::string_view pattern, std::vector<std::uint8_t>& destination,
                                         std::string& name) const
{
    destination.clear();
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        if (Name(i).find(pattern) != std::string_view::npos) {
            auto const bytes = Entry(i);
            destination.assign(bytes.begin(), bytes.end());
            name = Name(i);
            return true;
        }
    }
    return false;
}

std::string_view TSkinReader::Name(std::size_t index) const
{
    TEntry const& entry = m_entries.at(index);
    return { reinterpret_cast<const char*>(m_package.data()) + entry.NameOffset, entry.NameLength };
}

std::span<const std::uint8_t> TSkinReader::Entry(std::size_t index) const
{
    TEntry const& entry = m_entries.at(index);
    return { m_package.data() + entry.DataOffset, entry.Size };
}

void TSkinReader::ShowMessage(std::string_view text) const
{
    if (OnShowMessage)
        OnShowMessage(std::string(text));
}
