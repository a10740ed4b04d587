#pragma once
// The base of every control skinner. A skinner takes over a control's
// message handling (a framework control's handler, or the window procedure
// of a bare window), lets the control do its normal work, and paints the
// control, or parts of it, from the skin.

#include "framework/controls/WinControl.h"
#include "framework/controls/WindowSubclass.h"
#include "framework/controls/WindowText.h"
#include "framework/core/Component.h"
#include "framework/core/Messages.h"
#include "framework/graphics/Canvas.h"
#include "skin/data/SkinMessages.h"
#include "skin/draw/DataSkinObjects.h"
#include "skin/draw/KeptPicture.h"
#include "skin/draw/ScaledSkinImages.h"
#include "skin/draw/SkinDraw.h"

#include <windows.h>

#include <functional>
#include <string>

namespace tandrel {

class TSkinCaptionColours;
class TSkinControl;
class TSkinControlList;
class TSkinData;

// What a control skinner needs of the form skinning object that owns it.
class TSkinControlOwner {
public:
    virtual TSkinControlList& Skinners() = 0;
    // The colours given to controls that write their own captions.
    virtual TSkinCaptionColours& CaptionColours() = 0;
    // The skinner list's bookkeeping that a skinner does for itself: the
    // list takes it over once (true when it had it already), it goes when its
    // windowless control goes, and the one under the mouse.
    virtual bool RegisterSkinner(TSkinControl& skinner) = 0;
    virtual void DropSkinner(TSkinControl& skinner) = 0;
    virtual TSkinControl* HotSkinner() const = 0;
    virtual void SetHotSkinner(TSkinControl* skinner) = 0;
    // The window is going or the engine shuts down: control colours are left
    // as they are.
    virtual bool Closing() const = 0;
    // A skinner's handler is running: the owner must not be freed meanwhile.
    virtual void EnterHandler() = 0;
    virtual void LeaveHandler() = 0;

protected:
    ~TSkinControlOwner() = default;
};

// The mouse is over the control; the left button or the space key is held on it.
enum TSkinControlStateFlag : unsigned char { scHot = 1, scPressed = 2 };

// Created with the form skinning object as owner, and owned by that
// object's skinner list from the moment it registers (never by the owner's
// components). Attach, AttachHandle or AttachGraphic route the control's
// messages through SkinWndProc; Detach gives them back.
class TSkinControl : public TComponent {
public:
    explicit TSkinControl(TComponent* owner);
    ~TSkinControl() override;
    const char* ClassName() const override { return "TSkinControl"; }

    // Attaches to a framework windowed control (its window is made if need be).
    virtual void Attach(TWinControl* control, TSkinData* skinData, TCanvas* canvas, bool setColour);
    // Attaches to a bare window by subclassing it.
    virtual void AttachHandle(HWND handle, TSkinData* skinData, TCanvas* canvas);
    // Undoes the attachment; running it twice is harmless.
    virtual void Detach();
    // Pre-filter: true lets the control's own handler run, then AfterMessage.
    // False consumes the message; the result is then set here.
    virtual bool BeforeMessage(TMessage& message);
    virtual void AfterMessage(TMessage& message);
    // Paints over the whole window; dc may be none (the window's own is taken).
    virtual void PaintWindow(HDC dc);
    // Draws the control into dc within rect (window coordinates at 0, 0).
    virtual void DrawControl(HDC dc, const RECT& rect);
    // Takes up a changed skin: the face colour again, and a repaint.
    virtual void Refresh();

    // The handler put in place of the control's own.
    void SkinWndProc(TMessage& message);
    // Hands a message to whatever handled it before.
    void CallPrevious(TMessage& message);
    // Paints for a WM_PAINT the skinner consumes.
    void PaintMessage(TMessage& message);
    // For skinners that paint the whole control: consumes WM_PAINT (painting)
    // and WM_ERASEBKGND (the paint covers everything). False for any other.
    bool TakePaintOver(TMessage& message);
    void SendMouseLeave();
    // Repaints the whole window at once, without erasing.
    void RepaintNow();
    void FillFace(HDC dc, const RECT& rect);
    // Frame frameIndex of frameCount of the element's strip at rect's size,
    // composed into the scratch bitmap over the face colour.
    void DrawElementScratch(const RECT& rect, TDataSkinObject& element, int frameIndex, int frameCount,
                            TSkinTransparency transparency);

    HWND Handle() const { return m_handle; }
    unsigned char State() const { return m_state; }
    bool Hot() const { return (m_state & scHot) != 0; }
    bool Pressed() const { return (m_state & scPressed) != 0; }
    bool Enabled() const { return m_enabled; }
    bool Focused() const { return m_focused; }
    const std::wstring& Text() const { return m_text; }
    TSkinData* SkinData() const { return m_skinData; }
    TWinControl* Control() const { return m_control; }
    TControl* GraphicControl() const { return m_graphicControl; }
    // The window rectangle (screen) as of the last paint.
    const RECT& PaintRect() const { return m_paintRect; }
    bool SetColour() const { return m_setColour; }
    bool Attached() const { return m_attached; }
    bool Busy() const { return m_busy > 0; }
    TSkinControlOwner* SkinOwner() const { return m_owner; }

    // The face colour of the skin in use, as RGB.
    COLORREF FaceColour() const;
    // The density the control is drawn at: its window's, or for a windowless
    // control its parent's; and the skin's lengths and images at it.
    int Dpi() const;
    TSkinScale Scale() const;
    // What a picture of width x height kept by this skinner is drawn on and from.
    TPictureGround PictureGround(int width, int height) const;
    // The control has the keyboard focus and its window shows focus cues
    // (the system hides them until a key is used).
    bool ShowsFocus() const;

protected:
    void Notification(TComponent* component, TOperation operation) override;

    void AddState(unsigned char flags) { m_state |= flags; }
    void RemoveState(unsigned char flags) { m_state &= static_cast<unsigned char>(~flags); }
    // A left press the control handles first (its own down state, stepping,
    // capture); the skin then shows it pressed at once.
    void PressAfterControl(TMessage& message);
    // Runs draw on dc, or on the whole window's own device context when dc
    // is none, with the window rectangle at the origin (kept as the paint
    // rectangle). A failure in draw is swallowed: the control keeps what
    // its own handler painted.
    void DrawOnWindow(HDC dc, const std::function<void(HDC, const RECT&)>& draw);
    // Records the control and what the skinner draws with.
    void BindControl(TWinControl& control, TSkinData* skinData, TCanvas* canvas, bool setColour);
    // Puts the control's own handler back (framework controls).
    void RestoreHandler();
    // The skin's text colour for a control that writes its caption itself
    // over the face, unless the program chose the colour.
    void GiveCaptionColour(TControl& control);
    // Routes a framework control's messages through this skinner.
    void HookHandler(TControl& control);
    // The owner's skinner list takes this skinner over, once.
    bool RegisterWithOwner();
    TSkinControl* HotSkinner() const;
    void SetHotSkinner(TSkinControl* skinner);

    unsigned char m_state = 0;
    TCanvas* m_canvas = nullptr;
    bool m_enabled = false;
    bool m_focused = false;
    std::wstring m_text;
    TSkinData* m_skinData = nullptr;
    HWND m_handle = nullptr;
    TWndMethod m_savedHandler;
    TWinControl* m_control = nullptr;
    RECT m_paintRect {};
    TControl* m_graphicControl = nullptr;
    bool m_setColour = false;
    TColor m_savedColour = clBtnFace;
    bool m_attached = false;

private:
    // The thunk: SkinWndProc for the messages of a bare window.
    LRESULT SubclassedProc(UINT msg, WPARAM wParam, LPARAM lParam);

    TWindowSubclass<TSkinControl, &TSkinControl::SubclassedProc> m_subclass {kControlSubclassId};

    TSkinControlOwner* m_owner = nullptr;
    int m_busy = 0;
};

// Text centred (format DT_CENTER) or aligned across rect and centred on
// its height less one pixel, transparent and in a plain style; disabled
// text takes the button-shadow colour.
void DrawCaption(TCanvas& canvas, const RECT& rect, const std::wstring& text, bool enabled, UINT format);

} // namespace tandrel
