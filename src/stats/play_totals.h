#pragma once
// What the report shows, totalled from the plays of a period. A play
// belongs to the day it started; its seconds are spread over the hours it
// ran for the heat map.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "stats/play_line.h"

namespace corvina {

// A calendar day as days since 30 December 1899 (a Saturday).
using DayIndex = std::int64_t;

DayIndex DayIndexOf(const CalendarTime& time);
CalendarTime CalendarOfDay(DayIndex day);
// 0 Monday to 6 Sunday.
int WeekdayOf(DayIndex day);
// "yyyy-mm-dd" of a real day; nothing for any other text.
std::optional<DayIndex> ParseReportDate(std::string_view text);
std::string ReportDateText(DayIndex day);

// Both ends included; an end left open takes every play on that side.
struct ReportPeriod {
    std::optional<DayIndex> from;
    std::optional<DayIndex> to;

    bool Contains(DayIndex day) const { return (!from || day >= *from) && (!to || day <= *to); }
};

struct ItemTotal {
    std::string item;
    std::string channel;  // of its latest start
    std::int64_t seconds = 0;
    std::int64_t starts = 0;
    CalendarTime lastStart;
};

struct PcTotal {
    std::string pc;
    std::int64_t seconds = 0;
    std::int64_t starts = 0;
};

struct WeekTotal {
    DayIndex monday = 0;
    // The week's days inside the period (from the first play's day to the
    // last's where an end is open): a week the period cuts is no slump.
    DayIndex firstDay = 0;
    int days = 7;
    std::int64_t seconds = 0;
    std::int64_t starts = 0;
};

inline constexpr std::int64_t kMostWeeks = 106;

struct PlayTotals {
    std::int64_t starts = 0;
    std::int64_t seconds = 0;
    std::optional<DayIndex> firstDay;  // of the plays counted
    std::optional<DayIndex> lastDay;
    std::vector<ItemTotal> itemsByHours;   // most seconds first, then most starts, then caption
    std::vector<ItemTotal> itemsByStarts;  // most starts first, then most seconds, then caption
    std::vector<PcTotal> pcs;              // by name
    // Monday first, hours 0 to 23.
    std::array<std::array<std::int64_t, 24>, 7> secondsByWeekdayHour{};
    // Every week from the first day's to the last day's, empty ones too,
    // at most the last kMostWeeks: one wrong year in a file must not make
    // a chart of ten thousand years.
    std::vector<WeekTotal> weeks;
    std::int64_t weeksLeftOut = 0;
};

PlayTotals TotalPlays(const std::vector<Play>& plays, const ReportPeriod& period);

struct MenuEntry {
    std::string channel;  // UTF-8
    std::string item;
};

// The entries whose caption no counted play carries, in menu order.
std::vector<MenuEntry> EntriesNeverStarted(const std::vector<MenuEntry>& menu, const PlayTotals& totals);

}  // namespace corvina
