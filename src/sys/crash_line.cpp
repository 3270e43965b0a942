#include "sys/crash_line.h"

#include <algorithm>
#include <cstdio>

namespace corvina {

std::size_t FormatCrashLine(const CrashFacts& facts, std::span<char> out) {
    if (out.size() < 3) return 0;
    const CalendarTime& t = facts.time;
    const std::size_t room = out.size() - 2;  // CR LF always fit
    int written = std::snprintf(out.data(), room + 1, "%04d-%02d-%02d %02d:%02d:%02d exception %08X at %016llX ",
                                t.year, t.month, t.day, t.hour, t.minute, t.second, static_cast<unsigned>(facts.code),
                                static_cast<unsigned long long>(facts.address));
    std::size_t length = std::min(static_cast<std::size_t>(std::max(written, 0)), room);
    if (facts.module.empty()) {
        written = std::snprintf(out.data() + length, room - length + 1, "in no module");
    } else {
        // Line breaks in a module name would split the line.
        char module[96]{};
        const std::size_t count = std::min(facts.module.size(), sizeof module - 1);
        for (std::size_t i = 0; i < count; ++i) {
            const char c = facts.module[i];
            module[i] = (c == '\r' || c == '\n') ? ' ' : c;
        }
        written = std::snprintf(out.data() + length, room - length + 1, "in %s+0x%llX", module,
                                static_cast<unsigned long long>(facts.offset));
    }
    length = std::min(length + static_cast<std::size_t>(std::max(written, 0)), room);
    out[length++] = '\r';
    out[length++] = '\n';
    return length;
}

}  // namespace corvina
