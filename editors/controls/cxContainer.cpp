// The container control, its view info and mouse-leave tracking.

#include "editors/controls/cxContainer.h"

#include "framework/core/ScopeGuard.h"

#include "framework/forms/Application.h"
#include "framework/forms/Forms.h"
#include "framework/graphics/GdiObjects.h"
#include "editors/lookandfeel/dxThemeManager.h"

#include <windowsx.h>

#include <climits>
#include <map>

namespace tandrel {

namespace {

TShiftState MouseButtonsOf(WPARAM keys)
{
    return (keys & MK_LBUTTON ? ssLeft : 0u) | (keys & MK_RBUTTON ? ssRight : 0u) |
           (keys & MK_MBUTTON ? ssMiddle : 0u);
}

// The buttons as the thread's key state has them: one round trip for all three.
TShiftState MouseButtonsNow()
{
    BYTE keys[256] {};
    if (!GetKeyboardState(keys))
        return 0;
    return (keys[VK_LBUTTON] & 0x80 ? ssLeft : 0u) | (keys[VK_RBUTTON] & 0x80 ? ssRight : 0u) |
           (keys[VK_MBUTTON] & 0x80 ? ssMiddle : 0u);
}

} // namespace

unsigned ContainerStateOf(bool enabled, bool focused, bool hot)
{
    if (!enabled)
        return cxcsDisabled;
    return (focused ? cxcsFocused : cxcsNormal) | (hot ? cxcsHot : 0u);
}

int BorderWidthOf(TcxContainerBorderStyle style)
{
    switch (style) {
    case cbsNone: return 0;
    case cbsSingle: return 1;
    case cbsThick:
    case cbsFlat:
    case cbs3D: return 2;
    case cbsUltraFlat: return 1;
    }
    return 0;
}

TcxContainerBorderStyle DrawnBorderStyle(TcxContainerBorderStyle style, int hotTrackState)
{
    if (style == cbsUltraFlat)
        return cbsSingle;
    if (hotTrackState != 2)
        return style;
    switch (style) {
    case cbsNone: return cbsFlat;
    case cbsSingle: return cbsThick;
    case cbsFlat: return cbs3D;
    default: return style;
    }
}

void TcxContainerViewInfo::Assign(const TcxContainerViewInfo& s)
{
    static_cast<TcxContainerViewValues&>(*this) = s;
}

void TcxContainerViewInfo::Offset(int dx, int dy)
{
    Bounds = OffsetRectBy(Bounds, dx, dy);
    BorderRect = OffsetRectBy(BorderRect, dx, dy);
    ClientRect = OffsetRectBy(ClientRect, dx, dy);
}

void TcxContainerViewInfo::Paint(TcxCanvas& canvas)
{
    DrawBorder(canvas);
    canvas.FillRect(BorderRect, BackgroundColor);
}

void TcxContainerViewInfo::DrawBorder(TcxCanvas& canvas) const
{
    if (NativeStyle) {
        HTHEME theme = OpenThemeByIndex(totEdit);
        if (theme) {
            // Only the frame outside the content area.
            TSaveDC saved(canvas.Handle());
            ExcludeClipRect(canvas.Handle(), ClientRect.left, ClientRect.top, ClientRect.right, ClientRect.bottom);
            DrawThemeBackground(theme, canvas.Handle(), 1, NativeState(), Bounds);
            return;
        }
    }
    RECT r = InflateRectBy(BorderRect, BorderWidth, BorderWidth);
    DrawContainerBorder(canvas, r, BorderStyle);
    if (Shadow) {
        canvas.FillRect({r.right, r.top + 3, r.right + 3, r.bottom + 3}, clBtnShadow);
        canvas.FillRect({r.left + 3, r.bottom, r.right, r.bottom + 3}, clBtnShadow);
    }
}

void TcxContainerViewInfo::DrawContainerBorder(TcxCanvas& canvas, const RECT& rect,
                                               TcxContainerBorderStyle style) const
{
    auto sunkenEdge = [&](const RECT& r, TColor topLeft, TColor bottomRight) {
        canvas.FrameRect(r, topLeft, 1, Edges & (1u << bLeft | 1u << bTop));
        canvas.FrameRect(r, bottomRight, 1, Edges & (1u << bRight | 1u << bBottom));
    };
    switch (style) {
    case cbsSingle:
    case cbsThick:
        canvas.FrameRect(rect, BorderColor, BorderWidthOf(style), Edges);
        break;
    case cbsFlat:
        sunkenEdge(rect, clBtnShadow, clBtnHighlight);
        canvas.FrameRect(InflateRectBy(rect, -1, -1), clBtnFace, 1, Edges);
        break;
    case cbs3D:
        sunkenEdge(rect, clBtnShadow, clBtnHighlight);
        sunkenEdge(InflateRectBy(rect, -1, -1), cl3DDkShadow, cl3DLight);
        break;
    case cbsNone:
    case cbsUltraFlat:
        break;
    }
}

// Watches every 10 ms whether the cursor is still over a container: a
// leave can go unnoticed when the pointer jumps to another application.
class TMouseTrackingTimer {
public:
    explicit TMouseTrackingTimer(TcxContainer* container) : m_container(container)
    {
        m_id = SetTimer(nullptr, 0, 10, Tick);
        if (m_id)
            Timers()[m_id] = this;
    }
    ~TMouseTrackingTimer()
    {
        if (!m_id)
            return;
        KillTimer(nullptr, m_id);
        Timers().erase(m_id);
    }
    TMouseTrackingTimer(const TMouseTrackingTimer&) = delete;
    TMouseTrackingTimer& operator=(const TMouseTrackingTimer&) = delete;

private:
    static std::map<UINT_PTR, TMouseTrackingTimer*>& Timers()
    {
        static std::map<UINT_PTR, TMouseTrackingTimer*> timers;
        return timers;
    }
    static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD)
    {
        auto it = Timers().find(id);
        if (it == Timers().end())
            return;
        TcxContainer* container = it->second->m_container;
        try {
            if (!container->CursorInsideBounds())
                container->TrackedMouseLeft();  // frees this timer
        } catch (...) {
            HandleCallbackException(container);
        }
    }

    TcxContainer* m_container;
    UINT_PTR m_id = 0;
};

TcxContainer::TcxContainer(TComponent* owner, const TcxContainerClasses& classes)
    : TcxControl(owner), m_classes(classes)
{
    m_style = m_classes.CreateStyle(this);
    m_style->OnChanged = [this] { StyleModified(); };
    m_viewInfo = m_classes.CreateViewInfo();
    LookAndFeel().SetSource(&m_style->LookAndFeel());
    m_controlStyle |= csCaptureMouse | csSetCaption;
    SetTabStop(true);
    SetParentColor(false);
    SetColor(clWindow);
    m_isCreating = false;
}

TcxContainer::~TcxContainer()
{
    Destroying();
    m_tracking.reset();
    // The window goes first: its last messages still find the style and view info.
    DestroyHandle();
    m_style.reset();
}

void TcxContainer::CreateParams(TCreateParams& p)
{
    TcxControl::CreateParams(p);
    // Resizing repaints what the view info says changed, not the whole window.
    p.WindowClassStyle &= ~(CS_HREDRAW | CS_VREDRAW);
    if (!(m_controlStyle & csDoubleClicks))
        p.WindowClassStyle &= ~CS_DBLCLKS;
}

void TcxContainer::CreateWnd()
{
    m_pointer = {};
    m_hasFocus = false;
    TcxControl::CreateWnd();
    Canvas().Font().Assign(Font());
    RefreshContainer(false);
}

bool TcxContainer::TakesFocusOnClick() const
{
    if (m_innerControl && m_innerControl->Focused())
        return false;
    return true;
}

void TcxContainer::WndProc(TMessage& m)
{
    NoteInput(m);
    switch (m.Msg) {
    case WM_SETFOCUS:
        if (!Visible())
            return;
        break;
    case WM_SIZE:
        TcxControl::WndProc(m);
        if (!m_isCreating && !(ControlState() & csCreating))
            RefreshContainer(false);
        return;
    case CM_ENABLEDCHANGED:
        TcxControl::WndProc(m);
        RefreshContainer(false);
        return;
    case CM_COLORCHANGED: return OnColorChangedMessage();
    case CM_FONTCHANGED: return OnFontChangedMessage();
    default: break;
    }
    TcxControl::WndProc(m);
}

// Before anything handles the message, so that every handler's refresh sees it.
void TcxContainer::NoteInput(const TMessage& m)
{
    switch (m.Msg) {
    case WM_SETFOCUS: m_hasFocus = true; return;
    case WM_KILLFOCUS:
    case WM_NCDESTROY: m_hasFocus = false; return;
    case WM_WINDOWPOSCHANGED: {
        // Moved or resized under a resting pointer, the window hears nothing
        // of it: the pointer's place relative to it must be asked for.
        const auto* pos = reinterpret_cast<const WINDOWPOS*>(m.LParam);
        if (!pos || (pos->flags & (SWP_NOMOVE | SWP_NOSIZE)) != (SWP_NOMOVE | SWP_NOSIZE))
            m_pointer.Known = false;
        return;
    }
    default: break;
    }
    if (m.Msg >= WM_MOUSEMOVE && m.Msg <= WM_MBUTTONDBLCLK)
        m_pointer = {true, ClientToScreen({GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)}), MouseButtonsOf(m.WParam)};
}

// The system is asked only when no message has said where the pointer is,
// and about the buttons only while one was down: a button released where
// this window does not hear of it would otherwise seem held forever.
TcxPointerState TcxContainer::CurrentPointer()
{
    if (!m_pointer.Known) {
        POINT p;
        if (!GetCursorPos(&p))
            return {true, {INT_MIN / 2, INT_MIN / 2}, 0};
        m_pointer = {true, p, MouseButtonsNow()};
    } else if (m_pointer.Buttons) {
        m_pointer.Buttons = MouseButtonsNow();
    }
    return m_pointer;
}

void TcxContainer::OnColorChangedMessage()
{
    if (m_isCreating)
        return;
    if (!m_changingFromStyle)
        m_style->SetColor(Color());
    else
        RefreshContainer(false);
}

void TcxContainer::OnFontChangedMessage()
{
    if (m_isCreating)
        return;
    if (!m_changingFromStyle) {
        m_style->Font().Assign(Font());
        return;
    }
    Canvas().Font().Assign(Font());
    RefreshContainer(false);
}

void TcxContainer::StyleModified()
{
    if (m_isCreating || IsLoading())
        return;
    RefreshContainer(false);
    m_changingFromStyle = true;
    auto const changed = OnScopeExit([this] { m_changingFromStyle = false; });
    const TColor colour = m_style->Color();
    if (colour != Color()) {
        const bool parentColor = ParentColor();
        SetColor(colour);  // clears ParentColor
        if (parentColor && IsLoading())
            SetParentColor(true);
    }
    Font().Assign(m_style->Font());
}

void TcxContainer::Paint()
{
    RECT bounds = m_viewInfo->Bounds;
    if (RectVisible(Canvas().Handle(), &bounds))
        m_viewInfo->Paint(cxCanvas());
}

void TcxContainer::RefreshContainer(bool compare)
{
    if (!HandleAllocated() || IsDestroying())
        return;
    std::unique_ptr<TcxContainerViewInfo> old;
    if (compare) {
        old = NewViewInfo();
        old->Assign(*m_viewInfo);
    }
    const TcxPointerState pointer = CurrentPointer();
    CalculateViewInfo(ScreenToClient(pointer.Position), pointer.Buttons);
    if (!InvalidateChanges(old.get()))
        return;
    ViewInfoCalculated();
}

void TcxContainer::CalculateViewInfo(POINT cursor, TShiftState)
{
    TcxContainerViewInfo& v = *m_viewInfo;
    v.Bounds = {0, 0, Width(), Height()};
    v.Edges = m_style->Edges();
    v.Shadow = m_style->Shadow();
    v.NativeStyle = NativeThemeFor(m_style->LookAndFeel().NativeStyle(), totEdit);
    const bool focused = HasFocus();
    const bool hot = focused || PointInRect(v.Bounds, cursor);
    v.ContainerState = ContainerStateOf(Enabled(), focused, hot);
    v.HotTrackState = !m_style->HotTrack() || IsEmbedded() ? 0 : hot ? 2 : 1;
    v.BorderStyle = DrawnBorderStyle(m_style->BorderStyle(), v.HotTrackState);
    v.BorderWidth = BorderWidthOf(v.BorderStyle);
    if (m_style->BorderStyle() == cbsUltraFlat)
        v.BorderColor = focused || (hot && m_style->HotTrack()) ? clHighlight : clBtnShadow;
    else
        v.BorderColor = m_style->BorderColor();
    v.BorderRect = InflateRectBy(v.Bounds, -v.BorderWidth, -v.BorderWidth);
    v.ClientRect = v.BorderRect;
    v.BackgroundColor = Enabled() ? m_style->Color() : clBtnFace;
}

bool TcxContainer::InvalidateChanges(const TcxContainerViewInfo* old)
{
    const TcxContainerViewInfo& v = *m_viewInfo;
    if (old && old->BorderStyle == v.BorderStyle && old->BorderColor == v.BorderColor &&
        old->BackgroundColor == v.BackgroundColor && old->ContainerState == v.ContainerState &&
        SameRect(old->Bounds, v.Bounds))
        return false;
    InvalidateRect(Handle(), nullptr, FALSE);
    return true;
}

void TcxContainer::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TcxControl::MouseDown(button, shift, x, y);
    RefreshContainer(true);
}

void TcxContainer::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TcxControl::MouseUp(button, shift, x, y);
    RefreshContainer(true);
}

void TcxContainer::MouseMove(TShiftState shift, int x, int y)
{
    TcxControl::MouseMove(shift, x, y);
    RefreshContainer(true);
    BeginMouseTracking();
}

void TcxContainer::MouseEnter(TControl* sender)
{
    // The pointer may have come without a message of ours (a window moved
    // under it): ask where it is.
    m_pointer.Known = false;
    m_mouseInside = true;
    MouseEntered(sender);
    RefreshContainer(true);
    BeginMouseTracking();
}

void TcxContainer::MouseLeave(TControl* sender)
{
    // The host and the tracking timer may both report one leave.
    if (!m_mouseInside)
        return;
    m_pointer.Known = false;
    m_mouseInside = false;
    MouseLeft(sender);
    RefreshContainer(true);
    EndMouseTracking();
}

void TcxContainer::TrackedMouseLeft()
{
    MouseLeave(this);
    EndMouseTracking();
}

void TcxContainer::BeginMouseTracking()
{
    if (!m_tracking && HandleAllocated())
        m_tracking = std::make_unique<TMouseTrackingTimer>(this);
}

void TcxContainer::EndMouseTracking() { m_tracking.reset(); }

bool TcxContainer::CursorInsideBounds() const
{
    if (!HandleAllocated())
        return false;
    RECT r;
    POINT p;
    return GetWindowRect(Handle(), &r) && GetCursorPos(&p) && PtInRect(&r, p);
}

void TcxContainer::KeyDown(WORD& key, TShiftState shift)
{
    if (key == VK_TAB && Focused() && !(shift & (ssCtrl | ssAlt))) {
        if (TCustomForm* form = GetParentForm(this))
            form->SelectNext(this, !(shift & ssShift), true);
        key = 0;
    }
    TcxControl::KeyDown(key, shift);
}

void TcxContainer::FocusChanged()
{
    TcxControl::FocusChanged();
    RefreshContainer(false);
}

} // namespace tandrel
