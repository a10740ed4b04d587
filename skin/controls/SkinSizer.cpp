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
    FrameRect(dc, &rect, frame.Get());
    // Nothing else paints the inside once the control's own drawing is
    // taken over: without this it would keep whatever was there before.
    RECT inside = rect;
    InflateRect(&inside, -1, -1);
    if (inside.right > inside.left && inside.bottom > inside.top)
        FillFace(dc, inside);
}

} // namespace tandrel
