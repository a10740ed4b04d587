#include "skin/menus/WinSkinPopMenu.h"

#include "framework/forms/Application.h"
#include "framework/graphics/Dpi.h"
#include "skin/draw/ScaledSkinImages.h"
#include "framework/graphics/GdiObjects.h"
#include "skin/data/SkinHost.h"
#include "skin/data/SkinMessages.h"
#include "skin/draw/SkinDraw.h"
#include "skin/geometry/SkinMenuGeometry.h"

#include <commctrl.h>

namespace tandrel {

namespace {

TWinSkinPopMenu* g_waiting = nullptr;

// Where the client area starts in the window.
POINT ClientOffset(HWND window)
{
    RECT outer {};
    GetWindowRect(window, &outer);
    POINT origin {0, 0};
    ClientToScreen(window, &origin);
    return {origin.x - outer.left, origin.y - outer.top};
}

bool HasFrame(HWND window)
{
    RECT outer {};
    RECT client {};
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    return outer.right - outer.left != client.right || outer.bottom - outer.top != client.bottom;
}

// A popup is drawn at the density of the window that opened it: its owner,
// or, for a framework popup (owned by a hidden helper window), the window
// that is active while it shows.
int OpenerDpi(HWND popup)
{
    HWND opener = GetWindow(popup, GW_OWNER);
    if (!opener || !IsWindowVisible(opener))
        opener = GetActiveWindow();
    return WindowDpi(opener);
}

} // namespace

TWinSkinPopMenu* TWinSkinPopMenu::Waiting() { return g_waiting; }

void TWinSkinPopMenu::LearnMenu(HMENU menu)
{
    if (g_waiting && menu) {
        g_waiting->m_menu = menu;
        g_waiting = nullptr;
    }
}

void TWinSkinPopMenu::Attach(HWND window, TSkinData* skinData)
{
    m_window = window;
    m_skinData = skinData;
    m_subclass.Attach(window, *this);
}

void TWinSkinPopMenu::Detach()
{
    m_subclass.Remove();
    m_background.reset();
    if (g_waiting == this)
        g_waiting = nullptr;
}

LRESULT TWinSkinPopMenu::Saved(UINT msg, WPARAM wParam, LPARAM lParam)
{
    return NextSubclassProc(m_window, msg, wParam, lParam);
}

LRESULT TWinSkinPopMenu::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_SKINQUERY)
        return 1;
    TSkinHost* host = SkinHost();
    if (!host || !host->Skinning())
        return Saved(msg, wParam, lParam);
    switch (msg) {
    case WM_DESTROY: {
        HWND const window = m_window;
        Detach();
        return NextSubclassProc(window, msg, wParam, lParam);
    }
    case WM_NCPAINT: return OnNcPaint(wParam, lParam);
    case WM_PRINTCLIENT: return OnPrintClient(wParam, lParam);
    case WM_PAINT: return OnPaint(wParam, lParam);
    default: return Saved(msg, wParam, lParam);
    }
}

bool TWinSkinPopMenu::Compose()
{
    if (!m_skinData || m_skinData->SkinNotLoaded)
        return false;
    TDataSkinObject* object = m_skinData->MenuBackground.get();
    if (!object || object->Bitmap.Empty())
        return false;
    if (!m_menu)
        g_waiting = this;
    RECT outer {};
    GetWindowRect(m_window, &outer);
    int const w = outer.right - outer.left;
    int const h = outer.bottom - outer.top;
    if (w <= 0 || h <= 0)
        return false;
    int const dpi = OpenerDpi(m_window);
    if (m_background && m_width == w && m_height == h && m_dpi == dpi)
        return true;
    TKeptPictures::TKey const key {&object->Bitmap, object->Bitmap.Width(), object->Bitmap.Height(),
                                   mpPopupBackground, w, h, 1, dpi, TSkinTransparency::stOpaque,
                                   MiddleFillOf(object->Tile)};
    auto const make = [&] {
        TSkinScale const scale(m_skinData->ScaledImages, dpi);
        return TMaskedPicture(ComposeSkinImage(RECT {0, 0, w, h},
                                               scale.Image(object->Bitmap, 1, TFrameLayout::flHorizontal),
                                               scale.Margins(MarginsOf(*object)), 1, 1, key.Fill,
                                               TFrameLayout::flHorizontal),
                              TSkinTransparency::stOpaque);
    };
    m_background = m_skinData->KeptPictures.Share(key, make);
    if (!m_background->Opaque()) {
        m_background.reset();
        return false;
    }
    m_width = w;
    m_height = h;
    m_dpi = dpi;
    return true;
}

LRESULT TWinSkinPopMenu::OnNcPaint(WPARAM wParam, LPARAM lParam)
{
    // A popup whose border lies inside its client area (Wine's) has nothing
    // to paint here: the client's paint covers the border too.
    if (!HasFrame(m_window))
        return 0;
    if (!Compose())
        return Saved(WM_NCPAINT, wParam, lParam);
    TWindowDC const window(m_window, TWindowDC::TArea::Whole);
    if (!window.Get())
        return 0;
    HDC const source = Background()->Canvas().Handle();
    for (const TSkinRect& band : PopupBorderBands(m_width, m_height))
        BitBlt(window.Get(), band.Left, band.Top, band.Width(), band.Height(), source, band.Left, band.Top, SRCCOPY);
    return 0;
}

void TWinSkinPopMenu::PaintItemsOverBackground(HDC dc, POINT offset, LPARAM flags)
{
    // The background is the window's: the client area sees it from its origin.
    BitBlt(dc, -offset.x, -offset.y, m_width, m_height, Background()->Canvas().Handle(), 0, 0, SRCCOPY);
    TSaveDC const saved(dc);
    SetBkMode(dc, TRANSPARENT);
    IntersectClipRect(dc, kPopupBorder - offset.x, kPopupBorder - offset.y, m_width - kPopupBorder - offset.x,
                      m_height - kPopupBorder - offset.y);
    Saved(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), flags);
}

void TWinSkinPopMenu::PaintClient(HDC dc, LPARAM flags)
{
    POINT const offset = ClientOffset(m_window);
    RECT client {};
    GetClientRect(m_window, &client);
    if (client.right <= 0 || client.bottom <= 0)
        return;
    // A mirrored DC would mirror the composed picture once more: the
    // right-to-left popup paints straight onto it.
    if (GetLayout(dc) & LAYOUT_RTL) {
        PaintItemsOverBackground(dc, offset, flags);
        return;
    }
    // Composed off-screen and put on the window in one blit: the system's
    // fill under the items never shows, and the window is touched once.
    TBitmap& buffer = m_skinData->KeptPictures.Buffer(client.right, client.bottom,
                                                      TKeptPictures::TBufferUse::buWindow);
    PaintItemsOverBackground(buffer.Canvas().Handle(), offset, flags);
    BitBlt(dc, 0, 0, client.right, client.bottom, buffer.Canvas().Handle(), 0, 0, SRCCOPY);
}

LRESULT TWinSkinPopMenu::OnPrintClient(WPARAM wParam, LPARAM lParam)
{
    if (!wParam || !Compose())
        return Saved(WM_PRINTCLIENT, wParam, lParam);
    PaintClient(reinterpret_cast<HDC>(wParam), lParam);
    return 0;
}

// The system's menu paints its items on WM_PAINT straight onto the window;
// the skinned one paints them through WM_PRINTCLIENT over the background.
LRESULT TWinSkinPopMenu::OnPaint(WPARAM wParam, LPARAM lParam)
{
    if (!Compose())
        return Saved(WM_PAINT, wParam, lParam);
    TPaintDC const paint(m_window);
    PaintClient(paint.Get(), PRF_CLIENT);
    return 0;
}

} // namespace tandrel
