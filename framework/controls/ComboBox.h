#pragma once
// The system combo box: an edit field or a static field with a list that
// drops down, or a list that is always shown.

#include "framework/controls/ChangingControl.h"
#include "framework/core/Strings.h"

namespace tandrel {

enum class TComboBoxStyle { csDropDown, csSimple, csDropDownList };

class TCustomComboBox : public TChangingControl {
public:
    explicit TCustomComboBox(TComponent* owner);
    const char* ClassName() const override { return "TCustomComboBox"; }
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();

    TComboBoxStyle Style() const { return m_style; }
    void SetStyle(TComboBoxStyle style);
    // Changes to the items reach the window at once.
    TStrings& Items() { return m_items; }
    TStrings* ItemsObject() { return &m_items; }
    // The selected item, or -1.
    int ItemIndex() const;
    void SetItemIndex(int index);
    std::wstring Text() const { return GetText(); }
    void SetTextValue(const std::wstring& text) { SetText(text); }
    bool DroppedDown() const;
    void SetDroppedDown(bool dropped);
    int DropDownCount() const { return m_dropDownCount; }
    void SetDropDownCount(int count);

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWindow() override;
    void SaveWindowState() override;
    void ReflectedCommand(WORD code, WORD id) override;

private:
    void ItemsChanged();
    void SetDroppedHeight();

    TStringList m_items;
    TComboBoxStyle m_style = TComboBoxStyle::csDropDown;
    int m_itemIndex = -1;
    int m_dropDownCount = 8;
};

class TComboBox : public TCustomComboBox {
public:
    explicit TComboBox(TComponent* owner) : TCustomComboBox(owner) {}
    const char* ClassName() const override { return "TComboBox"; }
};

} // namespace tandrel
