#pragma once
// A list of equal-sized images over a system image list.

#include "framework/graphics/Bitmap.h"
#include "framework/core/Component.h"
#include "framework/graphics/GdiObjects.h"

#include <commctrl.h>

namespace tandrel {

inline BOOL WINAPI DestroyImageList(HIMAGELIST h) { return ImageList_Destroy(h); }
using TOwnedImageList = TOwnedHandle<HIMAGELIST, TGdiKind::ImageList, DestroyImageList>;

class TImageList final : public TComponent {
public:
    explicit TImageList(TComponent* owner, int width = 16, int height = 16);
    const char* ClassName() const override { return "TImageList"; }

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    int Count() const;
    HIMAGELIST Handle() const { return m_handle.Get(); }

    // Cuts the bitmap into images of the list's size, left to right; pixels
    // of maskColour are transparent. Returns the index of the first image.
    int AddMasked(TBitmap& bitmap, TColor maskColour);
    void Clear();
    // Draws one image with its transparent pixels left alone; disabled
    // images are drawn greyed.
    void Draw(HDC dc, int x, int y, int index, bool enabled = true) const;

private:
    int m_width;
    int m_height;
    TOwnedImageList m_handle;
};

} // namespace tandrel
