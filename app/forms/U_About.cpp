#include "app/forms/U_About.h"

#include "framework/forms/Screen.h"

#include <shellapi.h>

#include <memory>

namespace tandrel {

TForm2* Form2 = nullptr;

namespace {

TShellOpenObserver g_shellObserver;

void OpenAddress(HWND owner, const std::wstring& address)
{
    // A failure to open is not the About window's business to report.
    ShellExecuteW(owner, L"open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    if (g_shellObserver)
        g_shellObserver(owner, address);
}

} // namespace

void SetShellOpenObserver(TShellOpenObserver observer) { g_shellObserver = std::move(observer); }

void ShowAboutWindow(TComponent* owner)
{
    std::unique_ptr<TForm2> about(TCustomForm::Create<TForm2>(owner));
    Form2 = about.get();
    struct TClearReference {
        ~TClearReference() { Form2 = nullptr; }
    } clear;
    about->ShowModal();
}

TForm2::TForm2(TComponent* owner) : TForm(owner)
{
    PublishHandler("Label7Click", TNotifyEvent([this](TObject* s) { Label7Click(s); }));
    PublishHandler("Label7MouseEnter", TNotifyEvent([this](TObject* s) { LinkMouseEnter(s); }));
    PublishHandler("Label7MouseLeave", TNotifyEvent([this](TObject* s) { LinkMouseLeave(s); }));
    PublishHandler("Label1Click", TNotifyEvent([this](TObject* s) { Label1Click(s); }));
    PublishHandler("Label1MouseEnter", TNotifyEvent([this](TObject* s) { LinkMouseEnter(s); }));
    PublishHandler("Label1MouseLeave", TNotifyEvent([this](TObject* s) { LinkMouseLeave(s); }));
}

void TForm2::Loaded()
{
    TForm::Loaded();
    BindComponent(Label4, "Label4");
    BindComponent(Label7, "Label7");
    BindComponent(Label5, "Label5");
    BindComponent(Label1, "Label1");
    BindComponent(Label2, "Label2");
    BindComponent(Label3, "Label3");
    BindComponent(Memo1, "Memo1");
}

void TForm2::LinkMouseEnter(TObject* sender)
{
    Screen->SetCursor(crHandPoint);
    static_cast<TLabel*>(sender)->Font().SetColor(clRed);
}

void TForm2::LinkMouseLeave(TObject* sender)
{
    Screen->SetCursor(crDefault);
    static_cast<TLabel*>(sender)->Font().SetColor(clNavy);
}

// The English label shows its address without the final slash.
void TForm2::Label7Click(TObject*) { OpenAddress(Handle(), Label7->Caption() + L"/"); }

void TForm2::Label1Click(TObject*) { OpenAddress(Handle(), Label1->Caption()); }

} // namespace tandrel
