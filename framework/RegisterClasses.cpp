// The framework's component classes that form definitions can name.

#include "BitBtn.h"
#include "Button.h"
#include "Edit.h"
#include "FormReader.h"
#include "Image.h"
#include "Label.h"
#include "Menus.h"
#include "SpeedButton.h"
#include "TrackBar.h"

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
    RegisterComponentClass<TMenuItem>("TMenuItem");
    RegisterComponentClass<TPopupMenu>("TPopupMenu");
    RegisterComponentClass<TMainMenu>("TMainMenu");
}

} // namespace tandrel
