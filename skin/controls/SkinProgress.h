#pragma once
// Progress bars: the whole control is painted from the skin's Progress
// element, as a stretched bar over a background or as a row of chunks.

#include "skin/controls/SkinControl.h"

namespace tandrel {

class TSkinProgress : public TSkinControl {
public:
    explicit TSkinProgress(TComponent* owner) : TSkinControl(owner) {}
    const char* ClassName() const override { return "TSkinProgress"; }

    bool BeforeMessage(TMessage& message) override;
    void DrawControl(HDC dc, const RECT& rect) override;
    // Forgets the composed bar: the skin changed.
    void Refresh() override;

private:
    bool CanDraw() const;

    // What the composed bar shows: the filled part on its ground.
    struct TFaceKey {
        TPictureGround Ground;
        bool Chunks = false;
        bool Vertical = false;
        TSkinRect Filled {};
        bool operator==(const TFaceKey&) const = default;
    };
    TKeptPicture<TFaceKey> m_face;
};

} // namespace tandrel
