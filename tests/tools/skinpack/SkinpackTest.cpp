// The skin packer, as a skin author uses it: the real program run as a
// process. SKINPACK_PATH comes from the build.

#include "tools/skinpack/LZHEncoder.h"
#include "tests/support/SampleSkin.h"
#include "tools/skinpack/SkinPackage.h"
#include "skin/package/SkinReader.h"
#include "tests/support/TestPackages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

struct TRun {
    int Code = -1;
    std::string Out;
    std::string Err;
};

std::string ReadText(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return { std::istreambuf_iterator<char>(in), {} };
}

std::vector<std::uint8_t> ReadBytes(const fs::path& path)
{
    std::string const text = ReadText(path);
    return { text.begin(), text.end() };
}

void WriteBytes(const fs::path& path, std::span<const std::uint8_t> bytes)
{
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
}

std::size_t LineCount(const std::string& text)
{
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

class Skinpack : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto const* test = ::testing::UnitTest::GetInstance()->current_test_info();
        m_dir = fs::temp_directory_path() / ("skinpack-" + std::to_string(getpid()) + "-" + test->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    fs::path Dir() const { return m_dir; }

    TRun Run(const std::vector<std::string>& arguments) const
    {
        fs::path const out = m_dir / "stdout.txt";
        fs::path const err = m_dir / "stderr.txt";
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        std::vector<std::string> words = { SKINPACK_PATH };
        words.insert(words.end(), arguments.begin(), arguments.end());
        std::vector<char*> argv;
        for (auto& word : words)
            argv.push_back(word.data());
        argv.push_back(nullptr);

        TRun run;
        pid_t pid = 0;
        if (posix_spawn(&pid, SKINPACK_PATH, &actions, nullptr, argv.data(), environ) == 0) {
            int status = 0;
            waitpid(pid, &status, 0);
            run.Code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        }
        posix_spawn_file_actions_destroy(&actions);
        run.Out = ReadText(out);
        run.Err = ReadText(err);
        fs::remove(out);
        fs::remove(err);
        return run;
    }

    // A skin folder with mixed-case names; returns the entries by lower-case name.
    std::map<std::string, std::vector<std::uint8_t>> WriteSkinFolder(const fs::path& folder) const
    {
        fs::create_directories(folder);
        std::map<std::string, std::vector<std::uint8_t>> entries;
        for (auto& entry : MakeSampleSkin(0.2)) {
            WriteBytes(folder / entry.Name, entry.Data);
            std::string lower = entry.Name;
            std::transform(lower.begin(), lower.end(), lower.begin(), [](char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : c; });
            entries[lower] = entry.Data;
        }
        return entries;
    }

    // Runs `list` and `unpack` on a file that must be refused as bad input.
    void ExpectRefused(const fs::path& file, const std::vector<std::string>& options = {}) const
    {
        SCOPED_TRACE(file.filename().string());
        std::vector<std::string> list = options;
        list.insert(list.end(), { "list", file.string() });
        std::vector<std::string> unpack = options;
        unpack.insert(unpack.end(), { "unpack", file.string(), (m_dir / "refused").string() });
        for (const auto& arguments : { list, unpack }) {
            TRun const run = Run(arguments);
            EXPECT_EQ(run.Code, 1);
            EXPECT_EQ(run.Out, "");
            EXPECT_EQ(LineCount(run.Err), 1u) << run.Err;
            EXPECT_NE(run.Err.find(file.string()), std::string::npos) << run.Err;
        }
        EXPECT_FALSE(fs::exists(m_dir / "refused") && !fs::is_empty(m_dir / "refused"));
    }

    void ExpectVerifyRefused(const fs::path& file, const std::vector<std::string>& options = {}) const
    {
        std::vector<std::string> arguments = options;
        arguments.insert(arguments.end(), { "verify", file.string() });
        TRun const run = Run(arguments);
        EXPECT_EQ(run.Code, 1) << file;
        EXPECT_EQ(run.Out, "") << file;
        EXPECT_EQ(LineCount(run.Err), 1u) << run.Err;
        EXPECT_NE(run.Err.find(file.string()), std::string::npos) << run.Err;
    }

private:
    fs::path m_dir;
};

} // namespace

TEST_F(Skinpack, PacksListsAndUnpacksASkinFolder)
{
    auto const entries = WriteSkinFolder(Dir() / "in");
    TRun const pack = Run({ "pack", (Dir() / "in").string(), (Dir() / "skin.skn").string() });
    ASSERT_EQ(pack.Code, 0) << pack.Err;
    EXPECT_EQ(pack.Out + pack.Err, "");

    // The engine's reader gives back every byte.
    TSkinReader reader;
    ASSERT_TRUE(reader.LoadPackage(ReadBytes(Dir() / "skin.skn")));
    ASSERT_EQ(reader.Count(), entries.size());
    std::string expectedList;
    std::size_t i = 0;
    for (const auto& [name, data] : entries) {
        EXPECT_EQ(reader.Name(i), name);
        EXPECT_TRUE(std::ranges::equal(reader.Entry(i), data)) << name;
        expectedList += name + "\t" + std::to_string(data.size()) + "\n";
        ++i;
    }

    TRun const list = Run({ "list", (Dir() / "skin.skn").string() });
    EXPECT_EQ(list.Code, 0);
    EXPECT_EQ(list.Out, expectedList);
    EXPECT_EQ(list.Err, "");

    TRun const unpack = Run({ "unpack", (Dir() / "skin.skn").string(), (Dir() / "out").string() });
    ASSERT_EQ(unpack.Code, 0) << unpack.Err;
    EXPECT_EQ(unpack.Out + unpack.Err, "");
    std::size_t files = 0;
    for (const auto& file : fs::directory_iterator(Dir() / "out")) {
        auto const found = entries.find(file.path().filename().string());
        ASSERT_NE(found, entries.end()) << file.path();
        EXPECT_EQ(ReadBytes(file.path()), found->second) << file.path();
        ++files;
    }
    EXPECT_EQ(files, entries.size());
}

TEST_F(Skinpack, ReadsAndWritesThePropertyLayout)
{
    WriteSkinFolder(Dir() / "in");
    ASSERT_EQ(Run({ "pack", (Dir() / "in").string(), (Dir() / "skin.skn").string() }).Code, 0);
    ASSERT_EQ(Run({ "--property", "pack", (Dir() / "in").string(), (Dir() / "skin.prop").string() }).Code, 0);
    std::vector<std::uint8_t> const file = ReadBytes(Dir() / "skin.skn");
    EXPECT_EQ(ReadBytes(Dir() / "skin.prop"), WrapProperty(file));

    TRun const plain = Run({ "list", (Dir() / "skin.skn").string() });
    TRun const property = Run({ "list", (Dir() / "skin.prop").string(), "--property" });
    EXPECT_EQ(property.Code, 0);
    EXPECT_EQ(property.Out, plain.Out);
    ExpectRefused(Dir() / "skin.prop");                   // a property is not a skin file
    ExpectRefused(Dir() / "skin.skn", { "--property" }); // nor the other way round

    // A property that stores no skin holds nothing to list.
    WriteBytes(Dir() / "none.prop", std::vector<std::uint8_t> { 0, 0, 0, 0 });
    TRun const none = Run({ "--property", "list", (Dir() / "none.prop").string() });
    EXPECT_EQ(none.Code, 0);
    EXPECT_EQ(none.Out, "");
    EXPECT_NE(none.Err.find("stores no skin"), std::string::npos);
}

TEST_F(Skinpack, ReportsUsageErrors)
{
    for (const auto& arguments : std::vector<std::vector<std::string>> {
             {}, { "pack" }, { "pack", "a" }, { "list" }, { "list", "a", "b" }, { "unpack", "a" },
             { "frob", "a" }, { "verify" }, { "verify", "a", "b" }, { "--bogus", "list", "a" } }) {
        TRun const run = Run(arguments);
        EXPECT_EQ(run.Code, 2);
        EXPECT_EQ(run.Out, "");
        EXPECT_NE(run.Err.find("--help"), std::string::npos);
    }

    TRun const help = Run({ "--help" });
    EXPECT_EQ(help.Code, 0);
    EXPECT_EQ(help.Err, "");
    for (const char* text : { "pack DIR OUT", "list FILE", "unpack FILE DIR", "verify FILE", "describe FILE",
                              "--property", "note:", "Exit status" })
        EXPECT_NE(help.Out.find(text), std::string::npos) << text;
}

TEST_F(Skinpack, RefusesMalformedFilesWithOneLineNamingThem)
{
    auto write = [&](const char* name, std::span<const std::uint8_t> bytes) {
        WriteBytes(Dir() / name, bytes);
        return Dir() / name;
    };
    std::vector<std::uint8_t> skin = TLZHEncoder::Compress(BuildPackage(MakeSampleSkin(0.2)));
    TRawPackage older;
    older.Version = 19999;
    TRawPackage overrun;
    overrun.Names = "a.bmp\r\n";
    overrun.Sizes = { 10 };
    overrun.Data = Bytes("short");

    ExpectRefused(Dir() / "missing.skn");
    ExpectRefused(write("empty.skn", {}));
    ExpectRefused(write("zero.skn", std::vector<std::uint8_t> { 0, 0, 0, 0, 1, 2 }));
    ExpectRefused(write("garbage.skn", RandomBytes(1000, 3)));
    ExpectRefused(write("truncated.skn", std::span(skin).first(skin.size() / 20)));
    ExpectRefused(write("older.skn", older.Stream()));
    ExpectRefused(write("overrun.skn", overrun.Stream()));
    ExpectRefused(Dir());

    WriteBytes(Dir() / "short.prop", std::vector<std::uint8_t> { 9, 0, 0, 0, 1 });
    ExpectRefused(Dir() / "short.prop", { "--property" });
}

TEST_F(Skinpack, UnpackWritesNothingOutsideItsFolder)
{
    TRawPackage raw;
    raw.Names = "../escape.bmp\r\n../../deep.bmp\r\n/abs.bmp\r\nsub/inner.bmp\r\na\\b.bmp\r\nc:x.bmp\r\n"
                "con.ini\r\n..\r\n\r\ndup.bmp\r\ndup.bmp\r\nlink.bmp\r\n";
    raw.Sizes.assign(12, 2);
    for (int i = 0; i < 12; ++i)
        raw.Data.insert(raw.Data.end(), { 'A', static_cast<std::uint8_t>('a' + i) });
    WriteBytes(Dir() / "hostile.skn", raw.Stream());

    // A link planted in the target folder must be replaced, not followed.
    fs::create_directories(Dir() / "out");
    WriteBytes(Dir() / "target.txt", Bytes("keep"));
    fs::create_symlink(Dir() / "target.txt", Dir() / "out" / "link.bmp");

    TRun const run = Run({ "unpack", (Dir() / "hostile.skn").string(), (Dir() / "out").string() });
    ASSERT_EQ(run.Code, 0) << run.Err;
    EXPECT_EQ(run.Out, "");
    EXPECT_EQ(ReadText(Dir() / "target.txt"), "keep");

    std::set<std::string> outside;
    for (const auto& file : fs::directory_iterator(Dir()))
        outside.insert(file.path().filename().string());
    EXPECT_EQ(outside, (std::set<std::string> { "hostile.skn", "out", "target.txt" }));

    std::set<std::string> contents;
    for (const auto& file : fs::directory_iterator(Dir() / "out")) {
        EXPECT_TRUE(file.is_regular_file() && !file.is_symlink()) << file.path();
        auto const bytes = ReadBytes(file.path());
        ASSERT_EQ(bytes.size(), 2u);
        contents.insert(std::string(1, static_cast<char>(bytes[1])));
    }
    EXPECT_EQ(contents.size(), 12u); // every entry, each in a file of its own
    EXPECT_EQ(LineCount(run.Err), 10u) << run.Err; // all but "dup.bmp" and "link.bmp" renamed
    EXPECT_TRUE(fs::exists(Dir() / "out" / "dup.bmp~2"));
}

TEST_F(Skinpack, PackRefusesNamesThatCollide)
{
    fs::create_directories(Dir() / "in");
    WriteBytes(Dir() / "in" / "Title.bmp", Bytes("1"));
    WriteBytes(Dir() / "in" / "title.BMP", Bytes("2"));
    TRun const run = Run({ "pack", (Dir() / "in").string(), (Dir() / "skin.skn").string() });
    EXPECT_EQ(run.Code, 1);
    EXPECT_EQ(LineCount(run.Err), 1u);
    EXPECT_NE(run.Err.find("title.bmp"), std::string::npos) << run.Err;
    EXPECT_FALSE(fs::exists(Dir() / "skin.skn"));
}

TEST(SkinpackNames, SafeFileNameKeepsFilesInTheirFolder)
{
    struct {
        std::string_view Entry;
        std::string_view File;
    } const cases[] = {
        { "status.bmp", "status.bmp" },
        { "\xE7\x9A\xAE\xE8\x82\xA4.ini", "\xE7\x9A\xAE\xE8\x82\xA4.ini" }, // UTF-8 stays
        { "../x.bmp", ".._x.bmp" },
        { "/etc/passwd", "_etc_passwd" },
        { "a\\b:c*?.bmp", "a_b_c__.bmp" },
        { "..", "._" },
        { ".", "_" },
        { "", "_" },
        { "name. ", "name._" },
        { "CON", "_CON" },
        { "lpt1.bmp", "_lpt1.bmp" },
        { "tab\there", "tab_here" },
        { "bad\xFFutf8", "bad_utf8" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(SafeFileName(c.Entry), c.File) << c.Entry;
    EXPECT_LE(SafeFileName(std::string(5000, 'x')).size(), 200u);
}

namespace {

std::string WithCrLf(std::string text)
{
    for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 2))
        text.replace(at, 1, "\r\n");
    return text;
}

// The default skin's folder copied, with its description (CR LF lines) edited.
void CopySlate(const fs::path& folder, const std::vector<std::pair<std::string, std::string>>& edits)
{
    fs::create_directories(folder);
    for (const auto& file : fs::directory_iterator(SKINS_SOURCE_DIR "/slate"))
        fs::copy_file(file.path(), folder / file.path().filename());
    std::string ini = ReadText(folder / "slate.ini");
    for (const auto& [from, to] : edits) {
        std::size_t const at = ini.find(WithCrLf(from));
        ASSERT_NE(at, std::string::npos) << from;
        ini.replace(at, WithCrLf(from).size(), WithCrLf(to));
    }
    std::ofstream(folder / "slate.ini", std::ios::binary) << ini;
}

} // namespace

TEST_F(Skinpack, TheEnginesReaderGivesBackEveryByteOfTheDefaultSkin)
{
    TSkinReader reader;
    ASSERT_TRUE(reader.LoadPackage(ReadBytes(DEFAULT_SKIN_PATH)));
    std::size_t files = 0;
    for (const auto& file : fs::directory_iterator(SKINS_SOURCE_DIR "/slate")) {
        std::vector<std::uint8_t> entry;
        ASSERT_TRUE(reader.ExtractEntry(file.path().filename().string(), entry)) << file.path();
        EXPECT_EQ(entry, ReadBytes(file.path())) << file.path();
        ++files;
    }
    EXPECT_EQ(reader.Count(), files);
    EXPECT_EQ(files, 42u);
}

TEST_F(Skinpack, TheDefaultSkinPassesVerify)
{
    for (const auto& options : { std::vector<std::string> {}, std::vector<std::string> { "--property" } }) {
        fs::path file = DEFAULT_SKIN_PATH;
        if (!options.empty()) {
            file = Dir() / "slate.prop";
            WriteBytes(file, WrapProperty(ReadBytes(DEFAULT_SKIN_PATH)));
        }
        std::vector<std::string> arguments = options;
        arguments.insert(arguments.end(), { "verify", file.string() });
        TRun const run = Run(arguments);
        EXPECT_EQ(run.Code, 0) << run.Out << run.Err;
        EXPECT_EQ(run.Err, "");
        EXPECT_NE(run.Out.find(": ok: description \"slate.ini\", 36 images, 10 caption buttons\n"), std::string::npos)
            << run.Out;
        // The optional sections the default skin leaves out are a note, not a problem.
        EXPECT_NE(run.Out.find("note: no [Trackbar.ThumbDown]"), std::string::npos) << run.Out;
        EXPECT_EQ(LineCount(run.Out), 2u) << run.Out;
    }
}

// The description as the engine reads it, for scripts: JSON with every
// section in order, its keys as read, and notes on lines read otherwise.
TEST_F(Skinpack, DescribePrintsTheDescriptionAsRead)
{
    CopySlate(Dir() / "in", { { "SkinName=Slate", "SkinName=Sl\\ate \"1\"\nskinname=Dusk" } });
    ASSERT_EQ(Run({ "pack", (Dir() / "in").string(), (Dir() / "odd.skn").string() }).Code, 0);
    TRun const run = Run({ "describe", (Dir() / "odd.skn").string() });
    EXPECT_EQ(run.Code, 0) << run.Err;
    EXPECT_EQ(run.Out.rfind("{\"description\": \"slate.ini\", \"sections\": [{\"name\": \"TitlebarSkin\", \"keys\": "
                            "{\"skinname\": \"Sl\\\\ate \\\"1\\\"\"",
                            0),
              0u)
        << run.Out;
    EXPECT_NE(run.Out.find("{\"name\": \"Personality\", \"keys\": {"), std::string::npos) << run.Out;
    EXPECT_NE(run.Out.find("\"notes\": [\"line 5: key \\\"skinname\\\" again in its section; the first is read\"]}\n"),
              std::string::npos)
        << run.Out;
    EXPECT_EQ(LineCount(run.Out), 1u);

    TRun const clean = Run({ "describe", DEFAULT_SKIN_PATH });
    EXPECT_EQ(clean.Code, 0) << clean.Err;
    EXPECT_NE(clean.Out.find("\"notes\": []}"), std::string::npos) << clean.Out;
    EXPECT_EQ(Run({ "describe", (Dir() / "missing.skn").string() }).Code, 1);
}

// Text colours that read badly on their faces are worth a warning, not a
// refusal; colours left to the system are not judged.
TEST_F(Skinpack, VerifyWarnsOfTextColoursThatReadBadly)
{
    CopySlate(Dir() / "in", { { "ButtonText=28 36 48", "ButtonText=200 204 210" },
                              { "MenuText=28 36 48\n", "" } });
    ASSERT_EQ(Run({ "pack", (Dir() / "in").string(), (Dir() / "pale.skn").string() }).Code, 0);
    TRun const run = Run({ "verify", (Dir() / "pale.skn").string() });
    EXPECT_EQ(run.Code, 0) << run.Err;
    EXPECT_NE(run.Out.find("note: [Colours] ButtonText on ButtonFace: a contrast of 1.4:1, below 4.5:1"),
              std::string::npos)
        << run.Out;
    EXPECT_EQ(run.Out.find("MenuText on"), std::string::npos) << run.Out;
    EXPECT_NE(run.Out.find(": ok: "), std::string::npos) << run.Out;
}

TEST_F(Skinpack, VerifyReportsEveryProblemOfABrokenSkin)
{
    CopySlate(Dir() / "in", {
                                { "[Colours]", "[NotColours]" },
                                { "Xcoord=100\nYcoord=10\nVisibility=8\nVisibility1=0\nCombineOp=-1\nframe=6",
                                  "Xcoord=100\nYcoord=10\nVisibility=8\nVisibility1=0\nCombineOp=-1\nframe=5" },
                                { "Image=buttons-tabs.bmp", "Image=buttons-tabs.BMP" },
                                { "[Buttons]\nBitmap=buttons.bmp\nLeftWidth=4", "[Buttons]\nBitmap=buttons.bmp\nLeftWidth=4px" },
                                { "[GroupBoxEdge]\nImage=groupboxedge.bmp\nLeftWidth=6", "[GroupBoxEdge]\nImage=groupboxedge.bmp\nLeftWidth=60" },
                                { "[SunkEdge]", "[SunkEdge]\n[sunkedge]" },
                                { "LeftFrame=1", "LeftFrame=0" },
                            });
    fs::remove(Dir() / "in" / "checkbox.bmp");
    WriteBytes(Dir() / "in" / "ctrl-help.bmp", Bytes("GIF89a, not a bitmap"));
    ASSERT_EQ(Run({ "pack", (Dir() / "in").string(), (Dir() / "broken.skn").string() }).Code, 0);

    TRun const run = Run({ "verify", (Dir() / "broken.skn").string() });
    EXPECT_EQ(run.Code, 1);
    std::string const file = (Dir() / "broken.skn").string() + ": ";
    for (std::string const problem : {
             "the description has no [Colours] section",
             "[BUTTON3] ButtonImage=ctrl-min.bmp: 156 pixels wide, which does not divide into 5 frames side by side",
             "[Tabs] Image=buttons-tabs.BMP: not a name ending in \".bmp\"",
             "[Buttons] LeftWidth=4px: not an integer",
             "[GroupBoxEdge] Image=groupboxedge.bmp: left and right margins of 66 pixels are wider than its "
             "46-pixel frames",
             "[SunkEdge] appears 2 times",
             "[Personality] Left=f-left.bmp: a frame count of 0",
             "[Buttons] CheckButton=checkbox.bmp: the package has no entry \"checkbox.bmp\"",
             "[Button6] ButtonImage=ctrl-help.bmp: \"ctrl-help.bmp\" is not a usable BMP image",
         })
        EXPECT_NE(run.Out.find(file + problem), std::string::npos) << problem << "\n" << run.Out;
    EXPECT_EQ(LineCount(run.Out), 10u) << run.Out; // the nine and the note
    EXPECT_EQ(run.Out.find(": ok"), std::string::npos);
    EXPECT_EQ(run.Err, "skinpack: " + file + "9 problems found\n");
}

TEST_F(Skinpack, VerifyNeedsADescriptionAndTheFrame)
{
    fs::create_directories(Dir() / "bare");
    WriteBytes(Dir() / "bare" / "a.bmp", Bytes("BM"));
    ASSERT_EQ(Run({ "pack", (Dir() / "bare").string(), (Dir() / "bare.skn").string() }).Code, 0);
    TRun const bare = Run({ "verify", (Dir() / "bare.skn").string() });
    EXPECT_EQ(bare.Code, 1);
    EXPECT_NE(bare.Out.find("the package has no description: no entry name contains \".ini\""), std::string::npos);

    fs::create_directories(Dir() / "empty");
    WriteBytes(Dir() / "empty" / "skin.ini", Bytes("[Personality]\r\n[Buttons]\r\n"));
    ASSERT_EQ(Run({ "pack", (Dir() / "empty").string(), (Dir() / "empty.skn").string() }).Code, 0);
    TRun const empty = Run({ "verify", (Dir() / "empty.skn").string() });
    EXPECT_EQ(empty.Code, 1);
    for (const char* problem : { "no [Colours] section", "no caption-button sections", "[Personality] Left: no image",
                                 "[Personality] Bottom: no image", "[Buttons] Bitmap: no image" })
        EXPECT_NE(empty.Out.find(problem), std::string::npos) << problem << "\n" << empty.Out;

    // Megabytes of sections: refused before they are parsed.
    fs::create_directories(Dir() / "huge");
    std::string sections;
    while (sections.size() <= (1u << 20))
        sections += "[s" + std::to_string(sections.size()) + "]\n";
    WriteBytes(Dir() / "huge" / "skin.ini", Bytes(sections));
    ASSERT_EQ(Run({ "pack", (Dir() / "huge").string(), (Dir() / "huge.skn").string() }).Code, 0);
    TRun const huge = Run({ "verify", (Dir() / "huge.skn").string() });
    EXPECT_EQ(huge.Code, 1);
    EXPECT_NE(huge.Out.find("descriptions of more than 1048576 bytes"), std::string::npos) << huge.Out;
}

TEST_F(Skinpack, VerifyRefusesWhatIsNoSkin)
{
    ExpectVerifyRefused(Dir() / "missing.skn");
    WriteBytes(Dir() / "garbage.skn", RandomBytes(500, 9));
    ExpectVerifyRefused(Dir() / "garbage.skn");
    WriteBytes(Dir() / "none.prop", std::vector<std::uint8_t> { 0, 0, 0, 0 });
    ExpectVerifyRefused(Dir() / "none.prop", { "--property" });
}
