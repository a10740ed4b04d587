#include "framework/graphics/ImageList.h"

#include "framework/core/SysUtils.h"

#include <cstring>

namespace tandrel {

TImageList::TImageList(TComponent* owner, int width, int height)
    : TComponent(owner), m_width(width), m_height(height)
{
}

int TImageList::Count() const { return m_handle ? ImageList_GetImageCount(m_handle.Get()) : 0; }

int TImageList::AddMasked(TBitmap& bitmap, TColor maskColour)
{
    if (bitmap.Empty())
        return -1;
    if (!m_handle) {
        HIMAGELIST list = ImageList_Create(m_width, m_height, ILC_COLOR24 | ILC_MASK, 4, 4);
        if (!list)
            RaiseLastOSError("ImageList_Create");
        m_handle.Reset(list);
    }
    // The list takes the pixels from a bitmap that no device context holds.
    TBitmap source;
    source.Assign(bitmap);
    source.SetPixelFormat(TPixelFormat::pf24bit);
    TBitmap pixels(source.Width(), source.Height(), TPixelFormat::pf24bit);
    for (int y = 0; y < source.Height(); ++y)
        std::memcpy(pixels.ScanLine(y), source.ScanLine(y), 3 * static_cast<size_t>(source.Width()));
    return ImageList_AddMasked(m_handle.Get(), pixels.Handle(), ColorToRGB(maskColour));
}

void TImageList::Clear() { m_handle.Reset(); }

void TImageList::Draw(HDC dc, int x, int y, int index, bool enabled) const
{
    if (!m_handle || index < 0 || index >= Count())
        return;
    IMAGELISTDRAWPARAMS params {};
    params.cbSize = sizeof params;
    params.himl = m_handle.Get();
    params.i = index;
    params.hdcDst = dc;
    params.x = x;
    params.y = y;
    params.rgbBk = CLR_NONE;
    params.rgbFg = CLR_DEFAULT;
    params.fStyle = ILD_TRANSPARENT;
    params.fState = enabled ? ILS_NORMAL : ILS_SATURATE;
    ImageList_DrawIndirect(&params);
}

} // namespace tandrel
