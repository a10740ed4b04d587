#pragma once
// An off-screen bitmap like a window's, with its memory device context,
// kept from paint to paint and made again only for another size. Every
// paint finds the context in its first state.

#include "framework/graphics/GdiObjects.h"

#include <windows.h>

#include <functional>

namespace tandrel {

class TPaintBuffer {
public:
    TPaintBuffer() = default;
    ~TPaintBuffer() { Release(); }
    TPaintBuffer(const TPaintBuffer&) = delete;
    TPaintBuffer& operator=(const TPaintBuffer&) = delete;

    // Runs draw on the buffer's context, of width x height (at least 1 x 1)
    // and compatible with `like`. False, nothing run, when none can be made.
    bool Draw(HDC like, int width, int height, const std::function<void(HDC)>& draw);
    // Frees the bitmap and the context; the next paint makes them again.
    void Release();

private:
    TOwnedDC m_dc;
    TOwnedBitmap m_bitmap;
    HGDIOBJ m_first = nullptr; // the bitmap the context was made with
    int m_width = 0;
    int m_height = 0;
};

} // namespace tandrel
