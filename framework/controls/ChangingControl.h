#pragma once
// A windowed control whose value the user changes (edits, combo boxes,
// date pickers, scroll bars, tabs): the OnChange event and the one place
// that fires it.

#include "framework/controls/WinControl.h"

namespace tandrel {

class TChangingControl : public TWinControl {
public:
    TNotifyEvent OnChange;

protected:
    using TWinControl::TWinControl;
    // Called after the user changed the value; a control with more to do on
    // a change does it here and then calls this.
    virtual void Change()
    {
        if (OnChange)
            OnChange(this);
    }
};

} // namespace tandrel
