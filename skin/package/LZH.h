#pragma once

// LZHUF decoding of compressed skin streams: LZSS over a 4096-byte ring with
// adaptive Huffman coding of literals and match lengths. Plain C++: no Win32.

#include <cstdint>
#include <functional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

// Failure while decoding a compressed skin stream.
class ElzhException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The adaptive Huffman model over the 314 symbols (256 literals and 58 match
// lengths). The decoder and the skin packer must evolve it identically, so
// both use this one implementation.
class TLZHTree final {
public:
    static constexpr int N_CHAR = 314;
    static constexpr int T = 2 * N_CHAR - 1;
    static constexpr int R = T - 1;
    static constexpr unsigned MAX_FREQ = 0x8000;

    // Every leaf at frequency 1, internal nodes paired in order.
    void Start();

    // Counts one more occurrence of a symbol, keeping the nodes sorted by
    // frequency; rebuilds the tree with halved counts when the root is full.
    void Update(unsigned symbol)
    {
        if (Freq[R] == MAX_FREQ)
            Reconstruct();
        unsigned c = Parent[symbol + T];
        do {
            unsigned const k = ++Freq[c];
            if (k > Freq[c + 1]) {
                // The sentinel Freq[T] = 0xFFFF ends this scan.
                unsigned l = c + 1;
                while (k > Freq[++l]) { }
                --l;
                Freq[c] = Freq[l];
                Freq[l] = static_cast<std::uint16_t>(k);

                unsigned const i = Child[c];
                Parent[i] = static_cast<std::uint16_t>(l);
                if (i < T)
                    Parent[i + 1] = static_cast<std::uint16_t>(l);
                unsigned const j = Child[l];
                Child[l] = static_cast<std::uint16_t>(i);
                Parent[j] = static_cast<std::uint16_t>(c);
                if (j < T)
                    Parent[j + 1] = static_cast<std::uint16_t>(c);
                Child[c] = static_cast<std::uint16_t>(j);
                c = l;
            }
            c = Parent[c];
        } while (c != 0);
    }

    // Number of code bits of a symbol right now (its leaf's depth).
    unsigned CodeLength(unsigned symbol) const;

    // Freq[0..T-1] by node position, Freq[T] the sentinel. Child[p] is the
    // position of the left child of node p (the right one is Child[p] + 1),
    // or symbol + T for a leaf. Parent[p] for positions, Parent[symbol + T]
    // for leaves.
    std::uint16_t Freq[T + 1];
    std::uint16_t Parent[T + N_CHAR];
    std::uint16_t Child[T];

private:
    void Reconstruct();
};

// Code of the upper 6 bits of a match position: a canonical code of 3 to 8
// bits, left-aligned in a byte (1 code of 3 bits, 3 of 4, 8 of 5, 12 of 6,
// 24 of 7 and 16 of 8). The lower 6 bits follow it plainly.
struct TLZHPositionCode {
    std::uint8_t Code;
    std::uint8_t Length;
};

constexpr TLZHPositionCode LZHPositionCode(unsigned upper)
{
    constexpr unsigned counts[] = { 1, 3, 8, 12, 24, 16 };
    unsigned code = 0;
    unsigned first = 0;
    for (unsigned i = 0; i < 6; ++i) {
        unsigned const length = 3 + i;
        if (upper < first + counts[i])
            return { static_cast<std::uint8_t>(code + ((upper - first) << (8 - length))),
                     static_cast<std::uint8_t>(length) };
        code += counts[i] << (8 - length);
        first += counts[i];
    }
    return { 0, 0 };
}

// Decoder of one compressed skin stream.
class TLZH final {
public:
    static constexpr int N = 4096;                 // ring buffer size
    static constexpr int F = 60;                   // longest match
    static constexpr int THRESHOLD = 2;            // a match codes 3..F bytes
    static constexpr int N_CHAR = TLZHTree::N_CHAR;
    static constexpr int T = TLZHTree::T;
    static constexpr int RingStart = N - F;        // where the first byte goes
    static_assert(N_CHAR == 256 - THRESHOLD + F);

    // Largest decoded size accepted. The skins we know decode to well under
    // 1 MB; 64 MiB leaves room for big 32-bit artwork, yet a forged size can
    // never make a 32-bit process reserve a large part of its address space.
    static constexpr std::int32_t MaxDecodedSize = 64 << 20;

    // Most output one input byte can code: a 60-byte match costs at least a
    // 1-bit length code and a 9-bit position, so 6 bytes per input bit.
    static constexpr std::int64_t MaxBytesPerInputByte = 48;

    using TReadByte = std::function<std::uint8_t()>;
    using TWriteByte = std::function<void(std::uint8_t)>;

    // Decodes until at least `size` bytes are written. `read` yields 0 once
    // its input is exhausted. Output beyond `size` (at most F - 1 bytes)
    // happens only when the last match of a malformed stream overruns.
    void Decode(std::int32_t size, const TReadByte& read, const TWriteByte& write);

    // Same decoding from memory: returns the decoded bytes. A size beyond
    // what `input` could code at all is refused (see CheckDecodedSize)
    // before anything is allocated, and a stream that ends before `size`
    // bytes are decoded (a truncated one) raises ElzhException rather than
    // decoding zeros into a package.
    std::vector<std::uint8_t> Decode(std::int32_t size, std::span<const std::uint8_t> input);

    // Throw ElzhException when `size` exceeds MaxDecodedSize, or when a
    // stream of `inputBytes` coded bytes cannot decode to `size` bytes.
    static void CheckDecodedSize(std::int64_t size);
    static void CheckDecodedSize(std::int64_t size, std::size_t inputBytes);
};
