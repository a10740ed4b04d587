#include "skin/controls/SkinSizer.h"

#include "framework/core/Colors.h"
#include "framework/graphics/GdiObjects.h"
#include "skin/data/WinSkinData.h"

namespace tandrel {

bool TSkinSizer::BeforeMessage(TMessage& m)
{
    // Anything else goes to the control's own handler.
    return !TakePaintOver(m);
}

void TSkinSizer::DrawControl(HDC dc, const RECT& rect)
{
    TColor const shadow = m_skinData ? static_cast<TColor>(m_skinData->ButtonShadowColour) : clBtnShadow;
    TOwnedBrush const frame(CreateSolidBrush(ColorToRGB(shadow)));
    // The line is as thick as a pixel at 96 pixels per inch.
    int const line = Scale().Length(1);
    RECT ring = rect;
    for (int i = 0; i < line; ++i, InflateRect(&ring, -1, -1))
        FrameRect(dc, &ring, frame.Get());
    // Nothing else paints the inside once the control's own drawing is
    // taken over: without this it would keep whatever was there before.
    RECT const inside = ring;
    if (inside.right > inside.left && inside.bottom > inside.top)
        FillFace(dc, inside);
}

} // namespace tandrel
