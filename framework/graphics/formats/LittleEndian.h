#pragma once
// Reading the little-endian integers of the image file formats, byte by
// byte so that unaligned fields in untrusted files read safely.

#include <cstdint>

namespace tandrel::formats {

inline std::uint16_t ReadU16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }

inline std::uint32_t ReadU32(const std::uint8_t* p)
{
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

inline std::int32_t ReadS32(const std::uint8_t* p) { return static_cast<std::int32_t>(ReadU32(p)); }

} // namespace tandrel::formats
