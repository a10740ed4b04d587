#include "editors/controls/cxControls.h"

namespace tandrel {

TcxControl::TcxControl(TComponent* owner) : TCustomControl(owner), m_cxCanvas(Canvas())
{
    m_lookAndFeel = std::make_unique<TcxLookAndFeel>(this);
    m_lookAndFeel->OnChangedHandler = [this](TcxLookAndFeel* sender, TcxLookAndFeelValues changed) {
        LookAndFeelChanged(sender, changed);
    };
    m_themeNotificator.ThemeChangedHandler = [this] { ThemeChanged(); };
}

TcxControl::~TcxControl() { m_lookAndFeel.reset(); }

void TcxControl::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case WM_GETDLGCODE:
        m.Result = GetDlgCode();
        return;
    case CM_MOUSEENTER:
        MouseEnter(m.LParam ? reinterpret_cast<TControl*>(m.LParam) : this);
        return;
    case CM_MOUSELEAVE:
        MouseLeave(m.LParam ? reinterpret_cast<TControl*>(m.LParam) : this);
        return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        TCustomControl::WndProc(m);
        FocusChanged();
        return;
    case WM_UPDATEUISTATE:
        // Focus cues shown or hidden: a focused control draws them anew.
        TCustomControl::WndProc(m);
        if (Focused())
            Invalidate();
        return;
    default:
        TCustomControl::WndProc(m);
    }
}

void TcxControl::OnEraseBackground(TMessage& m) { m.Result = 1; }

void TcxControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    m_mouseDownPos = {x, y};
    if (TakesFocusOnClick() && !(shift & ssDouble) && !Focused() && CanFocus())
        SetFocus();
    TCustomControl::MouseDown(button, shift, x, y);
}

void TcxControl::MouseEnter(TControl* sender) { MouseEntered(sender); }
void TcxControl::MouseLeave(TControl* sender) { MouseLeft(sender); }

void TcxControl::MouseEntered(TControl* sender)
{
    if (OnMouseEnter)
        OnMouseEnter(sender);
}

void TcxControl::MouseLeft(TControl* sender)
{
    if (OnMouseLeave)
        OnMouseLeave(sender);
}

void TcxControl::FocusChanged()
{
    // A control losing the focus because its window goes is no news to anyone.
    if (OnFocusChanged && !IsDestroying())
        OnFocusChanged(this);
}

void TcxControl::LookAndFeelChanged(TcxLookAndFeel*, TcxLookAndFeelValues) { Invalidate(); }

} // namespace tandrel
