#pragma once
// The skin engine running with the default skin, and forms made in code to
// be skinned: what the form skinning tests and the bench of forms share.

#include "framework/forms/Application.h"
#include "framework/forms/Forms.h"
#include "framework/forms/Menus.h"
#include "skin/controls/SkinControl.h"
#include "skin/engine/SkinManage.h"
#include "tests/skin/SkinTestSupport.h"
#include "skin/forms/WinSkinForm.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tandrel::test {

// A form configured in code (it has no stored definition).
class TBenchForm : public TForm {
public:
    const char* ClassName() const override { return "TBenchForm"; }
    int Closes = 0;      // close requests that reached the form
    int SizeMessages = 0; // WM_SIZE messages that reached the form's own handling

protected:
    friend class TCustomForm;
    explicit TBenchForm(TComponent* owner);
    void WndProc(TMessage& message) override;
};

// The default skin's frame.
constexpr int kLeft = 15;
constexpr int kCaption = 46;
constexpr int kRight = 8;
constexpr int kBottom = 9;

// A skin data component as a form definition makes it: its settings, then
// the stored stream, then Loaded.
TSkinData* LoadedSkinData(TComponent* owner, TSkinFormType type, const std::vector<std::uint8_t>& stream,
                          bool active = true);

// A control of class T placed on the form, owned by it.
template <class T>
T* Add(TCustomForm& form, int left, int top, int width = 90, int height = 25, int tag = 0)
{
    auto* control = new T(&form);
    control->SetParent(&form);
    control->SetBounds(left, top, width, height);
    control->SetTag(tag);
    return control;
}

// The class name of the skinner the form gave that window, or "none".
inline std::string SkinnerOf(TWinSkinForm& skin, HWND window)
{
    TSkinControl* s = skin.FindSkinner(window);
    return s ? s->ClassName() : "none";
}
inline std::string SkinnerOf(TWinSkinForm& skin, TWinControl& control) { return SkinnerOf(skin, control.Handle()); }

// How many pixels of the window painted from what its skinner kept differ
// from the same window painted afresh, once the skinner forgot it all.
inline int KeptPaintDifference(TWinSkinForm& skin, HWND window)
{
    auto const paint = [window] {
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
        return CaptureWindow(window);
    };
    TSkinControl* const skinner = skin.FindSkinner(window);
    if (!skinner)
        return -1;
    skinner->Refresh();
    auto const fresh = paint();
    auto const kept = paint();
    return DifferingPixels(*fresh, *kept);
}

class TSkinFormTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;

    // Starts the engine with the default skin unless it runs.
    static void StartEngine();
    static TSkinData& Skin() { return *s_skin; }

    // A form with a client area of the given size; freed after the test.
    TBenchForm* MakeForm(TFormBorderStyle style, int clientWidth = 300, int clientHeight = 200,
                         const std::wstring& caption = L"Skinned window");
    // Gives the form a menu bar with a "&File" item holding one item.
    static TMenuItem* AddFileMenu(TBenchForm& form, const wchar_t* itemCaption);
    // Shows the form (activating it) and waits until its skin has started.
    TWinSkinForm* ShowSkinned(TCustomForm& form);
    // Takes the skin off the shown, skinned form and puts it back `cycles`
    // times, then checks that no GDI object and no skinner was left behind.
    // Answers the form's skinning object at the end.
    TWinSkinForm* ExpectSkinCyclesLeaveNothing(TCustomForm& form, int cycles = 100);
    // Runs the dialog modally and, once its skin has started, `check` on it;
    // then ends it with OK. Expects the check to have run to its end.
    void CheckSkinnedDialog(const std::vector<WORD>& dialog, const wchar_t* caption,
                            const std::function<void(HWND box, TWinSkinForm& skin)>& check);
    // Frees a form the test made, before the test ends.
    void FreeForm(TCustomForm* form);
    static TWinSkinForm* SkinOf(HWND window) { return SkinManager ? SkinManager->FindSkinnedWindow(window) : nullptr; }
    // Whether the manager still holds that object (one that let go of its
    // window stays until the next clean-up).
    static bool Held(const TWinSkinForm* skin);
    // What the window shows now, read back from the screen.
    static std::unique_ptr<TBitmap> Shot(HWND window);
    // A point of the window in screen coordinates, from window coordinates.
    static POINT ScreenOf(HWND window, POINT windowPoint);
    // Moves the mouse where no test window is.
    static void MouseAway();

    static TSkinData* s_skin;
    std::vector<TCustomForm*> m_forms;
};

} // namespace tandrel::test
