#pragma once
// The glyph side of the framework's glyph buttons (bitmap and speed buttons):
// the strip of glyph frames and how it sits beside the caption.

#include "framework/controls/ButtonGlyph.h"
#include "framework/core/Publisher.h"

#include <string>

namespace tandrel {

extern const TEnumInfo kButtonLayouts;

class TGlyphButton {
public:
    TBitmap& Glyph() { return m_glyph; }
    const TBitmap& Glyph() const { return m_glyph; }
    TBitmap* GlyphObject() { return &m_glyph; }
    // Frames side by side in the glyph: up, disabled, down, exclusive (1 to 4).
    int NumGlyphs() const { return m_numGlyphs; }
    void SetNumGlyphs(int count);
    TButtonLayout Layout() const { return m_layout; }
    void SetLayout(TButtonLayout layout);
    // Pixels from the edge to the glyph; -1 centres glyph and caption together.
    int Margin() const { return m_margin; }
    void SetMargin(int margin);
    int Spacing() const { return m_spacing; }
    void SetSpacing(int spacing);

    // The glyph strip at a density: the strip itself at 96, else a copy grown
    // frame by frame, pixel for pixel, so the transparent colour stays exact
    // and its edge crisp. Made once per strip and density and kept.
    TBitmap& GlyphAtDpi(TBitmap& glyph, int numGlyphs, int dpi);

    // Publishes Glyph, Layout, Margin, NumGlyphs and Spacing of a button class.
    template <class C>
    static void PublishGlyph(TPublisher<C>& publisher)
    {
        publisher.Object("Glyph", &C::GlyphObject)
            .Enumeration("Layout", kButtonLayouts, &C::Layout, &C::SetLayout)
            .Integer("Margin", &C::Margin, &C::SetMargin)
            .Integer("NumGlyphs", &C::NumGlyphs, &C::SetNumGlyphs)
            .Integer("Spacing", &C::Spacing, &C::SetSpacing);
    }

protected:
    TGlyphButton();
    ~TGlyphButton() = default;
    TGlyphButton(const TGlyphButton&) = delete;
    TGlyphButton& operator=(const TGlyphButton&) = delete;

    // What the button shows: these glyph frames and the caption, laid out as
    // set, with margin and spacing at the density.
    TButtonContent Content(TBitmap& glyph, int numGlyphs, const std::wstring& caption, int dpi = 96) const;
    // Every change to what the button shows ends here; buttons repaint.
    virtual void GlyphChanged() = 0;

private:
    template <class T>
    void Store(T& field, T value)
    {
        if (field != value) {
            field = value;
            GlyphChanged();
        }
    }

    TBitmap m_glyph;
    // The last strip grown for a density, and what it was grown from.
    TBitmap m_scaled;
    struct TScaledFrom {
        const TBitmap* Source = nullptr;
        int Width = 0;
        int Height = 0;
        int NumGlyphs = 0;
        int Dpi = 0;
        bool operator==(const TScaledFrom&) const = default;
    } m_scaledFrom;
    int m_numGlyphs = 1;
    TButtonLayout m_layout = TButtonLayout::blGlyphLeft;
    int m_margin = -1;
    int m_spacing = 4;
};

} // namespace tandrel
