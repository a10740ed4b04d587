#pragma once
// The system up-down control (spin button): steps a position between two
// limits, and shows it in a buddy control it is associated with.

#include "framework/controls/RangeControl.h"

#include <functional>

namespace tandrel {

enum class TUDOrientation { udVertical, udHorizontal };
enum class TUDBtnType { btNext, btPrev };
using TUDClickEvent = std::function<void(TObject* sender, TUDBtnType button)>;

class TCustomUpDown : public TRangeControl {
public:
    explicit TCustomUpDown(TComponent* owner);
    ~TCustomUpDown() override;
    const char* ClassName() const override { return "TCustomUpDown"; }
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();

    // Kept within the limits, whichever way round they are.
    void SetPosition(int value) override;
    int Increment() const { return m_increment; }
    void SetIncrement(int value);
    bool Wrap() const { return m_wrap; }
    void SetWrap(bool wrap);
    TUDOrientation Orientation() const { return m_orientation; }
    void SetOrientation(TUDOrientation orientation);
    // The buddy whose text shows the position; the up-down sits at its right.
    TWinControl* Associate() const { return m_associate; }
    void SetAssociate(TWinControl* buddy);

    // A button was clicked and the position stepped.
    TUDClickEvent OnClick;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWindow() override;
    void PutRange() override;
    void PutPosition(int value) override;
    bool ReadPosition(int& value) const override;
    LRESULT ReflectedNotify(NMHDR& header) override;
    void WndProc(TMessage& message) override;
    void Notification(TComponent* component, TOperation operation) override;
    virtual void Click(TUDBtnType button);

private:
    void SendBuddy();
    void OnReflectedScroll(TMessage& m);

    int m_increment = 1;
    bool m_wrap = false;
    TUDOrientation m_orientation = TUDOrientation::udVertical;
    TWinControl* m_associate = nullptr;
    int m_lastDelta = 0;
};

class TUpDown : public TCustomUpDown {
public:
    explicit TUpDown(TComponent* owner) : TCustomUpDown(owner) {}
    const char* ClassName() const override { return "TUpDown"; }
};

} // namespace tandrel
