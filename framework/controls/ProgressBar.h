#pragma once
// The system progress bar.

#include "framework/controls/WinControl.h"

namespace tandrel {

enum class TProgressBarOrientation { pbHorizontal, pbVertical };

class TProgressBar : public TWinControl {
public:
    explicit TProgressBar(TComponent* owner);
    const char* ClassName() const override { return "TProgressBar"; }
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();

    int Min() const { return m_min; }
    void SetMin(int value);
    int Max() const { return m_max; }
    void SetMax(int value);
    int Position() const;
    void SetPosition(int value);
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
    void DestroyHandle() override;

private:
    void SendRange();

    int m_min = 0;
    int m_max = 100;
    int m_position = 0;
    int m_step = 10;
    bool m_smooth = false;
    TProgressBarOrientation m_orientation = TProgressBarOrientation::pbHorizontal;
};

} // namespace tandrel
