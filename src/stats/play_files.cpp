#include "stats/play_files.h"

#include <cctype>

namespace corvina {

namespace {

bool IsDigits(std::string_view text) {
    for (const char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    return true;
}

}  // namespace

bool IsPlayFileName(std::string_view name) {
    // "-yyyy-mm.csv" after at least one character of the PC's name
    constexpr std::size_t kTail = 12;
    if (name.size() <= kTail) return false;
    const std::string_view tail = name.substr(name.size() - kTail);
    const std::string_view extension = tail.substr(8);
    const bool csv = extension.size() == 4 && extension[0] == '.' &&
                     std::tolower(static_cast<unsigned char>(extension[1])) == 'c' &&
                     std::tolower(static_cast<unsigned char>(extension[2])) == 's' &&
                     std::tolower(static_cast<unsigned char>(extension[3])) == 'v';
    if (!csv || tail[0] != '-' || tail[5] != '-' || !IsDigits(tail.substr(1, 4)) || !IsDigits(tail.substr(6, 2)))
        return false;
    const int month = (tail[6] - '0') * 10 + (tail[7] - '0');
    return month >= 1 && month <= 12;
}

void ReadPlayFile(std::string_view name, std::string_view contents, PlayFiles& into) {
    ++into.filesRead;
    if (contents.starts_with(kUtf8ByteOrderMark)) contents.remove_prefix(kUtf8ByteOrderMark.size());
    std::size_t lineNumber = 0;
    while (!contents.empty()) {
        const std::size_t end = contents.find('\n');
        std::string_view line = contents.substr(0, end);
        contents.remove_prefix(end == std::string_view::npos ? contents.size() : end + 1);
        ++lineNumber;
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (line.empty() || (lineNumber == 1 && IsPlayFileHeader(line))) continue;
        std::string why;
        if (auto play = ParsePlayLine(line, why))
            into.plays.push_back(std::move(*play));
        else
            into.badLines.push_back({std::string(name), lineNumber, std::move(why)});
    }
}

}  // namespace corvina
