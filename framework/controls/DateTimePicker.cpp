#include "framework/controls/DateTimePicker.h"

#include "framework/core/Publisher.h"

#include <commctrl.h>

#include <cstdio>
#include <cwchar>

namespace tandrel {

namespace {
const TEnumInfo kKinds {{"dtkDate", "dtkTime"}};
const TEnumInfo kDateModes {{"dmComboBox", "dmUpDown"}};

unsigned DaysIn(unsigned year, unsigned month)
{
    static constexpr unsigned days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    bool const leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}
} // namespace

const TClassInfo& TDateTimePicker::StaticClassInfo()
{
    static const TClassInfo info = [] {
        TClassInfo i("TDateTimePicker", &TWinControl::StaticClassInfo());
        TPublisher<TDateTimePicker>(i)
            .Enumeration("Kind", kKinds, &TDateTimePicker::Kind, &TDateTimePicker::SetKind)
            .Enumeration("DateMode", kDateModes, &TDateTimePicker::DateMode, &TDateTimePicker::SetDateMode)
            .String("DateTime", &TDateTimePicker::DateTimeText, &TDateTimePicker::SetDateTimeText)
            .Event("OnChange", &TDateTimePicker::OnChange);
        return i;
    }();
    return info;
}

TDateTimePicker::TDateTimePicker(TComponent* owner) : TChangingControl(owner)
{
    m_controlStyle = csSetCaption | csDoubleClicks;
    SetColor(clWindow);
    SetTabStop(true);
    SetBounds(0, 0, 186, 21);
    GetLocalTime(&m_value);
    m_value.wMilliseconds = 0;
}

void TDateTimePicker::CreateParams(TCreateParams& p)
{
    TWinControl::CreateParams(p);
    p.BaseClassName = DATETIMEPICK_CLASSW;
    p.CommonControlClasses = ICC_DATE_CLASSES;
    p.Caption.clear();
    if (m_kind == TDateTimeKind::dtkTime)
        p.Style |= DTS_TIMEFORMAT;
    else if (m_dateMode == TDTDateMode::dmUpDown)
        p.Style |= DTS_UPDOWN;
    p.ExStyle |= WS_EX_CLIENTEDGE;
}

void TDateTimePicker::InitializeWindow()
{
    TWinControl::InitializeWindow();
    SendMessageW(Handle(), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&m_value));
}

void TDateTimePicker::SaveWindowState()
{
    TWinControl::SaveWindowState();
    m_value = DateTime();
}

SYSTEMTIME TDateTimePicker::DateTime() const
{
    if (!HandleAllocated())
        return m_value;
    SYSTEMTIME value {};
    if (SendMessageW(Handle(), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&value)) != GDT_VALID)
        return m_value;
    return value;
}

void TDateTimePicker::SetDateTime(const SYSTEMTIME& value)
{
    m_value = value;
    if (HandleAllocated())
        SendMessageW(Handle(), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&m_value));
}

std::wstring TDateTimePicker::DateTimeText() const
{
    SYSTEMTIME const t = DateTime();
    wchar_t text[32] {};
    std::swprintf(text, 32, L"%04u-%02u-%02uT%02u:%02u:%02u", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute,
                  t.wSecond);
    return text;
}

// Text that does not read as a date and time leaves the value as it was.
void TDateTimePicker::SetDateTimeText(const std::wstring& text)
{
    unsigned year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    int const read = std::swscanf(text.c_str(), L"%4u-%2u-%2uT%2u:%2u:%2u", &year, &month, &day, &hour, &minute,
                                  &second);
    if (read != 3 && read != 6)
        return;
    if (year < 1601 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysIn(year, month) ||
        hour > 23 || minute > 59 || second > 59)
        return;
    SYSTEMTIME value {};
    value.wYear = static_cast<WORD>(year);
    value.wMonth = static_cast<WORD>(month);
    value.wDay = static_cast<WORD>(day);
    value.wHour = static_cast<WORD>(hour);
    value.wMinute = static_cast<WORD>(minute);
    value.wSecond = static_cast<WORD>(second);
    // The round trip through a file time fills in the day of the week.
    FILETIME file {};
    if (!SystemTimeToFileTime(&value, &file) || !FileTimeToSystemTime(&file, &value))
        return;
    SetDateTime(value);
}

void TDateTimePicker::SetKind(TDateTimeKind kind) { SetWindowProperty(m_kind, kind); }

void TDateTimePicker::SetDateMode(TDTDateMode mode) { SetWindowProperty(m_dateMode, mode); }

LRESULT TDateTimePicker::ReflectedNotify(NMHDR& header)
{
    if (header.code == DTN_DATETIMECHANGE) {
        m_value = DateTime();
        Change();
    }
    return 0;
}

} // namespace tandrel
