#include "skin/geometry/SkinImageScale.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace tandrel {

namespace {

constexpr int kDesignDpi = 96;

// MulDiv's rounding, half away from zero, in 64 bits.
long long ScaleLength(long long value, int dpi)
{
    long long const n = value * dpi;
    return (n + (n >= 0 ? kDesignDpi / 2 : -kDesignDpi / 2)) / kDesignDpi;
}

bool WithinLimits(long long width, long long height)
{
    return width > 0 && height > 0 && width <= kMaxScaledSide && height <= kMaxScaledSide &&
           width * height <= kMaxScaledPixels;
}

// The source index nearest to the centre of target pixel `t`.
int Nearest(int t, int targetSide, int sourceSide)
{
    long long const s = (2LL * t + 1) * sourceSide / (2LL * targetSide);
    return static_cast<int>(std::min<long long>(s, sourceSide - 1));
}

// The region cut from a skin image takes the key colour with a tolerance of
// one a channel upwards: all of that band counts as key here.
bool InKeyBand(std::uint32_t colour, std::uint32_t key)
{
    for (int shift : {16, 8, 0}) {
        int const c = (colour >> shift) & 0xFF;
        int const k = (key >> shift) & 0xFF;
        if (c < k || c > k + 1)
            return false;
    }
    return true;
}

// A blend of colours outside the band that lands inside it is moved out.
std::uint32_t AwayFromKey(std::uint32_t colour, std::uint32_t key)
{
    if (!InKeyBand(colour, key))
        return colour;
    int const b = colour & 0xFF;
    return (colour & 0xFFFF00u) | static_cast<std::uint32_t>(b >= 2 ? b - 2 : b + 2);
}

// Bilinear from the four source pixels around the target pixel's centre,
// counting only those that are not the key colour. The nearest of the four
// is never key here, and weighs at least a quarter.
std::uint32_t Smooth(const TSkinPixels& source, double sx, double sy, std::uint32_t key)
{
    int const x0 = std::clamp(static_cast<int>(std::floor(sx)), 0, source.Width - 1);
    int const y0 = std::clamp(static_cast<int>(std::floor(sy)), 0, source.Height - 1);
    int const x1 = std::min(x0 + 1, source.Width - 1);
    int const y1 = std::min(y0 + 1, source.Height - 1);
    double const fx = std::clamp(sx - x0, 0.0, 1.0);
    double const fy = std::clamp(sy - y0, 0.0, 1.0);
    double sum[3] {};
    double weight = 0;
    auto add = [&](int x, int y, double w) {
        std::uint32_t const c = source.At(x, y);
        if (w <= 0 || InKeyBand(c, key))
            return;
        sum[0] += w * ((c >> 16) & 0xFF);
        sum[1] += w * ((c >> 8) & 0xFF);
        sum[2] += w * (c & 0xFF);
        weight += w;
    };
    add(x0, y0, (1 - fx) * (1 - fy));
    add(x1, y0, fx * (1 - fy));
    add(x0, y1, (1 - fx) * fy);
    add(x1, y1, fx * fy);
    if (weight <= 0)
        return source.At(x0, y0);
    // Half away from zero, as lround, for these non-negative sums.
    auto channel = [&](int i) { return static_cast<std::uint32_t>(sum[i] / weight + 0.5) & 0xFF; };
    return AwayFromKey(channel(0) << 16 | channel(1) << 8 | channel(2), key);
}

} // namespace

TScaledStripSize ScaledStripSize(int width, int height, int count, TFrameLayout layout, int dpi)
{
    count = std::max(1, count);
    bool const horizontal = layout == TFrameLayout::flHorizontal;
    int const along = horizontal ? width : height;
    int const across = horizontal ? height : width;
    long long const extent = ScaleLength(along / count, dpi);
    long long const breadth = ScaleLength(across, dpi);
    long long const total = extent * count;
    long long const w = horizontal ? total : breadth;
    long long const h = horizontal ? breadth : total;
    if (along / count <= 0 || across <= 0 || !WithinLimits(w, h))
        return {};
    return {static_cast<int>(w), static_cast<int>(h), static_cast<int>(extent)};
}

TSkinPixels ScaleSkinPixels(const TSkinPixels& source, int width, int height, std::uint32_t key)
{
    TSkinPixels out;
    if (source.Width <= 0 || source.Height <= 0 || !WithinLimits(width, height) ||
        source.Pixels.size() < static_cast<size_t>(source.Width) * source.Height)
        return out;
    out.Width = width;
    out.Height = height;
    out.Pixels.resize(static_cast<size_t>(width) * height);
    bool const whole = width % source.Width == 0 && height % source.Height == 0;
    double const stepX = static_cast<double>(source.Width) / width;
    double const stepY = static_cast<double>(source.Height) / height;
    // Every row uses the same columns: found once, not once a pixel.
    std::vector<int> nearestX(static_cast<size_t>(width));
    std::vector<double> smoothX(static_cast<size_t>(width));
    for (int x = 0; x < width; ++x) {
        nearestX[static_cast<size_t>(x)] = Nearest(x, width, source.Width);
        smoothX[static_cast<size_t>(x)] = (x + 0.5) * stepX - 0.5;
    }
    for (int y = 0; y < height; ++y) {
        int const ny = Nearest(y, height, source.Height);
        double const sy = (y + 0.5) * stepY - 0.5;
        for (int x = 0; x < width; ++x) {
            std::uint32_t const nearest = source.At(nearestX[static_cast<size_t>(x)], ny);
            std::uint32_t& target = out.Pixels[static_cast<size_t>(y) * width + x];
            if (whole || InKeyBand(nearest, key))
                target = nearest;
            else
                target = Smooth(source, smoothX[static_cast<size_t>(x)], sy, key);
        }
    }
    return out;
}

TSkinPixels ScaleSkinStrip(const TSkinPixels& source, int count, TFrameLayout layout, int dpi, std::uint32_t key)
{
    count = std::max(1, count);
    TScaledStripSize const size = ScaledStripSize(source.Width, source.Height, count, layout, dpi);
    TSkinPixels out;
    if (size.Width == 0 || source.Pixels.size() < static_cast<size_t>(source.Width) * source.Height)
        return out;
    out.Width = size.Width;
    out.Height = size.Height;
    out.Pixels.resize(static_cast<size_t>(size.Width) * size.Height);
    bool const horizontal = layout == TFrameLayout::flHorizontal;
    int const frameW = horizontal ? source.Width / count : source.Width;
    int const frameH = horizontal ? source.Height : source.Height / count;
    for (int i = 0; i < count; ++i) {
        int const sx0 = horizontal ? i * frameW : 0;
        int const sy0 = horizontal ? 0 : i * frameH;
        TSkinPixels frame {frameW, frameH, {}};
        frame.Pixels.reserve(static_cast<size_t>(frameW) * frameH);
        for (int y = 0; y < frameH; ++y)
            for (int x = 0; x < frameW; ++x)
                frame.Pixels.push_back(source.At(sx0 + x, sy0 + y));
        int const tw = horizontal ? size.FrameExtent : size.Width;
        int const th = horizontal ? size.Height : size.FrameExtent;
        TSkinPixels const scaled = ScaleSkinPixels(frame, tw, th, key);
        int const tx0 = horizontal ? i * tw : 0;
        int const ty0 = horizontal ? 0 : i * th;
        for (int y = 0; y < th; ++y)
            std::copy_n(scaled.Pixels.begin() + static_cast<std::ptrdiff_t>(y) * tw, tw,
                        out.Pixels.begin() + static_cast<std::ptrdiff_t>(ty0 + y) * out.Width + tx0);
    }
    return out;
}

} // namespace tandrel
