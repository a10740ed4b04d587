// A control among the windows: joining and leaving its windowed parent, its
// place and visibility there, the colour and font it takes from it, the
// repaints that go through the parent's window, the mouse capture and the
// control under the mouse.

#include "framework/controls/Control.h"
#include "framework/controls/WinControl.h"

namespace tandrel {

namespace {
TControl* g_captureControl = nullptr;
TControl* g_mouseControl = nullptr;
}

TControl* CaptureControl() { return g_captureControl; }

void SetCaptureControl(TControl* control)
{
    ReleaseCapture();
    g_captureControl = nullptr;
    if (!control)
        return;
    if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
        SetCapture(windowed->Handle());
    } else if (control->Parent()) {
        SetCapture(control->Parent()->Handle());
        g_captureControl = control;
    }
}

TControl::~TControl()
{
    Destroying();
    if (g_captureControl == this)
        SetCaptureControl(nullptr);
    if (g_mouseControl == this)
        g_mouseControl = nullptr;
    if (m_parent)
        m_parent->RemoveControl(this);
}

void TControl::SetParent(TWinControl* parent)
{
    if (parent == m_parent)
        return;
    if (parent == this)
        throw EInvalidOperation("A control cannot be its own parent");
    if (m_parent)
        m_parent->RemoveControl(this);
    if (parent) {
        parent->InsertControl(this);
        if (m_parentFont)
            OnParentFontChanged();
        if (m_parentColor)
            OnParentColorChanged();
    }
}

void TControl::SetParentComponent(TComponent* parent)
{
    if (auto* container = dynamic_cast<TWinControl*>(parent))
        SetParent(container);
}

void TControl::SetBounds(int left, int top, int width, int height)
{
    if (left == m_left && top == m_top && width == m_width && height == m_height)
        return;
    RECT old = BoundsRect();
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    if (m_visible) {
        InvalidateParentArea(old);
        InvalidateParentArea(BoundsRect());
    }
    if (m_parent)
        m_parent->ControlsChanged();
}

POINT TControl::ClientOrigin() const
{
    if (!m_parent)
        return {m_left, m_top};
    POINT p = m_parent->ClientOrigin();
    return {p.x + m_left, p.y + m_top};
}

void TControl::SetVisible(bool visible)
{
    if (visible == m_visible)
        return;
    m_visible = visible;
    Perform(CM_VISIBLECHANGED, visible);
    VisibleChanged();
    if (m_parent)
        m_parent->ControlsChanged();
}

bool TControl::Showing() const { return m_visible && m_parent && m_parent->Showing(); }

void TControl::OnParentColorChanged()
{
    if (!m_parentColor || !m_parent)
        return;
    if (m_color != m_parent->Color()) {
        m_color = m_parent->Color();
        ColorChanged();
        Perform(CM_COLORCHANGED);
    }
}

void TControl::OnParentFontChanged()
{
    if (!m_parentFont || !m_parent)
        return;
    m_takingParentFont = true;
    m_font.Assign(m_parent->Font());
    m_takingParentFont = false;
}

void TControl::InvalidateParentArea(const RECT& area)
{
    if (m_parent && m_parent->HandleAllocated())
        InvalidateRect(m_parent->Handle(), &area, !(m_controlStyle & csOpaque));
}

void TControl::Update()
{
    if (m_parent && m_parent->HandleAllocated())
        UpdateWindow(m_parent->Handle());
}

void TControl::BringToFront()
{
    if (m_parent)
        m_parent->MoveControlToFront(this);
}

bool TControl::MouseCapture() const
{
    if (g_captureControl == this)
        return true;
    auto* windowed = dynamic_cast<const TWinControl*>(this);
    return windowed && windowed->HandleAllocated() && GetCapture() == windowed->Handle();
}

TControl* MouseControl() { return g_mouseControl; }

void UpdateMouseControl()
{
    POINT p;
    if (!GetCursorPos(&p))
        return;
    TControl* target = nullptr;
    HWND window = WindowFromPoint(p);
    if (TWinControl* windowed = TWinControl::FindControl(window)) {
        TControl* child = windowed->ControlAtPos(windowed->ScreenToClient(p), false);
        target = child ? child : windowed;
    }
    if (target == g_mouseControl)
        return;
    TControl* old = g_mouseControl;
    g_mouseControl = target;
    if (old)
        old->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(old));
    // The leave handler may have freed the target or moved the mouse on.
    if (target && target == g_mouseControl)
        target->Perform(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(target));
}

TModalHost* ParentModalHost(TControl* control)
{
    while (control && control->Parent())
        control = control->Parent();
    return dynamic_cast<TModalHost*>(control);
}

} // namespace tandrel
