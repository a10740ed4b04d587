#pragma once
// The container layer of every framework control: a style object whose
// values are assigned on it or inherited from a style controller, a view
// info that holds the control's geometry and paints its border, a refresh
// that recomputes the view info and invalidates what changed, and
// mouse-leave tracking.

#include "framework/core/Component.h"
#include "editors/controls/cxControls.h"

#include <functional>
#include <memory>
#include <vector>

namespace tandrel {

enum TcxContainerBorderStyle { cbsNone, cbsSingle, cbsThick, cbsFlat, cbs3D, cbsUltraFlat };

// The style values by index; TcxContainerStyleValues is a set of them.
enum TcxContainerStyleValue {
    csvBorderColor, csvBorderStyle, csvColor, csvEdges, csvFont, csvHotTrack, csvShadow, csvTransparentBorder,
    csvButtonStyle, csvButtonTransparency, csvPopupBorderStyle,
};
using TcxContainerStyleValues = unsigned;
constexpr TcxContainerStyleValues StyleValueBit(TcxContainerStyleValue v) { return 1u << v; }

// Flags of TcxContainerViewInfo::ContainerState.
enum TcxContainerStateFlag : unsigned { cxcsNormal = 1, cxcsFocused = 2, cxcsHot = 4, cxcsDisabled = 8 };

unsigned ContainerStateOf(bool enabled, bool focused, bool hot);

// The width a drawn border style takes on each side.
int BorderWidthOf(TcxContainerBorderStyle style);
// The style actually drawn for a style and a hot-track state (0 none, 1 cold, 2 hot).
TcxContainerBorderStyle DrawnBorderStyle(TcxContainerBorderStyle style, int hotTrackState);

class TcxContainer;
class TcxStyleController;

class TcxContainerStyle : public TcxInterfacedPersistent {
public:
    // container is the control whose colour and font stand behind the
    // defaults; none for a style controller's own style.
    TcxContainerStyle(TObject* owner, TcxContainer* container);
    ~TcxContainerStyle() override;
    const char* ClassName() const override { return "TcxContainerStyle"; }
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();
    void Assign(const TPersistent& source) override;

    TColor BorderColor() const;
    void SetBorderColor(TColor value);
    TcxContainerBorderStyle BorderStyle() const;
    void SetBorderStyle(TcxContainerBorderStyle value);
    TColor Color() const;
    void SetColor(TColor value);
    TcxBorders Edges() const;
    void SetEdges(TcxBorders value);
    TFont& Font() { return m_font; }
    TFont* FontObject() { return &m_font; }
    bool HotTrack() const;
    void SetHotTrack(bool value);
    bool Shadow() const;
    void SetShadow(bool value);
    bool TransparentBorder() const;
    void SetTransparentBorder(bool value);
    TcxLookAndFeel& LookAndFeel() { return *m_lookAndFeel; }
    const TcxLookAndFeel& LookAndFeel() const { return *m_lookAndFeel; }
    TcxLookAndFeel* LookAndFeelObject() { return m_lookAndFeel.get(); }
    void SetLookAndFeel(const TcxLookAndFeel& value) { m_lookAndFeel->Assign(value); }

    TcxStyleController* StyleController() const { return m_controller; }
    void SetStyleController(TcxStyleController* controller);
    TcxContainerStyleValues AssignedValues() const { return m_assignedValues; }
    void SetAssignedValues(TcxContainerStyleValues values);

    void BeginStyleUpdate() { ++m_updateCount; }
    void EndStyleUpdate();
    virtual void RestoreStyleDefaults();

    TcxContainer* Container() const { return m_container; }
    // Called on every change that is signalled (the container's StyleModified).
    std::function<void()> OnChanged;

    // The controller's own style changed, or the controller is going away.
    void ControllerChanged();
    void ControllerFreed();

protected:
    virtual TColor DefaultBorderColor() const { return clWindowFrame; }
    virtual TcxContainerBorderStyle DefaultBorderStyle() const;
    virtual TColor DefaultColor() const;
    virtual TcxBorders DefaultEdges() const { return cxBordersAll; }
    virtual bool DefaultHotTrack() const { return true; }
    virtual bool DefaultShadow() const { return false; }
    virtual bool DefaultTransparentBorder() const { return true; }
    // The parent's colour when the control follows it, else none.
    bool ParentColorDefault(TColor& colour) const;
    virtual bool ParentColorRuleApplies() const { return true; }

    // The style in the chain (this, then the controllers' styles) that assigns value.
    const TcxContainerStyle* AssignedIn(TcxContainerStyleValue value) const;
    template <class T>
    void StoreValue(TcxContainerStyleValue value, T& field, const T& newValue)
    {
        if ((m_assignedValues & StyleValueBit(value)) && field == newValue)
            return;
        field = newValue;
        m_assignedValues |= StyleValueBit(value);
        Changed();
    }
    void Changed();
    bool Destroying() const { return m_destroying; }

private:
    void FontChanged();
    void DeriveFont();

    TcxContainer* m_container;
    TcxStyleController* m_controller = nullptr;
    TcxContainerStyleValues m_assignedValues = 0;
    TColor m_borderColor = clWindowFrame;
    TcxContainerBorderStyle m_borderStyle = cbsNone;
    TColor m_color = clWindow;
    TcxBorders m_edges = cxBordersAll;
    bool m_hotTrack = true;
    bool m_shadow = false;
    bool m_transparentBorder = true;
    TFont m_font;
    bool m_derivingFont = false;
    std::unique_ptr<TcxLookAndFeel> m_lookAndFeel;
    int m_updateCount = 0;
    bool m_pendingChange = false;
    bool m_destroying = false;
};

// A component whose style supplies the values that the styles using it do
// not assign themselves.
class TcxStyleController : public TComponent {
public:
    using TStyleFactory = std::function<std::unique_ptr<TcxContainerStyle>(TcxStyleController*)>;
    explicit TcxStyleController(TComponent* owner, const TStyleFactory& createStyle = {});
    ~TcxStyleController() override;
    const char* ClassName() const override { return "TcxStyleController"; }

    TcxContainerStyle& Style() { return *m_style; }
    const TcxContainerStyle& Style() const { return *m_style; }
    const std::vector<TcxContainerStyle*>& Listeners() const { return m_listeners; }
    void AddListener(TcxContainerStyle* style);
    void RemoveListener(TcxContainerStyle* style);

private:
    std::unique_ptr<TcxContainerStyle> m_style;
    std::vector<TcxContainerStyle*> m_listeners;
};

// What a container's view info says of its box, copied whole by Assign.
struct TcxContainerViewValues {
    TColor BackgroundColor = clWindow;
    TColor BorderColor = clBtnShadow;
    RECT Bounds {};
    RECT BorderRect {};
    RECT ClientRect {};
    TcxContainerBorderStyle BorderStyle = cbsNone;
    int BorderWidth = 0;
    TcxBorders Edges = cxBordersAll;
    bool Shadow = false;
    bool NativeStyle = false;
    int HotTrackState = 0;
    unsigned ContainerState = cxcsNormal;
};

// The container's geometry and colours; it alone paints the border and background.
class TcxContainerViewInfo : public TcxContainerViewValues {
public:
    TcxContainerViewInfo() = default;
    virtual ~TcxContainerViewInfo() = default;
    TcxContainerViewInfo(const TcxContainerViewInfo&) = delete;
    TcxContainerViewInfo& operator=(const TcxContainerViewInfo&) = delete;

    virtual void Assign(const TcxContainerViewInfo& source);
    virtual void Offset(int dx, int dy);
    // Border, then the background of the border rect.
    virtual void Paint(TcxCanvas& canvas);
    void DrawBorder(TcxCanvas& canvas) const;
    void DrawContainerBorder(TcxCanvas& canvas, const RECT& rect, TcxContainerBorderStyle style) const;
    // The "Edit" theme state drawn for a native border.
    virtual int NativeState() const { return 1; }
};

// Class hooks of a container: the classes of its style and view info.
struct TcxContainerClasses {
    std::function<std::unique_ptr<TcxContainerStyle>(TcxContainer*)> CreateStyle;
    std::function<std::unique_ptr<TcxContainerViewInfo>()> CreateViewInfo;
};

class TMouseTrackingTimer;

// The pointer as a container's own messages last reported it. Unknown until
// one does, and again after an enter, a leave, or a move or resize of the
// window: the pointer may then be where no message of the window says.
struct TcxPointerState {
    bool Known = false;
    POINT Position {};        // screen coordinates
    TShiftState Buttons = 0;  // ssLeft, ssRight and ssMiddle only
};

class TcxContainer : public TcxControl {
public:
    TcxContainer(TComponent* owner, const TcxContainerClasses& classes);
    ~TcxContainer() override;
    const char* ClassName() const override { return "TcxContainer"; }

    TcxContainerStyle& Style() { return *m_style; }
    TcxContainerStyle* StyleObject() { return m_style.get(); }
    void SetStyle(const TcxContainerStyle& style) { m_style->Assign(style); }
    TcxContainerViewInfo& ViewInfo() { return *m_viewInfo; }
    TWinControl* InnerControl() const { return m_innerControl; }
    virtual bool IsEmbedded() const { return false; }
    bool IsCreating() const { return m_isCreating; }
    bool MouseTracked() const { return m_tracking != nullptr; }

    // Recomputes the view info for the current cursor and mouse buttons;
    // with compare, invalidates only what changed.
    void RefreshContainer(bool compare);
    bool TakesFocusOnClick() const override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void WndProc(TMessage& message) override;
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseEnter(TControl* sender) override;
    void MouseLeave(TControl* sender) override;
    void KeyDown(WORD& key, TShiftState shift) override;
    void FocusChanged() override;
    void ThemeChanged() override { RefreshContainer(false); }

    virtual void StyleModified();
    // The computation behind RefreshContainer; editors supply their own.
    // buttons holds the mouse buttons down (ssLeft, ssRight, ssMiddle).
    virtual void CalculateViewInfo(POINT cursor, TShiftState buttons);
    // Invalidates what differs from old (everything without old); false when nothing did.
    virtual bool InvalidateChanges(const TcxContainerViewInfo* old);
    virtual void ViewInfoCalculated() {}
    std::unique_ptr<TcxContainerViewInfo> NewViewInfo() const { return m_classes.CreateViewInfo(); }
    void SetCreating(bool creating) { m_isCreating = creating; }
    bool ChangingFromStyle() const { return m_changingFromStyle; }
    // Whether the window has the keyboard focus, as its WM_SETFOCUS and
    // WM_KILLFOCUS said: a refresh need not ask the system.
    bool HasFocus() const { return m_hasFocus; }

private:
    friend class TMouseTrackingTimer;
    void NoteInput(const TMessage& message);
    TcxPointerState CurrentPointer();
    void OnColorChangedMessage();
    void OnFontChangedMessage();
    void BeginMouseTracking();
    void EndMouseTracking();
    bool CursorInsideBounds() const;
    void TrackedMouseLeft();

    TcxContainerClasses m_classes;
    std::unique_ptr<TcxContainerStyle> m_style;
    std::unique_ptr<TcxContainerViewInfo> m_viewInfo;
    std::unique_ptr<TMouseTrackingTimer> m_tracking;
    TWinControl* m_innerControl = nullptr;
    bool m_isCreating = true;
    bool m_changingFromStyle = false;
    bool m_mouseInside = false;
    // What a refresh needs of the pointer and the focus, kept from the
    // window's own messages. Asking the system on every refresh costs a
    // server round trip per question under Wine, and the pointer position
    // a round trip to the X server besides.
    TcxPointerState m_pointer;
    bool m_hasFocus = false;
};

} // namespace tandrel
