#pragma once
// The windows beside the previewer's main one, to see how a skin draws
// them: an MDI frame with two children, a dialog window, and the system's
// message box. Made on first use and owned by the main window.

#include "framework/forms/Forms.h"

#include <string>

namespace tandrel {

class TSampleForm : public TForm {
public:
    const char* ClassName() const override { return "TSampleForm"; }

protected:
    friend class TCustomForm;
    explicit TSampleForm(TComponent* owner) : TForm(owner) {}
};

class TSampleWindows {
public:
    explicit TSampleWindows(TCustomForm& owner) : m_owner(owner) {}

    // Shows the MDI frame, with its two children.
    TCustomForm& ShowMdiFrame();
    TCustomForm& ShowDialog();
    // The system's message box, modal over the main window.
    void ShowMessageBox();

    TCustomForm* MdiFrame() const { return m_frame; }
    TCustomForm* MdiChild(int index) const { return m_children[index]; }
    TCustomForm* Dialog() const { return m_dialog; }

    static constexpr const wchar_t* MessageBoxCaption = L"Skin viewer message";

private:
    TCustomForm& m_owner;
    TSampleForm* m_frame = nullptr;       // owned by m_owner
    TSampleForm* m_children[2] {};        // owned by m_frame
    TSampleForm* m_dialog = nullptr;      // owned by m_owner
};

} // namespace tandrel
