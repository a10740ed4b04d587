#include "framework/graphics/Canvas.h"

#include "framework/graphics/Graphic.h"
#include "framework/core/SysUtils.h"

namespace tandrel {

TCanvas::TCanvas()
{
    m_font.OnChange = [this] { Deselect(kFontValid); };
    m_pen.OnChange = [this] { Deselect(kPenValid); };
    m_brush.OnChange = [this] { Deselect(kBrushValid); };
}

TCanvas::~TCanvas() { SetHandle(nullptr); }

void TCanvas::SetHandle(HDC dc)
{
    if (dc == m_dc)
        return;
    if (m_dc) {
        RestoreDC(m_dc, m_savedState);
        m_savedState = 0;
        m_state = 0;
    }
    m_dc = dc;
    if (m_dc)
        m_savedState = SaveDC(m_dc);
}

HDC TCanvas::CheckedHandle() const
{
    if (!m_dc)
        throw EInvalidOperation("Canvas does not allow drawing");
    return m_dc;
}

void TCanvas::Require(unsigned what)
{
    HDC dc = CheckedHandle();
    unsigned missing = what & ~m_state;
    if (missing & kFontValid) {
        SelectObject(dc, m_font.Handle());
        SetTextColor(dc, ColorToRGB(m_font.Color()));
    }
    if (missing & kPenValid)
        SelectObject(dc, m_pen.Handle());
    if (missing & kBrushValid) {
        SelectObject(dc, m_brush.Handle());
        SetBkColor(dc, ColorToRGB(m_brush.Color()));
        SetBkMode(dc, m_brush.Style() == TBrushStyle::bsClear ? TRANSPARENT : OPAQUE);
    }
    m_state |= missing;
}

// Puts stock objects in place so the changed object can be freed.
void TCanvas::Deselect(unsigned what)
{
    if (!m_dc)
        return;
    unsigned selected = what & m_state;
    if (selected & kFontValid)
        SelectObject(m_dc, GetStockObject(SYSTEM_FONT));
    if (selected & kPenValid)
        SelectObject(m_dc, GetStockObject(BLACK_PEN));
    if (selected & kBrushValid)
        SelectObject(m_dc, GetStockObject(HOLLOW_BRUSH));
    m_state &= ~selected;
}

void TCanvas::FillRect(const RECT& rect)
{
    Require(kBrushValid);
    ::FillRect(m_dc, &rect, m_brush.Handle());
}

void TCanvas::FrameRect(const RECT& rect)
{
    Require(kBrushValid);
    ::FrameRect(m_dc, &rect, m_brush.Handle());
}

void TCanvas::Rectangle(int left, int top, int right, int bottom)
{
    Require(kPenValid | kBrushValid);
    ::Rectangle(m_dc, left, top, right, bottom);
}

void TCanvas::MoveTo(int x, int y)
{
    MoveToEx(CheckedHandle(), x, y, nullptr);
}

void TCanvas::LineTo(int x, int y)
{
    Require(kPenValid | kBrushValid);
    ::LineTo(m_dc, x, y);
}

void TCanvas::Polygon(const std::vector<POINT>& points)
{
    Require(kPenValid | kBrushValid);
    if (!points.empty())
        ::Polygon(m_dc, points.data(), static_cast<int>(points.size()));
}

void TCanvas::Polyline(const std::vector<POINT>& points)
{
    Require(kPenValid | kBrushValid);
    if (!points.empty())
        ::Polyline(m_dc, points.data(), static_cast<int>(points.size()));
}

void TCanvas::TextOut(int x, int y, const std::wstring& text)
{
    Require(kFontValid | kBrushValid);
    ExtTextOutW(m_dc, x, y, 0, nullptr, text.c_str(), static_cast<UINT>(text.size()), nullptr);
}

void TCanvas::TextRect(const RECT& rect, int x, int y, const std::wstring& text)
{
    Require(kFontValid | kBrushValid);
    UINT options = ETO_CLIPPED;
    if (m_brush.Style() != TBrushStyle::bsClear)
        options |= ETO_OPAQUE;
    ExtTextOutW(m_dc, x, y, options, &rect, text.c_str(), static_cast<UINT>(text.size()), nullptr);
}

int TCanvas::DrawText(const std::wstring& text, RECT& rect, UINT format)
{
    Require(kFontValid | kBrushValid);
    return ::DrawTextW(m_dc, text.c_str(), static_cast<int>(text.size()), &rect, format);
}

SIZE TCanvas::TextExtent(const std::wstring& text)
{
    Require(kFontValid);
    SIZE size {};
    GetTextExtentPoint32W(m_dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

void TCanvas::Draw(int x, int y, TGraphic& graphic)
{
    if (graphic.Empty())
        return;
    RECT r {x, y, x + graphic.Width(), y + graphic.Height()};
    graphic.Draw(*this, r);
}

void TCanvas::StretchDraw(const RECT& rect, TGraphic& graphic)
{
    if (!graphic.Empty())
        graphic.Draw(*this, rect);
}

void TCanvas::CopyRect(const RECT& dest, TCanvas& source, const RECT& sourceRect)
{
    HDC dc = CheckedHandle();
    StretchBlt(dc, dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top, source.CheckedHandle(),
               sourceRect.left, sourceRect.top, sourceRect.right - sourceRect.left,
               sourceRect.bottom - sourceRect.top, SRCCOPY);
}

void TCanvas::SetPixel(int x, int y, TColor colour)
{
    ::SetPixel(CheckedHandle(), x, y, ColorToRGB(colour));
}

} // namespace tandrel
