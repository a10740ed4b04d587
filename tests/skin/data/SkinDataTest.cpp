// The skin set loaded from skin packages: the default skin, crafted and
// hostile descriptions, the temporary description file, and agreement of
// the platform's private-profile reading with the plain reader.

#include "skin/draw/SkinDraw.h"
#include "skin/description/SkinIni.h"
#include "skin/description/SkinSetReader.h"
#include "skin/package/SkinReader.h"
#include "tests/skin/SkinTestSupport.h"
#include "skin/data/WinSkinData.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace tandrel::test {

namespace {

fs::path TempFolder()
{
    wchar_t folder[MAX_PATH + 1];
    DWORD const length = GetTempPathW(MAX_PATH + 1, folder);
    return fs::path(std::wstring(folder, length));
}

// Description files this process left in the temporary folder.
std::vector<std::wstring> LeftoverDescriptions()
{
    std::wstring const prefix = L"Tandrel-" + std::to_wstring(GetCurrentProcessId()) + L"-";
    std::vector<std::wstring> names;
    for (const auto& file : fs::directory_iterator(TempFolder()))
        if (file.path().filename().wstring().starts_with(prefix))
            names.push_back(file.path().filename().wstring());
    return names;
}

void Load(TSkinSet& set, const std::vector<std::uint8_t>& stream)
{
    TSkinReader reader;
    ASSERT_TRUE(reader.LoadPackage(stream));
    set.LoadSkinDescription(reader);
}

COLORREF BrushColour(HBRUSH brush)
{
    LOGBRUSH info {};
    GetObjectW(brush, sizeof info, &info);
    return info.lbColor;
}

std::unique_ptr<TBitmap> SmallBitmap()
{
    return PaintedBitmap(12, 4, [](int x, int) { return x < 6 ? RGB(255, 0, 0) : RGB(0, 0, 255); });
}

std::wstring AnsiWide(std::string_view text)
{
    std::wstring wide(text.size(), L'\0');
    int const length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                                           static_cast<int>(wide.size()));
    wide.resize(static_cast<std::size_t>(std::max(length, 0)));
    return wide;
}

// Values asked of the profile service one key at a time; the default "\n"
// tells a missing key apart, as no value holds a line break.
class TKeyAtATimeSource final : public TSkinIniSource {
public:
    explicit TKeyAtATimeSource(std::wstring path) : m_path(std::move(path)) {}
    std::vector<std::string> SectionNames() const override { return TPrivateProfileSource(m_path).SectionNames(); }
    std::optional<std::string> Value(std::string_view section, std::string_view key) const override
    {
        std::vector<wchar_t> buffer(MaxSkinIniValue + 1);
        DWORD const length = GetPrivateProfileStringW(AnsiWide(section).c_str(), AnsiWide(key).c_str(), L"\n",
                                                      buffer.data(), static_cast<DWORD>(buffer.size()), m_path.c_str());
        std::wstring_view const value(buffer.data(), length);
        if (value == L"\n")
            return std::nullopt;
        std::string bytes(value.size() * 2, '\0');
        bytes.resize(static_cast<std::size_t>(WideCharToMultiByte(CP_ACP, 0, value.data(), static_cast<int>(value.size()),
                                                                  bytes.data(), static_cast<int>(bytes.size()), nullptr, nullptr)));
        return bytes;
    }

private:
    std::wstring m_path;
};

// Every value the reading steps ask for, in order, with its answer.
std::vector<std::string> ReadingStepValues(const TSkinIniSource& source)
{
    struct TRecording final : TSkinIniSource {
        explicit TRecording(const TSkinIniSource& source) : Source(source) {}
        std::vector<std::string> SectionNames() const override { return Source.SectionNames(); }
        std::optional<std::string> Value(std::string_view section, std::string_view key) const override
        {
            auto value = Source.Value(section, key);
            Reads.push_back(std::string(section) + "/" + std::string(key) + (value ? "=" + *value : " missing"));
            return value;
        }
        const TSkinIniSource& Source;
        mutable std::vector<std::string> Reads;
    } recording(source);
    TSkinIni const ini(recording);
    TSkinSetOf<TNoImage> set;
    TNoImages images;
    TSkinSetReader<TNoImage, TNoImages>(set, ini, images).Read();
    return recording.Reads;
}

std::string FileText(const char* name)
{
    std::ifstream in(name, std::ios::binary);
    return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
}

} // namespace

TEST(SkinData, LoadsTheDefaultSkin)
{
    TSkinSet set;
    EXPECT_TRUE(set.SkinNotLoaded);
    Load(set, DefaultSkinStream());
    EXPECT_FALSE(set.SkinNotLoaded);
    EXPECT_EQ(set.SkinName, "Slate");
    EXPECT_EQ(set.LeftBorder->Bitmap.Width(), 15);
    EXPECT_EQ(set.LeftBorder->Bitmap.Height(), 418);
    EXPECT_EQ(set.TopBorder->Bitmap.Height(), 46);
    EXPECT_EQ(set.Title->Bitmap.Width(), 306);
    ASSERT_EQ(set.SysButtons.size(), 13u);
    EXPECT_EQ(set.SysButtons[0]->Bitmap.Width(), 180);
    EXPECT_TRUE(set.SysButtons[4]->Bitmap.Empty()); // the icon button
    EXPECT_EQ(set.SysButtons[12]->Bitmap.Width(), 60);
    EXPECT_EQ(set.SysButtons[12]->Bitmap.Height(), 15);
    EXPECT_EQ(set.Buttons->CheckBitmap.Width(), 65);
    EXPECT_EQ(BrushColour(set.ButtonFaceBrush.Get()), RGB(232, 236, 242));
    EXPECT_TRUE(LeftoverDescriptions().empty());

    // The MDI buttons hold consecutive thirds of the MDI strip, pixel for pixel.
    TBitmap mdi;
    auto const stream = DefaultSkinStream();
    TSkinReader reader;
    ASSERT_TRUE(reader.LoadPackage(stream));
    std::vector<std::uint8_t> bytes;
    ASSERT_TRUE(reader.ExtractEntry("button-mdi.bmp", bytes));
    mdi.LoadFromBytes(bytes.data(), bytes.size());
    for (int k = 0; k < 3; ++k) {
        TBitmap& button = set.SysButtons[10 + static_cast<std::size_t>(k)]->Bitmap;
        ASSERT_EQ(button.Height(), mdi.Height());
        for (int y = 0; y < mdi.Height(); ++y)
            for (int x = 0; x < 60; ++x)
                ASSERT_EQ(PixelOf(button, x, y), PixelOf(mdi, 60 * k + x, y)) << k << " " << x << "," << y;
    }
}

TEST(SkinData, TheComboButtonGetsAMirroredCopy)
{
    TSkinSet set;
    Load(set, DefaultSkinStream());
    ASSERT_TRUE(set.ComboButton);
    TBitmap& image = set.ComboButton->Bitmap;
    TBitmap& mirrored = set.ComboButton->Bitmap2;
    ASSERT_EQ(mirrored.Width(), image.Width());
    EXPECT_EQ(mirrored.PixelFormat(), TPixelFormat::pf24bit);
    for (int y = 0; y < image.Height(); y += 5)
        for (int x = 0; x < image.Width(); x += 3)
            ASSERT_EQ(PixelOf(mirrored, x, y), PixelOf(image, image.Width() - 1 - x, y)) << x << "," << y;
}

TEST(SkinData, CraftedDescriptionsAndASecondLoad)
{
    auto const bitmap = BmpBytes(*SmallBitmap());
    TSkinSet set;
    Load(set, DefaultSkinStream());
    ASSERT_TRUE(set.Tabs && set.MenuBar);
    auto* const buttons = set.Buttons.get();

    // A description naming a folder, capitals and other extensions.
    Load(set, SkinStream({ { "skin.ini", TextBytes("[Colours]\r\nButtonFace=10 20 30\r\n"
                                                   "[Tabs]\r\nImage=C:\\skins\\tab.bmp\r\nTile=2\r\n"
                                                   "[SunkEdge]\r\nImage=tab.BMP\r\n"
                                                   "[Progress]\r\nBitmap=tab.bmp\r\nTile=2\r\n"
                                                   "[BUTTON1]\r\nButtonImage=tab.bmp\r\n") },
                           { "tab.bmp", bitmap } }));
    EXPECT_FALSE(set.SkinNotLoaded);
    EXPECT_EQ(set.Buttons.get(), buttons);
    EXPECT_EQ(set.Buttons->LeftWidth, 0); // back to the default
    EXPECT_EQ(set.SkinName, "");
    EXPECT_FALSE(set.MenuBar);
    ASSERT_TRUE(set.Tabs && set.SunkEdge && set.Progress);
    EXPECT_EQ(set.Tabs->Bitmap.Width(), 12);
    EXPECT_EQ(set.Tabs->Tile, 0);
    EXPECT_EQ(set.Progress->Tile, 2);
    EXPECT_TRUE(set.SunkEdge->Bitmap.Empty());
    ASSERT_EQ(set.SysButtons.size(), 4u);
    EXPECT_EQ(set.SysButtons[0]->FrameCount, 3); // 12 x 4 is 3.0 wide for its height
    EXPECT_TRUE(set.LeftBorder->Bitmap.Empty());
    EXPECT_EQ(BrushColour(set.ButtonFaceBrush.Get()), RGB(10, 20, 30));
}

TEST(SkinData, ABrokenImageFailsTheLoadAndLeavesNothingBehind)
{
    TSkinSet set;
    try {
        Load(set, SkinStream({ { "skin.ini", TextBytes("[Buttons]\r\nBitmap=bad.bmp\r\n") },
                               { "bad.bmp", TextBytes("GIF89a") } }));
        ADD_FAILURE() << "loaded";
    } catch (const ESkinError& error) {
        EXPECT_NE(std::string(error.what()).find("\"bad.bmp\""), std::string::npos) << error.what();
    }
    EXPECT_TRUE(set.SkinNotLoaded);
    EXPECT_TRUE(LeftoverDescriptions().empty());

    // A skin that loaded before is marked unloaded by a failed load.
    Load(set, DefaultSkinStream());
    EXPECT_THROW(Load(set, SkinStream({ { "a.ini", TextBytes("[Personality]\r\nLeft=b.bmp\r\n") },
                                        { "b.bmp", std::vector<std::uint8_t>(60, 'B') } })),
                 ESkinError);
    EXPECT_TRUE(set.SkinNotLoaded);
    EXPECT_TRUE(LeftoverDescriptions().empty());
}

TEST(SkinData, APackageWithoutAUsableDescriptionFails)
{
    TSkinSet set;
    EXPECT_THROW(Load(set, SkinStream({ { "a.bmp", BmpBytes(*SmallBitmap()) }, { "readme.txt", {} } })), ESkinError);
    EXPECT_THROW(Load(set, SkinStream({ { "a.ini", std::vector<std::uint8_t>((1u << 20) + 1, '\n') } })), ESkinError);
    EXPECT_TRUE(set.SkinNotLoaded);
    EXPECT_TRUE(LeftoverDescriptions().empty());
}

TEST(SkinData, HostileSkinsLoadAndDrawWithoutHarm)
{
    auto one = SolidBitmap(1, 1, RGB(255, 0, 255));
    auto mono = SolidBitmap(3, 2, RGB(0, 0, 0));
    mono->SetPixelFormat(TPixelFormat::pf1bit);
    auto thin = SolidBitmap(13, 1, RGB(9, 9, 9));
    thin->SetPixelFormat(TPixelFormat::pf8bit);
    std::string const every = "Image=one.bmp\r\nBorder=thin.bmp\r\nGlyphImage=mono.bmp\r\n****=thin.bmp\r\n"
                              "LeftWidth=-7\r\nRightWidth=2147483647\r\nTopHeight=$FFFFFFFF\r\nBottomHeight=99\r\n"
                              "Tile=1\r\nTrans=1\r\nFrameCount=-3\r\n";
    std::string description = "[Personality]\r\nLeft=thin.bmp\r\nLeftFrame=-1\r\nRight=one.bmp\r\nRightFrame=0\r\n"
                              "Top=mono.bmp\r\nTopFrame=1000\r\nTopTopHeight=-5\r\nBottom=one.bmp\r\nBottomStretch=0\r\n"
                              "TextBack=one.bmp\r\nTXTBackleft=1000\r\nmenuBar=mono.bmp\r\nTileLeftMenu=-9\r\n"
                              "[MDICONTROLS]\r\nImage=thin.bmp\r\n"
                              "[Buttons]\r\nBitmap=one.bmp\r\nCheckButton=thin.bmp\r\nRadioButton=mono.bmp\r\n"
                              "CheckButtonFrame=-4\r\n[Progress]\r\nBitmap=mono.bmp\r\nChunk=one.bmp\r\nStyle=1\r\n";
    for (const char* section : { "BUTTON0", "Button1", "GroupBoxEdge", "Toolbars", "Tabs", "StatusBarEdges",
                                 "ComboButton", "SunkEdge", "ExtraImages", "Headerbar", "MenuItem", "MenuBackground",
                                 "Scrollbar", "HorzScroll", "VertScroll", "HorzScrollThumb", "VertScrollThumb",
                                 "Trackbar.ThumbHorz", "UpDown.Horz", "UpDown.Vert" })
        description += std::string("[") + section + "]\r\nButtonImage=thin.bmp\r\nframe=-2\r\n" + every;

    int const before = LiveGdiObjects();
    {
        TSkinSet set;
        Load(set, SkinStream({ { "skin.ini", TextBytes(description) },
                               { "one.bmp", BmpBytes(*one) },
                               { "mono.bmp", BmpBytes(*mono) },
                               { "thin.bmp", BmpBytes(*thin) } }));
        EXPECT_FALSE(set.SkinNotLoaded);
        ASSERT_TRUE(set.ComboButton && set.UpDownVert);
        EXPECT_EQ(set.ComboButton->Bitmap2.Width(), 1);
        EXPECT_EQ(set.Buttons->CheckFrameCount, -4);
        EXPECT_EQ(set.SysButtons[0]->FrameCount, -2);
        EXPECT_EQ(set.SysButtons[2]->Bitmap.Width(), 4); // 13 div 12 = 1: frames of 1 pixel

        std::vector<TDataSkinObject*> objects = { set.LeftBorder.get(), set.RightBorder.get(), set.TopBorder.get(),
                                                  set.BottomBorder.get(), set.Title.get(), set.Buttons.get(),
                                                  set.MenuBar.get(), set.Progress.get(), set.ComboButton.get(),
                                                  set.UpDownHorz.get(), set.HorzScrollThumb.get() };
        for (auto& button : set.SysButtons)
            objects.push_back(button.get());
        auto target = SolidBitmap(64, 48, RGB(0, 0, 0));
        HDC const dc = target->Canvas().Handle();
        for (TDataSkinObject* object : objects) {
            ASSERT_NE(object, nullptr);
            for (int frame : { 1, object->FrameCount, object->FrameCount + 1 }) {
                DrawSkinObject(dc, { 3, 3, 60, 40 }, object->FrameCount, frame, *object);
                DrawSkinBar(target->Canvas(), { 0, 0, 64, 20 }, object->Bitmap,
                            { object->LeftWidth, 0, object->RightWidth, 0 }, TFrameLayout::flVertical,
                            TSkinTransparency::stKeyColour, object->FrameCount, frame);
                DrawSkinFrame(dc, { 5, 5, 25, 25 }, object->Bitmap, TSkinTransparency::stKeyColour,
                              object->FrameCount, frame);
            }
            TBitmap copy;
            copy.Assign(object->Bitmap);
            RegionFromBitmap(copy, 0, 0, clFuchsia, 1, 1, 1);
        }
    }
    EXPECT_EQ(LiveGdiObjects(), before);
    EXPECT_TRUE(LeftoverDescriptions().empty());
}

TEST(SkinData, TheTemporaryFileStaysInTheTemporaryFolder)
{
    fs::path const folder = TempFolder();
    for (std::string_view entry : { "..\\..\\x.ini", "../../x.ini", "c:\\windows\\win.ini", "..", "", "con",
                                    "nul.ini", "a:b.ini", "x.ini. ", "\xE7\x9A\xAE\xE8\x82\xA4.ini",
                                    "..\\..\\..\\..\\..\\..\\..\\..\\..\\..\\..\\..\\..\\..\\..\\..\\x.ini" }) {
        std::wstring path;
        {
            TTempDescriptionFile const file(entry, TextBytes("[A]\r\nB=1\r\n"));
            path = file.Path();
            fs::path const written(path);
            EXPECT_EQ(written.parent_path() / "", folder) << entry;
            EXPECT_TRUE(written.filename().wstring().starts_with(L"Tandrel-")) << entry;
            EXPECT_EQ(written.filename().wstring().find_first_of(L"\\/:"), std::wstring::npos) << entry;
            EXPECT_TRUE(fs::is_regular_file(written)) << entry;
            EXPECT_EQ(TPrivateProfileSource(path).Value("A", "B"), "1") << entry;
        }
        EXPECT_FALSE(fs::exists(path)) << entry;
    }
    EXPECT_FALSE(fs::exists(folder / ".." / "x.ini"));
    EXPECT_FALSE(fs::exists(folder / ".." / ".." / "x.ini"));
}

TEST(SkinData, TheTemporaryFileReplacesNothing)
{
    // Files in the way: the entry's own name, and the first unique names.
    fs::path const folder = TempFolder();
    std::vector<fs::path> planted = { folder / "slate.ini" };
    { // find the counter's next values by making one file
        TTempDescriptionFile const probe("slate.ini", {});
        std::wstring const name = fs::path(probe.Path()).filename().wstring();
        std::wstring const prefix = L"Tandrel-" + std::to_wstring(GetCurrentProcessId()) + L"-";
        unsigned const next = std::stoul(name.substr(prefix.size())) + 1;
        for (unsigned n = next; n < next + 3; ++n)
            planted.push_back(folder / (prefix + std::to_wstring(n) + L"-slate.ini"));
    }
    for (const auto& path : planted)
        std::ofstream(path) << "keep";

    TSkinSet set;
    Load(set, DefaultSkinStream());
    EXPECT_FALSE(set.SkinNotLoaded);
    for (const auto& path : planted) {
        std::ifstream in(path);
        std::string text;
        in >> text;
        EXPECT_EQ(text, "keep") << path;
        in.close();
        fs::remove(path);
    }
    EXPECT_TRUE(LeftoverDescriptions().empty());
}

TEST(SkinData, ThePrivateProfileServiceAndThePlainReaderAgree)
{
    std::string text = "\xEF\xBB\xBF"
                       "top=level\r\n"
                       "[Buttons]\r\n Bitmap = a.bmp \r\nBITMAP=b.bmp\r\nNoEquals\r\nEmpty=\r\nQuoted=\"q q\"\r\n"
                       "Single='s'\r\nHalf=\"h\r\nTab=\t\tt\t\r\nEq=a=b\r\nCtrlZ=z\x1A\r\n"
                       "[buttons]\r\nLater=1\r\n"
                       "[ Spaced ]\r\nKey=2\r\n"
                       "[a]b]\r\nKey=3\r\n"
                       "[NoClose\r\nKey=4\r\n"
                       "[Lines]\rCr=5\rLf=6\nLong=" + std::string(3000, 'L') + "\r\n"
                       "QuotedLong=\"" + std::string(2046, 'Q') + "\"\r\n"
                       "[]\r\nNameless=7\r\n";
    for (int i = 0; i < 900; ++i)
        text += "[Section" + std::to_string(1000000 + i) + "abcdef]\r\nK=" + std::to_string(i) + "\r\n";

    TTempDescriptionFile const file("agree.ini", TextBytes(text));
    TPrivateProfileSource const platform(file.Path());
    TSkinIniText const plain(text);
    EXPECT_EQ(platform.SectionNames(), plain.SectionNames());
    for (std::string_view section : { "Buttons", "BUTTONS", "buttons ", "Spaced", " Spaced ", "a]b", "a", "Lines",
                                      "NoClose", "", "Section1000005abcdef", "Section1000899abcdef", "Missing" })
        for (std::string_view key : { "Bitmap", "bitmap", "NoEquals", "Empty", "Quoted", "Single", "Half", "Tab",
                                      "Eq", "CtrlZ", "Later", "Key", "[NoClose", "Cr", "Lf", "Long", "QuotedLong",
                                      "top", "K", "Nameless", "Missing" })
            EXPECT_EQ(platform.Value(section, key), plain.Value(section, key)) << section << "/" << key;
}

TEST(SkinData, SectionReadsGiveWhatKeyAtATimeReadsGive)
{
    std::string tricky = "top=level\r\n"
                         "[Personality]\r\n Left = f.bmp \r\nLEFT=g.bmp\r\nLeftFrame=3\r\nleftframe=4\r\n"
                         ";LeftTrans=0\r\nLeftStretch\r\nRightTrans=\r\nTextBack=\"t.bmp\"\r\nmenuBar='m\r\n"
                         "  TextShift\t=\t 7 \r\n[personality]\r\nRight=r.bmp\r\n"
                         "[Colours]\r\nMenu = 1 2 3 \r\nButtonFace=\r\n"
                         "[ Buttons ]\r\nTrans=$1F\r\nTile=0x10\r\nLeftWidth=99999999999\r\nBitmap=" + std::string(3000, 'b')
        + "\r\n[BUTTON1]\r\nAction=1\r\n[Huge]\r\n";
    for (int i = 0; i < 60; ++i)
        tricky += "Key" + std::to_string(i) + "=" + std::string(1200, char('a' + i % 26)) + "\r\n";

    for (auto const& [name, text] : { std::pair<std::string, std::string> { "slate.ini", FileText("slate.ini") },
                                      { "dusk.ini", FileText("dusk.ini") }, { "tricky.ini", tricky } }) {
        ASSERT_FALSE(text.empty()) << name;
        TTempDescriptionFile const file(name, TextBytes(text));
        TPrivateProfileSource const sections(file.Path());
        TKeyAtATimeSource const keys(file.Path());
        EXPECT_EQ(ReadingStepValues(sections), ReadingStepValues(keys)) << name;
        // Every key the file has, in every section, and ones it has not.
        for (const auto& section : TSkinIniText(text).Sections()) {
            std::vector<std::string> names { "Missing", " left ", "KEY59" };
            for (const auto& key : section.Keys)
                names.push_back(key.first);
            for (const auto& key : names)
                EXPECT_EQ(sections.Value(section.Name, key), keys.Value(section.Name, key)) << name << " " << section.Name
                                                                                           << "/" << key;
        }
    }
}

TEST(SkinData, TypedReadsThroughTheProfileServiceKeepTheirDefaults)
{
    std::string const text = "[Buttons]\r\n"
                             "LeftWidth = 7\r\nleftwidth=9\r\n"    // the first line wins
                             "TopHeight=twelve\r\nTile=\r\n"      // no integer, empty
                             "Trans=99999999999\r\nNormalColour\r\n" // beyond 32 bits, no "="
                             "Bitmap=" + std::string(4000, 'b') + "\r\n"
                             "[Empty]\r\n"
                             "[Colours]\r\nButtonFace =  1 2 3 \r\n";
    TTempDescriptionFile const file("typed.ini", TextBytes(text));
    TPrivateProfileSource const source(file.Path());
    TSkinIni const ini(source);
    ASSERT_EQ(ini.SectionNames(), (std::vector<std::string> { "Buttons", "Empty", "Colours" }));
    EXPECT_EQ(ini.ReadInteger("Buttons", "LeftWidth", -1), 7);
    EXPECT_EQ(ini.ReadInteger("Buttons", "TopHeight", -1), -1);
    EXPECT_EQ(ini.ReadInteger("Buttons", "Tile", -1), -1);
    EXPECT_EQ(ini.ReadInteger("Buttons", "Trans", -1), -1);
    EXPECT_EQ(ini.ReadInteger("Buttons", "NormalColour", -1), -1);
    EXPECT_EQ(ini.ReadInteger("Buttons", "Missing", -1), -1);
    EXPECT_EQ(ini.ReadString("Buttons", "Bitmap"), std::string(MaxSkinIniValue, 'b'));
    EXPECT_FALSE(ini.HasValue("Empty", "LeftWidth"));
    EXPECT_FALSE(ini.HasValue("Unlisted", "LeftWidth"));
    EXPECT_EQ(ini.ReadColour("Colours", "ButtonFace", 0), 0x030201u);
    EXPECT_EQ(ini.ReadColour("Colours", "Missing", 0x123456), 0x123456u);
}

TEST(SkinData, RepeatedLoadsKeepGdiObjectsSteady)
{
    auto const stream = DefaultSkinStream();
    int const before = LiveGdiObjects();
    {
        TSkinSet set;
        Load(set, stream);
        int const loaded = LiveGdiObjects();
        for (int i = 0; i < 3; ++i)
            Load(set, stream);
        EXPECT_EQ(LiveGdiObjects(), loaded);
    }
    EXPECT_EQ(LiveGdiObjects(), before);
}

} // namespace tandrel::test
