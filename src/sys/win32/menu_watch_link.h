#pragma once
// The menu's side of its watch: the watch is this program started again
// with the watch switch; the two meet through named kernel objects of the
// log-on session.

#include <windows.h>

#include <cstdint>
#include <optional>

#include "sys/lock_down_rules.h"
#include "sys/win32/desktop_icons.h"
#include "sys/win32/handles.h"

namespace corvina {

// Held by the running watch: one watch per session.
inline constexpr const wchar_t* kWatchMutexName = L"Local\\Corvina2.Watch";
// Set by the menu on a proper exit; reset by the watch before a restart.
inline constexpr const wchar_t* kProperExitEventName = L"Local\\Corvina2.ProperExit";
// Set while the menu copies files through the shell: its window may not
// answer then, and that is no hang.
inline constexpr const wchar_t* kCopyingEventName = L"Local\\Corvina2.Copying";

// Made by the watch and held for its life: the desktop icons' window the
// menu has taken, so that a killed menu's window is still given back.
inline constexpr const wchar_t* kTakenDesktopName = L"Local\\Corvina2.TakenDesktop";

// The menu's side: what it has taken now, or null when nothing. Nothing
// without a watch.
void PublishTakenDesktop(const TakenWindow* taken) noexcept;

// The watch's side of the taken desktop window.
class TakenDesktopStore {
public:
    TakenDesktopStore();
    // What the menu had taken and not given back; cleared by the reading.
    std::optional<TakenWindow> Take() noexcept;

private:
    win32::ScopedHandle mapping_;
    win32::ScopedMapView view_;
};

// Made by the watch: a crashing menu asks it for the dump through these.
inline constexpr const wchar_t* kCrashReportName = L"Local\\Corvina2.CrashReport";
inline constexpr const wchar_t* kCrashedEventName = L"Local\\Corvina2.Crashed";
inline constexpr const wchar_t* kDumpDoneEventName = L"Local\\Corvina2.DumpDone";

// The menu's side, from its crash handler on the crashed thread: asks the
// watch to write the dump of this process and waits up to `waitMs` for it.
// False without a watch, or when it wrote none in that time.
bool AskWatchForDump(EXCEPTION_POINTERS* exception, DWORD waitMs) noexcept;

struct CrashReport {
    DWORD processId = 0;
    DWORD threadId = 0;
    // EXCEPTION_POINTERS* in the crashed process, not in the watch.
    std::uint64_t exception = 0;
};

// The watch's side of a crashing menu's request.
class CrashReportStore {
public:
    CrashReportStore();
    // Set when a menu asks for its dump; null when the objects could not
    // be made (the menu then writes its own).
    HANDLE Crashed() const noexcept { return crashed_.Get(); }
    // The request that set Crashed().
    CrashReport Read() const noexcept;
    // Lets the crashed menu go on to its end.
    void Answer(bool written) noexcept;

private:
    win32::ScopedHandle mapping_;
    win32::ScopedMapView view_;
    win32::ScopedHandle crashed_;
    win32::ScopedHandle done_;
};

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
