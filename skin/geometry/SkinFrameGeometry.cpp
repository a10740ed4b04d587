#include "skin/geometry/SkinFrameGeometry.h"

#include <algorithm>

namespace tandrel {

TBorderClass BorderClassOf(bool popup, bool fullCaption, bool windowEdgeOrThickFrame)
{
    if (popup && !fullCaption)
        return bcBorderless;
    return windowEdgeOrThickFrame ? bcEdged : bcThin;
}

int BorderFrameExtent(int imageSide, int frameCount) { return std::max(0, imageSide) / std::max(1, frameCount); }

TSkinRect SkinnedClientRect(int x, int y, int cx, int cy, const TFrameSizes& sizes)
{
    TSkinRect client { x + sizes.Left, y + sizes.Caption + sizes.MenuBar, x + cx - sizes.Right, y + cy - sizes.Bottom };
    client.Right = std::max(client.Left, client.Right);
    client.Bottom = std::max(client.Top, client.Bottom);
    return client;
}

TSkinSize FittedWindowSize(int clientWidth, int clientHeight, const TFrameSizes& sizes)
{
    return { clientWidth + sizes.Left + sizes.Right, clientHeight + sizes.Caption + sizes.Bottom + sizes.MenuBar };
}

TSkinSize UnskinnedWindowSize(int windowWidth, int windowHeight, const TFrameSizes& sizes, int extentX, int extentY)
{
    return { windowWidth - sizes.Left - sizes.Right + extentX,
             windowHeight - sizes.Caption - sizes.MenuBar - sizes.Bottom + extentY };
}

bool VisibilityHolds(int value, TVisibilityTest test, int action, const TCaptionButtonContext& c)
{
    bool const a = test == TVisibilityTest::vtA;
    switch (value) {
    case cvFrame:
        if (!a)
            return true;
        return c.BorderClass != bcThin && (action != caClose || c.SystemMenu);
    case cvMaximized: return c.Maximized;
    case cvNotMaximized: return !c.Maximized;
    case cvActive: return c.Active;
    case cvInactive: return !c.Active;
    case cvMaximizeBox: return a ? c.MaximizeBox && c.SystemMenu : c.MaximizeBox;
    case cvNoMaximizeBox: return !c.MaximizeBox;
    case cvMinimizeBox: return a ? c.MinimizeBox && c.SystemMenu : c.MinimizeBox;
    case cvNoMinimizeBox: return !c.MinimizeBox;
    case cvMdiButton: return c.MdiChildMaximized && c.MenuBarHeight > 0;
    default: return value >= cvAlwaysFrom && value <= cvAlwaysTo;
    }
}

bool CaptionButtonVisible(int action, int visibility, int visibility1, const TCaptionButtonContext& c)
{
    if (!VisibilityHolds(visibility, TVisibilityTest::vtA, action, c)
        || !VisibilityHolds(visibility1, TVisibilityTest::vtB, action, c))
        return false;
    if (action == caMaximize && !c.MaximizeBox)
        return false;
    if (action == caMinimize && !c.MinimizeBox)
        return false;
    return true;
}

TSkinRect PlaceCaptionButton(const TCaptionButtonPlacement& b, int windowWidth, const TSkinRect& captionText,
                             const TFrameSizes& sizes, int menuMargin, TReadingOrder order)
{
    int left = 0;
    int top = 0;
    switch (b.Align) {
    case calLeft:
        left = b.Xcoord;
        top = b.Ycoord;
        break;
    case calRight:
        left = windowWidth - b.Xcoord;
        top = b.Ycoord;
        break;
    case calBeforeText:
    case calBeforeTextAlt:
        left = captionText.Left - b.Width - b.Xcoord;
        top = b.Ycoord;
        break;
    case calAfterText:
    case calAfterTextAlt:
        left = captionText.Right + b.Xcoord;
        top = b.Ycoord;
        break;
    case calMenuBar:
        top = (sizes.MenuBar - b.Height) / 2 + sizes.Caption;
        left = order == TReadingOrder::roRightToLeft ? b.Xcoord + sizes.Left + menuMargin
                                                      : windowWidth - b.Xcoord - sizes.Right - menuMargin;
        break;
    default:
        break;
    }
    return { left, top, left + b.Width, top + b.Height };
}

TSkinRect PlaceCaptionText(const TSkinRect& measured, const TSkinRect& area, const TCaptionTextStyle& s,
                           TReadingOrder order, bool popup, int rightButtonLimit)
{
    TSkinRect m = measured;
    m.Right += s.BackLeft + s.BackRight;
    TCaptionTextAlign const alignment = order == TReadingOrder::roRightToLeft ? ctaRight : s.Alignment;
    int dx = 0;
    switch (alignment) {
    case ctaLeft: dx = s.Shift; break;
    case ctaCentre: dx = (area.Width() - m.Width()) / 2; break;
    case ctaRight: dx = area.Width() - s.RightClip - m.Width(); break;
    default: break; // an unknown code leaves the text where it was measured
    }
    // Each half rounds toward zero on its own.
    int const dy = (area.Height() - m.Height()) / 2 + s.ShiftVert / 2;
    m = { m.Left + dx, m.Top + dy, m.Right + dx, m.Bottom + dy };
    if (!popup) {
        if (m.Right > area.Right - s.RightClip)
            m.Right = area.Right - s.RightClip;
    } else if (rightButtonLimit - 5 > m.Right) {
        m.Right = rightButtonLimit - 5;
    }
    return m;
}

int SkinnedHitTest(int systemAnswer, int y, int captionHeight)
{
    if (systemAnswer != htNowhere)
        return systemAnswer;
    if (y <= 3)
        return systemAnswer;
    return y > captionHeight ? htMenu : htCaption;
}

TFrameWindowState WindowStateOfShowCommand(unsigned showCommand)
{
    switch (showCommand) {
    case 2: // SW_SHOWMINIMIZED
    case 6: // SW_MINIMIZE
    case 7: // SW_SHOWMINNOACTIVE
        return fwsMinimized;
    case 3: // SW_SHOWMAXIMIZED
        return fwsMaximized;
    default:
        return fwsNormal;
    }
}

} // namespace tandrel
