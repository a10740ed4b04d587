#pragma once
// Components: objects with an owner that frees them, a name and a tag.

#include "framework/core/Object.h"
#include "framework/core/SysUtils.h"

#include <any>
#include <map>
#include <string>
#include <vector>

namespace tandrel {

enum TComponentStateFlag : unsigned {
    csLoading = 1u << 0,     // the form definition is being read
    csReading = 1u << 1,
    csDestroying = 1u << 2,
    csDesigning = 1u << 3,
};

enum class TOperation { opInsert, opRemove };

class TComponent : public TPersistent {
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;

    const char* ClassName() const override { return "TComponent"; }
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();

    TComponent* Owner() const { return m_owner; }
    int ComponentCount() const { return static_cast<int>(m_components.size()); }
    TComponent* Components(int index) const { return m_components.at(static_cast<size_t>(index)); }
    int ComponentIndex() const;

    const std::string& Name() const { return m_name; }
    void SetName(const std::string& name);
    int Tag() const { return m_tag; }
    void SetTag(int tag) { m_tag = tag; }

    unsigned ComponentState() const { return m_state; }
    bool IsLoading() const { return m_state & csLoading; }
    bool IsDestroying() const { return m_state & csDestroying; }
    void SetComponentStateFlags(unsigned flags, bool on);

    // Called once, on every component of a definition, after the whole definition is read.
    virtual void Loaded();
    // Told when a component this one owns (or asked to be told about) comes or goes.
    virtual void Notification(TComponent* component, TOperation operation);
    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);

    TComponent* FindComponent(std::string_view name) const;  // among owned components, case-insensitive

    // Points a field at the owned component of that name and kind; a form
    // binds its fields this way once its definition is read.
    template <class T>
    void BindComponent(T*& field, const std::string& name) const
    {
        field = dynamic_cast<T*>(FindComponent(name));
        if (!field)
            throw EReadError(std::string(ClassName()) + " has no component " + name + " of the expected kind");
    }

    // Handlers a definition can name for its events ("SpeedButton6Click").
    template <class F>
    void PublishHandler(const std::string& name, F handler) { m_handlers[name] = std::move(handler); }
    const std::any* FindHandler(const std::string& name) const;

    // Where a definition nests a component inside another (a control in a
    // panel, an item in a menu), the outer one becomes its parent.
    virtual void SetParentComponent(TComponent* parent);

    // Moves ownership from the current owner to newOwner (or none).
    void ChangeOwner(TComponent* newOwner);

protected:
    // Marks the start of destruction so derived destructors can skip work.
    void Destroying() { m_state |= csDestroying; }
    // Frees the owned components now, last first; derived destructors call it
    // while they are still whole.
    void DestroyComponents();

private:
    void Insert(TComponent* component);
    void Remove(TComponent* component);

    TComponent* m_owner = nullptr;
    std::vector<TComponent*> m_components;
    std::vector<TComponent*> m_freeNotifies;
    std::map<std::string, std::any> m_handlers;
    std::string m_name;
    int m_tag = 0;
    unsigned m_state = 0;
};

} // namespace tandrel
