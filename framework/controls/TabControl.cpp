#include "framework/controls/TabControl.h"

#include "framework/core/Publisher.h"
#include "framework/graphics/Dpi.h"
#include "framework/graphics/ImageList.h"

#include <commctrl.h>

namespace tandrel {

namespace {

const TEnumInfo kTabPositions {{"tpTop", "tpBottom", "tpLeft", "tpRight"}};

DWORD PositionBits(TTabPosition position)
{
    switch (position) {
    case TTabPosition::tpBottom: return TCS_BOTTOM;
    // Tabs on a side stand in rows of their own: the system has no single
    // scrolling column.
    case TTabPosition::tpLeft: return TCS_VERTICAL | TCS_MULTILINE;
    case TTabPosition::tpRight: return TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE;
    default: return 0;
    }
}

} // namespace

const TClassInfo& TCustomTabControl::StaticClassInfo()
{
    static const TClassInfo info = [] {
        TClassInfo i("TCustomTabControl", &TWinControl::StaticClassInfo());
        TPublisher<TCustomTabControl>(i)
            .Integer("TabIndex", &TCustomTabControl::TabIndex, &TCustomTabControl::SetTabIndex)
            .Enumeration("TabPosition", kTabPositions, &TCustomTabControl::TabPosition,
                         &TCustomTabControl::SetTabPosition)
            .Boolean("MultiLine", &TCustomTabControl::MultiLine, &TCustomTabControl::SetMultiLine)
            .Event("OnChange", &TCustomTabControl::OnChange);
        return i;
    }();
    return info;
}

const TClassInfo& TTabControl::StaticClassInfo()
{
    static const TClassInfo info = [] {
        TClassInfo i("TTabControl", &TCustomTabControl::StaticClassInfo());
        TPublisher<TTabControl>(i).Strings("Tabs", &TTabControl::TabsObject);
        return i;
    }();
    return info;
}

TCustomTabControl::TCustomTabControl(TComponent* owner) : TChangingControl(owner), m_images(*this, TCM_SETIMAGELIST)
{
    m_controlStyle = csAcceptsControls | csDoubleClicks;
    SetColor(clBtnFace);
    SetTabStop(true);
    SetBounds(0, 0, 289, 193);
    m_tabs.OnChange = [this] { PutTabs(); };
}

// The window goes first: its notifications reach this object.
TCustomTabControl::~TCustomTabControl()
{
    Destroying();
    DestroyHandle();
}

void TCustomTabControl::CreateParams(TCreateParams& p)
{
    TWinControl::CreateParams(p);
    p.BaseClassName = WC_TABCONTROLW;
    p.CommonControlClasses = ICC_TAB_CLASSES;
    p.Caption.clear();
    p.Style |= WS_CLIPCHILDREN | TCS_TABS | PositionBits(m_tabPosition);
    if (m_multiLine)
        p.Style |= TCS_MULTILINE;
}

void TCustomTabControl::ChangeScale(int to, int from)
{
    int width = m_minTabWidth;
    // Setting the default answers the width there was.
    if (width <= 0 && HandleAllocated())
        width = static_cast<int>(SendMessageW(Handle(), TCM_SETMINTABWIDTH, 0, -1));
    if (width > 0)
        m_minTabWidth = ScaleDpi(width, to, from);
    TWinControl::ChangeScale(to, from);
    if (HandleAllocated() && m_minTabWidth > 0)
        SendMessageW(Handle(), TCM_SETMINTABWIDTH, 0, m_minTabWidth);
}

void TCustomTabControl::InitializeWindow()
{
    TWinControl::InitializeWindow();
    // Made at another density than the screen's: the system's narrowest
    // tab grows to it at once.
    if (int const dpi = SaneDpi(WindowDpi(Handle())); m_minTabWidth <= 0 && dpi != ScreenDpi())
        m_minTabWidth = ScaleDpi(static_cast<int>(SendMessageW(Handle(), TCM_SETMINTABWIDTH, 0, -1)), dpi, ScreenDpi());
    if (m_minTabWidth > 0)
        SendMessageW(Handle(), TCM_SETMINTABWIDTH, 0, m_minTabWidth);
    if (m_images.Get())
        m_images.PutInWindow();
    PutTabs();
    SetTabIndex(m_savedIndex);
}

void TCustomTabControl::SaveWindowState()
{
    TWinControl::SaveWindowState();
    m_savedIndex = TabIndex();
}

void TCustomTabControl::PutTabs()
{
    if (!HandleAllocated())
        return;
    int const selected = TabIndex();
    SendMessageW(m_handle, TCM_DELETEALLITEMS, 0, 0);
    for (int i = 0; i < m_tabs.Count(); ++i) {
        TCITEMW item {};
        item.mask = TCIF_TEXT | TCIF_IMAGE;
        item.pszText = const_cast<wchar_t*>(m_tabs.Strings(i).c_str());
        item.iImage = i < static_cast<int>(m_imageIndexes.size()) ? m_imageIndexes[static_cast<size_t>(i)] : -1;
        SendMessageW(m_handle, TCM_INSERTITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
    if (selected >= 0 && selected < m_tabs.Count())
        SendMessageW(m_handle, TCM_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

int TCustomTabControl::TabIndex() const
{
    if (!HandleAllocated())
        return m_savedIndex;
    return static_cast<int>(SendMessageW(m_handle, TCM_GETCURSEL, 0, 0));
}

void TCustomTabControl::SetTabIndex(int index)
{
    if (index < -1 || index >= m_tabs.Count())
        index = -1;
    m_savedIndex = index;
    if (HandleAllocated())
        SendMessageW(m_handle, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void TCustomTabControl::SetTabPosition(TTabPosition position) { SetWindowProperty(m_tabPosition, position); }

void TCustomTabControl::SetMultiLine(bool multiLine) { SetWindowProperty(m_multiLine, multiLine); }

void TCustomTabControl::SetImages(TImageList* images)
{
    m_images.Set(images);
    if (HandleAllocated()) {
        Invalidate();
    }
}

void TCustomTabControl::SetTabImage(int tab, int imageIndex)
{
    if (tab < 0)
        return;
    if (static_cast<int>(m_imageIndexes.size()) <= tab)
        m_imageIndexes.resize(static_cast<size_t>(tab) + 1, -1);
    m_imageIndexes[static_cast<size_t>(tab)] = imageIndex;
    PutTabs();
}

void TCustomTabControl::Notification(TComponent* component, TOperation operation)
{
    TWinControl::Notification(component, operation);
    if (operation == TOperation::opRemove)
        m_images.Removed(component);
}

RECT TCustomTabControl::DisplayRect() const
{
    RECT r = ClientRect();
    if (HandleAllocated())
        SendMessageW(m_handle, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
    return r;
}

LRESULT TCustomTabControl::ReflectedNotify(NMHDR& header)
{
    if (header.code == static_cast<UINT>(TCN_SELCHANGE)) {
        m_savedIndex = TabIndex();
        Change();
    }
    return 0;
}

} // namespace tandrel
