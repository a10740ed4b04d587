#include "tools/skinview/SampleWindows.h"

#include "framework/controls/Button.h"
#include "framework/controls/CheckBox.h"
#include "framework/controls/ComboBox.h"
#include "framework/controls/Edit.h"
#include "framework/controls/Label.h"
#include "tools/skinview/pages/ControlsPage.h"

#include <windows.h>

namespace tandrel {

namespace {

TMenuItem* AddItem(TComponent& owner, TMenuItem& parent, const wchar_t* caption)
{
    auto* item = new TMenuItem(&owner);
    item->SetCaption(caption);
    parent.Add(item);
    return item;
}

} // namespace

TCustomForm& TSampleWindows::ShowMdiFrame()
{
    if (!m_frame) {
        m_frame = TCustomForm::Create<TSampleForm>(&m_owner);
        m_frame->SetFormStyle(TFormStyle::fsMDIForm);
        m_frame->SetCaption(L"MDI frame");
        m_frame->SetBounds(m_owner.Left() + 60, m_owner.Top() + 60, 560, 380);

        auto* menu = new TMainMenu(m_frame);
        auto* window = new TMenuItem(m_frame);
        window->SetCaption(L"&Window");
        menu->Items().Add(window);
        AddItem(*m_frame, *window, L"&Cascade")->OnClick = [this](TObject*) {
            SendMessageW(m_frame->ClientHandle(), WM_MDICASCADE, 0, 0);
        };
        AddItem(*m_frame, *window, L"&Tile")->OnClick = [this](TObject*) {
            SendMessageW(m_frame->ClientHandle(), WM_MDITILE, MDITILE_VERTICAL, 0);
        };
        m_frame->SetMenu(menu);
        m_frame->Show();

        const wchar_t* const captions[2] = {L"First child", L"Second child"};
        for (int i = 0; i < 2; ++i) {
            auto* child = TCustomForm::Create<TSampleForm>(m_frame);
            child->SetFormStyle(TFormStyle::fsMDIChild);
            child->SetCaption(captions[i]);
            child->SetBounds(10 + i * 260, 10, 250, 200);
            auto* memo = Put<TMemo>(*child, *child, 8, 8, 220, 110);
            memo->Lines().SetLines({L"A document in an MDI child.", L"Its frame and caption buttons",
                                    L"come from the skin."});
            Put<TCheckBox>(*child, *child, 8, 126, 200, 20, L"Keep changes")->SetChecked(i == 0);
            child->Show();
            m_children[i] = child;
        }
    }
    m_frame->Show();
    return *m_frame;
}

TCustomForm& TSampleWindows::ShowDialog()
{
    if (!m_dialog) {
        m_dialog = TCustomForm::Create<TSampleForm>(&m_owner);
        m_dialog->SetBorderStyle(TFormBorderStyle::bsDialog);
        m_dialog->SetCaption(L"Dialog window");
        m_dialog->SetBounds(m_owner.Left() + 120, m_owner.Top() + 120, 340, 190);
        m_dialog->SetClientWidth(340);
        m_dialog->SetClientHeight(170);
        auto* label = new TLabel(m_dialog);
        label->SetParent(m_dialog);
        label->SetBounds(12, 14, 310, 18);
        label->SetCaption(L"Name of the new skin:");
        auto* name = Put<TEdit>(*m_dialog, *m_dialog, 12, 36, 314, 24);
        name->SetTextValue(L"My skin");
        auto* kind = Put<TComboBox>(*m_dialog, *m_dialog, 12, 70, 200, 24);
        kind->SetStyle(TComboBoxStyle::csDropDownList);
        kind->Items().SetLines({L"Light", L"Dark", L"High contrast"});
        kind->SetItemIndex(1);
        Put<TCheckBox>(*m_dialog, *m_dialog, 12, 102, 200, 20, L"Copy the bitmaps")->SetChecked(true);
        auto* ok = Put<TButton>(*m_dialog, *m_dialog, 150, 134, 84, 26, L"OK");
        auto* cancel = Put<TButton>(*m_dialog, *m_dialog, 242, 134, 84, 26, L"Cancel");
        ok->OnClick = [this](TObject*) { m_dialog->Close(); };
        cancel->OnClick = [this](TObject*) { m_dialog->Close(); };
    }
    m_dialog->Show();
    return *m_dialog;
}

void TSampleWindows::ShowMessageBox()
{
    MessageBoxW(m_owner.Handle(), L"This message box is the system's own, drawn with the skin.", MessageBoxCaption,
                MB_OKCANCEL | MB_ICONINFORMATION);
}

} // namespace tandrel
