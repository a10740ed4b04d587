// The skinned window's menus: owner-drawing of the form's popup menus, and
// the measuring and drawing of the owner-drawn items of its menu-bar popups.

#include "skin/forms/WinSkinForm.h"

#include "framework/forms/Menus.h"
#include "skin/geometry/SkinMenuGeometry.h"
#include "skin/menus/MenuTracking.h"
#include "skin/menus/SkinMenuItem.h"
#include "skin/menus/WinSkinPopMenu.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace tandrel {

namespace {

constexpr int kCaptionLength = 80;

// The 95, 98 and Me family sets the top bit of the version value.
bool OldPlatformFamily() { return (GetVersion() & 0x80000000u) != 0; }

bool IsNt4()
{
    DWORD const version = GetVersion();
    return !OldPlatformFamily() && LOBYTE(LOWORD(version)) == 4;
}

// The handlers the skinning installs are of these types, so that switching
// it off can tell them from handlers the program set afterwards.
struct TSkinItemDraw {
    TWinSkinForm* Form;
    void operator()(TObject* sender, HDC dc, const RECT& r, UINT state) const
    {
        if (auto* i = dynamic_cast<TMenuItem*>(sender))
            Form->MenuPainter().PaintMenuItem(*i, dc, (state & ODS_SELECTED) != 0, r);
    }
};

struct TSkinItemMeasure {
    TWinSkinForm* Form;
    void operator()(TObject* sender, HDC, int& width, int& height) const
    {
        if (auto* i = dynamic_cast<TMenuItem*>(sender))
            Form->MenuPainter().MeasureMenuItem(*i, width, height);
    }
};

struct TSkinMenuWatch {
    TWinSkinForm* Form;
    TMenu* Menu;
    void operator()() const { Form->OwnerDrawItems(*Menu); }
};

template <class F>
void ForEachItem(TMenuItem& parent, const F& visit)
{
    for (int i = 0; i < parent.Count(); ++i) {
        TMenuItem& item = *parent.Items(i);
        visit(item);
        ForEachItem(item, visit);
    }
}

} // namespace

TMenuItemPainter TWinSkinForm::MenuPainter() const
{
    return TMenuItemPainter(*m_skinData, m_menuBar ? m_menuBar->MenuObject() : nullptr, Scale());
}

bool TWinSkinForm::InstalledOn(const TMenuItem* item) const
{
    return std::find(m_ownerDrawnItems.begin(), m_ownerDrawnItems.end(), item) != m_ownerDrawnItems.end();
}

void TWinSkinForm::InstallItemPainter(TMenuItem& item)
{
    if (item.OnAdvancedDrawItem || InstalledOn(&item))
        return;
    SetItemPainter(item);
    m_ownerDrawnItems.push_back(&item);
    FreeNotification(&item);
}

void TWinSkinForm::SetItemPainter(TMenuItem& item)
{
    item.OnAdvancedDrawItem = TSkinItemDraw {this};
    item.OnMeasureItem = TSkinItemMeasure {this};
}

void TWinSkinForm::OwnerDrawItems(TMenu& menu)
{
    ForEachItem(menu.Items(), [this](TMenuItem& item) { InstallItemPainter(item); });
}

void TWinSkinForm::OwnerDrawMenu(TMenu& menu)
{
    if (!menu.OwnerDraw()) {
        menu.SetOwnerDraw(true);
        m_ownerDrawnMenus.push_back(&menu);
        FreeNotification(&menu);
    }
    OwnerDrawItems(menu);
    // Items added later are drawn by their owner too: they get the painter.
    if (!menu.OnChange && std::find(m_watchedMenus.begin(), m_watchedMenus.end(), &menu) == m_watchedMenus.end()) {
        menu.OnChange = TSkinMenuWatch {this, &menu};
        m_watchedMenus.push_back(&menu);
        FreeNotification(&menu);
    }
}

void TWinSkinForm::SetPopupOwnerDraw(bool on)
{
    if (!on) {
        // Only what this object installed goes: a handler the program set
        // since then is the program's and stays.
        for (TMenu* menu : std::exchange(m_watchedMenus, {})) {
            RemoveFreeNotification(menu);
            if (menu->OnChange.target<TSkinMenuWatch>())
                menu->OnChange = nullptr;
        }
        for (TMenuItem* item : std::exchange(m_ownerDrawnItems, {})) {
            RemoveFreeNotification(item);
            if (item->OnAdvancedDrawItem.target<TSkinItemDraw>())
                item->OnAdvancedDrawItem = nullptr;
            if (item->OnMeasureItem.target<TSkinItemMeasure>())
                item->OnMeasureItem = nullptr;
        }
        for (TMenu* menu : std::exchange(m_ownerDrawnMenus, {})) {
            RemoveFreeNotification(menu);
            menu->SetOwnerDraw(false);
        }
        return;
    }
    if (!m_skinData || !m_skinData->Skins(xcPopupMenu))
        return;
    if (m_form)
        for (int i = 0; i < m_form->ComponentCount(); ++i) {
            auto* popup = dynamic_cast<TPopupMenu*>(m_form->Components(i));
            // The remainder keeps the sign of the Tag: -99 is not 99.
            if (popup && popup->Tag() % 100 != m_skinData->DisableTag())
                OwnerDrawMenu(*popup);
        }
}

void TWinSkinForm::ForgetOwnerDrawn(TComponent* component)
{
    std::erase(m_ownerDrawnItems, component);
    std::erase(m_ownerDrawnMenus, component);
    std::erase(m_watchedMenus, component);
}

// The framework item of the form's main menu with that command.
TMenuItem* TWinSkinForm::MainMenuItem(UINT command) const
{
    TMainMenu* menu = m_form ? m_form->Menu() : nullptr;
    TMenuItem* item = menu ? TMenuItem::FindByCommand(command) : nullptr;
    return item && item->GetParentMenu() == menu ? item : nullptr;
}

LRESULT TWinSkinForm::OnMeasureItem(WPARAM wParam, LPARAM lParam)
{
    auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
    if (!measure || measure->CtlType != ODT_MENU || !m_menuBar)
        return Saved(WM_MEASUREITEM, wParam, lParam);
    TMenuItemPainter const painter = MenuPainter();
    int const indent = painter.Indent();
    TSkinScale const scale = Scale();
    TMenuMeasuring* const measuring = TMenuMeasuring::Current();
    HDC dc = measuring ? measuring->Dc() : nullptr;
    std::optional<TWindowDC> windowDc;
    if (!dc)
        dc = windowDc.emplace(m_handle).Get();
    if (TMenuItem* item = MainMenuItem(measure->itemID)) {
        // Measured with the system's font at the screen's density; the room
        // the skin adds is laid out at 96.
        int width = 0;
        int height = 0;
        item->MeasureItemDefault(dc, width, height);
        int const room = scale.Length(MeasuredBarItemWidth(0, 0, painter.ImagesOf(*item) != nullptr));
        measure->itemWidth = static_cast<UINT>(painter.FromScreen(width) + indent + room);
        measure->itemHeight = static_cast<UINT>(painter.FromScreen(height));
        return TRUE;
    }
    wchar_t text[kCaptionLength + 1] {};
    if (HMENU const popup = tandrel::MenuTracking().Host == this ? tandrel::MenuTracking().Popup : nullptr)
        GetMenuStringW(popup, measure->itemID, text, kCaptionLength + 1, MF_BYCOMMAND);
    TSelectObject const selected(dc, painter.Font());
    SIZE extent {};
    GetTextExtentPoint32W(dc, text, static_cast<int>(wcslen(text)), &extent);
    // The text measured at the density already; the system's height is at
    // the screen's, the room around both at 96.
    bool const empty = text[0] == 0;
    TMeasuredItem const room = MeasuredHandleItem(0, 0, empty, 0, OldPlatformFamily());
    int const height = empty ? 0 : painter.FromScreen(static_cast<int>(measure->itemHeight));
    measure->itemWidth = static_cast<UINT>(extent.cx + indent + scale.Length(room.Width));
    measure->itemHeight = static_cast<UINT>(height + scale.Length(room.Height));
    return TRUE;
}

LRESULT TWinSkinForm::OnDrawItem(WPARAM wParam, LPARAM lParam)
{
    auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
    if (!draw || draw->CtlType != ODT_MENU || !m_menuBar || (m_formKind == fkMdiFrame && IsNt4()))
        return Saved(WM_DRAWITEM, wParam, lParam);
    auto* const menu = reinterpret_cast<HMENU>(draw->hwndItem);
    TWinSkinPopMenu::LearnMenu(menu);
    TMenuItemPainter const painter = MenuPainter();
    bool const selected = (draw->itemState & ODS_SELECTED) != 0;
    if (TMenuItem* item = MainMenuItem(draw->itemID)) {
        if (painter.MenuItemObject())
            painter.PaintMenuItem(*item, draw->hDC, selected, draw->rcItem);
        else
            painter.PaintPlainMenuItem(*item, draw->hDC, selected, draw->rcItem);
        return TRUE;
    }
    // Another window's item: a stand-in made from what the handle says.
    MENUITEMINFOW info {};
    wchar_t text[kCaptionLength + 1] {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = kCaptionLength;
    GetMenuItemInfoW(menu, draw->itemID, FALSE, &info);
    TMenuItem stand(nullptr);
    stand.SetCaption(text[0] ? std::wstring(text) : std::wstring(L"-"));
    stand.SetEnabled(!(info.fState & (MFS_GRAYED | MFS_DISABLED)));
    stand.SetChecked((info.fState & MFS_CHECKED) != 0);
    painter.PaintHandleMenuItem(menu, stand, selected, draw->rcItem, draw->hDC);
    return TRUE;
}

LRESULT TWinSkinForm::OnMenuSelect(WPARAM wParam, LPARAM lParam)
{
    TrackingMenuSelect(*this, wParam, lParam);
    return Saved(WM_MENUSELECT, wParam, lParam);
}

} // namespace tandrel
