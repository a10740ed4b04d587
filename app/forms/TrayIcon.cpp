#include "app/forms/TrayIcon.h"

#include "framework/core/Streams.h"
#include "framework/core/SysUtils.h"
#include "framework/graphics/Dpi.h"
#include "framework/graphics/Icon.h"
#include "framework/graphics/SystemMetrics.h"

#include <windows.h>

namespace tandrel {

int TrayIconSize() { return SystemMetricForDpi(SM_CXSMICON, WindowDpi(nullptr)); }

std::wstring ProgramFolder()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0)
            return L".";
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);  // a long path: the name was cut short
    }
    const auto slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring(L".") : path.substr(0, slash);
}

std::unique_ptr<TIcon> LoadTrayIcon(const std::wstring& programFolder)
{
    auto icon = std::make_unique<TIcon>();
    try {
        icon->LoadFromFile(kTrayIconFile);
        return icon;
    } catch (const EFOpenError& inCurrentDirectory) {
        const std::wstring beside = programFolder + L"\\" + kTrayIconFile;
        // Started in its own folder: there is no second place to look.
        if (lstrcmpiW(ExpandFileName(kTrayIconFile).c_str(), ExpandFileName(beside).c_str()) == 0)
            throw;
        try {
            icon->LoadFromFile(beside);
            return icon;
        } catch (const EFOpenError& besideProgram) {
            throw EFOpenError(std::string(inCurrentDirectory.what()) + "\n" + besideProgram.what());
        }
    }
}

} // namespace tandrel
