#pragma once

// The skin data component: the skin set an application puts on a form, its
// published settings, and what it asks of the skin manager.

#include "framework/controls/Control.h"
#include "framework/core/Component.h"
#include "framework/core/Strings.h"
#include "framework/graphics/ImageList.h"
#include "skin/data/SkinSet.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TSkinReader;

namespace tandrel {

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

    // Loads the stored stream into a new skin set, which takes the place of
    // the one in use only once it is complete: false when the package is of
    // another version, and a malformed package raises its error; either way
    // the windows wearing the skin keep it as it was.
    bool LoadSkin();
    // Puts another compressed skin stream in use and re-applies it to the
    // windows wearing this skin. A stream that cannot be loaded raises its
    // error (an older package version too) and changes nothing: the stored
    // stream, the loaded skin and the windows stay as they were.
    void ChangeSkin(std::vector<std::uint8_t> stream);
    // Registers with the skin manager (InitializeSkinEngine makes it) and
    // starts skinning as the settings say.
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
    void ReportLoadFailure(const std::string& reason);
    // Loads the package's description into a new set that then takes the
    // place of the one in use; a failure leaves the one in use.
    void UseSkinSet(const TSkinReader& reader);

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
