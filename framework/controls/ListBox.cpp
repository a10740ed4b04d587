#include "framework/controls/ListBox.h"

#include "framework/core/Publisher.h"

#include <vector>

namespace tandrel {

const TClassInfo& TCustomListBox::StaticClassInfo()
{
    static const TClassInfo info = [] {
        TClassInfo i("TCustomListBox", &TWinControl::StaticClassInfo());
        TPublisher<TCustomListBox>(i)
            .Strings("Items", &TCustomListBox::ItemsObject)
            .Integer("ItemIndex", &TCustomListBox::ItemIndex, &TCustomListBox::SetItemIndex)
            .Boolean("Sorted", &TCustomListBox::Sorted, &TCustomListBox::SetSorted)
            .Boolean("MultiSelect", &TCustomListBox::MultiSelect, &TCustomListBox::SetMultiSelect)
            .Enumeration("BorderStyle", BorderStyleNames(), &TCustomListBox::BorderStyle,
                         &TCustomListBox::SetBorderStyle);
        return i;
    }();
    return info;
}

TCustomListBox::TCustomListBox(TComponent* owner) : TWinControl(owner)
{
    // The system control selects and notifies; the framework adds no click.
    m_controlStyle = csSetCaption | csDoubleClicks;
    SetColor(clWindow);
    SetTabStop(true);
    SetBounds(0, 0, 121, 97);
    m_items.OnChange = [this] { ItemsChanged(); };
}

void TCustomListBox::CreateParams(TCreateParams& p)
{
    TWinControl::CreateParams(p);
    p.BaseClassName = L"LISTBOX";
    p.Caption.clear();
    p.Style |= WS_VSCROLL | LBS_NOTIFY | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT;
    if (m_sorted)
        p.Style |= LBS_SORT;
    if (m_multiSelect)
        p.Style |= LBS_EXTENDEDSEL;
    p.ExStyle |= BorderExStyle(m_borderStyle);
}

void TCustomListBox::InitializeWindow()
{
    TWinControl::InitializeWindow();
    const int index = m_itemIndex;
    ItemsChanged();
    SetItemIndex(index);
}

void TCustomListBox::SaveWindowState()
{
    TWinControl::SaveWindowState();
    m_itemIndex = ItemIndex();
}

// The window gets the whole list again: simple, and lists here are short.
void TCustomListBox::ItemsChanged()
{
    if (m_syncing || !HandleAllocated())
        return;
    const int selected = ItemIndex();
    SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
    SendMessageW(Handle(), LB_RESETCONTENT, 0, 0);
    for (const std::wstring& line : m_items.Lines())
        SendMessageW(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(Handle(), nullptr, TRUE);
    if (m_sorted)
        ReadBackOrder();
    if (selected < m_items.Count())
        SetItemIndex(selected);
}

void TCustomListBox::ReadBackOrder()
{
    std::vector<std::wstring> lines;
    const int count = static_cast<int>(SendMessageW(Handle(), LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        const auto length = SendMessageW(Handle(), LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
        std::wstring text(static_cast<size_t>(std::max<LRESULT>(length, 0)) + 1, L'\0');
        const auto n = SendMessageW(Handle(), LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<size_t>(std::max<LRESULT>(n, 0)));
        lines.push_back(std::move(text));
    }
    m_syncing = true;
    m_items.SetLines(std::move(lines));
    m_syncing = false;
}

int TCustomListBox::ItemIndex() const
{
    if (!HandleAllocated())
        return m_itemIndex;
    const UINT query = m_multiSelect ? LB_GETCARETINDEX : LB_GETCURSEL;
    const auto index = static_cast<int>(SendMessageW(Handle(), query, 0, 0));
    // A multi-select box reports its caret even over nothing selected.
    if (m_multiSelect && index >= 0 && !Selected(index))
        return -1;
    return index < 0 ? -1 : index;
}

void TCustomListBox::SetItemIndex(int index)
{
    m_itemIndex = index;
    if (!HandleAllocated())
        return;
    if (!m_multiSelect) {
        SendMessageW(Handle(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
        return;
    }
    SendMessageW(Handle(), LB_SETSEL, FALSE, -1);
    if (index >= 0) {
        SendMessageW(Handle(), LB_SETSEL, TRUE, index);
        SendMessageW(Handle(), LB_SETCARETINDEX, static_cast<WPARAM>(index), FALSE);
    }
}

bool TCustomListBox::Selected(int index) const
{
    if (!HandleAllocated())
        return index == m_itemIndex;
    return SendMessageW(Handle(), LB_GETSEL, static_cast<WPARAM>(index), 0) > 0;
}

void TCustomListBox::SetSelected(int index, bool selected)
{
    if (!m_multiSelect) {
        if (selected)
            SetItemIndex(index);
        else if (ItemIndex() == index)
            SetItemIndex(-1);
        return;
    }
    if (HandleAllocated())
        SendMessageW(Handle(), LB_SETSEL, selected, index);
}

int TCustomListBox::SelCount() const
{
    if (!HandleAllocated())
        return m_itemIndex >= 0 ? 1 : 0;
    if (!m_multiSelect)
        return ItemIndex() >= 0 ? 1 : 0;
    return static_cast<int>(SendMessageW(Handle(), LB_GETSELCOUNT, 0, 0));
}

int TCustomListBox::TopIndex() const
{
    return HandleAllocated() ? static_cast<int>(SendMessageW(Handle(), LB_GETTOPINDEX, 0, 0)) : 0;
}

void TCustomListBox::SetSorted(bool sorted)
{
    SetWindowProperty(m_sorted, sorted);
}

void TCustomListBox::SetMultiSelect(bool multiSelect)
{
    SetWindowProperty(m_multiSelect, multiSelect);
}

void TCustomListBox::SetBorderStyle(TBorderStyle style)
{
    SetWindowProperty(m_borderStyle, style);
}

void TCustomListBox::ReflectedCommand(WORD code, WORD)
{
    if (code == LBN_SELCHANGE)
        Click();
}

} // namespace tandrel
