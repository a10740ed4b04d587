#include "skin/controls/SkinButton.h"

#include "framework/graphics/DcGuards.h"
#include "framework/graphics/Dpi.h"
#include "framework/controls/BitBtn.h"
#include "framework/controls/SpeedButton.h"
#include "framework/core/Colors.h"
#include "framework/core/ScopeGuard.h"
#include "framework/core/Strings.h"
#include "framework/graphics/GdiObjects.h"
#include "skin/controls/SkinControlList.h"
#include "skin/data/WinSkinData.h"
#include "skin/draw/SkinDraw.h"
#include "skin/geometry/SkinControlGeometry.h"

#include <algorithm>

namespace tandrel {

namespace {

RECT AtOrigin(const RECT& r) { return {0, 0, r.right - r.left, r.bottom - r.top}; }

bool WindowDisabled(HWND window) { return (GetWindowLongW(window, GWL_STYLE) & WS_DISABLED) != 0; }

// The button strip has five frames; a skin that says otherwise is taken at
// its word, but never below one.
int ButtonFrameCount(const TDataSkinButton& buttons) { return std::max(1, buttons.FrameCount); }

UINT LayoutAlignment(int layout)
{
    return layout == sblGlyphLeft ? DT_LEFT : layout == sblGlyphRight ? DT_RIGHT : DT_CENTER;
}

SIZE CaptionExtent(TCanvas& canvas, const std::wstring& caption, int width, int height)
{
    if (caption.empty())
        return {0, 0};
    RECT r {0, 0, width, height};
    canvas.DrawText(caption, r, DT_CALCRECT);
    return {r.right - r.left, r.bottom - r.top};
}

// Glyph and caption of a bitmap or speed button on `canvas`.
void DrawGlyphAndCaption(TCanvas& canvas, TBitmap& glyph, int glyphCount, int glyphFrame, const std::wstring& caption,
                         const TSkinButtonMetrics& metrics, TButtonKind kind)
{
    TSkinButtonPlacement const p = PlaceButtonContent(metrics, kind);
    DrawSkinGlyph(canvas, {p.GlyphX, p.GlyphY, p.GlyphX + metrics.GlyphWidth, p.GlyphY + metrics.GlyphHeight}, glyph,
                  glyphCount, glyphFrame);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    RECT text {p.Text.Left, p.Text.Top, p.Text.Right, p.Text.Bottom};
    canvas.DrawText(caption, text, LayoutAlignment(metrics.Layout));
}

// A glyph's margin at a density; -1 (glyph and caption centred) stays.
int GlyphMargin(int margin, int dpi) { return margin < 0 ? margin : ScaleDpi(margin, dpi); }

TSkinButtonMetrics GlyphMetrics(TBitmap& glyph, int glyphCount, SIZE text, int clientWidth, int clientHeight,
                                TButtonLayout layout, int margin, int spacing)
{
    TSkinButtonMetrics m;
    m.ClientWidth = clientWidth;
    m.ClientHeight = clientHeight;
    if (!glyph.Empty()) {
        m.GlyphWidth = glyph.Width() / std::max(1, glyphCount);
        m.GlyphHeight = glyph.Height();
    }
    m.TextWidth = text.cx;
    m.TextHeight = text.cy;
    m.Layout = static_cast<int>(layout);
    m.Margin = margin;
    m.Spacing = spacing;
    m.PaintWidth = clientWidth;
    return m;
}

// The box of a check box or radio strip's frames of w x h in the control.
RECT ChoiceBox(HWND window, const RECT& rect, int w, int h)
{
    LONG const style = GetWindowLongW(window, GWL_STYLE);
    TSkinRect const box = CheckBoxRect({rect.left, rect.top, rect.right, rect.bottom}, w, h, (style & BS_LEFTTEXT) != 0);
    return {box.Left, box.Top, box.Right, box.Bottom};
}

// The framework control's published "Checked", when it has one.
bool PublishedChecked(TWinControl* control, bool checked)
{
    if (!control)
        return checked;
    const TPropertyInfo* property = control->ClassInfo().FindProperty("Checked");
    if (!property || !property->GetOrdinal)
        return checked;
    if (property->Kind == TPropertyKind::Boolean)
        return property->GetOrdinal(*control) != 0;
    if (property->Kind == TPropertyKind::Enumeration && property->Enum)
        return LowerCase(property->Enum->NameOf(static_cast<int>(property->GetOrdinal(*control)))) == "true";
    return checked;
}

bool RepaintsBox(UINT msg)
{
    switch (msg) {
    case BM_SETCHECK:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case CM_EXIT:
    case CM_CHECKSTATECHANGED: return true;
    default: return false;
    }
}

} // namespace

// Push buttons.

bool TSkinButton::CanDraw() const
{
    return m_skinData && m_skinData->Buttons && !m_skinData->Buttons->Bitmap.Empty();
}

TColor TSkinButton::CaptionColour(int frame, bool enabled) const
{
    if (!enabled)
        return clBtnShadow;
    const TDataSkinButton& b = *m_skinData->Buttons;
    switch (frame) {
    case bfNormal: return b.NormalColour2;
    case bfHot: return b.MouseOverColour2;
    case bfPressed: return b.PressedColour2;
    default: return m_skinData->ButtonTextColour;
    }
}

TSkinButton::TFaceKey TSkinButton::FaceKey(const RECT& r, int frameCount, int frame) const
{
    return {r.right, r.bottom, frameCount, frame, Scale().Dpi()};
}

TCanvas& TSkinButton::ComposeFace(const RECT& r, int frameCount, int frame)
{
    // The face of a frame at a size is composed once; a repaint copies it.
    TFaceKey const key = FaceKey(r, frameCount, frame);
    if (!(key == m_faceKey)) {
        m_face.SetSize(r.right, r.bottom);
        FillFace(m_face.Canvas().Handle(), r);
        DrawSkinObject(m_face.Canvas().Handle(), r, frameCount, frame, *m_skinData->Buttons, Scale());
        m_faceKey = key;
    }
    m_captioned.reset();
    m_buffer.SetSize(r.right, r.bottom);
    BitBlt(m_buffer.Canvas().Handle(), 0, 0, r.right, r.bottom, m_face.Canvas().Handle(), 0, 0, SRCCOPY);
    return m_buffer.Canvas();
}

void TSkinButton::Refresh()
{
    m_faceKey = {};
    m_captioned.reset();
    TSkinControl::Refresh();
}

HFONT TSkinButton::WindowFont() const { return reinterpret_cast<HFONT>(SendMessageW(m_handle, WM_GETFONT, 0, 0)); }

void TSkinButton::UseWindowFont(TCanvas& canvas)
{
    // A font is made only when the window's changes.
    HFONT const font = WindowFont();
    if (font != m_font) {
        canvas.Font().AssignHandle(font);
        m_font = font;
    }
}

bool TSkinButton::BeforeMessage(TMessage& m)
{
    // Without a button strip the control keeps its own look and behaviour.
    if (!CanDraw())
        return true;
    if (TakePaintOver(m))
        return false;
    switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (!m_focused && m_handle)
            SetFocus(m_handle);
        AddState(scPressed);
        PaintWindow(nullptr);
        return false;
    default: return true;
    }
}

void TSkinButton::AfterMessage(TMessage& m)
{
    switch (m.Msg) {
    case WM_KEYDOWN:
    case WM_KEYUP:
        if (m.WParam != VK_SPACE)
            return TSkinControl::AfterMessage(m);
        if (m.Msg == WM_KEYDOWN)
            AddState(scPressed);
        else
            RemoveState(scPressed);
        RepaintNow();
        return;
    case WM_MOUSEMOVE: {
        if (Hot())
            return;
        AddState(scHot);
        TSkinControl* const hot = HotSkinner();
        if (hot && hot != this)
            hot->SendMouseLeave();
        if (hot != this) {
            RepaintNow();
            SetHotSkinner(this);
        }
        return;
    }
    case WM_LBUTTONUP:
        if (!Pressed())
            return;
        RemoveState(scPressed);
        RepaintNow();
        if (m_control) {
            m_control->Click();
        } else if (m_handle) {
            // Posted: a parent that goes meanwhile never sees it.
            PostMessageW(GetParent(m_handle), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(m_handle), 0),
                         reinterpret_cast<LPARAM>(m_handle));
        }
        return;
    case CM_MOUSEENTER:
        if (!m_enabled)
            return;
        AddState(scHot);
        RepaintNow();
        SetHotSkinner(this);
        return;
    case CM_MOUSELEAVE:
        if (!m_enabled)
            return;
        RemoveState(scHot | scPressed);
        RepaintNow();
        if (HotSkinner() == this)
            SetHotSkinner(nullptr);
        return;
    default: TSkinControl::AfterMessage(m); return;
    }
}

void TSkinButton::DrawControl(HDC dc, const RECT& rect)
{
    if (!CanDraw())
        return;
    // The button keeps its own focus flag: cheaper to ask than the system.
    m_focused = (SendMessageW(m_handle, BM_GETSTATE, 0, 0) & BST_FOCUS) != 0;
    m_enabled = !WindowDisabled(m_handle);
    m_text = WindowText(m_handle);
    if (m_text.empty() && m_control)
        m_text = m_control->Caption();
    int const frame = PushButtonFrame(m_focused, Pressed(), Hot(), m_enabled);

    RECT const r = AtOrigin(rect);
    TColor const colour = CaptionColour(frame, m_enabled);
    TCaptionedKey key {FaceKey(r, 5, frame), m_text, WindowFont(), colour, m_enabled};
    if (m_captioned != key) {
        TCanvas& canvas = ComposeFace(r, 5, frame);
        UseWindowFont(canvas);
        canvas.Font().SetColor(colour);
        DrawCaption(canvas, r, m_text, m_enabled, DT_CENTER);
        m_captioned = std::move(key);
    }
    BitBlt(dc, rect.left, rect.top, r.right, r.bottom, m_buffer.Canvas().Handle(), 0, 0, SRCCOPY);
}

// Bitmap buttons.

void TSkinBitButton::AttachGraphic(TControl* graphicControl, TSkinData* skinData, TCanvas* canvas)
{
    if (!graphicControl)
        return;
    m_skinData = skinData;
    m_canvas = canvas;
    m_graphicControl = graphicControl;
    HookHandler(*graphicControl);
    RegisterWithOwner();
    // Without a glyph the caption is written in the button's font colour.
    GiveCaptionColour(*graphicControl);
}

void TSkinBitButton::DrawControl(HDC dc, const RECT& rect)
{
    auto* button = dynamic_cast<TBitBtn*>(m_control);
    if (!button)
        return TSkinButton::DrawControl(dc, rect);
    if (!CanDraw())
        return;
    m_focused = button->Focused();
    m_enabled = !WindowDisabled(m_handle);
    bool const enabled = button->Enabled();
    int const frame = PushButtonFrame(m_focused, Pressed(), Hot(), enabled);

    RECT const r = AtOrigin(rect);
    TCanvas& canvas = ComposeFace(r, ButtonFrameCount(*m_skinData->Buttons), frame);
    UseWindowFont(canvas);

    std::wstring const caption = button->Caption();
    TBitmap& glyph = button->GlyphAtDpi(button->ShownGlyph(), button->ShownNumGlyphs(), Dpi());
    SIZE const text = CaptionExtent(canvas, caption, r.right, r.bottom);
    canvas.Font().SetColor(CaptionColour(frame, enabled));
    DrawGlyphAndCaption(canvas, glyph, button->ShownNumGlyphs(), 1, caption,
                        GlyphMetrics(glyph, button->ShownNumGlyphs(), text, button->ClientWidth(),
                                     button->ClientHeight(), button->Layout(), GlyphMargin(button->Margin(), Dpi()),
                                     ScaleDpi(button->Spacing(), Dpi())),
                        TButtonKind::bkBitmap);
    BitBlt(dc, rect.left, rect.top, r.right, r.bottom, canvas.Handle(), 0, 0, SRCCOPY);
}

// Speed buttons.

TSpeedButton* TSkinSpeedButton::Button() const { return dynamic_cast<TSpeedButton*>(m_graphicControl); }

void TSkinSpeedButton::Detach()
{
    if (m_savedHandler && m_graphicControl)
        m_graphicControl->WindowProc = std::move(m_savedHandler);
    m_savedHandler = nullptr;
}

bool TSkinSpeedButton::BeforeMessage(TMessage& m)
{
    switch (m.Msg) {
    case WM_PAINT: {
        TSpeedButton* const button = Button();
        HDC const dc = reinterpret_cast<HDC>(m.WParam);
        if (!button || !dc || !CanDraw())
            return true;
        TCanvas canvas;
        TCanvasBinding const binding(canvas, dc);
        try {
            DrawSpeedButton(canvas, button->ClientRect());
        } catch (...) {
            // Swallowed like any skinner's paint failure; the next paint tries again.
        }
        m.Result = 1;
        return false;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        // The button handles the press itself (its down state, its click).
        PressAfterControl(m);
        return false;
    default: return true;
    }
}

void TSkinSpeedButton::AfterMessage(TMessage& m)
{
    switch (m.Msg) {
    case WM_NCDESTROY:
    case CM_RELEASE: Detach(); return;
    case WM_KEYDOWN:
    case WM_KEYUP:
        if (m.WParam != VK_SPACE)
            return TSkinButton::AfterMessage(m);
        if (m.Msg == WM_KEYDOWN)
            AddState(scPressed);
        else
            RemoveState(scPressed);
        PaintWindow(nullptr);
        return;
    case WM_LBUTTONUP:
        RemoveState(scPressed);
        PaintWindow(nullptr);
        return;
    case CM_MOUSEENTER:
        AddState(scHot);
        PaintHover();
        return;
    case CM_MOUSELEAVE:
        RemoveState(scHot | scPressed);
        if (m_graphicControl && m_graphicControl->Visible())
            PaintHover();
        return;
    default: TSkinButton::AfterMessage(m); return;
    }
}

void TSkinSpeedButton::PaintHover()
{
    TSpeedButton* const button = Button();
    if (!button || !button->Parent() || !button->Parent()->HandleAllocated())
        return;
    RECT const bounds = button->BoundsRect();
    TOwnedRegion const pending(CreateRectRgn(0, 0, 0, 0));
    if (GetUpdateRgn(button->Parent()->Handle(), pending.Get(), FALSE) > NULLREGION &&
        RectInRegion(pending.Get(), &bounds))
        return;
    PaintWindow(nullptr);
}

void TSkinSpeedButton::PaintWindow(HDC)
{
    TSpeedButton* const button = Button();
    if (!button || !button->Visible() || !button->Parent() || !button->Parent()->HandleAllocated() || !CanDraw())
        return;
    HWND const parent = button->Parent()->Handle();
    HDC const dc = GetDC(parent);
    if (!dc)
        return;
    auto const release = OnScopeExit([&] { ReleaseDC(parent, dc); });
    try {
        TSaveDC const saved(dc);
        OffsetViewportOrgEx(dc, button->Left(), button->Top(), nullptr);
        IntersectClipRect(dc, 0, 0, button->Width(), button->Height());
        TCanvas canvas;
        TCanvasBinding const binding(canvas, dc);
        DrawSpeedButton(canvas, button->ClientRect());
    } catch (...) {
        // The button keeps what it showed.
    }
}

void TSkinSpeedButton::DrawSpeedButton(TCanvas& canvas, const RECT& rect)
{
    TSpeedButton* const button = Button();
    if (!button || !CanDraw())
        return;
    TDataSkinButton& element = *m_skinData->Buttons;
    bool const enabled = button->Enabled();
    int const frame = SpeedButtonFrame(Pressed(), Hot(), enabled, button->Down());
    int const glyphFrame = SpeedGlyphFrame(frame, button->NumGlyphs());

    RECT const r = AtOrigin(rect);
    TBitmap& scratch = SizeSkinScratchBitmap(r.right, r.bottom);
    TCanvas& target = scratch.Canvas();
    target.Font().Assign(button->Font());
    DrawElementScratch(r, element, frame, ButtonFrameCount(element), TransparencyOf(element));

    RECT const client = button->ClientRect();
    std::wstring const caption = button->Caption();
    SIZE const text = CaptionExtent(target, caption, client.right, client.bottom);
    TBitmap& glyph = button->GlyphAtDpi(button->Glyph(), button->NumGlyphs(), Dpi());
    if (!glyph.Empty()) {
        TSkinButtonMetrics metrics = GlyphMetrics(glyph, button->NumGlyphs(), text, client.right, client.bottom,
                                                  button->Layout(), GlyphMargin(button->Margin(), Dpi()),
                                                  ScaleDpi(button->Spacing(), Dpi()));
        metrics.PaintWidth = r.right;
        target.Font().SetColor(CaptionColour(frame, enabled));
        DrawGlyphAndCaption(target, glyph, button->NumGlyphs(), glyphFrame, caption, metrics, TButtonKind::bkSpeed);
    } else {
        DrawCaption(target, r, caption, enabled, DT_CENTER);
    }
    canvas.Draw(rect.left, rect.top, scratch);
}

// Check boxes and radio buttons.

void TSkinChoiceButton::AfterMessage(TMessage& m)
{
    if (RepaintsBox(m.Msg))
        RepaintNow();
    else
        TSkinControl::AfterMessage(m);
}

void TSkinChoiceButton::DrawChoice(HDC dc, const RECT& rect, TBitmap& strip, int frameCount, UINT query,
                                   bool thirdState)
{
    if (strip.Empty())
        return;
    auto const state = static_cast<UINT>(SendMessageW(m_handle, query, 0, 0));
    bool const checked = PublishedChecked(m_control, (state & BST_CHECKED) != 0);
    int const frame = CheckFrame(checked, !WindowDisabled(m_handle), thirdState && (state & BST_INDETERMINATE) != 0);
    int const count = std::max(1, frameCount);
    TSkinScale const scale = Scale();
    if (scale.Dpi() != kDesignDpi)
        return DrawScaledChoice(dc, rect, scale.Image(strip, count, TFrameLayout::flHorizontal), count, frame, scale);
    RECT const r = ChoiceBox(m_handle, rect, strip.Width() / count, strip.Height());
    int const width = r.right - r.left;
    int const height = r.bottom - r.top;
    if (width <= 0 || height <= 0)
        return;
    // The box is composed over the face once per frame and skin, off the
    // window (keyed drawing onto a window is slow); a repaint copies it.
    TBoxKey const key {PictureGround(width, height), frame, &strip};
    TBitmap& box = m_box.For(key, width, height, [&](TBitmap& picture) {
        RECT const all {0, 0, width, height};
        FillFace(picture.Canvas().Handle(), all);
        DrawSkinFrame(picture.Canvas(), all, strip, count, frame);
    });
    BitBlt(dc, r.left, r.top, width, height, box.Canvas().Handle(), 0, 0, SRCCOPY);
}

void TSkinChoiceButton::Refresh()
{
    m_box.Forget();
    TSkinControl::Refresh();
}

void TSkinChoiceButton::DrawScaledChoice(HDC dc, const RECT& rect, TBitmap& image, int frameCount, int frame,
                                         const TSkinScale& scale)
{
    RECT const all = AtOrigin(rect);
    if (all.right <= 0 || all.bottom <= 0)
        return;
    TBitmap picture(all.right, all.bottom, TPixelFormat::pf24bit);
    TCanvas& canvas = picture.Canvas();
    FillFace(canvas.Handle(), all);
    RECT const box = ChoiceBox(m_handle, all, image.Width() / frameCount, image.Height());
    DrawSkinFrame(canvas, box, image, frameCount, frame);

    bool const boxRight = (GetWindowLongW(m_handle, GWL_STYLE) & BS_LEFTTEXT) != 0;
    int const gap = scale.Length(4);
    RECT text = boxRight ? RECT {0, 0, box.left - gap, all.bottom} : RECT {box.right + gap, 0, all.right, all.bottom};
    canvas.Font().AssignHandle(reinterpret_cast<HFONT>(SendMessageW(m_handle, WM_GETFONT, 0, 0)));
    canvas.Font().SetColor(m_control ? m_control->Font().Color() : static_cast<TColor>(m_skinData->ButtonTextColour));
    std::wstring const caption = m_control ? m_control->Caption() : WindowText(m_handle);
    bool const enabled = !WindowDisabled(m_handle);
    DrawCaption(canvas, text, caption, enabled, boxRight ? DT_RIGHT | DT_SINGLELINE : DT_LEFT | DT_SINGLELINE);
    if (GetFocus() == m_handle && !caption.empty()) {
        RECT used = text;
        canvas.DrawText(caption, used, DT_CALCRECT | DT_SINGLELINE);
        int const h = used.bottom - used.top;
        used.top = (all.bottom - h) / 2 - 1;
        used.bottom = used.top + h;
        if (boxRight)
            OffsetRect(&used, text.right - used.right, 0);
        InflateRect(&used, 1, 1);
        DrawFocusRect(canvas.Handle(), &used);
    }
    BitBlt(dc, rect.left, rect.top, all.right, all.bottom, canvas.Handle(), 0, 0, SRCCOPY);
}

void TSkinCheckBox::DrawControl(HDC dc, const RECT& rect)
{
    if (m_skinData && m_skinData->Buttons)
        DrawChoice(dc, rect, m_skinData->Buttons->CheckBitmap, m_skinData->Buttons->CheckFrameCount, BM_GETSTATE,
                   true);
}

void TSkinRadioButton::DrawControl(HDC dc, const RECT& rect)
{
    if (m_skinData && m_skinData->Buttons)
        DrawChoice(dc, rect, m_skinData->Buttons->RadioBitmap, m_skinData->Buttons->RadioFrameCount, BM_GETCHECK,
                   false);
}

// Boxes.

// The box only wears the face colour: its handler stays the control's own
// and its painting is left as it was, so the skinner never sees a message.
void TSkinBox::Attach(TWinControl* control, TSkinData* skinData, TCanvas* canvas, bool setColour)
{
    if (m_control || !control)
        return;
    BindControl(*control, skinData, canvas, setColour);
    // A freed control must not be given its colour back later.
    control->FreeNotification(this);
    RegisterWithOwner();
    if (setColour) {
        m_savedColour = control->Color();
        control->SetColor(skinData->ButtonFaceColour);
        GiveCaptionColour(*control);
    }
}

void TSkinBox::AfterMessage(TMessage&) {}

} // namespace tandrel
