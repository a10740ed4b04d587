#pragma once
// What the previewer's tests share: whether a window wears the skin, whether
// the engine has settled, and finding the controls of the pages.

#include "framework/core/Component.h"
#include "skin/engine/SkinManage.h"
#include "skin/forms/WinSkinForm.h"

#include <windows.h>

#include <functional>

namespace tandrel::test {

inline bool Skinned(HWND window)
{
    TWinSkinForm* skin = SkinManager ? SkinManager->FindSkinnedWindow(window) : nullptr;
    return skin && skin->SkinState() == ssSkinned;
}

inline bool Settled() { return !SkinManager->ActionTimerRunning() && SkinManager->PendingRequests().empty(); }

// The first control of class T, at any depth of ownership, that passes.
template <class T>
T* FindControl(TComponent& owner, const std::function<bool(T&)>& wanted)
{
    for (int i = 0; i < owner.ComponentCount(); ++i) {
        if (auto* c = dynamic_cast<T*>(owner.Components(i)); c && wanted(*c))
            return c;
        if (T* inner = FindControl<T>(*owner.Components(i), wanted))
            return inner;
    }
    return nullptr;
}

template <class T>
T* Captioned(TComponent& owner, const wchar_t* caption)
{
    return FindControl<T>(owner, [&](T& c) { return c.Caption() == caption; });
}

} // namespace tandrel::test
