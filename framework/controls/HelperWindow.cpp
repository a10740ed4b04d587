#include "framework/controls/HelperWindow.h"

#include "framework/core/Object.h"
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

void BindWindowTarget(HWND window, TWindowMessageTarget* target)
{
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(target));
}

LRESULT CALLBACK TargetWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    // Unbound while the window is made and after its owner let go.
    auto* target = reinterpret_cast<TWindowMessageTarget*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (target) {
        try {
            LRESULT result = 0;
            if (target->WindowMessage(msg, wParam, lParam, result))
                return result;
        } catch (...) {
            HandleCallbackException(dynamic_cast<TObject*>(target));
            return 0;
        }
    }
    return DefWindowProcW(window, msg, wParam, lParam);
}

} // namespace tandrel
