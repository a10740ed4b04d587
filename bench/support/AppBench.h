#pragma once
// Benchmarks that run the real application: starts it, runs the measuring
// and shuts everything down again, whatever happened.

#include "app/startup/Tandrel.h"
#include "editors/trackbar/cxEditRegistration.h"
#include "framework/forms/Application.h"
#include "skin/engine/SkinManage.h"

#include <cstdio>
#include <exception>
#include <functional>

namespace tandrel::bench {

inline int RunWithApplication(const std::function<int()>& run)
{
    int result = 1;
    try {
        StartApplication();
        result = run();
    } catch (const std::exception& error) {
        std::printf("failed: %s\n", error.what());
    }
    StopApplication();
    FinalizeFramework();
    FinalizeSkinEngine();
    FinalizeEditors();
    return result;
}

} // namespace tandrel::bench
