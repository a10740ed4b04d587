#include "skin/description/SkinIni.h"

#include <algorithm>
#include <limits>

namespace tandrel {

std::string_view SkinTrim(std::string_view text)
{
    return SkinTrimOf<char>(text);
}

namespace {

// Names and values are NUL-terminated strings on the platform side.
std::string_view UpToNul(std::string_view text)
{
    return text.substr(0, text.find('\0'));
}

// The platform keeps a key without "=" as a key without value: it matches,
// and reads as the default.
constexpr std::string_view NoValue = "\n";

} // namespace

std::string SkinLowerCase(std::string_view text)
{
    return SkinLowerCaseOf<char>(text);
}

std::string SkinUpperCase(std::string_view text)
{
    std::string result(text);
    for (char& c : result)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return result;
}

TSkinIniText::TSkinIniText(std::string_view text)
{
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    // Keys before the first section header belong to a nameless section,
    // which is never listed; later "[]" sections can never be read.
    m_sections.push_back({});
    m_index.emplace("", TNamed { 0, 1 });
    TSection* current = &m_sections.back();
    std::size_t i = 0;
    std::size_t number = 0;
    while (i < text.size()) {
        std::size_t const begin = i;
        while (i < text.size() && text[i] != '\n' && text[i] != '\r')
            ++i;
        std::string_view const line = SkinTrim(text.substr(begin, i - begin));
        // CR LF, LF or CR end a line; blank lines count too.
        ++number;
        if (i < text.size() && text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        if (i < text.size())
            ++i;
        if (line.empty())
            continue;
        auto const note = [&](const std::string& what) {
            m_notes.push_back("line " + std::to_string(number) + ": " + what);
        };

        if (line.front() == '[') {
            std::size_t const close = line.rfind(']');
            if (close != std::string_view::npos && close > 0) {
                m_sections.push_back({ std::string(UpToNul(SkinTrim(line.substr(1, close - 1)))), {}, {} });
                current = &m_sections.back();
                auto const named = m_index.try_emplace(SkinLowerCase(current->Name), TNamed { m_sections.size() - 1, 0 });
                ++named.first->second.Count;
                continue;
            }
            // Without a closing bracket the platform reads the line as a key.
            note("a section header without \"]\" is read as a key");
        }
        std::size_t const equals = line.find('=');
        std::string_view const name = UpToNul(SkinTrim(line.substr(0, equals)));
        std::string_view const value =
            equals == std::string_view::npos ? NoValue : UpToNul(SkinTrim(line.substr(equals + 1)));
        // A comment is read as a key like any line, and named by no one.
        bool const comment = line.front() == ';';
        if (equals == std::string_view::npos && line.front() != '[' && !comment)
            note("no \"=\": a key without a value");
        std::string key = SkinLowerCase(name);
        if (current->Keys.try_emplace(key, value).second) {
            if (!comment)
                current->Order.push_back(std::move(key));
        } else if (!comment) {
            note("key \"" + std::string(name) + "\" again in its section; the first is read");
        }
    }
}

std::vector<TSkinIniText::TSectionText> TSkinIniText::Sections() const
{
    std::vector<TSectionText> sections;
    for (const auto& section : m_sections) {
        if (&section == &m_sections.front() && section.Order.empty())
            continue;
        TSectionText& out = sections.emplace_back();
        out.Name = section.Name;
        for (const auto& key : section.Order) {
            std::string_view const value = section.Keys.at(key);
            out.Keys.emplace_back(key, value == NoValue ? std::nullopt
                                                        : std::optional<std::string>(ProfileStringValue<char>(value)));
        }
    }
    return sections;
}

std::vector<std::string> TSkinIniText::SectionNames() const
{
    // As the platform fills a buffer of this size: a name that does not fit
    // with its NUL is cut, and ends the list.
    std::vector<std::string> names;
    std::size_t room = SkinIniSectionListSize - 1;
    for (const auto& section : m_sections) {
        if (section.Name.empty())
            continue;
        if (section.Name.size() + 1 >= room) {
            if (room > 1)
                names.push_back(section.Name.substr(0, room - 1));
            break;
        }
        names.push_back(section.Name);
        room -= section.Name.size() + 1;
    }
    return names;
}

std::optional<std::string> TSkinIniText::Value(std::string_view section, std::string_view key) const
{
    auto const found = m_index.find(SkinLowerCase(SkinTrim(section)));
    if (found == m_index.end())
        return std::nullopt;
    const auto& keys = m_sections[found->second.First].Keys;
    auto const entry = keys.find(SkinLowerCase(SkinTrim(key)));
    if (entry == keys.end() || entry->second == NoValue)
        return std::nullopt;
    return ProfileStringValue<char>(entry->second);
}

std::size_t TSkinIniText::SectionCount(std::string_view name) const
{
    auto const found = m_index.find(SkinLowerCase(SkinTrim(name)));
    return found == m_index.end() ? 0 : found->second.Count;
}

std::optional<std::int32_t> ParseSkinInteger(std::string_view text)
{
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    unsigned base = 10;
    if (text.starts_with('$')) {
        base = 16;
        text.remove_prefix(1);
    } else if (text.starts_with("0x") || text.starts_with("0X")) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty())
        return std::nullopt;

    // Decimal must fit a signed 32-bit value; hexadecimal may use all 32 bits.
    std::uint64_t const limit = base == 16 ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
    std::uint64_t value = 0;
    for (char c : text) {
        unsigned digit;
        if (c >= '0' && c <= '9')
            digit = static_cast<unsigned>(c - '0');
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = static_cast<unsigned>(c - 'a' + 10);
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = static_cast<unsigned>(c - 'A' + 10);
        else
            return std::nullopt;
        value = value * base + digit;
        if (value > limit)
            return std::nullopt;
    }
    auto const bits = static_cast<std::uint32_t>(negative ? 0u - static_cast<std::uint32_t>(value)
                                                           : static_cast<std::uint32_t>(value));
    return static_cast<std::int32_t>(bits);
}

TSkinColour ParseColourTriple(std::string_view text)
{
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ')
        text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ')
        text.remove_suffix(1);

    std::uint32_t components[3] = {};
    int ended = 0;
    bool inNumber = false;
    bool tooLarge = false;
    std::uint64_t number = 0;
    auto end = [&] {
        // A number beyond 32 bits takes no place.
        if (!tooLarge && ended < 3)
            components[ended++] = static_cast<std::uint32_t>(number);
        inNumber = false;
        tooLarge = false;
        number = 0;
    };
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            inNumber = true;
            number = number * 10 + static_cast<unsigned>(c - '0');
            if (number > static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max())) {
                tooLarge = true;
                number = 0;
            }
        } else if (inNumber) {
            end();
        }
    }
    if (inNumber && ended == 2)
        end();
    return (components[0] & 0xFF) | (components[1] & 0xFF) << 8 | (components[2] & 0xFF) << 16;
}

bool TSkinIni::HasValue(std::string_view section, std::string_view key) const
{
    return m_source.Value(section, key).has_value();
}

std::string TSkinIni::ReadString(std::string_view section, std::string_view key, std::string_view fallback) const
{
    auto value = m_source.Value(section, key);
    return value ? std::move(*value) : std::string(fallback);
}

std::int32_t TSkinIni::ReadInteger(std::string_view section, std::string_view key, std::int32_t fallback) const
{
    auto const value = m_source.Value(section, key);
    if (!value || value->empty())
        return fallback;
    if (auto const number = ParseSkinInteger(*value))
        return *number;
    if (OnNotAnInteger)
        OnNotAnInteger(section, key, *value);
    return fallback;
}

TSkinColour TSkinIni::ReadColour(std::string_view section, std::string_view key, TSkinColour fallback) const
{
    auto const value = m_source.Value(section, key);
    if (!value || value->empty())
        return fallback;
    return ParseColourTriple(*value);
}

} // namespace tandrel
