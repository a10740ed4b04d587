#include "framework/graphics/Icon.h"

#include "framework/core/ScopeGuard.h"

#include "framework/graphics/Canvas.h"
#include "framework/core/Streams.h"
#include "framework/core/SysUtils.h"
#include "framework/graphics/formats/IcoFormat.h"

namespace tandrel {

void TIcon::Assign(const TPersistent& source)
{
    auto* other = dynamic_cast<const TIcon*>(&source);
    if (!other)
        return TGraphic::Assign(source);
    if (other != this) {
        if (other->m_data.empty()) {
            m_handle.Reset();
            m_data.clear();
            m_width = m_height = 0;
            Changed();
        } else {
            LoadFromBytes(other->m_data);
        }
    }
}

namespace {

// An icon of the file's image nearest to `wanted`, made `size` square by the
// system as LoadImage would, or at the image's own size when `size` is 0.
HICON MakeIconOf(const std::vector<std::uint8_t>& data, int wanted, int size, formats::TIcoImage& chosen)
{
    std::vector<formats::TIcoImage> images;
    try {
        images = formats::ParseIco(data.data(), data.size());
    } catch (const formats::EIcoFormat& e) {
        throw EInvalidGraphic(e.what());
    }
    chosen = formats::ChooseIcoImage(images, wanted);
    // The image bytes are checked above; the system makes the icon from them.
    HICON icon = CreateIconFromResourceEx(const_cast<PBYTE>(data.data() + chosen.Offset),
                                          static_cast<DWORD>(chosen.Size), TRUE, 0x00030000,
                                          size ? size : chosen.Width, size ? size : chosen.Height, LR_DEFAULTCOLOR);
    if (!icon)
        throw EInvalidGraphic("Icon image is not valid: the system could not make an icon of it");
    return icon;
}

} // namespace

HICON TIcon::MakeIcon(int wanted, int* width, int* height) const
{
    formats::TIcoImage image {};
    HICON icon = MakeIconOf(m_data, wanted, 0, image);
    if (width)
        *width = image.Width;
    if (height)
        *height = image.Height;
    return icon;
}

void TIcon::LoadFromBytes(std::vector<std::uint8_t> bytes)
{
    std::vector<std::uint8_t> previous = std::move(m_data);
    m_data = std::move(bytes);
    {
        auto const restore = OnScopeFail([&] { m_data = std::move(previous); });
        int width = 0, height = 0;
        HICON icon = MakeIcon(GetSystemMetrics(SM_CXICON), &width, &height);
        m_handle.Reset(icon);
        m_width = width;
        m_height = height;
    }
    Changed();
}

HICON TIcon::CreateHandleOfSize(int size) const
{
    if (m_data.empty())
        return nullptr;
    formats::TIcoImage image {};
    return MakeIconOf(m_data, size, size, image);
}

void TIcon::LoadFromStream(TStream& stream) { LoadFromBytes(stream.ReadRest()); }

void TIcon::SaveToStream(TStream& stream) const { stream.WriteBuffer(m_data.data(), m_data.size()); }

void TIcon::Draw(TCanvas& canvas, const RECT& rect)
{
    if (m_handle)
        DrawIconEx(canvas.Handle(), rect.left, rect.top, m_handle.Get(), rect.right - rect.left,
                   rect.bottom - rect.top, 0, nullptr, DI_NORMAL);
}

} // namespace tandrel
