#pragma once
// The system group box ("BUTTON", BS_GROUPBOX) as a container: controls are
// placed on it as its children.

#include "framework/controls/WinControl.h"

namespace tandrel {

class TCustomGroupBox : public TWinControl {
public:
    explicit TCustomGroupBox(TComponent* owner);
    const char* ClassName() const override { return "TCustomGroupBox"; }

protected:
    void CreateParams(TCreateParams& params) override;
    void OnEraseBackground(TMessage& message) override;
};

class TGroupBox : public TCustomGroupBox {
public:
    explicit TGroupBox(TComponent* owner) : TCustomGroupBox(owner) {}
    const char* ClassName() const override { return "TGroupBox"; }
};

} // namespace tandrel
