// What a user downloads, on a Wine prefix made afresh for this run: the
// version in every program, the portable folder started from elsewhere, and
// the setup installed, updated over an older build with Tandrel running,
// started at sign-in and removed again.

#include "tests/installer/ShipSupport.h"

#include "framework/core/Registry.h"
#include "framework/core/SysUtils.h"
#include "framework/forms/MessagePump.h"
#include "framework/graphics/ScreenCapture.h"
#include "tests/support/ProgramRun.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace tandrel::test {

namespace fs = std::filesystem;

namespace {

const std::wstring kUninstallKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tandrel";
const std::wstring kRunKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const std::wstring kSettingsKey = L"Software\\Tandrel";
const std::wstring kStoredMouse = L"\\\\?\\HID#VID_1234&PID_5678#7&1a2b3c4d&0&0000#{378de44c-56ef-11d1-bc8c-00a0c91405dd}";

fs::path StageFolder() { return WindowsPathOf(WideToUtf8(EnvironmentValue(L"TANDREL_STAGE"))); }
fs::path PortableFolder() { return WindowsPathOf(WideToUtf8(EnvironmentValue(L"TANDREL_PORTABLE"))); }
fs::path InstallFolder() { return KnownFolder(FOLDERID_LocalAppData) / "Programs" / "Tandrel"; }
fs::path Shortcut() { return KnownFolder(FOLDERID_Programs) / "Tandrel.lnk"; }
std::wstring Quoted(const fs::path& path) { return L"\"" + path.wstring() + L"\""; }

// Sign-in starts programs in the system folder, never in their own.
fs::path SystemFolder()
{
    wchar_t folder[MAX_PATH] {};
    GetSystemDirectoryW(folder, MAX_PATH);
    return folder;
}

void ExpectProgramVersion(const fs::path& file)
{
    SCOPED_TRACE(file.string());
    const TVersionInfo info = ReadVersionInfo(file);
    ASSERT_TRUE(info.Found);
    EXPECT_EQ(info.Strings.at(L"ProductName"), L"Tandrel");
    EXPECT_EQ(info.Strings.at(L"ProductVersion"), Utf8ToWide(TANDREL_VERSION));
    EXPECT_EQ(info.Strings.at(L"FileVersion"), Utf8ToWide(TANDREL_VERSION));
    EXPECT_FALSE(info.Strings.at(L"FileDescription").empty());
    EXPECT_NE(info.Strings.at(L"LegalCopyright").find(L"Copyright"), std::wstring::npos);
    EXPECT_EQ(info.FileVersion, VersionNumbers(TANDREL_VERSION));
    EXPECT_EQ(info.ProductVersion, VersionNumbers(TANDREL_VERSION));
}

// Runs a setup or an uninstaller to its end, as a script would.
DWORD RunToEnd(const std::wstring& commandLine)
{
    TProgramRun run(commandLine, SystemFolder().wstring());
    if (!run.Started())
        return 0xFFFFFFFF;
    if (!run.WaitForExit(180000))
        return STILL_ACTIVE;
    return run.ExitCode();
}

HWND VisibleDialog(DWORD process)
{
    HWND dialog = FindProcessWindow(process, L"#32770");
    return dialog && IsWindowVisible(dialog) ? dialog : nullptr;
}

// NSIS shows each page as a child dialog of its window.
HWND CurrentPage(DWORD process)
{
    HWND outer = VisibleDialog(process);
    HWND inner = outer ? FindWindowExW(outer, nullptr, L"#32770", nullptr) : nullptr;
    return inner && IsWindowVisible(inner) ? inner : nullptr;
}

void ClickButton(HWND dialog, int id)
{
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

// Once its text is drawn: a dark pixel in its client area.
void SaveDialogShot(HWND dialog, const char* name)
{
    RECT client {};
    GetClientRect(dialog, &client);
    MapWindowPoints(dialog, nullptr, reinterpret_cast<POINT*>(&client), 2);
    PumpUntil([&] {
        auto shot = CaptureScreen(client);
        for (int y = 0; y < shot->Height(); ++y)
            for (int x = 0; x < shot->Width(); ++x) {
                const COLORREF c = PixelOf(*shot, x, y);
                if (GetRValue(c) < 60 && GetGValue(c) < 60 && GetBValue(c) < 60)
                    return true;
            }
        return false;
    });
    // The page may have moved on by itself meanwhile; its picture is a
    // by-product, never a failure.
    try {
        SaveScreenshot(*CaptureWindow(dialog), name);
    } catch (const std::exception&) {
    }
}

void ExpectStartsWithItsTrayIcon(TProgramRun& tandrel)
{
    ASSERT_TRUE(tandrel.Started()) << "error " << tandrel.Error();
    const DWORD id = tandrel.Id();
    ASSERT_TRUE(PumpUntil([&] { return ShowsOverlayAndTrayIcon(id) || !MessageBoxText(id).empty() ||
                                       !tandrel.Running(); }, 60000));
    EXPECT_EQ(WideToUtf8(MessageBoxText(id)), "");
    EXPECT_TRUE(ShowsOverlayAndTrayIcon(id));
}

void ExpectEndsOnExitRequest(TProgramRun& tandrel)
{
    ASSERT_TRUE(PostExitRequest(tandrel.Id()));
    ASSERT_TRUE(tandrel.WaitForExit());
    EXPECT_EQ(tandrel.ExitCode(), 0u);
}

} // namespace

TEST(ShipVersionTest, EveryProgramCarriesTheVersionAndTheManifest)
{
    for (const char* program : {"Tandrel.exe", "skins/skinview.exe", "skins/skinpack.exe"}) {
        const fs::path file = StageFolder() / program;
        ExpectProgramVersion(file);
        const std::string manifest = ReadManifest(file);
        SCOPED_TRACE(manifest);
        EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
        for (const char* os : {"{e2011457-1546-43c5-a5fe-008deee3d3f0}", "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",
                               "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}", "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",
                               "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"})
            EXPECT_NE(manifest.find(os), std::string::npos) << os;
        // Programs with windows draw them at each screen's density; the
        // packer has none.
        const bool windows = std::string_view(program) != "skins/skinpack.exe";
        EXPECT_EQ(manifest.find("<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true/pm"
                                "</dpiAware>") != std::string::npos,
                  windows);
        EXPECT_EQ(manifest.find(">PerMonitorV2, PerMonitor</dpiAwareness>") != std::string::npos, windows);
        // No dependent assembly, common controls 6 least of all: the skin
        // engine draws over the classic controls.
        EXPECT_EQ(manifest.find("<dependency"), std::string::npos);
        EXPECT_NE(manifest.find("version=\"" TANDREL_VERSION ".0\""), std::string::npos);
    }
}

TEST(ShipVersionTest, TheSetupNamesAndCarriesTheVersion)
{
    const fs::path setup = WindowsPathOf(WideToUtf8(EnvironmentValue(L"TANDREL_SETUP")));
    EXPECT_TRUE(setup.filename().string().starts_with("Tandrel-" TANDREL_VERSION "-")) << setup.string();
    const TVersionInfo info = ReadVersionInfo(setup);
    ASSERT_TRUE(info.Found);
    EXPECT_EQ(info.Strings.at(L"ProductName"), L"Tandrel");
    EXPECT_EQ(info.Strings.at(L"ProductVersion"), Utf8ToWide(TANDREL_VERSION));
    EXPECT_EQ(info.FileVersion, VersionNumbers(TANDREL_VERSION));
}

TEST(ShipVersionTest, SkinviewHelpSaysItsVersion)
{
    TProgramRun skinview(Quoted(StageFolder() / "skins" / "skinview.exe") + L" --help", SystemFolder().wstring());
    ASSERT_TRUE(skinview.Started());
    ASSERT_TRUE(PumpUntil([&] { return !MessageBoxText(skinview.Id()).empty(); }, 60000));
    EXPECT_NE(WideToUtf8(MessageBoxText(skinview.Id())).find("skinview " TANDREL_VERSION), std::string::npos);
    PostMessageW(FindProcessWindow(skinview.Id(), L"#32770"), WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(skinview.WaitForExit());
    EXPECT_EQ(skinview.ExitCode(), 0u);
}

TEST(PortableTest, TheUnpackedZipRunsFromAnotherFolder)
{
    const fs::path folder = PortableFolder();
    for (const char* file : {"Tandrel.exe", "mouse.ico", "README.txt", "skins/skinview.exe", "skins/skinpack.exe",
                             "skins/slate.skn"})
        EXPECT_TRUE(fs::is_regular_file(folder / file)) << file;
    TProgramRun tandrel(Quoted(folder / "Tandrel.exe"), SystemFolder().wstring());
    ExpectStartsWithItsTrayIcon(tandrel);
    ExpectEndsOnExitRequest(tandrel);
}

// The steps of one user's life with the setup, in order: each test starts
// where the one before left the machine.
class InstallTest : public ::testing::Test {
protected:
    static std::unique_ptr<TProgramRun> s_signedIn;
};
std::unique_ptr<TProgramRun> InstallTest::s_signedIn;

TEST_F(InstallTest, AnOlderBuildInstallsSilentlyForTheUserAlone)
{
    const fs::path older = WindowsPathOf(WideToUtf8(EnvironmentValue(L"TANDREL_OLDER_SETUP")));
    ASSERT_EQ(RunToEnd(Quoted(older) + L" /S"), 0u);
    EXPECT_TRUE(fs::is_regular_file(InstallFolder() / "Tandrel.exe"));
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, kUninstallKey, L"DisplayVersion"), Utf8ToWide(TANDREL_OLDER_VERSION));
    EXPECT_FALSE(ReadString(HKEY_CURRENT_USER, kRunKey, L"Tandrel")) << "sign-in start is off unless asked for";

    TRegistryKey settings(HKEY_CURRENT_USER, kSettingsKey, TRegistryOpen::roCreate);
    settings.WriteString(L"SecondMouse", kStoredMouse);
}

TEST_F(InstallTest, AnUpdateClosesTheRunningOneReplacesItAndKeepsTheSettings)
{
    // Started as its Start-menu shortcut starts it.
    const TShortcut shortcut = ReadShortcut(Shortcut());
    ASSERT_TRUE(shortcut.Found);
    TProgramRun older(Quoted(shortcut.Target), shortcut.WorkingFolder);
    ExpectStartsWithItsTrayIcon(older);

    const fs::path setup = WindowsPathOf(WideToUtf8(EnvironmentValue(L"TANDREL_SETUP")));
    ASSERT_EQ(RunToEnd(Quoted(setup) + L" /S /AUTOSTART=1"), 0u);
    EXPECT_FALSE(older.Running()) << "the setup replaced the files of a running Tandrel";
    EXPECT_EQ(older.ExitCode(), 0u) << "it ended some other way than by its exit";

    ExpectProgramVersion(InstallFolder() / "Tandrel.exe");
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, kUninstallKey, L"DisplayVersion"), Utf8ToWide(TANDREL_VERSION));
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, kSettingsKey, L"SecondMouse"), kStoredMouse);
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, kRunKey, L"Tandrel"), Quoted(InstallFolder() / "Tandrel.exe"));

    // A silent update puts back the Tandrel it closed: the new one.
    DWORD restarted = 0;
    ASSERT_TRUE(PumpUntil([&] {
        HWND overlay = FindWindowW(L"TForm4", L"Form4");
        return overlay && GetWindowThreadProcessId(overlay, &restarted) && restarted != older.Id();
    }, 60000));
    EXPECT_TRUE(fs::equivalent(ProcessImage(restarted), InstallFolder() / "Tandrel.exe"));
    ASSERT_TRUE(PostExitRequest(restarted));
    EXPECT_TRUE(PumpUntil([&] { return !FindProcessWindow(restarted, L"TForm4", L"Form4"); }, 60000));
}

TEST_F(InstallTest, ItLeavesItsFilesShortcutAndRegistration)
{
    const fs::path folder = InstallFolder();
    for (const char* file : {"Tandrel.exe", "mouse.ico", "uninstall.exe", "skins/skinview.exe", "skins/skinpack.exe",
                             "skins/slate.skn", "skins/dusk.skn"})
        EXPECT_TRUE(fs::is_regular_file(folder / file)) << file;

    const TShortcut shortcut = ReadShortcut(Shortcut());
    ASSERT_TRUE(shortcut.Found);
    EXPECT_TRUE(fs::equivalent(shortcut.Target, folder / "Tandrel.exe"));
    EXPECT_TRUE(fs::equivalent(shortcut.WorkingFolder, folder));

    const HKEY user = HKEY_CURRENT_USER;
    EXPECT_EQ(ReadString(user, kUninstallKey, L"DisplayName"), L"Tandrel");
    EXPECT_FALSE(ReadString(user, kUninstallKey, L"Publisher").value_or(L"").empty());
    EXPECT_EQ(ReadString(user, kUninstallKey, L"DisplayIcon"), (folder / "Tandrel.exe").wstring() + L",0");
    EXPECT_EQ(ReadString(user, kUninstallKey, L"InstallLocation"), folder.wstring());
    EXPECT_EQ(ReadString(user, kUninstallKey, L"UninstallString"), Quoted(folder / "uninstall.exe"));
    EXPECT_EQ(ReadString(user, kUninstallKey, L"QuietUninstallString"), Quoted(folder / "uninstall.exe") + L" /S");
    EXPECT_EQ(ReadDword(user, kUninstallKey, L"NoModify"), 1u);
    EXPECT_EQ(ReadDword(user, kUninstallKey, L"NoRepair"), 1u);
    // In KB: the program and its tools take more than a megabyte.
    EXPECT_GT(ReadDword(user, kUninstallKey, L"EstimatedSize").value_or(0), 1024u);
}

TEST_F(InstallTest, TheSignInValueStartsItFromTheSystemFolder)
{
    const auto command = ReadString(HKEY_CURRENT_USER, kRunKey, L"Tandrel");
    ASSERT_TRUE(command);
    s_signedIn = std::make_unique<TProgramRun>(*command, SystemFolder().wstring());
    ExpectStartsWithItsTrayIcon(*s_signedIn);
}

TEST_F(InstallTest, TheQuietUninstallClosesItAndLeavesNothingBehind)
{
    if (!s_signedIn || !s_signedIn->Running()) {
        s_signedIn = std::make_unique<TProgramRun>(Quoted(InstallFolder() / "Tandrel.exe"), SystemFolder().wstring());
        ExpectStartsWithItsTrayIcon(*s_signedIn);
    }
    const auto quiet = ReadString(HKEY_CURRENT_USER, kUninstallKey, L"QuietUninstallString");
    ASSERT_TRUE(quiet);
    // The uninstaller hands over to a copy of itself in the temporary folder
    // (it could not remove its own file otherwise) and ends: wait for the work.
    ASSERT_EQ(RunToEnd(*quiet), 0u);
    ASSERT_TRUE(s_signedIn->WaitForExit()) << "the uninstaller left Tandrel running";
    EXPECT_EQ(s_signedIn->ExitCode(), 0u);
    ASSERT_TRUE(PumpUntil([] { return !KeyExists(HKEY_CURRENT_USER, kUninstallKey); }, 120000));

    EXPECT_FALSE(fs::exists(InstallFolder()));
    EXPECT_FALSE(fs::exists(Shortcut()));
    EXPECT_FALSE(ReadString(HKEY_CURRENT_USER, kRunKey, L"Tandrel"));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kSettingsKey));
    s_signedIn.reset();
}

// The setup as a user clicks through it: each page is saved as a picture,
// Next takes the defaults, and the finish page's ticked box starts Tandrel.
TEST_F(InstallTest, ClickedThroughItInstallsAndStartsTandrel)
{
    const fs::path setup = WindowsPathOf(WideToUtf8(EnvironmentValue(L"TANDREL_SETUP")));
    TProgramRun run(Quoted(setup), SystemFolder().wstring());
    ASSERT_TRUE(run.Started());
    const DWORD id = run.Id();
    // The language is asked first; the system's own is offered.
    HWND language = nullptr;
    ASSERT_TRUE(PumpUntil([&] { return (language = VisibleDialog(id)) != nullptr; }, 60000));
    SaveDialogShot(language, "setup-0-language");
    ClickButton(language, IDOK);

    // Next, Next, Install; the files page goes on to the finish page by itself.
    HWND page = nullptr;
    for (const char* name : {"setup-1-welcome", "setup-2-components", "setup-3-folder", "setup-4-finish"}) {
        SCOPED_TRACE(name);
        const bool last = std::string(name) == "setup-4-finish";
        ASSERT_TRUE(PumpUntil([&] {
            HWND now = CurrentPage(id);
            HWND next = now ? GetDlgItem(GetParent(now), 1) : nullptr;
            wchar_t text[32] {};
            if (next)
                GetWindowTextW(next, text, 32);
            return now && now != page && IsWindowEnabled(next) && (std::wstring(text) == L"&Finish") == last;
        }, 120000));
        page = CurrentPage(id);
        SaveDialogShot(GetParent(page), name);
        ClickButton(GetParent(page), 1);
    }
    // A click that lands while the last page is still being set up is lost: click again now and then.
    int rounds = 0;
    ASSERT_TRUE(PumpUntil([&] {
        if (++rounds % 50 == 0 && CurrentPage(id))
            ClickButton(GetParent(CurrentPage(id)), 1);
        return !run.Running();
    }, 60000));
    EXPECT_EQ(run.ExitCode(), 0u);
    EXPECT_TRUE(fs::is_regular_file(InstallFolder() / "Tandrel.exe"));
    EXPECT_FALSE(ReadString(HKEY_CURRENT_USER, kRunKey, L"Tandrel")) << "sign-in start is off unless ticked";

    DWORD started = 0;
    ASSERT_TRUE(PumpUntil([&] {
        HWND overlay = FindWindowW(L"TForm4", L"Form4");
        return overlay && GetWindowThreadProcessId(overlay, &started) && ShowsOverlayAndTrayIcon(started);
    }, 60000));
    EXPECT_EQ(MessageBoxText(started), L"");

    // Removed again, the machine is as it was.
    ASSERT_EQ(RunToEnd(*ReadString(HKEY_CURRENT_USER, kUninstallKey, L"QuietUninstallString")), 0u);
    ASSERT_TRUE(PumpUntil([] { return !KeyExists(HKEY_CURRENT_USER, kUninstallKey); }, 120000));
    EXPECT_FALSE(FindProcessWindow(started, L"TForm4", L"Form4"));
    EXPECT_FALSE(fs::exists(InstallFolder()));
}

} // namespace tandrel::test
