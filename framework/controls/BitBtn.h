#pragma once
// A push button that draws its own face with a glyph; its kind may give it a
// standard action (the close kind closes its form).

#include "framework/graphics/Bitmap.h"
#include "framework/controls/Button.h"
#include "framework/controls/GlyphButton.h"

namespace tandrel {

enum class TBitBtnKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };

class TBitBtn : public TButton, public TGlyphButton {
public:
    explicit TBitBtn(TComponent* owner);
    const char* ClassName() const override { return "TBitBtn"; }
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();

    TBitBtnKind Kind() const { return m_kind; }
    void SetKind(TBitBtnKind kind);
    // The glyph the button shows: its own, or its kind's when it has none.
    TBitmap& ShownGlyph();
    int ShownNumGlyphs() const { return Glyph().Empty() && m_kind == TBitBtnKind::bkClose ? 1 : NumGlyphs(); }

    void Click() override;

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;
    void GlyphChanged() override { Invalidate(); }

private:
    void OnDrawItem(TMessage& m);
    TBitmap& KindGlyph();

    TBitBtnKind m_kind = TBitBtnKind::bkCustom;
    TBitmap m_kindGlyph;
    TCanvas m_canvas;
};

} // namespace tandrel
