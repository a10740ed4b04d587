// Painting the skinned frame: the borders, the caption strip composed
// off-screen (backing, text and caption buttons), and single caption
// buttons as they light up.

#include "skin/forms/WinSkinForm.h"

#include "skin/description/SkinDescription.h"
#include "skin/draw/SkinDraw.h"
#include "skin/forms/FramePictures.h"
#include "skin/forms/WinSkinFormPrivate.h"
#include "skin/menus/WinSkinMenu.h"

namespace tandrel {

namespace {
// Put before the window text in the caption.
const std::wstring kCaptionPrefix = L"  ";
} // namespace

void TWinSkinForm::PaintFrame(HDC dc)
{
    if (!SkinScratchBitmap() || (m_skinState != ssSkinned && m_skinState != ssApplying) ||
        m_borderClass == bcBorderless || IsMdiChildOutsideNormal())
        return;
    std::unique_ptr<TWindowDC> own;
    if (!dc) {
        own = std::make_unique<TWindowDC>(m_handle, TWindowDC::TArea::Whole);
        dc = own->Get();
        if (!dc)
            return;
    }
    RECT window {};
    GetWindowRect(m_handle, &window);
    int const w = window.right - window.left;
    int const h = window.bottom - window.top;
    m_windowWidth = w;
    TSkinData& skin = *m_skinData;
    const TFrameSizes& s = m_sizes;
    try {
        PaintBorder(TFrameSide::fsLeft, *skin.LeftBorder, {0, 0, s.Left, h}, dc);
        PaintBorder(TFrameSide::fsRight, *skin.RightBorder, {w - s.Right, 0, w, h}, dc);
        PaintBorder(TFrameSide::fsBottom, *skin.BottomBorder, {s.Left, h - s.Bottom, w - s.Right, h}, dc);
        PaintCaption(dc, h);
        if (m_menuBar)
            m_menuBar->PaintMenuBar(dc, {s.Left, s.Caption, w - s.Right, s.Caption + s.MenuBar});
    } catch (...) {
        // A frame that fails to paint is painted again by the next request.
    }
    // A full paint shows every element in its plain look.
    if (m_hotObject)
        m_hotObject->State = ncsNormal;
    m_hotObject = nullptr;
}

// The Left and Right borders run the full height and so carry the caption's
// corners; Top and Bottom run between them.
void TWinSkinForm::PaintBorder(TFrameSide side, TDataSkinBorder& border, const RECT& rect, HDC dc)
{
    if (rect.right < rect.left || rect.bottom < rect.top)
        return;
    TBitmap& picture = m_framePictures.Border(side, border, rect.right - rect.left, rect.bottom - rect.top, m_active);
    if (picture.Empty())
        return;
    BitBlt(dc, rect.left, rect.top, picture.Width(), picture.Height(), picture.Canvas().Handle(), 0, 0, SRCCOPY);
}

// The caption strip is composed in its buffer, which is kept while nothing
// it shows has changed: a repaint then copies it in one go.
void TWinSkinForm::PaintCaption(HDC dc, int windowHeight)
{
    int const w = m_windowWidth;
    int const c = m_sizes.Caption;
    TCaptionKey const key {w, c, m_active, m_text, m_windowState, m_availability,
                           static_cast<LONG_PTR>(m_style & WS_POPUP), m_rightButtonLimit, ActiveMdiChildMaximized()};
    if (key == m_captionKey && !m_captionBuffer.Empty() && m_captionBuffer.Width() == w &&
        m_captionBuffer.Height() == c) {
        BitBlt(dc, 0, 0, w, c, m_captionBuffer.Canvas().Handle(), 0, 0, SRCCOPY);
        SetBkMode(dc, OPAQUE);
        return;
    }
    m_captionKey = {};
    m_captionBuffer.SetPixelFormat(TPixelFormat::pf24bit);
    m_captionBuffer.SetSize(std::max(0, w), std::max(0, c));
    if (m_captionBuffer.Empty())
        return;
    HDC const buffer = m_captionBuffer.Canvas().Handle();
    // The caption's corners belong to the Left and Right borders.
    int const rows = std::min(c, windowHeight);
    TBitmap& left = m_framePictures.Border(TFrameSide::fsLeft, *m_skinData->LeftBorder, m_sizes.Left, windowHeight,
                                           m_active);
    TBitmap& right = m_framePictures.Border(TFrameSide::fsRight, *m_skinData->RightBorder, m_sizes.Right,
                                            windowHeight, m_active);
    BitBlt(buffer, 0, 0, m_sizes.Left, rows, left.Canvas().Handle(), 0, 0, SRCCOPY);
    BitBlt(buffer, w - m_sizes.Right, 0, m_sizes.Right, rows, right.Canvas().Handle(), 0, 0, SRCCOPY);
    RECT const area {m_sizes.Left, 0, w - m_sizes.Right, c};
    PaintBorder(TFrameSide::fsTop, *m_skinData->TopBorder, area, buffer);
    PaintCaptionText(m_captionBuffer, area);
    LayoutCaptionButtons();
    m_captionButtons.Paint(buffer, m_active, m_iconBitmap);
    BitBlt(dc, 0, 0, w, c, buffer, 0, 0, SRCCOPY);
    SetBkMode(dc, OPAQUE);
    // The layout of this paint moves the text of the next (pop-ups stop it
    // at the right-aligned buttons): kept only once that has settled.
    m_captionKey = key;
    m_captionKey.RightButtonLimit = m_rightButtonLimit;
}

void TWinSkinForm::PaintCaptionText(TBitmap& buffer, const RECT& area)
{
    TCanvas& canvas = buffer.Canvas();
    HDC const dc = canvas.Handle();
    TDataSkinTitle& title = *m_skinData->Title;
    COLORREF const colour =
        ColorToRGB(m_active ? m_skinData->TitleTextActiveColour : m_skinData->TitleTextNoActiveColour);

    RECT measured {area.left, area.top, area.left, area.top};
    {
        TSelectObject const font(dc, m_captionFont.Get());
        std::wstring const text = kCaptionPrefix + L" " + m_text;
        DrawTextW(dc, text.c_str(), -1, &measured, DT_CALCRECT | DT_NOCLIP);
    }
    TCaptionTextStyle const style {title.TextAlignment, title.LeftWidth, title.TopHeight, title.RightWidth,
                                   title.TXTBackleft, title.TXTBackRight};
    TSkinRect const placed =
        PlaceCaptionText({measured.left, measured.top, measured.right, measured.bottom},
                         {area.left, area.top, area.right, area.bottom}, style,
                         m_rightToLeft ? TReadingOrder::roRightToLeft : TReadingOrder::roLeftToRight,
                         (m_style & WS_POPUP) != 0, m_rightButtonLimit);
    RECT m {placed.Left, placed.Top, placed.Right, placed.Bottom};
    m_captionTextRect = m;

    if (!title.Bitmap.Empty())
        DrawSkinBar(canvas, {m.left, area.top, m.right, area.bottom}, title.Bitmap,
                    {title.TXTBackleft, 0, title.TXTBackRight, 0}, TFrameLayout::flVertical,
                    TSkinTransparency::stKeyColour, 2, m_active ? 1 : 2);

    m.left += title.TXTBackleft;
    m.right -= title.TXTBackRight;
    TSelectObject const font(dc, m_captionFont.Get());
    TBkModeGuard const mode(dc, TRANSPARENT);
    TTextColorGuard const text(dc, colour);
    std::wstring const caption = kCaptionPrefix + m_text;
    DrawTextW(dc, caption.c_str(), -1, &m, DT_SINGLELINE | DT_END_ELLIPSIS | (m_rightToLeft ? DT_RIGHT : 0));
}

TCaptionButtonContext TWinSkinForm::ButtonContext() const
{
    TCaptionButtonContext c;
    c.BorderClass = m_borderClass;
    c.Maximized = m_windowState == fwsMaximized;
    c.Active = m_active;
    c.MaximizeBox = (m_availability & caMaximizeBox) != 0;
    c.MinimizeBox = (m_availability & caMinimizeBox) != 0;
    c.SystemMenu = (m_availability & caSystemMenuBit) != 0;
    c.MdiChildMaximized = ActiveMdiChildMaximized();
    c.MenuBarHeight = m_sizes.MenuBar;
    return c;
}

bool TWinSkinForm::IsCaptionButtonVisible(int index) { return m_captionButtons.UpdateVisible(index, ButtonContext()); }

void TWinSkinForm::LayoutCaptionButtons()
{
    int const menuMargin = m_menuBar && m_skinData->MenuBar && !m_skinData->MenuBar->Bitmap.Empty()
                               ? m_skinData->MenuBar->LeftWidth
                               : 0;
    TSkinRect const text {m_captionTextRect.left, m_captionTextRect.top, m_captionTextRect.right,
                          m_captionTextRect.bottom};
    m_rightButtonLimit = m_captionButtons.Layout(ButtonContext(), m_windowWidth, text, m_sizes, menuMargin,
                                                 m_rightToLeft ? TReadingOrder::roRightToLeft
                                                               : TReadingOrder::roLeftToRight);
}

void TWinSkinForm::DrawCaptionButton(TWinSysButton& button, int state)
{
    if (button.Object.Bitmap.Empty())
        return;
    TWindowDC const dc(m_handle, TWindowDC::TArea::Whole);
    if (dc.Get())
        m_captionButtons.DrawState(dc.Get(), button, state, m_iconBitmap);
}

} // namespace tandrel
