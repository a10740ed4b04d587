#pragma once
// Control skinning: the base of the control skinners, as far as the form
// skinning object drives them. The dispatch that picks a skinner for each
// control, and the skinners themselves, build on this.

#include "framework/core/Component.h"
#include "framework/core/Messages.h"

#include <windows.h>

namespace tandrel {

// A control skinner: owned by the skinner list of its window's form
// skinning object, detached and freed with it.
class TSkinControl : public TComponent {
public:
    explicit TSkinControl(TComponent* owner) : TComponent(owner) {}
    const char* ClassName() const override { return "TSkinControl"; }

    // Gives the control back its own message handling.
    virtual void Detach() {}
    // Takes up a changed skin and repaints.
    virtual void Refresh() {}

    // Tells the control the mouse has left it.
    void SendMouseLeave()
    {
        if (Handle)
            SendMessageW(Handle, CM_MOUSELEAVE, 0, 0);
    }

    HWND Handle = nullptr;  // none for windowless controls
    RECT PaintRect {};      // the control's window rectangle (screen) as of its last paint
};

} // namespace tandrel
