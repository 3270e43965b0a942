#include "stats/open_play.h"

#include <gtest/gtest.h>

namespace corvina {
namespace {

constexpr std::int64_t kHour = 60 * 60 * 1000;

OpenPlay Started() {
    Play play;
    play.start = {2026, 12, 31, 20, 0, 0, 0};
    play.pc = "PC01";
    play.item = "game";
    return OpenPlayAt(play, 1000);
}

TEST(OpenPlay, EndsWhenItsProgramsEndWithSecondsFromTheTicksNotTheClock) {
    OpenPlay open = Started();
    // The café client set the clock back an hour during the game.
    const Play play = EndedPlay(open, {2026, 12, 31, 19, 30, 0, 750}, 1000 + kHour + 1999);
    EXPECT_EQ(play.seconds, 3601);
    ASSERT_TRUE(play.end);
    EXPECT_EQ(*play.end, (CalendarTime{2026, 12, 31, 19, 30, 0, 0}));
    EXPECT_EQ(play.item, "game");
    EXPECT_FALSE(PastLongestPlay(open, 1000 + 12 * kHour - 1));
    EXPECT_TRUE(PastLongestPlay(open, 1000 + 12 * kHour));
}

TEST(OpenPlay, ALongerPlayIsCappedAtTwelveHoursAfterItsStartAcrossTheYear) {
    const Play play = EndedPlay(Started(), {2027, 1, 2, 3, 0, 0, 0}, 1000 + 31 * kHour);
    EXPECT_EQ(play.seconds, kLongestPlaySeconds);
    ASSERT_TRUE(play.end);
    EXPECT_EQ(*play.end, (CalendarTime{2027, 1, 1, 8, 0, 0, 0}));
}

TEST(OpenPlay, AtTheMenusEndItEndsWhenItsProgramsWereLastSeen) {
    OpenPlay open = Started();
    EXPECT_EQ(PlayAtMenuEnd(open).seconds, 0) << "never seen after its start";
    SeenRunning(open, {2026, 12, 31, 20, 45, 10, 300}, 1000 + 45 * 60 * 1000 + 10300);
    // A late report never moves it back.
    SeenRunning(open, {2026, 12, 31, 20, 45, 9, 0}, 5);
    const Play play = PlayAtMenuEnd(open);
    EXPECT_EQ(play.seconds, 45 * 60 + 10);
    EXPECT_EQ(*play.end, (CalendarTime{2026, 12, 31, 20, 45, 10, 0}));
}

}  // namespace
}  // namespace corvina
