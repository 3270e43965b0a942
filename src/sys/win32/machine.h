#pragma once
// The one seam for side effects on the machine that a test must never cause
// for real: the taskbar, the desktop window, the clock, the display mode,
// starting programs through the shell, opening the browser, taking the
// foreground and opening the window to other integrity levels. The program
// uses WindowsMachine; tests hand in a recording fake.

#include <windows.h>

#include <atomic>
#include <memory>
#include <optional>

#include "sys/big5.h"
#include "sys/lock_down_rules.h"
#include "sys/win32/desktop_icons.h"
#include "sys/win32/handles.h"
#include "sys/win32/lock_down_thread.h"
#include "sys/win32/menu_watch_link.h"

namespace corvina {

// The administrator's line for a clock the system refused to set.
Big5 ClockRefusedText(DWORD refusal);

// What the shell's start of a file gave back.
struct StartedProgram {
    long long result = 0;  // the shell's result code, above 32 for success
    // The program started, when the shell started one of its own; none for
    // a document handed to a program already running, or an address.
    win32::ScopedHandle process;
};

class Machine {
public:
    virtual ~Machine() = default;

    // Shows (restored) or hides every taskbar window, one per monitor;
    // nothing without one. While hidden, one that shows again is hidden.
    virtual void ShowTaskbar(bool show) = 0;
    // Locked: the Windows keys, Ctrl+Esc and Ctrl+Shift+Esc never arrive,
    // in any program, and the accessibility shortcuts are off. Unlocked:
    // all as it was.
    virtual void LockKeys(bool locked) = 0;
    // Kept: a watch restarts the menu when it ends without a proper exit
    // (a crash, a kill, a hang). Not kept: the exit that follows is proper,
    // and the watch ends with it.
    virtual void KeepMenuRunning(bool keep) = 0;
    // Makes `window` (the desktop icons' window) a child of `parent`, or,
    // when `parent` is null, gives it back exactly as it was taken: its
    // parent, styles and place.
    virtual void SetWindowParent(HWND window, HWND parent) = 0;
    // Sets the computer's local time: ERROR_SUCCESS, or the system's reason
    // for refusing (ERROR_PRIVILEGE_NOT_HELD for an account without the
    // right to change the system time).
    virtual DWORD SetClock(const SYSTEMTIME& localTime) = 0;
    // The primary display's mode now (ENUM_CURRENT_SETTINGS); nothing when
    // it cannot be read.
    virtual std::optional<DEVMODEW> CurrentDisplayMode() = 0;
    // ChangeDisplaySettingsW for the primary display: its DISP_CHANGE_ answer.
    virtual LONG ApplyDisplayMode(const DEVMODEW& mode, DWORD flags) = 0;
    // The shell's "open" of a file; its result code (above 32 is success).
    virtual long long RunProgram(const Big5& file, const Big5& parameters, const Big5& folder, int showCommand) = 0;
    // RunProgram, handing back the process started. A machine that cannot
    // tell hands back none.
    virtual StartedProgram StartProgram(const Big5& file, const Big5& parameters, const Big5& folder, int showCommand) {
        return {RunProgram(file, parameters, folder, showCommand), {}};
    }
    // The shell's "open" of a web address (the default browser) or of a
    // page file (its program); its result code (above 32 is success).
    virtual long long OpenWebPage(const Big5& address, int showCommand) = 0;
    // SetForegroundWindow: false when Windows keeps another window in front
    // (it only flashes a taskbar button then).
    virtual bool TakeForeground(HWND window) = 0;
    // Whether `window` is the one the customer works with now.
    virtual bool IsForeground(HWND window) = 0;
    // Lets `message` reach `window` from a process of another integrity
    // level (ChangeWindowMessageFilterEx); false when refused.
    virtual bool AllowMessageFromAnyLevel(HWND window, UINT message) = 0;
};

class WindowsMachine final : public Machine {
public:
    void ShowTaskbar(bool show) override;
    void LockKeys(bool locked) override;
    void KeepMenuRunning(bool keep) override;
    void SetWindowParent(HWND window, HWND parent) override;
    DWORD SetClock(const SYSTEMTIME& localTime) override;
    std::optional<DEVMODEW> CurrentDisplayMode() override;
    LONG ApplyDisplayMode(const DEVMODEW& mode, DWORD flags) override;
    long long RunProgram(const Big5& file, const Big5& parameters, const Big5& folder, int showCommand) override;
    StartedProgram StartProgram(const Big5& file, const Big5& parameters, const Big5& folder, int showCommand) override;
    long long OpenWebPage(const Big5& address, int showCommand) override;
    bool TakeForeground(HWND window) override;
    bool IsForeground(HWND window) override;
    bool AllowMessageFromAnyLevel(HWND window, UINT message) override;

    // After a crash, from any thread: the window taken last goes back to
    // the screen, the taskbars are shown and the accessibility shortcuts
    // come back, without waiting on any window of this process.
    void GiveBackAfterCrash() noexcept;

private:
    LockDownThread& Thread();

    // Made when first needed: a café without lock-down runs no thread.
    std::unique_ptr<LockDownThread> thread_;
    // The customer's accessibility flags while the keys are locked; read
    // by the crash handler.
    AccessibilityFlags accessibility_;
    std::atomic<bool> keysLocked_{false};
    MenuWatchLink watch_;
    // The window made a child by SetWindowParent and not given back yet;
    // read by the crash handler on whichever thread crashed. `record_` is
    // written before `taken_` names its window, and read only after.
    std::atomic<HWND> taken_{nullptr};
    TakenWindow record_;
};

}  // namespace corvina
