#pragma once

// The skin engine's private window messages, and the identifiers of the
// subclasses and timers it puts on windows. Tests include this too.

#include <windows.h>

namespace tandrel {

// Repaint the skinned frame now.
constexpr UINT WM_SKINPAINTFRAME = 0x3502;
// Posted by the skin manager right after it attached a form skinning
// object; starts the skin. lParam is kSkinStartMark.
constexpr UINT WM_SKINSTART = 0x3503;
constexpr LPARAM kSkinStartMark = 1000;
// Answered 1 by a skinned window or popup: the manager asks before it
// skins one. Caption buttons whose action has no meaning of its own post
// it with the action in wParam.
constexpr UINT WM_SKINQUERY = 0x3504;

// Identifiers of the skinning objects in their windows' subclass chains.
constexpr UINT_PTR kFormSubclassId = 0x3503;
constexpr UINT_PTR kPopupSubclassId = 0x3504;
constexpr UINT_PTR kMdiClientSubclassId = 0x3506;
// Control skinners of bare windows (dialog and message-box controls).
constexpr UINT_PTR kControlSubclassId = 0x3507;

// Timers: the caption buttons' mouse-leave timer on a skinned window, and
// the manager's action timer on its own message window.
constexpr UINT_PTR kLeaveTimerId = 0x3505;
constexpr UINT kLeaveTimerInterval = 250;
constexpr UINT_PTR kActionTimerId = 1;
constexpr UINT kActionInterval = 250;

} // namespace tandrel
