#pragma once

// What the skin data components and the skinning objects ask of the skin
// manager, the one object of the process that decides which windows wear
// a skin. The manager (skin/engine) is its only implementation; the layers
// below it reach it only through this, and only while the engine runs.

#include <windows.h>

#include <vector>

namespace tandrel {

class TBitmap;
class TSkinData;

// What a skin data component asks the manager to do for it.
enum TSkinAction : int {
    saStart = 1,      // skin the windows
    saStop = 2,       // take the skin off them
    saReapply = 3,    // the skin changed: fit and paint them again
    saFreeClosed = 6, // free the skinning objects of destroyed windows
};

class TSkinHost {
public:
    // The skin data components, in registration order.
    virtual void RegisterSkinData(TSkinData& data) = 0;
    // Also takes the skin off every window and popup wearing this
    // component's skin, and forgets what it asked for.
    virtual void UnregisterSkinData(TSkinData& data) = 0;
    virtual const std::vector<TSkinData*>& SkinDataList() const = 0;

    // Hooks the calling thread's windows (once).
    virtual void InstallHook() = 0;
    // Before the first activation a start or stop acts at once (the others
    // do nothing); afterwards requests gather and the action timer carries
    // them out in order, then raises the component's OnSkinChanged. Each
    // request is kept until then: a later request replaces only an earlier
    // start or stop of the same component. Only a clean-up may come without
    // a component (a window whose component has gone).
    virtual void RequestAction(TSkinAction action, TSkinData* data) = 0;
    virtual void SetSkinning(bool on) = 0;
    virtual bool Skinning() const = 0;
    virtual void AddActivation() = 0;
    virtual bool SkinWindow(HWND window) = 0;
    // The windows wearing this component's skin drop their caption buttons,
    // which belong to the skin set being replaced.
    virtual void ResetCaptionButtons(TSkinData& data) = 0;

    // MDI children: whether they are maximised, and how many are skinned.
    virtual bool MdiMax() const = 0;
    virtual void SetMdiMax(bool maximized) = 0;
    virtual int CountMdiChildren() const = 0;
    // A menu-bar popup of a skinned window is open.
    virtual void SetMenuActive(bool active) = 0;
    // The composed background of the popup window showing that menu, or none.
    virtual TBitmap* PopupBitmap(HMENU menu) const = 0;

protected:
    ~TSkinHost() = default;
};

// The running manager, or none before InitializeSkinEngine and after
// FinalizeSkinEngine.
TSkinHost* SkinHost();
void SetSkinHost(TSkinHost* host);

} // namespace tandrel
