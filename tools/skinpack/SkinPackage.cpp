#include "tools/skinpack/SkinPackage.h"

#include "skin/package/LZH.h"
#include "skin/package/SkinReader.h"

#include <algorithm>
#include <map>
#include <set>

namespace {

void AppendInt32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

char LowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string Lower(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), LowerAscii);
    return lower;
}

// Length of the UTF-8 sequence starting at `i`, or 0 when it is not one.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t i)
{
    auto const lead = static_cast<unsigned char>(text[i]);
    std::size_t length = lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 && lead < 0xE0 ? 2 : 0;
    if (length == 0 || i + length > text.size())
        return 0;
    for (std::size_t k = 1; k < length; ++k)
        if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
            return 0;
    return length;
}

bool IsDeviceName(std::string_view name)
{
    // Windows opens a device for these, whatever the extension.
    std::string const stem = Lower(name.substr(0, name.find('.')));
    static const std::set<std::string> devices = { "con", "prn", "aux", "nul", "conin$", "conout$" };
    if (devices.count(stem) > 0)
        return true;
    return stem.size() == 4 && (stem.starts_with("com") || stem.starts_with("lpt")) && stem[3] >= '0'
           && stem[3] <= '9';
}

} // namespace

std::vector<std::uint8_t> BuildPackage(std::vector<TPackEntry> entries)
{
    for (auto& entry : entries) {
        entry.Name = Lower(entry.Name);
        if (entry.Name.find_first_of("\r\n") != std::string::npos)
            throw ESkinPackError("the name " + PrintableName(entry.Name) + " holds a line break");
    }
    std::sort(entries.begin(), entries.end(), [](const TPackEntry& a, const TPackEntry& b) { return a.Name < b.Name; });
    for (std::size_t i = 1; i < entries.size(); ++i)
        if (entries[i].Name == entries[i - 1].Name)
            throw ESkinPackError("two files have the entry name " + PrintableName(entries[i].Name));

    std::string names;
    std::uint64_t total = 16;
    for (const auto& entry : entries) {
        names += entry.Name + "\r\n";
        total += entry.Name.size() + 2 + 4 + entry.Data.size();
    }
    if (total > static_cast<std::uint64_t>(TLZH::MaxDecodedSize))
        throw ESkinPackError("the package would take " + std::to_string(total) + " bytes; a skin package may take "
                             + std::to_string(TLZH::MaxDecodedSize));

    std::vector<std::uint8_t> package;
    package.reserve(static_cast<std::size_t>(total));
    AppendInt32(package, TSkinReader::PackageVersion);
    AppendInt32(package, static_cast<std::uint32_t>(names.size()));
    AppendInt32(package, 0); // reserved
    AppendInt32(package, 0);
    package.insert(package.end(), names.begin(), names.end());
    for (const auto& entry : entries)
        AppendInt32(package, static_cast<std::uint32_t>(entry.Data.size()));
    for (const auto& entry : entries)
        package.insert(package.end(), entry.Data.begin(), entry.Data.end());
    return package;
}

std::vector<std::uint8_t> WrapProperty(std::span<const std::uint8_t> stream)
{
    if (stream.size() > 0x7FFFFFFF)
        throw ESkinPackError("the stream is too long for a property");
    std::vector<std::uint8_t> property(4 + stream.size());
    auto const length = static_cast<std::uint32_t>(stream.size());
    for (int i = 0; i < 4; ++i)
        property[i] = static_cast<std::uint8_t>(length >> 8 * i);
    std::copy(stream.begin(), stream.end(), property.begin() + 4);
    return property;
}

std::span<const std::uint8_t> UnwrapProperty(std::span<const std::uint8_t> property)
{
    if (property.size() < 4)
        throw ESkinPackError("a property needs a 4-byte length, the file has " + std::to_string(property.size())
                             + " bytes");
    auto const length = static_cast<std::int32_t>(std::uint32_t(property[0]) | std::uint32_t(property[1]) << 8
                                                  | std::uint32_t(property[2]) << 16
                                                  | std::uint32_t(property[3]) << 24);
    if (length <= 0)
        return {};
    if (static_cast<std::uint64_t>(length) != property.size() - 4)
        throw ESkinPackError("the property length " + std::to_string(length) + " does not match the "
                             + std::to_string(property.size() - 4) + " bytes that follow it");
    return property.subspan(4);
}

std::string SafeFileName(std::string_view entryName)
{
    // Keep well under every file system's 255-byte limit, with room for a
    // "~N" suffix.
    constexpr std::size_t MaxLength = 200;
    std::string name;
    for (std::size_t i = 0; i < entryName.size() && name.size() < MaxLength;) {
        auto const c = static_cast<unsigned char>(entryName[i]);
        if (c >= 0x80) {
            std::size_t const length = Utf8SequenceLength(entryName, i);
            if (length == 0 || name.size() + length > MaxLength) {
                name += '_';
                ++i;
            } else {
                name.append(entryName.substr(i, length));
                i += length;
            }
            continue;
        }
        bool const reserved = c < 0x20 || c == 0x7F || std::string_view("<>:\"/\\|?*").find(char(c)) != std::string_view::npos;
        name += reserved ? '_' : char(c);
        ++i;
    }
    // Windows drops trailing dots and spaces, which would merge names.
    while (!name.empty() && (name.back() == '.' || name.back() == ' '))
        name.back() = '_';
    if (name.empty())
        name.push_back('_');
    if (IsDeviceName(name))
        name = "_" + name;
    return name;
}

std::vector<std::string> UnpackFileNames(const TSkinReader& reader)
{
    std::vector<std::string> files;
    std::set<std::string> taken; // lower-cased: Windows folders ignore case
    std::map<std::string, unsigned> nextSuffix;
    files.reserve(reader.Count());
    for (std::size_t i = 0; i < reader.Count(); ++i) {
        std::string const base = SafeFileName(reader.Name(i));
        std::string name = base;
        // Counting on from the last suffix keeps many repeats of one name linear.
        unsigned& n = nextSuffix[Lower(base)];
        while (taken.count(Lower(name)) > 0)
            name = base + "~" + std::to_string(n = std::max(n, 1u) + 1);
        taken.insert(Lower(name));
        files.push_back(std::move(name));
    }
    return files;
}

std::string PrintableName(std::string_view name)
{
    static constexpr char hex[] = "0123456789abcdef";
    std::string text;
    for (char c : name) {
        auto const byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            text += "\\x";
            text += hex[byte >> 4];
            text += hex[byte & 15];
        } else {
            text += c;
        }
    }
    return text;
}
