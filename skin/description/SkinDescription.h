#pragma once

// The rules of a skin description that need no bitmaps and no platform:
// which package entry a bitmap value names, which sections are caption
// buttons, and the frame-count arithmetic. Plain C++: no Win32.

#include "skin/description/SkinCodes.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tandrel {

// The largest description read. Real ones are a few kilobytes; a larger
// one is refused rather than parsed into a huge table of sections and keys.
constexpr std::size_t MaxDescriptionSize = 1u << 20;

// The package entry a bitmap value names: the file-name part after the last
// "\" or ":", which must end in exactly ".bmp". nullopt means "no image"
// (an empty name, another extension, ".BMP" in capitals, or "0").
std::optional<std::string> BitmapEntryName(std::string_view value);

// Whether a bitmap value names a file of another kind ("glyph.png",
// "frame.BMP"): the engine shows no image for it, and a skin author
// probably meant one. Values without an extension ("0") are deliberate.
bool HasForeignExtension(std::string_view value);

// A section whose name starts with "BUTTON" in any case, except "Buttons",
// "Button.Radio" and "Button.Checkbox".
bool IsCaptionButtonSection(std::string_view name);

// The frame count of a caption button whose `frame` key is 0 (absent): 3
// for an image at most 3.8 times as wide as high, else 6; 6 for a negative
// action or without an image.
int CaptionButtonFrameCount(int action, int imageWidth, int imageHeight);


// Frames of a check-box or radio strip without a frame key: 13-pixel frames
// in strips under 16 pixels high, 16-pixel frames otherwise, at least 4.
int GlyphStripFrameCount(int imageWidth, int imageHeight);

// The MDI image holds twelve frames; button k (0..2) takes frames 4k+1 to
// 4k+4 and sits (a + 4) * (3 - k) pixels from the right, a the frame width.
struct TMdiButtonSlice {
    int Left;
    int Width;
    int Xcoord;
};
TMdiButtonSlice MdiButtonSlice(int imageWidth, TMdiSlot button);

// The file name a description entry is written under in the temporary
// folder, after a prefix of the caller's: the entry name's last path part
// (after "\", "/" or ":"), with anything but letters, digits, ".", "-" and
// "_" replaced by "_", no leading or trailing dots, at most 64 characters;
// "skin.ini" when nothing is left. An entry name is not a path.
std::string DescriptionTempName(std::string_view entryName);

// System colour indexes the description's colours fall back to.
enum TSkinSystemColourIndex : int {
    scScrollbar = 0,
    scMenu = 4,
    scMenuText = 7,
    scWindowText = 8,
    scCaptionText = 9,
    scHighlight = 13,
    scHighlightText = 14,
    scButtonFace = 15,
    scButtonShadow = 16,
    scButtonText = 18,
    scInactiveCaptionText = 19,
    scButtonHighlight = 20,
};

// ActiveTextColour and InActiveTextColour when the skin gives none.
constexpr unsigned SkinColourNotGiven = 536870911;

} // namespace tandrel
