#pragma once
// Look-and-feel: a visual kind and a native-style flag, each either assigned
// on the object or inherited along a chain of sources that ends at one
// process-wide root. Watchers hear when the values in force change.

#include "framework/core/Component.h"
#include "editors/lookandfeel/cxLookAndFeelPainters.h"
#include "editors/lookandfeel/dxThemeManager.h"

#include <functional>
#include <memory>
#include <vector>

namespace tandrel {

// A persistent that knows the object it belongs to.
class TcxInterfacedPersistent : public TPersistent {
public:
    explicit TcxInterfacedPersistent(TObject* owner) : m_owner(owner) {}
    const char* ClassName() const override { return "TcxInterfacedPersistent"; }
    TObject* Owner() const { return m_owner; }

private:
    TObject* m_owner;
};

enum TcxLookAndFeelKind { lfFlat, lfStandard, lfUltraFlat };
enum TcxLookAndFeelValue { lfvKind, lfvNativeStyle };
// A set of TcxLookAndFeelValue: bit 0 the kind, bit 1 the native style.
using TcxLookAndFeelValues = unsigned;
constexpr TcxLookAndFeelValues lfvsKind = 1u << lfvKind;
constexpr TcxLookAndFeelValues lfvsNativeStyle = 1u << lfvNativeStyle;
constexpr TcxLookAndFeelValues lfvsAll = lfvsKind | lfvsNativeStyle;

class TcxLookAndFeel;

// Told when a watched look-and-feel's values in force change, and when it goes.
class TcxLookAndFeelWatcher {
public:
    virtual ~TcxLookAndFeelWatcher() = default;
    virtual void WatchedLookAndFeelChanged(TcxLookAndFeel* sender, TcxLookAndFeelValues changed) = 0;
    virtual void WatchedLookAndFeelDestroying(TcxLookAndFeel* sender) = 0;
    virtual bool IsLookAndFeelController() const { return false; }
};

// Tells its handler when the system colours change. Primary notifiers hear
// it before ordinary ones.
class TcxSystemPaletteChangedNotifier {
public:
    explicit TcxSystemPaletteChangedNotifier(bool isPrimary);
    ~TcxSystemPaletteChangedNotifier();
    TcxSystemPaletteChangedNotifier(const TcxSystemPaletteChangedNotifier&) = delete;
    TcxSystemPaletteChangedNotifier& operator=(const TcxSystemPaletteChangedNotifier&) = delete;

    bool IsPrimary() const { return m_isPrimary; }
    std::function<void()> ColorsChangedHandler;

private:
    bool m_isPrimary;
};

// The hidden window that hears WM_SYSCOLORCHANGE while any notifier exists.
HWND SystemPaletteChangedListenerWindow();

class TcxLookAndFeel : public TcxInterfacedPersistent, public TcxLookAndFeelWatcher {
public:
    explicit TcxLookAndFeel(TObject* owner);
    ~TcxLookAndFeel() override;
    const char* ClassName() const override { return "TcxLookAndFeel"; }
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();
    void Assign(const TPersistent& source) override;

    // The values in force, worked out along the chain when asked.
    TcxLookAndFeelKind Kind() const { return EffectiveKind(); }
    bool NativeStyle() const { return EffectiveNativeStyle(); }
    void SetKind(TcxLookAndFeelKind kind);
    void SetNativeStyle(bool nativeStyle);
    TcxLookAndFeelValues AssignedValues() const { return m_assignedValues; }
    void SetAssignedValues(TcxLookAndFeelValues values);
    void ResetAssignedValues() { SetAssignedValues(0); }

    TcxLookAndFeelKind EffectiveKind() const;
    bool EffectiveNativeStyle() const;

    // The chosen source (none: the root stands in).
    TcxLookAndFeel* Source() const { return m_source; }
    TcxLookAndFeel* SourceInForce() const;
    void SetSource(TcxLookAndFeel* source);
    bool IsRoot() const { return m_isRoot; }

    void AttachWatcher(TcxLookAndFeelWatcher* watcher);
    void DetachWatcher(TcxLookAndFeelWatcher* watcher);
    const std::vector<TcxLookAndFeelWatcher*>& Watchers() const { return m_watchers; }

    // The painter for these values: the visual-styles one when native style
    // is on and every class in mask has a theme, else the kind's own.
    TcxLookAndFeelPainterClass ChoosePainter(TdxThemedObjectTypes mask = 0) const;

    // Set by the object that owns this look-and-feel.
    std::function<void(TcxLookAndFeel* sender, TcxLookAndFeelValues changed)> OnChangedHandler;

    // The process-wide root: made when the editors start, freed when they stop.
    static TcxLookAndFeel* Root();
    static void CreateRoot();
    static void DestroyRoot();
    static int ControllerCount();

protected:
    void WatchedLookAndFeelChanged(TcxLookAndFeel* sender, TcxLookAndFeelValues changed) override;
    void WatchedLookAndFeelDestroying(TcxLookAndFeel* sender) override;

private:
    struct TRootTag {};
    TcxLookAndFeel(TObject* owner, TRootTag);
    void SaveValuesInForce();
    bool ChangeSource(TcxLookAndFeel* source);
    void CompareAndNotify();
    void Notify(TcxLookAndFeelValues changed);

    TcxLookAndFeelKind m_kind = lfUltraFlat;
    bool m_nativeStyle = false;
    TcxLookAndFeelValues m_assignedValues = 0;
    TcxLookAndFeelKind m_previousKind = lfUltraFlat;
    bool m_previousNativeStyle = false;
    TcxLookAndFeel* m_source = nullptr;
    bool m_isRoot = false;
    bool m_destroying = false;
    std::vector<TcxLookAndFeelWatcher*> m_watchers;
    std::unique_ptr<TcxSystemPaletteChangedNotifier> m_colorNotifier;
};

// A component that reads and writes the root's values: placing one on a form
// sets the look of every framework control that inherits them.
class TcxLookAndFeelController : public TComponent, public TcxLookAndFeelWatcher {
public:
    explicit TcxLookAndFeelController(TComponent* owner);
    ~TcxLookAndFeelController() override;
    const char* ClassName() const override { return "TcxLookAndFeelController"; }
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();

    TcxLookAndFeelKind Kind() const;
    void SetKind(TcxLookAndFeelKind kind);
    bool NativeStyle() const;
    void SetNativeStyle(bool nativeStyle);

protected:
    void WatchedLookAndFeelChanged(TcxLookAndFeel*, TcxLookAndFeelValues) override {}
    void WatchedLookAndFeelDestroying(TcxLookAndFeel* sender) override;
    bool IsLookAndFeelController() const override { return true; }

private:
    bool m_attached = false;
};

} // namespace tandrel
