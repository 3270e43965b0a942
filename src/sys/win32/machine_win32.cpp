#include "sys/win32/machine.h"

namespace corvina {

void WindowsMachine::ShowTaskbar(bool show) {
    if (HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr)) {
        ShowWindow(taskbar, show ? SW_RESTORE : SW_HIDE);
    }
}

void WindowsMachine::SetWindowParent(HWND window, HWND parent) {
    if (IsWindow(window)) SetParent(window, parent);
}

}  // namespace corvina
