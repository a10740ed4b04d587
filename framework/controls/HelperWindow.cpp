#include "framework/controls/HelperWindow.h"

#include "framework/core/SysUtils.h"

#include <string>

namespace tandrel {

HWND CreateHelperWindow(const wchar_t* className, WNDPROC procedure, THelperWindowKind kind, const char* purpose)
{
    HINSTANCE const instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc {};
    wc.cbSize = sizeof wc;
    if (!GetClassInfoExW(instance, className, &wc)) {
        wc = {};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = procedure;
        wc.hInstance = instance;
        wc.lpszClassName = className;
        if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
            RaiseLastOSError("RegisterClassEx");
    }
    HWND const window = kind == THelperWindowKind::hwMessageOnly
                            ? CreateWindowExW(0, className, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr)
                            : CreateWindowExW(WS_EX_TOOLWINDOW, className, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                              instance, nullptr);
    if (!window)
        RaiseLastOSError((std::string("Creating ") + purpose).c_str());
    return window;
}

} // namespace tandrel
