#include "Tandrel.h"

#include "Application.h"
#include "SkinManage.h"
#include "U_About.h"
#include "Unit1.h"
#include "Unit4.h"
#include "cxEditRegistration.h"

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
