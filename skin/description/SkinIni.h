#pragma once

// Reading a skin description: where its values come from (the platform's
// private-profile service in the engine, TSkinIniText elsewhere) and how
// they are read as text, integers and colour triples. Plain C++: no Win32.

#include <algorithm>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tandrel {

// Colours of a skin: 0xFF0000nn names system colour nn, anything else is
// red, green and blue in the low three bytes, red lowest.
using TSkinColour = std::uint32_t;

constexpr TSkinColour SkinSystemColour(int index) { return 0xFF000000u | static_cast<TSkinColour>(index); }
constexpr bool IsSkinSystemColour(TSkinColour colour) { return (colour & 0xFF000000u) == 0xFF000000u; }

// Longest value handed out; longer ones are cut.
constexpr std::size_t MaxSkinIniValue = 2047;
// Room for the section list: names, each ended by a NUL, and a final NUL.
constexpr std::size_t SkinIniSectionListSize = 16384;

// A value as the platform hands it out: one pair of matching quotes round it
// goes, with the platform's quirk that the last character goes only when the
// unquoted text fits the buffer; then it is cut to MaxSkinIniValue.
template <class Char>
std::basic_string<Char> ProfileStringValue(std::basic_string_view<Char> value)
{
    bool quoted = false;
    if (value.size() > 1 && (value.front() == Char('\'') || value.front() == Char('"')) &&
        value.back() == value.front()) {
        quoted = true;
        value.remove_prefix(1);
    }
    std::basic_string<Char> result(value.substr(0, MaxSkinIniValue));
    if (quoted && MaxSkinIniValue + 1 >= value.size() && !result.empty())
        result.pop_back();
    return result;
}

// SkinLowerCase and SkinTrim (below) for any character type: the profile
// service hands out wide text.
template <class Char>
std::basic_string<Char> SkinLowerCaseOf(std::basic_string_view<Char> text)
{
    std::basic_string<Char> result(text);
    for (Char& c : result)
        if (c >= Char('A') && c <= Char('Z'))
            c = static_cast<Char>(c - Char('A') + Char('a'));
    return result;
}

template <class Char>
std::basic_string_view<Char> SkinTrimOf(std::basic_string_view<Char> text)
{
    auto const blank = [](Char c) {
        return c == Char(' ') || c == Char('\t') || c == Char('\n') || c == Char('\r') || c == Char('\v') ||
            c == Char('\f') || c == Char('\x1A');
    };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// One section as the platform's profile service hands it over whole:
// "key=value" lines, each ended by a NUL, the list ended by an empty line
// or by the end of the text (a buffer the service had to cut). Keys match
// without regard to ASCII case, the first line of a key wins as it does
// for the service's own look-ups, and names and values are trimmed (the
// service trims them when it reads the file, but not every version hands
// them over trimmed). A line without "=" is a key without value: it reads
// as missing.
template <class Char>
class TProfileSection {
public:
    using TView = std::basic_string_view<Char>;

    TProfileSection() = default;
    explicit TProfileSection(TView lines)
    {
        while (!lines.empty() && lines.front() != Char(0)) {
            std::size_t const end = std::min(lines.find(Char(0)), lines.size());
            TView const line = lines.substr(0, end);
            lines.remove_prefix(std::min(end + 1, lines.size()));
            std::size_t const equals = line.find(Char('='));
            std::optional<std::basic_string<Char>> value;
            if (equals != TView::npos)
                value.emplace(SkinTrimOf(line.substr(equals + 1)));
            m_keys.try_emplace(SkinLowerCaseOf(SkinTrimOf(line.substr(0, equals))), std::move(value));
        }
    }

    // The value as written, quotes and all; nullopt for a missing key and
    // for a key without "=".
    std::optional<TView> Raw(TView key) const
    {
        auto const entry = m_keys.find(SkinLowerCaseOf(SkinTrimOf(key)));
        if (entry == m_keys.end() || !entry->second)
            return std::nullopt;
        return TView(*entry->second);
    }

    std::size_t KeyCount() const { return m_keys.size(); }

private:
    std::unordered_map<std::basic_string<Char>, std::optional<std::basic_string<Char>>> m_keys; // by lower-case key
};

// Where description values come from. Names match without regard to ASCII
// case; a value is the text after the first "=" of the first matching line
// of the first matching section, blanks trimmed, cut to MaxSkinIniValue.
class TSkinIniSource {
public:
    virtual ~TSkinIniSource() = default;
    // Section names in file order, as many as fit SkinIniSectionListSize.
    virtual std::vector<std::string> SectionNames() const = 0;
    // nullopt when the section or the key is missing.
    virtual std::optional<std::string> Value(std::string_view section, std::string_view key) const = 0;
};

// The same rules over description text held in memory, for the places that
// cannot use the platform service (the packer's verify, native tests,
// fuzzing). Quirks kept on purpose because the platform has them: lines
// end at CR or LF, a value wrapped in matching quotes loses them, a section
// name is everything between "[" and the last "]" of its line, and keys
// before the first section belong to a nameless one.
class TSkinIniText final : public TSkinIniSource {
public:
    explicit TSkinIniText(std::string_view text);

    std::vector<std::string> SectionNames() const override;
    std::optional<std::string> Value(std::string_view section, std::string_view key) const override;

    // How many sections have this name; only the first is ever read.
    std::size_t SectionCount(std::string_view name) const;

    // Every section in file order, repeats included (the nameless one of
    // keys before the first header first, when it has any), with its keys
    // as they are read: lower-case names in order, the first line's value,
    // none for a line without "=". Comment lines (";") are left out.
    struct TSectionText {
        std::string Name;
        std::vector<std::pair<std::string, std::optional<std::string>>> Keys;
    };
    std::vector<TSectionText> Sections() const;
    // Lines read otherwise than their author may have meant, one each:
    // "line 7: ..." (a repeated key, a header without "]", a line without "=").
    const std::vector<std::string>& Notes() const { return m_notes; }

private:
    struct TSection {
        std::string Name;
        std::unordered_map<std::string, std::string> Keys; // lower-case key -> first value
        std::vector<std::string> Order;                    // the keys as first written
    };
    struct TNamed {
        std::size_t First; // index of the first section of the name
        std::size_t Count;
    };
    std::vector<TSection> m_sections;
    std::unordered_map<std::string, TNamed> m_index; // by lower-case name
    std::vector<std::string> m_notes;
};

// "12", "-7", "$1F", "0x1f": a signed 32-bit integer; hexadecimal may use
// all 32 bits. nullopt for anything else, empty text included.
std::optional<std::int32_t> ParseSkinInteger(std::string_view text);

// A colour triple such as "59 97 131": digit runs ended by any other
// character fill red, green and blue in turn; a run still open at the end
// becomes blue when exactly two have ended; numbers beyond 32 bits are
// dropped; each component keeps its low eight bits.
TSkinColour ParseColourTriple(std::string_view text);

// Typed reading with the description's defaults.
class TSkinIni {
public:
    explicit TSkinIni(const TSkinIniSource& source) : m_source(source) {}

    std::vector<std::string> SectionNames() const { return m_source.SectionNames(); }
    bool HasValue(std::string_view section, std::string_view key) const;
    std::string ReadString(std::string_view section, std::string_view key, std::string_view fallback = {}) const;
    std::int32_t ReadInteger(std::string_view section, std::string_view key, std::int32_t fallback) const;
    // A missing or empty value gives the fallback.
    TSkinColour ReadColour(std::string_view section, std::string_view key, TSkinColour fallback) const;

    // Told about values that are there but are no integer (they read as the
    // fallback); the packer's verify reports them.
    std::function<void(std::string_view section, std::string_view key, std::string_view value)> OnNotAnInteger;

private:
    const TSkinIniSource& m_source;
};

// ASCII-only case folding: names are bytes, not text of some code page.
std::string SkinLowerCase(std::string_view text);
std::string SkinUpperCase(std::string_view text);
// Without the blanks the platform's profile reader trims (Ctrl-Z among them).
std::string_view SkinTrim(std::string_view text);

} // namespace tandrel
