#include "skin/menus/WinSkinMenu.h"

#include "skin/draw/SkinDraw.h"
#include "framework/core/ScopeGuard.h"
#include "framework/graphics/Dpi.h"
#include "framework/graphics/SystemMetrics.h"
#include "skin/data/SkinHost.h"
#include "skin/menus/MenuTracking.h"

#include <algorithm>
#include <cwctype>
#include <optional>

namespace tandrel {

int TMenuBarHost::TrackedItemCount() const
{
    TWinSkinMenu* const bar = MenuBar();
    return bar ? static_cast<int>(bar->Items().size()) : 0;
}

int TMenuBarHost::TrackedItemAt(POINT screen) const
{
    TWinSkinMenu* const bar = MenuBar();
    TMenuBtn* const item = bar ? bar->HitTest(WindowPointOf(screen)) : nullptr;
    return item ? item->Index : -1;
}

void TMenuBarHost::OpenTrackedItem(int index)
{
    TWinSkinMenu* const bar = MenuBar();
    if (bar && index >= 0 && index < static_cast<int>(bar->Items().size()))
        bar->PostClick(*bar->Items()[static_cast<size_t>(index)]);
}

bool TMenuBarHost::TrackedRightToLeft() const
{
    TWinSkinMenu* const bar = MenuBar();
    return bar && bar->RightToLeft();
}

namespace {
constexpr int kCaptionLength = 80;
}

void TMenuBtn::Draw() { m_bar.DrawItem(*this); }

TWinSkinMenu::TWinSkinMenu(TMenuBarHost& host, TSkinData& skinData)
    : TComponent(nullptr), m_host(host), m_skinData(skinData)
{
}

TWinSkinMenu::~TWinSkinMenu()
{
    Destroying();
    Clear();
    SetMenuObject(nullptr);
}

void TWinSkinMenu::SetMenuObject(TMainMenu* menu)
{
    if (menu == m_menuObject)
        return;
    if (m_menuObject)
        RemoveFreeNotification(m_menuObject);
    m_menuObject = menu;
    if (menu)
        FreeNotification(menu);
}

void TWinSkinMenu::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == m_menuObject) {
        m_menuObject = nullptr;
        m_menu = nullptr;
        Clear();
    }
}

void TWinSkinMenu::Clear()
{
    if (AsItem(m_host.HotObject()))
        m_host.SetHotObject(nullptr);
    m_items.clear();
}

void TWinSkinMenu::TakeMenuOff()
{
    if (GetMenu(m_host.Handle()))
        SetMenu(m_host.Handle(), nullptr);
}

void TWinSkinMenu::GiveMenuBack()
{
    if (m_menu && IsMenu(m_menu))
        SetMenu(m_host.Handle(), m_menu);
}

// Items of a menu handle; one whose text is empty (a framework item drawn
// by its owner) takes caption, state, command and popup from the form's
// menu object: the item at its position, or the one with its command.
void TWinSkinMenu::ReadItems(HMENU menu, bool byCommand)
{
    int const count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        wchar_t text[kCaptionLength + 1] {};
        MENUITEMINFOW info {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = kCaptionLength;
        if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info))
            continue;
        auto item = std::make_unique<TMenuBtn>(m_host, *this, static_cast<int>(m_items.size()));
        item->Enabled = true;
        item->ItemEnabled = !(info.fState & (MFS_GRAYED | MFS_DISABLED));
        item->Command = info.wID;
        item->SubMenu = info.hSubMenu;
        item->Caption = text;
        if (item->Caption.empty() && m_menuObject) {
            TMenuItem& top = m_menuObject->Items();
            TMenuItem* source = nullptr;
            if (!byCommand && i < top.Count())
                source = top.Items(i);
            for (int k = 0; byCommand && k < top.Count(); ++k)
                if (top.Items(k)->Command() == info.wID)
                    source = top.Items(k);
            if (source) {
                item->Caption = source->Caption();
                item->ItemEnabled = source->Enabled();
                if (byCommand)
                    item->Command = source->Command();
                item->SubMenu = source->Count() ? source->Handle() : nullptr;
            }
        }
        m_items.push_back(std::move(item));
    }
}

void TWinSkinMenu::BuildFromMenuHandle()
{
    Clear();
    if (HMENU current = GetMenu(m_host.Handle()))
        m_menu = current;
    if (!m_menu)
        return;
    ReadItems(m_menu, false);
    TakeMenuOff();
}

void TWinSkinMenu::BuildFromMenuObject()
{
    Clear();
    if (HMENU current = GetMenu(m_host.Handle()))
        m_menu = current;
    if (m_menuObject) {
        TMenuItem& top = m_menuObject->Items();
        for (int i = 0; i < top.Count(); ++i) {
            TMenuItem& source = *top.Items(i);
            auto item = std::make_unique<TMenuBtn>(m_host, *this, i);
            item->Caption = source.Caption();
            item->ItemEnabled = source.Enabled();
            item->Enabled = source.Visible();
            item->Command = source.Command();
            item->SubMenu = source.Count() ? source.Handle() : nullptr;
            m_items.push_back(std::move(item));
        }
    }
    TakeMenuOff();
}

void TWinSkinMenu::BuildFromGivenMenu(HMENU menu)
{
    Clear();
    if (menu)
        m_menu = menu;
    if (m_menu)
        ReadItems(m_menu, true);
    TakeMenuOff();
}

bool TWinSkinMenu::RightToLeft() const { return m_menuObject && m_menuObject->IsRightToLeft(); }

std::optional<LOGFONTW> TWinSkinMenu::KeptMenuLogFont(int dpi) const
{
    LOGFONTW font {};
    HFONT const kept = m_skinData.MenuFonts.Get(dpi, TMenuFontWeight::mwRegular);
    if (!kept || GetObjectW(kept, sizeof font, &font) != sizeof font)
        return std::nullopt;
    return font;
}

void TWinSkinMenu::SelectMenuFont(TCanvas& canvas) const
{
    // The face and size of the menu font the skin keeps for this density:
    // asking the system for its settings at every item's redraw costs more
    // than the redraw.
    std::optional<LOGFONTW> const f = KeptMenuLogFont(m_host.Scale().Dpi());
    if (!f)
        return;
    canvas.Font().SetName(f->lfFaceName);
    canvas.Font().SetHeight(f->lfHeight);
    canvas.Font().SetCharset(DEFAULT_CHARSET);
}

void TWinSkinMenu::PaintMenuBar(HDC dc, const RECT& bar)
{
    int const bw = bar.right - bar.left;
    int const bh = bar.bottom - bar.top;
    if (bw <= 0 || bh <= 0 || !SkinScratchBitmap())
        return;
    TBitmap& scratch = SizeSkinScratchBitmap(bw, bh);
    HDC const s = scratch.Canvas().Handle();
    RECT const all {0, 0, bw, bh};
    bool const rtl = RightToLeft();

    TSkinScale const scale = m_host.Scale();
    int start = scale.Length(6);
    TDataSkinObject* image = m_skinData.MenuBar.get();
    if (image && !image->Bitmap.Empty()) {
        int const frame = m_host.Active() ? 1 : 2;
        TSkinMargins const margins = scale.Margins({image->LeftWidth, 0, image->RightWidth, 0});
        TBitmap& art = scale.Image(image->Bitmap, 2, TFrameLayout::flVertical);
        if (image->Tile == 1)
            DrawSkinImage(s, all, art, margins, TFrameLayout::flVertical, TMiddleFill::mfStretch,
                          TSkinTransparency::stOpaque, 2, frame);
        else
            DrawSkinBar(scratch.Canvas(), all, art, margins, TFrameLayout::flVertical, TSkinTransparency::stOpaque, 2,
                        frame);
        start = rtl ? margins.Right + scale.Length(8) : margins.Left + scale.Length(4);
        if (start > bw)
            start = scale.Length(12);
    } else {
        TOwnedBrush brush(CreateSolidBrush(ColorToRGB(m_skinData.MenubarColour)));
        FillRect(s, &all, brush.Get());
    }
    m_barRect = bar;
    m_background.Assign(scratch);

    TCanvas& canvas = scratch.Canvas();
    SelectMenuFont(canvas);
    int x = rtl ? bw - start : start;
    for (auto& item : m_items) {
        int const textWidth = canvas.TextWidth(item->Caption);
        int const w = textWidth > 0 ? textWidth + scale.Length(10) : 0;
        RECT r = rtl ? RECT {x - w, 0, x, bh - 1} : RECT {x, 0, x + w, bh - 1};
        x += rtl ? -w : w;
        DrawCaption(canvas, *item, r);
        OffsetRect(&r, bar.left, bar.top);
        item->Rect = r;
    }

    if (m_host.ActiveMdiChildMaximized()) {
        m_host.PaintMdiButtons(s, {bar.left, bar.top});
        if (TSkinHost* host = SkinHost(); host && !host->MdiMax())
            host->SetMdiMax(true);
    }
    BitBlt(dc, bar.left, bar.top, bw, bh, s, 0, 0, SRCCOPY);
}

void TWinSkinMenu::DrawItem(TMenuBtn& item)
{
    if (m_background.Empty())
        return;
    TWindowDC const window(m_host.Handle(), TWindowDC::TArea::Whole);
    HDC const dc = window.Get();
    if (!dc)
        return;
    int const height = m_barRect.bottom - m_barRect.top;
    BitBlt(dc, item.Rect.left, m_barRect.top, item.Rect.right - item.Rect.left, height,
           m_background.Canvas().Handle(), item.Rect.left - m_barRect.left, 0, SRCCOPY);
    if (item.Enabled && (item.State == ncsPressed || item.State == ncsHot)) {
        TOwnedBrush outline(CreateSolidBrush(ColorToRGB(m_skinData.ButtonHilightColour)));
        FrameRect(dc, &item.Rect, outline.Get());
    }
    TCanvas canvas;
    canvas.SetHandle(dc);
    SelectMenuFont(canvas);
    DrawCaption(canvas, item, item.Rect);
    canvas.SetHandle(nullptr);
}

void TWinSkinMenu::DrawCaption(TCanvas& canvas, const TMenuBtn& item, const RECT& r) const
{
    canvas.Font().SetColor(item.ItemEnabled ? m_skinData.MenuBarTextColour : m_skinData.ButtonShadowColour);
    DrawCentredText(canvas, r, item.Caption, TAlignment::taCenter, TTextLook::tlEnabled);
}

TMenuBtn* TWinSkinMenu::HitTest(POINT p) const
{
    for (const auto& item : m_items)
        if (!item->Caption.empty() && PtInRect(&item->Rect, p))
            return item.get();
    return nullptr;
}

TMenuBtn* TWinSkinMenu::AsItem(TNCObject* object) const
{
    for (const auto& item : m_items)
        if (item.get() == object)
            return item.get();
    return nullptr;
}

TMenuBtn* TWinSkinMenu::FindAccelerator(wchar_t key) const
{
    wchar_t const wanted = static_cast<wchar_t>(std::towupper(key));
    for (const auto& item : m_items) {
        if (!item->ItemEnabled)
            continue;
        auto const amp = item->Caption.find(L'&');
        if (amp != std::wstring::npos && amp + 1 < item->Caption.size() &&
            static_cast<wchar_t>(std::towupper(item->Caption[amp + 1])) == wanted)
            return item.get();
    }
    return nullptr;
}

namespace {

// Owner-drawn types given to a popup's items, at every depth, for the length
// of one popup loop: taken off again, so that a window that loses its skin
// meanwhile gets its menus back as the system draws them.
class TOwnerDrawnPopup {
public:
    explicit TOwnerDrawnPopup(HMENU popup)
    {
        // The 4.0 systems draw the items themselves.
        DWORD const version = GetVersion();
        if ((version & 0x80000000u) || LOBYTE(LOWORD(version)) != 4)
            Mark(popup, 0);
    }
    ~TOwnerDrawnPopup()
    {
        for (const auto& [menu, position] : m_marked) {
            MENUITEMINFOW info {};
            info.cbSize = sizeof info;
            info.fMask = MIIM_FTYPE;
            if (IsMenu(menu) && GetMenuItemInfoW(menu, position, TRUE, &info)) {
                info.fType &= ~static_cast<UINT>(MFT_OWNERDRAW);
                SetMenuItemInfoW(menu, position, TRUE, &info);
            }
        }
    }
    TOwnerDrawnPopup(const TOwnerDrawnPopup&) = delete;
    TOwnerDrawnPopup& operator=(const TOwnerDrawnPopup&) = delete;

private:
    void Mark(HMENU menu, int depth)
    {
        // Menus may hold themselves; no real menu is this deep.
        if (depth > 32)
            return;
        int const count = GetMenuItemCount(menu);
        for (int i = 0; i < count; ++i) {
            MENUITEMINFOW info {};
            info.cbSize = sizeof info;
            info.fMask = MIIM_FTYPE | MIIM_SUBMENU;
            if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info))
                continue;
            if (!(info.fType & MFT_OWNERDRAW)) {
                info.fMask = MIIM_FTYPE;
                info.fType |= MFT_OWNERDRAW;
                if (SetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info))
                    m_marked.emplace_back(menu, static_cast<UINT>(i));
            }
            if (info.hSubMenu)
                Mark(info.hSubMenu, depth + 1);
        }
    }
    std::vector<std::pair<HMENU, UINT>> m_marked;
};

} // namespace

void TWinSkinMenu::PostClick(TMenuBtn& item)
{
    RECT outer {};
    GetWindowRect(m_host.Handle(), &outer);
    LPARAM const at = MAKELPARAM(item.Rect.left + outer.left + 1, item.Rect.top + outer.top + 1);
    PostMessageW(m_host.Handle(), WM_NCLBUTTONDOWN, HTCLIENT, at);
}

void TWinSkinMenu::OpenItem(TMenuBtn& item)
{
    HWND const window = m_host.Handle();
    PostMessageW(window, WM_COMMAND, item.Command, 0);
    if (!item.SubMenu)
        return;
    RECT outer {};
    GetWindowRect(window, &outer);
    HMENU const popup = item.SubMenu;
    POINT const at {item.Rect.left + outer.left, item.Rect.bottom + outer.top};
    bool const enabled = item.ItemEnabled;
    // Inside the popup's loop the window may be destroyed or unskinned, and
    // this strip and its items rebuilt or let go of: afterwards only the
    // host is touched, which stays until the loop has ended.
    TMenuBarHost& host = m_host;
    host.BeginMenuLoop();
    auto const ended = OnScopeExit([&host] { host.EndMenuLoop(); });
    TOwnerDrawnPopup const ownerDrawn(popup);
    TMenuTrackingScope const tracking(host, item.Index, popup);
    // The bar's items are measured in the system's menu font: the skin keeps
    // one, which saves asking the system for its settings at every opening.
    // The measuring makes its own from it, as a settings change inside the
    // menu's loop lets the skin's go.
    std::optional<TMenuMeasuring> measuring;
    if (std::optional<LOGFONTW> const font = KeptMenuLogFont(ScreenDpi()))
        measuring.emplace(*font);
    else
        measuring.emplace();
    if (enabled)
        TrackPopupMenu(popup, TPM_NONOTIFY | TPM_RIGHTBUTTON, at.x, at.y, 0, window, nullptr);
}

} // namespace tandrel
