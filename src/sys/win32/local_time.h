#pragma once
// The PC's clock and its regional formats, for windows that show or set
// times given as day numbers.

#include <windows.h>

#include <optional>

#include "sys/big5.h"
#include "sys/day_number.h"

namespace corvina {

CalendarTime LocalCalendarNow();
// The local time now as a day number.
double LocalNowDayNumber();

// Nothing outside the calendar (or before 1601, which Windows cannot set).
std::optional<SYSTEMTIME> SystemTimeFromDayNumber(double value);

// The PC's short date and long time: "2023/3/14 下午 01:30:00".
Big5 ShortDateLongTimeText(const CalendarTime& time);
// The PC's long time of the local time now.
Big5 LongTimeNowText();

// The PC's decimal separator; "." when it is not one ASCII character.
char LocaleDecimalSeparator();

}  // namespace corvina
