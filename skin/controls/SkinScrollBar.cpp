#include "skin/controls/SkinScrollBar.h"

#include "skin/controls/SkinHeader.h"

#include "framework/core/ScopeGuard.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Dpi.h"
#include "skin/data/WinSkinData.h"
#include "skin/draw/SkinDraw.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <functional>

namespace tandrel {

namespace {

// Bars are composed at this thickness (at 96 pixels per inch), then
// stretched to the system's.
constexpr int kBarThickness = 16;
constexpr int kArrowFrames = 23;
constexpr int kLongestBar = 10000;
// A held arrow or page press steps again after the first wait, then at the
// second's pace, as the system's own bars do.
constexpr UINT kFirstRepeat = 400;
constexpr UINT kRepeat = 50;

// Frames of the arrow strip: left 1, right 5, up 9, down 13; pressed +1.
int ArrowFrame(int arrow, bool pressed) { return 1 + 4 * (arrow - spLeftArrow) + (pressed ? 1 : 0); }

int PressedPartOf(WPARAM code, bool vertical)
{
    switch (LOWORD(code)) {
    case SB_LINELEFT: return vertical ? spUpArrow : spLeftArrow;
    case SB_LINERIGHT: return vertical ? spDownArrow : spRightArrow;
    case SB_THUMBTRACK: return vertical ? spVertThumb : spHorzThumb;
    default: return spNone;
    }
}

// The system's scroll-bar metrics are at the screen's density; these are
// at `dpi`.
int FromScreen(int length, int dpi) { return ScaleDpi(length, dpi, ScreenDpi()); }
int BarThickness(int dpi) { return FromScreen(GetSystemMetrics(SM_CXHSCROLL), dpi); }
int SystemThumb(int dpi) { return FromScreen(GetSystemMetrics(SM_CXHTHUMB), dpi); }

// The smallest thumb the system draws.
int MinimumThumb(int dpi)
{
    return (GetVersion() & 0x80000000u) == 0 ? ScaleDpi(8, dpi) : BarThickness(dpi) / 2;
}

// Track, arrows and thumb of one bar, composed off-screen at a fixed
// thickness and copied to the window in one stretched copy.
void PaintBar(HDC dc, const RECT& barRect, bool vertical, TSkinData& skin, const TBarGeometry& g, int pressedPart,
              bool drawThumb, const TSkinScale& scale)
{
    int const length = vertical ? barRect.bottom - barRect.top : barRect.right - barRect.left;
    int const thickness = scale.Length(kBarThickness);
    int const width = vertical ? thickness : length;
    int const height = vertical ? length : thickness;
    if (width <= 0 || height <= 0 || width > kLongestBar || height > kLongestBar)
        return;
    auto const along = [&](int from, int to) {
        return vertical ? RECT {0, from, thickness, to} : RECT {from, 0, to, thickness};
    };

    TBitmap bar(width, height, TPixelFormat::pf24bit);
    HDC const target = bar.Canvas().Handle();
    SetStretchBltMode(target, COLORONCOLOR);
    {
        TOwnedBrush const background(CreateSolidBrush(ColorToRGB(skin.ScrollbarColour)));
        RECT const all {0, 0, width, height};
        FillRect(target, &all, background.Get());
    }
    int arrow = BarThickness(scale.Dpi());
    if (TDataSkinObject* track = vertical ? skin.VertScroll.get() : skin.HorzScroll.get())
        DrawSkinObject(target, along(arrow, length - arrow), 4, 1, *track, scale);
    if (length < 2 * arrow)
        arrow = length / 2;
    int const first = vertical ? spUpArrow : spLeftArrow;
    int const second = vertical ? spDownArrow : spRightArrow;
    TBitmap& arrows = scale.Image(skin.Scrollbar->Bitmap, kArrowFrames, TFrameLayout::flHorizontal);
    DrawSkinFrame(bar.Canvas(), along(0, arrow), arrows, kArrowFrames, ArrowFrame(first, pressedPart == first));
    DrawSkinFrame(bar.Canvas(), along(length - arrow, length), arrows, kArrowFrames,
                  ArrowFrame(second, pressedPart == second));
    TDataSkinObject* thumb = vertical ? skin.VertScrollThumb.get() : skin.HorzScrollThumb.get();
    if (drawThumb && thumb && g.ThumbSize <= g.Track) {
        bool const pressed = pressedPart == (vertical ? spVertThumb : spHorzThumb);
        int const start = arrow + g.ThumbOffset;
        int const frames = thumb->FrameCount > 0 ? thumb->FrameCount : 3;
        DrawSkinImage(target, along(start, start + g.ThumbSize),
                      scale.Image(thumb->Bitmap, frames, TFrameLayout::flHorizontal), scale.Margins(MarginsOf(*thumb)),
                      TFrameLayout::flHorizontal, TMiddleFill::mfStretch, TransparencyOf(*thumb), frames,
                      pressed ? 2 : 1);
    }
    StretchBlt(dc, barRect.left, barRect.top, barRect.right - barRect.left, barRect.bottom - barRect.top, target, 0, 0,
               width, height, SRCCOPY);
}

// The next message of a press held with the mouse captured: the button
// came up, or the loop must end at once (the application is quitting).
enum class TPressStep { psMessage, psReleased, psEnd };
TPressStep NextPressMessage(MSG& msg)
{
    BOOL const got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) {
        // The application is quitting: the loop above must see it too.
        PostQuitMessage(static_cast<int>(msg.wParam));
        return TPressStep::psEnd;
    }
    if (got == -1)
        return TPressStep::psEnd;
    if (msg.message == WM_LBUTTONUP || msg.message == WM_NCLBUTTONUP)
        return TPressStep::psReleased;
    return TPressStep::psMessage;
}

// Where a tracked press sends its steps: a window's own bars notify the
// window, the bar control its parent, naming itself.
struct TPressTarget {
    HWND Window = nullptr; // holds the capture and the scroll information
    int Bar = SB_CTL;
    HWND Notified = nullptr;
    UINT Message = WM_HSCROLL;
    LPARAM From = 0;

    void Send(WPARAM code) const { SendMessageW(Notified, Message, code, From); }
};

// Steps for a press on an arrow or page (SB_* part), again while it is held
// over it (partUnder), until the button comes up; false when the window or
// the application went meanwhile (alive).
bool TrackHeldPress(const TPressTarget& t, int part, const std::function<int()>& partUnder,
                    const std::function<bool()>& alive)
{
    t.Send(MAKEWPARAM(part, 0));
    if (!alive())
        return false;
    SetCapture(t.Window);
    UINT_PTR const timer = SetTimer(nullptr, 0, kFirstRepeat, nullptr);
    auto const release = OnScopeExit([&] {
        KillTimer(nullptr, timer);
        if (GetCapture() == t.Window)
            ReleaseCapture();
    });
    MSG msg {};
    while (GetCapture() == t.Window) {
        TPressStep const step = NextPressMessage(msg);
        if (step == TPressStep::psEnd)
            return false;
        if (step == TPressStep::psReleased)
            break;
        if (msg.message == WM_TIMER && !msg.hwnd && msg.wParam == timer) {
            SetTimer(nullptr, timer, kRepeat, nullptr);
            if (partUnder() == part)
                t.Send(MAKEWPARAM(part, 0));
        } else {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (!alive())
            return false;
    }
    t.Send(SB_ENDSCROLL);
    return alive();
}

// Drags a thumb of `bar` until the button comes up; tracking is cleared
// before the last notification so that its paint places the thumb anew.
// True when the drag ended normally.
bool TrackThumbDrag(const TPressTarget& t, bool vertical, TBarGeometry& bar, SCROLLINFO& info, bool& tracking,
                    const std::function<bool()>& alive)
{
    TScrollRange const range {info.nMin, info.nMax, info.nPage, info.nPos};
    POINT start {};
    GetCursorPos(&start);
    int const startOffset = bar.ThumbOffset;
    std::int64_t position = info.nPos;
    auto const finish = [&] {
        tracking = false;
        t.Send(MAKEWPARAM(SB_THUMBPOSITION, LOWORD(position)));
        if (alive())
            PostMessageW(t.Notified, t.Message, SB_ENDSCROLL, t.From);
    };

    tracking = true;
    // The capture brings the release wherever it happens.
    SetCapture(t.Window);
    auto const release = OnScopeExit([&] {
        tracking = false;
        if (GetCapture() == t.Window)
            ReleaseCapture();
    });
    MSG msg {};
    while (tracking) {
        TPressStep const step = NextPressMessage(msg);
        if (step == TPressStep::psEnd)
            return false;
        if (step == TPressStep::psReleased) {
            finish();
            return true;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
        if (!alive())
            return false;
        if (msg.message == WM_MOUSEMOVE || msg.message == WM_NCMOUSEMOVE) {
            POINT c {};
            GetCursorPos(&c);
            TThumbDrag const drag = DragThumb(startOffset + (vertical ? c.y - start.y : c.x - start.x), bar, range);
            bar.ThumbOffset = drag.Offset;
            if (drag.Pos != position) {
                info.fMask = SIF_POS;
                info.nPos = info.nTrackPos = static_cast<int>(drag.Pos);
                SetScrollInfo(t.Window, t.Bar, &info, FALSE);
                position = drag.Pos;
                t.Send(MAKEWPARAM(SB_THUMBTRACK, LOWORD(drag.Pos)));
                if (!alive())
                    return false;
            }
        }
        // Another window took the mouse: the drag ends where it stands.
        if (GetCapture() != t.Window) {
            finish();
            return true;
        }
    }
    return true;
}

// A window's own bar: the window is told.
TPressTarget WindowBar(HWND window, bool vertical)
{
    return {window, vertical ? SB_VERT : SB_HORZ, window, UINT(vertical ? WM_VSCROLL : WM_HSCROLL), 0};
}

bool CanDrawBars(const TSkinData* skin) { return skin && skin->Scrollbar && !skin->Scrollbar->Bitmap.Empty(); }

RECT RectOf(const TSkinRect& r) { return {r.Left, r.Top, r.Right, r.Bottom}; }

// A published integer (or enumeration ordinal) of a control, or fallback.
long long PublishedOrdinal(const TComponent* control, const char* name, long long fallback)
{
    const TPropertyInfo* p = control ? control->ClassInfo().FindProperty(name) : nullptr;
    return p && p->GetOrdinal ? p->GetOrdinal(*control) : fallback;
}

} // namespace

// Non-client bars.

void TSkinScrollBar::AttachScroll(TWinControl* control, TSkinData* skinData, TCanvas* canvas, bool ownThumbDrag)
{
    if (m_attached || !control)
        return;
    BindControl(*control, skinData, canvas, m_setColour);
    HookHandler(*control);
    RegisterWithOwner();
    m_tracking = m_verticalScrolling = m_horizontalScrolling = false;
    m_horizontalInfo.cbSize = m_verticalInfo.cbSize = sizeof(SCROLLINFO);
    m_ownThumbDrag = ownThumbDrag;
    m_enabled = (GetWindowLongW(m_handle, GWL_STYLE) & WS_DISABLED) == 0;
    m_attached = true;
    // The frame is measured again, with the skinner in place.
    SetWindowPos(m_handle, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

bool TSkinScrollBar::BeforeMessage(TMessage& m)
{
    switch (m.Msg) {
    case WM_NCCALCSIZE: CallPrevious(m); ReserveBars(m); return false;
    case WM_NCHITTEST: return HitBars(m);
    case WM_NCMOUSEMOVE: return m.WParam != HTHSCROLL && m.WParam != HTVSCROLL;
    case WM_NCLBUTTONDOWN: return !(m_ownThumbDrag || OwnBars()) || BarPress(m);
    case WM_NCLBUTTONDBLCLK: return !OwnBars() || BarPress(m);
    case WM_HSCROLL: return OnScroll(m, false);
    case WM_VSCROLL: return OnScroll(m, true);
    default: return true;
    }
}

bool TSkinScrollBar::OnScroll(TMessage& m, bool vertical)
{
    m_pressedPart = PressedPartOf(m.WParam, vertical);
    bool& scrolling = vertical ? m_verticalScrolling : m_horizontalScrolling;
    {
        scrolling = true;
        auto const done = OnScopeExit([&] { scrolling = false; });
        CallPrevious(m);
    }
    PaintWindow(nullptr);
    return false;
}

bool TSkinScrollBar::OwnBars() const
{
    return CanDrawBars(m_skinData) && BarThickness(Dpi()) != GetSystemMetrics(SM_CXVSCROLL);
}

// Away from the screen's density the bars are not the system's size: their
// room is made here, beside what the system keeps for its own.
void TSkinScrollBar::ReserveBars(TMessage& m)
{
    if (!m.LParam || !OwnBars())
        return;
    int const grow = BarThickness(Dpi()) - GetSystemMetrics(SM_CXVSCROLL);
    LONG const style = GetWindowLongW(m_handle, GWL_STYLE);
    // The new client rectangle comes first in both forms of the message.
    RECT& r = *reinterpret_cast<RECT*>(m.LParam);
    if (style & WS_VSCROLL) {
        if (GetWindowLongW(m_handle, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR)
            r.left = std::min(r.left + grow, r.right);
        else
            r.right = std::max(r.right - grow, r.left);
    }
    if (style & WS_HSCROLL)
        r.bottom = std::max(r.bottom - grow, r.top);
}

// The system finds its bars where it would have put them; these are wider.
bool TSkinScrollBar::HitBars(TMessage& m)
{
    if (!OwnBars())
        return true;
    CallPrevious(m);
    RECT window {};
    GetWindowRect(m_handle, &window);
    POINT const p {GET_X_LPARAM(m.LParam) - window.left, GET_Y_LPARAM(m.LParam) - window.top};
    m_style = GetWindowLongW(m_handle, GWL_STYLE);
    m_exStyle = GetWindowLongW(m_handle, GWL_EXSTYLE);
    BarGeometry({0, 0, window.right - window.left, window.bottom - window.top});
    if (PtInRect(&m_verticalBar, p))
        m.Result = HTVSCROLL;
    else if (PtInRect(&m_horizontalBar, p))
        m.Result = HTHSCROLL;
    return false;
}

// A press on a thumb starts the skinner's own drag; where the bars are not
// the system's size, so do presses on arrows and pages. Other presses go to
// the control.
bool TSkinScrollBar::BarPress(TMessage& m)
{
    if (m.WParam != HTHSCROLL && m.WParam != HTVSCROLL)
        return true;
    // Signed: screens left of or above the primary one have negative coordinates.
    POINT p {GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
    ScreenToClient(m_handle, &p);
    bool const vertical = m.WParam == HTVSCROLL;
    int const part = HitPart(vertical ? p.y : p.x, vertical);
    if (part != SB_THUMBTRACK) {
        if (!OwnBars() || part < 0)
            return true;
        TrackPress(vertical, part);
        m.Result = 0;
        return false;
    }
    m_pressedPart = vertical ? spVertThumb : spHorzThumb;
    PaintWindow(nullptr);
    TrackThumb(vertical);
    m.Result = 0;
    return false;
}

bool TSkinScrollBar::TrackPress(bool vertical, int part)
{
    HWND const window = m_handle;
    auto const under = [&] {
        POINT c {};
        GetCursorPos(&c);
        ScreenToClient(window, &c);
        return HitPart(vertical ? c.y : c.x, vertical);
    };
    if (!TrackHeldPress(WindowBar(window, vertical), part, under, [&] { return m_handle == window && IsWindow(window); }))
        return false;
    m_pressedPart = spNone;
    PaintWindow(nullptr);
    return true;
}

void TSkinScrollBar::AfterMessage(TMessage& m)
{
    switch (m.Msg) {
    case WM_NCPAINT:
    // The platform's own tracking of an arrow or page press ends with a
    // redraw of its own bar after the last scroll notification.
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK: PaintWindow(nullptr); break;
    case WM_PRINT: PaintWindow(reinterpret_cast<HDC>(m.WParam)); break;
    default: TSkinControl::AfterMessage(m); break;
    }
}

int TSkinScrollBar::HitPart(int coordinate, bool vertical) const
{
    return tandrel::HitPart(coordinate, vertical ? m_vertical : m_horizontal);
}

bool TSkinScrollBar::TrackThumb(bool vertical)
{
    HWND const window = m_handle;
    return TrackThumbDrag(WindowBar(window, vertical), vertical, vertical ? m_vertical : m_horizontal,
                          vertical ? m_verticalInfo : m_horizontalInfo, m_tracking,
                          [&] { return m_handle == window && IsWindow(window); });
}

void TSkinScrollBar::ThumbGeometry(const RECT& barRect, bool vertical)
{
    if (m_tracking)
        return;
    int const dpi = Dpi();
    int const arrow = BarThickness(dpi);
    int const length = vertical ? barRect.bottom - barRect.top : barRect.right - barRect.left;
    SCROLLINFO read {sizeof read, SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS, 0, 0, 0, 0, 0};
    if (!GetScrollInfo(m_handle, vertical ? SB_VERT : SB_HORZ, &read))
        return;
    TScrollRange const range {read.nMin, read.nMax, read.nPage, read.nPos};
    if (ComputeThumb(vertical ? m_vertical : m_horizontal, length, arrow, MinimumThumb(dpi), SystemThumb(dpi), range))
        (vertical ? m_verticalInfo : m_horizontalInfo) = read;
}

void TSkinScrollBar::BarGeometry(const RECT& rect)
{
    RECT client {};
    GetClientRect(m_handle, &client);
    TScrollFrame f;
    f.Width = rect.right - rect.left;
    f.Height = rect.bottom - rect.top;
    f.ClientWidth = client.right;
    f.ClientHeight = client.bottom;
    f.BarSize = BarThickness(Dpi());
    f.Edge = GetSystemMetrics(SM_CXEDGE);
    f.HasHorizontal = (m_style & WS_HSCROLL) != 0;
    f.HasVertical = (m_style & WS_VSCROLL) != 0;
    f.LeftScrollBar = (m_exStyle & WS_EX_LEFTSCROLLBAR) != 0;
    TScrollBarsLayout const layout = ScrollBarsLayout(f);
    m_horizontalBar = RectOf(layout.Horizontal);
    m_verticalBar = RectOf(layout.Vertical);
    m_corner = RectOf(layout.Corner);
}

void TSkinScrollBar::DrawBar(HDC dc, const RECT& barRect, bool vertical)
{
    // The control is handling that bar's step; it is drawn when it is done.
    if (vertical ? m_verticalScrolling : m_horizontalScrolling)
        return;
    ThumbGeometry(barRect, vertical);
    PaintBar(dc, barRect, vertical, *m_skinData, vertical ? m_vertical : m_horizontal, m_pressedPart, true, Scale());
}

void TSkinScrollBar::DrawControl(HDC dc, const RECT& rect)
{
    if (!CanDrawBars(m_skinData))
        return;
    m_style = GetWindowLongW(m_handle, GWL_STYLE);
    m_exStyle = GetWindowLongW(m_handle, GWL_EXSTYLE);
    if (m_verticalScrolling)
        m_style |= WS_VSCROLL;
    if (m_horizontalScrolling)
        m_style |= WS_HSCROLL;
    if (!(m_style & (WS_HSCROLL | WS_VSCROLL)))
        return;
    BarGeometry(rect);
    if (!IsRectEmpty(&m_horizontalBar))
        DrawBar(dc, m_horizontalBar, false);
    if (!IsRectEmpty(&m_verticalBar))
        DrawBar(dc, m_verticalBar, true);
    if (!IsRectEmpty(&m_corner))
        FillFace(dc, m_corner);
}

// List views.

void TSkinListView::Attach(TWinControl* control, TSkinData* skinData, TCanvas* canvas, bool setColour)
{
    AttachScroll(control, skinData, canvas, setColour);
    auto const header = m_handle ? reinterpret_cast<HWND>(SendMessageW(m_handle, LVM_GETHEADER, 0, 0)) : nullptr;
    if (!header || !SkinOwner())
        return;
    // The form skinning object's skinner list takes it over as it attaches.
    m_header = new TSkinHeader(dynamic_cast<TComponent*>(SkinOwner()));
    m_header->AttachHandle(header, skinData, canvas);
}

// The stand-alone scroll-bar control.

bool TSkinScControl::Vertical() const { return PublishedOrdinal(m_control, "Kind", 0) != 0; }

bool TSkinScControl::BeforeMessage(TMessage& m)
{
    switch (m.Msg) {
    case WM_NCMOUSEMOVE: return m.WParam != HTHSCROLL && m.WParam != HTVSCROLL;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: return !OwnSize() || Press(m);
    case SBM_SETSCROLLINFO:
        CallPrevious(m);
        PaintWindow(nullptr);
        return false;
    case CN_HSCROLL:
    case CN_VSCROLL:
        m_pressedPart = PressedPartOf(m.WParam, m.Msg == CN_VSCROLL);
        CallPrevious(m);
        PaintWindow(nullptr);
        return false;
    default: return true;
    }
}

bool TSkinScControl::OwnSize() const
{
    return CanDrawBars(m_skinData) && m_control && BarThickness(Dpi()) != GetSystemMetrics(SM_CXHSCROLL);
}

// The system would find the parts at its own arrow length: the skinner
// tracks the press on the parts as drawn.
bool TSkinScControl::Press(TMessage& m)
{
    bool const vertical = Vertical();
    int const part = HitPart(vertical ? GET_Y_LPARAM(m.LParam) : GET_X_LPARAM(m.LParam), m_bar);
    if (part < 0)
        return true;
    HWND const window = m_handle;
    HWND const parent = GetParent(window);
    TPressTarget const target {window, SB_CTL, parent, UINT(vertical ? WM_VSCROLL : WM_HSCROLL),
                               reinterpret_cast<LPARAM>(window)};
    auto const alive = [&] { return m_handle == window && IsWindow(window); };
    m.Result = 0;
    if (GetFocus() != window && (GetWindowLongW(window, GWL_STYLE) & WS_TABSTOP))
        SetFocus(window);
    if (part != SB_THUMBTRACK) {
        auto const under = [&] {
            POINT c {};
            GetCursorPos(&c);
            ScreenToClient(window, &c);
            return HitPart(vertical ? c.y : c.x, m_bar);
        };
        if (TrackHeldPress(target, part, under, alive)) {
            m_pressedPart = spNone;
            PaintWindow(nullptr);
        }
        return false;
    }
    SCROLLINFO info {sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
    if (!GetScrollInfo(window, SB_CTL, &info))
        return false;
    m_pressedPart = vertical ? spVertThumb : spHorzThumb;
    PaintWindow(nullptr);
    if (TrackThumbDrag(target, vertical, m_bar, info, m_tracking, alive)) {
        m_pressedPart = spNone;
        PaintWindow(nullptr);
    }
    return false;
}

void TSkinScControl::AfterMessage(TMessage& m)
{
    // The system marks a focused bar with a blinking caret over where it
    // would put the thumb; the skinned bar shows a steady frame instead.
    if (m.Msg == WM_SETFOCUS)
        HideCaret(m_handle);
    // The bar's own tracking of a press redraws the bar when it ends,
    // after its last scroll notification.
    if (m.Msg == WM_LBUTTONDOWN || m.Msg == WM_LBUTTONDBLCLK)
        PaintWindow(nullptr);
    else
        TSkinControl::AfterMessage(m);
}

void TSkinScControl::DrawControl(HDC dc, const RECT& rect)
{
    if (!CanDrawBars(m_skinData) || !m_control)
        return;
    bool const vertical = Vertical();
    int const length = vertical ? rect.bottom - rect.top : rect.right - rect.left;
    TScrollRange const range {PublishedOrdinal(m_control, "Min", 0), PublishedOrdinal(m_control, "Max", 100),
                              PublishedOrdinal(m_control, "PageSize", 0), PublishedOrdinal(m_control, "Position", 0)};
    TSkinScale const scale = Scale();
    int const dpi = scale.Dpi();
    if (!m_tracking)
        ComputeThumb(m_bar, length, BarThickness(dpi), MinimumThumb(dpi), SystemThumb(dpi), range, 1);
    PaintBar(dc, rect, vertical, *m_skinData, m_bar, m_pressedPart, true, scale);
    if (ShowsFocus()) {
        // A dotted frame inside the thumb, or inside the bar when it has none.
        RECT focus = rect;
        if (m_bar.ThumbSize > 0 && m_bar.ThumbSize <= m_bar.Track) {
            int const start = m_bar.Arrow + m_bar.ThumbOffset;
            if (vertical)
                focus = {rect.left, rect.top + start, rect.right, rect.top + start + m_bar.ThumbSize};
            else
                focus = {rect.left + start, rect.top, rect.left + start + m_bar.ThumbSize, rect.bottom};
        }
        int const inset = scale.Length(2);
        InflateRect(&focus, -inset, -inset);
        if (focus.right > focus.left && focus.bottom > focus.top)
            DrawFocusRect(dc, &focus);
    }
}

} // namespace tandrel
