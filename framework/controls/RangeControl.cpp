#include "framework/controls/RangeControl.h"

namespace tandrel {

void TRangeControl::SetMin(int value)
{
    m_min = value;
    if (HandleAllocated())
        PutRange();
}

void TRangeControl::SetMax(int value)
{
    m_max = value;
    if (HandleAllocated())
        PutRange();
}

int TRangeControl::Position() const
{
    int value = m_position;
    if (HandleAllocated() && ReadPosition(value))
        return value;
    return m_position;
}

void TRangeControl::SetPosition(int value)
{
    m_position = value;
    if (HandleAllocated())
        PutPosition(value);
}

void TRangeControl::InitializeWindow()
{
    TWinControl::InitializeWindow();
    PutRange();
    PutPosition(m_position);
}

void TRangeControl::SaveWindowState()
{
    TWinControl::SaveWindowState();
    m_position = Position();
}

} // namespace tandrel
