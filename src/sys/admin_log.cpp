#include "sys/admin_log.h"

#include <cstdio>
#include <utility>

#include "sys/files.h"

namespace corvina {

Big5 AdminLogLine(const CalendarTime& time, std::string_view text) {
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d %02d:%02d:%02d ", time.year, time.month, time.day, time.hour,
                  time.minute, time.second);
    Big5 line = stamp;
    line.reserve(line.size() + text.size() + 2);
    for (const char c : text) line += (c == '\r' || c == '\n') ? ' ' : c;
    line += "\r\n";
    return line;
}

AdminLog::AdminLog(Big5 programFolder, Clock clock)
    : path_(std::move(programFolder) + Big5(kAdminLogName)), clock_(std::move(clock)) {}

void AdminLog::Write(std::string_view text) noexcept {
    try {
        const std::lock_guard lock(mutex_);
        const Big5 line = AdminLogLine(clock_(), text);
        const std::optional<std::uint64_t> size = FileSizeOf(path_);
        if (size && *size + line.size() > kAdminLogLimitBytes) {
            // A log that cannot be moved aside grows past its limit rather than lose the line.
            static_cast<void>(MoveFileTo(path_, path_ + ".1"));
        }
        AppendFileBytes(path_, line);
    } catch (...) {
        // See the declaration: nothing sensible is left to do.
    }
}

}  // namespace corvina
