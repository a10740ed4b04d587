// Dusk, the dark skin, as the build packs it: it loads and verifies like
// the default skin, keeps the default's layout image for image, and is dark
// where the default is light while its text stays readable.

#include "framework/graphics/formats/BmpFormat.h"
#include "skin/description/SkinIni.h"
#include "skin/package/SkinReader.h"
#include "tools/skinpack/SkinVerify.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <string>
#include <tuple>
#include <vector>

using tandrel::formats::ParseBmp;
using tandrel::formats::TBmpLayout;
using tandrel::TSkinColour;
using tandrel::TSkinIni;
using tandrel::TSkinIniText;

namespace {

std::vector<std::uint8_t> ReadBytes(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    return { std::istreambuf_iterator<char>(in), {} };
}

struct TPackage {
    TSkinReader Reader;

    explicit TPackage(const char* path)
    {
        EXPECT_TRUE(Reader.LoadPackage(ReadBytes(path))) << path;
    }

    std::vector<std::uint8_t> Entry(const std::string& name) const
    {
        std::vector<std::uint8_t> bytes;
        EXPECT_TRUE(Reader.ExtractEntry(name, bytes)) << name;
        return bytes;
    }

    std::string Description(const std::string& name) const
    {
        std::vector<std::uint8_t> const bytes = Entry(name);
        return { bytes.begin(), bytes.end() };
    }
};

// Relative luminance (0 black, 1 white) of an sRGB colour.
double Luminance(int r, int g, int b)
{
    auto linear = [](int c) {
        double const v = c / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(r) + 0.7152 * linear(g) + 0.0722 * linear(b);
}

double Luminance(TSkinColour c)
{
    return Luminance(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

double Contrast(double a, double b)
{
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

// Mean luminance of the pixels of frame `index` (of `count` side by side)
// in a 24- or 32-bit BMP, key-colour pixels left out.
double FrameLuminance(const std::vector<std::uint8_t>& bmp, int index, int count)
{
    TBmpLayout const layout = ParseBmp(bmp.data(), bmp.size());
    EXPECT_TRUE(layout.BitCount == 24 || layout.BitCount == 32);
    int const step = layout.BitCount / 8;
    int const width = layout.Width / count;
    double sum = 0;
    int pixels = 0;
    for (int y = 0; y < layout.Height; ++y) {
        const std::uint8_t* row = bmp.data() + layout.PixelOffset + static_cast<std::size_t>(y) * layout.Stride;
        for (int x = index * width; x < (index + 1) * width; ++x) {
            int const b = row[x * step], g = row[x * step + 1], r = row[x * step + 2];
            if (r == 255 && g == 0 && b == 255)
                continue;
            sum += Luminance(r, g, b);
            ++pixels;
        }
    }
    EXPECT_GT(pixels, 0);
    return pixels ? sum / pixels : 0;
}

class DuskSkin : public ::testing::Test {
protected:
    TPackage m_dusk { DUSK_SKIN_PATH };
    TPackage m_slate { DEFAULT_SKIN_PATH };
};

} // namespace

TEST_F(DuskSkin, VerifiesWithoutProblemsAndCountsLikeTheDefault)
{
    TSkinReport const dusk = VerifySkin(m_dusk.Reader);
    TSkinReport const slate = VerifySkin(m_slate.Reader);
    EXPECT_EQ(dusk.Description, "dusk.ini");
    EXPECT_TRUE(dusk.Problems.empty()) << dusk.Problems.front();
    EXPECT_EQ(dusk.ImagesChecked, slate.ImagesChecked);
    EXPECT_EQ(dusk.CaptionButtons, slate.CaptionButtons);
    TSkinIniText const text(m_dusk.Description("dusk.ini"));
    EXPECT_EQ(TSkinIni(text).ReadString("TitlebarSkin", "SkinName"), "Dusk");
}

TEST_F(DuskSkin, EveryImageAndLayoutValueMatchesTheDefault)
{
    ASSERT_EQ(m_dusk.Reader.Count(), m_slate.Reader.Count());
    for (std::size_t i = 0; i < m_slate.Reader.Count(); ++i) {
        std::string const name(m_slate.Reader.Name(i));
        if (name == "slate.ini")
            continue;
        std::vector<std::uint8_t> const a = m_slate.Entry(name);
        std::vector<std::uint8_t> const b = m_dusk.Entry(name);
        TBmpLayout const s = ParseBmp(a.data(), a.size());
        TBmpLayout const d = ParseBmp(b.data(), b.size());
        EXPECT_EQ(std::tie(d.Width, d.Height, d.BitCount), std::tie(s.Width, s.Height, s.BitCount)) << name;
    }
    // The engine lays out frame, caption buttons and objects from these.
    TSkinIniText const slateText(m_slate.Description("slate.ini"));
    TSkinIniText const duskText(m_dusk.Description("dusk.ini"));
    TSkinIni const slate(slateText), dusk(duskText);
    EXPECT_EQ(dusk.SectionNames(), slate.SectionNames());
    for (const char* section : { "BUTTON0", "BUTTON1", "BUTTON3", "Button6", "Button8" })
        for (const char* key : { "ButtonImage", "Action", "Align", "Xcoord", "Ycoord", "Visibility", "Visibility1", "frame" })
            EXPECT_EQ(dusk.ReadString(section, key), slate.ReadString(section, key)) << section << " " << key;
    for (const char* key : { "LeftTopHeight", "LeftBotHeight", "TextShift", "TextRightClip", "TXTBackleft", "TXTBackRight" })
        EXPECT_EQ(dusk.ReadString("Personality", key), slate.ReadString("Personality", key)) << key;
    for (const char* section : { "MenuItem", "MenuBackground", "Buttons", "Tabs", "Progress" })
        for (const char* key : { "LeftWidth", "RightWidth", "TopHeight", "BottomHeight", "Trans", "Tile" })
            EXPECT_EQ(dusk.ReadString(section, key), slate.ReadString(section, key)) << section << " " << key;
}

TEST_F(DuskSkin, IsDarkWhereTheDefaultIsLight)
{
    struct TPart {
        const char* Image;
        int Frame;
        int Frames;
    };
    // The caption, the popup menu, a push button at rest, the menu strip.
    for (TPart const part : { TPart { "f-top.bmp", 0, 1 }, TPart { "menuborder.bmp", 0, 1 },
                              TPart { "buttons.bmp", 0, 5 }, TPart { "menu.bmp", 0, 1 } }) {
        double const dusk = FrameLuminance(m_dusk.Entry(part.Image), part.Frame, part.Frames);
        double const slate = FrameLuminance(m_slate.Entry(part.Image), part.Frame, part.Frames);
        EXPECT_LT(dusk, 0.1) << part.Image;
        EXPECT_LT(dusk, slate / 4) << part.Image;
    }
    TSkinIniText const slateText(m_slate.Description("slate.ini"));
    TSkinIniText const duskText(m_dusk.Description("dusk.ini"));
    TSkinIni const slate(slateText), dusk(duskText);
    for (const char* key : { "ButtonFace", "Menu", "Menubar", "Scrollbar" }) {
        EXPECT_LT(Luminance(dusk.ReadColour("Colours", key, 0)), 0.05) << key;
        EXPECT_GT(Luminance(slate.ReadColour("Colours", key, 0)), 0.6) << key;
    }
}

TEST_F(DuskSkin, TextStandsOutFromWhatItIsWrittenOn)
{
    TSkinIniText const text(m_dusk.Description("dusk.ini"));
    TSkinIni const ini(text);
    auto colour = [&](const char* section, const char* key) { return Luminance(ini.ReadColour(section, key, 0)); };
    double const face = colour("Colours", "ButtonFace");
    EXPECT_GE(Contrast(colour("Colours", "MenuText"), colour("Colours", "Menu")), 7.0);
    EXPECT_GE(Contrast(colour("Colours", "MenuBarText"), colour("Colours", "Menubar")), 7.0);
    EXPECT_GE(Contrast(colour("Colours", "ButtonText"), face), 7.0);
    EXPECT_GE(Contrast(colour("Buttons", "NormalColour2"), face), 7.0);    // check box and radio captions
    EXPECT_GE(Contrast(colour("StatusBarEdges", "NormalColour2"), face), 7.0);
    // A selected menu item: highlight text on the highlight, and on the
    // item picture the engine draws under it.
    double const hilightText = colour("Colours", "HilightText");
    EXPECT_GE(Contrast(hilightText, colour("Colours", "Hilight")), 4.5);
    EXPECT_GE(Contrast(hilightText, FrameLuminance(m_dusk.Entry("menutool.bmp"), 3, 5)), 4.5);
    // The selection must show against the popup's own background.
    EXPECT_GE(Contrast(FrameLuminance(m_dusk.Entry("menutool.bmp"), 3, 5), colour("Colours", "Menu")), 3.0);
    // Column headings: the engine writes them in the system's (dark) window-text
    // colour, and the skin's own heading colour must agree.
    double const heading = FrameLuminance(m_dusk.Entry("header.bmp"), 0, 5);
    EXPECT_GE(Contrast(0.0, heading), 4.5);
    EXPECT_GE(Contrast(colour("Headerbar", "NormalColour2"), heading), 4.5);
}
