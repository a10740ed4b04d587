#pragma once
// Base of pictures that can draw themselves on a canvas.

#include "framework/core/Object.h"

#include <windows.h>

#include <functional>
#include <string>

namespace tandrel {

class TCanvas;
class TStream;

class TGraphic : public TPersistent {
public:
    const char* ClassName() const override { return "TGraphic"; }

    virtual bool Empty() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual void Draw(TCanvas& canvas, const RECT& rect) = 0;
    virtual void LoadFromStream(TStream& stream) = 0;
    virtual void SaveToStream(TStream& stream) const = 0;

    // Raises EFOpenError (full path and the system's reason) or EInvalidGraphic.
    void LoadFromFile(const std::wstring& fileName);
    void SaveToFile(const std::wstring& fileName) const;
    void ReadBinaryData(const std::string& className, const std::vector<unsigned char>& bytes) override;

    bool Transparent() const { return m_transparent; }
    virtual void SetTransparent(bool transparent);

    std::function<void()> OnChange;

protected:
    void Changed();

private:
    bool m_transparent = false;
};

} // namespace tandrel
