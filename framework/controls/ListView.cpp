#include "framework/controls/ListView.h"

#include "framework/core/Publisher.h"
#include "framework/graphics/Dpi.h"

#include <commctrl.h>

namespace tandrel {

namespace {

const TEnumInfo kViewStyles {{"vsIcon", "vsSmallIcon", "vsList", "vsReport"}};

DWORD ViewStyleBits(TViewStyle style)
{
    switch (style) {
    case TViewStyle::vsSmallIcon: return LVS_SMALLICON;
    case TViewStyle::vsList: return LVS_LIST;
    case TViewStyle::vsReport: return LVS_REPORT;
    default: return LVS_ICON;
    }
}

} // namespace

void TListColumn::SetCaption(const std::wstring& caption)
{
    m_caption = caption;
    m_owner.PutColumn(*this, false);
}

int TListColumn::Width() const
{
    if (!m_owner.HandleAllocated())
        return m_width;
    return static_cast<int>(SendMessageW(m_owner.Handle(), LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(m_index), 0));
}

void TListColumn::SetWidth(int width)
{
    m_width = width;
    m_owner.PutColumn(*this, false);
}

TListItem::TListItem(TCustomListView& owner, int index) : m_owner(owner), m_index(index)
{
    m_subItems.OnChange = [this] { m_owner.PutItem(*this, false); };
}

void TListItem::SetCaption(const std::wstring& caption)
{
    m_caption = caption;
    m_owner.PutItem(*this, false);
}

bool TListItem::Selected() const
{
    if (!m_owner.HandleAllocated())
        return m_owner.m_savedIndex == m_index;
    return SendMessageW(m_owner.Handle(), LVM_GETITEMSTATE, static_cast<WPARAM>(m_index), LVIS_SELECTED) != 0;
}

void TListItem::SetSelected(bool selected)
{
    if (!m_owner.HandleAllocated()) {
        if (selected)
            m_owner.m_savedIndex = m_index;
        return;
    }
    LVITEMW state {};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = selected ? LVIS_SELECTED | LVIS_FOCUSED : 0;
    SendMessageW(m_owner.Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(m_index), reinterpret_cast<LPARAM>(&state));
}

const TClassInfo& TCustomListView::StaticClassInfo()
{
    static const TClassInfo info = [] {
        TClassInfo i("TCustomListView", &TWinControl::StaticClassInfo());
        TPublisher<TCustomListView>(i)
            .Enumeration("ViewStyle", kViewStyles, &TCustomListView::ViewStyle, &TCustomListView::SetViewStyle)
            .Boolean("RowSelect", &TCustomListView::RowSelect, &TCustomListView::SetRowSelect)
            .Boolean("MultiSelect", &TCustomListView::MultiSelect, &TCustomListView::SetMultiSelect)
            .Event("OnChange", &TCustomListView::OnChange);
        return i;
    }();
    return info;
}

TCustomListView::TCustomListView(TComponent* owner) : TWinControl(owner)
{
    m_controlStyle = csSetCaption | csDoubleClicks;
    SetColor(clWindow);
    SetTabStop(true);
    SetBounds(0, 0, 250, 150);
}

// The window goes first: its items refer back to this object.
TCustomListView::~TCustomListView()
{
    Destroying();
    DestroyHandle();
}

void TCustomListView::ChangeScale(int to, int from)
{
    TWinControl::ChangeScale(to, from);
    for (const auto& column : m_columns)
        column->SetWidth(ScaleDpi(column->Width(), to, from));
}

void TCustomListView::CreateParams(TCreateParams& p)
{
    TWinControl::CreateParams(p);
    p.BaseClassName = WC_LISTVIEWW;
    p.CommonControlClasses = ICC_LISTVIEW_CLASSES;
    p.Caption.clear();
    p.ExStyle |= WS_EX_CLIENTEDGE;
    p.Style |= ViewStyleBits(m_viewStyle) | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS;
    if (!m_multiSelect)
        p.Style |= LVS_SINGLESEL;
}

void TCustomListView::InitializeWindow()
{
    TWinControl::InitializeWindow();
    if (m_rowSelect)
        SendMessageW(m_handle, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    for (const auto& column : m_columns)
        PutColumn(*column, true);
    for (const auto& item : m_items)
        PutItem(*item, true);
    SetItemIndex(m_savedIndex);
}

void TCustomListView::SaveWindowState()
{
    TWinControl::SaveWindowState();
    m_savedIndex = ItemIndex();
    for (const auto& column : m_columns)
        column->m_width = column->Width();
}

void TCustomListView::PutColumn(const TListColumn& column, bool insert)
{
    if (!HandleAllocated())
        return;
    LVCOLUMNW c {};
    c.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    c.pszText = const_cast<wchar_t*>(column.m_caption.c_str());
    c.cx = column.m_width;
    c.iSubItem = column.m_index;
    SendMessageW(m_handle, insert ? LVM_INSERTCOLUMNW : LVM_SETCOLUMNW, static_cast<WPARAM>(column.m_index),
                 reinterpret_cast<LPARAM>(&c));
}

void TCustomListView::PutItem(const TListItem& item, bool insert)
{
    if (!HandleAllocated())
        return;
    LVITEMW i {};
    i.mask = LVIF_TEXT;
    i.iItem = item.m_index;
    i.pszText = const_cast<wchar_t*>(item.m_caption.c_str());
    SendMessageW(m_handle, insert ? LVM_INSERTITEMW : LVM_SETITEMTEXTW, static_cast<WPARAM>(item.m_index),
                 reinterpret_cast<LPARAM>(&i));
    for (int sub = 0; sub < item.m_subItems.Count(); ++sub) {
        LVITEMW s {};
        s.iSubItem = sub + 1;
        s.pszText = const_cast<wchar_t*>(item.m_subItems.Strings(sub).c_str());
        SendMessageW(m_handle, LVM_SETITEMTEXTW, static_cast<WPARAM>(item.m_index), reinterpret_cast<LPARAM>(&s));
    }
}

TListColumn& TCustomListView::AddColumn(const std::wstring& caption, int width)
{
    m_columns.push_back(std::make_unique<TListColumn>(*this, ColumnCount()));
    TListColumn& column = *m_columns.back();
    column.m_caption = caption;
    column.m_width = width;
    PutColumn(column, true);
    return column;
}

TListItem& TCustomListView::AddItem(const std::wstring& caption)
{
    m_items.push_back(std::make_unique<TListItem>(*this, ItemCount()));
    TListItem& item = *m_items.back();
    item.m_caption = caption;
    PutItem(item, true);
    return item;
}

void TCustomListView::DeleteItem(int index)
{
    m_items.erase(m_items.begin() + index);
    Renumber();
    if (HandleAllocated())
        SendMessageW(m_handle, LVM_DELETEITEM, static_cast<WPARAM>(index), 0);
}

void TCustomListView::ClearItems()
{
    m_items.clear();
    if (HandleAllocated())
        SendMessageW(m_handle, LVM_DELETEALLITEMS, 0, 0);
}

void TCustomListView::Renumber()
{
    for (size_t i = 0; i < m_items.size(); ++i)
        m_items[i]->m_index = static_cast<int>(i);
}

int TCustomListView::ItemIndex() const
{
    if (!HandleAllocated())
        return m_savedIndex;
    return static_cast<int>(SendMessageW(m_handle, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void TCustomListView::SetItemIndex(int index)
{
    m_savedIndex = index;
    if (!HandleAllocated())
        return;
    for (const auto& item : m_items)
        if (item->m_index != index && item->Selected())
            item->SetSelected(false);
    if (index >= 0 && index < ItemCount())
        m_items[static_cast<size_t>(index)]->SetSelected(true);
}

TListItem* TCustomListView::Selected() const
{
    const int index = ItemIndex();
    return index >= 0 && index < ItemCount() ? m_items[static_cast<size_t>(index)].get() : nullptr;
}

HWND TCustomListView::HeaderHandle() const
{
    return HandleAllocated() ? reinterpret_cast<HWND>(SendMessageW(m_handle, LVM_GETHEADER, 0, 0)) : nullptr;
}

void TCustomListView::SetViewStyle(TViewStyle style)
{
    m_viewStyle = style;
    if (!HandleAllocated())
        return;
    const LONG_PTR bits = GetWindowLongPtrW(m_handle, GWL_STYLE);
    SetWindowLongPtrW(m_handle, GWL_STYLE, (bits & ~LONG_PTR(LVS_TYPEMASK)) | ViewStyleBits(style));
}

void TCustomListView::SetRowSelect(bool rowSelect)
{
    m_rowSelect = rowSelect;
    if (HandleAllocated())
        SendMessageW(m_handle, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, rowSelect ? LVS_EX_FULLROWSELECT : 0);
}

void TCustomListView::SetMultiSelect(bool multiSelect)
{
    SetWindowProperty(m_multiSelect, multiSelect);
}

LRESULT TCustomListView::ReflectedNotify(NMHDR& header)
{
    if (header.code == LVN_ITEMCHANGED) {
        const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
        if ((change.uChanged & LVIF_STATE) && ((change.uOldState ^ change.uNewState) & LVIS_SELECTED) && OnChange)
            OnChange(this);
    }
    return 0;
}

void TCustomListView::WndProc(TMessage& m)
{
    TWinControl::WndProc(m);
    // A list that takes the focus with no item focused shows it on the first
    // (which the arrow keys start from), not selecting it.
    if (m.Msg == WM_SETFOCUS && HandleAllocated() && ListView_GetItemCount(Handle()) > 0 &&
        ListView_GetNextItem(Handle(), -1, LVNI_FOCUSED) < 0)
        ListView_SetItemState(Handle(), 0, LVIS_FOCUSED, LVIS_FOCUSED);
}

} // namespace tandrel
