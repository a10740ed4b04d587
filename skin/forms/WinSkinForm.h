#pragma once
// The form skinning object: takes over the non-client area of one top-level
// window (or MDI child) and draws its frame, caption, caption buttons and
// menu strip from the skin, cuts the window's shape from the borders'
// transparent pixels, and gives the frame its behaviour: dragging, caption
// buttons that light up and act, the system menu, maximising, MDI.
// Everything it replaced it puts back when it lets go of the window.

#include "framework/controls/WindowSubclass.h"
#include "framework/forms/Forms.h"
#include "framework/graphics/Dpi.h"
#include "framework/graphics/GdiObjects.h"
#include "skin/controls/SkinControlList.h"
#include "skin/controls/SkinDispatch.h"
#include "skin/data/SkinMessages.h"
#include "skin/data/WinSkinData.h"
#include "skin/forms/CaptionButtons.h"
#include "skin/forms/FramePictures.h"
#include "skin/forms/MdiClientHook.h"
#include "skin/geometry/SkinFrameGeometry.h"
#include "skin/menus/SkinMenuItem.h"
#include "skin/menus/WinSkinMenu.h"

#include <windows.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace tandrel {

class TMenu;
class TMenuItem;
class TPopupMenu;

enum TSkinState : int {
    ssAttached = 0,  // waiting for WM_SKINSTART
    ssSkinned = 1,
    ssApplying = 3,  // a changed skin is being applied
    ssDetaching = 4, // the window is going, or the manager shuts down
    ssFitting = 5,   // the window is being fitted during WM_SKINSTART
    ssDetached = 6,  // let go of its window: waits for the manager's clean-up
};

enum TFormKind : int { fkOrdinary = 0, fkMdiFrame = 1, fkMdiChild = 2 };
enum class TCaptionStyles { csStrip, csRestore };

// Caption-button availability bits of the window's own style.
enum TCaptionAvailability : unsigned { caMaximizeBox = 1, caMinimizeBox = 2, caSystemMenuBit = 8 };

// Items of the skinned system menu, by tag (also the image of the glyph
// each shows).
enum TSystemMenuTag : int { smRestore = 0, smMaximize = 1, smMinimize = 2, smClose = 3, smSeparator = 100 };

// Owned by the skin manager, which frees it once it has let go of its
// window; the form it skins is only watched (it may go first).
class TWinSkinForm final : public TComponent,
                           public TMenuBarHost,
                           public TCaptionButtonPainter,
                           public TSkinControlOwner,
                           public TSkinDispatchHost,
                           public TMdiFrameHost {
public:
    explicit TWinSkinForm(HWND window);
    ~TWinSkinForm() override;
    const char* ClassName() const override { return "TWinSkinForm"; }
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();

    // Published; nothing reads it.
    int DisableTag() const { return m_disableTag; }
    void SetDisableTag(int tag) { m_disableTag = tag; }

    HWND Handle() const override { return m_handle; }
    TCustomForm* Form() const override { return m_form; }
    TSkinData* SkinData() const override { return m_skinData; }

    // Attaching: AttachToForm for framework forms, Initialize for others.
    void AttachToForm(TSkinData* skinData, TCustomForm* form);
    void Initialize(TSkinData* skinData);
    bool Initialized() const { return m_subclass.Attached(); }

    // Frame geometry, caption buttons and fitting the window to the frame.
    void ComputeFrameGeometry();
    void ApplyChangedSkin();
    void ResetCaptionButtons();
    void SetCaptionButtonStyles(TCaptionStyles styles);
    void FitWindowToSkin(bool rereadClient);
    void RefreshFrame();
    // The density the frame is drawn at (the window's), and the skin's
    // images and lengths at it.
    int Dpi() const { return m_dpi; }
    TSkinScale Scale() const override { return {m_skinData->ScaledImages, m_dpi}; }

    // Painting (the device context may be none: the window's own is used).
    void PaintFrame(HDC dc = nullptr);
    // Composes the frame in its active look into the kept pictures, showing
    // nothing: a hidden window that its show activates then paints its
    // frame by copying.
    void ComposeActiveFrame();
    void LayoutCaptionButtons();
    bool IsCaptionButtonVisible(int index);
    void DrawCaptionButton(TWinSysButton& button, int state) override;

    // The window's shape.
    void UpdateRegion();
    void RemoveRegion();
    bool HasRegion() const { return m_region.Set; }
    // How many times the region was built (only size changes rebuild it).
    int RegionBuilds() const { return m_region.Builds; }

    // Letting go of the window.
    void Unskin();
    void UnskinLight();
    void Detach();

    // What caption buttons and the system menu do.
    void CaptionButtonAction(int x, int y);
    void ShowSystemMenu(int x, int y);
    void ToggleMaximize();
    void ToggleMinimize();
    void RestoreWindow();
    void MdiChildCommand(UINT command);
    void SystemMenuClick(int tag);
    // The skin manager's MDI-maximised flag changed (MDI children only).
    void MdiMaximizedChanged(bool maximized);

    // Owner-drawing of the form's popup menus from the skin, at every depth.
    // Switching off removes only what switching on installed.
    void SetPopupOwnerDraw(bool on);
    // The skin's painter on each item of the menu that has no drawing handler.
    void OwnerDrawItems(TMenu& menu);
    // The item painter of this window's menus.
    TMenuItemPainter MenuPainter() const;

    // TNCHost: the caption button or menu-strip item in its hot or pressed look.
    TNCObject* HotObject() const override { return m_hotObject; }
    void SetHotObject(TNCObject* object) override { m_hotObject = object; }

    // The control skinners of the window's controls (TSkinControlOwner).
    TSkinControlList& Skinners() override { return m_skinners; }
    TSkinCaptionColours& CaptionColours() override { return m_skinners.CaptionColours(); }
    bool RegisterSkinner(TSkinControl& skinner) override { return m_skinners.Register(skinner); }
    void DropSkinner(TSkinControl& skinner) override { m_skinners.Drop(skinner); }
    TSkinControl* HotSkinner() const override { return m_skinners.Hot(); }
    void SetHotSkinner(TSkinControl* skinner) override { m_skinners.SetHot(skinner); }
    bool Closing() const override { return m_skinState == ssDetaching; }
    void EnterHandler() override { ++m_deferred.Busy; }
    void LeaveHandler() override { LeaveBusy(); }

    // The control dispatch: which control gets which skinner.
    TSkinDispatch& Dispatch() { return m_dispatch; }
    TSkinControl* FindSkinner(HWND handle) const { return m_skinners.Find(handle); }

    // While one of its handlers runs (and any modal loop inside it) the
    // object must not be freed: the manager leaves it for a later clean-up.
    class TBusyScope {
    public:
        explicit TBusyScope(TWinSkinForm& form) : m_form(form) { ++m_form.m_deferred.Busy; }
        ~TBusyScope();
        TBusyScope(const TBusyScope&) = delete;
        TBusyScope& operator=(const TBusyScope&) = delete;

    private:
        TWinSkinForm& m_form;
    };
    bool Busy() const { return m_deferred.Busy > 0; }
    // The manager let go of the object while it was busy: it asks for a
    // clean-up when its last handler returns.
    void FreeWhenIdle() { m_deferred.FreeWhenIdle = true; }

    // State, for the manager, the menu strip and tests.
    TSkinState SkinState() const { return m_skinState; }
    void SetSkinState(TSkinState state) { m_skinState = state; }
    TFormKind FormKind() const { return m_formKind; }
    TFrameWindowState WindowState() const { return m_look.State; }
    TBorderClass BorderClass() const { return m_look.Border; }
    const TFrameSizes& FrameSizes() const { return m_sizes; }
    bool Active() const override { return m_look.Active; }
    bool RightToLeft() const { return m_look.RightToLeft; }
    unsigned Availability() const { return m_look.Availability; }
    HWND MdiClient() const;
    TWinSkinMenu* MenuBar() const override { return m_menuBar.get(); }
    TPopupMenu* SkinnedSystemMenu() const { return m_systemMenu.get(); }
    const std::vector<std::unique_ptr<TWinSysButton>>& CaptionButtons() const { return m_captionButtons.Items(); }
    const std::wstring& Text() const { return m_look.Text; }
    const RECT& CaptionTextRect() const { return m_caption.TextRect; }
    SIZE NonClientExtent() const { return m_record.NcExtent; }
    bool LeaveTimerRunning() const { return m_leaveTimer.Running(); }
    // A menu-strip popup is open.
    bool MenuTracking() const { return m_menuTracking; }
    TBitmap& IconBitmap() { return m_caption.Icon; }
    bool ActiveMdiChildMaximized() const override;
    // Screen point to window coordinates, as the non-client handlers use them.
    POINT WindowPointOf(POINT screen) const override;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    // TMenuBarHost
    void PaintMdiButtons(HDC dc, POINT barOrigin) override;
    void BeginMenuLoop() override;
    void EndMenuLoop() override;
    void ClearMenuTracking() override { m_menuTracking = false; }

    // Set-up steps.
    void ReadWindowState();
    void ReadText();
    void LoadFormIcon(TBitmap& bitmap);
    void BuildSystemMenu();
    void MakeCaptionFont();
    int MenuBarHeight() const;
    void Subclass();
    void RemoveSubclass();
    void HookForm();
    void UnhookForm();
    bool ReleaseHandlers();
    void RetireMenuBar();
    void RetireMdiClientHook();
    void RestoreFormColour();
    void LeaveBusy();
    void StartLeaveTimer();
    void StopLeaveTimer();

    // Painting steps.
    void PaintBorder(TFrameSide side, TDataSkinBorder& border, const RECT& rect, HDC dc);
    void PaintCaption(HDC dc, int windowHeight);
    void PaintCaptionText(TBitmap& buffer, const RECT& area);
    TCaptionButtonContext ButtonContext() const;

    // The window procedure, in its three stages, and its handlers.
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT Stage2(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT Stage3(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT Saved(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT OnEraseBackground(WPARAM wParam, LPARAM lParam);
    LRESULT OnStyleChanged(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcDestroy(WPARAM wParam, LPARAM lParam);
    LRESULT OnCtlColorButton(WPARAM wParam, LPARAM lParam);
    LRESULT OnCtlColorStatic(WPARAM wParam, LPARAM lParam);
    LRESULT OnLeaveTimer();
    LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    LRESULT OnSize(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetMinMaxInfo(WPARAM wParam, LPARAM lParam);
    LRESULT OnWindowPosChanged(WPARAM wParam, LPARAM lParam);
    LRESULT OnCommand(WPARAM wParam, LPARAM lParam);
    LRESULT OnSysCommand(WPARAM wParam, LPARAM lParam);
    LRESULT OnSkinStart();
    LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);
    LRESULT OnMenuChanged(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcCalcSize(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcHitTest(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcPaint(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcActivate(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcMouseMove(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcLButtonDown(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcLButtonUp(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcLButtonDblClk(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcRButtonDown(WPARAM wParam, LPARAM lParam);
    LRESULT OnMeasureItem(WPARAM wParam, LPARAM lParam);
    LRESULT OnDrawItem(WPARAM wParam, LPARAM lParam);
    LRESULT OnMenuSelect(WPARAM wParam, LPARAM lParam);
    void FormWndProc(TMessage& message);

    // Menu steps.
    void OwnerDrawMenu(TMenu& menu);
    void InstallItemPainter(TMenuItem& item);
    void SetItemPainter(TMenuItem& item);
    bool InstalledOn(const TMenuItem* item) const;
    void ForgetOwnerDrawn(TComponent* component);
    TMenuItem* MainMenuItem(UINT command) const;

    // The element under a window point: a shown caption button that acts,
    // else a menu-bar item with a caption.
    TNCObject* HitElement(POINT windowPoint) const;
    bool IsMdiChildOutsideNormal() const { return m_formKind == fkMdiChild && m_look.State != fwsNormal; }

    // The window and what skins it.
    HWND m_handle = nullptr;
    TCustomForm* m_form = nullptr;
    TSkinData* m_skinData = nullptr;
    int m_disableTag = 99;

    // What it put in front of the window, the form and the MDI client.
    TWindowSubclass<TWinSkinForm, &TWinSkinForm::WindowProc, TBusyScope> m_subclass {kFormSubclassId};
    struct TFormHook {
        bool Hooked = false;
        TWndMethod Saved; // the form's own handler
    } m_formHook;
    std::unique_ptr<TMdiClientHook> m_mdiClient;

    // The window as it was when skinning started.
    struct TWindowRecord {
        RECT Client {};
        SIZE NcExtent {};
        SIZE WindowSize {};           // when the client record was taken
        LONG_PTR OwnCaptionStyles = 0; // the window's own system-menu and box bits
    } m_record;
    // The window as it is.
    struct TWindowLook {
        LONG_PTR Style = 0;
        unsigned Availability = 0;
        bool RightToLeft = false;
        std::wstring Text;
        bool Active = false;
        TFrameWindowState State = fwsNormal;
        TBorderClass Border = bcEdged;
    } m_look;
    TFormKind m_formKind = fkOrdinary;
    TSkinState m_skinState = ssAttached;

    // The frame and its caption.
    int m_dpi = kDesignDpi;
    TFrameSizes m_sizes;
    // What the caption buffer shows; it is composed again when this changes.
    struct TCaptionKey {
        int Width = -1;
        int Height = -1;
        bool Active = false;
        std::wstring Text;
        TFrameWindowState State = fwsNormal;
        unsigned Availability = 0;
        LONG_PTR Popup = 0;
        int RightButtonLimit = 0;
        bool MdiChildMaximized = false;
        bool operator==(const TCaptionKey&) const = default;
    };
    // What the frame paint keeps from one paint to the next.
    struct TCaptionPaint {
        int WindowWidth = 0; // as of the last frame paint
        TOwnedFont Font;
        TFramePictures Pictures;
        // The caption strip composed in each look, inactive and active: a
        // change of look then copies as a repaint does.
        std::array<TCaptionKey, 2> Keys;
        std::array<TBitmap, 2> Buffers;
        void DropBuffers()
        {
            for (TBitmap& buffer : Buffers)
                buffer.SetSize(0, 0);
        }
        RECT TextRect {};
        int RightButtonLimit = 0;
        TBitmap Icon;
    } m_caption;
    TCaptionButtons m_captionButtons {*this, *this};
    TNCObject* m_hotObject = nullptr;
    TWindowTimer m_leaveTimer;

    // Menus.
    std::unique_ptr<TWinSkinMenu> m_menuBar;
    std::unique_ptr<TPopupMenu> m_systemMenu;
    // Two right clicks on the caption within the double-click time close it.
    struct TRightClick {
        DWORD Last = 0;
        UINT DoubleClickTime = GetDoubleClickTime();
    } m_rightClick;
    bool m_menuTracking = false;
    // What SetPopupOwnerDraw installed: item handlers and menus it switched
    // to owner-drawing (watched, as they may go first).
    std::vector<TMenuItem*> m_ownerDrawnItems;
    std::vector<TMenu*> m_ownerDrawnMenus;
    std::vector<TMenu*> m_watchedMenus; // whose later items get the painter

    struct TRegionRecord {
        bool Set = false;
        int Width = -1; // the size it was built for
        int Height = -1;
        int Builds = 0;
    } m_region;

    TSkinControlList m_skinners;
    TSkinDispatch m_dispatch {*this, *this};
    TColor m_formColour = clBtnFace;

    // Freeing is deferred while a handler runs; what it let go of meanwhile
    // (a menu strip whose popup is open, the MDI client's hook) waits too.
    struct TDeferredFree {
        int Busy = 0;
        bool FreeWhenIdle = false;
        std::unique_ptr<TWinSkinMenu> RetiredMenuBar;
        std::unique_ptr<TMdiClientHook> RetiredMdiClient;
    } m_deferred;
};

} // namespace tandrel
