#include "framework/graphics/Graphic.h"

#include "framework/core/Streams.h"

namespace tandrel {

void TGraphic::LoadFromFile(const std::wstring& fileName)
{
    TFileStream stream(fileName, TFileStream::TMode::fmOpenRead);
    LoadFromStream(stream);
}

void TGraphic::SaveToFile(const std::wstring& fileName) const
{
    TFileStream stream(fileName, TFileStream::TMode::fmCreate);
    SaveToStream(stream);
}

void TGraphic::ReadBinaryData(const std::string&, const std::vector<unsigned char>& bytes)
{
    TMemoryStream stream(bytes);
    LoadFromStream(stream);
}

void TGraphic::SetTransparent(bool transparent)
{
    if (transparent != m_transparent) {
        m_transparent = transparent;
        Changed();
    }
}

void TGraphic::Changed()
{
    if (OnChange)
        OnChange();
}

} // namespace tandrel
