#include "skin/menus/NCObject.h"

namespace tandrel {

void TNCObject::Press()
{
    if (TNCObject* hot = m_host.HotObject(); hot && hot != this)
        hot->Leave();
    if (!Enabled)
        return;
    m_host.SetHotObject(this);
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
    if (m_host.HotObject() == this)
        return;
    if (TNCObject* hot = m_host.HotObject())
        hot->Leave();
    if (!Enabled)
        return;
    m_host.SetHotObject(this);
    State = ncsHot;
    Draw();
}

void TNCObject::Leave()
{
    if (!Enabled)
        return;
    if (m_host.HotObject() == this)
        m_host.SetHotObject(nullptr);
    State = ncsNormal;
    Draw();
}

} // namespace tandrel
