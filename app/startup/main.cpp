// Tandrel: a second pointer on the screen, nudged from a panel in the tray.

#include "framework/forms/Application.h"
#include "skin/engine/SkinManage.h"
#include "app/startup/SingleInstance.h"
#include "app/startup/Tandrel.h"
#include "editors/trackbar/cxEditRegistration.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    using namespace tandrel;
    TSingleInstance instance;
    if (!instance.First()) {
        ShowRunningInstance();
        return 0;
    }
    try {
        StartApplication();
    } catch (...) {
        HandleCallbackException(nullptr);
        return 1;
    }
    Application->Run();
    StopApplication();
    FinalizeFramework();
    FinalizeSkinEngine();
    FinalizeEditors();
    return 0;
}
