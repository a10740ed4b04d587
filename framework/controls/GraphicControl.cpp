#include "framework/controls/GraphicControl.h"

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
    try {
        m_canvas.Font().Assign(Font());
        Paint();
    } catch (...) {
        m_canvas.SetHandle(nullptr);
        throw;
    }
    m_canvas.SetHandle(nullptr);
}

} // namespace tandrel
