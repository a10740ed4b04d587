#pragma once
// Starts the application shell as the program does and records what it
// hands to the notification area, the shell and the error box.

#include "framework/forms/Application.h"
#include "framework/forms/Screen.h"
#include "skin/engine/SkinManage.h"
#include "app/startup/Tandrel.h"
#include "tests/support/TestSupport.h"
#include "app/forms/U_About.h"
#include "app/forms/Unit1.h"
#include "app/forms/Unit4.h"
#include "skin/forms/WinSkinForm.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tandrel {
class TWinSkinPopMenu;
}

namespace tandrel::test {

struct TTrayCall {
    DWORD Message;
    NOTIFYICONDATAA Record;
};

// Records what the shell hands to the notification area, the shell and the error box.
struct TShellRecorder {
    std::vector<TTrayCall> TrayCalls;
    std::vector<std::wstring> Opened;
    std::vector<std::string> Errors;
    void Attach();
    void Detach();
};

// A second mouse remembered by an earlier run must not bind at a test's start.
void ForgetStoredMouse();

// Ends a start of the shell: the tray icon and the forms go, and the
// application is ready to start again.
void StopShell();

// Each test starts the application afresh: for what happens at start-up.
class StartUpTest : public ::testing::Test {
public:
    void SetUp() override;
    void TearDown() override;
    // The first step of the message loop: the overlay is shown.
    static void StartRunning();

protected:
    TShellRecorder m_recorder;
    std::vector<TTrayCall>& m_trayCalls = m_recorder.TrayCalls;
    std::vector<std::string>& m_errors = m_recorder.Errors;
};

// One running application for the whole suite: adding and removing the tray
// icon and destroying active windows are slow under Wine, so the tests share
// the shell and each puts back what it changed.
class ShellTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;

    // Shows the main panel the way a left click on the tray icon does.
    void ShowPanel();
    void HidePanel();
    // Runs action from inside the next modal loop (a modal form, a menu).
    static void RunInModalLoop(std::function<void()> action);
    // Clicks a windowless control in its middle, with real input.
    static void ClickControl(TControl& control);
    // Ends the message loop's pending quit, as a new start would need.
    static void DrainQuit();

    static TShellRecorder s_recorder;
    std::vector<TTrayCall>& m_trayCalls = s_recorder.TrayCalls;
    std::vector<std::wstring>& m_opened = s_recorder.Opened;
    std::vector<std::string>& m_errors = s_recorder.Errors;
};

// The tray menu's skinned popup while it is shown and painted, else null.
TWinSkinPopMenu* ShownTrayPopup();

// A skinned window keeps the client area its definition gives it: the
// designed window size less the system's own frame. The skin puts its frame
// (15, 46, 8 and 9 pixels with the default skin) round that client area.
void ExpectSkinnedWindowOfDesignedSize(HWND window, int designedWidth, int designedHeight);

} // namespace tandrel::test
