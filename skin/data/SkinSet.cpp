#include "skin/data/SkinSet.h"

#include "framework/core/ScopeGuard.h"

#include "skin/description/SkinDescription.h"
#include "skin/draw/SkinDraw.h"
#include "skin/package/SkinReader.h"
#include "skin/description/SkinSetReader.h"

#include <windows.h>

#include <cstring>
#include <cwchar>

namespace tandrel {

namespace {

std::wstring AnsiToWide(std::string_view text)
{
    if (text.empty())
        return {};
    int const length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

std::string WideToAnsi(std::wstring_view text)
{
    if (text.empty())
        return {};
    int const length =
        WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), bytes.data(), length, nullptr, nullptr);
    return bytes;
}

// The images of the reading steps, as GDI bitmaps.
class TBitmapImages {
public:
    explicit TBitmapImages(TSkinSet& set) : m_set(set) {}

    void Load(TBitmap& bitmap, std::string_view, std::string_view, const std::string& value)
    {
        m_set.LoadBitmapEntry(bitmap, value);
    }

    void Clear(TBitmap& bitmap) { bitmap.SetSize(0, 0); }

    void MirrorCopy(TBitmap& target, TBitmap& source)
    {
        target.Assign(source);
        target.SetPixelFormat(TPixelFormat::pf24bit);
        MirrorBitmap(target);
    }

    void CopyColumns(TBitmap& target, TBitmap& source, int left, int width)
    {
        target.SetSize(0, 0);
        target.SetPixelFormat(TPixelFormat::pf24bit);
        target.SetSize(width, source.Height());
        if (target.Empty())
            return;
        // Rows of the same layout are copied as bytes, as the blit would,
        // without a memory DC kept for either image.
        if (source.PixelFormat() == TPixelFormat::pf24bit && left >= 0 && left + width <= source.Width()) {
            for (int y = 0; y < source.Height(); ++y)
                std::memcpy(target.ScanLine(y), source.ScanLine(y) + 3 * static_cast<std::size_t>(left),
                            3 * static_cast<std::size_t>(width));
            return;
        }
        BitBlt(target.Canvas().Handle(), 0, 0, width, source.Height(), source.Canvas().Handle(), left, 0, SRCCOPY);
    }

    void Strip(const TBitmap&, const TStripUse&) {}

private:
    TSkinSet& m_set;
};

// Dates a file just written a minute back. A profile service that keeps the
// files it has read cannot tell a file written in the last seconds from one
// changed since (file times are coarse), so it parses such a file afresh at
// every call: a whole parse per section. The description never changes while
// it is read, so nothing is lost; if the date cannot be set, only time is.
void StampAsSettled(HANDLE file)
{
    constexpr ULONGLONG kMinute = 60ULL * 10'000'000ULL;  // in 100 ns units
    FILETIME now {};
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER when {};
    when.LowPart = now.dwLowDateTime;
    when.HighPart = now.dwHighDateTime;
    when.QuadPart -= kMinute;
    FILETIME const written {when.LowPart, when.HighPart};
    SetFileTime(file, nullptr, nullptr, &written);
}

} // namespace

std::vector<std::string> TPrivateProfileSource::SectionNames() const
{
    std::vector<wchar_t> buffer(SkinIniSectionListSize, L'\0');
    DWORD const length =
        GetPrivateProfileSectionNamesW(buffer.data(), static_cast<DWORD>(buffer.size()), m_path.c_str());
    std::vector<std::string> names;
    std::size_t i = 0;
    while (i < length && buffer[i] != L'\0') {
        std::wstring_view const name(buffer.data() + i, wcsnlen(buffer.data() + i, length - i));
        names.push_back(WideToAnsi(name));
        i += name.size() + 1;
    }
    // The answer is the size less 2 when the list had to be cut: then a
    // section missing from it may still be there.
    if (length + 2 < buffer.size()) {
        m_listed.emplace();
        for (const auto& name : names)
            m_listed->insert(SkinLowerCase(SkinTrim(name)));
    }
    return names;
}

const TProfileSection<wchar_t>& TPrivateProfileSource::Section(std::string_view name) const
{
    std::string const asked(SkinTrim(name));
    std::string lower = SkinLowerCase(asked);
    if (auto const found = m_sections.find(lower); found != m_sections.end())
        return found->second;
    // Keys before the first header make a nameless section the list never shows.
    if (m_listed && !lower.empty() && !m_listed->contains(lower))
        return m_sections.emplace(std::move(lower), TProfileSection<wchar_t>()).first->second;

    // Lines "key=value", each ended by a NUL; the answer is the size less 2
    // when the buffer was too small.
    std::wstring const section = AnsiToWide(asked);
    std::vector<wchar_t> buffer(32768);
    DWORD length = 0;
    for (;;) {
        length = GetPrivateProfileSectionW(section.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()),
                                           m_path.c_str());
        if (length + 2 < buffer.size() || buffer.size() >= MaxDescriptionSize + 2)
            break;
        buffer.resize(std::min<std::size_t>(buffer.size() * 4, MaxDescriptionSize + 2));
    }
    std::wstring_view const lines(buffer.data(), std::min<std::size_t>(length, buffer.size()));
    return m_sections.emplace(std::move(lower), TProfileSection<wchar_t>(lines)).first->second;
}

std::optional<std::string> TPrivateProfileSource::Value(std::string_view section, std::string_view key) const
{
    auto const value = Section(section).Raw(AnsiToWide(key));
    if (!value)
        return std::nullopt;
    return WideToAnsi(ProfileStringValue<wchar_t>(*value));
}

TTempDescriptionFile::TTempDescriptionFile(std::string_view entryName, const std::vector<std::uint8_t>& bytes)
{
    wchar_t folder[MAX_PATH + 1];
    DWORD const length = GetTempPathW(MAX_PATH + 1, folder);
    if (length == 0 || length > MAX_PATH) {
        DWORD const error = GetLastError();
        throw ESkinError("The temporary folder cannot be found: " + SysErrorMessage(error));
    }

    // A counter and the process make the name unique; a file that is there
    // already belongs to someone else and is left alone.
    static unsigned counter = 0;
    std::wstring const name = Utf8ToWide(DescriptionTempName(entryName));
    HANDLE file = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 100 && file == INVALID_HANDLE_VALUE; ++attempt) {
        m_path = std::wstring(folder, length) + L"Tandrel-" + std::to_wstring(GetCurrentProcessId()) + L"-"
            + std::to_wstring(++counter) + L"-" + name;
        file = CreateFileW(m_path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_TEMPORARY, nullptr);
        if (file == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS)
            break;
    }
    if (file == INVALID_HANDLE_VALUE) {
        DWORD const error = GetLastError();
        throw ESkinError("The skin description cannot be written to " + WideToUtf8(m_path) + ": "
                         + SysErrorMessage(error));
    }

    DWORD written = 0;
    bool const ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)
        && written == bytes.size();
    DWORD const error = GetLastError();
    if (ok)
        StampAsSettled(file);
    CloseHandle(file);
    if (!ok) {
        DeleteFileW(m_path.c_str());
        throw ESkinError("The skin description cannot be written to " + WideToUtf8(m_path) + ": "
                         + SysErrorMessage(error));
    }
}

TTempDescriptionFile::~TTempDescriptionFile()
{
    if (!m_path.empty())
        DeleteFileW(m_path.c_str());
}

TSkinSet::TSkinSet() = default;

TSkinSet::~TSkinSet() = default;

TSkinSet& TSkinSet::operator=(TSkinSet&& other) noexcept
{
    TSkinSetOf<TBitmap>::operator=(std::move(other));
    ButtonFaceBrush = std::move(other.ButtonFaceBrush);
    ScaledImages.Clear();
    other.ScaledImages.Clear();
    KeptPictures.Clear();
    other.KeptPictures.Clear();
    MenuFonts.Clear();
    other.MenuFonts.Clear();
    m_scratch.clear();
    return *this;
}

void TSkinSet::LoadBitmapEntry(TBitmap& bitmap, std::string_view value)
{
    auto const name = BitmapEntryName(value);
    m_scratch.clear();
    if (name && m_reader)
        m_reader->ExtractEntry(*name, m_scratch);
    if (m_scratch.empty()) {
        bitmap.SetSize(0, 0);
        return;
    }
    try {
        bitmap.LoadFromBytes(m_scratch.data(), m_scratch.size());
    } catch (const EInvalidGraphic& error) {
        throw ESkinError("Skin image \"" + *name + "\": " + error.what());
    }
}

void TSkinSet::ReadSkinDescription(const std::wstring& path)
{
    SkinNotLoaded = true;
    TPrivateProfileSource source(path);
    TSkinIni ini(source);
    TBitmapImages images(*this);
    TSkinSetReader<TBitmap, TBitmapImages>(*this, ini, images).Read();

    TOwnedBrush brush(CreateSolidBrush(ColorToRGB(ButtonFaceColour)));
    if (!brush)
        RaiseLastOSError("CreateSolidBrush");
    ButtonFaceBrush = std::move(brush);
    SkinNotLoaded = false;
}

void TSkinSet::LoadSkinDescription(const TSkinReader& reader)
{
    SkinNotLoaded = true;
    std::vector<std::uint8_t> bytes;
    std::string name;
    if (!reader.ExtractEntryContaining(".ini", bytes, name))
        throw ESkinError("The skin package has no description: no entry name contains \".ini\"");
    if (bytes.size() > MaxDescriptionSize)
        throw ESkinError("The skin description \"" + name + "\" is " + std::to_string(bytes.size())
                         + " bytes; descriptions of more than " + std::to_string(MaxDescriptionSize)
                         + " bytes are refused");
    m_reader = &reader;
    auto const forget = OnScopeExit([this] { m_reader = nullptr; });
    TTempDescriptionFile const file(name, bytes);
    ReadSkinDescription(file.Path());
}

} // namespace tandrel
