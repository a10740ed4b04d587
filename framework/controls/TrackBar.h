#pragma once
// The system track bar.

#include "framework/controls/WinControl.h"

namespace tandrel {

enum class TTrackBarOrientation { trHorizontal, trVertical };

class TTrackBar : public TWinControl {
public:
    explicit TTrackBar(TComponent* owner);
    const char* ClassName() const override { return "TTrackBar"; }
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();

    int Min() const { return m_min; }
    void SetMin(int value);
    int Max() const { return m_max; }
    void SetMax(int value);
    int Position() const;
    void SetPosition(int value);
    int Frequency() const { return m_frequency; }
    void SetFrequency(int value);
    TTrackBarOrientation Orientation() const { return m_orientation; }
    void SetOrientation(TTrackBarOrientation orientation);

    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWindow() override;
    void WndProc(TMessage& message) override;

private:
    void Changed();

    int m_min = 0;
    int m_max = 10;
    int m_position = 0;
    int m_frequency = 1;
    TTrackBarOrientation m_orientation = TTrackBarOrientation::trHorizontal;
};

} // namespace tandrel
