#include "skin/controls/SkinStatusBar.h"

#include "framework/controls/StatusBar.h"
#include "framework/core/Colors.h"
#include "framework/graphics/GdiObjects.h"
#include "skin/data/WinSkinData.h"
#include "skin/draw/SkinDraw.h"

#include <commctrl.h>

#include <memory>

namespace tandrel {

namespace {

TSkinRect ToSkin(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }
RECT ToRect(const TSkinRect& r) { return {r.Left, r.Top, r.Right, r.Bottom}; }

UINT AlignFormat(int alignment)
{
    switch (alignment) {
    case saRight: return DT_RIGHT;
    case saCentre: return DT_CENTER;
    default: return DT_LEFT;
    }
}

// A one-pixel 3-D ring: topLeft on the top and left edges, bottomRight on
// the others.
void Frame3D(HDC dc, const RECT& r, COLORREF topLeft, COLORREF bottomRight)
{
    TOwnedBrush const light(CreateSolidBrush(topLeft));
    TOwnedBrush const dark(CreateSolidBrush(bottomRight));
    RECT const top {r.left, r.top, r.right, r.top + 1};
    RECT const left {r.left, r.top, r.left + 1, r.bottom};
    RECT const bottom {r.left, r.bottom - 1, r.right, r.bottom};
    RECT const right {r.right - 1, r.top, r.right, r.bottom};
    FillRect(dc, &top, light.Get());
    FillRect(dc, &left, light.Get());
    FillRect(dc, &bottom, dark.Get());
    FillRect(dc, &right, dark.Get());
}

// Without a framework bar the window's own parts tell the bevel and the
// alignment (leading tabs centre, two right-align).
TStatusPanelIn PanelFromWindow(HWND bar, int index, std::wstring& text)
{
    TStatusPanelIn panel;
    LRESULT const length = SendMessageW(bar, SB_GETTEXTLENGTHW, static_cast<WPARAM>(index), 0);
    std::wstring buffer(static_cast<size_t>(LOWORD(length)) + 1, L'\0');
    LRESULT const type = HIWORD(SendMessageW(bar, SB_GETTEXTW, static_cast<WPARAM>(index),
                                             reinterpret_cast<LPARAM>(buffer.data())));
    text = buffer.c_str();
    panel.Bevel = (type & SBT_NOBORDERS) ? sbNone : (type & SBT_POPOUT) ? sbRaised : sbLowered;
    if (text.rfind(L"\t\t", 0) == 0) {
        panel.Alignment = saRight;
        text.erase(0, 2);
    } else if (text.rfind(L"\t", 0) == 0) {
        panel.Alignment = saCentre;
        text.erase(0, 1);
    }
    return panel;
}

int AlignmentOf(TAlignment alignment)
{
    switch (alignment) {
    case TAlignment::taRightJustify: return saRight;
    case TAlignment::taCenter: return saCentre;
    default: return saLeft;
    }
}

} // namespace

bool TSkinStatusBar::BeforeMessage(TMessage& m)
{
    // Anything else goes to the control's own handler.
    return !TakePaintOver(m);
}

std::vector<TSkinStatusBar::TPanelText> TSkinStatusBar::ReadPanels(std::wstring& simpleText) const
{
    std::vector<TPanelText> panels;
    auto* bar = dynamic_cast<TStatusBar*>(m_control);
    bool const simple = bar ? bar->SimplePanel() : SendMessageW(m_handle, SB_ISSIMPLE, 0, 0) != 0;
    int const count = bar ? bar->PanelCount() : static_cast<int>(SendMessageW(m_handle, SB_GETPARTS, 0, 0));
    if (simple || count <= 0) {
        if (bar)
            simpleText = bar->SimpleText();
        else
            PanelFromWindow(m_handle, SB_SIMPLEID, simpleText);
        return panels;
    }
    for (int i = 0; i < count; ++i) {
        TPanelText entry;
        if (bar) {
            const TStatusPanel& p = bar->Panel(i);
            entry.Text = p.Text();
            entry.Panel.Bevel = static_cast<int>(p.Bevel());
            entry.Panel.Alignment = AlignmentOf(p.Alignment());
            entry.Panel.BiDi = static_cast<int>(p.BiDiMode());
        } else {
            entry.Panel = PanelFromWindow(m_handle, i, entry.Text);
        }
        RECT place {};
        if (SendMessageW(m_handle, SB_GETRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&place))) {
            entry.Panel.HasRect = true;
            entry.Panel.Rect = ToSkin(place);
        }
        panels.push_back(std::move(entry));
    }
    return panels;
}

void TSkinStatusBar::DrawControl(HDC dc, const RECT& rect)
{
    RECT const r {0, 0, rect.right - rect.left, rect.bottom - rect.top};
    if (r.right <= 0 || r.bottom <= 0)
        return;
    TBitmap& scratch = SizeSkinScratchBitmap(r.right, r.bottom);
    TCanvas& canvas = scratch.Canvas();
    FillFace(canvas.Handle(), r);

    auto* bar = dynamic_cast<TStatusBar*>(m_control);
    if (auto const font = reinterpret_cast<HFONT>(SendMessageW(m_handle, WM_GETFONT, 0, 0)))
        canvas.Font().AssignHandle(font);
    else if (bar)
        canvas.Font().Assign(bar->Font());
    canvas.Font().SetStyle(0);
    const TDataSkinObject* edges = m_skinData ? m_skinData->StatusBarEdges.get() : nullptr;
    if (edges)
        canvas.Font().SetColor(edges->NormalColour2);
    else
        canvas.Font().SetColor(bar ? bar->Font().Color() : clBtnText);
    bool const skinLook = edges && !edges->Bitmap.Empty();

    std::wstring simpleText;
    std::vector<TPanelText> const panels = ReadPanels(simpleText);
    if (panels.empty()) {
        for (const TStatusPanelPlace& place : StatusPanelPlaces({}, ToSkin(r)))
            DrawPanel(canvas, place, simpleText, skinLook);
    } else {
        std::vector<TStatusPanelIn> in;
        for (const TPanelText& p : panels)
            in.push_back(p.Panel);
        for (const TStatusPanelPlace& place : StatusPanelPlaces(in, ToSkin(r)))
            DrawPanel(canvas, place, panels[static_cast<size_t>(place.Index)].Text, skinLook);
    }
    DrawGrip(canvas.Handle(), r);
    BitBlt(dc, rect.left, rect.top, r.right, r.bottom, canvas.Handle(), 0, 0, SRCCOPY);
}

void TSkinStatusBar::DrawPanel(TCanvas& canvas, const TStatusPanelPlace& place, const std::wstring& text,
                               bool skinLook)
{
    RECT p = ToRect(place.Rect);
    if (p.right <= p.left || p.bottom <= p.top)
        return;
    if (skinLook) {
        std::unique_ptr<TBitmap> const picture =
            ComposeSkinObject(p, *m_skinData->StatusBarEdges, place.Frame, 3, Scale());
        BitBlt(canvas.Handle(), p.left, p.top, p.right - p.left, p.bottom - p.top, picture->Canvas().Handle(), 0, 0,
               SRCCOPY);
    } else if (place.Frame != 3) {
        COLORREF const shadow = GetSysColor(COLOR_BTNSHADOW);
        COLORREF const highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
        if (place.Frame == 1)
            Frame3D(canvas.Handle(), p, shadow, highlight);
        else
            Frame3D(canvas.Handle(), p, highlight, shadow);
        InflateRect(&p, -1, -1);
    }
    if (text.empty())
        return;
    int const inset = Scale().Length(2);
    RECT const textRect {p.left + inset, p.top, p.right - inset, p.bottom};
    DrawCaption(canvas, textRect, text, true, AlignFormat(place.Alignment));
}

void TSkinStatusBar::DrawGrip(HDC dc, const RECT& r)
{
    if (!(GetWindowLongW(m_handle, GWL_STYLE) & SBARS_SIZEGRIP) || !m_skinData || !m_skinData->ExtraImages)
        return;
    TDataSkinObject& images = *m_skinData->ExtraImages;
    // A strip with fewer than five frames has no grip to show.
    if (images.Bitmap.Empty() || images.FrameCount < 5)
        return;
    TBitmap& strip = Scale().Image(images.Bitmap, images.FrameCount, TFrameLayout::flHorizontal);
    TSkinRect const grip = StatusGripRect(ToSkin(r), strip.Width() / images.FrameCount, strip.Height());
    if (!grip.Empty())
        DrawSkinFrameTransparent(dc, ToRect(grip), strip, images.FrameCount, 5);
}

} // namespace tandrel
