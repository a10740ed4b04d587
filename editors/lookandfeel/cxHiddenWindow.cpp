#include "editors/lookandfeel/cxHiddenWindow.h"

#include "framework/core/SysUtils.h"

namespace tandrel {

HWND CreateHiddenWindow(const wchar_t* className, WNDPROC procedure)
{
    WNDCLASSEXW wc {};
    wc.cbSize = sizeof wc;
    if (!GetClassInfoExW(GetModuleHandleW(nullptr), className, &wc)) {
        wc = {};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = procedure;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = className;
        if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
            RaiseLastOSError("RegisterClassEx");
    }
    HWND window = CreateWindowExW(WS_EX_TOOLWINDOW, className, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    if (!window)
        RaiseLastOSError("Creating a hidden notification window");
    return window;
}

} // namespace tandrel
