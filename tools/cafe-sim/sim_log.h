#pragma once
// The simulator's log, which tests read while it runs: one UTF-8 line (LF) per
// event, "YYYY-MM-DD HH:MM:SS.mmm " then the event, written through at once.
//
//   recv msg 5024 wparam=0 lparam=0x1a2b -> 1    a message and our answer
//   recv cmd 209:                                 a command text
//   recv bad cb=3 "115"                           a text that is no command
//   send msg 5025  or  send msg 5025 -> no menu   a message handed to the menu
//   answer msg 5025 -> 0                          the menu's answer, when it comes
//   send cmd 114: -> ok | timeout | no menu       a command text, after the menu took it
//   info ... / error ...                          start, requests, registry, quit

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

#include "sys/big5.h"
#include "sys/win32/handles.h"

namespace corvina::cafesim {

// Width of the time stamp and the blank after it.
inline constexpr std::size_t kLogStampWidth = 24;

// Control bytes as \xNN, so that every event stays on one line.
std::string EscapeForLog(std::string_view text);

std::string LogStamp(const SYSTEMTIME& time);

class SimLog {
public:
    // Starts the file empty: one run, one log. Throws when it cannot.
    explicit SimLog(const Big5& path);

    const Big5& Path() const { return path_; }
    void Write(std::string_view event);

    // Every line as written, for the window.
    std::function<void(const std::string& line)> OnLine;

private:
    Big5 path_;
    win32::ScopedHandle file_;
};

}  // namespace corvina::cafesim
