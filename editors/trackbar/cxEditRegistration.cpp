#include "editors/trackbar/cxEditRegistration.h"

#include "framework/core/FormReader.h"
#include "editors/lookandfeel/cxLookAndFeels.h"
#include "editors/trackbar/cxTrackBar.h"
#include "editors/lookandfeel/dxThemeManager.h"

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
