#pragma once
// The state of the process while a popup of a skinned window's menu strip
// is open, and the message filter hook that lets the keyboard and the mouse
// move from one strip item to the next while the system's menu loop runs.
// One per process: menus are modal.

#include "framework/graphics/GdiObjects.h"

#include <windows.h>

namespace tandrel {

// The strip a popup was opened from, as the tracking hook sees it.
class TTrackedStrip {
public:
    // The strip's items now (none once the skin came off).
    virtual int TrackedItemCount() const = 0;
    // The item under a screen point, or -1.
    virtual int TrackedItemAt(POINT screen) const = 0;
    // Opens another item once this popup's loop has ended.
    virtual void OpenTrackedItem(int index) = 0;
    // A right-to-left strip runs the other way.
    virtual bool TrackedRightToLeft() const = 0;
    // The popup closed for good (no other item opens after it).
    virtual void ClearMenuTracking() = 0;

protected:
    ~TTrackedStrip() = default;
};

struct TMenuTrackingState {
    TTrackedStrip* Host = nullptr; // the window whose strip item is open
    int OpenIndex = -1;
    HMENU Popup = nullptr;        // the open item's popup
    // What WM_MENUSELECT last reported: the menu holding the selected item,
    // and whether that item opens a submenu.
    HMENU SelectedIn = nullptr;
    bool SelectedHasPopup = false;
    bool Selected = false;
    POINT Cursor {-1, -1};        // as last seen by the hook
    bool Switching = false;       // a move to another strip item is under way
    bool FirstMessageSeen = false;
    THookHandle Hook;
};

// The state while a strip popup is open (Host is none otherwise).
const TMenuTrackingState& MenuTracking();

// Runs one strip popup: installs the hook and records the state, shows the
// popup, and on every way out (its end, Escape, a click elsewhere, the
// window going, an exception) removes the hook and resets the state.
class TMenuTrackingScope {
public:
    TMenuTrackingScope(TTrackedStrip& host, int index, HMENU popup);
    ~TMenuTrackingScope();
    TMenuTrackingScope(const TMenuTrackingScope&) = delete;
    TMenuTrackingScope& operator=(const TMenuTrackingScope&) = delete;
};

// WM_MENUSELECT reaching the tracking window.
void TrackingMenuSelect(TTrackedStrip& host, WPARAM wParam, LPARAM lParam);

} // namespace tandrel
