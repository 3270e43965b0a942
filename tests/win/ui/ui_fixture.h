#pragma once
// A live application for framework tests, with the error report recorded
// instead of shown, and helpers that feed a window mouse messages.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sys/text.h"
#include "ui/application.h"
#include "ui/form.h"

namespace corvina::ui::test {

class UiTest : public ::testing::Test {
protected:
    UiTest() : app_(T(u8"測試")) {
        app_.OnException = [this](const std::exception& error) { errors_.push_back(error.what()); };
    }

    // A borderless form with the given client size, hidden.
    FormPtr<Form> NewForm(int width = 200, int height = 100) {
        FormPtr<Form> form = MakeForm<Form>(L"CorvinaForm", BorderStyle::None);
        form->SetBounds({50, 50, width, height});
        return form;
    }

    // Handles what is queued now.
    void Pump() { app_.ProcessMessages(); }

    Application app_;
    std::vector<std::string> errors_;
};

inline LPARAM PointParam(int x, int y) {
    return static_cast<LPARAM>((static_cast<unsigned>(y) & 0xFFFFu) << 16 | (static_cast<unsigned>(x) & 0xFFFFu));
}

// The real pointer goes there too, so that leave tracking agrees.
inline void MoveTo(HWND window, int x, int y) {
    POINT screen{x, y};
    ClientToScreen(window, &screen);
    SetCursorPos(screen.x, screen.y);
    SendMessageW(window, WM_MOUSEMOVE, 0, PointParam(x, y));
}

inline void Press(HWND window, int x, int y) { SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, PointParam(x, y)); }
inline void Release(HWND window, int x, int y) { SendMessageW(window, WM_LBUTTONUP, 0, PointParam(x, y)); }
inline void ClickAt(HWND window, int x, int y) {
    Press(window, x, y);
    Release(window, x, y);
}

inline Rect ScreenBounds(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

}  // namespace corvina::ui::test
