#include "stats/play_totals.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvina {
namespace {

// 2026-12-07 is a Monday.
Play At(int month, int day, int hour, int minute, std::int64_t seconds, std::string item, std::string pc = "PC01") {
    Play play;
    play.start = {2026, month, day, hour, minute, 0, 0};
    if (seconds > 0) play.end = play.start;  // only the seconds are totalled
    play.seconds = seconds;
    play.pc = std::move(pc);
    play.channel = "頻道";
    play.item = std::move(item);
    return play;
}

DayIndex Day(std::string_view text) { return ParseReportDate(text).value(); }

TEST(PlayTotals, ItemsRankedByHoursAndByStartsWithPcsAndStartOnlyPlays) {
    const std::vector<Play> plays = {
        At(12, 7, 20, 0, 7200, "極速狂飆"),     At(12, 7, 21, 0, 600, "踩地雷", "PC02"),
        At(12, 8, 9, 0, 600, "踩地雷", "PC02"), At(12, 8, 10, 0, 0, "使用須知"),  // a document: a start without time
        At(12, 8, 11, 0, 300, "踩地雷"),
    };
    const PlayTotals totals = TotalPlays(plays, {});
    EXPECT_EQ(totals.starts, 5);
    EXPECT_EQ(totals.seconds, 7200 + 600 + 600 + 300);
    ASSERT_EQ(totals.itemsByHours.size(), 3u);
    EXPECT_EQ(totals.itemsByHours[0].item, "極速狂飆");
    EXPECT_EQ(totals.itemsByHours[2].item, "使用須知");
    EXPECT_EQ(totals.itemsByStarts[0].item, "踩地雷");
    EXPECT_EQ(totals.itemsByStarts[0].starts, 3);
    EXPECT_EQ(totals.itemsByStarts[0].seconds, 1500);
    EXPECT_EQ(totals.itemsByStarts[0].lastStart, (CalendarTime{2026, 12, 8, 11, 0, 0, 0}));
    ASSERT_EQ(totals.pcs.size(), 2u);
    EXPECT_EQ(totals.pcs[0].pc, "PC01");
    EXPECT_EQ(totals.pcs[0].seconds, 7500);
    EXPECT_EQ(totals.pcs[0].starts, 3);
    EXPECT_EQ(totals.pcs[1].seconds, 1200);
}

TEST(PlayTotals, APlayBelongsToItsStartDayAndBothEndsOfThePeriodCount) {
    const std::vector<Play> plays = {
        At(11, 30, 23, 0, 3600, "before"),
        At(12, 1, 0, 0, 60, "first day"),
        At(12, 7, 23, 30, 7200, "last day, past midnight"),
        At(12, 8, 0, 10, 60, "after"),
    };
    const PlayTotals totals = TotalPlays(plays, {Day("2026-12-01"), Day("2026-12-07")});
    EXPECT_EQ(totals.starts, 2);
    EXPECT_EQ(totals.seconds, 60 + 7200);
    EXPECT_EQ(totals.firstDay, Day("2026-12-01"));
    EXPECT_EQ(totals.lastDay, Day("2026-12-07"));

    EXPECT_EQ(TotalPlays(plays, {Day("2026-12-08"), std::nullopt}).starts, 1);
    EXPECT_EQ(TotalPlays(plays, {std::nullopt, Day("2026-11-30")}).starts, 1);
    EXPECT_EQ(TotalPlays(plays, {Day("2026-12-02"), Day("2026-12-06")}).starts, 0);
}

TEST(PlayTotals, SecondsSpreadOverTheHoursAndWeekdaysAPlayRan) {
    // Sunday 23:30 to Monday 01:15.
    const PlayTotals totals = TotalPlays({At(12, 6, 23, 30, 6300, "long")}, {});
    const auto& heat = totals.secondsByWeekdayHour;
    EXPECT_EQ(heat[6][23], 1800);
    EXPECT_EQ(heat[0][0], 3600);
    EXPECT_EQ(heat[0][1], 900);
    std::int64_t sum = 0;
    for (const auto& day : heat)
        for (const std::int64_t seconds : day) sum += seconds;
    EXPECT_EQ(sum, 6300);
    // The whole play is the start day's, so Sunday's week.
    ASSERT_EQ(totals.weeks.size(), 1u);
    EXPECT_EQ(ReportDateText(totals.weeks[0].monday), "2026-11-30");
    EXPECT_EQ(totals.weeks[0].seconds, 6300);
}

TEST(PlayTotals, WeeksRunMondayToSundayWithQuietWeeksShown) {
    const PlayTotals totals =
        TotalPlays({At(12, 7, 10, 0, 60, "a"), At(12, 13, 10, 0, 60, "a"), At(12, 24, 10, 0, 120, "a")}, {});
    ASSERT_EQ(totals.weeks.size(), 3u);
    EXPECT_EQ(ReportDateText(totals.weeks[0].monday), "2026-12-07");
    EXPECT_EQ(totals.weeks[0].starts, 2);
    EXPECT_EQ(totals.weeks[1].starts, 0);
    EXPECT_EQ(ReportDateText(totals.weeks[2].monday), "2026-12-21");
    EXPECT_EQ(totals.weeks[2].seconds, 120);
    EXPECT_EQ(totals.weeks[1].days, 7);
    EXPECT_EQ(totals.weeks[2].days, 4);          // an open end stops at the last play
    EXPECT_EQ(WeekdayOf(Day("2026-12-09")), 2);  // a Wednesday

    // Weeks the period cuts say how many of their days it holds.
    const PlayTotals december = TotalPlays({At(12, 7, 10, 0, 60, "a")}, {Day("2026-12-01"), Day("2026-12-31")});
    ASSERT_EQ(december.weeks.size(), 5u);
    EXPECT_EQ(ReportDateText(december.weeks[0].firstDay), "2026-12-01");
    EXPECT_EQ(december.weeks[0].days, 6);
    EXPECT_EQ(december.weeks[1].days, 7);
    EXPECT_EQ(ReportDateText(december.weeks[4].firstDay), "2026-12-28");
    EXPECT_EQ(december.weeks[4].days, 4);
    EXPECT_EQ(WeekdayOf(Day("1899-12-30")), 5);
}

TEST(PlayTotals, AYearWrittenWrongDoesNotMakeAChartOfCenturies) {
    std::vector<Play> plays = {At(12, 7, 10, 0, 60, "a"), At(12, 8, 10, 0, 60, "a")};
    plays[0].start.year = 1;
    const PlayTotals totals = TotalPlays(plays, {});
    EXPECT_EQ(totals.starts, 2);
    ASSERT_EQ(totals.weeks.size(), static_cast<std::size_t>(kMostWeeks));
    EXPECT_EQ(ReportDateText(totals.weeks.back().monday), "2026-12-07");
    EXPECT_EQ(totals.weeks.back().starts, 1);
    EXPECT_GT(totals.weeksLeftOut, 100000);
    // Its hours still land on its weekday: 7 December of the year 1 was a Friday.
    EXPECT_EQ(totals.secondsByWeekdayHour[4][10], 60);
    EXPECT_EQ(totals.secondsByWeekdayHour[1][10], 60);
}

TEST(PlayTotals, MenuEntriesNeverStartedInThePeriod) {
    const std::vector<MenuEntry> menu = {
        {"熱門", "極速狂飆"}, {"熱門", "星際戰機"}, {"休閒", "踩地雷"}, {"休閒", "小畫家"}};
    const std::vector<Play> plays = {At(12, 7, 10, 0, 60, "極速狂飆"), At(11, 7, 10, 0, 60, "小畫家")};
    const auto never = EntriesNeverStarted(menu, TotalPlays(plays, {Day("2026-12-01"), std::nullopt}));
    ASSERT_EQ(never.size(), 3u);
    EXPECT_EQ(never[0].item, "星際戰機");
    EXPECT_EQ(never[1].item, "踩地雷");
    EXPECT_EQ(never[2].item, "小畫家");  // started, but before the period
    EXPECT_EQ(EntriesNeverStarted(menu, TotalPlays({}, {})).size(), 4u);
}

TEST(PlayTotals, ReportDatesAreRealDaysWrittenInFull) {
    EXPECT_EQ(ReportDateText(Day("2028-02-29")), "2028-02-29");
    EXPECT_EQ(Day("2026-12-08") - Day("2026-11-30"), 8);
    for (const char* bad : {"2026-02-29", "2026-12-1", "2026/12/01", "2026-12-01 ", "", "yesterday"})
        EXPECT_FALSE(ParseReportDate(bad).has_value()) << bad;
}

}  // namespace
}  // namespace corvina
