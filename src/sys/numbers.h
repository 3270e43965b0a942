#pragma once
// Lenient number reading shared by settings, commands and grid cells.

#include <cstdint>
#include <optional>
#include <string_view>

namespace corvina {

// Optional leading blanks and sign, then decimal digits, or "$", "0x" or
// "0X" and up to eight hexadecimal digits (taken as 32 bits, so "$FFFFFFFF"
// is -1). Anything else, or a decimal outside 32 bits, is no number.
std::optional<std::int32_t> ParseInteger(std::string_view text);

inline std::int32_t ParseIntegerOr(std::string_view text, std::int32_t fallback) {
    return ParseInteger(text).value_or(fallback);
}

}  // namespace corvina
