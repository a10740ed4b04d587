#include "skin/data/SkinHost.h"

namespace tandrel {

namespace {
TSkinHost* g_host = nullptr;
}

TSkinHost* SkinHost() { return g_host; }

void SetSkinHost(TSkinHost* host) { g_host = host; }

} // namespace tandrel
