// The café client's session data (117) and the server time decision (119).

#include "orders/session_data.h"

#include <gtest/gtest.h>

#include "sys/build_day.h"

namespace corvina {
namespace {

constexpr double kMinute = 1.0 / 1440;

TEST(ParseSessionData, FourFieldsTheLogoutOnlyForAPackage) {
    EXPECT_EQ(ParseSessionData("0,45000.5,45000.75,A12", '.'), (SessionData{0, 45000.5, 0, "A12"}));
    EXPECT_EQ(ParseSessionData("1,45000.5,45000.75,A12", '.'), (SessionData{1, 45000.5, 45000.75, "A12"}));
    EXPECT_EQ(ParseSessionData("1,45000,5,45000,75,A12", ','), (SessionData{1, 45000, 5, "45000,75,A12"}));
}

TEST(ParseSessionData, AMissingCommaEmptiesItsFieldAndAllAfter) {
    // The second split finds no ",": the login time goes too.
    EXPECT_EQ(ParseSessionData("0,45000.5", '.'), (SessionData{0, 0, 0, ""}));
    EXPECT_EQ(ParseSessionData("1,45000.5,45000.75", '.'), (SessionData{1, 45000.5, 0, ""}));
    EXPECT_EQ(ParseSessionData("1", '.'), (SessionData{0, 0, 0, ""}));
    EXPECT_EQ(ParseSessionData("", '.'), SessionData{});
}

TEST(ParseSessionData, TheSeatKeepsFurtherCommasAndNumbersAreLenient) {
    EXPECT_EQ(ParseSessionData("0,x,y,A12,B,C", '.'), (SessionData{0, 0, 0, "A12,B,C"}));
    // The flag is kept in 8 bits.
    EXPECT_EQ(ParseSessionData("257,45000.5,45000.75,", '.'), (SessionData{1, 45000.5, 45000.75, ""}));
    EXPECT_EQ(ParseSessionData("abc,45000.5,45000.75,S", '.'), (SessionData{0, 45000.5, 0, "S"}));
    EXPECT_EQ(ParseSessionData("2,1e99,-5,S", '.'), (SessionData{2, 0, -5, "S"}));
}

TEST(DecideServerTime, SetsTheClockOnlyBeyond180Seconds) {
    const double now = 45000.5;
    EXPECT_EQ(DecideServerTime(now + 10 * kMinute, now, 0).setClockTo, now + 10 * kMinute);
    EXPECT_EQ(DecideServerTime(now - 10 * kMinute, now, 0).setClockTo, now - 10 * kMinute);
    EXPECT_EQ(DecideServerTime(now + 2 * kMinute, now, 0).setClockTo, std::nullopt);
    EXPECT_EQ(DecideServerTime(now + 3 * kMinute, now, 0).setClockTo, std::nullopt);
    EXPECT_EQ(DecideServerTime(now + 181.0 / 86400, now, 0).setClockTo, now + 181.0 / 86400);
}

TEST(DecideServerTime, MinutesSinceTheLoginTruncated) {
    const double login = 45000.5;
    EXPECT_EQ(DecideServerTime(login + 90 * kMinute, login + 90 * kMinute, login).minutesUsed, 90);
    EXPECT_EQ(DecideServerTime(login + 119.0 / 86400, login, login).minutesUsed, 1);
    EXPECT_EQ(DecideServerTime(login, login, login).minutesUsed, 0);
    // Before the login: the label keeps what it showed.
    EXPECT_EQ(DecideServerTime(login - kMinute, login, login).minutesUsed, std::nullopt);
}

TEST(DecideServerTime, NoServerTimeShows0AndNoLoginCountsNothing) {
    EXPECT_EQ(DecideServerTime(0, 45000.5, 45000.0), (ServerTimeDecision{std::nullopt, 0, false}));
    EXPECT_EQ(DecideServerTime(-1, 45000.5, 45000.0), (ServerTimeDecision{std::nullopt, 0, false}));
    EXPECT_EQ(DecideServerTime(45000.5, 45000.5, 0), (ServerTimeDecision{std::nullopt, std::nullopt, false}));
}

TEST(DecideServerTime, ATimeOutsideTheClockLimitsChangesNothing) {
    // Built 2026-03-04: from that midnight to 2046-03-04 00:00.
    const ClockLimits limits = ClockLimitsFrom({2026, 3, 4});
    EXPECT_EQ(limits.earliest, DayNumberFromCalendar({2026, 3, 4}));
    EXPECT_EQ(limits.latest, DayNumberFromCalendar({2046, 3, 4}));
    const double now = limits.earliest + 100;
    const double login = now - kMinute;

    const ServerTimeDecision before = DecideServerTime(limits.earliest - kMinute, now, login, limits);
    EXPECT_EQ(before, (ServerTimeDecision{std::nullopt, std::nullopt, true}));
    EXPECT_TRUE(DecideServerTime(DayNumberFromCalendar({1950, 1, 1}), now, login, limits).outsideLimits);
    EXPECT_TRUE(DecideServerTime(limits.latest + kMinute, now, login, limits).outsideLimits);
    EXPECT_TRUE(DecideServerTime(DayNumberFromCalendar({9999, 12, 31}), now, login, limits).outsideLimits);

    // Both ends belong to the range. (Day numbers of 0 or less are no time at all.)
    EXPECT_EQ(DecideServerTime(limits.earliest, now, 0, limits).setClockTo, limits.earliest);
    EXPECT_EQ(DecideServerTime(limits.latest, now, 0, limits).setClockTo, limits.latest);
    EXPECT_FALSE(DecideServerTime(limits.latest, now, 0, limits).outsideLimits);
}

TEST(ClockLimitsFrom, A29FebruaryBuildEndsOn28February) {
    const ClockLimits limits = ClockLimitsFrom({2028, 2, 29});
    EXPECT_EQ(limits.latest, DayNumberFromCalendar({2048, 2, 28}));
}

TEST(BuildDay, IsARealDayOfThisCentury) {
    const CalendarTime day = BuildDay();
    EXPECT_GE(day.year, 2024);
    EXPECT_LT(day.year, 2100);
    EXPECT_TRUE(CalendarFromDayNumber(DayNumberFromCalendar(day)).has_value());
    EXPECT_EQ(*CalendarFromDayNumber(DayNumberFromCalendar(day)), day);
}

}  // namespace
}  // namespace corvina
