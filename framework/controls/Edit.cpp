#include "framework/controls/Edit.h"

#include "framework/core/Publisher.h"

namespace tandrel {

const TClassInfo& TCustomEdit::StaticClassInfo()
{
    static const TClassInfo info = [] {
        TClassInfo i("TCustomEdit", &TWinControl::StaticClassInfo());
        TPublisher<TCustomEdit>(i)
            .String("Text", &TCustomEdit::Text, &TCustomEdit::SetTextValue)
            .Boolean("ReadOnly", &TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly)
            .Enumeration("BorderStyle", BorderStyleNames(), &TCustomEdit::BorderStyle, &TCustomEdit::SetBorderStyle)
            .Integer("MaxLength", &TCustomEdit::MaxLength, &TCustomEdit::SetMaxLength)
            .Event("OnChange", &TCustomEdit::OnChange);
        return i;
    }();
    return info;
}

TCustomEdit::TCustomEdit(TComponent* owner) : TChangingControl(owner)
{
    m_controlStyle = csCaptureMouse | csSetCaption | csDoubleClicks;
    SetColor(clWindow);
    SetTabStop(true);
    SetBounds(0, 0, 121, 21);
}

void TCustomEdit::CreateParams(TCreateParams& p)
{
    TWinControl::CreateParams(p);
    p.BaseClassName = L"EDIT";
    p.Style |= ES_AUTOHSCROLL | ES_AUTOVSCROLL;
    if (m_readOnly)
        p.Style |= ES_READONLY;
    p.ExStyle |= BorderExStyle(m_borderStyle);
}

void TCustomEdit::InitializeWindow()
{
    TWinControl::InitializeWindow();
    SendMessageW(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(m_maxLength), 0);
}

void TCustomEdit::SetReadOnly(bool readOnly)
{
    m_readOnly = readOnly;
    if (HandleAllocated())
        SendMessageW(Handle(), EM_SETREADONLY, readOnly, 0);
}

void TCustomEdit::SetBorderStyle(TBorderStyle style)
{
    SetWindowProperty(m_borderStyle, style);
}

void TCustomEdit::SetMaxLength(int length)
{
    m_maxLength = length < 0 ? 0 : length;
    if (HandleAllocated())
        SendMessageW(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(m_maxLength), 0);
}

void TCustomEdit::ReflectedCommand(WORD code, WORD)
{
    if (code == EN_CHANGE)
        Change();
}

const TClassInfo& TCustomMemo::StaticClassInfo()
{
    static const TClassInfo info = [] {
        TClassInfo i("TCustomMemo", &TCustomEdit::StaticClassInfo());
        TPublisher<TCustomMemo>(i)
            .Strings("Lines", &TCustomMemo::LinesObject)
            .Enumeration("ScrollBars", ScrollStyleNames(), &TCustomMemo::ScrollBars, &TCustomMemo::SetScrollBars)
            .Boolean("WordWrap", &TCustomMemo::WordWrap, &TCustomMemo::SetWordWrap)
            .Boolean("WantTabs", &TCustomMemo::WantTabs, &TCustomMemo::SetWantTabs);
        return i;
    }();
    return info;
}

TCustomMemo::TCustomMemo(TComponent* owner) : TCustomEdit(owner)
{
    SetBounds(0, 0, 185, 89);
    m_lines.OnChange = [this] {
        if (m_syncing)
            return;
        m_syncing = true;
        // The last line has no line break after it in the window.
        std::wstring text = m_lines.Text();
        if (text.size() >= 2)
            text.resize(text.size() - 2);
        SetText(text);
        m_syncing = false;
    };
}

TStrings& TCustomMemo::Lines()
{
    if (HandleAllocated() && !m_syncing) {
        m_syncing = true;
        m_lines.SetText(GetText());
        m_syncing = false;
    }
    return m_lines;
}

void TCustomMemo::CreateParams(TCreateParams& p)
{
    TCustomEdit::CreateParams(p);
    p.Style |= ES_MULTILINE | ES_WANTRETURN;
    if (m_wordWrap)
        p.Style &= ~ES_AUTOHSCROLL;
    if (m_scrollBars == TScrollStyle::ssVertical || m_scrollBars == TScrollStyle::ssBoth)
        p.Style |= WS_VSCROLL;
    if (m_scrollBars == TScrollStyle::ssHorizontal || m_scrollBars == TScrollStyle::ssBoth)
        p.Style |= WS_HSCROLL;
}

void TCustomMemo::SetScrollBars(TScrollStyle style)
{
    SetWindowProperty(m_scrollBars, style);
}

void TCustomMemo::SetWordWrap(bool wordWrap)
{
    SetWindowProperty(m_wordWrap, wordWrap);
}

void TCustomMemo::WndProc(TMessage& m)
{
    if (m.Msg == WM_GETDLGCODE) {
        TCustomEdit::WndProc(m);
        // Tab leaves the memo unless it wants tabs.
        if (m_wantTabs)
            m.Result |= DLGC_WANTTAB;
        else
            m.Result &= ~DLGC_WANTTAB;
        return;
    }
    TCustomEdit::WndProc(m);
}

} // namespace tandrel
