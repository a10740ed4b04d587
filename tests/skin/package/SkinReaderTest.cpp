#include "skin/package/LZH.h"
#include "tests/support/SampleSkin.h"
#include "tools/skinpack/SkinPackage.h"
#include "skin/package/SkinReader.h"
#include "tests/support/MalformedPackages.h"
#include "tests/support/TestPackages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

std::string Lower(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

std::vector<std::string> Names(const TSkinReader& reader)
{
    std::vector<std::string> names;
    for (std::size_t i = 0; i < reader.Count(); ++i)
        names.emplace_back(reader.Name(i));
    return names;
}

// A reader over a package, with every message it shows recorded.
struct TLoaded {
    TSkinReader Reader;
    std::vector<std::string> Messages;
    bool Result = false;

    explicit TLoaded(std::span<const std::uint8_t> stream)
    {
        Reader.OnShowMessage = [this](const std::string& text) { Messages.push_back(text); };
        Result = Reader.LoadPackage(stream);
    }
};

} // namespace

TEST(SkinReader, GivesBackEveryPackedByte)
{
    std::vector<TPackEntry> const skin = MakeSampleSkin(0.5);
    std::vector<std::uint8_t> const package = BuildPackage(skin);
    TLoaded loaded(TLZHEncoder::Compress(package));
    ASSERT_TRUE(loaded.Result);
    EXPECT_TRUE(loaded.Messages.empty());

    TSkinReader const& reader = loaded.Reader;
    ASSERT_EQ(reader.Count(), skin.size());
    std::vector<std::string> sorted;
    for (const auto& entry : skin)
        sorted.push_back(Lower(entry.Name));
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(Names(reader), sorted);

    std::size_t nameListLength = 0;
    for (const auto& entry : skin) {
        SCOPED_TRACE(entry.Name);
        std::vector<std::uint8_t> bytes;
        ASSERT_TRUE(reader.ExtractEntry(entry.Name, bytes));
        EXPECT_EQ(bytes, entry.Data);
        nameListLength += entry.Name.size() + 2;
    }
    EXPECT_EQ(reader.Header().Version, 20000);
    EXPECT_EQ(reader.Header().NameListLength, static_cast<std::int32_t>(nameListLength));
}

TEST(SkinReader, LookupsFollowTheirCaseRules)
{
    TRawPackage raw;
    raw.Names = "skin.ini\r\nstatus.bmp\r\nstatus.bmp\r\ntitle.bmp\r\n";
    raw.Sizes = { 3, 2, 1, 0 };
    raw.Data = Bytes("INIabc");
    TLoaded loaded(raw.Stream());
    ASSERT_TRUE(loaded.Result);
    TSkinReader const& reader = loaded.Reader;

    std::vector<std::uint8_t> bytes = { 1, 2, 3 };
    EXPECT_TRUE(reader.ExtractEntry("Status.BMP", bytes)); // the key is lower-cased
    EXPECT_EQ(bytes, Bytes("ab"));                          // the first of two
    EXPECT_TRUE(reader.ExtractEntry("title.bmp", bytes));
    EXPECT_TRUE(bytes.empty());

    bytes = { 1, 2, 3 };
    EXPECT_FALSE(reader.ExtractEntry("status", bytes)); // whole names only
    EXPECT_TRUE(bytes.empty());

    std::string name = "unchanged";
    bytes = { 1, 2, 3 };
    EXPECT_FALSE(reader.ExtractEntryContaining(".INI", bytes, name)); // the pattern is not
    EXPECT_TRUE(bytes.empty());
    EXPECT_EQ(name, "unchanged");

    EXPECT_TRUE(reader.ExtractEntryContaining(".ini", bytes, name));
    EXPECT_EQ(name, "skin.ini");
    EXPECT_EQ(bytes, Bytes("INI"));
    EXPECT_TRUE(reader.ExtractEntryContaining("status", bytes, name));
    EXPECT_EQ(bytes, Bytes("ab"));
}

TEST(SkinReader, SplitsTheNameList)
{
    struct {
        std::string_view Text;
        std::vector<std::string> Names;
    } const cases[] = {
        { "a\r\nb\r\n", { "a", "b" } },
        { "a\r\nb", { "a", "b" } },   // no final break
        { "a\rb\r", { "a", "b" } },   // CR alone
        { "a\nb\n", { "a", "b" } },   // LF alone
        { "a\n\rb", { "a", "", "b" } }, // LF CR is two breaks
        { "A.BMP\r\n\r\nSkin.INI\r\n", { "a.bmp", "", "skin.ini" } },
        { "\r\n", { "" } },
        { "", {} },
        { "Caf\xC3\x89.bmp", { "caf\xC3\x89.bmp" } }, // only A-Z change
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.Text));
        TRawPackage raw;
        raw.Names = c.Text;
        raw.Sizes.assign(c.Names.size(), 1);
        raw.Data.assign(c.Names.size() + 5, 'x'); // extra entry data is allowed
        TLoaded loaded(raw.Stream());
        ASSERT_TRUE(loaded.Result);
        EXPECT_EQ(Names(loaded.Reader), c.Names);
    }
}

TEST(SkinReader, RefusesOtherVersionsWithTheOlderSkinMessage)
{
    for (const auto& c : OlderPackages()) {
        SCOPED_TRACE(c.What);
        TLoaded loaded(c.Stream);
        EXPECT_FALSE(loaded.Result);
        ASSERT_EQ(loaded.Messages.size(), 1u);
        EXPECT_EQ(loaded.Messages[0], "This is Older Skin File\rPlease update to new version !");
        EXPECT_EQ(loaded.Reader.Count(), 0u);
    }
    EXPECT_EQ(TLoaded(OlderPackages()[0].Stream).Reader.Header().Version, 19999);
}

TEST(SkinReader, RejectsInconsistentPackagesWithAClearError)
{
    for (const auto& c : InconsistentPackages()) {
        SCOPED_TRACE(c.What);
        TSkinReader reader;
        bool shown = false;
        reader.OnShowMessage = [&](const std::string&) { shown = true; };
        try {
            reader.LoadPackage(c.Stream);
            ADD_FAILURE() << "loaded";
        } catch (const std::runtime_error& error) {
            EXPECT_NE(std::string(error.what()).find(c.Message), std::string::npos) << error.what();
        }
        EXPECT_FALSE(shown);
        EXPECT_EQ(reader.Count(), 0u);
    }
}

TEST(SkinReader, TakesAnyNumberOfEntries)
{
    std::vector<TPackEntry> entries;
    for (int i = 0; i < 5000; ++i)
        entries.push_back({ std::string("e").append(std::to_string(i)).append(".bmp"), Bytes(std::to_string(i * 7)) });
    TLoaded loaded(TLZHEncoder::Compress(BuildPackage(entries)));
    ASSERT_TRUE(loaded.Result);
    ASSERT_EQ(loaded.Reader.Count(), entries.size());
    for (int i : { 0, 1000, 1001, 4999 }) {
        std::vector<std::uint8_t> bytes;
        EXPECT_TRUE(loaded.Reader.ExtractEntry("E" + std::to_string(i) + ".BMP", bytes));
        EXPECT_EQ(bytes, Bytes(std::to_string(i * 7)));
    }
}

TEST(SkinReader, ForgetsTheLastPackageOnEveryLoad)
{
    TRawPackage good;
    good.Names = "a.bmp\r\n";
    good.Sizes = { 1 };
    good.Data = Bytes("x");
    TRawPackage bad = good;
    bad.Sizes = { 2 };

    TSkinReader reader;
    ASSERT_TRUE(reader.LoadPackage(good.Stream()));
    EXPECT_THROW(reader.LoadPackage(bad.Stream()), ESkinPackageException);
    std::vector<std::uint8_t> bytes;
    EXPECT_FALSE(reader.ExtractEntry("a.bmp", bytes));
    EXPECT_EQ(reader.Count(), 0u);
    EXPECT_EQ(reader.Header().Version, 0);
}
