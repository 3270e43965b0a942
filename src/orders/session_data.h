#pragma once
// The café client's session data (117) and server time (119).

#include <cstdint>
#include <optional>
#include <string_view>

#include "sys/big5.h"
#include "sys/day_number.h"

namespace corvina {

// `PackageFlag` values: a metered session, and a package paid already.
inline constexpr std::uint8_t kMeteredSession = 0;
inline constexpr std::uint8_t kPaidPackage = 1;

struct SessionData {
    std::uint8_t packageFlag = kMeteredSession;
    double loginTime = 0;
    double logoutTime = 0;  // only a package session has one
    Big5 seatId;

    friend bool operator==(const SessionData&, const SessionData&) = default;
};

// "flag,login,logout,seat", the seat keeping further commas. A field whose
// "," is missing is empty, and so is every field after it.
SessionData ParseSessionData(std::string_view data, char decimalSeparator);

// Beyond this many seconds between the PC's clock and the server time the
// clock is set to the server time.
inline constexpr std::int64_t kClockToleranceSeconds = 180;

// The days a server time may set the clock to. A time outside them is a
// fault of the café client or of the line, not a reason to move the PC's
// clock by centuries: certificates, logs and the records' dates follow it.
struct ClockLimits {
    double earliest = kFirstDayNumber;
    double latest = kEndDayNumber;
};

// From the program's build day to the same day 20 years later.
ClockLimits ClockLimitsFrom(const CalendarTime& buildDay);

struct ServerTimeDecision {
    std::optional<double> setClockTo;
    // Whole minutes since the login; nothing leaves the label as it was.
    std::optional<std::int64_t> minutesUsed;
    // The time lay outside the limits: nothing changes.
    bool outsideLimits = false;

    friend bool operator==(const ServerTimeDecision&, const ServerTimeDecision&) = default;
};

// serverTime from the 119 text (ParseDayNumber), now the PC's clock.
// Without a login time no minutes are counted: they would be counted from
// 1899 and show tens of millions.
ServerTimeDecision DecideServerTime(double serverTime, double now, double loginTime, const ClockLimits& limits = {});

// The administrator's line for a server time outside the limits.
Big5 ServerTimeOutsideLimitsText(double serverTime, const ClockLimits& limits);

}  // namespace corvina
