#include "framework/core/SysUtils.h"

#include <windows.h>

namespace tandrel {

std::wstring Utf8ToWide(std::string_view text)
{
    if (text.empty())
        return {};
    int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
    return out;
}

std::string WideToUtf8(std::wstring_view text)
{
    if (text.empty())
        return {};
    int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
    return out;
}

std::string LowerCase(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::string UpperCase(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return out;
}

std::string SysErrorMessage(unsigned long code)
{
    wchar_t* buffer = nullptr;
    DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                             nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text;
    if (n && buffer)
        text.assign(buffer, n);
    if (buffer)
        LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' '))
        text.pop_back();
    if (text.empty())
        return "System error " + std::to_string(code);
    return WideToUtf8(text);
}

void RaiseLastOSError(const char* what)
{
    DWORD code = GetLastError();
    throw EOutOfResources(std::string(what) + ": " + SysErrorMessage(code));
}

namespace {
TCallbackExceptionReporter g_reporter = nullptr;
}

void SetCallbackExceptionReporter(TCallbackExceptionReporter reporter) { g_reporter = reporter; }

void HandleCallbackException(TObject* sender) noexcept
{
    try {
        if (g_reporter)
            g_reporter(sender);
    } catch (...) {
        // Nothing more can be done without unwinding through the system.
    }
}

} // namespace tandrel
