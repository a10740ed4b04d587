#include "skin/controls/SkinControlList.h"

#include <algorithm>
#include <utility>

namespace tandrel {

TSkinControl& TSkinControlList::Add(std::unique_ptr<TSkinControl> skinner)
{
    m_skinners.push_back(std::move(skinner));
    return *m_skinners.back();
}

TSkinControl* TSkinControlList::Find(HWND window) const
{
    auto it = std::find_if(m_skinners.begin(), m_skinners.end(), [&](const auto& s) { return s->Handle == window; });
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

void TSkinControlList::Clear()
{
    std::vector<std::unique_ptr<TSkinControl>> skinners;
    skinners.swap(m_skinners);
    m_hot = nullptr;
    for (const auto& skinner : skinners)
        skinner->Detach();
}

} // namespace tandrel
