// Painting the skinned frame: the borders, the caption strip composed
// off-screen (backing, text and caption buttons), and single caption
// buttons as they light up.

#include "skin/forms/WinSkinForm.h"

#include "framework/core/ScopeGuard.h"
#include "skin/description/SkinDescription.h"
#include "skin/draw/SkinDraw.h"
#include "skin/forms/FramePictures.h"
#include "skin/forms/WinSkinFormPrivate.h"
#include "skin/menus/WinSkinMenu.h"

#include <utility>

namespace tandrel {

namespace {
// Put before the window text in the caption.
const std::wstring kCaptionPrefix = L"  ";
} // namespace

void TWinSkinForm::PaintFrame(HDC dc)
{
    if (!SkinScratchBitmap() || (m_skinState != ssSkinned && m_skinState != ssApplying) ||
        m_look.Border == bcBorderless || IsMdiChildOutsideNormal())
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
    m_caption.WindowWidth = w;
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

void TWinSkinForm::ComposeActiveFrame()
{
    // The pictures are composed at their own size; the sink takes a pixel.
    TOwnedDC const sink(CreateCompatibleDC(nullptr));
    if (!sink)
        return;
    bool const active = std::exchange(m_look.Active, true);
    auto const restore = OnScopeExit([&] { m_look.Active = active; });
    PaintFrame(sink.Get());
}

// The Left and Right borders run the full height and so carry the caption's
// corners; Top and Bottom run between them.
void TWinSkinForm::PaintBorder(TFrameSide side, TDataSkinBorder& border, const RECT& rect, HDC dc)
{
    if (rect.right < rect.left || rect.bottom < rect.top)
        return;
    TBitmap& picture = m_caption.Pictures.Border(side, border, rect.right - rect.left, rect.bottom - rect.top, m_look.Active,
                                                  Scale());
    if (picture.Empty())
        return;
    BitBlt(dc, rect.left, rect.top, picture.Width(), picture.Height(), picture.Canvas().Handle(), 0, 0, SRCCOPY);
}

// The caption strip is composed in the buffer of its look, which is kept
// while nothing it shows has changed: a repaint, or a change of look once
// both have been shown, then copies it in one go.
void TWinSkinForm::PaintCaption(HDC dc, int windowHeight)
{
    int const w = m_caption.WindowWidth;
    int const c = m_sizes.Caption;
    TCaptionKey const key {w, c, m_look.Active, m_look.Text, m_look.State, m_look.Availability,
                           static_cast<LONG_PTR>(m_look.Style & WS_POPUP), m_caption.RightButtonLimit, ActiveMdiChildMaximized()};
    TCaptionKey& kept = m_caption.Keys[m_look.Active];
    TBitmap& picture = m_caption.Buffers[m_look.Active];
    if (key == kept && !picture.Empty() && picture.Width() == w && picture.Height() == c) {
        BitBlt(dc, 0, 0, w, c, picture.Canvas().Handle(), 0, 0, SRCCOPY);
        SetBkMode(dc, OPAQUE);
        return;
    }
    kept = {};
    picture.SetPixelFormat(TPixelFormat::pf24bit);
    picture.SetSize(std::max(0, w), std::max(0, c));
    if (picture.Empty())
        return;
    HDC const buffer = picture.Canvas().Handle();
    // The caption's corners belong to the Left and Right borders.
    int const rows = std::min(c, windowHeight);
    TBitmap& left = m_caption.Pictures.Border(TFrameSide::fsLeft, *m_skinData->LeftBorder, m_sizes.Left, windowHeight,
                                              m_look.Active, Scale());
    TBitmap& right = m_caption.Pictures.Border(TFrameSide::fsRight, *m_skinData->RightBorder, m_sizes.Right,
                                               windowHeight, m_look.Active, Scale());
    BitBlt(buffer, 0, 0, m_sizes.Left, rows, left.Canvas().Handle(), 0, 0, SRCCOPY);
    BitBlt(buffer, w - m_sizes.Right, 0, m_sizes.Right, rows, right.Canvas().Handle(), 0, 0, SRCCOPY);
    RECT const area {m_sizes.Left, 0, w - m_sizes.Right, c};
    PaintBorder(TFrameSide::fsTop, *m_skinData->TopBorder, area, buffer);
    PaintCaptionText(picture, area);
    LayoutCaptionButtons();
    m_captionButtons.Paint(buffer, m_look.Active, m_caption.Icon);
    BitBlt(dc, 0, 0, w, c, buffer, 0, 0, SRCCOPY);
    SetBkMode(dc, OPAQUE);
    // The layout of this paint moves the text of the next (pop-ups stop it
    // at the right-aligned buttons): kept only once that has settled.
    kept = key;
    kept.RightButtonLimit = m_caption.RightButtonLimit;
}

void TWinSkinForm::PaintCaptionText(TBitmap& buffer, const RECT& area)
{
    TCanvas& canvas = buffer.Canvas();
    HDC const dc = canvas.Handle();
    TDataSkinTitle& title = *m_skinData->Title;
    COLORREF const colour =
        ColorToRGB(m_look.Active ? m_skinData->TitleTextActiveColour : m_skinData->TitleTextNoActiveColour);

    RECT measured {area.left, area.top, area.left, area.top};
    {
        TSelectObject const font(dc, m_caption.Font.Get());
        std::wstring const text = kCaptionPrefix + L" " + m_look.Text;
        DrawTextW(dc, text.c_str(), -1, &measured, DT_CALCRECT | DT_NOCLIP);
    }
    TSkinScale const scale = Scale();
    int const backLeft = scale.Length(title.TXTBackleft);
    int const backRight = scale.Length(title.TXTBackRight);
    TCaptionTextStyle const style {static_cast<TCaptionTextAlign>(title.TextAlignment), scale.Length(title.LeftWidth), scale.Length(title.TopHeight),
                                   scale.Length(title.RightWidth), backLeft, backRight};
    TSkinRect const placed =
        PlaceCaptionText({measured.left, measured.top, measured.right, measured.bottom},
                         {area.left, area.top, area.right, area.bottom}, style,
                         m_look.RightToLeft ? TReadingOrder::roRightToLeft : TReadingOrder::roLeftToRight,
                         (m_look.Style & WS_POPUP) != 0, m_caption.RightButtonLimit);
    RECT m {placed.Left, placed.Top, placed.Right, placed.Bottom};
    m_caption.TextRect = m;

    if (!title.Bitmap.Empty())
        DrawSkinBar(canvas, {m.left, area.top, m.right, area.bottom},
                    scale.Image(title.Bitmap, 2, TFrameLayout::flVertical), {backLeft, 0, backRight, 0},
                    TFrameLayout::flVertical, TSkinTransparency::stKeyColour, 2, m_look.Active ? 1 : 2);

    m.left += backLeft;
    m.right -= backRight;
    TSelectObject const font(dc, m_caption.Font.Get());
    TBkModeGuard const mode(dc, TRANSPARENT);
    TTextColorGuard const text(dc, colour);
    std::wstring const caption = kCaptionPrefix + m_look.Text;
    DrawTextW(dc, caption.c_str(), -1, &m, DT_SINGLELINE | DT_END_ELLIPSIS | (m_look.RightToLeft ? DT_RIGHT : 0));
}

TCaptionButtonContext TWinSkinForm::ButtonContext() const
{
    TCaptionButtonContext c;
    c.BorderClass = m_look.Border;
    c.Maximized = m_look.State == fwsMaximized;
    c.Active = m_look.Active;
    c.MaximizeBox = (m_look.Availability & caMaximizeBox) != 0;
    c.MinimizeBox = (m_look.Availability & caMinimizeBox) != 0;
    c.SystemMenu = (m_look.Availability & caSystemMenuBit) != 0;
    c.MdiChildMaximized = ActiveMdiChildMaximized();
    c.MenuBarHeight = m_sizes.MenuBar;
    return c;
}

bool TWinSkinForm::IsCaptionButtonVisible(int index) { return m_captionButtons.UpdateVisible(index, ButtonContext()); }

void TWinSkinForm::LayoutCaptionButtons()
{
    int const menuMargin = m_menuBar && m_skinData->MenuBar && !m_skinData->MenuBar->Bitmap.Empty()
                               ? Scale().Length(m_skinData->MenuBar->LeftWidth)
                               : 0;
    TSkinRect const text {m_caption.TextRect.left, m_caption.TextRect.top, m_caption.TextRect.right,
                          m_caption.TextRect.bottom};
    m_caption.RightButtonLimit = m_captionButtons.Layout(ButtonContext(), m_caption.WindowWidth, text, m_sizes, menuMargin,
                                                 m_look.RightToLeft ? TReadingOrder::roRightToLeft
                                                               : TReadingOrder::roLeftToRight);
}

void TWinSkinForm::DrawCaptionButton(TWinSysButton& button, int state)
{
    if (button.Object.Bitmap.Empty())
        return;
    TWindowDC const dc(m_handle, TWindowDC::TArea::Whole);
    if (dc.Get())
        m_captionButtons.DrawState(dc.Get(), button, state, m_caption.Icon);
}

} // namespace tandrel
