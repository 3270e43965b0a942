#include "sys/build_day.h"

#ifndef CORVINA_BUILD_DAY
#error "the build sets CORVINA_BUILD_DAY to yyyymmdd"
#endif

namespace corvina {

CalendarTime BuildDay() {
    constexpr long kStamp = CORVINA_BUILD_DAY;
    CalendarTime day;
    day.year = static_cast<int>(kStamp / 10000);
    day.month = static_cast<int>(kStamp / 100 % 100);
    day.day = static_cast<int>(kStamp % 100);
    return day;
}

}  // namespace corvina
