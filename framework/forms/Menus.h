#pragma once
// Menus over real menu handles: items, popup menus and main menus.

#include "framework/core/Component.h"
#include "framework/controls/Control.h"
#include "framework/graphics/GdiObjects.h"
#include "framework/graphics/ImageList.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tandrel {

class TMenu;

using TShortCut = unsigned short;
// Modifier bits of a shortcut over its virtual-key code.
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;
// "Shift+F4" and the like; empty for no shortcut.
std::wstring ShortCutToText(TShortCut shortCut);
using TMenuDrawItemEvent = std::function<void(TObject* sender, HDC dc, const RECT& rect, UINT state)>;
using TMenuMeasureItemEvent = std::function<void(TObject* sender, HDC dc, int& width, int& height)>;

class TMenuItem final : public TComponent {
public:
    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;
    const char* ClassName() const override { return "TMenuItem"; }
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();
    void SetParentComponent(TComponent* parent) override;

    // "&x" marks the accelerator; "-" makes a separator.
    const std::wstring& Caption() const { return m_caption; }
    void SetCaption(const std::wstring& caption);
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled);
    bool Checked() const { return m_checked; }
    void SetChecked(bool checked);
    bool Default() const { return m_default; }
    void SetDefault(bool value);
    bool Visible() const { return m_visible; }
    void SetVisible(bool visible);
    bool RadioItem() const { return m_radioItem; }
    void SetRadioItem(bool value);
    int ImageIndex() const { return m_imageIndex; }
    void SetImageIndex(int index) { m_imageIndex = index; }
    TShortCut ShortCut() const { return m_shortCut; }
    void SetShortCut(TShortCut shortCut);
    bool IsLine() const { return m_caption == L"-"; }

    int Count() const { return static_cast<int>(m_items.size()); }
    TMenuItem* Items(int index) const { return m_items.at(static_cast<size_t>(index)); }
    void Add(TMenuItem* item);
    void Insert(int index, TMenuItem* item);
    void Remove(TMenuItem* item);
    TMenuItem* Parent() const { return m_parent; }
    int MenuIndex() const;
    // The command identifier of the item in the menu handles built for it.
    UINT Command() const { return m_command; }
    // The submenu handle of an item with items, once its menu is built.
    HMENU Handle() const { return m_handle; }
    // The menu the item belongs to, at any depth, and the handle of the
    // menu it is shown in (its parent's submenu, or the menu's own).
    TMenu* GetParentMenu() const;
    HMENU ParentHandle() const;
    // The item's default size in the menu font: its caption and shortcut,
    // the menu's image width. MeasureItem then lets OnMeasureItem change it.
    void MeasureItemDefault(HDC dc, int& width, int& height) const;
    void MeasureItem(HDC dc, int& width, int& height);

    virtual void Click();
    static TMenuItem* FindByCommand(UINT command);

    TNotifyEvent OnClick;
    TMenuDrawItemEvent OnAdvancedDrawItem;
    TMenuMeasureItemEvent OnMeasureItem;

private:
    friend class TMenu;
    void Changed();
    // Appends this item (and its items) to a menu handle being built.
    void AppendTo(HMENU menu, bool ownerDraw);

    std::wstring m_caption;
    bool m_enabled = true;
    bool m_checked = false;
    bool m_default = false;
    bool m_visible = true;
    bool m_radioItem = false;
    int m_imageIndex = -1;
    TShortCut m_shortCut = 0;
    UINT m_command = 0;
    HMENU m_handle = nullptr;  // belongs to the menu handle tree of its TMenu
    TMenuItem* m_parent = nullptr;
    TMenu* m_menu = nullptr;
    std::vector<TMenuItem*> m_items;
};

class TMenu : public TComponent {
public:
    explicit TMenu(TComponent* owner);
    ~TMenu() override;
    const char* ClassName() const override { return "TMenu"; }
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();

    TMenuItem& Items() { return *m_items; }
    // The menu handle, built from the items on first use and after changes.
    HMENU Handle();
    bool OwnerDraw() const { return m_ownerDraw; }
    void SetOwnerDraw(bool ownerDraw);
    bool IsRightToLeft() const { return m_rightToLeft; }
    void SetRightToLeft(bool rightToLeft);
    // The images items show by ImageIndex; not owned.
    TImageList* Images() const { return m_images; }
    void SetImages(TImageList* images);

    // Someone drawing the menu (a skinned window) wants to know of changes.
    std::function<void()> OnChange;

protected:
    virtual HMENU CreateMenuHandle() = 0;
    void Notification(TComponent* component, TOperation operation) override;
    void Rebuild();
    friend class TMenuItem;
    void ItemsChanged();

private:
    TMenuItem* m_items;
    TOwnedMenu m_handle;
    bool m_ownerDraw = false;
    bool m_rightToLeft = false;
    TImageList* m_images = nullptr;
};

enum class TPopupAlignment { paLeft, paRight, paCenter };

class TPopupMenu : public TMenu {
public:
    explicit TPopupMenu(TComponent* owner);
    const char* ClassName() const override { return "TPopupMenu"; }
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();

    TPopupAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TPopupAlignment alignment) { m_alignment = alignment; }
    bool AutoPopup() const { return m_autoPopup; }
    void SetAutoPopup(bool autoPopup) { m_autoPopup = autoPopup; }

    // Shows the menu at a screen point. The system's own menu loop runs until
    // it closes; a chosen item's OnClick runs from the message that follows.
    virtual void Popup(int x, int y);
    TComponent* PopupComponent = nullptr;
    TNotifyEvent OnPopup;

protected:
    HMENU CreateMenuHandle() override;

private:
    TPopupAlignment m_alignment = TPopupAlignment::paLeft;
    bool m_autoPopup = true;
};

class TMainMenu : public TMenu {
public:
    explicit TMainMenu(TComponent* owner) : TMenu(owner) {}
    const char* ClassName() const override { return "TMainMenu"; }

protected:
    HMENU CreateMenuHandle() override;
};

// The hidden window that owns popup menus and receives their commands.
HWND PopupListWindow();
// The system's menu font in any character set (captions may be Chinese),
// and a new font made from it.
LOGFONTW MenuLogFont();
TOwnedFont CreateMenuFont();

// One memory DC with the menu font, shared by every item measured while a
// popup opens, instead of a window DC and a new font for each item. Both are
// made when first asked for: a menu without owner-drawn items never pays for
// them.
class TMenuMeasuring {
public:
    // With the system's menu font.
    TMenuMeasuring();
    // With a font made from `font`, which the caller has at hand.
    explicit TMenuMeasuring(const LOGFONTW& font);
    ~TMenuMeasuring();
    TMenuMeasuring(const TMenuMeasuring&) = delete;
    TMenuMeasuring& operator=(const TMenuMeasuring&) = delete;
    // The innermost one alive, or none.
    static TMenuMeasuring* Current();
    // The DC with the font selected; null when either cannot be made.
    HDC Dc();
    HFONT Font();

private:
    std::optional<LOGFONTW> m_logFont;
    TOwnedDC m_dc;
    TOwnedFont m_font;
    std::optional<TSelectObject> m_selected;
    bool m_failed = false;
    TMenuMeasuring* m_outer;
};

} // namespace tandrel
