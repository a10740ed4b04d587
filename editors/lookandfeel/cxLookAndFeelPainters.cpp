#include "editors/lookandfeel/cxLookAndFeelPainters.h"

#include <algorithm>

namespace tandrel {

TColor TcxCustomLookAndFeelPainter::FaceColorForState(TcxButtonState) const { return clBtnFace; }

TColor TcxUltraFlatLookAndFeelPainter::FaceColorForState(TcxButtonState state) const
{
    switch (state) {
    case cxbsHot: return BlendSystemColors(-2, 30, 72);
    case cxbsPressed: return BlendSystemColors(14, 44, 40);
    default: return clBtnFace;
    }
}

COLORREF BlendColors(COLORREF face, COLORREF highlight, COLORREF window, int faceWeight, int highlightWeight,
                     int windowWeight)
{
    if (face == RGB(0, 0, 0) || face == RGB(255, 255, 255))
        return highlight;
    auto mix = [&](int f, int h, int w) {
        // MulDiv rounds halves away from zero, negative weights included.
        const int sum = MulDiv(f, faceWeight, 100) + MulDiv(h, highlightWeight, 100) + MulDiv(w, windowWeight, 100);
        return static_cast<BYTE>(std::clamp(sum, 0, 255));
    };
    return RGB(mix(GetRValue(face), GetRValue(highlight), GetRValue(window)),
               mix(GetGValue(face), GetGValue(highlight), GetGValue(window)),
               mix(GetBValue(face), GetBValue(highlight), GetBValue(window)));
}

TColor BlendSystemColors(int faceWeight, int highlightWeight, int windowWeight)
{
    COLORREF blend = BlendColors(GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_HIGHLIGHT), GetSysColor(COLOR_WINDOW),
                                 faceWeight, highlightWeight, windowWeight);
    HDC screen = GetDC(nullptr);
    if (screen) {
        const COLORREF nearest = GetNearestColor(screen, blend);
        if (nearest != CLR_INVALID)
            blend = nearest;
        ReleaseDC(nullptr, screen);
    }
    return blend & 0x00FFFFFFu;
}

} // namespace tandrel
