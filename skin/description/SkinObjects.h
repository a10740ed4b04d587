#pragma once

// Skin objects and the skin set, over any image type. The engine uses them
// with GDI bitmaps (WinSkinData.h: TDataSkinObject and the rest); the
// packer's verify with image checks. Both fill them with the same reading
// steps (SkinSetReader.h). Plain C++: no Win32.

#include "skin/description/SkinIni.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tandrel {

// One skin element: an image with margins, frames and flags.
template <class TImage>
class TSkinObjectOf {
public:
    explicit TSkinObjectOf(std::string name) : Name(std::move(name)) {}
    virtual ~TSkinObjectOf() = default;
    TSkinObjectOf(const TSkinObjectOf&) = delete;
    TSkinObjectOf& operator=(const TSkinObjectOf&) = delete;

    std::int32_t LeftWidth = 0;
    std::int32_t TopHeight = 0;
    std::int32_t RightWidth = 0;
    std::int32_t BottomHeight = 0;
    TImage Bitmap;
    std::int32_t Trans = 0;
    std::int32_t Tile = 0;
    std::string Name;
    std::int32_t FrameCount = 0;
    std::int32_t Style = 0;
    std::int32_t NormalColour = 0;
    std::int32_t MouseOverColour = 0;
    std::int32_t PressedColour = 0;
    TSkinColour NormalColour2 = 0;
    TSkinColour MouseOverColour2 = 0;
    TSkinColour PressedColour2 = 0;
};

// An element with a second image: frame borders, tabs, combo and spin buttons.
template <class TImage>
class TSkinBorderOf : public TSkinObjectOf<TImage> {
public:
    using TSkinObjectOf<TImage>::TSkinObjectOf;
    TImage Bitmap2;
};

// The caption text backing and the caption text settings. The margin fields
// hold TextShift (left), TextShiftVert (top) and TextRightClip (right).
template <class TImage>
class TSkinTitleOf : public TSkinObjectOf<TImage> {
public:
    using TSkinObjectOf<TImage>::TSkinObjectOf;
    std::int32_t TextAlignment = 0;
    std::int32_t Textbackground = 0;
    std::int32_t FontHeight = 0;
    std::int32_t TXTBackleft = 0;
    std::int32_t TXTBackRight = 0;
    TSkinColour ActiveTextColour = 0;
    TSkinColour InActiveTextColour = 0;
};

// Push buttons, with the check-box and radio-button strips.
template <class TImage>
class TSkinButtonOf : public TSkinObjectOf<TImage> {
public:
    using TSkinObjectOf<TImage>::TSkinObjectOf;
    TImage CheckBitmap;
    TImage RadioBitmap;
    std::int32_t RadioFrameCount = 0;
    std::int32_t CheckFrameCount = 0;
};

// One caption button; the form frame gives its fields their meaning.
template <class TImage>
class TSkinSysButtonOf : public TSkinObjectOf<TImage> {
public:
    using TSkinObjectOf<TImage>::TSkinObjectOf;
    std::int32_t Action = 0;
    std::int32_t Align = 0;
    std::int32_t Xcoord = 0;
    std::int32_t Ycoord = 0;
    std::int32_t CombineOp = 0;
    std::int32_t Visibility = 0;
    std::int32_t Visibility1 = 0;
};

// Everything a skin description fills: the permanent objects (always
// there), the objects remade at each load (null when the skin has none),
// the caption buttons and the colours.
template <class TImage>
class TSkinSetOf {
public:
    using TObject = TSkinObjectOf<TImage>;
    using TBorder = TSkinBorderOf<TImage>;
    using TTitle = TSkinTitleOf<TImage>;
    using TButton = TSkinButtonOf<TImage>;
    using TSysButton = TSkinSysButtonOf<TImage>;

    TSkinSetOf() = default;
    virtual ~TSkinSetOf() = default;
    TSkinSetOf(const TSkinSetOf&) = delete;
    TSkinSetOf& operator=(const TSkinSetOf&) = delete;
    // A set read in full takes the place of the one in use at once.
    TSkinSetOf(TSkinSetOf&&) = default;
    TSkinSetOf& operator=(TSkinSetOf&&) = default;

    std::unique_ptr<TBorder> LeftBorder = std::make_unique<TBorder>("Left");
    std::unique_ptr<TBorder> RightBorder = std::make_unique<TBorder>("Right");
    std::unique_ptr<TBorder> TopBorder = std::make_unique<TBorder>("Top");
    std::unique_ptr<TBorder> BottomBorder = std::make_unique<TBorder>("Bottom");
    std::unique_ptr<TTitle> Title = std::make_unique<TTitle>("Title");
    std::unique_ptr<TButton> Buttons = std::make_unique<TButton>("Buttons");

    // The caption-button sections in file order, then the three MDI buttons.
    std::vector<std::unique_ptr<TSysButton>> SysButtons;

    std::unique_ptr<TObject> MenuBar;
    std::unique_ptr<TBorder> Progress;
    std::unique_ptr<TObject> GroupBoxEdge;
    std::unique_ptr<TObject> Toolbars;
    std::unique_ptr<TBorder> Tabs;
    std::unique_ptr<TObject> StatusBarEdges;
    std::unique_ptr<TBorder> ComboButton;
    std::unique_ptr<TObject> SunkEdge;
    std::unique_ptr<TObject> ExtraImages;
    std::unique_ptr<TObject> Headerbar;
    std::unique_ptr<TObject> MenuItem;
    std::unique_ptr<TObject> MenuBackground;
    std::unique_ptr<TObject> Scrollbar;
    std::unique_ptr<TObject> HorzScroll;
    std::unique_ptr<TObject> VertScroll;
    std::unique_ptr<TObject> HorzScrollThumb;
    std::unique_ptr<TObject> VertScrollThumb;
    std::unique_ptr<TObject> TrackbarThumbHorz;
    std::unique_ptr<TObject> TrackbarThumbVert;
    std::unique_ptr<TObject> TrackbarThumbLeft;
    std::unique_ptr<TObject> TrackbarThumbRight;
    std::unique_ptr<TObject> TrackbarThumbUp;
    std::unique_ptr<TObject> TrackbarThumbDown;
    std::unique_ptr<TBorder> UpDownHorz;
    std::unique_ptr<TBorder> UpDownVert;

    TSkinColour WindowTextColour = SkinSystemColour(8);
    TSkinColour ButtonFaceColour = SkinSystemColour(15);
    TSkinColour ScrollbarColour = SkinSystemColour(0);
    TSkinColour HilightTextColour = SkinSystemColour(14);
    TSkinColour HilightColour = SkinSystemColour(13);
    TSkinColour MenubarColour = SkinSystemColour(15);
    TSkinColour MenuColour = SkinSystemColour(4);
    TSkinColour MenuTextColour = SkinSystemColour(7);
    TSkinColour ButtonTextColour = SkinSystemColour(18);
    TSkinColour ButtonHilightColour = SkinSystemColour(20);
    TSkinColour ButtonlightColour = SkinSystemColour(20);
    TSkinColour ButtonShadowColour = SkinSystemColour(16);
    TSkinColour ButtonDkShadowColour = SkinSystemColour(16);
    TSkinColour MenuBarTextColour = SkinSystemColour(7);
    TSkinColour TitleTextActiveColour = SkinSystemColour(9);
    TSkinColour TitleTextNoActiveColour = SkinSystemColour(19);

    // [TitlebarSkin] SkinName.
    std::string SkinName;
    // True until a description has been read completely.
    bool SkinNotLoaded = true;
};

} // namespace tandrel
