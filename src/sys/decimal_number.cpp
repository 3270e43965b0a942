#include "sys/decimal_number.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

#include "sys/strings.h"

namespace corvina {

namespace {

// A decimal text as digits × 10^scale, digits without leading zeros.
struct DecimalParts {
    bool negative = false;
    std::string digits;
    std::int64_t scale = 0;
};

// Far beyond any double or money amount, small enough never to overflow.
constexpr std::int64_t kExponentClamp = 100000;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::optional<DecimalParts> ScanDecimal(std::string_view text, char separator) {
    text = TrimBlanks(text);
    DecimalParts parts;
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        parts.negative = text[pos] == '-';
        ++pos;
    }
    bool anyDigit = false;
    bool afterSeparator = false;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (IsDigit(c)) {
            anyDigit = true;
            if (!parts.digits.empty() || c != '0') parts.digits += c;
            if (afterSeparator) --parts.scale;
        } else if (c == separator && !afterSeparator) {
            afterSeparator = true;
        } else {
            break;
        }
    }
    if (!anyDigit) return std::nullopt;
    if (pos < text.size()) {
        if (text[pos] != 'e' && text[pos] != 'E') return std::nullopt;
        ++pos;
        bool negativeExponent = false;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
            negativeExponent = text[pos] == '-';
            ++pos;
        }
        if (pos == text.size()) return std::nullopt;
        std::int64_t exponent = 0;
        for (; pos < text.size(); ++pos) {
            if (!IsDigit(text[pos])) return std::nullopt;
            exponent = std::min(exponent * 10 + (text[pos] - '0'), kExponentClamp);
        }
        parts.scale += negativeExponent ? -exponent : exponent;
    }
    return parts;
}

}  // namespace

std::optional<double> ParseDecimal(std::string_view text, char decimalSeparator) {
    const std::optional<DecimalParts> parts = ScanDecimal(text, decimalSeparator);
    if (!parts) return std::nullopt;
    if (parts->digits.empty()) return parts->negative ? -0.0 : 0.0;
    // Rewritten in the one form from_chars reads, whatever the separator.
    const std::string normal = parts->digits + 'e' + std::to_string(parts->scale);
    double value = 0;
    const auto [end, error] = std::from_chars(normal.data(), normal.data() + normal.size(), value);
    if (error == std::errc::result_out_of_range && static_cast<std::int64_t>(parts->digits.size()) + parts->scale < 0) {
        value = 0;  // too small for a double: as good as 0, and surely a number
    } else if (error != std::errc{} || end != normal.data() + normal.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return parts->negative ? -value : value;
}

std::optional<Money> ParseMoney(std::string_view text, char decimalSeparator) {
    const std::optional<DecimalParts> parts = ScanDecimal(text, decimalSeparator);
    if (!parts) return std::nullopt;
    const std::string& digits = parts->digits;
    const std::int64_t scale = parts->scale + 4;  // to ten-thousandths

    // Whole part: all digits when scale >= 0, else the digits before the cut.
    const std::int64_t count = static_cast<std::int64_t>(digits.size());
    const std::int64_t whole = scale >= 0 ? count : std::max<std::int64_t>(0, count + scale);
    if (whole + std::max<std::int64_t>(scale, 0) > 19) return std::nullopt;

    constexpr auto kMax = static_cast<std::uint64_t>(std::numeric_limits<Money>::max());
    std::uint64_t magnitude = 0;
    auto append = [&](int digit) {
        if (magnitude > (kMax - static_cast<std::uint64_t>(digit)) / 10) return false;
        magnitude = magnitude * 10 + static_cast<std::uint64_t>(digit);
        return true;
    };
    for (std::int64_t i = 0; i < whole; ++i) {
        if (!append(digits[static_cast<std::size_t>(i)] - '0')) return std::nullopt;
    }
    for (std::int64_t i = 0; i < scale; ++i) {
        if (!append(0)) return std::nullopt;
    }
    if (scale < 0 && count > 0) {
        // The first dropped digit decides; a zero stands there when the
        // number is smaller than a tenth of the last kept place.
        const bool zerosBefore = -scale > count;
        const char rounding = zerosBefore ? '0' : digits[static_cast<std::size_t>(whole)];
        const std::string_view rest = zerosBefore
                                          ? std::string_view(digits)
                                          : std::string_view(digits).substr(static_cast<std::size_t>(whole) + 1);
        const bool restNonZero = rest.find_first_not_of('0') != std::string_view::npos;
        const bool up = rounding > '5' || (rounding == '5' && (restNonZero || magnitude % 2 == 1));
        if (up) {
            if (magnitude == kMax) return std::nullopt;
            ++magnitude;
        }
    }
    const auto value = static_cast<Money>(magnitude);
    return parts->negative ? -value : value;
}

}  // namespace corvina
