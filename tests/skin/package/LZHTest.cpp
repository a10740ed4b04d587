#include "tests/skin/package/ClassicLzhuf.h"
#include "skin/package/LZH.h"
#include "tools/skinpack/LZHEncoder.h"
#include "tests/support/SampleSkin.h"
#include "tools/skinpack/SkinPackage.h"
#include "tests/support/TestPackages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

std::vector<std::uint8_t> DecodeWithCallbacks(std::int32_t size, std::span<const std::uint8_t> input,
                                              std::size_t* reads = nullptr)
{
    std::size_t at = 0;
    std::size_t calls = 0;
    std::vector<std::uint8_t> out;
    TLZH().Decode(
        size,
        [&]() -> std::uint8_t {
            ++calls;
            return at < input.size() ? input[at++] : 0;
        },
        [&](std::uint8_t c) { out.push_back(c); });
    if (reads)
        *reads = calls;
    return out;
}

// All three decoders: from memory, through byte callbacks, and the classic one.
void ExpectAllDecode(std::int32_t size, std::span<const std::uint8_t> coded, const std::vector<std::uint8_t>& expected)
{
    EXPECT_EQ(TLZH().Decode(size, coded), expected);
    EXPECT_EQ(DecodeWithCallbacks(size, coded), expected);
    EXPECT_EQ(ClassicLzhufDecode(size, coded), expected);
}

void ExpectRoundTrip(const std::vector<std::uint8_t>& data)
{
    std::vector<std::uint8_t> const stream = TLZHEncoder::Compress(data);
    ASSERT_GE(stream.size(), 4u);
    auto const size = static_cast<std::int32_t>(stream[0] | stream[1] << 8 | stream[2] << 16 | stream[3] << 24);
    ASSERT_EQ(size, static_cast<std::int32_t>(data.size()));
    ExpectAllDecode(size, std::span(stream).subspan(4), data);
}

} // namespace

TEST(LZH, RoundTripsEveryKindOfInput)
{
    std::vector<std::uint8_t> allBytes;
    for (int round = 0; round < 3; ++round)
        for (int c = 0; c < 256; ++c)
            allBytes.push_back(static_cast<std::uint8_t>(c));
    std::string text;
    for (int i = 0; i < 400; ++i)
        text += "[Button" + std::to_string(i % 37) + "]\r\nImage=button" + std::to_string(i % 11) + ".bmp\r\n";

    struct {
        const char* What;
        std::vector<std::uint8_t> Data;
    } const cases[] = {
        { "one byte", { 0x42 } },
        { "a run: matches overlapping their own output", std::vector<std::uint8_t>(5000, 'a') },
        { "every byte value", allBytes },
        { "leading spaces: matches into the initial ring", Bytes(std::string(100, ' ') + "x" + std::string(70, ' ')) },
        { "incompressible: many tree rebuilds", RandomBytes(200000, 1) },
        { "four symbols", RandomBytes(100000, 2, 4) },
        { "text", Bytes(text) },
        { "a small skin", BuildPackage(MakeSampleSkin(0.25)) },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        ExpectRoundTrip(c.Data);
    }
}

TEST(LZH, FirstCodeFollowsTheInitialTree)
{
    // In the starting tree, symbol 0 is the leaf at position 0, nine levels
    // down along 1,1,0,0,0,1,1,0,0.
    std::vector<std::uint8_t> const coded = { 0xC6, 0x00 };
    ExpectAllDecode(1, coded, { 0x00 });
}

TEST(LZH, RingStartsWithSpacesThenZeros)
{
    // The first byte goes to slot 4036: 4036 back is slot 0 (a space); 4080
    // back is slot 4052, which nothing has written yet (we start it at 0).
    TLZHEncoder encoder;
    encoder.EncodeMatch(4080, 20);
    encoder.EncodeMatch(4036 + 20, 5);
    encoder.EncodeMatch(1, 3); // repeats the last space
    std::vector<std::uint8_t> const coded = encoder.Finish();

    std::vector<std::uint8_t> expected(28, ' ');
    std::fill_n(expected.begin(), 20, 0);
    ExpectAllDecode(28, coded, expected);
}

TEST(LZH, HandlesCodesLongerThan16Bits)
{
    // The 305 literals never sent keep frequency 1 and form one subtree of
    // weight 305, 9 levels deep. Nine symbols with counts growing like
    // Fibonacci numbers then stack one level each above it: each new weight
    // just exceeds the subtree two steps back. The root stays below the
    // rebuild limit.
    TLZHEncoder encoder;
    std::vector<std::uint8_t> expected;
    unsigned previous = 305; // subtree weights, two steps back and one
    unsigned current = 305;
    unsigned weight = 305;
    for (std::uint8_t c = 'a'; c < 'a' + 9; ++c) {
        weight = std::max(weight, previous) + 3;
        for (unsigned k = 1; k < weight; ++k) { // the leaf starts at 1
            encoder.EncodeLiteral(c);
            expected.push_back(c);
        }
        previous = current;
        current += weight;
    }
    ASSERT_LT(current, TLZHTree::MAX_FREQ);

    unsigned longest = 0;
    std::uint8_t deepest = 0;
    for (unsigned c = 0; c < 256; ++c)
        if (encoder.LiteralCodeLength(static_cast<std::uint8_t>(c)) > longest) {
            longest = encoder.LiteralCodeLength(static_cast<std::uint8_t>(c));
            deepest = static_cast<std::uint8_t>(c);
        }
    EXPECT_GT(longest, 16u);
    for (int k = 0; k < 3; ++k) {
        encoder.EncodeLiteral(deepest);
        expected.push_back(deepest);
        encoder.EncodeLiteral(static_cast<std::uint8_t>(deepest + 1));
        expected.push_back(static_cast<std::uint8_t>(deepest + 1));
    }
    encoder.EncodeMatch(1, 60);
    expected.insert(expected.end(), 60, expected.back());

    std::vector<std::uint8_t> const coded = encoder.Finish();
    ExpectAllDecode(static_cast<std::int32_t>(expected.size()), coded, expected);
}

// A stream cut short is refused rather than decoded into zeros; the same
// bytes followed by zeros that are really there decode as the classic
// decoder does, and a stream whose last code ends in its last byte passes.
TEST(LZH, TruncatedInputIsRefused)
{
    std::vector<std::uint8_t> const data = BuildPackage(MakeSampleSkin(0.1));
    std::vector<std::uint8_t> const stream = TLZHEncoder::Compress(data);
    auto const size = static_cast<std::int32_t>(data.size());
    std::span<const std::uint8_t> const whole = std::span(stream).subspan(4);
    std::span<const std::uint8_t> const half = whole.first(whole.size() / 2);
    try {
        TLZH().Decode(size, half);
        ADD_FAILURE() << "decoded";
    } catch (const ElzhException& error) {
        EXPECT_NE(std::string(error.what()).find("truncated"), std::string::npos) << error.what();
    }
    EXPECT_THROW(TLZH().Decode(size, whole.first(whole.size() - 1)), ElzhException);
    EXPECT_EQ(TLZH().Decode(size, whole), data);

    std::vector<std::uint8_t> padded(half.begin(), half.end());
    padded.resize(half.size() + data.size(), 0); // more zeros than any decoding can use
    std::vector<std::uint8_t> const decoded = TLZH().Decode(size, padded);
    EXPECT_GE(decoded.size(), data.size());
    EXPECT_LT(decoded.size(), data.size() + TLZH::F);
    EXPECT_EQ(decoded, DecodeWithCallbacks(size, half)); // a byte source cannot tell where it ends
    EXPECT_EQ(decoded, ClassicLzhufDecode(size, half));
    EXPECT_TRUE(std::equal(data.begin(), data.begin() + 1000, decoded.begin()));
}

TEST(LZH, RefusesSizesItCannotProduce)
{
    std::vector<std::uint8_t> const coded(100, 0x55);
    for (std::int32_t size : { 0, -1, INT32_MIN }) {
        std::size_t reads = 99;
        EXPECT_TRUE(TLZH().Decode(size, coded).empty());
        EXPECT_TRUE(DecodeWithCallbacks(size, coded, &reads).empty());
        EXPECT_EQ(reads, 0u);
    }

    auto const expectRefused = [](auto&& decode, const char* why) {
        try {
            decode();
            ADD_FAILURE() << "no exception";
        } catch (const ElzhException& error) {
            EXPECT_NE(std::string(error.what()).find(why), std::string::npos) << error.what();
            EXPECT_EQ(std::string(error.what()).rfind("LZH : ", 0), 0u) << error.what();
        }
    };
    std::vector<std::uint8_t> const large(2 << 20, 0x55);
    expectRefused([&] { TLZH().Decode(TLZH::MaxDecodedSize + 1, large); }, "larger than");
    expectRefused([&] { DecodeWithCallbacks(INT32_MAX, large); }, "larger than");
    expectRefused([&] { TLZH().Decode(100 * 48 + TLZH::F + 1, coded); }, "cannot come from 100 bytes");
    // The bound itself passes; these bits then run out before that much is decoded.
    expectRefused([&] { TLZH().Decode(100 * 48 + TLZH::F, coded); }, "truncated");
}

TEST(LZH, SizeBoundAdmitsTheDensestStream)
{
    // A long run codes each 60 bytes in about 10 bits: the most any stream
    // can expand, so the bound must still let it through.
    std::vector<std::uint8_t> const run(3 << 20, 'x');
    std::vector<std::uint8_t> const stream = TLZHEncoder::Compress(run);
    EXPECT_GT(static_cast<double>(run.size()) / static_cast<double>(stream.size()), 40.0);
    EXPECT_EQ(TLZH().Decode(static_cast<std::int32_t>(run.size()), std::span(stream).subspan(4)), run);
}

TEST(LZH, ArbitraryBitsDecodeLikeTheClassicDecoder)
{
    // Any bit string is a valid code: garbage must decode deterministically,
    // the same everywhere, overrunning its size by less than one match.
    std::mt19937 random(7);
    for (int round = 0; round < 24; ++round) {
        std::size_t const length = round == 0 ? 120000 : 1 + random() % 3000;
        std::vector<std::uint8_t> const coded = RandomBytes(length, static_cast<unsigned>(round) + 100);
        auto const most = static_cast<std::uint32_t>(length * 48 + TLZH::F);
        auto const size = static_cast<std::int32_t>(round == 0 ? 2000000 : 1 + random() % most);
        SCOPED_TRACE("round " + std::to_string(round));
        // Zeros that are really there, enough for any size: every bit code
        // yields at least one byte.
        std::vector<std::uint8_t> padded = coded;
        padded.resize(coded.size() + static_cast<std::size_t>(size), 0);
        std::vector<std::uint8_t> const decoded = ClassicLzhufDecode(size, padded);
        EXPECT_GE(decoded.size(), static_cast<std::size_t>(size));
        EXPECT_LT(decoded.size(), static_cast<std::size_t>(size) + TLZH::F);
        EXPECT_EQ(TLZH().Decode(size, padded), decoded);
        EXPECT_EQ(DecodeWithCallbacks(size, coded), decoded);
        // Without them the bits decode alike, or run out and are refused.
        try {
            EXPECT_EQ(TLZH().Decode(size, coded), decoded);
        } catch (const ElzhException& error) {
            EXPECT_NE(std::string(error.what()).find("truncated"), std::string::npos) << error.what();
        }
    }
}
