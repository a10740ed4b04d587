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
    TComboLayout const layout = ComboLayout(r.right, r.bottom, GetSystemMetrics(SM_CXHSCROLL),
                                            left ? TComboButtonSide::cbLeft : TComboButtonSide::cbRight);

    // The control's own text and selection stay as it painted them; the
    // clipping goes back as it was for whoever draws on this DC next.
    TSaveDC const saved(dc);
    ExcludeClipRect(dc, layout.TextField.Left, layout.TextField.Top, layout.TextField.Right,
                    layout.TextField.Bottom);
    TSkinTransparency const edgeLook = TransparencyOf(*edge);
    if (left != m_buttonLeft) {
        m_button.reset();
        m_face.reset();
        m_buttonLeft = left;
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
    Picture(m_edge, edge->Bitmap, MarginsOf(*edge), MiddleFillOf(edge->Tile), edgeLook, edge->FrameCount, state,
            r.right, r.bottom)
        .Draw(target, 0, 0);
    TBitmap& face = left && !button->Bitmap2.Empty() ? button->Bitmap2 : button->Bitmap;
    TSkinRect const b = layout.Button;
    Picture(m_button, face, {}, TMiddleFill::mfStretch, TSkinTransparency::stKeyColour,
            std::max(1, button->FrameCount), state, b.Width(), b.Height())
        .Draw(target, b.Left, b.Top);
    if (TDataSkinObject* const arrow = m_skinData->ExtraImages.get(); Usable(arrow)) {
        int const arrows = std::max(1, arrow->FrameCount);
        TSkinRect const glyph = CentredIn(layout.GlyphBox, arrow->Bitmap.Width() / arrows, arrow->Bitmap.Height());
        Picture(m_arrow, arrow->Bitmap, {}, TMiddleFill::mfStretch, TSkinTransparency::stKeyColour, arrows, state,
                glyph.Width(), glyph.Height())
            .Draw(target, glyph.Left, glyph.Top);
    }
    if (whole)
        BitBlt(dc, 0, 0, r.right, r.bottom, target, 0, 0, SRCCOPY);
}

} // namespace tandrel
