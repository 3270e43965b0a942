#include "ui/window_style.h"

namespace corvina::ui {

namespace {

void Change(HWND window, int index, DWORD clear, DWORD set) {
    if (clear == 0 && set == 0) return;
    const auto old = static_cast<DWORD>(GetWindowLongPtrW(window, index));
    SetWindowLongPtrW(window, index, static_cast<LONG_PTR>((old & ~clear) | set));
}

}  // namespace

void ChangeWindowStyle(HWND window, const StyleChange& change) {
    Change(window, GWL_STYLE, change.clear, change.set);
    Change(window, GWL_EXSTYLE, change.exClear, change.exSet);
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace corvina::ui
