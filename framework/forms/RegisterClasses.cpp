// The framework's component classes that form definitions can name.

#include "framework/controls/BitBtn.h"
#include "framework/controls/Button.h"
#include "framework/controls/CheckBox.h"
#include "framework/controls/ComboBox.h"
#include "framework/controls/DateTimePicker.h"
#include "framework/controls/Edit.h"
#include "framework/core/FormReader.h"
#include "framework/controls/Image.h"
#include "framework/controls/Label.h"
#include "framework/controls/ListBox.h"
#include "framework/controls/ListView.h"
#include "framework/controls/Panel.h"
#include "framework/controls/ProgressBar.h"
#include "framework/controls/RadioGroup.h"
#include "framework/controls/RichEdit.h"
#include "framework/controls/ScrollBox.h"
#include "framework/forms/Menus.h"
#include "framework/controls/SpeedButton.h"
#include "framework/controls/TrackBar.h"
#include "framework/controls/HeaderControl.h"
#include "framework/controls/PageControl.h"
#include "framework/controls/StatusBar.h"
#include "framework/controls/TabSet.h"
#include "framework/controls/ToolBar.h"
#include "framework/controls/UpDown.h"

namespace tandrel {

void RegisterFrameworkClasses()
{
    RegisterComponentClass<TLabel>("TLabel");
    RegisterComponentClass<TSpeedButton>("TSpeedButton");
    RegisterComponentClass<TButton>("TButton");
    RegisterComponentClass<TBitBtn>("TBitBtn");
    RegisterComponentClass<TEdit>("TEdit");
    RegisterComponentClass<TMemo>("TMemo");
    RegisterComponentClass<TImage>("TImage");
    RegisterComponentClass<TTrackBar>("TTrackBar");
    RegisterComponentClass<TComboBox>("TComboBox");
    RegisterComponentClass<TUpDown>("TUpDown");
    RegisterComponentClass<TProgressBar>("TProgressBar");
    RegisterComponentClass<TDateTimePicker>("TDateTimePicker");
    RegisterComponentClass<TCheckBox>("TCheckBox");
    RegisterComponentClass<TRadioButton>("TRadioButton");
    RegisterComponentClass<TGroupBox>("TGroupBox");
    RegisterComponentClass<TRadioGroup>("TRadioGroup");
    RegisterComponentClass<TPanel>("TPanel");
    RegisterComponentClass<TListBox>("TListBox");
    RegisterComponentClass<TScrollBar>("TScrollBar");
    RegisterComponentClass<TScrollBox>("TScrollBox");
    RegisterComponentClass<TListView>("TListView");
    RegisterComponentClass<TRichEdit>("TRichEdit");
    RegisterComponentClass<TStatusBar>("TStatusBar");
    RegisterComponentClass<TTabControl>("TTabControl");
    RegisterComponentClass<TPageControl>("TPageControl");
    RegisterComponentClass<TTabSheet>("TTabSheet");
    RegisterComponentClass<TTabSet>("TTabSet");
    RegisterComponentClass<THeaderControl>("THeaderControl");
    RegisterComponentClass<TToolBar>("TToolBar");
    RegisterComponentClass<TMenuItem>("TMenuItem");
    RegisterComponentClass<TPopupMenu>("TPopupMenu");
    RegisterComponentClass<TMainMenu>("TMainMenu");
}

} // namespace tandrel
