#pragma once
// ChangeScreenMode's work on the display, through the machine seam: the
// requested mode is built on the current one, tried first, and only then
// applied and stored for later log-ons.

#include <windows.h>

#include "sys/win32/machine.h"

namespace corvina {

enum class ScreenModeChange {
    Done,            // applied and stored
    RestartNeeded,   // stored; takes effect after a restart
    Refused,         // the system would not take the mode: nothing changed
    SettingsUnread,  // the current display settings could not be read
};

// The current mode with the width and the height, and the depth when
// `setBits`; only those fields are marked to change, so the refresh rate
// and the rest stay as they are.
DEVMODEW RequestedDisplayMode(const DEVMODEW& current, int width, int height, int bitsPerPixel, bool setBits);

struct ScreenModeOutcome {
    ScreenModeChange change = ScreenModeChange::SettingsUnread;
    // The depth asked for was refused and left as it is; the rest went on.
    bool depthRefused = false;
};

// Tests the mode with CDS_TEST, then applies it with CDS_UPDATEREGISTRY. A
// depth below 32 bits that the test refuses (as Windows 8 and later do for
// every program that declares them) is dropped, and the size alone is
// tested and applied: the customer's area choice never waits on a colour
// choice the PC cannot have.
ScreenModeOutcome ChangeDisplayMode(Machine& machine, int width, int height, int bitsPerPixel, bool setBits);

}  // namespace corvina
