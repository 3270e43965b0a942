#pragma once
// The report's charts as inline SVG: no script, no outside file, so the
// page opens offline in any browser. Every text given is UTF-8 and escaped
// here.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace corvina {

// Text safe inside an HTML or SVG element or a quoted attribute.
std::string EscapeHtml(std::string_view text);

// At most `limit` characters of UTF-8 text, "…" ending a shortened one;
// never cuts a character.
std::string ShortenUtf8(std::string_view text, std::size_t limit);

struct Bar {
    std::string label;
    double value = 0;
    std::string valueText;  // shown beside the bar
    std::string hint;       // shown on hovering; the label when empty
};

// Hours with one decimal: "12.5".
std::string HoursText(std::int64_t seconds);

// "週一" to "週日", Monday first.
std::string_view WeekdayName(int weekday);

// One bar a row, longest at the value of the first.
std::string HorizontalBarsSvg(const std::vector<Bar>& bars);

// One column a bar, labels under them.
std::string ColumnsSvg(const std::vector<Bar>& bars);

// Seven rows (Monday first) of 24 hours, the darker the more seconds.
std::string WeekHourHeatMapSvg(const std::array<std::array<std::int64_t, 24>, 7>& seconds);

}  // namespace corvina
