#include "framework/forms/Menus.h"

#include "framework/core/Publisher.h"
#include "framework/core/SysUtils.h"
#include "framework/graphics/Dpi.h"
#include "framework/graphics/SystemMetrics.h"

#include <algorithm>
#include <unordered_map>

namespace tandrel {

namespace {

const TEnumInfo kPopupAlignments {{"paLeft", "paRight", "paCenter"}};

// Command identifiers fit in the 16 bits WM_COMMAND carries them in.
std::unordered_map<UINT, TMenuItem*>& Commands()
{
    static std::unordered_map<UINT, TMenuItem*> commands;
    return commands;
}

UINT AllocateCommand(TMenuItem* item)
{
    static UINT next = 1;
    for (UINT tries = 0; tries < 0xFFFF; ++tries) {
        UINT id = next;
        next = next >= 0xFFFF ? 1 : next + 1;
        if (!Commands().count(id)) {
            Commands()[id] = item;
            return id;
        }
    }
    throw EOutOfResources("Too many menu items");
}

LRESULT CALLBACK PopupListProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    try {
        switch (msg) {
        case WM_COMMAND:
            if (HIWORD(wParam) == 0 && lParam == 0)
                if (TMenuItem* item = TMenuItem::FindByCommand(LOWORD(wParam))) {
                    item->Click();
                    return 0;
                }
            break;
        case WM_MEASUREITEM: {
            auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
            if (measure->CtlType == ODT_MENU)
                if (TMenuItem* item = TMenuItem::FindByCommand(measure->itemID)) {
                    int width = static_cast<int>(measure->itemWidth);
                    int height = static_cast<int>(measure->itemHeight);
                    TMenuMeasuring* const measuring = TMenuMeasuring::Current();
                    if (HDC const shared = measuring ? measuring->Dc() : nullptr) {
                        item->MeasureItem(shared, width, height);
                    } else {
                        // The handler may throw; the DC goes back all the same.
                        TWindowDC const dc(window);
                        item->MeasureItem(dc.Get(), width, height);
                    }
                    measure->itemWidth = static_cast<UINT>(width);
                    measure->itemHeight = static_cast<UINT>(height);
                    return TRUE;
                }
            break;
        }
        case WM_DRAWITEM: {
            auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
            if (draw->CtlType == ODT_MENU)
                if (TMenuItem* item = TMenuItem::FindByCommand(draw->itemID); item && item->OnAdvancedDrawItem) {
                    item->OnAdvancedDrawItem(item, draw->hDC, draw->rcItem, draw->itemState);
                    return TRUE;
                }
            break;
        }
        default:
            break;
        }
    } catch (...) {
        HandleCallbackException(nullptr);
        return 0;
    }
    return DefWindowProcW(window, msg, wParam, lParam);
}

} // namespace

std::wstring ShortCutToText(TShortCut shortCut)
{
    const UINT key = shortCut & 0xFF;
    std::wstring name;
    if (key >= VK_F1 && key <= VK_F24)
        name = L"F" + std::to_wstring(key - VK_F1 + 1);
    else if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9'))
        name = std::wstring(1, static_cast<wchar_t>(key));
    else if (key) {
        wchar_t text[64] {};
        if (GetKeyNameTextW(static_cast<LONG>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC) << 16), text, 64) > 0)
            name = text;
    }
    if (name.empty())
        return {};
    std::wstring prefix;
    if (shortCut & scShift)
        prefix += L"Shift+";
    if (shortCut & scCtrl)
        prefix += L"Ctrl+";
    if (shortCut & scAlt)
        prefix += L"Alt+";
    return prefix + name;
}

LOGFONTW MenuLogFont() { return MenuLogFontForDpi(ScreenDpi()); }

TOwnedFont CreateMenuFont()
{
    LOGFONTW const font = MenuLogFont();
    return TOwnedFont(CreateFontIndirectW(&font));
}

namespace {
TMenuMeasuring* g_measuring = nullptr;
}

TMenuMeasuring::TMenuMeasuring() : m_outer(g_measuring) { g_measuring = this; }

TMenuMeasuring::TMenuMeasuring(const LOGFONTW& font) : m_logFont(font), m_outer(g_measuring) { g_measuring = this; }

HFONT TMenuMeasuring::Font()
{
    if (!m_font && !m_failed) {
        m_font = m_logFont ? TOwnedFont(CreateFontIndirectW(&*m_logFont)) : CreateMenuFont();
        m_failed = !m_font;
    }
    return m_font.Get();
}

HDC TMenuMeasuring::Dc()
{
    if (!m_dc && !m_failed) {
        HFONT const font = Font();
        m_dc.Reset(font ? CreateCompatibleDC(nullptr) : nullptr);
        m_failed = !m_dc;
        if (m_dc)
            m_selected.emplace(m_dc.Get(), font);
    }
    return m_failed ? nullptr : m_dc.Get();
}

TMenuMeasuring::~TMenuMeasuring()
{
    if (g_measuring == this)
        g_measuring = m_outer;
}

TMenuMeasuring* TMenuMeasuring::Current() { return g_measuring; }

HWND PopupListWindow()
{
    static HWND window = [] {
        WNDCLASSEXW wc {};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = PopupListProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"TPUtilWindow";
        RegisterClassExW(&wc);
        return CreateWindowExW(WS_EX_TOOLWINDOW, L"TPUtilWindow", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    }();
    return window;
}

const TClassInfo& TMenuItem::StaticClassInfo()
{
    static const TClassInfo info = [] {
        TClassInfo i("TMenuItem", &TComponent::StaticClassInfo());
        TPublisher<TMenuItem>(i)
            .String("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption)
            .Boolean("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked)
            .Boolean("Default", &TMenuItem::Default, &TMenuItem::SetDefault)
            .Boolean("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled)
            .Integer("ImageIndex", &TMenuItem::ImageIndex, &TMenuItem::SetImageIndex)
            .Boolean("RadioItem", &TMenuItem::RadioItem, &TMenuItem::SetRadioItem)
            .Integer("ShortCut", &TMenuItem::ShortCut, &TMenuItem::SetShortCut)
            .Boolean("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible)
            .Event("OnClick", &TMenuItem::OnClick);
        return i;
    }();
    return info;
}

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), m_command(AllocateCommand(this)) {}

TMenuItem::~TMenuItem()
{
    Destroying();
    while (!m_items.empty())
        delete m_items.back();
    if (m_parent)
        m_parent->Remove(this);
    Commands().erase(m_command);
}

TMenuItem* TMenuItem::FindByCommand(UINT command)
{
    auto it = Commands().find(command);
    return it == Commands().end() ? nullptr : it->second;
}

void TMenuItem::SetParentComponent(TComponent* parent)
{
    if (auto* menu = dynamic_cast<TMenu*>(parent))
        menu->Items().Add(this);
    else if (auto* item = dynamic_cast<TMenuItem*>(parent))
        item->Add(this);
}

void TMenuItem::Changed()
{
    for (TMenuItem* i = this; i; i = i->m_parent)
        if (i->m_menu) {
            i->m_menu->ItemsChanged();
            return;
        }
}

void TMenuItem::SetCaption(const std::wstring& caption)
{
    if (caption != m_caption) {
        m_caption = caption;
        Changed();
    }
}

void TMenuItem::SetEnabled(bool enabled)
{
    if (enabled != m_enabled) {
        m_enabled = enabled;
        Changed();
    }
}

void TMenuItem::SetChecked(bool checked)
{
    if (checked != m_checked) {
        m_checked = checked;
        Changed();
    }
}

void TMenuItem::SetDefault(bool value)
{
    if (value != m_default) {
        m_default = value;
        Changed();
    }
}

void TMenuItem::SetVisible(bool visible)
{
    if (visible != m_visible) {
        m_visible = visible;
        Changed();
    }
}

void TMenuItem::SetRadioItem(bool value)
{
    if (value != m_radioItem) {
        m_radioItem = value;
        Changed();
    }
}

void TMenuItem::SetShortCut(TShortCut shortCut)
{
    if (shortCut != m_shortCut) {
        m_shortCut = shortCut;
        Changed();
    }
}

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem* item)
{
    if (!item || item == this)
        return;
    if (item->m_parent)
        item->m_parent->Remove(item);
    index = std::clamp(index, 0, Count());
    m_items.insert(m_items.begin() + index, item);
    item->m_parent = this;
    Changed();
}

void TMenuItem::Remove(TMenuItem* item)
{
    auto it = std::find(m_items.begin(), m_items.end(), item);
    if (it == m_items.end())
        return;
    m_items.erase(it);
    item->m_parent = nullptr;
    if (!IsDestroying())
        Changed();
}

int TMenuItem::MenuIndex() const
{
    if (!m_parent)
        return -1;
    auto& list = m_parent->m_items;
    return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

TMenu* TMenuItem::GetParentMenu() const
{
    const TMenuItem* item = this;
    while (item->m_parent)
        item = item->m_parent;
    return item->m_menu;
}

HMENU TMenuItem::ParentHandle() const
{
    if (!m_parent)
        return nullptr;
    if (m_parent->m_menu)
        return m_parent->m_menu->Handle();
    return m_parent->m_handle;
}

void TMenuItem::MeasureItemDefault(HDC dc, int& width, int& height) const
{
    TMenu* const menu = GetParentMenu();
    TImageList* const images = menu ? menu->Images() : nullptr;
    if (IsLine()) {
        width = 10;
        height = 9;
        return;
    }
    TMenuMeasuring* const measuring = TMenuMeasuring::Current();
    HFONT const shared = measuring ? measuring->Font() : nullptr;
    TOwnedFont const font = shared ? TOwnedFont() : CreateMenuFont();
    TSelectObject const selected(dc, shared ? shared : font.Get());
    std::wstring caption;
    for (size_t i = 0; i < m_caption.size(); ++i)
        if (m_caption[i] != L'&' || (i + 1 < m_caption.size() && m_caption[i + 1] == L'&'))
            caption += m_caption[i];
    SIZE text {};
    GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &text);
    width = text.cx;
    if (std::wstring const shortCut = ShortCutToText(m_shortCut); !shortCut.empty()) {
        SIZE keys {};
        GetTextExtentPoint32W(dc, shortCut.c_str(), static_cast<int>(shortCut.size()), &keys);
        width += keys.cx + 15;
    }
    int const imageWidth = images ? images->Width() : 16;
    int const imageHeight = images ? images->Height() : 16;
    width += imageWidth;
    height = std::max<int>(text.cy + 6, imageHeight + 4);
}

void TMenuItem::MeasureItem(HDC dc, int& width, int& height)
{
    MeasureItemDefault(dc, width, height);
    if (OnMeasureItem)
        OnMeasureItem(this, dc, width, height);
}

void TMenuItem::Click()
{
    if (m_enabled && OnClick)
        OnClick(this);
}

void TMenuItem::AppendTo(HMENU menu, bool ownerDraw)
{
    m_handle = nullptr;
    if (!m_visible)
        return;
    MENUITEMINFOW info {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE | MIIM_DATA | MIIM_STRING;
    info.wID = m_command;
    info.dwItemData = reinterpret_cast<ULONG_PTR>(this);
    std::wstring text = m_caption;
    if (IsLine()) {
        info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_DATA;
        info.fType = MFT_SEPARATOR | (ownerDraw ? MFT_OWNERDRAW : 0);
    } else {
        info.fType = (ownerDraw ? MFT_OWNERDRAW : 0) | (m_radioItem ? MFT_RADIOCHECK : 0);
        info.fState = (m_enabled ? MFS_ENABLED : MFS_GRAYED) | (m_checked ? MFS_CHECKED : 0) |
                      (m_default ? MFS_DEFAULT : 0);
        // Menus the system draws show the shortcut after a tab.
        if (!ownerDraw && m_shortCut)
            if (std::wstring shortCut = ShortCutToText(m_shortCut); !shortCut.empty())
                text += L"\t" + shortCut;
        info.dwTypeData = text.data();
        if (!m_items.empty()) {
            m_handle = CreatePopupMenu();
            for (TMenuItem* child : m_items)
                child->AppendTo(m_handle, ownerDraw);
            info.fMask |= MIIM_SUBMENU;
            info.hSubMenu = m_handle;
        }
    }
    InsertMenuItemW(menu, GetMenuItemCount(menu), TRUE, &info);
}

const TClassInfo& TMenu::StaticClassInfo()
{
    static const TClassInfo info = [] {
        TClassInfo i("TMenu", &TComponent::StaticClassInfo());
        TPublisher<TMenu>(i).Boolean("OwnerDraw", &TMenu::OwnerDraw, &TMenu::SetOwnerDraw);
        return i;
    }();
    return info;
}

TMenu::TMenu(TComponent* owner) : TComponent(owner), m_items(new TMenuItem(nullptr)) { m_items->m_menu = this; }

TMenu::~TMenu()
{
    Destroying();
    m_items->m_menu = nullptr;
    delete m_items;
}

HMENU TMenu::Handle()
{
    if (!m_handle)
        Rebuild();
    return m_handle.Get();
}

void TMenu::Rebuild()
{
    HMENU menu = CreateMenuHandle();
    if (!menu)
        RaiseLastOSError("CreateMenu");
    m_handle.Reset(menu);
    for (TMenuItem* item : m_items->m_items)
        item->AppendTo(menu, m_ownerDraw);
}

void TMenu::ItemsChanged()
{
    if (IsDestroying())
        return;
    if (m_handle)
        Rebuild();
    if (OnChange)
        OnChange();
}

void TMenu::SetOwnerDraw(bool ownerDraw)
{
    if (ownerDraw != m_ownerDraw) {
        m_ownerDraw = ownerDraw;
        ItemsChanged();
    }
}

void TMenu::SetImages(TImageList* images)
{
    if (images == m_images)
        return;
    if (m_images)
        RemoveFreeNotification(m_images);
    m_images = images;
    if (images)
        FreeNotification(images);
    ItemsChanged();
}

void TMenu::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == m_images)
        m_images = nullptr;
}

void TMenu::SetRightToLeft(bool rightToLeft)
{
    if (rightToLeft != m_rightToLeft) {
        m_rightToLeft = rightToLeft;
        ItemsChanged();
    }
}

const TClassInfo& TPopupMenu::StaticClassInfo()
{
    static const TClassInfo info = [] {
        TClassInfo i("TPopupMenu", &TMenu::StaticClassInfo());
        TPublisher<TPopupMenu>(i)
            .Enumeration("Alignment", kPopupAlignments, &TPopupMenu::Alignment, &TPopupMenu::SetAlignment)
            .Boolean("AutoPopup", &TPopupMenu::AutoPopup, &TPopupMenu::SetAutoPopup)
            .Event("OnPopup", &TPopupMenu::OnPopup);
        return i;
    }();
    return info;
}

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner) {}

HMENU TPopupMenu::CreateMenuHandle() { return CreatePopupMenu(); }

void TPopupMenu::Popup(int x, int y)
{
    if (OnPopup)
        OnPopup(this);
    UINT flags = TPM_RIGHTBUTTON;
    flags |= m_alignment == TPopupAlignment::paRight ? TPM_RIGHTALIGN
           : m_alignment == TPopupAlignment::paCenter ? TPM_CENTERALIGN
                                                      : TPM_LEFTALIGN;
    if (IsRightToLeft())
        flags |= TPM_LAYOUTRTL;
    TMenuMeasuring const measuring;
    TrackPopupMenuEx(Handle(), flags, x, y, PopupListWindow(), nullptr);
}

HMENU TMainMenu::CreateMenuHandle() { return CreateMenu(); }

} // namespace tandrel
