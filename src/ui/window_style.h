#pragma once
// Changing a live window's style bits. Windows caches the frame a style
// implies, so every change is followed by SWP_FRAMECHANGED: without it a
// border added or taken away shows only after the next resize.

#include <windows.h>

namespace corvina::ui {

// Bits to clear, then bits to set, in GWL_STYLE and GWL_EXSTYLE.
struct StyleChange {
    DWORD clear = 0;
    DWORD set = 0;
    DWORD exClear = 0;
    DWORD exSet = 0;
};

// Applies the change and recomputes the frame; position, size, z-order and
// activation stay as they are.
void ChangeWindowStyle(HWND window, const StyleChange& change);

}  // namespace corvina::ui
