#include "skin/controls/SkinEdit.h"

#include "framework/core/Colors.h"
#include "framework/graphics/GdiObjects.h"
#include "skin/data/WinSkinData.h"

namespace tandrel {

namespace {

void FrameWith(HDC dc, const RECT& rect, COLORREF colour)
{
    TOwnedBrush const brush(CreateSolidBrush(colour));
    FrameRect(dc, &rect, brush.Get());
}

} // namespace

void TSkinEdit::AfterMessage(TMessage& m)
{
    switch (m.Msg) {
    case WM_PAINT:
        if (!m.WParam)
            PaintWindow(nullptr);
        break;
    // The system's own border comes back with every non-client repaint.
    case WM_NCPAINT: PaintWindow(nullptr); break;
    case WM_PRINT: PrintFrame(reinterpret_cast<HDC>(m.WParam)); break;
    default: TSkinControl::AfterMessage(m); break;
    }
}

void TSkinEdit::DrawControl(HDC dc, const RECT& rect)
{
    RECT client {};
    GetClientRect(m_handle, &client);
    // Without a border on either axis there is nothing to replace.
    if (client.right == rect.right - rect.left || client.bottom == rect.bottom - rect.top)
        return;
    RECT ring = rect;
    FrameWith(dc, ring, ColorToRGB(m_skinData->ButtonShadowColour));
    InflateRect(&ring, -1, -1);
    FrameWith(dc, ring, RGB(255, 255, 255));
}

void TSkinEdit::PrintFrame(HDC dc)
{
    DrawOnWindow(dc, [this](HDC target, const RECT& r) {
        RECT client {};
        GetClientRect(m_handle, &client);
        if (client.right + 2 >= r.right || client.bottom + 2 >= r.bottom)
            return;
        RECT inner = r;
        InflateRect(&inner, -1, -1);
        FrameRect(target, &inner, static_cast<HBRUSH>(GetCurrentObject(target, OBJ_BRUSH)));
        FrameWith(target, r, ColorToRGB(m_skinData->ButtonShadowColour));
    });
}

} // namespace tandrel
