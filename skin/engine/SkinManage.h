#pragma once
// The skin manager: the one object of the process that decides which
// windows are skinned. A CBT hook on the GUI thread sees windows being
// created, destroyed and activated; qualifying top-level windows get a form
// skinning object, popup-menu windows a popup skinning object. Start, stop,
// re-apply and clean-up requests of the skin data components run from a
// 250 ms timer once the application is running.

#include "framework/graphics/GdiObjects.h"
#include "skin/data/WinSkinData.h"

#include <windows.h>

#include <vector>

namespace tandrel {

class TWinSkinForm;
class TWinSkinPopMenu;

// What a skin data component asks the manager to do.
enum TSkinAction : int {
    saNone = 0,
    saStart = 1,
    saStop = 2,
    saReapply = 3,
    saFreeClosed = 6,
};

// Owner of a hook handle.
class THookHandle {
public:
    THookHandle() = default;
    ~THookHandle() { Reset(); }
    THookHandle(const THookHandle&) = delete;
    THookHandle& operator=(const THookHandle&) = delete;
    void Reset(HHOOK hook = nullptr)
    {
        if (m_hook)
            UnhookWindowsHookEx(m_hook);
        m_hook = hook;
    }
    HHOOK Get() const { return m_hook; }
    explicit operator bool() const { return m_hook != nullptr; }

private:
    HHOOK m_hook = nullptr;
};

class TSkinManage {
public:
    TSkinManage();
    ~TSkinManage();
    TSkinManage(const TSkinManage&) = delete;
    TSkinManage& operator=(const TSkinManage&) = delete;

    // Records the system version and hooks the calling thread (once).
    void InstallHook();
    bool HookInstalled() const { return static_cast<bool>(m_hook); }
    DWORD Version() const { return m_version; }

    void RegisterSkinData(TSkinData* data);
    // Also takes the skin off every window and popup that wears this
    // component's skin: it is going, and its skin set with it.
    void UnregisterSkinData(TSkinData* data);
    const std::vector<TSkinData*>& SkinDataList() const { return m_skinData; }

    bool SkinWindow(HWND window);
    TSkinData* FindSkinData(HWND window) const;
    TWinSkinForm* FindSkinnedWindow(HWND window) const;
    // Called by a form skinning object that is being freed.
    void RemoveSkinnedWindow(TWinSkinForm* form);
    const std::vector<TWinSkinForm*>& SkinnedWindows() const { return m_forms; }

    bool SkinPopupWindow(HWND window);
    bool ReleasePopupWindow(HWND window);
    bool IsSkinnedPopup(HWND window) const;
    TBitmap* PopupBitmap(HMENU key) const;
    const std::vector<TWinSkinPopMenu*>& SkinnedPopups() const { return m_popups; }

    bool MdiMax() const { return m_mdiMax; }
    void SetMdiMax(bool maximized);
    int CountMdiChildren() const;
    void ResetCaptionButtons();

    void RequestAction(TSkinAction action, UINT interval);
    TSkinData* PendingSkinData() const { return m_pending; }
    void SetPendingSkinData(TSkinData* data) { m_pending = data; }
    TSkinAction RequestedAction() const { return m_action; }
    bool ActionTimerRunning() const { return m_timer.Running(); }
    // Runs the requested action now, as the timer's tick does.
    void ActionTimer();

    bool Skinning() const { return m_skinning; }
    void SetSkinning(bool on) { m_skinning = on; }
    bool Scanning() const { return m_scanning; }
    int ActivationCount() const { return m_activationCount; }
    void AddActivation() { ++m_activationCount; }
    // A menu-bar popup of a skinned window is open.
    bool MenuActive = false;

private:
    static LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK TimerWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    bool RefusesSizeGrip(HWND window, const CBT_CREATEWNDW& create) const;
    void OnActivate(HWND window);
    void StartSkinning(TSkinData& data);
    void StopSkinning(TSkinData& data);
    void Reapply(TSkinData& data);
    void FreeClosedWindows();
    // Takes the skin off a window and frees its object.
    void Unskin(TWinSkinForm* form);

    HWND m_window = nullptr; // message-only: carries the action timer
    TWindowTimer m_timer;
    UINT m_interval = 250;
    THookHandle m_hook;
    DWORD m_version = 0;
    std::vector<TWinSkinForm*> m_forms;
    std::vector<TWinSkinPopMenu*> m_popups;
    std::vector<TSkinData*> m_skinData;
    bool m_skinning = false;
    bool m_scanning = false;
    int m_activationCount = 0;
    bool m_mdiMax = false;
    TSkinAction m_action = saNone;
    TSkinData* m_pending = nullptr;
};

// The manager of the process, or none before the first component loads.
extern TSkinManage* SkinManager;

// Makes the skin classes known to form definitions. The engine itself (the
// manager and the scratch bitmap) starts when the first skin data component
// has loaded.
void InitializeSkinEngine();
// Shuts the engine down: removes the hook, takes the skin off the windows
// still wearing it and frees the scratch bitmap. Also runs at process exit.
void FinalizeSkinEngine();

} // namespace tandrel
