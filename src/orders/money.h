#pragma once
// Money and cell texts as the ordering window shows them.

#include <string_view>

#include "sys/big5.h"
#include "sys/decimal_number.h"

namespace corvina {

// The amount in money units with `decimals` places (half away from zero),
// "," between groups of three digits before the point, `prefix` in front:
// FormatMoney(12345000, 2, "$") is "$1,234.50". The sign stands before the
// digits and is never grouped ("-1,234", not "-,1,234" or "-,123").
Big5 FormatMoney(Money value, int decimals, std::string_view prefix);

// Blanks in front up to `width` bytes; a longer text stays as it is.
Big5 PadLeft(std::string_view text, std::size_t width);

// The running total under the goods grid: "$1,234.50".
Big5 TotalText(Money total);

}  // namespace corvina
