#pragma once
// Elements of a skinned window's non-client area that light up under the
// mouse: menu-bar items here, caption buttons in forms/CaptionButtons.

#include "framework/core/Object.h"

#include <windows.h>

namespace tandrel {

class TNCObject;

// Looks of an element.
enum TNCState : int { ncsNormal = 1, ncsPressed = 2, ncsHot = 3 };

// The window an element belongs to. At most one element of a window is
// hot (hot or pressed look) at a time; the window keeps which.
class TNCHost {
public:
    virtual TNCObject* HotObject() const = 0;
    virtual void SetHotObject(TNCObject* object) = 0;

protected:
    ~TNCHost() = default;
};

// One non-client element.
class TNCObject : public TObject {
public:
    explicit TNCObject(TNCHost& host) : m_host(host) {}
    const char* ClassName() const override { return "TNCObject"; }

    virtual void Press();
    virtual void Release();
    virtual void Hover();
    virtual void Leave();
    virtual void Draw() {}

    RECT Rect {};          // window coordinates
    bool Enabled = false;  // caption buttons: shown
    TNCState State = ncsNormal;

protected:
    TNCHost& m_host;
};

} // namespace tandrel
