#pragma once
// Forms: top-level windows read from their stored definitions.

#include "framework/controls/CustomControl.h"
#include "framework/graphics/Dpi.h"
#include "framework/graphics/Icon.h"
#include "framework/forms/Menus.h"

#include <functional>
#include <memory>
#include <string_view>
#include <vector>

namespace tandrel {

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBorderIcon : unsigned { biSystemMenu = 1u << 0, biMinimize = 1u << 1, biMaximize = 1u << 2, biHelp = 1u << 3 };
using TBorderIcons = unsigned;
enum class TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum class TPosition { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter,
                       poDesktopCenter, poMainFormCenter, poOwnerFormCenter };
enum class TWindowState { wsNormal, wsMinimized, wsMaximized };
enum class TCloseAction { caNone, caHide, caFree, caMinimize };


using TCloseEvent = std::function<void(TObject* sender, TCloseAction& action)>;
using TCloseQueryEvent = std::function<void(TObject* sender, bool& canClose)>;

class TCustomForm : public TCustomControl, public TModalHost {
public:
    // Makes a form of class T and reads its stored definition (a resource
    // named after the class, when there is one), then runs OnCreate.
    template <class T>
    static T* Create(TComponent* owner)
    {
        std::unique_ptr<T> form(new T(owner));
        form->AfterConstruction();
        return form.release();
    }

    ~TCustomForm() override;
    const char* ClassName() const override { return "TCustomForm"; }
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();

    void Show();
    void Hide() { SetVisible(false); }
    // Asks OnCloseQuery and OnClose; a modal form ends its modal loop, the
    // main form ends the application, others hide (or what OnClose says).
    void Close() override;
    TModalResult ShowModal();
    TModalResult ModalResult() const { return m_modalResult; }
    void SetModalResult(TModalResult result) override { m_modalResult = result; }
    bool Modal() const { return m_modal; }
    // Frees the form after the messages queued for it.
    void Release();
    bool Active() const;

    TFormBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TFormBorderStyle style);
    TBorderIcons BorderIcons() const { return m_borderIcons; }
    void SetBorderIcons(TBorderIcons icons);
    TFormStyle FormStyle() const { return m_formStyle; }
    void SetFormStyle(TFormStyle style);
    TPosition Position() const { return m_position; }
    void SetPosition(TPosition position) { m_position = position; }
    TWindowState WindowState() const;
    void SetWindowState(TWindowState state);
    void SetClientWidth(int width);
    void SetClientHeight(int height);
    int ClientWidthValue() const { return ClientWidth(); }
    int ClientHeightValue() const { return ClientHeight(); }

    TIcon& Icon() { return m_icon; }
    TIcon* IconObject() { return &m_icon; }

    // The menu bar. A definition cannot name a component, so it is set in code.
    TMainMenu* Menu() const { return m_menu; }
    void SetMenu(TMainMenu* menu);

    // The "MDIClient" window of an MDI frame (fsMDIForm), or none.
    HWND ClientHandle() const { return m_clientHandle; }

    // The density the form is laid out at: its stored definition's until it
    // is scaled to its window's, when it is made and when the window moves
    // to a screen of another density (WM_DPICHANGED).
    int PixelsPerInch() const { return m_pixelsPerInch; }
    void ScaleForDpi(int dpi);
    void ChangeScale(int to, int from) override;

    TWinControl* ActiveControl() const { return m_activeControl; }
    void SetActiveControl(TWinControl* control);
    void SelectNext(TWinControl* current, bool forward, bool checkTabStop);

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TNotifyEvent OnPaint;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;

protected:
    explicit TCustomForm(TComponent* owner);
    // Reads the definition and raises OnCreate. Called by Create.
    virtual void AfterConstruction();
    // The stored definition: the resource named after the class, or none.
    virtual std::string_view StoredDefinition() const;

    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void DestroyHandle() override;
    void InitializeWindow() override;
    void WndProc(TMessage& message) override;
    // MDI frames and children hand what they leave to the MDI procedures.
    void DefaultHandler(TMessage& message) override;
    void Paint() override;
    void VisibleChanged() override;
    void Notification(TComponent* component, TOperation operation) override;

    virtual bool CloseQuery();
    virtual void DoShow();
    virtual void DoHide();
    virtual void DoClose(TCloseAction& action);

private:
    void OnActivateMessage(TMessage& m);
    void OnCloseMessage(TMessage& m);
    void OnCommandMessage(TMessage& m);
    void OnFocusChanged(TMessage& m);
    void OnDpiChanged(TMessage& m);
    void ApplyIcon();
    void ApplyClientSize();
    void CloseModal();
    void MenuChanged();
    void CreateMdiClient();
    // The MDI client an MDI child is created in.
    HWND MdiParentClient() const;

    TFormBorderStyle m_borderStyle = TFormBorderStyle::bsSizeable;
    TBorderIcons m_borderIcons = biSystemMenu | biMinimize | biMaximize;
    TFormStyle m_formStyle = TFormStyle::fsNormal;
    TPosition m_position = TPosition::poDesigned;
    TWindowState m_windowState = TWindowState::wsNormal;
    int m_wantedClientWidth = -1;
    int m_wantedClientHeight = -1;
    int m_pixelsPerInch = kDesignDpi;
    TIcon m_icon;
    TOwnedIcon m_smallIcon;
    TMainMenu* m_menu = nullptr;
    HWND m_clientHandle = nullptr;
    TWinControl* m_activeControl = nullptr;
    TModalResult m_modalResult = mrNone;
    bool m_modal = false;
    bool m_shownOnce = false;
};

class TForm : public TCustomForm {
public:
    const char* ClassName() const override { return "TForm"; }

protected:
    explicit TForm(TComponent* owner) : TCustomForm(owner) {}
};

// The form a control is placed on, or none.
TCustomForm* GetParentForm(TControl* control);

} // namespace tandrel
