// Tandrel's start-up and memory, skinned and with a damaged stored skin (it
// then runs unskinned): from the process start to the tray icon added, from
// the tray click to the main panel painted, and with the panel open the
// working set and the GDI objects alive. A start is a process of its own:
// the benchmark starts itself and its twin with the damaged skin in turn,
// and prints medians with quartiles.

#include "app/forms/Unit1.h"
#include "app/forms/Unit4.h"
#include "bench/support/AppBench.h"
#include "bench/support/Bench.h"
#include "framework/core/KernelHandle.h"
#include "framework/core/SysUtils.h"
#include "framework/forms/Application.h"
#include "framework/forms/MessagePump.h"
#include "framework/graphics/GdiObjects.h"
#include "skin/engine/SkinManage.h"
#include "skin/forms/WinSkinForm.h"

#include <psapi.h>
#include <shellapi.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

using namespace tandrel;
using namespace tandrel::bench;

namespace {

constexpr int kStarts = 101;
constexpr wchar_t kOnceArgument[] = L"--once";

// What one start measured.
struct TStart {
    double ToTray = 0;  // ms from the process start to the tray icon added
    double ToPanel = 0; // ms from the tray click to the panel painted
    double WorkingSet = 0; // MB with the panel open
    double GdiObjects = 0;
};

double Milliseconds(const FILETIME& from, const FILETIME& to)
{
    auto const ticks = [](const FILETIME& t) { return (ULONGLONG(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
    return double(ticks(to) - ticks(from)) / 1e4;
}

BOOL CALLBACK FindUnpainted(HWND window, LPARAM found)
{
    if (IsWindowVisible(window) && GetUpdateRect(window, nullptr, FALSE)) {
        *reinterpret_cast<bool*>(found) = true;
        return FALSE;
    }
    return TRUE;
}

// Shown, and neither the window nor a child has anything left to paint.
bool Painted(HWND window)
{
    if (!IsWindowVisible(window) || GetUpdateRect(window, nullptr, FALSE))
        return false;
    bool unpainted = false;
    EnumChildWindows(window, FindUnpainted, reinterpret_cast<LPARAM>(&unpainted));
    return !unpainted;
}

bool PanelReady()
{
    // A panel whose skin loaded is ready once the skin has started on it.
    if (!Form1->SkinData1->SkinNotLoaded) {
        TWinSkinForm* skin = SkinManager->FindSkinnedWindow(Form1->Handle());
        if (!skin || skin->SkinState() != ssSkinned)
            return false;
    }
    return Painted(Form1->Handle());
}

// One start, measured in this process; prints its figures on one line.
int MeasureThisStart()
{
    FILETIME trayAt {};
    SetTrayObserver([&trayAt](DWORD message, const NOTIFYICONDATAA&) {
        if (message == NIM_ADD && !trayAt.dwLowDateTime && !trayAt.dwHighDateTime)
            GetSystemTimePreciseAsFileTime(&trayAt);
    });
    // A damaged skin is reported once; here that goes to the output, not
    // to a message box that would wait for a click.
    InitializeFramework();
    Application->OnException = [](TObject*, const std::string& message) {
        std::printf("reported: %s\n", message.c_str());
    };
    int const result = RunWithApplication([&] {
        // The first step of the message loop shows the overlay, which adds the icon.
        Application->ShowMainFormAtStart();
        if (!PumpUntil([&] { return trayAt.dwLowDateTime || trayAt.dwHighDateTime; })) {
            std::printf("the tray icon was not added\n");
            return 1;
        }
        FILETIME created, exited, kernel, user;
        GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
        PumpIdle();
        // The click on the tray icon, as the shell hands it over.
        LARGE_INTEGER clicked, painted;
        QueryPerformanceCounter(&clicked);
        SendMessageW(Form4->Handle(), WM_TRAYNOTIFY, 0, WM_LBUTTONDOWN);
        if (!PumpUntil(PanelReady)) {
            std::printf("the panel was not painted\n");
            return 1;
        }
        GdiFlush();
        QueryPerformanceCounter(&painted);
        PumpIdle();
        PROCESS_MEMORY_COUNTERS memory {};
        memory.cb = sizeof memory;
        K32GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
        std::printf("figures %.3f %.3f %.3f %d\n", Milliseconds(created, trayAt), 1e3 * Seconds(clicked, painted),
                    double(memory.WorkingSetSize) / (1024.0 * 1024.0), LiveGdiObjects());
        return 0;
    });
    SetTrayObserver({});
    return result;
}

// Starts `program` with the argument that makes it measure one start, and
// reads its figures back.
bool StartOnce(const std::wstring& program, TStart& start)
{
    SECURITY_ATTRIBUTES inherit {sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) {
        std::printf("no pipe for the output: %s\n", SysErrorMessage(GetLastError()).c_str());
        return false;
    }
    TKernelHandle const reader(readEnd);
    TKernelHandle writer(writeEnd);
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    std::wstring command = L"\"" + program + L"\" " + kOnceArgument;
    PROCESS_INFORMATION process {};
    if (!CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                        &process)) {
        std::printf("%s did not start: %s\n", WideToUtf8(program).c_str(), SysErrorMessage(GetLastError()).c_str());
        return false;
    }
    TKernelHandle const child(process.hProcess);
    TKernelHandle const thread(process.hThread);
    writer.Reset();
    std::string output;
    char chunk[512];
    DWORD read = 0;
    while (ReadFile(readEnd, chunk, sizeof chunk, &read, nullptr) && read > 0)
        output.append(chunk, read);
    WaitForSingleObject(process.hProcess, INFINITE);
    int gdi = 0;
    std::size_t const at = output.find("figures ");
    if (at == std::string::npos ||
        std::sscanf(output.c_str() + at, "figures %lf %lf %lf %d", &start.ToTray, &start.ToPanel, &start.WorkingSet,
                    &gdi) != 4) {
        std::printf("%s: %s\n", WideToUtf8(program).c_str(), output.c_str());
        return false;
    }
    start.GdiObjects = gdi;
    return true;
}

std::wstring ThisProgram()
{
    std::wstring path(MAX_PATH, L'\0');
    DWORD const length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    path.resize(length);
    return path;
}

int CompareStarts()
{
    std::wstring const skinned = ThisProgram();
    std::wstring const damaged =
        skinned.substr(0, skinned.find_last_of(L"\\/") + 1) + L"twins\\bench_startup_damaged.exe";
    std::vector<TStart> starts[2];
    // A start that fails is said why and tried again; a second failure in
    // a row ends the benchmark.
    int retried = 0;
    for (int i = 0; i < kStarts; ++i)
        for (int which = 0; which < 2; ++which) {
            TStart start;
            std::wstring const& program = which == 0 ? skinned : damaged;
            if (!StartOnce(program, start)) {
                ++retried;
                if (!StartOnce(program, start))
                    return 1;
            }
            starts[which].push_back(start);
        }
    auto const spread = [&](double TStart::*figure) {
        std::vector<double> a, b;
        for (const TStart& s : starts[0])
            a.push_back(s.*figure);
        for (const TStart& s : starts[1])
            b.push_back(s.*figure);
        return TPairSpread {SpreadOf(std::move(a)), SpreadOf(std::move(b))};
    };
    std::printf("%d starts each, in turn", kStarts);
    if (retried)
        std::printf("; %d failed once and were made again", retried);
    std::printf("\n");
    ReportPairHeader("skinned", "damaged skin", "");
    ReportPair("process start to tray icon added, ms", spread(&TStart::ToTray), TPairKind::Replaced);
    ReportPair("tray click to main panel painted, ms", spread(&TStart::ToPanel), TPairKind::Replaced);
    ReportPair("working set with the panel open, MB", spread(&TStart::WorkingSet), TPairKind::Replaced);
    ReportPair("live GDI objects with the panel open", spread(&TStart::GdiObjects), TPairKind::Replaced, 0);
    return 0;
}

} // namespace

int main()
{
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    bool const once = arguments && count > 1 && std::wcscmp(arguments[1], kOnceArgument) == 0;
    LocalFree(arguments);
    return once ? MeasureThisStart() : CompareStarts();
}
