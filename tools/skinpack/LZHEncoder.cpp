#include "tools/skinpack/LZHEncoder.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace {

constexpr int N = TLZH::N;
constexpr int F = TLZH::F;
constexpr int MinMatch = TLZH::THRESHOLD + 1;

// Longest-match search over one linear buffer that starts with the ring's
// initial spaces, so a match may reach back into them as the decoder allows.
// Hash chains of 3-byte prefixes, bounded in length.
class TMatchFinder final {
public:
    static constexpr unsigned HashBits = 15;
    static constexpr int MaxChain = 512;

    explicit TMatchFinder(const std::vector<std::uint8_t>& buffer)
        : m_buffer(buffer)
        , m_head(std::size_t(1) << HashBits, -1)
        , m_previous(N, -1)
    {
    }

    void Insert(int position)
    {
        if (position + MinMatch > static_cast<int>(m_buffer.size()))
            return;
        unsigned const hash = Hash(position);
        m_previous[position & (N - 1)] = m_head[hash];
        m_head[hash] = position;
    }

    // Longest match for `position` (not yet inserted): {length, distance};
    // length 0 when there is none of at least MinMatch bytes.
    std::pair<int, int> Find(int position) const
    {
        int const limit = std::min<int>(F, static_cast<int>(m_buffer.size()) - position);
        if (limit < MinMatch)
            return { 0, 0 };
        const std::uint8_t* const here = m_buffer.data() + position;
        int bestLength = 0;
        int bestDistance = 0;
        int candidate = m_head[Hash(position)];
        for (int chain = 0; chain < MaxChain && candidate >= 0 && position - candidate <= N; ++chain) {
            const std::uint8_t* const there = m_buffer.data() + candidate;
            if (there[bestLength] == here[bestLength]) {
                int length = 0;
                while (length < limit && there[length] == here[length])
                    ++length;
                if (length > bestLength) {
                    bestLength = length;
                    bestDistance = position - candidate;
                    if (length == limit)
                        break;
                }
            }
            int const next = m_previous[candidate & (N - 1)];
            if (next >= candidate)
                break;
            candidate = next;
        }
        if (bestLength < MinMatch)
            return { 0, 0 };
        return { bestLength, bestDistance };
    }

private:
    unsigned Hash(int position) const
    {
        const std::uint8_t* p = m_buffer.data() + position;
        return ((unsigned(p[0]) << 10) ^ (unsigned(p[1]) << 5) ^ p[2]) & ((1u << HashBits) - 1);
    }

    const std::vector<std::uint8_t>& m_buffer;
    std::vector<int> m_head;
    std::vector<int> m_previous;
};

} // namespace

TLZHEncoder::TLZHEncoder()
{
    m_tree.Start();
}

void TLZHEncoder::PutBits(std::uint32_t bits, unsigned count)
{
    m_bitBuffer = m_bitBuffer << count | bits;
    m_bitCount += count;
    while (m_bitCount >= 8) {
        m_bitCount -= 8;
        m_out.push_back(static_cast<std::uint8_t>(m_bitBuffer >> m_bitCount));
    }
}

void TLZHEncoder::EncodeChar(unsigned symbol)
{
    // The path is read leaf to root; codes can be longer than any machine
    // word in principle, so keep it bit by bit.
    std::array<std::uint8_t, TLZHTree::T> path;
    unsigned length = 0;
    unsigned k = m_tree.Parent[symbol + TLZHTree::T];
    do {
        path[length++] = k & 1;
        k = m_tree.Parent[k];
    } while (k != TLZHTree::R);
    while (length > 0)
        PutBits(path[--length], 1);
    m_tree.Update(symbol);
}

void TLZHEncoder::EncodeLiteral(std::uint8_t c)
{
    EncodeChar(c);
}

void TLZHEncoder::EncodeMatch(unsigned distance, unsigned length)
{
    if (distance < 1 || distance > unsigned(N) || length < unsigned(MinMatch) || length > unsigned(F))
        throw std::invalid_argument("LZH encoder: match out of range");
    EncodeChar(255 - TLZH::THRESHOLD + length);
    unsigned const position = distance - 1;
    auto const [code, codeLength] = LZHPositionCode(position >> 6);
    PutBits(code >> (8 - codeLength), codeLength);
    PutBits(position & 0x3F, 6);
}

std::vector<std::uint8_t> TLZHEncoder::Finish()
{
    if (m_bitCount > 0)
        PutBits(0, 8 - m_bitCount);
    return m_out;
}

std::vector<std::uint8_t> TLZHEncoder::Compress(std::span<const std::uint8_t> data)
{
    if (data.size() > static_cast<std::size_t>(TLZH::MaxDecodedSize))
        throw std::length_error("LZH encoder: input larger than a skin package may be");

    std::vector<std::uint8_t> buffer(TLZH::RingStart, ' ');
    buffer.insert(buffer.end(), data.begin(), data.end());
    TMatchFinder finder(buffer);
    for (int p = 0; p < TLZH::RingStart; ++p)
        finder.Insert(p);

    TLZHEncoder encoder;
    int const end = static_cast<int>(buffer.size());
    int position = TLZH::RingStart;
    auto match = finder.Find(position);
    while (position < end) {
        finder.Insert(position);
        if (match.first == 0) {
            encoder.EncodeLiteral(buffer[position]);
            ++position;
            match = finder.Find(position);
            continue;
        }
        // One step of lazy matching: a longer match one byte on is worth a literal.
        auto const next = match.first < F ? finder.Find(position + 1) : std::pair { 0, 0 };
        if (next.first > match.first) {
            encoder.EncodeLiteral(buffer[position]);
            ++position;
            match = next;
            continue;
        }
        encoder.EncodeMatch(static_cast<unsigned>(match.second), static_cast<unsigned>(match.first));
        for (int k = 1; k < match.first; ++k)
            finder.Insert(position + k);
        position += match.first;
        match = finder.Find(position);
    }

    auto const size = static_cast<std::uint32_t>(data.size());
    std::vector<std::uint8_t> stream = { static_cast<std::uint8_t>(size), static_cast<std::uint8_t>(size >> 8),
                                         static_cast<std::uint8_t>(size >> 16),
                                         static_cast<std::uint8_t>(size >> 24) };
    auto const bits = encoder.Finish();
    stream.insert(stream.end(), bits.begin(), bits.end());
    return stream;
}
