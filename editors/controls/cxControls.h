#pragma once
// The base of every framework control: a windowed custom control with its
// own canvas wrapper and look-and-feel, focus on click, mouse enter and
// leave notifications, and no background erasing (the paint pass alone
// draws the control, so it never flickers).

#include "framework/controls/CustomControl.h"
#include "editors/controls/cxGraphics.h"
#include "editors/lookandfeel/cxLookAndFeels.h"

#include <memory>

namespace tandrel {

class TcxControl : public TCustomControl {
public:
    explicit TcxControl(TComponent* owner);
    ~TcxControl() override;
    const char* ClassName() const override { return "TcxControl"; }

    TcxCanvas& cxCanvas() { return m_cxCanvas; }
    TcxLookAndFeel& LookAndFeel() { return *m_lookAndFeel; }
    POINT MouseDownPos() const { return m_mouseDownPos; }

    // Whether a click gives this control the focus.
    virtual bool TakesFocusOnClick() const { return true; }

    TNotifyEvent OnFocusChanged;

protected:
    void WndProc(TMessage& message) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;

    // The host's mouse enter and leave notifications; sender is the control
    // the notification names (this one when it names none).
    virtual void MouseEnter(TControl* sender);
    virtual void MouseLeave(TControl* sender);
    void MouseEntered(TControl* sender);
    void MouseLeft(TControl* sender);
    virtual void FocusChanged();
    virtual void LookAndFeelChanged(TcxLookAndFeel* sender, TcxLookAndFeelValues changed);
    // The visual styles were switched or changed: themed parts look different now.
    virtual void ThemeChanged() { Invalidate(); }
    // The key groups this control wants (WM_GETDLGCODE).
    virtual LRESULT GetDlgCode() const { return 0; }

    void OnEraseBackground(TMessage& m) override;

private:

    TcxCanvas m_cxCanvas;
    std::unique_ptr<TcxLookAndFeel> m_lookAndFeel;
    TdxThemeChangedNotificator m_themeNotificator;
    POINT m_mouseDownPos {0, 0};
};

} // namespace tandrel
