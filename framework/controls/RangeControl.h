#pragma once
// A system control showing a position between two limits (progress bar,
// track bar, up-down). While it has a window, the window holds the position
// (the user moves it there); the object keeps it across the window being
// made again.

#include "framework/controls/WinControl.h"

namespace tandrel {

class TRangeControl : public TWinControl {
public:
    int Min() const { return m_min; }
    void SetMin(int value);
    int Max() const { return m_max; }
    void SetMax(int value);
    int Position() const;
    virtual void SetPosition(int value);

protected:
    TRangeControl(TComponent* owner, int max) : TWinControl(owner), m_max(max) {}
    // Gives a new window the range and the position.
    void InitializeWindow() override;
    void SaveWindowState() override;

    // The window's side, in the messages of the control's kind; called only
    // while there is a window.
    virtual void PutRange() = 0;
    virtual void PutPosition(int value) = 0;
    // False when the window cannot say.
    virtual bool ReadPosition(int& value) const = 0;

    int m_min = 0;
    int m_max;
    int m_position = 0;
};

} // namespace tandrel
