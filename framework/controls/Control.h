#pragma once
// Base of everything placed on a form, windowed or not.

#include "framework/graphics/Canvas.h"
#include "framework/core/Colors.h"
#include "framework/core/Component.h"
#include "framework/core/Messages.h"

#include <functional>
#include <string>

namespace tandrel {

class TWinControl;

using TNotifyEvent = std::function<void(TObject* sender)>;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };
enum TShiftFlag : unsigned {
    ssShift = 1u << 0, ssAlt = 1u << 1, ssCtrl = 1u << 2,
    ssLeft = 1u << 3, ssRight = 1u << 4, ssMiddle = 1u << 5, ssDouble = 1u << 6,
};
using TShiftState = unsigned;
using TMouseEvent = std::function<void(TObject* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TObject* sender, TShiftState shift, int x, int y)>;
// A handler that sets key to 0 keeps the key from the control's default handling.
using TKeyEvent = std::function<void(TObject* sender, WORD& key, TShiftState shift)>;
using TKeyPressEvent = std::function<void(TObject* sender, wchar_t& key)>;

// Cursor identifiers of the screen's cursor table.
using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crArrow = -2;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crHandPoint = -21;

// The shared system cursor of a cursor identifier (never freed).
HCURSOR CursorHandle(TCursor cursor);
// The application-wide cursor (the screen's Cursor): every window of the
// application shows it while it is not crDefault. Setting it here only
// records it; the screen also shows it at once.
TCursor ApplicationCursor();
void SetApplicationCursor(TCursor cursor);

// What a button's click may close with a result: a form, by the time the
// button sits on one.
using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = IDOK;
constexpr TModalResult mrCancel = IDCANCEL;
constexpr TModalResult mrAbort = IDABORT;
constexpr TModalResult mrRetry = IDRETRY;
constexpr TModalResult mrIgnore = IDIGNORE;
constexpr TModalResult mrYes = IDYES;
constexpr TModalResult mrNo = IDNO;

enum TControlStyleFlag : unsigned {
    csAcceptsControls = 1u << 0,
    csCaptureMouse = 1u << 1,
    csClickEvents = 1u << 2,
    csOpaque = 1u << 3,        // paints its whole area: the parent need not erase under it
    csDoubleClicks = 1u << 4,
    csSetCaption = 1u << 5,
};

enum TControlStateFlag : unsigned {
    csLButtonDown = 1u << 0,
    csClicked = 1u << 1,
    csFocusing = 1u << 2,
    csCreating = 1u << 3,
};

TShiftState KeysToShiftState(WPARAM keys);
// Shift, Ctrl, Alt and the mouse buttons as the thread's key state has them now.
TShiftState CurrentShiftState();

class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;
    const char* ClassName() const override { return "TControl"; }
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();

    // The replaceable message handler: every message of the control goes
    // through it. It starts out as the control's own WndProc.
    TWndMethod WindowProc;
    LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

    TWinControl* Parent() const { return m_parent; }
    virtual void SetParent(TWinControl* parent);
    void SetParentComponent(TComponent* parent) override;

    int Left() const { return m_left; }
    int Top() const { return m_top; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    void SetLeft(int value) { SetBounds(value, m_top, m_width, m_height); }
    void SetTop(int value) { SetBounds(m_left, value, m_width, m_height); }
    void SetWidth(int value) { SetBounds(m_left, m_top, value, m_height); }
    void SetHeight(int value) { SetBounds(m_left, m_top, m_width, value); }
    virtual void SetBounds(int left, int top, int width, int height);
    RECT BoundsRect() const { return {m_left, m_top, m_left + m_width, m_top + m_height}; }
    virtual RECT ClientRect() const { return {0, 0, m_width, m_height}; }
    int ClientWidth() const { return ClientRect().right; }
    int ClientHeight() const { return ClientRect().bottom; }
    virtual POINT ClientOrigin() const;  // screen position of client (0, 0)
    POINT ClientToScreen(POINT p) const;
    POINT ScreenToClient(POINT p) const;

    bool Visible() const { return m_visible; }
    virtual void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible itself and every parent up to a shown window.
    virtual bool Showing() const;

    bool Enabled() const { return m_enabled; }
    virtual void SetEnabled(bool enabled);

    std::wstring Caption() const { return GetText(); }
    void SetCaption(const std::wstring& text) { SetText(text); }
    virtual std::wstring GetText() const { return m_text; }
    virtual void SetText(const std::wstring& text);

    TColor Color() const { return m_color; }
    void SetColor(TColor colour);
    bool ParentColor() const { return m_parentColor; }
    void SetParentColor(bool parentColor);
    TFont& Font() { return m_font; }
    TFont* FontObject() { return &m_font; }
    bool ParentFont() const { return m_parentFont; }
    void SetParentFont(bool parentFont);
    TCursor Cursor() const { return m_cursor; }
    void SetCursor(TCursor cursor);

    unsigned ControlStyle() const { return m_controlStyle; }
    void SetControlStyle(unsigned style) { m_controlStyle = style; }
    unsigned ControlState() const { return m_controlState; }

    virtual void Invalidate();
    virtual void Update();
    void Repaint();
    void BringToFront();

    // Routes the mouse to this control until released; windowless controls
    // borrow their parent's window for it.
    bool MouseCapture() const;
    void SetMouseCapture(bool capture);

    virtual void Click();

    // Lays the control out again at `to` pixels per inch from `from`: its
    // bounds and, unless it follows its parent's, its font.
    virtual void ChangeScale(int to, int from);

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;

protected:
    // The control's own message handling; WindowProc calls it unless replaced.
    virtual void WndProc(TMessage& message);
    // What a message does when nobody handles it.
    virtual void DefaultHandler(TMessage& message);

    // Stores a value the control paints, and repaints when it changed.
    template <class T>
    void SetPaintedProperty(T& field, T value)
    {
        if (field != value) {
            field = value;
            Invalidate();
        }
    }

    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void FontChanged();
    virtual void ColorChanged();
    virtual void VisibleChanged();
    virtual void EnabledChanged();
    virtual void TextChanged();

    void SetTextSilently(const std::wstring& text) { m_text = text; }
    // Each edge is scaled, not the size, so controls that met still meet.
    void ScaleBounds(int to, int from);
    void ScaleFont(int to, int from);
    void InvalidateParentArea(const RECT& area);

    int m_left = 0;
    int m_top = 0;
    int m_width = 0;
    int m_height = 0;
    unsigned m_controlStyle = csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks;
    unsigned m_controlState = 0;

private:
    void OnLButtonDown(TMessage& m, bool doubleClick);
    void OnLButtonUp(TMessage& m);
    void OnButtonDown(TMessage& m, TMouseButton button);
    void OnButtonUp(TMessage& m, TMouseButton button);
    void OnMouseMoveMessage(TMessage& m);
    void OnParentFontChanged();
    void OnParentColorChanged();

    friend class TWinControl;

    TWinControl* m_parent = nullptr;
    bool m_visible = true;
    bool m_enabled = true;
    std::wstring m_text;
    TColor m_color = clWindow;
    bool m_parentColor = true;
    TFont m_font;
    bool m_parentFont = true;
    bool m_takingParentFont = false;
    TCursor m_cursor = crDefault;
};

// What buttons ask of the form they sit on; forms implement it.
class TModalHost {
public:
    virtual void SetModalResult(TModalResult result) = 0;
    virtual void Close() = 0;

protected:
    ~TModalHost() = default;
};

// Which control is under the mouse, application-wide. When that changes,
// the one the mouse left gets CM_MOUSELEAVE and the one it entered
// CM_MOUSEENTER. A control that is freed stops being it.
void UpdateMouseControl();
TControl* MouseControl();
// The control holding the mouse capture: a windowed control captures
// through its own window, any other through its parent's.
TControl* CaptureControl();
void SetCaptureControl(TControl* control);

// The top-level parent of `control` as a modal host, or none.
TModalHost* ParentModalHost(TControl* control);

} // namespace tandrel
