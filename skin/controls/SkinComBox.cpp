#include "skin/controls/SkinComBox.h"

#include "framework/graphics/GdiObjects.h"
#include "skin/data/WinSkinData.h"
#include "skin/draw/SkinDraw.h"
#include "skin/geometry/SkinEditGeometry.h"

#include <algorithm>

namespace tandrel {

namespace {

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

// The scroll-bar side puts the button at the left; the skin's button goes
// over the control's own one, even where the system keeps that at the
// right whatever the side (text under a skin button would be lost).
bool TSkinComBox::ButtonAtTheLeft(int width) const
{
    bool const leftSide = (m_exStyle & WS_EX_LEFTSCROLLBAR) != 0;
    COMBOBOXINFO info {};
    info.cbSize = sizeof info;
    if (!leftSide || !GetComboBoxInfo(m_handle, &info) || IsRectEmpty(&info.rcButton))
        return leftSide;
    return info.rcButton.left < width / 2;
}

// The picture in cache, composed again for another size or frame.
TComposedPicture& TSkinComBox::Picture(std::unique_ptr<TComposedPicture>& cache, TBitmap& source,
                                       const TSkinMargins& margins, TMiddleFill fill, TSkinTransparency transparency,
                                       int frameCount, int frameIndex, int width, int height)
{
    if (!cache || !cache->Fits(width, height, frameIndex))
        cache = std::make_unique<TComposedPicture>(source, margins, fill, transparency, frameCount, frameIndex, width,
                                                   height);
    return *cache;
}

// A new skin brings new pictures.
void TSkinComBox::Refresh()
{
    m_edge.reset();
    m_button.reset();
    m_arrow.reset();
    m_face.reset();
    TSkinControl::Refresh();
}

// The edit field of an editable combo box ends where the system's button
// begins; a grown skin button would be cut by it.
void TSkinComBox::FitEditField(const TSkinRect& field)
{
    COMBOBOXINFO info {};
    info.cbSize = sizeof info;
    if (!GetComboBoxInfo(m_handle, &info) || !info.hwndItem || info.hwndItem == m_handle)
        return;
    RECT edit {};
    GetWindowRect(info.hwndItem, &edit);
    MapWindowPoints(nullptr, m_handle, reinterpret_cast<POINT*>(&edit), 2);
    int const left = std::max<int>(edit.left, field.Left);
    int const right = std::min<int>(edit.right, field.Right);
    if ((left == edit.left && right == edit.right) || right <= left)
        return;
    SetWindowPos(info.hwndItem, nullptr, left, edit.top, right - left, edit.bottom - edit.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
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
    bool const left = ButtonAtTheLeft(r.right);
    TSkinScale const scale = Scale();
    // The system's button width is at the screen's density.
    int const buttonWidth = ScaleDpi(GetSystemMetrics(SM_CXHSCROLL), scale.Dpi(), ScreenDpi());
    TComboLayout const layout =
        ComboLayout(r.right, r.bottom, buttonWidth, left ? TComboButtonSide::cbLeft : TComboButtonSide::cbRight);

    if (scale.Dpi() != kDesignDpi)
        FitEditField(layout.TextField);
    // The control's own text and selection stay as it painted them; the
    // clipping goes back as it was for whoever draws on this DC next.
    TSaveDC const saved(dc);
    ExcludeClipRect(dc, layout.TextField.Left, layout.TextField.Top, layout.TextField.Right,
                    layout.TextField.Bottom);
    TSkinTransparency const edgeLook = TransparencyOf(*edge);
    if (left != m_buttonLeft || scale.Dpi() != m_dpi) {
        m_edge.reset();
        m_button.reset();
        m_arrow.reset();
        m_face.reset();
        m_buttonLeft = left;
        m_dpi = scale.Dpi();
    }
    // An opaque edge covers the whole control: edge, button and arrow are
    // put together off-screen once per size and state, and every paint is
    // one copy (keyed drawing straight onto a window is slow).
    bool const whole = edgeLook == TSkinTransparency::stOpaque;
    if (whole && m_face && m_face->Width() == r.right && m_face->Height() == r.bottom && m_faceState == state) {
        BitBlt(dc, 0, 0, r.right, r.bottom, m_face->Canvas().Handle(), 0, 0, SRCCOPY);
        return;
    }
    HDC target = dc;
    if (whole) {
        m_face = std::make_unique<TBitmap>(r.right, r.bottom, TPixelFormat::pf24bit);
        m_faceState = state;
        target = m_face->Canvas().Handle();
    }
    int const edges = std::max(1, edge->FrameCount);
    Picture(m_edge, scale.Image(edge->Bitmap, edges, TFrameLayout::flHorizontal), scale.Margins(MarginsOf(*edge)),
            MiddleFillOf(edge->Tile), edgeLook, edge->FrameCount, state, r.right, r.bottom)
        .Draw(target, 0, 0);
    int const buttons = std::max(1, button->FrameCount);
    TBitmap& face = scale.Image(left && !button->Bitmap2.Empty() ? button->Bitmap2 : button->Bitmap, buttons,
                                TFrameLayout::flHorizontal);
    TSkinRect const b = layout.Button;
    Picture(m_button, face, {}, TMiddleFill::mfStretch, TSkinTransparency::stKeyColour, buttons, state, b.Width(),
            b.Height())
        .Draw(target, b.Left, b.Top);
    if (TDataSkinObject* const arrow = m_skinData->ExtraImages.get(); Usable(arrow)) {
        int const arrows = std::max(1, arrow->FrameCount);
        TBitmap& glyphs = scale.Image(arrow->Bitmap, arrows, TFrameLayout::flHorizontal);
        TSkinRect const glyph = CentredIn(layout.GlyphBox, glyphs.Width() / arrows, glyphs.Height());
        Picture(m_arrow, glyphs, {}, TMiddleFill::mfStretch, TSkinTransparency::stKeyColour, arrows, state,
                glyph.Width(), glyph.Height())
            .Draw(target, glyph.Left, glyph.Top);
    }
    if (whole)
        BitBlt(dc, 0, 0, r.right, r.bottom, target, 0, 0, SRCCOPY);
}

} // namespace tandrel
