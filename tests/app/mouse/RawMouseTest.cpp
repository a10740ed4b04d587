// Raw mouse records read from bytes laid out as the system lays them out,
// for the 64-bit build and the 32-bit product.

#include "app/mouse/RawMouse.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace tandrel {
namespace {

template <class T>
void Put(std::vector<unsigned char>& bytes, std::size_t offset, T value)
{
    std::memcpy(bytes.data() + offset, &value, sizeof value);
}

// A RAWINPUT record of a mouse, field by field.
std::vector<unsigned char> Record(std::size_t pointerSize, std::uint64_t device, std::uint16_t flags,
                                  std::uint16_t buttons, std::int32_t x, std::int32_t y)
{
    const TRawInputLayout layout {pointerSize};
    std::vector<unsigned char> bytes(layout.RecordSize(), 0xCC);
    Put<std::uint32_t>(bytes, 0, 0);  // RIM_TYPEMOUSE
    Put<std::uint32_t>(bytes, 4, static_cast<std::uint32_t>(bytes.size()));
    if (pointerSize == 8) {
        Put<std::uint64_t>(bytes, 8, device);
        Put<std::uint64_t>(bytes, 16, 0);  // wParam
    } else {
        Put<std::uint32_t>(bytes, 8, static_cast<std::uint32_t>(device));
        Put<std::uint32_t>(bytes, 12, 0);
    }
    const std::size_t m = layout.MouseOffset();
    Put<std::uint16_t>(bytes, m, flags);
    Put<std::uint16_t>(bytes, m + 4, buttons);
    Put<std::uint16_t>(bytes, m + 6, 0);  // usButtonData
    Put<std::uint32_t>(bytes, m + 8, 0);  // ulRawButtons
    Put<std::int32_t>(bytes, m + 12, x);
    Put<std::int32_t>(bytes, m + 16, y);
    Put<std::uint32_t>(bytes, m + 20, 0);  // ulExtraInformation
    return bytes;
}

TEST(RawMouse, ReadsTheFieldsForBothPointerSizes)
{
    EXPECT_EQ(TRawInputLayout {8}.RecordSize(), 48u);
    EXPECT_EQ(TRawInputLayout {4}.RecordSize(), 40u);
    for (std::size_t ptr : {4u, 8u}) {
        auto bytes = Record(ptr, 0x1234, rmMoveAbsolute | rmVirtualDesktop, rbLeftDown | rbRightUp, -7, 65535);
        auto r = ReadRawMouse(bytes.data(), bytes.size(), {ptr});
        ASSERT_TRUE(r) << ptr;
        EXPECT_EQ(r->Device, 0x1234u);
        EXPECT_TRUE(r->Absolute());
        EXPECT_TRUE(r->VirtualDesktop());
        EXPECT_TRUE(r->HasMotion());
        EXPECT_EQ(r->ButtonFlags, rbLeftDown | rbRightUp);
        EXPECT_EQ(r->X, -7);
        EXPECT_EQ(r->Y, 65535);
    }
    // Read with the other layout, the same bytes give other fields: the layout matters.
    auto bytes = Record(8, 0x1234, 0, 0, 5, 6);
    auto wrong = ReadRawMouse(bytes.data(), bytes.size(), {4});
    ASSERT_TRUE(wrong);
    EXPECT_NE(wrong->X, 5);
}

TEST(RawMouse, RelativeRecordAndAttributeChange)
{
    auto bytes = Record(8, 9, 0, 0, 3, -4);
    auto r = ReadRawMouse(bytes.data(), bytes.size(), {8});
    ASSERT_TRUE(r);
    EXPECT_FALSE(r->Absolute());
    EXPECT_EQ(r->X, 3);
    EXPECT_EQ(r->Y, -4);
    bytes = Record(8, 9, rmAttributesChanged, 0, 0, 0);
    r = ReadRawMouse(bytes.data(), bytes.size(), {8});
    ASSERT_TRUE(r);
    EXPECT_FALSE(r->HasMotion());
}

TEST(RawMouse, RefusesShortForeignAndOverclaimingRecords)
{
    auto bytes = Record(8, 1, 0, 0, 1, 1);
    EXPECT_FALSE(ReadRawMouse(bytes.data(), bytes.size() - 1, {8}));  // too few bytes
    EXPECT_FALSE(ReadRawMouse(nullptr, bytes.size(), {8}));
    EXPECT_FALSE(ReadRawMouse(bytes.data(), bytes.size(), {2}));      // no such pointer size

    auto keyboard = bytes;
    Put<std::uint32_t>(keyboard, 0, 1);  // RIM_TYPEKEYBOARD
    EXPECT_FALSE(ReadRawMouse(keyboard.data(), keyboard.size(), {8}));

    auto overclaim = bytes;
    Put<std::uint32_t>(overclaim, 4, static_cast<std::uint32_t>(bytes.size() + 1));
    EXPECT_FALSE(ReadRawMouse(overclaim.data(), overclaim.size(), {8}));

    auto underclaim = bytes;
    Put<std::uint32_t>(underclaim, 4, 20);
    EXPECT_FALSE(ReadRawMouse(underclaim.data(), underclaim.size(), {8}));

    // A larger buffer holding a correct record is fine.
    auto padded = bytes;
    padded.resize(bytes.size() + 16);
    EXPECT_TRUE(ReadRawMouse(padded.data(), padded.size(), {8}));
}

} // namespace
} // namespace tandrel
