#pragma once
// The start-up test for the café system: its installation leaves a registry
// key, and without it the customer is told whom to call. Ordering stays on.

#include <string_view>

#include "sys/big5.h"

namespace corvina {

// Under HKEY_CURRENT_USER; only its existence counts.
inline constexpr std::string_view kCafeSystemKey = "Software\\Rostik";

// The information box shown once per start when the key is missing.
Big5 CafeSystemMissingMessage();

}  // namespace corvina
