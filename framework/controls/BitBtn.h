#pragma once
// A push button that draws its own face with a glyph; its kind may give it a
// standard action (the close kind closes its form).

#include "framework/graphics/Bitmap.h"
#include "framework/controls/Button.h"
#include "framework/controls/ButtonGlyph.h"

namespace tandrel {

enum class TBitBtnKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };

class TBitBtn : public TButton {
public:
    explicit TBitBtn(TComponent* owner);
    const char* ClassName() const override { return "TBitBtn"; }
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();

    TBitBtnKind Kind() const { return m_kind; }
    void SetKind(TBitBtnKind kind);
    TBitmap& Glyph() { return m_glyph; }
    TBitmap* GlyphObject() { return &m_glyph; }
    int NumGlyphs() const { return m_numGlyphs; }
    void SetNumGlyphs(int count);
    // The glyph the button shows: its own, or its kind's when it has none.
    TBitmap& ShownGlyph();
    int ShownNumGlyphs() const { return m_glyph.Empty() && m_kind == TBitBtnKind::bkClose ? 1 : m_numGlyphs; }
    TButtonLayout Layout() const { return m_layout; }
    void SetLayout(TButtonLayout layout);
    int Margin() const { return m_margin; }
    void SetMargin(int margin);
    int Spacing() const { return m_spacing; }
    void SetSpacing(int spacing);

    void Click() override;

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;

private:
    void OnDrawItem(TMessage& m);
    TBitmap& KindGlyph();

    TBitBtnKind m_kind = TBitBtnKind::bkCustom;
    TBitmap m_glyph;
    TBitmap m_kindGlyph;
    int m_numGlyphs = 1;
    TButtonLayout m_layout = TButtonLayout::blGlyphLeft;
    int m_margin = -1;
    int m_spacing = 4;
    TCanvas m_canvas;
};

} // namespace tandrel
