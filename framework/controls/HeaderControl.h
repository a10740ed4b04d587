#pragma once
// The common controls' header: a row of sections, each a heading of a width
// the user may drag.

#include "framework/controls/ControlTypes.h"
#include "framework/controls/ImageListLink.h"
#include "framework/controls/WinControl.h"

#include <functional>
#include <memory>
#include <vector>

namespace tandrel {

class THeaderControl;
class TImageList;

class THeaderSection {
public:
    THeaderSection(THeaderControl& owner, int index) : m_owner(owner), m_index(index) {}
    int Index() const { return m_index; }
    const std::wstring& Text() const { return m_text; }
    void SetText(const std::wstring& text);
    // The width the section has in the window (the user may drag it).
    int Width() const;
    void SetWidth(int width);
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment);
    // The image of the header's image list shown, or -1.
    int ImageIndex() const { return m_imageIndex; }
    void SetImageIndex(int index);

private:
    friend class THeaderControl;
    THeaderControl& m_owner;
    int m_index;
    std::wstring m_text;
    int m_width = 50;
    TAlignment m_alignment = TAlignment::taLeftJustify;
    int m_imageIndex = -1;
};

class THeaderControl : public TWinControl {
public:
    explicit THeaderControl(TComponent* owner);
    ~THeaderControl() override;
    const char* ClassName() const override { return "THeaderControl"; }

    int SectionCount() const { return static_cast<int>(m_sections.size()); }
    THeaderSection& Section(int index) const { return *m_sections.at(static_cast<size_t>(index)); }
    THeaderSection& AddSection(const std::wstring& text, int width);
    TImageList* Images() const { return m_images.Get(); }
    void SetImages(TImageList* images);
    // The sections' widths are laid out at the form's density as well.
    void ChangeScale(int to, int from) override;

    // A section was clicked (the sender is the header; the index is given).
    std::function<void(TObject*, int)> OnSectionClick;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWindow() override;
    void SaveWindowState() override;
    LRESULT ReflectedNotify(NMHDR& header) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class THeaderSection;
    void PutSection(const THeaderSection& section, bool insert);

    std::vector<std::unique_ptr<THeaderSection>> m_sections;
    TImageListLink m_images;
};

} // namespace tandrel
