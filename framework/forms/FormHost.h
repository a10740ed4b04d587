#pragma once
// What a form asks of the application that runs it. Forms reach the
// application only through this, so that they sit below it.

#include <windows.h>

namespace tandrel {

class TCustomForm;
class TObject;

class TFormHost {
public:
    // The hidden window that owns every form's window.
    virtual HWND Handle() const = 0;
    virtual TCustomForm* MainForm() const = 0;
    // Reports an exception that escaped a form's handler.
    virtual void HandleException(TObject* sender) = 0;
    // Ends the message loop (the main form closed).
    virtual void Terminate() = 0;
    virtual bool Terminated() const = 0;
    // One message, or a wait for one (a modal form's loop).
    virtual void HandleMessage() = 0;
    // Frees a form once its handlers have returned; or, no longer.
    virtual void ReleaseForm(TCustomForm* form) = 0;
    virtual void CancelRelease(TCustomForm* form) = 0;

protected:
    ~TFormHost() = default;
};

// The host of every form: the application, while there is one.
TFormHost* FormHost();

} // namespace tandrel
