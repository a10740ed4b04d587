#include "framework/controls/ProgressBar.h"

#include "framework/core/Publisher.h"

#include <commctrl.h>

namespace tandrel {

namespace {
const TEnumInfo kOrientations {{"pbHorizontal", "pbVertical"}};
}

const TClassInfo& TProgressBar::StaticClassInfo()
{
    static const TClassInfo info = [] {
        TClassInfo i("TProgressBar", &TWinControl::StaticClassInfo());
        TPublisher<TProgressBar>(i)
            .Integer("Min", &TProgressBar::Min, &TProgressBar::SetMin)
            .Integer("Max", &TProgressBar::Max, &TProgressBar::SetMax)
            .Integer("Position", &TProgressBar::Position, &TProgressBar::SetPosition)
            .Integer("Step", &TProgressBar::Step, &TProgressBar::SetStep)
            .Boolean("Smooth", &TProgressBar::Smooth, &TProgressBar::SetSmooth)
            .Enumeration("Orientation", kOrientations, &TProgressBar::Orientation, &TProgressBar::SetOrientation);
        return i;
    }();
    return info;
}

TProgressBar::TProgressBar(TComponent* owner) : TRangeControl(owner, 100)
{
    SetBounds(0, 0, 150, 16);
}

void TProgressBar::CreateParams(TCreateParams& p)
{
    TWinControl::CreateParams(p);
    p.BaseClassName = PROGRESS_CLASSW;
    p.Caption.clear();
    if (m_smooth)
        p.Style |= PBS_SMOOTH;
    if (m_orientation == TProgressBarOrientation::pbVertical)
        p.Style |= PBS_VERTICAL;
}

void TProgressBar::InitializeWindow()
{
    TRangeControl::InitializeWindow();
    SendMessageW(Handle(), PBM_SETSTEP, static_cast<WPARAM>(m_step), 0);
}

void TProgressBar::PutRange() { SendMessageW(Handle(), PBM_SETRANGE32, static_cast<WPARAM>(m_min), m_max); }

void TProgressBar::PutPosition(int value) { SendMessageW(Handle(), PBM_SETPOS, static_cast<WPARAM>(value), 0); }

bool TProgressBar::ReadPosition(int& value) const
{
    value = static_cast<int>(SendMessageW(Handle(), PBM_GETPOS, 0, 0));
    return true;
}

void TProgressBar::SetStep(int value)
{
    m_step = value;
    if (HandleAllocated())
        SendMessageW(Handle(), PBM_SETSTEP, static_cast<WPARAM>(value), 0);
}

void TProgressBar::StepIt()
{
    if (HandleAllocated()) {
        SendMessageW(Handle(), PBM_STEPIT, 0, 0);
        m_position = Position();
        return;
    }
    m_position += m_step;
    if (m_position > m_max)
        m_position = m_min + (m_position - m_max);
}

void TProgressBar::SetSmooth(bool smooth) { SetWindowProperty(m_smooth, smooth); }

void TProgressBar::SetOrientation(TProgressBarOrientation orientation)
{
    SetWindowProperty(m_orientation, orientation);
}

} // namespace tandrel
