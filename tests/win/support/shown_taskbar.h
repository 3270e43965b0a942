#pragma once
// The Wine prefix's taskbar window, shown for a test that watches the
// program hide it and give it back, and left as it was found.

#include <windows.h>

namespace corvina::test {

class ShownTaskbar {
public:
    ShownTaskbar() : window_(FindWindowW(L"Shell_TrayWnd", nullptr)), wasVisible_(window_ && IsWindowVisible(window_)) {
        if (!window_) return;
        ShowWindow(window_, SW_SHOWNA);
        // The shell's own thread shows it; give it a moment when busy.
        for (int wait = 0; wait < 100 && !Visible(); ++wait) Sleep(50);
    }
    ~ShownTaskbar() {
        if (window_) ShowWindow(window_, wasVisible_ ? SW_SHOWNA : SW_HIDE);
    }
    ShownTaskbar(const ShownTaskbar&) = delete;
    ShownTaskbar& operator=(const ShownTaskbar&) = delete;

    HWND Window() const { return window_; }
    bool Visible() const { return window_ && IsWindowVisible(window_); }

private:
    HWND window_;
    bool wasVisible_;
};

}  // namespace corvina::test
