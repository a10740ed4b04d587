#include "framework/controls/WindowText.h"

#include "framework/core/SysUtils.h"

namespace tandrel {

std::string WindowClassName(HWND window)
{
    wchar_t name[101] {};
    if (window)
        GetClassNameW(window, name, 101);
    return WideToUtf8(name);
}

std::wstring WindowText(HWND window)
{
    wchar_t text[1001] {};
    if (window)
        SendMessageW(window, WM_GETTEXT, 1001, reinterpret_cast<LPARAM>(text));
    return text;
}

} // namespace tandrel
