#include "framework/controls/BitBtn.h"

#include "framework/graphics/Dpi.h"
#include "framework/graphics/DcGuards.h"
#include "framework/core/ScopeGuard.h"

#include "framework/core/Publisher.h"

namespace tandrel {

namespace {
const TEnumInfo kKinds {{"bkCustom", "bkOK", "bkCancel", "bkHelp", "bkYes", "bkNo", "bkClose", "bkAbort", "bkRetry",
                         "bkIgnore", "bkAll"}};
constexpr SIZE kDoorGlyph {14, 16};
} // namespace

const TClassInfo& TBitBtn::StaticClassInfo()
{
    static const TClassInfo info = [] {
        TClassInfo i("TBitBtn", &TButton::StaticClassInfo());
        TPublisher<TBitBtn> publisher(i);
        publisher.Enumeration("Kind", kKinds, &TBitBtn::Kind, &TBitBtn::SetKind);
        PublishGlyph(publisher);
        return i;
    }();
    return info;
}

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner) {}

void TBitBtn::CreateParams(TCreateParams& p)
{
    TButton::CreateParams(p);
    p.Style = (p.Style & ~(BS_DEFPUSHBUTTON | BS_PUSHBUTTON)) | BS_OWNERDRAW;
}

void TBitBtn::SetKind(TBitBtnKind kind)
{
    if (kind == m_kind)
        return;
    m_kind = kind;
    switch (kind) {
    case TBitBtnKind::bkOK: SetModalResult(mrOk); break;
    case TBitBtnKind::bkCancel: SetModalResult(mrCancel); break;
    case TBitBtnKind::bkYes: SetModalResult(mrYes); break;
    case TBitBtnKind::bkNo: SetModalResult(mrNo); break;
    case TBitBtnKind::bkAbort: SetModalResult(mrAbort); break;
    case TBitBtnKind::bkRetry: SetModalResult(mrRetry); break;
    case TBitBtnKind::bkIgnore: SetModalResult(mrIgnore); break;
    default: SetModalResult(mrNone); break;
    }
    Invalidate();
}

void TBitBtn::Click()
{
    if (m_kind == TBitBtnKind::bkClose) {
        if (TModalHost* form = ParentModalHost(this)) {
            form->Close();
            return;
        }
    }
    TButton::Click();
}

void TBitBtn::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case CN_DRAWITEM: return OnDrawItem(m);
    case CN_MEASUREITEM: m.Result = 1; return;
    // An owner-drawn button would paint its default state wrong; its face is ours.
    case WM_LBUTTONDBLCLK: m.Msg = WM_LBUTTONDOWN; break;
    default: break;
    }
    TButton::WndProc(m);
}

TBitmap& TBitBtn::ShownGlyph() { return Glyph().Empty() && m_kind == TBitBtnKind::bkClose ? KindGlyph() : Glyph(); }

// Our own picture for the close kind: a door, so the kind reads at a glance.
TBitmap& TBitBtn::KindGlyph()
{
    if (m_kindGlyph.Empty()) {
        m_kindGlyph.SetSize(kDoorGlyph.cx, kDoorGlyph.cy);
        TCanvas& c = m_kindGlyph.Canvas();
        c.Brush().SetColor(clFuchsia);
        c.FillRect({0, 0, kDoorGlyph.cx, kDoorGlyph.cy});
        c.Pen().SetColor(0x202020);
        c.Brush().SetColor(0x2A5A8C);  // warm brown frame
        c.Rectangle(2, 0, 12, 16);
        c.Brush().SetColor(0x4A86C4);
        c.Rectangle(4, 2, 10, 14);
        c.Pen().SetColor(0x1070A0);
        c.Brush().SetColor(0x30C8F0);  // brass knob
        c.Rectangle(8, 7, 10, 9);
        m_kindGlyph.SetTransparentColor(clFuchsia);
        m_kindGlyph.SetTransparent(true);
    }
    return m_kindGlyph;
}

void TBitBtn::OnDrawItem(TMessage& m)
{
    auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam);
    const bool pressed = item->itemState & ODS_SELECTED;
    const bool focused = item->itemState & ODS_FOCUS;
    const bool disabled = item->itemState & ODS_DISABLED;
    RECT client = item->rcItem;

    TCanvasBinding const binding(m_canvas, item->hDC);
    m_canvas.Font().Assign(Font());
    RECT face = client;
    if (focused || Default()) {
        m_canvas.Brush().SetColor(clWindowFrame);
        m_canvas.FrameRect(face);
        InflateRect(&face, -1, -1);
    }
    DrawFrameControl(item->hDC, &face, DFC_BUTTON,
                     DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (pressed ? DFCS_PUSHED | DFCS_FLAT : 0));
    if (pressed) {
        // A pressed face keeps a plain shadow frame, as the system's buttons do.
        RECT frame = client;
        if (focused || Default())
            InflateRect(&frame, -1, -1);
        m_canvas.Brush().SetColor(clBtnShadow);
        m_canvas.FrameRect(frame);
    }

    int const dpi = WindowDpi(Handle());
    TButtonContent const content = Content(GlyphAtDpi(ShownGlyph(), ShownNumGlyphs(), dpi), ShownNumGlyphs(), Caption(), dpi);
    POINT offset = pressed ? POINT {1, 1} : POINT {0, 0};
    const TButtonState state = disabled ? TButtonState::bsDisabled : pressed ? TButtonState::bsDown : TButtonState::bsUp;
    DrawButtonContent(m_canvas, face, content, state, offset);
    if (focused) {
        RECT focus = face;
        InflateRect(&focus, -2, -2);
        m_canvas.Font().SetColor(clBtnText);
        m_canvas.Brush().SetColor(clBtnFace);
        DrawFocusRect(item->hDC, &focus);
    }
    m.Result = TRUE;
}

} // namespace tandrel
