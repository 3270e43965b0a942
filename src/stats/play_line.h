#pragma once
// One play of a menu item as a line of the statistics files: the format the
// menu appends and the report reads. The files are UTF-8 with a byte-order
// mark (so that Excel opens them as they are) and comma-separated, quoted
// where a field holds a comma or a quote. A play is always one line: line
// breaks inside a field are written as blanks.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "sys/day_number.h"

namespace corvina {

struct Play {
    CalendarTime start;
    // None for a document or address opened through the shell without a
    // program of its own: only its start is known.
    std::optional<CalendarTime> end;
    std::int64_t seconds = 0;  // 0 when there is no end
    std::string pc;            // UTF-8, as every text below
    std::string channel;
    std::string item;
    std::string target;

    friend bool operator==(const Play&, const Play&) = default;
};

// A play longer than this was a program left running, not played.
inline constexpr std::int64_t kLongestPlaySeconds = 12 * 60 * 60;

inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// The first line of every file, after the byte-order mark, CRLF included.
std::string_view PlayFileHeader();

// The file of one PC and month: "<PC>-<yyyy-mm>.csv". Characters a file
// name cannot hold become '_'.
std::string PlayFileName(std::string_view pc, int year, int month);

// The line of a play, CRLF included.
std::string PlayLine(const Play& play);

// A line without its CRLF. Nothing, with the reason in `why`, for a line
// that is not a play (the header is not one either: test IsPlayFileHeader).
std::optional<Play> ParsePlayLine(std::string_view line, std::string& why);
bool IsPlayFileHeader(std::string_view line);

// "2026-12-09 14:05:00"; nothing for any other form or an impossible date.
std::string PlayTimeText(const CalendarTime& time);
std::optional<CalendarTime> ParsePlayTime(std::string_view text);

}  // namespace corvina
