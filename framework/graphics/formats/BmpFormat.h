#pragma once
// Reading the layout of a BMP file. Plain C++: no system headers, so it also
// builds natively for fuzzing. Every size and offset is checked against the
// data before anything is trusted.

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace tandrel::formats {

class EBmpFormat : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class TBmpCompression : std::uint32_t { Rgb = 0, BitFields = 3 };

// What a caller needs to rebuild the bitmap: the pixels stay in the caller's buffer.
struct TBmpLayout {
    std::int32_t Width = 0;
    std::int32_t Height = 0;        // always positive
    bool TopDown = false;           // rows stored top row first
    std::uint16_t BitCount = 0;     // 1, 4, 8, 16, 24 or 32
    TBmpCompression Compression = TBmpCompression::Rgb;
    std::uint32_t Masks[3] {};      // red, green, blue masks for BitFields
    std::vector<std::uint32_t> Palette;  // 0x00RRGGBB entries (blue lowest), for 8 bits or fewer
    std::size_t PixelOffset = 0;    // from the start of the data
    std::size_t Stride = 0;         // bytes per row, padded to 4
    std::size_t PixelBytes = 0;     // Stride * Height
};

// The largest image side and pixel-data size accepted. Skin strips and
// screenshots stay far below; anything above is hostile or broken.
constexpr std::int32_t kMaxBmpSide = 32768;
constexpr std::size_t kMaxBmpPixelBytes = 256u * 1024 * 1024;

// Parses a whole BMP file held in data[0..size). Throws EBmpFormat with a
// message saying what is wrong.
TBmpLayout ParseBmp(const std::uint8_t* data, std::size_t size);

} // namespace tandrel::formats
