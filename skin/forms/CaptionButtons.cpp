#include "skin/forms/CaptionButtons.h"

#include <algorithm>

namespace tandrel {

void TWinSysButton::Draw() { m_set.Redraw(*this); }

void TCaptionButtons::Build(std::vector<std::unique_ptr<TDataSkinSysButton>>& objects)
{
    Clear();
    for (auto& object : objects)
        m_buttons.push_back(std::make_unique<TWinSysButton>(m_host, *this, *object));
}

void TCaptionButtons::Clear()
{
    if (Find(m_host.HotObject()))
        m_host.SetHotObject(nullptr);
    m_pressed = nullptr;
    m_buttons.clear();
}

TWinSysButton* TCaptionButtons::Find(const TNCObject* object) const
{
    for (const auto& button : m_buttons)
        if (button.get() == object)
            return button.get();
    return nullptr;
}

TWinSysButton* TCaptionButtons::HitTest(POINT p) const
{
    for (const auto& button : m_buttons)
        if (button->Enabled && button->Object.Action >= 0 && PtInRect(&button->Rect, p))
            return button.get();
    return nullptr;
}

bool TCaptionButtons::UpdateVisible(int index, const TCaptionButtonContext& context)
{
    if (index < 0 || index >= static_cast<int>(m_buttons.size()))
        return false;
    TWinSysButton& button = *m_buttons[static_cast<size_t>(index)];
    const TDataSkinSysButton& o = button.Object;
    button.Enabled = CaptionButtonVisible(o.Action, o.Visibility, o.Visibility1, context);
    return button.Enabled;
}

int TCaptionButtons::Layout(const TCaptionButtonContext& context, int windowWidth, const TSkinRect& captionText,
                            const TFrameSizes& sizes, int menuMargin, TReadingOrder order)
{
    int rightLimit = 0;
    for (int i = 0; i < static_cast<int>(m_buttons.size()); ++i) {
        TWinSysButton& button = *m_buttons[static_cast<size_t>(i)];
        TDataSkinSysButton& o = button.Object;
        if (!UpdateVisible(i, context) || o.Bitmap.Empty())
            continue;
        TBitmap& image = m_scale.Image(o.Bitmap, o.FrameCount, TFrameLayout::flHorizontal);
        TCaptionButtonPlacement const placement {o.Align, m_scale.Length(o.Xcoord), m_scale.Length(o.Ycoord),
                                                 image.Width() / std::max(1, o.FrameCount), image.Height()};
        TSkinRect const r = PlaceCaptionButton(placement, windowWidth, captionText, sizes, menuMargin, order);
        if (o.Align == calRight)
            rightLimit = std::max(rightLimit, r.Left);
        button.Rect = {r.Left, r.Top, r.Right, r.Bottom};
    }
    return rightLimit;
}

void TCaptionButtons::DrawFrame(HDC dc, TWinSysButton& button, int frame, TBitmap& icon, POINT origin)
{
    int const width = button.Rect.right - button.Rect.left;
    int const height = button.Rect.bottom - button.Rect.top;
    auto& picture = button.m_pictures[static_cast<size_t>(std::clamp(frame, 0, 4))];
    if (!picture || !picture->Fits(width, height)) {
        TDataSkinSysButton& o = button.Object;
        picture = frame == 0 ? std::make_unique<TKeyedPicture>(icon, 1, 1, width, height)
                             : std::make_unique<TKeyedPicture>(
                                   m_scale.Image(o.Bitmap, o.FrameCount, TFrameLayout::flHorizontal), o.FrameCount,
                                   frame, width, height);
    }
    picture->Draw(dc, button.Rect.left - origin.x, button.Rect.top - origin.y);
}

void TCaptionButtons::Paint(HDC dc, bool active, TBitmap& icon)
{
    for (const auto& button : m_buttons) {
        const TDataSkinSysButton& o = button->Object;
        if (!button->Enabled || o.Bitmap.Empty() || o.Visibility == cvMdiButton)
            continue;
        // Strips of four frames or more have an inactive look, the fourth.
        int const frame = IsIconAction(o.Action) ? 0 : active || o.FrameCount < 4 ? 1 : 4;
        DrawFrame(dc, *button, frame, icon);
    }
}

void TCaptionButtons::PaintMdiButtons(HDC dc, POINT barOrigin, TBitmap& icon)
{
    for (const auto& button : m_buttons) {
        const TDataSkinSysButton& o = button->Object;
        if (o.Visibility == cvMdiButton && !o.Bitmap.Empty())
            DrawFrame(dc, *button, 1, icon, barOrigin);
    }
}

void TCaptionButtons::DrawState(HDC dc, TWinSysButton& button, int state, TBitmap& icon)
{
    const TDataSkinSysButton& o = button.Object;
    if (o.Bitmap.Empty())
        return;
    if (IsIconAction(o.Action)) {
        DrawFrame(dc, button, 0, icon);
        return;
    }
    // An MDI button shows its hot look in the fourth frame.
    DrawFrame(dc, button, o.Visibility == cvMdiButton && state == ncsHot ? 4 : state, icon);
}

} // namespace tandrel
