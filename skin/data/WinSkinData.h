#pragma once

// The skin objects with GDI bitmaps, the skin set that a skin data
// component holds (loading a package's description and bitmaps into it),
// and the skin data component itself.

#include "framework/graphics/Bitmap.h"
#include "framework/core/Component.h"
#include "framework/controls/Control.h"
#include "framework/graphics/GdiObjects.h"
#include "framework/graphics/ImageList.h"
#include "skin/description/SkinObjects.h"
#include "framework/core/Strings.h"
#include "framework/core/SysUtils.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class TSkinReader;

namespace tandrel {

using TDataSkinObject = TSkinObjectOf<TBitmap>;
using TDataSkinBorder = TSkinBorderOf<TBitmap>;
using TDataSkinTitle = TSkinTitleOf<TBitmap>;
using TDataSkinButton = TSkinButtonOf<TBitmap>;
using TDataSkinSysButton = TSkinSysButtonOf<TBitmap>;

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

    // A solid brush of ButtonFaceColour, made anew by each load.
    TOwnedBrush ButtonFaceBrush;

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
// Each section is read whole, once: the service parses the file again for
// every call, and a skin asks for several hundred values.
class TPrivateProfileSource final : public TSkinIniSource {
public:
    explicit TPrivateProfileSource(std::wstring path) : m_path(std::move(path)) {}
    std::vector<std::string> SectionNames() const override;
    std::optional<std::string> Value(std::string_view section, std::string_view key) const override;

private:
    // Lower-case key -> raw value of its first line; nullopt for a key
    // without "=", which matches but has no value.
    using TKeys = std::unordered_map<std::string, std::optional<std::wstring>>;
    const TKeys& Section(std::string_view name) const;

    std::wstring m_path;
    mutable std::unordered_map<std::string, TKeys> m_sections; // by the trimmed name asked for
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

// Kinds of element a skin data component skins; a set holds bit n for
// member n.
enum TSkinControlType : int {
    xcMainMenu,
    xcPopupMenu,
    xcToolbar,
    xcControlbar,
    xcCombo,
    xcCheckBox,
    xcRadioButton,
    xcProgress,
    xcScrollbar,
    xcEdit,
    xcButton,
    xcBitBtn,
    xcSpeedButton,
    xcPanel,
    xcGroupBox,
    xcStatusBar,
    xcTab,
    xcSystemMenu,
    xcFastReport,
};
using TSkinControlTypes = unsigned;
constexpr TSkinControlTypes SkinControlBit(TSkinControlType type) { return 1u << type; }
// Every member but xcFastReport.
constexpr TSkinControlTypes DefaultSkinControls = SkinControlBit(xcFastReport) - 1;

// Which windows a skin data component skins.
enum TSkinFormType : int {
    sfMainform,     // every qualifying window of the application
    sfOnlyThisForm, // its owner form only
    sfDialog,       // message and dialog windows
};

class TSkinData;

using TOnFormSkin = std::function<void(TObject* sender, const std::string& aName, bool& doSkin)>;
using TOnSkinControl = std::function<void(TComponent* sender, TSkinData* skinData, TControl* form, TControl* control,
                                          const std::string& controlClass, TComponent*& skinnedControl)>;

// The component an application puts on a form to have its windows skinned:
// it stores the packed skin, loads it into its skin set, and tells the skin
// manager when skinning starts, stops or must be redone.
class TSkinData : public TComponent, public TSkinSet {
public:
    explicit TSkinData(TComponent* owner);
    ~TSkinData() override;
    const char* ClassName() const override { return "TSkinData"; }
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();

    bool Active() const { return m_active; }
    void SetActive(bool active);
    int DisableTag() const { return m_disableTag; }
    void SetDisableTag(int tag) { m_disableTag = tag; }
    TSkinControlTypes SkinControls() const { return m_skinControls; }
    void SetSkinControls(TSkinControlTypes controls) { m_skinControls = controls; }
    bool Skins(TSkinControlType type) const { return (m_skinControls & SkinControlBit(type)) != 0; }
    TStrings& Skin3rd() { return m_skin3rd; }
    TStrings* Skin3rdObject() { return &m_skin3rd; }
    void SetSkin3rd(const TStrings& rows) { m_skin3rd.Assign(rows); }
    const std::wstring& SkinFile() const { return m_skinFile; }
    void SetSkinFile(const std::wstring& file);
    // "(none)" at run time, whatever is stored; writing it does nothing.
    std::wstring SkinStore() const;
    void SetSkinStore(const std::wstring&) {}
    TSkinFormType SkinFormtype() const { return m_formType; }
    void SetSkinFormtype(TSkinFormType type) { m_formType = type; }
    bool MenuUpdate() const { return m_menuUpdate; }
    void SetMenuUpdate(bool update) { m_menuUpdate = update; }

    // The stored form of SkinStream: a 4-byte length, then that many bytes
    // of compressed skin stream. A length of 0 or less stores nothing.
    void ReadSkinStream(const std::vector<unsigned char>& bytes);
    const std::vector<std::uint8_t>& StoredStream() const { return m_stream; }

    // Loads the stored stream into the skin set; false when the package is
    // of another version. A malformed package raises its error.
    bool LoadSkin();
    void Loaded() override;
    // Re-applies the loaded skin to every window skinned with it.
    void ApplySkin();
    // Whether a window of that class may be skinned; doSkin comes in true.
    void AllowFormSkin(const std::string& className, bool& doSkin);
    void DoSkinChanged();

    TOnFormSkin OnFormSkin;
    TNotifyEvent OnSkinChanged;
    TOnSkinControl OnSkinControl;

    // Cleared by the frame painter while a window repaints itself in ways
    // the skinned frame must not answer.
    std::uint8_t PaintFrames = 1;
    // The icon of the first skinned window with a system-menu button; shown
    // by later windows without an icon of their own.
    TBitmap StoredIcon;
    // Restore, maximise, minimise and close glyphs for menus.
    TImageList& MenuImages() { return *m_menuImages; }

private:
    void BuildDefaultSkin3rd();
    void LoadMenuImages();

    bool m_active = false;
    int m_disableTag = 99;
    TSkinControlTypes m_skinControls = DefaultSkinControls;
    TStringList m_skin3rd;
    std::wstring m_skinFile;
    TSkinFormType m_formType = sfMainform;
    bool m_menuUpdate = true;
    std::vector<std::uint8_t> m_stream;
    std::unique_ptr<TImageList> m_menuImages;
};

// The default Skin3rd rows: class name, "=", skin kind.
const std::vector<std::wstring>& DefaultSkin3rdRows();

} // namespace tandrel
