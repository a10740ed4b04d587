#include "framework/controls/ComboBox.h"

#include "framework/core/Publisher.h"

#include <algorithm>

namespace tandrel {

namespace {
const TEnumInfo kStyles {{"csDropDown", "csSimple", "csDropDownList"}};
}

const TClassInfo& TCustomComboBox::StaticClassInfo()
{
    static const TClassInfo info = [] {
        TClassInfo i("TCustomComboBox", &TWinControl::StaticClassInfo());
        TPublisher<TCustomComboBox>(i)
            .Enumeration("Style", kStyles, &TCustomComboBox::Style, &TCustomComboBox::SetStyle)
            .Strings("Items", &TCustomComboBox::ItemsObject)
            .Integer("ItemIndex", &TCustomComboBox::ItemIndex, &TCustomComboBox::SetItemIndex)
            .String("Text", &TCustomComboBox::Text, &TCustomComboBox::SetTextValue)
            .Integer("DropDownCount", &TCustomComboBox::DropDownCount, &TCustomComboBox::SetDropDownCount)
            .Event("OnChange", &TCustomComboBox::OnChange);
        return i;
    }();
    return info;
}

TCustomComboBox::TCustomComboBox(TComponent* owner) : TChangingControl(owner)
{
    m_controlStyle = csSetCaption | csDoubleClicks;
    SetColor(clWindow);
    SetTabStop(true);
    SetBounds(0, 0, 145, 21);
    m_items.OnChange = [this] { ItemsChanged(); };
}

void TCustomComboBox::CreateParams(TCreateParams& p)
{
    TWinControl::CreateParams(p);
    p.BaseClassName = L"COMBOBOX";
    p.Style |= WS_VSCROLL | CBS_AUTOHSCROLL | CBS_HASSTRINGS;
    switch (m_style) {
    case TComboBoxStyle::csDropDown: p.Style |= CBS_DROPDOWN; break;
    // The list fills the control's height: a gap under a list of whole
    // items would show whatever was there before.
    case TComboBoxStyle::csSimple: p.Style |= CBS_SIMPLE | CBS_NOINTEGRALHEIGHT; break;
    case TComboBoxStyle::csDropDownList: p.Style |= CBS_DROPDOWNLIST; break;
    }
}

void TCustomComboBox::InitializeWindow()
{
    std::wstring const text = GetText();
    TWinControl::InitializeWindow();
    int const index = m_itemIndex;
    ItemsChanged();
    if (index >= 0)
        SetItemIndex(index);
    else if (m_style != TComboBoxStyle::csDropDownList)
        SetWindowTextW(Handle(), text.c_str());
    SetDroppedHeight();
}

void TCustomComboBox::SaveWindowState()
{
    TWinControl::SaveWindowState();
    m_itemIndex = ItemIndex();
}

// The window gets the whole list again: simple, and lists here are short.
void TCustomComboBox::ItemsChanged()
{
    if (!HandleAllocated())
        return;
    int const selected = ItemIndex();
    SendMessageW(Handle(), CB_RESETCONTENT, 0, 0);
    for (const std::wstring& line : m_items.Lines())
        SendMessageW(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    if (selected >= 0 && selected < m_items.Count())
        SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

// A drop-down list shows DropDownCount items before it scrolls.
void TCustomComboBox::SetDroppedHeight()
{
    if (!HandleAllocated() || m_style == TComboBoxStyle::csSimple)
        return;
    auto const item = static_cast<int>(SendMessageW(Handle(), CB_GETITEMHEIGHT, 0, 0));
    RECT r {};
    GetWindowRect(Handle(), &r);
    int const height = (r.bottom - r.top) + std::max(1, m_dropDownCount) * std::max(1, item) + 2;
    // The drop-down height is part of the window size for these styles.
    SetWindowPos(Handle(), nullptr, 0, 0, r.right - r.left, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int TCustomComboBox::ItemIndex() const
{
    if (!HandleAllocated())
        return m_itemIndex;
    auto const index = static_cast<int>(SendMessageW(Handle(), CB_GETCURSEL, 0, 0));
    return index < 0 ? -1 : index;
}

void TCustomComboBox::SetItemIndex(int index)
{
    m_itemIndex = index;
    if (!HandleAllocated())
        return;
    SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SetTextSilently(GetText());
}

bool TCustomComboBox::DroppedDown() const
{
    return HandleAllocated() && SendMessageW(Handle(), CB_GETDROPPEDSTATE, 0, 0) != 0;
}

void TCustomComboBox::SetDroppedDown(bool dropped)
{
    if (HandleAllocated())
        SendMessageW(Handle(), CB_SHOWDROPDOWN, dropped, 0);
}

void TCustomComboBox::SetDropDownCount(int count)
{
    m_dropDownCount = count;
    SetDroppedHeight();
}

void TCustomComboBox::SetStyle(TComboBoxStyle style)
{
    if (HandleAllocated()) {
        m_itemIndex = ItemIndex();
        SetTextSilently(GetText());
    }
    SetWindowProperty(m_style, style);
}

void TCustomComboBox::ReflectedCommand(WORD code, WORD)
{
    switch (code) {
    case CBN_EDITCHANGE: Change(); break;
    case CBN_DROPDOWN: SetDroppedHeight(); break;
    // The text follows the selection only after this notification.
    case CBN_SELCHANGE:
        SetTextSilently(m_items.Count() > ItemIndex() && ItemIndex() >= 0 ? m_items.Strings(ItemIndex()) : GetText());
        Change();
        break;
    default: break;
    }
}

} // namespace tandrel
