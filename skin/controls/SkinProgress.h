#pragma once
// Progress bars: the whole control is painted from the skin's Progress
// element, as a stretched bar over a background or as a row of chunks.

#include "skin/controls/SkinControl.h"

namespace tandrel {

class TSkinProgress : public TSkinControl {
public:
    explicit TSkinProgress(TComponent* owner) : TSkinControl(owner) {}
    const char* ClassName() const override { return "TSkinProgress"; }

    bool BeforeMessage(TMessage& message) override;
    void DrawControl(HDC dc, const RECT& rect) override;

private:
    bool CanDraw() const;
};

} // namespace tandrel
