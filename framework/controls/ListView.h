#pragma once
// The common controls' list view: items with sub-items in columns under a
// header (report view), or as icons and lists.

#include "framework/controls/WinControl.h"
#include "framework/core/Strings.h"

#include <memory>
#include <vector>

namespace tandrel {

class TCustomListView;

enum class TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };

class TListColumn {
public:
    TListColumn(TCustomListView& owner, int index) : m_owner(owner), m_index(index) {}
    int Index() const { return m_index; }
    const std::wstring& Caption() const { return m_caption; }
    void SetCaption(const std::wstring& caption);
    // The width the column has in the window (the user may drag it).
    int Width() const;
    void SetWidth(int width);

private:
    friend class TCustomListView;
    TCustomListView& m_owner;
    int m_index;
    std::wstring m_caption;
    int m_width = 50;
};

class TListItem {
public:
    TListItem(TCustomListView& owner, int index);
    int Index() const { return m_index; }
    const std::wstring& Caption() const { return m_caption; }
    void SetCaption(const std::wstring& caption);
    // The texts of the columns after the first.
    TStrings& SubItems() { return m_subItems; }
    bool Selected() const;
    void SetSelected(bool selected);

private:
    friend class TCustomListView;
    TCustomListView& m_owner;
    int m_index;
    std::wstring m_caption;
    TStringList m_subItems;
};

class TCustomListView : public TWinControl {
public:
    explicit TCustomListView(TComponent* owner);
    ~TCustomListView() override;
    const char* ClassName() const override { return "TCustomListView"; }
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();

    TViewStyle ViewStyle() const { return m_viewStyle; }
    void SetViewStyle(TViewStyle style);
    bool RowSelect() const { return m_rowSelect; }
    void SetRowSelect(bool rowSelect);
    bool MultiSelect() const { return m_multiSelect; }
    void SetMultiSelect(bool multiSelect);

    int ColumnCount() const { return static_cast<int>(m_columns.size()); }
    TListColumn& Column(int index) const { return *m_columns.at(static_cast<size_t>(index)); }
    TListColumn& AddColumn(const std::wstring& caption, int width);

    int ItemCount() const { return static_cast<int>(m_items.size()); }
    TListItem& Item(int index) const { return *m_items.at(static_cast<size_t>(index)); }
    TListItem& AddItem(const std::wstring& caption);
    void DeleteItem(int index);
    void ClearItems();
    // The first selected item, or -1.
    int ItemIndex() const;
    void SetItemIndex(int index);
    TListItem* Selected() const;

    // The header window of report view (LVM_GETHEADER), or none.
    HWND HeaderHandle() const;
    // The columns' widths are laid out at the form's density as well.
    void ChangeScale(int to, int from) override;

    TNotifyEvent OnChange;  // the selection moved

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWindow() override;
    void SaveWindowState() override;
    LRESULT ReflectedNotify(NMHDR& header) override;
    void WndProc(TMessage& message) override;

private:
    friend class TListColumn;
    friend class TListItem;
    void PutColumn(const TListColumn& column, bool insert);
    void PutItem(const TListItem& item, bool insert);
    void Renumber();

    std::vector<std::unique_ptr<TListColumn>> m_columns;
    std::vector<std::unique_ptr<TListItem>> m_items;
    TViewStyle m_viewStyle = TViewStyle::vsIcon;
    bool m_rowSelect = false;
    bool m_multiSelect = false;
    int m_savedIndex = -1;
};

class TListView : public TCustomListView {
public:
    explicit TListView(TComponent* owner) : TCustomListView(owner) {}
    const char* ClassName() const override { return "TListView"; }
};

} // namespace tandrel
