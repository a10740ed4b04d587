#pragma once
// The system track bar.

#include "framework/controls/RangeControl.h"

namespace tandrel {

enum class TTrackBarOrientation { trHorizontal, trVertical };

class TTrackBar : public TRangeControl {
public:
    explicit TTrackBar(TComponent* owner);
    const char* ClassName() const override { return "TTrackBar"; }
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();

    // Kept within the limits; a change is announced through OnChange.
    void SetPosition(int value) override;
    int Frequency() const { return m_frequency; }
    void SetFrequency(int value);
    TTrackBarOrientation Orientation() const { return m_orientation; }
    void SetOrientation(TTrackBarOrientation orientation);
    // The thumb grows with the form's density; the system keeps it at the
    // screen's.
    void ChangeScale(int to, int from) override;

    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWindow() override;
    void WndProc(TMessage& message) override;
    void PutRange() override;
    void PutPosition(int value) override;
    bool ReadPosition(int& value) const override;

private:
    void Changed();
    void PutThumbLength();

    int m_frequency = 1;
    int m_thumbLength = 0; // 0: the system's own
    TTrackBarOrientation m_orientation = TTrackBarOrientation::trHorizontal;
};

} // namespace tandrel
