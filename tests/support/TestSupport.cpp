#include "tests/support/TestSupport.h"

#include "skin/data/SkinMessages.h"

#include "framework/forms/Application.h"
#include "framework/core/SysUtils.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <exception>
#include <filesystem>
#include <map>
#include <memory>

namespace tandrel::test {

namespace {
std::map<UINT_PTR, std::function<void()>> g_soon;

void CALLBACK SoonTimer(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    auto it = g_soon.find(id);
    if (it == g_soon.end())
        return;
    auto action = std::move(it->second);
    g_soon.erase(it);
    // Unwinding through the system's timer dispatch is undefined: a throw
    // fails the test here instead.
    try {
        action();
    } catch (const std::exception& e) {
        ADD_FAILURE() << "an action run soon threw: " << e.what();
    } catch (...) {
        ADD_FAILURE() << "an action run soon threw";
    }
}
} // namespace

void RunSoon(std::function<void()> action, UINT delayMs)
{
    UINT_PTR id = SetTimer(nullptr, 0, delayMs, SoonTimer);
    if (id)
        g_soon[id] = std::move(action);
}

void RunWhen(std::function<bool()> ready, std::function<void()> action, UINT timeoutMs)
{
    ULONGLONG const deadline = GetTickCount64() + timeoutMs;
    // Shared between the looks: each one re-arms the next. Not more often:
    // a thread timer due at every turn of the loop keeps Wine from reading
    // the input that the awaited state may hang on.
    auto look = std::make_shared<std::function<void()>>();
    *look = [ready = std::move(ready), action = std::move(action), deadline, weak = std::weak_ptr(look)] {
        if (ready() || GetTickCount64() >= deadline) {
            action();
            return;
        }
        if (auto self = weak.lock())
            RunSoon([self] { (*self)(); }, 50);
    };
    RunSoon([look] { (*look)(); }, 50);
}

void CancelSoon()
{
    for (auto& [id, action] : g_soon)
        KillTimer(nullptr, id);
    g_soon.clear();
}

void SendMouseInput(DWORD flags, POINT screen)
{
    SetCursorPos(screen.x, screen.y);
    INPUT input {};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    SendInput(1, &input, sizeof input);
}

void MoveMouseTo(POINT screen)
{
    SendMouseInput(0, screen);
    PumpUntil([&] {
        POINT p;
        GetCursorPos(&p);
        return p.x == screen.x && p.y == screen.y;
    }, 2000);
    PumpIdle();
}

void MouseDownAt(POINT screen)
{
    MoveMouseTo(screen);
    SendMouseInput(MOUSEEVENTF_LEFTDOWN, screen);
    PumpIdle();
}

void MouseUpAt(POINT screen)
{
    MoveMouseTo(screen);
    SendMouseInput(MOUSEEVENTF_LEFTUP, screen);
    PumpIdle();
}

void ClickAt(POINT screen, bool right)
{
    MoveMouseTo(screen);
    SendMouseInput(right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN, screen);
    SendMouseInput(right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP, screen);
    PumpIdle();
}

void PressKey(WORD key, WORD modifier)
{
    INPUT in[4] {};
    int n = 0;
    auto const add = [&](WORD k, DWORD flags) {
        in[n].type = INPUT_KEYBOARD;
        in[n].ki.wVk = k;
        in[n++].ki.dwFlags = flags;
    };
    if (modifier)
        add(modifier, 0);
    add(key, 0);
    add(key, KEYEVENTF_KEYUP);
    if (modifier)
        add(modifier, KEYEVENTF_KEYUP);
    SendInput(static_cast<UINT>(n), in, sizeof(INPUT));
}

std::vector<HWND> FocusCycle(HWND start, WORD key, WORD modifier, int limit)
{
    std::vector<HWND> went;
    SetFocus(start);
    PumpIdle();
    for (int i = 0; i < limit; ++i) {
        PressKey(key, modifier);
        PumpIdle();
        went.push_back(GetFocus());
        if (went.back() == start)
            break;
    }
    return went;
}

bool ShowsFocus(HWND window, HWND away)
{
    SetFocus(window);
    PumpIdle();
    GUITHREADINFO thread {};
    thread.cbSize = sizeof thread;
    // Only a window for text shows its focus by the caret alone.
    bool const caret = GetGUIThreadInfo(GetCurrentThreadId(), &thread) && thread.hwndCaret == window &&
                       (SendMessageW(window, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL);
    RECT r {};
    GetWindowRect(window, &r);
    std::unique_ptr<TBitmap> const focused = CaptureScreen(r);
    SetFocus(away);
    PumpIdle();
    if (caret)
        return true;
    std::unique_ptr<TBitmap> const unfocused = CaptureScreen(r);
    if (!focused || !unfocused)
        return false;
    int changed = 0;
    for (int y = 0; y < focused->Height(); ++y)
        for (int x = 0; x < focused->Width(); ++x)
            changed += PixelOf(*focused, x, y) != PixelOf(*unfocused, x, y);
    return changed >= 8;
}

POINT ScreenPointOf(HWND window, POINT client)
{
    ClientToScreen(window, &client);
    return client;
}

POINT Middle(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

POINT ItemCentreOnScreen(HWND control, UINT rectMessage, int index)
{
    RECT r {};
    SendMessageW(control, rectMessage, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    return ScreenPointOf(control, Middle(r));
}

std::wstring SaveScreenshot(TBitmap& bitmap, const std::string& name)
{
    wchar_t folder[MAX_PATH];
    DWORD n = GetEnvironmentVariableW(L"TANDREL_SCREENSHOTS", folder, MAX_PATH);
    std::filesystem::path dir;
    if (n && n < MAX_PATH) {
        dir = folder;
    } else {
        // Beside the test program: a test may have moved the current folder
        // (a file dialog does), and screenshots must not land in the sources.
        wchar_t program[MAX_PATH];
        DWORD const length = GetModuleFileNameW(nullptr, program, MAX_PATH);
        dir = std::filesystem::path(std::wstring(program, length)).parent_path() / L"screenshots";
    }
    std::filesystem::create_directories(dir);
    std::filesystem::path file = dir / (Utf8ToWide(name) + L".bmp");
    bitmap.SaveToFile(file.wstring());
    return file.wstring();
}

TClassicColours::TClassicColours()
{
    INT ids[31];
    COLORREF classic[31] = {
        RGB(212, 208, 200), RGB(58, 110, 165), RGB(10, 36, 106), RGB(128, 128, 128), RGB(212, 208, 200),
        RGB(255, 255, 255), RGB(0, 0, 0), RGB(0, 0, 0), RGB(0, 0, 0), RGB(255, 255, 255),
        RGB(212, 208, 200), RGB(212, 208, 200), RGB(128, 128, 128), RGB(10, 36, 106), RGB(255, 255, 255),
        RGB(212, 208, 200), RGB(128, 128, 128), RGB(128, 128, 128), RGB(0, 0, 0), RGB(212, 208, 200),
        RGB(255, 255, 255), RGB(64, 64, 64), RGB(212, 208, 200), RGB(0, 0, 0), RGB(255, 255, 225),
        RGB(181, 181, 181), RGB(0, 0, 128), RGB(166, 202, 240), RGB(192, 192, 192), RGB(49, 106, 197),
        RGB(236, 233, 216)};
    for (int i = 0; i < 31; ++i) {
        ids[i] = i;
        m_saved[i] = GetSysColor(i);
    }
    SetSysColors(31, ids, classic);
}

TClassicColours::~TClassicColours()
{
    INT ids[31];
    for (int i = 0; i < 31; ++i)
        ids[i] = i;
    SetSysColors(31, ids, m_saved);
}

namespace {
LRESULT CALLBACK BackdropProc(HWND w, UINT msg, WPARAM wp, LPARAM lp)
{
    // The skin engine's query: a backdrop says it is skinned already, so a
    // running skin engine leaves its plain colour alone.
    if (msg == WM_SKINQUERY)
        return 1;
    if (msg == WM_ERASEBKGND) {
        RECT r;
        GetClientRect(w, &r);
        FillRect(reinterpret_cast<HDC>(wp), &r, reinterpret_cast<HBRUSH>(GetWindowLongPtrW(w, GWLP_USERDATA)));
        return 1;
    }
    return DefWindowProcW(w, msg, wp, lp);
}
} // namespace

TBackdrop::TBackdrop(const RECT& area, COLORREF colour)
{
    static bool registered = [] {
        WNDCLASSW wc {};
        wc.lpfnWndProc = BackdropProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"TandrelTestBackdrop";
        return RegisterClassW(&wc) != 0;
    }();
    (void)registered;
    m_brush = CreateSolidBrush(colour);
    m_window = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, L"TandrelTestBackdrop", L"", WS_POPUP | WS_VISIBLE,
                               area.left, area.top, area.right - area.left, area.bottom - area.top, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(m_brush));
    SetWindowPos(m_window, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    InvalidateRect(m_window, nullptr, TRUE);
    UpdateWindow(m_window);
}

TBackdrop::~TBackdrop()
{
    DestroyWindow(m_window);
    DeleteObject(m_brush);
}

COLORREF PixelOf(TBitmap& bitmap, int x, int y) { return GetPixel(bitmap.Canvas().Handle(), x, y); }

int DifferingPixels(TBitmap& a, TBitmap& b)
{
    if (a.Width() != b.Width() || a.Height() != b.Height())
        return std::max(a.Width() * a.Height(), b.Width() * b.Height());
    int differing = 0;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            differing += PixelOf(a, x, y) != PixelOf(b, x, y);
    return differing;
}

bool ShowsFrameCorner(TBitmap& shot, POINT at, TBitmap& strip, int count, int frame, int size)
{
    int const left = strip.Width() / count * (frame - 1);
    int compared = 0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            COLORREF const want = PixelOf(strip, left + x, y);
            if (want == RGB(255, 0, 255))
                continue;
            if (PixelOf(shot, at.x + x, at.y + y) != want)
                return false;
            ++compared;
        }
    return compared > 0;
}

} // namespace tandrel::test
