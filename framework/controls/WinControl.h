#pragma once
// A control with a window of its own: the framework's window procedure
// finds the object and hands every message to its WindowProc.

#include "framework/controls/Control.h"

#include <string>
#include <vector>

namespace tandrel {

// What CreateParams gives CreateWnd.
struct TCreateParams {
    std::wstring Caption;
    DWORD Style = 0;
    DWORD ExStyle = 0;
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
    HWND WndParent = nullptr;
    std::wstring WinClassName;   // registered under this name
    std::wstring BaseClassName;  // system class to build on ("EDIT"), or empty
    DWORD CommonControlClasses = 0; // ICC_* the base class needs registered first
    UINT WindowClassStyle = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    HCURSOR ClassCursor = nullptr;
    HWND MdiClient = nullptr;    // set for an MDI child: it is made by this MDI client
};

LRESULT CALLBACK FrameworkWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;
    const char* ClassName() const override { return "TWinControl"; }
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();

    HWND Handle();  // creates the window when there is none
    HWND Handle() const { return m_handle; }
    bool HandleAllocated() const { return m_handle != nullptr; }
    void HandleNeeded() { Handle(); }
    void RecreateWnd();
    // Whether the window is built on that system class ("SysTabControl32").
    bool BuiltOn(const wchar_t* systemClass) const;

    int ControlCount() const { return static_cast<int>(m_controls.size()); }
    TControl* Controls(int index) const { return m_controls.at(static_cast<size_t>(index)); }
    // The topmost visible child control at a client point, windowless ones
    // only unless allowWindowed.
    TControl* ControlAtPos(POINT p, bool allowDisabled, bool allowWindowed = false) const;

    void SetBounds(int left, int top, int width, int height) override;
    // Its own bounds, then its children, then its font: a child that sizes
    // itself to its font does so once its bounds are scaled.
    void ChangeScale(int to, int from) override;
    RECT ClientRect() const override;
    POINT ClientOrigin() const override;
    bool Showing() const override;
    std::wstring GetText() const override;
    void Invalidate() override;
    void Update() override;

    int TabOrder() const;
    void SetTabOrder(int order);
    bool TabStop() const { return m_tabStop; }
    void SetTabStop(bool tabStop);
    bool Focused() const;
    virtual bool CanFocus() const;
    virtual void SetFocus();
    // The windowed children in tab order.
    std::vector<TWinControl*> TabList() const;
    // The next (or previous) focusable control after current, wrapping around.
    TWinControl* FindNextControl(TWinControl* current, bool forward, bool checkTabStop) const;

    bool DoubleBuffered() const { return m_doubleBuffered; }
    void SetDoubleBuffered(bool value) { m_doubleBuffered = value; }

    // Paints every windowless child over the given DC (client coordinates).
    void PaintControls(HDC dc);

    // The framework control that owns a window, or none.
    static TWinControl* FindControl(HWND window);

    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;

protected:
    virtual void CreateParams(TCreateParams& params);
    virtual void CreateWnd();
    virtual void CreateHandle();
    virtual void DestroyHandle();
    // After the window exists: fonts and other state the window must be told.
    virtual void InitializeWindow();
    // Before the window goes: reads back what the user changed there (the
    // text, a selection, a position), so that the next window starts with it.
    virtual void SaveWindowState();
    // A WM_COMMAND or WM_NOTIFY the control sent, handed back by its parent.
    virtual void ReflectedCommand(WORD code, WORD id);
    virtual LRESULT ReflectedNotify(NMHDR& header);
    // Paints the control's own content (windows of our own classes only).
    virtual void PaintWindow(HDC dc);
    // Keyboard input of the focused window; a key set to 0 goes no further.
    virtual void KeyDown(WORD& key, TShiftState shift);
    virtual void KeyUp(WORD& key, TShiftState shift);
    virtual void KeyPress(wchar_t& key);
    // The window has gained (DoEnter) or lost (DoExit, on CM_EXIT) the keyboard focus.
    virtual void DoEnter();
    virtual void DoExit();
    // A child came, went, moved, resized or was shown or hidden.
    virtual void ControlsChanged() {}

    void WndProc(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;
    void VisibleChanged() override;
    void EnabledChanged() override;
    void TextChanged() override;
    void FontChanged() override;
    void ColorChanged() override;

    // Stores a value that only a new window can show, and makes that window.
    template <class T>
    void SetWindowProperty(T& field, T value)
    {
        if (field != value) {
            field = value;
            RecreateWnd();
        }
    }

    // Windows built on a system class paint themselves; ours paint through PaintWindow.
    bool IsOwnClass() const { return m_defWndProc == DefWindowProcW; }
    HBRUSH BackgroundBrush() { return m_brush.Handle(); }
    void UpdateBoundsFromWindow();
    void ScaleChildren(int to, int from);

    virtual void OnPaint(TMessage& m);
    virtual void OnEraseBackground(TMessage& m);
    virtual void OnCtlColor(TMessage& m);
    virtual void OnSetCursor(TMessage& m);
    void OnReflectedMessage(TMessage& m);
    void OnWindowPosChanged(TMessage& m);
    void OnMouseMessage(TMessage& m);
    void MouseMovedOver(const TMessage& m);
    void OnNcDestroy(TMessage& m);
    void OnKeyDownMessage(TMessage& m);
    void OnKeyUpMessage(TMessage& m);
    void OnCharMessage(TMessage& m);
    void OnSetFocusMessage(TMessage& m);
    void OnKillFocusMessage(TMessage& m);

    HWND m_handle = nullptr;
    WNDPROC m_defWndProc = DefWindowProcW;

private:
    friend class TControl;
    friend LRESULT CALLBACK FrameworkWndProc(HWND, UINT, WPARAM, LPARAM);
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    void MoveControlToFront(TControl* control);
    void NotifyControls(UINT msg);
    bool IsControlMouseMsg(TMessage& m);
    bool HasWindowlessChildren() const;

    std::vector<TControl*> m_controls;  // in z-order, bottom first
    std::vector<TWinControl*> m_tabOrder;
    bool m_tabStop = false;
    bool m_doubleBuffered = false;
    bool m_trackingLeave = false;
    TBrush m_brush;
};

} // namespace tandrel
