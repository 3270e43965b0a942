#pragma once
// The watch: this program started again with the watch switch by a locked
// down menu. It has no window. It restarts the menu within moments when it
// ends without a proper exit (a crash, a kill, a hang it can see), and
// after too many restarts gives the customer's Windows back and stops.
// Each restart and the giving up are lines in the administrator's log.

#include "sys/big5.h"
#include "sys/lock_down_rules.h"
#include "sys/win32/menu_watch_link.h"

namespace corvina {

// `programFolder` ends in a backslash; the exit status is the watch's own.
int RunMenuWatch(const WatchArguments& arguments, const Big5& programFolder);

// Everything the lock-down took from the customer's Windows, for when no
// menu will come back: the desktop icons' window the menu had taken, every
// taskbar and the accessibility shortcuts.
void GiveBackDesktop(const AccessibilityFlags& accessibility, TakenDesktopStore& taken) noexcept;

}  // namespace corvina
