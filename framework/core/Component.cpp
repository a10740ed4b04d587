#include "framework/core/Component.h"

#include "framework/core/Publisher.h"
#include "framework/core/SysUtils.h"

#include <algorithm>

namespace tandrel {

const TClassInfo& TComponent::StaticClassInfo()
{
    static const TClassInfo info = [] {
        TClassInfo i("TComponent", &TPersistent::StaticClassInfo());
        TPublisher<TComponent>(i).Integer("Tag", &TComponent::Tag, &TComponent::SetTag);
        return i;
    }();
    return info;
}

TComponent::TComponent(TComponent* owner)
{
    if (owner)
        owner->Insert(this);
}

TComponent::~TComponent()
{
    m_state |= csDestroying;
    // Tell whoever watches us first, so nobody keeps a dangling pointer.
    while (!m_freeNotifies.empty()) {
        TComponent* c = m_freeNotifies.back();
        m_freeNotifies.pop_back();
        auto& theirs = c->m_freeNotifies;
        theirs.erase(std::remove(theirs.begin(), theirs.end(), this), theirs.end());
        c->Notification(this, TOperation::opRemove);
    }
    DestroyComponents();
    if (m_owner)
        m_owner->Remove(this);
}

void TComponent::DestroyComponents()
{
    // Owned components go in reverse order of creation.
    while (!m_components.empty()) {
        TComponent* c = m_components.back();
        m_components.pop_back();
        c->m_owner = nullptr;
        Notification(c, TOperation::opRemove);
        delete c;
    }
}

int TComponent::ComponentIndex() const
{
    if (!m_owner)
        return -1;
    auto& list = m_owner->m_components;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TComponent::SetName(const std::string& name)
{
    if (name == m_name)
        return;
    if (!name.empty() && m_owner) {
        TComponent* other = m_owner->FindComponent(name);
        if (other && other != this)
            throw EInvalidOperation("A component named " + name + " already exists");
    }
    m_name = name;
}

void TComponent::SetComponentStateFlags(unsigned flags, bool on)
{
    if (on)
        m_state |= flags;
    else
        m_state &= ~flags;
}

void TComponent::Loaded() { m_state &= ~(csLoading | csReading); }

void TComponent::Notification(TComponent* component, TOperation operation)
{
    if (operation == TOperation::opRemove)
        for (TComponent* c : m_components)
            if (c != component)
                c->Notification(component, operation);
}

void TComponent::FreeNotification(TComponent* component)
{
    if (!component || component == this)
        return;
    if (std::find(m_freeNotifies.begin(), m_freeNotifies.end(), component) == m_freeNotifies.end())
        m_freeNotifies.push_back(component);
    if (std::find(component->m_freeNotifies.begin(), component->m_freeNotifies.end(), this) ==
        component->m_freeNotifies.end())
        component->m_freeNotifies.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* component)
{
    if (!component)
        return;
    m_freeNotifies.erase(std::remove(m_freeNotifies.begin(), m_freeNotifies.end(), component), m_freeNotifies.end());
    auto& theirs = component->m_freeNotifies;
    theirs.erase(std::remove(theirs.begin(), theirs.end(), this), theirs.end());
}

TComponent* TComponent::FindComponent(std::string_view name) const
{
    if (name.empty())
        return nullptr;
    std::string key = LowerCase(name);
    for (TComponent* c : m_components)
        if (LowerCase(c->m_name) == key)
            return c;
    return nullptr;
}

const std::any* TComponent::FindHandler(const std::string& name) const
{
    auto it = m_handlers.find(name);
    return it == m_handlers.end() ? nullptr : &it->second;
}

void TComponent::SetParentComponent(TComponent*) {}

void TComponent::ChangeOwner(TComponent* newOwner)
{
    if (newOwner == m_owner)
        return;
    if (m_owner)
        m_owner->Remove(this);
    if (newOwner)
        newOwner->Insert(this);
}

void TComponent::Insert(TComponent* component)
{
    m_components.push_back(component);
    component->m_owner = this;
    Notification(component, TOperation::opInsert);
}

void TComponent::Remove(TComponent* component)
{
    auto it = std::find(m_components.begin(), m_components.end(), component);
    if (it == m_components.end())
        return;
    m_components.erase(it);
    component->m_owner = nullptr;
    if (!(m_state & csDestroying))
        Notification(component, TOperation::opRemove);
}

} // namespace tandrel
