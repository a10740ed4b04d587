#include "framework/controls/GraphicControl.h"

#include "framework/graphics/DcGuards.h"
#include "framework/core/ScopeGuard.h"

namespace tandrel {

void TGraphicControl::WndProc(TMessage& m)
{
    if (m.Msg != WM_PAINT) {
        TControl::WndProc(m);
        return;
    }
    HDC dc = reinterpret_cast<HDC>(m.WParam);
    if (!dc)
        return;
    TCanvasBinding const binding(m_canvas, dc);
    m_canvas.Font().Assign(Font());
    Paint();
}

} // namespace tandrel
