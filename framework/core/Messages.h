#pragma once
// The framework's message record and its private notifications.

#include <windows.h>

#include <functional>

namespace tandrel {

struct TMessage {
    UINT Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;
};

// A control's replaceable message handler. Skinners save it, put their own
// in its place and restore it later.
using TWndMethod = std::function<void(TMessage&)>;

// Private notifications of the framework (sent through Perform).
constexpr UINT CM_BASE = 0xB000;
constexpr UINT CM_ACTIVATE = CM_BASE + 0;
constexpr UINT CM_DEACTIVATE = CM_BASE + 1;
constexpr UINT CM_DIALOGCHAR = CM_BASE + 6;
constexpr UINT CM_FOCUSCHANGED = CM_BASE + 7;
constexpr UINT CM_PARENTFONTCHANGED = CM_BASE + 8;
constexpr UINT CM_PARENTCOLORCHANGED = CM_BASE + 9;
constexpr UINT CM_SHOWINGCHANGED = CM_BASE + 11;
constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 12;
constexpr UINT CM_COLORCHANGED = CM_BASE + 13;
constexpr UINT CM_FONTCHANGED = CM_BASE + 14;
constexpr UINT CM_CURSORCHANGED = CM_BASE + 15;
constexpr UINT CM_TEXTCHANGED = CM_BASE + 18;
constexpr UINT CM_MOUSEENTER = CM_BASE + 19;
constexpr UINT CM_MOUSELEAVE = CM_BASE + 20;
constexpr UINT CM_MENUCHANGED = CM_BASE + 21;
constexpr UINT CM_VISIBLECHANGED = CM_BASE + 23;
constexpr UINT CM_EXIT = CM_BASE + 27;  // the keyboard focus has left the control
constexpr UINT CM_RELEASE = CM_BASE + 33;
constexpr UINT CM_BUTTONPRESSED = CM_BASE + 35;
// A check box or radio button whose checked state the program changed tells
// its own window, so that whoever watches its messages can repaint.
constexpr UINT CM_CHECKSTATECHANGED = CM_BASE + 0xD0;
// A windowed control's size changed; each of its child controls hears it,
// so that those that keep to an edge can follow.
constexpr UINT CM_PARENTSIZED = CM_BASE + 0xD1;

// Notifications a parent reflects back to the child control that sent them.
constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;
constexpr UINT CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN;
constexpr UINT CN_CTLCOLORLISTBOX = CN_BASE + WM_CTLCOLORLISTBOX;
constexpr UINT CN_CTLCOLORSCROLLBAR = CN_BASE + WM_CTLCOLORSCROLLBAR;
constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
constexpr UINT CN_MEASUREITEM = CN_BASE + WM_MEASUREITEM;
constexpr UINT CN_HSCROLL = CN_BASE + WM_HSCROLL;
constexpr UINT CN_VSCROLL = CN_BASE + WM_VSCROLL;
constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;

static_assert(CM_DIALOGCHAR == 0xB006 && CM_ENABLEDCHANGED == 0xB00C && CM_MOUSEENTER == 0xB013 &&
              CM_MOUSELEAVE == 0xB014 && CM_MENUCHANGED == 0xB015 && CM_EXIT == 0xB01B && CM_RELEASE == 0xB021 &&
              CM_CHECKSTATECHANGED == 0xB0D0 && CN_HSCROLL == 0xBD14 && CN_VSCROLL == 0xBD15);

} // namespace tandrel
