#include "skin/package/LZH.h"

#include <array>
#include <cstring>
#include <memory>
#include <new>

namespace {

// For every 8-bit prefix of the input: the upper 6 position bits it codes
// (low byte) and that code's length (high byte).
constexpr std::array<std::uint16_t, 256> PositionDecodeTable()
{
    std::array<std::uint16_t, 256> table {};
    for (unsigned upper = 0; upper < 64; ++upper) {
        auto const [code, length] = LZHPositionCode(upper);
        for (unsigned k = 0; k < 1u << (8 - length); ++k)
            table[code + k] = static_cast<std::uint16_t>(upper | length << 8);
    }
    return table;
}

constexpr auto PositionTable = PositionDecodeTable();

// The code must fill the byte exactly: every prefix decodes to something.
static_assert(LZHPositionCode(63).Code == 0xFF && LZHPositionCode(63).Length == 8);
static_assert(LZHPositionCode(24).Code == 0xC0 && LZHPositionCode(24).Length == 7);

// The window of an MSB-first bit reader: the next bits at the top of a
// 64-bit buffer, kept at most 56 deep so that shifts stay defined.
class TBitWindow {
public:
    std::uint64_t Peek() const { return m_buffer; }
    unsigned Count() const { return m_count; }
    void Consume(unsigned bits)
    {
        m_buffer <<= bits;
        m_count -= bits;
    }

protected:
    std::uint64_t m_buffer = 0;
    unsigned m_count = 0;
};

// MSB-first bit reader over memory; bytes past the end read as 0.
class TMemoryBits final : public TBitWindow {
public:
    explicit TMemoryBits(std::span<const std::uint8_t> input)
        : m_next(input.data())
        , m_end(input.data() + input.size())
    {
    }

    // Tops the buffer up to at least 56 bits (never 64: shifts stay defined).
    void Refill()
    {
        if (m_end - m_next >= 8) {
            std::uint64_t word;
            std::memcpy(&word, m_next, 8);
            word = __builtin_bswap64(word);
            // Bits below the new count are the next bytes' own bits, so OR-ing
            // them in again on the next refill is harmless.
            m_buffer |= word >> m_count;
            m_next += (63 - m_count) >> 3;
            m_count |= 56;
            return;
        }
        while (m_count <= 55) {
            std::uint64_t byte = 0;
            if (m_next < m_end)
                byte = *m_next++;
            else
                ++m_padding;
            m_buffer |= byte << (56 - m_count);
            m_count += 8;
        }
    }

    // Whether decoding used bits past the end of the input. Reading ahead
    // into the zeros is normal; using them means the stream was cut short
    // (an encoder writes every bit of its last code).
    bool Overran() const { return std::uint64_t(m_padding) * 8 > m_count; }

private:
    const std::uint8_t* m_next;
    const std::uint8_t* m_end;
    std::size_t m_padding = 0; // zero bytes read past the end
};

// MSB-first bit reader over a read-byte function.
class TCallbackBits final : public TBitWindow {
public:
    explicit TCallbackBits(const TLZH::TReadByte& read)
        : m_read(read)
    {
    }

    void Refill()
    {
        while (m_count <= 55) {
            m_buffer |= std::uint64_t(m_read()) << (56 - m_count);
            m_count += 8;
        }
    }

private:
    const TLZH::TReadByte& m_read;
};

// Output straight into one buffer whose first N bytes hold the ring's initial
// contents in output order, so a match source is simply `distance` bytes back.
class TLinearOutput final {
public:
    static constexpr std::size_t History = TLZH::N;
    static constexpr std::size_t Slack = TLZH::F + 8; // overrun and chunked copies

    explicit TLinearOutput(std::uint8_t* buffer)
        : m_start(buffer + History)
        , m_next(m_start)
    {
        // Output position x sits at ring slot (RingStart + x) mod N: slots
        // 0..RingStart-1 start as spaces, the last F slots as zeros.
        std::memset(buffer, 0, TLZH::F);
        std::memset(buffer + TLZH::F, ' ', TLZH::RingStart);
    }

    std::size_t Count() const { return static_cast<std::size_t>(m_next - m_start); }
    void Literal(unsigned c) { *m_next++ = static_cast<std::uint8_t>(c); }

    void Match(unsigned distance, unsigned length)
    {
        const std::uint8_t* from = m_next - distance;
        std::uint8_t* to = m_next;
        m_next += length;
        if (distance >= 8) {
            // Each 8-byte chunk reads only bytes already written.
            do {
                std::uint64_t chunk;
                std::memcpy(&chunk, from, 8);
                std::memcpy(to, &chunk, 8);
                from += 8;
                to += 8;
            } while (to < m_next);
        } else {
            while (to < m_next)
                *to++ = *from++;
        }
    }

private:
    std::uint8_t* m_start;
    std::uint8_t* m_next;
};

// Output through the ring buffer and a write-byte function.
class TRingOutput final {
public:
    TRingOutput(std::uint8_t* ring, const TLZH::TWriteByte& write)
        : m_ring(ring)
        , m_write(write)
    {
        std::memset(ring, ' ', TLZH::RingStart);
        std::memset(ring + TLZH::RingStart, 0, TLZH::N + TLZH::F - 1 - TLZH::RingStart);
    }

    std::size_t Count() const { return m_count; }

    void Literal(unsigned c)
    {
        Put(static_cast<std::uint8_t>(c));
    }

    void Match(unsigned distance, unsigned length)
    {
        unsigned from = (m_r - distance) & (TLZH::N - 1);
        for (unsigned k = 0; k < length; ++k) {
            Put(m_ring[from]);
            from = (from + 1) & (TLZH::N - 1);
        }
    }

private:
    void Put(std::uint8_t c)
    {
        m_write(c);
        m_ring[m_r] = c;
        m_r = (m_r + 1) & (TLZH::N - 1);
        ++m_count;
    }

    std::uint8_t* m_ring;
    const TLZH::TWriteByte& m_write;
    unsigned m_r = TLZH::RingStart;
    std::size_t m_count = 0;
};

// Walks the tree from the root, one input bit per level. Depth is bounded
// (about 22 levels with a root frequency below 0x8000), but nothing here
// relies on it: a path longer than one refill just takes another.
template<class TBits>
unsigned DecodeChar(const TLZHTree& tree, TBits& bits)
{
    unsigned c = tree.Child[TLZHTree::R];
    for (;;) {
        std::uint64_t const peek = bits.Peek();
        unsigned const available = bits.Count();
        unsigned used = 0;
        while (used < available) {
            c += static_cast<unsigned>(peek >> (63 - used)) & 1;
            ++used;
            c = tree.Child[c];
            if (c >= TLZHTree::T) {
                bits.Consume(used);
                return c - TLZHTree::T;
            }
        }
        bits.Consume(used);
        bits.Refill();
    }
}

// The upper 6 bits from the 8-bit table, the lower 6 bits follow the code.
template<class TBits>
unsigned DecodePosition(TBits& bits)
{
    if (bits.Count() < 14)
        bits.Refill();
    std::uint64_t const peek = bits.Peek();
    unsigned const entry = PositionTable[peek >> 56];
    unsigned const length = (entry >> 8) + 6;
    unsigned const low = static_cast<unsigned>(peek >> (64 - length)) & 0x3F;
    bits.Consume(length);
    return (entry & 0xFF) << 6 | low;
}

template<class TBits, class TOutput>
void DecodeStream(TLZHTree& tree, std::size_t size, TBits& bits, TOutput& output)
{
    tree.Start();
    while (output.Count() < size) {
        bits.Refill();
        unsigned const c = DecodeChar(tree, bits);
        tree.Update(c);
        if (c < 256) {
            output.Literal(c);
        } else {
            unsigned const position = DecodePosition(bits);
            output.Match(position + 1, c - 255 + TLZH::THRESHOLD);
        }
    }
}

// The working tables of one decoding.
struct TTables {
    TLZHTree Tree;
    std::uint8_t Ring[TLZH::N + TLZH::F - 1];
};

std::unique_ptr<TTables> AllocateTables()
{
    std::unique_ptr<TTables> tables(new (std::nothrow) TTables);
    if (!tables)
        throw ElzhException("LZH : Cannot get memory for dictionary tables");
    return tables;
}

} // namespace

void TLZHTree::Start()
{
    for (int i = 0; i < N_CHAR; ++i) {
        Freq[i] = 1;
        Child[i] = static_cast<std::uint16_t>(i + T);
        Parent[i + T] = static_cast<std::uint16_t>(i);
    }
    for (int i = 0, j = N_CHAR; j <= R; i += 2, ++j) {
        Freq[j] = static_cast<std::uint16_t>(Freq[i] + Freq[i + 1]);
        Child[j] = static_cast<std::uint16_t>(i);
        Parent[i] = Parent[i + 1] = static_cast<std::uint16_t>(j);
    }
    Freq[T] = 0xFFFF;
    Parent[R] = 0;
}

void TLZHTree::Reconstruct()
{
    // Leaves to the front, with halved counts.
    int j = 0;
    for (int i = 0; i < T; ++i) {
        if (Child[i] >= T) {
            Freq[j] = static_cast<std::uint16_t>((Freq[i] + 1) / 2);
            Child[j] = Child[i];
            ++j;
        }
    }
    // Pair in order, inserting each new node where it keeps the table sorted.
    for (int i = 0, j = N_CHAR; j < T; i += 2, ++j) {
        unsigned const f = Freq[i] + Freq[i + 1];
        int k = j - 1;
        while (f < Freq[k])
            --k;
        ++k;
        std::size_t const moved = static_cast<std::size_t>(j - k) * sizeof(std::uint16_t);
        std::memmove(&Freq[k + 1], &Freq[k], moved);
        Freq[k] = static_cast<std::uint16_t>(f);
        std::memmove(&Child[k + 1], &Child[k], moved);
        Child[k] = static_cast<std::uint16_t>(i);
    }
    for (int i = 0; i < T; ++i) {
        unsigned const k = Child[i];
        Parent[k] = static_cast<std::uint16_t>(i);
        if (k < T)
            Parent[k + 1] = static_cast<std::uint16_t>(i);
    }
}

unsigned TLZHTree::CodeLength(unsigned symbol) const
{
    unsigned length = 0;
    for (unsigned k = Parent[symbol + T]; k != R; k = Parent[k])
        ++length;
    return length + 1;
}

void TLZH::CheckDecodedSize(std::int64_t size)
{
    if (size > MaxDecodedSize)
        throw ElzhException("LZH : Decompressed size " + std::to_string(size) + " is larger than the "
                            + std::to_string(MaxDecodedSize) + " bytes a skin package may have");
}

void TLZH::CheckDecodedSize(std::int64_t size, std::size_t inputBytes)
{
    CheckDecodedSize(size);
    if (inputBytes >= static_cast<std::size_t>(MaxDecodedSize))
        return;
    // The last symbol may straddle the end of the input, hence one extra match.
    std::int64_t const most = static_cast<std::int64_t>(inputBytes) * MaxBytesPerInputByte + F;
    if (size > most)
        throw ElzhException("LZH : Decompressed size " + std::to_string(size) + " cannot come from "
                            + std::to_string(inputBytes) + " bytes of compressed data (at most "
                            + std::to_string(most) + ")");
}

void TLZH::Decode(std::int32_t size, const TReadByte& read, const TWriteByte& write)
{
    CheckDecodedSize(size);
    if (size <= 0)
        return;
    auto tables = AllocateTables();
    TCallbackBits bits(read);
    TRingOutput output(tables->Ring, write);
    DecodeStream(tables->Tree, static_cast<std::size_t>(size), bits, output);
}

std::vector<std::uint8_t> TLZH::Decode(std::int32_t size, std::span<const std::uint8_t> input)
{
    if (size <= 0)
        return {};
    CheckDecodedSize(size, input.size());
    auto tables = AllocateTables();

    std::vector<std::uint8_t> buffer;
    try {
        buffer.resize(TLinearOutput::History + static_cast<std::size_t>(size) + TLinearOutput::Slack);
    } catch (const std::bad_alloc&) {
        throw ElzhException("LZH : Cannot get memory for " + std::to_string(size) + " bytes of output");
    }
    TMemoryBits bits(input);
    TLinearOutput output(buffer.data());
    DecodeStream(tables->Tree, static_cast<std::size_t>(size), bits, output);
    if (bits.Overran())
        throw ElzhException("LZH : The compressed data ends before the " + std::to_string(size)
                            + " bytes it declares are decoded: the skin stream is truncated");

    buffer.erase(buffer.begin(), buffer.begin() + TLinearOutput::History);
    buffer.resize(output.Count());
    return buffer;
}
