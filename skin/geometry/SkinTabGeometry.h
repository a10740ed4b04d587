#pragma once

// Where the tab, tab-set and status-bar skinners put things: the side of a
// tab control's tabs, its page and strip, each tab's place in the strip as
// it is composed lying down, the tabs of a tab set that fit, and the
// panels of a status bar. Pure arithmetic; plain C++, no Win32.

#include "skin/description/SkinShapes.h"
#include "skin/geometry/SkinFrameGeometry.h"

#include <cstdint>
#include <vector>

namespace tandrel {

// The side of a tab control its tabs are on.
enum TTabSide : int { tsTop = 0, tsBottom = 1, tsLeft = 2, tsRight = 3 };

// From the window style: bottom (0x0002) with vertical (0x0080) is the
// right side, bottom alone the bottom, vertical alone the left.
TTabSide TabSideOfStyle(std::uint32_t style);
// Left and right tabs are composed lying down and turned afterwards.
constexpr bool TabSideTurned(TTabSide side) { return side == tsLeft || side == tsRight; }

// The page edge: the display area grown by 4 on every side, then one pixel
// in on the side of the tabs.
TSkinRect TabPageRect(const TSkinRect& display, TTabSide side);
// The strip of tabs: what lies between the control's edge and the page on
// the side of the tabs.
TSkinRect TabStripRect(const TSkinRect& rect, const TSkinRect& page, TTabSide side);
// The size of the bitmap the strip is composed in: the strip's own size,
// or turned on its side for left and right tabs.
TSkinSize TabStripBitmapSize(const TSkinRect& strip, TTabSide side);
// A tab's rectangle (control coordinates) in that bitmap. rect is the
// control at the origin, page the page rectangle.
TSkinRect MapTabIntoStrip(const TSkinRect& tab, TTabSide side, const TSkinRect& rect, const TSkinRect& page);

// A tab set's tabs from its first shown one: the left edge of each tab
// drawn, or -1 for a tab that does not fit (a later, narrower one may).
// While the arrows show, `reserve` pixels more must stay free before limit.
std::vector<int> FitTabSetTabs(const std::vector<int>& widths, int startMargin, int limit, bool scrollerVisible,
                               int reserve);

// Status bars. Bevels and bidirectional modes as the framework numbers them.
enum TStatusBevel : int { sbNone = 0, sbLowered = 1, sbRaised = 2 };
enum TStatusBiDi : int { sbLeftToRight = 0, sbRightToLeft = 1, sbRightToLeftNoAlign = 2, sbRightToLeftReading = 3 };
// Text alignment of a panel: 0 left, 1 right, 2 centre.
enum TStatusAlign : int { saLeft = 0, saRight = 1, saCentre = 2 };

struct TStatusPanelIn {
    bool HasRect = false; // the bar told where the panel is
    TSkinRect Rect;
    int Bevel = sbLowered;
    int Alignment = saLeft;
    int BiDi = sbLeftToRight;
};

struct TStatusPanelPlace {
    int Index = 0;
    TSkinRect Rect;
    int Frame = 1; // of the three edge frames: 1 lowered, 2 raised, 3 none
    int Alignment = saLeft;
};

// The frame of the panel-edge strip for a bevel; unknown bevels look lowered.
int StatusBevelFrame(int bevel);
// Plain right-to-left swaps left and right; the other modes keep them.
int StatusPanelAlignment(int alignment, int biDi);
// The panels drawn: those whose place is known, the last one stretched to
// the bar's right edge. Without panels (or in simple mode, given as none)
// one lowered, left-aligned panel covers the bar.
std::vector<TStatusPanelPlace> StatusPanelPlaces(const std::vector<TStatusPanelIn>& panels, const TSkinRect& bar);
// Where the size grip of gw x gh goes in the bar; empty when it does not fit.
TSkinRect StatusGripRect(const TSkinRect& bar, int gw, int gh);

} // namespace tandrel
