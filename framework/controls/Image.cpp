#include "framework/controls/Image.h"

#include "framework/core/Publisher.h"

namespace tandrel {

const TClassInfo& TImage::StaticClassInfo()
{
    static const TClassInfo info = [] {
        TClassInfo i("TImage", &TControl::StaticClassInfo());
        TPublisher<TImage>(i)
            .Boolean("AutoSize", &TImage::AutoSize, &TImage::SetAutoSize)
            .Boolean("Center", &TImage::Center, &TImage::SetCenter)
            .Object("Picture", &TImage::PictureObject)
            .Boolean("Stretch", &TImage::Stretch, &TImage::SetStretch)
            .Boolean("Transparent", &TImage::Transparent, &TImage::SetTransparent);
        return i;
    }();
    return info;
}

TImage::TImage(TComponent* owner) : TGraphicControl(owner)
{
    SetBounds(0, 0, 105, 105);
    m_picture.OnChange = [this] { PictureChanged(); };
}

void TImage::PictureChanged()
{
    if (m_autoSize && m_picture.Width() > 0 && m_picture.Height() > 0)
        SetBounds(Left(), Top(), m_picture.Width(), m_picture.Height());
    TGraphic* graphic = m_picture.Graphic();
    if (graphic && !m_transparent && !dynamic_cast<TIcon*>(graphic) && !graphic->Transparent() &&
        (m_stretch || (graphic->Width() >= Width() && graphic->Height() >= Height())))
        m_controlStyle |= csOpaque;
    else
        m_controlStyle &= ~csOpaque;
    Invalidate();
}

void TImage::SetAutoSize(bool autoSize)
{
    if (autoSize != m_autoSize) {
        m_autoSize = autoSize;
        PictureChanged();
    }
}

void TImage::SetStretch(bool stretch)
{
    if (stretch != m_stretch) {
        m_stretch = stretch;
        PictureChanged();
    }
}

void TImage::SetCenter(bool center)
{
    if (center != m_center) {
        m_center = center;
        PictureChanged();
    }
}

void TImage::SetTransparent(bool transparent)
{
    if (transparent != m_transparent) {
        m_transparent = transparent;
        if (TGraphic* graphic = m_picture.Graphic(); graphic && !dynamic_cast<TIcon*>(graphic))
            graphic->SetTransparent(transparent);
        PictureChanged();
    }
}

RECT TImage::DestRect() const
{
    const int w = m_picture.Width();
    const int h = m_picture.Height();
    if (m_stretch)
        return {0, 0, Width(), Height()};
    int x = m_center ? (Width() - w) / 2 : 0;
    int y = m_center ? (Height() - h) / 2 : 0;
    return {x, y, x + w, y + h};
}

void TImage::Paint()
{
    if (TGraphic* graphic = m_picture.Graphic(); graphic && !graphic->Empty())
        Canvas().StretchDraw(DestRect(), *graphic);
}

} // namespace tandrel
