#include "app/Tandrel.h"

#include "framework/forms/Application.h"
#include "skin/engine/SkinManage.h"
#include "app/U_About.h"
#include "app/Unit1.h"
#include "app/Unit4.h"
#include "editors/cxEditRegistration.h"

namespace tandrel {

void StartApplication()
{
    InitializeFramework();
    Application->Initialize();
    Application->SetTitle(L"Tandrel");
    InitializeEditors();
    InitializeSkinEngine();
    Form4 = Application->CreateForm<TForm4>();
    Form1 = Application->CreateForm<TForm1>();
}

void StopApplication()
{
    delete Form1;
    Form1 = nullptr;
    delete Form4;
    Form4 = nullptr;
    Form2 = nullptr;
}

} // namespace tandrel
