#include "framework/controls/SpeedButton.h"

#include "framework/graphics/Dpi.h"
#include "framework/core/Publisher.h"
#include "framework/controls/WinControl.h"

namespace tandrel {

namespace {
}

const TClassInfo& TSpeedButton::StaticClassInfo()
{
    static const TClassInfo info = [] {
        TClassInfo i("TSpeedButton", &TControl::StaticClassInfo());
        TPublisher<TSpeedButton> publisher(i);
        publisher.Boolean("AllowAllUp", &TSpeedButton::AllowAllUp, &TSpeedButton::SetAllowAllUp)
            .Integer("GroupIndex", &TSpeedButton::GroupIndex, &TSpeedButton::SetGroupIndex)
            .Boolean("Down", &TSpeedButton::Down, &TSpeedButton::SetDown)
            .Boolean("Flat", &TSpeedButton::Flat, &TSpeedButton::SetFlat);
        PublishGlyph(publisher);
        return i;
    }();
    return info;
}

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner)
{
    // Clicks are decided in MouseUp: a speed button may stay down.
    m_controlStyle = csCaptureMouse | csDoubleClicks | csOpaque | csSetCaption;
    SetBounds(0, 0, 23, 22);
}

void TSpeedButton::SetDown(bool down)
{
    if (m_groupIndex == 0)
        down = false;
    if (down == m_down)
        return;
    if (m_down && !m_allowAllUp)
        return;
    m_down = down;
    if (down) {
        if (m_state == TButtonState::bsUp)
            Invalidate();
        m_state = TButtonState::bsExclusive;
    } else {
        m_state = TButtonState::bsUp;
        Repaint();
    }
    if (down)
        UpdateExclusive();
}

void TSpeedButton::SetFlat(bool flat)
{
    if (flat != m_flat) {
        m_flat = flat;
        if (flat)
            m_controlStyle &= ~csOpaque;
        else
            m_controlStyle |= csOpaque;
        Invalidate();
    }
}

// Others of the group let go when this one goes down.
void TSpeedButton::UpdateExclusive()
{
    if (m_groupIndex == 0 || !Parent())
        return;
    for (int i = 0; i < Parent()->ControlCount(); ++i)
        Parent()->Controls(i)->Perform(CM_BUTTONPRESSED, static_cast<WPARAM>(m_groupIndex),
                                       reinterpret_cast<LPARAM>(this));
}

void TSpeedButton::OnButtonPressed(TMessage& m)
{
    if (static_cast<int>(m.WParam) != m_groupIndex || reinterpret_cast<TSpeedButton*>(m.LParam) == this)
        return;
    auto* sender = reinterpret_cast<TSpeedButton*>(m.LParam);
    if (sender->Down() && m_down) {
        m_down = false;
        m_state = TButtonState::bsUp;
        Invalidate();
    }
    m_allowAllUp = sender->AllowAllUp();
}

void TSpeedButton::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case CM_MOUSEENTER:
        m_mouseInControl = true;
        if (m_flat && Enabled())
            Invalidate();
        break;
    case CM_MOUSELEAVE:
        m_mouseInControl = false;
        if (m_flat && Enabled())
            Invalidate();
        break;
    case CM_BUTTONPRESSED:
        return OnButtonPressed(m);
    case CM_ENABLEDCHANGED:
        Invalidate();
        break;
    default:
        break;
    }
    TGraphicControl::WndProc(m);
}

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TGraphicControl::MouseDown(button, shift, x, y);
    if (button != TMouseButton::mbLeft || !Enabled())
        return;
    if (!m_down) {
        m_state = TButtonState::bsDown;
        Repaint();
    }
    m_dragging = true;
}

void TSpeedButton::MouseMove(TShiftState shift, int x, int y)
{
    TGraphicControl::MouseMove(shift, x, y);
    if (!m_dragging)
        return;
    RECT client = ClientRect();
    TButtonState next = m_down ? TButtonState::bsExclusive : TButtonState::bsUp;
    if (PtInRect(&client, POINT {x, y}))
        next = TButtonState::bsDown;
    if (next != m_state) {
        m_state = next;
        Repaint();
    }
}

void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TGraphicControl::MouseUp(button, shift, x, y);
    if (!m_dragging || button != TMouseButton::mbLeft)
        return;
    m_dragging = false;
    RECT client = ClientRect();
    const bool doClick = PtInRect(&client, POINT {x, y}) != FALSE;
    if (m_groupIndex == 0) {
        m_state = TButtonState::bsUp;
        m_mouseInControl = false;
        Repaint();
    } else if (doClick) {
        SetDown(!m_down);
        if (m_down)
            Repaint();
    } else {
        if (m_down)
            m_state = TButtonState::bsExclusive;
        Repaint();
    }
    if (doClick)
        Click();
}

void TSpeedButton::Click() { TGraphicControl::Click(); }

void TSpeedButton::Paint()
{
    TCanvas& canvas = Canvas();
    RECT client = ClientRect();
    TButtonState state = Enabled() ? m_state : TButtonState::bsDisabled;
    const bool pressed = state == TButtonState::bsDown || state == TButtonState::bsExclusive;

    if (m_flat) {
        canvas.Brush().SetColor(Parent() ? Parent()->Color() : Color());
        canvas.FillRect(client);
        if (pressed || (m_mouseInControl && state != TButtonState::bsDisabled)) {
            RECT edge = client;
            DrawEdge(canvas.Handle(), &edge, pressed ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
        }
    } else {
        RECT face = client;
        UINT flags = DFCS_BUTTONPUSH | DFCS_ADJUSTRECT;
        if (pressed)
            flags |= DFCS_PUSHED;
        DrawFrameControl(canvas.Handle(), &face, DFC_BUTTON, flags);
        if (state == TButtonState::bsExclusive) {
            // A button held down by its group shows a checked face.
            canvas.Brush().SetColor(clBtnHighlight);
            canvas.FillRect(face);
        }
    }

    int const dpi = WindowDpi(Parent() && Parent()->HandleAllocated() ? Parent()->Handle() : nullptr);
    TButtonContent const content = Content(GlyphAtDpi(Glyph(), NumGlyphs(), dpi), NumGlyphs(), Caption(), dpi);
    RECT inner = client;
    InflateRect(&inner, -1, -1);
    POINT offset = pressed ? POINT {1, 1} : POINT {0, 0};
    DrawButtonContent(canvas, inner, content, state, offset);
}

} // namespace tandrel
