#include "skin/controls/SkinComBox.h"

#include "framework/graphics/GdiObjects.h"
#include "skin/data/WinSkinData.h"
#include "skin/draw/SkinDraw.h"
#include "skin/geometry/SkinEditGeometry.h"

#include <algorithm>

namespace tandrel {

namespace {

RECT ToRect(const TSkinRect& r) { return {r.Left, r.Top, r.Right, r.Bottom}; }

bool Usable(const TDataSkinObject* element) { return element && !element->Bitmap.Empty(); }

} // namespace

void TSkinComBox::AfterMessage(TMessage& m)
{
    switch (m.Msg) {
    case CM_MOUSEENTER:
        if (IsWindowEnabled(m_handle)) {
            AddState(scHot);
            PaintWindow(nullptr);
        }
        break;
    case CM_MOUSELEAVE:
        if (IsWindowEnabled(m_handle)) {
            RemoveState(scHot);
            PaintWindow(nullptr);
        }
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        AddState(scPressed);
        PaintWindow(nullptr);
        break;
    case WM_LBUTTONUP:
        RemoveState(scPressed);
        PaintWindow(nullptr);
        break;
    case WM_COMMAND:
        // The edit field of an editable combo box takes the focus, not the
        // combo box: its parent hears of it here.
        if (HIWORD(m.WParam) == EN_SETFOCUS || HIWORD(m.WParam) == EN_KILLFOCUS)
            RepaintNow();
        break;
    default: TSkinControl::AfterMessage(m); break;
    }
}

void TSkinComBox::DrawControl(HDC dc, const RECT& rect)
{
    TDataSkinBorder* const button = m_skinData ? m_skinData->ComboButton.get() : nullptr;
    if (!Usable(button))
        return;
    m_style = GetWindowLongW(m_handle, GWL_STYLE);
    m_exStyle = GetWindowLongW(m_handle, GWL_EXSTYLE);
    TDataSkinObject* const edge = m_skinData->SunkEdge.get();
    // A simple combo box has no drop-down button: a skin button over its
    // edit field would hide text and lead nowhere.
    if (!Usable(edge) || (m_style & 3) == CBS_SIMPLE)
        return;

    RECT const r {0, 0, rect.right - rect.left, rect.bottom - rect.top};
    HWND const focus = GetFocus();
    bool const focused = focus && (focus == m_handle || IsChild(m_handle, focus));
    bool const enabled = (m_style & WS_DISABLED) == 0;
    int const state = ComboState(enabled, focused, Pressed(), Hot());
    bool const left = (m_exStyle & WS_EX_LEFTSCROLLBAR) != 0;
    TComboLayout const layout = ComboLayout(r.right, r.bottom, GetSystemMetrics(SM_CXHSCROLL),
                                            left ? TComboButtonSide::cbLeft : TComboButtonSide::cbRight);

    // The control's own text and selection stay as it painted them; the
    // clipping goes back as it was for whoever draws on this DC next.
    TSaveDC const saved(dc);
    ExcludeClipRect(dc, layout.TextField.Left, layout.TextField.Top, layout.TextField.Right,
                    layout.TextField.Bottom);
    DrawSkinObject(dc, r, edge->FrameCount, state, *edge);
    TBitmap& face = left && !button->Bitmap2.Empty() ? button->Bitmap2 : button->Bitmap;
    int const count = std::max(1, button->FrameCount);
    if (m_canvas)
        DrawSkinFrame(*m_canvas, dc, ToRect(layout.Button), face, count, state);
    else
        DrawSkinFrameTransparent(dc, ToRect(layout.Button), face, count, state);

    TDataSkinObject* const arrow = m_skinData->ExtraImages.get();
    if (!Usable(arrow))
        return;
    int const arrows = std::max(1, arrow->FrameCount);
    TSkinRect const glyph = CentredIn(layout.GlyphBox, arrow->Bitmap.Width() / arrows, arrow->Bitmap.Height());
    DrawSkinFrameTransparent(dc, ToRect(glyph), arrow->Bitmap, arrows, state);
}

} // namespace tandrel
