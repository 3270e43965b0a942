#include "widgets/front_window.h"

namespace corvina {

namespace {

// A window property: the mark lives with the window, whichever code shows it.
constexpr wchar_t kKeptOnTop[] = L"Corvina.KeptOnTop";

void SetTopmost(HWND window, bool topmost) {
    SetWindowPos(window, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace

bool ComeToFront(Machine& machine, HWND window) {
    if (window == nullptr || !IsWindow(window)) return false;
    if (machine.TakeForeground(window)) {
        // Granted while still kept from an earlier refusal: in front now.
        ActivatedInFront(machine, window);
        return true;
    }
    // A window topmost of its own (the wait window) is left as it is.
    if (!KeptOnTop(window) && (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0) return false;
    SetPropW(window, kKeptOnTop, reinterpret_cast<HANDLE>(INT_PTR{1}));
    SetTopmost(window, true);
    return false;
}

void ActivatedInFront(Machine& machine, HWND window) {
    if (!KeptOnTop(window) || !machine.IsForeground(window)) return;
    ForgetKeptOnTop(window);
    SetTopmost(window, false);
}

bool KeptOnTop(HWND window) { return window != nullptr && GetPropW(window, kKeptOnTop) != nullptr; }

void ForgetKeptOnTop(HWND window) {
    if (window != nullptr) RemovePropW(window, kKeptOnTop);
}

}  // namespace corvina
