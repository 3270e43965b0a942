#pragma once
// The day this program was built, as the build stamped it.

#include "sys/day_number.h"

namespace corvina {

// Midnight of the build day (UTC).
CalendarTime BuildDay();

}  // namespace corvina
