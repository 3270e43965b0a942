#include "sys/numbers.h"

namespace corvina {

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::optional<std::int32_t> ParseInteger(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ') ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    bool hex = false;
    if (pos < text.size() && text[pos] == '$') {
        hex = true;
        ++pos;
    } else if (pos + 1 < text.size() && text[pos] == '0' && (text[pos + 1] == 'x' || text[pos + 1] == 'X')) {
        hex = true;
        pos += 2;
    }
    if (pos >= text.size()) return std::nullopt;

    std::uint64_t magnitude = 0;
    const std::size_t digits = text.size() - pos;
    if (hex) {
        if (digits > 8) return std::nullopt;
        for (; pos < text.size(); ++pos) {
            const int digit = HexDigit(text[pos]);
            if (digit < 0) return std::nullopt;
            magnitude = magnitude * 16 + static_cast<std::uint64_t>(digit);
        }
        auto value = static_cast<std::uint32_t>(magnitude);
        if (negative) value = 0u - value;
        return static_cast<std::int32_t>(value);
    }
    if (digits > 10) return std::nullopt;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c < '0' || c > '9') return std::nullopt;
        magnitude = magnitude * 10 + static_cast<std::uint64_t>(c - '0');
    }
    const std::uint64_t limit = negative ? 2147483648u : 2147483647u;
    if (magnitude > limit) return std::nullopt;
    return negative ? static_cast<std::int32_t>(-static_cast<std::int64_t>(magnitude))
                    : static_cast<std::int32_t>(magnitude);
}

}  // namespace corvina
