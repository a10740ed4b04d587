#pragma once
// A kernel object handle (mutex, process, thread); closed when its owner goes.

#include <windows.h>

namespace tandrel {

class TKernelHandle {
public:
    TKernelHandle() = default;
    explicit TKernelHandle(HANDLE handle) : m_handle(handle == INVALID_HANDLE_VALUE ? nullptr : handle) {}
    ~TKernelHandle() { Reset(); }
    TKernelHandle(TKernelHandle&& other) noexcept : m_handle(other.m_handle) { other.m_handle = nullptr; }
    TKernelHandle& operator=(TKernelHandle&& other) noexcept
    {
        if (this != &other) {
            Reset();
            m_handle = other.m_handle;
            other.m_handle = nullptr;
        }
        return *this;
    }
    TKernelHandle(const TKernelHandle&) = delete;
    TKernelHandle& operator=(const TKernelHandle&) = delete;

    void Reset()
    {
        if (m_handle)
            CloseHandle(m_handle);
        m_handle = nullptr;
    }
    HANDLE Get() const { return m_handle; }
    explicit operator bool() const { return m_handle != nullptr; }

private:
    HANDLE m_handle = nullptr;
};

} // namespace tandrel
