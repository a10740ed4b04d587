#include "framework/forms/Screen.h"

#include <algorithm>

namespace tandrel {

TScreen* Screen = nullptr;

TScreen::TScreen() : TComponent(nullptr) {}

void TScreen::SetCursor(TCursor cursor)
{
    if (cursor == ApplicationCursor())
        return;
    SetApplicationCursor(cursor);
    if (cursor != crDefault) {
        ::SetCursor(CursorHandle(cursor));
        return;
    }
    // Let the window under the mouse choose its own cursor again.
    POINT p;
    GetCursorPos(&p);
    HWND window = WindowFromPoint(p);
    if (window && GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId()) {
        LRESULT hit = SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y));
        SendMessageW(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window), MAKELPARAM(hit, WM_MOUSEMOVE));
    }
}

void TScreen::AddForm(TCustomForm* form) { m_forms.push_back(form); }

void TScreen::RemoveForm(TCustomForm* form)
{
    m_forms.erase(std::remove(m_forms.begin(), m_forms.end(), form), m_forms.end());
    if (m_activeForm == form)
        m_activeForm = nullptr;
}

void TScreen::FormActivated(TCustomForm* form)
{
    m_activeForm = form;
    auto it = std::find(m_forms.begin(), m_forms.end(), form);
    if (it != m_forms.end())
        std::rotate(m_forms.begin(), it, it + 1);
}

} // namespace tandrel
