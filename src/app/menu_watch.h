#pragma once
// The watch: this program started again with the watch switch by a locked
// down menu. It has no window. It restarts the menu within moments when it
// ends without a proper exit (a crash, a kill, a hang it can see), and
// after too many restarts gives the customer's Windows back and stops.
// Each restart and the giving up are lines in the administrator's log.

#include "sys/big5.h"
#include "sys/lock_down_rules.h"

namespace corvina {

// `programFolder` ends in a backslash; the exit status is the watch's own.
int RunMenuWatch(const WatchArguments& arguments, const Big5& programFolder);

// Everything the lock-down took from the customer's Windows, for when no
// menu will come back: every taskbar and the accessibility shortcuts. (The
// desktop icons' window joins these once it can be handed back from
// another process.)
void GiveBackDesktop(const AccessibilityFlags& accessibility) noexcept;

}  // namespace corvina
