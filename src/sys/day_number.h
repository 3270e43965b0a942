#pragma once
// Day numbers: days since 30 December 1899, the fraction being the time of
// day; 0 means none. Times of the café client travel in this form.

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include "sys/big5.h"

namespace corvina {

// 0001-01-01 and the day after 9999-12-31: outside these no calendar date
// exists, and the millisecond arithmetic below stays far from overflow.
inline constexpr double kFirstDayNumber = -693593.0;
inline constexpr double kEndDayNumber = 2958466.0;

// A decimal number within the calendar, or 0: a time nobody can show or
// set the clock to is taken as none.
double ParseDayNumber(std::string_view text, char decimalSeparator);

struct DayAndTime {
    std::int64_t days = 0;          // whole days, toward zero
    std::int64_t milliseconds = 0;  // since midnight, 0 to 86399999
};

// Rounded to the millisecond; values outside the calendar are clamped.
DayAndTime SplitDayNumber(double value);

// (milliseconds of a - milliseconds of b) / 1000, truncated, plus
// (days of a - days of b) * 86400.
std::int64_t SecondsBetween(double a, double b);

struct CalendarTime {
    int year = 1899;
    int month = 12;  // 1 to 12
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;

    friend bool operator==(const CalendarTime&, const CalendarTime&) = default;
};

// Nothing outside the calendar.
std::optional<CalendarTime> CalendarFromDayNumber(double value);
double DayNumberFromCalendar(const CalendarTime& time);

// "------- --- ---- ---- ---- ---- ---", shown for no time.
Big5 NoDateTimeText();

// The date and time text of a label: `format` turns a calendar time into
// the PC's short date and long time; 0 or less gives NoDateTimeText().
using DateTimeFormat = std::function<Big5(const CalendarTime&)>;
Big5 ShowDateTime(double value, const DateTimeFormat& format);

}  // namespace corvina
