#include "framework/controls/Panel.h"

#include "framework/core/Publisher.h"
#include "framework/graphics/GdiObjects.h"

#include <algorithm>

namespace tandrel {

namespace {
const TEnumInfo kBevels {{"bvNone", "bvLowered", "bvRaised"}};
}

const TClassInfo& TCustomPanel::StaticClassInfo()
{
    static const TClassInfo info = [] {
        TClassInfo i("TCustomPanel", &TWinControl::StaticClassInfo());
        TPublisher<TCustomPanel>(i)
            .Enumeration("Alignment", AlignmentNames(), &TCustomPanel::Alignment, &TCustomPanel::SetAlignment)
            .Enumeration("BevelOuter", kBevels, &TCustomPanel::BevelOuter, &TCustomPanel::SetBevelOuter)
            .Enumeration("BevelInner", kBevels, &TCustomPanel::BevelInner, &TCustomPanel::SetBevelInner)
            .Integer("BevelWidth", &TCustomPanel::BevelWidth, &TCustomPanel::SetBevelWidth)
            .Enumeration("BorderStyle", BorderStyleNames(), &TCustomPanel::BorderStyle,
                         &TCustomPanel::SetBorderStyle);
        return i;
    }();
    return info;
}

TCustomPanel::TCustomPanel(TComponent* owner) : TCustomControl(owner)
{
    m_controlStyle = csAcceptsControls | csCaptureMouse | csClickEvents | csSetCaption | csOpaque | csDoubleClicks;
    SetColor(clBtnFace);
    SetBounds(0, 0, 185, 41);
}

void TCustomPanel::CreateParams(TCreateParams& p)
{
    TCustomControl::CreateParams(p);
    p.ExStyle |= BorderExStyle(m_borderStyle);
}

void TCustomPanel::SetAlignment(TAlignment alignment) { SetPaintedProperty(m_alignment, alignment); }

void TCustomPanel::SetBevelOuter(TPanelBevel bevel) { SetPaintedProperty(m_bevelOuter, bevel); }

void TCustomPanel::SetBevelInner(TPanelBevel bevel) { SetPaintedProperty(m_bevelInner, bevel); }

void TCustomPanel::SetBevelWidth(int width) { SetPaintedProperty(m_bevelWidth, std::max(width, 1)); }

void TCustomPanel::SetBorderStyle(TBorderStyle style)
{
    SetWindowProperty(m_borderStyle, style);
}

// The system's edges in the system's colours: raised is highlight over
// shadow, lowered the reverse, one pixel per step of the width.
void TCustomPanel::DrawBevel(RECT& rect, TPanelBevel bevel)
{
    if (bevel == TPanelBevel::bvNone)
        return;
    const UINT edge = bevel == TPanelBevel::bvRaised ? BDR_RAISEDINNER : BDR_SUNKENOUTER;
    for (int i = 0; i < m_bevelWidth; ++i)
        DrawEdge(Canvas().Handle(), &rect, edge, BF_RECT | BF_ADJUST);
}

void TCustomPanel::Paint()
{
    RECT r = ClientRect();
    Canvas().Brush().SetColor(Color());
    Canvas().FillRect(r);
    DrawBevel(r, m_bevelOuter);
    DrawBevel(r, m_bevelInner);
    const std::wstring caption = Caption();
    if (caption.empty())
        return;
    const UINT align = m_alignment == TAlignment::taLeftJustify    ? DT_LEFT
                       : m_alignment == TAlignment::taRightJustify ? DT_RIGHT
                                                                   : DT_CENTER;
    TBkModeGuard transparent(Canvas().Handle(), TRANSPARENT);
    Canvas().DrawText(caption, r, DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS | align);
}

} // namespace tandrel
