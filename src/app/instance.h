#pragma once
// The single-instance marker: a named 4-byte block of shared memory that
// holds the running instance's application window handle, so that a second
// start can bring that window back instead of running twice.

#include <windows.h>

#include <cstdint>
#include <optional>

#include "sys/big5.h"
#include "sys/win32/handles.h"

namespace corvina {

// A first instance's block, created and mapped for as long as this lives.
struct InstanceMarker {
    win32::ScopedHandle block;
    win32::ScopedMapView view;
};

struct InstanceClaim {
    // This process is the first instance. `marker` stays empty when the block
    // could not be made: running unmarked beats not running at all.
    bool first = false;
    InstanceMarker marker;
    // Name taken: the window stored by the running instance, or nothing when
    // its block could not be read (also when it is closed to this process's
    // rights: that instance runs all the same).
    std::optional<HWND> running;
};

// Claims `name` for `window`, without any process-wide state.
InstanceClaim ClaimInstanceName(const Big5& name, HWND window);

// Restores the window when minimised, otherwise brings it to the front.
void ActivateRunningInstance(HWND window);

// Window handles carry 32 significant bits on 64-bit Windows as well,
// which is what the block holds.
std::uint32_t HandleBits(HWND window);
HWND HandleFromBits(std::uint32_t bits);

// The application window whose handle ClaimInstance stores.
void SetInstanceWindow(HWND window);

// True for the first instance, which keeps the marker until ReleaseInstance.
// False when another instance runs; with `activate` that one is brought back.
bool ClaimInstance(const Big5& name, bool activate);

// The window that the instance holding `name` stored; nothing while none runs.
std::optional<HWND> RunningInstanceWindow(const Big5& name);

// Unmaps and closes the marker; does nothing when none is held.
void ReleaseInstance();

}  // namespace corvina
