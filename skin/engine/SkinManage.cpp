#include "skin/engine/SkinManage.h"

#include "framework/forms/Application.h"
#include "framework/core/FormReader.h"
#include "framework/forms/Forms.h"
#include "framework/forms/Screen.h"
#include "skin/draw/SkinDraw.h"
#include "skin/forms/WinSkinForm.h"
#include "skin/menus/WinSkinPopMenu.h"

#include <algorithm>

namespace tandrel {

TSkinManage* SkinManager = nullptr;

namespace {

constexpr UINT_PTR kActionTimerId = 1;

std::string ClassNameOf(HWND window)
{
    wchar_t name[101] {};
    GetClassNameW(window, name, 101);
    return WideToUtf8(name);
}

bool HasArea(HWND window)
{
    RECT r {};
    return GetWindowRect(window, &r) && r.right > r.left && r.bottom > r.top;
}

HWND TimerWindow(WNDPROC procedure)
{
    static bool registered = [procedure] {
        WNDCLASSEXW wc {};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = procedure;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"TSkinManageTimer";
        return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    }();
    if (!registered)
        RaiseLastOSError("RegisterClassEx");
    // Message-only: never shown, never activated, never enumerated.
    HWND window = CreateWindowExW(0, L"TSkinManageTimer", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    if (!window)
        RaiseLastOSError("Creating the skin manager's window");
    return window;
}

// Shuts the engine down at process exit if nobody did before.
struct TEngineExitGuard {
    ~TEngineExitGuard() { FinalizeSkinEngine(); }
} g_exitGuard;

} // namespace

void InitializeSkinEngine()
{
    if (!IsComponentClassRegistered("TSkinData"))
        RegisterComponentClass<TSkinData>("TSkinData");
}

void FinalizeSkinEngine()
{
    delete SkinManager;
    SkinManager = nullptr;
}

TSkinManage::TSkinManage()
{
    m_window = TimerWindow(TimerWindowProc);
    CreateSkinScratchBitmap();
}

TSkinManage::~TSkinManage()
{
    m_timer.Stop();
    m_hook.Reset();
    while (!m_forms.empty()) {
        TWinSkinForm* form = m_forms.back();
        form->SetSkinState(ssDetaching);
        try {
            form->Unskin();
        } catch (...) {
            HandleCallbackException(nullptr);
        }
        m_forms.pop_back();
        delete form;
    }
    while (!m_popups.empty()) {
        TWinSkinPopMenu* popup = m_popups.back();
        m_popups.pop_back();
        popup->Detach();
        delete popup;
    }
    m_skinData.clear();
    if (m_window)
        DestroyWindow(m_window);
    ReleaseSkinScratchBitmap();
    if (SkinManager == this)
        SkinManager = nullptr;
}

void TSkinManage::InstallHook()
{
    m_version = GetVersion();
    if (m_hook)
        return;
    HHOOK hook = SetWindowsHookExW(WH_CBT, CbtProc, nullptr, GetCurrentThreadId());
    if (!hook)
        RaiseLastOSError("SetWindowsHookEx");
    m_hook.Reset(hook);
}

void TSkinManage::RegisterSkinData(TSkinData* data)
{
    if (std::find(m_skinData.begin(), m_skinData.end(), data) == m_skinData.end())
        m_skinData.push_back(data);
}

void TSkinManage::UnregisterSkinData(TSkinData* data)
{
    m_skinData.erase(std::remove(m_skinData.begin(), m_skinData.end(), data), m_skinData.end());
    // Nobody else can take up what was asked for this component.
    if (m_pending == data) {
        m_pending = nullptr;
        m_timer.Stop();
    }
    for (auto i = m_forms.size(); i-- > 0;)
        if (i < m_forms.size() && m_forms[i]->SkinData() == data)
            Unskin(m_forms[i]);
    for (auto i = m_popups.size(); i-- > 0;)
        if (i < m_popups.size() && m_popups[i]->SkinData() == data) {
            TWinSkinPopMenu* popup = m_popups[i];
            m_popups.erase(m_popups.begin() + static_cast<std::ptrdiff_t>(i));
            popup->Detach();
            delete popup;
        }
}

LRESULT CALLBACK TSkinManage::CbtProc(int code, WPARAM wParam, LPARAM lParam)
{
    TSkinManage* self = SkinManager;
    if (code < 0 || !self)
        return CallNextHookEx(nullptr, code, wParam, lParam);
    try {
        auto* window = reinterpret_cast<HWND>(wParam);
        switch (code) {
        case HCBT_CREATEWND: {
            const auto* create = reinterpret_cast<const CBT_CREATEWNDW*>(lParam);
            if (create && create->lpcs && self->RefusesSizeGrip(window, *create))
                return 10;
            if (ClassNameOf(window) == "#32768")
                self->SkinPopupWindow(window);
            break;
        }
        case HCBT_DESTROYWND:
            self->ReleasePopupWindow(window);
            break;
        case HCBT_ACTIVATE:
            self->OnActivate(window);
            break;
        default:
            break;
        }
    } catch (...) {
        HandleCallbackException(nullptr);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// A size grip inside a skinned window would sit on the skinned frame.
bool TSkinManage::RefusesSizeGrip(HWND window, const CBT_CREATEWNDW& create) const
{
    return LowerCase(ClassNameOf(window)) == "scrollbar" && (create.lpcs->style & SBS_SIZEGRIP) &&
           create.lpcs->hwndParent && FindSkinnedWindow(create.lpcs->hwndParent);
}

void TSkinManage::OnActivate(HWND window)
{
    if (m_activationCount == 0)
        m_activationCount = 1;
    SkinWindow(window);
}

bool TSkinManage::SkinWindow(HWND window)
{
    if (!m_skinning || !window || !IsWindow(window))
        return false;
    if (SendMessageW(window, WM_SKINQUERY, 0, 0) == 1)
        return false;
    if (FindSkinnedWindow(window))
        return false;
    TCustomForm* form = nullptr;
    for (int i = 0; Screen && i < Screen->FormCount() && !form; ++i) {
        TCustomForm* candidate = Screen->Forms(i);
        // A form still reading its definition is not asked to make its window.
        if (!candidate->HandleAllocated() && (candidate->IsLoading() || candidate->IsDestroying()))
            continue;
        if (candidate->Handle() == window)
            form = candidate;
    }
    if (!m_scanning && (GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD)) {
        HWND parent = GetParent(window);
        if (!parent || LowerCase(ClassNameOf(parent)) != "mdiclient")
            return false;
    }
    if (!HasArea(window))
        return false;
    if (form && form->Tag() == 99)
        return false;
    std::string const className = ClassNameOf(window);
    if (className == "TApplication")
        return false;
    auto mainform = std::find_if(m_skinData.begin(), m_skinData.end(),
                                 [](TSkinData* d) { return d->SkinFormtype() == sfMainform; });
    if (mainform != m_skinData.end()) {
        bool doSkin = true;
        (*mainform)->AllowFormSkin(className, doSkin);
        if (!doSkin)
            return false;
    }
    TSkinData* data = FindSkinData(window);
    if (!data || data->SkinNotLoaded)
        return false;

    auto* skinForm = new TWinSkinForm(form);
    skinForm->SetHandle(window);
    try {
        if (form)
            skinForm->AttachToForm(data, form);
        else
            skinForm->Initialize(data);
    } catch (...) {
        delete skinForm;
        throw;
    }
    m_forms.push_back(skinForm);
    PostMessageW(window, WM_SKINSTART, 0, 1000);
    return true;
}

TSkinData* TSkinManage::FindSkinData(HWND window) const
{
    TSkinData* found = nullptr;
    for (TSkinData* data : m_skinData) {
        if (data->SkinFormtype() != sfOnlyThisForm)
            continue;
        auto* owner = dynamic_cast<TCustomForm*>(data->Owner());
        if (owner && owner->HandleAllocated() && static_cast<const TCustomForm*>(owner)->Handle() == window)
            found = data;
    }
    if (found)
        return found;
    auto lastOf = [&](TSkinFormType type) -> TSkinData* {
        for (auto it = m_skinData.rbegin(); it != m_skinData.rend(); ++it)
            if ((*it)->SkinFormtype() == type)
                return *it;
        return nullptr;
    };
    std::string const className = LowerCase(ClassNameOf(window));
    if (className == "tmessageform" || className == "#32770")
        if (TSkinData* dialog = lastOf(sfDialog))
            return dialog;
    if (TSkinData* mainform = lastOf(sfMainform))
        return mainform;
    return m_skinData.empty() ? nullptr : m_skinData.front();
}

TWinSkinForm* TSkinManage::FindSkinnedWindow(HWND window) const
{
    auto it = std::find_if(m_forms.begin(), m_forms.end(), [&](TWinSkinForm* f) { return f->Handle() == window; });
    return it == m_forms.end() ? nullptr : *it;
}

void TSkinManage::RemoveSkinnedWindow(TWinSkinForm* form)
{
    m_forms.erase(std::remove(m_forms.begin(), m_forms.end(), form), m_forms.end());
}

bool TSkinManage::SkinPopupWindow(HWND window)
{
    if (!m_skinning || SendMessageW(window, WM_SKINQUERY, 0, 0) == 1 || IsSkinnedPopup(window))
        return false;
    TSkinData* data = FindSkinData(window);
    if (!data || data->SkinNotLoaded || !data->Skins(xcMainMenu))
        return false;
    auto popup = std::make_unique<TWinSkinPopMenu>();
    popup->Attach(window, data);
    m_popups.push_back(popup.release());
    return true;
}

bool TSkinManage::ReleasePopupWindow(HWND window)
{
    auto it = std::find_if(m_popups.begin(), m_popups.end(), [&](TWinSkinPopMenu* p) { return p->Handle() == window; });
    if (it == m_popups.end())
        return false;
    TWinSkinPopMenu* popup = *it;
    m_popups.erase(it);
    popup->Detach();
    delete popup;
    return true;
}

bool TSkinManage::IsSkinnedPopup(HWND window) const
{
    return std::any_of(m_popups.begin(), m_popups.end(), [&](TWinSkinPopMenu* p) { return p->Handle() == window; });
}

TBitmap* TSkinManage::PopupBitmap(HMENU key) const
{
    for (TWinSkinPopMenu* popup : m_popups)
        if (popup->Menu() == key)
            return &popup->Background();
    return nullptr;
}

void TSkinManage::SetMdiMax(bool maximized)
{
    if (maximized == m_mdiMax)
        return;
    m_mdiMax = maximized;
    for (TWinSkinForm* form : std::vector<TWinSkinForm*>(m_forms))
        if (form->FormKind() == fkMdiChild && form->SkinState() != ssDetached)
            form->MdiMaximizedChanged(maximized);
}

int TSkinManage::CountMdiChildren() const
{
    // Children whose window has already gone do not count.
    return static_cast<int>(std::count_if(m_forms.begin(), m_forms.end(), [](TWinSkinForm* f) {
        return f->FormKind() == fkMdiChild && f->SkinState() != ssDetached && f->SkinState() != ssDetaching;
    }));
}

void TSkinManage::ResetCaptionButtons()
{
    for (TWinSkinForm* form : m_forms)
        form->ResetCaptionButtons();
}

void TSkinManage::RequestAction(TSkinAction action, UINT interval)
{
    m_action = action;
    m_interval = interval;
    if (m_activationCount != 0) {
        m_timer.Start(m_window, kActionTimerId, interval);
        return;
    }
    if (action == saStart)
        m_skinning = true;
    else if (action == saStop)
        m_skinning = false;
}

LRESULT CALLBACK TSkinManage::TimerWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_TIMER && wParam == kActionTimerId) {
        try {
            if (SkinManager)
                SkinManager->ActionTimer();
        } catch (...) {
            HandleCallbackException(nullptr);
        }
        return 0;
    }
    return DefWindowProcW(window, msg, wParam, lParam);
}

void TSkinManage::ActionTimer()
{
    TSkinData* data = m_pending;
    if (!data)
        return;
    m_timer.Stop();
    switch (m_action) {
    case saStart: StartSkinning(*data); break;
    case saStop: StopSkinning(*data); break;
    case saReapply: Reapply(*data); break;
    case saFreeClosed: FreeClosedWindows(); break;
    default: break;
    }
    // The handler may free the component; it is the pending one no longer.
    m_pending = nullptr;
    data->DoSkinChanged();
}

void TSkinManage::StartSkinning(TSkinData& data)
{
    m_skinning = true;
    m_scanning = true;
    try {
        if (data.SkinFormtype() == sfOnlyThisForm) {
            for (int i = Screen ? Screen->FormCount() : 0; i-- > 0;)
                if (Screen->Forms(i) == data.Owner()) {
                    SkinWindow(Screen->Forms(i)->Handle());
                    break;
                }
        } else {
            for (int i = Screen ? Screen->FormCount() : 0; i-- > 0;)
                if (i < Screen->FormCount())
                    SkinWindow(Screen->Forms(i)->Handle());
        }
    } catch (...) {
        m_scanning = false;
        throw;
    }
    m_scanning = false;
}

void TSkinManage::Unskin(TWinSkinForm* form)
{
    form->Unskin();
    HWND window = form->Handle();
    if (window && IsWindow(window)) {
        InvalidateRect(window, nullptr, TRUE);
        UpdateWindow(window);
    }
    RemoveSkinnedWindow(form);
    delete form;
}

void TSkinManage::StopSkinning(TSkinData& data)
{
    m_skinning = false;
    if (data.SkinFormtype() == sfOnlyThisForm) {
        for (auto it = m_forms.rbegin(); it != m_forms.rend(); ++it)
            if ((*it)->SkinData() == &data) {
                Unskin(*it);
                return;
            }
        return;
    }
    while (!m_forms.empty())
        Unskin(m_forms.back());
}

void TSkinManage::Reapply(TSkinData& data)
{
    std::vector<TWinSkinForm*> forms;
    for (TWinSkinForm* form : m_forms)
        if (form->SkinData() == &data) {
            forms.push_back(form);
            if (data.SkinFormtype() == sfOnlyThisForm)
                break;
        }
    for (TWinSkinForm* form : forms) {
        form->ResetCaptionButtons();
        form->ComputeFrameGeometry();
    }
    for (TWinSkinForm* form : forms)
        form->ApplyChangedSkin();
}

void TSkinManage::FreeClosedWindows()
{
    for (auto i = m_forms.size(); i-- > 0;)
        if (i < m_forms.size() && m_forms[i]->SkinState() == ssDetached) {
            TWinSkinForm* form = m_forms[i];
            m_forms.erase(m_forms.begin() + static_cast<std::ptrdiff_t>(i));
            delete form;
        }
}

} // namespace tandrel
