#pragma once
// The caption buttons of a skinned window: one per caption-button object of
// its skin, in the skin's order; which of them show, where they go, and
// their pictures. A button's picture in each look is composed once for its
// size and kept until the skin or the size changes.

#include "skin/draw/ScaledSkinImages.h"
#include "skin/draw/SkinDraw.h"
#include "skin/geometry/SkinFrameGeometry.h"
#include "skin/menus/NCObject.h"

#include <windows.h>

#include <array>
#include <memory>
#include <vector>

namespace tandrel {

class TCaptionButtons;

// One caption button: a caption-button object of the skin on one window.
class TWinSysButton final : public TNCObject {
public:
    TWinSysButton(TNCHost& host, TCaptionButtons& set, TDataSkinSysButton& object)
        : TNCObject(host), Object(object), m_set(set)
    {
    }
    const char* ClassName() const override { return "TWinSysButton"; }
    // Redraws the button in its state, straight on the window.
    void Draw() override;

    TDataSkinSysButton& Object;

private:
    friend class TCaptionButtons;
    TCaptionButtons& m_set;
    // Keyed pictures by frame (1 to 4); index 0 is the window's icon.
    std::array<std::unique_ptr<TKeyedPicture>, 5> m_pictures;
};

// Draws single buttons on the window (the form skinning object does).
class TCaptionButtonPainter {
public:
    virtual void DrawCaptionButton(TWinSysButton& button, int state) = 0;

protected:
    ~TCaptionButtonPainter() = default;
};

class TCaptionButtons {
public:
    TCaptionButtons(TNCHost& host, TCaptionButtonPainter& painter) : m_host(host), m_painter(painter) {}

    // The density the buttons are placed and drawn at.
    void SetScale(const TSkinScale& scale) { m_scale = scale; }
    // One button per caption-button object of the skin.
    void Build(std::vector<std::unique_ptr<TDataSkinSysButton>>& objects);
    // Drops every button (they belong to a skin set that is going).
    void Clear();
    const std::vector<std::unique_ptr<TWinSysButton>>& Items() const { return m_buttons; }
    TWinSysButton* Find(const TNCObject* object) const;
    // The first shown button that acts (Action 0 or more) under a window point.
    TWinSysButton* HitTest(POINT windowPoint) const;

    // The button the left button went down on: only it acts on release.
    TWinSysButton* Pressed() const { return m_pressed; }
    void SetPressed(TWinSysButton* button) { m_pressed = button; }

    // Whether button `index` shows in this state of the window; the answer
    // is kept as its Enabled flag, which the hit test reads.
    bool UpdateVisible(int index, const TCaptionButtonContext& context);
    // Shows and places every button with an image: `captionText` is the
    // caption text rectangle of the same paint. Returns the right-button
    // limit: the largest left edge of the right-aligned buttons.
    int Layout(const TCaptionButtonContext& context, int windowWidth, const TSkinRect& captionText,
               const TFrameSizes& sizes, int menuMargin, TReadingOrder order);

    // The shown caption buttons (not the menu strip's MDI buttons) in their
    // normal or inactive look, onto a DC of the whole caption strip.
    void Paint(HDC dc, bool active, TBitmap& icon);
    // The MDI buttons into the menu strip, whose origin lies at `barOrigin`.
    void PaintMdiButtons(HDC dc, POINT barOrigin, TBitmap& icon);
    // One button in a state (1 normal, 2 pressed, 3 hot) onto a window DC.
    void DrawState(HDC dc, TWinSysButton& button, int state, TBitmap& icon);
    // Redraws one button through the painter.
    void Redraw(TWinSysButton& button) { m_painter.DrawCaptionButton(button, button.State); }

private:
    // Draws frame `frame` of a button's strip (0: the icon) at its place.
    void DrawFrame(HDC dc, TWinSysButton& button, int frame, TBitmap& icon, POINT origin = {0, 0});

    TNCHost& m_host;
    TCaptionButtonPainter& m_painter;
    std::vector<std::unique_ptr<TWinSysButton>> m_buttons;
    TWinSysButton* m_pressed = nullptr;
    TSkinScale m_scale;
};

} // namespace tandrel
