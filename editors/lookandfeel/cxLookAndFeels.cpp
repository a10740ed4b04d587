#include "editors/lookandfeel/cxLookAndFeels.h"

#include "framework/core/ScopeGuard.h"

#include "framework/forms/Application.h"
#include "framework/core/Publisher.h"
#include "framework/controls/HelperWindow.h"

#include <algorithm>

namespace tandrel {

namespace {

const TEnumInfo kKinds {{"lfFlat", "lfStandard", "lfUltraFlat"}};
const TEnumInfo kValues {{"lfvKind", "lfvNativeStyle"}};

TcxLookAndFeel* g_root = nullptr;
int g_controllerCount = 0;

// The one listener for system colour changes, alive while notifiers exist.
struct TPaletteListener {
    HWND Window = nullptr;
    int References = 0;
    std::vector<TcxSystemPaletteChangedNotifier*> Primary;
    std::vector<TcxSystemPaletteChangedNotifier*> Ordinary;
};
TPaletteListener g_palette;

void CallEach(const std::vector<TcxSystemPaletteChangedNotifier*>& list)
{
    const auto snapshot = list;
    for (TcxSystemPaletteChangedNotifier* n : snapshot) {
        // A handler may free a notifier that comes later.
        if (std::find(list.begin(), list.end(), n) == list.end())
            continue;
        if (n->ColorsChangedHandler)
            n->ColorsChangedHandler();
    }
}

LRESULT CALLBACK PaletteListenerProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_SYSCOLORCHANGE) {
        try {
            CallEach(g_palette.Primary);
            CallEach(g_palette.Ordinary);
        } catch (...) {
            HandleCallbackException(nullptr);
        }
    }
    return DefWindowProcW(window, msg, wParam, lParam);
}

bool SourceChainReaches(const TcxLookAndFeel* from, const TcxLookAndFeel* target)
{
    for (const TcxLookAndFeel* l = from; l; l = l->Source())
        if (l == target)
            return true;
    return false;
}

} // namespace

TcxSystemPaletteChangedNotifier::TcxSystemPaletteChangedNotifier(bool isPrimary) : m_isPrimary(isPrimary)
{
    if (g_palette.References++ == 0 && !g_palette.Window) {
        auto const abandon = OnScopeFail([] { --g_palette.References; });
        g_palette.Window = CreateHelperWindow(L"TcxSystemPaletteChangedListener", PaletteListenerProc,
                                              THelperWindowKind::hwHiddenTopLevel, "the system-colour listener");
    }
    (isPrimary ? g_palette.Primary : g_palette.Ordinary).push_back(this);
}

TcxSystemPaletteChangedNotifier::~TcxSystemPaletteChangedNotifier()
{
    auto& list = m_isPrimary ? g_palette.Primary : g_palette.Ordinary;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    if (--g_palette.References == 0 && g_palette.Window) {
        DestroyWindow(g_palette.Window);
        g_palette.Window = nullptr;
    }
}

HWND SystemPaletteChangedListenerWindow() { return g_palette.Window; }

const TClassInfo& TcxLookAndFeel::StaticClassInfo()
{
    static const TClassInfo info = [] {
        TClassInfo i("TcxLookAndFeel", &TPersistent::StaticClassInfo());
        TPublisher<TcxLookAndFeel>(i)
            .Set("AssignedValues", kValues, &TcxLookAndFeel::AssignedValues, &TcxLookAndFeel::SetAssignedValues)
            .Enumeration("Kind", kKinds, &TcxLookAndFeel::Kind, &TcxLookAndFeel::SetKind)
            .Boolean("NativeStyle", &TcxLookAndFeel::NativeStyle, &TcxLookAndFeel::SetNativeStyle);
        return i;
    }();
    return info;
}

TcxLookAndFeel::TcxLookAndFeel(TObject* owner) : TcxInterfacedPersistent(owner)
{
    m_colorNotifier = std::make_unique<TcxSystemPaletteChangedNotifier>(false);
    m_colorNotifier->ColorsChangedHandler = [this] { Notify(lfvsNativeStyle); };
    if (g_root)
        g_root->AttachWatcher(this);
}

TcxLookAndFeel::TcxLookAndFeel(TObject* owner, TRootTag) : TcxInterfacedPersistent(owner)
{
    m_isRoot = true;
    m_colorNotifier = std::make_unique<TcxSystemPaletteChangedNotifier>(false);
    m_colorNotifier->ColorsChangedHandler = [this] { Notify(lfvsNativeStyle); };
}

TcxLookAndFeel::~TcxLookAndFeel()
{
    m_colorNotifier.reset();
    m_destroying = true;
    for (TcxLookAndFeelWatcher* w : std::vector<TcxLookAndFeelWatcher*>(m_watchers))
        w->WatchedLookAndFeelDestroying(this);
    m_destroying = false;
    m_watchers.clear();
    if (TcxLookAndFeel* source = SourceInForce())
        source->DetachWatcher(this);
    if (m_isRoot && g_root == this)
        g_root = nullptr;
}

TcxLookAndFeel* TcxLookAndFeel::Root() { return g_root; }

void TcxLookAndFeel::CreateRoot()
{
    if (!g_root)
        g_root = new TcxLookAndFeel(nullptr, TRootTag {});
}

void TcxLookAndFeel::DestroyRoot() { delete g_root; }

int TcxLookAndFeel::ControllerCount() { return g_controllerCount; }

TcxLookAndFeel* TcxLookAndFeel::SourceInForce() const
{
    if (m_isRoot)
        return nullptr;
    return m_source ? m_source : g_root;
}

TcxLookAndFeelKind TcxLookAndFeel::EffectiveKind() const
{
    if (m_assignedValues & lfvsKind)
        return m_kind;
    if (m_isRoot)
        return lfUltraFlat;
    if (TcxLookAndFeel* source = SourceInForce())
        return source->EffectiveKind();
    return lfUltraFlat;
}

bool TcxLookAndFeel::EffectiveNativeStyle() const
{
    if (m_assignedValues & lfvsNativeStyle)
        return m_nativeStyle;
    if (m_isRoot)
        return false;
    if (TcxLookAndFeel* source = SourceInForce())
        return source->EffectiveNativeStyle();
    return false;
}

void TcxLookAndFeel::SaveValuesInForce()
{
    m_previousKind = EffectiveKind();
    m_previousNativeStyle = EffectiveNativeStyle();
}

void TcxLookAndFeel::CompareAndNotify()
{
    TcxLookAndFeelValues changed = 0;
    if (EffectiveKind() != m_previousKind)
        changed |= lfvsKind;
    if (EffectiveNativeStyle() != m_previousNativeStyle)
        changed |= lfvsNativeStyle;
    Notify(changed);
}

void TcxLookAndFeel::Notify(TcxLookAndFeelValues changed)
{
    if (!changed || m_destroying)
        return;
    // A watcher may detach itself (or others) while it is told: move on only
    // when the one just told still stands where it stood.
    size_t i = 0;
    while (i < m_watchers.size()) {
        TcxLookAndFeelWatcher* w = m_watchers[i];
        w->WatchedLookAndFeelChanged(this, changed);
        if (i < m_watchers.size() && m_watchers[i] == w)
            ++i;
    }
    if (OnChangedHandler)
        OnChangedHandler(this, changed);
}

void TcxLookAndFeel::SetKind(TcxLookAndFeelKind kind)
{
    SaveValuesInForce();
    m_assignedValues |= lfvsKind;
    m_kind = kind;
    if (EffectiveKind() != m_previousKind)
        Notify(lfvsKind);
}

void TcxLookAndFeel::SetNativeStyle(bool nativeStyle)
{
    SaveValuesInForce();
    m_assignedValues |= lfvsNativeStyle;
    m_nativeStyle = nativeStyle;
    if (EffectiveNativeStyle() != m_previousNativeStyle)
        Notify(lfvsNativeStyle);
}

void TcxLookAndFeel::SetAssignedValues(TcxLookAndFeelValues values)
{
    values &= lfvsAll;
    if (values == m_assignedValues)
        return;
    SaveValuesInForce();
    m_assignedValues = values;
    CompareAndNotify();
}

void TcxLookAndFeel::SetSource(TcxLookAndFeel* source)
{
    SaveValuesInForce();
    if (ChangeSource(source))
        CompareAndNotify();
}

bool TcxLookAndFeel::ChangeSource(TcxLookAndFeel* source)
{
    if (m_isRoot || source == this || source == SourceInForce())
        return false;
    // A chain that led back here would have no values in force at all.
    if (source && SourceChainReaches(source, this))
        return false;
    if (TcxLookAndFeel* old = SourceInForce())
        old->DetachWatcher(this);
    m_source = source;
    if (TcxLookAndFeel* now = SourceInForce())
        now->AttachWatcher(this);
    return true;
}

void TcxLookAndFeel::Assign(const TPersistent& source)
{
    auto* other = dynamic_cast<const TcxLookAndFeel*>(&source);
    if (!other)
        return TcxInterfacedPersistent::Assign(source);
    SaveValuesInForce();
    m_kind = other->m_kind;
    m_nativeStyle = other->m_nativeStyle;
    m_assignedValues = other->m_assignedValues;
    ChangeSource(other->SourceInForce());
    CompareAndNotify();
}

void TcxLookAndFeel::AttachWatcher(TcxLookAndFeelWatcher* watcher)
{
    if (!watcher)
        return;
    const bool controller = watcher->IsLookAndFeelController();
    if (controller && !m_isRoot)
        return;
    if (std::find(m_watchers.begin(), m_watchers.end(), watcher) != m_watchers.end())
        return;
    m_watchers.push_back(watcher);
    if (controller)
        ++g_controllerCount;
}

void TcxLookAndFeel::DetachWatcher(TcxLookAndFeelWatcher* watcher)
{
    auto it = std::find(m_watchers.begin(), m_watchers.end(), watcher);
    if (it == m_watchers.end())
        return;
    if (!m_destroying)
        m_watchers.erase(it);
    if (watcher->IsLookAndFeelController() && m_isRoot && --g_controllerCount == 0)
        ResetAssignedValues();
}

TcxLookAndFeelPainterClass TcxLookAndFeel::ChoosePainter(TdxThemedObjectTypes mask) const
{
    if (EffectiveNativeStyle() && ThemesUsable(mask))
        return PainterClass<TcxWinXPLookAndFeelPainter>();
    switch (EffectiveKind()) {
    case lfFlat: return PainterClass<TcxFlatLookAndFeelPainter>();
    case lfStandard: return PainterClass<TcxStandardLookAndFeelPainter>();
    case lfUltraFlat: break;
    }
    return PainterClass<TcxUltraFlatLookAndFeelPainter>();
}

void TcxLookAndFeel::WatchedLookAndFeelChanged(TcxLookAndFeel*, TcxLookAndFeelValues changed)
{
    // Only the inherited values follow the source.
    Notify(changed & ~m_assignedValues);
}

void TcxLookAndFeel::WatchedLookAndFeelDestroying(TcxLookAndFeel* sender)
{
    if (sender != m_source)
        return;
    SaveValuesInForce();
    m_source = nullptr;
    if (g_root && g_root != sender)
        g_root->AttachWatcher(this);
    CompareAndNotify();
}

const TClassInfo& TcxLookAndFeelController::StaticClassInfo()
{
    static const TClassInfo info = [] {
        TClassInfo i("TcxLookAndFeelController", &TComponent::StaticClassInfo());
        TPublisher<TcxLookAndFeelController>(i)
            .Enumeration("Kind", kKinds, &TcxLookAndFeelController::Kind, &TcxLookAndFeelController::SetKind)
            .Boolean("NativeStyle", &TcxLookAndFeelController::NativeStyle,
                     &TcxLookAndFeelController::SetNativeStyle);
        return i;
    }();
    return info;
}

TcxLookAndFeelController::TcxLookAndFeelController(TComponent* owner) : TComponent(owner)
{
    if (g_root) {
        g_root->AttachWatcher(this);
        m_attached = true;
    }
}

TcxLookAndFeelController::~TcxLookAndFeelController()
{
    if (m_attached && g_root)
        g_root->DetachWatcher(this);
}

void TcxLookAndFeelController::WatchedLookAndFeelDestroying(TcxLookAndFeel*)
{
    m_attached = false;
}

TcxLookAndFeelKind TcxLookAndFeelController::Kind() const { return g_root ? g_root->EffectiveKind() : lfUltraFlat; }

void TcxLookAndFeelController::SetKind(TcxLookAndFeelKind kind)
{
    if (g_root)
        g_root->SetKind(kind);
}

bool TcxLookAndFeelController::NativeStyle() const { return g_root && g_root->EffectiveNativeStyle(); }

void TcxLookAndFeelController::SetNativeStyle(bool nativeStyle)
{
    if (g_root)
        g_root->SetNativeStyle(nativeStyle);
}

} // namespace tandrel
