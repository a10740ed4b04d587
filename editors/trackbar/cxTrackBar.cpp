// The slider control, its published interface and its layout computation.

#include "editors/trackbar/cxTrackBar.h"

#include "framework/graphics/GdiObjects.h"
#include "framework/core/Publisher.h"

#include <climits>

namespace tandrel {

const TClassInfo& TcxTrackBar::StaticClassInfo()
{
    static const TClassInfo info = [] {
        TClassInfo i("TcxTrackBar", &TWinControl::StaticClassInfo());
        TPublisher<TcxTrackBar>(i)
            .Integer("Position", &TcxCustomTrackBar::Position, &TcxCustomTrackBar::SetPosition)
            .Object("Properties", &TcxTrackBar::PropertiesObject)
            .Object("Style", &TcxTrackBar::EditStyleObject)
            .Event("OnEditing", static_cast<TcxEditEditingEvent TcxTrackBar::*>(&TcxCustomEdit::OnEditing));
        return i;
    }();
    return info;
}

TcxCustomTrackBar::TcxCustomTrackBar(TComponent* owner) : TcxCustomEdit(owner, TcxTrackBarProperties::Class())
{
    SetCreating(true);
    SetAutoSize(false);
    m_controlStyle &= ~(csAcceptsControls | csCaptureMouse | csClickEvents | csDoubleClicks);
    SetParentColor(true);
    SetBounds(Left(), Top(), 196, 76);
    InitEditValue(TVariant(std::int32_t {0}));
    SetCreating(false);
}

void TcxCustomTrackBar::WndProc(TMessage& m)
{
    // The slider raises no click events: nothing is pending at a release.
    if (m.Msg == WM_LBUTTONUP)
        m_controlState &= ~csClicked;
    TcxCustomEdit::WndProc(m);
}

int TcxCustomTrackBar::Position() const { return ActiveProperties().ValueToPosition(EditValue()); }

void TcxCustomTrackBar::SetPosition(int value)
{
    if (value == Position())
        return;
    if (!RequestEdit())
        return;
    StoreEditValue(TVariant(static_cast<std::int32_t>(value)));
    if (ActiveProperties().OnChange)
        ActiveProperties().OnChange(this);
    ActiveProperties().RaiseChanged();
    SetModified(true);
    SetModifiedAfterEnter(true);
    CommitEditValue();
}

void TcxCustomTrackBar::EditValueStored()
{
    TVariant display;
    ActiveProperties().EditToDisplayValue(EditValue(), display, HasFocus());
    ActiveProperties().RaiseChanged();
}

void TcxCustomTrackBar::PropertiesModified()
{
    TrackBarViewInfo().Text.clear();
    TcxCustomEdit::PropertiesModified();
}

void TcxCustomTrackBarViewData::FillViewInfo(TcxCanvas& canvas, const RECT& bounds, POINT cursor,
                                             TMouseButton button, TShiftState shift, TcxCustomEditViewInfo& editInfo)
{
    TcxCustomEditViewData::FillViewInfo(canvas, bounds, cursor, button, shift, editInfo);
    if (bounds.right == INT_MAX || bounds.bottom == INT_MAX)
        return;  // a measuring request
    auto& v = static_cast<TcxCustomTrackBarViewInfo&>(editInfo);
    auto& p = static_cast<TcxCustomTrackBarProperties&>(Properties);
    v.Font.Assign(Style.Font());
    v.LookAndFeel.Assign(Style.LookAndFeel());
    v.Text.clear();
    v.ThumbState = !Enabled ? tstDisabled : v.IsThumbPressed ? tstPressed : v.IsThumbHot ? tstHot : tstNormal;
    v.ThumbDrawer = &p;
    v.ShowsFocus = Focused && WindowHandle && (SendMessageW(WindowHandle, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) == 0;

    TcxTrackBarGeometry& g = v.Geometry;
    TVariant display;
    p.EditToDisplayValue(Edit ? Edit->EditValue() : TVariant(), display, Focused);
    p.CopySettingsTo(g);
    g.Position = static_cast<int>(display.AsInt64());
    g.NativeEditStyle = NativeEditStyle;
    v.Colours = p.Colours();
    if (!Enabled)
        v.Colours.Tick = clBtnShadow;
    v.BackgroundColor = Enabled ? Style.Color() : clBtnFace;

    TcxTrackBarMeasures measures;
    TFont& font = v.Font;
    measures.TextExtent = [&font](const std::wstring& text) {
        // Measured on a memory DC: the control's canvas has a DC only while painting.
        SIZE size {};
        TOwnedDC dc(CreateCompatibleDC(nullptr));
        if (!dc)
            return size;
        TSelectObject select(dc.Get(), font.Handle());
        GetTextExtentPoint32W(dc.Get(), text.c_str(), static_cast<int>(text.size()), &size);
        return size;
    };
    if (p.OnGetThumbRect)
        measures.GetThumbRect = [&p] {
            RECT r {};
            p.OnGetThumbRect(&p, r);
            return r;
        };
    LayoutSlider(g, v.ClientRect, measures);
    p.StoreLayoutResults(g);
}

} // namespace tandrel
