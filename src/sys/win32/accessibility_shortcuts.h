#pragma once
// The keyboard shortcuts of the accessibility features (Shift five times,
// right Shift held, Num Lock held, left Alt+left Shift+Print Screen or
// Num Lock): each opens a dialog from which the desktop is reached.
// Changed for this log-on session only: nothing is written to the user's
// profile, and no change is broadcast, so that this may run on a crashing
// thread while the program's own windows hang.

#include "sys/lock_down_rules.h"

namespace corvina {

AccessibilityFlags ReadAccessibilityFlags() noexcept;
// Each read feature that is off loses its shortcut.
void SwitchOffAccessibilityShortcuts(const AccessibilityFlags& now) noexcept;
// Each read feature gets `flags` back, its other settings as they are now.
void RestoreAccessibilityFlags(const AccessibilityFlags& flags) noexcept;

}  // namespace corvina
