#include "framework/controls/Control.h"

#include "framework/core/Publisher.h"
#include "framework/core/SysUtils.h"
#include "framework/graphics/Dpi.h"

#include <windowsx.h>

namespace tandrel {


TShiftState KeysToShiftState(WPARAM keys)
{
    TShiftState s = 0;
    if (keys & MK_SHIFT) s |= ssShift;
    if (keys & MK_CONTROL) s |= ssCtrl;
    if (keys & MK_LBUTTON) s |= ssLeft;
    if (keys & MK_RBUTTON) s |= ssRight;
    if (keys & MK_MBUTTON) s |= ssMiddle;
    if (GetKeyState(VK_MENU) < 0) s |= ssAlt;
    return s;
}

TShiftState CurrentShiftState()
{
    TShiftState s = 0;
    if (GetKeyState(VK_SHIFT) < 0) s |= ssShift;
    if (GetKeyState(VK_CONTROL) < 0) s |= ssCtrl;
    if (GetKeyState(VK_MENU) < 0) s |= ssAlt;
    if (GetKeyState(VK_LBUTTON) < 0) s |= ssLeft;
    if (GetKeyState(VK_RBUTTON) < 0) s |= ssRight;
    if (GetKeyState(VK_MBUTTON) < 0) s |= ssMiddle;
    return s;
}

const TClassInfo& TControl::StaticClassInfo()
{
    static const TClassInfo info = [] {
        TClassInfo i("TControl", &TComponent::StaticClassInfo());
        TPublisher<TControl>(i)
            .Integer("Left", &TControl::Left, &TControl::SetLeft)
            .Integer("Top", &TControl::Top, &TControl::SetTop)
            .Integer("Width", &TControl::Width, &TControl::SetWidth)
            .Integer("Height", &TControl::Height, &TControl::SetHeight)
            .String("Caption", &TControl::Caption, &TControl::SetCaption)
            .Colour("Color", &TControl::Color, &TControl::SetColor)
            .Object("Font", &TControl::FontObject)
            .Boolean("ParentColor", &TControl::ParentColor, &TControl::SetParentColor)
            .Boolean("ParentFont", &TControl::ParentFont, &TControl::SetParentFont)
            .Boolean("Visible", &TControl::Visible, &TControl::SetVisible)
            .Boolean("Enabled", &TControl::Enabled, &TControl::SetEnabled)
            .Integer("Cursor", &TControl::Cursor, &TControl::SetCursor)
            .Event("OnClick", &TControl::OnClick)
            .Event("OnDblClick", &TControl::OnDblClick)
            .Event("OnMouseEnter", &TControl::OnMouseEnter)
            .Event("OnMouseLeave", &TControl::OnMouseLeave)
            .Event("OnMouseDown", &TControl::OnMouseDown)
            .Event("OnMouseUp", &TControl::OnMouseUp)
            .Event("OnMouseMove", &TControl::OnMouseMove);
        return i;
    }();
    return info;
}

TControl::TControl(TComponent* owner) : TComponent(owner)
{
    WindowProc = [this](TMessage& m) { WndProc(m); };
    m_font.OnChange = [this] { FontChanged(); };
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam)
{
    TMessage m {msg, wParam, lParam, 0};
    WindowProc(m);
    return m.Result;
}

POINT TControl::ClientToScreen(POINT p) const
{
    POINT o = ClientOrigin();
    return {p.x + o.x, p.y + o.y};
}

POINT TControl::ScreenToClient(POINT p) const
{
    POINT o = ClientOrigin();
    return {p.x - o.x, p.y - o.y};
}

void TControl::VisibleChanged() { InvalidateParentArea(BoundsRect()); }

void TControl::SetEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    EnabledChanged();
    Perform(CM_ENABLEDCHANGED);
}

void TControl::EnabledChanged() { Invalidate(); }

void TControl::SetText(const std::wstring& text)
{
    if (text == GetText())
        return;
    m_text = text;
    TextChanged();
    Perform(CM_TEXTCHANGED);
}

void TControl::TextChanged() { Invalidate(); }

// A colour given to the control itself stops it following its parent's,
// even one equal to the colour it has now.
void TControl::SetColor(TColor colour)
{
    m_parentColor = false;
    if (colour == m_color)
        return;
    m_color = colour;
    ColorChanged();
    Perform(CM_COLORCHANGED);
}

void TControl::ColorChanged() { Invalidate(); }

void TControl::SetParentColor(bool parentColor)
{
    if (parentColor == m_parentColor)
        return;
    m_parentColor = parentColor;
    if (parentColor && m_parent)
        OnParentColorChanged();
}

void TControl::SetParentFont(bool parentFont)
{
    if (parentFont == m_parentFont)
        return;
    m_parentFont = parentFont;
    if (parentFont && m_parent)
        OnParentFontChanged();
}

void TControl::FontChanged()
{
    // A font given to the control itself stops it following its parent's.
    if (!m_takingParentFont)
        m_parentFont = false;
    Perform(CM_FONTCHANGED);
    Invalidate();
}

void TControl::ChangeScale(int to, int from)
{
    ScaleBounds(to, from);
    ScaleFont(to, from);
}

void TControl::ScaleBounds(int to, int from)
{
    int const left = ScaleDpi(m_left, to, from);
    int const top = ScaleDpi(m_top, to, from);
    int const right = ScaleDpi(m_left + m_width, to, from);
    int const bottom = ScaleDpi(m_top + m_height, to, from);
    SetBounds(left, top, right - left, bottom - top);
}

void TControl::ScaleFont(int to, int from)
{
    // A control without a parent has no font to follow.
    if (!m_parentFont || !m_parent)
        m_font.SetHeight(ScaleDpi(m_font.Height(), to, from));
}

void TControl::SetCursor(TCursor cursor)
{
    if (cursor != m_cursor) {
        m_cursor = cursor;
        Perform(CM_CURSORCHANGED);
    }
}

void TControl::Invalidate()
{
    if (m_visible)
        InvalidateParentArea(BoundsRect());
}

void TControl::Repaint()
{
    Invalidate();
    Update();
}

void TControl::SetMouseCapture(bool capture)
{
    if (capture == MouseCapture())
        return;
    SetCaptureControl(capture ? this : nullptr);
}

void TControl::Click()
{
    if (OnClick)
        OnClick(this);
}

void TControl::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case WM_LBUTTONDOWN: return OnLButtonDown(m, false);
    case WM_LBUTTONDBLCLK: return OnLButtonDown(m, true);
    case WM_LBUTTONUP: return OnLButtonUp(m);
    case WM_RBUTTONDOWN: case WM_RBUTTONDBLCLK: return OnButtonDown(m, TMouseButton::mbRight);
    case WM_RBUTTONUP: return OnButtonUp(m, TMouseButton::mbRight);
    case WM_MBUTTONDOWN: case WM_MBUTTONDBLCLK: return OnButtonDown(m, TMouseButton::mbMiddle);
    case WM_MBUTTONUP: return OnButtonUp(m, TMouseButton::mbMiddle);
    case WM_MOUSEMOVE: return OnMouseMoveMessage(m);
    case CM_MOUSEENTER:
        if (OnMouseEnter)
            OnMouseEnter(this);
        return;
    case CM_MOUSELEAVE:
        if (OnMouseLeave)
            OnMouseLeave(this);
        return;
    case CM_PARENTFONTCHANGED: return OnParentFontChanged();
    case CM_PARENTCOLORCHANGED: return OnParentColorChanged();
    default: return DefaultHandler(m);
    }
}

void TControl::DefaultHandler(TMessage&) {}

void TControl::OnLButtonDown(TMessage& m, bool doubleClick)
{
    m_controlState |= csLButtonDown;
    if (m_controlStyle & csCaptureMouse)
        SetMouseCapture(true);
    if (m_controlStyle & csClickEvents)
        m_controlState |= csClicked;
    TShiftState shift = KeysToShiftState(m.WParam) | (doubleClick ? unsigned(ssDouble) : 0u);
    if (doubleClick && OnDblClick)
        OnDblClick(this);
    MouseDown(TMouseButton::mbLeft, shift, GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam));
    DefaultHandler(m);
}

void TControl::OnLButtonUp(TMessage& m)
{
    m_controlState &= ~csLButtonDown;
    if (m_controlStyle & csCaptureMouse)
        SetMouseCapture(false);
    const int x = GET_X_LPARAM(m.LParam);
    const int y = GET_Y_LPARAM(m.LParam);
    if (m_controlState & csClicked) {
        m_controlState &= ~csClicked;
        RECT client = ClientRect();
        if (PtInRect(&client, POINT {x, y}))
            Click();
    }
    MouseUp(TMouseButton::mbLeft, KeysToShiftState(m.WParam), x, y);
    DefaultHandler(m);
}

void TControl::OnButtonDown(TMessage& m, TMouseButton button)
{
    MouseDown(button, KeysToShiftState(m.WParam), GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam));
    DefaultHandler(m);
}

void TControl::OnButtonUp(TMessage& m, TMouseButton button)
{
    MouseUp(button, KeysToShiftState(m.WParam), GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam));
    DefaultHandler(m);
}

void TControl::OnMouseMoveMessage(TMessage& m)
{
    MouseMove(KeysToShiftState(m.WParam), GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam));
    DefaultHandler(m);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (OnMouseDown)
        OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (OnMouseUp)
        OnMouseUp(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y)
{
    if (OnMouseMove)
        OnMouseMove(this, shift, x, y);
}

namespace {
TCursor g_applicationCursor = crDefault;
}

HCURSOR CursorHandle(TCursor cursor)
{
    const wchar_t* id = IDC_ARROW;
    switch (cursor) {
    case crHandPoint: id = IDC_HAND; break;
    case crIBeam: id = IDC_IBEAM; break;
    case crHourGlass: id = IDC_WAIT; break;
    case crSizeNWSE: id = IDC_SIZENWSE; break;
    default: break;
    }
    return LoadCursorW(nullptr, id);
}

TCursor ApplicationCursor() { return g_applicationCursor; }

void SetApplicationCursor(TCursor cursor) { g_applicationCursor = cursor; }

} // namespace tandrel
