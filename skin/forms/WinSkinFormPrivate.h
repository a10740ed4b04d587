#pragma once
// Shared by the form skinning object's source files only.

#include "skin/draw/SkinDraw.h"
#include "skin/data/SkinHost.h"
#include "framework/core/SysUtils.h"

#include <windows.h>

#include <memory>
#include <string>

namespace tandrel {

// The skin manager's MDI-maximised flag (clear without a manager).
inline bool MdiMaxFlag() { return SkinHost() && SkinHost()->MdiMax(); }

} // namespace tandrel
