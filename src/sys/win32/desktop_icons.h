#pragma once
// The window that shows the desktop icons, taken into a page of ours and
// given back exactly as it was. On Windows 10 and 11 the icons live in the
// shell's SHELLDLL_DefView, a child of Progman or, after a wallpaper
// slideshow, Task View or a wallpaper program, of a top-level WorkerW;
// taking Progman then shows an empty page.

#include <windows.h>

namespace corvina {

// The SHELLDLL_DefView under Progman, else under a top-level WorkerW; else
// Progman itself (older shells, stand-ins); null when there is none.
HWND FindDesktopIconsWindow();

// What a taken window must get back: its parent (null: a top-level
// window), its styles and its place in that parent's client area (on the
// screen for a top-level window).
struct TakenWindow {
    HWND window = nullptr;
    HWND parent = nullptr;
    LONG_PTR style = 0;
    LONG_PTR exStyle = 0;
    RECT bounds{};
};

// Makes `window` a child of `page`, filling it, with WS_CHILD set and
// WS_POPUP cleared before the move (SetParent changes neither style).
TakenWindow TakeAsChild(HWND window, HWND page);

// Back to its parent (the screen when that has gone), then its styles, its
// visibility and its place. Calls nothing of this process's windows, so a
// crash handler on any thread may use it.
void GiveBack(const TakenWindow& taken) noexcept;

}  // namespace corvina
