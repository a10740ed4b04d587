#include "framework/controls/TrackBar.h"

#include "framework/core/Publisher.h"
#include "framework/graphics/Dpi.h"

#include <commctrl.h>

namespace tandrel {

namespace {
const TEnumInfo kOrientations {{"trHorizontal", "trVertical"}};
// The system's thumb length, at 96 pixels per inch.
constexpr int kSystemThumbLength = 21;
}

const TClassInfo& TTrackBar::StaticClassInfo()
{
    static const TClassInfo info = [] {
        TClassInfo i("TTrackBar", &TWinControl::StaticClassInfo());
        TPublisher<TTrackBar>(i)
            .Integer("Min", &TTrackBar::Min, &TTrackBar::SetMin)
            .Integer("Max", &TTrackBar::Max, &TTrackBar::SetMax)
            .Integer("Position", &TTrackBar::Position, &TTrackBar::SetPosition)
            .Integer("Frequency", &TTrackBar::Frequency, &TTrackBar::SetFrequency)
            .Enumeration("Orientation", kOrientations, &TTrackBar::Orientation, &TTrackBar::SetOrientation)
            .Event("OnChange", &TTrackBar::OnChange);
        return i;
    }();
    return info;
}

TTrackBar::TTrackBar(TComponent* owner) : TRangeControl(owner, 10)
{
    m_controlStyle = csCaptureMouse | csSetCaption | csDoubleClicks;
    SetTabStop(true);
    SetBounds(0, 0, 150, 45);
}

void TTrackBar::CreateParams(TCreateParams& p)
{
    TWinControl::CreateParams(p);
    p.BaseClassName = TRACKBAR_CLASSW;
    p.Style |= TBS_AUTOTICKS | TBS_BOTTOM |
               (m_orientation == TTrackBarOrientation::trVertical ? TBS_VERT : TBS_HORZ);
    if (m_thumbLength > 0)
        p.Style |= TBS_FIXEDLENGTH;
}

void TTrackBar::ChangeScale(int to, int from)
{
    int length = m_thumbLength;
    if (length <= 0)
        length = HandleAllocated() ? static_cast<int>(SendMessageW(Handle(), TBM_GETTHUMBLENGTH, 0, 0))
                                   : ScaleDpi(kSystemThumbLength, ScreenDpi());
    m_thumbLength = ScaleDpi(length, to, from);
    TWinControl::ChangeScale(to, from);
    if (HandleAllocated())
        PutThumbLength();
}

void TTrackBar::PutThumbLength()
{
    SetWindowLongW(Handle(), GWL_STYLE, GetWindowLongW(Handle(), GWL_STYLE) | TBS_FIXEDLENGTH);
    SendMessageW(Handle(), TBM_SETTHUMBLENGTH, static_cast<WPARAM>(m_thumbLength), 0);
}

void TTrackBar::InitializeWindow()
{
    TRangeControl::InitializeWindow();
    SendMessageW(Handle(), TBM_SETTICFREQ, static_cast<WPARAM>(m_frequency), 0);
    // Made at another density than the screen's: the system's thumb grows
    // to it at once.
    if (int const dpi = SaneDpi(WindowDpi(Handle())); m_thumbLength <= 0 && dpi != ScreenDpi())
        m_thumbLength = ScaleDpi(static_cast<int>(SendMessageW(Handle(), TBM_GETTHUMBLENGTH, 0, 0)), dpi, ScreenDpi());
    if (m_thumbLength > 0)
        PutThumbLength();
}

void TTrackBar::PutRange()
{
    SendMessageW(Handle(), TBM_SETRANGEMIN, FALSE, m_min);
    SendMessageW(Handle(), TBM_SETRANGEMAX, TRUE, m_max);
}

void TTrackBar::PutPosition(int value) { SendMessageW(Handle(), TBM_SETPOS, TRUE, value); }

bool TTrackBar::ReadPosition(int& value) const
{
    value = static_cast<int>(SendMessageW(Handle(), TBM_GETPOS, 0, 0));
    return true;
}

void TTrackBar::SetPosition(int value)
{
    value = value < m_min ? m_min : value > m_max ? m_max : value;
    if (value == Position())
        return;
    TRangeControl::SetPosition(value);
    Changed();
}

void TTrackBar::SetFrequency(int value)
{
    m_frequency = value;
    if (HandleAllocated())
        SendMessageW(Handle(), TBM_SETTICFREQ, static_cast<WPARAM>(value), 0);
}

void TTrackBar::SetOrientation(TTrackBarOrientation orientation)
{
    SetWindowProperty(m_orientation, orientation);
}

void TTrackBar::Changed()
{
    if (OnChange)
        OnChange(this);
}

void TTrackBar::WndProc(TMessage& m)
{
    if (m.Msg == CN_HSCROLL || m.Msg == CN_VSCROLL) {
        m_position = Position();
        Changed();
        m.Result = 0;
        return;
    }
    TWinControl::WndProc(m);
}

} // namespace tandrel
