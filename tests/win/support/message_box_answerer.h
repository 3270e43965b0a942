#pragma once
// Answers the message boxes a test provokes: a timer finds the box of this
// thread, writes down what it showed and presses a button.

#include <windows.h>

#include <string>
#include <vector>

#include "ui/timer.h"

namespace corvina::ui::test {

struct SeenBox {
    std::wstring text;
    std::wstring caption;
    HWND owner = nullptr;
    HICON icon = nullptr;  // the system's shared icon of the box's type
};

inline HWND DialogOfThisThread() {
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM result) {
            wchar_t name[16]{};
            GetClassNameW(window, name, 16);
            if (std::wstring(name) != L"#32770" || !IsWindowVisible(window)) return TRUE;
            *reinterpret_cast<HWND*>(result) = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// Answers the next message box with `button` and writes down what it showed.
class BoxAnswerer {
public:
    BoxAnswerer(std::vector<SeenBox>& seen, int button) : timer_(20) {
        timer_.OnTimer = [&seen, button](Timer&) {
            const HWND box = DialogOfThisThread();
            if (!box) return;
            wchar_t text[128]{};
            GetDlgItemTextW(box, 0xFFFF, text, 128);  // the static text of a message box
            wchar_t caption[64]{};
            GetWindowTextW(box, caption, 64);
            constexpr int kIconId = 0x440;  // the icon of a message box
            const auto icon = reinterpret_cast<HICON>(SendDlgItemMessageW(box, kIconId, STM_GETICON, 0, 0));
            seen.push_back({text, caption, GetWindow(box, GW_OWNER), icon});
            PostMessageW(box, WM_COMMAND, static_cast<WPARAM>(button), 0);
        };
    }

private:
    Timer timer_;
};

}  // namespace corvina::ui::test
