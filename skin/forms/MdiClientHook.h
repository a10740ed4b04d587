#pragma once
// The MDI client window of a skinned MDI frame: a procedure in front of the
// client's own keeps the frame's menu strip, its MDI buttons and the
// children's skins in step with what the client does.

#include <windows.h>

namespace tandrel {

class TWinSkinForm;

class TMdiClientHook {
public:
    // Puts the procedure in front of the client's; the frame owns the hook.
    TMdiClientHook(TWinSkinForm& frame, HWND client);
    ~TMdiClientHook() { Remove(); }
    TMdiClientHook(const TMdiClientHook&) = delete;
    TMdiClientHook& operator=(const TMdiClientHook&) = delete;

    HWND Client() const { return m_client; }
    // Gives the client its own procedure back (also on WM_NCDESTROY).
    void Remove();

private:
    static LRESULT CALLBACK SubclassProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR data);
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

    TWinSkinForm& m_frame;
    HWND m_client;
    bool m_subclassed = false;
    // The skin data's MenuUpdate when the frame was skinned; children turn
    // it off while they are created.
    bool m_menuUpdateCopy = true;
    HWND m_createdChild = nullptr; // made by the last WM_MDICREATE, not yet skinned
};

} // namespace tandrel
