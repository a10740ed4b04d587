#include "skin/controls/SkinTab.h"

#include "framework/controls/TabSet.h"
#include "framework/core/Colors.h"
#include "framework/core/ScopeGuard.h"
#include "framework/graphics/Dpi.h"
#include "framework/graphics/GdiObjects.h"
#include "skin/controls/SkinControlList.h"
#include "skin/controls/SkinHeader.h"
#include "skin/controls/SkinUpDown.h"
#include "skin/data/WinSkinData.h"
#include "skin/draw/SkinDraw.h"

#include <algorithm>
#include <memory>

namespace tandrel {

namespace {

TSkinRect ToSkin(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }
RECT ToRect(const TSkinRect& r) { return {r.Left, r.Top, r.Right, r.Bottom}; }

// A 24-bit copy of a skin image's strip of `frameCount` frames at the
// scale's density.
void CopyImage(TBitmap& target, TBitmap& source, int frameCount, const TSkinScale& scale)
{
    target.Assign(scale.Image(source, frameCount, TFrameLayout::flHorizontal));
    target.SetPixelFormat(TPixelFormat::pf24bit);
}

int TabFrameCount(const TDataSkinBorder& tabs) { return std::max(1, tabs.FrameCount); }

} // namespace

const TComposedPicture& TTabFaces::Get(TBitmap& image, const TDataSkinBorder& tabs, const TSkinMargins& margins,
                                       int frame, int width, int height)
{
    for (const auto& face : m_faces)
        if (face->Fits(width, height, frame))
            return *face;
    // Tabs of many sizes (a stranger's font, odd texts) keep no more than a few.
    if (m_faces.size() >= 16)
        m_faces.clear();
    m_faces.push_back(std::make_unique<TComposedPicture>(image, margins, MiddleFillOf(tabs.Tile),
                                                         TransparencyOf(tabs), TabFrameCount(tabs),
                                                         frame, width, height));
    return *m_faces.back();
}

TSkinMargins FlippedMargins(const TSkinMargins& m) { return {m.Left, m.Bottom, m.Right, m.Top}; }

TSkinMargins PageEdgeMargins(TTabSide side)
{
    // Left 4, top 5 (the side the tabs meet), right 4, bottom 4, as drawn for
    // top tabs; the wide edge stays on the side of the tabs.
    switch (side) {
    case tsBottom: return {4, 4, 4, 5};
    case tsLeft: return {5, 4, 4, 4};
    case tsRight: return {4, 4, 5, 4};
    default: return {4, 5, 4, 4};
    }
}

void TSkinTab::AttachHandle(HWND handle, TSkinData* skinData, TCanvas* canvas)
{
    TSkinControl::AttachHandle(handle, skinData, canvas);
    if (!m_attached)
        return;
    m_focused = GetFocus() == handle;
    m_enabled = (GetWindowLongW(handle, GWL_STYLE) & WS_DISABLED) == 0;
    m_text = WindowText(handle);
    PrepareTabImages();
    FindScroller();
}

void TSkinTab::Refresh()
{
    m_stripMade = false;
    TSkinControl::Refresh();
    PrepareTabImages();
}

void TSkinTab::PrepareTabImages()
{
    m_stripMade = false;
    m_position = TabSideOfStyle(static_cast<std::uint32_t>(GetWindowLongW(m_handle, GWL_STYLE)));
    m_faces.Clear();
    TSkinScale const scale = Scale();
    m_imageDpi = scale.Dpi();
    if (!m_skinData || !m_skinData->Tabs)
        return;
    TDataSkinBorder& tabs = *m_skinData->Tabs;
    if (tabs.Bitmap.Empty() || tabs.Bitmap2.Empty())
        return;
    CopyImage(m_tabImage, tabs.Bitmap, TabFrameCount(tabs), scale);
    CopyImage(m_borderImage, tabs.Bitmap2, 1, scale);
    switch (m_position) {
    case tsBottom:
        FlipBitmap(m_tabImage);
        FlipBitmap(m_borderImage);
        break;
    case tsLeft: RotateBitmapLeft(m_borderImage); break;
    case tsRight: RotateBitmapRight(m_borderImage); break;
    default: break;
    }
}

bool TSkinTab::FindScroller()
{
    HWND const arrows = FindWindowExW(m_handle, nullptr, UPDOWN_CLASSW, nullptr);
    if (!arrows)
        return false;
    // Arrows made anew (the tabs came to fit and then overflowed again) get a
    // skinner of their own; the old one let go with its window.
    if (!m_scroller || !m_scroller->Handle() || m_scrollerWindow != arrows) {
        m_scroller = AdoptSpinSkinner(*this, arrows, false, 0);
        m_scrollerWindow = arrows;
        m_scrollerSize = {};
    }
    bool const visible = (GetWindowLongW(arrows, GWL_STYLE) & WS_VISIBLE) != 0;
    if (visible)
        FitScroller(arrows);
    return visible;
}

// The control gives its arrows the size they have at the screen's density;
// they keep their corner by the tabs and grow from it.
void TSkinTab::FitScroller(HWND arrows)
{
    int const dpi = Dpi();
    if (dpi == ScreenDpi())
        return;
    RECT r {};
    GetWindowRect(arrows, &r);
    MapWindowPoints(nullptr, m_handle, reinterpret_cast<POINT*>(&r), 2);
    SIZE const now {r.right - r.left, r.bottom - r.top};
    if (now.cx == m_scrollerSize.cx && now.cy == m_scrollerSize.cy)
        return;
    m_scrollerSize = {ScaleDpi(now.cx, dpi, ScreenDpi()), ScaleDpi(now.cy, dpi, ScreenDpi())};
    int const top = m_position == tsBottom ? r.top : std::max<LONG>(0, r.bottom - m_scrollerSize.cy);
    SetWindowPos(arrows, nullptr, r.right - m_scrollerSize.cx, top, m_scrollerSize.cx, m_scrollerSize.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

bool TSkinTab::Usable() const
{
    return m_skinData && m_skinData->Tabs && !m_skinData->Tabs->Bitmap.Empty() && !m_tabImage.Empty();
}

bool TSkinTab::BeforeMessage(TMessage& m)
{
    if (m.Msg == TCM_ADJUSTRECT)
        return AdjustRect(m);
    if (!Usable() || (m.Msg != WM_PAINT && m.Msg != WM_ERASEBKGND))
        return true;
    RECT window {};
    RECT client {};
    GetWindowRect(m_handle, &window);
    GetClientRect(m_handle, &client);
    // A control with a frame of its own paints as before, and so does a
    // paint into a given device context (printing, a buffered parent).
    if (window.right - window.left != client.right || window.bottom - window.top != client.bottom)
        return true;
    if (m.Msg == WM_PAINT && m.WParam)
        return true;
    if (m.Msg == WM_PAINT)
        PaintBuffered();
    m.Result = m.Msg == WM_ERASEBKGND ? 1 : 0;
    return false;
}

bool TSkinTab::AdjustRect(TMessage& m)
{
    int const dpi = Dpi();
    if (m_systemRect || !m.LParam || dpi == ScreenDpi() || !Usable())
        return true;
    CallPrevious(m);
    auto& r = *reinterpret_cast<RECT*>(m.LParam);
    // How far the page's edges reach past the display area, at the
    // screen's density and at the control's.
    TSkinRect const page = TabPageRect({0, 0, 0, 0}, m_position);
    auto const grow = [&](int outside) { return ScaleDpi(outside, dpi, ScreenDpi()) - outside; };
    int const sign = m.WParam ? -1 : 1;
    r.left += sign * grow(-page.Left);
    r.top += sign * grow(-page.Top);
    r.right -= sign * grow(page.Right);
    r.bottom -= sign * grow(page.Bottom);
    return false;
}

RECT TSkinTab::SystemDisplayRect(const RECT& rect)
{
    RECT display = rect;
    m_systemRect = true;
    auto const done = OnScopeExit([this] { m_systemRect = false; });
    SendMessageW(m_handle, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    return display;
}

void TSkinTab::PaintBuffered()
{
    PAINTSTRUCT paint {};
    HDC const dc = BeginPaint(m_handle, &paint);
    auto const end = OnScopeExit([&] { EndPaint(m_handle, &paint); });
    RECT client {};
    GetClientRect(m_handle, &client);
    m_paintBuffer.Draw(dc, client.right, client.bottom, [&](HDC memory) {
        FillFace(memory, client);
        TMessage own {WM_PAINT, reinterpret_cast<WPARAM>(memory), 0, 0};
        CallPrevious(own);
        DrawOnWindow(memory, [this](HDC target, const RECT& rect) { DrawControl(target, rect); });
        RECT const& r = paint.rcPaint;
        BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, memory, r.left, r.top, SRCCOPY);
    });
}

void TSkinTab::DrawControl(HDC dc, const RECT& rect)
{
    if (Dpi() != m_imageDpi)
        PrepareTabImages();
    if (!Usable())
        return;
    TSkinScale const scale = Scale();
    TSkinRect const page = TabPageRect(ToSkin(SystemDisplayRect(rect)), m_position);
    DrawStrip(dc, rect, page);
    if (ShowsFocus()) {
        // The system's dotted frame inside the focused tab; the window has
        // no frame here, so its client coordinates are the window's.
        int const focused = static_cast<int>(SendMessageW(m_handle, TCM_GETCURFOCUS, 0, 0));
        RECT tab {};
        if (focused >= 0 && SendMessageW(m_handle, TCM_GETITEMRECT, static_cast<WPARAM>(focused),
                                         reinterpret_cast<LPARAM>(&tab))) {
            InflateRect(&tab, -scale.Length(4), -scale.Length(3));
            if (tab.right > tab.left && tab.bottom > tab.top)
                DrawFocusRect(dc, &tab);
        }
    }
    // The page shows the face, as everything written on it expects; the
    // pages of a page control cover it with their own windows.
    bool const edges = !m_skinData->Tabs->Bitmap2.Empty() && !m_borderImage.Empty();
    TSkinMargins const margins = scale.Margins(edges ? PageEdgeMargins(m_position) : TSkinMargins {2, 2, 2, 2});
    RECT inside = ToRect(page);
    inside = {inside.left + margins.Left, inside.top + margins.Top, inside.right - margins.Right,
              inside.bottom - margins.Bottom};
    if (inside.right > inside.left && inside.bottom > inside.top)
        FillFace(dc, inside);
    if (edges)
        DrawSkinEdges(dc, ToRect(page), m_borderImage, margins, TFrameLayout::flHorizontal, 1, 1);
}

void TSkinTab::DrawStrip(HDC dc, const RECT& rect, const TSkinRect& page)
{
    TSkinRect const strip = TabStripRect(ToSkin(rect), page, m_position);
    TSkinSize const size = TabStripBitmapSize(strip, m_position);
    if (size.Width <= 0 || size.Height <= 0)
        return;
    auto font = reinterpret_cast<HFONT>(SendMessageW(m_handle, WM_GETFONT, 0, 0));
    if (!font)
        font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    TStripKey key {PictureGround(size.Width, size.Height), font,
                   reinterpret_cast<HIMAGELIST>(SendMessageW(m_handle, TCM_GETIMAGELIST, 0, 0)),
                   static_cast<int>(SendMessageW(m_handle, TCM_GETCURFOCUS, 0, 0)), m_enabled, {}};
    int const count = static_cast<int>(SendMessageW(m_handle, TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        RECT tab {};
        // The wide variant: tab texts may be Chinese.
        wchar_t text[80] {};
        TCITEMW item {};
        item.mask = TCIF_TEXT | TCIF_IMAGE | TCIF_STATE;
        item.pszText = text;
        item.cchTextMax = 80;
        if (!SendMessageW(m_handle, TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&tab)) ||
            !SendMessageW(m_handle, TCM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item)))
            key.Tabs.push_back({});
        else
            key.Tabs.push_back({MapTabIntoStrip(ToSkin(tab), m_position, ToSkin(rect), page), text, item.iImage, true});
    }
    // The strip is composed (and turned) once for what it shows; a repaint copies it.
    if (!m_stripMade || !(key == m_stripKey)) {
        m_stripMade = false;
        ComposeStrip(key);
        m_stripKey = std::move(key);
        m_stripMade = true;
    }

    int const saved = SaveDC(dc);
    auto const restore = OnScopeExit([&] { RestoreDC(dc, saved); });
    if (FindScroller()) {
        // The skinned arrows stay on top of the strip.
        RECT arrows {};
        RECT window {};
        GetWindowRect(m_scrollerWindow, &arrows);
        GetWindowRect(m_handle, &window);
        OffsetRect(&arrows, -window.left, -window.top);
        ExcludeClipRect(dc, arrows.left, arrows.top, arrows.right, arrows.bottom);
    }
    BitBlt(dc, strip.Left, strip.Top, m_strip.Width(), m_strip.Height(), m_strip.Canvas().Handle(), 0, 0, SRCCOPY);
}

void TSkinTab::ComposeStrip(const TStripKey& key)
{
    m_strip.SetPixelFormat(TPixelFormat::pf24bit);
    m_strip.SetSize(key.Ground.Width, key.Ground.Height);
    TCanvas& canvas = m_strip.Canvas();
    FillFace(canvas.Handle(), {0, 0, key.Ground.Width, key.Ground.Height});
    // A font is made only when the window's changes.
    if (key.Font != m_font) {
        canvas.Font().AssignHandle(key.Font);
        m_font = key.Font;
    }
    for (std::size_t i = 0; i < key.Tabs.size(); ++i)
        if (key.Tabs[i].Shown)
            DrawTab(key.Tabs[i], static_cast<int>(i) == key.Current, key.Images);
    if (m_position == tsLeft)
        RotateBitmapLeft(m_strip);
    else if (m_position == tsRight)
        RotateBitmapRight(m_strip);
}

void TSkinTab::DrawTab(const TStripTab& tab, bool current, HIMAGELIST images)
{
    TDataSkinBorder& tabs = *m_skinData->Tabs;
    TCanvas& canvas = m_strip.Canvas();
    RECT const r = ToRect(tab.Place);
    int const state = current ? 2 : 1;
    // The image is upside down for bottom tabs; so are its margins.
    TSkinMargins const own = Scale().Margins(MarginsOf(tabs));
    TSkinMargins const margins = m_position == tsBottom ? FlippedMargins(own) : own;
    m_faces.Get(m_tabImage, tabs, margins, state, r.right - r.left, r.bottom - r.top).Draw(canvas.Handle(), r.left, r.top);
    canvas.Font().SetColor(current ? static_cast<TColor>(tabs.MouseOverColour2) : static_cast<TColor>(tabs.NormalColour2));
    DrawIconText(canvas, r, images, tab.Image, tab.Text, 1, m_enabled);
}

void TSkinTab31::Attach(TWinControl* control, TSkinData* skinData, TCanvas* canvas, bool setColour)
{
    if (m_attached)
        return;
    TSkinControl::Attach(control, skinData, canvas, setColour);
    if (!m_attached)
        return;
    PrepareTabImage();
    auto* tabSet = dynamic_cast<TTabSet*>(control);
    if (!tabSet || tabSet->ComponentCount() == 0)
        return;
    m_scroller = dynamic_cast<TTabSetScroller*>(tabSet->Components(0));
    // Its arrows lie left and right, whatever their style says.
    if (m_scroller)
        m_scrollerSkinner = AdoptSpinSkinner(*this, m_scroller->Handle(), false, 1);
}

void TSkinTab31::PrepareTabImage()
{
    m_bufferMade = false;
    m_faces.Clear();
    TSkinScale const scale = Scale();
    m_imageDpi = scale.Dpi();
    if (m_skinData && m_skinData->Tabs && !m_skinData->Tabs->Bitmap.Empty()) {
        CopyImage(m_tabImage, m_skinData->Tabs->Bitmap, TabFrameCount(*m_skinData->Tabs), scale);
        FlipBitmap(m_tabImage);
    }
}

void TSkinTab31::Refresh()
{
    TSkinControl::Refresh();
    PrepareTabImage();
}

bool TSkinTab31::BeforeMessage(TMessage& m)
{
    // Anything else goes to the control's own handler.
    return !TakePaintOver(m);
}

void TSkinTab31::DrawControl(HDC dc, const RECT& rect)
{
    if (Dpi() != m_imageDpi)
        PrepareTabImage();
    auto* tabSet = dynamic_cast<TTabSet*>(m_control);
    if (!tabSet || !m_skinData || !m_skinData->Tabs || m_skinData->Tabs->Bitmap.Empty() || m_tabImage.Empty())
        return;
    RECT const r {0, 0, rect.right - rect.left, rect.bottom - rect.top};
    if (r.right <= 0 || r.bottom <= 0)
        return;
    const TFont& font = tabSet->Canvas().Font();
    bool const arrows = tabSet->Scroller().HandleAllocated() &&
                        (GetWindowLongW(tabSet->Scroller().Handle(), GWL_STYLE) & WS_VISIBLE);
    TSetKey key {PictureGround(r.right, r.bottom), font.Name(), font.Height(), font.Style(), font.Charset(),
                 tabSet->FirstIndex(), tabSet->TabIndex(), arrows, tabSet->Scroller().Width(),
                 tabSet->StartMargin(), tabSet->EndMargin(), {}};
    for (int i = key.First; i < tabSet->Tabs().Count(); ++i)
        key.Texts.push_back(tabSet->Tabs().Strings(i));
    // The tabs are composed once for what they show; a repaint copies them.
    if (!m_bufferMade || !(key == m_bufferKey)) {
        m_bufferMade = false;
        ComposeTabs(key);
        m_bufferKey = std::move(key);
        m_bufferMade = true;
    }
    BitBlt(dc, rect.left, rect.top, r.right, r.bottom, m_buffer.Canvas().Handle(), 0, 0, SRCCOPY);
}

void TSkinTab31::ComposeTabs(const TSetKey& key)
{
    auto* tabSet = dynamic_cast<TTabSet*>(m_control);
    TDataSkinBorder& tabs = *m_skinData->Tabs;
    RECT const r {0, 0, key.Ground.Width, key.Ground.Height};
    m_buffer.SetSize(r.right, r.bottom);
    TCanvas& canvas = m_buffer.Canvas();
    FillFace(canvas.Handle(), r);
    canvas.Font().Assign(tabSet->Canvas().Font());
    TSkinScale const scale = Scale();

    int const first = key.First;
    std::vector<int> widths;
    for (const std::wstring& text : key.Texts)
        widths.push_back(canvas.TextWidth(text) + scale.Length(9));
    // The arrows take their own width, so that no tab hides under them.
    int const reserve = std::max(scale.Length(12), key.ArrowsWidth);
    std::vector<int> const lefts = FitTabSetTabs(widths, key.StartMargin, r.right - key.EndMargin, key.Arrows, reserve);
    TSkinMargins const margins = FlippedMargins(scale.Margins(MarginsOf(tabs)));
    for (size_t k = 0; k < lefts.size(); ++k) {
        if (lefts[k] < 0)
            continue;
        int const index = first + static_cast<int>(k);
        bool const selected = index == key.Current;
        RECT const tab {lefts[k], 0, lefts[k] + widths[k], r.bottom};
        m_faces.Get(m_tabImage, tabs, margins, selected ? 2 : 1, tab.right - tab.left, tab.bottom - tab.top)
            .Draw(canvas.Handle(), tab.left, tab.top);
        canvas.Font().SetColor(selected ? static_cast<TColor>(tabs.MouseOverColour2)
                                        : static_cast<TColor>(tabs.NormalColour2));
        DrawCaption(canvas, tab, key.Texts[k], true, DT_CENTER);
    }
}

} // namespace tandrel
