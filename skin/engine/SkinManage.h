#pragma once
// The skin manager: the one object of the process that decides which
// windows are skinned. A CBT hook on the GUI thread sees windows being
// created, destroyed and activated; qualifying top-level windows get a form
// skinning object, popup-menu windows a popup skinning object, and the
// manager owns both kinds. Start, stop, re-apply and clean-up requests of
// the skin data components run from a 250 ms timer once the application is
// running. While the system's high contrast is on, no window is skinned:
// the system draws.

#include "framework/controls/HelperWindow.h"
#include "framework/graphics/GdiObjects.h"
#include "skin/data/SkinHost.h"
#include "skin/data/WinSkinData.h"

#include <windows.h>

#include <memory>
#include <vector>

namespace tandrel {

class TBitmap;
class TWinSkinForm;
class TWinSkinPopMenu;

// One request waiting for the action timer; a free-closed request may come
// without a component (a window whose component has gone).
struct TSkinRequest {
    TSkinAction Action;
    TSkinData* Data;
    bool operator==(const TSkinRequest&) const = default;
};

class TSkinManage final : public TSkinHost, private TWindowMessageTarget {
public:
    TSkinManage();
    ~TSkinManage();
    TSkinManage(const TSkinManage&) = delete;
    TSkinManage& operator=(const TSkinManage&) = delete;

    // TSkinHost
    void RegisterSkinData(TSkinData& data) override;
    void UnregisterSkinData(TSkinData& data) override;
    const std::vector<TSkinData*>& SkinDataList() const override { return m_skinData; }
    void InstallHook() override;
    void RequestAction(TSkinAction action, TSkinData* data) override;
    void SetSkinning(bool on) override { m_skinning = on; }
    void AddActivation() override { ++m_activationCount; }
    bool SkinWindow(HWND window) override;
    // Skins a hidden window about to be shown: starts its skin at once and
    // composes its active frame, so that its first paint is already in the
    // skin's frame and shape; the start posted for it then does nothing.
    void SkinWindowNow(HWND window);
    void ResetCaptionButtons(TSkinData& data) override;
    bool MdiMax() const override { return m_mdiMax; }
    void SetMdiMax(bool maximized) override;
    int CountMdiChildren() const override;
    void SetMenuActive(bool active) override { m_menuActive = active; }

    bool HookInstalled() const { return static_cast<bool>(m_hook); }
    // The system version word, recorded by InstallHook.
    DWORD Version() const { return m_version; }

    TSkinData* FindSkinData(HWND window) const;
    // The object skinning that window now (not one that let go of it).
    TWinSkinForm* FindSkinnedWindow(HWND window) const;
    const std::vector<std::unique_ptr<TWinSkinForm>>& SkinnedWindows() const { return m_forms; }

    bool SkinPopupWindow(HWND window);
    bool ReleasePopupWindow(HWND window);
    bool IsSkinnedPopup(HWND window) const;
    TBitmap* PopupBitmap(HMENU key) const override;
    const std::vector<std::unique_ptr<TWinSkinPopMenu>>& SkinnedPopups() const { return m_popups; }

    // Requests waiting for the action timer, in the order they run.
    const std::vector<TSkinRequest>& PendingRequests() const { return m_requests; }
    bool ActionTimerRunning() const { return m_timer.Running(); }
    // Runs the waiting requests now, as the timer's tick does.
    void ActionTimer();

    bool Skinning() const override { return m_skinning; }
    // The system's high contrast was on at the last look.
    bool HighContrast() const { return m_highContrast; }
    // Looks at high contrast again (the system said its settings or colours
    // changed): when it has come on, the skin steps aside; when it has gone,
    // the forms are skinned again.
    void SystemSettingsChanged();
    // The hidden window that hears the system's broadcasts.
    HWND Window() const { return m_window.Get(); }
    bool Scanning() const { return m_scanning; }
    int ActivationCount() const { return m_activationCount; }
    bool MenuActive() const { return m_menuActive; }

private:
    static LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam);
    // The hidden window's messages: the action timer and the system's broadcasts.
    bool WindowMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool RefusesSizeGrip(HWND window, const CBT_CREATEWNDW& create) const;
    void OnActivate(HWND window);
    void Run(const TSkinRequest& request);
    void StartSkinning(TSkinData& data);
    void StopSkinning(TSkinData& data);
    // Skins the window of every form, scanning (child windows accepted).
    void SkinForms();
    // Takes the skin off every skinned window, last first, or off the last
    // one whose component is `only`.
    void UnskinForms(const TSkinData* only);
    void Reapply(TSkinData& data);
    void FreeClosedWindows();
    // Takes the skin off a window, repaints it and frees its object.
    void Unskin(TWinSkinForm& form);
    // Frees an object that no longer skins its window, unless one of its
    // handlers is still running further up the stack (a modal loop): that
    // one goes at the next clean-up.
    void Free(TWinSkinForm& form);
    // The objects of the list now, for loops whose steps may change it.
    std::vector<TWinSkinForm*> Snapshot() const;
    bool Holds(const TWinSkinForm* form) const;

    TOwnedWindow m_window; // hidden: carries the action timer, hears broadcasts
    TWindowTimer m_timer;
    THookHandle m_hook;
    DWORD m_version = 0;
    std::vector<std::unique_ptr<TWinSkinForm>> m_forms;
    std::vector<std::unique_ptr<TWinSkinPopMenu>> m_popups;
    std::vector<TSkinData*> m_skinData; // registered, not owned
    std::vector<TSkinRequest> m_requests;
    bool m_skinning = false;
    bool m_scanning = false;
    int m_activationCount = 0;
    bool m_mdiMax = false;
    bool m_menuActive = false;
    bool m_highContrast = false;
};

// The manager of the process while the engine runs, or none.
extern TSkinManage* SkinManager;

// Starts the engine: makes the skin classes known to form definitions and
// creates the manager (and the scratch bitmap). Does nothing when it runs.
void InitializeSkinEngine();
// Shuts the engine down: removes the hook, takes the skin off the windows
// still wearing it, frees the manager and the scratch bitmap. Call it
// outside every skinned window's handlers (after the message loop).
void FinalizeSkinEngine();

} // namespace tandrel
