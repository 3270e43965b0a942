#include "cafe-sim/sim_log.h"

#include <array>
#include <stdexcept>

#include "sys/text.h"

namespace corvina::cafesim {

namespace {

void AppendNumber(std::string& text, unsigned value, int width) {
    std::string digits = std::to_string(value);
    if (digits.size() < static_cast<std::size_t>(width))
        text.append(static_cast<std::size_t>(width) - digits.size(), '0');
    text += digits;
}

}  // namespace

std::string EscapeForLog(std::string_view text) {
    static constexpr std::array<char, 16> kHex{'0', '1', '2', '3', '4', '5', '6', '7',
                                               '8', '9', 'a', 'b', 'c', 'd', 'e', 'f'};
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            escaped += "\\x";
            escaped += kHex[byte >> 4];
            escaped += kHex[byte & 0x0Fu];
        } else {
            escaped += c;
        }
    }
    return escaped;
}

std::string LogStamp(const SYSTEMTIME& time) {
    std::string stamp;
    AppendNumber(stamp, time.wYear, 4);
    stamp += '-';
    AppendNumber(stamp, time.wMonth, 2);
    stamp += '-';
    AppendNumber(stamp, time.wDay, 2);
    stamp += ' ';
    AppendNumber(stamp, time.wHour, 2);
    stamp += ':';
    AppendNumber(stamp, time.wMinute, 2);
    stamp += ':';
    AppendNumber(stamp, time.wSecond, 2);
    stamp += '.';
    AppendNumber(stamp, time.wMilliseconds, 3);
    return stamp;
}

SimLog::SimLog(const Big5& path) : path_(path) {
    // Readers may open it meanwhile, and a test may delete its folder.
    file_.Reset(CreateFileW(WideFromBig5(path).c_str(), FILE_APPEND_DATA,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file_) throw std::runtime_error("cannot write the log " + Utf8FromBig5(path));
}

void SimLog::Write(std::string_view event) {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    std::string line = LogStamp(now);
    line += ' ';
    line += EscapeForLog(event);
    // One write per line: a reader never sees half of one.
    const std::string record = line + "\n";
    DWORD written = 0;
    WriteFile(file_.Get(), record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
    if (OnLine) OnLine(line);
}

}  // namespace corvina::cafesim
