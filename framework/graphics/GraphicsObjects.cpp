#include "framework/graphics/GraphicsObjects.h"

#include "framework/core/Publisher.h"
#include "framework/core/SysUtils.h"

namespace tandrel {

namespace {
const TEnumInfo kFontStyles {{"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}};
constexpr int kPixelsPerInch = 96;
}

TFont::TFont() = default;

const TClassInfo& TFont::StaticClassInfo()
{
    static const TClassInfo info = [] {
        TClassInfo i("TFont", &TPersistent::StaticClassInfo());
        TPublisher<TFont>(i)
            .Integer("Charset", &TFont::Charset, &TFont::SetCharset)
            .Colour("Color", &TFont::Color, &TFont::SetColor)
            .Integer("Height", &TFont::Height, &TFont::SetHeight)
            .String("Name", &TFont::Name, &TFont::SetName)
            .Integer("Size", &TFont::Size, &TFont::SetSize)
            .Set("Style", kFontStyles, &TFont::Style, &TFont::SetStyle);
        return i;
    }();
    return info;
}

void TFont::Assign(const TPersistent& source)
{
    auto* font = dynamic_cast<const TFont*>(&source);
    if (!font)
        return TGraphicsObject::Assign(source);
    if (m_values == font->m_values)
        return;
    m_values = font->m_values;
    Rebuild();
}

void TFont::SetName(const std::wstring& name)
{
    if (name != m_values.Name && !name.empty()) {
        m_values.Name = name;
        Rebuild();
    }
}

void TFont::SetHeight(int height)
{
    if (height != m_values.Height) {
        m_values.Height = height;
        Rebuild();
    }
}

int TFont::Size() const { return -MulDiv(m_values.Height, 72, kPixelsPerInch); }

void TFont::SetSize(int points) { SetHeight(-MulDiv(points, kPixelsPerInch, 72)); }

void TFont::SetStyle(TFontStyles style)
{
    if (style != m_values.Style) {
        m_values.Style = style;
        Rebuild();
    }
}

void TFont::SetColor(TColor colour)
{
    if (colour != m_values.Color) {
        m_values.Color = colour;
        Changed();
    }
}

void TFont::SetCharset(int charset)
{
    if (charset != m_values.Charset) {
        m_values.Charset = charset;
        Rebuild();
    }
}

void TFont::AssignHandle(HFONT font)
{
    LOGFONTW lf {};
    if (!font || GetObjectW(font, sizeof lf, &lf) != sizeof lf)
        return;
    m_values.Name = lf.lfFaceName;
    m_values.Height = lf.lfHeight;
    m_values.Style = (lf.lfWeight >= FW_BOLD ? TFontStyles {fsBold} : 0u) | (lf.lfItalic ? TFontStyles {fsItalic} : 0u) |
                     (lf.lfUnderline ? TFontStyles {fsUnderline} : 0u) | (lf.lfStrikeOut ? TFontStyles {fsStrikeOut} : 0u);
    m_values.Charset = lf.lfCharSet;
    Rebuild();
}

void TFont::Rebuild()
{
    // Keep the old font alive until listeners (a canvas holding it selected)
    // have let go of it.
    TOwnedFont old = std::move(m_handle);
    Changed();
}

HFONT TFont::Handle()
{
    if (!m_handle) {
        LOGFONTW lf {};
        lf.lfHeight = m_values.Height;
        lf.lfWeight = (m_values.Style & fsBold) ? FW_BOLD : FW_NORMAL;
        lf.lfItalic = (m_values.Style & fsItalic) ? TRUE : FALSE;
        lf.lfUnderline = (m_values.Style & fsUnderline) ? TRUE : FALSE;
        lf.lfStrikeOut = (m_values.Style & fsStrikeOut) ? TRUE : FALSE;
        lf.lfCharSet = static_cast<BYTE>(m_values.Charset);
        lf.lfQuality = DEFAULT_QUALITY;
        lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
        lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
        lf.lfPitchAndFamily = DEFAULT_PITCH;
        lstrcpynW(lf.lfFaceName, m_values.Name.c_str(), LF_FACESIZE);
        HFONT font = CreateFontIndirectW(&lf);
        if (!font)
            RaiseLastOSError("CreateFontIndirect");
        m_handle.Reset(font);
    }
    return m_handle.Get();
}

void TPen::Assign(const TPersistent& source)
{
    auto* pen = dynamic_cast<const TPen*>(&source);
    if (!pen)
        return TGraphicsObject::Assign(source);
    m_color = pen->m_color;
    m_width = pen->m_width;
    m_style = pen->m_style;
    Rebuild();
}

void TPen::SetColor(TColor colour)
{
    if (colour != m_color) {
        m_color = colour;
        Rebuild();
    }
}

void TPen::SetWidth(int width)
{
    if (width != m_width) {
        m_width = width;
        Rebuild();
    }
}

void TPen::SetStyle(TPenStyle style)
{
    if (style != m_style) {
        m_style = style;
        Rebuild();
    }
}

void TPen::Rebuild()
{
    TOwnedPen old = std::move(m_handle);
    Changed();
}

HPEN TPen::Handle()
{
    // A system colour is resolved when the pen is made: make it again after a change.
    if (m_handle && (m_color & 0xFF000000u) == clSystemColor && m_generation != SystemColoursGeneration())
        Rebuild();
    if (!m_handle) {
        m_generation = SystemColoursGeneration();
        static const int styles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT, PS_NULL, PS_INSIDEFRAME};
        HPEN pen = CreatePen(styles[static_cast<int>(m_style)], m_width, ColorToRGB(m_color));
        if (!pen)
            RaiseLastOSError("CreatePen");
        m_handle.Reset(pen);
    }
    return m_handle.Get();
}

void TBrush::Assign(const TPersistent& source)
{
    auto* brush = dynamic_cast<const TBrush*>(&source);
    if (!brush)
        return TGraphicsObject::Assign(source);
    m_color = brush->m_color;
    m_style = brush->m_style;
    Rebuild();
}

void TBrush::SetColor(TColor colour)
{
    if (colour != m_color || m_style == TBrushStyle::bsClear) {
        m_color = colour;
        m_style = TBrushStyle::bsSolid;  // giving a colour makes the brush solid again
        Rebuild();
    }
}

void TBrush::SetStyle(TBrushStyle style)
{
    if (style != m_style) {
        m_style = style;
        Rebuild();
    }
}

void TBrush::Rebuild()
{
    TOwnedBrush old = std::move(m_handle);
    Changed();
}

HBRUSH TBrush::Handle()
{
    if (m_handle && (m_color & 0xFF000000u) == clSystemColor && m_generation != SystemColoursGeneration())
        Rebuild();
    if (!m_handle) {
        m_generation = SystemColoursGeneration();
        LOGBRUSH lb {};
        lb.lbStyle = m_style == TBrushStyle::bsClear ? BS_HOLLOW : BS_SOLID;
        lb.lbColor = ColorToRGB(m_color);
        HBRUSH brush = CreateBrushIndirect(&lb);
        if (!brush)
            RaiseLastOSError("CreateBrushIndirect");
        m_handle.Reset(brush);
    }
    return m_handle.Get();
}

} // namespace tandrel
