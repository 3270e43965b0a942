#include "widgets/edit_format.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <utility>

#include "sys/decimal_number.h"
#include "sys/numbers.h"

namespace corvina {

namespace {

// ---- Key filter ------------------------------------------------------

bool InRange(wchar_t key, wchar_t first, wchar_t last) { return key >= first && key <= last; }

wchar_t Shifted(wchar_t key, wchar_t from, wchar_t to) { return static_cast<wchar_t>(key - from + to); }

// "+" or "-": only at the start of a text without a sign; against the
// other sign already at the start the caret jumps behind it.
FilteredKey FilterSign(wchar_t sign, wchar_t other, std::wstring_view text, std::size_t selectionStart) {
    if (selectionStart != 0 || text.find(other) != std::wstring_view::npos) return {};
    const std::size_t same = text.find(sign);
    if (same == std::wstring_view::npos) return {sign, std::nullopt};
    return {0, same + 1};
}

FilteredKey FilterNumberKey(wchar_t key, std::wstring_view text, std::size_t selectionStart) {
    if (InRange(key, 0, 32) || InRange(key, L'0', L'9')) return {key, std::nullopt};
    if (key == L'+') return FilterSign(L'+', L'-', text, selectionStart);
    if (key == L'-') return FilterSign(L'-', L'+', text, selectionStart);
    if (key == L'.') {
        const std::size_t point = text.find(L'.');
        if (point == std::wstring_view::npos) return {key, std::nullopt};
        return {0, point + 1};
    }
    return {};
}

// ---- Display format -------------------------------------------------------

constexpr int kMaxWidthOrPrecision = 255;

struct Conversion {
    std::size_t begin = 0;  // the "%"
    std::size_t end = 0;    // after the conversion letter
    std::string flags;
    int width = -1;
    int precision = -1;
    char letter = 0;
};

// Literal text with "%%" read as "%".
void AppendLiteral(Big5& out, std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        out += text[i];
        if (text[i] == '%') ++i;
    }
}

// Digits up to the limit; -1 when there are none, nothing when too large.
std::optional<int> ReadNumber(std::string_view format, std::size_t& pos) {
    int value = -1;
    while (pos < format.size() && format[pos] >= '0' && format[pos] <= '9') {
        value = (value < 0 ? 0 : value * 10) + (format[pos] - '0');
        if (value > kMaxWidthOrPrecision) return std::nullopt;
        ++pos;
    }
    return value;
}

std::optional<Conversion> ReadConversion(std::string_view format, std::size_t begin) {
    Conversion conversion;
    conversion.begin = begin;
    std::size_t pos = begin + 1;
    while (pos < format.size() && std::string_view("-+ #0").find(format[pos]) != std::string_view::npos) {
        conversion.flags += format[pos++];
    }
    const std::optional<int> width = ReadNumber(format, pos);
    if (!width) return std::nullopt;
    conversion.width = *width;
    if (pos < format.size() && format[pos] == '.') {
        ++pos;
        const std::optional<int> precision = ReadNumber(format, pos);
        if (!precision) return std::nullopt;
        conversion.precision = *precision < 0 ? 0 : *precision;
    }
    if (pos >= format.size()) return std::nullopt;
    conversion.letter = format[pos];
    conversion.end = pos + 1;
    return conversion;
}

// The one conversion of the format; nothing when there are none or more.
// A "%" lies below every Big5 trail byte, so bytes can be scanned.
std::optional<Conversion> FindOnlyConversion(std::string_view format) {
    std::optional<Conversion> found;
    std::size_t pos = 0;
    while ((pos = format.find('%', pos)) != std::string_view::npos) {
        if (pos + 1 < format.size() && format[pos + 1] == '%') {
            pos += 2;
            continue;
        }
        if (found) return std::nullopt;
        found = ReadConversion(format, pos);
        if (!found) return std::nullopt;
        pos = found->end;
    }
    return found;
}

bool FitsStyle(char letter, EVshowStyle style) {
    switch (style) {
        case EVshowStyle::evInteger:
            return std::string_view("diuxXo").find(letter) != std::string_view::npos;
        case EVshowStyle::evFloat:
            return std::string_view("feEgG").find(letter) != std::string_view::npos;
        case EVshowStyle::evString:
            return letter == 's';
    }
    return false;
}

std::string ConversionText(const Conversion& conversion) {
    // Appended piece by piece: "literal" + string trips GCC 12's -Wrestrict.
    std::string conversionText(1, '%');
    conversionText += conversion.flags;
    if (conversion.width >= 0) conversionText += std::to_string(conversion.width);
    if (conversion.precision >= 0) {
        conversionText += '.';
        conversionText += std::to_string(conversion.precision);
    }
    conversionText += conversion.letter;
    return conversionText;
}

// The format text is rebuilt from a checked conversion and handed its one fitting
// argument, so a runtime format string is safe here.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
template <typename Value>
std::string PrintOne(const Conversion& conversion, Value value) {
    const std::string conversionText = ConversionText(conversion);
    const int size = std::snprintf(nullptr, 0, conversionText.c_str(), value);
    if (size < 0) return {};
    std::string out(static_cast<std::size_t>(size) + 1, '\0');
    std::snprintf(out.data(), out.size(), conversionText.c_str(), value);
    out.resize(static_cast<std::size_t>(size));
    return out;
}
#pragma GCC diagnostic pop

// "%s" by hand: a precision must not cut a double-byte character.
Big5 PrintText(const Conversion& conversion, std::string_view text) {
    if (conversion.precision >= 0) {
        text = text.substr(0, CharBoundaryAtOrBefore(text, static_cast<std::size_t>(conversion.precision)));
    }
    const std::size_t width = conversion.width < 0 ? 0 : static_cast<std::size_t>(conversion.width);
    const Big5 padding(width > text.size() ? width - text.size() : 0, ' ');
    const bool left = conversion.flags.find('-') != std::string::npos;
    return left ? Big5(text) + padding : padding + Big5(text);
}

std::optional<Big5> PrintArgument(const Conversion& conversion, EVshowStyle style, std::string_view text) {
    switch (style) {
        case EVshowStyle::evInteger: {
            const std::optional<std::int32_t> value = ParseInteger(text);
            if (!value) return std::nullopt;
            if (conversion.letter == 'd' || conversion.letter == 'i') return PrintOne(conversion, int{*value});
            return PrintOne(conversion, static_cast<unsigned>(*value));
        }
        case EVshowStyle::evFloat: {
            const std::optional<double> value = ParseDecimal(text, '.');
            if (!value || !std::isfinite(*value)) return std::nullopt;
            return PrintOne(conversion, *value);
        }
        case EVshowStyle::evString:
            return PrintText(conversion, text);
    }
    return std::nullopt;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

FilteredKey FilterKey(EvStyle keyinCase, wchar_t key, std::wstring_view text, std::size_t selectionStart) {
    switch (keyinCase) {
        case EvStyle::evNone:
            break;
        case EvStyle::evLowerCase:
            if (InRange(key, L'A', L'Z')) key = Shifted(key, L'A', L'a');
            break;
        case EvStyle::evUppercase:
            if (InRange(key, L'a', L'z')) key = Shifted(key, L'a', L'A');
            break;
        case EvStyle::evNumber:
            return FilterNumberKey(key, text, selectionStart);
    }
    return {key, std::nullopt};
}

void EditFormat::SetFormatText(std::string_view format) { EV_Format = Big5(TrimControlAndBlanks(format)); }

std::optional<Big5> FormatEditText(const EditFormat& format, std::string_view text) {
    const std::string_view pattern = format.EV_Format;
    const std::optional<Conversion> conversion = FindOnlyConversion(pattern);
    if (!conversion || !FitsStyle(conversion->letter, format.EV_Format_style)) return std::nullopt;
    const std::optional<Big5> argument = PrintArgument(*conversion, format.EV_Format_style, text);
    if (!argument) return std::nullopt;
    Big5 result;
    AppendLiteral(result, pattern.substr(0, conversion->begin));
    result += *argument;
    AppendLiteral(result, pattern.substr(conversion->end));
    return result;
}

Big5 EatTrailingZeros(std::string_view formatted) {
    const std::size_t point = formatted.rfind('.');
    if (point == std::string_view::npos) return Big5(formatted);
    for (std::size_t i = point + 1; i < formatted.size(); ++i) {
        if (!IsDigit(formatted[i])) return Big5(formatted);
    }
    while (!formatted.empty() && formatted.back() == '0') {
        if (formatted.size() < 3) return {};
        formatted.remove_suffix(1);
    }
    return Big5(formatted);
}

FormatOutcome EditFormatter::ApplyFormat(const EditFormat& format, std::string_view text) {
    if (format.EV_Format.empty() || TrimControlAndBlanks(text).empty()) return {};
    std::optional<Big5> result = FormatEditText(format, text);
    if (!result) return {FormatOutcome::Kind::FormatError, {}};
    if (format.EV_Format_EAT0) result = EatTrailingZeros(*result);
    if (*result == text) return {};
    skipNextTextChange_ = true;
    return {FormatOutcome::Kind::SetText, std::move(*result)};
}

bool EditFormatter::TextChanged(bool focused) {
    if (focused) return false;
    if (skipNextTextChange_) {
        skipNextTextChange_ = false;
        return false;
    }
    return true;
}

std::size_t FittingInsertLength(std::size_t textBytes, std::size_t selectedBytes, std::string_view inserted,
                                std::size_t maxLength) {
    if (maxLength == 0) return inserted.size();
    const std::size_t kept = textBytes - std::min(selectedBytes, textBytes);
    const std::size_t room = maxLength > kept ? maxLength - kept : 0;
    return CharBoundaryAtOrBefore(inserted, room);
}

}  // namespace corvina
