#pragma once
// Asks whether a folder is there without waiting longer than a deadline: an
// unreachable network share can hold a file call for tens of seconds, and
// the window's thread must not wait with it.

#include <chrono>
#include <functional>

#include "sys/big5.h"

namespace corvina {

// How long a share may take to answer before the update or a record copy.
inline constexpr std::chrono::milliseconds kShareProbeDeadline{5000};

enum class FolderProbe {
    Reachable,  // the folder exists
    Missing,    // it answered: no such folder
    NoAnswer,   // no answer within the deadline
};

// Runs `exists` on a thread of its own. When it has not answered in time
// the result is NoAnswer and the thread finishes on its own later; it
// keeps what it needs alive, and its late answer goes nowhere. An
// exception in `exists` counts as Missing.
FolderProbe ProbeWithDeadline(std::function<bool()> exists, std::chrono::milliseconds deadline);

// FolderExists of `folder` under that rule.
FolderProbe ProbeFolder(const Big5& folder, std::chrono::milliseconds deadline = kShareProbeDeadline);

}  // namespace corvina
