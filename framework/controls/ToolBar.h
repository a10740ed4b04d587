#pragma once
// The common controls' tool bar: a row of buttons with images and captions.

#include "framework/controls/ImageListLink.h"
#include "framework/controls/WinControl.h"

#include <memory>
#include <vector>

namespace tandrel {

class TImageList;
class TToolBar;

class TToolButton {
public:
    TToolButton(TToolBar& owner, int index) : m_owner(owner), m_index(index) {}
    int Index() const { return m_index; }
    const std::wstring& Caption() const { return m_caption; }
    void SetCaption(const std::wstring& caption);
    // The image of the tool bar's image list shown, or -1.
    int ImageIndex() const { return m_imageIndex; }
    void SetImageIndex(int index);

    TNotifyEvent OnClick;

private:
    friend class TToolBar;
    TToolBar& m_owner;
    int m_index;
    std::wstring m_caption;
    int m_imageIndex = -1;
};

class TToolBar : public TWinControl {
public:
    explicit TToolBar(TComponent* owner);
    ~TToolBar() override;
    const char* ClassName() const override { return "TToolBar"; }
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();

    int ButtonCount() const { return static_cast<int>(m_buttons.size()); }
    TToolButton& Button(int index) const { return *m_buttons.at(static_cast<size_t>(index)); }
    TToolButton& AddButton(const std::wstring& caption, int imageIndex);

    // Buttons without a raised edge until the mouse is over them; a new
    // window shows the change.
    bool Flat() const { return m_flat; }
    void SetFlat(bool flat);
    bool ShowCaptions() const { return m_showCaptions; }
    void SetShowCaptions(bool show);
    TImageList* Images() const { return m_images.Get(); }
    void SetImages(TImageList* images);

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWindow() override;
    LRESULT ReflectedNotify(NMHDR& header) override;
    void ReflectedCommand(WORD code, WORD id) override;
    void ColorChanged() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TToolButton;
    void PutButtons();
    void OnEraseBackground(TMessage& m) override;

    std::vector<std::unique_ptr<TToolButton>> m_buttons;
    bool m_flat = false;
    bool m_showCaptions = false;
    TImageListLink m_images;
};

} // namespace tandrel
