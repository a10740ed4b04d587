// Which control of a skinned window gets which control skinner: the
// component dispatch over a framework form's components, the mapping of
// other libraries' classes named in Skin3rd, and the child-window dispatch
// of dialogs and message boxes by window class.

#include "framework/controls/BitBtn.h"
#include "framework/controls/Button.h"
#include "framework/controls/CheckBox.h"
#include "framework/controls/ComboBox.h"
#include "framework/controls/DateTimePicker.h"
#include "framework/controls/Edit.h"
#include "framework/controls/GroupBox.h"
#include "framework/controls/Label.h"
#include "framework/controls/PageControl.h"
#include "framework/controls/ListBox.h"
#include "framework/controls/ListView.h"
#include "framework/controls/Panel.h"
#include "framework/controls/ProgressBar.h"
#include "framework/controls/RadioButton.h"
#include "framework/controls/RadioGroup.h"
#include "framework/controls/ScrollBar.h"
#include "framework/controls/ScrollBox.h"
#include "framework/controls/SpeedButton.h"
#include "framework/controls/StatusBar.h"
#include "framework/controls/TabSet.h"
#include "framework/controls/ToolBar.h"
#include "framework/controls/WindowText.h"
#include "framework/core/SysUtils.h"
#include "framework/core/Strings.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinComBox.h"
#include "skin/controls/SkinDispatch.h"
#include "skin/controls/SkinEdit.h"
#include "skin/controls/SkinProgress.h"
#include "skin/controls/SkinScrollBar.h"
#include "skin/controls/SkinSizer.h"
#include "skin/controls/SkinStatusBar.h"
#include "skin/controls/SkinTab.h"
#include "skin/controls/SkinTrackBar.h"
#include "skin/controls/SkinUpDown.h"

#include <commctrl.h>

#include <algorithm>

namespace tandrel {

namespace {

template <class T>
bool Is(const TComponent* c)
{
    return dynamic_cast<const T*>(c) != nullptr;
}

bool IsOneOf(const std::string& name, std::initializer_list<const char*> names)
{
    return std::any_of(names.begin(), names.end(), [&](const char* n) { return name == n; });
}

bool IsPanel(const TComponent* c) { return Is<TCustomPanel>(c); }

// Tab controls of the second kind: framework controls built straight on the
// system's tab control without being one of the framework's tab controls
// (those are the first kind).
bool IsBareTabControl(const TComponent* c)
{
    auto* windowed = dynamic_cast<const TWinControl*>(c);
    return windowed && !Is<TCustomTabControl>(c) && windowed->BuiltOn(WC_TABCONTROLW);
}

// A windowed control that is no form but owns components of its own.
bool IsFrame(TComponent* c)
{
    return Is<TWinControl>(c) && !Is<TCustomForm>(c) && c->ComponentCount() > 0;
}

} // namespace

TSkinDispatch::TSkinDispatch(TComponent& owner, TSkinDispatchHost& host) : m_owner(owner), m_host(host) {}

TSkinControl* TSkinDispatch::FindSkinner(HWND handle) const { return m_host.Skinners().Find(handle); }

bool TSkinDispatch::RegisterSkinner(TSkinControl* skinner) { return skinner && m_host.Skinners().Register(*skinner); }

template <class T>
T& TSkinDispatch::NewSkinner()
{
    // The list owns it from the start; attaching only finds it there.
    return m_host.Skinners().Add(std::make_unique<T>(&m_owner));
}

template <class T>
void TSkinDispatch::AttachSkinner(TWinControl* control, bool setColour)
{
    NewSkinner<T>().Attach(control, m_host.SkinData(), &m_host.Skinners().Canvas(), setColour);
}

void TSkinDispatch::AttachScrollSkinner(TWinControl* control, bool ownThumbDrag)
{
    NewSkinner<TSkinScrollBar>().AttachScroll(control, m_host.SkinData(), &m_host.Skinners().Canvas(), ownThumbDrag);
}

template <class T>
void TSkinDispatch::AttachHandleSkinner(HWND window)
{
    NewSkinner<T>().AttachHandle(window, m_host.SkinData(), &m_host.Skinners().Canvas());
}

void TSkinDispatch::SetEnumProperty(TComponent* component, const std::string& propertyName,
                                   const std::string& valueName)
{
    if (!component)
        return;
    const TPropertyInfo* p = component->ClassInfo().FindProperty(propertyName);
    if (!p || !p->SetOrdinal)
        return;
    if (p->Kind == TPropertyKind::Boolean) {
        std::string const value = LowerCase(valueName);
        if (value == "true" || value == "false")
            p->SetOrdinal(*component, value == "true" ? 1 : 0);
    } else if (p->Kind == TPropertyKind::Enumeration && p->Enum) {
        int const value = p->Enum->ValueOf(valueName);
        if (value >= 0)
            p->SetOrdinal(*component, value);
    }
}

bool TSkinDispatch::IsAlreadySkinned(TComponent* component) const
{
    auto* windowed = dynamic_cast<TWinControl*>(component);
    for (const auto& skinner : m_host.Skinners().Items()) {
        if (skinner->GraphicControl()) {
            if (skinner->GraphicControl() == component)
                return true;
            continue;
        }
        if (!windowed)
            continue;
        if (windowed->HandleAllocated()) {
            if (windowed->Handle() == skinner->Handle())
                return true;
            continue;
        }
        // Print previews make their controls late; they are left alone.
        std::string const name = m_host.Form() ? m_host.Form()->Name() : std::string();
        return LowerCase(name).find("preview") != std::string::npos ||
               IsOneOf(name, {"TQRStandardPreview", "TppPrintPreview", "TdxfmStdPreview"});
    }
    return false;
}

bool TSkinDispatch::HasOwnScrollBars(TComponent* component) const
{
    auto* control = dynamic_cast<TWinControl*>(component);
    if (!control)
        return false;
    LONG const style = GetWindowLongW(control->Handle(), GWL_STYLE);
    return (style & (WS_HSCROLL | WS_VSCROLL)) != 0 || Is<TCustomListBox>(control) || Is<TCustomMemo>(control) ||
           control->Tag() == tgOwnScrollBars || Is<TScrollingWinControl>(control) || Is<TCustomListView>(control);
}

void TSkinDispatch::SkinComponents(TWinControl* container)
{
    if (!container || !m_host.SkinData())
        return;
    int const count = container->ComponentCount();
    for (int i = 0; i < count && i < container->ComponentCount(); ++i)
        SkinComponent(container, container->Components(i));
}

void TSkinDispatch::SkinComponent(TWinControl* container, TComponent* c)
{
    TSkinData& skin = *m_host.SkinData();
    std::string const u = UpperCase(c->ClassName());
    int const t = c->Tag() % 100;
    if (t == skin.DisableTag() || IsAlreadySkinned(c))
        return;
    auto* windowed = dynamic_cast<TWinControl*>(c);
    if (windowed) {
        try {
            windowed->HandleNeeded();
        } catch (...) {
            return; // no window, nothing to skin
        }
    }
    auto* control = dynamic_cast<TControl*>(c);

    if (skin.OnSkinControl && control) {
        TComponent* skinned = nullptr;
        skin.OnSkinControl(&m_owner, &skin, container, control, u, skinned);
        if (auto* skinner = dynamic_cast<TSkinControl*>(skinned)) {
            if (RegisterSkinner(skinner))
                return;
            skinner->Attach(windowed, &skin, &m_host.Skinners().Canvas(), skinner->SetColour());
            if (IsPanel(c))
                SkinComponents(windowed);
            return;
        }
    }
    SkinByRules(c, u, t);
}

void TSkinDispatch::SkinByRules(TComponent* c, const std::string& u, int t)
{
    TSkinData& skin = *m_host.SkinData();
    auto* windowed = dynamic_cast<TWinControl*>(c);
    auto const skins = [&](TSkinControlType type) { return skin.Skins(type); };

    if (IsOneOf(u, {"TDBCOMBOBOXEH", "TQRPREVIEW", "TFRDESIGNERPAGE", "TFRPBOX"}))
        return;
    if (u == "TTOOLBAR") {
        // Its flat look shows the face colour; it needs no skinner.
        SetEnumProperty(c, "Flat", "True");
        if (auto* control = dynamic_cast<TControl*>(c)) {
            Colours().GiveFace(*control, skin, TFaceChoice::fcAlways);
            Colours().GiveText(*control, skin);
        }
        return;
    }
    // Pages show the face whether or not the tabs are skinned: what stands
    // on them is written for it.
    if (auto* tabs = dynamic_cast<TCustomTabControl*>(c))
        GivePages(*tabs);
    bool const tabs = skins(xcTab) && skin.Tabs;
    if (Is<TCustomTabControl>(c) && tabs) {
        AttachHandleSkinner<TSkinTab>(windowed->Handle());
        return;
    }
    if (auto* control = dynamic_cast<TControl*>(c)) {
        if (std::string const kind = Skin3rdKind(c->ClassName()); !kind.empty()) {
            SkinThirdPartyKind(kind, control);
            return;
        }
    }
    if (u == "TTABSET" && windowed && tabs) {
        AttachSkinner<TSkinTab31>(windowed, false);
        return;
    }
    if (u == "TTABBEDNOTEBOOK" && windowed && tabs) {
        AttachHandleSkinner<TSkinTab>(windowed->Handle());
        return;
    }
    if (u == "TMVCPANEL" && windowed) {
        SkinComponents(windowed);
        return;
    }
    if (IsBareTabControl(c) && tabs) {
        AttachHandleSkinner<TSkinTab>(windowed->Handle());
        return;
    }
    if (SkinBoxesAndChoices(c, u))
        return;
    if (Is<TToolBar>(c) && skins(xcToolbar)) {
        SetEnumProperty(c, "Flat", "True");
        AttachSkinner<TSkinBox>(windowed, true);
        return;
    }
    if (auto* bar = dynamic_cast<TStatusBar*>(c); bar && skins(xcStatusBar)) {
        bar->SetSizeGrip(false);
        AttachSkinner<TSkinStatusBar>(windowed, false);
        return;
    }
    if (SkinEditFamily(c, u, t))
        return;
    if (Is<TBitBtn>(c) && skins(xcBitBtn)) {
        AttachSkinner<TSkinBitButton>(windowed, false);
        return;
    }
    if (auto* speed = dynamic_cast<TSpeedButton*>(c); speed && skins(xcSpeedButton)) {
        NewSkinner<TSkinSpeedButton>().AttachGraphic(speed, &skin, &m_host.Skinners().Canvas());
        return;
    }
    if (IsPanel(c) && skins(xcPanel)) {
        AttachSkinner<TSkinBox>(windowed, true);
        SkinComponents(windowed);
        return;
    }
    if (SkinScrolling(c, u, t))
        return;
    if (Is<TButton>(c) && skins(xcButton)) {
        AttachSkinner<TSkinButton>(windowed, false);
        return;
    }
    if ((Is<TCustomEdit>(c) || (windowed && t == tgEdit)) && skins(xcEdit)) {
        AttachHandleSkinner<TSkinEdit>(windowed->Handle());
        return;
    }
    if (auto* label = dynamic_cast<TLabel*>(c)) {
        // A label on the face writes its caption over it.
        if (label->Transparent() || label->ParentColor())
            Colours().GiveText(*label, skin);
        return;
    }
    if (IsFrame(c)) {
        SkinComponents(windowed);
        return;
    }
    if (auto* form = dynamic_cast<TCustomForm*>(c)) {
        form->SetColor(skin.ButtonFaceColour);
        SkinComponents(form);
    }
}

TSkinCaptionColours& TSkinDispatch::Colours() { return m_host.Skinners().CaptionColours(); }

void TSkinDispatch::GivePages(TCustomTabControl& tabs)
{
    TSkinData& skin = *m_host.SkinData();
    Colours().GiveFace(tabs, skin);
    if (auto* pages = dynamic_cast<TPageControl*>(&tabs))
        for (int i = 0; i < pages->PageCount(); ++i)
            Colours().GiveFace(*pages->Pages(i), skin);
}

// Check boxes, radio buttons and the boxes that group them, and the
// stand-alone scroll bar.
bool TSkinDispatch::SkinBoxesAndChoices(TComponent* c, const std::string& u)
{
    TSkinData& skin = *m_host.SkinData();
    auto* windowed = dynamic_cast<TWinControl*>(c);
    if (!windowed)
        return false;
    if (Is<TCustomCheckBox>(c) && skin.Skins(xcCheckBox)) {
        AttachSkinner<TSkinCheckBox>(windowed, true);
        return true;
    }
    if (u == "TTRACKBAR" && skin.Skins(xcButton)) {
        AttachSkinner<TSkinTrackBar>(windowed, false);
        return true;
    }
    if (u == "TUPDOWN" && skin.Skins(xcButton)) {
        AttachSkinner<TSkinUpDown>(windowed, false);
        return true;
    }
    if (Is<TCustomRadioGroup>(c) && skin.Skins(xcRadioButton)) {
        SkinGroupChildren<TSkinRadioButton>(windowed);
        return true;
    }
    if (u == "TDBNAVIGATOR" && skin.Skins(xcPanel)) {
        SetEnumProperty(c, "Flat", "True");
        AttachSkinner<TSkinBox>(windowed, true);
        return true;
    }
    if (Is<TCustomGroupBox>(c) && skin.Skins(xcPanel)) {
        for (int i = 0; i < windowed->ControlCount(); ++i)
            windowed->Controls(i)->SetParentColor(false);
        AttachSkinner<TSkinBox>(windowed, true);
        SkinComponents(windowed);
        return true;
    }
    if (Is<TRadioButton>(c) && skin.Skins(xcRadioButton)) {
        AttachSkinner<TSkinRadioButton>(windowed, true);
        return true;
    }
    if (Is<TScrollBar>(c) && skin.Skins(xcScrollbar)) {
        AttachSkinner<TSkinScControl>(windowed, false);
        return true;
    }
    return false;
}

// Progress bars, combo boxes and date pickers: edit-like controls that
// come before the buttons, panels and scrolling controls.
bool TSkinDispatch::SkinEditFamily(TComponent* c, const std::string& u, int t)
{
    TSkinData& skin = *m_host.SkinData();
    auto* windowed = dynamic_cast<TWinControl*>(c);
    if (!windowed)
        return false;
    if (Is<TProgressBar>(c) && skin.Skins(xcProgress)) {
        AttachSkinner<TSkinProgress>(windowed, false);
        return true;
    }
    if ((Is<TCustomComboBox>(c) || t == tgComboBox) && skin.Skins(xcCombo)) {
        AttachSkinner<TSkinComBox>(windowed, false);
        return true;
    }
    if (u == "TDATETIMEPICKER" && skin.Skins(xcEdit)) {
        // A picker that spins its date looks like an edit; one that drops
        // a calendar down, like a combo box.
        auto* picker = dynamic_cast<TDateTimePicker*>(c);
        if (picker && picker->DateMode() == TDTDateMode::dmUpDown)
            AttachSkinner<TSkinEdit>(windowed, false);
        else
            AttachSkinner<TSkinComBox>(windowed, false);
        return true;
    }
    return false;
}

// Each child of a group gets the skinner of its kind, then the group its box.
template <class T>
void TSkinDispatch::SkinGroupChildren(TWinControl* group)
{
    for (int i = 0; i < group->ControlCount(); ++i)
        if (auto* child = dynamic_cast<TWinControl*>(group->Controls(i))) {
            child->SetParentColor(false);
            AttachSkinner<T>(child, true);
        }
    AttachSkinner<TSkinBox>(group, true);
}

// Controls with scroll bars of their own.
bool TSkinDispatch::SkinScrolling(TComponent* c, const std::string& u, int t)
{
    if (!m_host.SkinData()->Skins(xcScrollbar))
        return false;
    auto* windowed = dynamic_cast<TWinControl*>(c);
    if (!windowed)
        return false;
    if (u == "TRICHEDIT" || IsOneOf(u, {"TWWDBRICHEDIT", "TDXDBMEMO"})) {
        AttachScrollSkinner(windowed, true);
        return true;
    }
    if (IsOneOf(u, {"TDXTREELIST", "TDXDBTREELIST", "TDXDBGRID"})) {
        AttachScrollSkinner(windowed, false);
        return true;
    }
    if (Is<TCustomListView>(c)) {
        AttachSkinner<TSkinListView>(windowed, false);
        return true;
    }
    if (Is<TCustomMemo>(c) || t == tgScrollBars || HasOwnScrollBars(c)) {
        AttachScrollSkinner(windowed, true);
        return true;
    }
    return false;
}

std::string TSkinDispatch::Skin3rdKind(const std::string& className) const
{
    std::string const key = LowerCase(className) + "=";
    TStrings& rows = m_host.SkinData()->Skin3rd();
    for (int i = 0; i < rows.Count(); ++i) {
        std::string const row = LowerCase(WideToUtf8(rows.Strings(i)));
        if (row.compare(0, key.size(), key) != 0)
            continue;
        return row.substr(row.find('=') + 1, 50);
    }
    return {};
}

bool TSkinDispatch::SkinThirdParty(const std::string& className, TControl* control)
{
    std::string const kind = Skin3rdKind(className);
    if (kind.empty())
        return false;
    SkinThirdPartyKind(kind, control);
    return true;
}

void TSkinDispatch::SkinThirdPartyKind(const std::string& kind, TControl* control)
{
    TSkinData& skin = *m_host.SkinData();
    auto* windowed = dynamic_cast<TWinControl*>(control);
    if (!windowed)
        return;
    if (kind == "combobox" && skin.Skins(xcCombo)) {
        AttachSkinner<TSkinComBox>(windowed, false);
    } else if (kind == "edit" && skin.Skins(xcEdit)) {
        AttachHandleSkinner<TSkinEdit>(windowed->Handle());
    } else if (kind == "radiobutton" && skin.Skins(xcRadioButton)) {
        AttachSkinner<TSkinRadioButton>(windowed, true);
    } else if (kind == "panel" && skin.Skins(xcPanel)) {
        SetEnumProperty(control, "Transparent", "True");
        AttachSkinner<TSkinBox>(windowed, true);
    } else if (kind == "trackbar" && skin.Skins(xcButton)) {
        SetEnumProperty(control, "Transparent", "True");
        AttachSkinner<TSkinTrackBar>(windowed, false);
    } else if (kind == "button" && skin.Skins(xcButton)) {
        AttachSkinner<TSkinButton>(windowed, false);
    } else if (kind == "progress" && skin.Skins(xcProgress)) {
        AttachSkinner<TSkinProgress>(windowed, false);
    } else if (kind == "radiogroup" && skin.Skins(xcPanel)) {
        if (skin.Skins(xcRadioButton))
            SkinGroupChildren<TSkinRadioButton>(windowed);
    } else if (kind == "checkgroup" && skin.Skins(xcPanel)) {
        if (skin.Skins(xcCheckBox))
            SkinGroupChildren<TSkinCheckBox>(windowed);
    } else if (kind == "checkbox" && skin.Skins(xcCheckBox)) {
        AttachSkinner<TSkinCheckBox>(windowed, true);
    } else if (kind == "scrollbar" && skin.Skins(xcScrollbar)) {
        AttachScrollSkinner(windowed, true);
    } else if (kind == "tab" && skin.Skins(xcTab) && skin.Tabs) {
        AttachHandleSkinner<TSkinTab>(windowed->Handle());
    }
}

void TSkinDispatch::SkinChildWindows()
{
    for (HWND child = GetWindow(m_host.Handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (GetWindowLongW(child, GWL_STYLE) & WS_CHILD)
            SkinChildWindow(child);
}

void TSkinDispatch::SkinChildWindow(HWND handle)
{
    if (!handle || FindSkinner(handle))
        return;
    std::string const cls = LowerCase(WindowClassName(handle));
    LONG const style = GetWindowLongW(handle, GWL_STYLE);
    if (cls == "button") {
        switch (style & 15) {
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_3STATE:
        case BS_AUTO3STATE: AttachHandleSkinner<TSkinCheckBox>(handle); break;
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON: AttachHandleSkinner<TSkinRadioButton>(handle); break;
        case BS_PUSHBUTTON:
        case BS_DEFPUSHBUTTON:
        case BS_USERBUTTON: AttachHandleSkinner<TSkinButton>(handle); break;
        // Group boxes, owner-drawn and other buttons keep their own look.
        default: break;
        }
    } else if (cls == "combobox") {
        // A simple combo box has no button to skin.
        if ((style & 3) != CBS_SIMPLE)
            AttachHandleSkinner<TSkinComBox>(handle);
    } else if (cls == "comboboxex32") {
        // The extended combo box draws through the plain combo box inside it.
        HWND const inner = GetWindow(handle, GW_CHILD);
        if (inner && !FindSkinner(inner))
            AttachHandleSkinner<TSkinComBox>(inner);
    } else if (cls == "scrollbar") {
        AttachHandleSkinner<TSkinSizer>(handle);
    } else if (cls == "systabcontrol32") {
        // Owner-drawn tabs draw themselves.
        if (!(style & TCS_OWNERDRAWFIXED))
            AttachHandleSkinner<TSkinTab>(handle);
    } else if (cls == "edit") {
        AttachHandleSkinner<TSkinEdit>(handle);
    }
}

} // namespace tandrel
