#pragma once
// The system push button.

#include "framework/controls/ButtonControl.h"

namespace tandrel {

class TButton : public TButtonControl {
public:
    explicit TButton(TComponent* owner);
    const char* ClassName() const override { return "TButton"; }
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();

    bool Default() const { return m_default; }
    void SetDefault(bool value);
    bool Cancel() const { return m_cancel; }
    void SetCancel(bool value) { m_cancel = value; }
    // A click sets this as its form's ModalResult.
    TModalResult ModalResult() const { return m_modalResult; }
    void SetModalResult(TModalResult result) { m_modalResult = result; }

    void Click() override;

protected:
    void CreateParams(TCreateParams& params) override;

private:
    bool m_default = false;
    bool m_cancel = false;
    TModalResult m_modalResult = mrNone;
};

} // namespace tandrel
