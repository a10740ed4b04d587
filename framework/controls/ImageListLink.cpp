#include "framework/controls/ImageListLink.h"

#include "framework/controls/WinControl.h"
#include "framework/graphics/ImageList.h"

namespace tandrel {

TImageListLink::~TImageListLink()
{
    if (m_images)
        m_images->RemoveFreeNotification(&m_control);
}

void TImageListLink::Set(TImageList* images)
{
    if (m_images)
        m_images->RemoveFreeNotification(&m_control);
    m_images = images;
    if (m_images)
        m_images->FreeNotification(&m_control);
    if (m_control.HandleAllocated())
        PutInWindow();
}

void TImageListLink::PutInWindow() const
{
    SendMessageW(static_cast<const TWinControl&>(m_control).Handle(), m_setMessage, 0, reinterpret_cast<LPARAM>(m_images ? m_images->Handle() : nullptr));
}

bool TImageListLink::Removed(const TComponent* component)
{
    if (!m_images || component != m_images)
        return false;
    m_images = nullptr;
    if (m_control.HandleAllocated() && !m_control.IsDestroying())
        PutInWindow();
    return true;
}

} // namespace tandrel
