#pragma once
// The system scroll bar as a control of its own. Its parent reflects the
// scroll notifications back as CN_HSCROLL/CN_VSCROLL; positions are 32-bit
// throughout, the thumb's included.

#include "framework/controls/ChangingControl.h"

namespace tandrel {

enum class TScrollBarKind { sbHorizontal, sbVertical };
enum class TScrollCode { scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop, scBottom, scEndScroll };
// A handler may change scrollPos before the scroll bar takes it.
using TScrollEvent = std::function<void(TObject* sender, TScrollCode code, int& scrollPos)>;

// Where a scroll request (the WPARAM of WM_HSCROLL/WM_VSCROLL) takes a
// position in [min, maxPosition]; track is the dragged thumb's position.
struct TScrollStep {
    TScrollCode Code;
    int Position;
};
TScrollStep ScrollStepFor(WPARAM request, int position, int min, int maxPosition, int smallChange,
                          int largeChange, int track);
// The dragged thumb's position of a window's bar (SB_HORZ, SB_VERT or
// SB_CTL) in full 32 bits, or fallback when it cannot be read.
int ScrollTrackPosition(HWND window, int bar, int fallback);

class TScrollBar : public TChangingControl {
public:
    explicit TScrollBar(TComponent* owner);
    const char* ClassName() const override { return "TScrollBar"; }
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();

    TScrollBarKind Kind() const { return m_kind; }
    void SetKind(TScrollBarKind kind);
    int Min() const { return m_min; }
    void SetMin(int value) { SetParams(m_position, value, m_max); }
    int Max() const { return m_max; }
    void SetMax(int value) { SetParams(m_position, m_min, value); }
    // The thumb's length in units; 0 draws the system's square thumb.
    int PageSize() const { return m_pageSize; }
    void SetPageSize(int value);
    int Position() const { return m_position; }
    void SetPosition(int value) { SetParams(value, m_min, m_max); }
    void SetParams(int position, int min, int max);
    int SmallChange() const { return m_smallChange; }
    void SetSmallChange(int value) { m_smallChange = value; }
    int LargeChange() const { return m_largeChange; }
    void SetLargeChange(int value) { m_largeChange = value; }
    // The highest position the thumb can reach: the page's last unit sits at Max.
    int MaxPosition() const;

    TScrollEvent OnScroll;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWindow() override;
    void WndProc(TMessage& message) override;
    virtual void Scroll(TScrollCode code, int& scrollPos);

private:
    void UpdateWindow();
    void OnReflectedScroll(TMessage& m);

    TScrollBarKind m_kind = TScrollBarKind::sbHorizontal;
    int m_min = 0;
    int m_max = 100;
    int m_pageSize = 0;
    int m_position = 0;
    int m_smallChange = 1;
    int m_largeChange = 1;
};

} // namespace tandrel
