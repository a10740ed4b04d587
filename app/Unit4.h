#pragma once
// The pointer overlay: a topmost window cut to the shape of its arrow
// picture, owner of the tray icon and its menu. The application's main form.

#include "framework/forms/Forms.h"
#include "framework/graphics/GdiObjects.h"
#include "framework/controls/Image.h"
#include "framework/forms/Menus.h"

#include <shellapi.h>

#include <functional>

namespace tandrel {

class TBitmap;

// The callback message the tray icon sends to the overlay.
constexpr UINT WM_TRAYNOTIFY = WM_USER + 100;

class TForm4 : public TForm {
public:
    const char* ClassName() const override { return "TForm4"; }

    TImage* Image1 = nullptr;
    TPopupMenu* PopupMenu1 = nullptr;
    TMenuItem* y1 = nullptr;
    TMenuItem* About1 = nullptr;
    TMenuItem* N1 = nullptr;

protected:
    friend class TCustomForm;
    explicit TForm4(TComponent* owner);
    void Loaded() override;
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;

private:
    void FormCreate(TObject* sender);
    void FormShow(TObject* sender);
    void y1Click(TObject* sender);
    void About1Click(TObject* sender);
    void N1Click(TObject* sender);
    void OnTrayNotify(TMessage& m);
};

extern TForm4* Form4;

// The overlay's region: the outer window minus every run of picture pixels
// that are neither pure white nor pure black. Picture coordinates.
TOwnedRegion BuildOverlayRegion(int formWidth, int formHeight, TBitmap& picture);

// The one tray record, filled by the overlay's first show.
const NOTIFYICONDATAA& TrayRecord();
void DeleteTrayIcon();

// Lets tests see what is handed to the notification area (after the real call).
using TTrayObserver = std::function<void(DWORD message, const NOTIFYICONDATAA& record)>;
void SetTrayObserver(TTrayObserver observer);

} // namespace tandrel
