#pragma once
// The second mouse on the real system: raw-input registration and records,
// device notifications, the click at the overlay's tip, and the remembered
// device under HKEY_CURRENT_USER\Software\Tandrel.

#include "app/mouse/SecondMouse.h"
#include "framework/controls/HelperWindow.h"
#include "framework/graphics/GdiObjects.h"

#include <windows.h>

#include <functional>

namespace tandrel {

// Where the remembered device is kept.
extern const wchar_t kTandrelKey[];
extern const wchar_t kSecondMouseValue[];

class TMouseBinding final : public TSecondMouseHost, private TWindowMessageTarget {
public:
    TMouseBinding();
    ~TMouseBinding() override;
    TMouseBinding(const TMouseBinding&) = delete;
    TMouseBinding& operator=(const TMouseBinding&) = delete;

    TSecondMouse& Mouse() { return m_mouse; }
    // The window raw input and device notices are sent to.
    HWND Window() const { return m_window.Get(); }

    // What a WM_INPUT record holds once read with GetRawInputData; tests
    // hand built records to the same road.
    void HandleRawInput(const void* data, std::size_t size);
    void HandleDeviceChange(WPARAM change, TDeviceHandle device);

    // Told when a mouse has been chosen (the prompt closes).
    std::function<void()> OnChosen;
    // The overlay's tip, read and moved: the start-up binds them to the overlay.
    std::function<POINT()> ReadTip;
    std::function<void(POINT)> PlaceTip;

    TScreenArea VirtualScreen() const override;
    TScreenArea PrimaryScreen() const override;
    TScreenPoint Tip() const override;
    void MoveTip(TScreenPoint tip) override;
    void TakeCursor(TScreenPoint tip) override;
    void CursorTo(TScreenPoint tip) override;
    void ButtonDown(TBoundButton button) override;
    void ButtonUp(TBoundButton button) override;
    void ReturnCursor() override;
    std::vector<TMouseDevice> Mice() const override;
    void Listen(bool on) override;
    void Chosen(const std::string& name) override;
    std::string Remembered() const override;
    void Remember(const std::string& name) override;

private:
    bool WindowMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void OnInput(HRAWINPUT input);

    TOwnedWindow m_window;
    TSecondMouse m_mouse {*this};
    POINT m_savedCursor {};
};

// The mice attached now, with their device interface names.
std::vector<TMouseDevice> SystemMice();

// Stands in for the system's list of mice (Wine has only one); none puts the
// system's back.
using TMiceSource = std::function<std::vector<TMouseDevice>()>;
void SetMiceSource(TMiceSource source);

// The application's one binding, from start-up to the end.
extern TMouseBinding* MouseBinding;

} // namespace tandrel
