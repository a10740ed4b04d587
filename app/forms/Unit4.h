#pragma once
// The pointer overlay: a topmost window cut to the shape of its arrow
// picture, owner of the tray icon and its menu. The application's main form.

#include "framework/forms/Forms.h"
#include "framework/graphics/Dpi.h"
#include "framework/graphics/GdiObjects.h"
#include "framework/controls/Image.h"
#include "framework/forms/Menus.h"

#include <shellapi.h>

#include <functional>
#include <memory>

namespace tandrel {

class TBitmap;
class TIcon;

// The callback message the tray icon sends to the overlay.
constexpr UINT WM_TRAYNOTIFY = WM_USER + 100;
// Where the arrow's tip lies in the overlay's picture (client coordinates,
// at 96 pixels per inch).
constexpr POINT kOverlayTip {56, 48};

// Broadcast by the shell when the taskbar is made again (the shell restarted).
UINT TaskbarCreatedMessage();
// Sent by a second start of the program to the running overlay: show the panel.
UINT ShowPanelMessage();
// Posted by the installer and the uninstaller to a running Tandrel before they
// replace or remove its files: it ends as the tray menu's exit item ends it.
// Registered by name so that a script finds it with RegisterWindowMessage.
constexpr wchar_t kExitRequestName[] = L"Tandrel.Exit";
UINT ExitRequestMessage();

class TForm4 : public TForm {
public:
    ~TForm4() override;
    const char* ClassName() const override { return "TForm4"; }

    TImage* Image1 = nullptr;
    TPopupMenu* PopupMenu1 = nullptr;
    TMenuItem* y1 = nullptr;
    TMenuItem* About1 = nullptr;
    TMenuItem* N1 = nullptr;

    // The arrow's tip on the screen, and a move that puts it at a point.
    POINT Tip() const;
    void MoveTipTo(POINT tip);

protected:
    friend class TCustomForm;
    explicit TForm4(TComponent* owner);
    void Loaded() override;
    void CreateParams(TCreateParams& params) override;
    void InitializeWindow() override;
    void WndProc(TMessage& message) override;

private:
    void FormCreate(TObject* sender);
    void FormShow(TObject* sender);
    void y1Click(TObject* sender);
    void About1Click(TObject* sender);
    void N1Click(TObject* sender);
    void OnTrayNotify(TMessage& m);
    void OnWindowPosChanging(TMessage& m);
    void OnTaskbarCreated(TMessage& m);
    void OnShowPanel(TMessage& m);
    void OnExitRequest(TMessage& m);
    void OnDpiChanged(TMessage& m);
    // The arrow's picture and the window's region at a density.
    void FitArrow(int dpi);

    // Shown by the tray icon, so it lives as long as the overlay.
    std::unique_ptr<TIcon> m_trayIcon;
    TOwnedIcon m_trayPicture;
    // The picture as drawn at 96 pixels per inch, scaled from for others.
    std::unique_ptr<TBitmap> m_designArrow;
    int m_arrowDpi = kDesignDpi;
};

extern TForm4* Form4;
// Shows the main panel. The start-up binds it: the overlay is made first and
// knows nothing else of the panel.
extern std::function<void()> ShowMainPanel;

// The overlay's region: the outer window minus every run of picture pixels
// that are neither pure white nor pure black. Picture coordinates.
TOwnedRegion BuildOverlayRegion(int formWidth, int formHeight, TBitmap& picture);
// The picture grown to a density pixel by pixel: every pixel stays pure
// black, pure white or background, so the arrow stays crisp.
std::unique_ptr<TBitmap> ScaleOverlayPicture(TBitmap& picture, int dpi);

// The one tray record, filled by the overlay's first show.
const NOTIFYICONDATAA& TrayRecord();
void DeleteTrayIcon();
// The tray icon goes first, then the message loop is asked to end.
void ExitApplication();

// Lets tests see what is handed to the notification area (after the real call).
using TTrayObserver = std::function<void(DWORD message, const NOTIFYICONDATAA& record)>;
void SetTrayObserver(TTrayObserver observer);

} // namespace tandrel
