#include "app/mouse/RawMouse.h"

#include <cstring>

namespace tandrel {

namespace {

template <class T>
T ReadAt(const unsigned char* bytes, std::size_t offset)
{
    T value;
    std::memcpy(&value, bytes + offset, sizeof value);
    return value;
}

TDeviceHandle ReadPointer(const unsigned char* bytes, std::size_t offset, std::size_t pointerSize)
{
    if (pointerSize == 4)
        return ReadAt<std::uint32_t>(bytes, offset);
    return static_cast<TDeviceHandle>(ReadAt<std::uint64_t>(bytes, offset));
}

} // namespace

std::optional<TRawMouse> ReadRawMouse(const void* data, std::size_t size, TRawInputLayout layout)
{
    if (!data || (layout.PointerSize != 4 && layout.PointerSize != 8) || size < layout.RecordSize())
        return std::nullopt;
    const auto* bytes = static_cast<const unsigned char*>(data);
    const auto type = ReadAt<std::uint32_t>(bytes, 0);
    const auto claimed = ReadAt<std::uint32_t>(bytes, 4);
    if (type != kRawTypeMouse || claimed < layout.RecordSize() || claimed > size)
        return std::nullopt;
    const std::size_t mouse = layout.MouseOffset();
    TRawMouse record;
    record.Device = ReadPointer(bytes, layout.DeviceOffset(), layout.PointerSize);
    record.Flags = ReadAt<std::uint16_t>(bytes, mouse + TRawInputLayout::kFlagsOffset);
    record.ButtonFlags = ReadAt<std::uint16_t>(bytes, mouse + TRawInputLayout::kButtonFlagsOffset);
    record.X = ReadAt<std::int32_t>(bytes, mouse + TRawInputLayout::kLastXOffset);
    record.Y = ReadAt<std::int32_t>(bytes, mouse + TRawInputLayout::kLastYOffset);
    return record;
}

} // namespace tandrel
