#pragma once
// A bench page holding one of every edit-like control kind the skinners of
// combo boxes, spin buttons, progress bars, track bars and date pickers
// take: what the dispatch tests, the leak cycles, the bench screenshot and
// the paint benchmark share.

#include "framework/controls/ComboBox.h"
#include "framework/controls/DateTimePicker.h"
#include "framework/controls/Edit.h"
#include "framework/controls/ProgressBar.h"
#include "framework/controls/TrackBar.h"
#include "framework/controls/UpDown.h"
#include "framework/forms/Forms.h"

namespace tandrel::test {

struct TEditsPage {
    TComboBox* DropDown = nullptr;
    TComboBox* DropDownList = nullptr;
    TComboBox* Simple = nullptr;
    TComboBox* Disabled = nullptr;
    TComboBox* LeftButton = nullptr; // its button at the left
    TEdit* VertBuddy = nullptr;
    TUpDown* Vert = nullptr;
    TEdit* HorzBuddy = nullptr;
    TUpDown* Horz = nullptr;
    TEdit* SpinEdit = nullptr; // with a spin button inside
    HWND InnerSpin = nullptr;
    TProgressBar* Bar = nullptr;
    TProgressBar* Chunks = nullptr; // not smooth
    TProgressBar* Column = nullptr; // vertical
    TTrackBar* Track = nullptr;
    TTrackBar* TrackVert = nullptr;
    TDateTimePicker* Calendar = nullptr; // drops a calendar down
    TDateTimePicker* Spinner = nullptr;  // steps the date with a spin button
};

// Fills a form of at least 560 x 300 client pixels.
TEditsPage BuildEditsPage(TCustomForm& form);

} // namespace tandrel::test
