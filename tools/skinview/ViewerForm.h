#pragma once
// The previewer's main window: the sample pages on tabs, a menu bar that
// shows how skinned menus look, the problems the checker finds in the skin,
// and the skin in use on every window of the program. Opening another skin
// re-skins the open windows in place.

#include "framework/controls/GroupBox.h"
#include "framework/controls/ListBox.h"
#include "framework/controls/PageControl.h"
#include "framework/controls/StatusBar.h"
#include "framework/forms/Forms.h"
#include "framework/graphics/ImageList.h"
#include "skin/data/WinSkinData.h"
#include "tools/skinview/SampleWindows.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace tandrel {

struct TSkinSource;

class TViewerForm : public TForm {
public:
    const char* ClassName() const override { return "TViewerForm"; }

    // Puts the skin at path (a package file, or a skin folder) on every
    // window. False when it cannot be loaded: the skin in use stays on and
    // the problems panel says why.
    bool OpenSkin(const std::filesystem::path& path);
    // The same for a skin the program holds (the built-in one).
    bool OpenSkinStream(const std::wstring& name, std::vector<std::uint8_t> stream);
    // Opens the last skin again, as its file or folder is now.
    bool Reload();

    TSkinData& Skin() const { return *m_skin; }
    TPageControl& Pages() const { return *m_pages; }
    TListBox& ProblemList() const { return *m_problems; }
    TStatusBar& Status() const { return *m_status; }
    TMainMenu& MainMenu() const { return *m_menu; }
    TPopupMenu& SamplePopup() const { return *m_popup; }
    TSampleWindows& Samples() { return m_samples; }
    // What the problems panel says, line by line.
    std::vector<std::wstring> ProblemLines() const;
    // The name of the skin on, as the title shows it.
    const std::wstring& SkinTitle() const { return m_skinTitle; }

    static constexpr const wchar_t* Title = L"Skin viewer";

protected:
    friend class TCustomForm;
    explicit TViewerForm(TComponent* owner);
    void InitializeWindow() override;
    void WndProc(TMessage& message) override;

private:
    void BuildMenu();
    void BuildPages();
    void BuildWindowsPage(TTabSheet& sheet);
    void Layout();
    void ChooseFile();
    void ChooseFolder();
    void OnDropFiles(TMessage& message);
    // Applies a checked skin; false (and the panel says why) when it fails.
    bool Apply(const TSkinSource& source, const std::filesystem::path& path);
    // The title, the problems panel and the status bar for the skin now in use.
    void ShowSkin(const TSkinSource& source, const std::filesystem::path& path);
    void ShowFailure(const std::wstring& what, const std::string& why);

    TSkinData* m_skin = nullptr;      // owned by the form
    TMainMenu* m_menu = nullptr;      // owned by the form
    TPopupMenu* m_popup = nullptr;    // owned by the form
    TImageList* m_images = nullptr;   // owned by the form
    TPageControl* m_pages = nullptr;  // owned by the form
    TGroupBox* m_problemBox = nullptr;
    TListBox* m_problems = nullptr;
    TStatusBar* m_status = nullptr;
    TSampleWindows m_samples;
    std::filesystem::path m_path;     // the skin on, when it came from a file or folder
    std::wstring m_skinTitle;
};

// The skin package compiled into the previewer (the default skin).
std::vector<std::uint8_t> BuiltInSkin();

} // namespace tandrel
