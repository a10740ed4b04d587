#include "app/mouse/MouseBinding.h"

#include "framework/core/Registry.h"
#include "framework/core/SysUtils.h"

#include <cstddef>

namespace tandrel {

TMouseBinding* MouseBinding = nullptr;

const wchar_t kTandrelKey[] = L"Software\\Tandrel";
const wchar_t kSecondMouseValue[] = L"SecondMouse";

// The plain reader must see the record as the system lays it out.
static_assert(offsetof(RAWINPUTHEADER, hDevice) == TRawInputLayout {sizeof(void*)}.DeviceOffset());
static_assert(offsetof(RAWINPUT, data.mouse) == TRawInputLayout {sizeof(void*)}.MouseOffset());
static_assert(offsetof(RAWMOUSE, usFlags) == TRawInputLayout::kFlagsOffset);
static_assert(offsetof(RAWMOUSE, usButtonFlags) == TRawInputLayout::kButtonFlagsOffset);
static_assert(offsetof(RAWMOUSE, lLastX) == TRawInputLayout::kLastXOffset);
static_assert(offsetof(RAWMOUSE, lLastY) == TRawInputLayout::kLastYOffset);
static_assert(sizeof(RAWMOUSE) == TRawInputLayout::kMouseSize);
static_assert(RIM_TYPEMOUSE == kRawTypeMouse);
static_assert(MOUSE_MOVE_ABSOLUTE == rmMoveAbsolute && MOUSE_VIRTUAL_DESKTOP == rmVirtualDesktop
              && MOUSE_ATTRIBUTES_CHANGED == rmAttributesChanged);
static_assert(RI_MOUSE_LEFT_BUTTON_DOWN == rbLeftDown && RI_MOUSE_LEFT_BUTTON_UP == rbLeftUp
              && RI_MOUSE_RIGHT_BUTTON_DOWN == rbRightDown && RI_MOUSE_RIGHT_BUTTON_UP == rbRightUp
              && RI_MOUSE_MIDDLE_BUTTON_DOWN == rbMiddleDown && RI_MOUSE_MIDDLE_BUTTON_UP == rbMiddleUp);

namespace {

constexpr wchar_t kWindowClass[] = L"TMouseBinding";
TMiceSource g_miceSource;

void SendMouseFlags(DWORD flags)
{
    INPUT input {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

DWORD DownFlag(TBoundButton b)
{
    return b == TBoundButton::Left ? MOUSEEVENTF_LEFTDOWN : b == TBoundButton::Right ? MOUSEEVENTF_RIGHTDOWN
                                                                                     : MOUSEEVENTF_MIDDLEDOWN;
}

DWORD UpFlag(TBoundButton b)
{
    return b == TBoundButton::Left ? MOUSEEVENTF_LEFTUP : b == TBoundButton::Right ? MOUSEEVENTF_RIGHTUP
                                                                                   : MOUSEEVENTF_MIDDLEUP;
}

std::wstring DeviceName(HANDLE device)
{
    UINT chars = 0;
    if (GetRawInputDeviceInfoW(device, RIDI_DEVICENAME, nullptr, &chars) != 0 || chars == 0)
        return {};
    std::wstring name(chars, L'\0');
    if (GetRawInputDeviceInfoW(device, RIDI_DEVICENAME, name.data(), &chars) == static_cast<UINT>(-1))
        return {};
    name.resize(wcsnlen(name.c_str(), name.size()));
    return name;
}

} // namespace

std::vector<TMouseDevice> SystemMice()
{
    UINT count = 0;
    if (GetRawInputDeviceList(nullptr, &count, sizeof(RAWINPUTDEVICELIST)) != 0)
        return {};
    std::vector<RAWINPUTDEVICELIST> list(count);
    const UINT got = GetRawInputDeviceList(list.data(), &count, sizeof(RAWINPUTDEVICELIST));
    if (got == static_cast<UINT>(-1))
        return {};
    list.resize(got);
    std::vector<TMouseDevice> mice;
    for (const RAWINPUTDEVICELIST& device : list)
        if (device.dwType == RIM_TYPEMOUSE)
            mice.push_back({reinterpret_cast<TDeviceHandle>(device.hDevice), WideToUtf8(DeviceName(device.hDevice))});
    return mice;
}

TMouseBinding::TMouseBinding()
{
    // Raw input with RIDEV_INPUTSINK needs a target, not a visible one.
    m_window.Reset(
        CreateHelperWindow(kWindowClass, TargetWindowProc, THelperWindowKind::hwMessageOnly, "the mouse window"));
    BindWindowTarget(m_window.Get(), this);
}

TMouseBinding::~TMouseBinding()
{
    m_mouse.ReleaseButtons();
    try {
        if (m_mouse.Listening())
            Listen(false);
    } catch (...) {
        // The registration ends with the process anyway.
    }
    BindWindowTarget(m_window.Get(), nullptr);
}

bool TMouseBinding::WindowMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (msg) {
    case WM_INPUT:
        OnInput(reinterpret_cast<HRAWINPUT>(lParam));
        return false;  // the system frees the record in the default handling
    case WM_INPUT_DEVICE_CHANGE:
        HandleDeviceChange(wParam, static_cast<TDeviceHandle>(lParam));
        result = 0;
        return true;
    default:
        return false;
    }
}

void TMouseBinding::OnInput(HRAWINPUT input)
{
    UINT size = 0;
    if (GetRawInputData(input, RID_INPUT, nullptr, &size, sizeof(RAWINPUTHEADER)) != 0 || size == 0)
        return;
    // Aligned for the record's pointer-sized fields.
    std::vector<std::max_align_t> buffer((size + sizeof(std::max_align_t) - 1) / sizeof(std::max_align_t));
    const UINT got = GetRawInputData(input, RID_INPUT, buffer.data(), &size, sizeof(RAWINPUTHEADER));
    if (got == static_cast<UINT>(-1))
        return;
    HandleRawInput(buffer.data(), got);
}

void TMouseBinding::HandleRawInput(const void* data, std::size_t size)
{
    if (auto record = ReadRawMouse(data, size))
        m_mouse.Input(*record);
}

void TMouseBinding::HandleDeviceChange(WPARAM change, TDeviceHandle device)
{
    if (change == GIDC_ARRIVAL)
        m_mouse.DeviceArrived(device);
    else if (change == GIDC_REMOVAL)
        m_mouse.DeviceRemoved(device);
}

TScreenArea TMouseBinding::VirtualScreen() const
{
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN), top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

TScreenArea TMouseBinding::PrimaryScreen() const
{
    return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

TScreenPoint TMouseBinding::Tip() const
{
    if (!ReadTip)
        return {};
    const POINT tip = ReadTip();
    return {tip.x, tip.y};
}

void TMouseBinding::MoveTip(TScreenPoint tip)
{
    if (PlaceTip)
        PlaceTip({tip.X, tip.Y});
}

void TMouseBinding::TakeCursor(TScreenPoint tip)
{
    GetCursorPos(&m_savedCursor);
    SetCursorPos(tip.X, tip.Y);
}

void TMouseBinding::CursorTo(TScreenPoint tip)
{
    POINT now;
    // Our own move comes back as input too: act only when the cursor is elsewhere.
    if (GetCursorPos(&now) && now.x == tip.X && now.y == tip.Y)
        return;
    SetCursorPos(tip.X, tip.Y);
    // The window under the tip hears the drag as a move.
    SendMouseFlags(MOUSEEVENTF_MOVE);
}

// FIXME: the bound mouse's own press has already reached the window under
// the system cursor; holding it back needs a system-wide low-level hook that
// can tell the devices apart, which the system does not offer.
void TMouseBinding::ButtonDown(TBoundButton button) { SendMouseFlags(DownFlag(button)); }

void TMouseBinding::ButtonUp(TBoundButton button) { SendMouseFlags(UpFlag(button)); }

void TMouseBinding::ReturnCursor() { SetCursorPos(m_savedCursor.x, m_savedCursor.y); }

void SetMiceSource(TMiceSource source) { g_miceSource = std::move(source); }

std::vector<TMouseDevice> TMouseBinding::Mice() const { return g_miceSource ? g_miceSource() : SystemMice(); }

void TMouseBinding::Listen(bool on)
{
    RAWINPUTDEVICE device {};
    device.usUsagePage = 0x01;  // generic desktop
    device.usUsage = 0x02;      // mouse
    // Background input: the second mouse works over every program's windows.
    device.dwFlags = on ? RIDEV_INPUTSINK | RIDEV_DEVNOTIFY : RIDEV_REMOVE;
    device.hwndTarget = on ? m_window.Get() : nullptr;
    if (!RegisterRawInputDevices(&device, 1, sizeof device))
        RaiseLastOSError("Registering for mouse input");
}

void TMouseBinding::Chosen(const std::string&)
{
    if (OnChosen)
        OnChosen();
}

std::string TMouseBinding::Remembered() const
{
    TRegistryKey key(HKEY_CURRENT_USER, kTandrelKey, TRegistryOpen::roRead);
    return WideToUtf8(key.ReadString(kSecondMouseValue).value_or(L""));
}

void TMouseBinding::Remember(const std::string& name)
{
    if (name.empty()) {
        TRegistryKey key(HKEY_CURRENT_USER, kTandrelKey, TRegistryOpen::roRead);
        key.DeleteValue(kSecondMouseValue);
        return;
    }
    TRegistryKey key(HKEY_CURRENT_USER, kTandrelKey, TRegistryOpen::roCreate);
    key.WriteString(kSecondMouseValue, Utf8ToWide(name));
}

} // namespace tandrel
