// The skin description's rules and the reading steps, run natively with
// images that only have a size: what the engine reads, in which order, with
// which defaults. SKINS_SOURCE_DIR comes from the build.

#include "skin/description/SkinDescription.h"
#include "skin/description/SkinIni.h"
#include "skin/description/SkinSetReader.h"
#include "framework/graphics/formats/BmpFormat.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

using namespace tandrel;

namespace {

// An image that is a size and a note of where it came from.
struct TFakeImage {
    int W = 0;
    int H = 0;
    std::string From;
    bool Empty() const { return W <= 0 || H <= 0; }
    int Width() const { return W; }
    int Height() const { return H; }
};

class TFakeImages {
public:
    std::map<std::string, std::pair<int, int>> Entries; // by lower-case name
    std::vector<std::string> Loads;                      // "Section/Key" in load order
    std::vector<std::string> Strips;                     // "Section/Key:frames"

    void Load(TFakeImage& image, std::string_view section, std::string_view key, const std::string& value)
    {
        Loads.push_back(std::string(section) + "/" + std::string(key));
        image = {};
        if (auto const name = BitmapEntryName(value)) {
            auto const found = Entries.find(SkinLowerCase(*name));
            if (found != Entries.end())
                image = { found->second.first, found->second.second, found->first };
        }
    }
    void Clear(TFakeImage& image) { image = {}; }
    void MirrorCopy(TFakeImage& target, TFakeImage& source) { target = { source.W, source.H, "mirror of " + source.From }; }
    void CopyColumns(TFakeImage& target, TFakeImage& source, int left, int width)
    {
        target = { width, source.H, source.From + " " + std::to_string(left) + "+" + std::to_string(width) };
    }
    void Strip(const TFakeImage& image, const TStripUse& use)
    {
        if (!image.Empty())
            Strips.push_back(std::string(use.Section) + "/" + std::string(use.Key) + ":" + std::to_string(use.FrameCount));
    }
};

using TFakeSet = TSkinSetOf<TFakeImage>;

void Read(TFakeSet& set, std::string_view description, TFakeImages& images)
{
    TSkinIniText const text(description);
    TSkinIni const ini(text);
    TSkinSetReader<TFakeImage, TFakeImages>(set, ini, images).Read();
}

std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return { std::istreambuf_iterator<char>(in), {} };
}

// The default skin's description, with the sizes of its real images.
TFakeImages SlateImages()
{
    TFakeImages images;
    for (const auto& file : std::filesystem::directory_iterator(SKINS_SOURCE_DIR "/slate")) {
        if (file.path().extension() != ".bmp")
            continue;
        std::string const bytes = ReadFile(file.path());
        auto const layout = formats::ParseBmp(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        images.Entries[file.path().filename().string()] = { layout.Width, layout.Height };
    }
    return images;
}

constexpr TSkinColour Rgb(unsigned r, unsigned g, unsigned b) { return r | g << 8 | b << 16; }

} // namespace

TEST(SkinDescriptionRules, BitmapValuesNameEntriesByTheirFileNamePart)
{
    EXPECT_EQ(BitmapEntryName("menuborder.bmp"), "menuborder.bmp");
    EXPECT_EQ(BitmapEntryName("C:\\skins\\slate\\menuborder.bmp"), "menuborder.bmp");
    EXPECT_EQ(BitmapEntryName("c:menuborder.bmp"), "menuborder.bmp");
    EXPECT_EQ(BitmapEntryName("a.b.bmp"), "a.b.bmp");
    EXPECT_EQ(BitmapEntryName("dir/x.bmp"), "dir/x.bmp"); // "/" is no separator here
    for (std::string_view none : { "", "0", "x.BMP", "x.png", "dir.bmp\\", "x.bmp.", "folder.bmp\\name", ".bmp\\" })
        EXPECT_EQ(BitmapEntryName(none), std::nullopt) << none;
    EXPECT_EQ(BitmapEntryName(".bmp"), ".bmp");

    EXPECT_TRUE(HasForeignExtension("x.BMP"));
    EXPECT_TRUE(HasForeignExtension("dir\\x.png"));
    EXPECT_FALSE(HasForeignExtension("0"));
    EXPECT_FALSE(HasForeignExtension("x.bmp"));
    EXPECT_FALSE(HasForeignExtension("a.dir\\x"));
}

TEST(SkinDescriptionRules, CaptionButtonSectionsAndFrameCounts)
{
    for (std::string_view name : { "BUTTON0", "Button6", "button10", "ButtonX", "BUTTON" })
        EXPECT_TRUE(IsCaptionButtonSection(name)) << name;
    for (std::string_view name : { "Buttons", "BUTTONS", "Button.Radio", "button.checkbox", "Butto", "MyButton" })
        EXPECT_FALSE(IsCaptionButtonSection(name)) << name;

    EXPECT_EQ(CaptionButtonFrameCount(0, 180, 30), 6);
    EXPECT_EQ(CaptionButtonFrameCount(0, 57, 19), 3);
    EXPECT_EQ(CaptionButtonFrameCount(0, 38, 10), 3);  // 3.8 exactly
    EXPECT_EQ(CaptionButtonFrameCount(0, 39, 10), 6);
    EXPECT_EQ(CaptionButtonFrameCount(-1, 57, 19), 6); // a negative action
    EXPECT_EQ(CaptionButtonFrameCount(0, 0, 0), 6);    // no image

    EXPECT_EQ(GlyphStripFrameCount(65, 13), 5);
    EXPECT_EQ(GlyphStripFrameCount(40, 20), 4); // 40 div 16 = 2, raised to 4
    EXPECT_EQ(GlyphStripFrameCount(128, 16), 8);
    EXPECT_EQ(GlyphStripFrameCount(0, 0), 4);

    EXPECT_EQ(MdiButtonSlice(180, msMinimize).Left, 0);
    EXPECT_EQ(MdiButtonSlice(180, msClose).Left, 120);
    EXPECT_EQ(MdiButtonSlice(180, msRestore).Width, 60);
    EXPECT_EQ(MdiButtonSlice(180, msMinimize).Xcoord, 57);
    EXPECT_EQ(MdiButtonSlice(11, msClose).Width, 0);
}

TEST(SkinDescriptionRules, TemporaryNamesStayInsideTheirFolder)
{
    EXPECT_EQ(DescriptionTempName("slate.ini"), "slate.ini");
    EXPECT_EQ(DescriptionTempName("..\\..\\x.ini"), "x.ini");
    EXPECT_EQ(DescriptionTempName("../../etc/passwd"), "passwd");
    EXPECT_EQ(DescriptionTempName("c:\\windows\\win.ini"), "win.ini");
    EXPECT_EQ(DescriptionTempName(".."), "skin.ini");
    EXPECT_EQ(DescriptionTempName(""), "skin.ini");
    EXPECT_EQ(DescriptionTempName("x\\"), "skin.ini");
    EXPECT_EQ(DescriptionTempName("...ini..."), "ini");
    EXPECT_EQ(DescriptionTempName("a b*?<>|\".ini"), "a_b______.ini");
    EXPECT_EQ(DescriptionTempName("\xE7\x9A\xAE.ini"), "___.ini");
    EXPECT_EQ(DescriptionTempName(std::string(300, 'n') + ".ini").size(), 64u);
}

TEST(SkinSetReading, TheDefaultSkin)
{
    TFakeImages images = SlateImages();
    TFakeSet set;
    Read(set, ReadFile(SKINS_SOURCE_DIR "/slate/slate.ini"), images);

    EXPECT_EQ(set.SkinName, "Slate");
    EXPECT_EQ(set.LeftBorder->Bitmap.From, "f-left.bmp");
    EXPECT_EQ(set.LeftBorder->TopHeight, 46);
    EXPECT_EQ(set.LeftBorder->BottomHeight, 9);
    EXPECT_EQ(set.LeftBorder->LeftWidth, 0);
    EXPECT_EQ(set.TopBorder->Bitmap.H, 46);
    EXPECT_EQ(set.TopBorder->Trans, 0);
    EXPECT_EQ(set.RightBorder->Trans, 1);
    EXPECT_EQ(set.ButtonFaceColour, Rgb(232, 236, 242));
    EXPECT_EQ(set.MenubarColour, Rgb(219, 225, 233));

    // Ten caption buttons in file order, then three MDI buttons.
    ASSERT_EQ(set.SysButtons.size(), 13u);
    std::vector<std::string> names;
    for (const auto& button : set.SysButtons)
        names.push_back(button->Name);
    EXPECT_EQ(names, (std::vector<std::string> { "BUTTON0", "BUTTON1", "BUTTON2", "BUTTON3", "BUTTON4", "BUTTON6",
                                                 "BUTTON7", "BUTTON8", "BUTTON9", "BUTTON10", "MDICONTROLS",
                                                 "MDICONTROLS", "MDICONTROLS" }));
    auto const& icon = *set.SysButtons[4];
    EXPECT_EQ(icon.Action, 3);
    EXPECT_TRUE(icon.Bitmap.Empty());
    EXPECT_EQ(icon.FrameCount, 6);
    EXPECT_EQ(set.SysButtons[0]->CombineOp, -1);
    EXPECT_EQ(set.SysButtons[0]->FrameCount, 6);
    for (int k = 0; k < 3; ++k) {
        auto const& mdi = *set.SysButtons[10 + static_cast<std::size_t>(k)];
        EXPECT_EQ(mdi.Action, 7 + k);
        EXPECT_EQ(mdi.Align, 100);
        EXPECT_EQ(mdi.Visibility1, 100);
        EXPECT_EQ(mdi.FrameCount, 4);
        EXPECT_EQ(mdi.CombineOp, 0);
        EXPECT_EQ(mdi.Xcoord, 19 * (3 - k));
        EXPECT_EQ(mdi.Bitmap.From, "button-mdi.bmp " + std::to_string(60 * k) + "+60");
    }

    EXPECT_EQ(set.Buttons->FrameCount, 5);
    EXPECT_EQ(set.Buttons->CheckFrameCount, 5);
    EXPECT_EQ(set.Buttons->NormalColour, -1);
    EXPECT_EQ(set.Buttons->MouseOverColour2, Rgb(40, 86, 152));
    EXPECT_EQ(set.Title->LeftWidth, 5);   // TextShift
    EXPECT_EQ(set.Title->RightWidth, 100); // TextRightClip
    EXPECT_EQ(set.Title->FontHeight, 14);
    EXPECT_EQ(set.Title->FrameCount, 2);
    EXPECT_EQ(set.Title->ActiveTextColour, Rgb(244, 247, 251));
    EXPECT_EQ(set.Title->InActiveTextColour, Rgb(40, 50, 64));

    ASSERT_TRUE(set.MenuBar && set.Progress && set.Tabs && set.ComboButton && set.HorzScrollThumb);
    EXPECT_EQ(set.MenuBar->Name, "Personality");
    EXPECT_EQ(set.MenuBar->LeftWidth, 4);
    EXPECT_EQ(set.MenuBar->FrameCount, 2);
    EXPECT_EQ(set.Progress->Tile, 2); // kept as read
    EXPECT_EQ(set.Tabs->Tile, 0);     // above 1: stored as 0
    EXPECT_EQ(set.Tabs->Bitmap2.From, "tabborder.bmp");
    EXPECT_EQ(set.Tabs->NormalColour2, Rgb(70, 82, 100));
    EXPECT_EQ(set.Tabs->PressedColour, -1);
    EXPECT_EQ(set.ComboButton->Bitmap2.From, "mirror of combo.bmp");
    EXPECT_EQ(set.StatusBarEdges->MouseOverColour2, Rgb(28, 36, 48)); // ButtonText
    EXPECT_EQ(set.Scrollbar->FrameCount, 23);
    EXPECT_EQ(set.HorzScrollThumb->FrameCount, 3);
    EXPECT_EQ(set.MenuBackground->FrameCount, 1);
    EXPECT_FALSE(set.TrackbarThumbHorz || set.UpDownHorz || set.UpDownVert);

    // The images load in the engine's order.
    std::vector<std::string> const start(images.Loads.begin(), images.Loads.begin() + 18);
    EXPECT_EQ(start, (std::vector<std::string> {
                         "Personality/Left", "Personality/Right", "Personality/Top", "Personality/Bottom",
                         "BUTTON0/ButtonImage", "BUTTON1/ButtonImage", "BUTTON2/ButtonImage", "BUTTON3/ButtonImage",
                         "BUTTON4/ButtonImage", "Button6/ButtonImage", "Button7/ButtonImage", "Button8/ButtonImage",
                         "Button9/ButtonImage", "Button10/ButtonImage", "MDICONTROLS/Image", "Buttons/Bitmap",
                         "Buttons/CheckButton", "Buttons/RadioButton" }));
    std::vector<std::string> const rest(images.Loads.begin() + 18, images.Loads.end());
    EXPECT_EQ(rest, (std::vector<std::string> {
                        "Personality/TextBack", "Progress/Bitmap", "Personality/menuBar", "GroupBoxEdge/Image",
                        "Toolbars/Image", "Tabs/Image", "Tabs/Border", "StatusBarEdges/Image", "ComboButton/Image",
                        "SunkEdge/Image", "ExtraImages/Image", "Headerbar/Image", "MenuItem/Image",
                        "MenuBackground/Image", "Scrollbar/Image", "HorzScroll/Image", "VertScroll/Image",
                        "HorzScrollThumb/Image", "VertScrollThumb/Image" }));
}

TEST(SkinSetReading, DefaultsOfAnEmptyDescription)
{
    TFakeImages images;
    TFakeSet set;
    Read(set, "", images);
    EXPECT_EQ(set.WindowTextColour, SkinSystemColour(8));
    EXPECT_EQ(set.ButtonlightColour, SkinSystemColour(20));
    EXPECT_EQ(set.ButtonDkShadowColour, SkinSystemColour(16));
    EXPECT_EQ(set.TitleTextNoActiveColour, SkinSystemColour(19));
    EXPECT_EQ(set.LeftBorder->FrameCount, 1);
    EXPECT_EQ(set.LeftBorder->Tile, 1);
    EXPECT_EQ(set.LeftBorder->Trans, 1);
    EXPECT_EQ(set.Title->FontHeight, 14);
    EXPECT_EQ(set.Title->ActiveTextColour, SkinColourNotGiven);
    EXPECT_EQ(set.Buttons->RadioFrameCount, 4);
    EXPECT_EQ(set.Buttons->NormalColour2, SkinSystemColour(18));
    ASSERT_EQ(set.SysButtons.size(), 3u); // the MDI buttons alone
    EXPECT_TRUE(set.SysButtons[0]->Bitmap.Empty());
    EXPECT_EQ(set.SysButtons[0]->Xcoord, 0);
    EXPECT_FALSE(set.MenuBar || set.Progress || set.GroupBoxEdge || set.Scrollbar || set.UpDownVert);
}

TEST(SkinSetReading, DefaultsFollowTheValuesReadBeforeThem)
{
    TFakeImages images;
    TFakeSet set;
    Read(set, "[Colours]\nButtonFace=1 2 3\nButtonText=4 5 6\n[SunkEdge]\nImage=none.bmp\nNormalColour2=7 8 9\n", images);
    EXPECT_EQ(set.MenubarColour, Rgb(1, 2, 3));
    ASSERT_TRUE(set.SunkEdge); // there, though its image is not
    EXPECT_TRUE(set.SunkEdge->Bitmap.Empty());
    EXPECT_EQ(set.SunkEdge->NormalColour2, Rgb(7, 8, 9));
    EXPECT_EQ(set.SunkEdge->MouseOverColour2, Rgb(4, 5, 6));
    EXPECT_EQ(set.Buttons->PressedColour2, Rgb(4, 5, 6));
}

TEST(SkinSetReading, CaptionButtonRules)
{
    TFakeImages images;
    images.Entries = { { "wide.bmp", { 180, 30 } }, { "narrow.bmp", { 57, 19 } } };
    TFakeSet set;
    Read(set,
         "[Buttons]\n[Button.Radio]\n[BUTTON.CHECKBOX]\n"
         "[button1]\nButtonImage=wide.bmp\n"
         "[Button2]\nButtonImage=narrow.bmp\n"
         "[BUTTON3]\nButtonImage=narrow.bmp\nAction=-2\n"
         "[BUTTON4]\nButtonImage=narrow.bmp\nAction=3\n"
         "[BUTTON5]\nButtonImage=0\nAction=11\n"
         "[BUTTON6]\nButtonImage=narrow.bmp\nAction=3\nframe=2\n"
         "[BUTTON7]\nButtonImage=wide.bmp\nframe=-2\n",
         images);
    ASSERT_EQ(set.SysButtons.size(), 10u);
    EXPECT_EQ(set.SysButtons[0]->Name, "BUTTON1");
    EXPECT_EQ(set.SysButtons[0]->FrameCount, 6);
    EXPECT_EQ(set.SysButtons[1]->FrameCount, 3);
    EXPECT_EQ(set.SysButtons[2]->FrameCount, 6);
    EXPECT_EQ(set.SysButtons[3]->FrameCount, 3); // counted from the image, then the image goes
    EXPECT_TRUE(set.SysButtons[3]->Bitmap.Empty());
    EXPECT_EQ(set.SysButtons[4]->FrameCount, 6);
    EXPECT_FALSE(set.SysButtons[5]->Bitmap.Empty()); // a frame key keeps the image
    EXPECT_EQ(set.SysButtons[5]->FrameCount, 2);
    EXPECT_EQ(set.SysButtons[6]->FrameCount, -2);
}

TEST(SkinSetReading, TitleColoursNeedAllThreeKeys)
{
    TFakeImages images;
    TFakeSet set;
    Read(set, "[Personality]\nActiveTextR=255\nActiveTextB=0\nInActiveTextR=256\nInActiveTextG=$10\nInActiveTextB=0\n",
         images);
    EXPECT_EQ(set.Title->ActiveTextColour, SkinColourNotGiven);
    EXPECT_EQ(set.Title->InActiveTextColour, Rgb(0, 16, 0));
}

TEST(SkinSetReading, GlyphStripsCountTheirFrames)
{
    TFakeImages images;
    images.Entries = { { "check.bmp", { 65, 13 } }, { "radio.bmp", { 40, 20 } } };
    TFakeSet set;
    Read(set, "[Buttons]\nCheckButton=check.bmp\nRadioButton=radio.bmp\n", images);
    EXPECT_EQ(set.Buttons->CheckFrameCount, 5);
    EXPECT_EQ(set.Buttons->RadioFrameCount, 4);
}

TEST(SkinSetReading, ASecondLoadReplacesTheWholeSet)
{
    TFakeImages images;
    images.Entries = { { "t.bmp", { 50, 10 } } };
    TFakeSet set;
    Read(set, "[Buttons]\nLeftWidth=4\nTile=3\n[Tabs]\nImage=t.bmp\n[Progress]\nBitmap=t.bmp\n[Personality]\nLeftFrame=2\n"
              "[BUTTON0]\nButtonImage=t.bmp\n",
         images);
    ASSERT_TRUE(set.Tabs && set.Progress);
    EXPECT_EQ(set.Buttons->Tile, 3); // not clamped for buttons
    EXPECT_EQ(set.SysButtons.size(), 4u);
    auto* const permanent = set.Buttons.get();

    Read(set, "[Colours]\n", images);
    EXPECT_EQ(set.Buttons.get(), permanent);
    EXPECT_EQ(set.Buttons->LeftWidth, 0);
    EXPECT_EQ(set.LeftBorder->FrameCount, 1);
    EXPECT_FALSE(set.Tabs || set.Progress);
    EXPECT_EQ(set.SysButtons.size(), 3u);
}

TEST(SkinSetReading, ProgressAndMenuBarKeys)
{
    TFakeImages images;
    images.Entries = { { "p.bmp", { 62, 26 } }, { "c.bmp", { 8, 8 } }, { "m.bmp", { 64, 60 } } };
    TFakeSet set;
    Read(set, "[Progress]\nImage=ignored.bmp\nBitmap=p.bmp\nChunk=c.bmp\nTile=2\nNormalColour=5\n"
              "[Personality]\nmenuBar=m.bmp\n",
         images);
    ASSERT_TRUE(set.Progress && set.MenuBar);
    EXPECT_EQ(set.Progress->Bitmap.From, "p.bmp");
    EXPECT_EQ(set.Progress->Bitmap2.From, "c.bmp");
    EXPECT_EQ(set.Progress->NormalColour, 0); // no colours are read
    EXPECT_EQ(set.MenuBar->LeftWidth, 1);
    EXPECT_EQ(set.MenuBar->RightWidth, 1);
    EXPECT_EQ(set.MenuBar->Tile, 0);
}
