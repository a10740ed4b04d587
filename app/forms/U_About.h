#pragma once
// The About window: the home page links, the e-mail addresses and what the
// software does.

#include "framework/controls/Edit.h"
#include "framework/forms/Forms.h"
#include "framework/controls/Label.h"

#include <functional>
#include <string>

namespace tandrel {

class TForm2 : public TForm {
public:
    const char* ClassName() const override { return "TForm2"; }

    TLabel* Label4 = nullptr;
    TLabel* Label7 = nullptr;
    TLabel* Label5 = nullptr;
    TLabel* Label1 = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* Label3 = nullptr;
    TMemo* Memo1 = nullptr;

protected:
    friend class TCustomForm;
    explicit TForm2(TComponent* owner);
    void Loaded() override;

private:
    void LinkMouseEnter(TObject* sender);
    void LinkMouseLeave(TObject* sender);
    void Label7Click(TObject* sender);
    void Label1Click(TObject* sender);
};

// The open About window, or none.
extern TForm2* Form2;

// Creates an About window owned by owner, shows it modally, then frees it.
void ShowAboutWindow(TComponent* owner);

// Lets tests see the addresses handed to the shell (after the real call).
using TShellOpenObserver = std::function<void(HWND owner, const std::wstring& address)>;
void SetShellOpenObserver(TShellOpenObserver observer);

} // namespace tandrel
