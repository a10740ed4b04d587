#include "skin/geometry/SkinTabGeometry.h"

#include <algorithm>

namespace tandrel {

namespace {
constexpr std::uint32_t kBottom = 0x0002;
constexpr std::uint32_t kVertical = 0x0080;
constexpr int kPageGrowth = 4;
} // namespace

TTabSide TabSideOfStyle(std::uint32_t style)
{
    bool const bottom = (style & kBottom) != 0;
    bool const vertical = (style & kVertical) != 0;
    if (bottom && vertical)
        return tsRight;
    if (bottom)
        return tsBottom;
    if (vertical)
        return tsLeft;
    return tsTop;
}

TSkinRect TabPageRect(const TSkinRect& display, TTabSide side)
{
    TSkinRect d {display.Left - kPageGrowth, display.Top - kPageGrowth, display.Right + kPageGrowth,
                 display.Bottom + kPageGrowth};
    switch (side) {
    case tsBottom: --d.Bottom; break;
    case tsLeft: ++d.Left; break;
    case tsRight: --d.Right; break;
    default: ++d.Top; break;
    }
    return d;
}

TSkinRect TabStripRect(const TSkinRect& rect, const TSkinRect& page, TTabSide side)
{
    switch (side) {
    case tsBottom: return {rect.Left, page.Bottom, rect.Right, rect.Bottom};
    case tsLeft: return {rect.Left, rect.Top, page.Left, rect.Bottom};
    case tsRight: return {page.Right, rect.Top, rect.Right, rect.Bottom};
    default: return {rect.Left, rect.Top, rect.Right, page.Top};
    }
}

TSkinSize TabStripBitmapSize(const TSkinRect& strip, TTabSide side)
{
    // A page wider than the control leaves no strip, never a negative one.
    int const w = std::max(0, strip.Width());
    int const h = std::max(0, strip.Height());
    return TabSideTurned(side) ? TSkinSize {h, w} : TSkinSize {w, h};
}

TSkinRect MapTabIntoStrip(const TSkinRect& tab, TTabSide side, const TSkinRect& rect, const TSkinRect& page)
{
    switch (side) {
    case tsBottom: return {tab.Left, tab.Top - (page.Bottom + 1), tab.Right, tab.Bottom - (page.Bottom + 1)};
    case tsLeft: {
        // Turned anticlockwise afterwards: the bitmap's width is the strip's height.
        int const length = TabStripBitmapSize(TabStripRect(rect, page, side), side).Width;
        return {length - tab.Bottom, tab.Left, length - tab.Top, tab.Right};
    }
    case tsRight:
        return {tab.Top - 1, rect.Right - tab.Right, tab.Bottom - 1, rect.Right - tab.Left};
    default: return {tab.Left, tab.Top + 1, tab.Right, tab.Bottom + 1};
    }
}

std::vector<int> FitTabSetTabs(const std::vector<int>& widths, int startMargin, int limit, bool scrollerVisible,
                               int reserve)
{
    std::vector<int> lefts;
    lefts.reserve(widths.size());
    int x = startMargin;
    int const room = scrollerVisible ? std::max(0, reserve) : 0;
    for (int w : widths) {
        // A width below nothing (a stranger's font) takes no room.
        w = std::max(0, w);
        if (x + room + w <= limit) {
            lefts.push_back(x);
            x += w;
        } else {
            lefts.push_back(-1);
        }
    }
    return lefts;
}

int StatusBevelFrame(int bevel)
{
    switch (bevel) {
    case sbRaised: return 2;
    case sbNone: return 3;
    default: return 1;
    }
}

int StatusPanelAlignment(int alignment, int biDi)
{
    if (alignment != saLeft && alignment != saRight && alignment != saCentre)
        alignment = saLeft;
    if (biDi == sbRightToLeft && alignment != saCentre)
        return alignment == saLeft ? saRight : saLeft;
    return alignment;
}

std::vector<TStatusPanelPlace> StatusPanelPlaces(const std::vector<TStatusPanelIn>& panels, const TSkinRect& bar)
{
    std::vector<TStatusPanelPlace> places;
    if (panels.empty()) {
        places.push_back({0, bar, StatusBevelFrame(sbLowered), saLeft});
        return places;
    }
    int const last = static_cast<int>(panels.size()) - 1;
    for (int i = 0; i <= last; ++i) {
        const TStatusPanelIn& p = panels[static_cast<size_t>(i)];
        if (!p.HasRect)
            continue;
        TStatusPanelPlace place {i, p.Rect, StatusBevelFrame(p.Bevel), StatusPanelAlignment(p.Alignment, p.BiDi)};
        if (i == last)
            place.Rect.Right = bar.Right;
        places.push_back(place);
    }
    return places;
}

TSkinRect StatusGripRect(const TSkinRect& bar, int gw, int gh)
{
    if (gw <= 0 || gh <= 0 || gw + 1 > bar.Width() || gh + 1 > bar.Height())
        return {};
    return {bar.Right - 1 - gw, bar.Bottom - 1 - gh, bar.Right - 1, bar.Bottom - 1};
}

} // namespace tandrel
