#include "stats/play_line.h"

#include <charconv>
#include <cstdio>
#include <vector>

namespace corvina {

namespace {

constexpr std::string_view kHeader = "開始,結束,秒數,電腦,頻道,項目,目標";
constexpr int kFieldCount = 7;

void AppendField(std::string& line, std::string_view field) {
    const bool quoted = field.find_first_of(",\"") != std::string_view::npos;
    if (quoted) line += '"';
    for (const char c : field) {
        if (c == '"')
            line += "\"\"";
        else if (c == '\r' || c == '\n')
            line += ' ';
        else
            line += c;
    }
    if (quoted) line += '"';
}

// RFC 4180 fields of one line; nothing when a quote is left open or stray.
std::optional<std::vector<std::string>> SplitFields(std::string_view line) {
    std::vector<std::string> fields(1);
    std::size_t i = 0;
    bool startOfField = true;
    while (i < line.size()) {
        const char c = line[i];
        if (startOfField && c == '"') {
            ++i;
            for (;;) {
                if (i >= line.size()) return std::nullopt;
                if (line[i] == '"') {
                    if (i + 1 < line.size() && line[i + 1] == '"') {
                        fields.back() += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                fields.back() += line[i++];
            }
            if (i < line.size() && line[i] != ',') return std::nullopt;
            startOfField = false;
            continue;
        }
        if (c == ',') {
            fields.emplace_back();
            startOfField = true;
        } else if (c == '"') {
            return std::nullopt;
        } else {
            fields.back() += c;
            startOfField = false;
        }
        ++i;
    }
    return fields;
}

bool ParseNumber(std::string_view text, int& value) {
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc{} && result.ptr == text.data() + text.size();
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

}  // namespace

std::string_view PlayFileHeader() {
    static const std::string header = std::string(kHeader) + "\r\n";
    return header;
}

bool IsPlayFileHeader(std::string_view line) { return line == kHeader; }

std::string PlayFileName(std::string_view pc, int year, int month) {
    std::string name;
    for (const char c : pc) {
        const auto byte = static_cast<unsigned char>(c);
        const bool forbidden = byte < 0x20 || std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos;
        name += forbidden ? '_' : c;
    }
    if (name.empty()) name.push_back('_');
    char month_part[16];
    std::snprintf(month_part, sizeof month_part, "-%04d-%02d.csv", year, month);
    return name + month_part;
}

std::string PlayTimeText(const CalendarTime& time) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", time.year, time.month, time.day, time.hour,
                  time.minute, time.second);
    return text;
}

std::optional<CalendarTime> ParsePlayTime(std::string_view text) {
    // yyyy-mm-dd hh:mm:ss
    if (text.size() != 19 || text[4] != '-' || text[7] != '-' || text[10] != ' ' || text[13] != ':' ||
        text[16] != ':') {
        return std::nullopt;
    }
    CalendarTime time;
    if (!ParseNumber(text.substr(0, 4), time.year) || !ParseNumber(text.substr(5, 2), time.month) ||
        !ParseNumber(text.substr(8, 2), time.day) || !ParseNumber(text.substr(11, 2), time.hour) ||
        !ParseNumber(text.substr(14, 2), time.minute) || !ParseNumber(text.substr(17, 2), time.second)) {
        return std::nullopt;
    }
    if (time.year < 1 || time.month < 1 || time.month > 12 || time.day < 1 ||
        time.day > DaysInMonth(time.year, time.month) || time.hour > 23 || time.minute > 59 || time.second > 59) {
        return std::nullopt;
    }
    return time;
}

std::string PlayLine(const Play& play) {
    std::string line = PlayTimeText(play.start);
    line += ',';
    if (play.end) line += PlayTimeText(*play.end);
    line += ',';
    if (play.end) line += std::to_string(play.seconds);
    for (const std::string_view field : {play.pc, play.channel, play.item, play.target}) {
        line += ',';
        AppendField(line, field);
    }
    line += "\r\n";
    return line;
}

std::optional<Play> ParsePlayLine(std::string_view line, std::string& why) {
    const auto fields = SplitFields(line);
    if (!fields) {
        why = "a quote is not closed";
        return std::nullopt;
    }
    if (fields->size() != kFieldCount) {
        why = "not 7 fields";
        return std::nullopt;
    }
    const auto& f = *fields;
    Play play;
    const auto start = ParsePlayTime(f[0]);
    if (!start) {
        why = "no start time";
        return std::nullopt;
    }
    play.start = *start;
    if (!f[1].empty() || !f[2].empty()) {
        play.end = ParsePlayTime(f[1]);
        const auto result = std::from_chars(f[2].data(), f[2].data() + f[2].size(), play.seconds);
        if (!play.end || result.ec != std::errc{} || result.ptr != f[2].data() + f[2].size()) {
            why = "a bad end time or seconds";
            return std::nullopt;
        }
        if (play.seconds < 0 || play.seconds > kLongestPlaySeconds) {
            why = "seconds out of range";
            return std::nullopt;
        }
    }
    play.pc = f[3];
    play.channel = f[4];
    play.item = f[5];
    play.target = f[6];
    if (play.pc.empty() || play.item.empty()) {
        why = "no PC or item";
        return std::nullopt;
    }
    return play;
}

}  // namespace corvina
