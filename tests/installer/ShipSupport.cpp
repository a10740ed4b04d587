#include "tests/installer/ShipSupport.h"

#include "framework/core/KernelHandle.h"
#include "framework/core/Registry.h"

#include <objbase.h>
#include <shobjidl.h>

#include <sstream>
#include <vector>

namespace tandrel::test {

namespace {

// Releases a COM interface when it goes.
template <typename T>
class TComOwner {
public:
    TComOwner() = default;
    ~TComOwner()
    {
        if (m_p)
            m_p->Release();
    }
    TComOwner(const TComOwner&) = delete;
    TComOwner& operator=(const TComOwner&) = delete;
    T** Out() { return &m_p; }
    T* operator->() const { return m_p; }
    explicit operator bool() const { return m_p != nullptr; }

private:
    T* m_p = nullptr;
};

// COM for the length of one call on this thread.
class TComScope {
public:
    TComScope() : m_ok(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~TComScope()
    {
        if (m_ok)
            CoUninitialize();
    }
    TComScope(const TComScope&) = delete;
    TComScope& operator=(const TComScope&) = delete;

private:
    bool m_ok;
};

// A program file loaded for its resources only; freed when it goes.
class TResourceFile {
public:
    explicit TResourceFile(const std::filesystem::path& file)
        : m_module(LoadLibraryExW(file.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE))
    {
    }
    ~TResourceFile()
    {
        if (m_module)
            FreeLibrary(m_module);
    }
    TResourceFile(const TResourceFile&) = delete;
    TResourceFile& operator=(const TResourceFile&) = delete;
    HMODULE Get() const { return m_module; }

private:
    HMODULE m_module;
};

TVersionNumbers Split(DWORD high, DWORD low)
{
    return {HIWORD(high), LOWORD(high), HIWORD(low), LOWORD(low)};
}

} // namespace

std::filesystem::path KnownFolder(REFKNOWNFOLDERID id)
{
    PWSTR path = nullptr;
    std::filesystem::path folder;
    if (SUCCEEDED(SHGetKnownFolderPath(id, 0, nullptr, &path)))
        folder = path;
    CoTaskMemFree(path);
    return folder;
}

std::optional<std::wstring> ReadString(HKEY root, const std::wstring& key, const std::wstring& name)
{
    TRegistryKey opened(root, key, TRegistryOpen::roRead);
    if (!opened)
        return std::nullopt;
    return opened.ReadString(name);
}

std::optional<DWORD> ReadDword(HKEY root, const std::wstring& key, const std::wstring& name)
{
    DWORD value = 0;
    DWORD size = sizeof value;
    if (RegGetValueW(root, key.c_str(), name.c_str(), RRF_RT_REG_DWORD, nullptr, &value, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return value;
}

bool KeyExists(HKEY root, const std::wstring& key)
{
    return static_cast<bool>(TRegistryKey(root, key, TRegistryOpen::roRead));
}

TShortcut ReadShortcut(const std::filesystem::path& link)
{
    TComScope com;
    TComOwner<IShellLinkW> shellLink;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(shellLink.Out()))))
        return {};
    TComOwner<IPersistFile> file;
    if (FAILED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(file.Out()))) ||
        FAILED(file->Load(link.c_str(), STGM_READ)))
        return {};
    wchar_t target[MAX_PATH] {};
    wchar_t folder[MAX_PATH] {};
    if (FAILED(shellLink->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH)) ||
        FAILED(shellLink->GetWorkingDirectory(folder, MAX_PATH)))
        return {};
    return {true, target, folder};
}

TVersionNumbers VersionNumbers(const std::string& version)
{
    TVersionNumbers numbers {};
    std::istringstream parts(version);
    std::string part;
    for (std::size_t i = 0; i < numbers.size() && std::getline(parts, part, '.'); ++i)
        numbers[i] = static_cast<WORD>(std::stoi(part));
    return numbers;
}

TVersionInfo ReadVersionInfo(const std::filesystem::path& file)
{
    TVersionInfo info;
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(file.c_str(), &ignored);
    if (size == 0)
        return info;
    std::vector<unsigned char> data(size);
    if (!GetFileVersionInfoW(file.c_str(), 0, size, data.data()))
        return info;
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) || !fixed)
        return info;
    info.FileVersion = Split(fixed->dwFileVersionMS, fixed->dwFileVersionLS);
    info.ProductVersion = Split(fixed->dwProductVersionMS, fixed->dwProductVersionLS);
    struct TTranslation {
        WORD Language;
        WORD CodePage;
    }* translation = nullptr;
    if (!VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation),
                        &length) || length < sizeof *translation)
        return info;
    wchar_t block[64];
    for (const wchar_t* name : {L"ProductName", L"ProductVersion", L"FileVersion", L"FileDescription",
                                L"LegalCopyright", L"CompanyName"}) {
        swprintf(block, 64, L"\\StringFileInfo\\%04x%04x\\%ls", translation->Language, translation->CodePage, name);
        wchar_t* value = nullptr;
        if (VerQueryValueW(data.data(), block, reinterpret_cast<void**>(&value), &length) && value)
            info.Strings[name] = value;
        else
            info.Strings[name] = L"";
    }
    info.Found = true;
    return info;
}

std::string ReadManifest(const std::filesystem::path& file)
{
    TResourceFile module(file);
    if (!module.Get())
        return "";
    HRSRC found = FindResourceW(module.Get(), MAKEINTRESOURCEW(1), RT_MANIFEST);
    HGLOBAL loaded = found ? LoadResource(module.Get(), found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes)
        return "";
    return std::string(static_cast<const char*>(bytes), SizeofResource(module.Get(), found));
}

std::filesystem::path ProcessImage(DWORD process)
{
    TKernelHandle handle(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process));
    wchar_t path[MAX_PATH] {};
    DWORD size = MAX_PATH;
    if (!handle || !QueryFullProcessImageNameW(handle.Get(), 0, path, &size))
        return {};
    return path;
}

} // namespace tandrel::test
