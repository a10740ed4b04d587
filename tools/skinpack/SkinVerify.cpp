#include "tools/skinpack/SkinVerify.h"

#include "skin/description/SkinDescription.h"
#include "skin/description/SkinContrast.h"
#include "skin/description/SkinIni.h"
#include "tools/skinpack/SkinPackage.h"
#include "skin/package/SkinReader.h"
#include "skin/description/SkinSetReader.h"
#include "framework/graphics/formats/BmpFormat.h"

#include <cstdio>
#include <map>

using namespace tandrel;

namespace {

// What verify knows of an image: its size, and where it was named.
class TImageCheck {
public:
    bool Empty() const { return m_width <= 0 || m_height <= 0; }
    int Width() const { return Empty() ? 0 : m_width; }
    int Height() const { return Empty() ? 0 : m_height; }

    void Set(int width, int height)
    {
        m_width = width;
        m_height = height;
    }

    std::string Origin; // "[Section] Key=value"

private:
    int m_width = 0;
    int m_height = 0;
};

std::string Origin(std::string_view section, std::string_view key, std::string_view value)
{
    std::string origin = "[";
    origin.append(section).append("] ").append(key).append("=").append(PrintableName(value));
    return origin;
}

// The images of the reading steps, as checks: every problem goes into the
// report, and loading goes on with an empty image.
class TImageChecker {
public:
    TImageChecker(const TSkinReader& reader, TSkinReport& report) : m_reader(reader), m_report(report) {}

    void Load(TImageCheck& image, std::string_view section, std::string_view key, const std::string& value)
    {
        image = {};
        image.Origin = Origin(section, key, value);
        auto const name = BitmapEntryName(value);
        if (!name) {
            if (HasForeignExtension(value))
                Problem(image.Origin + ": not a name ending in \".bmp\" (in lower case), so no image is shown");
            return;
        }
        TEntryCheck const& entry = Check(*name);
        if (!entry.Found)
            Problem(image.Origin + ": the package has no entry \"" + PrintableName(*name) + "\"");
        else if (entry.Empty)
            Problem(image.Origin + ": the entry \"" + PrintableName(*name) + "\" is empty, so no image is shown");
        else if (!entry.Error.empty())
            Problem(image.Origin + ": \"" + PrintableName(*name) + "\" is not a usable BMP image (" + entry.Error
                    + "); the engine refuses the whole skin");
        else
            image.Set(entry.Width, entry.Height);
    }

    void Clear(TImageCheck& image) { image.Set(0, 0); }

    void MirrorCopy(TImageCheck& target, TImageCheck& source)
    {
        target.Set(source.Width(), source.Height());
        target.Origin = source.Origin;
    }

    void CopyColumns(TImageCheck& target, TImageCheck& source, int, int width)
    {
        target.Set(width, source.Height());
        target.Origin = source.Origin;
    }

    void Strip(const TImageCheck& image, const TStripUse& use)
    {
        if (image.Empty())
            return;
        std::string const where = image.Origin.empty() ? Origin(use.Section, use.Key, {}) : image.Origin;
        if (use.FrameCount < 1) {
            Problem(where + ": a frame count of " + std::to_string(use.FrameCount) + "; it must be 1 or more");
            return;
        }
        bool const across = use.Layout == TFrameLayout::flHorizontal;
        int const length = across ? image.Width() : image.Height();
        std::string const size = across ? std::to_string(length) + " pixels wide" : std::to_string(length) + " pixels high";
        if (length % use.FrameCount != 0 || length < use.FrameCount) {
            Problem(where + ": " + size + ", which does not divide into " + std::to_string(use.FrameCount)
                    + (across ? " frames side by side" : " stacked frames"));
            return;
        }
        int const frameWidth = across ? length / use.FrameCount : image.Width();
        int const frameHeight = across ? image.Height() : length / use.FrameCount;
        CheckMargins(where, use, frameWidth, frameHeight);
    }

private:
    struct TEntryCheck {
        bool Found = false;
        bool Empty = false;
        std::string Error;
        int Width = 0;
        int Height = 0;
    };

    // Each entry is parsed once, however often the description names it.
    const TEntryCheck& Check(const std::string& name)
    {
        std::string const key = SkinLowerCase(name);
        auto const known = m_entries.find(key);
        if (known != m_entries.end())
            return known->second;
        TEntryCheck check;
        std::vector<std::uint8_t> bytes;
        check.Found = m_reader.ExtractEntry(key, bytes);
        // The engine shows no image for an empty entry, and fails on a bad one.
        check.Empty = check.Found && bytes.empty();
        if (check.Found && !check.Empty) {
            ++m_report.ImagesChecked;
            try {
                formats::TBmpLayout const layout = formats::ParseBmp(bytes.data(), bytes.size());
                check.Width = layout.Width;
                check.Height = layout.Height;
            } catch (const formats::EBmpFormat& error) {
                check.Error = error.what();
            }
        }
        return m_entries.emplace(key, std::move(check)).first->second;
    }

    void CheckMargins(const std::string& where, const TStripUse& use, int frameWidth, int frameHeight)
    {
        TSkinMargins const& m = use.Margins;
        if (m.Left < 0 || m.Top < 0 || m.Right < 0 || m.Bottom < 0) {
            Problem(where + ": negative margins (" + std::to_string(m.Left) + ", " + std::to_string(m.Top) + ", "
                    + std::to_string(m.Right) + ", " + std::to_string(m.Bottom) + ")");
            return;
        }
        long long const sides = static_cast<long long>(m.Left) + m.Right;
        long long const ends = static_cast<long long>(m.Top) + m.Bottom;
        if (sides > frameWidth)
            Problem(where + ": left and right margins of " + std::to_string(sides) + " pixels are wider than its "
                    + std::to_string(frameWidth) + "-pixel frames");
        else if (use.Bar && sides == frameWidth)
            Problem(where + ": its left and right parts fill the whole " + std::to_string(frameWidth)
                    + "-pixel frame, leaving no middle to repeat");
        if (ends > frameHeight)
            Problem(where + ": top and bottom margins of " + std::to_string(ends) + " pixels are taller than its "
                    + std::to_string(frameHeight) + "-pixel frames");
    }

    void Problem(std::string text) { m_report.Problems.push_back(std::move(text)); }

    const TSkinReader& m_reader;
    TSkinReport& m_report;
    std::map<std::string, TEntryCheck> m_entries;
};

// Remembers every section the reading steps ask about.
class TRecordingSource final : public TSkinIniSource {
public:
    explicit TRecordingSource(const TSkinIniText& text) : m_text(text) {}

    std::vector<std::string> SectionNames() const override { return m_text.SectionNames(); }

    std::optional<std::string> Value(std::string_view section, std::string_view key) const override
    {
        m_asked.emplace(SkinLowerCase(section), section);
        return m_text.Value(section, key);
    }

    // Lower-case name -> the engine's spelling.
    const std::map<std::string, std::string>& Asked() const { return m_asked; }

private:
    const TSkinIniText& m_text;
    mutable std::map<std::string, std::string> m_asked;
};

// Without these the engine has no frame, no colours or no buttons to draw.
constexpr std::string_view RequiredSections[] = { "Personality", "Colours", "Buttons" };

bool IsRequired(std::string_view lowerName)
{
    for (auto required : RequiredSections)
        if (SkinLowerCase(required) == lowerName)
            return true;
    return false;
}

void CheckSections(const TSkinIniText& text, const TRecordingSource& source, const TSkinSetOf<TImageCheck>& set,
                   TSkinReport& report)
{
    std::string missing;
    for (const auto& [lower, name] : source.Asked()) {
        std::size_t const count = text.SectionCount(name);
        if (count == 0 && IsRequired(lower))
            report.Problems.push_back("the description has no [" + name + "] section");
        else if (count == 0)
            missing += (missing.empty() ? "" : ", ") + ("[" + name + "]");
        else if (count > 1)
            report.Problems.push_back("[" + name + "] appears " + std::to_string(count)
                                      + " times; only the first is read");
    }
    if (!missing.empty())
        report.Notes.push_back("no " + missing + " sections: those elements are not skinned");

    std::size_t const captionButtons = set.SysButtons.size() >= 3 ? set.SysButtons.size() - 3 : 0;
    report.CaptionButtons = captionButtons;
    if (captionButtons == 0)
        report.Problems.push_back("the description has no caption-button sections ([BUTTON0] and on): windows "
                                  "get no close button");

    if (text.SectionCount("Personality") > 0) {
        for (const auto* border : { set.LeftBorder.get(), set.RightBorder.get(), set.TopBorder.get(),
                                    set.BottomBorder.get() })
            if (border->Bitmap.Empty())
                report.Problems.push_back("[Personality] " + border->Name + ": no image, so windows get no "
                                          + SkinLowerCase(border->Name) + " border");
    }
    if (text.SectionCount("Buttons") > 0 && set.Buttons->Bitmap.Empty())
        report.Problems.push_back("[Buttons] Bitmap: no image, so push buttons are not drawn");
}

// Text colours of the skin against the faces they are written on. A colour
// the skin leaves to the system is not known here and is not judged.
void CheckTextContrast(const TSkinSetOf<TImageCheck>& set, TSkinReport& report)
{
    struct TPair {
        const char* Text;
        TSkinColour TextColour;
        const char* Face;
        TSkinColour FaceColour;
    };
    for (const TPair& pair : { TPair { "ButtonText", set.ButtonTextColour, "ButtonFace", set.ButtonFaceColour },
                               TPair { "WindowText", set.WindowTextColour, "ButtonFace", set.ButtonFaceColour },
                               TPair { "MenuText", set.MenuTextColour, "Menu", set.MenuColour },
                               TPair { "MenuBarText", set.MenuBarTextColour, "Menubar", set.MenubarColour },
                               TPair { "HilightText", set.HilightTextColour, "Hilight", set.HilightColour } }) {
        if (IsSkinSystemColour(pair.TextColour) || IsSkinSystemColour(pair.FaceColour))
            continue;
        double const ratio = SkinContrastRatio(pair.TextColour, pair.FaceColour);
        if (ratio >= MinTextContrast)
            continue;
        char figure[16];
        std::snprintf(figure, sizeof figure, "%.1f", ratio);
        report.Notes.push_back(std::string("[Colours] ") + pair.Text + " on " + pair.Face + ": a contrast of "
                               + figure + ":1, below 4.5:1, so its text is hard to read");
    }
}

} // namespace

TSkinReport VerifySkin(const TSkinReader& reader)
{
    TSkinReport report;
    std::vector<std::uint8_t> bytes;
    if (!reader.ExtractEntryContaining(".ini", bytes, report.Description)) {
        report.Problems.push_back("the package has no description: no entry name contains \".ini\"");
        return report;
    }
    if (bytes.size() > MaxDescriptionSize) {
        report.Problems.push_back("the description \"" + PrintableName(report.Description) + "\" is "
                                  + std::to_string(bytes.size()) + " bytes; Tandrel refuses descriptions of more than "
                                  + std::to_string(MaxDescriptionSize) + " bytes");
        return report;
    }
    std::size_t descriptions = 0;
    for (std::size_t i = 0; i < reader.Count(); ++i)
        if (reader.Name(i).find(".ini") != std::string_view::npos)
            ++descriptions;
    if (descriptions > 1)
        report.Notes.push_back(std::to_string(descriptions) + " entry names contain \".ini\"; only the first, \""
                               + PrintableName(report.Description) + "\", is read");

    TSkinIniText const text(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    TRecordingSource const source(text);
    TSkinIni ini(source);
    ini.OnNotAnInteger = [&](std::string_view section, std::string_view key, std::string_view value) {
        report.Problems.push_back(Origin(section, key, value) + ": not an integer, so the default is used");
    };
    TSkinSetOf<TImageCheck> set;
    TImageChecker images(reader, report);
    TSkinSetReader<TImageCheck, TImageChecker>(set, ini, images).Read();
    CheckSections(text, source, set, report);
    CheckTextContrast(set, report);
    return report;
}
