#pragma once
// An icon read from .ico data.

#include "framework/graphics/GdiObjects.h"
#include "framework/graphics/Graphic.h"

#include <cstdint>
#include <vector>

namespace tandrel {

class TIcon final : public TGraphic {
public:
    const char* ClassName() const override { return "TIcon"; }
    void Assign(const TPersistent& source) override;

    bool Empty() const override { return !m_handle; }
    int Width() const override { return m_width; }
    int Height() const override { return m_height; }
    HICON Handle() const { return m_handle.Get(); }

    void Draw(TCanvas& canvas, const RECT& rect) override;
    // Takes the image that suits the system's icon size best.
    void LoadFromStream(TStream& stream) override;
    void SaveToStream(TStream& stream) const override;
    void LoadFromBytes(std::vector<std::uint8_t> bytes);
    // An icon of another size from the same file (a window's small icon).
    HICON CreateHandleOfSize(int size) const;

private:
    HICON MakeIcon(int wanted, int* width, int* height) const;

    std::vector<std::uint8_t> m_data;  // the whole .ico file
    TOwnedIcon m_handle;
    int m_width = 0;
    int m_height = 0;
};

} // namespace tandrel
