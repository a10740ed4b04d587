#pragma once
// The colours the engine gives controls that paint their own captions or
// pages over the skin's face: the skin's text colour where the control's
// font keeps its default colour, the face where the control keeps its
// default colour. A colour the program chose itself is kept, and whatever
// was given goes back when the skin comes off.

#include "framework/controls/Control.h"
#include "framework/core/Component.h"

#include <vector>

namespace tandrel {

class TSkinData;

// Whether the face replaces a colour the program chose as well.
enum class TFaceChoice { fcUnlessChosen, fcAlways };

class TSkinCaptionColours final : public TComponent {
public:
    TSkinCaptionColours() : TComponent(nullptr) {}
    const char* ClassName() const override { return "TSkinCaptionColours"; }

    // The skin's text colour, when the font's colour is the default one. A
    // container's children keep the font they had from it.
    void GiveText(TControl& control, const TSkinData& skin);
    // The skin's face colour, by default only when the control's colour is
    // the default one.
    void GiveFace(TControl& control, const TSkinData& skin, TFaceChoice choice = TFaceChoice::fcUnlessChosen);
    // Gives the colours of a changed skin.
    void Refresh(const TSkinData& skin);
    // Puts back what the controls had, the last one kept first, and
    // forgets them.
    void Restore();
    bool Empty() const { return m_kept.empty(); }

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    // What a control had before the engine first touched it.
    struct TKept {
        TControl* Control;
        TColor FontColour;
        bool ParentFont;
        TColor Colour;
        bool ParentColor;
        bool Text = false; // given the skin's text colour
        bool Face = false; // given the skin's face colour
    };
    TKept& Keep(TControl& control);

    std::vector<TKept> m_kept;
};

} // namespace tandrel
