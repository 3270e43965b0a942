#pragma once
// Bringing a window of ours in front of the program the customer uses now.
// Windows grants the foreground only to a few (the foreground program, one
// it allowed); refused, it merely flashes a taskbar button, which the menu
// hides. A refused window therefore stays above the others until the
// customer activates it, and only then behaves as any window again.

#include <windows.h>

#include "sys/win32/machine.h"

namespace corvina {

// Takes the foreground for `window`; when Windows refuses, the window is
// kept topmost. True when it is in front now.
bool ComeToFront(Machine& machine, HWND window);

// On the window's activation: once the customer has it in front, the
// topmost placement ends.
void ActivatedInFront(Machine& machine, HWND window);

// Whether the window is kept topmost for want of the foreground.
bool KeptOnTop(HWND window);

// Before the window goes: the mark is removed (the system requires it).
void ForgetKeptOnTop(HWND window);

}  // namespace corvina
