#pragma once
// One Tandrel per user session: the first start holds a named mutex; a later
// start asks the running one to show its main panel and ends.

#include "framework/core/KernelHandle.h"

namespace tandrel {

class TSingleInstance {
public:
    TSingleInstance();
    // False when another Tandrel of this session holds the mutex.
    bool First() const { return m_first; }

private:
    TKernelHandle m_mutex;
    bool m_first = true;
};

// Asks the running Tandrel to show its main panel, and lets it come to the
// front; false when no running overlay was found.
bool ShowRunningInstance();

} // namespace tandrel
