#pragma once
// Drop-down combo boxes: the control paints itself, then the skin's sunken
// edge goes round it and the skin's button with its arrow over its own.

#include "skin/controls/SkinControl.h"
#include "framework/graphics/Dpi.h"
#include "skin/draw/SkinDraw.h"

#include <memory>

namespace tandrel {

class TSkinComBox : public TSkinControl {
public:
    explicit TSkinComBox(TComponent* owner) : TSkinControl(owner) {}
    const char* ClassName() const override { return "TSkinComBox"; }

    void AfterMessage(TMessage& message) override;
    void DrawControl(HDC dc, const RECT& rect) override;
    void Refresh() override;

    // The window's style and extended style as of the last paint.
    LONG Style() const { return m_style; }
    LONG ExStyle() const { return m_exStyle; }

private:
    bool ButtonAtTheLeft(int width) const;
    void FitEditField(const TSkinRect& field);
    static TComposedPicture& Picture(std::unique_ptr<TComposedPicture>& cache, TBitmap& source,
                                     const TSkinMargins& margins, TMiddleFill fill, TSkinTransparency transparency,
                                     int frameCount, int frameIndex, int width, int height);

    LONG m_style = 0;
    LONG m_exStyle = 0;
    // The edge, button and arrow composed for the last size and state:
    // most paints only copy them.
    std::unique_ptr<TComposedPicture> m_edge;
    std::unique_ptr<TComposedPicture> m_button;
    std::unique_ptr<TComposedPicture> m_arrow;
    bool m_buttonLeft = false;
    // All three put together, for an opaque edge.
    std::unique_ptr<TBitmap> m_face;
    int m_faceState = 0;
    int m_dpi = kDesignDpi; // what the pictures above were composed at
};

} // namespace tandrel
