#include "framework/controls/GroupBox.h"

namespace tandrel {

TCustomGroupBox::TCustomGroupBox(TComponent* owner) : TWinControl(owner)
{
    m_controlStyle = csAcceptsControls | csSetCaption | csDoubleClicks;
    SetBounds(0, 0, 185, 105);
}

void TCustomGroupBox::CreateParams(TCreateParams& p)
{
    TWinControl::CreateParams(p);
    p.BaseClassName = L"BUTTON";
    p.Style |= BS_GROUPBOX;
}

// The system's group box leaves its inside to the parent, which clips its
// children and so never paints there.
void TCustomGroupBox::OnEraseBackground(TMessage& m)
{
    RECT client = ClientRect();
    FillRect(reinterpret_cast<HDC>(m.WParam), &client, BackgroundBrush());
    m.Result = 1;
}

} // namespace tandrel
