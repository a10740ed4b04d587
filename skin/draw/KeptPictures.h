#pragma once
// Skin pictures composed at a size, kept so that what is drawn again and
// again (menu items as a popup opens and its selection moves) is composed
// once per image, size, frame and density; and the bitmap they are put
// together in. Cleared with the skin's images.

#include "framework/graphics/Bitmap.h"
#include "skin/draw/SkinDraw.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tandrel {

// A picture drawn opaque, or with its key-colour pixels left out. Drawn
// into a 24-bit bitmap, it leaves the same pixels as a MaskBlt with the key
// colour's mask, with two plain blits (Wine's MaskBlt is slow).
class TMaskedPicture {
public:
    TMaskedPicture(std::unique_ptr<TBitmap> picture, TSkinTransparency transparency);
    void Draw(HDC dc, int x, int y) const;
    // Nothing could be composed.
    bool Empty() const { return !m_picture; }
    // An opaque picture's pixels, to copy parts of; none for a keyed one.
    TBitmap* Opaque() const { return m_mask ? nullptr : m_picture.get(); }

private:
    std::unique_ptr<TBitmap> m_picture; // the key-colour pixels black when keyed
    std::unique_ptr<TBitmap> m_mask;    // white where the key colour was, else black
};

class TKeptPictures {
public:
    struct TKey {
        const TBitmap* Source = nullptr;
        // The source's size: an image loaded anew into the same object is
        // another image.
        int SourceWidth = 0;
        int SourceHeight = 0;
        int Kind = 0; // what the caller makes of the source
        int Width = 0;
        int Height = 0;
        int Frame = 0;
        int Dpi = 0;
        TSkinTransparency Transparency = TSkinTransparency::stOpaque;
        TMiddleFill Fill = TMiddleFill::mfStretch;
        // For a picture with text over a part of its source (a menu item
        // over its popup's background): where that part starts, the text
        // and its colour.
        int Left = 0;
        int Top = 0;
        COLORREF Ink = 0;
        std::wstring Text {};
        bool operator==(const TKey&) const = default;
    };

    // The picture kept for `key`, made by `make` the first time. Whoever
    // holds the shared picture keeps it after the set lets it go.
    std::shared_ptr<const TMaskedPicture> Share(const TKey& key, const std::function<TMaskedPicture()>& make);
    const TMaskedPicture& Get(const TKey& key, const std::function<TMaskedPicture()>& make)
    {
        return *Share(key, make);
    }
    void Clear() { m_kept.clear(); }
    int Count() const { return static_cast<int>(m_kept.size()); }

    // Which of the two compose buffers: a whole window is composed in one
    // while its parts (a popup's items) are composed in the other.
    enum class TBufferUse { buPart, buWindow };
    // A 24-bit bitmap of at least that size to compose in, kept from one
    // use to the next; what it held before is undefined.
    TBitmap& Buffer(int width, int height, TBufferUse use = TBufferUse::buPart);

private:
    struct TKept {
        TKey Key;
        std::shared_ptr<const TMaskedPicture> Picture;
    };
    // The most recently used last; the least recently used go once there
    // are more than a few popups' worth.
    std::vector<TKept> m_kept;
    std::unique_ptr<TBitmap> m_buffers[2];
};

} // namespace tandrel
