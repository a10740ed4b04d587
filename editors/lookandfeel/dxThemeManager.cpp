#include "editors/lookandfeel/dxThemeManager.h"

#include "framework/forms/Application.h"
#include "framework/controls/HelperWindow.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

namespace tandrel {

namespace {

const wchar_t* const kDefaultClassNames[kThemedObjectTypeCount] = {
    L"Button", L"Clock", L"ComboBox", L"Edit", L"ExplorerBar", L"Header", L"ListView", L"Menu",
    L"Page", L"Progress", L"Rebar", L"ScrollBar", L"Spin", L"StartPanel", L"Status", L"Tab",
    L"TaskBand", L"TaskBar", L"ToolBar", L"ToolTip", L"TrackBar", L"TrayNotify", L"TreeView", L"Window",
};

struct TThemeState {
    HMODULE Library = nullptr;
    bool Loaded = false;  // the entry points are bound (from the library or an override)
    bool Active = false;
    TdxThemeApi Api;
    TdxThemeData Cache[kThemedObjectTypeCount];
    HWND Receiver = nullptr;
    std::vector<TdxThemeChangedNotificator*> Subscribers;
};

TThemeState g_theme;

std::wstring Upper(std::wstring text)
{
    if (!text.empty())
        CharUpperBuffW(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

bool VisualStylesEra()
{
    OSVERSIONINFOA info {};
    info.dwOSVersionInfoSize = sizeof info;
    if (!GetVersionExA(&info))
        return false;
    return info.dwMajorVersion > 5 || (info.dwMajorVersion == 5 && info.dwMinorVersion > 0);
}

template <class F>
bool Bind(F& entry, const char* name)
{
    entry = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(g_theme.Library, name)));
    return entry != nullptr;
}

bool ReadThemesActive() { return g_theme.Api.IsThemeActive && g_theme.Api.IsThemeActive(); }

void NotifyThemeChanged()
{
    const auto subscribers = g_theme.Subscribers;
    for (TdxThemeChangedNotificator* s : subscribers) {
        // A handler may free a later subscriber.
        if (std::find(g_theme.Subscribers.begin(), g_theme.Subscribers.end(), s) == g_theme.Subscribers.end())
            continue;
        if (s->ThemeChangedHandler)
            s->ThemeChangedHandler();
    }
}

LRESULT CALLBACK ReceiverProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg != WM_THEMECHANGED)
        return DefWindowProcW(window, msg, wParam, lParam);
    try {
        ReleaseAllThemes();
        DefWindowProcW(window, msg, wParam, lParam);
        g_theme.Active = ReadThemesActive();
        NotifyThemeChanged();
    } catch (...) {
        HandleCallbackException(nullptr);
    }
    return 0;
}

} // namespace

const wchar_t* DefaultThemeClassName(TdxThemedObjectType index) { return kDefaultClassNames[index]; }

void InitializeThemeManager()
{
    if (g_theme.Library)
        return;
    const bool era = VisualStylesEra();
    INITCOMMONCONTROLSEX icc {sizeof icc, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    if (!era)
        return;
    g_theme.Library = LoadLibraryW(L"UxTheme.dll");
    if (!g_theme.Library)
        return;
    TdxThemeApi& api = g_theme.Api;
    const bool bound = Bind(api.OpenThemeData, "OpenThemeData") & Bind(api.CloseThemeData, "CloseThemeData") &
                       Bind(api.DrawThemeBackground, "DrawThemeBackground") &
                       Bind(api.GetThemeColor, "GetThemeColor") & Bind(api.IsThemeActive, "IsThemeActive");
    if (!bound) {
        // A library without the entry points we call is no library to us.
        FreeLibrary(g_theme.Library);
        g_theme.Library = nullptr;
        g_theme.Api = {};
        return;
    }
    g_theme.Loaded = true;
    g_theme.Active = ReadThemesActive();
    g_theme.Receiver = CreateHelperWindow(L"TdxThemeChangedEventReceiver", ReceiverProc,
                                          THelperWindowKind::hwHiddenTopLevel, "the visual-style listener");
    g_theme.Subscribers.clear();
}

void FinalizeThemeManager()
{
    if (g_theme.Loaded) {
        if (g_theme.Receiver)
            DestroyWindow(g_theme.Receiver);
        g_theme.Receiver = nullptr;
        g_theme.Active = false;
        ReleaseAllThemes();
        g_theme.Subscribers.clear();
    }
    if (g_theme.Library)
        FreeLibrary(g_theme.Library);
    g_theme.Library = nullptr;
    g_theme.Loaded = false;
    g_theme.Api = {};
}

bool ThemeLibraryLoaded() { return g_theme.Loaded; }
bool ThemesActive() { return g_theme.Active; }
HWND ThemeChangedReceiverWindow() { return g_theme.Receiver; }
const TdxThemeData& CachedTheme(TdxThemedObjectType index) { return g_theme.Cache[index]; }

HTHEME OpenThemeByIndex(TdxThemedObjectType index, const wchar_t* className)
{
    if (!ThemesUsable(0))
        return nullptr;
    TdxThemeData& entry = g_theme.Cache[index];
    if (entry.Theme) {
        if (!className)
            return entry.Theme;
        if (Upper(className) == Upper(entry.ClassName))
            return entry.Theme;
        CloseThemeByIndex(index);
    }
    std::wstring name = className ? std::wstring(className)
                        : !entry.ClassName.empty() ? entry.ClassName
                                                   : std::wstring(kDefaultClassNames[index]);
    HTHEME theme = g_theme.Api.OpenThemeData(nullptr, name.c_str());
    if (!theme) {
        entry.ClassName.clear();
        return nullptr;
    }
    entry.Theme = theme;
    entry.ClassName = name;
    return theme;
}

bool CloseThemeByIndex(TdxThemedObjectType index)
{
    if (!ThemesUsable(0))
        return true;
    TdxThemeData& entry = g_theme.Cache[index];
    if (!entry.Theme)
        return false;
    g_theme.Api.CloseThemeData(entry.Theme);
    entry.Theme = nullptr;
    entry.ClassName.clear();
    return true;
}

void ReleaseAllThemes()
{
    for (TdxThemeData& entry : g_theme.Cache) {
        if (!entry.Theme)
            continue;
        if (g_theme.Api.CloseThemeData)
            g_theme.Api.CloseThemeData(entry.Theme);
        entry.Theme = nullptr;
    }
}

bool ThemesUsable(TdxThemedObjectTypes mask)
{
    if (!g_theme.Active || !g_theme.Loaded)
        return false;
    for (int i = 0; i < kThemedObjectTypeCount; ++i)
        if ((mask & (1u << i)) && !OpenThemeByIndex(static_cast<TdxThemedObjectType>(i)))
            return false;
    return true;
}

bool NativeThemeFor(bool nativeStyle, TdxThemedObjectType index)
{
    return nativeStyle && OpenThemeByIndex(index) != nullptr;
}

bool DrawThemeBackground(HTHEME theme, HDC dc, int part, int state, const RECT& rect)
{
    if (!g_theme.Loaded || !theme)
        return false;
    return SUCCEEDED(g_theme.Api.DrawThemeBackground(theme, dc, part, state, &rect, nullptr));
}

bool GetThemeColor(HTHEME theme, int part, int state, int property, COLORREF& colour)
{
    if (!g_theme.Loaded || !theme)
        return false;
    return SUCCEEDED(g_theme.Api.GetThemeColor(theme, part, state, property, &colour));
}

TdxThemeChangedNotificator::TdxThemeChangedNotificator()
{
    if (g_theme.Loaded)
        g_theme.Subscribers.push_back(this);
}

TdxThemeChangedNotificator::~TdxThemeChangedNotificator()
{
    auto& list = g_theme.Subscribers;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
}

TdxThemeApiOverride::TdxThemeApiOverride(const TdxThemeApi& api)
    : m_savedApi(g_theme.Api), m_savedLoaded(g_theme.Loaded), m_savedActive(g_theme.Active)
{
    for (int i = 0; i < kThemedObjectTypeCount; ++i) {
        m_savedCache[i] = g_theme.Cache[i];
        g_theme.Cache[i] = {};
    }
    g_theme.Api = api;
    g_theme.Loaded = true;
    g_theme.Active = ReadThemesActive();
}

TdxThemeApiOverride::~TdxThemeApiOverride()
{
    ReleaseAllThemes();
    g_theme.Api = m_savedApi;
    g_theme.Loaded = m_savedLoaded;
    g_theme.Active = m_savedActive;
    for (int i = 0; i < kThemedObjectTypeCount; ++i)
        g_theme.Cache[i] = m_savedCache[i];
}

} // namespace tandrel
