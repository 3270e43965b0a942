#include "orders/session_data.h"

#include "sys/day_number.h"
#include "sys/numbers.h"
#include "sys/strings.h"

namespace corvina {

SessionData ParseSessionData(std::string_view data, char decimalSeparator) {
    const SplitResult flag = SplitAtSeparator(data, ',');
    const SplitResult login = SplitAtSeparator(flag.tail, ',');
    const SplitResult logout = SplitAtSeparator(login.tail, ',');

    SessionData session;
    session.packageFlag = static_cast<std::uint8_t>(ParseIntegerOr(flag.head, 0) & 0xFF);
    session.loginTime = ParseDayNumber(login.head, decimalSeparator);
    if (session.packageFlag != kMeteredSession) session.logoutTime = ParseDayNumber(logout.head, decimalSeparator);
    session.seatId = logout.tail;
    return session;
}

ServerTimeDecision DecideServerTime(double serverTime, double now, double loginTime) {
    ServerTimeDecision decision;
    if (!(serverTime > 0)) {
        decision.minutesUsed = 0;
        return decision;
    }
    const std::int64_t drift = SecondsBetween(now, serverTime);
    if (drift > kClockToleranceSeconds || drift < -kClockToleranceSeconds) decision.setClockTo = serverTime;
    if (loginTime > 0) {
        const std::int64_t minutes = SecondsBetween(serverTime, loginTime) / 60;
        if (minutes >= 0) decision.minutesUsed = minutes;
    }
    return decision;
}

}  // namespace corvina
