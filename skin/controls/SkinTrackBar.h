#pragma once
// Track bars: the control draws its channel and ticks itself; the thumb is
// painted from the skin through the control's custom-draw notifications.

#include "skin/controls/SkinControl.h"

#include <commctrl.h>

namespace tandrel {

class TSkinTrackBar : public TSkinControl {
public:
    explicit TSkinTrackBar(TComponent* owner) : TSkinControl(owner) {}
    const char* ClassName() const override { return "TSkinTrackBar"; }

    bool BeforeMessage(TMessage& message) override;

private:
    LRESULT CustomDraw(const NMCUSTOMDRAW& draw);
    void DrawThumb(HDC dc);
};

} // namespace tandrel
