#pragma once
// The small window of the USB mouse buttons: it asks the user to move the
// mouse to bind (and gives up after a while), or says why there is nothing
// to do.

#include "framework/controls/Button.h"
#include "framework/forms/Forms.h"
#include "framework/controls/Label.h"
#include "framework/graphics/GdiObjects.h"

namespace tandrel {

enum class TBindPromptKind { bpWaiting, bpOnlyOneMouse, bpNothingBound };

class TForm3 : public TForm {
public:
    const char* ClassName() const override { return "TForm3"; }
    ~TForm3() override;

    TLabel* Label1 = nullptr;  // what is going on
    TLabel* Label2 = nullptr;  // what it means, and what the system cannot do
    TButton* Button1 = nullptr;

    TBindPromptKind Kind() const { return m_kind; }
    // Shows the texts of a kind; waiting also starts the time limit.
    void Present(TBindPromptKind kind);
    // A mouse has been chosen: close without cancelling.
    void Finish();

protected:
    friend class TCustomForm;
    explicit TForm3(TComponent* owner);
    void Loaded() override;
    void WndProc(TMessage& message) override;

private:
    void Button1Click(TObject* sender);
    void FormClose(TCloseAction& action);
    void OnTimer(TMessage& m);

    TBindPromptKind m_kind = TBindPromptKind::bpWaiting;
    bool m_waiting = false;
    TWindowTimer m_timer;
};

// The open prompt, or none.
extern TForm3* Form3;

// How long the prompt waits for a mouse to move.
constexpr unsigned kBindPromptTimeoutMs = 15000;
// Tests shorten the wait; 0 puts the default back.
void SetBindPromptTimeout(unsigned ms);

// Shows the prompt (one at a time), owned by owner.
void ShowBindPrompt(TComponent* owner, TBindPromptKind kind);
// The binding has chosen a mouse: a waiting prompt closes.
void BindPromptChosen();

} // namespace tandrel
