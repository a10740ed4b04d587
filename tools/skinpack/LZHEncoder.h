#pragma once

#include "skin/package/LZH.h"

#include <cstdint>
#include <span>
#include <vector>

// LZHUF encoder for skin packages: LZSS matches over the decoder's 4096-byte
// ring, literals and match lengths coded with the shared adaptive tree.
class TLZHEncoder final {
public:
    TLZHEncoder();

    // One symbol at a time. A match copies `length` (3..60) bytes starting
    // `distance` (1..4096) bytes back in the output.
    void EncodeLiteral(std::uint8_t c);
    void EncodeMatch(unsigned distance, unsigned length);

    // The coded bits so far, the last byte padded with zeros.
    std::vector<std::uint8_t> Finish();

    // The code length the next occurrence of a literal would take.
    unsigned LiteralCodeLength(std::uint8_t c) const { return m_tree.CodeLength(c); }

    // A whole compressed skin stream: the 4-byte decoded size, then the bits.
    // `data` must not exceed TLZH::MaxDecodedSize.
    static std::vector<std::uint8_t> Compress(std::span<const std::uint8_t> data);

private:
    void EncodeChar(unsigned symbol);
    void PutBits(std::uint32_t bits, unsigned count);

    TLZHTree m_tree;
    std::vector<std::uint8_t> m_out;
    std::uint64_t m_bitBuffer = 0; // pending bits, right-aligned
    unsigned m_bitCount = 0;
};
