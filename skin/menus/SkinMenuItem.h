#pragma once
// Owner-drawn popup menu items: each item drawn from the skin's MenuItem
// strip over its part of the popup window's background, with its check mark
// or image, caption and shortcut; items measured to make room for them.

#include "framework/forms/Menus.h"
#include "skin/data/WinSkinData.h"
#include "skin/draw/ScaledSkinImages.h"

#include <windows.h>

namespace tandrel {

// Draws the items of one skin at the scale's density (that of the window
// the menu belongs to). `fallbackMenu` stands in for the menu of an item
// that belongs to none (an item made up for another window's menu).
class TMenuItemPainter {
public:
    explicit TMenuItemPainter(TSkinData& skin, TMenu* fallbackMenu = nullptr, const TSkinScale& scale = {})
        : m_skin(skin), m_fallbackMenu(fallbackMenu), m_scale(scale)
    {
    }

    // The handlers put on framework items.
    void MeasureMenuItem(TMenuItem& item, int& width, int& height) const;
    void PaintMenuItem(TMenuItem& item, HDC dc, bool selected, const RECT& r) const;

    // An item of a menu handle, drawn over the background of that menu's window.
    void PaintHandleMenuItem(HMENU menu, TMenuItem& item, bool selected, const RECT& r, HDC dc) const;
    void PaintPlainMenuItem(TMenuItem& item, HDC dc, bool selected, const RECT& r) const;
    void PaintSkinSeparator(HDC dc, const RECT& r) const;

    // The MenuItem object, when the skin has an image for it.
    TDataSkinObject* MenuItemObject() const;
    // Whether a menu (the item's own, or the fallback) has images.
    TImageList* ImagesOf(const TMenuItem& item) const;
    // The text colour of an item in a state.
    COLORREF TextColour(bool enabled, bool selected) const;
    // The MenuItem object's left margin at the density; 0 without it.
    int Indent() const;
    // The menu font at the density (the system gives it at the screen's),
    // kept by the skin set.
    HFONT Font(TMenuFontWeight weight = TMenuFontWeight::mwRegular) const;
    // A length the system measured at the screen's density, at the painter's.
    int FromScreen(int length) const;
    const TSkinScale& Scale() const { return m_scale; }

private:
    enum class TTextPass { tpMeasure, tpDraw };
    // Draws over `r` of the bitmap the item is composed in: frame, content.
    void PaintOverBackground(HMENU backgroundMenu, TMenuItem& item, HDC dc, bool selected, const RECT& r,
                             bool skinnedSeparator) const;
    void PaintMenuItemContent(TMenuItem& item, HDC dc, bool selected, const RECT& r) const;
    void PaintMenuItemText(TMenuItem& item, HDC dc, UINT format, bool selected, RECT& r, TTextPass pass) const;
    TMenu* MenuOf(const TMenuItem& item) const;

    TSkinData& m_skin;
    TMenu* m_fallbackMenu;
    TSkinScale m_scale;
};

} // namespace tandrel
