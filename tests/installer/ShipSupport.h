#pragma once
// Reading back what a setup left on the machine: known folders, registry
// values, shortcuts, version resources and manifests of program files.

#include <windows.h>
#include <shlobj.h>

#include <array>
#include <filesystem>
#include <map>
#include <optional>
#include <string>

namespace tandrel::test {

std::filesystem::path KnownFolder(REFKNOWNFOLDERID id);

std::optional<std::wstring> ReadString(HKEY root, const std::wstring& key, const std::wstring& name);
std::optional<DWORD> ReadDword(HKEY root, const std::wstring& key, const std::wstring& name);
bool KeyExists(HKEY root, const std::wstring& key);

struct TShortcut {
    bool Found = false;
    std::wstring Target;
    std::wstring WorkingFolder;
};
TShortcut ReadShortcut(const std::filesystem::path& link);

using TVersionNumbers = std::array<WORD, 4>;
// "1.2.3" as a version resource holds it: 1, 2, 3, 0.
TVersionNumbers VersionNumbers(const std::string& version);

struct TVersionInfo {
    bool Found = false;
    std::map<std::wstring, std::wstring> Strings;  // of the first translation
    TVersionNumbers FileVersion {};
    TVersionNumbers ProductVersion {};
};
TVersionInfo ReadVersionInfo(const std::filesystem::path& file);

// The application manifest a program carries (resource 1 of RT_MANIFEST).
std::string ReadManifest(const std::filesystem::path& file);

// The program file a running process was started from.
std::filesystem::path ProcessImage(DWORD process);

} // namespace tandrel::test
