#pragma once
// Guards that put a device context's state back, beside those of
// GdiObjects.h: the background colour, the stretching mode, and which
// context a canvas draws on.

#include "framework/graphics/Canvas.h"

#include <windows.h>

namespace tandrel {

class TBkColorGuard {
public:
    TBkColorGuard(HDC dc, COLORREF colour) : m_dc(dc), m_old(SetBkColor(dc, colour)) {}
    ~TBkColorGuard() { SetBkColor(m_dc, m_old); }
    TBkColorGuard(const TBkColorGuard&) = delete;
    TBkColorGuard& operator=(const TBkColorGuard&) = delete;

private:
    HDC m_dc;
    COLORREF m_old;
};

class TStretchModeGuard {
public:
    TStretchModeGuard(HDC dc, int mode) : m_dc(dc), m_old(SetStretchBltMode(dc, mode)) {}
    ~TStretchModeGuard()
    {
        if (m_old)
            SetStretchBltMode(m_dc, m_old);
    }
    TStretchModeGuard(const TStretchModeGuard&) = delete;
    TStretchModeGuard& operator=(const TStretchModeGuard&) = delete;

private:
    HDC m_dc;
    int m_old;
};

// Binds a canvas to a device context for one drawing and puts the canvas's
// old binding back: the context may be released as soon as the drawing is done.
class TCanvasBinding {
public:
    TCanvasBinding(TCanvas& canvas, HDC dc) : m_canvas(canvas), m_previous(canvas.Handle()) { canvas.SetHandle(dc); }
    ~TCanvasBinding() { m_canvas.SetHandle(m_previous); }
    TCanvasBinding(const TCanvasBinding&) = delete;
    TCanvasBinding& operator=(const TCanvasBinding&) = delete;

private:
    TCanvas& m_canvas;
    HDC m_previous;
};

} // namespace tandrel
