#include "framework/core/Registry.h"

#include "framework/core/SysUtils.h"

#include <vector>

namespace tandrel {

TRegistryKey::TRegistryKey(HKEY root, const std::wstring& path, TRegistryOpen how)
{
    LONG result = how == TRegistryOpen::roCreate
        ? RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &m_key, nullptr)
        : RegOpenKeyExW(root, path.c_str(), 0, KEY_READ | KEY_WRITE, &m_key);
    if (result != ERROR_SUCCESS)
        m_key = nullptr;
}

TRegistryKey& TRegistryKey::operator=(TRegistryKey&& other) noexcept
{
    if (this != &other) {
        Reset();
        m_key = other.m_key;
        other.m_key = nullptr;
    }
    return *this;
}

void TRegistryKey::Reset()
{
    if (m_key)
        RegCloseKey(m_key);
    m_key = nullptr;
}

std::optional<std::wstring> TRegistryKey::ReadString(const std::wstring& name) const
{
    if (!m_key)
        return std::nullopt;
    DWORD type = 0;
    DWORD bytes = 0;
    if (RegQueryValueExW(m_key, name.c_str(), nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS || type != REG_SZ)
        return std::nullopt;
    // The stored string need not end in a zero: leave room for one.
    std::vector<wchar_t> buffer(bytes / sizeof(wchar_t) + 1, L'\0');
    DWORD size = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
    if (RegQueryValueExW(m_key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size)
            != ERROR_SUCCESS
        || type != REG_SZ)
        return std::nullopt;
    return std::wstring(buffer.data());
}

void TRegistryKey::WriteString(const std::wstring& name, const std::wstring& value)
{
    const DWORD bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    const LONG result = m_key ? RegSetValueExW(m_key, name.c_str(), 0, REG_SZ,
                                               reinterpret_cast<const BYTE*>(value.c_str()), bytes)
                              : ERROR_INVALID_HANDLE;
    if (result != ERROR_SUCCESS) {
        SetLastError(static_cast<DWORD>(result));
        RaiseLastOSError("Writing to the registry");
    }
}

void TRegistryKey::DeleteValue(const std::wstring& name)
{
    if (m_key)
        RegDeleteValueW(m_key, name.c_str());
}

} // namespace tandrel
