#pragma once
// Helpers shared by the tests that drive real windows.

#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Dpi.h"
#include "framework/graphics/ScreenCapture.h"
#include "framework/forms/MessagePump.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace tandrel::test {

// Runs action once from the message loop that is running when its time comes:
// the way to act inside a modal loop (a modal form, a menu) the test started.
void RunSoon(std::function<void()> action, UINT delayMs = 50);
// Runs action from the message loop once ready() holds, looking every 50
// milliseconds, or after timeoutMs all the same (the action then finds
// what is missing). For actions meant to run inside a modal loop that a
// call about to be made enters.
void RunWhen(std::function<bool()> ready, std::function<void()> action, UINT timeoutMs = 5000);
// Forgets the actions not yet run (a test's safety nets, once it is over).
void CancelSoon();

// One real mouse event at a screen point (flags as SendInput takes them;
// 0 only moves); no waiting.
void SendMouseInput(DWORD flags, POINT screen);
// Real input: moves the cursor to a screen point and clicks there.
void MoveMouseTo(POINT screen);
void ClickAt(POINT screen, bool right = false);
void MouseDownAt(POINT screen);
void MouseUpAt(POINT screen);
// One key pressed and released, as real input, with a modifier (VK_SHIFT,
// say) held down around it; no waiting.
void PressKey(WORD key, WORD modifier = 0);
// Presses the key (with the modifier) until the focus comes back to
// `start`, which has it at first, at most `limit` times: the windows the
// focus went through, the last being `start` when it came back.
std::vector<HWND> FocusCycle(HWND start, WORD key, WORD modifier = 0, int limit = 60);
// Whether a window shows that it has the focus: it is for text and holds
// the caret, or a few of its pixels on the screen differ from when `away`
// has the focus.
// Leaves the focus with `away`.
bool ShowsFocus(HWND window, HWND away);
// The screen point of a client point of a window.
POINT ScreenPointOf(HWND window, POINT client);
// The centre of a rectangle.
POINT Middle(const RECT& r);
// The screen point at the centre of a control's item, whose client
// rectangle the control gives for rectMessage (TCM_GETITEMRECT, say).
POINT ItemCentreOnScreen(HWND control, UINT rectMessage, int index);
// The text of a control's item read through an item record (TCITEMW,
// LVITEMW) whose other fields say what to read.
template <class TItemRecord>
std::wstring ItemRecordText(HWND control, UINT getMessage, int index, TItemRecord record)
{
    wchar_t text[256] {};
    record.pszText = text;
    record.cchTextMax = 256;
    SendMessageW(control, getMessage, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&record));
    return text;
}

// Saves a bitmap under the screenshot folder (TANDREL_SCREENSHOTS, else
// screenshots beside the test program).
std::wstring SaveScreenshot(TBitmap& bitmap, const std::string& name);

// Sets the classic Windows system colours for the lifetime of the object.
class TClassicColours {
public:
    TClassicColours();
    ~TClassicColours();

private:
    COLORREF m_saved[31] {};
};

// Every window answers one density for the lifetime of the object.
class TPinnedDpi {
public:
    explicit TPinnedDpi(int dpi) : m_saved(SetDpiSource([dpi](HWND) { return dpi; })) {}
    ~TPinnedDpi() { SetDpiSource(std::move(m_saved)); }
    TPinnedDpi(const TPinnedDpi&) = delete;
    TPinnedDpi& operator=(const TPinnedDpi&) = delete;

private:
    TDpiSource m_saved;
};

// A plain top-level window of one colour, to look at a shaped window against.
class TBackdrop {
public:
    TBackdrop(const RECT& area, COLORREF colour);
    ~TBackdrop();
    HWND Handle() const { return m_window; }

private:
    HWND m_window = nullptr;
    HBRUSH m_brush = nullptr;
};

COLORREF PixelOf(TBitmap& bitmap, int x, int y);

// How many pixels of two pictures differ; every one when their sizes do.
int DifferingPixels(TBitmap& a, TBitmap& b);

// Whether the `size` x `size` corner at `at` in `shot` shows the same
// corner of frame `frame` (from 1) of a horizontal strip of `count`
// frames, pixel for pixel, except where the strip shows fuchsia (the skin's
// key colour). Corners are copied at their own size, so they tell frames apart.
bool ShowsFrameCorner(TBitmap& shot, POINT at, TBitmap& strip, int count, int frame, int size = 4);

} // namespace tandrel::test
