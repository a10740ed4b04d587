#include "skin/controls/SkinEdit.h"

#include "framework/core/Colors.h"
#include "framework/graphics/Dpi.h"
#include "framework/graphics/GdiObjects.h"
#include "skin/controls/SkinControlList.h"
#include "skin/data/WinSkinData.h"

#include <algorithm>
#include <memory>
#include <string>
#include <utility>

namespace tandrel {

namespace {

void FrameWith(HDC dc, const RECT& rect, COLORREF colour)
{
    TOwnedBrush const brush(CreateSolidBrush(colour));
    FrameRect(dc, &rect, brush.Get());
}

bool IsSpinClass(HWND window)
{
    std::string const cls = WindowClassName(window);
    return cls == "msctls_updown32" || cls == "TSpinButton";
}

} // namespace

void TSkinEdit::Attach(TWinControl* control, TSkinData* skinData, TCanvas* canvas, bool setColour)
{
    TSkinControl::Attach(control, skinData, canvas, setColour);
    FindSpinButton();
    RemeasureFrame(m_handle);
}

void TSkinEdit::AttachHandle(HWND handle, TSkinData* skinData, TCanvas* canvas)
{
    TSkinControl::AttachHandle(handle, skinData, canvas);
    FindSpinButton();
    RemeasureFrame(m_handle);
}

void TSkinEdit::Detach()
{
    HWND const window = m_handle;
    TSkinControl::Detach();
    RemeasureFrame(window);
}

// A new skin brings new frame colours: the next client paint paints them.
void TSkinEdit::Refresh()
{
    m_frameFresh = false;
    TSkinControl::Refresh();
}

void TSkinEdit::RemeasureFrame(HWND window) const
{
    if (window && IsWindow(window) && SaneDpi(WindowDpi(window)) != ScreenDpi())
        SetWindowPos(window, nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

bool TSkinEdit::BeforeMessage(TMessage& m)
{
    if (m.Msg != WM_NCCALCSIZE || !m.LParam)
        return true;
    // The new client rectangle comes first in both forms of the message.
    auto& client = *reinterpret_cast<RECT*>(m.LParam);
    RECT const window = client;
    CallPrevious(m);
    GrowBorder(window, client);
    return false;
}

void TSkinEdit::GrowBorder(const RECT& window, RECT& client) const
{
    int const dpi = Dpi();
    int const border = client.left - window.left;
    if (dpi == ScreenDpi() || border <= 0 || client.top - window.top != border)
        return;
    int const grow = ScaleDpi(border, dpi, ScreenDpi()) - border;
    client.left += grow;
    client.top += grow;
    client.right = std::max(client.left, client.right - grow);
    client.bottom = std::max(client.top, client.bottom - grow);
}

void TSkinEdit::AfterMessage(TMessage& m)
{
    switch (m.Msg) {
    // The client paint leaves the border alone: a frame painted after the
    // last non-client paint still stands, and is not painted twice.
    case WM_PAINT:
        if (!m.WParam && !std::exchange(m_frameFresh, false))
            PaintWindow(nullptr);
        break;
    // The system's own border comes back with every non-client repaint.
    case WM_NCPAINT:
        PaintWindow(nullptr);
        m_frameFresh = true;
        break;
    case WM_PRINT: PrintFrame(reinterpret_cast<HDC>(m.WParam)); break;
    default: TSkinControl::AfterMessage(m); break;
    }
}

// The first spin button among the edit's children, top of the z-order
// first, gets a skinner of its own, inset into the edit's client area.
void TSkinEdit::FindSpinButton()
{
    if (m_spin && m_spin->Handle())
        return;
    for (HWND child = GetWindow(m_handle, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (IsSpinClass(child)) {
            // A spin button the dispatch skinned already keeps that skinner.
            m_spin = AdoptSpinSkinner(*this, child, true, 0);
            // Its place is read now, before a hidden edit's first paint
            // may come at another density.
            m_spinPlace = {};
            FitSpin();
            return;
        }
    }
}

void TSkinEdit::FitSpin()
{
    if (!m_spin || !m_spin->Handle())
        return;
    HWND const spin = m_spin->Handle();
    RECT client {};
    GetClientRect(m_handle, &client);
    RECT now {};
    GetWindowRect(spin, &now);
    MapWindowPoints(nullptr, m_handle, reinterpret_cast<POINT*>(&now), 2);
    int const dpi = Dpi();
    TSpinPlace& place = m_spinPlace;
    if (!place.Dpi) {
        place = {dpi, client.right - now.right, now.top, {now.right - now.left, now.bottom - now.top},
                 now.top == 0 && now.bottom == client.bottom, false};
        return;
    }
    if (dpi == place.Dpi && !place.Moved)
        return;
    auto const scaled = [&](int length) { return ScaleDpi(length, dpi, place.Dpi); };
    int const top = scaled(place.Top);
    int const height = place.FillsHeight ? client.bottom : std::min<int>(scaled(place.Size.cy), client.bottom - top);
    int const right = client.right - scaled(place.RightGap);
    RECT const wanted {right - scaled(place.Size.cx), top, right, top + height};
    if (EqualRect(&wanted, &now))
        return;
    place.Moved = true;
    SetWindowPos(spin, nullptr, wanted.left, wanted.top, wanted.right - wanted.left, wanted.bottom - wanted.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void TSkinEdit::DrawControl(HDC dc, const RECT& rect)
{
    FindSpinButton();
    FitSpin();
    RECT client {};
    GetClientRect(m_handle, &client);
    // Without a border on either axis there is nothing to replace.
    if (client.right == rect.right - rect.left || client.bottom == rect.bottom - rect.top)
        return;
    if (Dpi() != kDesignDpi) {
        POINT origin {0, 0};
        ClientToScreen(m_handle, &origin);
        RECT window {};
        GetWindowRect(m_handle, &window);
        return DrawScaledFrame(dc, rect, origin.y - window.top);
    }
    RECT ring = rect;
    FrameWith(dc, ring, ColorToRGB(m_skinData->ButtonShadowColour));
    InflateRect(&ring, -1, -1);
    FrameWith(dc, ring, RGB(255, 255, 255));
}

// The shadow line as thick as a pixel at 96, the rest of the border white.
void TSkinEdit::DrawScaledFrame(HDC dc, const RECT& rect, int border)
{
    int const shadow = Scale().Length(1);
    RECT ring = rect;
    for (int i = 0; i < border && ring.right > ring.left && ring.bottom > ring.top; ++i) {
        FrameWith(dc, ring, i < shadow ? ColorToRGB(m_skinData->ButtonShadowColour) : RGB(255, 255, 255));
        InflateRect(&ring, -1, -1);
    }
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
