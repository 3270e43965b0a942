#pragma once
// Where the session's order log GoodsLog.Lst lives, and its deletion at a
// session's end: the ordering window writes it, the café link clears it.

#include <string_view>

#include "sys/big5.h"

namespace corvina {

inline constexpr std::string_view kOrderLogName = "GoodsLog.Lst";

// `programFolder` ends in a path separator.
Big5 OrderLogPath(const Big5& programFolder);

// DeleteOrderLog: at a session's end and at start, so that no customer sees
// another's orders. A missing log is no error; one that cannot be deleted
// throws std::runtime_error naming it.
void DeleteOrderLog(const Big5& programFolder);

}  // namespace corvina
