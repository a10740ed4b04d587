#pragma once
// The popup skinning object: sits on one popup-menu window ("#32768") from
// its creation to its destruction. It answers the skin query, so the window
// is never taken twice; the background and border drawn from the skin
// build on it.

#include "framework/graphics/Bitmap.h"
#include "skin/data/WinSkinData.h"

#include <windows.h>

namespace tandrel {

class TWinSkinPopMenu final : public TObject {
public:
    TWinSkinPopMenu() = default;
    ~TWinSkinPopMenu() override { Detach(); }
    const char* ClassName() const override { return "TWinSkinPopMenu"; }

    void Attach(HWND window, TSkinData* skinData);
    // Gives the window its own procedure back.
    void Detach();

    HWND Handle() const { return m_window; }
    TSkinData* SkinData() const { return m_skinData; }
    // The menu shown in the window, once an item drawn in it tells.
    HMENU Menu() const { return m_menu; }
    void SetMenu(HMENU menu) { m_menu = menu; }
    // The composed background (empty until something composes it).
    TBitmap& Background() { return m_background; }

    // A popup window paints its background before its items: the object
    // that composed one without knowing its menu waits, and learns the menu
    // from the next item drawn. Process-wide, as menus are modal.
    static TWinSkinPopMenu* Waiting();
    static void LearnMenu(HMENU menu);

private:
    static LRESULT CALLBACK SubclassProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR data);

    HWND m_window = nullptr;
    TSkinData* m_skinData = nullptr;
    HMENU m_menu = nullptr;
    TBitmap m_background;
    bool m_subclassed = false;
};

} // namespace tandrel
