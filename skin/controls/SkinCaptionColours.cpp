#include "skin/controls/SkinCaptionColours.h"

#include "framework/controls/WinControl.h"
#include "skin/data/WinSkinData.h"

#include <algorithm>

namespace tandrel {

namespace {

// The colours a control has when its program leaves them alone: the
// system's text colours, and its parent's colour or the button face.
bool DefaultFontColour(TControl& control)
{
    TColor const colour = control.Font().Color();
    return colour == clWindowText || colour == clBtnText;
}

bool DefaultColour(const TControl& control) { return control.ParentColor() || control.Color() == clBtnFace; }

} // namespace

TSkinCaptionColours::TKept& TSkinCaptionColours::Keep(TControl& control)
{
    auto it = std::find_if(m_kept.begin(), m_kept.end(), [&](const TKept& k) { return k.Control == &control; });
    if (it != m_kept.end())
        return *it;
    // A freed control is forgotten, never written to.
    FreeNotification(&control);
    m_kept.push_back({&control, control.Font().Color(), control.ParentFont(), control.Color(), control.ParentColor()});
    return m_kept.back();
}

void TSkinCaptionColours::GiveText(TControl& control, const TSkinData& skin)
{
    if (!DefaultFontColour(control))
        return;
    Keep(control).Text = true;
    // Children that take their font from it would take the colour as well:
    // an edit or a list on a group box keeps its own.
    if (auto* container = dynamic_cast<TWinControl*>(&control))
        for (int i = 0; i < container->ControlCount(); ++i)
            if (TControl* child = container->Controls(i); child->ParentFont()) {
                Keep(*child);
                child->SetParentFont(false);
            }
    control.Font().SetColor(skin.ButtonTextColour);
}

void TSkinCaptionColours::GiveFace(TControl& control, const TSkinData& skin, TFaceChoice choice)
{
    if (choice == TFaceChoice::fcUnlessChosen && !DefaultColour(control))
        return;
    Keep(control).Face = true;
    control.SetColor(skin.ButtonFaceColour);
}

void TSkinCaptionColours::Refresh(const TSkinData& skin)
{
    for (const TKept& kept : m_kept) {
        if (kept.Text)
            kept.Control->Font().SetColor(skin.ButtonTextColour);
        if (kept.Face)
            kept.Control->SetColor(skin.ButtonFaceColour);
    }
}

void TSkinCaptionColours::Restore()
{
    std::vector<TKept> kept;
    kept.swap(m_kept);
    for (auto it = kept.rbegin(); it != kept.rend(); ++it) {
        TControl& control = *it->Control;
        RemoveFreeNotification(&control);
        if (it->Text)
            control.Font().SetColor(it->FontColour);
        if (it->Face)
            control.SetColor(it->Colour);
        // Following the parent again takes its font and colour back.
        if (it->ParentFont)
            control.SetParentFont(true);
        if (it->ParentColor)
            control.SetParentColor(true);
    }
}

void TSkinCaptionColours::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove)
        std::erase_if(m_kept, [&](const TKept& k) { return k.Control == component; });
}

} // namespace tandrel
