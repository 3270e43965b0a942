#pragma once
// The session's order log GoodsLog.Lst on disk, in the program folder.

#include <optional>
#include <string>
#include <string_view>

#include "settings/order_log_path.h"
#include "sys/big5.h"

namespace corvina {

// The log's bytes, or nothing when there is no log. A log that exists but
// cannot be read throws: showing no orders would hide what was ordered.
std::optional<std::string> ReadOrderLogFile(const Big5& programFolder);

// Appends the bytes as they are, creating the log when missing; throws on
// failure.
void AppendOrderLogFile(const Big5& programFolder, std::string_view bytes);

// The log as the main window keeps it over the sessions: cleared at start
// and at each session's end, read back by the ordering window. A log that
// will not go (held open by another program, read-only, a folder of its
// name) never stops the menu and never shows an earlier session's orders
// as this one's.
class OrderLogKeeper {
public:
    explicit OrderLogKeeper(Big5 programFolder);

    // Deletes the log; when it cannot be deleted, empties it; when that
    // fails too, its present contents are left out of every read until a
    // later clear succeeds. Never throws: returns the fault for the
    // administrator's log, empty when the log went or was not there.
    Big5 Clear();

    // ReadOrderLogFile without what Clear could not remove. A log that
    // could not be cleared nor read is read as no log.
    std::optional<std::string> Read() const;

private:
    Big5 programFolder_;
    // Set when the last clear left the log as it was: the bytes to leave
    // out, or nothing when even they could not be read.
    std::optional<std::optional<std::string>> stale_;
};

}  // namespace corvina
