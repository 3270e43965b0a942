#pragma once
// The session's order log GoodsLog.Lst on disk, in the program folder.

#include <optional>
#include <string>
#include <string_view>

#include "sys/big5.h"

namespace corvina {

// `programFolder` ends in a path separator.
Big5 OrderLogPath(const Big5& programFolder);

// The log's bytes, or nothing when there is no log. A log that exists but
// cannot be read throws: showing no orders would hide what was ordered.
std::optional<std::string> ReadOrderLogFile(const Big5& programFolder);

// Appends the bytes as they are, creating the log when missing; throws on
// failure.
void AppendOrderLogFile(const Big5& programFolder, std::string_view bytes);

// DeleteOrderLog: at a session's end and at start, so that no customer sees
// another's orders. A missing log is no error; one that cannot be deleted
// throws std::runtime_error naming it.
void DeleteOrderLog(const Big5& programFolder);

}  // namespace corvina
