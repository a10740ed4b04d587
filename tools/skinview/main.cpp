// skinview: shows a skin on every kind of window and control the skin
// engine draws, for skin authors.
//
//   skinview [SKIN]             opens SKIN (a package file or a skin folder)
//   skinview --shot DIR [SKIN]  saves a screenshot of each page into DIR and exits

#include "framework/core/SysUtils.h"
#include "framework/forms/Application.h"
#include "framework/forms/MessagePump.h"
#include "skin/engine/SkinManage.h"
#include "skin/forms/WinSkinForm.h"
#include "tools/skinview/Shots.h"
#include "tools/skinview/ViewerForm.h"

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr const wchar_t* Usage = L"skinview " TANDREL_VERSION ", the Tandrel skin previewer\n"
                                 L"Usage: skinview [SKIN]\n"
                                 L"       skinview --shot DIR [SKIN]\n"
                                 L"SKIN is a skin package (.skn) or a skin folder (a description and its bitmaps).\n"
                                 L"--shot saves a screenshot of each page of the viewer into DIR and exits.\n";

struct TArguments {
    fs::path Skin;
    fs::path ShotFolder;
    bool Shot = false;
    bool Help = false;
};

// Frees the argument vector CommandLineToArgvW makes.
class TArgv {
public:
    TArgv() : m_argv(CommandLineToArgvW(GetCommandLineW(), &m_count)) {}
    ~TArgv() { LocalFree(m_argv); }
    TArgv(const TArgv&) = delete;
    TArgv& operator=(const TArgv&) = delete;
    int Count() const { return m_argv ? m_count : 0; }
    const wchar_t* operator[](int i) const { return m_argv[i]; }

private:
    int m_count = 0;
    wchar_t** m_argv;
};

bool ParseArguments(TArguments& arguments)
{
    TArgv const argv;
    std::vector<std::wstring> words;
    for (int i = 1; i < argv.Count(); ++i)
        words.emplace_back(argv[i]);
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (words[i] == L"--help" || words[i] == L"-h") {
            arguments.Help = true;
        } else if (words[i] == L"--shot" && i + 1 < words.size() && !arguments.Shot) {
            arguments.Shot = true;
            arguments.ShotFolder = words[++i];
        } else if (!words[i].starts_with(L"--") && arguments.Skin.empty()) {
            arguments.Skin = words[i];
        } else {
            return false;
        }
    }
    return true;
}

// Waits until the engine wears the skin on the viewer and has nothing left to do.
bool WaitUntilSkinned(HWND window)
{
    using namespace tandrel;
    return PumpUntil([window] {
        TWinSkinForm* skin = SkinManager ? SkinManager->FindSkinnedWindow(window) : nullptr;
        return skin && skin->SkinState() == ssSkinned && !SkinManager->ActionTimerRunning();
    }, 20000);
}

int Shoot(tandrel::TViewerForm& viewer, const fs::path& folder)
{
    using namespace tandrel;
    viewer.Show();
    if (!WaitUntilSkinned(viewer.Handle())) {
        std::fputs("skinview: the window was not skinned in time\n", stderr);
        return 1;
    }
    try {
        for (const auto& file : SaveTabShots(viewer, folder))
            std::fprintf(stdout, "%s\n", WideToUtf8(file.wstring()).c_str());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "skinview: %s\n", error.what());
        return 1;
    }
    return 0;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    using namespace tandrel;
    TArguments arguments;
    bool const understood = ParseArguments(arguments);
    if (!understood || arguments.Help) {
        std::fputws(Usage, understood ? stdout : stderr);
        MessageBoxW(nullptr, Usage, TViewerForm::Title, MB_OK | (understood ? MB_ICONINFORMATION : MB_ICONERROR));
        return understood ? 0 : 2;
    }
    // The folder chooser is a shell dialog: it wants COM on this thread.
    HRESULT const com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);

    int exitCode = 0;
    try {
        InitializeFramework();
        Application->Initialize();
        Application->SetTitle(TViewerForm::Title);
        InitializeSkinEngine();
        auto* viewer = Application->CreateForm<TViewerForm>();
        if (!arguments.Skin.empty() && !viewer->OpenSkin(arguments.Skin)) {
            std::string const why = viewer->ProblemLines().empty() ? "" : WideToUtf8(viewer->ProblemLines()[0]);
            std::fprintf(stderr, "skinview: %s\n", why.c_str());
            if (arguments.Shot)
                exitCode = 1;
        }
        if (arguments.Shot) {
            if (exitCode == 0)
                exitCode = Shoot(*viewer, arguments.ShotFolder);
        } else {
            Application->Run();
        }
        delete viewer;
    } catch (...) {
        HandleCallbackException(nullptr);
        exitCode = 1;
    }
    FinalizeFramework();
    FinalizeSkinEngine();
    if (SUCCEEDED(com))
        CoUninitialize();
    return exitCode;
}
