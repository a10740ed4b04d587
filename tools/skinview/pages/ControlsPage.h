#pragma once
// A sample page holding one of every control kind the skinners of buttons,
// boxes and scroll bars take, with captions and content: a page of the skin
// previewer, and what the dispatch tests and the leak cycles use.

#include "framework/controls/BitBtn.h"
#include "framework/controls/Button.h"
#include "framework/controls/CheckBox.h"
#include "framework/controls/Edit.h"
#include "framework/controls/GroupBox.h"
#include "framework/controls/ListBox.h"
#include "framework/controls/ListView.h"
#include "framework/controls/Panel.h"
#include "framework/controls/RadioButton.h"
#include "framework/controls/RadioGroup.h"
#include "framework/controls/RichEdit.h"
#include "framework/controls/ScrollBar.h"
#include "framework/controls/ScrollBox.h"
#include "framework/controls/SpeedButton.h"
#include "framework/forms/Forms.h"

#include <string>

namespace tandrel {

struct TControlsPage {
    TButton* Button = nullptr;
    TButton* Disabled = nullptr;
    TBitBtn* BitBtn = nullptr;
    TSpeedButton* Speed = nullptr;
    TSpeedButton* Down = nullptr;
    TCheckBox* Check = nullptr;
    TCheckBox* Grayed = nullptr;
    TRadioButton* Radio = nullptr;
    TRadioGroup* Group = nullptr;
    TGroupBox* Box = nullptr;
    TCheckBox* InBox = nullptr;
    TPanel* Panel = nullptr;
    TButton* PanelOwned = nullptr; // owned by the panel
    TButton* FormOwned = nullptr;  // owned by the form, placed on the panel
    TScrollBar* Bar = nullptr;
    TListBox* List = nullptr;
    TListView* View = nullptr;
    TMemo* Memo = nullptr;
    TRichEdit* Rich = nullptr;
    TScrollBox* ScrollBox = nullptr;
};

// A control owned by owner, placed on parent, with a caption when one is given.
template <class T>
T* Put(TWinControl& parent, TComponent& owner, int left, int top, int width, int height,
       const std::wstring& caption = {})
{
    auto* control = new T(&owner);
    control->SetParent(&parent);
    control->SetBounds(left, top, width, height);
    if (!caption.empty())
        control->SetCaption(caption);
    return control;
}

// Fills a parent of at least 640 x 420 client pixels (a form, or a page of the
// previewer) with controls that owner owns.
TControlsPage BuildControlsPage(TWinControl& parent, TComponent& owner);
inline TControlsPage BuildControlsPage(TCustomForm& form) { return BuildControlsPage(form, form); }

} // namespace tandrel
