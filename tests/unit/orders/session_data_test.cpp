// The café client's session data (117) and the server time decision (119).

#include "orders/session_data.h"

#include <gtest/gtest.h>

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
    EXPECT_EQ(DecideServerTime(0, 45000.5, 45000.0), (ServerTimeDecision{std::nullopt, 0}));
    EXPECT_EQ(DecideServerTime(-1, 45000.5, 45000.0), (ServerTimeDecision{std::nullopt, 0}));
    EXPECT_EQ(DecideServerTime(45000.5, 45000.5, 0), (ServerTimeDecision{std::nullopt, std::nullopt}));
}

}  // namespace
}  // namespace corvina
