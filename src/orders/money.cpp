#include "orders/money.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace corvina {

namespace {

// More places than ten-thousandths only add zeros; this keeps them bounded.
constexpr int kMaxDecimals = 18;

std::string GroupThousands(const std::string& digits) {
    std::string grouped;
    const std::size_t count = digits.size();
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0 && (count - i) % 3 == 0) grouped += ',';
        grouped += digits[i];
    }
    return grouped;
}

}  // namespace

Big5 FormatMoney(Money value, int decimals, std::string_view prefix) {
    decimals = std::clamp(decimals, 0, kMaxDecimals);
    // Unsigned magnitude: the most negative amount has no positive twin.
    const std::uint64_t magnitude =
        value < 0 ? 0u - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    constexpr auto kUnit = static_cast<std::uint64_t>(kMoneyUnit);

    std::uint64_t units = magnitude / kUnit;
    std::uint64_t fraction = magnitude % kUnit;  // of kUnit
    const int shownPlaces = std::min(decimals, 4);
    std::uint64_t divisor = 1;
    for (int i = shownPlaces; i < 4; ++i) divisor *= 10;
    std::uint64_t shown = fraction / divisor;
    if (fraction % divisor * 2 >= divisor && divisor > 1) {
        ++shown;
        if (shown == kUnit / divisor) {
            shown = 0;
            ++units;
        }
    }

    std::string text(prefix);
    if (value < 0 && (units != 0 || shown != 0)) text += '-';
    text += GroupThousands(std::to_string(units));
    if (decimals > 0) {
        std::string places = std::to_string(shown);
        places.insert(0, static_cast<std::size_t>(shownPlaces) - places.size(), '0');
        places.append(static_cast<std::size_t>(decimals - shownPlaces), '0');
        text += '.';
        text += places;
    }
    return text;
}

Big5 PadLeft(std::string_view text, std::size_t width) {
    Big5 padded;
    if (text.size() < width) padded.assign(width - text.size(), ' ');
    padded += text;
    return padded;
}

Big5 TotalText(Money total) { return FormatMoney(total, 2, "$"); }

}  // namespace corvina
