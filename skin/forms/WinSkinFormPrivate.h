#pragma once
// Shared by the form skinning object's source files only.

#include "skin/draw/SkinDraw.h"
#include "skin/data/SkinHost.h"
#include "framework/core/SysUtils.h"

#include <windows.h>

#include <memory>
#include <string>

namespace tandrel {

inline std::string ClassNameOf(HWND window)
{
    wchar_t name[101] {};
    GetClassNameW(window, name, 101);
    return WideToUtf8(name);
}

// One border composed at the size it has on the window: frame 1 while the
// window is active or the border has one frame, else frame 2; the middle
// tiled unless the border stretches.
std::unique_ptr<TBitmap> ComposeBorder(TDataSkinBorder& side, int width, int height, bool active, TFrameLayout layout);

// The skin manager's MDI-maximised flag (clear without a manager).
inline bool MdiMaxFlag() { return SkinHost() && SkinHost()->MdiMax(); }

} // namespace tandrel
