#pragma once
// The column header of a list view, drawn from the skin's Headerbar
// element: every heading and the empty area after the last one.

#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "skin/controls/SkinControl.h"

#include <commctrl.h>

#include <string>

namespace tandrel {

class TSkinHeader : public TSkinControl {
public:
    explicit TSkinHeader(TComponent* owner) : TSkinControl(owner) {}
    const char* ClassName() const override { return "TSkinHeader"; }

    // Also registers with the form skinning object.
    void AttachHandle(HWND handle, TSkinData* skinData, TCanvas* canvas) override;
    bool BeforeMessage(TMessage& message) override;
    void DrawControl(HDC dc, const RECT& rect) override;

private:
    bool CanDraw() const;
    void DrawItem(TCanvas& canvas, HDC target, int index, const RECT& place, HIMAGELIST images);

    TBitmap m_buffer;       // the header is composed here, then copied at once
    HFONT m_font = nullptr; // the window font the buffer's canvas has
};

// An optional image of an image list and one line of text in rect,
// alignment 0 left, 1 centre, 2 right; the text in the button-shadow colour
// when not enabled.
void DrawIconText(TCanvas& canvas, const RECT& rect, HIMAGELIST images, int imageIndex, const std::wstring& text,
                  int alignment, bool enabled = true);

} // namespace tandrel
