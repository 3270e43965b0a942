#include "ui/window_class.h"

#include <set>
#include <stdexcept>

namespace corvina::ui {

void RegisterWindowClassOnce(const std::wstring& name, WNDPROC procedure) {
    static std::set<std::wstring> registered;
    if (registered.contains(name)) return;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    // Double clicks are part of the mouse events; the cursor and the ground
    // are the controls' business (WM_SETCURSOR, double-buffered painting).
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = name.c_str();
    if (RegisterClassExW(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        throw std::runtime_error("cannot register a window class");
    }
    registered.insert(name);
}

}  // namespace corvina::ui
