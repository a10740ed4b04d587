#pragma once
// Skinners of scroll bars: the standard bars a scrolling control carries in
// its non-client area (memos, list boxes, rich edits, list views, scroll
// boxes), and the stand-alone scroll-bar control. The platform keeps all
// the scrolling logic; the skinners repaint the bars after every step and,
// where asked, drag the thumb themselves.

#include "skin/controls/SkinControl.h"
#include "skin/geometry/SkinControlGeometry.h"

#include <windows.h>

namespace tandrel {

class TSkinHeader;

// The non-client scroll bars of a scrolling control.
class TSkinScrollBar : public TSkinControl {
public:
    explicit TSkinScrollBar(TComponent* owner) : TSkinControl(owner) {}
    const char* ClassName() const override { return "TSkinScrollBar"; }

    // Attaches to a framework control; with ownThumbDrag the skinner drags
    // the thumb itself. The control's colour is left alone.
    void AttachScroll(TWinControl* control, TSkinData* skinData, TCanvas* canvas, bool ownThumbDrag);

    bool BeforeMessage(TMessage& message) override;
    void AfterMessage(TMessage& message) override;
    void DrawControl(HDC dc, const RECT& rect) override;

    // The bars' places as of the last paint, in window coordinates.
    void BarGeometry(const RECT& rect);
    // Reads the bar's range from the window and places its thumb; nothing
    // changes while the thumb is dragged or when the range is empty.
    void ThumbGeometry(const RECT& barRect, bool vertical);
    int HitPart(int coordinate, bool vertical) const;
    // Drags the thumb until the button comes up; true when the drag ended
    // normally (false: the window or the application went meanwhile).
    bool TrackThumb(bool vertical);
    void DrawBar(HDC dc, const RECT& barRect, bool vertical);

    int PressedPart() const { return m_pressedPart; }
    bool Tracking() const { return m_tracking; }
    bool OwnThumbDrag() const { return m_ownThumbDrag; }
    const RECT& HorizontalBar() const { return m_horizontalBar; }
    const RECT& VerticalBar() const { return m_verticalBar; }
    const RECT& Corner() const { return m_corner; }
    const TBarGeometry& Geometry(bool vertical) const { return vertical ? m_vertical : m_horizontal; }

private:
    // The bars are drawn at a thickness other than the system's: the
    // skinner makes their room, finds them and tracks every press on them.
    bool OwnBars() const;
    void ReserveBars(TMessage& message);
    bool HitBars(TMessage& message);
    bool BarPress(TMessage& message);
    // Steps for a press on an arrow or page (SB_* part), again while it is
    // held over it, until the button comes up.
    bool TrackPress(bool vertical, int part);
    bool OnScroll(TMessage& message, bool vertical);

    int m_pressedPart = spNone;
    LONG m_style = 0;
    LONG m_exStyle = 0;
    RECT m_corner {};
    bool m_tracking = false;
    bool m_ownThumbDrag = false;
    bool m_verticalScrolling = false;
    bool m_horizontalScrolling = false;
    SCROLLINFO m_horizontalInfo {sizeof(SCROLLINFO), 0, 0, 0, 0, 0, 0};
    SCROLLINFO m_verticalInfo {sizeof(SCROLLINFO), 0, 0, 0, 0, 0, 0};
    RECT m_horizontalBar {};
    RECT m_verticalBar {};
    TBarGeometry m_horizontal;
    TBarGeometry m_vertical;
};

// A list view: its scroll bars (the platform drags its thumb).
class TSkinListView : public TSkinScrollBar {
public:
    explicit TSkinListView(TComponent* owner) : TSkinScrollBar(owner) {}
    const char* ClassName() const override { return "TSkinListView"; }

    // setColour is the own-thumb-drag flag here. The column header gets a
    // skinner of its own.
    void Attach(TWinControl* control, TSkinData* skinData, TCanvas* canvas, bool setColour) override;
    TSkinHeader* Header() const { return m_header; }

private:
    TSkinHeader* m_header = nullptr; // owned by the form skinning object's list
};

// The stand-alone scroll-bar control, whose whole window is one bar. It
// reads its range from the control's published Min, Max, PageSize,
// Position and Kind.
class TSkinScControl : public TSkinControl {
public:
    explicit TSkinScControl(TComponent* owner) : TSkinControl(owner) {}
    const char* ClassName() const override { return "TSkinScControl"; }

    bool BeforeMessage(TMessage& message) override;
    void AfterMessage(TMessage& message) override;
    void DrawControl(HDC dc, const RECT& rect) override;

    int PressedPart() const { return m_pressedPart; }
    const TBarGeometry& Geometry() const { return m_bar; }
    bool Vertical() const;
    bool Tracking() const { return m_tracking; }

private:
    // Away from the screen's density the bar's arrows are not the system's
    // size: the skinner tracks the presses on it.
    bool OwnSize() const;
    bool Press(TMessage& message);

    int m_pressedPart = spNone;
    bool m_tracking = false;
    TBarGeometry m_bar;
};

} // namespace tandrel
