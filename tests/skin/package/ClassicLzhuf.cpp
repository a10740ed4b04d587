#include "tests/skin/package/ClassicLzhuf.h"

#include <cstring>
#include <memory>

namespace {

constexpr int N = 4096;
constexpr int F = 60;
constexpr int THRESHOLD = 2;
constexpr int N_CHAR = 256 - THRESHOLD + F;
constexpr int T = N_CHAR * 2 - 1;
constexpr int R = T - 1;
constexpr unsigned MAX_FREQ = 0x8000;

struct TState {
    // Byte I/O through pointers, as a decoder over stdio streams would do.
    int (*GetC)(TState&);
    void (*PutC)(int, TState&);
    const std::uint8_t* In;
    std::size_t InSize;
    std::size_t InPos;
    std::vector<std::uint8_t>* Out;

    unsigned GetBuf;
    unsigned GetLen;
    std::uint8_t TextBuf[N + F - 1];
    unsigned Freq[T + 1];
    int Prnt[T + N_CHAR];
    int Son[T];
    std::uint8_t DCode[256];
    std::uint8_t DLen[256];
};

int ReadByte(TState& s)
{
    return s.InPos < s.InSize ? s.In[s.InPos++] : -1;
}

void WriteByte(int c, TState& s)
{
    s.Out->push_back(static_cast<std::uint8_t>(c));
}

void MakeTables(TState& s)
{
    static const int count[] = { 32, 48, 64, 48, 48, 16 }; // bytes per length 3..8
    static const int codes[] = { 1, 3, 8, 12, 24, 16 };
    int i = 0;
    int upper = 0;
    for (int l = 0; l < 6; ++l) {
        int const per = count[l] / codes[l];
        for (int c = 0; c < codes[l]; ++c, ++upper)
            for (int k = 0; k < per; ++k, ++i) {
                s.DCode[i] = static_cast<std::uint8_t>(upper);
                s.DLen[i] = static_cast<std::uint8_t>(3 + l);
            }
    }
}

// Takes the next `bits` (1 to 8) bits off the 16-bit window, topping it up
// a byte at a time; bytes past the end read as 0.
unsigned GetBits(TState& s, int bits)
{
    while (s.GetLen <= 8) {
        int i = s.GetC(s);
        if (i < 0)
            i = 0;
        s.GetBuf |= unsigned(i) << (8 - s.GetLen);
        s.GetLen += 8;
    }
    unsigned const i = s.GetBuf;
    s.GetBuf = (s.GetBuf << bits) & 0xFFFF;
    s.GetLen -= bits;
    return (i & 0xFFFF) >> (16 - bits);
}

int GetBit(TState& s) { return static_cast<int>(GetBits(s, 1)); }

int GetByte(TState& s) { return static_cast<int>(GetBits(s, 8)); }

void StartHuff(TState& s)
{
    for (int i = 0; i < N_CHAR; i++) {
        s.Freq[i] = 1;
        s.Son[i] = i + T;
        s.Prnt[i + T] = i;
    }
    for (int i = 0, j = N_CHAR; j <= R; i += 2, j++) {
        s.Freq[j] = s.Freq[i] + s.Freq[i + 1];
        s.Son[j] = i;
        s.Prnt[i] = s.Prnt[i + 1] = j;
    }
    s.Freq[T] = 0xFFFF;
    s.Prnt[R] = 0;
}

void Reconst(TState& s)
{
    int j = 0;
    for (int i = 0; i < T; i++)
        if (s.Son[i] >= T) {
            s.Freq[j] = (s.Freq[i] + 1) / 2;
            s.Son[j] = s.Son[i];
            j++;
        }
    for (int i = 0, j = N_CHAR; j < T; i += 2, j++) {
        unsigned const f = s.Freq[j] = s.Freq[i] + s.Freq[i + 1];
        int k = j - 1;
        while (f < s.Freq[k])
            k--;
        k++;
        for (int m = j; m > k; m--) {
            s.Freq[m] = s.Freq[m - 1];
            s.Son[m] = s.Son[m - 1];
        }
        s.Freq[k] = f;
        s.Son[k] = i;
    }
    for (int i = 0; i < T; i++) {
        int const k = s.Son[i];
        if (k >= T)
            s.Prnt[k] = i;
        else
            s.Prnt[k] = s.Prnt[k + 1] = i;
    }
}

void Update(TState& s, int c)
{
    if (s.Freq[R] == MAX_FREQ)
        Reconst(s);
    c = s.Prnt[c + T];
    do {
        unsigned const k = ++s.Freq[c];
        int l = c + 1;
        if (k > s.Freq[l]) {
            while (k > s.Freq[++l]) { }
            l--;
            s.Freq[c] = s.Freq[l];
            s.Freq[l] = k;
            int const i = s.Son[c];
            s.Prnt[i] = l;
            if (i < T)
                s.Prnt[i + 1] = l;
            int const j = s.Son[l];
            s.Son[l] = i;
            s.Prnt[j] = c;
            if (j < T)
                s.Prnt[j + 1] = c;
            s.Son[c] = j;
            c = l;
        }
    } while ((c = s.Prnt[c]) != 0);
}

int DecodeChar(TState& s)
{
    int c = s.Son[R];
    while (c < T) {
        c += GetBit(s);
        c = s.Son[c];
    }
    c -= T;
    Update(s, c);
    return c;
}

int DecodePosition(TState& s)
{
    int i = GetByte(s);
    int const c = s.DCode[i] << 6;
    int j = s.DLen[i] - 2;
    while (j--)
        i = (i << 1) + GetBit(s);
    return c | (i & 0x3F);
}

} // namespace

std::vector<std::uint8_t> ClassicLzhufDecode(std::int32_t size, std::span<const std::uint8_t> input)
{
    std::vector<std::uint8_t> out;
    if (size <= 0)
        return out;
    out.reserve(static_cast<std::size_t>(size) + F);
    auto s = std::make_unique<TState>();
    s->GetC = ReadByte;
    s->PutC = WriteByte;
    s->In = input.data();
    s->InSize = input.size();
    s->InPos = 0;
    s->Out = &out;
    s->GetBuf = 0;
    s->GetLen = 0;
    MakeTables(*s);
    StartHuff(*s);
    std::memset(s->TextBuf, 0, sizeof s->TextBuf);
    std::memset(s->TextBuf, ' ', N - F);
    int r = N - F;
    for (std::int64_t count = 0; count < size;) {
        int c = DecodeChar(*s);
        if (c < 256) {
            s->PutC(c, *s);
            s->TextBuf[r++] = static_cast<std::uint8_t>(c);
            r &= N - 1;
            count++;
        } else {
            int const i = (r - DecodePosition(*s) - 1) & (N - 1);
            int const j = c - 255 + THRESHOLD;
            for (int k = 0; k < j; k++) {
                c = s->TextBuf[(i + k) & (N - 1)];
                s->PutC(c, *s);
                s->TextBuf[r++] = static_cast<std::uint8_t>(c);
                r &= N - 1;
                count++;
            }
        }
    }
    return out;
}
