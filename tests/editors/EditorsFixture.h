#pragma once
// A form to put framework controls on, and helpers for driving them.

#include "framework/forms/Application.h"
#include "framework/forms/Forms.h"
#include "tests/support/TestSupport.h"
#include "editors/trackbar/cxTrackBar.h"
#include "editors/lookandfeel/dxThemeManager.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace tandrel::test {

class THostForm : public TForm {
public:
    const char* ClassName() const override { return "THostForm"; }

protected:
    friend class TCustomForm;
    explicit THostForm(TComponent* owner) : TForm(owner) {}
};

// A visual-styles library that opens any class and records what it is asked.
struct TFakeThemes {
    static inline std::map<HTHEME, std::wstring> Open;
    static inline int Opened = 0;
    static inline int Closed = 0;
    static inline bool Active = true;
    static inline std::wstring Refuse;
    struct TDraw {
        std::wstring Class;
        int Part, State;
        RECT Rect;
    };
    static inline std::vector<TDraw> Draws;

    static HTHEME WINAPI OpenThemeData(HWND, LPCWSTR name)
    {
        if (name == Refuse)
            return nullptr;
        HTHEME h = reinterpret_cast<HTHEME>(static_cast<INT_PTR>(0x1000 + ++Opened));
        Open[h] = name;
        return h;
    }
    static HRESULT WINAPI CloseThemeData(HTHEME h)
    {
        ++Closed;
        Open.erase(h);
        return S_OK;
    }
    static HRESULT WINAPI DrawThemeBackground(HTHEME h, HDC, int part, int state, const RECT* r, const RECT*)
    {
        Draws.push_back({Open.count(h) ? Open[h] : L"", part, state, *r});
        return S_OK;
    }
    static HRESULT WINAPI GetThemeColor(HTHEME, int, int, int, COLORREF* c)
    {
        *c = RGB(1, 2, 3);
        return S_OK;
    }
    static BOOL WINAPI IsThemeActive() { return Active; }

    static TdxThemeApi Api()
    {
        Open.clear();
        Opened = Closed = 0;
        Active = true;
        Refuse.clear();
        Draws.clear();
        return {OpenThemeData, CloseThemeData, DrawThemeBackground, GetThemeColor, IsThemeActive};
    }
};

// Handles messages until only timer messages remain. The mouse-leave
// timer of a control under the pointer ticks every 10 ms, so a wait for a
// quiet queue (PumpIdle) would never end while the pointer rests on one.
void Settle();
// Real mouse input that waits with Settle.
void PointerTo(POINT screen);
void PointerDown(POINT screen);
void PointerUp(POINT screen);
void PointerClick(POINT screen);

// Counts the paint messages a control's window receives, through its
// replaceable message handler, and puts the handler back afterwards.
class TPaintCounter {
public:
    explicit TPaintCounter(TControl& control);
    ~TPaintCounter();
    int Count() const { return m_count; }

private:
    TControl& m_control;
    TWndMethod m_saved;
    int m_count = 0;
};

// One shown form for a whole suite: forms are slower to come and go than
// the controls on them.
class THostFormTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    // Parks the pointer where it touches nothing of the form.
    static void ParkPointer();

    static THostForm* s_form;
};

// Each test gets a fresh slider of the main panel's size on the host form.
class TSliderTest : public THostFormTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // A slider at (left, top) of the given size, shown and laid out.
    TcxTrackBar* NewSlider(int left = 47, int top = 13, int width = 156, int height = 31);
    // Posts a key to the slider's window and lets the message loop handle it.
    void Key(WORD key, bool down = true);
    void Press(WORD key) { Key(key, true); Key(key, false); }
    // Sends a mouse message at a client point of the slider.
    void SendMouse(UINT msg, int x, int y, WPARAM keys = 0);
    // The screen point of a client point of the slider.
    POINT Screen(int x, int y) const;
    // The thumb's left edge in bitmap coordinates, from the last layout.
    int ThumbLeft() const { return m_slider->ActiveProperties().LayoutResults().ThumbRect.left; }

    TcxTrackBar* m_slider = nullptr;
    TcxCustomTrackBarProperties* m_props = nullptr;
};

} // namespace tandrel::test
