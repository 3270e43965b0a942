#include "cafe-sim/requests.h"

#include "sys/cafe_protocol.h"
#include "sys/numbers.h"
#include "sys/strings.h"

namespace corvina::cafesim {

namespace {

bool IsSessionMessage(std::int32_t message) {
    return message >= static_cast<std::int32_t>(kMsgCafeAnnounce) &&
           message <= static_cast<std::int32_t>(kMsgCafeCloseMenu);
}

Request Invalid(std::string_view line) { return {RequestKind::Invalid, 0, 0, std::string(line), {}}; }

}  // namespace

std::optional<Request> ParseRequest(std::string_view line) {
    const std::string_view trimmed = TrimBlanks(line);
    if (trimmed.empty() || trimmed.front() == '#') return std::nullopt;
    const std::size_t blank = trimmed.find(' ');
    const std::string_view verb = trimmed.substr(0, blank);
    // A text keeps its inner blanks: they may be part of the command.
    const std::string_view raw = blank == std::string_view::npos ? std::string_view{} : trimmed.substr(blank + 1);
    const std::string_view argument = TrimBlanks(raw);

    if (verb == "send") {
        const std::optional<std::int32_t> message = ParseInteger(argument);
        if (!message || !IsSessionMessage(*message)) return Invalid(line);
        return Request{RequestKind::Message, static_cast<unsigned>(*message), 0, {}, {}};
    }
    if (verb == "text") return Request{RequestKind::Text, 0, 0, std::string(raw), {}};
    if (verb == "reply") {
        const std::optional<std::int32_t> number = ParseInteger(argument);
        if (!number || *number <= 0) return Invalid(line);
        return Request{RequestKind::Reply, 0, *number, {}, {}};
    }
    if (verb == "hang") {
        const std::optional<std::int32_t> milliseconds = ParseInteger(argument);
        if (!milliseconds || *milliseconds <= 0 || *milliseconds > kMaxHangMs) return Invalid(line);
        return Request{RequestKind::Hang, 0, *milliseconds, {}, {}};
    }
    if (verb == "window") {
        if (argument.empty() || argument.find(' ') != std::string_view::npos) return Invalid(line);
        return Request{RequestKind::Window, 0, 0, std::string(argument), {}};
    }
    if (verb == "press") {
        const std::size_t gap = argument.find(' ');
        if (gap == std::string_view::npos) return Invalid(line);
        const std::optional<std::int32_t> button = ParseInteger(TrimBlanks(argument.substr(gap + 1)));
        if (!button || *button <= 0) return Invalid(line);
        return Request{RequestKind::Press, 0, *button, std::string(argument.substr(0, gap)), {}};
    }
    if (verb == "set") {
        const std::size_t equals = argument.find('=');
        if (equals == std::string_view::npos || TrimBlanks(argument.substr(0, equals)).empty()) return Invalid(line);
        return Request{RequestKind::Set, 0, 0, std::string(TrimBlanks(argument.substr(0, equals))),
                       std::string(TrimBlanks(argument.substr(equals + 1)))};
    }
    if (!argument.empty()) return Invalid(line);
    if (verb == "register-key") return Request{RequestKind::RegisterKey, 0, 0, {}, {}};
    if (verb == "remove-key") return Request{RequestKind::RemoveKey, 0, 0, {}, {}};
    if (verb == "quit") return Request{RequestKind::Quit, 0, 0, {}, {}};
    return Invalid(line);
}

std::vector<std::string> CommandFeed::NewLines(std::string_view contents) {
    if (contents.size() < consumed_) consumed_ = 0;
    std::vector<std::string> lines;
    for (;;) {
        const std::size_t end = contents.find('\n', consumed_);
        if (end == std::string_view::npos) return lines;
        std::string_view line = contents.substr(consumed_, end - consumed_);
        if (line.ends_with('\r')) line.remove_suffix(1);
        lines.emplace_back(line);
        consumed_ = end + 1;
    }
}

}  // namespace corvina::cafesim
