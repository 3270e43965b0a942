#include "sys/day_number.h"

#include <algorithm>
#include <cmath>

#include "sys/decimal_number.h"

namespace corvina {

namespace {

constexpr std::int64_t kMsPerDay = 86400000;
// 1899-12-30 counted from 1970-01-01.
constexpr std::int64_t kEpochShift = -25569;

// Days since 1970-01-01 of a proleptic Gregorian date, and back.
std::int64_t DaysFromCivil(std::int64_t y, int m, int d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilFromDays(std::int64_t z, CalendarTime& out) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const std::int64_t d = doy - (153 * mp + 2) / 5 + 1;
    const std::int64_t m = mp < 10 ? mp + 3 : mp - 9;
    out.year = static_cast<int>(yoe + era * 400 + (m <= 2));
    out.month = static_cast<int>(m);
    out.day = static_cast<int>(d);
}

bool InCalendar(double value) { return value >= kFirstDayNumber && value < kEndDayNumber; }

}  // namespace

double ParseDayNumber(std::string_view text, char decimalSeparator) {
    const std::optional<double> value = ParseDecimal(text, decimalSeparator);
    return value && InCalendar(*value) ? *value : 0.0;
}

DayAndTime SplitDayNumber(double value) {
    if (!(value >= kFirstDayNumber)) value = kFirstDayNumber;  // NaN too
    value = std::min(value, kEndDayNumber);
    const auto total = static_cast<std::int64_t>(std::llround(value * static_cast<double>(kMsPerDay)));
    // Before 1899-12-30 the fraction still counts forward from midnight.
    return {total / kMsPerDay, std::abs(total % kMsPerDay)};
}

std::int64_t SecondsBetween(double a, double b) {
    const DayAndTime first = SplitDayNumber(a);
    const DayAndTime second = SplitDayNumber(b);
    return (first.milliseconds - second.milliseconds) / 1000 + (first.days - second.days) * 86400;
}

std::optional<CalendarTime> CalendarFromDayNumber(double value) {
    if (!InCalendar(value)) return std::nullopt;
    const DayAndTime split = SplitDayNumber(value);
    if (split.days + kEpochShift >= DaysFromCivil(10000, 1, 1)) return std::nullopt;  // rounded past the end
    CalendarTime time;
    CivilFromDays(split.days + kEpochShift, time);
    time.hour = static_cast<int>(split.milliseconds / 3600000);
    time.minute = static_cast<int>(split.milliseconds / 60000 % 60);
    time.second = static_cast<int>(split.milliseconds / 1000 % 60);
    time.millisecond = static_cast<int>(split.milliseconds % 1000);
    return time;
}

double DayNumberFromCalendar(const CalendarTime& time) {
    const std::int64_t days = DaysFromCivil(time.year, time.month, time.day) - kEpochShift;
    const double fraction =
        static_cast<double>(((time.hour * 60 + time.minute) * 60 + time.second) * 1000 + time.millisecond) /
        static_cast<double>(kMsPerDay);
    return days >= 0 ? static_cast<double>(days) + fraction : static_cast<double>(days) - fraction;
}

Big5 NoDateTimeText() { return "------- --- ---- ---- ---- ---- ---"; }

Big5 ShowDateTime(double value, const DateTimeFormat& format) {
    if (!(value > 0)) return NoDateTimeText();
    const std::optional<CalendarTime> time = CalendarFromDayNumber(value);
    return time ? format(*time) : NoDateTimeText();
}

}  // namespace corvina
