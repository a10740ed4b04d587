#pragma once
// Holds one graphic of any kind: bitmap or icon.

#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Icon.h"

#include <functional>
#include <memory>

namespace tandrel {

class TPicture final : public TPersistent {
public:
    const char* ClassName() const override { return "TPicture"; }
    void Assign(const TPersistent& source) override;
    // className is "TBitmap" or "TIcon".
    void ReadBinaryData(const std::string& className, const std::vector<unsigned char>& bytes) override;

    TGraphic* Graphic() const { return m_graphic.get(); }
    void SetGraphic(std::unique_ptr<TGraphic> graphic);
    TBitmap& Bitmap();  // replaces another kind of graphic with an empty bitmap
    int Width() const { return m_graphic ? m_graphic->Width() : 0; }
    int Height() const { return m_graphic ? m_graphic->Height() : 0; }
    void LoadFromFile(const std::wstring& fileName);  // by extension: .bmp or .ico

    std::function<void()> OnChange;

private:
    void Changed();
    std::unique_ptr<TGraphic> m_graphic;
};

} // namespace tandrel
