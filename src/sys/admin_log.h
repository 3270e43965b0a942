#pragma once
// The administrator's log, Corvina2.log in the program folder: faults that
// must not stop the menu but that somebody looking after the PC needs to
// know. One Big5 line each, "yyyy-mm-dd hh:mm:ss text", appended; a full
// file moves aside to Corvina2.log.1 so the log never grows past 1 MiB.

#include <cstdint>
#include <functional>
#include <mutex>
#include <string_view>

#include "sys/big5.h"
#include "sys/day_number.h"

namespace corvina {

inline constexpr std::string_view kAdminLogName = "Corvina2.log";
inline constexpr std::uint64_t kAdminLogLimitBytes = 1024 * 1024;

// One line with its CR LF; line breaks inside `text` become blanks, so a
// message is always one line.
Big5 AdminLogLine(const CalendarTime& time, std::string_view text);

class AdminLog {
public:
    using Clock = std::function<CalendarTime()>;

    AdminLog(Big5 programFolder, Clock clock);

    // Never throws: a log that cannot be written has nowhere left to report
    // to, and the fault it records must not become a second one.
    void Write(std::string_view text) noexcept;

    const Big5& Path() const { return path_; }

private:
    Big5 path_;
    Clock clock_;
    std::mutex mutex_;
};

}  // namespace corvina
