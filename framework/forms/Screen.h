#pragma once
// The screen: the application's forms and its application-wide cursor.

#include "framework/core/Component.h"
#include "framework/controls/Control.h"

#include <vector>

namespace tandrel {

class TCustomForm;

class TScreen final : public TComponent {
public:
    TScreen();
    const char* ClassName() const override { return "TScreen"; }

    int FormCount() const { return static_cast<int>(m_forms.size()); }
    TCustomForm* Forms(int index) const { return m_forms.at(static_cast<size_t>(index)); }
    TCustomForm* ActiveForm() const { return m_activeForm; }

    // Shown over every window of the application while it is not crDefault.
    TCursor Cursor() const { return ApplicationCursor(); }
    void SetCursor(TCursor cursor);

private:
    friend class TCustomForm;
    void AddForm(TCustomForm* form);
    void RemoveForm(TCustomForm* form);
    void FormActivated(TCustomForm* form);

    std::vector<TCustomForm*> m_forms;  // most recently activated first
    TCustomForm* m_activeForm = nullptr;
};

extern TScreen* Screen;

} // namespace tandrel
