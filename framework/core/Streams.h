#pragma once
// Byte streams: memory and files.

#include "framework/core/Object.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace tandrel {

enum class TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream : public TObject {
public:
    const char* ClassName() const override { return "TStream"; }
    virtual std::size_t Read(void* buffer, std::size_t count) = 0;
    virtual std::size_t Write(const void* buffer, std::size_t count) = 0;
    virtual std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) = 0;

    std::int64_t Position() { return Seek(0, TSeekOrigin::soCurrent); }
    void SetPosition(std::int64_t position) { Seek(position, TSeekOrigin::soBeginning); }
    virtual std::int64_t Size();

    void ReadBuffer(void* buffer, std::size_t count);   // raises EStreamError when short
    void WriteBuffer(const void* buffer, std::size_t count);
    std::vector<std::uint8_t> ReadRest();                // from the position to the end
};

class TMemoryStream final : public TStream {
public:
    TMemoryStream() = default;
    explicit TMemoryStream(std::vector<std::uint8_t> bytes) : m_bytes(std::move(bytes)) {}
    const char* ClassName() const override { return "TMemoryStream"; }

    std::size_t Read(void* buffer, std::size_t count) override;
    std::size_t Write(const void* buffer, std::size_t count) override;
    std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
    std::int64_t Size() override { return static_cast<std::int64_t>(m_bytes.size()); }

    const std::vector<std::uint8_t>& Bytes() const { return m_bytes; }
    std::vector<std::uint8_t>& Bytes() { return m_bytes; }
    void Clear() { m_bytes.clear(); m_position = 0; }

private:
    std::vector<std::uint8_t> m_bytes;
    std::size_t m_position = 0;
};

class TFileStream final : public TStream {
public:
    enum class TMode { fmOpenRead, fmCreate };
    // Raises EFOpenError naming the full path and the system's reason.
    TFileStream(const std::wstring& fileName, TMode mode);
    ~TFileStream() override;
    const char* ClassName() const override { return "TFileStream"; }

    std::size_t Read(void* buffer, std::size_t count) override;
    std::size_t Write(const void* buffer, std::size_t count) override;
    std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;

private:
    HANDLE m_file = INVALID_HANDLE_VALUE;
};

// The full path a relative name resolves to against the current directory.
std::wstring ExpandFileName(const std::wstring& fileName);

} // namespace tandrel
