// Decoding speed of a skin package: median MB/s of decoded output over
// repeated decodes of a generated ~700 KB package.
//   bench_lzh [--repeat N]
// Exits 1 when the decoder is slower than the classic-structured one.

#include "tests/skin/package/ClassicLzhuf.h"
#include "skin/package/LZH.h"
#include "tools/skinpack/LZHEncoder.h"
#include "tests/support/SampleSkin.h"
#include "tools/skinpack/SkinPackage.h"
#include "skin/package/SkinReader.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

// Median of `repeat` timings of `work`, as MB/s of `bytes` produced per run.
double MedianMBps(int repeat, std::size_t bytes, const std::function<void()>& work)
{
    std::vector<double> seconds;
    work(); // warm caches and the allocator
    for (int i = 0; i < repeat; ++i) {
        auto const start = std::chrono::steady_clock::now();
        work();
        auto const stop = std::chrono::steady_clock::now();
        seconds.push_back(std::chrono::duration<double>(stop - start).count());
    }
    std::sort(seconds.begin(), seconds.end());
    return static_cast<double>(bytes) / 1e6 / seconds[seconds.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    int repeat = 41;
    if (argc == 3 && std::strcmp(argv[1], "--repeat") == 0)
        repeat = std::max(1, std::atoi(argv[2]));

    std::vector<std::uint8_t> const package = BuildPackage(MakeSampleSkin());
    std::vector<std::uint8_t> const stream = TLZHEncoder::Compress(package);
    auto const size = static_cast<std::int32_t>(package.size());
    std::span<const std::uint8_t> const coded = std::span(stream).subspan(4);
    if (TLZH().Decode(size, coded) != package || ClassicLzhufDecode(size, coded) != package) {
        std::fprintf(stderr, "bench_lzh: decoders disagree with the packed data\n");
        return 2;
    }
    std::printf("package: %zu bytes decoded, %zu bytes coded (%.1f:1)\n", package.size(), stream.size(),
                double(package.size()) / double(stream.size()));

    std::size_t sink = 0;
    double const ours = MedianMBps(repeat, package.size(), [&] { sink += TLZH().Decode(size, coded).size(); });
    double const reader = MedianMBps(repeat, package.size(), [&] {
        TSkinReader skin;
        sink += skin.LoadPackage(stream) ? skin.Count() : 0;
    });
    double const callbacks = MedianMBps(repeat, package.size(), [&] {
        std::size_t at = 0;
        std::vector<std::uint8_t> out;
        out.reserve(package.size());
        TLZH().Decode(
            size, [&]() -> std::uint8_t { return at < coded.size() ? coded[at++] : 0; },
            [&](std::uint8_t c) { out.push_back(c); });
        sink += out.size();
    });
    double const classic = MedianMBps(repeat, package.size(), [&] { sink += ClassicLzhufDecode(size, coded).size(); });

    std::printf("TLZH::Decode from memory        %8.1f MB/s (median of %d)\n", ours, repeat);
    std::printf("TSkinReader::LoadPackage        %8.1f MB/s\n", reader);
    std::printf("TLZH::Decode, byte callbacks    %8.1f MB/s\n", callbacks);
    std::printf("classic bitwise decoder         %8.1f MB/s\n", classic);
    std::printf("speed-up over classic           %8.2fx\n", ours / classic);
    if (sink == 0)
        return 2;
    return ours >= classic ? 0 : 1;
}
