#pragma once

// The reading steps of a skin description: every section and key the
// engine reads, in the engine's order, with its default, and how each
// image is cut into frames. The engine runs them with GDI bitmaps; the
// packer's verify runs the very same steps with image checks. Plain C++.
//
// TImage needs Empty(), Width() and Height(). TImages provides:
//   Load(image, section, key, value)   the LoadBitmapEntry of a value
//   Clear(image)
//   MirrorCopy(target, source)         24-bit copy, rows reversed
//   CopyColumns(target, source, left, width)
//   Strip(image, use)                  how painters will cut the image

#include "skin/description/SkinDescription.h"
#include "skin/description/SkinIni.h"
#include "skin/description/SkinObjects.h"
#include "skin/description/SkinShapes.h"

#include <string>
#include <string_view>

namespace tandrel {

// How painters cut an image into frames and pieces.
struct TStripUse {
    std::string_view Section;
    std::string_view Key;
    int FrameCount = 1;
    TFrameLayout Layout = TFrameLayout::flHorizontal;
    TSkinMargins Margins; // fixed parts of each frame
    bool Bar = false;     // repeats its middle, which must then be at least a pixel wide
};

template <class TImage, class TImages>
class TSkinSetReader {
public:
    using TSet = TSkinSetOf<TImage>;
    using TObject = typename TSet::TObject;
    using TBorder = typename TSet::TBorder;
    using TSysButton = typename TSet::TSysButton;

    TSkinSetReader(TSet& set, const TSkinIni& ini, TImages& images) : m_set(set), m_ini(ini), m_images(images) {}

    // Fills the skin set; the caller then makes its brush and clears
    // SkinNotLoaded. A failing image load ends it with that exception.
    void Read()
    {
        m_sections = m_ini.SectionNames();
        m_set.SkinName = m_ini.ReadString("TitlebarSkin", "SkinName");
        ReadBorder(*m_set.LeftBorder, "Left");
        ReadBorder(*m_set.RightBorder, "Right");
        ReadBorder(*m_set.TopBorder, "Top");
        ReadBorder(*m_set.BottomBorder, "Bottom");
        ReadColours();
        ReadCaptionButtons();
        ReadButtons();
        ReadTitle();
        ReadProgress();
        ReadMenuBar();
        for (const auto& element : Elements) {
            if (element.Plain)
                ReadPlain(m_set.*element.Plain, element.Section);
            else
                ReadWithSecond(m_set.*element.Second, element.Section, element.SecondKey);
            if (element.Second == &TSet::ComboButton && m_set.ComboButton && !m_set.ComboButton->Bitmap.Empty())
                m_images.MirrorCopy(m_set.ComboButton->Bitmap2, m_set.ComboButton->Bitmap);
        }
        SetFrameCounts();
        DescribeStrips();
    }

private:
    // The elements remade at each load, after Progress and MenuBar, in the
    // order they are read. Frames 0: the section's own FrameCount key.
    struct TElement {
        std::unique_ptr<TObject> TSet::*Plain;
        std::unique_ptr<TBorder> TSet::*Second;
        std::string_view Section;
        std::string_view SecondKey;
        int Frames;
        int SecondFrames; // how the second image is cut; 0: not cut (a mirrored copy)
        TSkinMargins SecondMargins;
    };
    static constexpr TElement Elements[] = {
        { &TSet::GroupBoxEdge, nullptr, "GroupBoxEdge", {}, 2, 0, {} },
        { &TSet::Toolbars, nullptr, "Toolbars", {}, 5, 0, {} },
        { nullptr, &TSet::Tabs, "Tabs", "Border", 5, 1, { 4, 5, 4, 4 } },
        { &TSet::StatusBarEdges, nullptr, "StatusBarEdges", {}, 3, 0, {} },
        { nullptr, &TSet::ComboButton, "ComboButton", "****", 4, 0, {} },
        { &TSet::SunkEdge, nullptr, "SunkEdge", {}, 4, 0, {} },
        { &TSet::ExtraImages, nullptr, "ExtraImages", {}, 5, 0, {} },
        { &TSet::Headerbar, nullptr, "Headerbar", {}, 5, 0, {} },
        { &TSet::MenuItem, nullptr, "MenuItem", {}, 5, 0, {} },
        { &TSet::MenuBackground, nullptr, "MenuBackground", {}, 1, 0, {} },
        { &TSet::Scrollbar, nullptr, "Scrollbar", {}, 23, 0, {} },
        { &TSet::HorzScroll, nullptr, "HorzScroll", {}, 4, 0, {} },
        { &TSet::VertScroll, nullptr, "VertScroll", {}, 4, 0, {} },
        { &TSet::HorzScrollThumb, nullptr, "HorzScrollThumb", {}, 0, 0, {} },
        { &TSet::VertScrollThumb, nullptr, "VertScrollThumb", {}, 0, 0, {} },
        { &TSet::TrackbarThumbHorz, nullptr, "Trackbar.ThumbHorz", {}, 5, 0, {} },
        { &TSet::TrackbarThumbVert, nullptr, "Trackbar.ThumbVert", {}, 5, 0, {} },
        { &TSet::TrackbarThumbLeft, nullptr, "Trackbar.ThumbLeft", {}, 5, 0, {} },
        { &TSet::TrackbarThumbRight, nullptr, "Trackbar.ThumbRight", {}, 5, 0, {} },
        { &TSet::TrackbarThumbUp, nullptr, "Trackbar.ThumbUp", {}, 5, 0, {} },
        { &TSet::TrackbarThumbDown, nullptr, "Trackbar.ThumbDown", {}, 5, 0, {} },
        { nullptr, &TSet::UpDownHorz, "UpDown.Horz", "GlyphImage", 8, 8, {} },
        { nullptr, &TSet::UpDownVert, "UpDown.Vert", "GlyphImage", 8, 8, {} },
    };

    static constexpr std::string_view Personality = "Personality";

    std::int32_t Integer(std::string_view section, std::string_view key, std::int32_t fallback) const
    {
        return m_ini.ReadInteger(section, key, fallback);
    }

    void LoadImage(TImage& image, std::string_view section, std::string_view key)
    {
        m_images.Load(image, section, key, m_ini.ReadString(section, key));
    }

    // Left and Right keep their fixed parts at the top and bottom, Top and
    // Bottom at the left and right ends.
    void ReadBorder(TBorder& border, const std::string& side)
    {
        LoadImage(border.Bitmap, Personality, side);
        std::int32_t const first = Integer(Personality, side + "TopHeight", 0);
        std::int32_t const last = Integer(Personality, side + "BotHeight", 0);
        bool const upright = side == "Left" || side == "Right";
        border.TopHeight = upright ? first : 0;
        border.BottomHeight = upright ? last : 0;
        border.LeftWidth = upright ? 0 : first;
        border.RightWidth = upright ? 0 : last;
        border.FrameCount = Integer(Personality, side + "Frame", 1);
        border.Tile = Integer(Personality, side + "Stretch", 1);
        border.Trans = Integer(Personality, side + "Trans", 1);
    }

    void ReadColours()
    {
        auto colour = [&](std::string_view key, TSkinColour fallback) { return m_ini.ReadColour("Colours", key, fallback); };
        TSet& s = m_set;
        s.WindowTextColour = colour("WindowText", SkinSystemColour(scWindowText));
        s.ButtonFaceColour = colour("ButtonFace", SkinSystemColour(scButtonFace));
        s.ScrollbarColour = colour("Scrollbar", SkinSystemColour(scScrollbar));
        s.HilightTextColour = colour("HilightText", SkinSystemColour(scHighlightText));
        s.HilightColour = colour("Hilight", SkinSystemColour(scHighlight));
        s.MenubarColour = colour("Menubar", s.ButtonFaceColour);
        s.MenuColour = colour("Menu", SkinSystemColour(scMenu));
        s.MenuTextColour = colour("MenuText", SkinSystemColour(scMenuText));
        s.ButtonTextColour = colour("ButtonText", SkinSystemColour(scButtonText));
        s.ButtonHilightColour = colour("ButtonHilight", SkinSystemColour(scButtonHighlight));
        // Not the 3-D light and dark shadow colours: the skins expect these.
        s.ButtonlightColour = colour("Buttonlight", SkinSystemColour(scButtonHighlight));
        s.ButtonShadowColour = colour("ButtonShadow", SkinSystemColour(scButtonShadow));
        s.ButtonDkShadowColour = colour("ButtonDkShadow", SkinSystemColour(scButtonShadow));
        s.MenuBarTextColour = colour("MenuBarText", SkinSystemColour(scMenuText));
        s.TitleTextActiveColour = colour("TitleTextActive", SkinSystemColour(scCaptionText));
        s.TitleTextNoActiveColour = colour("TitleTextNoActive", SkinSystemColour(scInactiveCaptionText));
    }

    void ReadCaptionButtons()
    {
        m_set.SysButtons.clear();
        m_captionSections.clear();
        for (const auto& section : m_sections)
            if (IsCaptionButtonSection(section))
                m_captionSections.push_back(section);
        m_set.SysButtons.reserve(m_captionSections.size() + 3);

        for (const auto& section : m_captionSections) {
            auto button = std::make_unique<TSysButton>(SkinUpperCase(section));
            button->Action = Integer(section, "Action", 0);
            button->Align = Integer(section, "Align", 0);
            button->Xcoord = Integer(section, "Xcoord", 0);
            button->Ycoord = Integer(section, "Ycoord", 0);
            button->Visibility = Integer(section, "Visibility", 0);
            button->Visibility1 = Integer(section, "Visibility1", 0);
            button->CombineOp = Integer(section, "CombineOp", -1);
            button->FrameCount = Integer(section, "frame", 0);
            LoadImage(button->Bitmap, section, "ButtonImage");
            if (button->FrameCount == 0) {
                bool const empty = button->Bitmap.Empty();
                button->FrameCount = CaptionButtonFrameCount(button->Action, empty ? 0 : button->Bitmap.Width(),
                                                             empty ? 0 : button->Bitmap.Height());
                if (IsIconAction(button->Action))
                    m_images.Clear(button->Bitmap);
            }
            m_set.SysButtons.push_back(std::move(button));
        }

        // The MDI buttons: restore, minimise and close of a maximised MDI
        // child, cut from one twelve-frame image.
        TImage mdi;
        LoadImage(mdi, "MDICONTROLS", "Image");
        for (TMdiSlot const slot : {msMinimize, msRestore, msClose}) {
            auto button = std::make_unique<TSysButton>("MDICONTROLS");
            button->Action = MdiSlotAction(slot);
            button->Align = calMenuBar;
            button->Visibility = button->Visibility1 = cvMdiButton;
            button->FrameCount = 4;
            if (!mdi.Empty()) {
                TMdiButtonSlice const slice = MdiButtonSlice(mdi.Width(), slot);
                m_images.CopyColumns(button->Bitmap, mdi, slice.Left, slice.Width);
                button->Xcoord = slice.Xcoord;
            }
            m_set.SysButtons.push_back(std::move(button));
        }
        m_images.Strip(mdi, { "MDICONTROLS", "Image", 12, TFrameLayout::flHorizontal, {} });
    }

    void ReadColours2(TObject& object, std::string_view section)
    {
        object.NormalColour2 = m_ini.ReadColour(section, "NormalColour2", m_set.ButtonTextColour);
        object.MouseOverColour2 = m_ini.ReadColour(section, "MouseOverColour2", m_set.ButtonTextColour);
        object.PressedColour2 = m_ini.ReadColour(section, "PressedColour2", m_set.ButtonTextColour);
    }

    void ReadStateColours(TObject& object, std::string_view section)
    {
        object.NormalColour = Integer(section, "NormalColour", -1);
        object.MouseOverColour = Integer(section, "MouseOverColour", -1);
        object.PressedColour = Integer(section, "PressedColour", -1);
    }

    void ReadButtons()
    {
        auto& buttons = *m_set.Buttons;
        constexpr std::string_view section = "Buttons";
        buttons.LeftWidth = Integer(section, "LeftWidth", 0);
        buttons.RightWidth = Integer(section, "RightWidth", 0);
        buttons.TopHeight = Integer(section, "TopHeight", 0);
        buttons.BottomHeight = Integer(section, "BottomHeight", 0);
        buttons.Trans = Integer(section, "Trans", 0);
        LoadImage(buttons.Bitmap, section, "Bitmap");
        buttons.Tile = Integer(section, "Tile", 0);
        LoadImage(buttons.CheckBitmap, section, "CheckButton");
        LoadImage(buttons.RadioBitmap, section, "RadioButton");
        ReadStateColours(buttons, section);
        buttons.RadioFrameCount = Integer(section, "RadioButtonFrame", 0);
        buttons.CheckFrameCount = Integer(section, "CheckButtonFrame", 0);
        ReadColours2(buttons, section);
    }

    // Red, green and blue keys; all three must be there.
    TSkinColour TextColour(const std::string& prefix) const
    {
        std::int32_t const r = Integer(Personality, prefix + "R", -1);
        std::int32_t const g = Integer(Personality, prefix + "G", -1);
        std::int32_t const b = Integer(Personality, prefix + "B", -1);
        if (r < 0 || g < 0 || b < 0)
            return SkinColourNotGiven;
        return static_cast<TSkinColour>((r & 0xFF) | (g & 0xFF) << 8 | (b & 0xFF) << 16);
    }

    void ReadTitle()
    {
        auto& title = *m_set.Title;
        LoadImage(title.Bitmap, Personality, "TextBack");
        title.LeftWidth = Integer(Personality, "TextShift", 0);
        title.TopHeight = Integer(Personality, "TextShiftVert", 0);
        title.RightWidth = Integer(Personality, "TextRightClip", 0);
        title.BottomHeight = 0;
        title.TextAlignment = Integer(Personality, "TextAlignment", 0);
        title.Textbackground = Integer(Personality, "Textbackground", 0);
        title.FontHeight = Integer("Fonts", "FontHeight", 14);
        title.TXTBackleft = Integer(Personality, "TXTBackleft", 0);
        title.TXTBackRight = Integer(Personality, "TXTBackRight", 0);
        title.ActiveTextColour = TextColour("ActiveText");
        title.InActiveTextColour = TextColour("InActiveText");
    }

    void ReadProgress()
    {
        m_set.Progress.reset();
        constexpr std::string_view section = "Progress";
        std::string const value = m_ini.ReadString(section, "Bitmap");
        if (value.empty())
            return;
        auto progress = std::make_unique<TBorder>(std::string(section));
        m_images.Load(progress->Bitmap, section, "Bitmap", value);
        std::string const chunk = m_ini.ReadString(section, "Chunk");
        if (!chunk.empty())
            m_images.Load(progress->Bitmap2, section, "Chunk", chunk);
        progress->Style = Integer(section, "Style", 0);
        ReadMargins(*progress, section);
        progress->Trans = Integer(section, "Trans", 0);
        progress->Tile = Integer(section, "Tile", 0); // kept as read, 2 included
        m_set.Progress = std::move(progress);
    }

    void ReadMenuBar()
    {
        m_set.MenuBar.reset();
        std::string const value = m_ini.ReadString(Personality, "menuBar");
        if (value.empty())
            return;
        auto menuBar = std::make_unique<TObject>(std::string(Personality));
        m_images.Load(menuBar->Bitmap, Personality, "menuBar", value);
        menuBar->TopHeight = menuBar->BottomHeight = 0;
        menuBar->Tile = Integer(Personality, "TileMenu", 0);
        menuBar->LeftWidth = Integer(Personality, "TileLeftMenu", 1);
        menuBar->RightWidth = Integer(Personality, "TileRightMenu", 1);
        m_set.MenuBar = std::move(menuBar);
    }

    void ReadMargins(TObject& object, std::string_view section)
    {
        object.LeftWidth = Integer(section, "LeftWidth", 0);
        object.RightWidth = Integer(section, "RightWidth", 0);
        object.TopHeight = Integer(section, "TopHeight", 0);
        object.BottomHeight = Integer(section, "BottomHeight", 0);
    }

    void ReadObjectFields(TObject& object, std::string_view section)
    {
        ReadMargins(object, section);
        object.Trans = Integer(section, "Trans", 0);
        object.Tile = Integer(section, "Tile", 0);
        ReadStateColours(object, section);
        ReadColours2(object, section);
        if (object.Tile > 1)
            object.Tile = 0;
    }

    void ReadPlain(std::unique_ptr<TObject>& member, std::string_view section)
    {
        member.reset();
        std::string const value = m_ini.ReadString(section, "Image");
        if (value.empty())
            return;
        auto object = std::make_unique<TObject>(std::string(section));
        m_images.Load(object->Bitmap, section, "Image", value);
        object->Style = Integer(section, "Style", 0);
        ReadObjectFields(*object, section);
        member = std::move(object);
    }

    void ReadWithSecond(std::unique_ptr<TBorder>& member, std::string_view section, std::string_view secondKey)
    {
        member.reset();
        std::string const value = m_ini.ReadString(section, "Image");
        if (value.empty())
            return;
        auto object = std::make_unique<TBorder>(std::string(section));
        m_images.Load(object->Bitmap, section, "Image", value);
        std::string const second = m_ini.ReadString(section, secondKey);
        if (!second.empty())
            m_images.Load(object->Bitmap2, section, secondKey, second);
        ReadObjectFields(*object, section);
        member = std::move(object);
    }

    void SetFrameCounts()
    {
        auto& buttons = *m_set.Buttons;
        buttons.FrameCount = 5;
        if (buttons.RadioFrameCount == 0)
            buttons.RadioFrameCount = GlyphStripFrameCount(buttons.RadioBitmap.Width(), buttons.RadioBitmap.Height());
        if (buttons.CheckFrameCount == 0)
            buttons.CheckFrameCount = GlyphStripFrameCount(buttons.CheckBitmap.Width(), buttons.CheckBitmap.Height());
        m_set.Title->FrameCount = 2;
        if (m_set.MenuBar)
            m_set.MenuBar->FrameCount = 2;
        if (m_set.Progress)
            m_set.Progress->FrameCount = 2;
        for (const auto& element : Elements) {
            TObject* object = Object(element);
            if (object)
                object->FrameCount = element.Frames ? element.Frames : Integer(element.Section, "FrameCount", 3);
        }
    }

    TObject* Object(const TElement& element) const
    {
        return element.Plain ? (m_set.*element.Plain).get() : (m_set.*element.Second).get();
    }

    static TSkinMargins Margins(const TObject& object)
    {
        return { object.LeftWidth, object.TopHeight, object.RightWidth, object.BottomHeight };
    }

    void DescribeStrips()
    {
        auto const horizontal = TFrameLayout::flHorizontal;
        auto const vertical = TFrameLayout::flVertical;
        for (TBorder* border : { m_set.LeftBorder.get(), m_set.RightBorder.get() })
            m_images.Strip(border->Bitmap, { Personality, border->Name, border->FrameCount, horizontal, Margins(*border) });
        for (TBorder* border : { m_set.TopBorder.get(), m_set.BottomBorder.get() })
            m_images.Strip(border->Bitmap, { Personality, border->Name, border->FrameCount, vertical, Margins(*border) });

        auto& title = *m_set.Title;
        m_images.Strip(title.Bitmap, { Personality, "TextBack", 2, vertical, { title.TXTBackleft, 0, title.TXTBackRight, 0 }, true });

        auto& buttons = *m_set.Buttons;
        m_images.Strip(buttons.Bitmap, { "Buttons", "Bitmap", buttons.FrameCount, horizontal, Margins(buttons) });
        m_images.Strip(buttons.CheckBitmap, { "Buttons", "CheckButton", buttons.CheckFrameCount, horizontal, {} });
        m_images.Strip(buttons.RadioBitmap, { "Buttons", "RadioButton", buttons.RadioFrameCount, horizontal, {} });

        for (std::size_t i = 0; i < m_captionSections.size(); ++i) {
            auto& button = *m_set.SysButtons[i];
            // The form frame draws icon buttons as one frame.
            int const frames = IsIconAction(button.Action) ? 1 : button.FrameCount;
            m_images.Strip(button.Bitmap, { m_captionSections[i], "ButtonImage", frames, horizontal, {} });
        }

        if (auto* menuBar = m_set.MenuBar.get())
            m_images.Strip(menuBar->Bitmap, { Personality, "menuBar", 2, vertical,
                                              { menuBar->LeftWidth, 0, menuBar->RightWidth, 0 }, menuBar->Tile != 1 });
        if (auto* progress = m_set.Progress.get()) {
            // Style 1 draws chunks over the whole image; other styles a bar from two frames.
            bool const chunks = progress->Style == 1;
            m_images.Strip(progress->Bitmap, { "Progress", "Bitmap", chunks ? 1 : 2, horizontal,
                                               chunks ? TSkinMargins {} : Margins(*progress) });
            m_images.Strip(progress->Bitmap2, { "Progress", "Chunk", 1, horizontal, {} });
        }
        for (const auto& element : Elements) {
            TObject* object = Object(element);
            if (!object)
                continue;
            m_images.Strip(object->Bitmap, { element.Section, "Image", object->FrameCount, horizontal, Margins(*object) });
            if (element.Second && element.SecondFrames)
                m_images.Strip((m_set.*element.Second)->Bitmap2,
                               { element.Section, element.SecondKey, element.SecondFrames, horizontal, element.SecondMargins });
        }
    }

    TSet& m_set;
    const TSkinIni& m_ini;
    TImages& m_images;
    std::vector<std::string> m_sections;
    std::vector<std::string> m_captionSections;
};

// Images never loaded: the reading steps run for their values alone.
struct TNoImage {
    bool Empty() const { return true; }
    int Width() const { return 0; }
    int Height() const { return 0; }
};

struct TNoImages {
    void Load(TNoImage&, std::string_view, std::string_view, const std::string&) {}
    void Clear(TNoImage&) {}
    void MirrorCopy(TNoImage&, TNoImage&) {}
    void CopyColumns(TNoImage&, TNoImage&, int, int) {}
    void Strip(const TNoImage&, const TStripUse&) {}
};

} // namespace tandrel
