#include "framework/core/Streams.h"

#include "framework/core/SysUtils.h"

#include <algorithm>
#include <cstring>

namespace tandrel {

std::int64_t TStream::Size()
{
    std::int64_t here = Position();
    std::int64_t end = Seek(0, TSeekOrigin::soEnd);
    Seek(here, TSeekOrigin::soBeginning);
    return end;
}

void TStream::ReadBuffer(void* buffer, std::size_t count)
{
    if (count && Read(buffer, count) != count)
        throw EStreamError("Stream read error");
}

void TStream::WriteBuffer(const void* buffer, std::size_t count)
{
    if (count && Write(buffer, count) != count)
        throw EStreamError("Stream write error");
}

std::vector<std::uint8_t> TStream::ReadRest()
{
    std::int64_t left = Size() - Position();
    std::vector<std::uint8_t> bytes(left > 0 ? static_cast<std::size_t>(left) : 0);
    ReadBuffer(bytes.data(), bytes.size());
    return bytes;
}

std::size_t TMemoryStream::Read(void* buffer, std::size_t count)
{
    std::size_t n = m_position < m_bytes.size() ? std::min(count, m_bytes.size() - m_position) : 0;
    if (n)
        std::memcpy(buffer, m_bytes.data() + m_position, n);
    m_position += n;
    return n;
}

std::size_t TMemoryStream::Write(const void* buffer, std::size_t count)
{
    if (m_position + count > m_bytes.size())
        m_bytes.resize(m_position + count);
    if (count)
        std::memcpy(m_bytes.data() + m_position, buffer, count);
    m_position += count;
    return count;
}

std::int64_t TMemoryStream::Seek(std::int64_t offset, TSeekOrigin origin)
{
    std::int64_t base = origin == TSeekOrigin::soBeginning ? 0
                        : origin == TSeekOrigin::soCurrent ? static_cast<std::int64_t>(m_position)
                                                           : static_cast<std::int64_t>(m_bytes.size());
    std::int64_t target = std::max<std::int64_t>(0, base + offset);
    m_position = static_cast<std::size_t>(target);
    return target;
}

std::wstring ExpandFileName(const std::wstring& fileName)
{
    DWORD n = GetFullPathNameW(fileName.c_str(), 0, nullptr, nullptr);
    if (!n)
        return fileName;
    std::wstring full(n, L'\0');
    n = GetFullPathNameW(fileName.c_str(), n, full.data(), nullptr);
    full.resize(n);
    return full;
}

TFileStream::TFileStream(const std::wstring& fileName, TMode mode)
{
    if (mode == TMode::fmOpenRead)
        m_file = CreateFileW(fileName.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    else
        m_file = CreateFileW(fileName.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    if (m_file == INVALID_HANDLE_VALUE) {
        DWORD code = GetLastError();
        const char* verb = mode == TMode::fmOpenRead ? "open" : "create";
        throw EFOpenError(std::string("Cannot ") + verb + " file \"" + WideToUtf8(ExpandFileName(fileName)) +
                          "\". " + SysErrorMessage(code));
    }
}

TFileStream::~TFileStream()
{
    if (m_file != INVALID_HANDLE_VALUE)
        CloseHandle(m_file);
}

std::size_t TFileStream::Read(void* buffer, std::size_t count)
{
    std::size_t total = 0;
    while (total < count) {
        DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(count - total, 1u << 30));
        DWORD got = 0;
        if (!ReadFile(m_file, static_cast<char*>(buffer) + total, chunk, &got, nullptr) || got == 0)
            break;
        total += got;
    }
    return total;
}

std::size_t TFileStream::Write(const void* buffer, std::size_t count)
{
    std::size_t total = 0;
    while (total < count) {
        DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(count - total, 1u << 30));
        DWORD put = 0;
        if (!WriteFile(m_file, static_cast<const char*>(buffer) + total, chunk, &put, nullptr) || put == 0)
            break;
        total += put;
    }
    return total;
}

std::int64_t TFileStream::Seek(std::int64_t offset, TSeekOrigin origin)
{
    LARGE_INTEGER distance;
    distance.QuadPart = offset;
    LARGE_INTEGER result {};
    DWORD method = origin == TSeekOrigin::soBeginning ? FILE_BEGIN : origin == TSeekOrigin::soCurrent ? FILE_CURRENT : FILE_END;
    if (!SetFilePointerEx(m_file, distance, &result, method))
        throw EStreamError("Stream seek error");
    return result.QuadPart;
}

} // namespace tandrel
