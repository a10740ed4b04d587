#include "skin/controls/SkinHeader.h"

#include "framework/graphics/Bitmap.h"
#include "skin/data/WinSkinData.h"
#include "skin/draw/SkinDraw.h"

#include <algorithm>
#include <memory>

namespace tandrel {

namespace {

int HeaderFrameCount(const TDataSkinObject& element) { return std::max(1, element.FrameCount); }

// Frame 1 of the header element at the size of `place`, opaque.
void DrawHeaderFrame(HDC dc, const RECT& place, TDataSkinObject& element, const TSkinScale& scale)
{
    if (place.right <= place.left || place.bottom <= place.top)
        return;
    std::unique_ptr<TBitmap> const picture = ComposeSkinObject(place, element, 1, HeaderFrameCount(element), scale);
    BitBlt(dc, place.left, place.top, place.right - place.left, place.bottom - place.top, picture->Canvas().Handle(),
           0, 0, SRCCOPY);
}

} // namespace

void DrawIconText(TCanvas& canvas, const RECT& rect, HIMAGELIST images, int imageIndex, const std::wstring& text,
                  int alignment, bool enabled)
{
    int cx = 0;
    int cy = 0;
    bool const image = images && imageIndex != -1 && ImageList_GetIconSize(images, &cx, &cy);
    if (!image)
        cx = 0;
    RECT t = rect;
    if (!text.empty())
        canvas.DrawText(text, t, DT_CENTER | DT_SINGLELINE | DT_EXPANDTABS | DT_CALCRECT | DT_NOCLIP);
    else
        t.right = t.left;
    int const tw = t.right - t.left;
    int const th = t.bottom - t.top;
    int const width = rect.right - rect.left;
    int const height = rect.bottom - rect.top;
    int const x = alignment == 1 ? (width - cx - tw) / 2 : alignment == 2 ? width - cx - tw - 2 : 2;
    if (image)
        ImageList_Draw(images, imageIndex, canvas.Handle(), rect.left + x, rect.top + (height - cy) / 2, ILD_TRANSPARENT);
    if (text.empty())
        return;
    int const left = rect.left + x + cx + 1;
    int const top = rect.top + (height - th) / 2;
    RECT place {left, top, left + tw, top + th};
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    canvas.Font().SetStyle(0);
    if (!enabled)
        canvas.Font().SetColor(clBtnShadow);
    canvas.DrawText(text, place, DT_CENTER | DT_SINGLELINE | DT_EXPANDTABS);
}

void TSkinHeader::AttachHandle(HWND handle, TSkinData* skinData, TCanvas* canvas)
{
    TSkinControl::AttachHandle(handle, skinData, canvas);
    RegisterWithOwner();
}

bool TSkinHeader::CanDraw() const
{
    return m_skinData && m_skinData->Headerbar && !m_skinData->Headerbar->Bitmap.Empty();
}

bool TSkinHeader::BeforeMessage(TMessage& m)
{
    if (m.Msg == WM_ERASEBKGND && CanDraw()) {
        m.Result = 1;
        return false;
    }
    return true;
}

void TSkinHeader::DrawControl(HDC dc, const RECT& rect)
{
    if (!CanDraw())
        return;
    int const width = rect.right - rect.left;
    int const height = rect.bottom - rect.top;
    m_buffer.SetSize(width, height);
    TCanvas& canvas = m_buffer.Canvas();
    // A font is made only when the window's changes.
    if (auto const font = reinterpret_cast<HFONT>(SendMessageW(m_handle, WM_GETFONT, 0, 0)); font != m_font) {
        canvas.Font().AssignHandle(font);
        m_font = font;
    }
    canvas.Font().SetColor(clWindowText);
    auto const images = reinterpret_cast<HIMAGELIST>(SendMessageW(m_handle, HDM_GETIMAGELIST, 0, 0));
    int const count = static_cast<int>(SendMessageW(m_handle, HDM_GETITEMCOUNT, 0, 0));
    int right = 0;
    for (int i = 0; i < count; ++i) {
        RECT place {};
        if (!SendMessageW(m_handle, HDM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&place)))
            continue;
        DrawItem(canvas, canvas.Handle(), i, place, images);
        right = std::max<int>(right, place.right);
    }
    if (width > right)
        DrawHeaderFrame(canvas.Handle(), {right, 0, width, height}, *m_skinData->Headerbar, Scale());
    BitBlt(dc, rect.left, rect.top, width, height, canvas.Handle(), 0, 0, SRCCOPY);
}

void TSkinHeader::DrawItem(TCanvas& canvas, HDC target, int index, const RECT& place, HIMAGELIST images)
{
    // The wide variant: headings may be Chinese.
    wchar_t text[201] {};
    HDITEMW item {};
    item.mask = HDI_TEXT | HDI_FORMAT | HDI_IMAGE;
    item.pszText = text;
    item.cchTextMax = 201;
    if (!SendMessageW(m_handle, HDM_GETITEMW, index, reinterpret_cast<LPARAM>(&item)))
        return;
    DrawHeaderFrame(target, place, *m_skinData->Headerbar, Scale());
    std::wstring const caption = text;
    if (caption.empty())
        return;
    int const alignment = (item.fmt & HDF_RIGHT) ? 2 : (item.fmt & HDF_CENTER) ? 1 : 0;
    int const image = (item.fmt & (HDF_IMAGE | HDF_OWNERDRAW)) ? item.iImage : -1;
    DrawIconText(canvas, place, images, image, caption, alignment, m_enabled);
}

} // namespace tandrel
