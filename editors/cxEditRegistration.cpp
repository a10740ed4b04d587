#include "editors/cxEditRegistration.h"

#include "framework/core/FormReader.h"
#include "editors/cxLookAndFeels.h"
#include "editors/cxTrackBar.h"
#include "editors/dxThemeManager.h"

namespace tandrel {

namespace {
bool g_initialized = false;
}

void InitializeEditors()
{
    if (g_initialized)
        return;
    InitializeThemeManager();
    TcxLookAndFeel::CreateRoot();
    RegisterEditPropertiesClass(TcxTrackBarProperties::Class(), "TrackBar|Represents a TrackBar",
                                "TcxFilterTrackBarHelper");
    RegisterComponentClass<TcxTrackBar>("TcxTrackBar");
    RegisterComponentClass<TcxLookAndFeelController>("TcxLookAndFeelController");
    g_initialized = true;
}

void FinalizeEditors()
{
    if (!g_initialized)
        return;
    UnregisterEditPropertiesClass(TcxTrackBarProperties::Class());
    TcxLookAndFeel::DestroyRoot();
    FinalizeThemeManager();
    g_initialized = false;
}

} // namespace tandrel
