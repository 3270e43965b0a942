#pragma once
// The one seam for side effects on the machine that a test must never cause
// for real: the taskbar, the desktop window, and (as they arrive) the clock,
// the display mode, the shell, the browser and the autostart values. The
// program uses WindowsMachine; tests hand in a recording fake.

#include <windows.h>

namespace corvina {

class Machine {
public:
    virtual ~Machine() = default;

    // Shows (restored) or hides the taskbar window; nothing without one.
    virtual void ShowTaskbar(bool show) = 0;
    // Makes `window` a child of `parent`, or gives it back to the screen
    // when `parent` is null (the desktop icons' window).
    virtual void SetWindowParent(HWND window, HWND parent) = 0;
};

class WindowsMachine final : public Machine {
public:
    void ShowTaskbar(bool show) override;
    void SetWindowParent(HWND window, HWND parent) override;
};

}  // namespace corvina
