#include "support/test_window.h"

#include <stdexcept>

namespace corvina::test {

namespace {

constexpr wchar_t kClassName[] = L"CorvinaTestWindow";

void RegisterOnce() {
    static const bool registered = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
        windowClass.lpszClassName = kClassName;
        return RegisterClassExW(&windowClass) != 0;
    }();
    if (!registered) throw std::runtime_error("cannot register the test window class");
}

}  // namespace

win32::OwnedWindow MakeTestWindow(const wchar_t* title) {
    RegisterOnce();
    win32::OwnedWindow window(CreateWindowExW(0, kClassName, title, WS_OVERLAPPEDWINDOW, 40, 40, 320, 200, nullptr,
                                              nullptr, GetModuleHandleW(nullptr), nullptr));
    if (!window) throw std::runtime_error("cannot create a test window");
    return window;
}

}  // namespace corvina::test
