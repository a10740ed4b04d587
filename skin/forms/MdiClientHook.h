#pragma once
// The MDI client window of a skinned MDI frame: a procedure in front of the
// client's own keeps the frame's menu strip, its MDI buttons and the
// children's skins in step with what the client does.

#include "framework/controls/WindowSubclass.h"
#include "skin/data/SkinMessages.h"

#include <windows.h>

namespace tandrel {

class TSkinData;
class TWinSkinMenu;

// What the hook needs of the frame's skinning object.
class TMdiFrameHost {
public:
    virtual HWND Handle() const = 0;
    virtual TSkinData* SkinData() const = 0;
    virtual TWinSkinMenu* MenuBar() const = 0;
    virtual bool ActiveMdiChildMaximized() const = 0;
    // The hook's handler runs: the object must not be freed meanwhile.
    virtual void EnterHandler() = 0;
    virtual void LeaveHandler() = 0;

protected:
    ~TMdiFrameHost() = default;
};

// Keeps the client's own procedure and calls it for what it leaves alone.
class TMdiClientHook {
public:
    // Puts the procedure in front of the client's; the frame owns the hook.
    TMdiClientHook(TMdiFrameHost& frame, HWND client);
    ~TMdiClientHook() { Remove(); }
    TMdiClientHook(const TMdiClientHook&) = delete;
    TMdiClientHook& operator=(const TMdiClientHook&) = delete;

    HWND Client() const { return m_client; }
    // Gives the client its own procedure back (also on WM_NCDESTROY).
    void Remove() { m_subclass.Remove(); }

    // The frame's object is not freed while the hook's handler runs, and it
    // is the sender of what the handler throws.
    class TFrameBusy {
    public:
        explicit TFrameBusy(TMdiClientHook& hook);
        ~TFrameBusy();
        TFrameBusy(const TFrameBusy&) = delete;
        TFrameBusy& operator=(const TFrameBusy&) = delete;

    private:
        TMdiFrameHost& m_frame;
    };
    TObject* ExceptionSender() const;

private:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT Saved(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT OnNcCalcSize(WPARAM wParam, LPARAM lParam);
    LRESULT OnMdiCreate(WPARAM wParam, LPARAM lParam);
    LRESULT OnMdiDestroy(WPARAM wParam, LPARAM lParam);
    LRESULT OnMdiTileOrCascade(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT OnMdiSetMenu(WPARAM wParam, LPARAM lParam);
    LRESULT OnMdiRefreshMenu(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcDestroy(WPARAM wParam, LPARAM lParam);
    bool SkinsMenus() const;

    TMdiFrameHost& m_frame;
    HWND m_client;
    TWindowSubclass<TMdiClientHook, &TMdiClientHook::WindowProc, TFrameBusy> m_subclass {kMdiClientSubclassId};
    // The skin data's MenuUpdate when the frame was skinned; children turn
    // it off while they are created.
    bool m_menuUpdateCopy = true;
    HWND m_createdChild = nullptr; // made by the last WM_MDICREATE, not yet skinned
};

} // namespace tandrel
