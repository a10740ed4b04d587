#pragma once
// A sample page holding one of every edit-like control kind the skinners of
// combo boxes, spin buttons, progress bars, track bars and date pickers
// take: a page of the skin previewer, and what the dispatch tests and the
// leak cycles use.

#include "framework/controls/ComboBox.h"
#include "framework/controls/DateTimePicker.h"
#include "framework/controls/Edit.h"
#include "framework/controls/ProgressBar.h"
#include "framework/controls/TrackBar.h"
#include "framework/controls/UpDown.h"
#include "framework/forms/Forms.h"

namespace tandrel {

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

// Fills a parent of at least 560 x 300 client pixels (a form, or a page of the
// previewer) with controls that owner owns.
TEditsPage BuildEditsPage(TWinControl& parent, TComponent& owner);
inline TEditsPage BuildEditsPage(TCustomForm& form) { return BuildEditsPage(form, form); }

} // namespace tandrel
