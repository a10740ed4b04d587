#include "editors/controls/cxGraphics.h"

namespace tandrel {

void TcxCanvas::FillRect(const RECT& rect, TColor colour)
{
    Brush().SetColor(colour);
    m_canvas->FillRect(rect);
}

void TcxCanvas::FrameRect(const RECT& rect, TColor colour, int thickness, TcxBorders borders)
{
    if (borders & (1u << bLeft))
        FillRect({rect.left, rect.top, rect.left + thickness, rect.bottom}, colour);
    if (borders & (1u << bTop))
        FillRect({rect.left, rect.top, rect.right, rect.top + thickness}, colour);
    if (borders & (1u << bRight))
        FillRect({rect.right - thickness, rect.top, rect.right, rect.bottom}, colour);
    if (borders & (1u << bBottom))
        FillRect({rect.left, rect.bottom - thickness, rect.right, rect.bottom}, colour);
}

void TcxCanvas::Polyline(const std::vector<POINT>& points, TColor colour)
{
    Pen().SetColor(colour);
    m_canvas->Polyline(points);
}

void TcxCanvas::Polygon(const std::vector<POINT>& points, TColor penColour, TColor brushColour)
{
    Pen().SetColor(penColour);
    Brush().SetColor(brushColour);
    m_canvas->Polygon(points);
}

void TcxCanvas::Line(int x1, int y1, int x2, int y2, TColor colour)
{
    Pen().SetColor(colour);
    m_canvas->MoveTo(x1, y1);
    m_canvas->LineTo(x2, y2);
}

void TcxCanvas::SetPixel(int x, int y, TColor colour) { m_canvas->SetPixel(x, y, colour); }

void TcxCanvas::DrawText(const std::wstring& text, RECT rect, UINT format) { m_canvas->DrawText(text, rect, format); }

void TcxCanvas::CopyFrom(int x, int y, HDC source, const RECT& sourceRect)
{
    BitBlt(Handle(), x, y, sourceRect.right - sourceRect.left, sourceRect.bottom - sourceRect.top, source,
           sourceRect.left, sourceRect.top, SRCCOPY);
}

} // namespace tandrel
