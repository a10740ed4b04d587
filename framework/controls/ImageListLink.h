#pragma once
// A control's reference to an image list it does not own. The control hears
// of the list's destruction (and forgets it); the control's window is given
// the list through its own set-image-list message whenever either changes.

#include <windows.h>

namespace tandrel {

class TComponent;
class TImageList;
class TWinControl;

class TImageListLink {
public:
    TImageListLink(TWinControl& control, UINT setMessage) : m_control(control), m_setMessage(setMessage) {}
    ~TImageListLink();
    TImageListLink(const TImageListLink&) = delete;
    TImageListLink& operator=(const TImageListLink&) = delete;

    TImageList* Get() const { return m_images; }
    // Links images (or none), handing it to the window if there is one.
    void Set(TImageList* images);
    // Gives the window the list, or none (a newly made window, say).
    void PutInWindow() const;
    // From the control's Notification: true when component was the list,
    // which is then forgotten (and taken from a window that stays).
    bool Removed(const TComponent* component);

private:
    TWinControl& m_control;
    UINT m_setMessage;
    TImageList* m_images = nullptr;
};

} // namespace tandrel
