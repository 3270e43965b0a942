#pragma once
// What the simulated café client answers, read from a scenario file in INI
// form. The file, like the log and the command file, is UTF-8: people write
// it on Linux. Texts become Big5 only on the wire.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "sys/cafe_protocol.h"
#include "sys/profile.h"

namespace corvina::cafesim {

inline constexpr std::string_view kScenarioSection = "Scenario";
// Keys in file order; each value is the data of one 115 command.
inline constexpr std::string_view kGoodsSection = "Goods";

// A handler delay longer than this is a mistake in the scenario.
inline constexpr std::int32_t kMaxHandlerDelayMs = 60000;

struct Scenario {
    // The result of the menu's 5024: 0 (no link), 1, or 5025 (open orders).
    std::int32_t announceAnswer = 1;
    // Off: received commands are only logged, never answered.
    bool autoAnswer = true;
    std::vector<std::string> goods;
    // Sent after the goods list when not empty; fields may say "now",
    // "now+N" or "now-N" (minutes), which become day numbers when sent.
    std::string sessionData;
    std::string serverTime;
    // The 120 answer to 211 and the 121 answer to 214; empty: no answer.
    std::string consumption;
    std::string entryAnswer = "1";
    // Create the café system's registry key at start.
    bool registerKey = false;
    // Empty: the log path comes from the command line or the scenario path.
    std::string log;
    // A menu that has not answered by then counts as hung. Longer than the
    // menu's 5 s consumption list, which holds its answer to 120.
    unsigned sendTimeoutMs = 10000;
    // Real café clients differ from the polite default, which answers once
    // the menu's send has returned: with this the answers go out from inside
    // the handler of the command they answer, while the menu still waits.
    bool nestedReplies = false;
    // Session messages are sent with SendMessage, waiting for the menu's
    // answer; every send's log line then says how long the menu took.
    bool syncSend = false;
    // After taking the first command of this number, answer it and end at
    // once, as a café client that crashes or is closed. 0: never.
    std::int32_t endAfter = 0;
    // From inside the handler of command `sendOn.command`, send the session
    // message `sendOn.message` and wait for its answer ("207:5026").
    struct SendOn {
        std::int32_t command = 0;
        unsigned message = 0;
    } sendOn;
    // How long our handler of each command number takes before it returns,
    // in ms, as a café client that asks its own server first
    // ("HandlerDelay=207:6000,211:6000"). The replies go out after it.
    std::map<std::int32_t, unsigned> handlerDelayMs;
    // The session message sent right after this one, without waiting in
    // between, whenever a request sends the first ("FollowWith=5026:5025").
    struct FollowWith {
        unsigned first = 0;
        unsigned then = 0;
    } followWith;
    // Another title hides the window from the menu's search: a probe.
    std::string title{kCafeClientTitle};
    // Where the window goes; negative: where the system puts it.
    int left = -1;
    int top = -1;
    bool stayOnTop = false;
};

// A leading UTF-8 byte order mark is ignored.
Scenario ReadScenario(const ProfileText& profile);
ProfileText ScenarioProfile(std::string contents);

}  // namespace corvina::cafesim
