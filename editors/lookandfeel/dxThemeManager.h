#pragma once
// The visual-styles library, loaded at run time: its entry points, a cache
// of one theme handle per control class, and the process-wide notification
// of visual-style changes. Without the library, or with themes switched
// off, every question here answers "not usable" and drawing stays classic.

#include <windows.h>

#include <uxtheme.h>

#include <functional>
#include <string>

namespace tandrel {

// The control classes the cache keeps a theme for, by index.
enum TdxThemedObjectType {
    totButton, totClock, totComboBox, totEdit, totExplorerBar, totHeader, totListView, totMenu,
    totPage, totProgress, totRebar, totScrollBar, totSpin, totStartPanel, totStatus, totTab,
    totTaskBand, totTaskBar, totToolBar, totToolTip, totTrackBar, totTrayNotify, totTreeView, totWindow,
};
constexpr int kThemedObjectTypeCount = 24;
// Bit i stands for the class of index i.
using TdxThemedObjectTypes = unsigned;
constexpr TdxThemedObjectTypes ThemedTypeBit(TdxThemedObjectType t) { return 1u << t; }

const wchar_t* DefaultThemeClassName(TdxThemedObjectType index);

// The library's entry points this framework calls.
struct TdxThemeApi {
    HTHEME(WINAPI* OpenThemeData)(HWND, LPCWSTR) = nullptr;
    HRESULT(WINAPI* CloseThemeData)(HTHEME) = nullptr;
    HRESULT(WINAPI* DrawThemeBackground)(HTHEME, HDC, int, int, const RECT*, const RECT*) = nullptr;
    HRESULT(WINAPI* GetThemeColor)(HTHEME, int, int, int, COLORREF*) = nullptr;
    BOOL(WINAPI* IsThemeActive)() = nullptr;
};

// One cached theme: its handle (none when closed) and the name it was opened with.
struct TdxThemeData {
    HTHEME Theme = nullptr;
    std::wstring ClassName;
};

void InitializeThemeManager();
void FinalizeThemeManager();
bool ThemeLibraryLoaded();
bool ThemesActive();

HTHEME OpenThemeByIndex(TdxThemedObjectType index, const wchar_t* className = nullptr);
bool CloseThemeByIndex(TdxThemedObjectType index);
void ReleaseAllThemes();
const TdxThemeData& CachedTheme(TdxThemedObjectType index);
// The library is loaded, themes are on, and every class in mask opens.
bool ThemesUsable(TdxThemedObjectTypes mask);
// nativeStyle is set and the class opens.
bool NativeThemeFor(bool nativeStyle, TdxThemedObjectType index);

// Drawing through the library; false when it is not there or refuses.
bool DrawThemeBackground(HTHEME theme, HDC dc, int part, int state, const RECT& rect);
bool GetThemeColor(HTHEME theme, int part, int state, int property, COLORREF& colour);

// A subscriber to visual-style changes.
class TdxThemeChangedNotificator {
public:
    TdxThemeChangedNotificator();
    ~TdxThemeChangedNotificator();
    TdxThemeChangedNotificator(const TdxThemeChangedNotificator&) = delete;
    TdxThemeChangedNotificator& operator=(const TdxThemeChangedNotificator&) = delete;

    std::function<void()> ThemeChangedHandler;
};

// The hidden window that hears WM_THEMECHANGED, or none without the library.
HWND ThemeChangedReceiverWindow();

// Puts another set of entry points in the library's place for its lifetime
// (a library that is "loaded" and answers as api does), then restores the
// real state. Lets the themed paths run where no theme is active.
class TdxThemeApiOverride {
public:
    explicit TdxThemeApiOverride(const TdxThemeApi& api);
    ~TdxThemeApiOverride();
    TdxThemeApiOverride(const TdxThemeApiOverride&) = delete;
    TdxThemeApiOverride& operator=(const TdxThemeApiOverride&) = delete;

private:
    TdxThemeApi m_savedApi;
    bool m_savedLoaded;
    bool m_savedActive;
    TdxThemeData m_savedCache[kThemedObjectTypeCount];
};

} // namespace tandrel
