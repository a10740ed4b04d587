#include "app/startup/Tandrel.h"

#include "framework/forms/Application.h"
#include "skin/engine/SkinManage.h"
#include "app/forms/U_About.h"
#include "app/forms/U_Bind.h"
#include "app/mouse/MouseBinding.h"
#include "app/forms/Unit1.h"
#include "app/forms/Unit4.h"
#include "editors/trackbar/cxEditRegistration.h"

#include <memory>

namespace tandrel {

namespace {

std::unique_ptr<TMouseBinding> g_mouseBinding;

// Skinned and fitted while still hidden, the panel is painted once, in its
// skin, not first in the system's frame and then again.
void ShowPanelSkinned()
{
    if (SkinManager && !IsWindowVisible(Form1->Handle()))
        SkinManager->SkinWindowNow(Form1->Handle());
    Form1->Show();
}

} // namespace

void StartApplication()
{
    InitializeFramework();
    Application->Initialize();
    Application->SetTitle(L"Tandrel");
    InitializeEditors();
    InitializeSkinEngine();
    Form4 = Application->CreateForm<TForm4>();
    Form1 = Application->CreateForm<TForm1>();
    // Made (and skinned) hidden now, the panel is only shown by the tray.
    Form1->HandleNeeded();
    if (SkinManager)
        SkinManager->SkinWindowNow(Form1->Handle());
    ShowMainPanel = ShowPanelSkinned;
    // Without its second mouse the program still runs: say why once, go on.
    try {
        g_mouseBinding = std::make_unique<TMouseBinding>();
        MouseBinding = g_mouseBinding.get();
        MouseBinding->OnChosen = BindPromptChosen;
        MouseBinding->ReadTip = [] { return Form4 ? Form4->Tip() : POINT {}; };
        MouseBinding->PlaceTip = [](POINT tip) {
            if (Form4)
                Form4->MoveTipTo(tip);
        };
        MouseBinding->Mouse().Start();
    } catch (...) {
        Application->HandleException(Application);
    }
}

void StopApplication()
{
    MouseBinding = nullptr;
    g_mouseBinding.reset();
    ShowMainPanel = nullptr;
    delete Form1;
    Form1 = nullptr;
    delete Form4;
    Form4 = nullptr;
    Form2 = nullptr;
}

} // namespace tandrel
