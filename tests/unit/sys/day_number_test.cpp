// Day numbers: whole seconds between two of them, the calendar, and the
// date and time text of the ordering window's labels.

#include "sys/day_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace corvina {
namespace {

constexpr double kMinute = 1.0 / 1440;

TEST(SecondsBetween, WholeSecondsFromDaysAndMilliseconds) {
    EXPECT_EQ(SecondsBetween(45000.5 + 10 * kMinute, 45000.5), 600);
    EXPECT_EQ(SecondsBetween(45000.5, 45000.5 + 10 * kMinute), -600);
    EXPECT_EQ(SecondsBetween(45001.0, 45000.0), 86400);
    EXPECT_EQ(SecondsBetween(45000.5 + 90 * kMinute, 45000.5), 5400);
    EXPECT_EQ(SecondsBetween(0, 0), 0);
}

TEST(SecondsBetween, TruncatesTheMillisecondPartTowardZero) {
    const double halfSecond = 0.5 / 86400;
    // Within a day: 1.5 s is 1.
    EXPECT_EQ(SecondsBetween(45000.5 + 3 * halfSecond, 45000.5), 1);
    EXPECT_EQ(SecondsBetween(45000.5, 45000.5 + 3 * halfSecond), -1);
    // Across midnight the days and the milliseconds are taken apart:
    // (0 - 86399500) / 1000 + 86400 = 1, although 0.5 s passed.
    EXPECT_EQ(SecondsBetween(45001.0, 45001.0 - halfSecond), 1);
}

TEST(SecondsBetween, StaysDefinedForAnyInput) {
    constexpr double kInf = std::numeric_limits<double>::infinity();
    const std::int64_t span = SecondsBetween(kEndDayNumber, kFirstDayNumber);
    EXPECT_EQ(SecondsBetween(kInf, -kInf), span);
    EXPECT_EQ(SecondsBetween(1e300, std::nan("")), span);
}

TEST(CalendarFromDayNumber, DaysSince30December1899) {
    EXPECT_EQ(CalendarFromDayNumber(0), (CalendarTime{1899, 12, 30, 0, 0, 0, 0}));
    EXPECT_EQ(CalendarFromDayNumber(45000.5), (CalendarTime{2023, 3, 15, 12, 0, 0, 0}));
    EXPECT_EQ(CalendarFromDayNumber(45000.75), (CalendarTime{2023, 3, 15, 18, 0, 0, 0}));
    EXPECT_EQ(CalendarFromDayNumber(36526 + 1.0 / 86400 * 3661.25), (CalendarTime{2000, 1, 1, 1, 1, 1, 250}));
    EXPECT_EQ(CalendarFromDayNumber(kFirstDayNumber), (CalendarTime{1, 1, 1, 0, 0, 0, 0}));
    // Before the epoch the fraction still counts from midnight.
    EXPECT_EQ(CalendarFromDayNumber(-1.25), (CalendarTime{1899, 12, 29, 6, 0, 0, 0}));
}

TEST(CalendarFromDayNumber, NothingOutsideTheCalendar) {
    EXPECT_EQ(CalendarFromDayNumber(kEndDayNumber), std::nullopt);
    EXPECT_EQ(CalendarFromDayNumber(kEndDayNumber - 1e-10), std::nullopt);  // rounds to year 10000
    EXPECT_EQ(CalendarFromDayNumber(kFirstDayNumber - 1), std::nullopt);
    EXPECT_EQ(CalendarFromDayNumber(std::nan("")), std::nullopt);
}

TEST(DayNumberFromCalendar, IsTheInverse) {
    for (const double value : {0.0, 1.0, 45000.5, 45000.75, 2958465.5, -1.25, -693593.0, 36526.0423}) {
        const std::optional<CalendarTime> time = CalendarFromDayNumber(value);
        ASSERT_TRUE(time) << value;
        EXPECT_NEAR(DayNumberFromCalendar(*time), value, 1e-8) << value;
    }
}

TEST(ParseDayNumber, ANumberWithinTheCalendarOr0) {
    EXPECT_EQ(ParseDayNumber("45000.5", '.'), 45000.5);
    EXPECT_EQ(ParseDayNumber("45000,5", ','), 45000.5);
    EXPECT_EQ(ParseDayNumber("45000,5", '.'), 0);
    EXPECT_EQ(ParseDayNumber("", '.'), 0);
    EXPECT_EQ(ParseDayNumber("1e9", '.'), 0);
    EXPECT_EQ(ParseDayNumber("-1e9", '.'), 0);
}

TEST(ShowDateTime, DashesForNoTimeElseTheFormattedTime) {
    const DateTimeFormat format = [](const CalendarTime& t) {
        return std::to_string(t.year) + "/" + std::to_string(t.month) + "/" + std::to_string(t.day) + " " +
               std::to_string(t.hour) + ":" + std::to_string(t.minute);
    };
    EXPECT_EQ(ShowDateTime(45000.75, format), "2023/3/15 18:0");
    EXPECT_EQ(ShowDateTime(0, format), "------- --- ---- ---- ---- ---- ---");
    EXPECT_EQ(ShowDateTime(-3, format), NoDateTimeText());
    EXPECT_EQ(ShowDateTime(1e300, format), NoDateTimeText());
    EXPECT_EQ(ShowDateTime(std::nan(""), format), NoDateTimeText());
}

}  // namespace
}  // namespace corvina
