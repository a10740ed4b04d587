#include "skin/engine/SkinManage.h"

#include "framework/controls/HelperWindow.h"
#include "framework/controls/WindowText.h"
#include "framework/core/FormReader.h"
#include "framework/core/ScopeGuard.h"
#include "framework/forms/Application.h"
#include "framework/forms/Forms.h"
#include "framework/forms/Screen.h"
#include "skin/data/SkinMessages.h"
#include "skin/draw/SkinDraw.h"
#include "skin/engine/HighContrast.h"
#include "skin/forms/WinSkinForm.h"
#include "skin/menus/WinSkinPopMenu.h"

#include <algorithm>

namespace tandrel {

TSkinManage* SkinManager = nullptr;

namespace {

// Any non-zero answer to HCBT_CREATEWND keeps the window from being made.
constexpr LRESULT kRefuseCreation = 10;

bool HasArea(HWND window)
{
    RECT r {};
    return GetWindowRect(window, &r) && r.right > r.left && r.bottom > r.top;
}

HWND ManagerWindow()
{
    // Top-level, so that the system's setting and colour broadcasts reach
    // it (message-only windows hear none); never shown, never activated.
    return CreateHelperWindow(L"TSkinManageTimer", TargetWindowProc, THelperWindowKind::hwHiddenTopLevel,
                              "the skin manager's window");
}

} // namespace

void InitializeSkinEngine()
{
    if (!IsComponentClassRegistered("TSkinData"))
        RegisterComponentClass<TSkinData>("TSkinData");
    if (!SkinManager) {
        SkinManager = new TSkinManage();
        SetSkinHost(SkinManager);
    }
}

void FinalizeSkinEngine()
{
    SetSkinHost(nullptr);
    delete std::exchange(SkinManager, nullptr);
}

TSkinManage::TSkinManage() : m_window(ManagerWindow()), m_highContrast(HighContrastOn())
{
    BindWindowTarget(m_window.Get(), this);
    CreateSkinScratchBitmap();
}

TSkinManage::~TSkinManage()
{
    BindWindowTarget(m_window.Get(), nullptr);
    m_timer.Stop();
    m_hook.Reset();
    while (!m_forms.empty()) {
        TWinSkinForm& form = *m_forms.back();
        if (form.SkinState() != ssDetached) {
            form.SetSkinState(ssDetaching);
            try {
                form.Unskin();
            } catch (...) {
                HandleCallbackException(nullptr);
            }
        }
        m_forms.pop_back();
    }
    while (!m_popups.empty()) {
        m_popups.back()->Detach();
        m_popups.pop_back();
    }
    m_skinData.clear();
    ReleaseSkinScratchBitmap();
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

void TSkinManage::RegisterSkinData(TSkinData& data)
{
    if (std::find(m_skinData.begin(), m_skinData.end(), &data) == m_skinData.end())
        m_skinData.push_back(&data);
}

void TSkinManage::UnregisterSkinData(TSkinData& data)
{
    m_skinData.erase(std::remove(m_skinData.begin(), m_skinData.end(), &data), m_skinData.end());
    // Nobody else can take up what was asked for this component.
    std::erase_if(m_requests, [&](const TSkinRequest& r) { return r.Data == &data; });
    if (m_requests.empty())
        m_timer.Stop();
    for (TWinSkinForm* form : Snapshot())
        if (Holds(form) && form->SkinData() == &data) {
            if (form->SkinState() == ssDetached)
                Free(*form);
            else
                Unskin(*form);
        }
    std::erase_if(m_popups, [&](const std::unique_ptr<TWinSkinPopMenu>& popup) {
        if (popup->SkinData() != &data)
            return false;
        popup->Detach();
        return true;
    });
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
                return kRefuseCreation;
            if (WindowClassName(window) == "#32768")
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
    return LowerCase(WindowClassName(window)) == "scrollbar" && (create.lpcs->style & SBS_SIZEGRIP) &&
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
    if (!m_skinning || m_highContrast || !window || !IsWindow(window))
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
        if (!parent || LowerCase(WindowClassName(parent)) != "mdiclient")
            return false;
    }
    if (!HasArea(window))
        return false;
    if (form && form->Tag() == 99)
        return false;
    std::string const className = WindowClassName(window);
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

    auto skinForm = std::make_unique<TWinSkinForm>(window);
    if (form)
        skinForm->AttachToForm(data, form);
    else
        skinForm->Initialize(data);
    m_forms.push_back(std::move(skinForm));
    PostMessageW(window, WM_SKINSTART, 0, kSkinStartMark);
    return true;
}

void TSkinManage::SkinWindowNow(HWND window)
{
    SkinWindow(window);
    TWinSkinForm* const form = FindSkinnedWindow(window);
    // Also one attached by a scan, whose start is still on its way.
    if (form && form->SkinState() == ssAttached)
        SendMessageW(window, WM_SKINSTART, 0, kSkinStartMark);
    if (form && form->SkinState() == ssSkinned && !IsWindowVisible(window))
        form->ComposeActiveFrame();
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
    std::string const className = LowerCase(WindowClassName(window));
    if (className == "tmessageform" || className == "#32770")
        if (TSkinData* dialog = lastOf(sfDialog))
            return dialog;
    if (TSkinData* mainform = lastOf(sfMainform))
        return mainform;
    return m_skinData.empty() ? nullptr : m_skinData.front();
}

TWinSkinForm* TSkinManage::FindSkinnedWindow(HWND window) const
{
    for (const auto& form : m_forms)
        if (form->Handle() == window && form->SkinState() != ssDetached)
            return form.get();
    return nullptr;
}

std::vector<TWinSkinForm*> TSkinManage::Snapshot() const
{
    std::vector<TWinSkinForm*> forms;
    forms.reserve(m_forms.size());
    for (const auto& form : m_forms)
        forms.push_back(form.get());
    return forms;
}

bool TSkinManage::Holds(const TWinSkinForm* form) const
{
    return std::any_of(m_forms.begin(), m_forms.end(), [&](const auto& f) { return f.get() == form; });
}

void TSkinManage::Free(TWinSkinForm& form)
{
    form.SetSkinState(ssDetached);
    if (form.Busy()) {
        form.FreeWhenIdle(); // its handler asks for the clean-up when it returns
        return;
    }
    std::erase_if(m_forms, [&](const std::unique_ptr<TWinSkinForm>& f) { return f.get() == &form; });
}

bool TSkinManage::SkinPopupWindow(HWND window)
{
    if (!m_skinning || m_highContrast || SendMessageW(window, WM_SKINQUERY, 0, 0) == 1 || IsSkinnedPopup(window))
        return false;
    TSkinData* data = FindSkinData(window);
    if (!data || data->SkinNotLoaded || !data->Skins(xcMainMenu))
        return false;
    auto popup = std::make_unique<TWinSkinPopMenu>();
    popup->Attach(window, data);
    m_popups.push_back(std::move(popup));
    return true;
}

bool TSkinManage::ReleasePopupWindow(HWND window)
{
    auto it = std::find_if(m_popups.begin(), m_popups.end(), [&](const auto& p) { return p->Handle() == window; });
    if (it == m_popups.end())
        return false;
    std::unique_ptr<TWinSkinPopMenu> popup = std::move(*it);
    m_popups.erase(it);
    popup->Detach();
    return true;
}

bool TSkinManage::IsSkinnedPopup(HWND window) const
{
    return std::any_of(m_popups.begin(), m_popups.end(), [&](const auto& p) { return p->Handle() == window; });
}

TBitmap* TSkinManage::PopupBitmap(HMENU key) const
{
    for (const auto& popup : m_popups)
        if (popup->Menu() == key)
            return popup->Background();
    return nullptr;
}

void TSkinManage::SetMdiMax(bool maximized)
{
    if (maximized == m_mdiMax)
        return;
    m_mdiMax = maximized;
    for (TWinSkinForm* form : Snapshot())
        if (Holds(form) && form->FormKind() == fkMdiChild && form->SkinState() != ssDetached)
            form->MdiMaximizedChanged(maximized);
}

int TSkinManage::CountMdiChildren() const
{
    // Children whose window has already gone do not count.
    return static_cast<int>(std::count_if(m_forms.begin(), m_forms.end(), [](const auto& f) {
        return f->FormKind() == fkMdiChild && f->SkinState() != ssDetached && f->SkinState() != ssDetaching;
    }));
}

void TSkinManage::ResetCaptionButtons(TSkinData& data)
{
    for (const auto& form : m_forms)
        if (form->SkinData() == &data && form->SkinState() != ssDetached)
            form->ResetCaptionButtons();
}

void TSkinManage::RequestAction(TSkinAction action, TSkinData* data)
{
    if (!data && action != saFreeClosed)
        return;
    if (m_activationCount == 0) {
        if (action == saStart)
            m_skinning = true;
        else if (action == saStop)
            m_skinning = false;
        return;
    }
    TSkinRequest const request {action, data};
    // A start or stop replaces the one asked before for the same component;
    // other requests of the same kind are already there once.
    if (action == saStart || action == saStop)
        std::erase_if(m_requests, [&](const TSkinRequest& r) {
            return r.Data == data && (r.Action == saStart || r.Action == saStop);
        });
    else if (std::find(m_requests.begin(), m_requests.end(), request) != m_requests.end())
        return;
    m_requests.push_back(request);
    if (!m_timer.Running())
        m_timer.Start(m_window.Get(), kActionTimerId, kActionInterval);
}

bool TSkinManage::WindowMessage(UINT msg, WPARAM wParam, LPARAM, LRESULT& result)
{
    if (msg == WM_TIMER && wParam == kActionTimerId) {
        ActionTimer();
        result = 0;
        return true;
    }
    // Broadcasts go on to the default handling as well. The menu font and
    // the pictures with text drawn in it follow the system's settings.
    if (msg == WM_SETTINGCHANGE || msg == WM_SYSCOLORCHANGE) {
        for (TSkinData* data : m_skinData) {
            data->MenuFonts.Clear();
            data->KeptPictures.Clear();
        }
        SystemSettingsChanged();
    }
    return false;
}

void TSkinManage::SystemSettingsChanged()
{
    bool const on = HighContrastOn();
    if (on == m_highContrast)
        return;
    m_highContrast = on;
    if (on)
        UnskinForms(nullptr);
    else if (m_skinning)
        SkinForms();
}

void TSkinManage::ActionTimer()
{
    m_timer.Stop();
    // Each request runs once, in the order asked. A handler may ask again
    // (or free a component); what it asks waits for the next tick.
    std::vector<TSkinRequest> requests;
    requests.swap(m_requests);
    auto const registered = [this](TSkinData* data) {
        return std::find(m_skinData.begin(), m_skinData.end(), data) != m_skinData.end();
    };
    for (const TSkinRequest& request : requests) {
        // A component may go while its request waits, or in a handler.
        if (request.Data && !registered(request.Data))
            continue;
        Run(request);
        if (request.Data && registered(request.Data))
            request.Data->DoSkinChanged();
    }
}

void TSkinManage::Run(const TSkinRequest& request)
{
    switch (request.Action) {
    case saStart: StartSkinning(*request.Data); break;
    case saStop: StopSkinning(*request.Data); break;
    case saReapply: Reapply(*request.Data); break;
    case saFreeClosed: FreeClosedWindows(); break;
    }
}

void TSkinManage::StartSkinning(TSkinData& data)
{
    m_skinning = true;
    if (data.SkinFormtype() != sfOnlyThisForm) {
        SkinForms();
        return;
    }
    m_scanning = true;
    auto const scanned = OnScopeExit([this] { m_scanning = false; });
    for (int i = Screen ? Screen->FormCount() : 0; i-- > 0;)
        if (Screen->Forms(i) == data.Owner()) {
            SkinWindow(Screen->Forms(i)->Handle());
            break;
        }
}

void TSkinManage::SkinForms()
{
    m_scanning = true;
    auto const scanned = OnScopeExit([this] { m_scanning = false; });
    for (int i = Screen ? Screen->FormCount() : 0; i-- > 0;)
        if (i < Screen->FormCount())
            SkinWindow(Screen->Forms(i)->Handle());
}

void TSkinManage::Unskin(TWinSkinForm& form)
{
    form.Unskin();
    HWND window = form.Handle();
    if (window && IsWindow(window)) {
        InvalidateRect(window, nullptr, TRUE);
        UpdateWindow(window);
    }
    if (Holds(&form))
        Free(form);
}

void TSkinManage::StopSkinning(TSkinData& data)
{
    m_skinning = false;
    UnskinForms(data.SkinFormtype() == sfOnlyThisForm ? &data : nullptr);
}

void TSkinManage::UnskinForms(const TSkinData* only)
{
    std::vector<TWinSkinForm*> const forms = Snapshot();
    for (auto it = forms.rbegin(); it != forms.rend(); ++it) {
        TWinSkinForm* form = *it;
        if (!Holds(form))
            continue;
        if (only && form->SkinData() != only)
            continue;
        // A window that has gone needs no unskinning, only freeing.
        if (form->SkinState() == ssDetached)
            Free(*form);
        else
            Unskin(*form);
        if (only)
            return;
    }
}

void TSkinManage::Reapply(TSkinData& data)
{
    std::vector<TWinSkinForm*> forms;
    for (const auto& form : m_forms)
        if (form->SkinData() == &data && form->SkinState() != ssDetached) {
            forms.push_back(form.get());
            if (data.SkinFormtype() == sfOnlyThisForm)
                break;
        }
    for (TWinSkinForm* form : forms)
        if (Holds(form) && form->SkinState() != ssDetached) {
            form->ResetCaptionButtons();
            form->ComputeFrameGeometry();
        }
    for (TWinSkinForm* form : forms)
        if (Holds(form) && form->SkinState() != ssDetached)
            form->ApplyChangedSkin();
}

void TSkinManage::FreeClosedWindows()
{
    std::erase_if(m_forms, [](const std::unique_ptr<TWinSkinForm>& form) {
        if (form->SkinState() != ssDetached)
            return false;
        if (form->Busy())
            form->FreeWhenIdle();
        return !form->Busy();
    });
}

} // namespace tandrel
