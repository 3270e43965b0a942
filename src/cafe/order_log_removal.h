#pragma once
// DeleteOrderLog: a session's order log goes when the session ends and
// when the menu starts, so that no customer sees another's orders.

#include "sys/big5.h"

namespace corvina {

// A missing log is no error; one that cannot be deleted throws
// std::runtime_error naming it.
void DeleteOrderLog(const Big5& programFolder);

}  // namespace corvina
