#pragma once
// A group box holding one radio button per item, laid out in columns. The
// buttons belong to the group: it owns them and is their parent.

#include "framework/controls/GroupBox.h"
#include "framework/controls/RadioButton.h"
#include "framework/core/Strings.h"

#include <vector>

namespace tandrel {

class TCustomRadioGroup : public TCustomGroupBox {
public:
    explicit TCustomRadioGroup(TComponent* owner);
    const char* ClassName() const override { return "TCustomRadioGroup"; }
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();

    TStrings& Items() { return m_items; }
    TStrings* ItemsObject() { return &m_items; }
    // The checked item, or -1; follows the user's clicks.
    int ItemIndex() const { return m_itemIndex; }
    void SetItemIndex(int index);
    int Columns() const { return m_columns; }
    void SetColumns(int columns);
    int ButtonCount() const { return static_cast<int>(m_buttons.size()); }
    TRadioButton* Buttons(int index) const { return m_buttons.at(static_cast<size_t>(index)); }

    void SetBounds(int left, int top, int width, int height) override;
    void Loaded() override;

protected:
    void FontChanged() override;

private:
    void UpdateButtons();
    void ArrangeButtons();
    void ButtonClicked(int index);

    TStringList m_items;
    std::vector<TRadioButton*> m_buttons;
    int m_itemIndex = -1;
    int m_columns = 1;
};

class TRadioGroup : public TCustomRadioGroup {
public:
    explicit TRadioGroup(TComponent* owner) : TCustomRadioGroup(owner) {}
    const char* ClassName() const override { return "TRadioGroup"; }
};

} // namespace tandrel
