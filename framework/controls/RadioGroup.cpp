#include "framework/controls/RadioGroup.h"

#include "framework/core/Publisher.h"
#include "framework/graphics/GdiObjects.h"

#include <algorithm>

namespace tandrel {

namespace {

int TextHeightOf(HFONT font)
{
    TWindowDC screen(nullptr);
    TSelectObject select(screen.Get(), font);
    TEXTMETRICW metrics {};
    GetTextMetricsW(screen.Get(), &metrics);
    return metrics.tmHeight;
}

} // namespace

const TClassInfo& TCustomRadioGroup::StaticClassInfo()
{
    static const TClassInfo info = [] {
        TClassInfo i("TCustomRadioGroup", &TWinControl::StaticClassInfo());
        TPublisher<TCustomRadioGroup>(i)
            .Strings("Items", &TCustomRadioGroup::ItemsObject)
            .Integer("ItemIndex", &TCustomRadioGroup::ItemIndex, &TCustomRadioGroup::SetItemIndex)
            .Integer("Columns", &TCustomRadioGroup::Columns, &TCustomRadioGroup::SetColumns);
        return i;
    }();
    return info;
}

TCustomRadioGroup::TCustomRadioGroup(TComponent* owner) : TCustomGroupBox(owner)
{
    m_items.OnChange = [this] { UpdateButtons(); };
}

void TCustomRadioGroup::SetItemIndex(int index)
{
    // A definition may give the index before the items.
    if (IsLoading()) {
        m_itemIndex = index;
        return;
    }
    index = std::clamp(index, -1, ButtonCount() - 1);
    m_itemIndex = index;
    if (index >= 0) {
        m_buttons[static_cast<size_t>(index)]->SetChecked(true);
        return;
    }
    for (TRadioButton* b : m_buttons)
        b->SetChecked(false);
}

void TCustomRadioGroup::SetColumns(int columns)
{
    columns = std::clamp(columns, 1, 16);
    if (columns != m_columns) {
        m_columns = columns;
        ArrangeButtons();
    }
}

void TCustomRadioGroup::Loaded()
{
    TCustomGroupBox::Loaded();
    SetItemIndex(m_itemIndex);
}

void TCustomRadioGroup::SetBounds(int left, int top, int width, int height)
{
    TCustomGroupBox::SetBounds(left, top, width, height);
    ArrangeButtons();
}

void TCustomRadioGroup::FontChanged()
{
    TCustomGroupBox::FontChanged();
    ArrangeButtons();
}

void TCustomRadioGroup::UpdateButtons()
{
    const size_t count = static_cast<size_t>(m_items.Count());
    while (m_buttons.size() > count) {
        delete m_buttons.back();
        m_buttons.pop_back();
    }
    while (m_buttons.size() < count) {
        auto* button = new TRadioButton(this);
        const int index = static_cast<int>(m_buttons.size());
        button->OnClick = [this, index](TObject*) { ButtonClicked(index); };
        button->SetParent(this);
        m_buttons.push_back(button);
    }
    for (size_t i = 0; i < count; ++i)
        m_buttons[i]->SetCaption(m_items.Strings(static_cast<int>(i)));
    if (!IsLoading())
        SetItemIndex(m_itemIndex < static_cast<int>(count) ? m_itemIndex : -1);
    ArrangeButtons();
}

// Columns of equal width; rows share the height below the caption.
void TCustomRadioGroup::ArrangeButtons()
{
    if (m_buttons.empty())
        return;
    const int count = ButtonCount();
    const int perColumn = (count + m_columns - 1) / m_columns;
    const int fontHeight = TextHeightOf(Font().Handle());
    const int buttonWidth = (Width() - 10) / m_columns;
    const int free = std::max(Height() - fontHeight - 5, 0);
    const int buttonHeight = free / perColumn;
    const int topMargin = fontHeight + 1 + (free % perColumn) / 2;
    for (int i = 0; i < count; ++i)
        m_buttons[static_cast<size_t>(i)]->SetBounds((i / perColumn) * buttonWidth + 8,
                                                     (i % perColumn) * buttonHeight + topMargin, buttonWidth,
                                                     buttonHeight);
}

void TCustomRadioGroup::ButtonClicked(int index)
{
    m_itemIndex = index;
    Click();
}

} // namespace tandrel
