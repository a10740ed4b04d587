#include "framework/graphics/PaintBuffer.h"

#include "framework/core/ScopeGuard.h"

#include <algorithm>

namespace tandrel {

bool TPaintBuffer::Draw(HDC like, int width, int height, const std::function<void(HDC)>& draw)
{
    width = std::max(width, 1);
    height = std::max(height, 1);
    if (!m_dc || width != m_width || height != m_height) {
        Release();
        TOwnedDC dc(CreateCompatibleDC(like));
        TOwnedBitmap bitmap(CreateCompatibleBitmap(like, width, height));
        if (!dc || !bitmap)
            return false;
        m_first = SelectObject(dc.Get(), bitmap.Get());
        m_dc = std::move(dc);
        m_bitmap = std::move(bitmap);
        m_width = width;
        m_height = height;
    }
    // What a paint selects or sets stays with that paint.
    int const saved = SaveDC(m_dc.Get());
    auto const restore = OnScopeExit([&] { RestoreDC(m_dc.Get(), saved); });
    draw(m_dc.Get());
    return true;
}

void TPaintBuffer::Release()
{
    if (m_dc && m_first)
        SelectObject(m_dc.Get(), m_first);
    m_first = nullptr;
    m_bitmap.Reset();
    m_dc.Reset();
    m_width = 0;
    m_height = 0;
}

} // namespace tandrel
