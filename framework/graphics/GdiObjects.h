#pragma once
// Owners of system handles: one move-only type per kind, released on
// destruction. Every GDI object the program makes goes through one of them,
// so LiveGdiObjects() tells how many are alive (the platform's own counter is
// not available everywhere).

#include <windows.h>

#include <utility>

namespace tandrel {

enum class TGdiKind { Bitmap, Brush, Pen, Font, Region, MemoryDC, Icon, Menu, ImageList, Count };

int LiveGdiObjects();                 // GDI objects, memory DCs, icons and image lists alive now
int LiveGdiObjects(TGdiKind kind);
void CountGdiObject(TGdiKind kind, int delta);

template <class H, TGdiKind Kind, BOOL(WINAPI* Destroy)(H)>
class TOwnedHandle {
public:
    TOwnedHandle() = default;
    explicit TOwnedHandle(H handle) : m_handle(handle) { Count(+1); }
    TOwnedHandle(TOwnedHandle&& other) noexcept : m_handle(std::exchange(other.m_handle, nullptr)) {}
    TOwnedHandle& operator=(TOwnedHandle&& other) noexcept
    {
        if (this != &other)
            Reset(other.Release());
        return *this;
    }
    TOwnedHandle(const TOwnedHandle&) = delete;
    TOwnedHandle& operator=(const TOwnedHandle&) = delete;
    ~TOwnedHandle() { Reset(); }

    H Get() const { return m_handle; }
    explicit operator bool() const { return m_handle != nullptr; }

    void Reset(H handle = nullptr)
    {
        if (m_handle) {
            Destroy(m_handle);
            Count(-1);
        }
        m_handle = handle;
        Count(+1);
    }

    // Hands the handle to someone who frees it (a window takes its region).
    H Release()
    {
        H h = std::exchange(m_handle, nullptr);
        if (h)
            CountGdiObject(Kind, -1);
        return h;
    }

private:
    void Count(int delta)
    {
        if (m_handle)
            CountGdiObject(Kind, delta);
    }
    H m_handle = nullptr;
};

inline BOOL WINAPI DeleteGdiBitmap(HBITMAP h) { return DeleteObject(h); }
inline BOOL WINAPI DeleteGdiBrush(HBRUSH h) { return DeleteObject(h); }
inline BOOL WINAPI DeleteGdiPen(HPEN h) { return DeleteObject(h); }
inline BOOL WINAPI DeleteGdiFont(HFONT h) { return DeleteObject(h); }
inline BOOL WINAPI DeleteGdiRegion(HRGN h) { return DeleteObject(h); }

using TOwnedBitmap = TOwnedHandle<HBITMAP, TGdiKind::Bitmap, DeleteGdiBitmap>;
using TOwnedBrush = TOwnedHandle<HBRUSH, TGdiKind::Brush, DeleteGdiBrush>;
using TOwnedPen = TOwnedHandle<HPEN, TGdiKind::Pen, DeleteGdiPen>;
using TOwnedFont = TOwnedHandle<HFONT, TGdiKind::Font, DeleteGdiFont>;
using TOwnedRegion = TOwnedHandle<HRGN, TGdiKind::Region, DeleteGdiRegion>;
using TOwnedDC = TOwnedHandle<HDC, TGdiKind::MemoryDC, DeleteDC>;  // memory DCs only
using TOwnedIcon = TOwnedHandle<HICON, TGdiKind::Icon, DestroyIcon>;
using TOwnedMenu = TOwnedHandle<HMENU, TGdiKind::Menu, DestroyMenu>;

// A DC borrowed from a window with GetDC or GetWindowDC.
class TWindowDC {
public:
    enum class TArea { Client, Whole };
    explicit TWindowDC(HWND window, TArea area = TArea::Client)
        : m_window(window), m_dc(area == TArea::Client ? GetDC(window) : GetWindowDC(window)) {}
    ~TWindowDC()
    {
        if (m_dc)
            ReleaseDC(m_window, m_dc);
    }
    TWindowDC(const TWindowDC&) = delete;
    TWindowDC& operator=(const TWindowDC&) = delete;
    HDC Get() const { return m_dc; }

private:
    HWND m_window;
    HDC m_dc;
};

// One paint cycle: BeginPaint in the constructor, EndPaint in the destructor.
class TPaintDC {
public:
    explicit TPaintDC(HWND window) : m_window(window) { m_dc = BeginPaint(window, &m_paint); }
    ~TPaintDC() { EndPaint(m_window, &m_paint); }
    TPaintDC(const TPaintDC&) = delete;
    TPaintDC& operator=(const TPaintDC&) = delete;
    HDC Get() const { return m_dc; }
    const RECT& PaintRect() const { return m_paint.rcPaint; }

private:
    HWND m_window;
    HDC m_dc = nullptr;
    PAINTSTRUCT m_paint {};
};

// Selects an object into a DC and puts the old one back.
class TSelectObject {
public:
    TSelectObject(HDC dc, HGDIOBJ object) : m_dc(dc), m_old(object ? SelectObject(dc, object) : nullptr) {}
    ~TSelectObject()
    {
        if (m_old)
            SelectObject(m_dc, m_old);
    }
    TSelectObject(const TSelectObject&) = delete;
    TSelectObject& operator=(const TSelectObject&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_old;
};

// Saves a DC's whole state (clip region, origin, colours, modes) and restores it.
class TSaveDC {
public:
    explicit TSaveDC(HDC dc) : m_dc(dc), m_saved(SaveDC(dc)) {}
    ~TSaveDC()
    {
        if (m_saved)
            RestoreDC(m_dc, m_saved);
    }
    TSaveDC(const TSaveDC&) = delete;
    TSaveDC& operator=(const TSaveDC&) = delete;

private:
    HDC m_dc;
    int m_saved;
};

class TTextColorGuard {
public:
    TTextColorGuard(HDC dc, COLORREF colour) : m_dc(dc), m_old(SetTextColor(dc, colour)) {}
    ~TTextColorGuard() { SetTextColor(m_dc, m_old); }
    TTextColorGuard(const TTextColorGuard&) = delete;
    TTextColorGuard& operator=(const TTextColorGuard&) = delete;

private:
    HDC m_dc;
    COLORREF m_old;
};

class TBkModeGuard {
public:
    TBkModeGuard(HDC dc, int mode) : m_dc(dc), m_old(SetBkMode(dc, mode)) {}
    ~TBkModeGuard() { SetBkMode(m_dc, m_old); }
    TBkModeGuard(const TBkModeGuard&) = delete;
    TBkModeGuard& operator=(const TBkModeGuard&) = delete;

private:
    HDC m_dc;
    int m_old;
};

// A window timer bound to a window and an identifier; killed on destruction.
class TWindowTimer {
public:
    TWindowTimer() = default;
    ~TWindowTimer() { Stop(); }
    TWindowTimer(const TWindowTimer&) = delete;
    TWindowTimer& operator=(const TWindowTimer&) = delete;
    void Start(HWND window, UINT_PTR id, UINT interval)
    {
        // One stopped at its next tick that has not ticked yet runs on as it was.
        if (m_stopping && m_window == window && m_id == id && m_interval == interval) {
            m_stopping = false;
            return;
        }
        Stop();
        if (SetTimer(window, id, interval, nullptr)) {
            m_window = window;
            m_id = id;
            m_interval = interval;
        }
    }
    void Stop()
    {
        if (m_id) {
            KillTimer(m_window, m_id);
            m_id = 0;
        }
        m_stopping = false;
    }
    // Stops at the next tick instead of now: a timer stopped and started
    // again on a hot path (activation) then costs no call to the system.
    void StopAtNextTick()
    {
        if (m_id)
            m_stopping = true;
    }
    // Called at each of its ticks: false for the one tick owed after
    // StopAtNextTick, which stops it.
    bool Tick()
    {
        if (!m_stopping)
            return m_id != 0;
        Stop();
        return false;
    }
    bool Running() const { return m_id != 0 && !m_stopping; }

private:
    HWND m_window = nullptr;
    UINT_PTR m_id = 0;
    UINT m_interval = 0;
    bool m_stopping = false;
};

// A window this code made and destroys (a message-only helper window).
class TOwnedWindow {
public:
    TOwnedWindow() = default;
    explicit TOwnedWindow(HWND window) : m_window(window) {}
    ~TOwnedWindow() { Reset(); }
    TOwnedWindow(const TOwnedWindow&) = delete;
    TOwnedWindow& operator=(const TOwnedWindow&) = delete;
    void Reset(HWND window = nullptr)
    {
        if (m_window)
            DestroyWindow(m_window);
        m_window = window;
    }
    HWND Get() const { return m_window; }

private:
    HWND m_window = nullptr;
};

// A hook of the calling thread; removed on destruction.
class THookHandle {
public:
    THookHandle() = default;
    ~THookHandle() { Reset(); }
    THookHandle(const THookHandle&) = delete;
    THookHandle& operator=(const THookHandle&) = delete;
    void Reset(HHOOK hook = nullptr)
    {
        if (m_hook)
            UnhookWindowsHookEx(m_hook);
        m_hook = hook;
    }
    HHOOK Get() const { return m_hook; }
    explicit operator bool() const { return m_hook != nullptr; }

private:
    HHOOK m_hook = nullptr;
};

} // namespace tandrel
