#include "framework/controls/StatusBar.h"

#include "framework/core/Publisher.h"
#include "framework/graphics/Dpi.h"

#include <commctrl.h>

namespace tandrel {

namespace {

// The system bar aligns a part's text by the tabs in front of it.
std::wstring AlignedText(const TStatusPanel& panel)
{
    switch (panel.Alignment()) {
    case TAlignment::taCenter: return L"\t" + panel.Text();
    case TAlignment::taRightJustify: return L"\t\t" + panel.Text();
    default: return panel.Text();
    }
}

WPARAM DrawFlags(const TStatusPanel& panel)
{
    WPARAM flags = 0;
    if (panel.Bevel() == TStatusPanelBevel::pbNone)
        flags |= SBT_NOBORDERS;
    else if (panel.Bevel() == TStatusPanelBevel::pbRaised)
        flags |= SBT_POPOUT;
    if (panel.BiDiMode() != TBiDiMode::bdLeftToRight)
        flags |= SBT_RTLREADING;
    return flags;
}

} // namespace

void TStatusPanel::SetText(const std::wstring& text)
{
    m_text = text;
    m_owner.UpdatePanel(*this);
}

void TStatusPanel::SetWidth(int width)
{
    m_width = width < 0 ? 0 : width;
    m_owner.UpdateParts();
}

void TStatusPanel::SetBevel(TStatusPanelBevel bevel)
{
    m_bevel = bevel;
    m_owner.UpdatePanel(*this);
}

void TStatusPanel::SetAlignment(TAlignment alignment)
{
    m_alignment = alignment;
    m_owner.UpdatePanel(*this);
}

void TStatusPanel::SetBiDiMode(TBiDiMode mode)
{
    m_biDiMode = mode;
    m_owner.UpdatePanel(*this);
}

const TClassInfo& TStatusBar::StaticClassInfo()
{
    static const TClassInfo info = [] {
        TClassInfo i("TStatusBar", &TWinControl::StaticClassInfo());
        TPublisher<TStatusBar>(i)
            .Boolean("SimplePanel", &TStatusBar::SimplePanel, &TStatusBar::SetSimplePanel)
            .String("SimpleText", &TStatusBar::SimpleText, &TStatusBar::SetSimpleText)
            .Boolean("SizeGrip", &TStatusBar::SizeGrip, &TStatusBar::SetSizeGrip);
        return i;
    }();
    return info;
}

TStatusBar::TStatusBar(TComponent* owner) : TWinControl(owner)
{
    m_controlStyle = csSetCaption | csDoubleClicks;
    SetColor(clBtnFace);
    SetBounds(0, 0, 200, 19);
}

// The window goes first: its parts refer back to the panels.
TStatusBar::~TStatusBar()
{
    Destroying();
    DestroyHandle();
}

void TStatusBar::ChangeScale(int to, int from)
{
    TWinControl::ChangeScale(to, from);
    for (const auto& panel : m_panels)
        panel->SetWidth(ScaleDpi(panel->Width(), to, from));
}

void TStatusBar::CreateParams(TCreateParams& p)
{
    TWinControl::CreateParams(p);
    p.BaseClassName = STATUSCLASSNAMEW;
    p.CommonControlClasses = ICC_BAR_CLASSES;
    p.Caption.clear();
    // The framework places the bar itself; the system must not move it.
    p.Style |= CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NOMOVEY;
    if (m_sizeGrip)
        p.Style |= SBARS_SIZEGRIP;
}

void TStatusBar::InitializeWindow()
{
    TWinControl::InitializeWindow();
    // The parent's client area is known for sure only now.
    SetBounds(0, 0, 0, Height());
    UpdateParts();
}

TStatusPanel& TStatusBar::AddPanel(const std::wstring& text, int width)
{
    m_panels.push_back(std::make_unique<TStatusPanel>(*this, PanelCount()));
    TStatusPanel& panel = *m_panels.back();
    panel.m_text = text;
    panel.m_width = width < 0 ? 0 : width;
    UpdateParts();
    return panel;
}

void TStatusBar::ClearPanels()
{
    m_panels.clear();
    UpdateParts();
}

void TStatusBar::SetSimplePanel(bool simple)
{
    m_simplePanel = simple;
    if (HandleAllocated())
        SendMessageW(m_handle, SB_SIMPLE, simple, 0);
}

void TStatusBar::SetSimpleText(const std::wstring& text)
{
    m_simpleText = text;
    if (HandleAllocated())
        SendMessageW(m_handle, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(m_simpleText.c_str()));
}

void TStatusBar::SetSizeGrip(bool sizeGrip) { SetWindowProperty(m_sizeGrip, sizeGrip); }

void TStatusBar::UpdateParts()
{
    if (!HandleAllocated())
        return;
    // Each part ends where the next begins; the last one reaches the right edge.
    std::vector<int> edges;
    int right = 0;
    for (const auto& panel : m_panels) {
        right += panel->m_width;
        edges.push_back(right);
    }
    if (!edges.empty())
        edges.back() = -1;
    else
        edges.push_back(-1);
    SendMessageW(m_handle, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
    for (const auto& panel : m_panels)
        UpdatePanel(*panel);
    if (m_panels.empty())
        SendMessageW(m_handle, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(L""));
    SendMessageW(m_handle, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(m_simpleText.c_str()));
    SendMessageW(m_handle, SB_SIMPLE, m_simplePanel, 0);
}

void TStatusBar::UpdatePanel(const TStatusPanel& panel)
{
    if (!HandleAllocated())
        return;
    std::wstring const text = AlignedText(panel);
    SendMessageW(m_handle, SB_SETTEXTW, static_cast<WPARAM>(panel.Index()) | DrawFlags(panel),
                 reinterpret_cast<LPARAM>(text.c_str()));
}

void TStatusBar::SetBounds(int left, int top, int width, int height)
{
    if (Parent()) {
        RECT const client = Parent()->ClientRect();
        left = 0;
        width = client.right;
        top = client.bottom - height;
    }
    TWinControl::SetBounds(left, top, width, height);
}

void TStatusBar::SetParent(TWinControl* parent)
{
    TWinControl::SetParent(parent);
    SetBounds(0, 0, 0, Height());
}

void TStatusBar::WndProc(TMessage& m)
{
    if (m.Msg == CM_PARENTSIZED) {
        SetBounds(0, 0, 0, Height());
        return;
    }
    TWinControl::WndProc(m);
}

} // namespace tandrel
