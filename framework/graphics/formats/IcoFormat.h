#pragma once
// Reading the directory of an .ico file. Plain C++, checked like BmpFormat.

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <vector>

namespace tandrel::formats {

class EIcoFormat : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TIcoImage {
    int Width = 0;           // pixels; an entry byte of 0 means 256
    int Height = 0;
    int BitCount = 0;        // colour depth of the image itself
    bool Png = false;        // the image is a PNG stream
    std::size_t Offset = 0;  // image data within the file
    std::size_t Size = 0;
};

// Parses the directory and checks every image's range and header.
std::vector<TIcoImage> ParseIco(const std::uint8_t* data, std::size_t size);

// The image that suits a wanted size best: that size exactly with the most
// colours, otherwise the nearest larger, otherwise the largest.
const TIcoImage& ChooseIcoImage(const std::vector<TIcoImage>& images, int wanted);

} // namespace tandrel::formats
