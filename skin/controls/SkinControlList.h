#pragma once
// The control skinners of one skinned window, in the order they were
// registered, and the one under the mouse. The window's form skinning
// object owns the list, and the list owns the skinners.

#include "skin/controls/WinSubClass.h"

#include <windows.h>

#include <memory>
#include <vector>

namespace tandrel {

class TSkinControlList {
public:
    TSkinControlList() = default;
    ~TSkinControlList() { Clear(); }
    TSkinControlList(const TSkinControlList&) = delete;
    TSkinControlList& operator=(const TSkinControlList&) = delete;

    // Takes a skinner over and returns it.
    TSkinControl& Add(std::unique_ptr<TSkinControl> skinner);
    // The first skinner of that window, or none.
    TSkinControl* Find(HWND window) const;
    const std::vector<std::unique_ptr<TSkinControl>>& Items() const { return m_skinners; }
    bool Empty() const { return m_skinners.empty(); }

    // The skinner under the mouse (windows without a framework form keep
    // track of it themselves).
    TSkinControl* Hot() const { return m_hot; }
    void SetHot(TSkinControl* skinner) { m_hot = skinner; }
    // Tells the hot skinner the mouse has left, and forgets it.
    void LeaveHot();

    // Every skinner takes up a changed skin and repaints.
    void Refresh();
    // Gives every control back its own handling first, then frees the
    // skinners: none is freed while another still routes messages to it.
    void Clear();

private:
    std::vector<std::unique_ptr<TSkinControl>> m_skinners;
    TSkinControl* m_hot = nullptr;
};

} // namespace tandrel
