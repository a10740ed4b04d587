#include "framework/graphics/Picture.h"

#include "framework/core/Streams.h"
#include "framework/core/SysUtils.h"

namespace tandrel {

namespace {
std::unique_ptr<TGraphic> MakeGraphic(const std::string& className)
{
    if (className == "TBitmap")
        return std::make_unique<TBitmap>();
    if (className == "TIcon")
        return std::make_unique<TIcon>();
    throw EInvalidGraphic("Unknown picture kind " + className);
}
} // namespace

void TPicture::Assign(const TPersistent& source)
{
    if (auto* picture = dynamic_cast<const TPicture*>(&source)) {
        if (picture == this)
            return;
        if (!picture->m_graphic)
            return SetGraphic(nullptr);
        auto copy = MakeGraphic(picture->m_graphic->ClassName());
        copy->Assign(*picture->m_graphic);
        return SetGraphic(std::move(copy));
    }
    if (auto* graphic = dynamic_cast<const TGraphic*>(&source)) {
        auto copy = MakeGraphic(graphic->ClassName());
        copy->Assign(*graphic);
        return SetGraphic(std::move(copy));
    }
    TPersistent::Assign(source);
}

void TPicture::ReadBinaryData(const std::string& className, const std::vector<unsigned char>& bytes)
{
    auto graphic = MakeGraphic(className.empty() ? "TBitmap" : className);
    graphic->ReadBinaryData(className, bytes);
    SetGraphic(std::move(graphic));
}

void TPicture::SetGraphic(std::unique_ptr<TGraphic> graphic)
{
    m_graphic = std::move(graphic);
    if (m_graphic)
        m_graphic->OnChange = [this] { Changed(); };
    Changed();
}

TBitmap& TPicture::Bitmap()
{
    if (!dynamic_cast<TBitmap*>(m_graphic.get()))
        SetGraphic(std::make_unique<TBitmap>());
    return static_cast<TBitmap&>(*m_graphic);
}

void TPicture::LoadFromFile(const std::wstring& fileName)
{
    std::wstring lower = fileName;
    for (wchar_t& c : lower)
        c = static_cast<wchar_t>(towlower(c));
    auto graphic = MakeGraphic(lower.size() > 4 && lower.ends_with(L".ico") ? "TIcon" : "TBitmap");
    graphic->LoadFromFile(fileName);
    SetGraphic(std::move(graphic));
}

void TPicture::Changed()
{
    if (OnChange)
        OnChange();
}

} // namespace tandrel
