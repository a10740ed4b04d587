#include "framework/controls/GraphicControl.h"

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
    m_canvas.SetHandle(dc);
    auto const release = OnScopeExit([this] { m_canvas.SetHandle(nullptr); });
    m_canvas.Font().Assign(Font());
    Paint();
}

} // namespace tandrel
