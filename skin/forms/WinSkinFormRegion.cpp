// The window's shape: the frame's transparent border pixels cut away. It is
// the most expensive step of skinning a window, so it is rebuilt only when
// the window's size changes (or a changed skin is applied).

#include "skin/forms/WinSkinForm.h"

#include "skin/draw/SkinDraw.h"
#include "skin/forms/FramePictures.h"
#include "skin/forms/WinSkinFormPrivate.h"

namespace tandrel {

namespace {

constexpr int kTolerance = 1;

TOwnedRegion RectRegion(int left, int top, int right, int bottom)
{
    TOwnedRegion region(CreateRectRgn(left, top, right, bottom));
    if (!region)
        RaiseLastOSError("CreateRectRgn");
    return region;
}

void Unite(TOwnedRegion& into, TOwnedRegion piece) { CombineRgn(into.Get(), into.Get(), piece.Get(), RGN_OR); }

TOwnedRegion Cut(TBitmap& picture, int x, int y)
{
    return RegionFromBitmap(picture, x, y, SkinKeyColour, kTolerance, kTolerance, kTolerance);
}

} // namespace

void TWinSkinForm::UpdateRegion()
{
    RECT window {};
    GetWindowRect(m_handle, &window);
    int const w = window.right - window.left;
    int const h = window.bottom - window.top;
    if (w <= 0 || h <= 0)
        return;
    if (IsMdiChildOutsideNormal())
        return;
    if (w == m_region.Width && h == m_region.Height && m_formKind != fkMdiChild && m_skinState != ssApplying)
        return;
    // A borderless pop-up wears no skinned frame, and keeps the shape it
    // has (the pointer overlay cuts its own).
    if (m_look.Border == bcBorderless)
        return;

    TSkinData& skin = *m_skinData;
    const TFrameSizes& s = m_sizes;
    TOwnedRegion region;
    auto const keyed = [](const TDataSkinObject& border) {
        return TransparencyOf(border) == TSkinTransparency::stKeyColour;
    };
    if (!keyed(*skin.LeftBorder) && !keyed(*skin.RightBorder) && !keyed(*skin.TopBorder) && !keyed(*skin.BottomBorder)) {
        region = RectRegion(0, 0, w, h);
    } else {
        m_region.Width = w;
        m_region.Height = h;
        region = RectRegion(s.Left, s.Caption, w - s.Right, h - s.Bottom);

        if (keyed(*skin.LeftBorder) && h > 1) {
            auto picture = ComposeBorder(*skin.LeftBorder, s.Left, h, m_look.Active, TFrameSide::fsLeft, Scale());
            Unite(region, Cut(*picture, 0, 0));
        } else {
            Unite(region, RectRegion(0, 0, s.Left, h));
        }

        if (keyed(*skin.RightBorder) && h > 1) {
            auto picture = ComposeBorder(*skin.RightBorder, s.Right, h, m_look.Active, TFrameSide::fsRight, Scale());
            Unite(region, Cut(*picture, w - s.Right, 0));
        } else {
            Unite(region, RectRegion(w - s.Right, 0, w, h));
        }

        int const middle = w - s.Left - s.Right;
        if (keyed(*skin.BottomBorder) && s.Bottom >= 2 && middle > 0) {
            auto picture = ComposeBorder(*skin.BottomBorder, middle, s.Bottom, m_look.Active, TFrameSide::fsBottom, Scale());
            Unite(region, Cut(*picture, s.Left, h - s.Bottom));
        } else {
            Unite(region, RectRegion(s.Left, h - s.Bottom, w - s.Right, h));
        }

        if (keyed(*skin.TopBorder) && s.Caption > 1 && middle > 0) {
            // The caption buffer of this size holds the text backing and the
            // caption buttons too, so they count as well.
            std::unique_ptr<TBitmap> picture;
            TBitmap& buffer = m_caption.Buffers[m_look.Active];
            if (buffer.Width() == w && buffer.Height() == s.Caption) {
                picture = std::make_unique<TBitmap>(middle, s.Caption, TPixelFormat::pf24bit);
                BitBlt(picture->Canvas().Handle(), 0, 0, middle, s.Caption, buffer.Canvas().Handle(), s.Left, 0, SRCCOPY);
            } else {
                picture = ComposeBorder(*skin.TopBorder, middle, s.Caption, m_look.Active, TFrameSide::fsTop, Scale());
            }
            Unite(region, Cut(*picture, s.Left, 0));
        } else {
            Unite(region, RectRegion(s.Left, 0, w - s.Right, s.Caption));
        }
    }
    // A region the window took belongs to it; one it refused is still ours.
    if (SetWindowRgn(m_handle, region.Get(), TRUE))
        region.Release();
    m_region.Set = true;
    ++m_region.Builds;
}

void TWinSkinForm::RemoveRegion()
{
    if (!m_region.Set)
        return;
    m_caption.DropBuffers();
    SetWindowRgn(m_handle, nullptr, FALSE);
    m_region.Set = false;
    m_region.Width = m_region.Height = -1;
}

} // namespace tandrel
