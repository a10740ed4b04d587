#pragma once
// The menu strip of a skinned window: the window's menu bar, taken off the
// window and drawn inside the skinned frame as a row of items that light up
// under the mouse and open their popups themselves.

#include "framework/graphics/Bitmap.h"
#include "framework/core/Component.h"
#include "framework/forms/Menus.h"
#include "skin/draw/ScaledSkinImages.h"
#include "skin/menus/MenuTracking.h"
#include "skin/menus/NCObject.h"
#include "skin/data/WinSkinData.h"

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tandrel {

class TWinSkinMenu;

// The skinned window that wears a menu strip.
class TMenuBarHost : public TNCHost, public TTrackedStrip {
public:
    virtual HWND Handle() const = 0;
    virtual bool Active() const = 0;
    // The density the window, and so its strip, is drawn at.
    virtual TSkinScale Scale() const = 0;
    // Whether the window is an MDI frame whose active child is maximised.
    virtual bool ActiveMdiChildMaximized() const = 0;
    // Draws the MDI buttons that belong in the strip onto `dc`, whose
    // origin lies at `barOrigin` in window coordinates.
    virtual void PaintMdiButtons(HDC dc, POINT barOrigin) = 0;
    // A popup of the strip runs its modal loop in between: the window
    // stays skinned-in-name until it ends, even if it goes meanwhile.
    virtual void BeginMenuLoop() = 0;
    virtual void EndMenuLoop() = 0;
    // The strip now (none once the skin came off), and window coordinates.
    virtual TWinSkinMenu* MenuBar() const = 0;
    virtual POINT WindowPointOf(POINT screen) const = 0;

    // The tracking hook's view of the strip, through MenuBar().
    int TrackedItemCount() const override;
    int TrackedItemAt(POINT screen) const override;
    void OpenTrackedItem(int index) override;
    bool TrackedRightToLeft() const override;

protected:
    ~TMenuBarHost() = default;
};

// One item of the menu strip.
class TMenuBtn final : public TNCObject {
public:
    TMenuBtn(TMenuBarHost& host, TWinSkinMenu& bar, int index) : TNCObject(host), Index(index), m_bar(bar) {}
    const char* ClassName() const override { return "TMenuBtn"; }
    void Draw() override;

    int Index;
    std::wstring Caption;
    bool ItemEnabled = true;     // the menu item is enabled (Enabled: it shows)
    HMENU SubMenu = nullptr;
    UINT Command = 0;

private:
    TWinSkinMenu& m_bar;
};

// The menu strip of one skinned window; its form skinning object owns it.
class TWinSkinMenu final : public TComponent {
public:
    TWinSkinMenu(TMenuBarHost& host, TSkinData& skinData);
    ~TWinSkinMenu() override;
    const char* ClassName() const override { return "TWinSkinMenu"; }

    // The form's menu object, when the window belongs to a framework form.
    TMainMenu* MenuObject() const { return m_menuObject; }
    void SetMenuObject(TMainMenu* menu);
    HMENU MenuHandle() const { return m_menu; }

    // Each rebuilds the items and ends by taking the menu off the window, so
    // the system draws no menu bar of its own.
    void BuildFromMenuHandle();
    void BuildFromMenuObject();
    void BuildFromGivenMenu(HMENU menu);
    // Puts the menu back on the window (the skin comes off).
    void GiveMenuBack();

    // Paints the strip into `bar` (window coordinates) of a window DC.
    void PaintMenuBar(HDC dc, const RECT& bar);
    // Redraws one item after its look changed.
    void DrawItem(TMenuBtn& item);

    TMenuBtn* HitTest(POINT windowPoint) const;
    TMenuBtn* AsItem(TNCObject* object) const;
    // The first enabled item whose accelerator (the character after "&") is key.
    TMenuBtn* FindAccelerator(wchar_t key) const;
    // Posts the item's command, then shows its popup below it until it
    // closes; meanwhile the keys and the mouse may move on to other items.
    void OpenItem(TMenuBtn& item);
    // Posts a click on the item to the window, which then opens it.
    void PostClick(TMenuBtn& item);
    bool RightToLeft() const;

    const std::vector<std::unique_ptr<TMenuBtn>>& Items() const { return m_items; }
    const RECT& BarRect() const { return m_barRect; }

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    void Clear();
    void ReadItems(HMENU menu, bool byCommand);
    void TakeMenuOff();
    // The description of the system's menu font the skin keeps for `dpi`;
    // none when it cannot be made.
    std::optional<LOGFONTW> KeptMenuLogFont(int dpi) const;
    void SelectMenuFont(TCanvas& canvas) const;
    void DrawCaption(TCanvas& canvas, const TMenuBtn& item, const RECT& r) const;

    TMenuBarHost& m_host;
    TSkinData& m_skinData;
    TMainMenu* m_menuObject = nullptr;
    HMENU m_menu = nullptr;
    std::vector<std::unique_ptr<TMenuBtn>> m_items;
    RECT m_barRect {};
    TBitmap m_background; // the strip without captions, for redrawing items
};

} // namespace tandrel
