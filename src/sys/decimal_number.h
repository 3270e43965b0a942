#pragma once
// Lenient decimal numbers of the café data: prices, times, grid cells. The
// decimal separator is the PC's, handed in; the whole text must be a number
// or the caller's default applies.

#include <cstdint>
#include <optional>
#include <string_view>

namespace corvina {

// Ten-thousandths of the money unit.
using Money = std::int64_t;
inline constexpr Money kMoneyUnit = 10000;

// Blanks around, a sign, digits with at most one separator, an optional
// exponent ("1.5e3"). No thousands separators, no "inf" or "nan".
std::optional<double> ParseDecimal(std::string_view text, char decimalSeparator);

// The same grammar read exactly into ten-thousandths, ties rounded to even
// (0.00005 is 0, 0.00015 is 2). Nothing when the text is no number or the
// amount does not fit 64 bits.
std::optional<Money> ParseMoney(std::string_view text, char decimalSeparator);

inline Money ParseMoneyOr0(std::string_view text, char decimalSeparator) {
    return ParseMoney(text, decimalSeparator).value_or(0);
}

}  // namespace corvina
