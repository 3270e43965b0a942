#pragma once
// A play whose programs still run, and how it closes: when they have all
// ended, at the cap, or with the menu. Ticks are milliseconds of a clock
// that only goes forward: the seconds played stay right when the café
// client sets the PC's clock during a game.

#include <cstdint>

#include "stats/play_line.h"
#include "sys/day_number.h"

namespace corvina {

struct OpenPlay {
    Play play;  // the start and the texts; no end yet
    std::int64_t startTick = 0;
    // The last moment its programs were seen running.
    std::int64_t lastSeenTick = 0;
    CalendarTime lastSeenTime;
};

OpenPlay OpenPlayAt(Play play, std::int64_t tick);

// Its programs were seen running at that moment.
void SeenRunning(OpenPlay& open, const CalendarTime& time, std::int64_t tick);

// Run for kLongestPlaySeconds or more at `tick`: it is closed at the cap.
bool PastLongestPlay(const OpenPlay& open, std::int64_t tick);

// Its programs ended at that moment. A play past the cap ends at the cap:
// its end is the start plus the cap, whatever the clock says.
Play EndedPlay(const OpenPlay& open, const CalendarTime& time, std::int64_t tick);

// The menu ends while its programs run: it ends when they were last seen.
Play PlayAtMenuEnd(const OpenPlay& open);

}  // namespace corvina
