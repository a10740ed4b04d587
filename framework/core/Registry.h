#pragma once
// A registry key this code opened; closed when its owner goes.

#include <windows.h>

#include <optional>
#include <string>

namespace tandrel {

enum class TRegistryOpen { roRead, roCreate };

class TRegistryKey {
public:
    TRegistryKey() = default;
    // With roRead a missing key leaves the owner empty; roCreate makes it.
    TRegistryKey(HKEY root, const std::wstring& path, TRegistryOpen how);
    ~TRegistryKey() { Reset(); }
    TRegistryKey(TRegistryKey&& other) noexcept : m_key(other.m_key) { other.m_key = nullptr; }
    TRegistryKey& operator=(TRegistryKey&& other) noexcept;
    TRegistryKey(const TRegistryKey&) = delete;
    TRegistryKey& operator=(const TRegistryKey&) = delete;

    explicit operator bool() const { return m_key != nullptr; }
    HKEY Get() const { return m_key; }
    void Reset();

    // A string value, or none when it is missing or of another type.
    std::optional<std::wstring> ReadString(const std::wstring& name) const;
    // Raises an exception with the system's reason when the value cannot be written.
    void WriteString(const std::wstring& name, const std::wstring& value);
    // A missing value is not an error.
    void DeleteValue(const std::wstring& name);

private:
    HKEY m_key = nullptr;
};

} // namespace tandrel
