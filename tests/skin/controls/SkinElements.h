#pragma once
// Skin elements made in code for the control skinner tests: strips whose
// frames are solid, distinct colours, so a pixel tells which frame is shown,
// and a guard that puts a skin's element back after the test.

#include "framework/graphics/Bitmap.h"
#include "framework/graphics/GdiObjects.h"

#include <windows.h>

#include <memory>
#include <string>
#include <utility>

namespace tandrel::test {

// The colour of frame `frame` (from 1) of strip number `strip`; never the
// skin's key colour.
inline COLORREF FrameColour(int frame, int strip = 0)
{
    return RGB(20 + 25 * frame, 200 - 60 * strip, 40 + 20 * strip);
}

// A horizontal strip of `frames` frames of w x h pixels, each solid.
inline void PaintStrip(TBitmap& strip, int frames, int w, int h, int stripNumber = 0)
{
    strip.SetSize(frames * w, h);
    for (int f = 0; f < frames; ++f) {
        TOwnedBrush const brush(CreateSolidBrush(FrameColour(f + 1, stripNumber)));
        RECT const r {f * w, 0, (f + 1) * w, h};
        FillRect(strip.Canvas().Handle(), &r, brush.Get());
    }
}

// Puts element `slot` of a skin in place for the guard's lifetime, and the
// previous one (often none) back after.
template <class T>
class TElementGuard {
public:
    TElementGuard(std::unique_ptr<T>& slot, std::unique_ptr<T> element)
        : m_slot(slot), m_saved(std::exchange(slot, std::move(element)))
    {
    }
    ~TElementGuard() { m_slot = std::move(m_saved); }
    TElementGuard(const TElementGuard&) = delete;
    TElementGuard& operator=(const TElementGuard&) = delete;
    T& operator*() const { return *m_slot; }
    T* operator->() const { return m_slot.get(); }

private:
    std::unique_ptr<T>& m_slot;
    std::unique_ptr<T> m_saved;
};

// The second image of an element made by SolidElement.
struct TSecondStrip {
    int Frames = 0;
    int Width = 0;
    int Height = 0;
};

// An element with a strip of solid frames in the colours of strip number
// `strip`, and a second image in those of strip + 1 when one is asked for.
template <class T>
std::unique_ptr<T> SolidElement(const std::string& name, int frames, int w, int h, TSecondStrip second = {},
                                int strip = 0)
{
    auto element = std::make_unique<T>(name);
    element->FrameCount = frames;
    PaintStrip(element->Bitmap, frames, w, h, strip);
    if constexpr (requires { element->Bitmap2; }) {
        if (second.Frames > 0)
            PaintStrip(element->Bitmap2, second.Frames, second.Width, second.Height, strip + 1);
    }
    return element;
}

} // namespace tandrel::test
