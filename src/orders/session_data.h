#pragma once
// The café client's session data (117) and server time (119).

#include <cstdint>
#include <optional>
#include <string_view>

#include "sys/big5.h"

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

struct ServerTimeDecision {
    std::optional<double> setClockTo;
    // Whole minutes since the login; nothing leaves the label as it was.
    std::optional<std::int64_t> minutesUsed;

    friend bool operator==(const ServerTimeDecision&, const ServerTimeDecision&) = default;
};

// serverTime from the 119 text (ParseDayNumber), now the PC's clock.
// Without a login time no minutes are counted: they would be counted from
// 1899 and show tens of millions.
ServerTimeDecision DecideServerTime(double serverTime, double now, double loginTime);

}  // namespace corvina
