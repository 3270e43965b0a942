#include "orders/session_data.h"

#include <cstdio>

#include "sys/day_number.h"
#include "sys/numbers.h"
#include "sys/strings.h"
#include "sys/text.h"

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

ClockLimits ClockLimitsFrom(const CalendarTime& buildDay) {
    CalendarTime last = buildDay;
    last.year += 20;
    // 29 February of a leap year has no twin 20 years on in every case.
    if (last.month == 2 && last.day == 29) last.day = 28;
    return {DayNumberFromCalendar(buildDay), DayNumberFromCalendar(last)};
}

ServerTimeDecision DecideServerTime(double serverTime, double now, double loginTime, const ClockLimits& limits) {
    ServerTimeDecision decision;
    if (!(serverTime > 0)) {
        decision.minutesUsed = 0;
        return decision;
    }
    if (serverTime < limits.earliest || serverTime > limits.latest) {
        decision.outsideLimits = true;
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

namespace {

Big5 DateText(double dayNumber) {
    const std::optional<CalendarTime> time = CalendarFromDayNumber(dayNumber);
    if (!time) return "?";
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", time->year, time->month, time->day, time->hour,
                  time->minute, time->second);
    return text;
}

}  // namespace

Big5 ServerTimeOutsideLimitsText(double serverTime, const ClockLimits& limits) {
    return T(u8"咖啡廳客戶端送來的伺服器時間 ") + DateText(serverTime) + T(u8" 不在 ") + DateText(limits.earliest) +
           T(u8" 至 ") + DateText(limits.latest) + T(u8" 之間，電腦時鐘未調整；請檢查咖啡廳伺服器的時間。");
}

}  // namespace corvina
