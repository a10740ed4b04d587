#pragma once
// Font, pen and brush: settings that make a GDI object when a canvas needs it.

#include "framework/core/Colors.h"
#include "framework/graphics/GdiObjects.h"
#include "framework/core/Object.h"

#include <functional>
#include <string>

namespace tandrel {

// Base of font, pen and brush: tells its owner when a value changes.
class TGraphicsObject : public TPersistent {
public:
    const char* ClassName() const override { return "TGraphicsObject"; }
    std::function<void()> OnChange;

protected:
    void Changed()
    {
        if (OnChange)
            OnChange();
    }
};

enum TFontStyle : unsigned { fsBold = 1u << 0, fsItalic = 1u << 1, fsUnderline = 1u << 2, fsStrikeOut = 1u << 3 };
using TFontStyles = unsigned;

class TFont final : public TGraphicsObject {
public:
    TFont();
    const char* ClassName() const override { return "TFont"; }
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();
    void Assign(const TPersistent& source) override;

    const std::wstring& Name() const { return m_values.Name; }
    void SetName(const std::wstring& name);
    // Negative: character height in pixels; positive: cell height.
    int Height() const { return m_values.Height; }
    void SetHeight(int height);
    int Size() const;  // points at 96 pixels per inch
    void SetSize(int points);
    TFontStyles Style() const { return m_values.Style; }
    void SetStyle(TFontStyles style);
    TColor Color() const { return m_values.Color; }
    void SetColor(TColor colour);
    int Charset() const { return m_values.Charset; }
    void SetCharset(int charset);
    // Takes name, height, style and character set of a font the system made
    // (a window's WM_GETFONT); the colour stays. Nothing for none.
    void AssignHandle(HFONT font);

    HFONT Handle();

private:
    void Rebuild();

    // Everything that makes the font, compared and copied whole.
    struct TFontValues {
        std::wstring Name = L"MS Sans Serif";
        int Height = -11;
        TFontStyles Style = 0;
        TColor Color = clWindowText;
        int Charset = DEFAULT_CHARSET;
        bool operator==(const TFontValues&) const = default;
    };
    TFontValues m_values;
    TOwnedFont m_handle;
};

enum class TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

class TPen final : public TGraphicsObject {
public:
    const char* ClassName() const override { return "TPen"; }
    void Assign(const TPersistent& source) override;

    TColor Color() const { return m_color; }
    void SetColor(TColor colour);
    int Width() const { return m_width; }
    void SetWidth(int width);
    TPenStyle Style() const { return m_style; }
    void SetStyle(TPenStyle style);

    HPEN Handle();

private:
    void Rebuild();
    TColor m_color = clBlack;
    int m_width = 1;
    TPenStyle m_style = TPenStyle::psSolid;
    TOwnedPen m_handle;
    unsigned m_generation = 0;
};

enum class TBrushStyle { bsSolid, bsClear };

class TBrush final : public TGraphicsObject {
public:
    const char* ClassName() const override { return "TBrush"; }
    void Assign(const TPersistent& source) override;

    TColor Color() const { return m_color; }
    void SetColor(TColor colour);
    TBrushStyle Style() const { return m_style; }
    void SetStyle(TBrushStyle style);

    HBRUSH Handle();  // a hollow brush for bsClear

private:
    void Rebuild();
    TColor m_color = clWhite;
    TBrushStyle m_style = TBrushStyle::bsSolid;
    TOwnedBrush m_handle;
    unsigned m_generation = 0;
};

} // namespace tandrel
