#include "skin/controls/SkinControlList.h"

#include <algorithm>
#include <utility>

namespace tandrel {

TSkinControlList::~TSkinControlList()
{
    Clear();
    m_retired.clear();
}

bool TSkinControlList::Contains(const TSkinControl& skinner) const
{
    return std::any_of(m_skinners.begin(), m_skinners.end(), [&](const auto& s) { return s.get() == &skinner; });
}

bool TSkinControlList::Register(TSkinControl& skinner)
{
    if (Contains(skinner))
        return true;
    m_skinners.emplace_back(&skinner);
    return false;
}

TSkinControl* TSkinControlList::Find(HWND window) const
{
    if (!window)
        return nullptr;
    auto it = std::find_if(m_skinners.begin(), m_skinners.end(), [&](const auto& s) { return s->Handle() == window; });
    return it == m_skinners.end() ? nullptr : it->get();
}

void TSkinControlList::LeaveHot()
{
    if (TSkinControl* hot = std::exchange(m_hot, nullptr))
        hot->SendMouseLeave();
}

void TSkinControlList::Refresh()
{
    // A skinner's repaint may not add or drop skinners; by index all the same.
    for (std::size_t i = 0; i < m_skinners.size(); ++i)
        m_skinners[i]->Refresh();
}

void TSkinControlList::Retire(std::unique_ptr<TSkinControl> skinner)
{
    if (skinner->Busy())
        m_retired.push_back(std::move(skinner));
}

void TSkinControlList::Clear()
{
    std::vector<std::unique_ptr<TSkinControl>> skinners;
    skinners.swap(m_skinners);
    m_hot = nullptr;
    for (const auto& skinner : skinners)
        skinner->Detach();
    for (auto& skinner : skinners)
        Retire(std::move(skinner));
    // Adopted skinners belong to listed ones, which are gone now.
    std::vector<std::unique_ptr<TSkinControl>> adopted;
    adopted.swap(m_adopted);
    for (auto& skinner : adopted) {
        skinner->Detach();
        Retire(std::move(skinner));
    }
}

void TSkinControlList::Drop(TSkinControl& skinner)
{
    auto it = std::find_if(m_skinners.begin(), m_skinners.end(), [&](const auto& s) { return s.get() == &skinner; });
    if (it == m_skinners.end())
        return;
    std::unique_ptr<TSkinControl> dropped = std::move(*it);
    m_skinners.erase(it);
    if (m_hot == &skinner)
        m_hot = nullptr;
    dropped->Detach();
    Retire(std::move(dropped));
}

} // namespace tandrel
