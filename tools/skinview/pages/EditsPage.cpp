#include "tools/skinview/pages/ControlsPage.h"
#include "tools/skinview/pages/EditsPage.h"

#include <commctrl.h>

#include <string>

namespace tandrel {

namespace {

TComboBox* Combo(TWinControl& parent, TComponent& owner, int left, int top, TComboBoxStyle style, const std::wstring& text)
{
    auto* combo = Put<TComboBox>(parent, owner, left, top, 150, 24);
    combo->SetStyle(style);
    combo->Items().SetLines({text, L"Second item", L"Third item"});
    combo->SetItemIndex(0);
    return combo;
}

} // namespace

TEditsPage BuildEditsPage(TWinControl& parent, TComponent& owner)
{
    TEditsPage p;
    p.DropDown = Combo(parent, owner, 10, 10, TComboBoxStyle::csDropDown, L"Drop-down");
    p.DropDownList = Combo(parent, owner, 170, 10, TComboBoxStyle::csDropDownList, L"Drop-down list");
    p.Disabled = Combo(parent, owner, 330, 10, TComboBoxStyle::csDropDownList, L"Disabled");
    p.Disabled->SetEnabled(false);
    p.LeftButton = Combo(parent, owner, 10, 45, TComboBoxStyle::csDropDownList, L"Button at the left");
    p.LeftButton->HandleNeeded();
    SetWindowLongW(p.LeftButton->Handle(), GWL_EXSTYLE,
                   GetWindowLongW(p.LeftButton->Handle(), GWL_EXSTYLE) | WS_EX_LEFTSCROLLBAR);
    p.Simple = Combo(parent, owner, 170, 45, TComboBoxStyle::csSimple, L"Simple");
    p.Simple->SetHeight(80);

    p.VertBuddy = Put<TEdit>(parent, owner, 330, 45, 70, 24);
    p.Vert = Put<TUpDown>(parent, owner, 400, 45, 17, 24);
    p.Vert->SetPosition(12);
    p.Vert->SetAssociate(p.VertBuddy);
    p.HorzBuddy = Put<TEdit>(parent, owner, 330, 80, 70, 24);
    p.Horz = Put<TUpDown>(parent, owner, 400, 80, 34, 24);
    p.Horz->SetOrientation(TUDOrientation::udHorizontal);
    p.Horz->SetPosition(3);
    p.Horz->SetAssociate(p.HorzBuddy);

    p.SpinEdit = Put<TEdit>(parent, owner, 10, 140, 150, 24);
    p.SpinEdit->SetTextValue(L"Spin inside");
    RECT client {};
    GetClientRect(p.SpinEdit->Handle(), &client);
    p.InnerSpin = CreateWindowExW(0, UPDOWN_CLASSW, nullptr, WS_CHILD | WS_VISIBLE, client.right - 16, 0, 16,
                                  client.bottom, p.SpinEdit->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);

    p.Bar = Put<TProgressBar>(parent, owner, 10, 180, 200, 18);
    p.Bar->SetSmooth(true);
    p.Bar->SetPosition(50);
    p.Chunks = Put<TProgressBar>(parent, owner, 10, 205, 200, 18);
    p.Chunks->SetPosition(70);
    p.Column = Put<TProgressBar>(parent, owner, 220, 140, 18, 120);
    p.Column->SetOrientation(TProgressBarOrientation::pbVertical);
    p.Column->SetPosition(30);

    p.Track = Put<TTrackBar>(parent, owner, 250, 140, 180, 40);
    p.Track->SetPosition(4);
    p.TrackVert = Put<TTrackBar>(parent, owner, 440, 120, 40, 150);
    p.TrackVert->SetOrientation(TTrackBarOrientation::trVertical);
    p.TrackVert->SetPosition(6);

    SYSTEMTIME day {};
    day.wYear = 2024;
    day.wMonth = 5;
    day.wDay = 17;
    day.wHour = 9;
    p.Calendar = Put<TDateTimePicker>(parent, owner, 10, 235, 150, 24);
    p.Calendar->SetDateTime(day);
    p.Spinner = Put<TDateTimePicker>(parent, owner, 10, 270, 150, 24);
    p.Spinner->SetDateMode(TDTDateMode::dmUpDown);
    p.Spinner->SetDateTime(day);
    return p;
}

} // namespace tandrel
