#pragma once
// What tests and the demo ask the simulator to do: the lines of the command
// file (`<log>.in`, UTF-8, one request a line) and the window's buttons.
//
//   send 5024|5025|5026|5027   a session message to the menu (5024 carries our window)
//   text 121:1                 a command text, sent as it is (even a malformed one)
//   reply 209                  what we answer to that command, sent now
//   set Key=Value              changes a [Scenario] key from now on
//   register-key, remove-key   the café system's registry key
//   hang 9000                  stops reading messages for that many ms (a hung client)
//   window #32770              logs whether the menu shows a window of that class, and its text
//   press #32770 1             presses that button (a command id) in the menu's window of that class
//   quit                       ends the simulator (exit code 0)
// Blank lines and lines starting with "#" are skipped.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvina::cafesim {

enum class RequestKind { Message, Text, Reply, Set, RegisterKey, RemoveKey, Hang, Window, Press, Quit, Invalid };

struct Request {
    RequestKind kind = RequestKind::Invalid;
    unsigned message = 0;     // Message
    std::int32_t number = 0;  // Reply; Hang: milliseconds; Press: the button
    std::string text;         // Text: the command text; Set: the key; Window, Press: the class; Invalid: the line
    std::string value;        // Set

    friend bool operator==(const Request&, const Request&) = default;
};

// Nothing for blank and comment lines.
std::optional<Request> ParseRequest(std::string_view line);

// A hang longer than this is a mistake in the request, not a test.
inline constexpr std::int32_t kMaxHangMs = 60000;

// Reads the command file as it grows: each call gets the whole file and
// returns the lines completed since the last call, without line breaks.
// A line still missing its line break waits for the next call; a file that
// shrank was started anew and is read from its beginning.
class CommandFeed {
public:
    std::vector<std::string> NewLines(std::string_view contents);

private:
    std::size_t consumed_ = 0;
};

}  // namespace corvina::cafesim
