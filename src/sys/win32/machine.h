#pragma once
// The one seam for side effects on the machine that a test must never cause
// for real: the taskbar, the desktop window, the clock, the display mode,
// starting programs through the shell and opening the browser. The program
// uses WindowsMachine; tests hand in a recording fake.

#include <windows.h>

#include <atomic>
#include <optional>

#include "sys/big5.h"

namespace corvina {

class Machine {
public:
    virtual ~Machine() = default;

    // Shows (restored) or hides the taskbar window; nothing without one.
    virtual void ShowTaskbar(bool show) = 0;
    // Makes `window` a child of `parent`, or gives it back to the screen
    // when `parent` is null (the desktop icons' window).
    virtual void SetWindowParent(HWND window, HWND parent) = 0;
    // Sets the computer's local time.
    virtual void SetClock(const SYSTEMTIME& localTime) = 0;
    // The primary display's mode now (ENUM_CURRENT_SETTINGS); nothing when
    // it cannot be read.
    virtual std::optional<DEVMODEW> CurrentDisplayMode() = 0;
    // ChangeDisplaySettingsW for the primary display: its DISP_CHANGE_ answer.
    virtual LONG ApplyDisplayMode(const DEVMODEW& mode, DWORD flags) = 0;
    // The shell's "open" of a file; its result code (above 32 is success).
    virtual long long RunProgram(const Big5& file, const Big5& parameters, const Big5& folder, int showCommand) = 0;
    // The browser program with the address as its only parameter.
    virtual void OpenWebPage(const Big5& address, int showCommand) = 0;
};

class WindowsMachine final : public Machine {
public:
    void ShowTaskbar(bool show) override;
    void SetWindowParent(HWND window, HWND parent) override;
    void SetClock(const SYSTEMTIME& localTime) override;
    std::optional<DEVMODEW> CurrentDisplayMode() override;
    LONG ApplyDisplayMode(const DEVMODEW& mode, DWORD flags) override;
    long long RunProgram(const Big5& file, const Big5& parameters, const Big5& folder, int showCommand) override;
    void OpenWebPage(const Big5& address, int showCommand) override;

    // After a crash, from any thread: the window taken last goes back to
    // the screen and the taskbar is shown, without waiting on any window
    // of this process.
    void GiveBackAfterCrash() noexcept;

private:
    // The window made a child by SetWindowParent and not given back yet;
    // read by the crash handler on whichever thread crashed.
    std::atomic<HWND> taken_{nullptr};
};

}  // namespace corvina
