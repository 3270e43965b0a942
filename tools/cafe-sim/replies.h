#pragma once
// How the simulated café client answers the menu's commands: a function of
// the command, the scenario and the time, so the rules are tested alone.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "cafe-sim/scenario.h"

namespace corvina::cafesim {

// One command to send; the data is UTF-8 until it goes on the wire.
struct Outgoing {
    std::int32_t number = 0;
    std::string data;

    friend bool operator==(const Outgoing&, const Outgoing&) = default;
};

// 209: 114, one 115 per goods item, then 117 and 119 when the scenario has
// them. 211: 120. 214: 121. Anything else: nothing. The caller decides
// whether to answer at all (Scenario::autoAnswer).
std::vector<Outgoing> RepliesTo(std::int32_t number, const Scenario& scenario, double now);

// Each comma-separated field that reads "now", "now+N" or "now-N" becomes
// the day number of now shifted by N minutes; other fields stay as they are.
std::string ExpandTimes(std::string_view fields, double now);

// Fixed-point with eight decimals (under a millisecond) and ".", the
// decimal separator of the PCs the menu runs on here.
std::string FormatDayNumber(double value);

}  // namespace corvina::cafesim
