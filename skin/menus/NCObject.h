#pragma once
// Elements of a skinned window's non-client area that light up under the
// mouse: caption buttons here, menu-bar items in WinSkinMenu.

#include "framework/core/Object.h"
#include "skin/data/WinSkinData.h"

#include <windows.h>

namespace tandrel {

class TWinSkinForm;

// Looks of an element.
enum TNCState : int { ncsNormal = 1, ncsPressed = 2, ncsHot = 3 };

// One non-client element. At most one element of a window is hot (hot or
// pressed look) at a time; the form skinning object keeps which.
class TNCObject : public TObject {
public:
    explicit TNCObject(TWinSkinForm& form) : m_form(form) {}
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
    TWinSkinForm& m_form;
};

// A caption button: one caption-button object of the skin.
class TWinSysButton final : public TNCObject {
public:
    TWinSysButton(TWinSkinForm& form, TDataSkinSysButton& object) : TNCObject(form), Object(object) {}
    const char* ClassName() const override { return "TWinSysButton"; }
    void Draw() override;

    TDataSkinSysButton& Object;
};

} // namespace tandrel
