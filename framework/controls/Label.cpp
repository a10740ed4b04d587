#include "framework/controls/Label.h"

#include "framework/core/Publisher.h"

namespace tandrel {

namespace {
const TEnumInfo kLayouts {{"tlTop", "tlCenter", "tlBottom"}};
}

const TClassInfo& TLabel::StaticClassInfo()
{
    static const TClassInfo info = [] {
        TClassInfo i("TLabel", &TControl::StaticClassInfo());
        TPublisher<TLabel>(i)
            .Boolean("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize)
            .Enumeration("Alignment", AlignmentNames(), &TLabel::Alignment, &TLabel::SetAlignment)
            .Enumeration("Layout", kLayouts, &TLabel::Layout, &TLabel::SetLayout)
            .Boolean("WordWrap", &TLabel::WordWrap, &TLabel::SetWordWrap)
            .Boolean("Transparent", &TLabel::Transparent, &TLabel::SetTransparent)
            .Boolean("ShowAccelChar", &TLabel::ShowAccelChar, &TLabel::SetShowAccelChar);
        return i;
    }();
    return info;
}

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner)
{
    m_controlStyle |= csOpaque;
    SetBounds(0, 0, 65, 17);
}

void TLabel::SetAutoSize(bool autoSize)
{
    if (autoSize != m_autoSize) {
        m_autoSize = autoSize;
        AdjustBounds();
    }
}

void TLabel::SetAlignment(TAlignment alignment)
{
    if (alignment != m_alignment) {
        m_alignment = alignment;
        Invalidate();
    }
}

void TLabel::SetLayout(TTextLayout layout)
{
    if (layout != m_layout) {
        m_layout = layout;
        Invalidate();
    }
}

void TLabel::SetWordWrap(bool wordWrap)
{
    if (wordWrap != m_wordWrap) {
        m_wordWrap = wordWrap;
        AdjustBounds();
        Invalidate();
    }
}

void TLabel::SetTransparent(bool transparent)
{
    if (transparent == m_transparent)
        return;
    m_transparent = transparent;
    if (transparent)
        m_controlStyle &= ~csOpaque;
    else
        m_controlStyle |= csOpaque;
    Invalidate();
}

void TLabel::SetShowAccelChar(bool show)
{
    if (show != m_showAccelChar) {
        m_showAccelChar = show;
        Invalidate();
    }
}

void TLabel::TextChanged()
{
    AdjustBounds();
    TGraphicControl::TextChanged();
}

void TLabel::FontChanged()
{
    TGraphicControl::FontChanged();
    AdjustBounds();
}

UINT TLabel::TextFormat() const
{
    UINT format = DT_EXPANDTABS;
    format |= m_wordWrap ? DT_WORDBREAK : DT_SINGLELINE;
    if (m_alignment == TAlignment::taRightJustify)
        format |= DT_RIGHT;
    else if (m_alignment == TAlignment::taCenter)
        format |= DT_CENTER;
    if (!m_showAccelChar)
        format |= DT_NOPREFIX;
    return format;
}

void TLabel::AdjustBounds()
{
    if (!m_autoSize || IsLoading())
        return;
    RECT r {0, 0, m_wordWrap ? Width() : 0, 0};
    {
        TWindowDC const screen(nullptr);
        TSelectObject const font(screen.Get(), Font().Handle());
        std::wstring const text = Caption().empty() ? L" " : Caption();
        ::DrawTextW(screen.Get(), text.c_str(), static_cast<int>(text.size()), &r, TextFormat() | DT_CALCRECT);
    }
    SetBounds(Left(), Top(), r.right, r.bottom);
}

void TLabel::Paint()
{
    TCanvas& canvas = Canvas();
    RECT client = ClientRect();
    if (!m_transparent) {
        canvas.Brush().SetColor(Color());
        canvas.FillRect(client);
    }
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    RECT text = client;
    UINT format = TextFormat();
    if (m_layout != TTextLayout::tlTop) {
        RECT measure = client;
        canvas.DrawText(Caption(), measure, format | DT_CALCRECT);
        int h = measure.bottom - measure.top;
        text.top = m_layout == TTextLayout::tlBottom ? client.bottom - h : (client.bottom - h) / 2;
    }
    if (Enabled()) {
        canvas.DrawText(Caption(), text, format);
        return;
    }
    // Disabled text: an etched look, a highlight under the grey.
    OffsetRect(&text, 1, 1);
    canvas.Font().SetColor(clBtnHighlight);
    canvas.DrawText(Caption(), text, format);
    OffsetRect(&text, -1, -1);
    canvas.Font().SetColor(clBtnShadow);
    canvas.DrawText(Caption(), text, format);
}

} // namespace tandrel
