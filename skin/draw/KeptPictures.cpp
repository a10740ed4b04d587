#include "skin/draw/KeptPictures.h"

#include <algorithm>

namespace tandrel {

namespace {
constexpr size_t kMostKept = 64;
}

TMaskedPicture::TMaskedPicture(std::unique_ptr<TBitmap> picture, TSkinTransparency transparency)
    : m_picture(std::move(picture))
{
    if (!m_picture || m_picture->Empty()) {
        m_picture.reset();
        return;
    }
    if (transparency != TSkinTransparency::stKeyColour)
        return;
    m_picture->SetPixelFormat(TPixelFormat::pf24bit);
    int const w = m_picture->Width();
    COLORREF const key = ColorToRGB(SkinKeyColour);
    std::uint8_t const keyBgr[3] = {GetBValue(key), GetGValue(key), GetRValue(key)};
    m_mask = std::make_unique<TBitmap>(w, m_picture->Height(), TPixelFormat::pf24bit);
    for (int y = 0; y < m_picture->Height(); ++y) {
        std::uint8_t* from = m_picture->ScanLine(y);
        std::uint8_t* mask = m_mask->ScanLine(y);
        for (int x = 0; x < 3 * w; x += 3) {
            bool const keyed = from[x] == keyBgr[0] && from[x + 1] == keyBgr[1] && from[x + 2] == keyBgr[2];
            std::fill_n(mask + x, 3, keyed ? 0xFF : 0);
            if (keyed)
                std::fill_n(from + x, 3, 0);
        }
    }
}

void TMaskedPicture::Draw(HDC dc, int x, int y) const
{
    if (!m_picture)
        return;
    int const w = m_picture->Width();
    int const h = m_picture->Height();
    if (m_mask) {
        // What the mask keeps of the destination, then the picture's pixels into the rest.
        BitBlt(dc, x, y, w, h, m_mask->Canvas().Handle(), 0, 0, SRCAND);
        BitBlt(dc, x, y, w, h, m_picture->Canvas().Handle(), 0, 0, SRCPAINT);
    } else {
        BitBlt(dc, x, y, w, h, m_picture->Canvas().Handle(), 0, 0, SRCCOPY);
    }
}

std::shared_ptr<const TMaskedPicture> TKeptPictures::Share(const TKey& key,
                                                           const std::function<TMaskedPicture()>& make)
{
    auto const found = std::find_if(m_kept.begin(), m_kept.end(), [&](const TKept& k) { return k.Key == key; });
    if (found != m_kept.end()) {
        std::rotate(found, found + 1, m_kept.end());
        return m_kept.back().Picture;
    }
    // Made before anything goes: making may keep pictures of its own.
    auto picture = std::make_shared<const TMaskedPicture>(make());
    if (m_kept.size() >= kMostKept)
        m_kept.erase(m_kept.begin(), m_kept.end() - (kMostKept - 1));
    m_kept.push_back({key, std::move(picture)});
    return m_kept.back().Picture;
}

TBitmap& TKeptPictures::Buffer(int width, int height, TBufferUse use)
{
    // Only grows: items of one popup differ in height, and each size
    // would otherwise make a new bitmap.
    std::unique_ptr<TBitmap>& buffer = m_buffers[use == TBufferUse::buWindow ? 1 : 0];
    if (!buffer || buffer->Width() < width || buffer->Height() < height) {
        int const w = buffer ? std::max(width, buffer->Width()) : width;
        int const h = buffer ? std::max(height, buffer->Height()) : height;
        buffer = std::make_unique<TBitmap>(w, h, TPixelFormat::pf24bit);
    }
    return *buffer;
}

} // namespace tandrel
