#pragma once
// The slider: an editor whose edit value is an integer position between a
// minimum and a maximum, picked by moving a thumb along a track.

#include "framework/graphics/Bitmap.h"
#include "editors/edit/cxEdit.h"
#include "editors/trackbar/cxTrackBarLayout.h"

#include <functional>
#include <memory>

namespace tandrel {

// The thumb's look; the numbers are the visual styles' trackbar thumb states.
enum TcxTrackBarThumbState : int { tstNormal = 1, tstHot = 2, tstPressed = 3, tstDisabled = 5 };

class TcxCustomTrackBar;

using TcxGetThumbRectEvent = std::function<void(TObject* sender, RECT& rect)>;
using TcxDrawThumbEvent = std::function<void(TObject* sender, TcxCanvas* canvas, const RECT& rect)>;

// What the last layout left for the mouse handling, in bitmap coordinates.
struct TcxTrackBarLayoutResults {
    RECT TrackRect {};
    RECT ThumbRect {};
    int ThumbLength = 0;
    double Scale = 0;
};

// The slider's colours, as set and as painted.
struct TcxTrackBarColours {
    TColor Selection = clHighlight;
    TColor Tick = clWindowText;
    TColor Track = clWindow;
    TColor Thumb = clBtnFace;
    TColor ThumbHighlight = 0xC0C0C0;
};

// The slider's settings, value conversion and layout results.
class TcxCustomTrackBarProperties : public TcxCustomEditProperties {
public:
    explicit TcxCustomTrackBarProperties(TObject* owner) : TcxCustomEditProperties(owner) {}
    const char* ClassName() const override { return "TcxCustomTrackBarProperties"; }
    const TcxEditPropertiesClass& PropertiesClass() const override;
    void Assign(const TPersistent& source) override;
    void EditToDisplayValue(const TVariant& editValue, TVariant& displayValue, bool focused) const override;
    bool CompareEditValue() const override { return true; }

    // The position an edit value stands for; Min when it stands for none.
    int ValueToPosition(const TVariant& value) const;
    // Positions are computed in 64 bits and clamped here to Min..Max.
    int ClampToRange(long long n) const;

    bool AutoSize() const { return m_settings.AutoSize; }
    void SetAutoSize(bool value) { Store(m_settings.AutoSize, value); }
    int BorderWidth() const { return m_settings.BorderWidth; }
    void SetBorderWidth(int value) { Store(m_settings.BorderWidth, value < 0 ? 0 : value); }
    int Frequency() const { return m_settings.Frequency; }
    void SetFrequency(int value) { Store(m_settings.Frequency, value < 0 ? 0 : value); }
    int Min() const { return m_settings.Min; }
    void SetMin(int value);
    int Max() const { return m_settings.Max; }
    void SetMax(int value);
    TcxTrackBarOrientation Orientation() const { return m_settings.Orientation; }
    void SetOrientation(TcxTrackBarOrientation value) { Store(m_settings.Orientation, value); }
    TcxTrackBarTextOrientation TextOrientation() const { return m_settings.TextOrientation; }
    void SetTextOrientation(TcxTrackBarTextOrientation value) { Store(m_settings.TextOrientation, value); }
    int PageSize() const { return m_settings.PageSize; }
    void SetPageSize(int value) { Store(m_settings.PageSize, value); }
    int SelectionStart() const { return m_settings.SelectionStart; }
    void SetSelectionStart(int value) { Store(m_settings.SelectionStart, value); }
    int SelectionEnd() const { return m_settings.SelectionEnd; }
    void SetSelectionEnd(int value) { Store(m_settings.SelectionEnd, value); }
    TColor SelectionColor() const { return m_colours.Selection; }
    void SetSelectionColor(TColor value) { Store(m_colours.Selection, value); }
    bool ShowTicks() const { return m_settings.ShowTicks; }
    void SetShowTicks(bool value) { Store(m_settings.ShowTicks, value); }
    TcxTrackBarThumbType ThumbType() const { return m_settings.ThumbType; }
    void SetThumbType(TcxTrackBarThumbType value) { Store(m_settings.ThumbType, value); }
    bool ShowTrack() const { return m_settings.ShowTrack; }
    void SetShowTrack(bool value) { Store(m_settings.ShowTrack, value); }
    TColor TickColor() const { return m_colours.Tick; }
    void SetTickColor(TColor value) { Store(m_colours.Tick, value); }
    TcxTrackBarTickType TickType() const { return m_settings.TickType; }
    void SetTickType(TcxTrackBarTickType value) { Store(m_settings.TickType, value); }
    TcxTrackBarTickMarks TickMarks() const { return m_settings.TickMarks; }
    void SetTickMarks(TcxTrackBarTickMarks value) { Store(m_settings.TickMarks, value); }
    int TickSize() const { return m_settings.TickSize; }
    void SetTickSize(int value) { Store(m_settings.TickSize, value); }
    TColor TrackColor() const { return m_colours.Track; }
    void SetTrackColor(TColor value) { Store(m_colours.Track, value); }
    int TrackSize() const { return m_settings.TrackSize; }
    void SetTrackSize(int value) { Store(m_settings.TrackSize, value); }
    int ThumbHeight() const { return m_settings.ThumbHeight; }
    void SetThumbHeight(int value) { Store(m_settings.ThumbHeight, value); }
    int ThumbWidth() const { return m_settings.ThumbWidth; }
    void SetThumbWidth(int value) { Store(m_settings.ThumbWidth, value); }
    TColor ThumbColor() const { return m_colours.Thumb; }
    void SetThumbColor(TColor value) { Store(m_colours.Thumb, value); }
    TColor ThumbHighlightColor() const { return m_colours.ThumbHighlight; }
    void SetThumbHighlightColor(TColor value) { Store(m_colours.ThumbHighlight, value); }
    // Read only by the mouse handling: no refresh follows a change.
    TcxTrackBarThumbStep ThumbStep() const { return m_thumbStep; }
    void SetThumbStep(TcxTrackBarThumbStep value) { m_thumbStep = value; }

    TNotifyEvent OnChange;
    TcxGetThumbRectEvent OnGetThumbRect;
    TcxDrawThumbEvent OnDrawThumb;

    // Writes the selection without the change notification; a refresh follows.
    void WriteSelection(int start, int end)
    {
        m_settings.SelectionStart = start;
        m_settings.SelectionEnd = end;
    }
    void CopySettingsTo(TcxTrackBarGeometry& g) const;
    const TcxTrackBarColours& Colours() const { return m_colours; }
    const TcxTrackBarLayoutResults& LayoutResults() const { return m_layout; }
    void StoreLayoutResults(const TcxTrackBarGeometry& g);

private:
    template <class T>
    void Store(T& field, T value)
    {
        if (field == value)
            return;
        field = value;
        RaiseChanged();
    }

    TcxTrackBarSettings m_settings;
    TcxTrackBarColours m_colours;
    TcxTrackBarThumbStep m_thumbStep = cxtsNormal;
    TcxTrackBarLayoutResults m_layout;
};

// The published settings of the slider, read from form definitions.
class TcxTrackBarProperties : public TcxCustomTrackBarProperties {
public:
    explicit TcxTrackBarProperties(TObject* owner) : TcxCustomTrackBarProperties(owner) {}
    const char* ClassName() const override { return "TcxTrackBarProperties"; }
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();
    static const TcxEditPropertiesClass& Class();
    const TcxEditPropertiesClass& PropertiesClass() const override { return Class(); }
};

// The slider's style: no border, the button face, no hot-tracking.
class TcxTrackBarStyle : public TcxCustomEditStyle {
public:
    using TcxCustomEditStyle::TcxCustomEditStyle;
    const char* ClassName() const override { return "TcxTrackBarStyle"; }
    void RestoreStyleDefaults() override;

protected:
    TcxContainerBorderStyle DefaultBorderStyle() const override { return cbsNone; }
    TColor DefaultColor() const override;
    bool DefaultHotTrack() const override { return false; }
};

// The slider's geometry and colours; it paints the slider through an
// off-screen bitmap so that it never flickers.
// The slider's layout and look as its view info shows them, copied whole by
// Assign.
struct TcxTrackBarViewValues {
    TcxTrackBarGeometry Geometry;
    TcxTrackBarColours Colours;
    TcxTrackBarThumbState ThumbState = tstNormal;
    bool IsThumbHot = false;
    bool IsThumbPressed = false;
    // Focused, in a window that shows focus cues (the system hides them
    // until a key is used).
    bool ShowsFocus = false;
    // Where a custom thumb is drawn (the properties' OnDrawThumb).
    TcxCustomTrackBarProperties* ThumbDrawer = nullptr;
};

class TcxCustomTrackBarViewInfo : public TcxCustomTextEditViewInfo, public TcxTrackBarViewValues {
public:
    TcxCustomTrackBarViewInfo();
    void Assign(const TcxContainerViewInfo& source) override;
    void Offset(int dx, int dy) override;
    void Paint(TcxCanvas& canvas) override { PaintSlider(canvas); }

    void PaintSlider(TcxCanvas& canvas);
    void PaintSliderContent(TcxCanvas& canvas);

    TcxLookAndFeel LookAndFeel {nullptr};
    TBitmap Bitmap;

private:
    bool Themed() const;
    void PaintTrack(TcxCanvas& canvas);
    void PaintSelection(TcxCanvas& canvas);
    void PaintTicks(TcxCanvas& canvas);
    void PaintThumb(TcxCanvas& canvas);
};

class TcxCustomTrackBarViewData : public TcxCustomEditViewData {
public:
    using TcxCustomEditViewData::TcxCustomEditViewData;
    void FillViewInfo(TcxCanvas& canvas, const RECT& bounds, POINT cursor, TMouseButton button, TShiftState shift,
                      TcxCustomEditViewInfo& viewInfo) override;
};

class TcxCustomTrackBar : public TcxCustomEdit {
public:
    explicit TcxCustomTrackBar(TComponent* owner);
    const char* ClassName() const override { return "TcxCustomTrackBar"; }

    TcxCustomTrackBarProperties& ActiveProperties()
    {
        return static_cast<TcxCustomTrackBarProperties&>(Properties());
    }
    const TcxCustomTrackBarProperties& ActiveProperties() const
    {
        return static_cast<const TcxCustomTrackBarProperties&>(Properties());
    }
    TcxCustomTrackBarViewInfo& TrackBarViewInfo() { return static_cast<TcxCustomTrackBarViewInfo&>(ViewInfo()); }

    // The stored position, which may lie outside Min..Max.
    int Position() const;
    void SetPosition(int value);

    bool ShiftSelecting() const { return m_shiftSelecting; }
    int ShiftAnchor() const { return m_shiftAnchor; }
    bool TakesFocusOnClick() const override { return true; }

protected:
    void WndProc(TMessage& message) override;
    LRESULT GetDlgCode() const override { return DLGC_WANTARROWS; }
    void EditValueStored() override;
    void PropertiesModified() override;
    void KeyDown(WORD& key, TShiftState shift) override;
    void KeyUp(WORD& key, TShiftState shift) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseEnter(TControl* sender) override;
    void MouseLeave(TControl* sender) override;

private:
    POINT ToBitmap(int x, int y);
    void UpdateShiftSelection(int value);
    void StepBeside(POINT p, bool forward);
    void ChangePosition(int value);

    bool m_shiftSelecting = false;
    int m_shiftAnchor = 0;
};

class TcxTrackBar : public TcxCustomTrackBar {
public:
    explicit TcxTrackBar(TComponent* owner) : TcxCustomTrackBar(owner) {}
    const char* ClassName() const override { return "TcxTrackBar"; }
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();

    TcxTrackBarProperties& Properties() { return static_cast<TcxTrackBarProperties&>(ActiveProperties()); }
    TcxTrackBarProperties* PropertiesObject() { return &Properties(); }
    void SetProperties(const TcxTrackBarProperties& value) { Properties().Assign(value); }
    TcxCustomEditStyle* EditStyleObject() { return static_cast<TcxCustomEditStyle*>(StyleObject()); }
};

} // namespace tandrel
