#include "skin/controls/SkinTrackBar.h"

#include "framework/core/Colors.h"
#include "framework/graphics/GdiObjects.h"
#include "skin/data/WinSkinData.h"
#include "skin/draw/SkinDraw.h"

namespace tandrel {

namespace {

bool IsCustomDraw(const TMessage& m)
{
    if (m.Msg != WM_NOTIFY && m.Msg != CN_NOTIFY)
        return false;
    auto const* header = reinterpret_cast<const NMHDR*>(m.LParam);
    return header && header->code == static_cast<UINT>(NM_CUSTOMDRAW);
}

} // namespace

bool TSkinTrackBar::BeforeMessage(TMessage& m)
{
    if (m.Msg == WM_ERASEBKGND) {
        m.Result = 1;
        return false;
    }
    if (IsCustomDraw(m)) {
        m.Result = CustomDraw(*reinterpret_cast<const NMCUSTOMDRAW*>(m.LParam));
        return false;
    }
    return true;
}

LRESULT TSkinTrackBar::CustomDraw(const NMCUSTOMDRAW& draw)
{
    if (draw.dwDrawStage == CDDS_PREPAINT)
        return CDRF_NOTIFYITEMDRAW;
    if (draw.dwDrawStage == CDDS_ITEMPREPAINT && draw.dwItemSpec == TBCD_THUMB) {
        DrawThumb(draw.hdc);
        return CDRF_SKIPDEFAULT;
    }
    // Channel and ticks: the control draws them.
    return CDRF_DODEFAULT;
}

void TSkinTrackBar::DrawThumb(HDC dc)
{
    RECT r {};
    SendMessageW(m_handle, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&r));
    TDataSkinObject* image = nullptr;
    if (m_skinData) {
        bool const vertical = (GetWindowLongW(m_handle, GWL_STYLE) & TBS_VERT) != 0;
        if (vertical && m_skinData->TrackbarThumbVert && !m_skinData->TrackbarThumbVert->Bitmap.Empty())
            image = m_skinData->TrackbarThumbVert.get();
        else if (m_skinData->TrackbarThumbHorz && !m_skinData->TrackbarThumbHorz->Bitmap.Empty())
            image = m_skinData->TrackbarThumbHorz.get();
    }
    // The thumb looks the same in every state: frame 2 of the five.
    if (image) {
        DrawSkinFrameTransparent(dc, r, Scale().Image(image->Bitmap, 5, TFrameLayout::flHorizontal), 5, 2);
        return;
    }
    TColor const shadow = m_skinData ? static_cast<TColor>(m_skinData->ButtonShadowColour) : clBtnShadow;
    TOwnedPen const pen(CreatePen(PS_SOLID, 1, ColorToRGB(shadow)));
    TOwnedBrush const brush(CreateSolidBrush(FaceColour()));
    TSelectObject const usePen(dc, pen.Get());
    TSelectObject const useBrush(dc, brush.Get());
    Rectangle(dc, r.left, r.top, r.right, r.bottom);
}

} // namespace tandrel
