#include "stats/open_play.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace corvina {

namespace {

constexpr double kSecondsPerDay = 86400.0;

CalendarTime CapOf(const CalendarTime& start) {
    const double end = DayNumberFromCalendar(start) + static_cast<double>(kLongestPlaySeconds) / kSecondsPerDay;
    CalendarTime time = CalendarFromDayNumber(end).value_or(start);
    time.millisecond = 0;
    return time;
}

}  // namespace

OpenPlay OpenPlayAt(Play play, std::int64_t tick) {
    OpenPlay open;
    open.play = std::move(play);
    open.play.end.reset();
    open.play.seconds = 0;
    open.startTick = tick;
    open.lastSeenTick = tick;
    open.lastSeenTime = open.play.start;
    return open;
}

void SeenRunning(OpenPlay& open, const CalendarTime& time, std::int64_t tick) {
    if (tick < open.lastSeenTick) return;
    open.lastSeenTick = tick;
    open.lastSeenTime = time;
}

bool PastLongestPlay(const OpenPlay& open, std::int64_t tick) {
    return tick - open.startTick >= kLongestPlaySeconds * 1000;
}

Play EndedPlay(const OpenPlay& open, const CalendarTime& time, std::int64_t tick) {
    Play play = open.play;
    const std::int64_t seconds = std::max<std::int64_t>(0, (tick - open.startTick) / 1000);
    if (seconds >= kLongestPlaySeconds) {
        play.seconds = kLongestPlaySeconds;
        play.end = CapOf(play.start);
    } else {
        play.seconds = seconds;
        play.end = time;
        play.end->millisecond = 0;
    }
    return play;
}

Play PlayAtMenuEnd(const OpenPlay& open) { return EndedPlay(open, open.lastSeenTime, open.lastSeenTick); }

}  // namespace corvina
