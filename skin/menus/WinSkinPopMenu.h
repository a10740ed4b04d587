#pragma once
// The popup skinning object: sits on one popup-menu window ("#32768") from
// its creation to its destruction, answers the skin query so the window is
// never taken twice, and gives the window the skin's MenuBackground: its
// outer ring as the border, the rest under the items.

#include "framework/controls/WindowSubclass.h"
#include "framework/graphics/Bitmap.h"
#include "skin/data/SkinMessages.h"
#include "skin/data/WinSkinData.h"
#include "skin/draw/KeptPictures.h"

#include <windows.h>

#include <memory>

namespace tandrel {

// What the menus keep among the skin set's kept pictures.
enum TMenuPictureKind : int { mpItem = 1, mpSeparator = 2, mpPopupBackground = 3, mpItemFace = 4 };

class TWinSkinPopMenu final : public TObject {
public:
    TWinSkinPopMenu() = default;
    ~TWinSkinPopMenu() override { Detach(); }
    const char* ClassName() const override { return "TWinSkinPopMenu"; }

    void Attach(HWND window, TSkinData* skinData);
    // Gives the window its own procedure back and lets the background go.
    void Detach();

    HWND Handle() const { return m_window; }
    TSkinData* SkinData() const { return m_skinData; }
    // The menu shown in the window, once an item drawn in it tells.
    HMENU Menu() const { return m_menu; }
    void SetMenu(HMENU menu) { m_menu = menu; }
    // The composed background, none until something composes it.
    TBitmap* Background() const { return m_background ? m_background->Opaque() : nullptr; }
    // The density the background was composed at: the window's that opened
    // the popup.
    int Dpi() const { return m_dpi; }

    // A popup window paints its background before its items: the object
    // that composed one without knowing its menu waits, and learns the menu
    // from the next item drawn. Process-wide, as menus are modal.
    static TWinSkinPopMenu* Waiting();
    static void LearnMenu(HMENU menu);

private:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT Saved(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT OnNcPaint(WPARAM wParam, LPARAM lParam);
    LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    LRESULT OnPaint(WPARAM wParam, LPARAM lParam);
    // Composes the background at the window's size; false without a
    // MenuBackground image (the window keeps the system's look).
    bool Compose();
    // Paints the background and then the items over it into `dc`, whose
    // origin is the client area's.
    void PaintClient(HDC dc, LPARAM flags);
    // The same straight onto `dc`, the client origin `clientOffset` into the window.
    void PaintItemsOverBackground(HDC dc, POINT clientOffset, LPARAM flags);

    HWND m_window = nullptr;
    TSkinData* m_skinData = nullptr;
    HMENU m_menu = nullptr;
    // Shared with the skin set's kept pictures: the next popup of the same
    // size and density finds it there.
    std::shared_ptr<const TMaskedPicture> m_background;
    int m_width = 0;
    int m_height = 0;
    int m_dpi = 0;
    TWindowSubclass<TWinSkinPopMenu, &TWinSkinPopMenu::WindowProc> m_subclass {kPopupSubclassId};
};

} // namespace tandrel
