#pragma once
// One raw mouse record as WM_INPUT delivers it, read from its bytes without
// the system headers, so the reading runs and is tested anywhere.

#include <cstddef>
#include <cstdint>
#include <optional>

namespace tandrel {

// A raw-input device handle as a number; 0 marks input a program injected.
using TDeviceHandle = std::uintptr_t;

// The bits of a raw mouse record that the second mouse uses.
enum TRawMouseFlag : std::uint16_t {
    rmMoveAbsolute = 0x01,       // MOUSE_MOVE_ABSOLUTE: X, Y are 0..65535 on the screen
    rmVirtualDesktop = 0x02,     // MOUSE_VIRTUAL_DESKTOP: ...on the whole virtual screen
    rmAttributesChanged = 0x04,  // MOUSE_ATTRIBUTES_CHANGED: no motion in this record
};

enum TRawButtonFlag : std::uint16_t {
    rbLeftDown = 0x0001,
    rbLeftUp = 0x0002,
    rbRightDown = 0x0004,
    rbRightUp = 0x0008,
    rbMiddleDown = 0x0010,
    rbMiddleUp = 0x0020,
    rbAnyUp = rbLeftUp | rbRightUp | rbMiddleUp,
};

struct TRawMouse {
    TDeviceHandle Device = 0;
    std::uint16_t Flags = 0;        // TRawMouseFlag
    std::uint16_t ButtonFlags = 0;  // TRawButtonFlag
    std::int32_t X = 0;
    std::int32_t Y = 0;

    bool Absolute() const { return Flags & rmMoveAbsolute; }
    bool VirtualDesktop() const { return Flags & rmVirtualDesktop; }
    bool HasMotion() const { return !(Flags & rmAttributesChanged); }
};

// Where the parts of a RAWINPUT record lie for a given pointer size: a
// header of two 32-bit fields and two pointer-sized ones, then RAWMOUSE.
struct TRawInputLayout {
    std::size_t PointerSize;
    constexpr std::size_t DeviceOffset() const { return 8; }
    constexpr std::size_t MouseOffset() const { return 8 + 2 * PointerSize; }
    static constexpr std::size_t kFlagsOffset = 0;        // usFlags
    static constexpr std::size_t kButtonFlagsOffset = 4;  // usButtonFlags
    static constexpr std::size_t kLastXOffset = 12;       // lLastX
    static constexpr std::size_t kLastYOffset = 16;       // lLastY
    static constexpr std::size_t kMouseSize = 24;
    constexpr std::size_t RecordSize() const { return MouseOffset() + kMouseSize; }
};

constexpr std::uint32_t kRawTypeMouse = 0;  // RIM_TYPEMOUSE

// The mouse record in data, or none when the bytes are too few, say they
// are of another device type, or claim more bytes than there are.
std::optional<TRawMouse> ReadRawMouse(const void* data, std::size_t size,
                                      TRawInputLayout layout = {sizeof(void*)});

} // namespace tandrel
