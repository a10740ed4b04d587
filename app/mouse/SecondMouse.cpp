#include "app/mouse/SecondMouse.h"

#include <algorithm>

namespace tandrel {

namespace {

struct TButtonBits {
    std::uint16_t Down;
    std::uint16_t Up;
    TBoundButton Button;
};

constexpr TButtonBits kButtons[] = {
    {rbLeftDown, rbLeftUp, TBoundButton::Left},
    {rbRightDown, rbRightUp, TBoundButton::Right},
    {rbMiddleDown, rbMiddleUp, TBoundButton::Middle},
};

constexpr std::int32_t kAbsoluteMax = 65535;

int MapAxis(std::int32_t value, int low, int high)
{
    const std::int64_t v = std::clamp<std::int32_t>(value, 0, kAbsoluteMax);
    const std::int64_t span = std::max(high - low - 1, 0);
    return low + static_cast<int>((v * span + kAbsoluteMax / 2) / kAbsoluteMax);
}

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

} // namespace

TScreenPoint MapAbsolute(std::int32_t x, std::int32_t y, const TScreenArea& area)
{
    return {MapAxis(x, area.Left, area.Right), MapAxis(y, area.Top, area.Bottom)};
}

TScreenPoint ClampToArea(TScreenPoint p, const TScreenArea& area)
{
    return {std::clamp(p.X, area.Left, std::max(area.Left, area.Right - 1)),
            std::clamp(p.Y, area.Top, std::max(area.Top, area.Bottom - 1))};
}

bool SameDeviceName(const std::string& a, const std::string& b)
{
    return !a.empty() && a.size() == b.size()
        && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Lower(x) == Lower(y); });
}

void TSecondMouse::Start()
{
    const std::string name = m_host.Remembered();
    if (name.empty())
        return;
    m_boundName = name;
    m_boundHandle = 0;
    for (const TMouseDevice& device : m_host.Mice())
        if (SameDeviceName(device.Name, name))
            m_boundHandle = device.Handle;
    // Listening also brings the device-arrival notice of an unplugged one.
    UpdateListening();
}

void TSecondMouse::Arm()
{
    m_choice = TChoice::Armed;
    m_clicker = 0;
    UpdateListening();
}

void TSecondMouse::Disarm()
{
    if (m_choice != TChoice::Armed)
        return;
    m_choice = TChoice::None;
    UpdateListening();
}

TChooseStart TSecondMouse::BeginChoosing()
{
    if (m_host.Mice().size() < 2) {
        m_choice = TChoice::None;
        UpdateListening();
        return TChooseStart::csOnlyOneMouse;
    }
    // The clicker found while armed stays known.
    if (m_choice != TChoice::Armed)
        m_clicker = 0;
    m_choice = TChoice::Choosing;
    UpdateListening();
    return TChooseStart::csWaiting;
}

void TSecondMouse::CancelChoosing()
{
    m_choice = TChoice::None;
    UpdateListening();
}

bool TSecondMouse::Unbind()
{
    if (!Bound())
        return false;
    ReleaseAll();
    m_boundName.clear();
    m_boundHandle = 0;
    m_host.Remember({});
    UpdateListening();
    return true;
}

void TSecondMouse::Input(const TRawMouse& record)
{
    // Injected input has no device: our own clicks at the tip come back so.
    if (record.Device == 0)
        return;
    if (m_choice != TChoice::None && m_clicker == 0 && (record.ButtonFlags & rbAnyUp)) {
        // The first release heard is the end of the click on the install button.
        m_clicker = record.Device;
        return;
    }
    const bool motion = IsMotion(record);
    if (m_choice == TChoice::Choosing && motion && record.Device != m_clicker)
        Choose(record.Device);
    if (m_boundHandle != 0 && record.Device == m_boundHandle)
        Apply(record);
    else if (!m_held.empty() && motion)
        m_host.CursorTo(m_host.Tip());  // another mouse must not pull a drag of the bound one away
}

void TSecondMouse::DeviceArrived(TDeviceHandle device)
{
    if (Bound() && m_boundHandle == 0 && SameDeviceName(NameOf(device), m_boundName))
        m_boundHandle = device;
}

void TSecondMouse::DeviceRemoved(TDeviceHandle device)
{
    m_lastAbsolute.erase(device);
    if (device == 0 || device != m_boundHandle)
        return;
    ReleaseAll();
    m_boundHandle = 0;
}

bool TSecondMouse::IsMotion(const TRawMouse& record)
{
    if (!record.HasMotion())
        return false;
    if (!record.Absolute())
        return record.X != 0 || record.Y != 0;
    // Absolute devices repeat their position with every record, buttons included.
    const TScreenPoint at {record.X, record.Y};
    auto [it, first] = m_lastAbsolute.try_emplace(record.Device, at);
    const bool moved = first || !(it->second == at);
    it->second = at;
    return moved;
}

void TSecondMouse::Choose(TDeviceHandle device)
{
    const std::string name = NameOf(device);
    if (name.empty())
        return;  // a device without a name could not be found again after a replug
    ReleaseAll();
    m_boundName = name;
    m_boundHandle = device;
    m_choice = TChoice::None;
    m_clicker = 0;
    m_host.Remember(name);
    UpdateListening();
    m_host.Chosen(name);
}

void TSecondMouse::Apply(const TRawMouse& record)
{
    if (record.HasMotion())
        Move(record);
    for (const TButtonBits& bits : kButtons) {
        if (record.ButtonFlags & bits.Down)
            Press(bits.Button);
        if (record.ButtonFlags & bits.Up)
            Lift(bits.Button);
    }
}

void TSecondMouse::Move(const TRawMouse& record)
{
    const TScreenPoint tip = m_host.Tip();
    TScreenPoint next;
    if (record.Absolute()) {
        next = MapAbsolute(record.X, record.Y, record.VirtualDesktop() ? m_host.VirtualScreen() : m_host.PrimaryScreen());
    } else {
        if (record.X == 0 && record.Y == 0)
            return;
        next = {tip.X + record.X, tip.Y + record.Y};
    }
    next = ClampToArea(next, m_host.VirtualScreen());
    if (next == tip)
        return;
    m_host.MoveTip(next);
    if (!m_held.empty())
        m_host.CursorTo(next);
}

void TSecondMouse::Press(TBoundButton button)
{
    if (std::find(m_held.begin(), m_held.end(), button) != m_held.end())
        return;
    if (m_held.empty())
        m_host.TakeCursor(m_host.Tip());
    m_held.push_back(button);
    m_host.ButtonDown(button);
}

void TSecondMouse::Lift(TBoundButton button)
{
    auto it = std::find(m_held.begin(), m_held.end(), button);
    if (it == m_held.end())
        return;  // pressed before the device was bound: that press went where the cursor was
    m_held.erase(it);
    m_host.ButtonUp(button);
    if (m_held.empty())
        m_host.ReturnCursor();
}

void TSecondMouse::ReleaseAll()
{
    while (!m_held.empty())
        Lift(m_held.back());
}

void TSecondMouse::UpdateListening()
{
    const bool wanted = m_choice != TChoice::None || Bound();
    if (wanted == m_listening)
        return;
    m_host.Listen(wanted);
    m_listening = wanted;
}

std::string TSecondMouse::NameOf(TDeviceHandle device) const
{
    for (const TMouseDevice& mouse : m_host.Mice())
        if (mouse.Handle == device)
            return mouse.Name;
    return {};
}

} // namespace tandrel
