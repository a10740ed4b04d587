#pragma once

// Codes a skin description gives its caption buttons, by name: what a
// button does (Action), when it shows (Visibility and Visibility1) and where
// it goes (Align), and the three MDI buttons of the menu strip. Plain C++.

namespace tandrel {

// What a caption button does when clicked. Several codes mean the same.
enum TCaptionAction : int {
    caClose = 0,
    caMaximize = 1,          // toggles maximised and restored
    caMinimize = 2,          // toggles minimised and restored
    caSystemMenu = 3,        // shows the window's icon and opens the system menu
    caMdiMinimize = 7,       // the active MDI child, from the menu strip
    caMdiRestore = 8,
    caMdiClose = 9,
    caSystemMenuIcon = 11,   // as caSystemMenu
    caSystemMenuPlain = 12,  // opens the system menu, shows its own image
    caMaximizeAlt = 22,
    caMinimizeAlt = 23,
    caMdiMinimizeAlt = 60,
    caMdiRestoreAlt = 61,
    caMdiCloseAlt = 62,
};

// When a caption button shows. Both of a button's values must hold; the
// first test (Visibility) is stricter than the second (Visibility1) for
// cvFrame, cvMaximizeBox and cvMinimizeBox. Values not listed never hold,
// except cvAlwaysFrom to cvAlwaysTo, which always do.
enum TCaptionVisibility : int {
    cvFrame = 0,          // a frame wearing caption buttons (and a system menu, to close)
    cvMaximized = 1,
    cvNotMaximized = 2,
    cvActive = 3,
    cvInactive = 4,
    cvNever = 5,
    cvMaximizeBox = 6,
    cvNoMaximizeBox = 7,
    cvMinimizeBox = 8,
    cvNoMinimizeBox = 9,
    cvMdiButton = 100,    // in the menu strip, while the active MDI child is maximised
    cvAlwaysFrom = 200,
    cvAlwaysTo = 2000,
};

// Where a caption button goes, from Xcoord and Ycoord.
enum TCaptionAlign : int {
    calLeft = 0,             // at (Xcoord, Ycoord)
    calRight = 1,            // Xcoord from the window's right edge
    calBeforeText = 2,       // left of the caption text
    calAfterText = 3,        // right of the caption text
    calBeforeTextAlt = 8,
    calAfterTextAlt = 9,
    calMenuBar = 100,        // in the menu strip, Xcoord from its far end
};

// Where the caption text goes across the caption (the title's TextAlignment).
enum TCaptionTextAlign : int {
    ctaLeft = 0,    // at the title's Shift from the left
    ctaCentre = 1,
    ctaRight = 2,   // ending at the title's RightClip
};

// The three MDI buttons, in the order the MDI image holds them.
enum TMdiSlot : int { msMinimize = 0, msRestore = 1, msClose = 2, msCount = 3 };

// The action of the MDI button in a slot.
constexpr TCaptionAction MdiSlotAction(TMdiSlot slot)
{
    return static_cast<TCaptionAction>(static_cast<int>(caMdiMinimize) + static_cast<int>(slot));
}

// Caption buttons with these actions show the window's icon, not their image.
constexpr bool IsIconAction(int action) { return action == caSystemMenu || action == caSystemMenuIcon; }

} // namespace tandrel
