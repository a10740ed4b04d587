// The skin data component: its published settings, the stored skin, and
// what it asks of the skin manager.

#include "framework/forms/Application.h"
#include "framework/forms/Forms.h"
#include "framework/core/Publisher.h"
#include "skin/package/SkinReader.h"
#include "framework/core/Streams.h"
#include "skin/data/WinSkinData.h"
#include "skin/data/SkinHost.h"

#include <windows.h>

#include <cstring>

namespace tandrel {

namespace {

const TEnumInfo kSkinControlTypes {{"xcMainMenu", "xcPopupMenu", "xcToolbar", "xcControlbar", "xcCombo",
                                    "xcCheckBox", "xcRadioButton", "xcProgress", "xcScrollbar", "xcEdit",
                                    "xcButton", "xcBitBtn", "xcSpeedButton", "xcPanel", "xcGroupBox",
                                    "xcStatusBar", "xcTab", "xcSystemMenu", "xcFastReport"}};
const TEnumInfo kSkinFormTypes {{"sfMainform", "sfOnlyThisForm", "sfDialog"}};

} // namespace

const std::vector<std::wstring>& DefaultSkin3rdRows()
{
    static const std::vector<std::wstring> rows = {
        L"TTBDock=Panel", L"TTBToolbar=Panel",
        L"TImageEnMView=scrollbar", L"TImageEnView=scrollbar",
        L"TRzButton=button",
        L"TRzCheckGroup=CheckGroup",
        L"TRzRadioGroup=Radiogroup", L"TRzDBRadioGroup=Radiogroup",
        L"TRzRadioButton=Radiobutton", L"TRzDBRadioButton=Radiobutton",
        L"TRzCheckBox=Checkbox", L"TRzDBCheckBox=Checkbox",
        L"TRzButtonEdit=Edit",
        L"TDBCheckboxEh=Checkbox", L"TDBCheckboxEh=Checkbox",
        L"TLMDGROUPBOX=Panel", L"TLMDSIMPLEPANEL=Panel", L"TLMDDBCalendar=Panel", L"TLMDButtonPanel=Panel",
        L"TLMDLMDCalculator=Panel", L"TLMDHeaderPanel=Panel", L"TLMDTechnicalLine=Panel", L"TLMDLMDClock=Panel",
        L"TLMDCheckGroup=CheckGroup", L"TLMDDBCheckGroup=CheckGroup",
        L"TLMDRadiobutton=Radiobutton",
        L"TLMDCHECKBOX=Checkbox", L"TLMDDBCHECKBOX=Checkbox",
        L"TLMDEDIT=Edit", L"TLMDMASKEDIT=Edit", L"TLMDBROWSEEDIT=Edit", L"TLMDEXTSPINEDIT=Edit",
        L"TLMDCALENDAREDIT=Edit", L"TLMDFILEOPENEDIT=Edit", L"TLMDFILESAVEEDIT=Edit", L"TLMDCOLOREDIT=Edit",
        L"TLMDDBEDIT=Edit", L"TLMDDBMASKEDIT=Edit", L"TLMDDBEXTSPINEDIT=Edit", L"TLMDDBSPINEDIT=Edit",
        L"TLMDDBEDITDBLookup=Edit", L"TLMDEDITDBLookup=Edit",
        L"TLMDTrackbar=trackbar",
        L"TLMDListCombobox=combobox", L"TLMDCheckListCombobox=combobox", L"TLMDHeaderListCombobox=combobox",
        L"TLMDImageCombobox=combobox", L"TLMDColorCombobox=combobox", L"TLMDFontCombobox=combobox",
        L"TLMDFontSizeCombobox=combobox", L"TLMDFontSizeCombobox=combobox", L"TLMDPrinterCombobox=combobox",
        L"TLMDDriveCombobox=combobox", L"TLMDCalculatorComboBox=combobox", L"TLMDTrackBarComboBox=combobox",
        L"TLMDCalendarComboBox=combobox",
        L"TLMDRADIOGROUP=radiogroup", L"TLMDDBRADIOGROUP=radiogroup",
        L"TDBLookupCombobox=Combobox",
        L"TWWTempKeyCombo=combobox",
        L"TWWRADIOGROUP=radiogroup",
        L"TWWDBCombobox=Combobox", L"TWWDBLookupCombo=Combobox", L"TWWDBCombobox=Combobox", L"TWWKeyCombo=Combobox",
        L"TWWDBDateTimePicker=Combobox",
        L"TDXDBCURRENCYEDIT=Edit", L"TDXDBEDIT=Edit", L"TDXDBMASKEDIT=Edit", L"TDXDBHYPERLINKEDIT=Edit",
        L"TDXEDIT=Edit", L"TDXMASKEDIT=Edit", L"TWWDBEDIT=Edit", L"TDXBUTTONEDIT=Edit", L"TDXCURRENCYEDIT=Edit",
        L"TDXHYPERLINKEDIT=Edit",
        L"TDXDBPICKEDIT=Combobox", L"TDXDBCALCEDIT=Combobox", L"TDXDBIMAGEEDIT=Combobox", L"TDXDBPOPUPEDIT=Combobox",
        L"TDXDBEXTLOOKUPEDIT=Combobox", L"TDXDBLOOKUPEDIT=Combobox", L"TDXDBDATEEDIT=Combobox",
        L"TDXDATEEDIT=Combobox", L"TDXPICKEDIT=Combobox", L"TDXPOPUPEDIT=Combobox",
        L"TOVCPICTUREFIELD=Edit", L"TOVCDBPICTUREFIELD=Edit", L"TOVCSLIDEREDIT=Edit", L"TOVCDBSLIDEREDIT=Edit",
        L"TOVCSIMPLEFIELD=Edit", L"TOVCDBSIMPLEFIELD=Edit", L"TO32DBFLEXEDIT=Edit", L"TOVCNUMERICFIELD=Edit",
        L"TOVCDBNUMERICFIELD=Edit",
    };
    return rows;
}

const TClassInfo& TSkinData::StaticClassInfo()
{
    static const TClassInfo info = [] {
        TClassInfo i("TSkinData", &TComponent::StaticClassInfo());
        TPublisher<TSkinData>(i)
            .Boolean("Active", &TSkinData::Active, &TSkinData::SetActive)
            .Integer("DisableTag", &TSkinData::DisableTag, &TSkinData::SetDisableTag)
            .Set("SkinControls", kSkinControlTypes, &TSkinData::SkinControls, &TSkinData::SetSkinControls)
            .Strings("Skin3rd", &TSkinData::Skin3rdObject)
            .String("SkinFile", &TSkinData::SkinFile, &TSkinData::SetSkinFile)
            .String("SkinStore", &TSkinData::SkinStore, &TSkinData::SetSkinStore)
            .Enumeration("SkinFormtype", kSkinFormTypes, &TSkinData::SkinFormtype, &TSkinData::SetSkinFormtype)
            .Boolean("MenuUpdate", &TSkinData::MenuUpdate, &TSkinData::SetMenuUpdate)
            .Binary("SkinStream", &TSkinData::ReadSkinStream)
            .Event("OnFormSkin", &TSkinData::OnFormSkin)
            .Event("OnSkinChanged", &TSkinData::OnSkinChanged)
            .Event("OnSkinControl", &TSkinData::OnSkinControl);
        return i;
    }();
    return info;
}

TSkinData::TSkinData(TComponent* owner) : TComponent(owner), m_menuImages(std::make_unique<TImageList>(nullptr))
{
    BuildDefaultSkin3rd();
    LoadMenuImages();
}

TSkinData::~TSkinData()
{
    Destroying();
    m_menuImages.reset();
    if (TSkinHost* host = SkinHost())
        host->UnregisterSkinData(*this);
}

void TSkinData::BuildDefaultSkin3rd() { m_skin3rd.SetLines(DefaultSkin3rdRows()); }

// The glyphs come from the LACQUERMENU bitmap resource: four 16 x 16 images
// in one 1-bit strip, white transparent. A program without the resource
// gets no glyphs.
void TSkinData::LoadMenuImages()
{
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC resource = FindResourceW(module, L"LACQUERMENU", MAKEINTRESOURCEW(2)); // RT_BITMAP
    HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
    const auto* info = loaded ? static_cast<const std::uint8_t*>(LockResource(loaded)) : nullptr;
    DWORD const size = resource ? SizeofResource(module, resource) : 0;
    if (!info || size < sizeof(BITMAPINFOHEADER))
        return;
    // A bitmap resource is a BMP file without its file header.
    BITMAPINFOHEADER header;
    std::memcpy(&header, info, sizeof header);
    DWORD const colours = header.biBitCount <= 8 ? (header.biClrUsed ? header.biClrUsed : 1u << header.biBitCount) : 0;
    std::vector<std::uint8_t> file(sizeof(BITMAPFILEHEADER) + size);
    BITMAPFILEHEADER fileHeader {};
    fileHeader.bfType = 0x4D42;
    fileHeader.bfSize = static_cast<DWORD>(file.size());
    fileHeader.bfOffBits = static_cast<DWORD>(sizeof fileHeader + header.biSize + colours * 4);
    std::memcpy(file.data(), &fileHeader, sizeof fileHeader);
    std::memcpy(file.data() + sizeof fileHeader, info, size);
    TBitmap glyphs;
    glyphs.LoadFromBytes(file.data(), file.size());
    m_menuImages->AddMasked(glyphs, clWhite);
}

void TSkinData::SetActive(bool active)
{
    if (active == m_active)
        return;
    m_active = active;
    if (IsLoading() || (ComponentState() & csDesigning))
        return;
    TSkinHost* host = SkinHost();
    if (!host)
        return;
    switch (m_formType) {
    case sfMainform:
    case sfOnlyThisForm:
        if (active && SkinNotLoaded)
            return;
        host->RequestAction(active ? saStart : saStop, this);
        break;
    case sfDialog:
        break;
    }
}

void TSkinData::SetSkinFile(const std::wstring& file)
{
    SkinNotLoaded = true;
    m_skinFile = file;
    if (ComponentState() & csDesigning) {
        if (!file.empty())
            m_stream.clear();
        return;
    }
    DWORD const attributes = file.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesW(file.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return;
    TFileStream stream(file, TFileStream::TMode::fmOpenRead);
    m_stream = stream.ReadRest();
    // A skin that failed to load leaves the windows as they are: there is
    // nothing to apply, and their caption buttons stay.
    if (LoadSkin())
        ApplySkin();
}

std::wstring TSkinData::SkinStore() const
{
    if ((ComponentState() & csDesigning) && !m_stream.empty())
        return L"(Good)";
    return L"(none)";
}

void TSkinData::ReadSkinStream(const std::vector<unsigned char>& bytes)
{
    if (bytes.size() < 4)
        throw EReadError("SkinStream holds no length");
    std::int32_t length = 0;
    std::memcpy(&length, bytes.data(), 4);
    if (length <= 0)
        return;
    if (static_cast<std::size_t>(length) > bytes.size() - 4)
        throw EReadError("SkinStream is shorter than the length it gives");
    m_stream.assign(bytes.begin() + 4, bytes.begin() + 4 + length);
    if (ComponentState() & csDesigning)
        return;
    // A stored skin that cannot be read must not keep its form from being
    // made: the error is shown once, the skin stays unloaded, and Loaded
    // then leaves the windows unskinned.
    try {
        LoadSkin();
    } catch (const std::exception& error) {
        ReportLoadFailure(error.what());
    }
}

void TSkinData::ReportLoadFailure(const std::string& reason)
{
    std::string const message = "The skin cannot be loaded: " + reason + ". The windows keep their own look.";
    if (Application)
        Application->HandleError(this, message);
}

bool TSkinData::LoadSkin()
{
    SkinNotLoaded = true;
    if (ComponentState() & csDesigning)
        return false;
    TSkinReader reader;
    reader.OnShowMessage = [](const std::string& text) {
        std::wstring const title = Application ? Application->Title() : std::wstring();
        MessageBoxW(GetActiveWindow(), Utf8ToWide(text).c_str(), title.c_str(), MB_OK);
    };
    if (!reader.LoadPackage(m_stream))
        return false;
    UseSkinSet(reader);
    return true;
}

void TSkinData::UseSkinSet(const TSkinReader& reader)
{
    TSkinSet fresh;
    fresh.LoadSkinDescription(reader);
    // Windows wearing this skin hold caption buttons of the set about to go.
    if (TSkinHost* host = SkinHost())
        host->ResetCaptionButtons(*this);
    static_cast<TSkinSet&>(*this) = std::move(fresh);
}

void TSkinData::ChangeSkin(std::vector<std::uint8_t> stream)
{
    TSkinReader reader;
    if (!reader.LoadPackage(stream))
        throw ESkinPackageException("not a skin package of version " + std::to_string(TSkinReader::PackageVersion));
    UseSkinSet(reader);
    m_stream = std::move(stream);
    ApplySkin();
}

void TSkinData::Loaded()
{
    TComponent::Loaded();
    if (ComponentState() & csDesigning)
        return;
    TSkinHost* host = SkinHost();
    if (!host)
        throw EInvalidOperation("The skin engine is not running: InitializeSkinEngine comes first");
    host->RegisterSkinData(*this);
    if (m_formType != sfMainform) {
        host->SetSkinning(true);
        host->AddActivation();
        if (auto* form = dynamic_cast<TCustomForm*>(Owner()))
            host->SkinWindow(form->Handle());
        return;
    }
    host->InstallHook();
    if (!m_active)
        return;
    if (SkinNotLoaded) {
        m_active = false;
        return;
    }
    host->RequestAction(saStart, this);
}

void TSkinData::ApplySkin()
{
    if (IsLoading() || (ComponentState() & csDesigning))
        return;
    if (!SkinHost())
        Loaded();
    // Without a loaded skin the windows could not be fitted again: they
    // keep what they wear.
    if (SkinNotLoaded)
        return;
    SkinHost()->ResetCaptionButtons(*this);
    SkinHost()->RequestAction(saReapply, this);
}

void TSkinData::AllowFormSkin(const std::string& className, bool& doSkin)
{
    if (OnFormSkin) {
        OnFormSkin(this, className, doSkin);
        return;
    }
    if (className == "SysMonthCal32" || (Skins(xcFastReport) && className.rfind("Tfr", 0) == 0))
        doSkin = false;
}

void TSkinData::DoSkinChanged()
{
    if (OnSkinChanged)
        OnSkinChanged(this);
}

} // namespace tandrel
