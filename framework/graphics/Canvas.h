#pragma once
// A drawing surface over a device context, with its own pen, brush and font.
// Binding a DC saves its state; unbinding restores it, so nothing the canvas
// selects or sets outlives the binding.

#include "framework/graphics/GraphicsObjects.h"

#include <string>
#include <vector>

namespace tandrel {

class TGraphic;

class TCanvas : public TPersistent {
public:
    TCanvas();
    ~TCanvas() override;
    const char* ClassName() const override { return "TCanvas"; }

    HDC Handle() const { return m_dc; }
    void SetHandle(HDC dc);
    bool HandleAllocated() const { return m_dc != nullptr; }

    TFont& Font() { return m_font; }
    TPen& Pen() { return m_pen; }
    TBrush& Brush() { return m_brush; }

    void FillRect(const RECT& rect);
    void FrameRect(const RECT& rect);
    void Rectangle(int left, int top, int right, int bottom);
    void Rectangle(const RECT& rect) { Rectangle(rect.left, rect.top, rect.right, rect.bottom); }
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Polygon(const std::vector<POINT>& points);
    void Polyline(const std::vector<POINT>& points);

    void TextOut(int x, int y, const std::wstring& text);
    void TextRect(const RECT& rect, int x, int y, const std::wstring& text);
    int DrawText(const std::wstring& text, RECT& rect, UINT format);
    SIZE TextExtent(const std::wstring& text);
    int TextWidth(const std::wstring& text) { return TextExtent(text).cx; }
    int TextHeight(const std::wstring& text) { return TextExtent(text).cy; }

    void Draw(int x, int y, TGraphic& graphic);
    void StretchDraw(const RECT& rect, TGraphic& graphic);
    void CopyRect(const RECT& dest, TCanvas& source, const RECT& sourceRect);

    COLORREF Pixel(int x, int y) const { return GetPixel(m_dc, x, y); }
    void SetPixel(int x, int y, TColor colour);

private:
    enum : unsigned { kPenValid = 1, kBrushValid = 2, kFontValid = 4 };
    void Require(unsigned what);
    void Deselect(unsigned what);
    HDC CheckedHandle() const;

    HDC m_dc = nullptr;
    int m_savedState = 0;
    unsigned m_state = 0;
    TFont m_font;
    TPen m_pen;
    TBrush m_brush;
};

} // namespace tandrel
