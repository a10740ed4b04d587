#pragma once

// The skin set with GDI bitmaps: loading a package's description and the
// bitmaps it names into it, through the platform's private-profile service
// and a temporary copy of the description.

#include "framework/core/SysUtils.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/GdiObjects.h"
#include "skin/description/SkinIni.h"
#include "skin/draw/DataSkinObjects.h"
#include "skin/draw/KeptMenuFonts.h"
#include "skin/draw/KeptPictures.h"
#include "skin/draw/ScaledSkinImages.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

class TSkinReader;

namespace tandrel {

// A skin that cannot be loaded: no description, an image that is no BMP,
// a temporary file that cannot be written.
class ESkinError : public EException {
    using EException::EException;
};

// The skin set: the objects, caption buttons and colours read from a skin
// description, and the brush of its button face.
class TSkinSet : public TSkinSetOf<TBitmap> {
public:
    TSkinSet();
    ~TSkinSet() override;
    // Takes over a set read in full; what this one held is freed.
    TSkinSet& operator=(TSkinSet&& other) noexcept;

    // A solid brush of ButtonFaceColour, made anew by each load.
    TOwnedBrush ButtonFaceBrush;
    // The set's images at other densities; they go with the images.
    TScaledSkinImages ScaledImages;
    // Pictures composed of the set's images; they go with the images too.
    TKeptPictures KeptPictures;
    // The menus' fonts; they go with the images and with the system's settings.
    TKeptMenuFonts MenuFonts;

    // Fills `bitmap` from the package entry that `value` names (its file
    // name part, which must end in ".bmp"); empties it when there is none.
    // Raises ESkinError for an entry that is not a BMP image.
    void LoadBitmapEntry(TBitmap& bitmap, std::string_view value);

    // Reads the description file at `path` through the platform's
    // private-profile service into the set; clears SkinNotLoaded when done.
    void ReadSkinDescription(const std::wstring& path);

    // Reads the description of a loaded package: its first entry whose name
    // contains ".ini", written to a temporary file for the private-profile
    // service and deleted again whatever happens, and the bitmaps it names.
    void LoadSkinDescription(const TSkinReader& reader);

private:
    const TSkinReader* m_reader = nullptr; // the package being loaded
    std::vector<std::uint8_t> m_scratch;   // entry bytes
};

// Description values from a file, through the platform's private-profile
// service. Text crosses as the ANSI code page, so the bytes stay as written.
// Each section is read whole, once, and its lines parsed here: the service
// opens the file again for every call, and a skin asks for several hundred
// values. A named section missing from the file's list of sections is not
// asked for at all.
class TPrivateProfileSource final : public TSkinIniSource {
public:
    explicit TPrivateProfileSource(std::wstring path) : m_path(std::move(path)) {}
    std::vector<std::string> SectionNames() const override;
    std::optional<std::string> Value(std::string_view section, std::string_view key) const override;

private:
    const TProfileSection<wchar_t>& Section(std::string_view name) const;

    std::wstring m_path;
    mutable std::unordered_map<std::string, TProfileSection<wchar_t>> m_sections; // by lower-case trimmed name
    // Lower-case names of the sections there are, once a whole list was read.
    mutable std::optional<std::unordered_set<std::string>> m_listed;
};

// A description entry written to the user's temporary folder under a name
// of its own, deleted when this goes. The name keeps the entry name's last
// path part, made harmless, behind a prefix that makes it unique: nothing
// lands outside the folder and no file there is replaced.
class TTempDescriptionFile {
public:
    TTempDescriptionFile(std::string_view entryName, const std::vector<std::uint8_t>& bytes);
    ~TTempDescriptionFile();
    TTempDescriptionFile(const TTempDescriptionFile&) = delete;
    TTempDescriptionFile& operator=(const TTempDescriptionFile&) = delete;

    const std::wstring& Path() const { return m_path; }

private:
    std::wstring m_path;
};

} // namespace tandrel
