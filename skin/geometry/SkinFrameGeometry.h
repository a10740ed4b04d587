#pragma once

// The arithmetic of a skinned window frame: how wide its borders are, where
// its client area lies, which caption buttons show, where they and the
// caption text go, and what a point on the frame means. Plain C++: no
// Win32; the form skinning object feeds it numbers read from the window.

#include "skin/description/SkinCodes.h"
#include "skin/geometry/SkinGeometry.h"

namespace tandrel {

// How much of the skinned frame a window wears. Borderless pop-ups (a
// pop-up without a full caption) wear none of it; the others differ only
// in the caption buttons they may show.
enum TBorderClass : int {
    bcEdged = 0,      // a window edge or a sizing frame
    bcBorderless = 2, // WS_POPUP without both caption bits
    bcThin = 3,       // everything else
};

TBorderClass BorderClassOf(bool popup, bool fullCaption, bool windowEdgeOrThickFrame);

// Widths of the four borders and heights of the caption and menu strips.
struct TFrameSizes {
    int Left = 0;
    int Caption = 0;
    int Right = 0;
    int Bottom = 0;
    int MenuBar = 0;
    bool operator==(const TFrameSizes&) const = default;
};

// One frame of a border image: its side divided by the frame count. A
// count below 1 counts as 1, so a hostile skin cannot divide by zero.
int BorderFrameExtent(int imageSide, int frameCount);

// The client area of a window at (x, y) of cx by cy: the window minus the
// borders and the caption and menu strips. A window smaller than its frame
// gets an empty client area at the frame's inner edge, never an inverted one.
TSkinRect SkinnedClientRect(int x, int y, int cx, int cy, const TFrameSizes& sizes);

// The window size that puts the frame around a client area.
struct TSkinSize {
    int Width = 0;
    int Height = 0;
    bool operator==(const TSkinSize&) const = default;
};
TSkinSize FittedWindowSize(int clientWidth, int clientHeight, const TFrameSizes& sizes);

// The window size that keeps the client area when the skinned frame goes
// and the window's own non-client extents come back.
TSkinSize UnskinnedWindowSize(int windowWidth, int windowHeight, const TFrameSizes& sizes, int extentX, int extentY);

// What the window is like when a caption button asks whether it shows.
struct TCaptionButtonContext {
    TBorderClass BorderClass = bcEdged;
    bool Maximized = false;
    bool Active = false;
    bool MaximizeBox = false;
    bool MinimizeBox = false;
    bool SystemMenu = false;
    // An MDI frame whose active MDI child is maximised (false for others).
    bool MdiChildMaximized = false;
    int MenuBarHeight = 0;
};

// One of the two visibility tests: A reads Visibility, B Visibility1.
enum class TVisibilityTest { vtA, vtB };
bool VisibilityHolds(int value, TVisibilityTest test, int action, const TCaptionButtonContext& context);

// Both tests, then a maximise button needs the maximise box and a minimise
// button the minimise box.
bool CaptionButtonVisible(int action, int visibility, int visibility1, const TCaptionButtonContext& context);

// Where a caption button goes, in window coordinates.
struct TCaptionButtonPlacement {
    int Align = 0;
    int Xcoord = 0;
    int Ycoord = 0;
    int Width = 0;  // one frame of its image
    int Height = 0;
};

enum class TReadingOrder { roLeftToRight, roRightToLeft };

// `captionText` is the caption text rectangle of the same paint; the menu
// margin is the menu bar's left margin when the skin has a menu bar image.
TSkinRect PlaceCaptionButton(const TCaptionButtonPlacement& button, int windowWidth, const TSkinRect& captionText,
                             const TFrameSizes& sizes, int menuMargin, TReadingOrder order);

// How the skin places the caption text (the title object's values).
struct TCaptionTextStyle {
    TCaptionTextAlign Alignment = ctaLeft;
    int Shift = 0;
    int ShiftVert = 0;
    int RightClip = 0;
    int BackLeft = 0;
    int BackRight = 0;
};

// The caption text rectangle: `measured` is the text measured from the
// area's top-left corner (with one space more than is drawn); the result
// includes the text backing's margins. Pop-up windows stop the text at the
// previous layout's right-aligned buttons, others at the skin's clip.
TSkinRect PlaceCaptionText(const TSkinRect& measured, const TSkinRect& area, const TCaptionTextStyle& style,
                           TReadingOrder order, bool popup, int rightButtonLimit);

// Hit-test codes the frame hands out (the platform's values).
enum THitTest : int {
    htNowhere = 0,
    htCaption = 2,
    htMenu = 5,
};

// The answer for a point of the frame, `y` in window coordinates: the
// system's own answer stands; where it found nothing the skinned caption
// (below its top 3 pixels) acts as caption and the rest as menu strip.
int SkinnedHitTest(int systemAnswer, int y, int captionHeight);

// A window's sizing state.
enum TFrameWindowState : int { fwsNormal = 0, fwsMaximized = 1, fwsMinimized = 2 };

// The state a window-placement show command means. Minimised: 2, 6, 7;
// maximised: 3.
TFrameWindowState WindowStateOfShowCommand(unsigned showCommand);

} // namespace tandrel
