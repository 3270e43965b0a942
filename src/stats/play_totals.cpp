#include "stats/play_totals.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <set>
#include <tuple>

namespace corvina {

namespace {

constexpr std::int64_t kSecondsPerHour = 60 * 60;
constexpr std::int64_t kSecondsPerDay = 24 * kSecondsPerHour;

// Seconds since the start of day 0.
std::int64_t SecondOf(const CalendarTime& time) {
    return DayIndexOf(time) * kSecondsPerDay + time.hour * kSecondsPerHour + time.minute * 60 + time.second;
}

// Days before 30 December 1899 are negative: round down, not toward zero.
std::int64_t FloorDivide(std::int64_t a, std::int64_t b) { return a / b - (a % b < 0 ? 1 : 0); }

void AddToHours(const Play& play, PlayTotals& totals) {
    std::int64_t at = SecondOf(play.start);
    const std::int64_t end = at + play.seconds;
    while (at < end) {
        const std::int64_t hourEnd = (FloorDivide(at, kSecondsPerHour) + 1) * kSecondsPerHour;
        const std::int64_t until = std::min(end, hourEnd);
        const DayIndex day = FloorDivide(at, kSecondsPerDay);
        const auto hour = static_cast<std::size_t>((at - day * kSecondsPerDay) / kSecondsPerHour);
        totals.secondsByWeekdayHour[static_cast<std::size_t>(WeekdayOf(day))][hour] += until - at;
        at = until;
    }
}

bool Later(const CalendarTime& a, const CalendarTime& b) {
    return std::tie(a.year, a.month, a.day, a.hour, a.minute, a.second) >
           std::tie(b.year, b.month, b.day, b.hour, b.minute, b.second);
}

}  // namespace

DayIndex DayIndexOf(const CalendarTime& time) {
    CalendarTime midnight{time.year, time.month, time.day, 0, 0, 0, 0};
    return static_cast<DayIndex>(std::llround(DayNumberFromCalendar(midnight)));
}

CalendarTime CalendarOfDay(DayIndex day) {
    return CalendarFromDayNumber(static_cast<double>(day)).value_or(CalendarTime{});
}

int WeekdayOf(DayIndex day) {
    // Day 0 was a Saturday: Monday-first index 5.
    return static_cast<int>(((day + 5) % 7 + 7) % 7);
}

std::optional<DayIndex> ParseReportDate(std::string_view text) {
    if (text.size() != 10) return std::nullopt;
    const auto time = ParsePlayTime(std::string(text) + " 00:00:00");
    if (!time) return std::nullopt;
    return DayIndexOf(*time);
}

std::string ReportDateText(DayIndex day) { return PlayTimeText(CalendarOfDay(day)).substr(0, 10); }

PlayTotals TotalPlays(const std::vector<Play>& plays, const ReportPeriod& period) {
    PlayTotals totals;
    std::map<std::string, ItemTotal> items;
    std::map<std::string, PcTotal> pcs;
    std::map<DayIndex, WeekTotal> weeks;
    for (const Play& play : plays) {
        const DayIndex day = DayIndexOf(play.start);
        if (!period.Contains(day)) continue;
        ++totals.starts;
        totals.seconds += play.seconds;
        totals.firstDay = std::min(totals.firstDay.value_or(day), day);
        totals.lastDay = std::max(totals.lastDay.value_or(day), day);

        ItemTotal& item = items[play.item];
        if (item.starts == 0 || !Later(item.lastStart, play.start)) {
            item.lastStart = play.start;
            item.channel = play.channel;
        }
        item.item = play.item;
        item.seconds += play.seconds;
        ++item.starts;

        PcTotal& pc = pcs[play.pc];
        pc.pc = play.pc;
        pc.seconds += play.seconds;
        ++pc.starts;

        WeekTotal& week = weeks[day - WeekdayOf(day)];
        week.seconds += play.seconds;
        ++week.starts;

        AddToHours(play, totals);
    }
    for (auto& [caption, item] : items) totals.itemsByHours.push_back(item);
    totals.itemsByStarts = totals.itemsByHours;
    std::stable_sort(totals.itemsByHours.begin(), totals.itemsByHours.end(),
                     [](const ItemTotal& a, const ItemTotal& b) {
                         return std::tie(b.seconds, b.starts) < std::tie(a.seconds, a.starts);
                     });
    std::stable_sort(totals.itemsByStarts.begin(), totals.itemsByStarts.end(),
                     [](const ItemTotal& a, const ItemTotal& b) {
                         return std::tie(b.starts, b.seconds) < std::tie(a.starts, a.seconds);
                     });
    for (auto& [name, pc] : pcs) totals.pcs.push_back(pc);
    if (totals.firstDay) {
        const DayIndex rangeFirst = period.from.value_or(*totals.firstDay);
        const DayIndex rangeLast = period.to.value_or(*totals.lastDay);
        const DayIndex firstMonday = rangeFirst - WeekdayOf(rangeFirst);
        const DayIndex lastMonday = rangeLast - WeekdayOf(rangeLast);
        const DayIndex shownMonday = std::max(firstMonday, lastMonday - 7 * (kMostWeeks - 1));
        totals.weeksLeftOut = (shownMonday - firstMonday) / 7;
        for (DayIndex monday = shownMonday; monday <= rangeLast; monday += 7) {
            WeekTotal week = weeks[monday];
            week.monday = monday;
            week.firstDay = std::max(monday, rangeFirst);
            week.days = static_cast<int>(std::min(monday + 6, rangeLast) - week.firstDay + 1);
            totals.weeks.push_back(week);
        }
    }
    return totals;
}

std::vector<MenuEntry> EntriesNeverStarted(const std::vector<MenuEntry>& menu, const PlayTotals& totals) {
    std::set<std::string_view> started;
    for (const ItemTotal& item : totals.itemsByHours) started.insert(item.item);
    std::vector<MenuEntry> never;
    for (const MenuEntry& entry : menu)
        if (!started.contains(entry.item)) never.push_back(entry);
    return never;
}

}  // namespace corvina
