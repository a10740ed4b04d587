#pragma once
// Where the tray icon's picture comes from: "mouse.ico" in the current
// directory, as it always was, else beside the program. A Start-menu
// shortcut, a sign-in entry or a double-click from a search result starts
// the program in some other folder, and without its icon it has no tray door.

#include <memory>
#include <string>

namespace tandrel {

class TIcon;

constexpr wchar_t kTrayIconFile[] = L"mouse.ico";

// The notification area shows icons at the system's small-icon size for
// the system's density.
int TrayIconSize();

// The folder of the running program's file, without a trailing separator.
std::wstring ProgramFolder();

// Raises EFOpenError naming both places, with the system's reason for each,
// when neither has the file. A file that is there but is no icon is reported
// as such, not passed over.
std::unique_ptr<TIcon> LoadTrayIcon(const std::wstring& programFolder);

} // namespace tandrel
