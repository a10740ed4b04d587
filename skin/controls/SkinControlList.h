#pragma once
// The control skinners of one skinned window, in the order they were
// registered, and the one under the mouse. The window's form skinning
// object owns the list, and the list owns the skinners.

#include "framework/graphics/Canvas.h"
#include "skin/controls/SkinCaptionColours.h"
#include "skin/controls/SkinControl.h"

#include <windows.h>

#include <memory>
#include <vector>

namespace tandrel {

class TSkinControlList {
public:
    TSkinControlList() = default;
    ~TSkinControlList();
    TSkinControlList(const TSkinControlList&) = delete;
    TSkinControlList& operator=(const TSkinControlList&) = delete;

    // Takes a skinner over and returns it.
    template <class T>
    T& Add(std::unique_ptr<T> skinner)
    {
        T& added = *skinner;
        m_skinners.push_back(std::move(skinner));
        return added;
    }
    // True when the skinner is in the list already; otherwise the list
    // takes it over (it was made with new and belongs to nobody else).
    bool Register(TSkinControl& skinner);
    // Takes over a skinner that another skinner made for a child window of
    // its control (the spin button inside an edit). It stays out of the
    // list: Find, Refresh and Clear's detaching pass do not see it; it is
    // detached when it is freed, with the list's skinners.
    template <class T>
    T& Adopt(std::unique_ptr<T> skinner)
    {
        T& adopted = *skinner;
        m_adopted.push_back(std::move(skinner));
        return adopted;
    }
    std::size_t AdoptedCount() const { return m_adopted.size(); }
    bool Contains(const TSkinControl& skinner) const;
    // The first skinner of that window, or none.
    TSkinControl* Find(HWND window) const;
    const std::vector<std::unique_ptr<TSkinControl>>& Items() const { return m_skinners; }
    bool Empty() const { return m_skinners.empty(); }

    // The canvas every skinner of the window draws with.
    TCanvas& Canvas() { return m_canvas; }
    // The colours given to controls that paint their own captions.
    TSkinCaptionColours& CaptionColours() { return m_captionColours; }

    // The skinner under the mouse (windows without a framework form keep
    // track of it themselves).
    TSkinControl* Hot() const { return m_hot; }
    void SetHot(TSkinControl* skinner) { m_hot = skinner; }
    // Tells the hot skinner the mouse has left, and forgets it.
    void LeaveHot();

    // Every skinner takes up a changed skin and repaints.
    void Refresh();
    // Gives every control back its own handling first, then frees the
    // skinners: none is freed while another still routes messages to it,
    // nor while one of its own handlers runs (those go with the list).
    void Clear();
    // Takes one skinner out and frees it (its windowless control went).
    void Drop(TSkinControl& skinner);

private:
    void Retire(std::unique_ptr<TSkinControl> skinner);

    std::vector<std::unique_ptr<TSkinControl>> m_skinners;
    std::vector<std::unique_ptr<TSkinControl>> m_adopted;
    std::vector<std::unique_ptr<TSkinControl>> m_retired;
    TSkinControl* m_hot = nullptr;
    TCanvas m_canvas;
    TSkinCaptionColours m_captionColours;
};

} // namespace tandrel
