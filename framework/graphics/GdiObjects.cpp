#include "framework/graphics/GdiObjects.h"

#include <array>

namespace tandrel {

namespace {
// The GUI runs on one thread; plain counters suffice.
std::array<int, static_cast<size_t>(TGdiKind::Count)> g_live {};
}

void CountGdiObject(TGdiKind kind, int delta) { g_live[static_cast<size_t>(kind)] += delta; }

int LiveGdiObjects(TGdiKind kind) { return g_live[static_cast<size_t>(kind)]; }

int LiveGdiObjects()
{
    int total = 0;
    for (size_t i = 0; i < g_live.size(); ++i)
        if (static_cast<TGdiKind>(i) != TGdiKind::Menu)
            total += g_live[i];
    return total;
}

} // namespace tandrel
