#include "framework/graphics/Bitmap.h"

#include "framework/core/Streams.h"
#include "framework/core/SysUtils.h"
#include "framework/graphics/formats/BmpFormat.h"

#include <cstring>

namespace tandrel {

namespace {

std::vector<std::uint32_t> DefaultPalette(int bits)
{
    std::vector<std::uint32_t> palette;
    if (bits == 1) {
        palette = {0x000000, 0xFFFFFF};
    } else if (bits == 4) {
        palette = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
                   0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    } else if (bits == 8) {
        // A 6x6x6 colour cube followed by a grey ramp.
        for (int r = 0; r < 6; ++r)
            for (int g = 0; g < 6; ++g)
                for (int b = 0; b < 6; ++b)
                    palette.push_back(static_cast<std::uint32_t>((r * 51) << 16 | (g * 51) << 8 | (b * 51)));
        for (int i = 0; palette.size() < 256; ++i) {
            std::uint32_t v = static_cast<std::uint32_t>(i * 255 / 39);
            palette.push_back(v << 16 | v << 8 | v);
        }
    }
    return palette;
}

TPixelFormat FormatOf(int bits, bool masks565)
{
    switch (bits) {
    case 1: return TPixelFormat::pf1bit;
    case 4: return TPixelFormat::pf4bit;
    case 8: return TPixelFormat::pf8bit;
    case 16: return masks565 ? TPixelFormat::pf16bit : TPixelFormat::pf15bit;
    case 32: return TPixelFormat::pf32bit;
    default: return TPixelFormat::pf24bit;
    }
}

// BITMAPINFO with room for a full palette or three masks.
struct TBitmapInfoBuffer {
    BITMAPINFOHEADER Header {};
    std::uint32_t Colours[256] {};
    BITMAPINFO* Get() { return reinterpret_cast<BITMAPINFO*>(this); }
};

} // namespace

int BitsPerPixel(TPixelFormat format)
{
    switch (format) {
    case TPixelFormat::pf1bit: return 1;
    case TPixelFormat::pf4bit: return 4;
    case TPixelFormat::pf8bit: return 8;
    case TPixelFormat::pf15bit:
    case TPixelFormat::pf16bit: return 16;
    case TPixelFormat::pf24bit: return 24;
    case TPixelFormat::pf32bit: return 32;
    }
    return 24;
}

TBitmap::TBitmap() = default;

TBitmap::TBitmap(int width, int height, TPixelFormat format) : m_format(format) { SetSize(width, height); }

TBitmap::~TBitmap() { FreeContext(); }

void TBitmap::FreeContext()
{
    if (m_canvas)
        m_canvas->SetHandle(nullptr);
    if (m_dc) {
        SelectObject(m_dc.Get(), m_oldBitmap);
        m_oldBitmap = nullptr;
        m_dc.Reset();
    }
}

HDC TBitmap::MemoryDC() const
{
    if (!m_dc) {
        HDC dc = CreateCompatibleDC(nullptr);
        if (!dc)
            RaiseLastOSError("CreateCompatibleDC");
        m_dc.Reset(dc);
        if (m_handle)
            m_oldBitmap = SelectObject(dc, m_handle.Get());
    }
    return m_dc.Get();
}

TCanvas& TBitmap::Canvas()
{
    if (!m_canvas)
        m_canvas = std::make_unique<TCanvas>();
    if (!m_canvas->HandleAllocated())
        m_canvas->SetHandle(MemoryDC());
    return *m_canvas;
}

void TBitmap::Create(int width, int height, TPixelFormat format, const std::vector<std::uint32_t>* palette,
                     const std::uint32_t* masks)
{
    if (width < 0 || height < 0 || width > formats::kMaxBmpSide || height > formats::kMaxBmpSide)
        throw EInvalidGraphic("Bitmap size " + std::to_string(width) + "x" + std::to_string(height) + " is not valid");
    FreeContext();
    m_handle.Reset();
    m_bits = nullptr;
    m_width = width;
    m_height = height;
    m_format = format;
    const int bits = BitsPerPixel(format);
    m_stride = ((width * bits + 31) / 32) * 4;
    m_palette = bits <= 8 ? (palette && !palette->empty() ? *palette : DefaultPalette(bits)) : std::vector<std::uint32_t> {};
    m_hasMasks = false;
    if (masks) {
        std::memcpy(m_masks, masks, sizeof m_masks);
        m_hasMasks = true;
    } else if (format == TPixelFormat::pf16bit) {
        const std::uint32_t m565[3] = {0xF800, 0x07E0, 0x001F};
        std::memcpy(m_masks, m565, sizeof m_masks);
        m_hasMasks = true;
    }
    if (width == 0 || height == 0) {
        Changed();
        return;
    }

    TBitmapInfoBuffer info;
    info.Header.biSize = sizeof(BITMAPINFOHEADER);
    info.Header.biWidth = width;
    info.Header.biHeight = height;  // bottom-up, like files
    info.Header.biPlanes = 1;
    info.Header.biBitCount = static_cast<WORD>(bits);
    info.Header.biCompression = m_hasMasks ? BI_BITFIELDS : BI_RGB;
    if (m_hasMasks) {
        std::memcpy(info.Colours, m_masks, sizeof m_masks);
    } else {
        info.Header.biClrUsed = static_cast<DWORD>(m_palette.size());
        for (size_t i = 0; i < m_palette.size(); ++i)
            info.Colours[i] = m_palette[i];
    }
    HBITMAP handle = CreateDIBSection(nullptr, info.Get(), DIB_RGB_COLORS, &m_bits, nullptr, 0);
    if (!handle || !m_bits)
        RaiseLastOSError("CreateDIBSection");
    m_handle.Reset(handle);
    // New bitmaps start white, as a blank canvas should.
    std::memset(m_bits, bits <= 8 ? 0 : 0xFF, static_cast<size_t>(m_stride) * static_cast<size_t>(height));
    if (bits <= 8) {
        size_t white = 0;
        for (size_t i = 0; i < m_palette.size(); ++i)
            if ((m_palette[i] & 0xFFFFFF) == 0xFFFFFF)
                white = i;
        if (white) {
            RECT all {0, 0, width, height};
            TOwnedBrush brush(CreateSolidBrush(RGB(255, 255, 255)));
            FillRect(MemoryDC(), &all, brush.Get());
            GdiFlush();
        }
    }
    Changed();
}

void TBitmap::SetSize(int width, int height)
{
    if (width == m_width && height == m_height && (m_handle || width == 0 || height == 0))
        return;
    TBitmap old;
    const bool keep = !Empty();
    if (keep)
        old.Assign(*this);
    Create(width, height, m_format, m_format <= TPixelFormat::pf8bit ? &m_palette : nullptr, nullptr);
    if (keep && m_handle)
        BitBlt(MemoryDC(), 0, 0, std::min(width, old.m_width), std::min(height, old.m_height), old.MemoryDC(), 0, 0,
               SRCCOPY);
}

void TBitmap::SetPixelFormat(TPixelFormat format)
{
    if (format == m_format)
        return;
    if (Empty()) {
        m_format = format;
        return;
    }
    TBitmap old;
    old.Assign(*this);
    Create(m_width, m_height, format, nullptr, nullptr);
    BitBlt(MemoryDC(), 0, 0, m_width, m_height, old.MemoryDC(), 0, 0, SRCCOPY);
}

void TBitmap::Assign(const TPersistent& source)
{
    auto* other = dynamic_cast<const TBitmap*>(&source);
    if (!other)
        return TGraphic::Assign(source);
    if (other == this)
        return;
    GdiFlush();
    Create(other->m_width, other->m_height, other->m_format, &other->m_palette,
           other->m_hasMasks && other->m_format != TPixelFormat::pf16bit ? other->m_masks : nullptr);
    if (m_bits && other->m_bits)
        std::memcpy(m_bits, other->m_bits, static_cast<size_t>(m_stride) * static_cast<size_t>(m_height));
    m_transparentColor = other->m_transparentColor;
    SetTransparent(other->Transparent());
    Changed();
}

std::uint8_t* TBitmap::ScanLine(int y)
{
    if (!m_bits || y < 0 || y >= m_height)
        throw EInvalidGraphic("Scan line index out of range");
    GdiFlush();
    return static_cast<std::uint8_t*>(m_bits) + static_cast<size_t>(m_height - 1 - y) * static_cast<size_t>(m_stride);
}

const std::uint8_t* TBitmap::ScanLine(int y) const { return const_cast<TBitmap*>(this)->ScanLine(y); }

TColor TBitmap::TransparentColor() const
{
    if (m_transparentColor != clDefault)
        return m_transparentColor;
    if (Empty())
        return clDefault;
    GdiFlush();
    return GetPixel(MemoryDC(), 0, m_height - 1);
}

void TBitmap::SetTransparentColor(TColor colour)
{
    m_transparentColor = colour;
    Changed();
}

void TBitmap::Draw(TCanvas& canvas, const RECT& rect)
{
    if (Empty())
        return;
    GdiFlush();
    HDC source = MemoryDC();
    const int w = rect.right - rect.left;
    const int h = rect.bottom - rect.top;
    if (Transparent())
        TransparentBlt(canvas.Handle(), rect.left, rect.top, w, h, source, 0, 0, m_width, m_height,
                       ColorToRGB(TransparentColor()));
    else if (w == m_width && h == m_height)
        BitBlt(canvas.Handle(), rect.left, rect.top, w, h, source, 0, 0, SRCCOPY);
    else
        StretchBlt(canvas.Handle(), rect.left, rect.top, w, h, source, 0, 0, m_width, m_height, SRCCOPY);
}

void TBitmap::LoadFromStream(TStream& stream)
{
    std::vector<std::uint8_t> bytes = stream.ReadRest();
    LoadFromBytes(bytes.data(), bytes.size());
}

void TBitmap::LoadFromBytes(const std::uint8_t* data, std::size_t size)
{
    formats::TBmpLayout layout;
    try {
        layout = formats::ParseBmp(data, size);
    } catch (const formats::EBmpFormat& e) {
        throw EInvalidGraphic(e.what());
    }
    const bool bitFields = layout.Compression == formats::TBmpCompression::BitFields;
    const bool masks565 = bitFields && layout.BitCount == 16 && layout.Masks[0] == 0xF800 &&
                          layout.Masks[1] == 0x07E0 && layout.Masks[2] == 0x001F;
    Create(layout.Width, layout.Height, FormatOf(layout.BitCount, masks565), &layout.Palette,
           bitFields && !masks565 ? layout.Masks : nullptr);
    const std::uint8_t* pixels = data + layout.PixelOffset;
    auto* bits = static_cast<std::uint8_t*>(m_bits);
    if (layout.TopDown) {
        for (int y = 0; y < layout.Height; ++y)
            std::memcpy(bits + static_cast<size_t>(layout.Height - 1 - y) * layout.Stride,
                        pixels + static_cast<size_t>(y) * layout.Stride, layout.Stride);
    } else {
        std::memcpy(bits, pixels, layout.PixelBytes);
    }
    Changed();
}

void TBitmap::SaveToStream(TStream& stream) const
{
    GdiFlush();
    const int bits = BitsPerPixel(m_format);
    const size_t tableBytes = m_hasMasks ? 12 : m_palette.size() * 4;
    const size_t pixelBytes = static_cast<size_t>(m_stride) * static_cast<size_t>(m_height);
    const size_t offset = 14 + 40 + tableBytes;
    BITMAPFILEHEADER file {};
    file.bfType = 0x4D42;
    file.bfSize = static_cast<DWORD>(offset + pixelBytes);
    file.bfOffBits = static_cast<DWORD>(offset);
    BITMAPINFOHEADER info {};
    info.biSize = sizeof info;
    info.biWidth = m_width;
    info.biHeight = m_height;
    info.biPlanes = 1;
    info.biBitCount = static_cast<WORD>(bits);
    info.biCompression = m_hasMasks ? BI_BITFIELDS : BI_RGB;
    info.biSizeImage = static_cast<DWORD>(pixelBytes);
    info.biClrUsed = m_hasMasks ? 0 : static_cast<DWORD>(m_palette.size());
    stream.WriteBuffer(&file, sizeof file);
    stream.WriteBuffer(&info, sizeof info);
    if (m_hasMasks)
        stream.WriteBuffer(m_masks, 12);
    else if (!m_palette.empty())
        stream.WriteBuffer(m_palette.data(), m_palette.size() * 4);
    if (m_bits)
        stream.WriteBuffer(m_bits, pixelBytes);
}

} // namespace tandrel
