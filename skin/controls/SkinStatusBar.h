#pragma once
// Status bars: the whole bar composed off-screen, each panel in the skin's
// panel edges (or the plain 3-D look without them), its text, and a size
// grip.

#include "skin/controls/SkinControl.h"
#include "skin/geometry/SkinTabGeometry.h"

#include <string>
#include <vector>

namespace tandrel {

class TStatusBar;

class TSkinStatusBar : public TSkinControl {
public:
    explicit TSkinStatusBar(TComponent* owner) : TSkinControl(owner) {}
    const char* ClassName() const override { return "TSkinStatusBar"; }

    bool BeforeMessage(TMessage& message) override;
    void DrawControl(HDC dc, const RECT& rect) override;

private:
    struct TPanelText {
        std::wstring Text;
        TStatusPanelIn Panel;
    };
    // What the bar shows: none for one simple panel over the whole bar.
    std::vector<TPanelText> ReadPanels(std::wstring& simpleText) const;
    void DrawPanel(TCanvas& canvas, const TStatusPanelPlace& place, const std::wstring& text, bool skinLook);
    void DrawGrip(HDC dc, const RECT& r);
};

} // namespace tandrel
