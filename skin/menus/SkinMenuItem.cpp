#include "skin/menus/SkinMenuItem.h"

#include "framework/graphics/DcGuards.h"
#include "framework/graphics/Dpi.h"
#include "framework/graphics/SystemMetrics.h"
#include "framework/graphics/GdiObjects.h"
#include "skin/data/SkinHost.h"
#include "skin/draw/SkinDraw.h"
#include "skin/geometry/SkinMenuGeometry.h"
#include "skin/menus/WinSkinPopMenu.h"

#include <algorithm>

namespace tandrel {
namespace {

// The system's check-mark bitmap (OBM_CHECK, which needs OEMRESOURCE).
constexpr WORD kCheckMarkBitmap = 32760;
// Where a monochrome source is 0 the brush is drawn, elsewhere the
// destination stays (PSDPxax).
constexpr DWORD kBrushThroughMask = 0x00B8074A;

TSkinRect ToSkin(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }
RECT ToRect(const TSkinRect& r) { return {r.Left, r.Top, r.Right, r.Bottom}; }

void Fill(HDC dc, const RECT& r, COLORREF colour)
{
    TOwnedBrush brush(CreateSolidBrush(colour));
    FillRect(dc, &r, brush.Get());
}

// The pattern of a pressed check box: button face and highlight alternating.
void FillCheckedPattern(HDC dc, const RECT& box)
{
    static const WORD kBits[8] = {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55};
    TOwnedBitmap pattern(CreateBitmap(8, 8, 1, 1, kBits));
    TOwnedBrush brush(CreatePatternBrush(pattern.Get()));
    TTextColorGuard const text(dc, GetSysColor(COLOR_BTNFACE));
    TBkColorGuard const back(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
    FillRect(dc, &box, brush.Get());
}

// The system's mark is drawn at the screen's density; `scale` takes it to
// the item's.
void DrawCheckMark(HDC dc, const TSkinRect& box, COLORREF colour, const TSkinScale& scale)
{
    TOwnedBitmap mark(LoadBitmapW(nullptr, MAKEINTRESOURCEW(kCheckMarkBitmap)));
    BITMAP info {};
    if (!mark || !GetObjectW(mark.Get(), sizeof info, &info))
        return;
    int const w = ScaleDpi(info.bmWidth, scale.Dpi(), ScreenDpi());
    int const h = ScaleDpi(info.bmHeight, scale.Dpi(), ScreenDpi());
    TSkinRect const at = CheckMarkRect(box, w, h);
    TOwnedDC source(CreateCompatibleDC(dc));
    TSelectObject const selected(source.Get(), mark.Get());
    TOwnedBrush brush(CreateSolidBrush(colour));
    TSelectObject const withBrush(dc, brush.Get());
    TTextColorGuard const text(dc, RGB(0, 0, 0));
    TBkColorGuard const back(dc, RGB(255, 255, 255));
    if (w == info.bmWidth && h == info.bmHeight) {
        BitBlt(dc, at.Left, at.Top, w, h, source.Get(), 0, 0, kBrushThroughMask);
        return;
    }
    TStretchModeGuard const mode(dc, COLORONCOLOR);
    StretchBlt(dc, at.Left, at.Top, w, h, source.Get(), 0, 0, info.bmWidth, info.bmHeight, kBrushThroughMask);
}

// Composes an item off-screen, then puts it on dc in one blit, so that it
// never shows half painted.
template <class TDraw>
void ComposeItem(TKeptPictures& kept, HDC dc, const RECT& r, TDraw&& draw)
{
    int const w = r.right - r.left;
    int const h = r.bottom - r.top;
    if (w <= 0 || h <= 0)
        return;
    HDC const p = kept.Buffer(w, h).Canvas().Handle();
    draw(p, RECT {0, 0, w, h});
    BitBlt(dc, r.left, r.top, w, h, p, 0, 0, SRCCOPY);
}

} // namespace

TDataSkinObject* TMenuItemPainter::MenuItemObject() const
{
    TDataSkinObject* object = m_skin.MenuItem.get();
    return object && !object->Bitmap.Empty() ? object : nullptr;
}

TMenu* TMenuItemPainter::MenuOf(const TMenuItem& item) const
{
    TMenu* menu = item.GetParentMenu();
    return menu ? menu : m_fallbackMenu;
}

TImageList* TMenuItemPainter::ImagesOf(const TMenuItem& item) const
{
    TMenu* menu = MenuOf(item);
    return menu ? menu->Images() : nullptr;
}

COLORREF TMenuItemPainter::TextColour(bool enabled, bool selected) const
{
    if (enabled)
        return ColorToRGB(selected ? m_skin.HilightTextColour : m_skin.MenuTextColour);
    // Disabled text that would look enabled takes the system's shadow.
    if (m_skin.ButtonShadowColour == m_skin.MenuTextColour)
        return GetSysColor(COLOR_BTNSHADOW);
    return ColorToRGB(m_skin.ButtonShadowColour);
}

int TMenuItemPainter::Indent() const
{
    TDataSkinObject* object = MenuItemObject();
    return m_scale.Length(MenuItemIndent(object != nullptr, object ? object->LeftWidth : 0));
}

HFONT TMenuItemPainter::Font(TMenuFontWeight weight) const { return m_skin.MenuFonts.Get(m_scale.Dpi(), weight); }

int TMenuItemPainter::FromScreen(int length) const { return ScaleDpi(length, m_scale.Dpi(), ScreenDpi()); }

// The framework measured the item with the system's font, at the screen's
// density; the room the skin adds is laid out at 96.
void TMenuItemPainter::MeasureMenuItem(TMenuItem& item, int& width, int& height) const
{
    width = FromScreen(width) + Indent() + m_scale.Length(MeasuredPopupItemWidth(0, 0, ImagesOf(item) != nullptr));
    height = FromScreen(height);
}

void TMenuItemPainter::PaintMenuItem(TMenuItem& item, HDC dc, bool selected, const RECT& r) const
{
    if (!MenuItemObject()) {
        PaintPlainMenuItem(item, dc, selected, r);
        return;
    }
    HMENU const parent = item.ParentHandle();
    TWinSkinPopMenu::LearnMenu(parent);
    PaintOverBackground(parent, item, dc, selected, r, true);
}

void TMenuItemPainter::PaintHandleMenuItem(HMENU menu, TMenuItem& item, bool selected, const RECT& r, HDC dc) const
{
    if (!MenuItemObject()) {
        PaintPlainMenuItem(item, dc, selected, r);
        return;
    }
    PaintOverBackground(menu, item, dc, selected, r, false);
}

void TMenuItemPainter::PaintOverBackground(HMENU backgroundMenu, TMenuItem& item, HDC dc, bool selected,
                                           const RECT& r, bool skinnedSeparator) const
{
    TBitmap* background = SkinHost() ? SkinHost()->PopupBitmap(backgroundMenu) : nullptr;
    if (background && background->Empty())
        background = nullptr;
    // The popup window's border is kPopupBorder wide: its item area starts there.
    int const fromX = r.left + kPopupBorder;
    int const fromY = r.top + kPopupBorder;
    auto const compose = [&](HDC p, const RECT& all) {
        int const w = all.right;
        int const h = all.bottom;
        Fill(p, all, ColorToRGB(m_skin.MenuColour));
        if (background) {
            // Only what the background holds; the rest keeps the menu colour.
            int const cw = std::min(w, background->Width() - fromX);
            int const ch = std::min(h, background->Height() - fromY);
            if (fromX >= 0 && fromY >= 0 && cw > 0 && ch > 0)
                BitBlt(p, 0, 0, cw, ch, background->Canvas().Handle(), fromX, fromY, SRCCOPY);
        }
        if (skinnedSeparator && item.IsLine()) {
            PaintSkinSeparator(p, all);
            return;
        }
        TDataSkinObject& object = *MenuItemObject();
        int const frame = selected ? 4 : 1;
        TKeptPictures::TKey const key {&object.Bitmap, object.Bitmap.Width(), object.Bitmap.Height(), mpItem,
                                       w, h, frame, m_scale.Dpi(), TransparencyOf(object),
                                       MiddleFillOf(object.Tile)};
        auto const make = [&] {
            TBitmap& image = m_scale.Image(object.Bitmap, 5, TFrameLayout::flHorizontal);
            return TMaskedPicture(ComposeSkinImage(all, image, m_scale.Margins(MarginsOf(object)), frame, 5, key.Fill,
                                                 TFrameLayout::flHorizontal),
                                key.Transparency);
        };
        m_skin.KeptPictures.Get(key, make).Draw(p, 0, 0);
        PaintMenuItemContent(item, p, selected, all);
    };
    // An item of a menu with images is composed each time: the list's
    // pictures may change under it.
    if (ImagesOf(item)) {
        ComposeItem(m_skin.KeptPictures, dc, r, compose);
        return;
    }
    // Otherwise the whole face is kept: the popup paints it again and again
    // as it opens and as the selection moves.
    int const w = r.right - r.left;
    int const h = r.bottom - r.top;
    if (w <= 0 || h <= 0)
        return;
    TMenu* const menu = MenuOf(item);
    int const state = (selected ? 1 : 0) | (item.Enabled() ? 2 : 0) | (item.Checked() ? 4 : 0) |
                      (item.Default() ? 8 : 0) | (item.IsLine() ? 16 : 0) | (skinnedSeparator ? 32 : 0) |
                      (menu && menu->IsRightToLeft() ? 64 : 0);
    TKeptPictures::TKey key {background, background ? background->Width() : 0, background ? background->Height() : 0,
                             mpItemFace, w, h, state, m_scale.Dpi()};
    // The face is opaque; it was drawn with the strip's transparency and fill.
    TDataSkinObject const& strip = *MenuItemObject();
    key.Transparency = TransparencyOf(strip);
    key.Fill = MiddleFillOf(strip.Tile);
    key.Left = fromX;
    key.Top = fromY;
    key.Ink = TextColour(item.Enabled(), selected);
    key.Text = item.Caption() + L'\t' + ShortCutToText(item.ShortCut());
    auto const make = [&] {
        auto face = std::make_unique<TBitmap>(w, h, TPixelFormat::pf24bit);
        compose(face->Canvas().Handle(), RECT {0, 0, w, h});
        return TMaskedPicture(std::move(face), TSkinTransparency::stOpaque);
    };
    m_skin.KeptPictures.Get(key, make).Draw(dc, r.left, r.top);
}

void TMenuItemPainter::PaintPlainMenuItem(TMenuItem& item, HDC dc, bool selected, const RECT& r) const
{
    ComposeItem(m_skin.KeptPictures, dc, r, [&](HDC p, const RECT& all) {
        Fill(p, all, ColorToRGB(selected ? m_skin.HilightColour : m_skin.MenuColour));
        PaintMenuItemContent(item, p, selected, all);
    });
}

void TMenuItemPainter::PaintSkinSeparator(HDC dc, const RECT& r) const
{
    TDataSkinObject* object = MenuItemObject();
    int const w = r.right - r.left;
    int const h = r.bottom - r.top;
    if (!object || w <= 0 || h <= 0)
        return;
    TKeptPictures::TKey const key {&object->Bitmap, object->Bitmap.Width(), object->Bitmap.Height(),
                                   mpSeparator, w, h, 0, m_scale.Dpi(), TSkinTransparency::stKeyColour};
    auto const make = [&] {
        TBitmap& image = m_scale.Image(object->Bitmap, 5, TFrameLayout::flHorizontal);
        auto const pieces = SeparatorPieces(image.Width(), image.Height(), w, h, m_scale.Length(object->LeftWidth),
                                            m_scale.Length(object->RightWidth));
        auto line = std::make_unique<TBitmap>(w, h, TPixelFormat::pf24bit);
        HDC const l = line->Canvas().Handle();
        Fill(l, RECT {0, 0, w, h}, ColorToRGB(SkinKeyColour));
        TStretchModeGuard const mode(l, COLORONCOLOR);
        for (const TSkinPiece& piece : pieces)
            StretchBlt(l, piece.Dest.Left, piece.Dest.Top, piece.Dest.Width(), piece.Dest.Height(),
                       image.Canvas().Handle(), piece.Source.Left, piece.Source.Top, piece.Source.Width(),
                       piece.Source.Height(), SRCCOPY);
        return TMaskedPicture(std::move(line), TSkinTransparency::stKeyColour);
    };
    m_skin.KeptPictures.Get(key, make).Draw(dc, r.left, r.top);
}

void TMenuItemPainter::PaintMenuItemContent(TMenuItem& item, HDC dc, bool selected, const RECT& r) const
{
    TMenu* const menu = MenuOf(item);
    TImageList* const images = menu ? menu->Images() : nullptr;
    bool const rtl = menu && menu->IsRightToLeft();
    int const boxSize = m_scale.Length(MenuImageSize(images ? images->Width() : 0, item.Checked()));
    TMenuItemLayout const layout = MenuItemLayout(ToSkin(r), boxSize, Indent(), item.IsLine(), rtl);

    if (!item.IsLine()) {
        RECT box = ToRect(layout.Box);
        bool const hasImage = images && item.ImageIndex() >= 0 && item.ImageIndex() < images->Count();
        if (hasImage) {
            if (item.Checked()) {
                FillCheckedPattern(dc, box);
                DrawEdge(dc, &box, BDR_SUNKENOUTER, BF_RECT);
            }
            // The list's images keep their size, in the middle of the grown box.
            int const dx = (m_scale.Length(images->Width()) - images->Width()) / 2;
            int const dy = (m_scale.Length(images->Height()) - images->Height()) / 2;
            images->Draw(dc, box.left + dx, box.top + dy, item.ImageIndex(), item.Enabled());
        } else if (item.Checked()) {
            DrawCheckMark(dc, layout.Box, ColorToRGB(m_skin.ButtonTextColour), m_scale);
        }
    }

    TSelectObject const selectedFont(dc, Font(item.Default() ? TMenuFontWeight::mwBold : TMenuFontWeight::mwRegular));

    UINT const side = rtl ? DT_RIGHT : 0;
    RECT measured = ToRect(layout.Text);
    PaintMenuItemText(item, dc, DT_CALCRECT | DT_NOCLIP | DT_SINGLELINE | DT_EXPANDTABS | side, selected, measured,
                      TTextPass::tpMeasure);
    TSkinRect caption = CentredCaption(ToSkin(measured), r.bottom - r.top);
    TSkinRect const measuredCaption = caption;
    if (rtl) {
        caption.Left = layout.Text.Left;
        caption.Right = layout.Text.Right;
    }
    RECT drawn = ToRect(caption);
    PaintMenuItemText(item, dc, DT_SINGLELINE | DT_EXPANDTABS | side, selected, drawn, TTextPass::tpDraw);

    if (std::wstring const keys = ShortCutToText(item.ShortCut()); !keys.empty() && !item.IsLine()) {
        RECT at = ToRect(ShortcutRect(layout, measuredCaption, ToSkin(r), rtl));
        TBkModeGuard const transparent(dc, TRANSPARENT);
        TTextColorGuard const colour(dc, TextColour(item.Enabled(), selected));
        DrawTextW(dc, keys.c_str(), -1, &at, rtl ? DT_LEFT : DT_RIGHT);
    }
}

void TMenuItemPainter::PaintMenuItemText(TMenuItem& item, HDC dc, UINT format, bool selected, RECT& r,
                                         TTextPass pass) const
{
    std::wstring text = item.Caption();
    if (pass == TTextPass::tpMeasure && (text.empty() || text == L"&"))
        text += L" ";
    if (text != L"-") {
        TBkModeGuard const transparent(dc, TRANSPARENT);
        TTextColorGuard const colour(dc, TextColour(item.Enabled(), selected));
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, format);
        return;
    }
    if (pass == TTextPass::tpDraw) {
        RECT line = r;
        OffsetRect(&line, 0, m_scale.Length(4));
        DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
    }
}

} // namespace tandrel
