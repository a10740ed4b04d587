#include "skin/menus/NCObject.h"

#include "skin/forms/WinSkinForm.h"

namespace tandrel {

void TNCObject::Press()
{
    if (TNCObject* hot = m_form.HotObject(); hot && hot != this)
        hot->Leave();
    if (!Enabled)
        return;
    m_form.SetHotObject(this);
    State = ncsPressed;
    Draw();
}

void TNCObject::Release()
{
    if (!Enabled)
        return;
    State = ncsHot;
    Draw();
}

void TNCObject::Hover()
{
    if (m_form.HotObject() == this)
        return;
    if (TNCObject* hot = m_form.HotObject())
        hot->Leave();
    if (!Enabled)
        return;
    m_form.SetHotObject(this);
    State = ncsHot;
    Draw();
}

void TNCObject::Leave()
{
    if (!Enabled)
        return;
    if (m_form.HotObject() == this)
        m_form.SetHotObject(nullptr);
    State = ncsNormal;
    Draw();
}

void TWinSysButton::Draw() { m_form.DrawCaptionButton(*this, State); }

} // namespace tandrel
