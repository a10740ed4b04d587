#pragma once
// Shows a picture, unscaled unless told to stretch.

#include "framework/controls/GraphicControl.h"
#include "framework/graphics/Picture.h"

namespace tandrel {

class TImage : public TGraphicControl {
public:
    explicit TImage(TComponent* owner);
    const char* ClassName() const override { return "TImage"; }
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();

    TPicture& Picture() { return m_picture; }
    TPicture* PictureObject() { return &m_picture; }
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool autoSize);
    bool Stretch() const { return m_stretch; }
    void SetStretch(bool stretch);
    bool Center() const { return m_center; }
    void SetCenter(bool center);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool transparent);

protected:
    void Paint() override;

private:
    void PictureChanged();
    RECT DestRect() const;

    TPicture m_picture;
    bool m_autoSize = false;
    bool m_stretch = false;
    bool m_center = false;
    bool m_transparent = false;
};

} // namespace tandrel
