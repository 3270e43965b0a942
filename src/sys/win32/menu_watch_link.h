#pragma once
// The menu's side of its watch: the watch is this program started again
// with the watch switch; the two meet through named kernel objects of the
// log-on session.

#include <windows.h>

#include "sys/lock_down_rules.h"
#include "sys/win32/handles.h"

namespace corvina {

// Held by the running watch: one watch per session.
inline constexpr const wchar_t* kWatchMutexName = L"Local\\Corvina2.Watch";
// Set by the menu on a proper exit; reset by the watch before a restart.
inline constexpr const wchar_t* kProperExitEventName = L"Local\\Corvina2.ProperExit";
// Set while the menu copies files through the shell: its window may not
// answer then, and that is no hang.
inline constexpr const wchar_t* kCopyingEventName = L"Local\\Corvina2.Copying";

class MenuWatchLink {
public:
    // Starts the watch unless one runs; `accessibility` is what it gives
    // back when it gives up. Without a watch the menu runs on unwatched.
    void Keep(const AccessibilityFlags& accessibility) noexcept;
    // The exit that follows is proper.
    void ProperExit() noexcept;

private:
    win32::ScopedHandle properExit_;
};

// Marks a shell copy for the watch while it lives.
class CopyingMark {
public:
    CopyingMark() noexcept;
    ~CopyingMark();
    CopyingMark(const CopyingMark&) = delete;
    CopyingMark& operator=(const CopyingMark&) = delete;

private:
    win32::ScopedHandle event_;
};

}  // namespace corvina
