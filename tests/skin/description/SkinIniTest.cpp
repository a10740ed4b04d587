// Reading skin description text: the private-profile rules, integers and
// colour triples.

#include "skin/description/SkinIni.h"

#include <gtest/gtest.h>

using namespace tandrel;

namespace {

std::string ValueOr(const TSkinIniText& ini, std::string_view section, std::string_view key)
{
    return ini.Value(section, key).value_or("<missing>");
}

} // namespace

TEST(SkinIniText, FindsTheFirstMatchingKeyOfTheFirstMatchingSectionWithoutRegardToCase)
{
    TSkinIniText const ini("; comment\r\n"
                           "orphan=1\r\n"
                           "[Buttons]\r\n"
                           "  Bitmap  =  buttons.bmp  \r\n"
                           "BITMAP=second.bmp\r\n"
                           "Eq=a=b\r\n"
                           "Empty=\r\n"
                           "NoEquals\r\n"
                           "[buttons]\r\n"
                           "Extra=only in the second\r\n"
                           "[Other]\n"
                           "Tab=\tx\t\n");
    EXPECT_EQ(ValueOr(ini, "buttons", "bitmap"), "buttons.bmp");
    EXPECT_EQ(ValueOr(ini, "BUTTONS", "Eq"), "a=b");
    EXPECT_EQ(ValueOr(ini, "Buttons", "Empty"), "");
    EXPECT_EQ(ValueOr(ini, "Buttons", "NoEquals"), "<missing>");
    EXPECT_EQ(ValueOr(ini, "Buttons", "Extra"), "<missing>"); // only the first section counts
    EXPECT_EQ(ValueOr(ini, "Other", "Tab"), "x");
    EXPECT_EQ(ValueOr(ini, "Nowhere", "Bitmap"), "<missing>");
    EXPECT_EQ(ValueOr(ini, "Buttons", "orphan"), "<missing>");
    EXPECT_EQ(ValueOr(ini, "", "orphan"), "1"); // the nameless section before the first header
    EXPECT_EQ(ini.SectionCount("BUTTONS"), 2u);
    EXPECT_EQ(ini.SectionCount("none"), 0u);
    EXPECT_EQ(ini.SectionNames(), (std::vector<std::string> { "Buttons", "buttons", "Other" }));
}

TEST(SkinIniText, KeepsThePlatformsQuirks)
{
    TSkinIniText const ini("\xEF\xBB\xBF[A]\rQuoted=\"x y\"\rSingle='z'\rHalf=\"open\rLone=\"\r"
                           "[B]x]\rKey=1\r[[C]]\rKey=2\r[NoClose\rKey=3\r[ D ]\rKey=4\r");
    EXPECT_EQ(ValueOr(ini, "A", "Quoted"), "x y");
    EXPECT_EQ(ValueOr(ini, "A", "Single"), "z");
    EXPECT_EQ(ValueOr(ini, "A", "Half"), "\"open");
    EXPECT_EQ(ValueOr(ini, "A", "Lone"), "\"");
    // A section name runs to the last "]" of its line, blanks trimmed.
    EXPECT_EQ(ValueOr(ini, "B]x", "Key"), "1");
    EXPECT_EQ(ValueOr(ini, "[C]", "Key"), "2");
    EXPECT_EQ(ValueOr(ini, "D", "Key"), "4");
    EXPECT_EQ(ValueOr(ini, " d ", "Key"), "4");
    // "[NoClose" is a key of the section before it.
    EXPECT_EQ(ValueOr(ini, "[C]", "[NoClose"), "<missing>");
    EXPECT_EQ(ini.SectionNames(), (std::vector<std::string> { "A", "B]x", "[C]", "D" }));
}

TEST(SkinIniText, CutsLongValuesAndALongSectionList)
{
    std::string const longValue(3000, 'v');
    TSkinIniText const values("[S]\nLong=" + longValue + "\nQuoted=\"" + std::string(2046, 'q') + "\"\n");
    EXPECT_EQ(ValueOr(values, "S", "Long"), std::string(MaxSkinIniValue, 'v'));
    EXPECT_EQ(ValueOr(values, "S", "Quoted"), std::string(2046, 'q'));

    // 20-character names take 21 bytes each; the list holds 16383 of them.
    std::string text;
    for (int i = 0; i < 1000; ++i) {
        std::string name = "Section" + std::to_string(1000000 + i) + "abcdef";
        ASSERT_EQ(name.size(), 20u);
        text += "[" + name + "]\n";
    }
    auto const names = TSkinIniText(text).SectionNames();
    ASSERT_EQ(names.size(), 781u); // 780 whole names, then 2 characters of the next
    EXPECT_EQ(names[779], "Section1000779abcdef");
    EXPECT_EQ(names.back(), "Se");
}

// What skin authors are shown of their description: every section in file
// order with the keys as read, and a note for each line read otherwise than
// it may have been meant, counted over blank lines and any line ending.
TEST(SkinIniText, ListsItsSectionsAsReadAndNotesLinesReadOtherwise)
{
    TSkinIniText const ini("Loose=1\r\n; a comment\r\n[A]\nB=\"q\"\rb=2\r\n[B\r\nNoEquals\r\n[A]\r\nC=3\r\n");
    auto const sections = ini.Sections();
    ASSERT_EQ(sections.size(), 3u);
    EXPECT_EQ(sections[0].Name, "");
    EXPECT_EQ(sections[1].Name, "A");
    EXPECT_EQ(sections[2].Name, "A");
    using TKeys = std::vector<std::pair<std::string, std::optional<std::string>>>;
    EXPECT_EQ(sections[1].Keys, (TKeys {{"b", "q"}, {"[b", std::nullopt}, {"noequals", std::nullopt}}));
    EXPECT_EQ(sections[2].Keys, (TKeys {{"c", "3"}}));
    EXPECT_EQ(ini.Notes(), (std::vector<std::string> {
                               "line 5: key \"b\" again in its section; the first is read",
                               "line 6: a section header without \"]\" is read as a key",
                               "line 7: no \"=\": a key without a value"}));
    EXPECT_TRUE(TSkinIniText("; about\r\n; more\r\n[A]\r\nB=1\r\n").Notes().empty());
    EXPECT_EQ(TSkinIniText("; about\r\n[A]\r\n").Sections().size(), 1u);
    EXPECT_TRUE(TSkinIniText("[A]\r\n").Sections()[0].Keys.empty());
}

TEST(SkinIni, ParsesIntegersAsTheEngineDoes)
{
    EXPECT_EQ(ParseSkinInteger("42"), 42);
    EXPECT_EQ(ParseSkinInteger("-7"), -7);
    EXPECT_EQ(ParseSkinInteger("+7"), 7);
    EXPECT_EQ(ParseSkinInteger("$1F"), 31);
    EXPECT_EQ(ParseSkinInteger("0x1f"), 31);
    EXPECT_EQ(ParseSkinInteger("0X10"), 16);
    EXPECT_EQ(ParseSkinInteger("$FFFFFFFF"), -1);
    EXPECT_EQ(ParseSkinInteger("2147483647"), 2147483647);
    EXPECT_EQ(ParseSkinInteger("-2147483648"), -2147483647 - 1);
    for (std::string_view bad : { "", "-", "$", "0x", "2147483648", "$100000000", "12px", "1 2", "0x1g", " 1" })
        EXPECT_EQ(ParseSkinInteger(bad), std::nullopt) << bad;
}

TEST(SkinIni, ReadsColourTriples)
{
    auto rgb = [](unsigned r, unsigned g, unsigned b) { return r | g << 8 | b << 16; };
    EXPECT_EQ(ParseColourTriple("59 97 131"), rgb(59, 97, 131));
    EXPECT_EQ(ParseColourTriple("59,97,131"), rgb(59, 97, 131));
    EXPECT_EQ(ParseColourTriple("59;97;131;"), rgb(59, 97, 131));
    EXPECT_EQ(ParseColourTriple("\t 59 97 131 \x01"), rgb(59, 97, 131));
    EXPECT_EQ(ParseColourTriple("-59 -97 -131"), rgb(59, 97, 131)); // a minus only separates
    EXPECT_EQ(ParseColourTriple("59 97"), rgb(59, 0, 0));           // the open 97 is dropped
    EXPECT_EQ(ParseColourTriple("256 257 300"), rgb(0, 1, 44));
    EXPECT_EQ(ParseColourTriple("1 2 3 4 5"), rgb(1, 2, 3));
    EXPECT_EQ(ParseColourTriple("1 99999999999 2 3"), rgb(1, 2, 3)); // too large: takes no place
    EXPECT_EQ(ParseColourTriple("1 2 99999999999"), rgb(1, 2, 0));
    EXPECT_EQ(ParseColourTriple("red"), 0u);
}

TEST(SkinIni, TypedReadsFallBackAndReportNonIntegers)
{
    TSkinIniText const text("[S]\nGood=12\nBad=12px\nEmpty=\nColour=1 2 3\nBlank=\n");
    TSkinIni ini(text);
    std::vector<std::string> reported;
    ini.OnNotAnInteger = [&](std::string_view section, std::string_view key, std::string_view value) {
        reported.push_back(std::string(section) + "/" + std::string(key) + "=" + std::string(value));
    };
    EXPECT_EQ(ini.ReadInteger("S", "Good", 5), 12);
    EXPECT_EQ(ini.ReadInteger("S", "Bad", 5), 5);
    EXPECT_EQ(ini.ReadInteger("S", "Empty", 5), 5);
    EXPECT_EQ(ini.ReadInteger("S", "Missing", -1), -1);
    EXPECT_EQ(reported, (std::vector<std::string> { "S/Bad=12px" }));
    EXPECT_EQ(ini.ReadColour("S", "Colour", 7), 0x030201u);
    EXPECT_EQ(ini.ReadColour("S", "Blank", 7), 7u);
    EXPECT_EQ(ini.ReadString("S", "Missing", "dflt"), "dflt");
    EXPECT_TRUE(ini.HasValue("s", "empty"));
    EXPECT_FALSE(ini.HasValue("s", "missing"));
}

namespace {

using namespace std::string_view_literals;

std::string RawOr(const TProfileSection<char>& section, std::string_view key)
{
    auto const value = section.Raw(key);
    return value ? std::string(*value) : "<missing>";
}

} // namespace

TEST(ProfileSection, TheFirstLineOfAKeyWinsWithoutRegardToCaseAndBlanksGo)
{
    TProfileSection<char> const section("Left = 4\0LEFT=9\0 Top\t=\t7 \0Eq=a=b\0"sv);
    EXPECT_EQ(RawOr(section, "left"), "4");
    EXPECT_EQ(RawOr(section, " Left "), "4");
    EXPECT_EQ(RawOr(section, "TOP"), "7");
    EXPECT_EQ(RawOr(section, "Eq"), "a=b");
    EXPECT_EQ(section.KeyCount(), 3u);
}

TEST(ProfileSection, KeysWithoutValueAndMissingKeysReadAsMissing)
{
    TProfileSection<char> const section("NoEquals\0Empty=\0Quoted=\"x\"\0"sv);
    EXPECT_EQ(RawOr(section, "NoEquals"), "<missing>");
    EXPECT_EQ(RawOr(section, "Absent"), "<missing>");
    EXPECT_EQ(RawOr(section, "Empty"), "");
    EXPECT_EQ(RawOr(section, "Quoted"), "\"x\""); // the quotes go where the value is handed out
}

TEST(ProfileSection, EndsAtTheFirstEmptyLineOrTheEndOfTheText)
{
    EXPECT_EQ(TProfileSection<char>(""sv).KeyCount(), 0u);
    EXPECT_EQ(TProfileSection<char>("\0"sv).KeyCount(), 0u);
    EXPECT_EQ(TProfileSection<char>("\0A=1\0"sv).KeyCount(), 0u);
    TProfileSection<char> const after("A=1\0\0B=2\0"sv);
    EXPECT_EQ(RawOr(after, "B"), "<missing>");
    // A buffer the service had to cut: its last line has no NUL.
    TProfileSection<char> const cut("A=1\0B=23"sv);
    EXPECT_EQ(RawOr(cut, "B"), "23");
}

TEST(ProfileSection, KeepsLongValuesWholeForTheReaderToCut)
{
    std::string const value(5000, 'v');
    std::string const lines = "Long=" + value + '\0' + std::string(3000, 'k') + "=1" + '\0';
    TProfileSection<char> const section(lines);
    EXPECT_EQ(RawOr(section, "Long"), value);
    EXPECT_EQ(RawOr(section, std::string(3000, 'K')), "1");
    EXPECT_EQ(ProfileStringValue<char>(*section.Raw("Long")).size(), MaxSkinIniValue);
}
