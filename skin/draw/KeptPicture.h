#pragma once
// A picture composed once and copied on every paint until what it shows
// changes: its key holds the size, the state and the density it was made
// for, and the skin it came from.

#include "framework/graphics/Bitmap.h"

namespace tandrel {

// What every kept picture of a control depends on: its size, the density
// and the skin images it was drawn from, and the face colour under it.
struct TPictureGround {
    int Width = 0;
    int Height = 0;
    int Dpi = 0;
    unsigned Skin = 0; // the scaled images' generation
    COLORREF Face = 0;
    bool operator==(const TPictureGround&) const = default;
};

template <class TKey>
class TKeptPicture {
public:
    // The picture for `key`, width x height; `compose` draws it afresh on
    // the picture when the key is not the one it was last made for.
    template <class TCompose>
    TBitmap& For(const TKey& key, int width, int height, TCompose&& compose)
    {
        if (!m_made || !(key == m_key)) {
            // A compose that throws leaves nothing half made behind.
            m_made = false;
            m_picture.SetSize(width, height);
            compose(m_picture);
            m_key = key;
            m_made = true;
        }
        return m_picture;
    }
    // The skin changed: the next paint composes again.
    void Forget() { m_made = false; }

private:
    TBitmap m_picture;
    TKey m_key {};
    bool m_made = false;
};

} // namespace tandrel
