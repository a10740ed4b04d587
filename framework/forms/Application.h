#pragma once
// The application: its hidden top-level window, its forms, the message loop
// and what happens to exceptions that escape a handler.

#include "framework/core/Component.h"
#include "framework/forms/FormHost.h"
#include "framework/controls/Control.h"
#include "framework/controls/HelperWindow.h"

#include <functional>
#include <string>
#include <vector>

namespace tandrel {

class TCustomForm;

using TExceptionEvent = std::function<void(TObject* sender, const std::string& message)>;

class TApplication final : public TComponent, public TFormHost, private TWindowMessageTarget {
public:
    TApplication();
    ~TApplication() override;
    const char* ClassName() const override { return "TApplication"; }

    // Makes the hidden window of class "TApplication".
    void Initialize();
    HWND Handle() const override { return m_handle; }
    const std::wstring& Title() const { return m_title; }
    void SetTitle(const std::wstring& title);

    // The first form created becomes the main form; its window is made at once.
    template <class T>
    T* CreateForm()
    {
        T* form = T::template Create<T>(this);
        FormCreated(form);
        return form;
    }
    TCustomForm* MainForm() const override { return m_mainForm; }
    bool ShowMainForm = true;

    // Shows the main form, then dispatches messages until termination.
    void Run();
    // The first step of Run alone: the taskbar button and the main form appear.
    void ShowMainFormAtStart();
    // Runs the termination procedures, then posts the quit message.
    void Terminate() override;
    bool Terminated() const override { return m_terminated; }
    // Lets a later Run start again (tests run several lives of the shell in one process).
    void ResetTerminated() { m_terminated = false; }
    void AddTerminateProc(std::function<void()> proc) { m_terminateProcs.push_back(std::move(proc)); }

    void HandleMessage() override;       // one message, or wait for one
    void ProcessMessages();     // every queued message, without waiting
    bool ProcessMessage();      // false when the queue is empty

    // Reports the exception being handled (call inside a catch block):
    // OnException when assigned, otherwise the error message box.
    void HandleException(TObject* sender) override;
    // The same for a failure that was handled where it happened but must
    // still be told to the user.
    void HandleError(TObject* sender, const std::string& message);
    void ShowException(const std::string& message);
    TExceptionEvent OnException;

    // Sends mouse-leave and mouse-enter notifications when the control under
    // the mouse has changed.
    void UpdateMouseControl();
    TControl* MouseControl() const { return tandrel::MouseControl(); }

    // Frees a form once the messages queued for it are handled.
    void ReleaseForm(TCustomForm* form) override;
    void CancelRelease(TCustomForm* form) override;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    bool WindowMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void FormCreated(TCustomForm* form);
    bool IsDialogKey(const MSG& msg);
    bool IsDialogChar(const MSG& msg);
    void Idle();
    void FreeReleasedForms();

    HWND m_handle = nullptr;
    std::wstring m_title;
    TCustomForm* m_mainForm = nullptr;
    bool m_terminated = false;
    std::vector<std::function<void()>> m_terminateProcs;
    std::vector<TCustomForm*> m_released;
};

extern TApplication* Application;

// Makes the application and screen objects, and frees them.
void InitializeFramework();
void FinalizeFramework();

void UpdateMouseControl();

} // namespace tandrel
