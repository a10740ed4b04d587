#pragma once
// Tab controls and tab sets. A tab control paints itself; its skinner then
// paints the strip of tabs (composed lying down for tabs on a side, then
// turned) and the page's edge ring. A tab set is painted whole.

#include "framework/graphics/Bitmap.h"
#include "framework/graphics/PaintBuffer.h"
#include "skin/controls/SkinControl.h"
#include "skin/draw/SkinDraw.h"
#include "skin/geometry/SkinTabGeometry.h"

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

namespace tandrel {

class TSkinUpDown;
class TTabSetScroller;

// The tab pictures a skinner drew, by size and frame: the tabs of one
// control mostly share their sizes, so a repaint composes none.
class TTabFaces {
public:
    const TComposedPicture& Get(TBitmap& image, const TDataSkinBorder& tabs, const TSkinMargins& margins, int frame,
                                int width, int height);
    void Clear() { m_faces.clear(); }

private:
    std::vector<std::unique_ptr<TComposedPicture>> m_faces;
};

class TSkinTab : public TSkinControl {
public:
    explicit TSkinTab(TComponent* owner) : TSkinControl(owner) {}
    const char* ClassName() const override { return "TSkinTab"; }

    void AttachHandle(HWND handle, TSkinData* skinData, TCanvas* canvas) override;
    // With skinned tabs, the control paints into a buffer and the skin over
    // it there: the screen sees one copy, not the system's page first.
    bool BeforeMessage(TMessage& message) override;
    void DrawControl(HDC dc, const RECT& rect) override;
    void Refresh() override;

    TTabSide Position() const { return m_position; }
    // The skinner of the scroll arrows, once they have been found.
    TSkinUpDown* ScrollerSkinner() const { return m_scroller; }

private:
    void PrepareTabImages();
    bool Usable() const;
    void PaintBuffered();
    // Whether the control's scroll arrows show; skins them the first time.
    bool FindScroller();
    void FitScroller(HWND arrows);
    // Away from the screen's density the page's edges are wider than the
    // room the system leaves around the display area: the area the control
    // answers shrinks (or the window it needs grows) to keep as much of the
    // edges in sight as at the screen's.
    bool AdjustRect(TMessage& message);
    RECT SystemDisplayRect(const RECT& rect);
    // One tab as the control has it, placed in the strip.
    struct TStripTab {
        TSkinRect Place;
        std::wstring Text;
        int Image = 0;
        bool Shown = false; // the control answered for it
        bool operator==(const TStripTab&) const = default;
    };
    // What the composed strip shows.
    struct TStripKey {
        TPictureGround Ground;
        HFONT Font = nullptr;
        HIMAGELIST Images = nullptr;
        int Current = -1;
        bool Enabled = false;
        std::vector<TStripTab> Tabs;
        bool operator==(const TStripKey&) const = default;
    };
    void DrawStrip(HDC dc, const RECT& rect, const TSkinRect& page);
    // Composes the strip afresh into m_strip.
    void ComposeStrip(const TStripKey& key);
    void DrawTab(const TStripTab& tab, bool current, HIMAGELIST images);

    TTabSide m_position = tsTop;
    TBitmap m_tabImage;    // the skin's tab strip, upside down for bottom tabs
    TBitmap m_borderImage; // the page edge, turned for the side
    int m_imageDpi = 0;    // the density the two images above are at
    TBitmap m_strip;       // the tabs are composed here
    TStripKey m_stripKey;  // what m_strip shows
    bool m_stripMade = false;
    TTabFaces m_faces;
    TPaintBuffer m_paintBuffer;
    TSkinUpDown* m_scroller = nullptr; // owned by the form skinning object
    HWND m_scrollerWindow = nullptr;
    SIZE m_scrollerSize {}; // what the arrows were given here
    HFONT m_font = nullptr; // the window font the strip's canvas has
    bool m_systemRect = false; // the control's own answer is wanted
};

class TSkinTab31 : public TSkinControl {
public:
    explicit TSkinTab31(TComponent* owner) : TSkinControl(owner) {}
    const char* ClassName() const override { return "TSkinTab31"; }

    void Attach(TWinControl* control, TSkinData* skinData, TCanvas* canvas, bool setColour) override;
    // The tabs of a changed skin.
    void Refresh() override;
    bool BeforeMessage(TMessage& message) override;
    void DrawControl(HDC dc, const RECT& rect) override;

    TSkinUpDown* ScrollerSkinner() const { return m_scrollerSkinner; }

private:
    // What the composed tabs show.
    struct TSetKey {
        TPictureGround Ground;
        std::wstring FontName;
        int FontHeight = 0;
        unsigned FontStyle = 0;
        int FontCharset = 0;
        int First = 0;
        int Current = 0;
        bool Arrows = false;
        int ArrowsWidth = 0;
        int StartMargin = 0;
        int EndMargin = 0;
        std::vector<std::wstring> Texts;
        bool operator==(const TSetKey&) const = default;
    };
    void PrepareTabImage();
    // Composes the tabs afresh into m_buffer.
    void ComposeTabs(const TSetKey& key);
    TBitmap m_tabImage; // the skin's tab strip, upside down: these tabs hang
    int m_imageDpi = 0; // the density it is at
    TBitmap m_buffer;   // the tabs composed, as m_bufferKey says
    TSetKey m_bufferKey;
    bool m_bufferMade = false;
    TTabFaces m_faces;
    TSkinUpDown* m_scrollerSkinner = nullptr; // owned by the form skinning object
    TTabSetScroller* m_scroller = nullptr;     // owned by the tab set
};

// The skin's tab margins for an image turned upside down: top and bottom trade.
TSkinMargins FlippedMargins(const TSkinMargins& margins);
// The page edge's fixed margins, turned with the image for each side.
TSkinMargins PageEdgeMargins(TTabSide side);

} // namespace tandrel
