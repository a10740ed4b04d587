#pragma once
// The system list box: a column of text items, one or several selected, with
// a vertical scroll bar when they do not fit.

#include "framework/controls/ControlTypes.h"
#include "framework/controls/WinControl.h"
#include "framework/core/Strings.h"

namespace tandrel {

class TCustomListBox : public TWinControl {
public:
    explicit TCustomListBox(TComponent* owner);
    const char* ClassName() const override { return "TCustomListBox"; }
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();

    // Changes to the items reach the window at once; a sorted box keeps them
    // in the window's order.
    TStrings& Items() { return m_items; }
    TStrings* ItemsObject() { return &m_items; }
    // The selected item (the focused one when several may be selected), or -1.
    int ItemIndex() const;
    void SetItemIndex(int index);
    bool Selected(int index) const;
    void SetSelected(int index, bool selected);
    int SelCount() const;
    bool Sorted() const { return m_sorted; }
    void SetSorted(bool sorted);
    bool MultiSelect() const { return m_multiSelect; }
    void SetMultiSelect(bool multiSelect);
    TBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TBorderStyle style);
    int TopIndex() const;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWindow() override;
    void SaveWindowState() override;
    void ReflectedCommand(WORD code, WORD id) override;

private:
    void ItemsChanged();
    void ReadBackOrder();

    TStringList m_items;
    int m_itemIndex = -1;
    bool m_sorted = false;
    bool m_multiSelect = false;
    bool m_syncing = false;
    TBorderStyle m_borderStyle = TBorderStyle::bsSingle;
};

class TListBox : public TCustomListBox {
public:
    explicit TListBox(TComponent* owner) : TCustomListBox(owner) {}
    const char* ClassName() const override { return "TListBox"; }
};

} // namespace tandrel
