#pragma once
// The system progress bar.

#include "framework/controls/RangeControl.h"

namespace tandrel {

enum class TProgressBarOrientation { pbHorizontal, pbVertical };

class TProgressBar : public TRangeControl {
public:
    explicit TProgressBar(TComponent* owner);
    const char* ClassName() const override { return "TProgressBar"; }
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();

    int Step() const { return m_step; }
    void SetStep(int value);
    // Advances the position by Step, wrapping to Min past Max as the control does.
    void StepIt();
    // One continuous bar instead of blocks.
    bool Smooth() const { return m_smooth; }
    void SetSmooth(bool smooth);
    TProgressBarOrientation Orientation() const { return m_orientation; }
    void SetOrientation(TProgressBarOrientation orientation);

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWindow() override;
    void PutRange() override;
    void PutPosition(int value) override;
    bool ReadPosition(int& value) const override;

private:
    int m_step = 10;
    bool m_smooth = false;
    TProgressBarOrientation m_orientation = TProgressBarOrientation::pbHorizontal;
};

} // namespace tandrel
