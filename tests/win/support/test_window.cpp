#include "support/test_window.h"

#include <stdexcept>

namespace corvina::test {

namespace {

constexpr wchar_t kClassName[] = L"CorvinaTestWindow";

void Register(const wchar_t* className) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    windowClass.lpszClassName = className;
    if (RegisterClassExW(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        throw std::runtime_error("cannot register a test window class");
    }
}

}  // namespace

win32::OwnedWindow MakeTestWindow(const wchar_t* title) { return MakeWindowOfClass(kClassName, title); }

win32::OwnedWindow MakeWindowOfClass(const wchar_t* className, const wchar_t* title) {
    Register(className);
    win32::OwnedWindow window(CreateWindowExW(0, className, title, WS_OVERLAPPEDWINDOW, 40, 40, 320, 200, nullptr,
                                              nullptr, GetModuleHandleW(nullptr), nullptr));
    if (!window) throw std::runtime_error("cannot create a test window");
    return window;
}

win32::OwnedWindow MakeChildOfClass(const wchar_t* className, HWND parent, RECT bounds) {
    Register(className);
    win32::OwnedWindow window(CreateWindowExW(0, className, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, bounds.left,
                                              bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top,
                                              parent, nullptr, GetModuleHandleW(nullptr), nullptr));
    if (!window) throw std::runtime_error("cannot create a test child window");
    return window;
}

}  // namespace corvina::test
