#include "skin/controls/SkinControl.h"

#include "framework/core/Colors.h"
#include "framework/core/ScopeGuard.h"
#include "framework/core/SysUtils.h"
#include "framework/graphics/Dpi.h"
#include "skin/controls/SkinCaptionColours.h"
#include "skin/data/SkinMessages.h"
#include "skin/data/WinSkinData.h"
#include "skin/draw/SkinDraw.h"

#include <commctrl.h>

#include <memory>

namespace tandrel {

// Skinners are never owned through the component tree: the skinner list of
// the owner is their one owner.
TSkinControl::TSkinControl(TComponent* owner)
    : TComponent(nullptr), m_owner(dynamic_cast<TSkinControlOwner*>(owner))
{
}

TSkinControl::~TSkinControl()
{
    Destroying();
    Detach();
}

COLORREF TSkinControl::FaceColour() const
{
    return ColorToRGB(m_skinData ? static_cast<TColor>(m_skinData->ButtonFaceColour) : clBtnFace);
}

int TSkinControl::Dpi() const
{
    HWND window = m_handle;
    if (!window && m_graphicControl && m_graphicControl->Parent() && m_graphicControl->Parent()->HandleAllocated())
        window = m_graphicControl->Parent()->Handle();
    return SaneDpi(WindowDpi(window));
}

TSkinScale TSkinControl::Scale() const { return m_skinData ? TSkinScale(m_skinData->ScaledImages, Dpi()) : TSkinScale(); }

TPictureGround TSkinControl::PictureGround(int width, int height) const
{
    TSkinScale const scale = Scale();
    return {width, height, scale.Dpi(), scale.Generation(), FaceColour()};
}

bool TSkinControl::RegisterWithOwner() { return m_owner && m_owner->RegisterSkinner(*this); }

TSkinControl* TSkinControl::HotSkinner() const { return m_owner ? m_owner->HotSkinner() : nullptr; }

void TSkinControl::SetHotSkinner(TSkinControl* skinner)
{
    if (m_owner)
        m_owner->SetHotSkinner(skinner);
}

void TSkinControl::GiveCaptionColour(TControl& control)
{
    if (m_owner && m_skinData)
        m_owner->CaptionColours().GiveText(control, *m_skinData);
}

void TSkinControl::HookHandler(TControl& control)
{
    m_savedHandler = std::move(control.WindowProc);
    control.WindowProc = [this](TMessage& m) { SkinWndProc(m); };
    // A freed control must not be written to later.
    control.FreeNotification(this);
}

void TSkinControl::RestoreHandler()
{
    if (!m_savedHandler)
        return;
    TControl* control = m_control ? m_control : m_graphicControl;
    if (control)
        control->WindowProc = std::move(m_savedHandler);
    m_savedHandler = nullptr;
}

void TSkinControl::BindControl(TWinControl& control, TSkinData* skinData, TCanvas* canvas, bool setColour)
{
    m_setColour = setColour;
    m_skinData = skinData;
    m_canvas = canvas;
    m_control = &control;
    m_handle = control.Handle();
}

void TSkinControl::Attach(TWinControl* control, TSkinData* skinData, TCanvas* canvas, bool setColour)
{
    if (m_attached || !control)
        return;
    BindControl(*control, skinData, canvas, setColour);
    HookHandler(*control);
    control->SetDoubleBuffered(true);
    RegisterWithOwner();
    m_focused = GetFocus() == m_handle;
    m_enabled = (GetWindowLongW(m_handle, GWL_STYLE) & WS_DISABLED) == 0;
    m_text = WindowText(m_handle);
    if (setColour) {
        m_savedColour = control->Color();
        control->SetColor(skinData->ButtonFaceColour);
        GiveCaptionColour(*control);
    }
    control->Invalidate();
    m_attached = true;
}

void TSkinControl::AttachHandle(HWND handle, TSkinData* skinData, TCanvas* canvas)
{
    if (m_attached || !handle)
        return;
    m_skinData = skinData;
    m_canvas = canvas;
    m_handle = handle;
    m_enabled = true;
    m_text = WindowText(handle);
    m_subclass.Attach(handle, *this);
    m_attached = true;
}

void TSkinControl::Detach()
{
    RestoreHandler();
    m_subclass.Remove();
    if (m_setColour && m_control && !(m_owner && m_owner->Closing()))
        m_control->SetColor(m_savedColour);
}

void TSkinControl::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove)
        return;
    if (component == m_control) {
        // Its window is gone with it; nothing of it may be touched again.
        m_savedHandler = nullptr;
        m_control = nullptr;
        m_handle = nullptr;
        m_attached = false;
    } else if (component == m_graphicControl) {
        m_savedHandler = nullptr;
        m_graphicControl = nullptr;
        // A windowless control that goes takes its skinner with it.
        if (m_owner)
            m_owner->DropSkinner(*this);
    }
}

LRESULT TSkinControl::SubclassedProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    TMessage m {msg, wParam, lParam, 0};
    SkinWndProc(m);
    return m.Result;
}

void TSkinControl::SkinWndProc(TMessage& m)
{
    // Neither this skinner nor the object that owns it is freed while one
    // of its handlers runs (a click may close the window).
    ++m_busy;
    if (m_owner)
        m_owner->EnterHandler();
    auto const leave = OnScopeExit([this] {
        --m_busy;
        if (m_owner)
            m_owner->LeaveHandler();
    });
    if (BeforeMessage(m)) {
        CallPrevious(m);
        AfterMessage(m);
    }
}

void TSkinControl::CallPrevious(TMessage& m)
{
    if (m_savedHandler)
        m_savedHandler(m);
    else if (m_subclass.Attached())
        m.Result = NextSubclassProc(m_handle, m.Msg, m.WParam, m.LParam);
    else if (m_handle)
        m.Result = DefWindowProcW(m_handle, m.Msg, m.WParam, m.LParam);
}

bool TSkinControl::BeforeMessage(TMessage&) { return true; }

void TSkinControl::AfterMessage(TMessage& m)
{
    switch (m.Msg) {
    case WM_PAINT: PaintWindow(reinterpret_cast<HDC>(m.WParam)); break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_UPDATEUISTATE:
    case WM_ENABLE:
    case CM_ENABLEDCHANGED: RepaintNow(); break;
    case WM_SETTEXT:
        if (m.LParam)
            m_text = reinterpret_cast<const wchar_t*>(m.LParam);
        RepaintNow();
        break;
    case WM_NCDESTROY:
        Detach();
        m_handle = nullptr;
        break;
    default: break;
    }
}

bool TSkinControl::ShowsFocus() const
{
    return m_handle && GetFocus() == m_handle &&
           (SendMessageW(m_handle, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) == 0;
}

void TSkinControl::PaintWindow(HDC dc)
{
    DrawOnWindow(dc, [this](HDC target, const RECT& rect) { DrawControl(target, rect); });
}

void TSkinControl::DrawOnWindow(HDC dc, const std::function<void(HDC, const RECT&)>& draw)
{
    RECT window {};
    if (!m_handle || !GetWindowRect(m_handle, &window))
        return;
    m_paintRect = window;
    try {
        RECT const rect {0, 0, window.right - window.left, window.bottom - window.top};
        HDC const own = dc ? nullptr : GetWindowDC(m_handle);
        auto const release = OnScopeExit([&] {
            if (own)
                ReleaseDC(m_handle, own);
        });
        if (HDC const target = dc ? dc : own)
            draw(target, rect);
    } catch (...) {
        // The control keeps what its own handler painted.
    }
}

void TSkinControl::DrawControl(HDC, const RECT&) {}

void TSkinControl::PaintMessage(TMessage& m)
{
    HDC dc = reinterpret_cast<HDC>(m.WParam);
    PAINTSTRUCT paint {};
    bool const began = dc == nullptr;
    if (began)
        dc = BeginPaint(m_handle, &paint);
    auto const end = OnScopeExit([&] {
        if (began)
            EndPaint(m_handle, &paint);
    });
    RECT window {};
    if (dc && GetWindowRect(m_handle, &window)) {
        m_paintRect = window;
        try {
            DrawControl(dc, {0, 0, window.right - window.left, window.bottom - window.top});
        } catch (...) {
            // Dropped like a failed frame paint: the region is validated all
            // the same (no repaint loop), and the next paint tries again.
        }
    }
}

bool TSkinControl::TakePaintOver(TMessage& m)
{
    switch (m.Msg) {
    case WM_PAINT:
        PaintMessage(m);
        m.Result = 0;
        return true;
    case WM_ERASEBKGND: m.Result = 1; return true;
    default: return false;
    }
}

void TSkinControl::PressAfterControl(TMessage& m)
{
    CallPrevious(m);
    AddState(scPressed);
    PaintWindow(nullptr);
}

void TSkinControl::Refresh()
{
    if (m_setColour && m_control && m_skinData)
        m_control->SetColor(m_skinData->ButtonFaceColour);
    if (m_handle)
        InvalidateRect(m_handle, nullptr, TRUE);
    else if (m_graphicControl)
        m_graphicControl->Invalidate();
}

void TSkinControl::SendMouseLeave()
{
    if (m_handle)
        SendMessageW(m_handle, CM_MOUSELEAVE, 0, 0);
}

void TSkinControl::RepaintNow()
{
    RECT window {};
    if (!m_handle || !GetWindowRect(m_handle, &window) || !GetParent(m_handle))
        return;
    RECT const rect {0, 0, window.right - window.left, window.bottom - window.top};
    InvalidateRect(m_handle, &rect, FALSE);
    UpdateWindow(m_handle);
}

void TSkinControl::FillFace(HDC dc, const RECT& rect)
{
    TOwnedBrush const brush(CreateSolidBrush(FaceColour()));
    FillRect(dc, &rect, brush.Get());
}

void TSkinControl::DrawElementScratch(const RECT& rect, TDataSkinObject& element, int frameIndex, int frameCount,
                                      TSkinTransparency transparency)
{
    if (rect.right < rect.left || rect.bottom < rect.top)
        return;
    TBitmap* scratch = SkinScratchBitmap();
    if (!scratch)
        return;
    std::unique_ptr<TBitmap> const picture = ComposeSkinObject(rect, element, frameIndex, frameCount, Scale());
    FillFace(scratch->Canvas().Handle(), rect);
    if (transparency == TSkinTransparency::stKeyColour) {
        picture->SetTransparentColor(SkinKeyColour);
        picture->SetTransparent(true);
    }
    scratch->Canvas().Draw(0, 0, *picture);
}

void DrawCaption(TCanvas& canvas, const RECT& rect, const std::wstring& text, bool enabled, UINT format)
{
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    canvas.Font().SetStyle(0);
    RECT measured {rect.left, rect.top, rect.right, rect.bottom};
    canvas.DrawText(text, measured, format | DT_EXPANDTABS | DT_CALCRECT | DT_NOCLIP);
    int const textWidth = measured.right - measured.left;
    int const textHeight = measured.bottom - measured.top;
    int const dy = (rect.bottom - rect.top - textHeight) / 2 - 1;
    if (format == DT_CENTER) {
        OffsetRect(&measured, (rect.right - rect.left - textWidth) / 2, dy);
    } else {
        OffsetRect(&measured, 0, dy);
        measured.left = rect.left;
        measured.right = rect.right;
    }
    if (!enabled)
        canvas.Font().SetColor(clBtnShadow);
    canvas.DrawText(text, measured, format | DT_EXPANDTABS);
}

} // namespace tandrel
