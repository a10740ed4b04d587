#pragma once
// Which mouse drives the pointer overlay, and what its input does there:
// choosing the device, relative and absolute motion kept on the virtual
// screen, its buttons turned into clicks and drags at the overlay's tip,
// unplug and replug, the remembered device. No window code: the host acts.

#include "app/mouse/RawMouse.h"

#include <map>
#include <string>
#include <vector>

namespace tandrel {

struct TScreenPoint {
    int X = 0;
    int Y = 0;
    bool operator==(const TScreenPoint&) const = default;
};

// Right and bottom are exclusive.
struct TScreenArea {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
};

enum class TBoundButton { Left, Right, Middle };

struct TMouseDevice {
    TDeviceHandle Handle = 0;
    std::string Name;  // the device interface name: stays the same across replugs
};

// What the second mouse asks of the system.
class TSecondMouseHost {
public:
    virtual ~TSecondMouseHost() = default;
    virtual TScreenArea VirtualScreen() const = 0;
    virtual TScreenArea PrimaryScreen() const = 0;
    virtual TScreenPoint Tip() const = 0;
    virtual void MoveTip(TScreenPoint tip) = 0;
    // A bound button's press takes the system cursor to the tip; it stays
    // there while any bound button is held, and goes back after the last.
    virtual void TakeCursor(TScreenPoint tip) = 0;
    virtual void CursorTo(TScreenPoint tip) = 0;
    virtual void ButtonDown(TBoundButton button) = 0;
    virtual void ButtonUp(TBoundButton button) = 0;
    virtual void ReturnCursor() = 0;
    virtual std::vector<TMouseDevice> Mice() const = 0;
    // Raw mouse input (with device notifications) is wanted, or no longer.
    virtual void Listen(bool on) = 0;
    virtual void Chosen(const std::string& name) = 0;
    virtual std::string Remembered() const = 0;
    // An empty name forgets.
    virtual void Remember(const std::string& name) = 0;
};

enum class TChooseStart { csWaiting, csOnlyOneMouse };

class TSecondMouse {
public:
    explicit TSecondMouse(TSecondMouseHost& host) : m_host(host) {}
    ~TSecondMouse() = default;
    TSecondMouse(const TSecondMouse&) = delete;
    TSecondMouse& operator=(const TSecondMouse&) = delete;

    // Binds the remembered device when it is plugged in, or waits for it.
    void Start();
    // The install button is pressed: listen, so that its release tells
    // which mouse clicked it.
    void Arm();
    // The press ended without a click.
    void Disarm();
    // The install button was clicked: wait for another mouse to move.
    TChooseStart BeginChoosing();
    // Cancelled or timed out: whatever was bound before stays bound.
    void CancelChoosing();
    // False when nothing was bound.
    bool Unbind();
    // Lets go of the bound buttons still held (the program is ending).
    void ReleaseButtons() { ReleaseAll(); }

    void Input(const TRawMouse& record);
    void DeviceArrived(TDeviceHandle device);
    void DeviceRemoved(TDeviceHandle device);

    bool Choosing() const { return m_choice == TChoice::Choosing; }
    bool Bound() const { return !m_boundName.empty(); }
    // The bound device's handle, 0 while it is unplugged.
    TDeviceHandle BoundDevice() const { return m_boundHandle; }
    const std::string& BoundName() const { return m_boundName; }
    bool Listening() const { return m_listening; }

private:
    enum class TChoice { None, Armed, Choosing };

    bool IsMotion(const TRawMouse& record);
    void Choose(TDeviceHandle device);
    void Apply(const TRawMouse& record);
    void Move(const TRawMouse& record);
    void Press(TBoundButton button);
    void Lift(TBoundButton button);
    void ReleaseAll();
    void UpdateListening();
    std::string NameOf(TDeviceHandle device) const;

    TSecondMouseHost& m_host;
    TChoice m_choice = TChoice::None;
    TDeviceHandle m_clicker = 0;
    std::string m_boundName;
    TDeviceHandle m_boundHandle = 0;
    std::vector<TBoundButton> m_held;
    std::map<TDeviceHandle, TScreenPoint> m_lastAbsolute;
    bool m_listening = false;
};

// An absolute record's 0..65535 coordinates on an area, edges included.
TScreenPoint MapAbsolute(std::int32_t x, std::int32_t y, const TScreenArea& area);
// The nearest point of the area.
TScreenPoint ClampToArea(TScreenPoint p, const TScreenArea& area);
// Device interface names differ in case between the system's calls.
bool SameDeviceName(const std::string& a, const std::string& b);

} // namespace tandrel
