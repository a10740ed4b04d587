// The editor's style, view data and view info.

#include "editors/edit/cxEdit.h"

#include "framework/core/ScopeGuard.h"

#include "framework/core/Publisher.h"
#include "framework/graphics/Dpi.h"
#include "editors/lookandfeel/dxThemeManager.h"

namespace tandrel {

namespace {
const TEnumInfo kEditBorderStyles {{"ebsNone", "ebsSingle", "ebsThick", "ebsFlat", "ebs3D", "ebsUltraFlat"}};
constexpr int kEditPart = 1;        // the "Edit" theme's text-box part
constexpr int kThemeFillColor = 3802;  // its fill colour property
} // namespace

const TClassInfo& TcxCustomEditStyle::StaticClassInfo()
{
    static const TClassInfo info = [] {
        TClassInfo i("TcxCustomEditStyle", &TcxContainerStyle::StaticClassInfo());
        TPublisher<TcxCustomEditStyle>(i)
            .Enumeration("BorderStyle", kEditBorderStyles, &TcxCustomEditStyle::BorderStyle,
                         &TcxCustomEditStyle::SetBorderStyle)
            .Integer("ButtonStyle", &TcxCustomEditStyle::ButtonStyle, &TcxCustomEditStyle::SetButtonStyle)
            .Integer("ButtonTransparency", &TcxCustomEditStyle::ButtonTransparency,
                     &TcxCustomEditStyle::SetButtonTransparency)
            .Integer("PopupBorderStyle", &TcxCustomEditStyle::PopupBorderStyle,
                     &TcxCustomEditStyle::SetPopupBorderStyle);
        return i;
    }();
    return info;
}

int TcxCustomEditStyle::ButtonStyle() const
{
    auto* s = static_cast<const TcxCustomEditStyle*>(AssignedIn(csvButtonStyle));
    return s ? s->m_buttonStyle : 0;
}

int TcxCustomEditStyle::ButtonTransparency() const
{
    auto* s = static_cast<const TcxCustomEditStyle*>(AssignedIn(csvButtonTransparency));
    return s ? s->m_buttonTransparency : 0;
}

int TcxCustomEditStyle::PopupBorderStyle() const
{
    auto* s = static_cast<const TcxCustomEditStyle*>(AssignedIn(csvPopupBorderStyle));
    return s ? s->m_popupBorderStyle : 0;
}

bool TcxCustomEditStyle::ParentColorRuleApplies() const { return !Container() || !Container()->IsEmbedded(); }

void TcxCustomEditStyle::Assign(const TPersistent& source)
{
    BeginStyleUpdate();
    {
        auto const abandon = OnScopeFail([&] { EndStyleUpdate(); });
        TcxContainerStyle::Assign(source);
        if (auto* other = dynamic_cast<const TcxCustomEditStyle*>(&source)) {
            m_buttonStyle = other->m_buttonStyle;
            m_buttonTransparency = other->m_buttonTransparency;
            m_popupBorderStyle = other->m_popupBorderStyle;
        }
    }
    EndStyleUpdate();
}

TcxEditStyleController::TcxEditStyleController(TComponent* owner)
    : TcxStyleController(owner, [](TcxStyleController* c) { return std::make_unique<TcxCustomEditStyle>(c, nullptr); })
{
}

void TcxCustomEditViewInfo::Assign(const TcxContainerViewInfo& source)
{
    TcxContainerViewInfo::Assign(source);
    auto* s = dynamic_cast<const TcxCustomEditViewInfo*>(&source);
    if (!s)
        return;
    static_cast<TcxEditViewValues&>(*this) = *s;
    Font.Assign(s->Font);
}

void TcxCustomEditViewInfo::Offset(int dx, int dy)
{
    TcxContainerViewInfo::Offset(dx, dy);
    VisibleRect = OffsetRectBy(VisibleRect, dx, dy);
}

void TcxCustomTextEditViewInfo::Assign(const TcxContainerViewInfo& source)
{
    TcxCustomEditViewInfo::Assign(source);
    if (auto* s = dynamic_cast<const TcxCustomTextEditViewInfo*>(&source))
        Text = s->Text;
}

void TcxCustomEditViewData::FillViewInfo(TcxCanvas&, const RECT& bounds, POINT cursor, TMouseButton,
                                         TShiftState shift, TcxCustomEditViewInfo& v)
{
    v.Bounds = bounds;
    v.Edges = Style.Edges();
    v.Enabled = Enabled;
    v.Focused = Focused;
    v.Font.Assign(Style.Font());
    v.Embedded = Embedded;
    v.NativeEditStyle = NativeEditStyle;
    v.Shadow = Style.Shadow() && !Embedded;

    // The room kept round the content: the widest border the style may draw,
    // at the window's density.
    const int dpi = WindowDpi(WindowHandle);
    int extent = ScaleDpi(Style.TransparentBorder() || Style.HotTrack() || NativeEditStyle
                              ? 2
                              : BorderWidthOf(DrawnBorderStyle(Style.BorderStyle(), 0)),
                          dpi);
    const int shadow = v.Shadow ? 3 : 0;
    v.BorderRect = {bounds.left + extent, bounds.top + extent, bounds.right - extent - shadow,
                    bounds.bottom - extent - shadow};
    v.VisibleRect = v.BorderRect;
    v.ClientRect = v.BorderRect;

    const bool buttonDown = shift & (ssLeft | ssRight | ssMiddle);
    if (Enabled) {
        v.MouseState = Focused ? unsigned(cxmsFocused) : unsigned(cxmsNormal);
        if (PointInRect(v.VisibleRect, cursor) && (!buttonDown || HasMouseCapture))
            v.MouseState |= cxmsHot;
    } else {
        v.MouseState = cxmsDisabled;
    }
    v.IsHot = v.MouseState & (cxmsFocused | cxmsHot);
    v.EditState = !Enabled ? 4 : Focused ? 5 : v.IsHot ? 2 : 1;
    v.ContainerState = ContainerStateOf(Enabled, Focused, v.IsHot);

    v.HotTrackState = Embedded || !Style.HotTrack() ? 0 : v.IsHot ? 2 : 1;
    v.BorderStyle = Embedded ? cbsNone : DrawnBorderStyle(Style.BorderStyle(), v.HotTrackState);
    v.BorderWidth = BorderWidthOf(v.BorderStyle);
    v.NativeStyle = NativeEditStyle;

    if (Style.BorderStyle() == cbsUltraFlat)
        v.BorderColor = Focused || (v.IsHot && Style.HotTrack()) ? clHighlight : clBtnShadow;
    else
        v.BorderColor = Style.BorderColor();

    v.TextColor = Enabled ? Style.Font().Color() : clBtnShadow;
    v.BackgroundColor = Style.Color();
    if (!Enabled) {
        v.BackgroundColor = clBtnFace;
        COLORREF fill;
        if (NativeEditStyle && GetThemeColor(OpenThemeByIndex(totEdit), kEditPart, v.EditState, kThemeFillColor, fill))
            v.BackgroundColor = fill;
    }
}

} // namespace tandrel
