#include "sys/win32/desktop_icons.h"

namespace corvina {

namespace {

HWND IconsViewIn(HWND host) { return host ? FindWindowExW(host, nullptr, L"SHELLDLL_DefView", nullptr) : nullptr; }

// GetParent answers the owner for a top-level window; the parent is what counts.
HWND ParentOf(HWND window) {
    const HWND parent = GetAncestor(window, GA_PARENT);
    return parent == GetDesktopWindow() ? nullptr : parent;
}

RECT BoundsInParent(HWND window, HWND parent) {
    RECT bounds{};
    GetWindowRect(window, &bounds);
    if (parent != nullptr) MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&bounds), 2);
    return bounds;
}

constexpr UINT kPlaceOnly = SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;

}  // namespace

HWND FindDesktopIconsWindow() {
    const HWND progman = FindWindowW(L"Progman", nullptr);
    if (const HWND view = IconsViewIn(progman)) return view;
    for (HWND worker = FindWindowExW(nullptr, nullptr, L"WorkerW", nullptr); worker != nullptr;
         worker = FindWindowExW(nullptr, worker, L"WorkerW", nullptr)) {
        if (const HWND view = IconsViewIn(worker)) return view;
    }
    return progman;
}

TakenWindow TakeAsChild(HWND window, HWND page) {
    TakenWindow taken;
    taken.window = window;
    taken.parent = ParentOf(window);
    taken.style = GetWindowLongPtrW(window, GWL_STYLE);
    taken.exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
    taken.bounds = BoundsInParent(window, taken.parent);
    SetWindowLongPtrW(window, GWL_STYLE, (taken.style | WS_CHILD) & ~static_cast<LONG_PTR>(WS_POPUP));
    SetParent(window, page);
    RECT area{};
    GetClientRect(page, &area);
    SetWindowPos(window, nullptr, 0, 0, area.right, area.bottom, kPlaceOnly);
    return taken;
}

void GiveBack(const TakenWindow& taken) noexcept {
    if (taken.window == nullptr || !IsWindow(taken.window)) return;
    // A shell restarted meanwhile has made a home of its own for the icons.
    const HWND parent = taken.parent != nullptr && IsWindow(taken.parent) ? taken.parent : nullptr;
    SetParent(taken.window, parent);
    const LONG_PTR visible = WS_VISIBLE;
    const LONG_PTR now = GetWindowLongPtrW(taken.window, GWL_STYLE);
    SetWindowLongPtrW(taken.window, GWL_STYLE, (taken.style & ~visible) | (now & visible));
    SetWindowLongPtrW(taken.window, GWL_EXSTYLE, taken.exStyle);
    if (((taken.style ^ now) & visible) != 0) {
        ShowWindow(taken.window, (taken.style & visible) != 0 ? SW_SHOWNA : SW_HIDE);
    }
    const RECT& at = taken.bounds;
    SetWindowPos(taken.window, nullptr, at.left, at.top, at.right - at.left, at.bottom - at.top, kPlaceOnly);
}

}  // namespace corvina
