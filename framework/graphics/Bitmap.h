#pragma once
// A device-independent bitmap (DIB section) with its own canvas.

#include "framework/graphics/Canvas.h"
#include "framework/core/Colors.h"
#include "framework/graphics/GdiObjects.h"
#include "framework/graphics/Graphic.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace tandrel {

enum class TPixelFormat { pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit };

int BitsPerPixel(TPixelFormat format);

class TBitmap final : public TGraphic {
public:
    TBitmap();
    TBitmap(int width, int height, TPixelFormat format = TPixelFormat::pf24bit);
    ~TBitmap() override;
    const char* ClassName() const override { return "TBitmap"; }
    void Assign(const TPersistent& source) override;

    bool Empty() const override { return !m_handle; }
    int Width() const override { return m_width; }
    int Height() const override { return m_height; }
    void SetWidth(int width) { SetSize(width, m_height); }
    void SetHeight(int height) { SetSize(m_width, height); }
    // Keeps the pixels that still fit; new pixels are white.
    void SetSize(int width, int height);
    TPixelFormat PixelFormat() const { return m_format; }
    void SetPixelFormat(TPixelFormat format);

    HBITMAP Handle() const { return m_handle.Get(); }
    TCanvas& Canvas();
    // Row y counted from the top. The pixels are flushed from GDI first.
    std::uint8_t* ScanLine(int y);
    const std::uint8_t* ScanLine(int y) const;
    int Stride() const { return m_stride; }

    // The colour treated as see-through when Transparent is set: the
    // bottom-left pixel unless one is given.
    TColor TransparentColor() const;
    void SetTransparentColor(TColor colour);

    void Draw(TCanvas& canvas, const RECT& rect) override;
    void LoadFromStream(TStream& stream) override;
    void SaveToStream(TStream& stream) const override;
    // Parses a whole BMP file held in memory.
    void LoadFromBytes(const std::uint8_t* data, std::size_t size);

private:
    struct TInfo;
    void Create(int width, int height, TPixelFormat format, const std::vector<std::uint32_t>* palette,
                const std::uint32_t* masks);
    void FreeContext();
    HDC MemoryDC() const;

    TOwnedBitmap m_handle;
    void* m_bits = nullptr;
    int m_width = 0;
    int m_height = 0;
    int m_stride = 0;
    TPixelFormat m_format = TPixelFormat::pf24bit;
    std::vector<std::uint32_t> m_palette;  // 0x00RRGGBB, for 8 bits or fewer
    std::uint32_t m_masks[3] {};           // set for 16-bit 5-6-5 and bit-field images
    bool m_hasMasks = false;
    TColor m_transparentColor = clDefault;

    mutable TOwnedDC m_dc;
    mutable HGDIOBJ m_oldBitmap = nullptr;
    std::unique_ptr<TCanvas> m_canvas;
};

} // namespace tandrel
