#include "framework/controls/ToolBar.h"

#include "framework/core/Publisher.h"
#include "framework/graphics/GdiObjects.h"
#include "framework/graphics/ImageList.h"

#include <commctrl.h>

namespace tandrel {

namespace {
constexpr int kFirstCommand = 100; // command ids of the buttons, in order
}

void TToolButton::SetCaption(const std::wstring& caption)
{
    m_caption = caption;
    m_owner.PutButtons();
}

void TToolButton::SetImageIndex(int index)
{
    m_imageIndex = index < -1 ? -1 : index;
    m_owner.PutButtons();
}

const TClassInfo& TToolBar::StaticClassInfo()
{
    static const TClassInfo info = [] {
        TClassInfo i("TToolBar", &TWinControl::StaticClassInfo());
        TPublisher<TToolBar>(i)
            .Boolean("Flat", &TToolBar::Flat, &TToolBar::SetFlat)
            .Boolean("ShowCaptions", &TToolBar::ShowCaptions, &TToolBar::SetShowCaptions);
        return i;
    }();
    return info;
}

TToolBar::TToolBar(TComponent* owner) : TWinControl(owner), m_images(*this, TB_SETIMAGELIST)
{
    m_controlStyle = csDoubleClicks;
    SetColor(clBtnFace);
    SetBounds(0, 0, 150, 29);
}

// The window goes first: its commands name the buttons.
TToolBar::~TToolBar()
{
    Destroying();
    DestroyHandle();
}

void TToolBar::CreateParams(TCreateParams& p)
{
    TWinControl::CreateParams(p);
    p.BaseClassName = TOOLBARCLASSNAMEW;
    p.CommonControlClasses = ICC_BAR_CLASSES;
    p.Caption.clear();
    // The framework places the bar; the system must not move it.
    p.Style |= CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER | TBSTYLE_TOOLTIPS;
    if (m_flat)
        p.Style |= TBSTYLE_FLAT;
}

void TToolBar::InitializeWindow()
{
    TWinControl::InitializeWindow();
    SendMessageW(m_handle, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    m_images.PutInWindow();
    PutButtons();
}

void TToolBar::SetFlat(bool flat) { SetWindowProperty(m_flat, flat); }

void TToolBar::SetShowCaptions(bool show)
{
    m_showCaptions = show;
    PutButtons();
}

void TToolBar::SetImages(TImageList* images)
{
    m_images.Set(images);
    if (HandleAllocated()) {
        PutButtons();
    }
}

TToolButton& TToolBar::AddButton(const std::wstring& caption, int imageIndex)
{
    m_buttons.push_back(std::make_unique<TToolButton>(*this, ButtonCount()));
    TToolButton& button = *m_buttons.back();
    button.m_caption = caption;
    button.m_imageIndex = imageIndex < -1 ? -1 : imageIndex;
    PutButtons();
    return button;
}

void TToolBar::PutButtons()
{
    if (!HandleAllocated())
        return;
    while (SendMessageW(m_handle, TB_BUTTONCOUNT, 0, 0) > 0)
        SendMessageW(m_handle, TB_DELETEBUTTON, 0, 0);
    for (const auto& button : m_buttons) {
        TBBUTTON b {};
        b.iBitmap = button->m_imageIndex >= 0 ? button->m_imageIndex : I_IMAGENONE;
        b.idCommand = kFirstCommand + button->Index();
        b.fsState = TBSTATE_ENABLED;
        b.fsStyle = BTNS_BUTTON | BTNS_AUTOSIZE;
        b.iString = m_showCaptions ? reinterpret_cast<INT_PTR>(button->m_caption.c_str()) : -1;
        SendMessageW(m_handle, TB_INSERTBUTTONW, static_cast<WPARAM>(button->Index()), reinterpret_cast<LPARAM>(&b));
    }
    SendMessageW(m_handle, TB_AUTOSIZE, 0, 0);
    Invalidate();
}

void TToolBar::ColorChanged()
{
    TWinControl::ColorChanged();
    Invalidate();
}

void TToolBar::OnEraseBackground(TMessage& m)
{
    // The bar's face is its Color, not the system's button face.
    RECT const client = ClientRect();
    TOwnedBrush const brush(CreateSolidBrush(ColorToRGB(Color())));
    FillRect(reinterpret_cast<HDC>(m.WParam), &client, brush.Get());
    m.Result = 1;
}

void TToolBar::Notification(TComponent* component, TOperation operation)
{
    TWinControl::Notification(component, operation);
    if (operation == TOperation::opRemove)
        m_images.Removed(component);
}

LRESULT TToolBar::ReflectedNotify(NMHDR& header)
{
    if (header.code != NM_CUSTOMDRAW)
        return 0;
    // Captions in the bar's font colour, which the system's own drawing
    // leaves at the button-text colour.
    auto& draw = reinterpret_cast<NMTBCUSTOMDRAW&>(header);
    if (draw.nmcd.dwDrawStage == CDDS_PREPAINT)
        return CDRF_NOTIFYITEMDRAW;
    if (draw.nmcd.dwDrawStage == CDDS_ITEMPREPAINT)
        draw.clrText = ColorToRGB(Font().Color());
    return CDRF_DODEFAULT;
}

void TToolBar::ReflectedCommand(WORD, WORD id)
{
    int const index = id - kFirstCommand;
    if (index >= 0 && index < ButtonCount() && m_buttons[static_cast<size_t>(index)]->OnClick)
        m_buttons[static_cast<size_t>(index)]->OnClick(this);
}

} // namespace tandrel
