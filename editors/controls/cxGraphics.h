#pragma once
// The editor framework's drawing surface: a canvas with colour-first calls,
// so a painter says what colour each stroke has where it draws it.

#include "framework/graphics/Canvas.h"
#include "framework/core/Colors.h"

#include <string>
#include <vector>

namespace tandrel {

enum TcxBorder { bLeft, bTop, bRight, bBottom };
// A set of TcxBorder.
using TcxBorders = unsigned;
constexpr TcxBorders cxBordersAll = 1u << bLeft | 1u << bTop | 1u << bRight | 1u << bBottom;

class TcxCanvas {
public:
    explicit TcxCanvas(TCanvas& canvas) : m_canvas(&canvas) {}

    TCanvas& Canvas() const { return *m_canvas; }
    HDC Handle() const { return m_canvas->Handle(); }
    TFont& Font() const { return m_canvas->Font(); }
    TPen& Pen() const { return m_canvas->Pen(); }
    TBrush& Brush() const { return m_canvas->Brush(); }

    void FillRect(const RECT& rect, TColor colour);
    // A frame of the given thickness along the named sides, inside rect.
    void FrameRect(const RECT& rect, TColor colour, int thickness = 1, TcxBorders borders = cxBordersAll);
    void Polyline(const std::vector<POINT>& points, TColor colour);
    // Filled and outlined in the pen colour.
    void Polygon(const std::vector<POINT>& points, TColor penColour, TColor brushColour);
    void Line(int x1, int y1, int x2, int y2, TColor colour);  // end point excluded
    void SetPixel(int x, int y, TColor colour);

    SIZE TextExtent(const std::wstring& text) { return m_canvas->TextExtent(text); }
    int TextWidth(const std::wstring& text) { return TextExtent(text).cx; }
    int TextHeight(const std::wstring& text) { return TextExtent(text).cy; }
    void DrawText(const std::wstring& text, RECT rect, UINT format);

    // Copies a rectangle of another DC to (x, y).
    void CopyFrom(int x, int y, HDC source, const RECT& sourceRect);

private:
    TCanvas* m_canvas;
};

// Moves a rectangle; the helpers the editors use on geometry.
inline RECT OffsetRectBy(RECT r, int dx, int dy) { return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}; }
inline RECT InflateRectBy(RECT r, int dx, int dy) { return {r.left - dx, r.top - dy, r.right + dx, r.bottom + dy}; }
inline int RectWidth(const RECT& r) { return r.right > r.left ? r.right - r.left : 0; }
inline int RectHeight(const RECT& r) { return r.bottom > r.top ? r.bottom - r.top : 0; }
inline bool SameRect(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
// Left <= x < Right and Top <= y < Bottom.
inline bool PointInRect(const RECT& r, POINT p) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; }

} // namespace tandrel
