#include "skin/description/SkinDescription.h"

#include "skin/description/SkinIni.h"

#include <algorithm>

namespace tandrel {

namespace {

std::string_view FileNamePart(std::string_view value)
{
    std::size_t const separator = value.find_last_of("\\:");
    return separator == std::string_view::npos ? value : value.substr(separator + 1);
}

std::string_view Extension(std::string_view fileName)
{
    std::size_t const dot = fileName.rfind('.');
    return dot == std::string_view::npos ? std::string_view {} : fileName.substr(dot);
}

} // namespace

std::optional<std::string> BitmapEntryName(std::string_view value)
{
    std::string_view const name = FileNamePart(value);
    if (name.empty() || Extension(name) != ".bmp")
        return std::nullopt;
    return std::string(name);
}

bool HasForeignExtension(std::string_view value)
{
    std::string_view const extension = Extension(FileNamePart(value));
    return !extension.empty() && extension != ".bmp";
}

bool IsCaptionButtonSection(std::string_view name)
{
    std::string const upper = SkinUpperCase(name);
    return upper.starts_with("BUTTON") && upper != "BUTTONS" && upper != "BUTTON.RADIO"
        && upper != "BUTTON.CHECKBOX";
}

int CaptionButtonFrameCount(int action, int imageWidth, int imageHeight)
{
    if (action < 0 || imageWidth <= 0 || imageHeight <= 0)
        return 6;
    return static_cast<double>(imageWidth) / imageHeight <= 3.8 ? 3 : 6;
}

int GlyphStripFrameCount(int imageWidth, int imageHeight)
{
    int const frameWidth = imageHeight < 16 ? 13 : 16;
    return std::max(4, std::max(0, imageWidth) / frameWidth);
}

TMdiButtonSlice MdiButtonSlice(int imageWidth, TMdiSlot button)
{
    int const a = std::max(0, imageWidth) / 12;
    return { 4 * a * button, 4 * a, (a + 4) * (3 - button) };
}

std::string DescriptionTempName(std::string_view entryName)
{
    std::size_t const separator = entryName.find_last_of("\\/:");
    if (separator != std::string_view::npos)
        entryName.remove_prefix(separator + 1);
    std::string name;
    for (char c : entryName.substr(0, 64)) {
        bool const plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.'
            || c == '-' || c == '_';
        name += plain ? c : '_';
    }
    std::size_t const first = name.find_first_not_of('.');
    if (first == std::string::npos)
        return "skin.ini";
    name = name.substr(first, name.find_last_not_of('.') - first + 1);
    return name;
}

} // namespace tandrel
