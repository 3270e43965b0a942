#include "stats/report_charts.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace corvina {

namespace {

constexpr std::string_view kBarColour = "#3a6ea5";
constexpr int kChartWidth = 760;

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

std::string Title(const Bar& bar) {
    return "<title>" + EscapeHtml(bar.hint.empty() ? bar.label : bar.hint) + "</title>";
}

double LargestValue(const std::vector<Bar>& bars) {
    double largest = 0;
    for (const Bar& bar : bars) largest = std::max(largest, bar.value);
    return largest;
}

// From nearly white to the bar colour, by the share of the largest.
std::string HeatColour(double share) {
    const double t = std::sqrt(std::clamp(share, 0.0, 1.0));
    const auto mix = [t](int from, int to) { return static_cast<int>(std::lround(from + (to - from) * t)); };
    char colour[8];
    std::snprintf(colour, sizeof colour, "#%02x%02x%02x", mix(0xf2, 0x12), mix(0xf5, 0x3d), mix(0xfa, 0x7a));
    return colour;
}

}  // namespace

std::string EscapeHtml(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            case '"':
                escaped += "&quot;";
                break;
            case '\'':
                escaped += "&#39;";
                break;
            default:
                // Control characters have no place in a caption and are not allowed in XML text.
                escaped += static_cast<unsigned char>(c) < 0x20 ? ' ' : c;
        }
    }
    return escaped;
}

std::string ShortenUtf8(std::string_view text, std::size_t limit) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;  // continuation byte
        if (characters == limit) return std::string(text.substr(0, i)) + "…";
        ++characters;
    }
    return std::string(text);
}

std::string HoursText(std::int64_t seconds) { return Number(static_cast<double>(seconds) / 3600.0); }

std::string_view WeekdayName(int weekday) {
    static constexpr std::string_view kNames[] = {"週一", "週二", "週三", "週四", "週五", "週六", "週日"};
    return kNames[std::clamp(weekday, 0, 6)];
}

std::string HorizontalBarsSvg(const std::vector<Bar>& bars) {
    constexpr int kRow = 26, kLabelWidth = 210, kBarSpace = 380;
    const double largest = LargestValue(bars);
    const int height = static_cast<int>(bars.size()) * kRow + 4;
    std::string svg = "<svg class=\"chart\" width=\"" + std::to_string(kChartWidth) + "\" height=\"" +
                      std::to_string(height) + "\" viewBox=\"0 0 " + std::to_string(kChartWidth) + " " +
                      std::to_string(height) + "\" role=\"img\">";
    int y = 2;
    for (const Bar& bar : bars) {
        const double width = largest > 0 ? bar.value / largest * kBarSpace : 0;
        const std::string top = std::to_string(y);
        svg += "<g>" + Title(bar);
        svg += "<text x=\"" + std::to_string(kLabelWidth - 8) + "\" y=\"" + std::to_string(y + 17) +
               "\" text-anchor=\"end\">" + EscapeHtml(ShortenUtf8(bar.label, 14)) + "</text>";
        svg += "<rect x=\"" + std::to_string(kLabelWidth) + "\" y=\"" + std::to_string(y + 3) + "\" width=\"" +
               Number(std::max(width, 1.0)) + "\" height=\"18\" rx=\"2\" fill=\"" + std::string(kBarColour) + "\"/>";
        svg += "<text x=\"" + Number(kLabelWidth + std::max(width, 1.0) + 6) + "\" y=\"" + std::to_string(y + 17) +
               "\" class=\"value\">" + EscapeHtml(bar.valueText) + "</text></g>";
        y += kRow;
    }
    return svg + "</svg>";
}

std::string ColumnsSvg(const std::vector<Bar>& bars) {
    constexpr int kTop = 22, kColumnSpace = 180, kBottom = 40;
    const double largest = LargestValue(bars);
    const int count = std::max(1, static_cast<int>(bars.size()));
    const double slot = std::min(90.0, static_cast<double>(kChartWidth - 20) / count);
    const int height = kTop + kColumnSpace + kBottom;
    std::string svg = "<svg class=\"chart\" width=\"" + std::to_string(kChartWidth) + "\" height=\"" +
                      std::to_string(height) + "\" viewBox=\"0 0 " + std::to_string(kChartWidth) + " " +
                      std::to_string(height) + "\" role=\"img\">";
    svg += "<line x1=\"10\" y1=\"" + std::to_string(kTop + kColumnSpace) + "\" x2=\"" +
           std::to_string(kChartWidth - 10) + "\" y2=\"" + std::to_string(kTop + kColumnSpace) + "\" stroke=\"#999\"/>";
    // Labels and values of every step-th column only, so that they never overlap.
    const std::size_t step = std::max<std::size_t>((bars.size() + 11) / 12, 1);
    double x = 10;
    for (std::size_t i = 0; i < bars.size(); ++i) {
        const Bar& bar = bars[i];
        const double columnHeight = largest > 0 ? bar.value / largest * kColumnSpace : 0;
        const double top = kTop + kColumnSpace - columnHeight;
        const double middle = x + slot / 2;
        svg += "<g>" + Title(bar);
        svg += "<rect x=\"" + Number(x + slot * 0.15) + "\" y=\"" + Number(top) + "\" width=\"" + Number(slot * 0.7) +
               "\" height=\"" + Number(columnHeight) + "\" rx=\"2\" fill=\"" + std::string(kBarColour) + "\"/>";
        if (step == 1)
            svg += "<text x=\"" + Number(middle) + "\" y=\"" + Number(top - 5) +
                   "\" text-anchor=\"middle\" class=\"value\">" + EscapeHtml(bar.valueText) + "</text>";
        if (i % step == 0)
            svg += "<text x=\"" + Number(middle) + "\" y=\"" + std::to_string(kTop + kColumnSpace + 18) +
                   "\" text-anchor=\"middle\">" + EscapeHtml(ShortenUtf8(bar.label, 12)) + "</text>";
        svg += "</g>";
        x += slot;
    }
    return svg + "</svg>";
}

std::string WeekHourHeatMapSvg(const std::array<std::array<std::int64_t, 24>, 7>& seconds) {
    constexpr int kLeft = 50, kTop = 22, kCell = 28, kGap = 2;
    std::int64_t largest = 0;
    for (const auto& day : seconds) largest = std::max(largest, *std::max_element(day.begin(), day.end()));
    const int width = kLeft + 24 * kCell + 10;
    const int height = kTop + 7 * kCell + 34;
    std::string svg = "<svg class=\"chart\" width=\"" + std::to_string(width) + "\" height=\"" +
                      std::to_string(height) + "\" viewBox=\"0 0 " + std::to_string(width) + " " +
                      std::to_string(height) + "\" role=\"img\">";
    for (int hour = 0; hour < 24; hour += 2)
        svg += "<text x=\"" + std::to_string(kLeft + hour * kCell + kCell / 2) + "\" y=\"" + std::to_string(kTop - 6) +
               "\" text-anchor=\"middle\" class=\"small\">" + std::to_string(hour) + "</text>";
    for (int day = 0; day < 7; ++day) {
        const int y = kTop + day * kCell;
        svg += "<text x=\"" + std::to_string(kLeft - 8) + "\" y=\"" + std::to_string(y + kCell / 2 + 5) +
               "\" text-anchor=\"end\">" + std::string(WeekdayName(day)) + "</text>";
        for (int hour = 0; hour < 24; ++hour) {
            const std::int64_t value = seconds[static_cast<std::size_t>(day)][static_cast<std::size_t>(hour)];
            const double share = largest > 0 ? static_cast<double>(value) / static_cast<double>(largest) : 0;
            svg += "<rect x=\"" + std::to_string(kLeft + hour * kCell) + "\" y=\"" + std::to_string(y) + "\" width=\"" +
                   std::to_string(kCell - kGap) + "\" height=\"" + std::to_string(kCell - kGap) + "\" fill=\"" +
                   HeatColour(share) + "\"><title>" + std::string(WeekdayName(day)) + " " + std::to_string(hour) +
                   ":00–" + std::to_string(hour + 1) + ":00　" + HoursText(value) + " 小時</title></rect>";
        }
    }
    // The legend: from no play to the busiest hour.
    const int legendY = kTop + 7 * kCell + 10;
    svg += "<text x=\"" + std::to_string(kLeft) + "\" y=\"" + std::to_string(legendY + 13) +
           "\" class=\"small\">0 小時</text>";
    for (int step = 0; step <= 10; ++step)
        svg += "<rect x=\"" + std::to_string(kLeft + 40 + step * 16) + "\" y=\"" + std::to_string(legendY + 2) +
               "\" width=\"16\" height=\"14\" fill=\"" + HeatColour(step / 10.0) + "\"/>";
    svg += "<text x=\"" + std::to_string(kLeft + 40 + 11 * 16 + 6) + "\" y=\"" + std::to_string(legendY + 13) +
           "\" class=\"small\">" + HoursText(largest) + " 小時（最多的一格）</text>";
    return svg + "</svg>";
}

}  // namespace corvina
