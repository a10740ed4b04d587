#include "tools/skinview/pages/ControlsPage.h"

#include <string>

namespace tandrel {

TControlsPage BuildControlsPage(TWinControl& parent, TComponent& owner)
{
    TControlsPage p;
    p.Button = Put<TButton>(parent, owner, 10, 10, 100, 25, L"Push");
    p.Disabled = Put<TButton>(parent, owner, 120, 10, 100, 25, L"Disabled");
    p.Disabled->SetEnabled(false);
    p.BitBtn = Put<TBitBtn>(parent, owner, 230, 10, 100, 25, L"Close");
    p.BitBtn->SetKind(TBitBtnKind::bkClose);
    p.Speed = Put<TSpeedButton>(parent, owner, 340, 10, 60, 25, L"Speed");
    p.Down = Put<TSpeedButton>(parent, owner, 410, 10, 60, 25, L"Down");
    p.Down->SetGroupIndex(1);
    p.Down->SetDown(true);

    p.Check = Put<TCheckBox>(parent, owner, 10, 45, 100, 20, L"Checked");
    p.Check->SetChecked(true);
    p.Grayed = Put<TCheckBox>(parent, owner, 120, 45, 100, 20, L"Third state");
    p.Grayed->SetAllowGrayed(true);
    p.Grayed->SetState(TCheckBoxState::cbGrayed);
    p.Radio = Put<TRadioButton>(parent, owner, 230, 45, 100, 20, L"Radio");
    p.Radio->SetChecked(true);

    p.Group = Put<TRadioGroup>(parent, owner, 10, 75, 150, 90, L"Radio group");
    p.Group->Items().Add(L"One");
    p.Group->Items().Add(L"Two");
    p.Group->SetItemIndex(1);
    p.Box = Put<TGroupBox>(parent, owner, 170, 75, 150, 90, L"Group box");
    p.InBox = Put<TCheckBox>(*p.Box, owner, 10, 25, 120, 20, L"In the box");
    p.Panel = Put<TPanel>(parent, owner, 330, 75, 150, 90, L"");
    p.PanelOwned = Put<TButton>(*p.Panel, *p.Panel, 10, 10, 100, 25, L"Panel's own");
    p.FormOwned = Put<TButton>(*p.Panel, owner, 10, 50, 100, 25, L"On the panel");

    p.Bar = Put<TScrollBar>(parent, owner, 490, 10, 140, 17);
    p.Bar->SetParams(30, 0, 99);
    p.Bar->SetPageSize(10);
    p.List = Put<TListBox>(parent, owner, 490, 40, 140, 125);
    for (int i = 1; i <= 20; ++i)
        p.List->Items().Add(L"List item " + std::to_wstring(i));

    p.Memo = Put<TMemo>(parent, owner, 10, 175, 200, 110);
    p.Memo->SetScrollBars(TScrollStyle::ssBoth);
    for (int i = 1; i <= 40; ++i)
        p.Memo->Lines().Add(L"Memo line " + std::to_wstring(i) + L", long enough to scroll sideways as well");
    p.Rich = Put<TRichEdit>(parent, owner, 220, 175, 200, 110);
    p.Rich->SetScrollBars(TScrollStyle::ssVertical);
    for (int i = 1; i <= 40; ++i)
        p.Rich->Lines().Add(L"Rich edit line " + std::to_wstring(i));
    p.View = Put<TListView>(parent, owner, 430, 175, 200, 110);
    p.View->SetViewStyle(TViewStyle::vsReport);
    p.View->AddColumn(L"Name", 90);
    p.View->AddColumn(L"Value", 90);
    for (int i = 1; i <= 20; ++i)
        p.View->AddItem(L"Row " + std::to_wstring(i)).SubItems().Add(std::to_wstring(i * i));

    p.ScrollBox = Put<TScrollBox>(parent, owner, 10, 295, 200, 110);
    for (int i = 0; i < 4; ++i)
        Put<TButton>(*p.ScrollBox, owner, 10, 10 + i * 60, 260, 25, L"In the scroll box " + std::to_wstring(i + 1));
    return p;
}

} // namespace tandrel
