#pragma once
// Skinners of push-button-like controls, drawn from the skin's Buttons
// element: push buttons (framework and dialog), bitmap buttons with their
// glyph, windowless speed buttons, and the boxes of check boxes and radio
// buttons.

#include "framework/graphics/Bitmap.h"
#include "skin/controls/SkinControl.h"

#include <optional>
#include <string>

namespace tandrel {

class TSpeedButton;

// Replaces the control's whole painting and takes over its left mouse
// button: the click comes from the release over the pressed button.
class TSkinButton : public TSkinControl {
public:
    explicit TSkinButton(TComponent* owner) : TSkinControl(owner) {}
    const char* ClassName() const override { return "TSkinButton"; }

    bool BeforeMessage(TMessage& message) override;
    void AfterMessage(TMessage& message) override;
    void DrawControl(HDC dc, const RECT& rect) override;
    // Forgets the composed faces: the skin changed.
    void Refresh() override;

protected:
    // The skin has a button strip to draw.
    bool CanDraw() const;
    // The caption colour of a button frame.
    TColor CaptionColour(int frame, bool enabled) const;

    // The buffer holding frame `frame` of the strip at r's size over the
    // face colour, ready for the caption.
    TCanvas& ComposeFace(const RECT& r, int frameCount, int frame);
    // The buffer's canvas takes the window's font.
    void UseWindowFont(TCanvas& canvas);
    HFONT WindowFont() const;

    TBitmap m_buffer;       // the control is composed here, then copied at once
    HFONT m_font = nullptr; // the window font the buffer's canvas has

private:
    struct TFaceKey {
        int Width = -1;
        int Height = -1;
        int FrameCount = 0;
        int Frame = 0;
        int Dpi = 0;
        bool operator==(const TFaceKey&) const = default;
    };
    TFaceKey FaceKey(const RECT& r, int frameCount, int frame) const;

    TBitmap m_face; // the face last composed, and what it shows
    TFaceKey m_faceKey;

    // What the buffer shows while it holds a push button with its caption:
    // a repaint showing the same copies it.
    struct TCaptionedKey {
        TFaceKey Face;
        std::wstring Text;
        HFONT Font = nullptr;
        TColor Colour = 0;
        bool Enabled = false;
        bool operator==(const TCaptionedKey&) const = default;
    };
    std::optional<TCaptionedKey> m_captioned;
};

// A framework bitmap button: its glyph beside the caption.
class TSkinBitButton : public TSkinButton {
public:
    explicit TSkinBitButton(TComponent* owner) : TSkinButton(owner) {}
    const char* ClassName() const override { return "TSkinBitButton"; }

    // Attaches to a windowless control.
    void AttachGraphic(TControl* graphicControl, TSkinData* skinData, TCanvas* canvas);
    void DrawControl(HDC dc, const RECT& rect) override;
};

// A framework speed button, which has no window: it paints where its
// parent paints it, composed in the scratch bitmap.
class TSkinSpeedButton : public TSkinBitButton {
public:
    explicit TSkinSpeedButton(TComponent* owner) : TSkinBitButton(owner) {}
    const char* ClassName() const override { return "TSkinSpeedButton"; }

    void Detach() override;
    bool BeforeMessage(TMessage& message) override;
    void AfterMessage(TMessage& message) override;
    void PaintWindow(HDC dc) override;
    void DrawSpeedButton(TCanvas& canvas, const RECT& rect);

private:
    TSpeedButton* Button() const;
    // Paints the new hover look now, unless the button already asked its
    // parent to repaint it (a flat one does on every hover).
    void PaintHover();
};

// Check boxes and radio buttons: the control paints itself, and the skin's
// box goes over the control's own.
class TSkinChoiceButton : public TSkinControl {
public:
    explicit TSkinChoiceButton(TComponent* owner) : TSkinControl(owner) {}
    void AfterMessage(TMessage& message) override;
    // Forgets the composed box: the skin changed.
    void Refresh() override;

protected:
    // The strip's frame for the check state `query` (BM_GETSTATE or
    // BM_GETCHECK) reports, or the control's published "Checked".
    void DrawChoice(HDC dc, const RECT& rect, TBitmap& strip, int frameCount, UINT query, bool thirdState);

private:
    // Away from 96 pixels per inch the system's caption would sit under the
    // grown box: the whole control is drawn here, box and caption.
    void DrawScaledChoice(HDC dc, const RECT& rect, TBitmap& image, int frameCount, int frame,
                          const TSkinScale& scale);

    // What the composed box shows.
    struct TBoxKey {
        TPictureGround Ground;
        int Frame = 0;
        const TBitmap* Strip = nullptr;
        bool operator==(const TBoxKey&) const = default;
    };
    TKeptPicture<TBoxKey> m_box;
};

class TSkinCheckBox : public TSkinChoiceButton {
public:
    explicit TSkinCheckBox(TComponent* owner) : TSkinChoiceButton(owner) {}
    const char* ClassName() const override { return "TSkinCheckBox"; }
    void DrawControl(HDC dc, const RECT& rect) override;
};

class TSkinRadioButton : public TSkinChoiceButton {
public:
    explicit TSkinRadioButton(TComponent* owner) : TSkinChoiceButton(owner) {}
    const char* ClassName() const override { return "TSkinRadioButton"; }
    void DrawControl(HDC dc, const RECT& rect) override;
};

// Panels, group boxes and radio groups only take the face colour.
class TSkinBox : public TSkinControl {
public:
    explicit TSkinBox(TComponent* owner) : TSkinControl(owner) {}
    const char* ClassName() const override { return "TSkinBox"; }
    // Colours the control; its handler and its painting stay its own.
    void Attach(TWinControl* control, TSkinData* skinData, TCanvas* canvas, bool setColour) override;

    // Nothing to draw after the control's own painting.
    void AfterMessage(TMessage& message) override;
};

} // namespace tandrel
