#include "sys/win32/local_time.h"

#include <string>

#include "sys/text.h"

namespace corvina {

namespace {

constexpr int kFirstWindowsYear = 1601;

std::wstring DateText(const SYSTEMTIME& time) {
    wchar_t text[128]{};
    const int length = GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &time, nullptr, text, 128);
    return length > 0 ? std::wstring(text) : std::wstring();
}

// A null time is the local time now.
std::wstring TimeText(const SYSTEMTIME* time) {
    wchar_t text[128]{};
    const int length = GetTimeFormatW(LOCALE_USER_DEFAULT, 0, time, nullptr, text, 128);
    return length > 0 ? std::wstring(text) : std::wstring();
}

SYSTEMTIME SystemTimeOf(const CalendarTime& time) {
    SYSTEMTIME system{};
    system.wYear = static_cast<WORD>(time.year);
    system.wMonth = static_cast<WORD>(time.month);
    system.wDay = static_cast<WORD>(time.day);
    system.wHour = static_cast<WORD>(time.hour);
    system.wMinute = static_cast<WORD>(time.minute);
    system.wSecond = static_cast<WORD>(time.second);
    system.wMilliseconds = static_cast<WORD>(time.millisecond);
    // The day of the week is filled in from the date.
    FILETIME file{};
    if (SystemTimeToFileTime(&system, &file)) FileTimeToSystemTime(&file, &system);
    return system;
}

}  // namespace

CalendarTime LocalCalendarNow() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond, now.wMilliseconds};
}

double LocalNowDayNumber() { return DayNumberFromCalendar(LocalCalendarNow()); }

std::optional<SYSTEMTIME> SystemTimeFromDayNumber(double value) {
    const std::optional<CalendarTime> time = CalendarFromDayNumber(value);
    if (!time || time->year < kFirstWindowsYear) return std::nullopt;
    return SystemTimeOf(*time);
}

Big5 ShortDateLongTimeText(const CalendarTime& time) {
    const SYSTEMTIME system = SystemTimeOf(time);
    std::wstring text = DateText(system);
    text.append(L" ");
    text.append(TimeText(&system));
    return Big5FromWide(text);
}

Big5 LongTimeNowText() { return Big5FromWide(TimeText(nullptr)); }

char LocaleDecimalSeparator() {
    wchar_t separator[8]{};
    const int length = GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8);
    if (length == 2 && separator[0] > 0 && separator[0] < 0x80) return static_cast<char>(separator[0]);
    return '.';
}

}  // namespace corvina
