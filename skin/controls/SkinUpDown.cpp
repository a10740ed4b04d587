#include "skin/controls/SkinUpDown.h"

#include "framework/core/Colors.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/GdiObjects.h"
#include "skin/controls/SkinControlList.h"
#include "skin/data/WinSkinData.h"
#include "skin/draw/SkinDraw.h"
#include "skin/geometry/SkinEditGeometry.h"

#include <commctrl.h>

#include <algorithm>
#include <memory>

namespace tandrel {

namespace {

RECT ToRect(const TSkinRect& r) { return {r.Left, r.Top, r.Right, r.Bottom}; }

struct TSegment {
    POINT From;
    POINT To;
};

// The arrows of the plain look, as offsets from the button's middle; each
// segment leaves out its last point, as LineTo does.
constexpr TSegment kUp[] = {{{0, 0}, {0, -1}}, {{1, 1}, {4, 4}},   {{0, 1}, {3, 4}},  {{0, 2}, {2, 4}},
                            {{-1, 1}, {-4, 4}}, {{0, 2}, {-3, 4}}, {{0, 1}, {-2, 4}}};
constexpr TSegment kDown[] = {{{0, 3}, {0, 4}},   {{1, 2}, {4, -1}},  {{0, 2}, {3, -1}}, {{0, 1}, {2, 0}},
                              {{-1, 2}, {-4, -1}}, {{0, 2}, {-3, -1}}, {{0, 1}, {-2, 0}}};
constexpr POINT kLeft[] = {{0, 0}, {1, 2}, {1, -2}, {-1, 0}, {1, 2}};
constexpr POINT kRight[] = {{0, 0}, {-1, 2}, {-1, -2}, {1, 0}, {-1, 2}};

template <std::size_t N>
void DrawSegments(HDC dc, int x, int y, const TSegment (&segments)[N])
{
    for (const TSegment& s : segments) {
        MoveToEx(dc, x + s.From.x, y + s.From.y, nullptr);
        LineTo(dc, x + s.To.x, y + s.To.y);
    }
}

template <std::size_t N>
void DrawLine(HDC dc, int x, int y, const POINT (&points)[N])
{
    MoveToEx(dc, x + points[0].x, y + points[0].y, nullptr);
    for (std::size_t i = 1; i < N; ++i)
        LineTo(dc, x + points[i].x, y + points[i].y);
}

} // namespace

bool TSkinUpDown::BeforeMessage(TMessage& m)
{
    if (TakePaintOver(m))
        return false;
    switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        // The control takes the press first (it steps and captures the mouse).
        PressAfterControl(m);
        return false;
    case WM_LBUTTONUP:
        RemoveState(scPressed);
        CallPrevious(m);
        PaintWindow(nullptr);
        return false;
    default: return true;
    }
}

void TSkinUpDown::DrawControl(HDC dc, const RECT& rect)
{
    RECT client {};
    GetClientRect(m_handle, &client);
    if (client.right <= 0 || client.bottom <= 0)
        return;
    // Composed off-screen, then copied in one go.
    TBitmap picture(client.right, client.bottom);
    HDC const target = picture.Canvas().Handle();
    FillFace(target, client);

    POINT cursor {};
    GetCursorPos(&cursor);
    ScreenToClient(m_handle, &cursor);
    LONG const style = GetWindowLongW(m_handle, GWL_STYLE);
    bool const enabled = (style & WS_DISABLED) == 0;
    bool const horizontal = (style & UDS_HORZ) != 0 || Horizontal == 1;

    TSpinLayout const layout = SpinButtons(client.right, client.bottom, Inset, horizontal);
    int const under = SpinButtonAt(layout, cursor.x, cursor.y, horizontal);
    DrawButton(target, ToRect(layout.First), 0, SpinButtonState(Pressed(), under == 0, enabled), horizontal);
    DrawButton(target, ToRect(layout.Second), 1, SpinButtonState(Pressed(), under == 1, enabled), horizontal);
    BitBlt(dc, rect.left, rect.top, client.right, client.bottom, target, 0, 0, SRCCOPY);
}

void TSkinUpDown::DrawButton(HDC dc, const RECT& button, int index, int state, bool horizontal)
{
    TDataSkinBorder* element = nullptr;
    if (m_skinData)
        element = horizontal ? m_skinData->UpDownHorz.get() : m_skinData->UpDownVert.get();
    if (!element || element->Bitmap2.Empty()) {
        DrawPlainButton(dc, button, index, state, horizontal);
        return;
    }
    int const count = std::max(1, element->FrameCount);
    int const frame = SpinFrame(index, state, count);
    TSkinScale const scale = Scale();
    DrawSkinFrame(dc, button, scale.Image(element->Bitmap, count, TFrameLayout::flHorizontal),
                  TSkinTransparency::stKeyColour, count, frame);
    TBitmap& glyphs = scale.Image(element->Bitmap2, count, TFrameLayout::flHorizontal);
    TSkinRect const glyph =
        CentredIn({button.left, button.top, button.right, button.bottom}, glyphs.Width() / count, glyphs.Height());
    DrawSkinFrame(dc, ToRect(glyph), glyphs, TSkinTransparency::stKeyColour, count, frame);
}

void TSkinUpDown::DrawPlainButton(HDC dc, const RECT& button, int index, int state, bool horizontal)
{
    TColor const shadow = m_skinData ? static_cast<TColor>(m_skinData->ButtonShadowColour) : clBtnShadow;
    TColor const dark = m_skinData ? static_cast<TColor>(m_skinData->ButtonDkShadowColour) : clBtnShadow;
    TOwnedBrush const brush(CreateSolidBrush(state == 2 ? ColorToRGB(shadow) : FaceColour()));
    TOwnedPen const pen(CreatePen(PS_SOLID, 1, ColorToRGB(dark)));
    TSelectObject const useBrush(dc, brush.Get());
    TSelectObject const usePen(dc, pen.Get());
    Rectangle(dc, button.left, button.top, button.right, button.bottom);
    int const x = button.left + (button.right - button.left) / 2;
    int const y = button.top + (button.bottom - button.top) / 2;
    if (horizontal && index == 0)
        DrawLine(dc, x, y, kLeft);
    else if (horizontal)
        DrawLine(dc, x, y, kRight);
    else if (index == 0)
        DrawSegments(dc, x, y - 2, kUp);
    else
        DrawSegments(dc, x, y - 2, kDown);
}

TSkinUpDown* AdoptSpinSkinner(TSkinControl& parent, HWND spin, bool inset, int horizontal)
{
    TSkinControlOwner* const owner = parent.SkinOwner();
    if (!owner || !spin || owner->Skinners().Find(spin))
        return nullptr;
    TSkinControlList& skinners = owner->Skinners();
    TSkinUpDown& skinner = skinners.Adopt(std::make_unique<TSkinUpDown>(dynamic_cast<TComponent*>(owner)));
    skinner.Inset = inset;
    skinner.Horizontal = horizontal;
    skinner.AttachHandle(spin, parent.SkinData(), &skinners.Canvas());
    InvalidateRect(spin, nullptr, FALSE);
    return &skinner;
}

} // namespace tandrel
