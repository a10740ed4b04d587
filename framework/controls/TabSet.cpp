#include "framework/controls/TabSet.h"

#include "framework/core/Publisher.h"
#include "framework/graphics/GdiObjects.h"

#include <commctrl.h>

#include <algorithm>

namespace tandrel {

namespace {
constexpr int kSlant = 4; // how far each side of a tab leans in
}

TTabSetScroller::TTabSetScroller(TTabSet& tabSet) : TWinControl(&tabSet), m_tabSet(tabSet)
{
    SetVisible(false);
    SetBounds(0, 0, TTabSet::kScrollerWidth, 18);
    SetParent(&tabSet);
}

void TTabSetScroller::CreateParams(TCreateParams& p)
{
    TWinControl::CreateParams(p);
    p.BaseClassName = UPDOWN_CLASSW;
    p.CommonControlClasses = ICC_UPDOWN_CLASS;
    p.Caption.clear();
    p.Style |= UDS_HORZ;
}

void TTabSetScroller::InitializeWindow()
{
    TWinControl::InitializeWindow();
    SetRange(m_count, m_position);
}

void TTabSetScroller::SetRange(int count, int position)
{
    m_count = count;
    m_position = position;
    if (!HandleAllocated())
        return;
    SendMessageW(m_handle, UDM_SETRANGE32, 0, std::max(0, count - 1));
    SendMessageW(m_handle, UDM_SETPOS32, 0, position);
}

void TTabSetScroller::WndProc(TMessage& m)
{
    // The arrows report to the tab set's window, which hands it back here.
    if (m.Msg == CN_HSCROLL) {
        if (LOWORD(m.WParam) == SB_THUMBPOSITION)
            m_tabSet.SetFirstIndex(static_cast<int>(SendMessageW(m_handle, UDM_GETPOS32, 0, 0)));
        m.Result = 0;
        return;
    }
    TWinControl::WndProc(m);
}

const TClassInfo& TTabSet::StaticClassInfo()
{
    static const TClassInfo info = [] {
        TClassInfo i("TTabSet", &TWinControl::StaticClassInfo());
        TPublisher<TTabSet>(i)
            .Strings("Tabs", &TTabSet::TabsObject)
            .Integer("TabIndex", &TTabSet::TabIndex, &TTabSet::SetTabIndex)
            .Integer("StartMargin", &TTabSet::StartMargin, &TTabSet::SetStartMargin)
            .Integer("EndMargin", &TTabSet::EndMargin, &TTabSet::SetEndMargin)
            .Integer("FirstIndex", &TTabSet::FirstIndex, &TTabSet::SetFirstIndex)
            .Event("OnChange", &TTabSet::OnChange);
        return i;
    }();
    return info;
}

TTabSet::TTabSet(TComponent* owner) : TCustomControl(owner)
{
    m_controlStyle = csCaptureMouse | csDoubleClicks | csOpaque;
    // The arrows come first among the owned components.
    m_scroller = new TTabSetScroller(*this);
    SetColor(clBtnFace);
    SetBounds(0, 0, 185, 21);
    Canvas().Font().Assign(Font());
    m_tabs.OnChange = [this] {
        if (m_tabIndex >= m_tabs.Count())
            m_tabIndex = m_tabs.Count() - 1;
        if (m_firstIndex >= m_tabs.Count())
            m_firstIndex = std::max(0, m_tabs.Count() - 1);
        UpdateScroller();
        Invalidate();
    };
}

TTabSet::~TTabSet()
{
    Destroying();
    m_tabs.OnChange = nullptr;
}

void TTabSet::CreateParams(TCreateParams& p)
{
    TCustomControl::CreateParams(p);
    p.Style |= WS_CLIPCHILDREN;
}

void TTabSet::SetTabIndex(int index)
{
    if (index < -1 || index >= m_tabs.Count())
        index = -1;
    if (index == m_tabIndex)
        return;
    m_tabIndex = index;
    Invalidate();
}

void TTabSet::SetStartMargin(int margin)
{
    m_startMargin = std::max(0, margin);
    UpdateScroller();
    Invalidate();
}

void TTabSet::SetEndMargin(int margin)
{
    m_endMargin = std::max(0, margin);
    UpdateScroller();
    Invalidate();
}

void TTabSet::SetFirstIndex(int index)
{
    index = std::clamp(index, 0, std::max(0, m_tabs.Count() - 1));
    if (index == m_firstIndex)
        return;
    m_firstIndex = index;
    UpdateScroller();
    Invalidate();
}

int TTabSet::TabWidth(int index)
{
    if (index < 0 || index >= m_tabs.Count())
        return 0;
    HDC const screen = GetDC(nullptr);
    SIZE size {};
    {
        TSelectObject const font(screen, Canvas().Font().Handle());
        const std::wstring& text = m_tabs.Strings(index);
        GetTextExtentPoint32W(screen, text.c_str(), static_cast<int>(text.size()), &size);
    }
    ReleaseDC(nullptr, screen);
    return size.cx + 9;
}

int TTabSet::TabLimit()
{
    return Width() - m_endMargin - (m_scroller->Visible() ? kScrollerWidth : 0);
}

bool TTabSet::Overflows()
{
    int x = m_startMargin;
    for (int i = 0; i < m_tabs.Count(); ++i)
        x += TabWidth(i);
    return m_firstIndex > 0 || x > Width() - m_endMargin;
}

RECT TTabSet::TabRect(int index)
{
    if (index < m_firstIndex || index >= m_tabs.Count())
        return {};
    int x = m_startMargin;
    int const limit = TabLimit();
    for (int i = m_firstIndex; i < index; ++i)
        x += TabWidth(i);
    int const w = TabWidth(index);
    if (x + w > limit)
        return {};
    return {x, 0, x + w, Height() - 1};
}

int TTabSet::TabAt(POINT p)
{
    for (int i = m_firstIndex; i < m_tabs.Count(); ++i) {
        RECT const r = TabRect(i);
        if (PtInRect(&r, p))
            return i;
    }
    return -1;
}

void TTabSet::UpdateScroller()
{
    bool const overflow = Overflows();
    m_scroller->SetBounds(Width() - kScrollerWidth, 1, kScrollerWidth, std::min(18, std::max(1, Height() - 2)));
    m_scroller->SetRange(m_tabs.Count(), m_firstIndex);
    m_scroller->SetVisible(overflow);
}

void TTabSet::Paint()
{
    TCanvas& canvas = Canvas();
    RECT const client = ClientRect();
    canvas.Brush().SetColor(Color());
    canvas.FillRect(client);
    // The line the tabs hang from.
    canvas.Pen().SetColor(clBtnShadow);
    canvas.MoveTo(0, 0);
    canvas.LineTo(client.right, 0);
    for (int i = m_firstIndex; i < m_tabs.Count(); ++i) {
        RECT const r = TabRect(i);
        if (IsRectEmpty(&r))
            continue;
        bool const selected = i == m_tabIndex;
        canvas.Brush().SetColor(selected ? clWindow : Color());
        canvas.Pen().SetColor(clWindowText);
        int const top = selected ? 0 : 1;
        canvas.Polygon({{r.left, top}, {r.right, top}, {r.right - kSlant, r.bottom}, {r.left + kSlant, r.bottom}});
        if (selected) {
            // The selected tab is open to the page above it.
            canvas.Pen().SetColor(clWindow);
            canvas.MoveTo(r.left + 1, 0);
            canvas.LineTo(r.right, 0);
        }
        RECT text = r;
        canvas.Brush().SetStyle(TBrushStyle::bsClear);
        canvas.DrawText(m_tabs.Strings(i), text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
}

void TTabSet::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseDown(button, shift, x, y);
    int const tab = TabAt({x, y});
    if (tab < 0 || tab == m_tabIndex)
        return;
    SetTabIndex(tab);
    Changed();
}

void TTabSet::FontChanged()
{
    TCustomControl::FontChanged();
    Canvas().Font().Assign(Font());
    UpdateScroller();
}

void TTabSet::WndProc(TMessage& m)
{
    TCustomControl::WndProc(m);
    if (m.Msg == WM_SIZE)
        UpdateScroller();
}

void TTabSet::Changed()
{
    if (OnChange)
        OnChange(this);
}

} // namespace tandrel
