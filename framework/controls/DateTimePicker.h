#pragma once
// The system date and time picker: a date with a drop-down calendar, or a
// time (or date) stepped by a spin button.

#include "framework/controls/ChangingControl.h"

#include <cstdint>
#include <string>

namespace tandrel {

enum class TDateTimeKind { dtkDate, dtkTime };
// How the date is chosen; one byte, as stored in form definitions.
enum class TDTDateMode : std::uint8_t { dmComboBox = 0, dmUpDown = 1 };

class TDateTimePicker : public TChangingControl {
public:
    explicit TDateTimePicker(TComponent* owner);
    const char* ClassName() const override { return "TDateTimePicker"; }
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();

    TDateTimeKind Kind() const { return m_kind; }
    void SetKind(TDateTimeKind kind);
    TDTDateMode DateMode() const { return m_dateMode; }
    void SetDateMode(TDTDateMode mode);
    // The value, read from the window once it exists.
    SYSTEMTIME DateTime() const;
    void SetDateTime(const SYSTEMTIME& value);
    // The value as "YYYY-MM-DDTHH:MM:SS", the form definitions' way.
    std::wstring DateTimeText() const;
    void SetDateTimeText(const std::wstring& text);

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWindow() override;
    void SaveWindowState() override;
    LRESULT ReflectedNotify(NMHDR& header) override;

private:
    TDateTimeKind m_kind = TDateTimeKind::dtkDate;
    TDTDateMode m_dateMode = TDTDateMode::dmComboBox;
    SYSTEMTIME m_value {};
};

} // namespace tandrel
