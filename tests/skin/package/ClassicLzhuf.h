#pragma once

#include <cstdint>
#include <span>
#include <vector>

// An LZHUF decoder written the classic way, sharing no code with TLZH: a
// 16-bit bit buffer refilled through a byte-reading function, a bit-by-bit
// tree walk, and every output byte through a byte-writing function. The
// tests check TLZH against it; the benchmark measures it as the baseline.
std::vector<std::uint8_t> ClassicLzhufDecode(std::int32_t size, std::span<const std::uint8_t> input);
